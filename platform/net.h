// Small helpers over BSD sockets (IPv4). Every function returns -1 / false on failure and
// leaves errno set; nothing here prints.
#pragma once

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

}  // namespace platform
