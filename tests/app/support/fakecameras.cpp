#include "tests/app/support/fakecameras.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "camlink/cameraprotocol.h"
#include "platform/clock.h"
#include "platform/net.h"

namespace {
void SendCommand(int fd, uint16_t port, uint32_t code, uint32_t arg1) {
    camlink::CameraCommand command;
    command.code = code;
    command.arg1 = arg1;
    uint8_t datagram[camlink::kCommandDatagramSize];
    camlink::EncodeCommand(command, datagram);
    platform::SendTo(fd, datagram, sizeof datagram, "127.0.0.1", port);
}

bool ReadIdentify(int fd) {
    uint8_t buffer[64];
    const long n = ::recv(fd, buffer, sizeof buffer, 0);
    camlink::CameraCommand command;
    return n > 0 && camlink::DecodeCommand(buffer, size_t(n), &command) && command.magic == camlink::CAMERA_CMD_MAGIC &&
           command.code == camlink::kCmdIdentify;
}
}  // namespace

FakeStreamCamera::FakeStreamCamera() {
    m_fd = platform::OpenUdpSocket("127.0.0.1", 0, false);
    m_port = platform::LocalPort(m_fd);
}

FakeStreamCamera::~FakeStreamCamera() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
    platform::CloseSocket(m_fd);
}

void FakeStreamCamera::Start(uint16_t appPort) {
    m_appPort = appPort;
    m_thread = std::thread(&FakeStreamCamera::Run, this);
}

void FakeStreamCamera::Send(uint32_t code, uint32_t arg1) { SendCommand(m_fd, m_appPort, code, arg1); }

void FakeStreamCamera::SendKey(uint32_t code) { Send(code, 0); }

void FakeStreamCamera::Run() {
    uint64_t nextHeartbeat = platform::MonotonicMs();
    while (!m_stop) {
        if (platform::WaitReadable(m_fd, 20) == 1 && ReadIdentify(m_fd)) {
            Send(camlink::kCmdIdentify, 7);
            static const char name[] = "FAKE STREAM CAMERA";
            platform::SendTo(m_fd, name, sizeof name, "127.0.0.1", m_appPort);
            ++m_identified;
        }
        // The link reads one datagram per 100 ms; heartbeats come slower than that.
        if (m_heartbeats && platform::MonotonicMs() >= nextHeartbeat) {
            Send(camlink::kCmdHeartbeat, 0);
            nextHeartbeat = platform::MonotonicMs() + 250;
        }
    }
}

FakePictureCamera::FakePictureCamera() {
    m_udp = platform::OpenUdpSocket("127.0.0.1", 0, false);
    m_udpPort = platform::LocalPort(m_udp);
    m_listener = platform::OpenTcpListener("127.0.0.1", 0);
    m_tcpPort = platform::LocalPort(m_listener);
}

FakePictureCamera::~FakePictureCamera() {
    m_stop = true;
    if (m_commandThread.joinable()) m_commandThread.join();
    if (m_pictureThread.joinable()) m_pictureThread.join();
    platform::CloseSocket(m_udp);
    platform::CloseSocket(m_listener);
}

void FakePictureCamera::Start(uint16_t appReplyPort) {
    m_appReplyPort = appReplyPort;
    m_commandThread = std::thread(&FakePictureCamera::RunCommands, this);
    m_pictureThread = std::thread(&FakePictureCamera::RunPictures, this);
}

void FakePictureCamera::SetPreviews(const QByteArray& jpeg, bool on) {
    std::lock_guard<std::mutex> guard(m_mutex);
    m_preview = jpeg;
    m_previews = on;
}

void FakePictureCamera::SendCaptured(const QByteArray& jpeg) {
    std::lock_guard<std::mutex> guard(m_mutex);
    m_captured.push_back(jpeg);
}

void FakePictureCamera::RunCommands() {
    while (!m_stop) {
        if (platform::WaitReadable(m_udp, 20) == 1 && ReadIdentify(m_udp)) {
            SendCommand(m_udp, m_appReplyPort, camlink::kCmdIdentify, 9);
            static const char name[] = "FAKE PICTURE CAMERA";
            platform::SendTo(m_udp, name, sizeof name, "127.0.0.1", m_appReplyPort);
        }
    }
}

bool FakePictureCamera::SendAll(int fd, const void* data, size_t length) {
    const auto* p = static_cast<const uint8_t*>(data);
    while (length > 0 && !m_stop) {
        if (platform::WaitReadable(fd, 0) == 1) {
            // The application closed the connection (a read of 0) or sent something: check.
            char probe;
            if (::recv(fd, &probe, 1, MSG_DONTWAIT | MSG_PEEK) == 0) return false;
        }
        const long n = ::send(fd, p, length, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            p += n;
            length -= size_t(n);
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            platform::SleepMs(5);
        } else {
            return false;
        }
    }
    return length == 0;
}

void FakePictureCamera::RunPictures() {
    while (!m_stop) {
        if (platform::WaitReadable(m_listener, 20) != 1) continue;
        const int fd = ::accept(m_listener, nullptr, nullptr);
        if (fd < 0) continue;
        ++m_connections;
        bool open = true;
        while (open && !m_stop) {
            QByteArray picture;
            uint32_t type = camlink::kPicturePreview;
            {
                std::lock_guard<std::mutex> guard(m_mutex);
                if (!m_captured.empty()) {
                    picture = m_captured.front();
                    m_captured.pop_front();
                    type = camlink::kPictureCaptured;
                } else if (m_previews) {
                    picture = m_preview;
                }
            }
            if (picture.isEmpty()) {
                // Idle: notice a connection the application closed.
                if (platform::WaitReadable(fd, 20) == 1) {
                    char probe;
                    if (::recv(fd, &probe, 1, MSG_DONTWAIT | MSG_PEEK) == 0) open = false;
                }
                continue;
            }
            uint8_t header[camlink::kPictureHeaderSize];
            camlink::EncodePictureHeader({type, uint32_t(picture.size())}, header);
            open = SendAll(fd, header, sizeof header) && SendAll(fd, picture.constData(), size_t(picture.size()));
            platform::SleepMs(40);
        }
        ::close(fd);
    }
}
