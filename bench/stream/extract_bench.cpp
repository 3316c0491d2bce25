// Frame extraction throughput against memcpy of the same bytes, in the same run.
//
// Each iteration writes seven 64 KiB frames (1400-byte fragments for the fragmented framing) into
// a ring of the receiver's size, then times their extraction through FrameRing_NextFrame and,
// separately, one memcpy of the same stream bytes. The reported time is the extraction's;
// the counters give both rates and their ratio (extraction / memcpy; the target is >= 0.5).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <random>
#include <vector>

#include "stream/framering.h"
#include "stream/streamwriter.h"

namespace {

constexpr size_t kFrameSize = 65536;
constexpr size_t kFragmentPayload = 1400;
constexpr size_t kFrames = 7;  // as many as a 512000-byte ring holds

using Clock = std::chrono::steady_clock;

void RunExtraction(benchmark::State& state, int framing, int capacity) {
    std::mt19937 rng(1);
    std::vector<std::vector<uint8_t>> payloads(kFrames, std::vector<uint8_t>(kFrameSize));
    std::vector<uint8_t> wire;
    for (size_t i = 0; i < kFrames; ++i) {
        for (auto& b : payloads[i]) b = static_cast<uint8_t>(rng());
        stream::OutgoingFrame frame;
        frame.type = i == 0 ? 0xA1 : 0xA0;
        frame.sequence = static_cast<uint8_t>(i);
        frame.payload = payloads[i].data();
        frame.payloadSize = kFrameSize;
        auto bytes =
            framing == FRAMING_FRAGMENTED ? stream::Fragmented(frame, kFragmentPayload) : stream::WholeFrame(frame);
        wire.insert(wire.end(), bytes.begin(), bytes.end());
    }
    FrameRingBuffer* ring = FrameRing_Create(framing, capacity);
    std::vector<uint8_t> frameBuffer(FRAME_RING_FRAME_BUFFER_SIZE);
    std::vector<uint8_t> copy(wire.size());
    ParsedFrameHeader header;
    double extractSeconds = 0;
    double memcpySeconds = 0;

    for (auto _ : state) {
        if (!FrameRing_Write(ring, wire.data(), static_cast<uint32_t>(wire.size()))) {
            state.SkipWithError("the stream does not fit the ring");
            break;
        }
        auto t0 = Clock::now();
        for (size_t i = 0; i < kFrames; ++i) {
            if (!FrameRing_NextFrame(ring, &header, frameBuffer.data()) || header.frameLength != kFrameSize) {
                state.SkipWithError("a frame did not come out");
                break;
            }
            benchmark::DoNotOptimize(frameBuffer.data());
        }
        benchmark::ClobberMemory();
        auto t1 = Clock::now();
        std::memcpy(copy.data(), wire.data(), wire.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
        auto t2 = Clock::now();
        double extract = std::chrono::duration<double>(t1 - t0).count();
        extractSeconds += extract;
        memcpySeconds += std::chrono::duration<double>(t2 - t1).count();
        state.SetIterationTime(extract);
    }
    FrameRing_Destroy(ring);

    const double bytes = static_cast<double>(wire.size()) * static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
    if (extractSeconds > 0 && memcpySeconds > 0) {
        state.counters["extract_GBps"] = bytes / extractSeconds / 1e9;
        state.counters["memcpy_GBps"] = bytes / memcpySeconds / 1e9;
        state.counters["ratio_to_memcpy"] = memcpySeconds / extractSeconds;
    }
}

void BM_ExtractFragmented64KiB(benchmark::State& state) { RunExtraction(state, FRAMING_FRAGMENTED, 512000); }
BENCHMARK(BM_ExtractFragmented64KiB)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_ExtractWholeFrame64KiB(benchmark::State& state) { RunExtraction(state, FRAMING_WHOLE_FRAME, 10485760); }
BENCHMARK(BM_ExtractWholeFrame64KiB)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
