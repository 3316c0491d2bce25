// The most pixels kavimo decodes of one picture. A camera picture has a few million; a file whose
// header claims more (a damaged file, or one made to exhaust the memory) is refused before
// anything is allocated for its pixels. Header only and free of DCMTK and Qt, so that the
// application's picture code shares the same limit.
#pragma once

#include <cstdint>
#include <string>

#include "platform/text.h"

namespace dicom {

inline constexpr uint64_t kMaxPicturePixels = 100000000;

// True when a picture of this size may be decoded.
inline bool PictureSizeAllowed(uint64_t width, uint64_t height) {
    return width > 0 && height > 0 && width <= kMaxPicturePixels / height;
}

// The reason given for a picture over the limit.
inline std::string PictureTooLargeReason(uint64_t width, uint64_t height) {
    return text::Arg(text::Tr("the picture claims %1 \u00d7 %2 pixels, more than kavimo opens"),
                     {std::to_string(width), std::to_string(height)});
}

}  // namespace dicom
