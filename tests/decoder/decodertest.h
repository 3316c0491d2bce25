// Shared helpers of the decoder tests.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "decoder/TEGMO_Decoder.h"
#include "tests/decoder/testmedia.h"

// Holds the library initialised for one test and takes it down completely afterwards.
class LibraryScope {
public:
    LibraryScope() { EXPECT_EQ(TEGMO_DEC_Init(), 1); }
    ~LibraryScope() {
        while (TEGMO_DEC_Cleanup() == 1) {}
    }
};

// A picture record that is released when it goes out of scope.
struct YuvPicture {
    YuvPicture() { std::memset(static_cast<void*>(&frame), 0, sizeof frame); }
    ~YuvPicture() { TEGMO_DEC_ReleaseYUVFrame(&frame); }
    YuvPicture(const YuvPicture&) = delete;
    YuvPicture& operator=(const YuvPicture&) = delete;
    TEGMO_YUV_FRAME frame;
};

// Timestamp a test gives the picture of display index `index`.
inline uint64_t TimestampOf(int64_t index, uint64_t base = 1000) { return base + static_cast<uint64_t>(index) * 40000; }

inline int64_t IndexOf(uint64_t timestamp, uint64_t base = 1000) {
    return static_cast<int64_t>((timestamp - base) / 40000);
}

// Feeds encoded frames to a decoder with continuous sequence numbers, as the stream receiver does.
struct Feeder {
    explicit Feeder(TEGMO_DEC_HANDLE handle, uint8_t firstSequence = 1) : decoder(handle), sequence(firstSequence) {}

    int32_t Decode(const testmedia::EncodedVideoFrame& frame, TEGMO_YUV_FRAME* out, uint8_t attribute = 0,
                   uint64_t base = 1000) {
        StreamFrameInfo info =
            testmedia::MakeFrameInfo(frame, sequence++, TimestampOf(frame.displayIndex, base), attribute);
        return TEGMO_DEC_VideoDecode(decoder, &info, frame.data.data(), static_cast<int32_t>(frame.data.size()), out);
    }
    void Skip() { ++sequence; }  // a frame lost on the way

    TEGMO_DEC_HANDLE decoder;
    uint8_t sequence;
};

// Encoded test streams, made once per test program.
inline const std::vector<testmedia::EncodedVideoFrame>& Stream640x480() {
    static const auto frames = [] {
        testmedia::H264Options options;
        options.width = 640;
        options.height = 480;
        options.frameCount = 3;
        return testmedia::EncodeH264(options);
    }();
    return frames;
}

// 320 x 240, an I-frame every 6 frames, no B-frames.
inline const std::vector<testmedia::EncodedVideoFrame>& StreamIP() {
    static const auto frames = [] {
        testmedia::H264Options options;
        options.frameCount = 18;
        options.gopSize = 6;
        return testmedia::EncodeH264(options);
    }();
    return frames;
}

// 320 x 240 with two B-frames between references, an I-frame every 12 frames.
inline const std::vector<testmedia::EncodedVideoFrame>& StreamIPB() {
    static const auto frames = [] {
        testmedia::H264Options options;
        options.frameCount = 24;
        options.gopSize = 12;
        options.bFrames = 2;
        return testmedia::EncodeH264(options);
    }();
    return frames;
}
