#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <deque>
#include <memory>
#include <numeric>
#include <random>
#include <thread>
#include <vector>

#include "stream/framering.h"
#include "streamtestutil.h"

namespace {

using streamtest::PlaceAt;
using streamtest::Ring;

Ring MakeRing(int capacity) { return streamtest::MakeRing(FRAMING_FRAGMENTED, capacity); }

std::vector<uint8_t> Sequence(size_t n, uint8_t first = 1) {
    std::vector<uint8_t> v(n);
    std::iota(v.begin(), v.end(), first);
    return v;
}

// Offsets of the read and write positions, seen through the regions the ring hands out.
uint32_t ReadPos(FrameRingBuffer* ring) {
    const uint8_t* data = nullptr;
    FrameRing_GetContiguousRead(ring, &data);
    return static_cast<uint32_t>(data - FrameRing_Storage(ring));
}

TEST(FrameRing, NullBufferGivesFalseZeroOrNull) {
    uint8_t byte = 0;
    uint32_t length = 1;
    uint8_t* w1 = nullptr;
    uint8_t* w2 = nullptr;
    const uint8_t* r1 = nullptr;
    const uint8_t* r2 = nullptr;
    uint32_t l1 = 0, l2 = 0;
    ParsedFrameHeader header;
    std::vector<uint8_t> frame(FRAME_RING_FRAME_BUFFER_SIZE);
    FrameRing_Destroy(nullptr);
    EXPECT_EQ(FrameRing_Write(nullptr, &byte, 1), 0);
    EXPECT_EQ(FrameRing_Read(nullptr, &byte, &length), 0);
    EXPECT_EQ(FrameRing_Peek(nullptr, &byte, &length, 0, 1), 0);
    EXPECT_EQ(FrameRing_Skip(nullptr, 1, 1), 0);
    EXPECT_EQ(FrameRing_Clear(nullptr), 0);
    EXPECT_EQ(FrameRing_Used(nullptr), 0u);
    EXPECT_EQ(FrameRing_FreeSpace(nullptr), 0u);
    EXPECT_EQ(FrameRing_Lock(nullptr), 0);
    EXPECT_EQ(FrameRing_Unlock(nullptr), 0);
    EXPECT_EQ(FrameRing_GetWriteRegions(nullptr, &w1, &l1, &w2, &l2), 0);
    EXPECT_EQ(FrameRing_CommitWrite(nullptr, 1), 0);
    EXPECT_EQ(FrameRing_GetReadRegions(nullptr, &r1, &l1, &r2, &l2), 0);
    EXPECT_EQ(FrameRing_GetContiguousRead(nullptr, &r1), 0u);
    EXPECT_EQ(FrameRing_IsBelowTwoThirds(nullptr), 0);
    EXPECT_EQ(FrameRing_Storage(nullptr), nullptr);
    EXPECT_EQ(FrameRing_NextFrame(nullptr, &header, frame.data()), 0);
}

TEST(FrameRing, CreationNeedsAPositiveCapacity) {
    EXPECT_EQ(FrameRing_Create(FRAMING_FRAGMENTED, 0), nullptr);
    EXPECT_EQ(FrameRing_Create(FRAMING_FRAGMENTED, -5), nullptr);
    Ring ring = MakeRing(3);
    EXPECT_EQ(FrameRing_Used(ring.get()), 0u);
    EXPECT_EQ(FrameRing_FreeSpace(ring.get()), 3u);
    EXPECT_NE(FrameRing_Storage(ring.get()), nullptr);
}

TEST(FrameRing, WriteEndingAtStorageEndWrapsAndExactFreeSpaceFills) {
    Ring ring = MakeRing(10);
    PlaceAt(ring.get(), 6);
    auto bytes = Sequence(4);
    ASSERT_TRUE(FrameRing_Write(ring.get(), bytes.data(), 4));  // ends exactly at the end
    uint8_t* w1 = nullptr;
    uint8_t* w2 = nullptr;
    uint32_t l1 = 0, l2 = 0;
    ASSERT_TRUE(FrameRing_GetWriteRegions(ring.get(), &w1, &l1, &w2, &l2));
    EXPECT_EQ(w1, FrameRing_Storage(ring.get()));  // writePos wrapped to 0
    EXPECT_EQ(l1, 6u);
    EXPECT_EQ(w2, nullptr);
    EXPECT_EQ(l2, 0u);

    auto more = Sequence(6, 50);
    ASSERT_TRUE(FrameRing_Write(ring.get(), more.data(), 6));  // exactly the free space
    EXPECT_EQ(FrameRing_Used(ring.get()), 10u);
    EXPECT_EQ(FrameRing_FreeSpace(ring.get()), 0u);
    EXPECT_FALSE(FrameRing_GetWriteRegions(ring.get(), &w1, &l1, &w2, &l2));
    EXPECT_EQ(ReadPos(ring.get()), 6u);  // full: readPos = writePos, used tells

    std::vector<uint8_t> out(10);
    uint32_t length = 10;
    ASSERT_TRUE(FrameRing_Read(ring.get(), out.data(), &length));
    std::vector<uint8_t> expected = bytes;
    expected.insert(expected.end(), more.begin(), more.end());
    EXPECT_EQ(out, expected);
}

TEST(FrameRing, WriteOneByteOverTheFreeSpaceEmptiesTheRing) {
    Ring ring = MakeRing(8);
    auto bytes = Sequence(5);
    ASSERT_TRUE(FrameRing_Write(ring.get(), bytes.data(), 5));
    EXPECT_FALSE(FrameRing_Write(ring.get(), bytes.data(), 4));
    EXPECT_EQ(FrameRing_Used(ring.get()), 0u);
    EXPECT_EQ(ReadPos(ring.get()), 0u);
    EXPECT_FALSE(FrameRing_Write(ring.get(), nullptr, 1));
    EXPECT_FALSE(FrameRing_Write(ring.get(), bytes.data(), 0));
}

TEST(FrameRing, ReadOfMoreThanUnreadConsumesNothingAndReportsUnread) {
    Ring ring = MakeRing(8);
    auto bytes = Sequence(3);
    ASSERT_TRUE(FrameRing_Write(ring.get(), bytes.data(), 3));
    std::vector<uint8_t> out(8);
    uint32_t length = 4;
    EXPECT_FALSE(FrameRing_Read(ring.get(), out.data(), &length));
    EXPECT_EQ(length, 3u);
    EXPECT_EQ(FrameRing_Used(ring.get()), 3u);
    length = 0;
    EXPECT_FALSE(FrameRing_Read(ring.get(), out.data(), &length));
    length = 3;
    EXPECT_TRUE(FrameRing_Read(ring.get(), out.data(), &length));
    EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 3), bytes);
    EXPECT_EQ(FrameRing_Used(ring.get()), 0u);
}

TEST(FrameRing, PeekCopiesAcrossTheWrapAndOnlyTheUnreadPart) {
    Ring ring = MakeRing(10);
    PlaceAt(ring.get(), 7);
    auto bytes = Sequence(6);  // 3 at the end of storage, 3 at its start
    ASSERT_TRUE(FrameRing_Write(ring.get(), bytes.data(), 6));
    std::vector<uint8_t> out(10, 0);

    uint32_t length = 4;
    ASSERT_TRUE(FrameRing_Peek(ring.get(), out.data(), &length, 1, 1));
    EXPECT_EQ(length, 4u);
    EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 4),
              std::vector<uint8_t>(bytes.begin() + 1, bytes.begin() + 5));

    length = 10;  // runs past the unread bytes
    ASSERT_TRUE(FrameRing_Peek(ring.get(), out.data(), &length, 4, 1));
    EXPECT_EQ(length, 2u);
    EXPECT_EQ(out[0], bytes[4]);
    EXPECT_EQ(out[1], bytes[5]);

    length = 1;
    EXPECT_FALSE(FrameRing_Peek(ring.get(), out.data(), &length, 6, 1));  // offset = used
    EXPECT_EQ(length, 0u);
    length = 1;
    EXPECT_FALSE(FrameRing_Peek(ring.get(), nullptr, &length, 0, 1));
    EXPECT_EQ(length, 0u);
    EXPECT_EQ(FrameRing_Used(ring.get()), 6u);  // nothing consumed
}

TEST(FrameRing, SkipOfExactlyUnreadEmptiesAndLargerSkipResetsPositions) {
    Ring ring = MakeRing(10);
    PlaceAt(ring.get(), 4);
    auto bytes = Sequence(5);
    ASSERT_TRUE(FrameRing_Write(ring.get(), bytes.data(), 5));
    EXPECT_FALSE(FrameRing_Skip(ring.get(), 0, 1));
    ASSERT_TRUE(FrameRing_Skip(ring.get(), 5, 1));
    EXPECT_EQ(FrameRing_Used(ring.get()), 0u);
    EXPECT_EQ(ReadPos(ring.get()), 9u);  // readPos moved onto writePos

    ASSERT_TRUE(FrameRing_Write(ring.get(), bytes.data(), 3));
    ASSERT_TRUE(FrameRing_Skip(ring.get(), 4, 1));  // one more than unread: cleared
    EXPECT_EQ(FrameRing_Used(ring.get()), 0u);
    EXPECT_EQ(ReadPos(ring.get()), 0u);
    uint8_t* w1 = nullptr;
    uint8_t* w2 = nullptr;
    uint32_t l1 = 0, l2 = 0;
    ASSERT_TRUE(FrameRing_GetWriteRegions(ring.get(), &w1, &l1, &w2, &l2));
    EXPECT_EQ(w1, FrameRing_Storage(ring.get()));  // writePos reset too
    EXPECT_EQ(l1, 10u);
}

TEST(FrameRing, WriteRegionsOfAnEmptyRingMidStorageSpanTheCapacity) {
    Ring ring = MakeRing(10);
    PlaceAt(ring.get(), 6);
    uint8_t* w1 = nullptr;
    uint8_t* w2 = nullptr;
    uint32_t l1 = 0, l2 = 0;
    ASSERT_TRUE(FrameRing_GetWriteRegions(ring.get(), &w1, &l1, &w2, &l2));
    EXPECT_EQ(w1, FrameRing_Storage(ring.get()) + 6);
    EXPECT_EQ(l1, 4u);
    EXPECT_EQ(w2, FrameRing_Storage(ring.get()));
    EXPECT_EQ(l2, 6u);
}

TEST(FrameRing, TwoPhaseWriteAcrossTheEndReadsBackInOrder) {
    Ring ring = MakeRing(10);
    PlaceAt(ring.get(), 8);
    auto bytes = Sequence(7, 100);
    ASSERT_TRUE(FrameRing_Lock(ring.get()));
    uint8_t* w1 = nullptr;
    uint8_t* w2 = nullptr;
    uint32_t l1 = 0, l2 = 0;
    ASSERT_TRUE(FrameRing_GetWriteRegions(ring.get(), &w1, &l1, &w2, &l2));
    ASSERT_EQ(l1, 2u);
    ASSERT_GE(l1 + l2, 7u);
    std::memcpy(w1, bytes.data(), l1);
    std::memcpy(w2, bytes.data() + l1, 7 - l1);
    EXPECT_FALSE(FrameRing_CommitWrite(ring.get(), 11));  // more than the free space: refused
    EXPECT_EQ(FrameRing_Used(ring.get()), 0u);
    ASSERT_TRUE(FrameRing_CommitWrite(ring.get(), 7));
    ASSERT_TRUE(FrameRing_Unlock(ring.get()));

    const uint8_t* r1 = nullptr;
    const uint8_t* r2 = nullptr;
    ASSERT_TRUE(FrameRing_GetReadRegions(ring.get(), &r1, &l1, &r2, &l2));
    EXPECT_EQ(r1, FrameRing_Storage(ring.get()) + 8);
    EXPECT_EQ(l1, 2u);
    EXPECT_EQ(r2, FrameRing_Storage(ring.get()));
    EXPECT_EQ(l2, 5u);
    const uint8_t* contiguous = nullptr;
    EXPECT_EQ(FrameRing_GetContiguousRead(ring.get(), &contiguous), 2u);

    std::vector<uint8_t> out(7);
    uint32_t length = 7;
    ASSERT_TRUE(FrameRing_Read(ring.get(), out.data(), &length));
    EXPECT_EQ(out, bytes);
    ASSERT_TRUE(FrameRing_GetReadRegions(ring.get(), &r1, &l1, &r2, &l2));
    EXPECT_EQ(l1, 0u);  // empty ring: a first region of length 0
    EXPECT_EQ(r2, nullptr);
    EXPECT_EQ(FrameRing_GetContiguousRead(ring.get(), &contiguous), 0u);
}

TEST(FrameRing, TwoThirdsBoundary) {
    Ring ring = MakeRing(3);
    uint8_t bytes[3] = {1, 2, 3};
    EXPECT_TRUE(FrameRing_IsBelowTwoThirds(ring.get()));
    ASSERT_TRUE(FrameRing_Write(ring.get(), bytes, 2));
    EXPECT_TRUE(FrameRing_IsBelowTwoThirds(ring.get()));
    ASSERT_TRUE(FrameRing_Write(ring.get(), bytes, 1));
    EXPECT_FALSE(FrameRing_IsBelowTwoThirds(ring.get()));
}

TEST(FrameRing, ClearDiscardsEverything) {
    Ring ring = MakeRing(4);
    uint8_t bytes[3] = {1, 2, 3};
    ASSERT_TRUE(FrameRing_Write(ring.get(), bytes, 3));
    EXPECT_TRUE(FrameRing_Clear(ring.get()));
    EXPECT_EQ(FrameRing_Used(ring.get()), 0u);
    EXPECT_EQ(FrameRing_FreeSpace(ring.get()), 4u);
}

TEST(FrameRing, UnknownFramingExtractsNothing) {
    Ring ring(FrameRing_Create(5, 100));
    ASSERT_NE(ring, nullptr);
    std::vector<uint8_t> bytes(60, 0);
    ASSERT_TRUE(FrameRing_Write(ring.get(), bytes.data(), 60));
    ParsedFrameHeader header;
    std::vector<uint8_t> frame(FRAME_RING_FRAME_BUFFER_SIZE);
    EXPECT_FALSE(FrameRing_NextFrame(ring.get(), &header, frame.data()));
    EXPECT_EQ(FrameRing_Used(ring.get()), 60u);
}

// Random writes, reads, peeks and skips on a small ring, checked against a plain byte queue.
TEST(FrameRing, BehavesAsAByteQueueAcrossManyWraps) {
    constexpr uint32_t kCapacity = 97;
    Ring ring = MakeRing(kCapacity);
    std::deque<uint8_t> model;
    std::mt19937 rng(12345);
    uint8_t next = 0;
    std::vector<uint8_t> buffer(kCapacity + 10);
    for (int step = 0; step < 20000; ++step) {
        uint32_t n = rng() % 40 + 1;
        switch (rng() % 5) {
            case 0:
            case 1: {  // write, plain or two-phase
                for (uint32_t i = 0; i < n; ++i) buffer[i] = next++;
                bool fits = n <= kCapacity - model.size();
                if (rng() % 2) {
                    ASSERT_EQ(FrameRing_Write(ring.get(), buffer.data(), n) != 0, fits);
                    if (fits) {
                        model.insert(model.end(), buffer.begin(), buffer.begin() + n);
                    } else {
                        model.clear();
                    }
                } else if (fits) {
                    FrameRing_Lock(ring.get());
                    uint8_t* w1 = nullptr;
                    uint8_t* w2 = nullptr;
                    uint32_t l1 = 0, l2 = 0;
                    ASSERT_TRUE(FrameRing_GetWriteRegions(ring.get(), &w1, &l1, &w2, &l2));
                    ASSERT_EQ(l1 + l2, kCapacity - model.size());
                    uint32_t head = std::min(n, l1);
                    std::memcpy(w1, buffer.data(), head);
                    if (n > head) std::memcpy(w2, buffer.data() + head, n - head);
                    ASSERT_TRUE(FrameRing_CommitWrite(ring.get(), n));
                    FrameRing_Unlock(ring.get());
                    model.insert(model.end(), buffer.begin(), buffer.begin() + n);
                }
                break;
            }
            case 2: {  // read
                uint32_t length = n;
                bool enough = n <= model.size();
                ASSERT_EQ(FrameRing_Read(ring.get(), buffer.data(), &length) != 0, enough);
                if (enough) {
                    for (uint32_t i = 0; i < n; ++i) {
                        ASSERT_EQ(buffer[i], model.front());
                        model.pop_front();
                    }
                } else {
                    ASSERT_EQ(length, model.size());
                }
                break;
            }
            case 3: {  // peek at an offset
                uint32_t offset = model.empty() ? 0 : rng() % model.size();
                uint32_t length = n;
                bool any = offset < model.size();
                ASSERT_EQ(FrameRing_Peek(ring.get(), buffer.data(), &length, offset, 1) != 0, any);
                ASSERT_EQ(length, any ? std::min<uint32_t>(n, model.size() - offset) : 0u);
                for (uint32_t i = 0; i < length; ++i) ASSERT_EQ(buffer[i], model[offset + i]);
                break;
            }
            case 4: {  // skip
                ASSERT_TRUE(FrameRing_Skip(ring.get(), n, 1));
                if (n > model.size()) {
                    model.clear();
                } else {
                    model.erase(model.begin(), model.begin() + n);
                }
                break;
            }
        }
        ASSERT_EQ(FrameRing_Used(ring.get()), model.size());
        ASSERT_EQ(FrameRing_FreeSpace(ring.get()), kCapacity - model.size());
    }
}

// The lock is recursive, and a thread that holds it keeps every other thread out of the ring.
TEST(FrameRing, LockIsRecursiveAndExcludesOtherThreads) {
    Ring ring = MakeRing(16);
    ASSERT_TRUE(FrameRing_Lock(ring.get()));
    ASSERT_TRUE(FrameRing_Lock(ring.get()));
    EXPECT_EQ(FrameRing_Used(ring.get()), 0u);  // locks internally: no deadlock
    std::atomic<bool> written{false};
    std::thread writer([&] {
        uint8_t byte = 1;
        FrameRing_Write(ring.get(), &byte, 1);
        written = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(written.load());
    ASSERT_TRUE(FrameRing_Unlock(ring.get()));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(written.load());  // still held once
    ASSERT_TRUE(FrameRing_Unlock(ring.get()));
    writer.join();
    EXPECT_TRUE(written.load());
    EXPECT_EQ(FrameRing_Used(ring.get()), 1u);
}

}  // namespace
