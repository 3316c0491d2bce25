// The camera's side of the stream framing: turns a frame into the bytes of the fragmented framing
// (12-byte packet headers, a 28-byte frame block after the last one) or of the whole-frame framing
// (a 44-byte header, then the data).
//
// Two ways to use it:
//  - allocation-free, for a sender that reuses its buffers: FragmentCount / FragmentSize /
//    WriteFragment write one fragment (one datagram, as a camera sends it) into a caller's buffer;
//    WriteFragmented and WriteWholeFrame write a whole frame;
//  - convenient, for tests: Fragmented and WholeFrame return the bytes in a vector.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "stream/framering.h"

namespace stream {

// One frame as the camera sends it.
struct OutgoingFrame {
    uint8_t type = 0xA1;   // frame-type byte after 00 00 01: A1 I, A0 P, A2 B, A4/A5 other
    uint8_t sequence = 0;  // frame sequence number, wraps at 256
    uint64_t timestamp = 0;
    uint8_t attribute = 0;  // video attribute code
    uint16_t sizeWord1 = 0;
    uint16_t sizeWord2 = 0;
    // Fields the receiver carries without interpreting them.
    uint8_t packetInfo = 0;     // packet header byte 4
    uint8_t blockInfo[3] = {};  // frame block bytes 8..10
    uint32_t blockWord = 0;     // frame block bytes 16..19
    uint8_t limitedValue = 0;   // frame block byte 24; a frame with more than 30 is refused
    uint8_t blockByte25 = 0;    // frame block byte 25
    uint8_t blockFlags = 0;     // frame block byte 26 (bits 0x10 and 0x01 are carried)
    uint8_t blockByte27 = 0;    // frame block byte 27 (ignored by the receiver)
    uint8_t fragmentFlags = 0;  // other bits of every packet header's flags byte (0x02 is set
                                // by the writer on the last fragment only)
    // The frame length written into the frame block or header; the payload size when unset.
    // Set it to describe a frame whose length field lies.
    std::optional<uint32_t> declaredLength;
    const uint8_t* payload = nullptr;
    size_t payloadSize = 0;

    uint32_t frameLength() const { return declaredLength ? *declaredLength : static_cast<uint32_t>(payloadSize); }
};

// Number of fragments for a payload when each fragment carries at most fragmentPayload bytes
// (0: no limit). Always at least 1.
size_t FragmentCount(const OutgoingFrame& frame, size_t fragmentPayload);

// Bytes of fragment `index` (packet header, frame block on the last, payload); 0 when out of range.
size_t FragmentSize(const OutgoingFrame& frame, size_t fragmentPayload, size_t index);

// Bytes of the whole frame in the fragmented framing.
size_t FragmentedSize(const OutgoingFrame& frame, size_t fragmentPayload);

// Writes fragment `index` into out; returns the bytes written, 0 when the index is out of range
// or out is too small.
size_t WriteFragment(const OutgoingFrame& frame, size_t fragmentPayload, size_t index, uint8_t* out, size_t outSize);

// Writes every fragment of the frame, in order; returns the bytes written or 0 when out is too
// small.
size_t WriteFragmented(const OutgoingFrame& frame, size_t fragmentPayload, uint8_t* out, size_t outSize);

std::vector<uint8_t> Fragmented(const OutgoingFrame& frame, size_t fragmentPayload);

// Bytes of the frame in the whole-frame framing (44 + payload).
size_t WholeFrameSize(const OutgoingFrame& frame);

// Writes the 44-byte header and the payload; returns the bytes written or 0 when out is too small.
size_t WriteWholeFrame(const OutgoingFrame& frame, uint8_t* out, size_t outSize);

std::vector<uint8_t> WholeFrame(const OutgoingFrame& frame);

// The header an extractor gives for the frame (and the whole-frame framing's wire header).
ParsedFrameHeader HeaderFor(const OutgoingFrame& frame);

}  // namespace stream
