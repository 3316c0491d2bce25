// A video play object: binds one window to a render back-end, queues decoded frames from any thread
// and shows them from a display thread of its own, paced by their presentation time against the
// reference clock.
//
// Threads:
//  - Push, FrameCount, ApplyConf, ReadConf, ResetRefClock, HasVideo, Refresh, ShotLast,
//    SetDrawFun and VideoCtrl may be called from any thread.
//  - The display thread owns the back-end and every SDL object in it (made, used and destroyed on
//    that thread). A refresh asked for on another thread is carried out by the display thread while
//    the caller waits.
//  - Producers and the display thread meet only in the frame queue (its own lock). The
//    configuration, zoom and draw callback are guarded by m_stateLock; flags are atomics.
//  - The display thread holds a reference to the object, so the object is never freed while the
//    thread runs: when the thread does not stop in time (Shutdown), the object lives on until it does.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "decoder/TEGMO_Decoder.h"
#include "media/support/framelisttemplate.h"
#include "player/TEGMO_Player.h"
#include "player/playclock.h"
#include "player/videolayout.h"
#include "player/videorenderer.h"

// The library's defaults for TEGMO_PLAY_DEBUG_CONF: 1, 1, 0, 0x00FFFFFF, 0.1, 1, 0.
TEGMO_PLAY_DEBUG_CONF DefaultDebugConf();

class CVideoPlay {
public:
    // What a new play object takes over from the manager.
    struct Settings {
        TEGMO_PLAY_DEBUG_CONF conf = DefaultDebugConf();
        TEGMO_PLAY_ReleaseYUVFun release = nullptr;
        void* releaseUser = nullptr;
        PlayClock* clock = &PlayClock::System();
    };

    // The statistics of the display thread (for tests and diagnostics).
    struct Statistics {
        uint32_t framesShown = 0;
        uint32_t dropped = 0;
        uint32_t framesHandled = 0;  // frames taken off the queue, shown or not
    };

    // Builds a play object for the window with a back-end for the render mode (low byte: 0 surface
    // layer, 1 SDL, other values none), initialises the back-end and starts the display thread;
    // null (logged) when the back-end cannot draw into the window.
    static std::shared_ptr<CVideoPlay> Create(uintptr_t window, uint32_t renderMode, const Settings& settings);
    ~CVideoPlay();

    CVideoPlay(const CVideoPlay&) = delete;
    CVideoPlay& operator=(const CVideoPlay&) = delete;

    uintptr_t Window() const { return m_hWnd; }

    // Queues a copy of the record; 1 when queued, 0 for a null record, a stopped display thread or
    // a full queue (the caller keeps the record).
    int32_t Push(const TEGMO_YUV_FRAME* frame);
    uint32_t FrameCount() const { return m_queue.GetCount(); }

    int32_t ApplyConf(const TEGMO_PLAY_DEBUG_CONF& conf);
    int32_t ReadConf(TEGMO_PLAY_DEBUG_CONF* conf) const;
    int32_t ResetRefClock();
    int32_t HasVideo() const;
    int32_t Refresh();
    int32_t ShotLast(const char* path);
    int32_t SetDrawFun(TEGMO_PLAY_DrawFun drawFun, void* user);
    int32_t VideoCtrl(uint32_t command, const TEGMO_PLAY_POINT* from, const TEGMO_PLAY_POINT* to);

    // Clears the running flag and waits up to 3 s for the display thread to end; true when it did
    // (also when it was not running). Called on the display thread itself (from a callback) it
    // does not wait.
    bool StopDisplayThread();

    // The destruction of a play object: stops the display thread and releases every frame it
    // holds. When the thread does not end in time it is left to finish on its own; it keeps the
    // object alive and releases the frames when it ends.
    void Shutdown();

    Statistics GetStatistics() const;
    uint64_t PtsOffset() const { return m_ptsOffset.load(); }
    bool ResyncPending() const { return m_resync.load() != 0; }
    ZoomExtensions Zoom() const;
    bool DisplayThreadRunning() const { return m_threadAlive.load(); }

private:
    // The locals of the display loop.
    struct DisplayCounters {
        uint32_t framesShown = 0;
        uint32_t framesAtSample = 0;
        uint32_t sampleTime = 0;
        uint32_t currentRate = 0;
        uint32_t totalRate = 0;
        uint32_t msCredit = 0;
        uint32_t firstFrameTime = 0;
        uint32_t dropped = 0;
        uint8_t previousSequence = 0;
        bool sequenceSeen = false;
    };

    CVideoPlay(uintptr_t window, uint32_t renderMode, const Settings& settings);

    static void DisplayThreadMain(std::shared_ptr<CVideoPlay> self);
    void DisplayStep(DisplayCounters& counters);
    bool RenderFrame(const TEGMO_YUV_FRAME& frame, const TEGMO_PLAY_DEBUG_CONF& conf, const OverlayStats* overlay);
    void ServeRefresh();
    int32_t RefreshOnDisplayThread();
    int32_t RefreshChecks(const TEGMO_PLAY_DEBUG_CONF& conf);
    TEGMO_PLAY_DEBUG_CONF Conf() const;
    void SignalThreadEnded();
    bool OnDisplayThread() const;

    static void ReleaseTrampoline(TEGMO_YUV_FRAME* frame, void* self);

    const uintptr_t m_hWnd;
    const uint8_t m_renderMode;
    const TEGMO_PLAY_ReleaseYUVFun m_release;  // declared before the queue, which calls it to the end
    void* const m_releaseUser;
    PlayClock* const m_clock;
    std::unique_ptr<VideoRenderer> m_renderer;  // null in render modes other than 0 and 1
    CFrameListTemplate<TEGMO_YUV_FRAME> m_queue;

    std::atomic<bool> m_running{false};
    std::atomic<bool> m_threadAlive{false};  // the thread-id marker: cleared by the thread at its end
    std::thread m_thread;
    std::atomic<std::thread::id> m_threadId{};  // set by the display thread when it starts
    std::mutex m_threadLock;                    // with m_threadCondition: start report and end of the thread
    std::condition_variable m_threadCondition;
    int m_startResult = -1;  // -1 not yet known, 0 failed, 1 running (guarded by m_threadLock)

    mutable std::mutex m_stateLock;  // guards the fields up to the next blank line
    TEGMO_PLAY_DEBUG_CONF m_conf;
    ZoomExtensions m_zoom;
    TEGMO_PLAY_DrawFun m_drawFun = nullptr;
    void* m_drawUser = nullptr;

    std::atomic<uint32_t> m_lastRenderTime{0};
    std::atomic<uint32_t> m_resync{1};
    std::atomic<uint64_t> m_ptsOffset{0};

    // Display thread only.
    RenderState m_renderState;
    OverlayStats m_lastOverlay;
    bool m_haveOverlay = false;

    // Refresh requests handed to the display thread.
    std::mutex m_refreshLock;
    std::condition_variable m_refreshCondition;
    uint64_t m_refreshRequested = 0;  // guarded by m_refreshLock
    uint64_t m_refreshServed = 0;
    int32_t m_refreshResult = 0;
    bool m_refreshClosed = false;  // the display thread takes no more requests
    std::atomic<bool> m_refreshPending{false};

    std::atomic<uint32_t> m_statFramesShown{0};
    std::atomic<uint32_t> m_statDropped{0};
    std::atomic<uint32_t> m_statFramesHandled{0};
};

// Number of display threads still running in the process (SDL is shut down only when none is).
int LiveDisplayThreads();
