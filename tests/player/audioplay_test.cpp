// CAudioPlay's queue and fill routine, on SDL's "dummy" audio driver. The fill routine is called
// directly while the output has not been started.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "player/audioplay.h"
#include "playertestsupport.h"

namespace {

// Objects with locks live on the heap in these tests: ThreadSanitizer would take two locks at one
// reused stack address for the same lock.
class AudioPlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        SetAudioFrameBufNum(1000);  // the output does not start by itself
    }
    void TearDown() override { SetAudioFrameBufNum(2); }

    PcmSource m_source;
};

TEST_F(AudioPlayTest, FillTakesTheHeadFrameAndTrimsAPileToNWithTheLogLine) {
    LogCapture log;
    auto owned = std::make_unique<CAudioPlay>(&PcmSource::Release, &m_source);
    CAudioPlay& play = *owned;
    std::vector<TEGMO_PCM_FRAME> frames;
    for (int i = 0; i < 7; ++i) {
        frames.push_back(m_source.Make(1, 16000, 2000));
        ASSERT_EQ(play.Play(&frames.back()), 1);
    }
    ASSERT_TRUE(play.HasOutput());
    ASSERT_FALSE(play.IsPlaying());
    ASSERT_EQ(play.FrameCount(), 7u);

    SetAudioFrameBufNum(2);
    std::vector<uint8_t> block(2000, 0xEE);
    ASSERT_EQ(play.Fill(block.data(), 2000, nullptr, 0), 1);
    EXPECT_EQ(std::memcmp(block.data(), frames[0].data, 2000), 0);
    // Six left after the head was taken: at least 3 x N, so trimmed to N.
    EXPECT_TRUE(log.Contains("[TIP]m_PCMFrameList.GetFrameNum()=6\n"));
    EXPECT_TRUE(log.Contains("[TIP]Current[6] clear to [2]\n"));
    EXPECT_EQ(play.FrameCount(), 2u);
    EXPECT_EQ(m_source.Released(), 5);

    // The two kept are the newest; the next fill plays the sixth frame.
    ASSERT_EQ(play.Fill(block.data(), 1500, block.data() + 1500, 500), 1);
    EXPECT_EQ(std::memcmp(block.data(), frames[5].data, 2000), 0);
}

TEST_F(AudioPlayTest, AfterRunningDryFillIsSilentUntilNFramesAreQueuedAgain) {
    auto owned = std::make_unique<CAudioPlay>(&PcmSource::Release, &m_source);
    CAudioPlay& play = *owned;
    std::vector<uint8_t> block(1000);
    for (int i = 0; i < 2; ++i) {
        TEGMO_PCM_FRAME frame = m_source.Make(2, 16000, 1000);
        ASSERT_EQ(play.Play(&frame), 1);
    }
    SetAudioFrameBufNum(2);
    EXPECT_EQ(play.Fill(block.data(), 1000, nullptr, 0), 1);
    EXPECT_EQ(play.Fill(block.data(), 1000, nullptr, 0), 1);
    EXPECT_EQ(play.Fill(block.data(), 1000, nullptr, 0), 0) << "empty: silence";
    EXPECT_TRUE(play.Underrun());

    TEGMO_PCM_FRAME one = m_source.Make(2, 16000, 1000);
    ASSERT_EQ(play.Play(&one), 1);
    EXPECT_EQ(play.Fill(block.data(), 1000, nullptr, 0), 0) << "one frame is not N frames";
    EXPECT_EQ(play.FrameCount(), 1u);
    TEGMO_PCM_FRAME two = m_source.Make(2, 16000, 1000);
    ASSERT_EQ(play.Play(&two), 1);
    EXPECT_EQ(play.Fill(block.data(), 1000, nullptr, 0), 1);
    EXPECT_FALSE(play.Underrun());
}

TEST_F(AudioPlayTest, FormatChangeReleasesTheQueuedFramesAndRebuildsTheOutput) {
    auto owned = std::make_unique<CAudioPlay>(&PcmSource::Release, &m_source);
    CAudioPlay& play = *owned;
    for (int i = 0; i < 2; ++i) {
        TEGMO_PCM_FRAME frame = m_source.Make(1, 16000, 2000);
        ASSERT_EQ(play.Play(&frame), 1);
    }
    TEGMO_PCM_FRAME other = m_source.Make(1, 44100, 2000);
    ASSERT_EQ(play.Play(&other), 1);
    EXPECT_EQ(m_source.Released(), 2);
    EXPECT_EQ(play.FrameCount(), 1u);

    // A new frame size is a new format too.
    TEGMO_PCM_FRAME longer = m_source.Make(1, 44100, 4000);
    ASSERT_EQ(play.Play(&longer), 1);
    EXPECT_EQ(m_source.Released(), 3);
    EXPECT_EQ(play.FrameCount(), 1u);
}

TEST_F(AudioPlayTest, RatesBelow8000HzPlayAt8000Hz) {
    CDSoundPlay output(1, 4000, 800);
    EXPECT_EQ(output.SampleRate(), 8000u);
    EXPECT_EQ(CDSoundPlay(1, 11025, 800).SampleRate(), 11025u);

    auto owned = std::make_unique<CAudioPlay>(&PcmSource::Release, &m_source);
    CAudioPlay& play = *owned;
    TEGMO_PCM_FRAME slow = m_source.Make(1, 4000, 800);
    TEGMO_PCM_FRAME slower = m_source.Make(1, 6000, 800);
    ASSERT_EQ(play.Play(&slow), 1);
    ASSERT_EQ(play.Play(&slower), 1);
    EXPECT_EQ(m_source.Released(), 0) << "both play at 8000 Hz: the same format";
    EXPECT_EQ(play.FrameCount(), 2u);
}

TEST_F(AudioPlayTest, RecordsWithoutSamplesAreRefused) {
    auto owned = std::make_unique<CAudioPlay>(&PcmSource::Release, &m_source);
    CAudioPlay& play = *owned;
    EXPECT_EQ(play.Play(nullptr), 0);
    TEGMO_PCM_FRAME frame = m_source.Make(1, 16000, 2000);
    TEGMO_PCM_FRAME noData = frame;
    noData.data = nullptr;
    EXPECT_EQ(play.Play(&noData), 0);
    TEGMO_PCM_FRAME empty = frame;
    empty.dataLength = 0;
    EXPECT_EQ(play.Play(&empty), 0);
    TEGMO_PCM_FRAME noChannels = frame;
    noChannels.channels = 0;
    EXPECT_EQ(play.Play(&noChannels), 0);
    EXPECT_FALSE(play.HasOutput());
}

TEST_F(AudioPlayTest, PlaybackRunsDryIntoSilenceLoggedOncePerSilentRun) {
    LogCapture log;
    SetAudioFrameBufNum(2);
    auto owned = std::make_unique<CAudioPlay>(&PcmSource::Release, &m_source);
    CAudioPlay& play = *owned;
    for (int i = 0; i < 3; ++i) {
        TEGMO_PCM_FRAME frame = m_source.Make(1, 16000, 1024);
        ASSERT_EQ(play.Play(&frame), 1);
    }
    EXPECT_TRUE(play.IsPlaying()) << "the third frame found two queued and started playback";
    ASSERT_TRUE(WaitFor([&] { return log.Count("audio fill empty data") >= 1; }));
    EXPECT_EQ(m_source.Released(), 3);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(log.Count("audio fill empty data"), 1) << "one line per silent run";

    for (int i = 0; i < 2; ++i) {
        TEGMO_PCM_FRAME frame = m_source.Make(1, 16000, 1024);
        ASSERT_EQ(play.Play(&frame), 1);
    }
    ASSERT_TRUE(WaitFor([&] { return log.Count("audio fill empty data") >= 2; }));
    EXPECT_EQ(m_source.Released(), 5);
}

}  // namespace
