// Snapshots: YUV 4:2:0 to 24-bit BGR with fixed-point tables, and the BMP file the player writes.
//
// Every entry of the four tables is scaled by 10000. For a pixel with luma y and chroma u (Cb), v (Cr):
//   R = clamp((redFromV[v] + luma[y]) / 10000)
//   B = clamp((blueFromU[u] + luma[y]) / 10000)
//   G = clamp((greenFromLuma[y] - 5094 R - 1942 B) / 10000)
// with signed division truncating toward zero and clamp limiting to 0..255.
#pragma once

#include <cstdint>

#include "decoder/TEGMO_Decoder.h"

class CYUV2RGB {
public:
    CYUV2RGB();

    // One pixel exactly as the tables define it; bgr receives blue, green, red.
    void ConvertPixel(uint8_t y, uint8_t u, uint8_t v, uint8_t* bgr) const;

    // One image row of `width` pixels (width even): luma samples y[0..width), chroma samples
    // u[0..width/2) and v[0..width/2) shared by pixel pairs; writes width x 3 bytes of BGR.
    // Uses the processor's vector unit when it has one; the result is the same as ConvertPixel's.
    void ConvertRow(const uint8_t* y, const uint8_t* u, const uint8_t* v, int32_t width, uint8_t* bgr) const;
    // The same with the tables only (the reference the vector path is checked against).
    void ConvertRowWithTables(const uint8_t* y, const uint8_t* u, const uint8_t* v, int32_t width, uint8_t* bgr) const;

    // The whole picture into width x height x 3 bytes, bottom row first (the BMP row order).
    void ConvertFrame(const TEGMO_YUV_FRAME& frame, uint8_t* bgr) const;

    int32_t BlueFromU(int i) const { return m_blueFromU[i]; }
    int32_t RedFromV(int i) const { return m_redFromV[i]; }
    int32_t Luma(int i) const { return m_luma[i]; }
    int32_t GreenFromLuma(int i) const { return m_greenFromLuma[i]; }

private:
    int32_t m_blueFromU[256];
    int32_t m_redFromV[256];
    int32_t m_luma[256];
    int32_t m_greenFromLuma[256];
};

// The library's tables: built on first use (safe against simultaneous first uses), freed by
// FreeYUV2RGB when the manager is destroyed. Never null.
const CYUV2RGB& GetYUV2RGB();
void FreeYUV2RGB();

// Writes the picture as an uncompressed 24-bit bottom-up BMP file. Returns 0 without creating a file
// when the record or path is null, the path empty, a plane missing, the width or height not a
// positive multiple of 16, or the pixel buffer cannot be allocated; 0 with
// "[WARN]Can not create BMP file: %s\n" when the file cannot be created. A short write is logged,
// the incomplete file removed, and 0 returned.
int32_t WriteBmpFile(const TEGMO_YUV_FRAME* frame, const char* path);

// Size in bytes of the BMP file of a width x height picture.
constexpr uint32_t BmpFileSize(uint32_t width, uint32_t height) { return 54 + width * height * 3; }
