// Inside the stream library: the ring's fields and the pieces the frame extractors share.
// Not part of the library's interface; tests include it to reach the start-code search.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>

#include "stream/framering.h"

// The whole-frame framing's header is read by laying ParsedFrameHeader over the wire bytes.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the stream formats are little-endian");

struct FrameRingBuffer {
    std::recursive_mutex lock;  // guards every other field
    uint32_t readPos = 0;       // oldest unread byte
    uint32_t writePos = 0;      // where the next byte goes
    uint32_t used = 0;          // unread bytes; tells a full ring from an empty one
    uint32_t capacity = 0;      // size of storage, never 0
    std::unique_ptr<uint8_t[]> storage;
    int32_t framing = 0;  // 1, 7 or 13; decides the extractor
};

namespace stream_internal {

// Outcome of a start-code search over the ring's two read regions.
struct StartCodeSearch {
    bool found = false;
    uint32_t position = 0;  // logical offset of the start code when found
    uint32_t examined = 0;  // bytes that can be discarded when none was found
};

// Searches the first region, then -- only once the second region holds at least minSecond bytes
// -- the three positions that straddle the two regions and the second region. Accepts the frame
// types A0, A1, A2, A4 and A5. When nothing is found, `examined` leaves the last three bytes
// looked at in place, so that a start code split across two arrivals is still found later.
StartCodeSearch SearchStartCode(const uint8_t* first, uint32_t firstLength, const uint8_t* second,
                                uint32_t secondLength, uint32_t minSecond);

// True for the frame-type bytes that begin a frame.
bool IsFrameType(uint8_t type);

StreamBool ExtractFragmentedFrame(FrameRingBuffer* ring, ParsedFrameHeader* header, uint8_t* frameBuffer);
StreamBool ExtractWholeFrame(FrameRingBuffer* ring, ParsedFrameHeader* header, uint8_t* frameBuffer);

}  // namespace stream_internal
