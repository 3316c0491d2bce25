/* The description of one received video frame: what the stream receiver hands to its callback,
 * and what the decoder library takes as the frame-information argument of its decode calls.
 * Plain C, 24 bytes, little-endian, no padding. */
#ifndef KAVIMO_STREAM_STREAMFRAMEINFO_H
#define KAVIMO_STREAM_STREAMFRAMEINFO_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#pragma pack(push, 1)
typedef struct StreamFrameInfo {
    uint8_t frameKind;  /* 0 = I-frame (A1), 1 = P-frame (A0), 2 = B-frame (A2) */
    uint8_t reserved1;  /* always 0 */
    uint8_t attribute;  /* video attribute code; the decoder rebuilds itself when it changes */
    uint8_t reserved3;  /* 0 */
    uint16_t sizeWord1; /* upper half of the header's size field */
    uint16_t sizeWord2; /* lower half of the header's size field */
    uint64_t timestamp; /* carried through decoding as the picture's presentation time */
    uint8_t sequence;   /* frame sequence number, wraps at 256 */
    uint8_t reserved17[7];
} StreamFrameInfo;
#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(StreamFrameInfo) == 24, "StreamFrameInfo is 24 bytes");
static_assert(offsetof(StreamFrameInfo, frameKind) == 0, "frame kind at 0");
static_assert(offsetof(StreamFrameInfo, reserved1) == 1, "reserved byte at 1");
static_assert(offsetof(StreamFrameInfo, attribute) == 2, "attribute at 2");
static_assert(offsetof(StreamFrameInfo, reserved3) == 3, "reserved byte at 3");
static_assert(offsetof(StreamFrameInfo, sizeWord1) == 4, "size word 1 at 4");
static_assert(offsetof(StreamFrameInfo, sizeWord2) == 6, "size word 2 at 6");
static_assert(offsetof(StreamFrameInfo, timestamp) == 8, "timestamp at 8");
static_assert(offsetof(StreamFrameInfo, sequence) == 16, "sequence at 16");
static_assert(offsetof(StreamFrameInfo, reserved17) == 17, "reserved tail at 17");
#else
_Static_assert(sizeof(StreamFrameInfo) == 24, "StreamFrameInfo is 24 bytes");
#endif

#ifdef __cplusplus
}
#endif

#endif /* KAVIMO_STREAM_STREAMFRAMEINFO_H */
