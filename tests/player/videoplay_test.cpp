// The video play object without a window (render mode 2) on a clock the test drives.
#include <gtest/gtest.h>

#include <memory>

#include "fakeclock.h"
#include "player/videoplay.h"
#include "playertestsupport.h"

namespace {

constexpr uint32_t kNoBackEnd = 2;
constexpr uint64_t kBasePts = 5000000000ull;  // 5000 s: camera timestamps are not wall-clock time

class VideoPlayTest : public ::testing::Test {
protected:
    std::shared_ptr<CVideoPlay> Create(uint32_t pacing, uint32_t threshold, bool withRelease = true) {
        CVideoPlay::Settings settings;
        settings.conf.ptsPacing = pacing;
        settings.conf.queueThreshold = threshold;
        settings.release = withRelease ? &ReleaseRecorder::Release : nullptr;
        settings.releaseUser = &m_released;
        settings.clock = &m_clock;
        std::shared_ptr<CVideoPlay> play = CVideoPlay::Create(0x1234, kNoBackEnd, settings);
        if (play) m_plays.push_back(play);
        return play;
    }

    void TearDown() override {
        for (auto& play : m_plays) play->Shutdown();
    }

    uint32_t Handled(const std::shared_ptr<CVideoPlay>& play) { return play->GetStatistics().framesHandled; }

    static int32_t PushRecord(const std::shared_ptr<CVideoPlay>& play, uint64_t pts, uint8_t sequence) {
        const TEGMO_YUV_FRAME record = MakeRecord(pts, sequence);
        return play->Push(&record);
    }

    FakeClock m_clock;
    ReleaseRecorder m_released;
    std::vector<std::shared_ptr<CVideoPlay>> m_plays;
};

TEST_F(VideoPlayTest, ThresholdThreeHoldsFramesUntilThreeAreQueuedThenAnchorsOnTheHead) {
    LogCapture log;
    auto play = Create(1, 3);
    ASSERT_TRUE(play);
    ASSERT_EQ(play->Push(nullptr), 0);
    EXPECT_EQ(PushRecord(play, kBasePts, 1), 1);
    EXPECT_EQ(PushRecord(play, kBasePts + 40000, 2), 1);
    ASSERT_TRUE(m_clock.WaitIdle());
    EXPECT_EQ(Handled(play), 0u) << "nothing is shown while fewer than 3 frames are queued";
    EXPECT_TRUE(play->ResyncPending());

    EXPECT_EQ(PushRecord(play, kBasePts + 80000, 3), 1);
    ASSERT_TRUE(m_clock.WaitIdle());
    EXPECT_EQ(Handled(play), 1u) << "the head is due at once when the clock is anchored on it";
    EXPECT_FALSE(play->ResyncPending());
    EXPECT_EQ(play->PtsOffset(), m_clock.NowUs() - kBasePts);
    EXPECT_TRUE(log.Contains("[TIP]m_ptsOffset=" + std::to_string(m_clock.NowUs() - kBasePts) + "\n"));

    m_clock.AdvanceMs(39);
    ASSERT_TRUE(m_clock.WaitIdle());
    EXPECT_EQ(Handled(play), 1u) << "the second frame is due 40 ms after the first";
    m_clock.AdvanceMs(1);
    ASSERT_TRUE(m_clock.WaitIdle());
    EXPECT_EQ(Handled(play), 2u);
}

TEST_F(VideoPlayTest, BacklogAboveTheThresholdIsShownAtOnceUntilTheClockIsAnchored) {
    auto play = Create(1, 1000);  // stalled while the frames are queued
    ASSERT_TRUE(play);
    for (int i = 0; i < 5; ++i) ASSERT_EQ(PushRecord(play, kBasePts + i * 40000, uint8_t(i)), 1);
    ASSERT_TRUE(m_clock.WaitIdle());
    ASSERT_EQ(Handled(play), 0u);

    // Threshold 3 with five frames waiting, their timestamps far from the clock: while more than 3
    // are queued they are shown without looking at the time; the third anchors the clock.
    TEGMO_PLAY_DEBUG_CONF conf;
    play->ReadConf(&conf);
    conf.queueThreshold = 3;
    play->ApplyConf(conf);
    ASSERT_TRUE(m_clock.WaitIdle());
    EXPECT_EQ(Handled(play), 3u);
    EXPECT_EQ(play->FrameCount(), 2u);
    EXPECT_EQ(play->PtsOffset(), m_clock.NowUs() - (kBasePts + 2 * 40000));
}

TEST_F(VideoPlayTest, FrameSixSecondsAheadResetsTheClockAndIsShown) {
    LogCapture log;
    auto play = Create(1, 1);
    ASSERT_TRUE(play);
    ASSERT_EQ(PushRecord(play, kBasePts, 1), 1);
    ASSERT_TRUE(m_clock.WaitIdle());
    ASSERT_EQ(Handled(play), 1u);
    const uint64_t firstOffset = play->PtsOffset();

    ASSERT_EQ(PushRecord(play, kBasePts + 6000000, 2), 1);
    ASSERT_TRUE(m_clock.WaitIdle());
    EXPECT_TRUE(log.Contains("[TIP]VFramePts jump, reset\n"));
    EXPECT_EQ(Handled(play), 2u) << "after the reset the frame anchors the clock and is shown";
    EXPECT_EQ(play->PtsOffset(), firstOffset - 6000000);
    EXPECT_EQ(log.Count("[TIP]m_ptsOffset="), 2);
}

TEST_F(VideoPlayTest, FrameFourSecondsAheadIsHeldUntilDue) {
    LogCapture log;
    auto play = Create(1, 1);
    ASSERT_TRUE(play);
    ASSERT_EQ(PushRecord(play, kBasePts, 1), 1);
    ASSERT_TRUE(m_clock.WaitIdle());
    ASSERT_EQ(PushRecord(play, kBasePts + 4000000, 2), 1);
    ASSERT_TRUE(m_clock.WaitIdle());
    EXPECT_EQ(Handled(play), 1u);
    m_clock.AdvanceMs(3999);
    ASSERT_TRUE(m_clock.WaitIdle());
    EXPECT_EQ(Handled(play), 1u);
    m_clock.AdvanceMs(1);
    ASSERT_TRUE(m_clock.WaitIdle());
    EXPECT_EQ(Handled(play), 2u);
    EXPECT_FALSE(log.Contains("jump"));
}

TEST_F(VideoPlayTest, MoreThanThresholdPlus125WaitingFramesResetTheClock) {
    LogCapture log;
    auto play = Create(1, 1);
    ASSERT_TRUE(play);
    ASSERT_EQ(PushRecord(play, kBasePts, 0), 1);
    ASSERT_TRUE(m_clock.WaitIdle());
    // A frame 4 s ahead holds up 125 more behind it: still held (126 = threshold + 125).
    for (int i = 1; i <= 126; ++i) ASSERT_EQ(PushRecord(play, kBasePts + 4000000, uint8_t(i)), 1);
    ASSERT_TRUE(m_clock.WaitIdle());
    EXPECT_EQ(Handled(play), 1u);
    EXPECT_FALSE(log.Contains("[TIP]VFrameCount too long, reset\n"));
    // One more and the backlog is let go.
    ASSERT_EQ(PushRecord(play, kBasePts + 4000000, 127), 1);
    ASSERT_TRUE(m_clock.WaitIdle());
    EXPECT_TRUE(log.Contains("[TIP]VFrameCount too long, reset\n"));
    EXPECT_EQ(play->FrameCount(), 0u) << "the re-anchored clock makes every waiting frame due";
}

TEST_F(VideoPlayTest, DefaultThresholdShowsFramesAsSoonAsTheyCome) {
    auto play = Create(1, 0);
    ASSERT_TRUE(play);
    for (int i = 0; i < 10; ++i) ASSERT_EQ(PushRecord(play, kBasePts + i * 3000000, uint8_t(i)), 1);
    ASSERT_TRUE(m_clock.WaitIdle());
    EXPECT_EQ(Handled(play), 10u);
    EXPECT_TRUE(play->ResyncPending()) << "with threshold 0 the clock is never anchored";
}

TEST_F(VideoPlayTest, SequenceNumbers254_255_0_3CountTwoDroppedFrames) {
    auto play = Create(0, 0);
    ASSERT_TRUE(play);
    for (uint8_t sequence : {254, 255, 0, 3}) ASSERT_EQ(PushRecord(play, kBasePts, sequence), 1);
    ASSERT_TRUE(m_clock.WaitIdle());
    EXPECT_EQ(Handled(play), 4u);
    EXPECT_EQ(play->GetStatistics().dropped, 2u);
    EXPECT_EQ(play->GetStatistics().framesShown, 4u);
}

TEST_F(VideoPlayTest, DisplayOffConsumesFramesWithoutCountingThemShown) {
    auto play = Create(0, 0);
    ASSERT_TRUE(play);
    TEGMO_PLAY_DEBUG_CONF conf;
    ASSERT_EQ(play->ReadConf(&conf), 1);
    conf.display = 0;
    ASSERT_EQ(play->ApplyConf(conf), 1);
    for (int i = 0; i < 3; ++i) ASSERT_EQ(PushRecord(play, kBasePts, uint8_t(i)), 1);
    ASSERT_TRUE(m_clock.WaitIdle());
    EXPECT_EQ(Handled(play), 3u);
    EXPECT_EQ(play->GetStatistics().framesShown, 0u);
}

TEST_F(VideoPlayTest, The1025thFramePushedWhileStalledIsRefused) {
    auto play = Create(1, 2000);  // waits for 2000 frames: the display thread shows nothing
    ASSERT_TRUE(play);
    for (int i = 0; i < 1024; ++i) ASSERT_EQ(PushRecord(play, kBasePts + i, uint8_t(i)), 1) << i;
    EXPECT_EQ(PushRecord(play, kBasePts + 1024, 0), 0);
    EXPECT_EQ(play->FrameCount(), 1024u);
    EXPECT_EQ(m_released.Total(), 0);
}

TEST_F(VideoPlayTest, FirstPopReleasesAnAllZeroRecordAndEveryFrameIsReleasedOnce) {
    auto play = Create(0, 0);
    ASSERT_TRUE(play);
    ASSERT_EQ(PushRecord(play, kBasePts + 1, 1), 1);
    ASSERT_TRUE(m_clock.WaitIdle());
    EXPECT_EQ(m_released.Total(), 1);
    EXPECT_EQ(m_released.ZeroRecords(), 1) << "the first pop hands back the empty retained record";
    EXPECT_TRUE(m_released.ReleasedPts().empty()) << "the shown frame is retained";

    ASSERT_EQ(PushRecord(play, kBasePts + 2, 2), 1);
    ASSERT_TRUE(m_clock.WaitIdle());
    EXPECT_EQ(m_released.ReleasedPts(), std::vector<uint64_t>{kBasePts + 1});

    // Frames still queued and the retained one go back when the object is destroyed.
    TEGMO_PLAY_DEBUG_CONF conf = DefaultDebugConf();
    conf.queueThreshold = 100;  // stall
    play->ApplyConf(conf);
    ASSERT_EQ(PushRecord(play, kBasePts + 3, 3), 1);
    ASSERT_TRUE(m_clock.WaitIdle());
    play->Shutdown();
    EXPECT_EQ(m_released.TimesReleased(kBasePts + 2), 1);
    EXPECT_EQ(m_released.TimesReleased(kBasePts + 3), 1);
    EXPECT_EQ(PushRecord(play, kBasePts + 4, 4), 0) << "a stopped object takes no frames";
}

TEST_F(VideoPlayTest, HasVideoDuringTheFirst2000MsOnlyWhenNothingIsDrawn) {
    auto play = Create(0, 0);
    ASSERT_TRUE(play);
    EXPECT_EQ(play->HasVideo(), 1);
    m_clock.AdvanceMs(2000);
    EXPECT_EQ(play->HasVideo(), 1);
    ASSERT_EQ(PushRecord(play, kBasePts, 1), 1);  // consumed, but not drawn
    ASSERT_TRUE(m_clock.WaitIdle());
    m_clock.AdvanceMs(1);
    EXPECT_EQ(play->HasVideo(), 0);
}

TEST_F(VideoPlayTest, RefreshAndSnapshotNeedAFrameAndAReleaseCallback) {
    TempDir dir;
    auto withoutRelease = Create(0, 0, false);
    ASSERT_TRUE(withoutRelease);
    ASSERT_EQ(PushRecord(withoutRelease, kBasePts, 1), 1);
    ASSERT_TRUE(m_clock.WaitIdle());
    EXPECT_EQ(withoutRelease->Refresh(), 0);
    EXPECT_EQ(withoutRelease->ShotLast(dir.Path("a.bmp").c_str()), 0);
    // Its display thread sleeps on the same clock: stopped, it cannot make WaitIdle answer early.
    withoutRelease->Shutdown();

    auto play = Create(0, 0);
    ASSERT_TRUE(play);
    EXPECT_EQ(play->Refresh(), 0) << "nothing shown yet";
    EXPECT_EQ(play->ShotLast(dir.Path("b.bmp").c_str()), 0);
    TestPicture picture(32, 32);
    ASSERT_EQ(play->Push(&picture.Frame()), 1);
    ASSERT_TRUE(m_clock.WaitIdle());
    EXPECT_EQ(play->Refresh(), 1);
    EXPECT_EQ(play->ShotLast(dir.Path("c.bmp").c_str()), 1);
    EXPECT_EQ(FileSize(dir.Path("c.bmp")), 54 + 32 * 32 * 3);
    EXPECT_FALSE(FileExists(dir.Path("a.bmp")));
}

TEST_F(VideoPlayTest, ChangingPacingOrThresholdMakesTheClockReanchor) {
    auto play = Create(1, 1);
    ASSERT_TRUE(play);
    ASSERT_EQ(PushRecord(play, kBasePts, 1), 1);
    ASSERT_TRUE(m_clock.WaitIdle());
    ASSERT_FALSE(play->ResyncPending());

    TEGMO_PLAY_DEBUG_CONF conf;
    play->ReadConf(&conf);
    conf.statOverlay = 1;  // not a pacing field
    play->ApplyConf(conf);
    EXPECT_FALSE(play->ResyncPending());
    conf.queueThreshold = 2;
    play->ApplyConf(conf);
    EXPECT_TRUE(play->ResyncPending());
    TEGMO_PLAY_DEBUG_CONF read;
    play->ReadConf(&read);
    EXPECT_EQ(read.queueThreshold, 2u);
    EXPECT_EQ(read.statOverlay, 1u);

    EXPECT_EQ(play->ResetRefClock(), 1);
    EXPECT_TRUE(play->ResyncPending());
}

TEST_F(VideoPlayTest, ShutdownFromTheReleaseCallbackDoesNotDeadlock) {
    // The callback runs on the display thread; stopping from there must not wait for itself.
    struct Context {
        std::shared_ptr<CVideoPlay> play;
        std::atomic<int> calls{0};
    } context;
    CVideoPlay::Settings settings;
    settings.conf.ptsPacing = 0;
    settings.clock = &m_clock;
    settings.releaseUser = &context;
    settings.release = [](TEGMO_YUV_FRAME*, void* user) {
        Context* c = static_cast<Context*>(user);
        if (c->calls++ == 0) {
            EXPECT_FALSE(c->play->StopDisplayThread());
        }
    };
    context.play = CVideoPlay::Create(0x99, kNoBackEnd, settings);
    ASSERT_TRUE(context.play);
    ASSERT_EQ(PushRecord(context.play, kBasePts, 1), 1);
    EXPECT_TRUE(WaitFor([&] { return !context.play->DisplayThreadRunning(); }));
    context.play->Shutdown();
    context.play.reset();
}

}  // namespace
