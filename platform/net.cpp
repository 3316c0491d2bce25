#include "platform/net.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/clock.h"

namespace platform {

bool ParseIPv4(const std::string& text, uint32_t* networkOrder) {
    in_addr addr{};
    if (text.empty()) {
        addr.s_addr = htonl(INADDR_ANY);
    } else if (::inet_pton(AF_INET, text.c_str(), &addr) != 1) {
        return false;
    }
    if (networkOrder) *networkOrder = addr.s_addr;
    return true;
}

bool MakeAddress(const std::string& ip, uint16_t port, sockaddr_in* out) {
    std::memset(out, 0, sizeof *out);
    out->sin_family = AF_INET;
    out->sin_port = htons(port);
    return ParseIPv4(ip, &out->sin_addr.s_addr);
}

bool IsLoopbackAddress(const std::string& ip) {
    uint32_t addr;
    return !ip.empty() && ParseIPv4(ip, &addr) && (ntohl(addr) >> 24) == 127;
}

int OpenUdpSocket(const std::string& bindIp, uint16_t port, bool nonBlocking) {
    sockaddr_in addr;
    if (!MakeAddress(bindIp, port, &addr)) return -1;
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        (nonBlocking && !SetNonBlocking(fd, true))) {
        int saved = errno;
        ::close(fd);
        errno = saved;
        return -1;
    }
    return fd;
}

int OpenTcpListener(const std::string& bindIp, uint16_t port, int backlog) {
    sockaddr_in addr;
    if (!MakeAddress(bindIp, port, &addr)) return -1;
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(fd, backlog) != 0) {
        int saved = errno;
        ::close(fd);
        errno = saved;
        return -1;
    }
    return fd;
}

int ConnectTcp(const std::string& ip, uint16_t port, int timeoutMs) {
    sockaddr_in addr;
    if (!MakeAddress(ip, port, &addr)) return -1;
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    SetNonBlocking(fd, true);
    int rc = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    if (rc != 0 && errno == EINPROGRESS) {
        pollfd p{fd, POLLOUT, 0};
        rc = ::poll(&p, 1, timeoutMs);
        if (rc == 1) {
            int err = 0;
            socklen_t len = sizeof err;
            ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len);
            rc = err == 0 ? 0 : -1;
            if (err) errno = err;
        } else {
            if (rc == 0) errno = ETIMEDOUT;
            rc = -1;
        }
    }
    if (rc != 0) {
        int saved = errno;
        ::close(fd);
        errno = saved;
        return -1;
    }
    SetNonBlocking(fd, false);
    return fd;
}

bool SetNonBlocking(int fd, bool nonBlocking) {
    int flags = ::fcntl(fd, F_GETFL, 0);
    if (flags < 0) return false;
    flags = nonBlocking ? (flags | O_NONBLOCK) : (flags & ~O_NONBLOCK);
    return ::fcntl(fd, F_SETFL, flags) == 0;
}

bool SetReceiveTimeout(int fd, int timeoutMs) {
    timeval tv{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    return ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv) == 0;
}

uint16_t LocalPort(int fd) {
    sockaddr_in addr{};
    socklen_t len = sizeof addr;
    if (::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) return 0;
    return ntohs(addr.sin_port);
}

int WaitReadable(int fd, int timeoutMs) {
    pollfd p{fd, POLLIN, 0};
    int rc = ::poll(&p, 1, timeoutMs);
    if (rc < 0) return -1;
    return rc == 0 ? 0 : 1;
}

long SendTo(int fd, const void* data, size_t length, const std::string& ip, uint16_t port) {
    sockaddr_in addr;
    if (!MakeAddress(ip, port, &addr)) return -1;
    return ::sendto(fd, data, length, 0, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
}

void CloseSocket(int fd) {
    if (fd >= 0) ::close(fd);
}

SenderAddress SenderAddress::Of(const std::string& ip, bool* valid) {
    SenderAddress sender;
    const bool parsed = ParseIPv4(ip, &sender.address);
    if (valid) *valid = parsed;
    if (!parsed) {
        sender.any = false;
        sender.address = htonl(INADDR_NONE);  // 255.255.255.255 is never a datagram's source
        return sender;
    }
    const uint32_t host = ntohl(sender.address);
    sender.any = host == INADDR_ANY || host == INADDR_NONE || IN_MULTICAST(host);
    return sender;
}

bool SenderAddress::Matches(const sockaddr_in& from) const {
    return any || (from.sin_family == AF_INET && from.sin_addr.s_addr == address);
}

bool ForeignSenderCount::Count(uint64_t* sinceLastLine) {
    const uint64_t total = m_total.fetch_add(1, std::memory_order_relaxed) + 1;
    const uint64_t now = MonotonicMs() + 1;  // never 0, which means "never"
    uint64_t last = m_lineMs.load();
    if (last != 0 && now - last < kLineIntervalMs) return false;
    if (!m_lineMs.compare_exchange_strong(last, now)) return false;  // another thread writes it
    *sinceLastLine = total - m_atLine.exchange(total);
    return true;
}

}  // namespace platform
