/* The frame ring buffer: a fixed-capacity byte ring between the stream receiver's receive thread
 * (the only producer) and its parse thread (the only consumer), and the two frame extractors that
 * cut complete frames out of it.
 *
 * Plain C interface: the buffer is an opaque pointer made by FrameRing_Create and freed by
 * FrameRing_Destroy. Every function accepts a null buffer and then does nothing and returns
 * false, 0 or null. Boolean results are bytes: 1 for true, 0 for false.
 *
 * Locking: one recursive lock per buffer. Functions marked "locks" take it themselves (a thread
 * that already holds it may call them); functions with a takeLock byte take it only when that byte
 * is non-zero and otherwise expect the caller to hold it (FrameRing_Lock / FrameRing_Unlock).
 * FrameRing_Unlock must only be called by the thread that holds the lock. */
#ifndef KAVIMO_STREAM_FRAMERING_H
#define KAVIMO_STREAM_FRAMERING_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A boolean result or flag: 1 = true, 0 = false. */
typedef uint8_t StreamBool;

/* Framing codes: which extractor reads a buffer. */
enum {
    FRAMING_FRAGMENTED = 1,      /* 12-byte packet headers, 28-byte frame block after the last one */
    FRAMING_WHOLE_FRAME = 7,     /* a 44-byte header (ParsedFrameHeader) before each frame */
    FRAMING_WHOLE_FRAME_ALT = 13 /* the same as 7 */
};

/* Size of the frame buffer that FrameRing_NextFrame fills: the caller's buffer must hold at least
 * this many bytes. No frame longer than this is ever copied. */
#define FRAME_RING_FRAME_BUFFER_SIZE 524288u

/* The longest frame the fragmented framing carries (frame block length field). */
#define FRAME_RING_MAX_FRAGMENTED_LENGTH 262144u

/* The largest value of the fragmented frame block's byte 24. */
#define FRAME_RING_MAX_LIMITED_VALUE 30u

/* Sizes of the wire structures. */
#define FRAME_PACKET_HEADER_SIZE 12u
#define FRAME_BLOCK_SIZE 28u
#define FRAME_HEADER_SIZE 44u

/* The extracted frame's header (44 bytes, little-endian). It is also the wire header of the
 * whole-frame framing. Only startCode, attribute, frameLength, size, timestamp and sequenceTail are
 * read downstream; the other fields are carried for completeness. */
#pragma pack(push, 1)
typedef struct ParsedFrameHeader {
    uint8_t startCode[4];  /* 00 00 01 and the frame-type byte */
    uint8_t reserved4;     /* 0 */
    uint8_t packetInfo;    /* packet header byte 4; not interpreted */
    uint8_t blockInfo[3];  /* frame block bytes 8..10; not interpreted */
    uint8_t attribute;     /* video attribute code */
    uint8_t sequence;      /* frame sequence number */
    uint8_t limitedValue;  /* at most 30 in the fragmented framing */
    uint32_t blockWord;    /* frame block bytes 16..19; not interpreted */
    uint32_t frameLength;  /* number of frame data bytes */
    uint32_t blockFlag10;  /* frame block byte 26 AND 0x10; not interpreted */
    uint32_t size;         /* size word 1 in the upper 16 bits, size word 2 in the lower */
    uint32_t blockFlag01;  /* frame block byte 26 AND 0x01; not interpreted */
    uint64_t timestamp;    /* timestamp of the frame */
    uint8_t blockByte25;   /* frame block byte 25; not interpreted */
    uint8_t reserved41[2]; /* 0 */
    uint8_t sequenceTail;  /* frame sequence number (a copy of byte 10 after extraction) */
} ParsedFrameHeader;
#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(ParsedFrameHeader) == 44, "ParsedFrameHeader is 44 bytes");
static_assert(offsetof(ParsedFrameHeader, startCode) == 0, "start code at 0");
static_assert(offsetof(ParsedFrameHeader, reserved4) == 4, "reserved byte at 4");
static_assert(offsetof(ParsedFrameHeader, packetInfo) == 5, "packet info at 5");
static_assert(offsetof(ParsedFrameHeader, blockInfo) == 6, "block info at 6");
static_assert(offsetof(ParsedFrameHeader, attribute) == 9, "attribute at 9");
static_assert(offsetof(ParsedFrameHeader, sequence) == 10, "sequence at 10");
static_assert(offsetof(ParsedFrameHeader, limitedValue) == 11, "limited value at 11");
static_assert(offsetof(ParsedFrameHeader, blockWord) == 12, "block word at 12");
static_assert(offsetof(ParsedFrameHeader, frameLength) == 16, "frame length at 16");
static_assert(offsetof(ParsedFrameHeader, blockFlag10) == 20, "flag 0x10 at 20");
static_assert(offsetof(ParsedFrameHeader, size) == 24, "size at 24");
static_assert(offsetof(ParsedFrameHeader, blockFlag01) == 28, "flag 0x01 at 28");
static_assert(offsetof(ParsedFrameHeader, timestamp) == 32, "timestamp at 32");
static_assert(offsetof(ParsedFrameHeader, blockByte25) == 40, "block byte 25 at 40");
static_assert(offsetof(ParsedFrameHeader, reserved41) == 41, "reserved bytes at 41");
static_assert(offsetof(ParsedFrameHeader, sequenceTail) == 43, "sequence copy at 43");
#else
_Static_assert(sizeof(ParsedFrameHeader) == 44, "ParsedFrameHeader is 44 bytes");
#endif

typedef struct FrameRingBuffer FrameRingBuffer;

/* A new empty buffer read by the extractor of the framing code, or null when the capacity is not
 * positive or memory runs out (nothing is then left allocated). */
FrameRingBuffer* FrameRing_Create(int framing, int capacity);

/* Frees the storage, the lock and the object. Only once no other thread uses the buffer. */
void FrameRing_Destroy(FrameRingBuffer* ring);

/* Appends length bytes (locks). When they do not fit the free space, every unread byte is
 * discarded, nothing is stored and false is returned. False also for a null source or length 0. */
StreamBool FrameRing_Write(FrameRingBuffer* ring, const void* source, uint32_t length);

/* Copies and consumes exactly *length bytes (locks). When fewer are unread, *length is set to the
 * unread count, nothing is consumed and false is returned. */
StreamBool FrameRing_Read(FrameRingBuffer* ring, void* destination, uint32_t* length);

/* Copies up to *length bytes starting offset bytes after the oldest unread byte, consuming nothing.
 * *length becomes the number copied; false (and *length 0) when nothing could be copied. */
StreamBool FrameRing_Peek(FrameRingBuffer* ring, void* destination, uint32_t* length, uint32_t offset,
                          StreamBool takeLock);

/* Consumes count bytes; a count above the unread bytes clears the ring. False only for count 0. */
StreamBool FrameRing_Skip(FrameRingBuffer* ring, uint32_t count, StreamBool takeLock);

/* Discards every unread byte (locks). */
StreamBool FrameRing_Clear(FrameRingBuffer* ring);

/* Number of unread bytes (locks). */
uint32_t FrameRing_Used(FrameRingBuffer* ring);

/* Capacity less unread bytes (locks). */
uint32_t FrameRing_FreeSpace(FrameRingBuffer* ring);

StreamBool FrameRing_Lock(FrameRingBuffer* ring);
StreamBool FrameRing_Unlock(FrameRingBuffer* ring);

/* The free space as up to two regions in storage order (locks); the second is (null, 0) when the
 * free space does not wrap. False when the ring is full. Fill them, then FrameRing_CommitWrite. */
StreamBool FrameRing_GetWriteRegions(FrameRingBuffer* ring, uint8_t** first, uint32_t* firstLength, uint8_t** second,
                                     uint32_t* secondLength);

/* Makes count bytes written into the write regions readable (locks). False, and nothing changes,
 * when count exceeds the free space. */
StreamBool FrameRing_CommitWrite(FrameRingBuffer* ring, uint32_t count);

/* The unread bytes as up to two regions in stream order (locks); the second is (null, 0) when they
 * do not wrap. An empty ring gives a first region of length 0. */
StreamBool FrameRing_GetReadRegions(FrameRingBuffer* ring, const uint8_t** first, uint32_t* firstLength,
                                    const uint8_t** second, uint32_t* secondLength);

/* Points *data at the oldest unread byte and returns how many unread bytes follow it contiguously
 * (locks). */
uint32_t FrameRing_GetContiguousRead(FrameRingBuffer* ring, const uint8_t** data);

/* True while at most two thirds of the capacity is unread (locks). */
StreamBool FrameRing_IsBelowTwoThirds(FrameRingBuffer* ring);

/* The storage itself (no lock). */
uint8_t* FrameRing_Storage(FrameRingBuffer* ring);

/* Extracts one complete frame with the extractor of the ring's framing: fills *header, copies the
 * frame's data (header->frameLength bytes) into frameBuffer, which must hold
 * FRAME_RING_FRAME_BUFFER_SIZE bytes, and consumes the frame. False when no complete frame lies in
 * the ring; bytes that cannot begin a frame may have been discarded. Takes the lock itself. */
StreamBool FrameRing_NextFrame(FrameRingBuffer* ring, ParsedFrameHeader* header, uint8_t* frameBuffer);

#ifdef __cplusplus
}
#endif

#endif /* KAVIMO_STREAM_FRAMERING_H */
