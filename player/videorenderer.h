// The render back-end interface of a video play object. A play object has at most one back-end:
// CDDrawRender (render mode 0) or CSDLRender (render mode 1). Open, Close and Render run on the play
// object's display thread only; SetKeepAspect may be called from any thread.
#pragma once

#include <atomic>
#include <cstdint>

#include "decoder/TEGMO_Decoder.h"
#include "player/TEGMO_Player.h"
#include "player/videolayout.h"

// The statistics of the display thread that the overlay shows.
struct OverlayStats {
    uint32_t currentRate = 0;
    uint32_t totalRate = 0;
    uint32_t framesShown = 0;
    uint32_t dropped = 0;
    int32_t failCount = 0;
    char runTime[32] = {};  // "hh:mm:ss" since the library-wide start
};

// The overlay's text for the frame size text and statistics (at most 199 characters).
void FormatOverlayText(char (&text)[200], const char* sizeText, const OverlayStats& stats);

// One frame to draw, with what the play object wants drawn around it.
struct RenderJob {
    const TEGMO_YUV_FRAME* frame = nullptr;
    ZoomExtensions zoom;                   // drawing rectangle beyond the window (render mode 0)
    TEGMO_PLAY_DrawFun drawFun = nullptr;  // draw callback (render mode 0)
    void* drawUser = nullptr;
    const OverlayStats* overlay = nullptr;  // statistics to show, or null when the overlay is off
    uint32_t overlayColor = 0x00FFFFFF;     // 0x00BBGGRR
};

// The play object's fields that a back-end reads and writes while drawing (display thread only).
struct RenderState {
    bool rebuildSurface = true;  // set after binding to a window; the back-end clears it
    char sizeText[32] = {};      // "%d X %d" of the frame size, for the overlay
    bool windowUpdated = false;  // out: the window was drawn into (the last render time moves)
};

class VideoRenderer {
public:
    virtual ~VideoRenderer() = default;

    // Makes the SDL objects for the window; false (logged) when it cannot be drawn into.
    virtual bool Open(uintptr_t window) = 0;
    // Destroys every SDL object; safe to call when Open failed or was never called.
    virtual void Close() = 0;
    // Draws one frame and shows it; false when nothing was shown.
    virtual bool Render(const RenderJob& job, RenderState& state) = 0;

    void SetKeepAspect(bool keepAspect) { m_keepAspect.store(keepAspect); }
    bool KeepAspect() const { return m_keepAspect.load(); }

protected:
    std::atomic<bool> m_keepAspect{true};
};
