// G.711 expansion (ITU-T G.711) by formula, without tables.
#pragma once

#include <cstdint>

// A-law code byte to a linear sample (13-bit range, scaled as in the standard): 0xD5 -> +8, 0x55 -> -8.
inline int16_t G711AlawToLinear(uint8_t code) {
    const uint8_t value = code ^ 0x55;  // even bits are transmitted inverted
    const int mantissa = value & 0x0F;
    const int segment = (value >> 4) & 0x07;
    int magnitude = mantissa * 16 + 8;
    if (segment > 0) magnitude = (mantissa * 16 + 264) << (segment - 1);
    return static_cast<int16_t>((value & 0x80) ? magnitude : -magnitude);
}

// µ-law code byte to a linear sample (14-bit range): 0xFF -> 0, 0x7F -> 0, 0x00 -> -32124.
inline int16_t G711UlawToLinear(uint8_t code) {
    const uint8_t value = static_cast<uint8_t>(~code);
    const int mantissa = value & 0x0F;
    const int segment = (value >> 4) & 0x07;
    const int magnitude = ((mantissa * 8 + 132) << segment) - 132;
    return static_cast<int16_t>((value & 0x80) ? -magnitude : magnitude);
}

// A linear sample as unsigned 8-bit PCM (silence 128).
inline uint8_t LinearToUnsigned8(int16_t sample) { return static_cast<uint8_t>((sample >> 8) + 128); }
