// The library's life cycle and handle model.
#include <gtest/gtest.h>

#include "tests/decoder/decodertest.h"
#include "tests/media/support/logcapture.h"

namespace {

TEST(DecoderLibrary, VersionsWorkWithoutInit) {
    EXPECT_EQ(TEGMO_DEC_GetSDKVersion(), 65536);
    EXPECT_EQ(TEGMO_DEC_GetSDKBuildVersion(), 0);
}

TEST(DecoderLibrary, EverythingElseFailsWithoutInit) {
    const auto& frame = Stream640x480()[0];
    StreamFrameInfo info = testmedia::MakeFrameInfo(frame, 1, 0);
    EXPECT_EQ(TEGMO_DEC_Cleanup(), 0);
    EXPECT_EQ(TEGMO_DEC_CreateVideoDecoder(1, 1, 1, nullptr, nullptr), 0u);
    EXPECT_EQ(TEGMO_DEC_CreateAudioDecoder(0), 0u);
    EXPECT_EQ(TEGMO_DEC_GetVideoDecoderCount(), 0);
    EXPECT_EQ(TEGMO_DEC_GetAudioDecoderCount(), 0);
    EXPECT_EQ(TEGMO_DEC_ThrowBFrame(0, 1), 0);
    EXPECT_EQ(TEGMO_DEC_VideoDecode(0x1000, &info, frame.data.data(), 100, nullptr), 0);
    TEGMO_YUV_FRAME picture{};
    EXPECT_EQ(TEGMO_DEC_VideoDecode(0x1000, &info, frame.data.data(), 100, &picture), 0);
    EXPECT_EQ(TEGMO_DEC_ReleaseYUVFrame(nullptr), 0);
    EXPECT_EQ(TEGMO_DEC_ReleasePCMFrame(nullptr), 0);
}

TEST(DecoderLibrary, ReferenceCountKeepsTheManagerUntilTheLastCleanup) {
    LogCapture capture;
    ASSERT_EQ(TEGMO_DEC_Init(), 1);
    EXPECT_EQ(capture.CountPrefix("[TIP]CDecoderManage RefCount"), 0);
    ASSERT_EQ(TEGMO_DEC_Init(), 1);
    EXPECT_EQ(capture.Count("[TIP]CDecoderManage RefCount=2\n"), 1);

    const auto& stream = Stream640x480();
    TEGMO_DEC_HANDLE video = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, nullptr, nullptr);
    TEGMO_DEC_HANDLE audio = TEGMO_DEC_CreateAudioDecoder(0);
    ASSERT_NE(video, 0u);
    ASSERT_NE(audio, 0u);
    Feeder feeder(video);
    YuvPicture first;
    ASSERT_EQ(feeder.Decode(stream[0], &first.frame), 1);

    EXPECT_EQ(TEGMO_DEC_Cleanup(), 1);  // count 1: the decoders keep working
    YuvPicture second;
    EXPECT_EQ(feeder.Decode(stream[1], &second.frame), 1);
    EXPECT_EQ(TEGMO_DEC_GetVideoDecoderCount(), 1);
    EXPECT_EQ(TEGMO_DEC_GetAudioDecoderCount(), 1);

    EXPECT_EQ(TEGMO_DEC_Cleanup(), 1);  // count 0: every decoder is destroyed
    EXPECT_EQ(TEGMO_DEC_GetVideoDecoderCount(), 0);
    YuvPicture third;
    EXPECT_EQ(feeder.Decode(stream[2], &third.frame), 0);
    EXPECT_EQ(TEGMO_DEC_Cleanup(), 0);

    // A fresh manager does not know the old handles.
    ASSERT_EQ(TEGMO_DEC_Init(), 1);
    EXPECT_EQ(TEGMO_DEC_DeleteVideoDecoder(video), 0);
    EXPECT_EQ(TEGMO_DEC_DeleteAudioDecoder(audio), 0);
    EXPECT_EQ(TEGMO_DEC_Cleanup(), 1);
    // Pictures handed out before the final cleanup are still released (and freed) afterwards.
}

TEST(DecoderLibrary, UnknownHandlesGiveZeroAndAreNeverDereferenced) {
    LibraryScope library;
    const auto& frame = Stream640x480()[0];
    StreamFrameInfo info = testmedia::MakeFrameInfo(frame, 1, 0);
    const int32_t length = static_cast<int32_t>(frame.data.size());
    TEGMO_DEC_HANDLE video = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, nullptr, nullptr);
    TEGMO_DEC_HANDLE audio = TEGMO_DEC_CreateAudioDecoder(0);
    ASSERT_EQ(TEGMO_DEC_GetVideoDecoderCount(), 1);
    ASSERT_EQ(TEGMO_DEC_GetAudioDecoderCount(), 1);

    const TEGMO_DEC_HANDLE madeUp = 0x10;  // would crash if it were dereferenced
    for (TEGMO_DEC_HANDLE handle : {madeUp, audio, TEGMO_DEC_HANDLE{0}}) {
        YuvPicture picture;
        EXPECT_EQ(TEGMO_DEC_VideoDecode(handle, &info, frame.data.data(), length, &picture.frame), 0);
        EXPECT_EQ(TEGMO_DEC_VideoDecodeAsyn(handle, &info, frame.data.data(), length), 0);
        EXPECT_EQ(TEGMO_DEC_ResetVideoDecoder(handle), 0);
        EXPECT_EQ(TEGMO_DEC_DeleteVideoDecoder(handle), 0);
    }
    EXPECT_EQ(TEGMO_DEC_ThrowBFrame(madeUp, 1), 0);
    for (TEGMO_DEC_HANDLE handle : {madeUp, video, TEGMO_DEC_HANDLE{0}}) {
        TEGMO_AUDIO_FRAME_INFO audioInfo{};
        const uint8_t bytes[2] = {0xD5, 0x55};
        TEGMO_PCM_FRAME pcm{};
        EXPECT_EQ(TEGMO_DEC_AudioDecode(handle, &audioInfo, bytes, 2, &pcm), 0);
        EXPECT_EQ(TEGMO_DEC_ResetAudioDecoder(handle), 0);
        EXPECT_EQ(TEGMO_DEC_DeleteAudioDecoder(handle), 0);
    }

    EXPECT_EQ(TEGMO_DEC_DeleteVideoDecoder(video), 1);
    EXPECT_EQ(TEGMO_DEC_DeleteAudioDecoder(audio), 1);
    YuvPicture picture;
    EXPECT_EQ(TEGMO_DEC_VideoDecode(video, &info, frame.data.data(), length, &picture.frame), 0);
    EXPECT_EQ(TEGMO_DEC_DeleteVideoDecoder(video), 0);
    EXPECT_EQ(TEGMO_DEC_ThrowBFrame(video, 1), 0);
    EXPECT_EQ(TEGMO_DEC_GetVideoDecoderCount(), 0);
    EXPECT_EQ(TEGMO_DEC_GetAudioDecoderCount(), 0);
}

TEST(DecoderLibrary, VideoDecodeRefusesIncompleteArguments) {
    LibraryScope library;
    const auto& frame = Stream640x480()[0];
    StreamFrameInfo info = testmedia::MakeFrameInfo(frame, 1, 0);
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, nullptr, nullptr);
    YuvPicture picture;
    EXPECT_EQ(TEGMO_DEC_VideoDecode(decoder, &info, frame.data.data(), 100, nullptr), 0);
    EXPECT_EQ(TEGMO_DEC_VideoDecode(decoder, nullptr, frame.data.data(), 100, &picture.frame), 0);
    EXPECT_EQ(TEGMO_DEC_VideoDecode(decoder, &info, nullptr, 100, &picture.frame), 0);
    EXPECT_EQ(TEGMO_DEC_VideoDecode(decoder, &info, frame.data.data(), 0, &picture.frame), 0);
    EXPECT_EQ(TEGMO_DEC_VideoDecode(decoder, &info, frame.data.data(), -1, &picture.frame), 0);
    EXPECT_EQ(picture.frame.planeY, nullptr);
    // Garbage bytes produce no picture and nothing to release.
    const std::vector<uint8_t> garbage(4000, 0x5A);
    StreamFrameInfo next = testmedia::MakeFrameInfo(frame, 2, 0);
    EXPECT_EQ(TEGMO_DEC_VideoDecode(decoder, &next, garbage.data(), 4000, &picture.frame), 0);
    EXPECT_EQ(picture.frame.planeY, nullptr);
}

TEST(DecoderLibrary, ResetReopensTheCodecWithItsSettings) {
    LibraryScope library;
    const auto& stream = StreamIP();
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(0, 1, 0, nullptr, nullptr);
    Feeder feeder(decoder);
    for (int i = 0; i < 3; ++i) {
        YuvPicture picture;
        ASSERT_EQ(feeder.Decode(stream[i], &picture.frame), 1);
    }
    EXPECT_EQ(TEGMO_DEC_ResetVideoDecoder(decoder), 1);
    YuvPicture afterReset;
    ASSERT_EQ(feeder.Decode(stream[6], &afterReset.frame), 1);  // the next I-frame, sequence continues
    EXPECT_EQ(afterReset.frame.sizeChanged, 1u);                // size memory starts over
    EXPECT_EQ(afterReset.frame.singleBlock, 0);                 // creation settings kept
    EXPECT_GT(afterReset.frame.strideY, 0);
    EXPECT_EQ(int32_t{afterReset.frame.failCount}, 0);
}

}  // namespace
