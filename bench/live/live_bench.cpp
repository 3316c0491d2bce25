// The live view end to end, as kavimo runs it: the main window (in this process) with the camera
// simulator as its stream camera on loopback (identify, heartbeats), and the video sent by this
// benchmark as the camera sends it: H.264 frames in the fragmented framing, one datagram per
// fragment, paced at the frame rate, with timestamps in microseconds. Default player settings
// (pacing on, queue threshold 0).
//
// Figures:
//   - receive->present latency per frame (p50_ms, p99_ms, ...): from the moment the frame's last
//     datagram has been sent (on loopback it arrives within microseconds) to the moment the
//     player's present of the frame has returned. That moment is taken from the release of the
//     frame before it: the display thread gives frame n-1 back right after SDL_RenderPresent of
//     frame n has returned. The benchmark sees the releases by wrapping the program's calls of
//     TEGMO_DEC_ReleaseYUVFrame at link time (--wrap), so nothing in the program or the player
//     is changed for it;
//   - draw_p50_ms, draw_p99_ms: the same up to the player's draw callback, which runs when the
//     frame has been drawn and before it is presented;
//   - cpu_pct: CPU time of the program while live (this process without the sending thread), in
//     percent of one core.
//
// Run: build/default/bench/live_bench (on a private Xvfb it starts, else on the X server DISPLAY
// names). Draw callbacks are matched to frames by order (no B-frames, no frame dropped: the
// benchmark reports an error otherwise); releases carry the frame's timestamp.
#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

#include "e2esupport.h"
#include "platform/clock.h"
#include "stream/streamwriter.h"
#include "tests/decoder/testmedia.h"

namespace {

constexpr int kFps = 30;
constexpr size_t kFragmentPayload = 1400;  // bytes of payload per datagram, as the camera sends

// Presentation times, in the order the player draws pictures.
struct PresentLog {
    std::vector<uint64_t> times;
    std::atomic<size_t> count{0};

    static void TEGMO_API OnDraw(TEGMO_PLAY_WINDOW, void*, void* self) {
        auto* log = static_cast<PresentLog*>(self);
        const size_t i = log->count.fetch_add(1);
        if (i < log->times.size()) log->times[i] = platform::MonotonicUs();
    }
};

// Release times by frame number (the frame's pts in 1/30 s), recorded while `g_recording`.
std::vector<uint64_t> g_releaseUs;
std::atomic<bool> g_recording{false};

}  // namespace

extern "C" int32_t __real_TEGMO_DEC_ReleaseYUVFrame(TEGMO_YUV_FRAME* frame);

// The program's release of a picture (its release callback, or a picture the player refused).
extern "C" int32_t __wrap_TEGMO_DEC_ReleaseYUVFrame(TEGMO_YUV_FRAME* frame) {
    if (g_recording.load(std::memory_order_acquire) && frame && frame->planeY) {
        const uint64_t n = (frame->pts * kFps + 500000) / 1000000;
        if (n < g_releaseUs.size()) g_releaseUs[n] = platform::MonotonicUs();
    }
    return __real_TEGMO_DEC_ReleaseYUVFrame(frame);
}

namespace {

// User plus system time of this process, in microseconds.
uint64_t ProcessCpuUs() {
    QFile file(QStringLiteral("/proc/self/stat"));
    if (!file.open(QIODevice::ReadOnly)) return 0;
    const QByteArray text = file.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    // Fields after the name: state is field 3 of stat, utime 14, stime 15.
    const uint64_t ticks = fields.value(11).toULongLong() + fields.value(12).toULongLong();
    return ticks * 1000000 / uint64_t(sysconf(_SC_CLK_TCK));
}

uint64_t ThreadCpuUs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return uint64_t(ts.tv_sec) * 1000000 + uint64_t(ts.tv_nsec) / 1000;
}

double Percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5));
    return values[index];
}

void BM_LiveReceiveToPresent(benchmark::State& state) {
    const int width = int(state.range(0));
    const int height = int(state.range(1));
    const int seconds = int(state.range(2));
    const int frameCount = seconds * kFps;

    // One second of video, sent in a loop (it starts and loops on an I-frame).
    testmedia::H264Options encode;
    encode.width = width;
    encode.height = height;
    encode.frameCount = kFps;
    encode.gopSize = kFps;
    encode.fps = kFps;
    encode.noise = 3;  // sensor-like texture, so that the bit rate is a camera's, not a cartoon's
    const std::vector<testmedia::EncodedVideoFrame> video = testmedia::EncodeH264(encode);
    size_t bytes = 0;
    for (const auto& f : video) bytes += f.data.size();

    CDemoCamera::Options options = TestCameraOptions(CDemoCamera::Kind::Stream);
    options.video = false;  // the video comes from here
    LiveHarness harness(options);
    QString error;
    if (!harness.Start(&error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    CkavimoDlg& dialog = harness.Dialog();
    if (dialog.liveState() != LiveState::Live || !dialog.Live().Player()) {
        state.SkipWithError("the live view did not start");
        return;
    }
    // The window as large as on a full-HD screen: pane 1098 is then about 1220 x 700.
    dialog.resize(1920, 1050);
    QTest::qWait(300);
    PresentLog presented;
    presented.times.assign(size_t(frameCount) + 64, 0);
    TEGMO_PLAY_RigisterDrawFun(dialog.Live().Player(), &PresentLog::OnDraw, &presented);
    g_releaseUs.assign(size_t(frameCount) + 64, 0);
    g_recording = true;

    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(harness.Camera().VideoPort());
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::vector<uint64_t> sent(size_t(frameCount), 0);
    std::vector<uint8_t> datagram(kFragmentPayload + 64);
    std::atomic<bool> done{false};
    uint64_t senderCpuUs = 0;

    for (auto _ : state) {
        const uint64_t cpuBefore = ProcessCpuUs();
        const uint64_t wallBefore = platform::MonotonicUs();
        std::thread sender([&] {
            const uint64_t threadCpuBefore = ThreadCpuUs();
            const uint64_t start = platform::MonotonicUs() + 100000;
            for (int n = 0; n < frameCount; ++n) {
                const uint64_t due = start + uint64_t(n) * 1000000 / kFps;
                const uint64_t now = platform::MonotonicUs();
                if (due > now) std::this_thread::sleep_for(std::chrono::microseconds(due - now));
                const testmedia::EncodedVideoFrame& f = video[size_t(n) % video.size()];
                stream::OutgoingFrame frame;
                frame.type = f.kind == 0 ? 0xA1 : 0xA0;
                frame.sequence = uint8_t(n);
                frame.timestamp = uint64_t(n) * 1000000 / kFps;
                frame.payload = f.data.data();
                frame.payloadSize = f.data.size();
                const size_t fragments = stream::FragmentCount(frame, kFragmentPayload);
                for (size_t i = 0; i < fragments; ++i) {
                    const size_t length =
                        stream::WriteFragment(frame, kFragmentPayload, i, datagram.data(), datagram.size());
                    ::sendto(fd, datagram.data(), length, 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
                }
                sent[size_t(n)] = platform::MonotonicUs();
            }
            senderCpuUs = ThreadCpuUs() - threadCpuBefore;
            done = true;
        });
        while (!done) QTest::qWait(20);
        sender.join();
        QTest::qWait(300);  // the last frames reach the screen
        const uint64_t wall = platform::MonotonicUs() - wallBefore;
        const uint64_t cpu = ProcessCpuUs() - cpuBefore;
        state.counters["cpu_pct"] = 100.0 * double(cpu > senderCpuUs ? cpu - senderCpuUs : 0) / double(wall);
    }
    ::close(fd);

    const size_t drawn = presented.count.load();
    g_recording = false;
    TEGMO_PLAY_RigisterDrawFun(dialog.Live().Player(), nullptr, nullptr);
    harness.DestroyDialog();
    state.counters["frames"] = frameCount;
    state.counters["presented"] = double(drawn);
    state.counters["kbit_s"] = double(bytes) * 8 / 1000.0;
    if (drawn != size_t(frameCount)) {
        state.SkipWithError("not every frame was presented once: frames cannot be matched");
        return;
    }
    std::vector<double> drawMs, latencyMs;
    // The first second is left out: the clock anchors on the first frame and settles. The last
    // frame's present is seen only when the next one comes.
    for (int n = kFps; n < frameCount - 1; ++n) {
        drawMs.push_back(double(presented.times[size_t(n)] - sent[size_t(n)]) / 1000.0);
        const uint64_t presentUs = g_releaseUs[size_t(n) - 1];
        if (presentUs < sent[size_t(n)]) {
            state.SkipWithError("a frame's present was not seen");
            return;
        }
        latencyMs.push_back(double(presentUs - sent[size_t(n)]) / 1000.0);
    }
    state.counters["draw_p50_ms"] = Percentile(drawMs, 0.50);
    state.counters["draw_p99_ms"] = Percentile(drawMs, 0.99);
    state.counters["p50_ms"] = Percentile(latencyMs, 0.50);
    state.counters["p90_ms"] = Percentile(latencyMs, 0.90);
    state.counters["p99_ms"] = Percentile(latencyMs, 0.99);
    state.counters["max_ms"] = Percentile(latencyMs, 1.0);
    state.counters["min_ms"] = Percentile(latencyMs, 0.0);
}

BENCHMARK(BM_LiveReceiveToPresent)
    ->ArgNames({"width", "height", "seconds"})
    ->Args({1280, 720, 20})
    ->Args({1920, 1080, 10})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    std::string reason;
    if (!EnsureXServer(&reason)) {
        std::fprintf(stderr, "live_bench: no X server can be started (%s); nothing measured\n", reason.c_str());
        return 0;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
