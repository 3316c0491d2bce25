// The simulated picture camera's JPEG pictures: a moving synthetic test picture encoded with
// libjpeg.
#pragma once

#include <cstdint>
#include <vector>

namespace camsim {

class JpegSource {
public:
    JpegSource(int width, int height);
    // Encodes picture number `index` at the quality (1..100). Empty on failure.
    std::vector<uint8_t> Picture(int64_t index, int quality);

private:
    int m_width;
    int m_height;
    std::vector<uint8_t> m_rgb;
};

}  // namespace camsim
