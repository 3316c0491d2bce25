// Audio through the library's exports on SDL's "disk" driver: what is played goes to a file, what
// is captured comes from one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>
#include <vector>

#include "player/TEGMO_Player.h"
#include "playertestsupport.h"

namespace {

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

class AudioApiTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", m_dir.Path("played.raw").c_str(), 1);
        setenv("SDL_DISKAUDIOFILEIN", m_dir.Path("captured.raw").c_str(), 1);
        ASSERT_EQ(TEGMO_PLAY_Init(), 1);
        ASSERT_EQ(TEGMO_PLAY_RigisterReleasePCMFun(&PcmSource::Release, &m_source), 1);
    }
    void TearDown() override { EXPECT_EQ(TEGMO_PLAY_Cleanup(), 1); }

    TempDir m_dir;
    PcmSource m_source;
};

TEST_F(AudioApiTest, WithTwoBufferedTheThirdFrameStartsPlayback) {
    ASSERT_EQ(TEGMO_PLAY_GetAudioFrameBufNum(), 2u);
    const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateAudioPlay();
    ASSERT_NE(play, 0u);
    std::vector<TEGMO_PCM_FRAME> frames;
    for (int i = 0; i < 3; ++i) frames.push_back(m_source.Make(1, 16000, 2048));

    ASSERT_EQ(TEGMO_PLAY_AudioPlay(play, &frames[0]), 1);
    ASSERT_EQ(TEGMO_PLAY_AudioPlay(play, &frames[1]), 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(TEGMO_PLAY_GetAudioFrameCount(play), 2) << "two frames only queue";
    EXPECT_EQ(m_source.Released(), 0);

    ASSERT_EQ(TEGMO_PLAY_AudioPlay(play, &frames[2]), 1);
    ASSERT_TRUE(WaitFor([&] { return m_source.Released() == 3; }));
    EXPECT_EQ(TEGMO_PLAY_GetAudioFrameCount(play), 0);
    ASSERT_EQ(TEGMO_PLAY_DeleteAudioPlay(play), 1);

    // The device played the frames' samples, in order.
    const std::vector<uint8_t> played = ReadFile(m_dir.Path("played.raw"));
    std::vector<uint8_t> expected;
    for (const TEGMO_PCM_FRAME& frame : frames) expected.insert(expected.end(), frame.data, frame.data + 2048);
    EXPECT_NE(std::search(played.begin(), played.end(), expected.begin(), expected.end()), played.end());
}

TEST_F(AudioApiTest, FrameOfAnotherRateReleasesTheQueuedFrames) {
    const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateAudioPlay();
    ASSERT_NE(play, 0u);
    for (int i = 0; i < 2; ++i) {
        TEGMO_PCM_FRAME frame = m_source.Make(1, 16000, 2048);
        ASSERT_EQ(TEGMO_PLAY_AudioPlay(play, &frame), 1);
    }
    TEGMO_PCM_FRAME faster = m_source.Make(1, 44100, 2048);
    ASSERT_EQ(TEGMO_PLAY_AudioPlay(play, &faster), 1);
    EXPECT_EQ(m_source.Released(), 2);
    EXPECT_EQ(TEGMO_PLAY_GetAudioFrameCount(play), 1);
    ASSERT_EQ(TEGMO_PLAY_DeleteAudioPlay(play), 1);
    EXPECT_EQ(m_source.Released(), 3) << "deleting releases what is left";
}

struct Captured {
    std::mutex lock;
    std::vector<uint8_t> bytes;
    std::vector<uint32_t> lengths;
};

void TEGMO_API OnChunk(const uint8_t* data, uint32_t length, void* user) {
    Captured* captured = static_cast<Captured*>(user);
    std::lock_guard<std::mutex> guard(captured->lock);
    captured->bytes.insert(captured->bytes.end(), data, data + length);
    captured->lengths.push_back(length);
}

TEST_F(AudioApiTest, CaptureHandsTheRecordingOnInChunksOfTheAskedSize) {
    std::vector<uint8_t> recording(16384);
    for (size_t i = 0; i < recording.size(); ++i) recording[i] = uint8_t(i * 13 + i / 256);
    {
        std::ofstream file(m_dir.Path("captured.raw"), std::ios::binary);
        file.write(reinterpret_cast<const char*>(recording.data()), std::streamsize(recording.size()));
    }
    Captured captured;
    ASSERT_EQ(TEGMO_PLAY_StartAudioCapture(nullptr, 1, 16000, 2048, &OnChunk, &captured), 1);
    ASSERT_TRUE(WaitFor([&] {
        std::lock_guard<std::mutex> guard(captured.lock);
        return captured.bytes.size() >= recording.size();
    }));
    EXPECT_EQ(TEGMO_PLAY_StopAudioCapture(), 1);
    EXPECT_EQ(TEGMO_PLAY_StopAudioCapture(), 1);

    std::lock_guard<std::mutex> guard(captured.lock);
    for (uint32_t length : captured.lengths) EXPECT_EQ(length, 2048u);
    ASSERT_GE(captured.bytes.size(), recording.size());
    EXPECT_TRUE(std::equal(recording.begin(), recording.end(), captured.bytes.begin()));
}

TEST_F(AudioApiTest, SecondStartFailsAndEndsTheRunningCapture) {
    std::ofstream(m_dir.Path("captured.raw"), std::ios::binary) << std::string(65536, '\x11');
    Captured captured;
    ASSERT_EQ(TEGMO_PLAY_StartAudioCapture(nullptr, 1, 16000, 1024, &OnChunk, &captured), 1);
    ASSERT_TRUE(WaitFor([&] {
        std::lock_guard<std::mutex> guard(captured.lock);
        return !captured.lengths.empty();
    }));
    EXPECT_EQ(TEGMO_PLAY_StartAudioCapture(nullptr, 1, 16000, 1024, &OnChunk, &captured), 0);
    size_t chunks;
    {
        std::lock_guard<std::mutex> guard(captured.lock);
        chunks = captured.lengths.size();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    {
        std::lock_guard<std::mutex> guard(captured.lock);
        EXPECT_EQ(captured.lengths.size(), chunks) << "no capture runs any more";
    }
    // A capture can be started again afterwards; a chunk size of 0 is refused.
    EXPECT_EQ(TEGMO_PLAY_StartAudioCapture(nullptr, 1, 16000, 0x10000, &OnChunk, &captured), 0);
    EXPECT_EQ(TEGMO_PLAY_StartAudioCapture(nullptr, 1, 16000, 512, &OnChunk, &captured), 1);
    EXPECT_EQ(TEGMO_PLAY_StopAudioCapture(), 1);
}

struct Devices {
    std::vector<std::string> descriptions;
    std::vector<bool> nullDevice;
};

int32_t TEGMO_API OnDevice(const char* device, const char* description, const char*, void* context) {
    Devices* devices = static_cast<Devices*>(context);
    devices->descriptions.push_back(description ? description : "");
    devices->nullDevice.push_back(device == nullptr);
    return 1;
}

TEST_F(AudioApiTest, EnumerationStartsWithTheDefaultCaptureDevice) {
    Devices devices;
    ASSERT_EQ(TEGMO_PLAY_EnumAudioDevice(&OnDevice, &devices), 1);
    ASSERT_FALSE(devices.descriptions.empty());
    EXPECT_EQ(devices.descriptions[0], "Primary Sound Capture Driver");
    EXPECT_TRUE(devices.nullDevice[0]);
    EXPECT_EQ(TEGMO_PLAY_EnumAudioDevice(nullptr, nullptr), 0);
}

}  // namespace
