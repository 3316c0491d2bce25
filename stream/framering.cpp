#include "stream/framering.h"

#include <cstring>
#include <memory>
#include <mutex>
#include <new>

#include "stream/framering_internal.h"

namespace {

// Advances a position by n (n <= capacity) and wraps it into [0, capacity).
uint32_t advance(uint32_t position, uint32_t n, uint32_t capacity) {
    uint32_t next = position + n;  // both below 2^31: no overflow
    if (next >= capacity) next -= capacity;
    return next;
}

// Takes the ring's lock when asked to, releases it on every path.
class OptionalLock {
public:
    OptionalLock(std::recursive_mutex& mutex, StreamBool take) : m_mutex(take ? &mutex : nullptr) {
        if (m_mutex) m_mutex->lock();
    }
    ~OptionalLock() {
        if (m_mutex) m_mutex->unlock();
    }
    OptionalLock(const OptionalLock&) = delete;
    OptionalLock& operator=(const OptionalLock&) = delete;

private:
    std::recursive_mutex* m_mutex;
};

using Guard = std::lock_guard<std::recursive_mutex>;

void clearLocked(FrameRingBuffer* ring) {
    ring->readPos = 0;
    ring->writePos = 0;
    ring->used = 0;
}

// Copies n bytes from logical offset `offset` (offset + n <= used) out of the ring.
void copyOut(const FrameRingBuffer* ring, uint32_t offset, uint8_t* destination, uint32_t n) {
    uint32_t start = advance(ring->readPos, offset, ring->capacity);
    uint32_t firstPart = ring->capacity - start;
    if (firstPart >= n) {
        std::memcpy(destination, ring->storage.get() + start, n);
    } else {
        std::memcpy(destination, ring->storage.get() + start, firstPart);
        std::memcpy(destination + firstPart, ring->storage.get(), n - firstPart);
    }
}

}  // namespace

extern "C" {

FrameRingBuffer* FrameRing_Create(int framing, int capacity) {
    if (capacity <= 0) return nullptr;
    std::unique_ptr<FrameRingBuffer> ring(new (std::nothrow) FrameRingBuffer);
    if (!ring) return nullptr;
    ring->storage.reset(new (std::nothrow) uint8_t[static_cast<uint32_t>(capacity)]);
    if (!ring->storage) return nullptr;
    ring->capacity = static_cast<uint32_t>(capacity);
    ring->framing = framing;
    return ring.release();
}

void FrameRing_Destroy(FrameRingBuffer* ring) { delete ring; }

StreamBool FrameRing_Write(FrameRingBuffer* ring, const void* source, uint32_t length) {
    if (!ring || !source || length == 0) return 0;
    Guard guard(ring->lock);
    if (length > ring->capacity - ring->used) {
        clearLocked(ring);
        return 0;
    }
    const uint8_t* bytes = static_cast<const uint8_t*>(source);
    uint32_t firstPart = ring->capacity - ring->writePos;
    if (firstPart >= length) {
        std::memcpy(ring->storage.get() + ring->writePos, bytes, length);
    } else {
        std::memcpy(ring->storage.get() + ring->writePos, bytes, firstPart);
        std::memcpy(ring->storage.get(), bytes + firstPart, length - firstPart);
    }
    ring->writePos = advance(ring->writePos, length, ring->capacity);
    ring->used += length;
    return 1;
}

StreamBool FrameRing_Read(FrameRingBuffer* ring, void* destination, uint32_t* length) {
    if (!ring || !destination || !length || *length == 0) return 0;
    Guard guard(ring->lock);
    if (ring->used < *length) {
        *length = ring->used;
        return 0;
    }
    copyOut(ring, 0, static_cast<uint8_t*>(destination), *length);
    ring->readPos = advance(ring->readPos, *length, ring->capacity);
    ring->used -= *length;
    return 1;
}

StreamBool FrameRing_Peek(FrameRingBuffer* ring, void* destination, uint32_t* length, uint32_t offset,
                          StreamBool takeLock) {
    if (!ring || !length) return 0;
    OptionalLock guard(ring->lock, takeLock);
    if (!destination || ring->used == 0 || *length == 0 || offset >= ring->used) {
        *length = 0;
        return 0;
    }
    uint32_t available = ring->used - offset;
    if (*length > available) *length = available;
    copyOut(ring, offset, static_cast<uint8_t*>(destination), *length);
    return 1;
}

StreamBool FrameRing_Skip(FrameRingBuffer* ring, uint32_t count, StreamBool takeLock) {
    if (!ring || count == 0) return 0;
    OptionalLock guard(ring->lock, takeLock);
    if (count > ring->used) {
        clearLocked(ring);
        return 1;
    }
    ring->readPos = advance(ring->readPos, count, ring->capacity);
    ring->used -= count;
    return 1;
}

StreamBool FrameRing_Clear(FrameRingBuffer* ring) {
    if (!ring) return 0;
    Guard guard(ring->lock);
    clearLocked(ring);
    return 1;
}

uint32_t FrameRing_Used(FrameRingBuffer* ring) {
    if (!ring) return 0;
    Guard guard(ring->lock);
    return ring->used;
}

uint32_t FrameRing_FreeSpace(FrameRingBuffer* ring) {
    if (!ring) return 0;
    Guard guard(ring->lock);
    return ring->capacity - ring->used;
}

StreamBool FrameRing_Lock(FrameRingBuffer* ring) {
    if (!ring) return 0;
    ring->lock.lock();
    return 1;
}

StreamBool FrameRing_Unlock(FrameRingBuffer* ring) {
    if (!ring) return 0;
    ring->lock.unlock();
    return 1;
}

StreamBool FrameRing_GetWriteRegions(FrameRingBuffer* ring, uint8_t** first, uint32_t* firstLength, uint8_t** second,
                                     uint32_t* secondLength) {
    if (!ring || !first || !firstLength || !second || !secondLength) return 0;
    Guard guard(ring->lock);
    if (ring->used == ring->capacity) return 0;
    uint32_t freeSpace = ring->capacity - ring->used;
    uint32_t tail = ring->capacity - ring->writePos;
    *first = ring->storage.get() + ring->writePos;
    if (freeSpace > tail) {
        *firstLength = tail;
        *second = ring->storage.get();
        *secondLength = freeSpace - tail;
    } else {
        *firstLength = freeSpace;
        *second = nullptr;
        *secondLength = 0;
    }
    return 1;
}

StreamBool FrameRing_CommitWrite(FrameRingBuffer* ring, uint32_t count) {
    if (!ring) return 0;
    Guard guard(ring->lock);
    if (count > ring->capacity - ring->used) return 0;
    ring->writePos = advance(ring->writePos, count, ring->capacity);
    ring->used += count;
    return 1;
}

StreamBool FrameRing_GetReadRegions(FrameRingBuffer* ring, const uint8_t** first, uint32_t* firstLength,
                                    const uint8_t** second, uint32_t* secondLength) {
    if (!ring || !first || !firstLength || !second || !secondLength) return 0;
    Guard guard(ring->lock);
    uint32_t tail = ring->capacity - ring->readPos;
    *first = ring->storage.get() + ring->readPos;
    if (ring->used > tail) {
        *firstLength = tail;
        *second = ring->storage.get();
        *secondLength = ring->used - tail;
    } else {
        *firstLength = ring->used;
        *second = nullptr;
        *secondLength = 0;
    }
    return 1;
}

uint32_t FrameRing_GetContiguousRead(FrameRingBuffer* ring, const uint8_t** data) {
    if (!ring) return 0;
    Guard guard(ring->lock);
    if (data) *data = ring->storage.get() + ring->readPos;
    uint32_t tail = ring->capacity - ring->readPos;
    return ring->used >= tail ? tail : ring->used;
}

StreamBool FrameRing_IsBelowTwoThirds(FrameRingBuffer* ring) {
    if (!ring) return 0;
    Guard guard(ring->lock);
    return 2ull * ring->capacity >= 3ull * ring->used ? 1 : 0;
}

uint8_t* FrameRing_Storage(FrameRingBuffer* ring) { return ring ? ring->storage.get() : nullptr; }

StreamBool FrameRing_NextFrame(FrameRingBuffer* ring, ParsedFrameHeader* header, uint8_t* frameBuffer) {
    if (!ring || !header || !frameBuffer) return 0;
    switch (ring->framing) {
        case FRAMING_FRAGMENTED:
            return stream_internal::ExtractFragmentedFrame(ring, header, frameBuffer);
        case FRAMING_WHOLE_FRAME:
        case FRAMING_WHOLE_FRAME_ALT:
            return stream_internal::ExtractWholeFrame(ring, header, frameBuffer);
        default:
            return 0;
    }
}

}  // extern "C"
