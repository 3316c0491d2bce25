// Shared pieces of the camera link tests: a fake main window, a patient directory, a debug-trace
// capture, fake cameras on 127.0.0.1 and a polling wait.
#pragma once

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "camlink/cameraprotocol.h"
#include "camlink/udp.h"
#include "platform/debug.h"
#include "platform/dirlist.h"
#include "platform/net.h"
#include "platform/paths.h"
#include "records/recordnames.h"
#include "records/recordnotifier.h"
#include "records/recordstore.h"
#include "records/recordtypes.h"

namespace camlinktest {

// Polls `done` every 5 ms for at most `timeoutMs`.
inline bool WaitFor(const std::function<bool()>& done, int timeoutMs = 5000) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// Every address on loopback, every local port chosen by the kernel. The camera ports are set by
// each test to its fake camera's ports.
inline CameraLinkConfig LoopbackConfig() {
    CameraLinkConfig config;
    config.streamCameraIp = "127.0.0.1";
    config.pictureCameraIp = "127.0.0.1";
    config.localBindIp = "127.0.0.1";
    config.streamCameraPort = 0;
    config.streamLocalPort = 0;
    config.videoPort = 0;
    config.pictureCameraPort = 0;
    config.pictureLocalPort = 0;
    config.pictureTcpPort = 0;
    config.connectTimeoutMs = 500;
    return config;
}

class FakeOwner : public CUdpOwner {
public:
    void AddHeartbeat() override { heartbeats.fetch_add(1); }
    void PostCameraKey(int code) override {
        std::lock_guard<std::mutex> guard(lock);
        posted.push_back(code);
    }
    bool IsDeleteConfirmOpen() const override { return deleteConfirmOpen.load(); }
    int AnswerDeleteConfirm(int answer) override {
        std::lock_guard<std::mutex> guard(lock);
        answers.push_back(answer);
        return 1;
    }
    std::vector<int> Posted() {
        std::lock_guard<std::mutex> guard(lock);
        return posted;
    }
    std::vector<int> Answers() {
        std::lock_guard<std::mutex> guard(lock);
        return answers;
    }

    std::atomic<int> heartbeats{0};
    std::atomic<bool> deleteConfirmOpen{false};

private:
    std::mutex lock;
    std::vector<int> posted;
    std::vector<int> answers;
};

class FakeNotifier : public RecordNotifier {
public:
    int MessageBox(const std::string& text, const std::string&, Buttons) override {
        std::lock_guard<std::mutex> guard(lock);
        messages.push_back(text);
        return kOk;
    }
    std::vector<std::string> Messages() {
        std::lock_guard<std::mutex> guard(lock);
        return messages;
    }

private:
    std::mutex lock;
    std::vector<std::string> messages;
};

// Captures the debug trace for the lifetime of the object.
class TraceCapture {
public:
    TraceCapture() { previous = platform::SetDebugSink(&TraceCapture::Sink, this); }
    ~TraceCapture() { platform::SetDebugSink(previous, nullptr); }
    std::vector<std::string> Lines() {
        std::lock_guard<std::mutex> guard(lock);
        return lines;
    }
    int Count(const std::string& text) {
        std::lock_guard<std::mutex> guard(lock);
        int n = 0;
        for (const auto& line : lines) n += line == text;
        return n;
    }
    bool Contains(const std::string& part) {
        std::lock_guard<std::mutex> guard(lock);
        for (const auto& line : lines) {
            if (line.find(part) != std::string::npos) return true;
        }
        return false;
    }

private:
    static void Sink(const char* text, void* context) {
        auto* self = static_cast<TraceCapture*>(context);
        std::lock_guard<std::mutex> guard(self->lock);
        self->lines.push_back(text);
    }
    platform::DebugSink previous = nullptr;
    std::mutex lock;
    std::vector<std::string> lines;
};

// A temporary d: drive with a prepared work directory: the records store's default patient is the
// current patient.
class TempDrive {
public:
    TempDrive() {
        char pattern[] = "/tmp/camlink-test-XXXXXX";
        root = ::mkdtemp(pattern);
        platform::SetDriveRoot(root);
        store.PrepareWorkDir();
        store.Load();
        _USER_INFO user;
        EXPECT_EQ(store.GetCurrentUser(&user), 0);
        patientDir = records::RecordDirPath(user);
        EXPECT_EQ(patientDir, "d:\\DentalWorkDir\\UID20170801102233");
        EXPECT_TRUE(platform::StatFile(HostDir()).isDirectory);
    }
    ~TempDrive() {
        platform::SetDriveRoot("");
        std::string command = "rm -rf '" + root + "'";
        if (std::system(command.c_str()) != 0) ADD_FAILURE() << "cannot remove " << root;
    }
    std::string HostDir() const { return root + "/DentalWorkDir/UID20170801102233"; }
    // The picture files in the patient's directory (the record files left out).
    std::vector<std::string> Pictures() const {
        std::vector<std::string> names;
        for (const auto& entry : platform::ListDirectory(HostDir(), "*.jpg")) {
            names.push_back(entry.name);
        }
        return names;
    }

    std::string root;
    FakeNotifier notifier;
    RecordStore store{&notifier};
    std::string patientDir;
};

inline std::u16string U16(const std::string& text) { return RecordStore::AnsiToUtf16(text); }
inline std::string U8(const std::u16string& text) { return RecordStore::Utf16ToAnsi(text); }

// A UDP socket on 127.0.0.1 (or another loopback address) playing a camera's command port.
class FakeUdpCamera {
public:
    explicit FakeUdpCamera(const std::string& ip = "127.0.0.1") { fd = platform::OpenUdpSocket(ip, 0, false); }
    ~FakeUdpCamera() { platform::CloseSocket(fd); }
    uint16_t Port() const { return platform::LocalPort(fd); }
    void SendCommand(uint16_t toPort, uint32_t code, uint32_t arg1 = 0, uint32_t arg2 = 0,
                     uint32_t magic = camlink::CAMERA_CMD_MAGIC) {
        uint8_t datagram[camlink::kCommandDatagramSize];
        camlink::EncodeCommand({magic, code, arg1, arg2}, datagram);
        SendRaw(toPort, datagram, sizeof datagram);
    }
    void SendRaw(uint16_t toPort, const void* data, size_t length) {
        ASSERT_EQ(platform::SendTo(fd, data, length, "127.0.0.1", toPort), static_cast<long>(length));
    }
    // Receives one datagram within the time-out; its length or -1.
    long Receive(uint8_t* buffer, size_t capacity, int timeoutMs) {
        if (platform::WaitReadable(fd, timeoutMs) != 1) return -1;
        return ::recv(fd, buffer, capacity, 0);
    }
    int fd = -1;
};

}  // namespace camlinktest
