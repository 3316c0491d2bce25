#include <gtest/gtest.h>

#include "player/videolayout.h"

namespace {

VideoRect Window(int32_t width, int32_t height) { return {0, 0, width, height}; }

TEST(VideoLayout, KeepAspectCentresA640x480FrameIn1000x500WithBandsOf167) {
    VideoLayout layout;
    ASSERT_TRUE(ComputeVideoLayout(layout, Window(1000, 500), Window(1000, 500), 640, 480, true));

    EXPECT_EQ(layout.dest, (VideoRect{167, 0, 833, 500}));
    EXPECT_EQ(layout.dest.Width(), 666);
    EXPECT_EQ(layout.band1, (VideoRect{0, 0, 167, 500}));
    EXPECT_EQ(layout.band2, (VideoRect{833, 0, 1000, 500}));
    // scale 480 / 500 = 0.96: right = 0.96 x 666 = 639.36, truncated
    EXPECT_EQ(layout.source, (VideoRect{0, 0, 639, 480}));
}

TEST(VideoLayout, KeepAspectPutsBandsAboveAndBelowAWideFrame) {
    VideoLayout layout;
    ASSERT_TRUE(ComputeVideoLayout(layout, Window(1000, 1000), Window(1000, 1000), 1920, 1080, true));
    // pad = (1000 - 1080 x 1000 / 1920) / 2 = (1000 - 562) / 2 = 219
    EXPECT_EQ(layout.band1, (VideoRect{0, 0, 1000, 219}));
    EXPECT_EQ(layout.band2, (VideoRect{0, 781, 1000, 1000}));
    EXPECT_EQ(layout.dest, (VideoRect{0, 219, 1000, 781}));
    EXPECT_EQ(layout.source.left, 0);
    EXPECT_EQ(layout.source.top, 0);
    EXPECT_EQ(layout.source.right, 1920);
    EXPECT_EQ(layout.source.bottom, 1079);  // 1.92 x 562 = 1079.04, truncated
}

TEST(VideoLayout, WithoutKeepAspectTheWholeWindowShowsTheWholeFrame) {
    VideoLayout layout;
    ASSERT_TRUE(ComputeVideoLayout(layout, Window(1000, 500), Window(1000, 500), 640, 480, false));
    EXPECT_EQ(layout.dest, Window(1000, 500));
    EXPECT_EQ(layout.source, (VideoRect{0, 0, 640, 480}));
    EXPECT_TRUE(layout.band1.IsEmpty());
    EXPECT_TRUE(layout.band2.IsEmpty());
}

TEST(VideoLayout, ZoomedDrawingRectangleShowsTheMiddleOfTheFrame) {
    VideoLayout layout;
    ZoomExtensions zoom{100, 50, 100, 50};  // drawing rectangle 800 x 400 around a 600 x 300 window
    const VideoRect draw = DrawingRect(600, 300, zoom);
    EXPECT_EQ(draw, (VideoRect{-100, -50, 700, 350}));
    ASSERT_TRUE(ComputeVideoLayout(layout, draw, Window(600, 300), 800, 400, false));
    EXPECT_EQ(layout.dest, Window(600, 300));
    EXPECT_EQ(layout.source, (VideoRect{100, 50, 700, 350}));

    // Keep-aspect with a zoomed drawing rectangle: the bands of the rectangle fall outside the
    // window, so there are none, and the source is clamped into the frame.
    VideoLayout aspect;
    ASSERT_TRUE(
        ComputeVideoLayout(aspect, DrawingRect(400, 300, {200, 200, 200, 200}), Window(400, 300), 640, 480, true));
    EXPECT_TRUE(aspect.band1.IsEmpty());
    EXPECT_TRUE(aspect.band2.IsEmpty());
    EXPECT_EQ(aspect.dest, Window(400, 300));
    EXPECT_GE(aspect.source.left, 0);
    EXPECT_LE(aspect.source.right, 640);
    EXPECT_LT(aspect.source.Width(), 640);
}

TEST(VideoLayout, ZeroHeightWindowKeepsThePreviousLayout) {
    VideoLayout layout;
    ASSERT_TRUE(ComputeVideoLayout(layout, Window(1000, 500), Window(1000, 500), 640, 480, true));
    const VideoLayout before = layout;

    EXPECT_TRUE(ComputeVideoLayout(layout, Window(1000, 0), Window(1000, 0), 640, 480, true));
    EXPECT_EQ(layout.dest, before.dest);
    EXPECT_EQ(layout.band1, before.band1);
    EXPECT_EQ(layout.window, before.window);

    // Nothing computed yet and no usable window: no layout at all.
    VideoLayout empty;
    EXPECT_FALSE(ComputeVideoLayout(empty, Window(0, 0), Window(0, 0), 640, 480, true));
}

TEST(VideoLayout, CachedLayoutIsKeptUntilRectangleSourceOrClearedCacheChange) {
    VideoLayout layout;
    ASSERT_TRUE(ComputeVideoLayout(layout, Window(1000, 500), Window(1000, 500), 640, 480, true));
    // Same drawing rectangle and source: nothing is recomputed, not even for another flag.
    ComputeVideoLayout(layout, Window(1000, 500), Window(1000, 500), 640, 480, false);
    EXPECT_FALSE(layout.band1.IsEmpty());
    // A cleared cache makes the flag count.
    layout.ClearCache();
    ComputeVideoLayout(layout, Window(1000, 500), Window(1000, 500), 640, 480, false);
    EXPECT_TRUE(layout.band1.IsEmpty());
    // A new source size recomputes too.
    ComputeVideoLayout(layout, Window(1000, 500), Window(1000, 500), 500, 500, true);
    EXPECT_EQ(layout.dest, (VideoRect{250, 0, 750, 500}));
}

TEST(VideoCtrl, ZoomInGrowsEveryExtensionByTheStep) {
    ZoomExtensions zoom;
    // step = (1000 / 2) x 0.1 = 50
    EXPECT_EQ(ApplyVideoCtrl(zoom, 0, 1000, 0.1f, 0, 0, 0, 0), 1);
    EXPECT_EQ(zoom.left, 50);
    EXPECT_EQ(zoom.top, 50);
    EXPECT_EQ(zoom.right, 50);
    EXPECT_EQ(zoom.bottom, 50);
    // Truncation toward zero: (999 / 2) x 0.1 = 49.9 -> 49.
    EXPECT_EQ(ApplyVideoCtrl(zoom, 0, 999, 0.1f, 0, 0, 0, 0), 1);
    EXPECT_EQ(zoom.left, 99);
    EXPECT_EQ(ApplyVideoCtrl(zoom, 2, 1000, 0.1f, 0, 0, 0, 0), 1);
    EXPECT_TRUE(zoom.IsZero());
}

TEST(VideoCtrl, ZoomOutFromNoZoomLeavesEveryExtensionAtZero) {
    ZoomExtensions zoom;
    EXPECT_EQ(ApplyVideoCtrl(zoom, 1, 1000, 0.1f, 0, 0, 0, 0), 1);
    EXPECT_TRUE(zoom.IsZero());
}

TEST(VideoCtrl, ZoomOutMovesADeficitToTheOppositeSide) {
    ZoomExtensions zoom{20, 100, 180, 100};
    EXPECT_EQ(ApplyVideoCtrl(zoom, 1, 1000, 0.1f, 0, 0, 0, 0), 1);  // step 50
    // left 20 - 50 = -30 -> 0, right 130 + (-30) = 100
    EXPECT_EQ(zoom.left, 0);
    EXPECT_EQ(zoom.right, 100);
    EXPECT_EQ(zoom.top, 50);
    EXPECT_EQ(zoom.bottom, 50);
}

TEST(VideoCtrl, PanWithoutZoomOrBetweenEqualPointsDoesNothing) {
    ZoomExtensions zoom;
    EXPECT_EQ(ApplyVideoCtrl(zoom, 3, 1000, 0.1f, 10, 10, 50, 60), 0);
    EXPECT_TRUE(zoom.IsZero());
    zoom = {50, 50, 50, 50};
    EXPECT_EQ(ApplyVideoCtrl(zoom, 3, 1000, 0.1f, 10, 10, 10, 10), 0);
    EXPECT_EQ(zoom.left, 50);
}

TEST(VideoCtrl, PanMovesThePictureWithinItsExtensions) {
    ZoomExtensions zoom{50, 50, 50, 50};
    // Dragging right by 30 and up by 20 shows more of the left and the bottom.
    EXPECT_EQ(ApplyVideoCtrl(zoom, 3, 1000, 0.1f, 100, 100, 130, 80), 1);
    EXPECT_EQ(zoom.left, 20);
    EXPECT_EQ(zoom.right, 80);
    EXPECT_EQ(zoom.top, 70);
    EXPECT_EQ(zoom.bottom, 30);
    // Dragging further than the edge stops at it; the total stays.
    EXPECT_EQ(ApplyVideoCtrl(zoom, 3, 1000, 0.1f, 0, 0, 500, 0), 1);
    EXPECT_EQ(zoom.left, 0);
    EXPECT_EQ(zoom.right, 100);
    // At the edge a drag toward it does nothing on that axis.
    EXPECT_EQ(ApplyVideoCtrl(zoom, 3, 1000, 0.1f, 0, 0, 40, 0), 1);
    EXPECT_EQ(zoom.left, 0);
    EXPECT_EQ(zoom.right, 100);
}

TEST(VideoCtrl, UnknownCommandsAreRefused) {
    ZoomExtensions zoom{5, 5, 5, 5};
    EXPECT_EQ(ApplyVideoCtrl(zoom, 4, 1000, 0.1f, 0, 0, 0, 0), 0);
    EXPECT_EQ(zoom.left, 5);
}

}  // namespace
