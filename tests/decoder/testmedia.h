// Test media made on the spot: H.264 access units from libavcodec's libx264 encoder and AAC frames
// in ADTS from its native encoder, so that no binary samples are shipped. Shared by the decoder
// tests and benchmarks, the player tests and the camera simulator (target kavimo_testmedia).
//
// Every function throws std::runtime_error when the encoder cannot be set up or fails. The encoders
// lower libav's log level to warnings (their statistics lines are noise in test output).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "stream/streamframeinfo.h"

namespace testmedia {

// One encoded picture as the camera sends it: an Annex B access unit (an I-frame carries its SPS
// and PPS in front).
struct EncodedVideoFrame {
    std::vector<uint8_t> data;
    uint8_t kind = 0;          // 0 I-frame, 1 P-frame, 2 B-frame (StreamFrameInfo.frameKind)
    int64_t displayIndex = 0;  // index of the source picture, in display order, within its segment
    int width = 0;
    int height = 0;
};

struct H264Options {
    int width = 320;
    int height = 240;
    int frameCount = 25;
    int bFrames = 0;  // B-frames between references (never used as references)
    int gopSize = 0;  // frames from one I-frame to the next; 0: only the first frame is an I-frame
    int fps = 25;
    int crf = 23;
    std::string preset = "ultrafast";
    int firstPicture = 0;  // FillPicture index of the first source picture (moves the content on)
    int noise = 0;         // amplitude of fixed pseudo-random luma noise (sensor-like texture); 0 none
};

// Encodes options.frameCount synthetic pictures (FillPicture) and returns them in decode order. The
// stream is single-slice and each I-frame is an IDR picture with SPS and PPS in front.
std::vector<EncodedVideoFrame> EncodeH264(const H264Options& options);

// The synthetic picture number `index`: a diagonal luma ramp moving with the index, a bright square
// travelling across it, and chroma ramps. Planes are 4:2:0 ((width+1)/2 x (height+1)/2 chroma).
void FillPicture(int index, int width, int height, uint8_t* planeY, int strideY, uint8_t* planeCb, int strideCb,
                 uint8_t* planeCr, int strideCr);

// Mean absolute difference between a decoded luma plane and FillPicture(index)'s (0 = identical);
// a few units for a good decode of the right picture, tens for a wrong one.
double LumaDifference(int index, int width, int height, const uint8_t* planeY, int strideY);

// The frame description a stream receiver would build for `frame`.
StreamFrameInfo MakeFrameInfo(const EncodedVideoFrame& frame, uint8_t sequence, uint64_t timestamp,
                              uint8_t attribute = 0);

struct AacOptions {
    int sampleRate = 16000;
    int channels = 1;
    int frameCount = 8;  // ADTS frames returned (the encoder's priming frame included)
    int bitRate = 32000;
    double toneHz = 440.0;  // sine tone at half scale
};

// Encodes a sine tone with the native "aac" encoder (AAC LC, 1024 samples per frame) and returns
// each frame with its 7-byte ADTS header in front.
std::vector<std::vector<uint8_t>> EncodeAacAdts(const AacOptions& options);

// The 7-byte ADTS header (MPEG-4, AAC LC, no CRC) of a frame carrying `payloadLength` raw bytes.
std::vector<uint8_t> MakeAdtsHeader(int payloadLength, int sampleRate, int channels);

}  // namespace testmedia
