// Small helpers over BSD sockets (IPv4). Every function returns -1 / false on failure and
// leaves errno set; nothing here prints.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

struct sockaddr_in;

namespace platform {

// Parses a dotted IPv4 address ("0.0.0.0" and "" mean any). False for other text.
bool ParseIPv4(const std::string& text, uint32_t* networkOrder);

// Fills a sockaddr_in; false when the address does not parse.
bool MakeAddress(const std::string& ip, uint16_t port, sockaddr_in* out);

// True when the text is an address in 127.0.0.0/8.
bool IsLoopbackAddress(const std::string& ip);

// Opens a bound UDP socket (SO_REUSEADDR set). Port 0 lets the kernel choose.
int OpenUdpSocket(const std::string& bindIp, uint16_t port, bool nonBlocking);

// Opens a bound, listening TCP socket on the address (port 0: kernel's choice).
int OpenTcpListener(const std::string& bindIp, uint16_t port, int backlog = 4);

// Connects a TCP socket with a bounded wait; -1 on refusal, time-out or error.
int ConnectTcp(const std::string& ip, uint16_t port, int timeoutMs);

bool SetNonBlocking(int fd, bool nonBlocking);
bool SetReceiveTimeout(int fd, int timeoutMs);

// The local port a socket is bound to, or 0.
uint16_t LocalPort(int fd);

// Waits until the socket is readable: 1 ready, 0 time-out, -1 error.
int WaitReadable(int fd, int timeoutMs);

// Sends a datagram to ip:port; the number of bytes sent or -1.
long SendTo(int fd, const void* data, size_t length, const std::string& ip, uint16_t port);

void CloseSocket(int fd);

// The one sender whose datagrams a socket takes, known by its address alone (a camera's source
// port is not fixed). 0.0.0.0 (or empty), a multicast group and the broadcast address name no
// single sender: everyone is heard. An address that does not parse hears no one.
struct SenderAddress {
    bool any = true;
    uint32_t address = 0;  // network order

    // `valid` (when given) tells whether the text parsed.
    static SenderAddress Of(const std::string& ip, bool* valid = nullptr);
    bool Matches(const sockaddr_in& from) const;
};

// The datagrams a socket turned away because they came from another sender: counted, and due for
// a log line at most once a minute. Safe to use from several threads at once.
class ForeignSenderCount {
public:
    // Counts one datagram. True when a log line is due, with how many were turned away since the
    // last one; only one of several threads counting at once is told so.
    bool Count(uint64_t* sinceLastLine);
    uint64_t Total() const { return m_total.load(std::memory_order_relaxed); }

private:
    static constexpr uint64_t kLineIntervalMs = 60000;
    std::atomic<uint64_t> m_total{0};
    std::atomic<uint64_t> m_lineMs{0};  // when the last line was due (0: never)
    std::atomic<uint64_t> m_atLine{0};  // the total then
};

}  // namespace platform
