// Arbitrary bytes through FrameRing_Write and FrameRing_NextFrame, for one framing (FUZZ_FRAMING:
// 1 fragmented, 7 whole-frame), checking the invariants after every step.
//
// Input: byte 0 picks the ring's capacity, byte 1 seeds the sizes of the writes (some of them
// two-phase writes, as the receive thread makes them), the rest is the stream.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "stream/framering.h"

#ifndef FUZZ_FRAMING
#error "FUZZ_FRAMING must be 1 or 7"
#endif

namespace {

constexpr int kFraming = FUZZ_FRAMING;
constexpr bool kFragmented = kFraming == FRAMING_FRAGMENTED;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void check(bool condition, const char* what) {
    if (!condition) fail(what);
}

// The ring's view of itself must stay consistent.
void checkRing(FrameRingBuffer* ring, uint32_t capacity) {
    uint32_t used = FrameRing_Used(ring);
    check(used <= capacity, "used <= capacity");
    check(used + FrameRing_FreeSpace(ring) == capacity, "used + free = capacity");
    const uint8_t* first = nullptr;
    const uint8_t* second = nullptr;
    uint32_t firstLength = 0, secondLength = 0;
    FrameRing_GetReadRegions(ring, &first, &firstLength, &second, &secondLength);
    check(firstLength + secondLength == used, "read regions cover the unread bytes");
    const uint8_t* storage = FrameRing_Storage(ring);
    check(first >= storage && first + firstLength <= storage + capacity, "first region in storage");
    check(!second || (second == storage && secondLength <= capacity), "second region in storage");
}

// Extracts while frames come out or bytes are discarded; checks every frame.
void drain(FrameRingBuffer* ring, uint32_t capacity, uint8_t* frameBuffer) {
    ParsedFrameHeader header;
    for (;;) {
        uint32_t before = FrameRing_Used(ring);
        StreamBool got = FrameRing_NextFrame(ring, &header, frameBuffer);
        uint32_t after = FrameRing_Used(ring);
        checkRing(ring, capacity);
        if (got) {
            check(after < before, "an extracted frame is consumed");
            check(header.frameLength <= FRAME_RING_FRAME_BUFFER_SIZE, "frame fits the buffer");
            check(header.frameLength <= before, "frame came from the ring");
            check(header.startCode[0] == 0 && header.startCode[1] == 0 && header.startCode[2] == 1,
                  "frame begins with a start code");
            check(header.sequenceTail == header.sequence, "byte 43 is the sequence number");
            if (kFragmented) {
                check(header.frameLength <= FRAME_RING_MAX_FRAGMENTED_LENGTH, "fragmented frame within its limit");
                check(header.limitedValue <= FRAME_RING_MAX_LIMITED_VALUE, "byte 24 within 30");
            }
        } else if (after >= before) {
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    static const int kCapacities[] = {kFragmented ? 512000 : 1048576, 4096, 100, 65536};
    const uint32_t capacity = static_cast<uint32_t>(kCapacities[data[0] % 4]);
    uint32_t seed = data[1] | 0x100u;
    data += 2;
    size -= 2;

    FrameRingBuffer* ring = FrameRing_Create(kFraming, static_cast<int>(capacity));
    static uint8_t* frameBuffer = static_cast<uint8_t*>(std::malloc(FRAME_RING_FRAME_BUFFER_SIZE));
    while (size > 0) {
        seed = seed * 1103515245u + 12345u;
        size_t chunk = 1 + (seed >> 8) % 3000;
        if (chunk > size) chunk = size;
        if ((seed >> 28) & 1) {
            FrameRing_Write(ring, data, static_cast<uint32_t>(chunk));  // may clear on overflow
        } else {  // a two-phase write: dropped whole when it does not fit
            FrameRing_Lock(ring);
            uint8_t* first = nullptr;
            uint8_t* second = nullptr;
            uint32_t firstLength = 0, secondLength = 0;
            if (FrameRing_GetWriteRegions(ring, &first, &firstLength, &second, &secondLength) &&
                firstLength + secondLength >= chunk) {
                size_t head = chunk < firstLength ? chunk : firstLength;
                std::memcpy(first, data, head);
                if (chunk > head) std::memcpy(second, data + head, chunk - head);
                check(FrameRing_CommitWrite(ring, static_cast<uint32_t>(chunk)), "commit fits");
            }
            FrameRing_Unlock(ring);
        }
        data += chunk;
        size -= chunk;
        checkRing(ring, capacity);
        drain(ring, capacity, frameBuffer);
    }
    FrameRing_Destroy(ring);
    return 0;
}
