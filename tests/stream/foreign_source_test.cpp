// The receiver with the camera's address as its source: video from an impostor at 127.0.0.2 (all
// of 127.0.0.0/8 is loopback on Linux) never reaches the callback.
#include <gtest/gtest.h>

#include <vector>

#include "platform/clock.h"
#include "receivertestutil.h"
#include "stream/streamreceiver.h"
#include "stream/streamwriter.h"
#include "streamtestutil.h"

namespace {

using namespace streamtest;
using stream::OutgoingFrame;

constexpr const char* kImpostorIp = "127.0.0.2";
constexpr size_t kFragmentPayload = 1400;

std::vector<std::vector<uint8_t>> Fragments(const OutgoingFrame& frame) {
    std::vector<std::vector<uint8_t>> fragments;
    for (size_t i = 0; i < stream::FragmentCount(frame, kFragmentPayload); ++i) {
        std::vector<uint8_t> datagram(2000);
        datagram.resize(stream::WriteFragment(frame, kFragmentPayload, i, datagram.data(), datagram.size()));
        fragments.push_back(datagram);
    }
    return fragments;
}

TEST(StreamReceiverSource, VideoFromAnotherAddressNeverReachesTheCallback) {
    Collector collector;
    uint16_t port = 0;
    StreamReceiver* receiver =
        CreateOnFreePort("127.0.0.1", STREAM_TYPE_FRAGMENTED, Collector::Callback, &collector, &port, "127.0.0.1");
    ASSERT_NE(receiver, nullptr);
    LoopbackSender camera(port);
    LoopbackSender impostor(port, kImpostorIp);
    if (!impostor.IsOpen()) {
        StreamReceiver_Destroy(receiver);
        GTEST_SKIP() << "cannot bind a UDP socket to " << kImpostorIp;
    }

    // The impostor's whole frame first, then the camera's with the impostor's fragments between
    // its own: only the camera's frame comes out, whole.
    const auto forged = CleanPayload(5000, 66);
    const auto real = CleanPayload(5000, 7);
    const auto forgedFragments = Fragments(FullFrame(forged, 0xA1, 1));
    const auto realFragments = Fragments(FullFrame(real, 0xA1, 1));
    for (const auto& fragment : forgedFragments) impostor.Send(fragment);
    for (size_t i = 0; i < realFragments.size(); ++i) {
        camera.Send(realFragments[i]);
        impostor.Send(forgedFragments[i % forgedFragments.size()]);
    }
    ASSERT_TRUE(collector.WaitFor(1));
    const uint64_t expectedForeign = forgedFragments.size() + realFragments.size();
    for (int i = 0; i < 200 && StreamReceiver_ForeignDatagrams(receiver) < expectedForeign; ++i) platform::SleepMs(5);
    EXPECT_EQ(StreamReceiver_ForeignDatagrams(receiver), expectedForeign);
    StreamReceiver_Destroy(receiver);
    auto delivered = collector.Frames();
    ASSERT_EQ(delivered.size(), 1u);
    EXPECT_EQ(delivered[0].data, real);
}

TEST(StreamReceiverSource, SourceThatNamesNoSingleSenderTakesEveryone) {
    for (const char* any : {"0.0.0.0", "", "239.1.2.3", "255.255.255.255"}) {
        SCOPED_TRACE(any);
        Collector collector;
        uint16_t port = 0;
        StreamReceiver* receiver =
            CreateOnFreePort("127.0.0.1", STREAM_TYPE_FRAGMENTED, Collector::Callback, &collector, &port, any);
        ASSERT_NE(receiver, nullptr);
        LoopbackSender other(port, kImpostorIp);
        if (!other.IsOpen()) {
            StreamReceiver_Destroy(receiver);
            GTEST_SKIP() << "cannot bind a UDP socket to " << kImpostorIp;
        }
        const auto payload = CleanPayload(3000);
        for (const auto& fragment : Fragments(FullFrame(payload, 0xA1, 1))) other.Send(fragment);
        EXPECT_TRUE(collector.WaitFor(1));
        EXPECT_EQ(StreamReceiver_ForeignDatagrams(receiver), 0u);
        StreamReceiver_Destroy(receiver);
    }
    uint16_t port = 0;
    EXPECT_EQ(CreateOnFreePort("127.0.0.1", STREAM_TYPE_FRAGMENTED, nullptr, nullptr, &port, "camera"), nullptr);
    EXPECT_EQ(StreamReceiver_ForeignDatagrams(nullptr), 0u);
}

}  // namespace
