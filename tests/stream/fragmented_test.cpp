// The fragmented-frame extractor (framing 1) on streams made by the stream writer.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "stream/framering.h"
#include "stream/streamwriter.h"
#include "streamtestutil.h"

namespace {

using namespace streamtest;
using stream::OutgoingFrame;

constexpr int kRingCapacity = 512000;  // what the receiver uses for this framing

Ring FragmentedRing(int capacity = kRingCapacity) { return MakeRing(FRAMING_FRAGMENTED, capacity); }

std::vector<uint8_t> FragmentBytes(const OutgoingFrame& frame, size_t fragmentPayload, size_t index) {
    std::vector<uint8_t> bytes(stream::FragmentSize(frame, fragmentPayload, index));
    EXPECT_EQ(stream::WriteFragment(frame, fragmentPayload, index, bytes.data(), bytes.size()), bytes.size());
    return bytes;
}

void ExpectFrame(const Extracted& actual, const OutgoingFrame& frame) {
    ExpectHeader(actual.header, stream::HeaderFor(frame));
    EXPECT_EQ(actual.data, std::vector<uint8_t>(frame.payload, frame.payload + frame.payloadSize));
}

TEST(FragmentedExtractor, ExtractsOneFragmentFrameWithEveryHeaderField) {
    auto payload = CleanPayload(300);
    OutgoingFrame frame = FullFrame(payload);
    Ring ring = FragmentedRing();
    ASSERT_TRUE(Write(ring.get(), stream::Fragmented(frame, 0)));
    auto frames = ExtractAll(ring.get());
    ASSERT_EQ(frames.size(), 1u);
    ExpectFrame(frames[0], frame);
    EXPECT_EQ(frames[0].header.blockFlag10, 0x10u);  // byte 26 = FF: only bits 4 and 0 carried
    EXPECT_EQ(frames[0].header.blockFlag01, 0x01u);
    EXPECT_EQ(frames[0].header.size, (1280u << 16) | 720u);
    EXPECT_EQ(FrameRing_Used(ring.get()), 0u);
}

TEST(FragmentedExtractor, ExtractsManyFragmentFramesBackToBack) {
    std::mt19937 rng(1);
    std::vector<std::vector<uint8_t>> payloads = {
        RandomPayload(rng, 65536), RandomPayload(rng, 1400), RandomPayload(rng, 2801), {}};
    std::vector<OutgoingFrame> frames;
    std::vector<uint8_t> wire;
    const uint8_t types[] = {0xA1, 0xA0, 0xA2, 0xA4};
    for (size_t i = 0; i < payloads.size(); ++i) {
        frames.push_back(FullFrame(payloads[i], types[i], static_cast<uint8_t>(250 + i)));
        Append(wire, stream::Fragmented(frames.back(), 1400));
    }
    Ring ring = FragmentedRing();
    ASSERT_TRUE(Write(ring.get(), wire));
    auto extracted = ExtractAll(ring.get());
    ASSERT_EQ(extracted.size(), frames.size());
    for (size_t i = 0; i < frames.size(); ++i) ExpectFrame(extracted[i], frames[i]);
    EXPECT_EQ(FrameRing_Used(ring.get()), 0u);
}

// Every split of a two-fragment frame into two writes, at many places of the storage, so that
// the start code, the headers and the frame block are each cut by the write boundary and by
// the end of the storage.
TEST(FragmentedExtractor, FrameSplitAtAnyWriteBoundaryAndStorageEndIsExtractedOnceComplete) {
    auto payload = CleanPayload(50);
    OutgoingFrame frame = FullFrame(payload);
    auto bytes = stream::Fragmented(frame, 30);
    ASSERT_EQ(bytes.size(), 12u + 30 + 12 + 28 + 20);
    Ring ring = FragmentedRing(256);
    for (uint32_t start = 120; start < 256; start += 3) {
        for (size_t split = 1; split < bytes.size(); ++split) {
            PlaceAt(ring.get(), start);
            ASSERT_TRUE(FrameRing_Write(ring.get(), bytes.data(), static_cast<uint32_t>(split)));
            ASSERT_TRUE(ExtractAll(ring.get()).empty()) << "start " << start << " split " << split;
            ASSERT_EQ(FrameRing_Used(ring.get()), split);  // nothing consumed while incomplete
            ASSERT_TRUE(FrameRing_Write(ring.get(), bytes.data() + split, static_cast<uint32_t>(bytes.size() - split)));
            auto frames = ExtractAll(ring.get());
            ASSERT_EQ(frames.size(), 1u) << "start " << start << " split " << split;
            ASSERT_EQ(frames[0].data, payload);
            ASSERT_EQ(frames[0].header.timestamp, frame.timestamp);
            ASSERT_EQ(FrameRing_Used(ring.get()), 0u);
        }
    }
}

TEST(FragmentedExtractor, WaitsWithoutConsumingWhenTheLastPayloadByteIsMissing) {
    std::mt19937 rng(2);
    auto payload = RandomPayload(rng, 5000);
    OutgoingFrame frame = FullFrame(payload);
    auto bytes = stream::Fragmented(frame, 1400);
    Ring ring = FragmentedRing();
    ASSERT_TRUE(FrameRing_Write(ring.get(), bytes.data(), static_cast<uint32_t>(bytes.size() - 1)));
    ParsedFrameHeader header;
    std::vector<uint8_t> buffer(FRAME_RING_FRAME_BUFFER_SIZE);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(FrameRing_NextFrame(ring.get(), &header, buffer.data()));
    EXPECT_EQ(FrameRing_Used(ring.get()), bytes.size() - 1);
    ASSERT_TRUE(FrameRing_Write(ring.get(), &bytes.back(), 1));
    auto frames = ExtractAll(ring.get());
    ASSERT_EQ(frames.size(), 1u);
    ExpectFrame(frames[0], frame);
}

TEST(FragmentedExtractor, DiscardsGarbageAndA3CodesBeforeAStartCode) {
    std::vector<uint8_t> wire = {0x00, 0x00, 0x01, 0xA3, 0x00, 0x00, 0x01, 0x00, 0xFF};
    Append(wire, CleanPayload(100));
    auto a3Payload = CleanPayload(60, 3);
    Append(wire, stream::Fragmented(FullFrame(a3Payload, 0xA3), 0));  // not a frame type
    auto payload = CleanPayload(200, 9);
    OutgoingFrame frame = FullFrame(payload, 0xA0, 7);
    Append(wire, stream::Fragmented(frame, 64));
    Ring ring = FragmentedRing();
    ASSERT_TRUE(Write(ring.get(), wire));
    auto frames = ExtractAll(ring.get());
    ASSERT_EQ(frames.size(), 1u);
    ExpectFrame(frames[0], frame);
    EXPECT_EQ(FrameRing_Used(ring.get()), 0u);
}

TEST(FragmentedExtractor, ExtractsA4AndA5FramesLikeAnyOther) {
    auto payload = CleanPayload(80);
    OutgoingFrame a4 = FullFrame(payload, 0xA4, 1);
    OutgoingFrame a5 = FullFrame(payload, 0xA5, 2);
    std::vector<uint8_t> wire = stream::Fragmented(a4, 50);
    Append(wire, stream::Fragmented(a5, 50));
    Ring ring = FragmentedRing();
    ASSERT_TRUE(Write(ring.get(), wire));
    auto frames = ExtractAll(ring.get());
    ASSERT_EQ(frames.size(), 2u);
    ExpectFrame(frames[0], a4);
    ExpectFrame(frames[1], a5);
}

// Fragment 1 of 3 lost: fragment 0 is dropped when fragment 2 shows the gap, fragment 2 (the
// last, not fragment 0) loses its header, and the search passes over its block and payload.
TEST(FragmentedExtractor, LostMiddleFragmentDiscardsTheFrameStepByStep) {
    auto lostPayload = CleanPayload(300, 5);
    OutgoingFrame lost = FullFrame(lostPayload, 0xA1, 1);
    auto payload = CleanPayload(150, 11);
    OutgoingFrame next = FullFrame(payload, 0xA0, 2);
    auto first = FragmentBytes(lost, 100, 0);
    auto last = FragmentBytes(lost, 100, 2);
    std::vector<uint8_t> wire = first;
    Append(wire, last);
    Append(wire, stream::Fragmented(next, 100));
    Ring ring = FragmentedRing();
    ASSERT_TRUE(Write(ring.get(), wire));

    ParsedFrameHeader header;
    std::vector<uint8_t> buffer(FRAME_RING_FRAME_BUFFER_SIZE);
    ASSERT_FALSE(FrameRing_NextFrame(ring.get(), &header, buffer.data()));
    EXPECT_EQ(FrameRing_Used(ring.get()), wire.size() - first.size());
    ASSERT_FALSE(FrameRing_NextFrame(ring.get(), &header, buffer.data()));
    EXPECT_EQ(FrameRing_Used(ring.get()), wire.size() - first.size() - 12);
    auto frames = ExtractAll(ring.get());
    ASSERT_EQ(frames.size(), 1u);
    ExpectFrame(frames[0], next);
    EXPECT_EQ(FrameRing_Used(ring.get()), 0u);
}

TEST(FragmentedExtractor, ForeignSequenceOrTypeEndsAnIncompleteFrame) {
    auto payload = CleanPayload(200);
    OutgoingFrame cut = FullFrame(payload, 0xA1, 1);
    OutgoingFrame otherSequence = FullFrame(payload, 0xA1, 2);
    OutgoingFrame cutAgain = FullFrame(payload, 0xA1, 3);
    OutgoingFrame otherType = FullFrame(payload, 0xA0, 3);  // same sequence, other start code
    std::vector<uint8_t> wire = FragmentBytes(cut, 100, 0);
    Append(wire, stream::Fragmented(otherSequence, 100));
    Append(wire, FragmentBytes(cutAgain, 100, 0));
    Append(wire, stream::Fragmented(otherType, 100));
    Ring ring = FragmentedRing();
    ASSERT_TRUE(Write(ring.get(), wire));
    auto frames = ExtractAll(ring.get());
    ASSERT_EQ(frames.size(), 2u);
    ExpectFrame(frames[0], otherSequence);
    ExpectFrame(frames[1], otherType);
}

TEST(FragmentedExtractor, FrameWithoutItsFirstFragmentIsDroppedFragmentByFragment) {
    auto payload = CleanPayload(300);
    OutgoingFrame headless = FullFrame(payload, 0xA1, 1);
    OutgoingFrame next = FullFrame(payload, 0xA2, 2);
    std::vector<uint8_t> wire = FragmentBytes(headless, 100, 1);
    Append(wire, FragmentBytes(headless, 100, 2));
    Append(wire, stream::Fragmented(next, 100));
    Ring ring = FragmentedRing();
    ASSERT_TRUE(Write(ring.get(), wire));
    auto frames = ExtractAll(ring.get());
    ASSERT_EQ(frames.size(), 1u);
    ExpectFrame(frames[0], next);
}

TEST(FragmentedExtractor, LengthAboveTheLimitOrByte24Above30IsDiscarded) {
    auto small = CleanPayload(100);
    OutgoingFrame tooLong = FullFrame(small, 0xA1, 1);
    tooLong.declaredLength = FRAME_RING_MAX_FRAGMENTED_LENGTH + 1;
    OutgoingFrame badByte24 = FullFrame(small, 0xA1, 2);
    badByte24.limitedValue = 31;
    OutgoingFrame plain = FullFrame(small, 0xA1, 3);
    std::mt19937 rng(3);
    auto largest = RandomPayload(rng, FRAME_RING_MAX_FRAGMENTED_LENGTH);
    OutgoingFrame longest = FullFrame(largest, 0xA1, 4);
    OutgoingFrame byte24At30 = FullFrame(small, 0xA1, 5);
    byte24At30.limitedValue = 30;

    std::vector<uint8_t> wire = stream::Fragmented(tooLong, 40);
    Append(wire, stream::Fragmented(badByte24, 40));
    Append(wire, stream::Fragmented(plain, 40));
    Append(wire, stream::Fragmented(longest, 1400));
    Append(wire, stream::Fragmented(byte24At30, 40));
    Ring ring = FragmentedRing();
    ASSERT_TRUE(Write(ring.get(), wire));
    auto frames = ExtractAll(ring.get());
    ASSERT_EQ(frames.size(), 3u);
    ExpectFrame(frames[0], plain);
    ExpectFrame(frames[1], longest);
    ExpectFrame(frames[2], byte24At30);
    EXPECT_EQ(FrameRing_Used(ring.get()), 0u);
}

// The frame length is trusted, but the callback never sees bytes that were not copied for the
// frame: a length beyond the payloads hands on only the payloads, a shorter one cuts them.
TEST(FragmentedExtractor, FrameLengthBeyondThePayloadsHandsOnOnlyCopiedBytes) {
    std::mt19937 rng(4);
    auto payload = RandomPayload(rng, 3000);
    OutgoingFrame longer = FullFrame(payload, 0xA1, 1);
    longer.declaredLength = 5000;
    OutgoingFrame shorter = FullFrame(payload, 0xA1, 2);
    shorter.declaredLength = 1000;
    std::vector<uint8_t> wire = stream::Fragmented(longer, 1000);
    Append(wire, stream::Fragmented(shorter, 1000));
    Ring ring = FragmentedRing();
    ASSERT_TRUE(Write(ring.get(), wire));
    auto frames = ExtractAll(ring.get());
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].header.frameLength, 3000u);
    EXPECT_EQ(frames[0].data, payload);
    EXPECT_EQ(frames[1].header.frameLength, 1000u);
    EXPECT_EQ(frames[1].data, std::vector<uint8_t>(payload.begin(), payload.begin() + 1000));
}

// A payload length no ring could hold can only be corrupt; waiting for it would stall the
// stream once the ring filled. The header is dropped and the search finds the next frame.
TEST(FragmentedExtractor, ImpossiblePayloadLengthDoesNotStallTheStream) {
    auto payload = CleanPayload(300);
    OutgoingFrame broken = FullFrame(payload, 0xA1, 1);
    OutgoingFrame next = FullFrame(payload, 0xA0, 2);
    auto setLength = [](std::vector<uint8_t>& fragment, uint32_t length) {
        std::memcpy(fragment.data() + 8, &length, 4);
    };
    for (int corrupt = 0; corrupt < 3; ++corrupt) {
        SCOPED_TRACE(corrupt);
        std::vector<uint8_t> wire;
        if (corrupt == 0) {  // first fragment of three
            auto f0 = FragmentBytes(broken, 100, 0);
            setLength(f0, 0x7FFFFFF0u);
            wire = f0;
            Append(wire, FragmentBytes(broken, 100, 1));
            Append(wire, FragmentBytes(broken, 100, 2));
        } else if (corrupt == 1) {  // a middle fragment, met as the first of the stream
            auto f1 = FragmentBytes(broken, 100, 1);
            setLength(f1, 600000);
            wire = f1;
            Append(wire, FragmentBytes(broken, 100, 2));
        } else {  // the last payload of a one-fragment frame
            auto f = stream::Fragmented(broken, 0);
            setLength(f, 0xFFFFFFFFu);
            wire = f;
        }
        Append(wire, stream::Fragmented(next, 100));
        Ring ring = FragmentedRing();
        ASSERT_TRUE(Write(ring.get(), wire));
        auto frames = ExtractAll(ring.get());
        ASSERT_EQ(frames.size(), 1u);
        ExpectFrame(frames[0], next);
        EXPECT_EQ(FrameRing_Used(ring.get()), 0u);
    }
}

TEST(FragmentedExtractor, FrameOfMoreThan256FragmentsIsExtracted) {
    std::mt19937 rng(5);
    auto payload = RandomPayload(rng, 3000);
    OutgoingFrame frame = FullFrame(payload);
    ASSERT_EQ(stream::FragmentCount(frame, 10), 300u);  // the index byte wraps after 255
    Ring ring = FragmentedRing();
    ASSERT_TRUE(Write(ring.get(), stream::Fragmented(frame, 10)));
    auto frames = ExtractAll(ring.get());
    ASSERT_EQ(frames.size(), 1u);
    ExpectFrame(frames[0], frame);
}

}  // namespace
