// The stream's own rules around the codec: sequence gaps, attribute changes, B-frame refusal.
#include <gtest/gtest.h>

#include <vector>

#include "tests/decoder/decodertest.h"
#include "tests/media/support/logcapture.h"

namespace {

using testmedia::EncodedVideoFrame;

const char kGapLine[] = "[TEST]发生丢帧, 等I帧\n";
const char kRebuildLine[] = "[WARN]视频属性发生更改, 重建视频解码器\n";

TEST(VideoRules, SequenceGapRefusesFramesUntilTheNextIFrame) {
    LibraryScope library;
    LogCapture capture;
    const auto& stream = StreamIP();  // I every 6 frames
    ASSERT_EQ(stream[6].kind, TEGMO_FRAME_I);
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, nullptr, nullptr);
    Feeder feeder(decoder);
    for (int i = 0; i < 3; ++i) {
        YuvPicture picture;
        ASSERT_EQ(feeder.Decode(stream[i], &picture.frame), 1);
    }
    feeder.Skip();  // frame 3 is lost
    for (int i = 4; i < 6; ++i) {
        YuvPicture picture;
        EXPECT_EQ(feeder.Decode(stream[i], &picture.frame), 0) << "P-frame " << i << " after the gap";
        EXPECT_EQ(picture.frame.planeY, nullptr);
    }
    EXPECT_EQ(capture.Count(kGapLine), 0);

    YuvPicture keyPicture;
    ASSERT_EQ(feeder.Decode(stream[6], &keyPicture.frame), 1);
    EXPECT_EQ(capture.Count(kGapLine), 1);
    EXPECT_EQ(IndexOf(keyPicture.frame.pts), 6);
    EXPECT_EQ(keyPicture.frame.sequence, 7);
    EXPECT_LT(testmedia::LumaDifference(6, 320, 240, keyPicture.frame.planeY, 320), 4.0);
    YuvPicture next;
    EXPECT_EQ(feeder.Decode(stream[7], &next.frame), 1);
    EXPECT_EQ(capture.Count(kGapLine), 1);
}

TEST(VideoRules, FreshDecoderTakesOnlyAnIFrameOrSequenceOneFirst) {
    LibraryScope library;
    LogCapture capture;
    const auto& stream = StreamIP();
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, nullptr, nullptr);
    YuvPicture picture;
    StreamFrameInfo info = testmedia::MakeFrameInfo(stream[1], 5, 1);
    EXPECT_EQ(TEGMO_DEC_VideoDecode(decoder, &info, stream[1].data.data(), static_cast<int32_t>(stream[1].data.size()),
                                    &picture.frame),
              0);

    // Sequence 254 is accepted as an I-frame after the "gap"; 255 -> 0 -> 1 is continuous.
    Feeder feeder(decoder, 254);
    for (int i = 0; i < 4; ++i) {
        YuvPicture decoded;
        ASSERT_EQ(feeder.Decode(stream[i], &decoded.frame), 1) << "frame " << i;
        EXPECT_EQ(decoded.frame.sequence, static_cast<uint8_t>(254 + i));
    }
    EXPECT_EQ(capture.Count(kGapLine), 1);
}

TEST(VideoRules, SequenceCheckOffDecodesAcrossGaps) {
    LibraryScope library;
    const auto& stream = StreamIP();
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 0, 1, nullptr, nullptr);
    Feeder feeder(decoder, 40);
    YuvPicture first;
    ASSERT_EQ(feeder.Decode(stream[0], &first.frame), 1);
    feeder.Skip();
    YuvPicture afterGap;
    EXPECT_EQ(feeder.Decode(stream[1], &afterGap.frame), 1);
}

TEST(VideoRules, AttributeChangeRebuildsTheDecoder) {
    LibraryScope library;
    LogCapture capture;
    const auto& stream = StreamIP();
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, nullptr, nullptr);
    Feeder feeder(decoder);

    // The first frame with attribute 3 on a fresh decoder rebuilds it and is then decoded normally.
    YuvPicture first;
    ASSERT_EQ(feeder.Decode(stream[0], &first.frame, 3), 1);
    EXPECT_EQ(capture.Count(kRebuildLine), 1);
    EXPECT_EQ(first.frame.sizeChanged, 1u);
    for (int i = 1; i < 6; ++i) {
        YuvPicture picture;
        ASSERT_EQ(feeder.Decode(stream[i], &picture.frame, 3), 1);
        EXPECT_EQ(picture.frame.sizeChanged, 0u);
    }
    EXPECT_EQ(capture.Count(kRebuildLine), 1);

    // A new attribute arrives with the next I-frame: rebuilt again, size memory starts over.
    YuvPicture rebuilt;
    ASSERT_EQ(feeder.Decode(stream[6], &rebuilt.frame, 4), 1);
    EXPECT_EQ(capture.Count(kRebuildLine), 2);
    EXPECT_EQ(IndexOf(rebuilt.frame.pts), 6);
    EXPECT_EQ(rebuilt.frame.sizeChanged, 1u);
    EXPECT_EQ(int32_t{rebuilt.frame.failCount}, 0);
}

TEST(VideoRules, RebuildHandsOutTheOldStreamsDelayedPicturesFirst) {
    LibraryScope library;
    LogCapture capture;
    const auto& stream = StreamIPB();  // I every 12 frames, two B-frames per P
    ASSERT_EQ(stream[12].kind, TEGMO_FRAME_I);
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, nullptr, nullptr);
    Feeder feeder(decoder);
    std::vector<int64_t> shown;
    for (size_t i = 0; i < stream.size(); ++i) {
        YuvPicture picture;
        const uint8_t attribute = i < 12 ? 0 : 1;  // the second GOP comes with a new attribute
        if (feeder.Decode(stream[i], &picture.frame, attribute) == 1) shown.push_back(IndexOf(picture.frame.pts));
    }
    EXPECT_EQ(capture.Count(kRebuildLine), 1);
    // Every picture of the first GOP is shown, in order, and the second GOP follows seamlessly.
    ASSERT_GE(shown.size(), stream.size() - 3);
    for (size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(shown[i], static_cast<int64_t>(i));

    // Pictures still held when the decoder goes are discarded, freed and counted in the log.
    EXPECT_EQ(TEGMO_DEC_DeleteVideoDecoder(decoder), 1);
}

TEST(VideoRules, ThrowBFrameWithHandleZeroAppliesToLaterDecoders) {
    LibraryScope library;
    const auto& stream = StreamIPB();
    EXPECT_EQ(TEGMO_DEC_ThrowBFrame(0, 1), 1);  // before any decoder exists
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, nullptr, nullptr);
    ASSERT_NE(decoder, 0u);
    Feeder feeder(decoder);
    std::vector<int64_t> shown;
    for (size_t i = 0; i < 12; ++i) {
        YuvPicture picture;
        const int32_t result = feeder.Decode(stream[i], &picture.frame);
        if (stream[i].kind == TEGMO_FRAME_B) {
            EXPECT_EQ(result, 0) << "B-frame " << i;
        }
        if (result == 1) shown.push_back(IndexOf(picture.frame.pts));
    }
    // The references only (the codec holds the last one back for reordering). The B-frames'
    // sequence numbers still count, so the P-frames after them are not taken for a gap.
    EXPECT_EQ(shown, (std::vector<int64_t>{0, 3, 6, 9}));

    // A decoder created while the default is set refuses B-frames too; a handle changes one decoder.
    TEGMO_DEC_HANDLE other = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, nullptr, nullptr);
    EXPECT_EQ(TEGMO_DEC_ThrowBFrame(decoder, 0), 1);
    Feeder third(other);
    int bPicturesOfFirst = 0;
    int bPicturesOfOther = 0;
    for (size_t i = 12; i < stream.size(); ++i) {
        YuvPicture a;
        YuvPicture b;
        const int32_t resultA = feeder.Decode(stream[i], &a.frame);
        const int32_t resultB = third.Decode(stream[i], &b.frame);
        if (stream[i].kind == TEGMO_FRAME_B) {
            bPicturesOfFirst += resultA;
            bPicturesOfOther += resultB;
        }
    }
    EXPECT_GT(bPicturesOfFirst, 0);
    EXPECT_EQ(bPicturesOfOther, 0);
}

}  // namespace
