#include "player/ddrawrender.h"

#include <cstdio>
#include <cstring>

#include "media/support/debuglog.h"
#include "player/nativewindow.h"

namespace {

// True when the renderer draws with OpenGL that a processor emulates rather than a graphics card.
bool IsSoftwareOpenGL(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0 || !info.name || std::strncmp(info.name, "opengl", 6) != 0) {
        return false;
    }
    // The renderer's context is current on this thread right after its creation.
    using GetString = const unsigned char* (*)(unsigned int);
    GetString getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    if (!getString) return false;
    constexpr unsigned int kGlRenderer = 0x1F01;  // GL_RENDERER
    const char* name = reinterpret_cast<const char*>(getString(kGlRenderer));
    if (!name) return false;
    for (const char* software : {"llvmpipe", "softpipe", "Software Rasterizer", "swrast", "SWR"}) {
        if (std::strstr(name, software)) return true;
    }
    return false;
}

}  // namespace

CDDrawRender::~CDDrawRender() { Close(); }

bool CDDrawRender::Open(uintptr_t window) {
    Close();
    NativeWindowState state;
    if (!QueryNativeWindow(window, &state)) {
        g_DebugLog.Format("[WARN]CDDrawRender(0x%x): the window does not answer\n", unsigned(window));
        return false;
    }
    if (!StartSdlVideo()) return false;
    // OpenGL is tried only where it may run on a graphics processor (or a renderer is asked for by
    // name): emulated OpenGL is slower here than SDL's software renderer and is not kept, and on a
    // busy machine only setting it up took most of the time the play object's creation waits for.
    // When OpenGL fails (a GL library that cannot set up a context on this window) the software
    // renderer is tried, which needs nothing from the X server beyond plain images.
    const bool tryOpenGL = SDL_getenv("SDL_RENDER_DRIVER") || XServerRendersDirectly();
    if (!OpenSurfaces(window, tryOpenGL) && !(tryOpenGL && OpenSurfaces(window, false))) return false;
    m_window = window;
    GuardDrawnWindow(window);
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(m_renderer, &info) == 0) {
        g_DebugLog.Format("[TIP]CDDrawRender(0x%x): SDL renderer %s\n", unsigned(window), info.name);
    }
    SDL_GetWindowSize(m_sdlWindow, &m_sdlWidth, &m_sdlHeight);
    m_layout = VideoLayout{};
    m_layoutKeepAspect = KeepAspect();
    m_font.Open(m_renderer);  // without a font the statistics text is left out
    return true;
}

bool CDDrawRender::OpenSurfaces(uintptr_t window, bool allowOpenGL) {
    std::lock_guard<std::mutex> guard(SdlGlobalLock());
    // SDL reads the hint when it takes the window over; a window taken without OpenGL never
    // loads the GL library.
    if (!allowOpenGL) SDL_SetHint(SDL_HINT_VIDEO_FOREIGN_WINDOW_OPENGL, "0");
    m_sdlWindow = SDL_CreateWindowFrom(reinterpret_cast<const void*>(window));
    if (!allowOpenGL) SDL_SetHint(SDL_HINT_VIDEO_FOREIGN_WINDOW_OPENGL, "1");
    if (!m_sdlWindow) {
        g_DebugLog.Format("[WARN]CDDrawRender(0x%x): SDL_CreateWindowFrom: %s\n", unsigned(window), SDL_GetError());
        return false;
    }
    // SDL takes a window it did not make for one of fixed size and would pin the window's size
    // hints to each size it is told; the application resizes this window as it likes.
    SDL_SetWindowResizable(m_sdlWindow, SDL_TRUE);
    if (allowOpenGL) {
        m_renderer = SDL_CreateRenderer(m_sdlWindow, -1, 0);
        if (m_renderer && !SDL_getenv("SDL_RENDER_DRIVER") && IsSoftwareOpenGL(m_renderer)) {
            // OpenGL without a graphics processor (llvmpipe and the like, as under Xvfb or in a
            // virtual machine) draws a full-size picture several times slower than SDL's own
            // software renderer, which hands the finished picture to the X server through shared
            // memory. The surface layer takes whichever is faster.
            SDL_DestroyRenderer(m_renderer);
            m_renderer = nullptr;
        } else if (!m_renderer) {
            g_DebugLog.Format("[WARN]CDDrawRender(0x%x): SDL_CreateRenderer: %s\n", unsigned(window), SDL_GetError());
        }
    }
    if (!m_renderer) {
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        m_renderer = SDL_CreateRenderer(m_sdlWindow, -1, SDL_RENDERER_SOFTWARE);
        if (!m_renderer) {
            g_DebugLog.Format("[WARN]CDDrawRender(0x%x): SDL software renderer: %s\n", unsigned(window),
                              SDL_GetError());
        }
    }
    if (!m_renderer) {
        SDL_DestroyWindow(m_sdlWindow);
        m_sdlWindow = nullptr;
        return false;
    }
    return true;
}

void CDDrawRender::Close() {
    m_font.Close();
    if (m_video) SDL_DestroyTexture(m_video);
    if (m_black) SDL_DestroyTexture(m_black);
    m_video = nullptr;
    m_black = nullptr;
    m_videoWidth = m_videoHeight = 0;
    if (m_renderer || m_sdlWindow) {
        std::lock_guard<std::mutex> guard(SdlGlobalLock());
        if (m_renderer) SDL_DestroyRenderer(m_renderer);
        if (m_sdlWindow) SDL_DestroyWindow(m_sdlWindow);
    }
    m_renderer = nullptr;
    m_sdlWindow = nullptr;
    m_window = 0;
}

bool CDDrawRender::CreateVideoSurface(int32_t width, int32_t height, uint32_t format) {
    if (m_video) SDL_DestroyTexture(m_video);
    m_videoWidth = m_videoHeight = 0;
    m_video = SDL_CreateTexture(m_renderer, format ? SDL_PIXELFORMAT_UYVY : SDL_PIXELFORMAT_YV12,
                                SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!m_video) {
        g_DebugLog.Format("[ERROR]CreateSurface() return false\n");
        return false;
    }
    m_videoWidth = width;
    m_videoHeight = height;
    m_videoFormat = format;
    return CreateBlackSurface();
}

bool CDDrawRender::CreateBlackSurface() {
    if (m_black) return true;
    m_black = SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STATIC, 50, 50);
    if (!m_black) return true;  // the bands are then cleared to black instead
    static const uint32_t kBlack[50 * 50] = {};
    SDL_UpdateTexture(m_black, nullptr, kBlack, 50 * 4);
    return true;
}

bool CDDrawRender::SyncWindowSize(int32_t* width, int32_t* height) {
    NativeWindowState state;
    if (!QueryNativeWindow(m_window, &state)) return false;
    // SDL hears nothing of a resize of a window it did not make: tell it before drawing.
    if (state.width != m_sdlWidth || state.height != m_sdlHeight) {
        SDL_SetWindowSize(m_sdlWindow, state.width, state.height);
        m_sdlWidth = state.width;
        m_sdlHeight = state.height;
    }
    *width = state.width;
    *height = state.height;
    return true;
}

bool CDDrawRender::Render(const RenderJob& job, RenderState& state) {
    const TEGMO_YUV_FRAME& frame = *job.frame;
    if (!m_renderer || frame.width <= 0 || frame.height <= 0 || !frame.planeY || !frame.planeV || !frame.planeU) {
        return false;
    }
    int32_t clientWidth = 0;
    int32_t clientHeight = 0;
    // A window that has gone away is not drawn into (SDL would fail on it with an X error).
    if (!SyncWindowSize(&clientWidth, &clientHeight)) return false;

    // A texture of another size than the frame would be read or written out of bounds: it is
    // rebuilt then too, not only when the decoder reports a new size.
    if (state.rebuildSurface || frame.sizeChanged || !m_video || frame.width != m_videoWidth ||
        frame.height != m_videoHeight || frame.format != m_videoFormat) {
        state.rebuildSurface = false;
        if (!CreateVideoSurface(frame.width, frame.height, frame.format)) {
            g_DebugLog.Format("[ALARM]创建离屏表面失败, 可能是本机硬件不支持DirectDraw\n");
            return false;
        }
        std::snprintf(state.sizeText, sizeof state.sizeText, "%d X %d", frame.width, frame.height);
        m_fullSource = {0, 0, frame.width, frame.height};
    }

    // Load the picture. A non-zero format carries packed UYVY rows in planeY.
    const bool loaded = frame.format ? SDL_UpdateTexture(m_video, nullptr, frame.planeY, frame.strideY) == 0
                                     : UploadYuvPlanes(m_video, frame);
    if (!loaded) {
        // The texture may be lost with its device; build it again for the next frame.
        state.rebuildSurface = true;
        return false;
    }

    const bool keepAspect = KeepAspect();
    if (keepAspect != m_layoutKeepAspect) {
        m_layoutKeepAspect = keepAspect;
        m_layout.ClearCache();
    }
    ComputeVideoLayout(m_layout, DrawingRect(clientWidth, clientHeight, job.zoom), {0, 0, clientWidth, clientHeight},
                       m_fullSource.Width(), m_fullSource.Height(), keepAspect);
    VideoBlitting();  // its result does not change the frame's: the picture was taken
    state.windowUpdated = true;

    if (job.drawFun) job.drawFun(m_window, m_renderer, job.drawUser);
    if (job.overlay) {
        char text[200];
        FormatOverlayText(text, state.sizeText, *job.overlay);
        m_font.DrawRightAligned(m_renderer, text, 2, 2, clientWidth - 4, clientHeight - 4, job.overlayColor);
    }
    SDL_RenderPresent(m_renderer);
    return true;
}

bool CDDrawRender::VideoBlitting() {
    if (!m_layout.valid) {
        SDL_SetRenderDrawColor(m_renderer, 0, 0, 0, 255);
        SDL_RenderClear(m_renderer);
        return false;
    }
    auto toSdl = [](const VideoRect& r) { return SDL_Rect{r.left, r.top, r.Width(), r.Height()}; };
    bool ok = true;
    if (!m_layout.dest.IsEmpty() && !m_layout.source.IsEmpty()) {
        const SDL_Rect source = toSdl(m_layout.source);
        const SDL_Rect dest = toSdl(m_layout.dest);
        ok = SDL_RenderCopy(m_renderer, m_video, &source, &dest) == 0;
    } else if (!m_layout.dest.IsEmpty()) {
        // Nothing of the frame falls into the window: show black there.
        const SDL_Rect dest = toSdl(m_layout.dest);
        SDL_SetRenderDrawColor(m_renderer, 0, 0, 0, 255);
        SDL_RenderFillRect(m_renderer, &dest);
    }
    if (m_layoutKeepAspect) {
        const SDL_Rect blackSource = {0, 0, 50, 50};
        for (const VideoRect* band : {&m_layout.band1, &m_layout.band2}) {
            if (band->IsEmpty()) continue;
            const SDL_Rect dest = toSdl(*band);
            if (m_black) {
                ok = SDL_RenderCopy(m_renderer, m_black, &blackSource, &dest) == 0;
            } else {
                SDL_SetRenderDrawColor(m_renderer, 0, 0, 0, 255);
                ok = SDL_RenderFillRect(m_renderer, &dest) == 0;
            }
            if (!ok && m_black) {
                // A lost black surface is made again.
                SDL_DestroyTexture(m_black);
                m_black = nullptr;
                CreateBlackSurface();
            }
        }
    }
    if (!ok) g_DebugLog.Format("[ERROR]VideoBlitting() return false\n");
    return ok;
}
