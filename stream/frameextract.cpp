// The two frame extractors behind FrameRing_NextFrame. Both run on the parse thread, hold the
// ring's lock from the first look to the final discard, examine headers in place and
// copy a frame's data once, straight from the ring into the caller's frame buffer.
//
// Each call extracts exactly one complete frame, or discards bytes that cannot begin one, or
// leaves the ring untouched to wait for more bytes. A frame is only taken when all of it lies in
// the ring, and the extractors never wait for a frame that could not fit the ring at all: such a
// frame can only come from a corrupted length field, and waiting for it would stall the stream
// for good once the ring filled up.

#include <cstring>

#include "stream/framering.h"
#include "stream/framering_internal.h"

namespace stream_internal {

namespace {

constexpr uint8_t kLastFragmentFlag = 0x02;
constexpr uint32_t kFragmentedMinSecond = FRAME_PACKET_HEADER_SIZE + FRAME_BLOCK_SIZE;  // 40
constexpr uint32_t kWholeFrameMinSecond = FRAME_HEADER_SIZE;                            // 44
constexpr size_t kNotFound = static_cast<size_t>(-1);

uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}
uint64_t le64(const uint8_t* p) { return static_cast<uint64_t>(le32(p)) | (static_cast<uint64_t>(le32(p + 4)) << 32); }

// The first start code lying wholly in p[0, n), or kNotFound. Looks for the 01 byte with memchr,
// which is fast over payload bytes, then checks its neighbours.
size_t scanRegion(const uint8_t* p, size_t n) {
    if (n < 4) return kNotFound;
    size_t one = 2;                // index of the candidate 01 byte
    const size_t lastOne = n - 2;  // the type byte must follow it inside the region
    while (one <= lastOne) {
        const void* hit = std::memchr(p + one, 0x01, lastOne - one + 1);
        if (!hit) return kNotFound;
        size_t j = static_cast<size_t>(static_cast<const uint8_t*>(hit) - p);
        if (p[j - 1] == 0 && p[j - 2] == 0 && IsFrameType(p[j + 1])) return j - 2;
        one = j + 1;
    }
    return kNotFound;
}

// Holds the ring's lock for the whole of one extraction.
class RingLock {
public:
    explicit RingLock(FrameRingBuffer* ring) : m_ring(ring) { FrameRing_Lock(m_ring); }
    ~RingLock() { FrameRing_Unlock(m_ring); }
    RingLock(const RingLock&) = delete;
    RingLock& operator=(const RingLock&) = delete;

private:
    FrameRingBuffer* m_ring;
};

// Discards bytes up to the first start code. False when none was found (the examined bytes are
// then gone, the last three kept).
bool discardUntilStartCode(FrameRingBuffer* ring, uint32_t minSecond) {
    const uint8_t* first = nullptr;
    const uint8_t* second = nullptr;
    uint32_t firstLength = 0;
    uint32_t secondLength = 0;
    FrameRing_GetReadRegions(ring, &first, &firstLength, &second, &secondLength);
    StartCodeSearch search = SearchStartCode(first, firstLength, second, secondLength, minSecond);
    if (!search.found) {
        if (search.examined) FrameRing_Skip(ring, search.examined, 0);
        return false;
    }
    if (search.position) FrameRing_Skip(ring, search.position, 0);
    return true;
}

// Discards n bytes (n may exceed the unread bytes, which then all go).
void discard(FrameRingBuffer* ring, uint64_t n) {
    if (n == 0) return;
    FrameRing_Skip(ring, n > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(n), 0);
}

// Where one fragment's payload lies in the ring.
struct FragmentSpan {
    uint32_t payloadOffset;
    uint32_t payloadLength;
};
constexpr size_t kNotedFragments = 256;  // 2 KiB of stack; a 1400-byte split needs under 200

// A packet header of the fragmented framing, peeked from the ring.
struct PacketHeader {
    uint8_t raw[FRAME_PACKET_HEADER_SIZE];
    uint8_t sequence() const { return raw[5]; }
    uint8_t index() const { return raw[6]; }
    bool isLast() const { return (raw[7] & kLastFragmentFlag) != 0; }
    uint32_t payloadLength() const { return le32(raw + 8); }
    bool sameFrameAs(const PacketHeader& other) const {
        return std::memcmp(raw, other.raw, 4) == 0 && sequence() == other.sequence();
    }
};

// The unread bytes as the ring's two read regions, looked at in place. Taken under the ring's
// lock; valid until something is consumed.
class UnreadBytes {
public:
    explicit UnreadBytes(FrameRingBuffer* ring) {
        FrameRing_GetReadRegions(ring, &m_first, &m_firstLength, &m_second, &m_secondLength);
    }
    uint64_t size() const { return static_cast<uint64_t>(m_firstLength) + m_secondLength; }

    // Copies n bytes from a logical offset; offset + n must not exceed size().
    void copy(uint64_t offset, uint8_t* out, uint32_t n) const {
        if (offset + n <= m_firstLength) {
            std::memcpy(out, m_first + offset, n);
        } else if (offset >= m_firstLength) {
            std::memcpy(out, m_second + (offset - m_firstLength), n);
        } else {
            uint32_t head = m_firstLength - static_cast<uint32_t>(offset);
            std::memcpy(out, m_first + offset, head);
            std::memcpy(out + head, m_second, n - head);
        }
    }

    void packetHeader(uint64_t offset, PacketHeader* out) const { copy(offset, out->raw, FRAME_PACKET_HEADER_SIZE); }

private:
    const uint8_t* m_first = nullptr;
    const uint8_t* m_second = nullptr;
    uint32_t m_firstLength = 0;
    uint32_t m_secondLength = 0;
};

void fillFromFragments(const PacketHeader& packet, const uint8_t* block, ParsedFrameHeader* header) {
    std::memset(header, 0, sizeof *header);
    std::memcpy(header->startCode, packet.raw, 4);
    header->packetInfo = packet.raw[4];
    std::memcpy(header->blockInfo, block + 8, 3);
    header->attribute = block[11];
    header->sequence = packet.sequence();
    header->limitedValue = block[24];
    header->blockWord = le32(block + 16);
    header->frameLength = le32(block + 20);
    header->blockFlag10 = block[26] & 0x10u;
    header->size = (static_cast<uint32_t>(le16(block + 12)) << 16) | le16(block + 14);
    header->blockFlag01 = block[26] & 0x01u;
    header->timestamp = le64(block);
    header->blockByte25 = block[25];
    header->sequenceTail = packet.sequence();
}

}  // namespace

bool IsFrameType(uint8_t type) { return type == 0xA0 || type == 0xA1 || type == 0xA2 || type == 0xA4 || type == 0xA5; }

StartCodeSearch SearchStartCode(const uint8_t* first, uint32_t firstLength, const uint8_t* second,
                                uint32_t secondLength, uint32_t minSecond) {
    StartCodeSearch result;
    size_t hit = first ? scanRegion(first, firstLength) : kNotFound;
    if (hit != kNotFound) {
        result.found = true;
        result.position = static_cast<uint32_t>(hit);
        return result;
    }
    if (!second || secondLength < minSecond || secondLength < 3) {
        result.examined = firstLength >= 4 ? firstLength - 3 : 0;
        return result;
    }
    auto byteAt = [&](uint32_t i) { return i < firstLength ? first[i] : second[i - firstLength]; };
    for (uint32_t back = 3; back >= 1; --back) {
        if (firstLength < back) continue;
        uint32_t p = firstLength - back;
        if (byteAt(p) == 0 && byteAt(p + 1) == 0 && byteAt(p + 2) == 1 && IsFrameType(byteAt(p + 3))) {
            result.found = true;
            result.position = p;
            return result;
        }
    }
    hit = scanRegion(second, secondLength);
    if (hit != kNotFound) {
        result.found = true;
        result.position = firstLength + static_cast<uint32_t>(hit);
        return result;
    }
    result.examined = firstLength + secondLength - 3;
    return result;
}

// Fragmented framing: 12-byte packet headers, the last followed by the 28-byte frame block.
StreamBool ExtractFragmentedFrame(FrameRingBuffer* ring, ParsedFrameHeader* header, uint8_t* frameBuffer) {
    if (FrameRing_Used(ring) < FRAME_PACKET_HEADER_SIZE + FRAME_BLOCK_SIZE) return 0;
    RingLock lock(ring);
    if (!discardUntilStartCode(ring, kFragmentedMinSecond)) return 0;
    const UnreadBytes unread(ring);
    const uint64_t used = unread.size();
    if (used <= 24) return 0;
    const uint64_t capacity = used + FrameRing_FreeSpace(ring);

    PacketHeader first;
    unread.packetHeader(0, &first);
    if (first.index() != 0) {
        // The rest of a frame whose start was lost: drop this fragment. A last fragment loses only
        // its header; the search then passes over its frame block and payload.
        uint64_t span = FRAME_PACKET_HEADER_SIZE;
        if (!first.isLast()) span += first.payloadLength();
        if (span > capacity) span = FRAME_PACKET_HEADER_SIZE;  // corrupted length: resynchronise
        discard(ring, span);
        return 0;
    }

    // Walk the fragments up to the one that carries the last-fragment flag, noting where the
    // payloads of the first few hundred lie so that the copy need not peek their headers again.
    FragmentSpan spans[kNotedFragments];
    size_t fragments = 0;
    PacketHeader current = first;
    uint64_t offset = 0;  // of the current fragment's packet header
    uint8_t expected = 0;
    for (;;) {
        if (fragments < kNotedFragments) {
            uint64_t payloadOffset = offset + FRAME_PACKET_HEADER_SIZE;
            if (current.isLast()) payloadOffset += FRAME_BLOCK_SIZE;
            spans[fragments] = {static_cast<uint32_t>(payloadOffset), current.payloadLength()};
        }
        ++fragments;
        if (current.isLast()) break;
        offset += FRAME_PACKET_HEADER_SIZE + static_cast<uint64_t>(current.payloadLength());
        if (offset + FRAME_PACKET_HEADER_SIZE + FRAME_BLOCK_SIZE > capacity) {
            discard(ring, FRAME_PACKET_HEADER_SIZE);  // could never lie whole in the ring
            return 0;
        }
        if (offset + FRAME_PACKET_HEADER_SIZE >= used) return 0;  // wait for the next header
        PacketHeader next;
        unread.packetHeader(offset, &next);
        if (!next.sameFrameAs(first) || next.index() != static_cast<uint8_t>(expected + 1)) {
            // A foreign packet or a gap in the fragment index: the frame is incomplete. Drop it
            // up to that packet, which the next call then starts with.
            discard(ring, offset);
            return 0;
        }
        ++expected;
        current = next;
    }

    const uint64_t blockOffset = offset + FRAME_PACKET_HEADER_SIZE;
    const uint64_t frameEnd = blockOffset + FRAME_BLOCK_SIZE + current.payloadLength();
    if (frameEnd > capacity) {
        discard(ring, FRAME_PACKET_HEADER_SIZE);  // could never lie whole in the ring
        return 0;
    }
    if (frameEnd > used) return 0;  // wait for the rest of the last payload

    uint8_t block[FRAME_BLOCK_SIZE];
    unread.copy(blockOffset, block, FRAME_BLOCK_SIZE);
    fillFromFragments(first, block, header);
    if (header->frameLength > FRAME_RING_MAX_FRAGMENTED_LENGTH || header->limitedValue > FRAME_RING_MAX_LIMITED_VALUE) {
        discard(ring, blockOffset);  // leaves the frame block and payload to the search
        return 0;
    }

    // Copy the payloads in fragment order, at most frame-length bytes. When the payloads hold
    // fewer bytes than the frame length claims, only what was copied is handed on.
    uint32_t remaining = header->frameLength;
    uint32_t copied = 0;
    uint64_t at = 0;  // header of the fragment after the noted ones
    for (size_t i = 0; i < fragments && remaining > 0; ++i) {
        FragmentSpan span;
        if (i < kNotedFragments) {
            span = spans[i];
        } else {
            PacketHeader fragment;
            unread.packetHeader(at, &fragment);
            uint64_t payloadOffset = at + FRAME_PACKET_HEADER_SIZE;
            if (fragment.isLast()) payloadOffset += FRAME_BLOCK_SIZE;
            span = {static_cast<uint32_t>(payloadOffset), fragment.payloadLength()};
        }
        at = static_cast<uint64_t>(span.payloadOffset) + span.payloadLength;
        uint32_t n = span.payloadLength < remaining ? span.payloadLength : remaining;
        if (n) {
            unread.copy(span.payloadOffset, frameBuffer + copied, n);
            copied += n;
            remaining -= n;
        }
    }
    header->frameLength = copied;
    discard(ring, frameEnd);
    return 1;
}

// Whole-frame framing: a 44-byte header laid out as ParsedFrameHeader, then the frame's data.
StreamBool ExtractWholeFrame(FrameRingBuffer* ring, ParsedFrameHeader* header, uint8_t* frameBuffer) {
    if (FrameRing_Used(ring) < FRAME_HEADER_SIZE) return 0;
    RingLock lock(ring);
    if (!discardUntilStartCode(ring, kWholeFrameMinSecond)) return 0;
    const uint64_t used = FrameRing_Used(ring);
    if (used < FRAME_HEADER_SIZE) return 0;
    const uint64_t capacity = used + FrameRing_FreeSpace(ring);

    uint8_t raw[FRAME_HEADER_SIZE];
    uint32_t rawLength = FRAME_HEADER_SIZE;
    FrameRing_Peek(ring, raw, &rawLength, 0, 0);
    const uint32_t frameLength = le32(raw + offsetof(ParsedFrameHeader, frameLength));
    if (frameLength > FRAME_RING_FRAME_BUFFER_SIZE ||
        FRAME_HEADER_SIZE + static_cast<uint64_t>(frameLength) > capacity) {
        // Longer than the frame buffer (or than the ring itself): never copied. Only the header
        // is dropped, at once; the search then passes over the frame's data up to the next start
        // code, so the stream does not wait for bytes it would throw away.
        discard(ring, FRAME_HEADER_SIZE);
        return 0;
    }
    if (FRAME_HEADER_SIZE + static_cast<uint64_t>(frameLength) > used) return 0;  // wait

    std::memcpy(header, raw, sizeof *header);
    header->sequenceTail = header->sequence;
    uint32_t n = frameLength;
    if (n) FrameRing_Peek(ring, frameBuffer, &n, FRAME_HEADER_SIZE, 0);
    discard(ring, FRAME_HEADER_SIZE + static_cast<uint64_t>(frameLength));
    return 1;
}

}  // namespace stream_internal
