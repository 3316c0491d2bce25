// End to end on loopback: a sender thread streams 64 KiB frames, one 1400-byte fragment per
// datagram, at a set bit rate to a StreamReceiver on 127.0.0.1; the callback checks each frame.
// The benchmark searches for the highest rate at which no frame is lost: short trials on a
// doubling ladder, then a bisection, then a 10 s confirmation (stepping down while it loses
// frames). Target: >= 200 Mbit/s.
//
// It reports the confirmed rate as the counter lossless_Mbps (the rate actually achieved by the
// sender over the confirmation) and the first rate that lost frames in a short trial as
// first_loss_Mbps (0 when none did).
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "platform/net.h"
#include "stream/streamreceiver.h"
#include "stream/streamwriter.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kFrameSize = 65536;
constexpr size_t kFragmentPayload = 1400;
constexpr double kShortTrialSeconds = 2.0;
constexpr double kConfirmSeconds = 10.0;

// Datagrams the kernel dropped for want of socket buffer space, all UDP sockets of this network
// namespace together (the benchmark is best run in a namespace of its own).
uint64_t KernelReceiveBufferDrops() {
    std::FILE* f = std::fopen("/proc/net/snmp", "r");
    if (!f) return 0;
    char names[1024];
    char values[1024];
    uint64_t drops = 0;
    while (std::fgets(names, sizeof names, f) && std::fgets(values, sizeof values, f)) {
        if (std::strncmp(names, "Udp:", 4) != 0) continue;
        // Find the column named RcvbufErrors and read the same column of the values line.
        int column = 0;
        int wanted = -1;
        for (char* t = std::strtok(names, " \n"); t; t = std::strtok(nullptr, " \n"), ++column) {
            if (std::strcmp(t, "RcvbufErrors") == 0) wanted = column;
        }
        column = 0;
        for (char* t = std::strtok(values, " \n"); t; t = std::strtok(nullptr, " \n"), ++column) {
            if (column == wanted) drops = std::strtoull(t, nullptr, 10);
        }
        break;
    }
    std::fclose(f);
    return drops;
}

struct TrialResult {
    uint64_t sent = 0;
    uint64_t received = 0;
    uint64_t damaged = 0;      // delivered, but not the frame that was sent
    uint64_t kernelDrops = 0;  // datagrams the kernel dropped before the receive thread saw them
    double achievedMbps = 0;
    bool lossless() const { return sent > 0 && received == sent && damaged == 0; }
};

// What the callback sees, on the receiver's parse thread.
struct Checker {
    std::atomic<uint64_t> received{0};
    std::atomic<uint64_t> damaged{0};
    uint32_t nextNumber = 0;  // parse thread only

    static int32_t Callback(StreamReceiver*, StreamFrameInfo* info, uint8_t* data, int32_t length, void* user) {
        auto* self = static_cast<Checker*>(user);
        uint32_t number = 0;
        if (length == static_cast<int32_t>(kFrameSize)) std::memcpy(&number, data, 4);
        // Frames arrive in order; a number beyond the expected one means frames were lost.
        if (length != static_cast<int32_t>(kFrameSize) || number < self->nextNumber ||
            info->sequence != static_cast<uint8_t>(number) ||
            data[kFrameSize - 1] != static_cast<uint8_t>(number * 7)) {
            ++self->damaged;
        } else {
            self->nextNumber = number + 1;
        }
        ++self->received;
        return 0;
    }
};

TrialResult RunTrial(double mbps, double seconds) {
    TrialResult result;
    Checker checker;
    const uint64_t dropsBefore = KernelReceiveBufferDrops();
    int holder = platform::OpenUdpSocket("127.0.0.1", 0, false);
    uint16_t port = platform::LocalPort(holder);
    StreamReceiver* receiver =
        StreamReceiver_Create("127.0.0.1", port, nullptr, STREAM_TYPE_FRAGMENTED, Checker::Callback, &checker);
    platform::CloseSocket(holder);
    if (!receiver) return result;
    int fd = platform::OpenUdpSocket("127.0.0.1", 0, false);
    sockaddr_in to;
    platform::MakeAddress("127.0.0.1", port, &to);

    std::vector<uint8_t> payload(kFrameSize, 0x5A);
    std::vector<uint8_t> datagram(kFragmentPayload + 64);
    std::atomic<uint64_t> sent{0};
    std::atomic<uint64_t> sentBytes{0};
    double elapsed = 0;
    std::thread sender([&] {
        stream::OutgoingFrame frame;
        frame.payload = payload.data();
        frame.payloadSize = payload.size();
        const size_t fragments = stream::FragmentCount(frame, kFragmentPayload);
        const double frameSeconds = stream::FragmentedSize(frame, kFragmentPayload) * 8.0 / (mbps * 1e6);
        const auto start = Clock::now();
        const auto end = start + std::chrono::duration<double>(seconds);
        uint64_t bytes = 0;
        for (uint32_t n = 0;; ++n) {
            auto due =
                start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(n * frameSeconds));
            if (due >= end) break;
            std::this_thread::sleep_until(due);
            std::memcpy(payload.data(), &n, 4);
            payload[kFrameSize - 1] = static_cast<uint8_t>(n * 7);
            frame.type = n % 30 == 0 ? 0xA1 : 0xA0;
            frame.sequence = static_cast<uint8_t>(n);
            frame.timestamp = n * 33333ull;
            for (size_t i = 0; i < fragments; ++i) {  // the frame goes out as one burst
                size_t size = stream::WriteFragment(frame, kFragmentPayload, i, datagram.data(), datagram.size());
                ::sendto(fd, datagram.data(), size, 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
                bytes += size;
            }
            sent = n + 1;
        }
        elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        sentBytes = bytes;
    });
    sender.join();
    // Let the receiver catch up with what is still in flight.
    for (int i = 0; i < 200 && checker.received.load() < sent.load(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    StreamReceiver_Destroy(receiver);
    platform::CloseSocket(fd);
    result.sent = sent.load();
    result.received = checker.received.load();
    result.damaged = checker.damaged.load();
    result.kernelDrops = KernelReceiveBufferDrops() - dropsBefore;
    result.achievedMbps = elapsed > 0 ? sentBytes.load() * 8.0 / elapsed / 1e6 : 0;
    std::fprintf(stderr,
                 "  %6.0f Mbit/s for %4.1f s: sent %llu, received %llu, damaged %llu, "
                 "datagrams dropped by the kernel %llu (achieved %.0f Mbit/s)\n",
                 mbps, seconds, static_cast<unsigned long long>(result.sent),
                 static_cast<unsigned long long>(result.received), static_cast<unsigned long long>(result.damaged),
                 static_cast<unsigned long long>(result.kernelDrops), result.achievedMbps);
    return result;
}

void BM_LoopbackLosslessRate(benchmark::State& state) {
    double confirmedMbps = 0;
    double firstLossMbps = 0;
    for (auto _ : state) {
        // Doubling ladder of short trials.
        double good = 0;
        double bad = 0;
        for (double rate = 100; rate <= 6400; rate *= 2) {
            if (RunTrial(rate, kShortTrialSeconds).lossless()) {
                good = rate;
            } else {
                bad = rate;
                break;
            }
        }
        firstLossMbps = bad;
        // Bisection between the last good and the first bad rate.
        if (good > 0 && bad > 0) {
            for (int step = 0; step < 3; ++step) {
                double mid = (good + bad) / 2;
                if (RunTrial(mid, kShortTrialSeconds).lossless()) {
                    good = mid;
                } else {
                    bad = mid;
                }
            }
        }
        if (good == 0) good = 50;  // even the first rung lost frames: try lower
        // Confirmation over the full duration, stepping down while frames are lost.
        for (int attempt = 0; attempt < 5; ++attempt) {
            TrialResult confirm = RunTrial(good, kConfirmSeconds);
            if (confirm.lossless()) {
                confirmedMbps = confirm.achievedMbps;
                break;
            }
            good *= 0.75;
        }
    }
    state.counters["lossless_Mbps"] = confirmedMbps;
    state.counters["first_loss_Mbps"] = firstLossMbps;
    state.counters["target_Mbps"] = 200;
    state.counters["ratio_to_target"] = confirmedMbps / 200;
}
BENCHMARK(BM_LoopbackLosslessRate)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
