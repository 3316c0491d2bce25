// The whole-frame extractor (framings 7 and 13) and the start-code search both extractors share.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "stream/framering.h"
#include "stream/framering_internal.h"
#include "stream/streamwriter.h"
#include "streamtestutil.h"

namespace {

using namespace streamtest;
using stream::OutgoingFrame;
using stream_internal::SearchStartCode;

void ExpectFrame(const Extracted& actual, const OutgoingFrame& frame) {
    ExpectHeader(actual.header, stream::HeaderFor(frame));
    EXPECT_EQ(actual.data, std::vector<uint8_t>(frame.payload, frame.payload + frame.payloadSize));
}

TEST(WholeFrameExtractor, TakesHeaderBytesAsTheyStandAndByte43FromByte10) {
    for (int framing : {FRAMING_WHOLE_FRAME, FRAMING_WHOLE_FRAME_ALT}) {
        SCOPED_TRACE(framing);
        std::mt19937 rng(10);
        auto payload = RandomPayload(rng, 1000);
        OutgoingFrame frame = FullFrame(payload, 0xA2, 0x42);
        auto wire = stream::WholeFrame(frame);
        wire[43] = 0x99;  // replaced by byte 10
        wire[4] = 0x55;   // taken as it stands
        Ring ring = MakeRing(framing, 10485760);
        ASSERT_TRUE(Write(ring.get(), wire));
        auto frames = ExtractAll(ring.get());
        ASSERT_EQ(frames.size(), 1u);
        ParsedFrameHeader expected = stream::HeaderFor(frame);
        expected.reserved4 = 0x55;
        ExpectHeader(frames[0].header, expected);
        EXPECT_EQ(frames[0].header.sequenceTail, 0x42);
        EXPECT_EQ(frames[0].data, payload);
        EXPECT_EQ(FrameRing_Used(ring.get()), 0u);
    }
}

TEST(WholeFrameExtractor, FrameSplitAtAnyWriteBoundaryAndStorageEndIsExtractedOnceComplete) {
    auto payload = CleanPayload(40);
    OutgoingFrame frame = FullFrame(payload);
    auto wire = stream::WholeFrame(frame);
    Ring ring = MakeRing(FRAMING_WHOLE_FRAME, 200);
    for (uint32_t start = 100; start < 200; start += 3) {
        for (size_t split = 1; split < wire.size(); ++split) {
            PlaceAt(ring.get(), start);
            ASSERT_TRUE(FrameRing_Write(ring.get(), wire.data(), static_cast<uint32_t>(split)));
            ASSERT_TRUE(ExtractAll(ring.get()).empty()) << "start " << start << " split " << split;
            ASSERT_EQ(FrameRing_Used(ring.get()), split);
            ASSERT_TRUE(FrameRing_Write(ring.get(), wire.data() + split, static_cast<uint32_t>(wire.size() - split)));
            auto frames = ExtractAll(ring.get());
            ASSERT_EQ(frames.size(), 1u) << "start " << start << " split " << split;
            ASSERT_EQ(frames[0].data, payload);
            ASSERT_EQ(FrameRing_Used(ring.get()), 0u);
        }
    }
}

TEST(WholeFrameExtractor, DiscardsGarbageAndA3CodesBeforeAStartCode) {
    std::vector<uint8_t> wire = {0x00, 0x00, 0x01, 0xA3, 0x12, 0x00, 0x00, 0x01, 0x07};
    Append(wire, CleanPayload(300));
    auto payload = CleanPayload(64, 4);
    OutgoingFrame a3 = FullFrame(payload, 0xA3, 1);
    Append(wire, stream::WholeFrame(a3));
    OutgoingFrame a4 = FullFrame(payload, 0xA4, 2);
    Append(wire, stream::WholeFrame(a4));
    Ring ring = MakeRing(FRAMING_WHOLE_FRAME, 4096);
    ASSERT_TRUE(Write(ring.get(), wire));
    auto frames = ExtractAll(ring.get());
    ASSERT_EQ(frames.size(), 1u);
    ExpectFrame(frames[0], a4);
    EXPECT_EQ(FrameRing_Used(ring.get()), 0u);
}

TEST(WholeFrameExtractor, WaitsWithoutConsumingUntilTheLastByteArrives) {
    std::mt19937 rng(11);
    auto payload = RandomPayload(rng, 70000);
    OutgoingFrame frame = FullFrame(payload);
    auto wire = stream::WholeFrame(frame);
    Ring ring = MakeRing(FRAMING_WHOLE_FRAME_ALT, 10485760);
    ASSERT_TRUE(FrameRing_Write(ring.get(), wire.data(), static_cast<uint32_t>(wire.size() - 1)));
    EXPECT_TRUE(ExtractAll(ring.get()).empty());
    EXPECT_EQ(FrameRing_Used(ring.get()), wire.size() - 1);
    ASSERT_TRUE(FrameRing_Write(ring.get(), &wire.back(), 1));
    auto frames = ExtractAll(ring.get());
    ASSERT_EQ(frames.size(), 1u);
    ExpectFrame(frames[0], frame);
}

// A frame longer than the frame buffer is never copied: its header is dropped at once and the
// search passes over its data. The longest frame that fits is delivered.
TEST(WholeFrameExtractor, FrameLongerThanTheFrameBufferIsDroppedUncopied) {
    auto tooLongPayload = CleanPayload(FRAME_RING_FRAME_BUFFER_SIZE + 1);
    OutgoingFrame tooLong = FullFrame(tooLongPayload, 0xA1, 1);
    auto payload = CleanPayload(500, 3);
    OutgoingFrame next = FullFrame(payload, 0xA0, 2);
    std::mt19937 rng(12);
    auto largestPayload = RandomPayload(rng, FRAME_RING_FRAME_BUFFER_SIZE);
    OutgoingFrame largest = FullFrame(largestPayload, 0xA1, 3);
    std::vector<uint8_t> wire = stream::WholeFrame(tooLong);
    Append(wire, stream::WholeFrame(next));
    Append(wire, stream::WholeFrame(largest));
    Ring ring = MakeRing(FRAMING_WHOLE_FRAME, 10485760);

    // The oversized header alone is dropped before the frame's data has even arrived.
    ASSERT_TRUE(FrameRing_Write(ring.get(), wire.data(), 1000));
    EXPECT_TRUE(ExtractAll(ring.get()).empty());
    EXPECT_LT(FrameRing_Used(ring.get()), 1000u - 44u + 4u);
    ASSERT_TRUE(FrameRing_Write(ring.get(), wire.data() + 1000, static_cast<uint32_t>(wire.size() - 1000)));
    auto frames = ExtractAll(ring.get());
    ASSERT_EQ(frames.size(), 2u);
    ExpectFrame(frames[0], next);
    ExpectFrame(frames[1], largest);
    EXPECT_EQ(FrameRing_Used(ring.get()), 0u);
}

TEST(WholeFrameExtractor, FrameLongerThanTheRingDoesNotStallTheStream) {
    auto payload = CleanPayload(100);
    OutgoingFrame impossible = FullFrame(payload, 0xA1, 1);
    impossible.declaredLength = 2000;  // the ring holds 1000 bytes
    OutgoingFrame next = FullFrame(payload, 0xA1, 2);
    std::vector<uint8_t> wire = stream::WholeFrame(impossible);
    Append(wire, stream::WholeFrame(next));
    Ring ring = MakeRing(FRAMING_WHOLE_FRAME, 1000);
    ASSERT_TRUE(Write(ring.get(), wire));
    auto frames = ExtractAll(ring.get());
    ASSERT_EQ(frames.size(), 1u);
    ExpectFrame(frames[0], next);
}

std::vector<uint8_t> Code(uint8_t type) { return {0x00, 0x00, 0x01, type}; }

TEST(StartCodeSearch, FindsTheFirstCodeOfAcceptedTypesInTheFirstRegion) {
    std::vector<uint8_t> first = {0x00, 0x00, 0x01, 0xA3, 0x00, 0x00, 0x00, 0x01, 0xA5, 0x07};
    auto result = SearchStartCode(first.data(), 10, nullptr, 0, 40);
    EXPECT_TRUE(result.found);
    EXPECT_EQ(result.position, 5u);
    for (uint8_t type : {0xA0, 0xA1, 0xA2, 0xA4, 0xA5}) {
        auto code = Code(type);
        EXPECT_TRUE(SearchStartCode(code.data(), 4, nullptr, 0, 40).found) << int(type);
    }
    for (uint8_t type : {0xA3, 0xA6, 0x00, 0x65}) {
        auto code = Code(type);
        EXPECT_FALSE(SearchStartCode(code.data(), 4, nullptr, 0, 40).found) << int(type);
    }
}

TEST(StartCodeSearch, LeavesTheLastThreeBytesWhenTheSecondRegionIsShort) {
    std::vector<uint8_t> first = {9, 9, 9, 9, 9, 0x00, 0x00, 0x01};
    std::vector<uint8_t> second(39, 9);
    second[0] = 0xA1;  // would complete the split code, but the second region is short of 40
    auto result = SearchStartCode(first.data(), 8, second.data(), 39, 40);
    EXPECT_FALSE(result.found);
    EXPECT_EQ(result.examined, 5u);
    EXPECT_EQ(SearchStartCode(first.data(), 3, nullptr, 0, 40).examined, 0u);
}

TEST(StartCodeSearch, FindsCodesSplitAcrossTheRegionsAndInTheSecond) {
    for (uint32_t inFirst = 1; inFirst <= 3; ++inFirst) {
        std::vector<uint8_t> first(10, 9);
        std::vector<uint8_t> second(44, 9);
        auto code = Code(0xA1);
        std::memcpy(first.data() + 10 - inFirst, code.data(), inFirst);
        std::memcpy(second.data(), code.data() + inFirst, 4 - inFirst);
        auto result = SearchStartCode(first.data(), 10, second.data(), 44, 44);
        EXPECT_TRUE(result.found) << inFirst;
        EXPECT_EQ(result.position, 10 - inFirst);
    }
    std::vector<uint8_t> first(10, 9);
    std::vector<uint8_t> second(44, 9);
    second[20] = 0x00;
    second[21] = 0x00;
    second[22] = 0x01;
    second[23] = 0xA0;
    auto result = SearchStartCode(first.data(), 10, second.data(), 44, 44);
    EXPECT_TRUE(result.found);
    EXPECT_EQ(result.position, 30u);
    second[23] = 0xA3;
    result = SearchStartCode(first.data(), 10, second.data(), 44, 44);
    EXPECT_FALSE(result.found);
    EXPECT_EQ(result.examined, 10u + 44u - 3u);
}

}  // namespace
