// The stream writer's bytes against the wire layout, read at fixed offsets, so that the writer
// and the extractors cannot agree on a wrong layout.
#include <gtest/gtest.h>

#include <vector>

#include "stream/streamwriter.h"
#include "streamtestutil.h"

namespace {

using namespace streamtest;

uint32_t Le32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }

TEST(StreamWriter, FragmentedLayoutHasPacketHeadersAndTheBlockAfterTheLast) {
    auto payload = CleanPayload(25);
    stream::OutgoingFrame frame = FullFrame(payload, 0xA0, 0x77);
    frame.fragmentFlags = 0x81;
    auto bytes = stream::Fragmented(frame, 10);
    ASSERT_EQ(stream::FragmentCount(frame, 10), 3u);
    ASSERT_EQ(bytes.size(), 3u * 12 + 28 + 25);

    const uint8_t* f0 = bytes.data();
    EXPECT_EQ(std::vector<uint8_t>(f0, f0 + 8), (std::vector<uint8_t>{0x00, 0x00, 0x01, 0xA0, 0x44, 0x77, 0, 0x81}));
    EXPECT_EQ(Le32(f0 + 8), 10u);
    EXPECT_EQ(std::vector<uint8_t>(f0 + 12, f0 + 22), std::vector<uint8_t>(payload.begin(), payload.begin() + 10));
    const uint8_t* f1 = f0 + 22;
    EXPECT_EQ(f1[6], 1);
    EXPECT_EQ(f1[7], 0x81);
    const uint8_t* f2 = f1 + 22;
    EXPECT_EQ(f2[6], 2);
    EXPECT_EQ(f2[7], 0x83);  // last-fragment flag
    EXPECT_EQ(Le32(f2 + 8), 5u);
    const uint8_t* block = f2 + 12;
    EXPECT_EQ(Le32(block), static_cast<uint32_t>(frame.timestamp));
    EXPECT_EQ(Le32(block + 4), static_cast<uint32_t>(frame.timestamp >> 32));
    EXPECT_EQ(std::vector<uint8_t>(block + 8, block + 12), (std::vector<uint8_t>{0x61, 0x62, 0x63, 0x09}));
    EXPECT_EQ(block[12] | (block[13] << 8), 1280);
    EXPECT_EQ(block[14] | (block[15] << 8), 720);
    EXPECT_EQ(Le32(block + 16), 0xCAFEF00Du);
    EXPECT_EQ(Le32(block + 20), 25u);
    EXPECT_EQ(std::vector<uint8_t>(block + 24, block + 28), (std::vector<uint8_t>{30, 0x25, 0xFF, 0x27}));
    EXPECT_EQ(std::vector<uint8_t>(block + 28, block + 33), std::vector<uint8_t>(payload.begin() + 20, payload.end()));
}

TEST(StreamWriter, WholeFrameHeaderUsesTheParsedHeaderLayout) {
    auto payload = CleanPayload(7);
    stream::OutgoingFrame frame = FullFrame(payload, 0xA1, 0x12);
    auto bytes = stream::WholeFrame(frame);
    ASSERT_EQ(bytes.size(), 44u + 7);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 12),
              (std::vector<uint8_t>{0, 0, 1, 0xA1, 0, 0x44, 0x61, 0x62, 0x63, 0x09, 0x12, 30}));
    EXPECT_EQ(Le32(&bytes[16]), 7u);
    EXPECT_EQ(Le32(&bytes[20]), 0x10u);
    EXPECT_EQ(Le32(&bytes[24]), (1280u << 16) | 720u);
    EXPECT_EQ(Le32(&bytes[28]), 0x01u);
    EXPECT_EQ(Le32(&bytes[32]), static_cast<uint32_t>(frame.timestamp));
    EXPECT_EQ(bytes[40], 0x25);
    EXPECT_EQ(bytes[43], 0x12);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 44, bytes.end()), payload);
}

TEST(StreamWriter, CountsFragmentsAndRefusesShortBuffers) {
    std::vector<uint8_t> payload(2800);
    stream::OutgoingFrame frame;
    frame.payload = payload.data();
    frame.payloadSize = payload.size();
    EXPECT_EQ(stream::FragmentCount(frame, 1400), 2u);
    EXPECT_EQ(stream::FragmentCount(frame, 1399), 3u);
    EXPECT_EQ(stream::FragmentCount(frame, 0), 1u);
    EXPECT_EQ(stream::FragmentSize(frame, 1400, 0), 12u + 1400);
    EXPECT_EQ(stream::FragmentSize(frame, 1400, 1), 12u + 28 + 1400);
    EXPECT_EQ(stream::FragmentSize(frame, 1400, 2), 0u);
    stream::OutgoingFrame empty;
    EXPECT_EQ(stream::FragmentCount(empty, 1400), 1u);
    EXPECT_EQ(stream::FragmentedSize(empty, 1400), 40u);

    std::vector<uint8_t> out(12 + 1400);
    EXPECT_EQ(stream::WriteFragment(frame, 1400, 0, out.data(), out.size()), out.size());
    EXPECT_EQ(stream::WriteFragment(frame, 1400, 1, out.data(), out.size()), 0u);
    EXPECT_EQ(stream::WriteFragment(frame, 1400, 2, out.data(), out.size()), 0u);
    EXPECT_EQ(stream::WriteFragmented(frame, 1400, out.data(), out.size()), 0u);
    EXPECT_EQ(stream::WriteWholeFrame(frame, out.data(), 44 + 2799), 0u);
}

}  // namespace
