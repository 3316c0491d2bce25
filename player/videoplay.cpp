#include "player/videoplay.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "media/support/debuglog.h"
#include "player/ddrawrender.h"
#include "player/nativewindow.h"
#include "player/sdlrender.h"
#include "player/sdlvideo.h"
#include "player/yuv2rgb.h"

namespace {

// The overlay's run time counts from the moment any play object showed its first frame.
std::atomic<int64_t> g_overlayStartSeconds{0};

std::atomic<int> g_liveDisplayThreads{0};

constexpr auto kStopWait = std::chrono::seconds(3);  // 300 polls of 10 ms
// How long creation waits for the display thread to report whether the back-end could be set up.
constexpr auto kStartWait = std::chrono::seconds(10);
// How long a refresh waits for the display thread to carry it out.
constexpr auto kRefreshWait = std::chrono::seconds(3);

}  // namespace

int LiveDisplayThreads() { return g_liveDisplayThreads.load(); }

TEGMO_PLAY_DEBUG_CONF DefaultDebugConf() {
    TEGMO_PLAY_DEBUG_CONF conf;
    std::memset(&conf, 0, sizeof conf);
    conf.ptsPacing = 1;
    conf.display = 1;
    conf.statOverlay = 0;
    conf.textColor = 0x00FFFFFF;
    conf.zoomStep = 0.1f;
    conf.keepAspect = 1;
    conf.queueThreshold = 0;
    return conf;
}

void FormatOverlayText(char (&text)[200], const char* sizeText, const OverlayStats& stats) {
    std::snprintf(text, sizeof text,
                  "size: %s\nframe rate(current): %d\nframe rate(totle): %d\ndecode frame: %d\n"
                  "drop frame: %d\ndecode fail: %d\nrun time: %s\n",
                  sizeText, int(stats.currentRate), int(stats.totalRate), int(stats.framesShown), int(stats.dropped),
                  int(stats.failCount), stats.runTime);
}

CVideoPlay::CVideoPlay(uintptr_t window, uint32_t renderMode, const Settings& settings)
    : m_hWnd(window),
      m_renderMode(uint8_t(renderMode & 0xFF)),
      m_release(settings.release),
      m_releaseUser(settings.releaseUser),
      m_clock(settings.clock ? settings.clock : &PlayClock::System()),
      m_conf(settings.conf) {
    if (m_renderMode == TEGMO_PLAY_RENDER_DDRAW) {
        m_renderer.reset(new CDDrawRender());
    } else if (m_renderMode == TEGMO_PLAY_RENDER_SDL) {
        m_renderer.reset(new CSDLRender());
    }
    if (m_renderer) m_renderer->SetKeepAspect(m_conf.keepAspect != 0);
    m_resync = 1;
    m_renderState.rebuildSurface = true;
    m_lastRenderTime = m_clock->TimeGetTime();
    m_queue.SetKeepLast(true);
    // Without a release callback the queue neither releases nor retains anything.
    if (m_release) m_queue.SetReleaseCallback(&CVideoPlay::ReleaseTrampoline, this);
}

CVideoPlay::~CVideoPlay() {
    // The display thread has ended (it holds a reference while it runs). Whatever is still queued
    // and the retained frame go back to their owner; the queue's own teardown does that.
    if (m_thread.joinable()) m_thread.detach();
}

void CVideoPlay::ReleaseTrampoline(TEGMO_YUV_FRAME* frame, void* self) {
    CVideoPlay* play = static_cast<CVideoPlay*>(self);
    play->m_release(frame, play->m_releaseUser);
}

std::shared_ptr<CVideoPlay> CVideoPlay::Create(uintptr_t window, uint32_t renderMode, const Settings& settings) {
    std::shared_ptr<CVideoPlay> play(new CVideoPlay(window, renderMode, settings));

    // Start the display thread; it sets up the back-end on itself and reports how that went.
    play->m_running = true;
    play->m_threadAlive = true;
    ++g_liveDisplayThreads;
    bool started = true;
    try {
        play->m_thread = std::thread(&CVideoPlay::DisplayThreadMain, play);
    } catch (...) {
        started = false;
        play->m_running = false;
        play->m_threadAlive = false;
        --g_liveDisplayThreads;
    }
    bool running = false;
    if (started) {
        std::unique_lock<std::mutex> lock(play->m_threadLock);
        play->m_threadCondition.wait_for(lock, kStartWait, [&] { return play->m_startResult >= 0; });
        running = play->m_startResult == 1;
    }
    if (running) return play;

    if (play->m_renderMode == TEGMO_PLAY_RENDER_DDRAW) {
        g_DebugLog.Format("[ERROR]创建DirectDraw失败, 请确认显卡驱动程序安装是否正确, 也有可能是硬件不支持\n");
    } else if (play->m_renderMode == TEGMO_PLAY_RENDER_SDL) {
        g_DebugLog.Format("[ERROR]创建SDL失败, 请确认显卡驱动程序安装是否正确, 也有可能是硬件不支持\n");
    }
    if (started) {
        // A thread that failed ends by itself; one that is still setting up ends as soon as it is
        // done, keeping the object alive until then.
        play->m_running = false;
        if (play->m_startResult == 0) {
            play->m_thread.join();
        } else {
            play->m_thread.detach();
        }
    }
    return nullptr;
}

void CVideoPlay::DisplayThreadMain(std::shared_ptr<CVideoPlay> self) {
    CVideoPlay& play = *self;
    play.m_threadId = std::this_thread::get_id();
    const bool opened = !play.m_renderer || play.m_renderer->Open(play.m_hWnd);
    {
        std::lock_guard<std::mutex> guard(play.m_threadLock);
        play.m_startResult = opened ? 1 : 0;
    }
    play.m_threadCondition.notify_all();

    if (opened) {
        g_DebugLog.Format("[TIP][%" KAVIMO_LOG_ADDR "]DisplayThread() entry\n", KAVIMO_LOG_ADDR_ARG(&play));
        DisplayCounters counters;
        play.m_resync = 1;
        while (play.m_running.load()) {
            if (play.m_refreshPending.load()) play.ServeRefresh();
            play.DisplayStep(counters);
        }
        play.m_queue.Flush();
    }
    if (play.m_renderer) {
        play.m_renderer->Close();
        ReleaseSdlThreadState();
    }
    if (opened) {
        g_DebugLog.Format("[TIP][%" KAVIMO_LOG_ADDR "]DisplayThread() exit\n", KAVIMO_LOG_ADDR_ARG(&play));
    }
    {
        std::lock_guard<std::mutex> guard(play.m_refreshLock);
        play.m_refreshClosed = true;
    }
    play.ServeRefresh();  // a refresh asked for meanwhile is answered, not left waiting
    play.SignalThreadEnded();
    --g_liveDisplayThreads;
    // `self` goes last: when the thread outlived its handle, the object is destroyed here.
}

void CVideoPlay::SignalThreadEnded() {
    {
        std::lock_guard<std::mutex> guard(m_threadLock);
        m_threadAlive = false;
    }
    m_threadCondition.notify_all();
}

bool CVideoPlay::OnDisplayThread() const { return m_threadId.load() == std::this_thread::get_id(); }

TEGMO_PLAY_DEBUG_CONF CVideoPlay::Conf() const {
    std::lock_guard<std::mutex> guard(m_stateLock);
    return m_conf;
}

void CVideoPlay::DisplayStep(DisplayCounters& c) {
    PlayClock& clock = *m_clock;

    // 1. Current rate, sampled once a second.
    const uint32_t now = clock.TimeGetTime();
    const uint32_t sinceSample = now - c.sampleTime;
    if (sinceSample >= 1000) {
        c.currentRate = uint32_t((uint64_t(c.framesShown - c.framesAtSample) * 1000 + sinceSample - 1) / sinceSample);
        c.sampleTime = now;
        c.framesAtSample = c.framesShown;
    }

    // 2. The head of the queue, copied out so that it is drawn without holding the queue's lock.
    TEGMO_YUV_FRAME frame;
    if (!m_queue.Peek(&frame)) {
        clock.Sleep(1);
        return;
    }

    // 3. Pacing.
    const TEGMO_PLAY_DEBUG_CONF conf = Conf();
    if (conf.ptsPacing) {
        const uint64_t nowUs = clock.ReferenceUs();
        const uint32_t count = m_queue.GetCount();
        bool dueTest = true;
        if (m_resync.load()) {
            if (count < conf.queueThreshold) {  // wait for the queue to fill
                clock.Sleep(1);
                return;
            }
            if (count == conf.queueThreshold) {  // anchor the clock on this frame
                m_resync = 0;
                const uint64_t offset = nowUs - frame.pts;
                m_ptsOffset = offset;
                g_DebugLog.Format("[TIP]m_ptsOffset=%" PRIu64 "\n", offset);
            } else {
                dueTest = false;  // a backlog is shown at once
            }
        } else if (count > conf.queueThreshold + 125) {
            g_DebugLog.Format("[TIP]VFrameCount too long, reset\n");
            m_resync = 1;
            return;
        }
        if (dueTest) {
            const uint64_t due = m_ptsOffset.load() + frame.pts;
            if (due > nowUs) {
                if (due - nowUs <= 5000000) {  // not due yet: the frame waits
                    clock.Sleep(1);
                    return;
                }
                g_DebugLog.Format("[TIP]VFramePts jump, reset\n");
                m_resync = 1;
                return;
            }
        }
    }

    // 4. Dropped frames, from gaps in the 8-bit sequence numbers.
    if (c.sequenceSeen && frame.sequence != uint8_t(c.previousSequence + 1)) {
        c.dropped += uint8_t(frame.sequence - c.previousSequence - 1);
    }
    c.previousSequence = frame.sequence;
    c.sequenceSeen = true;

    // 5.
    if (c.firstFrameTime == 0) c.firstFrameTime = clock.TimeGetTime();

    // 6. Show it.
    if (conf.display) {
        ++c.framesShown;
        c.msCredit += 1000;
        const uint32_t t = clock.TimeGetTime();
        if (t >= c.firstFrameTime + 1000) c.totalRate = c.msCredit / (t - c.firstFrameTime);

        if (m_renderer) {
            OverlayStats stats;
            stats.currentRate = c.currentRate;
            stats.totalRate = c.totalRate;
            stats.framesShown = c.framesShown;
            stats.dropped = c.dropped;
            stats.failCount = frame.failCount;
            const int64_t nowSeconds = clock.WallSeconds();
            const int64_t start = c.framesShown == 1 ? nowSeconds : g_overlayStartSeconds.load();
            const int64_t d = nowSeconds - start;
            std::snprintf(stats.runTime, sizeof stats.runTime, "%02d:%02d:%02d", int(d / 3600), int((d % 3600) / 60),
                          int(d % 60));
            if (RenderFrame(frame, conf, &stats)) {
                if (c.framesShown == 1) g_overlayStartSeconds = nowSeconds;
                m_lastOverlay = stats;
                m_haveOverlay = true;
            }
        }
    }
    m_statFramesShown = c.framesShown;
    m_statDropped = c.dropped;
    ++m_statFramesHandled;

    // 7. Done with it: the queue releases the frame shown before and keeps this one.
    m_queue.Pop();
}

bool CVideoPlay::RenderFrame(const TEGMO_YUV_FRAME& frame, const TEGMO_PLAY_DEBUG_CONF& conf,
                             const OverlayStats* overlay) {
    RenderJob job;
    job.frame = &frame;
    {
        std::lock_guard<std::mutex> guard(m_stateLock);
        job.zoom = m_zoom;
        job.drawFun = m_drawFun;
        job.drawUser = m_drawUser;
    }
    if (conf.statOverlay && overlay) {
        job.overlay = overlay;
        job.overlayColor = conf.textColor;
    }
    m_renderState.windowUpdated = false;
    const bool ok = m_renderer->Render(job, m_renderState);
    if (m_renderState.windowUpdated) m_lastRenderTime = m_clock->TimeGetTime();
    return ok;
}

int32_t CVideoPlay::Push(const TEGMO_YUV_FRAME* frame) {
    if (!frame || !m_running.load()) return 0;
    return m_queue.PushBack(*frame) ? 1 : 0;
}

int32_t CVideoPlay::ApplyConf(const TEGMO_PLAY_DEBUG_CONF& conf) {
    {
        std::lock_guard<std::mutex> guard(m_stateLock);
        if (conf.ptsPacing != m_conf.ptsPacing || conf.queueThreshold != m_conf.queueThreshold) {
            m_resync = 1;
        }
        m_conf = conf;
    }
    if (m_renderer) m_renderer->SetKeepAspect(conf.keepAspect != 0);
    return 1;
}

int32_t CVideoPlay::ReadConf(TEGMO_PLAY_DEBUG_CONF* conf) const {
    if (!conf) return 0;
    *conf = Conf();
    return 1;
}

int32_t CVideoPlay::ResetRefClock() {
    m_resync = 1;
    return 1;
}

int32_t CVideoPlay::HasVideo() const {
    return uint32_t(m_clock->TimeGetTime() - m_lastRenderTime.load()) <= 2000 ? 1 : 0;
}

int32_t CVideoPlay::SetDrawFun(TEGMO_PLAY_DrawFun drawFun, void* user) {
    std::lock_guard<std::mutex> guard(m_stateLock);
    m_drawFun = drawFun;
    m_drawUser = user;
    return 1;
}

int32_t CVideoPlay::VideoCtrl(uint32_t command, const TEGMO_PLAY_POINT* from, const TEGMO_PLAY_POINT* to) {
    if (command == TEGMO_PLAY_CTRL_PAN && (!from || !to)) return 0;
    NativeWindowState window;
    const int32_t clientWidth = QueryNativeWindow(m_hWnd, &window) ? window.width : 0;
    std::lock_guard<std::mutex> guard(m_stateLock);
    return ApplyVideoCtrl(m_zoom, command, clientWidth, m_conf.zoomStep, from ? from->x : 0, from ? from->y : 0,
                          to ? to->x : 0, to ? to->y : 0);
}

ZoomExtensions CVideoPlay::Zoom() const {
    std::lock_guard<std::mutex> guard(m_stateLock);
    return m_zoom;
}

int32_t CVideoPlay::RefreshChecks(const TEGMO_PLAY_DEBUG_CONF& conf) {
    TEGMO_YUV_FRAME last;
    if (!m_queue.CopyRetained(&last) || last.height == 0 || !conf.display) return 0;
    return 1;
}

int32_t CVideoPlay::RefreshOnDisplayThread() {
    const TEGMO_PLAY_DEBUG_CONF conf = Conf();
    // The queue's lock keeps the retained frame from being released while it is drawn.
    auto lock = m_queue.Lock();
    TEGMO_YUV_FRAME last;
    if (!m_queue.CopyRetained(&last) || last.height == 0 || !conf.display) return 0;
    if (m_renderer) RenderFrame(last, conf, m_haveOverlay ? &m_lastOverlay : nullptr);
    return 1;  // whether or not the drawing succeeded
}

void CVideoPlay::ServeRefresh() {
    std::unique_lock<std::mutex> lock(m_refreshLock);
    if (m_refreshServed == m_refreshRequested) return;
    const uint64_t ticket = m_refreshRequested;
    m_refreshPending = false;
    lock.unlock();
    // After the loop has ended the back-end is gone: the checks still answer.
    const int32_t result = m_running.load() ? RefreshOnDisplayThread() : RefreshChecks(Conf());
    lock.lock();
    m_refreshResult = result;
    m_refreshServed = ticket;
    lock.unlock();
    m_refreshCondition.notify_all();
}

int32_t CVideoPlay::Refresh() {
    if (!m_renderer) {
        auto lock = m_queue.Lock();
        return RefreshChecks(Conf());
    }
    if (OnDisplayThread()) return RefreshOnDisplayThread();
    std::unique_lock<std::mutex> lock(m_refreshLock);
    if (m_refreshClosed) {
        lock.unlock();
        auto queueLock = m_queue.Lock();
        return RefreshChecks(Conf());
    }
    const uint64_t ticket = ++m_refreshRequested;
    m_refreshPending = true;
    if (!m_refreshCondition.wait_for(lock, kRefreshWait, [&] { return m_refreshServed >= ticket; })) {
        return 0;  // the display thread is stuck
    }
    return m_refreshResult;
}

int32_t CVideoPlay::ShotLast(const char* path) {
    // Held while the file is written: the display thread cannot release the frame meanwhile.
    auto lock = m_queue.Lock();
    TEGMO_YUV_FRAME last;
    if (!m_queue.CopyRetained(&last) || last.height == 0) return 0;
    return WriteBmpFile(&last, path);
}

bool CVideoPlay::StopDisplayThread() {
    m_running = false;
    if (OnDisplayThread()) return false;  // the loop ends when the callback that asked returns
    std::unique_lock<std::mutex> lock(m_threadLock);
    const bool ended = m_threadCondition.wait_for(lock, kStopWait, [&] { return !m_threadAlive.load(); });
    if (!ended) {
        g_DebugLog.Format("[WARN][%" KAVIMO_LOG_ADDR "]StopDisplayThread() return false\n", KAVIMO_LOG_ADDR_ARG(this));
    }
    return ended;
}

void CVideoPlay::Shutdown() {
    const bool ended = StopDisplayThread();
    if (!m_thread.joinable()) return;
    if (ended) {
        m_thread.join();
        // Anything still queued and the retained frame go back to their owner now, on this thread.
        m_queue.Flush();
    } else {
        // The thread holds a reference to this object and releases the frames when it ends.
        m_thread.detach();
    }
}

CVideoPlay::Statistics CVideoPlay::GetStatistics() const {
    Statistics statistics;
    statistics.framesShown = m_statFramesShown.load();
    statistics.dropped = m_statDropped.load();
    statistics.framesHandled = m_statFramesHandled.load();
    return statistics;
}
