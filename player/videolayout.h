// Geometry of the surface-layer back-end (render mode 0), kept free of any window system so that it
// can be checked on its own: where the video goes in the window, which part of the frame is shown,
// the black bands of keep-aspect mode, and the zoom and pan of the picture.
//
// Coordinates are window-relative pixels. Rectangles are half-open: (left, top) inside,
// (right, bottom) outside.
#pragma once

#include <cstdint>

struct VideoRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const VideoRect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
    bool operator!=(const VideoRect& other) const { return !(*this == other); }
};

// How far the drawing rectangle reaches beyond the window on each side (all 0: no zoom). Zooming in
// grows all four, panning moves pixels from one side to the other.
struct ZoomExtensions {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool IsZero() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
};

// The computed layout and the cache it was computed for.
struct VideoLayout {
    // Cache: the drawing rectangle and source size of the last computation. A cleared cache (all
    // zeros) never matches, so the next frame recomputes.
    VideoRect cachedDraw;
    int32_t cachedSourceWidth = 0;
    int32_t cachedSourceHeight = 0;

    // Result: the part of the frame to show, the window, the video's destination and the two black
    // bands (empty rectangles when there are none).
    VideoRect source;
    VideoRect window;
    VideoRect dest;
    VideoRect band1;     // top or left band
    VideoRect band2;     // bottom or right band
    bool valid = false;  // a layout has been computed at least once

    void ClearCache() {
        cachedDraw = VideoRect{};
        cachedSourceWidth = 0;
        cachedSourceHeight = 0;
    }
};

// Recomputes `layout` for a frame of sourceWidth x sourceHeight drawn into `draw` (the window
// rectangle widened by the zoom extensions) inside `window`. Leaves the previous layout in place when
// the drawing rectangle and source size are those of the cache, or when the window or the drawing
// rectangle is less than one pixel wide or high. Returns layout.valid.
bool ComputeVideoLayout(VideoLayout& layout, const VideoRect& draw, const VideoRect& window, int32_t sourceWidth,
                        int32_t sourceHeight, bool keepAspect);

// The drawing rectangle of a window of the given client size with the zoom extensions applied.
VideoRect DrawingRect(int32_t clientWidth, int32_t clientHeight, const ZoomExtensions& zoom);

// Zoom and pan commands (TEGMO_PLAY_VideoCtrl): 0 zoom in, 1 zoom out, 2 reset, 3 pan from `from`
// to `to` (x, y pairs). The zoom step is (clientWidth / 2) x zoomStep pixels on every side.
// Returns 1 when the command was carried out, 0 for a pan without zoom or between equal points and
// for unknown commands.
int32_t ApplyVideoCtrl(ZoomExtensions& zoom, uint32_t command, int32_t clientWidth, float zoomStep, int32_t fromX,
                       int32_t fromY, int32_t toX, int32_t toY);
