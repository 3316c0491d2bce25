// What both render back-ends share on top of SDL2: making an SDL window and renderer for the
// application's native window, loading a picture into a YV12 texture, and the statistics text.
//
// Threads: SDL renderers belong to the thread that made them. Each play object makes, uses and
// destroys its SDL objects on its own display thread; the calls that change SDL's global window list
// (window and renderer creation and destruction) are serialised by SdlGlobalLock().
#pragma once

#include <SDL.h>

#include <cstdint>
#include <mutex>

#include "decoder/TEGMO_Decoder.h"

// Held around SDL calls that touch state shared by all SDL windows of the process.
std::mutex& SdlGlobalLock();

// Starts SDL's video subsystem (X11: the window handles are X11 window ids) with the settings the
// back-ends rely on (BT.601 YUV conversion, OpenGL for foreign windows), unless it runs already.
// A busy X server sometimes refuses a connection for a moment, so a failed start is tried again a
// few times. False (logged) when there is no X server to be had. Takes SdlGlobalLock itself.
bool StartSdlVideo();

// Frees what SDL keeps per thread (error text, current OpenGL context) for the calling thread; SDL
// frees it by itself only for threads it made. Called by a display thread as it ends.
void ReleaseSdlThreadState();

// Loads the picture's three planes into a YV12 streaming texture of the picture's size, reading
// exactly width x height luma and (width / 2) x (height / 2) chroma samples. false on failure (the
// SDL error is set).
bool UploadYuvPlanes(SDL_Texture* texture, const TEGMO_YUV_FRAME& frame);

// True when the record's planes lie one after the other in the order Y, V, U with the strides SDL
// expects of one YV12 buffer (what SDL_UpdateTexture reads from planeY).
bool IsContiguousYV12(const TEGMO_YUV_FRAME& frame);

// The statistics text drawn over the video: "Arial" found through fontconfig, 20 pixels high,
// white glyphs tinted with the configured colour, each line right-aligned. Glyphs are rendered once
// into a texture when the renderer is set up, so drawing a text allocates nothing.
class OverlayFont {
public:
    OverlayFont() = default;
    ~OverlayFont();
    OverlayFont(const OverlayFont&) = delete;
    OverlayFont& operator=(const OverlayFont&) = delete;

    // Prepares the glyphs for the renderer; false when no font could be loaded (the overlay is then
    // not drawn). Display thread.
    bool Open(SDL_Renderer* renderer);
    void Close();
    bool IsOpen() const { return m_atlas != nullptr; }

    // Draws `text` (lines separated by '\n') right-aligned inside the rectangle (left, top, right,
    // bottom) in the colour 0x00BBGGRR; characters outside printable ASCII are drawn as '?'.
    void DrawRightAligned(SDL_Renderer* renderer, const char* text, int left, int top, int right, int bottom,
                          uint32_t colorBgr) const;

private:
    static constexpr int kFirstChar = 32;
    static constexpr int kLastChar = 126;

    int LineWidth(const char* line, const char* end) const;

    SDL_Texture* m_atlas = nullptr;
    SDL_Rect m_glyphs[kLastChar - kFirstChar + 1] = {};
    int m_lineHeight = 0;
    bool m_ttfStarted = false;
};
