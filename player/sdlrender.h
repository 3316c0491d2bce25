// Render mode 1: an SDL renderer on the application's window with one YV12 streaming texture,
// letterboxed in keep-aspect mode. It ignores the zoom extensions and the draw callback; the
// statistics text is drawn over the video before it is shown.
#pragma once

#include <SDL.h>

#include "player/sdlvideo.h"
#include "player/videorenderer.h"

class CSDLRender final : public VideoRenderer {
public:
    CSDLRender() = default;
    ~CSDLRender() override;

    bool Open(uintptr_t window) override;
    void Close() override;
    bool Render(const RenderJob& job, RenderState& state) override;

private:
    uintptr_t m_hWnd = 0;
    SDL_Window* m_window = nullptr;
    SDL_Renderer* m_renderer = nullptr;
    SDL_Texture* m_texture = nullptr;
    int32_t m_textureWidth = 0;
    int32_t m_textureHeight = 0;
    int32_t m_clientWidth = 0;  // the cached client size
    int32_t m_clientHeight = 0;
    OverlayFont m_font;
};
