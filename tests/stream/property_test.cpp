// Random frames, cut at random places, come out whole, identical and in order: through the ring
// for both framings, and through a receiver on loopback.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "platform/clock.h"
#include "receivertestutil.h"
#include "stream/framering.h"
#include "stream/streamreceiver.h"
#include "stream/streamwriter.h"
#include "streamtestutil.h"

namespace {

using namespace streamtest;
using stream::OutgoingFrame;

struct RandomStream {
    std::vector<std::vector<uint8_t>> payloads;
    std::vector<OutgoingFrame> frames;
    std::vector<size_t> frameEnds;  // offset just past each frame in `bytes`
    std::vector<uint8_t> bytes;
};

// Video frames (A0, A1, A2) with random fields; mostly small, now and then large.
RandomStream MakeRandomStream(std::mt19937& rng, int framing, size_t count, size_t largest, size_t smallFragment,
                              size_t largeFragment) {
    RandomStream s;
    s.payloads.reserve(count);
    const uint8_t types[] = {0xA0, 0xA1, 0xA2};
    for (size_t i = 0; i < count; ++i) {
        size_t size = rng() % 8 == 0 ? rng() % (largest + 1) : rng() % 5000;
        s.payloads.push_back(RandomPayload(rng, size));
        OutgoingFrame f;
        f.type = types[rng() % 3];
        f.sequence = static_cast<uint8_t>(i);
        f.timestamp = (static_cast<uint64_t>(rng()) << 32) | rng();
        f.attribute = static_cast<uint8_t>(rng());
        f.sizeWord1 = static_cast<uint16_t>(rng());
        f.sizeWord2 = static_cast<uint16_t>(rng());
        f.packetInfo = static_cast<uint8_t>(rng());
        f.blockWord = rng();
        f.limitedValue = static_cast<uint8_t>(rng() % 31);
        f.blockByte25 = static_cast<uint8_t>(rng());
        f.blockFlags = static_cast<uint8_t>(rng());
        f.payload = s.payloads.back().data();
        f.payloadSize = size;
        s.frames.push_back(f);
        size_t fragment = smallFragment + rng() % (largeFragment - smallFragment + 1);
        Append(s.bytes, framing == FRAMING_FRAGMENTED ? stream::Fragmented(f, fragment) : stream::WholeFrame(f));
        s.frameEnds.push_back(s.bytes.size());
    }
    return s;
}

TEST(StreamProperty, RandomFramesThroughRandomWriteSplitsComeOutIdenticalAndInOrder) {
    for (int framing : {FRAMING_FRAGMENTED, FRAMING_WHOLE_FRAME}) {
        SCOPED_TRACE(framing);
        std::mt19937 rng(2024);
        const bool fragmented = framing == FRAMING_FRAGMENTED;
        RandomStream s = MakeRandomStream(
            rng, framing, 400, fragmented ? FRAME_RING_MAX_FRAGMENTED_LENGTH : FRAME_RING_FRAME_BUFFER_SIZE, 16, 4000);
        Ring ring = MakeRing(framing, fragmented ? 512000 : 10485760);
        std::vector<Extracted> out;
        for (size_t at = 0; at < s.bytes.size();) {
            uint32_t chunk = std::min<uint32_t>(rng() % 20000 + 1, s.bytes.size() - at);
            ASSERT_TRUE(FrameRing_Write(ring.get(), s.bytes.data() + at, chunk));
            at += chunk;
            auto frames = ExtractAll(ring.get());
            for (auto& f : frames) out.push_back(std::move(f));
            ASSERT_LE(FrameRing_Used(ring.get()), static_cast<uint32_t>(fragmented ? 512000 : 10485760));
        }
        EXPECT_EQ(FrameRing_Used(ring.get()), 0u);
        ASSERT_EQ(out.size(), s.frames.size());
        for (size_t i = 0; i < out.size(); ++i) {
            SCOPED_TRACE(i);
            ExpectHeader(out[i].header, stream::HeaderFor(s.frames[i]));
            ASSERT_EQ(out[i].data, s.payloads[i]);
        }
    }
}

TEST(StreamProperty, RandomFramesThroughRandomDatagramsArriveIdenticalAndInOrder) {
    std::mt19937 rng(77);
    RandomStream s = MakeRandomStream(rng, FRAMING_FRAGMENTED, 300, 100000, 200, 1400);
    Collector collector;
    uint16_t port = 0;
    StreamReceiver* receiver =
        CreateOnFreePort("127.0.0.1", STREAM_TYPE_FRAGMENTED, Collector::Callback, &collector, &port);
    ASSERT_NE(receiver, nullptr);
    LoopbackSender sender(port);
    size_t complete = 0;  // frames whose last byte has been sent
    for (size_t at = 0; at < s.bytes.size();) {
        size_t datagram = std::min<size_t>(rng() % 8000 + 1, s.bytes.size() - at);
        // Keep at most a few frames in flight, so that no datagram is lost on the way (the
        // loopback device drops when a socket buffer overflows).
        if (complete >= 8) {
            ASSERT_TRUE(collector.WaitFor(complete - 8));
        }
        sender.Send(s.bytes.data() + at, datagram);
        at += datagram;
        while (complete < s.frameEnds.size() && s.frameEnds[complete] <= at) ++complete;
    }
    ASSERT_TRUE(collector.WaitFor(s.frames.size()));
    StreamReceiver_Destroy(receiver);
    auto delivered = collector.Frames();
    ASSERT_EQ(delivered.size(), s.frames.size());
    for (size_t i = 0; i < delivered.size(); ++i) {
        SCOPED_TRACE(i);
        const OutgoingFrame& f = s.frames[i];
        EXPECT_EQ(delivered[i].info.frameKind, f.type == 0xA1 ? 0 : f.type == 0xA0 ? 1 : 2);
        EXPECT_EQ(delivered[i].info.sequence, f.sequence);
        EXPECT_EQ(delivered[i].info.timestamp, f.timestamp);
        EXPECT_EQ(delivered[i].info.attribute, f.attribute);
        EXPECT_EQ(delivered[i].info.sizeWord1, f.sizeWord1);
        EXPECT_EQ(delivered[i].info.sizeWord2, f.sizeWord2);
        ASSERT_EQ(delivered[i].data, s.payloads[i]);
    }
}

}  // namespace
