// Datagrams from other addresses than the camera's: an impostor at 127.0.0.2 next to the camera at
// 127.0.0.1 (all of 127.0.0.0/8 is loopback on Linux).
#include <chrono>
#include <future>

#include "camlink/cameraprotocol.h"
#include "platform/clock.h"
#include "testutil.h"

namespace {

using camlinktest::FakeOwner;
using camlinktest::FakeUdpCamera;
using camlinktest::LoopbackConfig;
using camlinktest::TraceCapture;
using camlinktest::WaitFor;

constexpr const char* kImpostorIp = "127.0.0.2";

class ForeignSender : public ::testing::Test {
protected:
    void SetUp() override {
        if (impostor.fd < 0) GTEST_SKIP() << "cannot bind a UDP socket to " << kImpostorIp;
        CameraLinkConfig config = LoopbackConfig();
        config.streamCameraPort = streamCamera.Port();
        config.pictureCameraPort = pictureCamera.Port();
        udp.reset(new CUdp(config));
        udp->SetTickCounter(&ticks);
        ASSERT_EQ(udp->Init(), 1);
        udp->SetOwner(&owner);
        commandPort = udp->LocalCommandPort();
        replyPort = udp->LocalPictureReplyPort();
    }

    FakeUdpCamera streamCamera;
    FakeUdpCamera pictureCamera;
    FakeUdpCamera impostor{kImpostorIp};
    FakeOwner owner;
    std::atomic<uint64_t> ticks{0};
    std::unique_ptr<CUdp> udp;
    uint16_t commandPort = 0;
    uint16_t replyPort = 0;
};

TEST_F(ForeignSender, KeyHeartbeatAndRepliesAreHeardOnlyFromTheCamera) {
    owner.deleteConfirmOpen = true;
    impostor.SendCommand(commandPort, camlink::kKeyDelete);
    impostor.SendCommand(commandPort, camlink::kCmdHeartbeat);
    impostor.SendCommand(commandPort, camlink::kCmdIdentify, 666);
    impostor.SendCommand(replyPort, camlink::kCmdIdentify, 667);
    ASSERT_TRUE(WaitFor([&] { return udp->ForeignDatagrams() == 4; }));
    platform::SleepMs(50);  // anything taken in by mistake has been acted on by now
    EXPECT_TRUE(owner.Answers().empty());
    EXPECT_TRUE(owner.Posted().empty());
    EXPECT_EQ(owner.heartbeats.load(), 0);
    EXPECT_EQ(udp->m_bReplied.load(), 0);
    EXPECT_EQ(udp->m_cameraValue.load(), 0u);

    // The same datagrams from the cameras themselves are taken.
    streamCamera.SendCommand(commandPort, camlink::kKeyDelete);
    streamCamera.SendCommand(commandPort, camlink::kCmdHeartbeat);
    ASSERT_TRUE(WaitFor([&] { return owner.heartbeats.load() == 1; }));
    EXPECT_EQ(owner.Answers(), (std::vector<int>{'y'}));
    pictureCamera.SendCommand(replyPort, camlink::kCmdIdentify, 9);
    ASSERT_TRUE(WaitFor([&] { return udp->m_bReplied.load() == 1; }));
    EXPECT_EQ(udp->m_cameraValue.load(), 9u);
    EXPECT_EQ(udp->ForeignDatagrams(), 4u);
}

TEST_F(ForeignSender, ProbeIsNotAnsweredByAnImpostor) {
    auto probe = std::async(std::launch::async, [&] { return udp->ProbeStreamCamera(); });
    uint8_t request[16];
    ASSERT_EQ(streamCamera.Receive(request, sizeof request, 2000), 16);
    impostor.SendCommand(commandPort, camlink::kCmdIdentify, 666);
    impostor.SendRaw(commandPort, "Impostor", 8);
    ASSERT_TRUE(WaitFor([&] { return udp->ForeignDatagrams() == 2; }));
    ticks = 3;
    ASSERT_EQ(probe.wait_for(std::chrono::seconds(2)), std::future_status::ready);
    EXPECT_EQ(probe.get(), 0);
    EXPECT_EQ(udp->CameraInfo(), "");

    // Between the camera's reply and its name, an impostor's text is not taken for the name.
    streamCamera.SendCommand(commandPort, camlink::kCmdIdentify, 7);
    impostor.SendRaw(commandPort, "Impostor", 8);
    streamCamera.SendRaw(commandPort, "WiFi-Cam", 8);
    ASSERT_TRUE(WaitFor([&] { return udp->m_bReplied.load() == 1; }));
    EXPECT_EQ(udp->CameraInfo(), "WiFi-Cam");
    EXPECT_EQ(udp->m_cameraValue.load(), 7u);
}

TEST_F(ForeignSender, JunkDoesNotDelayTheCamerasHeartbeatsAndIsLoggedOnce) {
    TraceCapture trace;
    const uint8_t junk[4] = {0x5A, 0x5A, 0x5A, 0x5A};
    constexpr int kRounds = 4;
    constexpr int kJunkPerRound = 100;
    for (int round = 1; round <= kRounds; ++round) {
        SCOPED_TRACE(round);
        // Rounds keep what waits in the socket well inside its kernel buffer.
        for (int i = 0; i < kJunkPerRound; ++i) {
            impostor.SendRaw(i % 2 ? commandPort : replyPort, junk, sizeof junk);
        }
        for (int i = 0; i < 20; ++i) streamCamera.SendRaw(commandPort, junk, sizeof junk);  // the camera's own
        const auto sent = std::chrono::steady_clock::now();
        streamCamera.SendCommand(commandPort, camlink::kCmdHeartbeat);
        ASSERT_TRUE(WaitFor([&] { return owner.heartbeats.load() == round; }, 5000));
        // Each short datagram used to cost a 100 ms pause: 7 s behind these 70.
        EXPECT_LT(std::chrono::steady_clock::now() - sent, std::chrono::milliseconds(1500));
    }
    ASSERT_TRUE(WaitFor([&] { return udp->ForeignDatagrams() == kRounds * kJunkPerRound; }));
    int lines = 0;
    for (const auto& line : trace.Lines()) lines += line.find("other addresses") != std::string::npos;
    EXPECT_EQ(lines, 1);
    EXPECT_TRUE(trace.Contains("127.0.0.2"));
}

TEST(ForeignSenderAnyCamera, WildcardCameraAddressesHearEveryone) {
    FakeUdpCamera impostor(kImpostorIp);
    if (impostor.fd < 0) GTEST_SKIP() << "cannot bind a UDP socket to " << kImpostorIp;
    for (const char* any : {"0.0.0.0", "239.1.2.3", "255.255.255.255"}) {
        SCOPED_TRACE(any);
        CameraLinkConfig config = LoopbackConfig();
        config.streamCameraIp = any;
        config.pictureCameraIp = any;
        CUdp udp(config);
        FakeOwner owner;
        ASSERT_EQ(udp.Init(), 1);
        udp.SetOwner(&owner);
        impostor.SendCommand(udp.LocalCommandPort(), camlink::kCmdHeartbeat);
        impostor.SendCommand(udp.LocalPictureReplyPort(), camlink::kCmdIdentify, 3);
        EXPECT_TRUE(WaitFor([&] { return owner.heartbeats.load() == 1 && udp.m_bReplied.load() == 1; }));
        EXPECT_EQ(udp.ForeignDatagrams(), 0u);
        udp.SetOwner(nullptr);
    }
}

}  // namespace
