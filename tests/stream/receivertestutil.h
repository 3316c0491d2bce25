// Helpers for the receiver tests: a frame collector behind the callback, a receiver on a port the
// kernel chose, and a loopback sender.
#pragma once

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <vector>

#include "platform/net.h"
#include "stream/streamreceiver.h"

namespace streamtest {

struct DeliveredFrame {
    StreamReceiver* receiver;
    StreamFrameInfo info;
    std::vector<uint8_t> data;
    int32_t length;
    void* userData;
};

// Collects what the callback is handed; waits for a number of frames.
class Collector {
public:
    static int32_t Callback(StreamReceiver* receiver, StreamFrameInfo* info, uint8_t* data, int32_t length,
                            void* userData) {
        auto* self = static_cast<Collector*>(userData);
        DeliveredFrame frame{receiver, *info, std::vector<uint8_t>(data, data + length), length, userData};
        std::lock_guard<std::mutex> lock(self->m_mutex);
        self->m_frames.push_back(std::move(frame));
        self->m_changed.notify_all();
        return 0;
    }

    bool WaitFor(size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, timeout, [&] { return m_frames.size() >= count; });
    }

    size_t Count() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_frames.size();
    }

    std::vector<DeliveredFrame> Frames() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_frames;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<DeliveredFrame> m_frames;
};

// Creates a receiver on a port the kernel picked. A throwaway socket holds the port while the
// receiver binds it too (both allow address reuse), so no other test can be handed the same port
// in between; it is closed before anything is sent. With a source, only its datagrams are taken.
inline StreamReceiver* CreateOnFreePort(const char* address, int streamType, StreamFrameCallback callback,
                                        void* userData, uint16_t* port, const char* source = nullptr) {
    int holder = platform::OpenUdpSocket("127.0.0.1", 0, false);
    EXPECT_GE(holder, 0);
    *port = platform::LocalPort(holder);
    StreamReceiver* receiver =
        source ? StreamReceiver_CreateForSource(address, *port, nullptr, source, streamType, callback, userData)
               : StreamReceiver_Create(address, *port, nullptr, streamType, callback, userData);
    platform::CloseSocket(holder);
    return receiver;
}

// True when a socket without address reuse can bind the port: nobody holds it any more.
inline bool PortIsFree(uint16_t port) {
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr;
    platform::MakeAddress("127.0.0.1", port, &addr);
    bool free = ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    platform::CloseSocket(fd);
    return free;
}

// Sends datagrams from 127.0.0.1 (or another loopback address) to a local port on 127.0.0.1.
class LoopbackSender {
public:
    explicit LoopbackSender(uint16_t port, const char* from = "127.0.0.1")
        : m_port(port), m_fd(platform::OpenUdpSocket(from, 0, false)) {}
    bool IsOpen() const { return m_fd >= 0; }
    ~LoopbackSender() { platform::CloseSocket(m_fd); }
    LoopbackSender(const LoopbackSender&) = delete;
    LoopbackSender& operator=(const LoopbackSender&) = delete;

    void Send(const uint8_t* data, size_t size) {
        ASSERT_EQ(platform::SendTo(m_fd, data, size, "127.0.0.1", m_port), static_cast<long>(size));
    }
    void Send(const std::vector<uint8_t>& bytes) { Send(bytes.data(), bytes.size()); }

private:
    uint16_t m_port;
    int m_fd;
};

}  // namespace streamtest
