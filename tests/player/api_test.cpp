// The exports of libTEGMO_Player.so as an application sees them: life cycle, handles, the
// configuration record and the symbol table. Play objects here use render mode 2 (no window).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "player/TEGMO_Player.h"
#include "playertestsupport.h"

namespace {

constexpr uint32_t kNoBackEnd = 2;

TEST(PlayerApi, VersionsWorkWithoutInit) {
    EXPECT_EQ(TEGMO_PLAY_GetSDKVersion(), 65536);
    EXPECT_EQ(TEGMO_PLAY_GetSDKBuildVersion(), 0);
}

TEST(PlayerApi, EveryOtherExportFailsBeforeInit) {
    TEGMO_PLAY_DEBUG_CONF conf = {};
    TestPicture picture(16, 16);
    EXPECT_EQ(TEGMO_PLAY_GetDebugConf(0, nullptr), 0);
    EXPECT_EQ(TEGMO_PLAY_GetDebugConf(0, &conf), 0);
    EXPECT_EQ(TEGMO_PLAY_SetDebugConf(0, &conf), 0);
    EXPECT_EQ(TEGMO_PLAY_Cleanup(), 0);
    EXPECT_EQ(TEGMO_PLAY_CreateVideoPlay(0x1234, kNoBackEnd), 0u);
    EXPECT_EQ(TEGMO_PLAY_RigisterReleaseYUVFun(nullptr, nullptr), 0);
    EXPECT_EQ(TEGMO_PLAY_VideoShot(&picture.Frame(), "/tmp/never-written.bmp"), 0);
    EXPECT_EQ(TEGMO_PLAY_GetVideoPlayCount(), 0);
    EXPECT_EQ(TEGMO_PLAY_CreateAudioPlay(), 0u);
    EXPECT_EQ(TEGMO_PLAY_StopAudioCapture(), 0);
    EXPECT_EQ(TEGMO_PLAY_SetAudioFrameBufNum(3), 0);
    EXPECT_EQ(TEGMO_PLAY_EnumAudioDevice(nullptr, nullptr), 0);
}

TEST(PlayerApi, FreshDefaultsAreThoseOfTheConfigurationRecord) {
    ASSERT_EQ(TEGMO_PLAY_Init(), 1);
    TEGMO_PLAY_DEBUG_CONF conf;
    std::memset(&conf, 0xAB, sizeof conf);
    ASSERT_EQ(TEGMO_PLAY_GetDebugConf(0, &conf), 1);
    EXPECT_EQ(conf.ptsPacing, 1u);
    EXPECT_EQ(conf.display, 1u);
    EXPECT_EQ(conf.statOverlay, 0u);
    EXPECT_EQ(conf.textColor, 0x00FFFFFFu);
    EXPECT_FLOAT_EQ(conf.zoomStep, 0.1f);
    EXPECT_EQ(conf.keepAspect, 1);
    EXPECT_EQ(conf.queueThreshold, 0u);
    EXPECT_EQ(TEGMO_PLAY_GetDebugConf(0, nullptr), 0);
    EXPECT_EQ(TEGMO_PLAY_SetDebugConf(0, nullptr), 0);

    // The record travels byte for byte, the three bytes after the keep-aspect flag included.
    unsigned char bytes[28];
    for (int i = 0; i < 28; ++i) bytes[i] = uint8_t(i + 1);
    std::memcpy(&conf, bytes, sizeof bytes);
    ASSERT_EQ(TEGMO_PLAY_SetDebugConf(0, &conf), 1);
    TEGMO_PLAY_DEBUG_CONF back;
    ASSERT_EQ(TEGMO_PLAY_GetDebugConf(0, &back), 1);
    EXPECT_EQ(std::memcmp(&back, bytes, sizeof bytes), 0);
    EXPECT_EQ(TEGMO_PLAY_Cleanup(), 1);

    // A new manager starts from the defaults again.
    ASSERT_EQ(TEGMO_PLAY_Init(), 1);
    ASSERT_EQ(TEGMO_PLAY_GetDebugConf(0, &back), 1);
    EXPECT_EQ(back.ptsPacing, 1u);
    EXPECT_EQ(TEGMO_PLAY_Cleanup(), 1);
}

TEST(PlayerApi, SecondInitOnlyCountsAndTheLastCleanupDestroys) {
    ReleaseRecorder released;
    ASSERT_EQ(TEGMO_PLAY_Init(), 1);
    ASSERT_EQ(TEGMO_PLAY_Init(), 1);
    ASSERT_EQ(TEGMO_PLAY_RigisterReleaseYUVFun(&ReleaseRecorder::Release, &released), 1);
    const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateVideoPlay(0x1234, kNoBackEnd);
    ASSERT_NE(play, 0u);

    EXPECT_EQ(TEGMO_PLAY_Cleanup(), 1);
    EXPECT_EQ(TEGMO_PLAY_GetVideoPlayCount(), 1) << "the manager and its objects survive";
    const TEGMO_YUV_FRAME record = MakeRecord(1, 1);
    EXPECT_EQ(TEGMO_PLAY_VideoPlay(play, &record), 1);

    EXPECT_EQ(TEGMO_PLAY_Cleanup(), 1);
    EXPECT_EQ(TEGMO_PLAY_GetVideoPlayCount(), 0);
    EXPECT_EQ(TEGMO_PLAY_VideoPlay(play, &record), 0);
    EXPECT_EQ(TEGMO_PLAY_Cleanup(), 0);
    EXPECT_EQ(released.TimesReleased(1), 1) << "destroying the manager gives every frame back";
}

class PlayerApiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(TEGMO_PLAY_Init(), 1);
        ASSERT_EQ(TEGMO_PLAY_RigisterReleaseYUVFun(&ReleaseRecorder::Release, &m_released), 1);
    }
    void TearDown() override { EXPECT_EQ(TEGMO_PLAY_Cleanup(), 1); }

    ReleaseRecorder m_released;
};

TEST_F(PlayerApiTest, DeletedAndMadeUpHandlesAreRefused) {
    const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateVideoPlay(0x1234, kNoBackEnd);
    ASSERT_NE(play, 0u);
    EXPECT_EQ(TEGMO_PLAY_GetVideoPlayCount(), 1);
    ASSERT_EQ(TEGMO_PLAY_DeleteVideoPlay(play), 1);
    EXPECT_EQ(TEGMO_PLAY_DeleteVideoPlay(play), 0);

    const TEGMO_YUV_FRAME record = MakeRecord(1, 1);
    TEGMO_PLAY_DEBUG_CONF conf;
    for (TEGMO_PLAY_HANDLE handle : {play, TEGMO_PLAY_HANDLE(0x10), TEGMO_PLAY_HANDLE(&conf)}) {
        EXPECT_EQ(TEGMO_PLAY_VideoPlay(handle, &record), 0);
        EXPECT_EQ(TEGMO_PLAY_GetVideoFrameCount(handle), 0);
        EXPECT_EQ(TEGMO_PLAY_IsHaveVideo(handle), 0);
        EXPECT_EQ(TEGMO_PLAY_RefreshPlay(handle), 0);
        EXPECT_EQ(TEGMO_PLAY_ResetRefClock(handle), 0);
        EXPECT_EQ(TEGMO_PLAY_VideoShotLast(handle, "/tmp/never-written.bmp"), 0);
        EXPECT_EQ(TEGMO_PLAY_GetDebugConf(handle, &conf), 0);
        EXPECT_EQ(TEGMO_PLAY_SetDebugConf(handle, &conf), 0);
        EXPECT_EQ(TEGMO_PLAY_RigisterDrawFun(handle, nullptr, nullptr), 0);
        EXPECT_EQ(TEGMO_PLAY_VideoCtrl(handle, TEGMO_PLAY_CTRL_RESET, nullptr, nullptr), 0);
        EXPECT_EQ(TEGMO_PLAY_AudioPlay(handle, nullptr), 0);
        EXPECT_EQ(TEGMO_PLAY_DeleteAudioPlay(handle), 0);
    }
    EXPECT_EQ(TEGMO_PLAY_VideoPlay(0, &record), 0);
    EXPECT_EQ(TEGMO_PLAY_GetVideoPlayCount(), 0);
    EXPECT_EQ(m_released.TimesReleased(1), 0) << "a refused record stays the caller's";
}

TEST_F(PlayerApiTest, SetDebugConfWithHandleZeroReachesExistingAndNewObjects) {
    const TEGMO_PLAY_HANDLE first = TEGMO_PLAY_CreateVideoPlay(0x1001, kNoBackEnd);
    ASSERT_NE(first, 0u);
    TEGMO_PLAY_DEBUG_CONF conf;
    ASSERT_EQ(TEGMO_PLAY_GetDebugConf(0, &conf), 1);
    conf.statOverlay = 1;
    conf.queueThreshold = 7;
    ASSERT_EQ(TEGMO_PLAY_SetDebugConf(0, &conf), 1);
    const TEGMO_PLAY_HANDLE second = TEGMO_PLAY_CreateVideoPlay(0x1002, kNoBackEnd);
    ASSERT_NE(second, 0u);

    for (TEGMO_PLAY_HANDLE play : {first, second}) {
        TEGMO_PLAY_DEBUG_CONF read;
        ASSERT_EQ(TEGMO_PLAY_GetDebugConf(play, &read), 1);
        EXPECT_EQ(read.statOverlay, 1u);
        EXPECT_EQ(read.queueThreshold, 7u);
    }

    // A handle's own record changes only that object.
    conf.queueThreshold = 9;
    ASSERT_EQ(TEGMO_PLAY_SetDebugConf(first, &conf), 1);
    TEGMO_PLAY_DEBUG_CONF read;
    ASSERT_EQ(TEGMO_PLAY_GetDebugConf(second, &read), 1);
    EXPECT_EQ(read.queueThreshold, 7u);
    ASSERT_EQ(TEGMO_PLAY_GetDebugConf(0, &read), 1);
    EXPECT_EQ(read.queueThreshold, 7u);
    ASSERT_EQ(TEGMO_PLAY_GetDebugConf(first, &read), 1);
    EXPECT_EQ(read.queueThreshold, 9u);
}

TEST_F(PlayerApiTest, SecondCreateForTheSameWindowReturnsTheFirstHandle) {
    const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateVideoPlay(0x4321, kNoBackEnd);
    ASSERT_NE(play, 0u);
    EXPECT_EQ(TEGMO_PLAY_CreateVideoPlay(0x4321, kNoBackEnd), play);
    // Even for a mode that could not draw into this (made-up) window.
    EXPECT_EQ(TEGMO_PLAY_CreateVideoPlay(0x4321, TEGMO_PLAY_RENDER_SDL), play);
    EXPECT_EQ(TEGMO_PLAY_CreateVideoPlay(0x4321, 0x102), play);
    EXPECT_EQ(TEGMO_PLAY_GetVideoPlayCount(), 1);
}

TEST_F(PlayerApiTest, FramesAreReleasedOnceOnTheWayThrough) {
    const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateVideoPlay(0x7777, kNoBackEnd);
    ASSERT_NE(play, 0u);
    EXPECT_EQ(TEGMO_PLAY_VideoPlay(play, nullptr), 0);
    for (uint64_t pts = 1; pts <= 20; ++pts) {
        const TEGMO_YUV_FRAME record = MakeRecord(pts, uint8_t(pts));
        ASSERT_EQ(TEGMO_PLAY_VideoPlay(play, &record), 1);
    }
    ASSERT_TRUE(WaitFor([&] { return TEGMO_PLAY_GetVideoFrameCount(play) == 0; }));
    ASSERT_TRUE(WaitFor([&] { return m_released.ReleasedPts().size() == 19; }));
    EXPECT_EQ(TEGMO_PLAY_IsHaveVideo(play), 1) << "within 2000 ms of creation";
    ASSERT_EQ(TEGMO_PLAY_DeleteVideoPlay(play), 1);
    std::vector<uint64_t> expected;
    for (uint64_t pts = 1; pts <= 20; ++pts) expected.push_back(pts);
    EXPECT_EQ(m_released.ReleasedPts(), expected);
}

TEST_F(PlayerApiTest, VideoShotWritesTheGivenRecord) {
    TempDir dir;
    TestPicture picture(64, 48);
    const std::string path = dir.Path("shot.bmp");
    EXPECT_EQ(TEGMO_PLAY_VideoShot(&picture.Frame(), path.c_str()), 1);
    EXPECT_EQ(FileSize(path), 54 + 64 * 48 * 3);
    EXPECT_EQ(TEGMO_PLAY_VideoShot(&picture.Frame(), dir.Path("no/such/dir.bmp").c_str()), 0);
    EXPECT_EQ(TEGMO_PLAY_VideoShot(nullptr, path.c_str()), 0);

    // A record claiming a size that no BMP file can hold (its planes are small) is refused before
    // anything is allocated or read, and no file is left.
    TEGMO_YUV_FRAME absurd = picture.Frame();
    absurd.width = 65536;
    absurd.height = 65536;
    const std::string huge = dir.Path("huge.bmp");
    EXPECT_EQ(TEGMO_PLAY_VideoShot(&absurd, huge.c_str()), 0);
    EXPECT_EQ(FileSize(huge), -1);
}

TEST_F(PlayerApiTest, VolumeIsNotSupported) {
    const TEGMO_PLAY_HANDLE audio = TEGMO_PLAY_CreateAudioPlay();
    ASSERT_NE(audio, 0u);
    EXPECT_EQ(TEGMO_PLAY_GetAudioPlayCount(), 1);
    for (TEGMO_PLAY_HANDLE handle : {audio, TEGMO_PLAY_HANDLE(0), TEGMO_PLAY_HANDLE(0x55)}) {
        EXPECT_EQ(TEGMO_PLAY_SetVolume(handle, 50), 0);
        EXPECT_EQ(TEGMO_PLAY_GetVolume(handle), 0);
    }
    EXPECT_EQ(TEGMO_PLAY_DeleteAudioPlay(audio), 1);
    EXPECT_EQ(TEGMO_PLAY_GetAudioPlayCount(), 0);
    EXPECT_EQ(TEGMO_PLAY_StopAudioCapture(), 1) << "nothing was capturing";
    EXPECT_EQ(TEGMO_PLAY_GetAudioFrameBufNum(), 2u);
    EXPECT_EQ(TEGMO_PLAY_SetAudioFrameBufNum(5), 1);
    EXPECT_EQ(TEGMO_PLAY_GetAudioFrameBufNum(), 5u);
    EXPECT_EQ(TEGMO_PLAY_SetAudioFrameBufNum(2), 1);
}

// The library's dynamic symbol table holds the 32 exports and nothing else.
TEST(PlayerLibrary, ExportsExactlyThe32PlayerFunctions) {
    const std::string command = std::string("nm -D --defined-only ") + TEGMO_PLAYER_LIBRARY;
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> symbols;
    char line[512];
    while (std::fgets(line, sizeof line, pipe)) {
        std::string text(line);
        text.erase(text.find_last_not_of("\r\n") + 1);
        const size_t space = text.find_last_of(' ');
        symbols.insert(space == std::string::npos ? text : text.substr(space + 1));
    }
    ASSERT_EQ(pclose(pipe), 0) << command;
    const std::set<std::string> expected = {"TEGMO_PLAY_Init",
                                            "TEGMO_PLAY_Cleanup",
                                            "TEGMO_PLAY_GetSDKVersion",
                                            "TEGMO_PLAY_GetSDKBuildVersion",
                                            "TEGMO_PLAY_RigisterReleaseYUVFun",
                                            "TEGMO_PLAY_CreateVideoPlay",
                                            "TEGMO_PLAY_DeleteVideoPlay",
                                            "TEGMO_PLAY_VideoPlay",
                                            "TEGMO_PLAY_VideoShot",
                                            "TEGMO_PLAY_VideoShotLast",
                                            "TEGMO_PLAY_RefreshPlay",
                                            "TEGMO_PLAY_RigisterDrawFun",
                                            "TEGMO_PLAY_VideoCtrl",
                                            "TEGMO_PLAY_IsHaveVideo",
                                            "TEGMO_PLAY_SetDebugConf",
                                            "TEGMO_PLAY_GetDebugConf",
                                            "TEGMO_PLAY_GetVideoFrameCount",
                                            "TEGMO_PLAY_GetVideoPlayCount",
                                            "TEGMO_PLAY_ResetRefClock",
                                            "TEGMO_PLAY_RigisterReleasePCMFun",
                                            "TEGMO_PLAY_CreateAudioPlay",
                                            "TEGMO_PLAY_AudioPlay",
                                            "TEGMO_PLAY_SetVolume",
                                            "TEGMO_PLAY_GetVolume",
                                            "TEGMO_PLAY_DeleteAudioPlay",
                                            "TEGMO_PLAY_GetAudioFrameCount",
                                            "TEGMO_PLAY_GetAudioPlayCount",
                                            "TEGMO_PLAY_EnumAudioDevice",
                                            "TEGMO_PLAY_StartAudioCapture",
                                            "TEGMO_PLAY_StopAudioCapture",
                                            "TEGMO_PLAY_SetAudioFrameBufNum",
                                            "TEGMO_PLAY_GetAudioFrameBufNum"};
    ASSERT_EQ(expected.size(), 32u);
    EXPECT_EQ(symbols, expected);
}

}  // namespace
