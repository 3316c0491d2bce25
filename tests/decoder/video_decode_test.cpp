#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

extern "C" {
#include <libavutil/frame.h>
}

#include "decoder/videodecoder.h"
#include "tests/decoder/decodertest.h"
#include "tests/media/support/logcapture.h"

namespace {

using testmedia::EncodedVideoFrame;

TEST(VideoDecode, ApplicationModeGivesPackedYv12SingleBlock) {
    LibraryScope library;
    const auto& stream = Stream640x480();
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, nullptr, nullptr);
    ASSERT_NE(decoder, 0u);
    Feeder feeder(decoder);

    YuvPicture first;
    ASSERT_EQ(feeder.Decode(stream[0], &first.frame), 1);
    const TEGMO_YUV_FRAME& f = first.frame;
    EXPECT_EQ(f.width, 640);
    EXPECT_EQ(f.height, 480);
    EXPECT_EQ(f.strideY, 640);
    EXPECT_EQ(f.strideU, 320);
    EXPECT_EQ(f.strideV, 320);
    EXPECT_EQ(f.format, 0u);
    EXPECT_EQ(f.sizeChanged, 1u);
    EXPECT_EQ(f.singleBlock, 1);
    EXPECT_EQ(f.planeV - f.planeY, 307200);
    EXPECT_EQ(f.planeU - f.planeY, 384000);
    EXPECT_EQ(f.planeU + 320 * 240 - f.planeY, 460800);  // the block ends with U
    EXPECT_EQ(f.pts, TimestampOf(0));
    EXPECT_EQ(f.sequence, 1);
    EXPECT_EQ(int32_t{f.failCount}, 0);

    // The planes hold the source picture: luma close to it, Cb varying along rows, Cr down columns.
    EXPECT_LT(testmedia::LumaDifference(0, 640, 480, f.planeY, f.strideY), 4.0);
    EXPECT_GT(f.planeU[319], f.planeU[0] + 60);
    EXPECT_NEAR(f.planeU[239 * 320], f.planeU[0], 4);
    EXPECT_GT(f.planeV[239 * 320], f.planeV[0] + 60);
    EXPECT_NEAR(f.planeV[319], f.planeV[0], 4);

    YuvPicture second;
    ASSERT_EQ(feeder.Decode(stream[1], &second.frame), 1);
    EXPECT_EQ(second.frame.sizeChanged, 0u);
    EXPECT_EQ(second.frame.sequence, 2);
    EXPECT_EQ(second.frame.pts, TimestampOf(1));
    EXPECT_LT(testmedia::LumaDifference(1, 640, 480, second.frame.planeY, 640), 4.0);
}

struct LayoutCase {
    int32_t packed;
    int32_t singleBlock;
};

void PrintTo(const LayoutCase& layout, std::ostream* out) {
    *out << "packed " << layout.packed << ", single block " << layout.singleBlock;
}

class VideoDecodeLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(VideoDecodeLayout, PlanesFollowTheRequestedLayout) {
    LibraryScope library;
    const LayoutCase layout = GetParam();
    testmedia::H264Options options;
    options.width = 176;  // a width whose codec rows carry spare bytes
    options.height = 144;
    options.frameCount = 2;
    const auto stream = testmedia::EncodeH264(options);

    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(layout.packed, 1, layout.singleBlock, nullptr, nullptr);
    ASSERT_NE(decoder, 0u);
    Feeder feeder(decoder);
    YuvPicture picture;
    ASSERT_EQ(feeder.Decode(stream[0], &picture.frame), 1);
    const TEGMO_YUV_FRAME& f = picture.frame;
    EXPECT_EQ(f.width, 176);
    EXPECT_EQ(f.height, 144);
    EXPECT_EQ(f.singleBlock, layout.singleBlock);
    EXPECT_EQ(f.strideU, f.strideV);
    if (layout.packed) {
        EXPECT_EQ(f.strideY, 176);
        EXPECT_EQ(f.strideU, 88);
    } else {
        EXPECT_GT(f.strideY, 176);  // the codec's own strides, spare bytes included
        EXPECT_EQ(f.strideU + f.strideV, f.strideY);
    }
    if (layout.singleBlock) {
        EXPECT_EQ(f.planeV - f.planeY, static_cast<ptrdiff_t>(f.strideY) * 144);
        EXPECT_EQ(f.planeU - f.planeV, static_cast<ptrdiff_t>(f.strideV) * 72);
    } else {
        EXPECT_NE(f.planeV, f.planeY + static_cast<ptrdiff_t>(f.strideY) * 144);
    }
    EXPECT_LT(testmedia::LumaDifference(0, 176, 144, f.planeY, f.strideY), 4.0);
    // The last chroma row is there in full (ASan checks the bounds).
    EXPECT_GT(f.planeV[71 * f.strideV + 87], f.planeV[0]);
    EXPECT_GT(f.planeU[71 * f.strideU + 87], f.planeU[71 * f.strideU]);
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, VideoDecodeLayout,
                         ::testing::Values(LayoutCase{1, 1}, LayoutCase{1, 0}, LayoutCase{0, 1}, LayoutCase{0, 0}),
                         [](const ::testing::TestParamInfo<LayoutCase>& layout) {
                             return std::string(layout.param.packed ? "Packed" : "CodecStrides") +
                                    (layout.param.singleBlock ? "SingleBlock" : "ThreeBlocks");
                         });

TEST(VideoDecode, TimestampsComeOutInDisplayOrderWithBFrames) {
    LibraryScope library;
    const auto& stream = StreamIPB();
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, nullptr, nullptr);
    ASSERT_NE(decoder, 0u);
    Feeder feeder(decoder);
    std::vector<int64_t> shown;
    for (const EncodedVideoFrame& frame : stream) {
        YuvPicture picture;
        if (feeder.Decode(frame, &picture.frame) == 1) {
            const int64_t index = IndexOf(picture.frame.pts);
            shown.push_back(index);
            // The timestamp belongs to the picture that carries it, not to the frame just submitted.
            EXPECT_LT(testmedia::LumaDifference(static_cast<int>(index), 320, 240, picture.frame.planeY, 320), 4.0)
                << "picture " << index;
        }
    }
    // The codec holds back at most the pictures of one reordering group at the end.
    ASSERT_GE(shown.size(), stream.size() - 3);
    for (size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(shown[i], static_cast<int64_t>(i));
}

TEST(VideoDecode, SizeChangeMidStreamIsReported) {
    LibraryScope library;
    testmedia::H264Options large;
    large.frameCount = 4;
    testmedia::H264Options small = large;
    small.width = 176;
    small.height = 144;
    auto stream = testmedia::EncodeH264(large);
    for (auto& frame : testmedia::EncodeH264(small)) {
        frame.displayIndex += 4;
        stream.push_back(std::move(frame));
    }
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, nullptr, nullptr);
    Feeder feeder(decoder);
    std::vector<std::vector<int>> seen;  // width, height, sizeChanged, display index
    for (const EncodedVideoFrame& frame : stream) {
        YuvPicture picture;
        ASSERT_EQ(feeder.Decode(frame, &picture.frame), 1);
        seen.push_back({picture.frame.width, picture.frame.height, static_cast<int>(picture.frame.sizeChanged),
                        static_cast<int>(IndexOf(picture.frame.pts))});
        EXPECT_EQ(picture.frame.strideY, picture.frame.width);
    }
    const std::vector<std::vector<int>> expected = {
        {320, 240, 1, 0}, {320, 240, 0, 1}, {320, 240, 0, 2}, {320, 240, 0, 3},
        {176, 144, 1, 4}, {176, 144, 0, 5}, {176, 144, 0, 6}, {176, 144, 0, 7},
    };
    EXPECT_EQ(seen, expected);
}

// A decoded picture made by hand, for the copy rules that a real stream never breaks.
struct HandPicture {
    HandPicture(int width, int height) : frame(av_frame_alloc()) {
        frame->format = AV_PIX_FMT_YUV420P;
        frame->width = width;
        frame->height = height;
        EXPECT_EQ(av_frame_get_buffer(frame, 0), 0);
        for (int plane = 0; plane < 3; ++plane) {
            const int rows = plane == 0 ? height : (height + 1) / 2;
            for (int row = 0; row < rows; ++row) {
                std::memset(frame->data[plane] + row * frame->linesize[plane], 10 * (plane + 1),
                            frame->linesize[plane]);
            }
        }
    }
    ~HandPicture() { av_frame_free(&frame); }
    AVFrame* frame;
};

TEST(VideoDecode, HandleYUVRefusesBrokenStridesAndCountsTheFailure) {
    LogCapture capture;
    CVideoDecoder decoder(true, true, true, nullptr, nullptr);
    ASSERT_TRUE(decoder.Open());
    HandPicture hand(64, 48);
    const int strideY = hand.frame->linesize[0];
    const int strideC = hand.frame->linesize[1];

    TEGMO_YUV_FRAME out{};
    hand.frame->linesize[2] = strideC + 8;  // Cr stride differs from Cb
    EXPECT_FALSE(decoder.HandleYUV(hand.frame, 1, &out));
    EXPECT_EQ(out.planeY, nullptr);
    EXPECT_EQ(decoder.GetFailCount(), -1);  // no good picture yet: nothing counted
    EXPECT_EQ(capture.Count("[WARN]HandleYUV(Frame中的linesize不正常(" + std::to_string(strideY) + "," +
                            std::to_string(strideC + 8) + "," + std::to_string(strideC) + ") return false)\n"),
              1);

    hand.frame->linesize[2] = strideC;
    ASSERT_TRUE(decoder.HandleYUV(hand.frame, 2, &out));
    EXPECT_EQ(int32_t{out.failCount}, 0);
    CVideoDecoder::ReleaseFrame(&out);

    hand.frame->linesize[1] = hand.frame->linesize[2] = strideY;  // Cb + Cr no longer fill a luma row
    EXPECT_FALSE(decoder.HandleYUV(hand.frame, 3, &out));
    EXPECT_EQ(decoder.GetFailCount(), 1);
    hand.frame->linesize[1] = hand.frame->linesize[2] = strideC;
    ASSERT_TRUE(decoder.HandleYUV(hand.frame, 4, &out));
    EXPECT_EQ(int32_t{out.failCount}, 1);  // the failure travels in every later picture
    EXPECT_EQ(out.sizeChanged, 0u);
    EXPECT_EQ(out.sequence, 4);
    CVideoDecoder::ReleaseFrame(&out);
}

TEST(VideoDecode, HandleYUVKeepsTheLastChromaRowOfOddSizes) {
    CVideoDecoder decoder(true, true, true, nullptr, nullptr);
    ASSERT_TRUE(decoder.Open());
    HandPicture hand(63, 47);
    TEGMO_YUV_FRAME out{};
    ASSERT_TRUE(decoder.HandleYUV(hand.frame, 1, &out));
    EXPECT_EQ(out.strideY, 63);
    EXPECT_EQ(out.strideU, 32);
    EXPECT_EQ(out.planeV - out.planeY, 63 * 47);
    EXPECT_EQ(out.planeU - out.planeV, 32 * 24);
    EXPECT_EQ(out.planeV[32 * 24 - 1], 30);  // last Cr sample
    EXPECT_EQ(out.planeU[32 * 24 - 1], 20);  // last Cb sample
    CVideoDecoder::ReleaseFrame(&out);
}

TEST(VideoDecode, ReleaseFreesOnceAndZeroesTheRecord) {
    LibraryScope library;
    EXPECT_EQ(TEGMO_DEC_ReleaseYUVFrame(nullptr), 0);
    TEGMO_YUV_FRAME zero{};
    EXPECT_EQ(TEGMO_DEC_ReleaseYUVFrame(&zero), 1);

    for (int32_t singleBlock : {1, 0}) {
        TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 0, singleBlock, nullptr, nullptr);
        TEGMO_YUV_FRAME frame{};
        StreamFrameInfo info = testmedia::MakeFrameInfo(Stream640x480()[0], 1, 5);
        ASSERT_EQ(TEGMO_DEC_VideoDecode(decoder, &info, Stream640x480()[0].data.data(),
                                        static_cast<int32_t>(Stream640x480()[0].data.size()), &frame),
                  1);
        EXPECT_EQ(TEGMO_DEC_DeleteVideoDecoder(decoder), 1);  // pictures outlive their decoder
        EXPECT_LT(testmedia::LumaDifference(0, 640, 480, frame.planeY, frame.strideY), 4.0);
        EXPECT_EQ(TEGMO_DEC_ReleaseYUVFrame(&frame), 1);
        const TEGMO_YUV_FRAME cleared{};
        EXPECT_EQ(std::memcmp(&frame, &cleared, sizeof frame), 0);
        EXPECT_EQ(TEGMO_DEC_ReleaseYUVFrame(&frame), 1);  // a second release frees nothing (ASan)
    }
}

}  // namespace
