// The JPEG side of a picture object: what a picture's JPEG data says about it, whether the data is
// whole, and turning it into RGB pixels (upright, as its EXIF orientation says) or RGB pixels back
// into baseline JPEG. Plain functions over bytes in memory; any thread may call them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dicom {

// What a picture's JPEG data says about it.
struct JpegFacts {
    uint64_t width = 0, height = 0;  // as stored, before any turn
    // The colour model under which the JPEG data can travel unchanged (YBR_FULL_422, MONOCHROME2);
    // empty when it cannot: the picture must be decoded.
    std::string photometric;
    // The EXIF orientation (1 to 8; 1 is upright, also when the picture names none).
    int orientation = 1;
};

// Reads the JPEG's headers and decodes its data (at a fraction of its size, which still reads
// every coded bit), so that a picture cut short or damaged is refused rather than made into an
// object with a grey or scrambled part. False, with the reason, for data that is not a complete
// and sound JPEG, or a picture larger than kavimo decodes (kMaxPicturePixels, checked before
// anything is decoded).
bool CheckJpeg(const unsigned char* data, size_t size, JpegFacts* facts, std::string* reason);

// The EXIF orientation an APP1 segment's payload (from "Exif\0\0" on) names: 1 to 8, or 1 when it
// names none or cannot be read.
int ExifOrientation(const unsigned char* data, size_t size);

// 8-bit RGB pixels, row by row.
struct RgbPicture {
    unsigned width = 0, height = 0;
    std::vector<unsigned char> pixels;
};

// Decodes a JPEG to RGB, turned upright by `orientation` (EXIF 1 to 8: mirrored and/or turned
// by quarter turns). False, with the reason, when it cannot be decoded or is larger than kavimo
// decodes.
bool DecodeJpeg(const unsigned char* data, size_t size, int orientation, RgbPicture* picture, std::string* reason);

// Encodes RGB pixels as baseline JPEG, YCbCr with its chroma halved across (4:2:2), without an
// APP segment. False, with the reason, when libjpeg fails.
bool EncodeJpeg(const RgbPicture& picture, int quality, std::string* jpeg, std::string* reason);

}  // namespace dicom
