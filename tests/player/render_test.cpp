// The render back-ends drawing into a real X window (a private Xvfb when no display is set), read
// back pixel by pixel.
#include <gtest/gtest.h>

#include <SDL.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "player/TEGMO_Player.h"
#include "playertestsupport.h"
#include "xtestwindow.h"

namespace {

int Red(uint32_t pixel) { return int(pixel >> 16) & 0xFF; }
int Green(uint32_t pixel) { return int(pixel >> 8) & 0xFF; }
int Blue(uint32_t pixel) { return int(pixel) & 0xFF; }

bool Near(uint32_t pixel, int r, int g, int b, int tolerance = 24) {
    return std::abs(Red(pixel) - r) <= tolerance && std::abs(Green(pixel) - g) <= tolerance &&
           std::abs(Blue(pixel) - b) <= tolerance;
}

std::string Describe(uint32_t pixel) {
    char text[32];
    std::snprintf(text, sizeof text, "#%06X", pixel);
    return text;
}

// A picture of four quadrants: red, green / blue, white (BT.601 limited-range samples).
TestPicture Quadrants(int width, int height) {
    TestPicture picture(width, height);
    picture.FillRect(0, 0, width / 2, height / 2, 81, 90, 240);             // red
    picture.FillRect(width / 2, 0, width, height / 2, 145, 54, 34);         // green
    picture.FillRect(0, height / 2, width / 2, height, 41, 240, 110);       // blue
    picture.FillRect(width / 2, height / 2, width, height, 235, 128, 128);  // white
    return picture;
}

class RenderTest : public ::testing::TestWithParam<uint32_t> {
protected:
    void SetUp() override {
        std::string why;
        if (!EnsureXServer(&why)) GTEST_SKIP() << "render test skipped, no X server: " << why;
        ASSERT_EQ(TEGMO_PLAY_Init(), 1);
        m_initialised = true;
        ASSERT_EQ(TEGMO_PLAY_RigisterReleaseYUVFun(&ReleaseRecorder::Release, &m_released), 1);
        TEGMO_PLAY_DEBUG_CONF conf;
        ASSERT_EQ(TEGMO_PLAY_GetDebugConf(0, &conf), 1);
        conf.ptsPacing = 0;  // show every frame as it comes
        ASSERT_EQ(TEGMO_PLAY_SetDebugConf(0, &conf), 1);
    }

    void TearDown() override {
        if (m_initialised) {
            EXPECT_EQ(TEGMO_PLAY_Cleanup(), 1);
        }
    }

    // Queues the record and waits until the display thread has taken it off the queue (drawn it).
    bool Show(TEGMO_PLAY_HANDLE play, const TEGMO_YUV_FRAME& record) {
        if (TEGMO_PLAY_VideoPlay(play, &record) != 1) return false;
        return WaitFor([&] { return TEGMO_PLAY_GetVideoFrameCount(play) == 0; });
    }

    // Waits until the window shows `predicate` at (x, y) (the server may lag behind a present).
    template <class Predicate>
    bool WaitForPixel(TestWindow& window, int x, int y, Predicate predicate) {
        return WaitFor([&] { return predicate(window.Pixel(x, y)); }, std::chrono::milliseconds(3000));
    }

    ReleaseRecorder m_released;
    bool m_initialised = false;
};

TEST_P(RenderTest, DrawsTheFourQuadrantsOfATestPicture) {
    TestWindow window(320, 240);
    ASSERT_TRUE(window.Valid());
    const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateVideoPlay(window.Id(), GetParam());
    ASSERT_NE(play, 0u);
    TestPicture picture = Quadrants(320, 240);
    ASSERT_TRUE(Show(play, picture.Record(0, 1, true)));

    EXPECT_TRUE(WaitForPixel(window, 80, 60, [](uint32_t p) { return Near(p, 255, 0, 0); }))
        << Describe(window.Pixel(80, 60));
    EXPECT_TRUE(Near(window.Pixel(240, 60), 0, 255, 0)) << Describe(window.Pixel(240, 60));
    EXPECT_TRUE(Near(window.Pixel(80, 180), 0, 0, 255)) << Describe(window.Pixel(80, 180));
    EXPECT_TRUE(Near(window.Pixel(240, 180), 255, 255, 255)) << Describe(window.Pixel(240, 180));
    EXPECT_EQ(TEGMO_PLAY_IsHaveVideo(play), 1);
    EXPECT_EQ(TEGMO_PLAY_DeleteVideoPlay(play), 1);
}

TEST_P(RenderTest, KeepAspectLetterboxesWithBlackBands) {
    TestWindow window(1000, 500);
    ASSERT_TRUE(window.Valid());
    const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateVideoPlay(window.Id(), GetParam());
    ASSERT_NE(play, 0u);
    TestPicture picture(640, 480);
    picture.FillRect(0, 0, 640, 480, 235, 128, 128);  // white
    ASSERT_TRUE(Show(play, picture.Record(0, 1, true)));

    // 640 x 480 in 1000 x 500: the picture is 666 wide, between bands of 167.
    ASSERT_TRUE(WaitForPixel(window, 500, 250, [](uint32_t p) { return Near(p, 255, 255, 255); }))
        << Describe(window.Pixel(500, 250));
    ASSERT_TRUE(window.Capture());
    for (int x : {0, 80, 165, 835, 920, 999}) {
        for (int y : {0, 250, 499}) EXPECT_EQ(window.PixelAt(x, y), 0u) << "band at " << x << "," << y;
    }
    for (int x : {169, 500, 830}) {
        EXPECT_TRUE(Near(window.PixelAt(x, 10), 255, 255, 255)) << x << ": " << Describe(window.PixelAt(x, 10));
    }

    // Without keep-aspect the picture fills the window.
    TEGMO_PLAY_DEBUG_CONF conf;
    ASSERT_EQ(TEGMO_PLAY_GetDebugConf(play, &conf), 1);
    conf.keepAspect = 0;
    ASSERT_EQ(TEGMO_PLAY_SetDebugConf(play, &conf), 1);
    ASSERT_TRUE(Show(play, picture.Record(0, 2)));
    EXPECT_TRUE(WaitForPixel(window, 20, 250, [](uint32_t p) { return Near(p, 255, 255, 255); }))
        << Describe(window.Pixel(20, 250));
}

// Counts the pixels of the window's top-right corner, where the statistics text goes, that are
// close to the colour.
int CountTextPixels(TestWindow& window, int r, int g, int b) {
    if (!window.Capture()) return -1;
    int count = 0;
    for (int y = 2; y < 170; ++y) {
        for (int x = window.Width() - 260; x < window.Width() - 4; ++x) {
            if (Near(window.PixelAt(x, y), r, g, b, 60)) ++count;
        }
    }
    return count;
}

TEST_P(RenderTest, StatisticsTextIsDrawnOnlyWhenSwitchedOn) {
    TestWindow window(640, 360);
    ASSERT_TRUE(window.Valid());
    const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateVideoPlay(window.Id(), GetParam());
    ASSERT_NE(play, 0u);
    TestPicture picture(640, 360);  // black
    ASSERT_TRUE(Show(play, picture.Record(0, 1, true)));
    ASSERT_TRUE(WaitForPixel(window, 320, 180, [](uint32_t p) { return p == 0; }));
    EXPECT_EQ(CountTextPixels(window, 255, 0, 0), 0);

    TEGMO_PLAY_DEBUG_CONF conf;
    ASSERT_EQ(TEGMO_PLAY_GetDebugConf(play, &conf), 1);
    conf.statOverlay = 1;
    conf.textColor = 0x000000FF;  // red, as 0x00BBGGRR
    ASSERT_EQ(TEGMO_PLAY_SetDebugConf(play, &conf), 1);
    ASSERT_TRUE(Show(play, picture.Record(0, 2)));
    EXPECT_TRUE(WaitFor([&] { return CountTextPixels(window, 255, 0, 0) > 200; }, std::chrono::milliseconds(3000)))
        << "red text pixels: " << CountTextPixels(window, 255, 0, 0);
    // Nothing of it on the left side of the window.
    ASSERT_TRUE(window.Capture());
    for (int x = 0; x < 200; x += 7) {
        for (int y = 0; y < 170; y += 5) ASSERT_EQ(window.PixelAt(x, y), 0u) << x << "," << y;
    }
}

TEST_P(RenderTest, FollowsAResizedWindow) {
    TestWindow window(320, 240);
    ASSERT_TRUE(window.Valid());
    const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateVideoPlay(window.Id(), GetParam());
    ASSERT_NE(play, 0u);
    TestPicture picture = Quadrants(320, 240);
    ASSERT_TRUE(Show(play, picture.Record(0, 1, true)));
    ASSERT_TRUE(WaitForPixel(window, 240, 180, [](uint32_t p) { return Near(p, 255, 255, 255); }));

    window.Resize(640, 480);
    ASSERT_TRUE(Show(play, picture.Record(0, 2)));
    EXPECT_TRUE(WaitForPixel(window, 600, 440, [](uint32_t p) { return Near(p, 255, 255, 255); }))
        << Describe(window.Pixel(600, 440));
    EXPECT_TRUE(Near(window.Pixel(40, 40), 255, 0, 0)) << Describe(window.Pixel(40, 40));
}

TEST_P(RenderTest, RefreshAndSnapshotUseTheLastFrameShown) {
    TempDir dir;
    TestWindow window(320, 240);
    ASSERT_TRUE(window.Valid());
    const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateVideoPlay(window.Id(), GetParam());
    ASSERT_NE(play, 0u);
    const std::string path = dir.Path("last.bmp");
    EXPECT_EQ(TEGMO_PLAY_RefreshPlay(play), 0) << "nothing shown yet";
    EXPECT_EQ(TEGMO_PLAY_VideoShotLast(play, path.c_str()), 0);

    TestPicture picture = Quadrants(320, 240);
    ASSERT_TRUE(Show(play, picture.Record(0, 1, true)));
    EXPECT_EQ(TEGMO_PLAY_RefreshPlay(play), 1);
    EXPECT_TRUE(WaitForPixel(window, 80, 60, [](uint32_t p) { return Near(p, 255, 0, 0); }));
    ASSERT_EQ(TEGMO_PLAY_VideoShotLast(play, path.c_str()), 1);
    EXPECT_EQ(FileSize(path), 54 + 320 * 240 * 3);
}

TEST_P(RenderTest, PlanesInSeparateBuffersAreDrawnAlike) {
    TestWindow window(320, 240);
    ASSERT_TRUE(window.Valid());
    const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateVideoPlay(window.Id(), GetParam());
    ASSERT_NE(play, 0u);
    // The same quadrants, with each plane in its own buffer and rows wider than the picture.
    TestPicture source = Quadrants(320, 240);
    const TEGMO_YUV_FRAME& packed = source.Frame();
    std::vector<uint8_t> y(400 * 240), u(208 * 120), v(208 * 120);
    for (int row = 0; row < 240; ++row) std::memcpy(&y[row * 400], packed.planeY + row * 320, 320);
    for (int row = 0; row < 120; ++row) {
        std::memcpy(&u[row * 208], packed.planeU + row * 160, 160);
        std::memcpy(&v[row * 208], packed.planeV + row * 160, 160);
    }
    TEGMO_YUV_FRAME record = packed;
    record.strideY = 400;
    record.strideU = record.strideV = 208;
    record.planeY = y.data();
    record.planeU = u.data();
    record.planeV = v.data();
    record.singleBlock = 0;
    ASSERT_TRUE(Show(play, record));
    EXPECT_TRUE(WaitForPixel(window, 240, 60, [](uint32_t p) { return Near(p, 0, 255, 0); }))
        << Describe(window.Pixel(240, 60));
    EXPECT_TRUE(Near(window.Pixel(80, 180), 0, 0, 255)) << Describe(window.Pixel(80, 180));
}

TEST_P(RenderTest, FrameWithoutAChromaPlaneIsNotDrawnButStillReleased) {
    TestWindow window(320, 240);
    ASSERT_TRUE(window.Valid());
    const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateVideoPlay(window.Id(), GetParam());
    ASSERT_NE(play, 0u);
    TestPicture red(320, 240);
    red.FillRect(0, 0, 320, 240, 81, 90, 240);
    ASSERT_TRUE(Show(play, red.Record(1, 1, true)));
    ASSERT_TRUE(WaitForPixel(window, 160, 120, [](uint32_t p) { return Near(p, 255, 0, 0); }));

    TestPicture white(320, 240);
    white.FillRect(0, 0, 320, 240, 235, 128, 128);
    TEGMO_YUV_FRAME broken = white.Record(2, 2);
    broken.planeU = nullptr;
    ASSERT_TRUE(Show(play, broken));
    const TEGMO_YUV_FRAME next = red.Record(3, 3);
    ASSERT_TRUE(Show(play, next));  // takes the broken one off the queue: released
    EXPECT_TRUE(WaitFor([&] { return m_released.TimesReleased(2) == 1; }));
    EXPECT_TRUE(Near(window.Pixel(160, 120), 255, 0, 0)) << Describe(window.Pixel(160, 120));
}

TEST_P(RenderTest, DeletingAfterTheWindowIsGoneDoesNotHang) {
    TestWindow window(320, 240);
    ASSERT_TRUE(window.Valid());
    const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateVideoPlay(window.Id(), GetParam());
    ASSERT_NE(play, 0u);
    TestPicture picture = Quadrants(320, 240);
    ASSERT_TRUE(Show(play, picture.Record(0, 1, true)));
    window.Destroy();
    // Frames for the vanished window are taken and released without drawing.
    ASSERT_TRUE(Show(play, picture.Record(0, 2)));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(TEGMO_PLAY_DeleteVideoPlay(play), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(TEGMO_PLAY_GetVideoPlayCount(), 0);
}

TEST_P(RenderTest, WindowDestroyedWhileFramesAreDrawnDoesNotEndTheProcess) {
    TestPicture picture = Quadrants(640, 480);
    for (int round = 0; round < 5; ++round) {
        TestWindow window(640, 480);
        ASSERT_TRUE(window.Valid());
        const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateVideoPlay(window.Id(), GetParam());
        ASSERT_NE(play, 0u);
        std::atomic<bool> feeding{true};
        std::thread feeder([&] {
            for (uint8_t sequence = 1; feeding.load(); ++sequence) {
                const TEGMO_YUV_FRAME record = picture.Record(0, sequence, sequence == 1);
                if (TEGMO_PLAY_VideoPlay(play, &record) != 1) break;
                while (feeding.load() && TEGMO_PLAY_GetVideoFrameCount(play) > 1) {
                    std::this_thread::sleep_for(std::chrono::microseconds(200));
                }
            }
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + 15 * round));
        window.Destroy();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        feeding = false;
        feeder.join();
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(TEGMO_PLAY_DeleteVideoPlay(play), 1);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    }
}

TEST_P(RenderTest, OneObjectPerWindowWhateverTheMode) {
    TestWindow window(64, 64);
    ASSERT_TRUE(window.Valid());
    const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateVideoPlay(window.Id(), GetParam());
    ASSERT_NE(play, 0u);
    EXPECT_EQ(TEGMO_PLAY_CreateVideoPlay(window.Id(), 1 - GetParam()), play);
    EXPECT_EQ(TEGMO_PLAY_CreateVideoPlay(window.Id(), 2), play);
    EXPECT_EQ(TEGMO_PLAY_GetVideoPlayCount(), 1);
}

TEST_P(RenderTest, CreationFailsForSomethingThatIsNotAWindow) {
    EXPECT_EQ(TEGMO_PLAY_CreateVideoPlay(0x7FFFFFF0u, GetParam()), 0u);
    EXPECT_EQ(TEGMO_PLAY_CreateVideoPlay(0, GetParam()), 0u);
    EXPECT_EQ(TEGMO_PLAY_GetVideoPlayCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, RenderTest, ::testing::Values(0u, 1u),
                         [](const ::testing::TestParamInfo<uint32_t>& mode) {
                             return mode.param == 0 ? std::string("SurfaceLayer") : std::string("Sdl");
                         });

// Zoom, pan and the draw callback belong to the surface layer (render mode 0).
class SurfaceLayerTest : public RenderTest {};

void TEGMO_API DrawGreenSquare(TEGMO_PLAY_WINDOW, void* drawContext, void* calls) {
    SDL_Renderer* renderer = static_cast<SDL_Renderer*>(drawContext);
    SDL_SetRenderDrawColor(renderer, 0, 255, 0, 255);
    const SDL_Rect square = {10, 10, 20, 20};
    SDL_RenderFillRect(renderer, &square);
    ++*static_cast<std::atomic<int>*>(calls);
}

TEST_F(SurfaceLayerTest, DrawCallbackDrawsOverTheVideo) {
    TestWindow window(320, 240);
    ASSERT_TRUE(window.Valid());
    const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateVideoPlay(window.Id(), 0);
    ASSERT_NE(play, 0u);
    std::atomic<int> calls{0};
    ASSERT_EQ(TEGMO_PLAY_RigisterDrawFun(play, &DrawGreenSquare, &calls), 1);
    TestPicture picture(320, 240);
    ASSERT_TRUE(Show(play, picture.Record(0, 1, true)));
    EXPECT_TRUE(WaitForPixel(window, 20, 20, [](uint32_t p) { return Near(p, 0, 255, 0, 2); }))
        << Describe(window.Pixel(20, 20));
    EXPECT_EQ(window.Pixel(40, 40), 0u);
    EXPECT_GE(calls.load(), 1);
}

TEST_F(SurfaceLayerTest, ZoomAndPanMoveThePicture) {
    TestWindow window(320, 240);
    ASSERT_TRUE(window.Valid());
    const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateVideoPlay(window.Id(), 0);
    ASSERT_NE(play, 0u);
    TestPicture picture = Quadrants(320, 240);
    ASSERT_TRUE(Show(play, picture.Record(0, 1, true)));
    ASSERT_TRUE(WaitForPixel(window, 168, 60, [](uint32_t p) { return Near(p, 0, 255, 0); }))
        << Describe(window.Pixel(168, 60));

    const TEGMO_PLAY_POINT from = {100, 100};
    const TEGMO_PLAY_POINT to = {116, 100};
    EXPECT_EQ(TEGMO_PLAY_VideoCtrl(play, TEGMO_PLAY_CTRL_PAN, &from, &to), 0) << "no zoom, no pan";
    // Zoom in by (320 / 2) x 0.1 = 16 pixels a side, then drag 16 pixels to the right: the
    // boundary between red and green moves from x = 160 to x = 176.
    EXPECT_EQ(TEGMO_PLAY_VideoCtrl(play, TEGMO_PLAY_CTRL_ZOOM_IN, nullptr, nullptr), 1);
    EXPECT_EQ(TEGMO_PLAY_VideoCtrl(play, TEGMO_PLAY_CTRL_PAN, &from, &to), 1);
    ASSERT_TRUE(Show(play, picture.Record(0, 2)));
    EXPECT_TRUE(WaitForPixel(window, 168, 60, [](uint32_t p) { return Near(p, 255, 0, 0); }))
        << Describe(window.Pixel(168, 60));
    EXPECT_TRUE(Near(window.Pixel(184, 60), 0, 255, 0)) << Describe(window.Pixel(184, 60));

    EXPECT_EQ(TEGMO_PLAY_VideoCtrl(play, TEGMO_PLAY_CTRL_RESET, nullptr, nullptr), 1);
    EXPECT_EQ(TEGMO_PLAY_VideoCtrl(play, 7, nullptr, nullptr), 0);
    ASSERT_TRUE(Show(play, picture.Record(0, 3)));
    EXPECT_TRUE(WaitForPixel(window, 168, 60, [](uint32_t p) { return Near(p, 0, 255, 0); }))
        << Describe(window.Pixel(168, 60));
}

}  // namespace
