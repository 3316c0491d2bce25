// TEGMO_DEC_VideoDecode per frame (decode, copy into a single-block YV12 picture, release) against
// plain libavcodec send/receive of the same packets, in the same run; prints the ratio per size.
//
// The stream is what the camera sends: single-slice H.264, I-frame every 30 frames, no B-frames,
// with sensor-like noise so that the decode cost is realistic. The baseline packets are reference
// counted (libavcodec takes them without a copy), the library gets plain byte pointers as the
// application passes them.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
}

#include "bench/common/benchmain.h"
#include "decoder/TEGMO_Decoder.h"
#include "tests/decoder/testmedia.h"

namespace {

constexpr int kFrames = 60;

const std::vector<testmedia::EncodedVideoFrame>& Stream(int width, int height) {
    static std::map<std::pair<int, int>, std::vector<testmedia::EncodedVideoFrame>> streams;
    auto& stream = streams[{width, height}];
    if (stream.empty()) {
        testmedia::H264Options options;
        options.width = width;
        options.height = height;
        options.frameCount = kFrames;
        options.gopSize = 30;
        options.preset = "veryfast";
        options.noise = 6;
        stream = testmedia::EncodeH264(options);
    }
    return stream;
}

void BM_LibavcodecSendReceive(benchmark::State& state) {
    const auto& stream = Stream(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::vector<AVPacket*> packets;
    for (const auto& frame : stream) {
        AVPacket* packet = av_packet_alloc();
        av_new_packet(packet, static_cast<int>(frame.data.size()));
        std::copy(frame.data.begin(), frame.data.end(), packet->data);
        packet->pts = frame.displayIndex;
        packets.push_back(packet);
    }
    const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_H264);
    AVCodecContext* context = avcodec_alloc_context3(codec);
    context->thread_count = 1;
    avcodec_open2(context, codec, nullptr);
    AVFrame* picture = av_frame_alloc();
    size_t next = 0;
    int64_t pictures = 0;
    for (auto _ : state) {
        avcodec_send_packet(context, packets[next]);
        while (avcodec_receive_frame(context, picture) >= 0) {
            ++pictures;
            av_frame_unref(picture);
        }
        next = (next + 1) % packets.size();
    }
    state.counters["pictures"] = benchmark::Counter(static_cast<double>(pictures), benchmark::Counter::kIsRate);
    av_frame_free(&picture);
    avcodec_free_context(&context);
    for (AVPacket*& packet : packets) av_packet_free(&packet);
}

void BM_TegmoVideoDecode(benchmark::State& state) {
    const auto& stream = Stream(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    TEGMO_DEC_Init();
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, nullptr, nullptr);  // the application's mode
    size_t next = 0;
    uint8_t sequence = 1;
    int64_t pictures = 0;
    for (auto _ : state) {
        const auto& frame = stream[next];
        StreamFrameInfo info = testmedia::MakeFrameInfo(frame, sequence++, static_cast<uint64_t>(frame.displayIndex));
        TEGMO_YUV_FRAME picture;
        if (TEGMO_DEC_VideoDecode(decoder, &info, frame.data.data(), static_cast<int32_t>(frame.data.size()),
                                  &picture)) {
            ++pictures;
            TEGMO_DEC_ReleaseYUVFrame(&picture);
        }
        next = (next + 1) % stream.size();
    }
    state.counters["pictures"] = benchmark::Counter(static_cast<double>(pictures), benchmark::Counter::kIsRate);
    TEGMO_DEC_DeleteVideoDecoder(decoder);
    TEGMO_DEC_Cleanup();
}

// Repetitions run interleaved in random order (see main), so that a busy machine disturbs both
// sides alike; the ratios use the medians.
BENCHMARK(BM_LibavcodecSendReceive)
    ->Args({1920, 1080})
    ->Args({1280, 720})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(5);
BENCHMARK(BM_TegmoVideoDecode)
    ->Args({1920, 1080})
    ->Args({1280, 720})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(5);

// Keeps each benchmark's median time per frame so that the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" && !run.error_occurred) {
                const std::string name = run.run_name.function_name + "/" + run.run_name.args;
                realMs_[name] = run.GetAdjustedRealTime();
                cpuMs_[name] = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatios() const {
        for (const char* size : {"1920/1080", "1280/720"}) {
            const std::string tegmo = std::string("BM_TegmoVideoDecode/") + size;
            const std::string plain = std::string("BM_LibavcodecSendReceive/") + size;
            if (!realMs_.count(tegmo) || !realMs_.count(plain)) continue;
            std::printf(
                "ratio TEGMO_DEC_VideoDecode / libavcodec send-receive %s: %.3f cpu (%.3f vs %.3f ms), "
                "%.3f real (%.3f vs %.3f ms) per frame, medians\n",
                size, cpuMs_.at(tegmo) / cpuMs_.at(plain), cpuMs_.at(tegmo), cpuMs_.at(plain),
                realMs_.at(tegmo) / realMs_.at(plain), realMs_.at(tegmo), realMs_.at(plain));
        }
    }

private:
    std::map<std::string, double> realMs_;
    std::map<std::string, double> cpuMs_;
};

}  // namespace

int main(int argc, char** argv) {
    RatioReporter reporter;
    return bench::RunWithRatios(argc, argv, reporter, [](RatioReporter& r) { r.PrintRatios(); });
}
