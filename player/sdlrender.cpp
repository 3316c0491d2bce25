#include "player/sdlrender.h"

#include <cstdio>

#include "media/support/debuglog.h"
#include "player/nativewindow.h"

CSDLRender::~CSDLRender() { Close(); }

bool CSDLRender::Open(uintptr_t window) {
    Close();
    NativeWindowState state;
    if (!QueryNativeWindow(window, &state)) {
        g_DebugLog.Format("[ERROR]window hwnd(0x%x) is invalid\n", unsigned(window));
        return false;
    }
    if (!StartSdlVideo()) return false;
    SDL_LogSetAllPriority(SDL_LOG_PRIORITY_VERBOSE);
    {
        std::lock_guard<std::mutex> guard(SdlGlobalLock());
        m_window = SDL_CreateWindowFrom(reinterpret_cast<const void*>(window));
        if (!m_window) {
            g_DebugLog.Format("[ERROR]SDL_CreateWindowFrom(0x%x) return %s\n", unsigned(window), SDL_GetError());
            return false;
        }
        SDL_SetWindowResizable(m_window, SDL_TRUE);  // see CDDrawRender::Open
        m_renderer = SDL_CreateRenderer(m_window, 0, SDL_RENDERER_ACCELERATED);
        if (!m_renderer) {
            g_DebugLog.Format("[ERROR]SDL_CreateRenderer() return %s\n", SDL_GetError());
            SDL_DestroyWindow(m_window);
            m_window = nullptr;
            return false;
        }
    }
    SDL_SetRenderDrawColor(m_renderer, 0, 0, 0, 255);
    SDL_RenderClear(m_renderer);
    m_hWnd = window;
    GuardDrawnWindow(window);
    SDL_GetWindowSize(m_window, &m_clientWidth, &m_clientHeight);
    m_font.Open(m_renderer);  // without a font the statistics text is left out
    return true;
}

void CSDLRender::Close() {
    m_font.Close();
    if (m_texture) SDL_DestroyTexture(m_texture);
    m_texture = nullptr;
    m_textureWidth = m_textureHeight = 0;
    if (m_renderer || m_window) {
        std::lock_guard<std::mutex> guard(SdlGlobalLock());
        if (m_renderer) SDL_DestroyRenderer(m_renderer);
        if (m_window) SDL_DestroyWindow(m_window);
    }
    m_renderer = nullptr;
    m_window = nullptr;
    m_hWnd = 0;
}

bool CSDLRender::Render(const RenderJob& job, RenderState& state) {
    const TEGMO_YUV_FRAME& frame = *job.frame;
    if (!m_renderer || frame.width <= 0 || frame.height <= 0 || !frame.planeY || !frame.planeV || !frame.planeU) {
        return false;
    }
    NativeWindowState window;
    // A window that has gone away is not drawn into (SDL would fail on it with an X error).
    if (!QueryNativeWindow(m_hWnd, &window)) return false;
    if (window.width != m_clientWidth || window.height != m_clientHeight) {
        m_clientWidth = window.width;
        m_clientHeight = window.height;
        SDL_SetWindowSize(m_window, m_clientWidth, m_clientHeight);
    }
    if (window.viewable) SDL_ShowWindow(m_window);

    // Also rebuilt when the frame's size is not the texture's: the update reads the texture's size.
    if (m_texture && (frame.sizeChanged || frame.width != m_textureWidth || frame.height != m_textureHeight)) {
        SDL_DestroyTexture(m_texture);
        m_texture = nullptr;
    }
    if (!m_texture) {
        m_texture =
            SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_YV12, SDL_TEXTUREACCESS_STREAMING, frame.width, frame.height);
        if (!m_texture) {
            g_DebugLog.Format("[ERROR]SDL_CreateTexture() return %s\n", SDL_GetError());
            return false;
        }
        m_textureWidth = frame.width;
        m_textureHeight = frame.height;
    }

    SDL_Rect dest = {0, 0, m_clientWidth, m_clientHeight};
    const bool keepAspect = KeepAspect();
    if (keepAspect) {
        const int64_t cw = m_clientWidth;
        const int64_t ch = m_clientHeight;
        if (ch * frame.width < int64_t(frame.height) * cw) {
            dest.h = int(ch);
            dest.w = int(ch * frame.width / frame.height);
            dest.x = int((cw - dest.w) / 2);
            dest.y = 0;
        } else {
            dest.w = int(cw);
            dest.h = int(int64_t(frame.height) * cw / frame.width);
            dest.x = 0;
            dest.y = int((ch - dest.h) / 2);
        }
    }

    // The texture takes all three planes from planeY when they form one YV12 buffer; other records
    // are loaded plane by plane (the same picture, without reading past a plane).
    const bool updated = IsContiguousYV12(frame)
                             ? SDL_UpdateTexture(m_texture, nullptr, frame.planeY, frame.strideY) == 0
                             : UploadYuvPlanes(m_texture, frame);
    if (!updated) {
        g_DebugLog.Format("[ERROR]SDL_UpdateTexture() return %s\n", SDL_GetError());
        return false;
    }
    if (SDL_RenderClear(m_renderer) != 0) {
        g_DebugLog.Format("[ERROR]SDL_RenderClear() return %s\n", SDL_GetError());
        return false;
    }
    if (SDL_RenderCopy(m_renderer, m_texture, nullptr, keepAspect ? &dest : nullptr) != 0) {
        g_DebugLog.Format("[ERROR]SDL_RenderCopy() return %s\n", SDL_GetError());
        return false;
    }
    if (state.sizeText[0] == '\0' || frame.sizeChanged) {
        std::snprintf(state.sizeText, sizeof state.sizeText, "%d X %d", frame.width, frame.height);
    }
    if (job.overlay) {
        char text[200];
        FormatOverlayText(text, state.sizeText, *job.overlay);
        m_font.DrawRightAligned(m_renderer, text, 2, 2, m_clientWidth - 4, m_clientHeight - 4, job.overlayColor);
    }
    SDL_RenderPresent(m_renderer);
    state.windowUpdated = true;
    return true;
}
