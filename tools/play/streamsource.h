// Where kavimo-play's H.264 frames come from: an elementary-stream file split into access units, or a
// test pattern encoded on the spot with libavcodec's libx264 encoder.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct H264Frame {
    std::vector<uint8_t> data;  // one access unit, Annex B
    bool keyFrame = false;      // an IDR picture (the camera's I-frame)
};

class H264Source {
public:
    virtual ~H264Source() = default;
    // The next frame; false at the end of the stream (or on an error, with `error` set).
    virtual bool Next(H264Frame* frame, std::string* error) = 0;
};

// Reads an H.264 elementary stream (Annex B byte stream) and hands out one access unit at a time.
std::unique_ptr<H264Source> OpenH264File(const std::string& path, std::string* error);

// Encodes a moving test pattern (colour bars, a travelling white square, a frame counter in binary)
// of the given size; endless. Null with `error` when libx264 is not available.
std::unique_ptr<H264Source> MakeTestPatternSource(int width, int height, int fps, std::string* error);
