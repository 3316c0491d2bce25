// The command channel of both cameras: listeners, probes and start-up failures.
#include <future>

#include "camlink/cameraprotocol.h"
#include "platform/clock.h"
#include "testutil.h"

namespace {

using camlinktest::FakeOwner;
using camlinktest::FakeUdpCamera;
using camlinktest::LoopbackConfig;
using camlinktest::WaitFor;

class CommandChannel : public ::testing::Test {
protected:
    void SetUp() override {
        CameraLinkConfig config = LoopbackConfig();
        config.streamCameraPort = streamCamera.Port();
        config.pictureCameraPort = pictureCamera.Port();
        udp.reset(new CUdp(config));
        udp->SetTickCounter(&ticks);
        ASSERT_EQ(udp->Init(), 1);
        udp->SetOwner(&owner);
        commandPort = udp->LocalCommandPort();
        replyPort = udp->LocalPictureReplyPort();
        ASSERT_NE(commandPort, 0);
        ASSERT_NE(replyPort, 0);
        ASSERT_NE(commandPort, replyPort);
    }

    FakeUdpCamera streamCamera;
    FakeUdpCamera pictureCamera;
    FakeOwner owner;
    std::atomic<uint64_t> ticks{0};
    std::unique_ptr<CUdp> udp;
    uint16_t commandPort = 0;
    uint16_t replyPort = 0;
};

TEST(CommandDatagram, EncodesLittleEndianAndDecodesOnlySixteenBytes) {
    camlink::CameraCommand command;
    command.code = 2;
    command.arg1 = 0x01020304;
    uint8_t bytes[16];
    camlink::EncodeCommand(command, bytes);
    const uint8_t expected[16] = {0x5A, 0x5A, 0x5A, 0x5A, 2, 0, 0, 0, 4, 3, 2, 1, 0, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(bytes, expected, 16));

    camlink::CameraCommand decoded;
    ASSERT_TRUE(camlink::DecodeCommand(bytes, 16, &decoded));
    EXPECT_EQ(decoded.magic, camlink::CAMERA_CMD_MAGIC);
    EXPECT_EQ(decoded.code, 2u);
    EXPECT_EQ(decoded.arg1, 0x01020304u);
    EXPECT_FALSE(camlink::DecodeCommand(bytes, 15, &decoded));
    EXPECT_FALSE(camlink::DecodeCommand(bytes, 17, &decoded));
}

TEST_F(CommandChannel, HeartbeatCountsOnCommandPortButNotOnPictureReplyPort) {
    const uint8_t heartbeat[16] = {0x5A, 0x5A, 0x5A, 0x5A, 0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    streamCamera.SendRaw(commandPort, heartbeat, sizeof heartbeat);
    ASSERT_TRUE(WaitFor([&] { return owner.heartbeats.load() == 1; }));

    pictureCamera.SendRaw(replyPort, heartbeat, sizeof heartbeat);
    // A datagram on the command port sent after it is taken in only once the reply port's
    // listener has had every chance to act on its heartbeat too.
    platform::SleepMs(250);
    EXPECT_EQ(owner.heartbeats.load(), 1);

    streamCamera.SendRaw(commandPort, heartbeat, sizeof heartbeat);
    ASSERT_TRUE(WaitFor([&] { return owner.heartbeats.load() == 2; }));
}

TEST_F(CommandChannel, ForeignMagicIsIgnoredButStillCostsThePause) {
    streamCamera.SendCommand(commandPort, camlink::kCmdHeartbeat, 0, 0, 0x5A5A5A5B);
    uint64_t sent = platform::MonotonicMs();
    streamCamera.SendCommand(commandPort, camlink::kCmdHeartbeat);
    ASSERT_TRUE(WaitFor([&] { return owner.heartbeats.load() == 1; }));
    // The second datagram waited out the pause that followed the ignored one.
    EXPECT_GE(platform::MonotonicMs() - sent, 95u);
    platform::SleepMs(150);
    EXPECT_EQ(owner.heartbeats.load(), 1);
}

TEST_F(CommandChannel, DatagramsOfOtherLengthsAreNotCommands) {
    uint8_t longer[20] = {0x5A, 0x5A, 0x5A, 0x5A, 0x02};
    streamCamera.SendRaw(commandPort, longer, sizeof longer);
    streamCamera.SendRaw(commandPort, longer, 12);  // shorter
    streamCamera.SendCommand(commandPort, camlink::kCmdHeartbeat);
    ASSERT_TRUE(WaitFor([&] { return owner.heartbeats.load() == 1; }));
    platform::SleepMs(150);
    EXPECT_EQ(owner.heartbeats.load(), 1);
}

TEST_F(CommandChannel, IdentifyReplyWithoutTextStillSetsReplyFlagAndValue) {
    streamCamera.SendCommand(commandPort, camlink::kCmdIdentify, 0xC0FFEE);
    ASSERT_TRUE(WaitFor([&] { return udp->m_bReplied.load() == 1; }));
    EXPECT_EQ(udp->m_cameraValue.load(), 0xC0FFEEu);
    EXPECT_EQ(udp->CameraInfo(), "");

    // With its text the camera's name is kept; a later reply on the picture camera's port
    // replaces the value.
    udp->m_bReplied.store(0);
    streamCamera.SendCommand(commandPort, camlink::kCmdIdentify, 7);
    streamCamera.SendRaw(commandPort, "WiFi-Cam 3", 10);
    ASSERT_TRUE(WaitFor([&] { return udp->m_bReplied.load() == 1; }));
    EXPECT_EQ(udp->m_cameraValue.load(), 7u);
    EXPECT_EQ(udp->CameraInfo(), "WiFi-Cam 3");

    udp->m_bReplied.store(0);
    pictureCamera.SendCommand(replyPort, camlink::kCmdIdentify, 9);
    pictureCamera.SendRaw(replyPort, "Snap", 4);
    ASSERT_TRUE(WaitFor([&] { return udp->m_bReplied.load() == 1; }));
    EXPECT_EQ(udp->m_cameraValue.load(), 9u);
    EXPECT_EQ(udp->CameraInfo(), "Snap");
}

TEST_F(CommandChannel, KeysArePostedOrAnswerAnOpenDeleteConfirmation) {
    owner.deleteConfirmOpen = true;
    streamCamera.SendCommand(commandPort, 85);
    streamCamera.SendCommand(commandPort, 83);
    streamCamera.SendCommand(commandPort, 81);
    ASSERT_TRUE(WaitFor([&] { return owner.Answers().size() == 2; }));
    EXPECT_EQ(owner.Answers(), (std::vector<int>{'n', 'y'}));
    EXPECT_EQ(owner.Posted(), (std::vector<int>{83}));

    owner.deleteConfirmOpen = false;
    streamCamera.SendCommand(commandPort, 81);
    streamCamera.SendCommand(commandPort, 82);
    streamCamera.SendCommand(commandPort, 84);
    streamCamera.SendCommand(commandPort, 85);
    streamCamera.SendCommand(commandPort, 86);  // not a key
    streamCamera.SendCommand(commandPort, 80);  // not a key
    streamCamera.SendCommand(commandPort, camlink::kCmdHeartbeat);
    ASSERT_TRUE(WaitFor([&] { return owner.heartbeats.load() == 1; }));
    EXPECT_EQ(owner.Posted(), (std::vector<int>{83, 81, 82, 84, 85}));
    EXPECT_EQ(owner.Answers().size(), 2u);

    // The picture camera's reply port does not take keys.
    pictureCamera.SendCommand(replyPort, 83);
    pictureCamera.SendCommand(replyPort, camlink::kCmdIdentify, 1);
    ASSERT_TRUE(WaitFor([&] { return udp->m_bReplied.load() == 1; }));
    EXPECT_EQ(owner.Posted().size(), 5u);
}

TEST_F(CommandChannel, WithoutOwnerEventsAreDropped) {
    udp->SetOwner(nullptr);
    streamCamera.SendCommand(commandPort, 83);
    streamCamera.SendCommand(commandPort, camlink::kCmdHeartbeat);
    streamCamera.SendCommand(commandPort, camlink::kCmdIdentify, 5);
    ASSERT_TRUE(WaitFor([&] { return udp->m_bReplied.load() == 1; }));
    EXPECT_EQ(owner.heartbeats.load(), 0);
    EXPECT_TRUE(owner.Posted().empty());
}

TEST_F(CommandChannel, ProbesSendIdentifyAndFailAfterThreeTicks) {
    for (bool stream : {true, false}) {
        SCOPED_TRACE(stream ? "stream camera" : "picture camera");
        FakeUdpCamera& camera = stream ? streamCamera : pictureCamera;
        uint64_t start = ticks.load();
        auto probe = std::async(std::launch::async,
                                [&] { return stream ? udp->ProbeStreamCamera() : udp->ProbePictureCamera(); });
        uint8_t datagram[32];
        ASSERT_EQ(camera.Receive(datagram, sizeof datagram, 2000), 16);
        camlink::CameraCommand command;
        ASSERT_TRUE(camlink::DecodeCommand(datagram, 16, &command));
        EXPECT_EQ(command.magic, camlink::CAMERA_CMD_MAGIC);
        EXPECT_EQ(command.code, camlink::kCmdIdentify);
        EXPECT_EQ(command.arg1, 0u);
        EXPECT_EQ(command.arg2, 0u);

        ticks = start + 2;
        EXPECT_EQ(probe.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);
        ticks = start + 3;
        ASSERT_EQ(probe.wait_for(std::chrono::seconds(2)), std::future_status::ready);
        EXPECT_EQ(probe.get(), 0);
    }
}

TEST_F(CommandChannel, PictureProbeIsNotAnsweredByALateStreamCamera) {
    // The stream camera answers only after its own probe gave up, while the picture camera is
    // being probed: that answer must not make it a picture camera.
    uint64_t start = ticks.load();
    auto probe = std::async(std::launch::async, [&] { return udp->ProbePictureCamera(); });
    uint8_t datagram[32];
    ASSERT_EQ(pictureCamera.Receive(datagram, sizeof datagram, 2000), 16);
    streamCamera.SendCommand(commandPort, camlink::kCmdIdentify, 1);
    ASSERT_TRUE(WaitFor([&] { return udp->m_bReplied.load() == 1; }));
    EXPECT_EQ(probe.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);
    ticks = start + 3;
    ASSERT_EQ(probe.wait_for(std::chrono::seconds(2)), std::future_status::ready);
    EXPECT_EQ(probe.get(), 0);
}

TEST_F(CommandChannel, ProbeSucceedsWhenTheCameraAnswers) {
    udp->m_cameraValue.store(0);
    std::thread camera([&] {
        uint8_t datagram[16];
        if (pictureCamera.Receive(datagram, sizeof datagram, 2000) != 16) return;
        pictureCamera.SendCommand(replyPort, camlink::kCmdIdentify, 42);
        pictureCamera.SendRaw(replyPort, "picture camera", 14);
    });
    EXPECT_EQ(udp->ProbePictureCamera(), 1);  // the ticks never advance: only the reply ends it
    camera.join();
    EXPECT_EQ(udp->m_cameraValue.load(), 42u);
    ASSERT_TRUE(WaitFor([&] { return udp->CameraInfo() == "picture camera"; }));

    // The stream camera's probe sends the value remembered from the last reply.
    auto probe = std::async(std::launch::async, [&] { return udp->ProbeStreamCamera(); });
    uint8_t datagram[16];
    ASSERT_EQ(streamCamera.Receive(datagram, sizeof datagram, 2000), 16);
    camlink::CameraCommand command;
    ASSERT_TRUE(camlink::DecodeCommand(datagram, 16, &command));
    EXPECT_EQ(command.arg1, 42u);
    streamCamera.SendCommand(commandPort, camlink::kCmdIdentify, 43);
    EXPECT_EQ(probe.get(), 1);
}

TEST(CommandChannelStartUp, BindFailureShowsMessageAndFailsInit) {
    int taken = platform::OpenUdpSocket("127.0.0.1", 0, false);
    ASSERT_GE(taken, 0);
    camlinktest::FakeNotifier notifier;
    {
        CameraLinkConfig config = LoopbackConfig();
        config.streamLocalPort = platform::LocalPort(taken);
        CUdp udp(config);
        udp.SetNotifier(&notifier);
        EXPECT_EQ(udp.Init(), 0);
        EXPECT_EQ(notifier.Messages(), (std::vector<std::string>{"bind rxsocket err"}));
        // No listener: a probe fails once the ticks run out.
        EXPECT_EQ(udp.ProbeStreamCamera(), 0);
    }
    {
        CameraLinkConfig config = LoopbackConfig();
        config.pictureLocalPort = platform::LocalPort(taken);
        CUdp udp(config);
        udp.SetNotifier(&notifier);
        EXPECT_EQ(udp.Init(), 0);
        EXPECT_EQ(notifier.Messages().size(), 2u);
    }
    platform::CloseSocket(taken);
}

TEST_F(CommandChannel, CloseStopsListenersAndCommandsGoNowhere) {
    udp->Close();
    streamCamera.SendCommand(commandPort, camlink::kCmdHeartbeat);
    platform::SleepMs(100);
    EXPECT_EQ(owner.heartbeats.load(), 0);
    EXPECT_EQ(udp->SendStreamCameraCommand(1, 0, 0), 1);  // returns the code, sends nothing
    uint8_t datagram[16];
    EXPECT_EQ(streamCamera.Receive(datagram, sizeof datagram, 100), -1);
}

}  // namespace
