// Where the simulated stream camera's H.264 access units come from: encoded on the fly with
// libx264 (through libavcodec) from a moving synthetic test picture, or read from an Annex B file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace camsim {

struct AccessUnit {
    std::vector<uint8_t> data;  // Annex B bytes of one picture (SPS/PPS in front of each IDR)
    bool keyFrame = false;
};

class H264Source {
public:
    virtual ~H264Source() = default;
    // The next access unit; false when none can be produced (an error was printed).
    virtual bool Next(AccessUnit* unit) = 0;
};

// Encodes a moving test picture. Returns null (with a message in *error) when libavcodec has
// no libx264 encoder or it cannot be opened with these settings.
std::unique_ptr<H264Source> MakeTestPatternSource(int width, int height, int fps, int gop, int bitrateKbps,
                                                  std::string* error);

// Plays an Annex B file's access units in a loop. Null (with *error) when the file cannot be
// read or holds no picture.
std::unique_ptr<H264Source> MakeFileSource(const std::string& path, std::string* error);

// Splits an Annex B byte stream into access units (exposed for tests).
std::vector<AccessUnit> SplitAccessUnits(const std::vector<uint8_t>& stream);

}  // namespace camsim
