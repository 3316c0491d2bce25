// Cameras on loopback for the main window's tests: a stream camera that answers identify, sends
// heartbeats and keys, and a picture camera that answers identify and sends JPEG pictures over
// TCP. Everything binds to 127.0.0.1 with ports the kernel chooses.
#pragma once

#include <QByteArray>

#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>

class FakeStreamCamera {
public:
    FakeStreamCamera();
    ~FakeStreamCamera();
    uint16_t Port() const { return m_port; }  // where the application sends its commands
    // Starts answering; replies, heartbeats and keys go to the application's command port.
    void Start(uint16_t appPort);
    void SetHeartbeats(bool on) { m_heartbeats = on; }
    void SendKey(uint32_t code);
    int IdentifyCount() const { return m_identified.load(); }

private:
    void Run();
    void Send(uint32_t code, uint32_t arg1);
    int m_fd = -1;
    uint16_t m_port = 0;
    uint16_t m_appPort = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_heartbeats{false};
    std::atomic<int> m_identified{0};
    std::thread m_thread;
};

class FakePictureCamera {
public:
    FakePictureCamera();
    ~FakePictureCamera();
    uint16_t CommandPort() const { return m_udpPort; }
    uint16_t PicturePort() const { return m_tcpPort; }
    void Start(uint16_t appReplyPort);
    // Preview pictures are sent back to back while on.
    void SetPreviews(const QByteArray& jpeg, bool on);
    // Queues one captured picture (type 1).
    void SendCaptured(const QByteArray& jpeg);
    int Connections() const { return m_connections.load(); }

private:
    void RunCommands();
    void RunPictures();
    bool SendAll(int fd, const void* data, size_t length);
    int m_udp = -1;
    int m_listener = -1;
    uint16_t m_udpPort = 0;
    uint16_t m_tcpPort = 0;
    uint16_t m_appReplyPort = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_previews{false};
    std::atomic<int> m_connections{0};
    std::mutex m_mutex;
    QByteArray m_preview;
    std::deque<QByteArray> m_captured;
    std::thread m_commandThread;
    std::thread m_pictureThread;
};
