// The camera simulator, alone and driving the camera link and the stream receiver.
#include <cstdlib>
#include <fstream>
#include <mutex>

#include "camsimprocess.h"
#include "decoder/TEGMO_Decoder.h"
#include "platform/clock.h"
#include "stream/streamreceiver.h"
#include "tests/camlink/testutil.h"
#include "tools/camsim/h264source.h"
#include "tools/camsim/options.h"

namespace {

using camlinktest::CamsimProcess;
using camlinktest::FakeOwner;
using camlinktest::LoopbackConfig;
using camlinktest::TempDrive;
using camlinktest::TraceCapture;
using camlinktest::WaitFor;

bool Parse(std::vector<const char*> args, camsim::Options* options, std::string* error) {
    args.insert(args.begin(), "kavimo-camsim");
    return camsim::ParseOptions(static_cast<int>(args.size()), args.data(), options, error);
}

TEST(CamsimOptions, DefaultsAndValues) {
    camsim::Options o;
    std::string error;
    ASSERT_TRUE(Parse({"--stream", "--size", "320x240", "--loss", "5", "--at", "1.5:heartbeat off", "--at", "3:key 81",
                       "--app-port", "0", "--exit-on-stdin-eof"},
                      &o, &error))
        << error;
    EXPECT_EQ(o.mode, camsim::Mode::Stream);
    EXPECT_EQ(o.width, 320);
    EXPECT_EQ(o.height, 240);
    EXPECT_EQ(o.loss, 5);
    ASSERT_EQ(o.schedule.size(), 2u);
    EXPECT_DOUBLE_EQ(o.schedule[0].atSeconds, 1.5);
    EXPECT_EQ(o.schedule[0].command, "heartbeat off");
    EXPECT_EQ(o.schedule[1].command, "key 81");
    EXPECT_EQ(o.AppPort(), 0);
    EXPECT_TRUE(o.exitOnStdinEof);
    EXPECT_EQ(o.bindIp, "127.0.0.1");
    EXPECT_EQ(o.appIp, "127.0.0.1");

    camsim::Options p;
    ASSERT_TRUE(Parse({"--picture", "--app", "127.0.0.2"}, &p, &error)) << error;
    EXPECT_EQ(p.AppPort(), 5000);
    EXPECT_EQ(p.appIp, "127.0.0.2");
    EXPECT_EQ(p.name, "kavimo-camsim picture");
}

TEST(CamsimOptions, RefusesAddressesOutsideLoopbackAndBadValues) {
    for (std::vector<const char*> args : std::vector<std::vector<const char*>>{
             {"--stream", "--app", "172.16.10.1"},
             {"--picture", "--bind", "0.0.0.0"},
             {"--stream", "--app", "localhost"},
             {"--stream", "--picture"},
             {},
             {"--stream", "--size", "641x480"},
             {"--stream", "--fps", "0"},
             {"--stream", "--at", "soon:key 81"},
             {"--stream", "--name", "a name that is longer than thirty-two bytes"},
             {"--stream", "--frobnicate"},
         }) {
        camsim::Options o;
        std::string error;
        EXPECT_FALSE(Parse(args, &o, &error)) << (args.size() > 1 ? args[1] : "(none)");
        EXPECT_FALSE(error.empty());
    }
    camsim::Options o;
    std::string error;
    EXPECT_FALSE(Parse({"--stream", "--app", "192.168.239.1"}, &o, &error));
    EXPECT_NE(error.find("127.0.0.0/8"), std::string::npos) << error;
}

TEST(CamsimH264, TestPictureEncodesToAccessUnitsThatSplitBackTheSame) {
    std::string error;
    auto source = camsim::MakeTestPatternSource(176, 144, 25, 10, 500, &error);
    ASSERT_TRUE(source) << error;
    std::vector<camsim::AccessUnit> units(25);
    std::vector<uint8_t> stream;
    for (auto& unit : units) {
        ASSERT_TRUE(source->Next(&unit));
        stream.insert(stream.end(), unit.data.begin(), unit.data.end());
    }
    EXPECT_TRUE(units[0].keyFrame);
    EXPECT_FALSE(units[1].keyFrame);
    EXPECT_TRUE(units[10].keyFrame);
    std::vector<camsim::AccessUnit> split = camsim::SplitAccessUnits(stream);
    ASSERT_EQ(split.size(), units.size());
    for (size_t i = 0; i < units.size(); ++i) {
        EXPECT_EQ(split[i].data, units[i].data) << i;
        EXPECT_EQ(split[i].keyFrame, units[i].keyFrame) << i;
    }

    // An input file plays its pictures in a loop.
    char path[] = "/tmp/camsim-h264-XXXXXX";
    int fd = ::mkstemp(path);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, stream.data(), stream.size()), static_cast<ssize_t>(stream.size()));
    ::close(fd);
    auto file = camsim::MakeFileSource(path, &error);
    ASSERT_TRUE(file) << error;
    camsim::AccessUnit unit;
    for (size_t i = 0; i < units.size() + 1; ++i) ASSERT_TRUE(file->Next(&unit));
    EXPECT_EQ(unit.data, units[0].data);
    ::unlink(path);
    EXPECT_FALSE(camsim::MakeFileSource("/nonexistent/x.h264", &error));
}

TEST(Camsim, RefusesForeignDestinationAndEndsOnSignalOrEndOfInput) {
    {
        CamsimProcess sim;
        ASSERT_TRUE(sim.Start({"--stream", "--app", "8.8.8.8"}));
        EXPECT_EQ(sim.Wait(), 2);
    }
    {
        CamsimProcess sim;
        ASSERT_TRUE(sim.Start({"--picture", "--app-port", "0"}));
        ASSERT_NE(sim.WaitForLine("camsim ready"), "");
        sim.Terminate();
        EXPECT_NE(sim.WaitForLine("camsim bye"), "");
        EXPECT_EQ(sim.Wait(), 0);
    }
    {
        CamsimProcess sim;
        ASSERT_TRUE(sim.Start({"--stream", "--app-port", "0", "--video-port", "0", "--exit-on-stdin-eof"}));
        ASSERT_NE(sim.WaitForLine("camsim ready"), "");
        sim.Send("nonsense");
        EXPECT_NE(sim.WaitForLine("camsim error"), "");
        sim.CloseStdin();
        EXPECT_NE(sim.WaitForLine("camsim bye"), "");
        EXPECT_EQ(sim.Wait(), 0);
    }
}

// A camera link wired to a running simulator: the simulator starts first (its ports are the
// kernel's choice), the link is pointed at them, then the simulator is told the link's port.
class CamsimLink : public ::testing::Test {
protected:
    void StartPair(const std::vector<std::string>& extra, bool stream) {
        std::vector<std::string> args = {stream ? "--stream" : "--picture", "--app-port", "0", "--exit-on-stdin-eof"};
        args.insert(args.end(), extra.begin(), extra.end());
        ASSERT_TRUE(sim.Start(args));
        std::string ready = sim.WaitForLine("camsim ready");
        ASSERT_NE(ready, "");
        auto fields = CamsimProcess::Fields(ready);
        CameraLinkConfig config = LoopbackConfig();
        int cmdPort = std::atoi(fields["cmd_port"].c_str());
        ASSERT_GT(cmdPort, 0);
        if (stream) {
            config.streamCameraPort = static_cast<uint16_t>(cmdPort);
        } else {
            config.pictureCameraPort = static_cast<uint16_t>(cmdPort);
            config.pictureTcpPort = static_cast<uint16_t>(std::atoi(fields["tcp_port"].c_str()));
            ASSERT_GT(config.pictureTcpPort, 0);
        }
        udp.reset(new CUdp(config));
        udp->SetTickCounter(&ticks);
        udp->SetRecordStore(&drive.store);
        ASSERT_EQ(udp->Init(), 1);
        udp->SetOwner(&owner);
        uint16_t appPort = stream ? udp->LocalCommandPort() : udp->LocalPictureReplyPort();
        ASSERT_TRUE(sim.Send("app-port " + std::to_string(appPort)));
        ASSERT_NE(sim.WaitForLine("camsim event app-port"), "");
        ticker = std::thread([this] {
            while (!stopTicker) {
                platform::SleepMs(100);
                ticks.fetch_add(1);
            }
        });
    }
    void TearDown() override {
        stopTicker = true;
        if (ticker.joinable()) ticker.join();
        udp.reset();
        sim.CloseStdin();
        EXPECT_EQ(sim.Wait(), 0);
    }

    TraceCapture trace;
    TempDrive drive;
    FakeOwner owner;
    CamsimProcess sim;
    std::atomic<uint64_t> ticks{0};
    std::atomic<bool> stopTicker{false};
    std::thread ticker;
    std::unique_ptr<CUdp> udp;
};

TEST_F(CamsimLink, PictureCameraIsFoundAndDeliversPreviewsAndCapturedPictures) {
    StartPair({"--name", "Sim picture cam", "--size", "320x240"}, false);
    EXPECT_EQ(udp->ProbeStreamCamera(), 0);  // nobody plays the stream camera
    ASSERT_EQ(udp->ProbePictureCamera(), 1);
    ASSERT_TRUE(WaitFor([&] { return udp->CameraInfo() == "Sim picture cam"; }));

    udp->StartPictureChannel();
    ASSERT_NE(sim.WaitForLine("camsim event connected"), "");
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(WaitFor([&] { return udp->m_bPreviewReady.load() == 1; }));
        const CPreviewStream* preview = udp->PreviewStream();
        ASSERT_GT(preview->Size(), 4u);
        EXPECT_EQ(preview->Data()[0], 0xFF);  // a JPEG: SOI ... EOI
        EXPECT_EQ(preview->Data()[1], 0xD8);
        EXPECT_EQ(preview->Data()[preview->Size() - 2], 0xFF);
        EXPECT_EQ(preview->Data()[preview->Size() - 1], 0xD9);
        udp->m_bPreviewReady.store(0);
    }

    ASSERT_TRUE(sim.Send("capture"));
    std::string capture = sim.WaitForLine("camsim event capture");
    ASSERT_NE(capture, "");
    size_t bytes = std::strtoul(CamsimProcess::Fields(capture)["bytes"].c_str(), nullptr, 10);
    // Previews keep coming while the window takes them; the captured picture is among them.
    ASSERT_TRUE(WaitFor([&] {
        udp->m_bPreviewReady.store(0);
        return udp->m_bSaved.load() == 1;
    }));
    std::string host = platform::HostPath(camlinktest::U8(udp->SavedPath()));
    EXPECT_EQ(platform::StatFile(host).size, bytes);

    // The camera drops the connection and sends an oversized message: the link recovers.
    ASSERT_TRUE(sim.Send("drop"));
    ASSERT_NE(sim.WaitForLine("camsim event connected"), "");
    ASSERT_TRUE(sim.Send("oversize"));
    ASSERT_TRUE(WaitFor([&] { return trace.Contains("too long"); }));
    udp->m_bPreviewReady.store(0);
    ASSERT_TRUE(WaitFor([&] { return udp->m_bPreviewReady.load() == 1; }));
    EXPECT_EQ(udp->m_nConnectFails.load(), 0);
}

TEST_F(CamsimLink, StreamCameraSendsHeartbeatsAndKeys) {
    StartPair({"--heartbeat-ms", "150", "--video-port", "0"}, true);
    ASSERT_EQ(udp->ProbeStreamCamera(), 1);
    EXPECT_EQ(udp->m_cameraValue.load(), 1u);
    ASSERT_TRUE(WaitFor([&] { return udp->CameraInfo() == "kavimo-camsim stream"; }));
    ASSERT_TRUE(WaitFor([&] { return owner.heartbeats.load() >= 3; }));

    ASSERT_TRUE(sim.Send("heartbeat off"));
    ASSERT_NE(sim.WaitForLine("camsim event heartbeat"), "");
    platform::SleepMs(300);  // what was already on its way is taken in
    int stopped = owner.heartbeats.load();
    platform::SleepMs(500);
    EXPECT_EQ(owner.heartbeats.load(), stopped);
    ASSERT_TRUE(sim.Send("heartbeat on"));
    ASSERT_TRUE(WaitFor([&] { return owner.heartbeats.load() > stopped; }));

    ASSERT_TRUE(sim.Send("key 83"));
    ASSERT_TRUE(sim.Send("key 85"));
    ASSERT_TRUE(WaitFor([&] { return owner.Posted().size() == 2; }));
    EXPECT_EQ(owner.Posted(), (std::vector<int>{83, 85}));
}

// Frames as the stream receiver hands them over.
struct ReceivedFrames {
    std::mutex lock;
    std::vector<StreamFrameInfo> infos;
    std::vector<std::vector<uint8_t>> data;
    static int32_t Callback(StreamReceiver*, StreamFrameInfo* info, uint8_t* bytes, int32_t length, void* context) {
        auto* self = static_cast<ReceivedFrames*>(context);
        std::lock_guard<std::mutex> guard(self->lock);
        self->infos.push_back(*info);
        self->data.emplace_back(bytes, bytes + length);
        return 0;
    }
    size_t Count() {
        std::lock_guard<std::mutex> guard(lock);
        return infos.size();
    }
};

uint16_t FreeUdpPort() {
    int fd = platform::OpenUdpSocket("127.0.0.1", 0, false);
    uint16_t port = platform::LocalPort(fd);
    platform::CloseSocket(fd);
    return port;
}

TEST(CamsimStream, VideoReachesTheStreamReceiverInTheFragmentedFraming) {
    ReceivedFrames frames;
    uint16_t port = FreeUdpPort();
    StreamReceiver* receiver =
        StreamReceiver_Create("127.0.0.1", port, "0.0.0.0", STREAM_TYPE_FRAGMENTED, ReceivedFrames::Callback, &frames);
    ASSERT_NE(receiver, nullptr);
    CamsimProcess sim;
    ASSERT_TRUE(sim.Start({"--stream", "--app-port", "0", "--video-port", std::to_string(port), "--size", "320x240",
                           "--fps", "25", "--gop", "10", "--fragment-size", "1000", "--exit-on-stdin-eof"}));
    ASSERT_NE(sim.WaitForLine("camsim ready"), "");
    ASSERT_TRUE(WaitFor([&] { return frames.Count() >= 25; }, 10000));
    sim.CloseStdin();
    EXPECT_EQ(sim.Wait(), 0);
    StreamReceiver_Destroy(receiver);

    std::lock_guard<std::mutex> guard(frames.lock);
    EXPECT_EQ(frames.infos[0].frameKind, 0);  // the first picture is a key frame
    for (size_t i = 1; i < frames.infos.size(); ++i) {
        const StreamFrameInfo& info = frames.infos[i];
        EXPECT_EQ(info.sequence, static_cast<uint8_t>(frames.infos[0].sequence + i)) << i;
        EXPECT_EQ(info.timestamp - frames.infos[i - 1].timestamp, 40000u) << i;  // µs at 25 fps
        EXPECT_EQ(info.frameKind, i % 10 == 0 ? 0 : 1) << i;
        EXPECT_EQ(info.sizeWord1, 320);
        EXPECT_EQ(info.sizeWord2, 240);
    }
    // Each frame is one H.264 access unit in Annex B form.
    for (const auto& data : frames.data) {
        ASSERT_GE(data.size(), 5u);
        EXPECT_TRUE(data[0] == 0 && data[1] == 0 && (data[2] == 1 || (data[2] == 0 && data[3] == 1)));
    }
}

// The live view's road for one frame: receiver → TEGMO_DEC_VideoDecode → a picture.
struct DecodedPictures {
    TEGMO_DEC_HANDLE decoder = 0;
    std::mutex lock;
    int frames = 0;
    int pictures = 0;
    int width = 0, height = 0;
    bool ptsMatches = true;
    std::vector<int> brightestInMiddleRow;
    static int32_t Callback(StreamReceiver*, StreamFrameInfo* info, uint8_t* bytes, int32_t length, void* context) {
        auto* self = static_cast<DecodedPictures*>(context);
        TEGMO_YUV_FRAME picture = {};
        int32_t got = TEGMO_DEC_VideoDecode(self->decoder, info, bytes, length, &picture);
        std::lock_guard<std::mutex> guard(self->lock);
        ++self->frames;
        if (got) {
            ++self->pictures;
            self->width = picture.width;
            self->height = picture.height;
            self->ptsMatches &= picture.pts == info->timestamp;
            const uint8_t* row = picture.planeY + (picture.height / 2) * picture.strideY;
            int brightest = 0;
            for (int x = 0; x < picture.width; ++x) brightest = std::max<int>(brightest, row[x]);
            self->brightestInMiddleRow.push_back(brightest);
            TEGMO_DEC_ReleaseYUVFrame(&picture);
        }
        return got;
    }
    int Pictures() {
        std::lock_guard<std::mutex> guard(lock);
        return pictures;
    }
};

void DecodeFromSimulator(const std::vector<std::string>& extra, DecodedPictures* out, int pictures = 30) {
    ASSERT_EQ(TEGMO_DEC_Init(), 1);
    out->decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, nullptr, nullptr);
    ASSERT_NE(out->decoder, 0u);
    uint16_t port = FreeUdpPort();
    StreamReceiver* receiver =
        StreamReceiver_Create("127.0.0.1", port, "0.0.0.0", STREAM_TYPE_FRAGMENTED, DecodedPictures::Callback, out);
    ASSERT_NE(receiver, nullptr);
    std::vector<std::string> args = {"--stream", "--app-port", "0",     "--video-port", std::to_string(port),
                                     "--size",   "320x240",    "--gop", "10",           "--exit-on-stdin-eof"};
    args.insert(args.end(), extra.begin(), extra.end());
    CamsimProcess sim;
    ASSERT_TRUE(sim.Start(args));
    ASSERT_NE(sim.WaitForLine("camsim ready"), "");
    EXPECT_TRUE(WaitFor([&] { return out->Pictures() >= pictures; }, 15000));
    sim.CloseStdin();
    EXPECT_EQ(sim.Wait(), 0);
    StreamReceiver_Destroy(receiver);
    TEGMO_DEC_DeleteVideoDecoder(out->decoder);
    TEGMO_DEC_Cleanup();
}

TEST(CamsimStream, ReceiverAndDecoderTurnTheSimulatedStreamIntoPictures) {
    DecodedPictures decoded;
    DecodeFromSimulator({}, &decoded);
    std::lock_guard<std::mutex> guard(decoded.lock);
    EXPECT_GE(decoded.pictures, 30);
    EXPECT_EQ(decoded.width, 320);
    EXPECT_EQ(decoded.height, 240);
    EXPECT_TRUE(decoded.ptsMatches);
    // The white square crosses the middle row of the test picture.
    int bright = 0;
    for (int value : decoded.brightestInMiddleRow) bright += value >= 200;
    EXPECT_GT(bright, decoded.pictures / 2);
}

TEST(CamsimStream, LostFragmentsCostFramesButPicturesKeepComing) {
    DecodedPictures decoded;
    DecodeFromSimulator({"--loss", "40"}, &decoded, 100);
    std::lock_guard<std::mutex> guard(decoded.lock);
    EXPECT_GE(decoded.pictures, 100);
    EXPECT_EQ(decoded.width, 320);
    // After a lost frame the decoder refuses what follows until the next key frame.
    EXPECT_LT(decoded.pictures, decoded.frames);
}

}  // namespace
