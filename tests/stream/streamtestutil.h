// Helpers shared by the stream tests: payloads, frame extraction, header comparison.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "stream/framering.h"
#include "stream/streamwriter.h"

namespace streamtest {

struct RingDeleter {
    void operator()(FrameRingBuffer* ring) const { FrameRing_Destroy(ring); }
};
using Ring = std::unique_ptr<FrameRingBuffer, RingDeleter>;

inline Ring MakeRing(int framing, int capacity) {
    Ring ring(FrameRing_Create(framing, capacity));
    EXPECT_NE(ring, nullptr);
    return ring;
}

// Moves both positions of an empty ring to `position`, so that what is written next starts there.
inline void PlaceAt(FrameRingBuffer* ring, uint32_t position) {
    FrameRing_Clear(ring);
    if (position == 0) return;
    std::vector<uint8_t> filler(position);
    ASSERT_TRUE(FrameRing_Write(ring, filler.data(), position));
    ASSERT_TRUE(FrameRing_Skip(ring, position, 1));
}

// Random payload bytes.
inline std::vector<uint8_t> RandomPayload(std::mt19937& rng, size_t size) {
    std::vector<uint8_t> bytes(size);
    for (auto& b : bytes) b = static_cast<uint8_t>(rng());
    return bytes;
}

// Payload bytes that never contain 01, so no start code can appear inside them: what an H.264
// payload guarantees for the frame-type bytes. Used where the search must pass over data.
inline std::vector<uint8_t> CleanPayload(size_t size, uint8_t seed = 7) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) {
        uint8_t b = static_cast<uint8_t>(seed + i * 31);
        bytes[i] = b == 0x01 ? 0x02 : b;
    }
    return bytes;
}

// A frame with every field set to something distinct, over the given payload.
inline stream::OutgoingFrame FullFrame(const std::vector<uint8_t>& payload, uint8_t type = 0xA1,
                                       uint8_t sequence = 0x35) {
    stream::OutgoingFrame f;
    f.type = type;
    f.sequence = sequence;
    f.timestamp = 0x1122334455667788ull + sequence;
    f.attribute = 0x09;
    f.sizeWord1 = 1280;
    f.sizeWord2 = 720;
    f.packetInfo = 0x44;
    f.blockInfo[0] = 0x61;
    f.blockInfo[1] = 0x62;
    f.blockInfo[2] = 0x63;
    f.blockWord = 0xCAFEF00D;
    f.limitedValue = 30;
    f.blockByte25 = 0x25;
    f.blockFlags = 0xFF;
    f.blockByte27 = 0x27;
    f.payload = payload.data();
    f.payloadSize = payload.size();
    return f;
}

struct Extracted {
    ParsedFrameHeader header;
    std::vector<uint8_t> data;
};

// Calls FrameRing_NextFrame for as long as it extracts frames or discards bytes, as the parse
// thread does. The frame buffer is exactly the documented size, so an overrun shows under the
// address sanitizer.
inline std::vector<Extracted> ExtractAll(FrameRingBuffer* ring) {
    std::vector<Extracted> frames;
    static thread_local std::vector<uint8_t> buffer(FRAME_RING_FRAME_BUFFER_SIZE);
    ParsedFrameHeader header;
    for (;;) {
        uint32_t before = FrameRing_Used(ring);
        if (FrameRing_NextFrame(ring, &header, buffer.data())) {
            EXPECT_LE(header.frameLength, FRAME_RING_FRAME_BUFFER_SIZE);
            frames.push_back({header, std::vector<uint8_t>(buffer.begin(), buffer.begin() + header.frameLength)});
        } else if (FrameRing_Used(ring) == before) {
            break;
        }
    }
    return frames;
}

// Field-by-field comparison, so a failure names the field.
inline void ExpectHeader(const ParsedFrameHeader& actual, const ParsedFrameHeader& expected) {
    EXPECT_EQ(0, std::memcmp(actual.startCode, expected.startCode, 4));
    EXPECT_EQ(actual.reserved4, expected.reserved4);
    EXPECT_EQ(actual.packetInfo, expected.packetInfo);
    EXPECT_EQ(0, std::memcmp(actual.blockInfo, expected.blockInfo, 3));
    EXPECT_EQ(actual.attribute, expected.attribute);
    EXPECT_EQ(actual.sequence, expected.sequence);
    EXPECT_EQ(actual.limitedValue, expected.limitedValue);
    EXPECT_EQ(actual.blockWord, expected.blockWord);
    EXPECT_EQ(actual.frameLength, expected.frameLength);
    EXPECT_EQ(actual.blockFlag10, expected.blockFlag10);
    EXPECT_EQ(actual.size, expected.size);
    EXPECT_EQ(actual.blockFlag01, expected.blockFlag01);
    EXPECT_EQ(actual.timestamp, expected.timestamp);
    EXPECT_EQ(actual.blockByte25, expected.blockByte25);
    EXPECT_EQ(actual.reserved41[0], 0);
    EXPECT_EQ(actual.reserved41[1], 0);
    EXPECT_EQ(actual.sequenceTail, expected.sequenceTail);
}

inline void Append(std::vector<uint8_t>& to, const std::vector<uint8_t>& bytes) {
    to.insert(to.end(), bytes.begin(), bytes.end());
}

inline bool Write(FrameRingBuffer* ring, const std::vector<uint8_t>& bytes) {
    return FrameRing_Write(ring, bytes.data(), static_cast<uint32_t>(bytes.size())) != 0;
}

}  // namespace streamtest
