// Render mode 0: the surface layer. A renderer on the application's window stands for the primary
// surface, a streaming texture of the frame's size for the video surface ("YV12", or "UYVY" for a
// record whose format is non-zero) and a 50 x 50 black texture for the black surface; a blit is a
// copy of a source rectangle to a destination rectangle. The picture is laid out by
// ComputeVideoLayout: the drawing rectangle is the window widened by the zoom extensions, and in
// keep-aspect mode the free parts of the window get black bands. The draw callback and the
// statistics text are drawn over the video before it is shown.
#pragma once

#include <SDL.h>

#include "player/sdlvideo.h"
#include "player/videolayout.h"
#include "player/videorenderer.h"

class CDDrawRender final : public VideoRenderer {
public:
    CDDrawRender() = default;
    ~CDDrawRender() override;

    bool Open(uintptr_t window) override;
    void Close() override;
    bool Render(const RenderJob& job, RenderState& state) override;

    // The layout of the last frame (for tests and diagnostics; display thread).
    const VideoLayout& Layout() const { return m_layout; }

private:
    // Takes the window over and makes the primary surface: with OpenGL allowed, SDL's choice of
    // renderer (software instead when the OpenGL one is emulated), else only the software one.
    bool OpenSurfaces(uintptr_t window, bool allowOpenGL);
    bool CreateVideoSurface(int32_t width, int32_t height, uint32_t format);
    bool CreateBlackSurface();
    bool VideoBlitting();
    bool SyncWindowSize(int32_t* width, int32_t* height);

    uintptr_t m_window = 0;
    SDL_Window* m_sdlWindow = nullptr;
    SDL_Renderer* m_renderer = nullptr;  // the primary surface
    SDL_Texture* m_video = nullptr;      // the video surface
    SDL_Texture* m_black = nullptr;      // the black surface
    int32_t m_videoWidth = 0;
    int32_t m_videoHeight = 0;
    uint32_t m_videoFormat = 0;
    int32_t m_sdlWidth = 0;  // the window size SDL was last told
    int32_t m_sdlHeight = 0;

    VideoRect m_fullSource;  // (0, 0, width, height) of the video surface
    VideoLayout m_layout;
    bool m_layoutKeepAspect = true;  // the keep-aspect flag the layout was computed with

    OverlayFont m_font;
};
