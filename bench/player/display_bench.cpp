// The display path: frames rendered per second by a play object into a 1920 x 1080 window, pacing
// off, fed a few frames ahead so that the display thread never waits. Needs an X server (scripts/bench
// gives it a 1920x1080 Xvfb). Decoding is not part of it: the frames are made once up front.
#include <X11/Xlib.h>
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

#include "player/TEGMO_Player.h"

namespace {

// A window of the given size that the window manager leaves alone, mapped.
class BenchWindow {
public:
    BenchWindow(int width, int height) {
        XInitThreads();
        m_display = XOpenDisplay(nullptr);
        if (!m_display) return;
        XSetWindowAttributes attributes;
        std::memset(&attributes, 0, sizeof attributes);
        attributes.override_redirect = True;
        attributes.event_mask = StructureNotifyMask;
        m_window =
            XCreateWindow(m_display, DefaultRootWindow(m_display), 0, 0, unsigned(width), unsigned(height), 0,
                          CopyFromParent, InputOutput, CopyFromParent, CWOverrideRedirect | CWEventMask, &attributes);
        XMapWindow(m_display, m_window);
        XEvent event;
        do {
            XWindowEvent(m_display, m_window, StructureNotifyMask, &event);
        } while (event.type != MapNotify);
        XSync(m_display, False);
    }
    ~BenchWindow() {
        if (!m_display) return;
        XDestroyWindow(m_display, m_window);
        XCloseDisplay(m_display);
    }
    bool Valid() const { return m_display != nullptr; }
    Window Id() const { return m_window; }

private:
    Display* m_display = nullptr;
    Window m_window = 0;
};

// Single-block YV12 pictures (planes Y, V, U), a few different ones taken in turn.
struct Pictures {
    std::vector<std::vector<uint8_t>> buffers;
    std::vector<TEGMO_YUV_FRAME> records;

    Pictures(int width, int height, int count) {
        const size_t lumaBytes = size_t(width) * height;
        for (int n = 0; n < count; ++n) {
            std::vector<uint8_t> buffer(lumaBytes * 3 / 2);
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) buffer[size_t(y) * width + x] = uint8_t(x + y + n * 40);
            }
            std::memset(buffer.data() + lumaBytes, 90 + n * 30, lumaBytes / 2);
            buffers.push_back(std::move(buffer));
            TEGMO_YUV_FRAME record;
            std::memset(&record, 0, sizeof record);
            record.width = width;
            record.height = height;
            record.strideY = width;
            record.strideU = record.strideV = width / 2;
            record.planeY = buffers.back().data();
            record.planeV = record.planeY + lumaBytes;
            record.planeU = record.planeV + lumaBytes / 4;
            record.singleBlock = 1;
            records.push_back(record);
        }
    }
};

std::atomic<long> g_released{0};

void TEGMO_API CountRelease(TEGMO_YUV_FRAME* frame, void*) {
    if (frame->planeY) ++g_released;
}

void BM_DisplayPath(benchmark::State& state) {
    const uint32_t mode = uint32_t(state.range(0));
    const int width = int(state.range(1));
    const int height = int(state.range(2));
    BenchWindow window(width, height);
    if (!window.Valid()) {
        state.SkipWithError("no X server (run under xvfb-run -s \"-screen 0 1920x1080x24\")");
        return;
    }
    TEGMO_PLAY_Init();
    TEGMO_PLAY_DEBUG_CONF conf;
    TEGMO_PLAY_GetDebugConf(0, &conf);
    conf.ptsPacing = 0;
    TEGMO_PLAY_SetDebugConf(0, &conf);
    TEGMO_PLAY_RigisterReleaseYUVFun(&CountRelease, nullptr);
    const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateVideoPlay(window.Id(), mode);
    if (!play) {
        TEGMO_PLAY_Cleanup();
        state.SkipWithError("the player cannot draw into the window");
        return;
    }
    Pictures pictures(width, height, 4);
    pictures.records[0].sizeChanged = 1;

    // Warm up: the first frames set up the textures.
    for (int i = 0; i < 10; ++i) {
        while (TEGMO_PLAY_VideoPlay(play, &pictures.records[size_t(i) % 4]) != 1) std::this_thread::yield();
        pictures.records[0].sizeChanged = 0;
    }
    while (TEGMO_PLAY_GetVideoFrameCount(play) > 0) std::this_thread::sleep_for(std::chrono::microseconds(100));

    const long releasedBefore = g_released.load();
    size_t next = 0;
    for (auto _ : state) {
        // One frame per iteration, with a few queued ahead so the display thread is always busy.
        while (TEGMO_PLAY_GetVideoFrameCount(play) >= 3) std::this_thread::sleep_for(std::chrono::microseconds(50));
        TEGMO_PLAY_VideoPlay(play, &pictures.records[next++ % 4]);
    }
    while (TEGMO_PLAY_GetVideoFrameCount(play) > 0) std::this_thread::sleep_for(std::chrono::microseconds(50));
    state.counters["frames_per_s"] =
        benchmark::Counter(double(g_released.load() - releasedBefore), benchmark::Counter::kIsRate);

    TEGMO_PLAY_DeleteVideoPlay(play);
    TEGMO_PLAY_Cleanup();
}

// Render mode 0 at 1920 x 1080 is the figure with a target (120 frames/s: four times a 30 fps
// camera); mode 1 and a 1280 x 720 window for comparison.
BENCHMARK(BM_DisplayPath)
    ->ArgNames({"mode", "width", "height"})
    ->Args({0, 1920, 1080})
    ->Args({1, 1920, 1080})
    ->Args({0, 1280, 720})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
