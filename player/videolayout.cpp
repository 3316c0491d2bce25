#include "player/videolayout.h"

#include <algorithm>

namespace {

int32_t Clamp(int32_t value, int32_t low, int32_t high) { return std::min(std::max(value, low), high); }

// Converts a frame rectangle computed in floating point to integers (truncating toward zero) and
// clamps it into the frame.
VideoRect ToSourceRect(double left, double top, double right, double bottom, int32_t sourceWidth,
                       int32_t sourceHeight) {
    VideoRect source;
    source.left = Clamp(static_cast<int32_t>(left), 0, sourceWidth);
    source.top = Clamp(static_cast<int32_t>(top), 0, sourceHeight);
    source.right = Clamp(static_cast<int32_t>(right), 0, sourceWidth);
    source.bottom = Clamp(static_cast<int32_t>(bottom), 0, sourceHeight);
    return source;
}

// A rectangle with nothing inside becomes all zeros, the form the blits skip.
VideoRect EmptyIfNothingInside(const VideoRect& rect) { return rect.IsEmpty() ? VideoRect{} : rect; }

}  // namespace

bool ComputeVideoLayout(VideoLayout& layout, const VideoRect& draw, const VideoRect& window, int32_t sourceWidth,
                        int32_t sourceHeight, bool keepAspect) {
    if (draw == layout.cachedDraw && sourceWidth == layout.cachedSourceWidth &&
        sourceHeight == layout.cachedSourceHeight) {
        return layout.valid;
    }
    layout.cachedDraw = draw;

    if (window.Width() < 1 || window.Height() < 1 || draw.Width() < 1 || draw.Height() < 1 || sourceWidth < 1 ||
        sourceHeight < 1) {
        return layout.valid;
    }
    layout.window = window;
    layout.cachedSourceWidth = sourceWidth;
    layout.cachedSourceHeight = sourceHeight;
    layout.band1 = VideoRect{};
    layout.band2 = VideoRect{};

    const double sw = sourceWidth;
    const double sh = sourceHeight;

    if (!keepAspect) {
        // The drawing rectangle maps onto the whole frame; the window shows its visible part.
        const double ax = sw / draw.Width();
        const double ay = sh / draw.Height();
        const double left = ax * (window.left - draw.left);
        const double top = ay * (window.top - draw.top);
        layout.dest = window;
        layout.source =
            ToSourceRect(left, top, left + ax * window.Width(), top + ay * window.Height(), sourceWidth, sourceHeight);
        layout.valid = true;
        return true;
    }

    if (static_cast<double>(draw.Width()) / draw.Height() < sw / sh) {
        // Wider frame than drawing rectangle: the video fills its width, bands above and below.
        const int32_t pad =
            static_cast<int32_t>((draw.Height() - int64_t(sourceHeight) * draw.Width() / sourceWidth) / 2);
        const int32_t videoTop = draw.top + pad;
        const int32_t videoBottom = draw.bottom - pad;
        layout.band1 = EmptyIfNothingInside({window.left, window.top, window.right, std::min(window.bottom, videoTop)});
        layout.band2 =
            EmptyIfNothingInside({window.left, std::max(window.top, videoBottom), window.right, window.bottom});
        layout.dest = EmptyIfNothingInside(
            {window.left, std::max(videoTop, window.top), window.right, std::min(videoBottom, window.bottom)});
        const double a = sw / draw.Width();
        const VideoRect& d = layout.dest;
        layout.source = ToSourceRect(a * (d.left - draw.left), a * (d.top - draw.top - pad), a * (d.right - draw.left),
                                     a * (d.bottom - draw.top - pad), sourceWidth, sourceHeight);
    } else {
        // Taller (or equally shaped) frame: the video fills the height, bands left and right.
        const int32_t pad =
            static_cast<int32_t>((draw.Width() - int64_t(sourceWidth) * draw.Height() / sourceHeight) / 2);
        const int32_t videoLeft = draw.left + pad;
        const int32_t videoRight = draw.right - pad;
        layout.band1 =
            EmptyIfNothingInside({window.left, window.top, std::min(window.right, videoLeft), window.bottom});
        layout.band2 =
            EmptyIfNothingInside({std::max(window.left, videoRight), window.top, window.right, window.bottom});
        layout.dest = EmptyIfNothingInside(
            {std::max(videoLeft, window.left), window.top, std::min(videoRight, window.right), window.bottom});
        const double a = sh / draw.Height();
        const VideoRect& d = layout.dest;
        layout.source =
            ToSourceRect(a * (d.left - draw.left - pad), a * (d.top - draw.top), a * (d.right - draw.left - pad),
                         a * (d.bottom - draw.top), sourceWidth, sourceHeight);
    }
    layout.valid = true;
    return true;
}

VideoRect DrawingRect(int32_t clientWidth, int32_t clientHeight, const ZoomExtensions& zoom) {
    return {-zoom.left, -zoom.top, clientWidth + zoom.right, clientHeight + zoom.bottom};
}

int32_t ApplyVideoCtrl(ZoomExtensions& zoom, uint32_t command, int32_t clientWidth, float zoomStep, int32_t fromX,
                       int32_t fromY, int32_t toX, int32_t toY) {
    switch (command) {
        case 0: {  // zoom in
            const int32_t step = static_cast<int32_t>((clientWidth / 2) * zoomStep);
            zoom.left += step;
            zoom.top += step;
            zoom.right += step;
            zoom.bottom += step;
            return 1;
        }
        case 1: {  // zoom out
            const int32_t step = static_cast<int32_t>((clientWidth / 2) * zoomStep);
            zoom.left -= step;
            zoom.top -= step;
            zoom.right -= step;
            zoom.bottom -= step;
            auto settle = [](int32_t& first, int32_t& second) {
                if (first < 0) {
                    const int32_t sum = first + second;
                    first = 0;
                    second = std::max(0, sum);
                } else if (second < 0) {
                    const int32_t sum = first + second;
                    second = 0;
                    first = std::max(0, sum);
                }
            };
            settle(zoom.left, zoom.right);
            settle(zoom.top, zoom.bottom);
            return 1;
        }
        case 2:  // reset
            zoom = ZoomExtensions{};
            return 1;
        case 3: {  // pan
            if (zoom.IsZero() || (fromX == toX && fromY == toY)) return 0;
            int32_t dx = toX - fromX;
            int32_t dy = toY - fromY;
            // The picture does not move past its edge on a side that has nothing left to show.
            if ((zoom.left == 0 && dx > 0) || (zoom.right == 0 && dx < 0)) dx = 0;
            if ((zoom.top == 0 && dy > 0) || (zoom.bottom == 0 && dy < 0)) dy = 0;
            zoom.left -= dx;
            zoom.right += dx;
            zoom.top -= dy;
            zoom.bottom += dy;
            auto settle = [](int32_t& first, int32_t& second) {
                if (first < 0) {
                    second = first + second;
                    first = 0;
                }
                if (second < 0) {
                    first += second;
                    second = 0;
                }
            };
            settle(zoom.left, zoom.right);
            settle(zoom.top, zoom.bottom);
            return 1;
        }
        default:
            return 0;
    }
}
