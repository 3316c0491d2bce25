#include "stream/streamreceiver.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <strings.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <system_error>
#include <thread>

#include "platform/clock.h"
#include "platform/debug.h"
#include "platform/net.h"

namespace {

constexpr int kReadinessWaitMs = 500;              // one readiness wait of the receive thread
constexpr int kWaitErrorPauseMs = 10;              // pause after a failed readiness wait
constexpr size_t kReceiveBufferSize = 1048576;     // one drain of the socket
constexpr size_t kLargestDatagram = 65535;         // a drain stops before a datagram could be cut short
constexpr int kSocketReceiveBuffer = 4 * 1048576;  // kernel buffer: bursts wait there, not dropped
constexpr uint64_t kStuckClearMs = 1000;           // a full ring that yields nothing for this long is
                                                   // cleared
constexpr int kStopPollMs = 10;                    // destroy polls a thread's id this often...
constexpr uint64_t kStopWaitMs = 3000;             // ...for this long before it says it keeps waiting

struct StreamType {
    int framing;
    int capacity;
};

bool streamTypeFor(int streamType, StreamType* out) {
    switch (streamType) {
        case STREAM_TYPE_FRAGMENTED:
            *out = {FRAMING_FRAGMENTED, 512000};
            return true;
        case STREAM_TYPE_WHOLE_FRAME_13:
            *out = {FRAMING_WHOLE_FRAME_ALT, 10485760};
            return true;
        case STREAM_TYPE_WHOLE_FRAME:
            *out = {FRAMING_WHOLE_FRAME, 10485760};
            return true;
        default:
            return false;
    }
}

}  // namespace

struct StreamReceiver {
    char address[32] = {};  // as given at creation, when non-empty (at most 31 characters)
    int32_t port = 0;
    int32_t streamType = 0;
    int socket = -1;
    StreamFrameCallback callback = nullptr;
    void* userData = nullptr;
    FrameRingBuffer* ring = nullptr;

    // Run flags: set by the creator, cleared by destroy, polled by the threads.
    std::atomic<uint8_t> parseRunning{0};
    std::atomic<uint8_t> recvRunning{0};
    // Linux thread ids; each thread writes its own, and 0 as its last act.
    std::atomic<uint32_t> parseThreadId{0};
    std::atomic<uint32_t> recvThreadId{0};

    // Kept so that destroy can join the threads: it never frees what a running thread uses.
    std::thread parseThread;
    std::thread recvThread;
    // Held by the creator while it starts the threads; each thread passes it before its work, so
    // no thread runs before both handles are stored.
    std::mutex startGate;
    // Readable once destroy has begun: ends the receive thread's readiness wait at once.
    int wakeFd = -1;
    // Set when the callback destroyed its own receiver: the parse thread then frees it on its way
    // out.
    std::atomic<bool> destroyWhenParseEnds{false};
    platform::SenderAddress source;  // whose datagrams are taken
    // Datagrams from other addresses, dropped (written by the receive thread); the log line's
    // time (0: none yet) and the count it last reported (receive thread only).
    platform::ForeignSenderCount foreign;
};

namespace {

void closeResources(StreamReceiver* r) {
    platform::CloseSocket(r->socket);
    r->socket = -1;
    if (r->wakeFd >= 0) ::close(r->wakeFd);
    r->wakeFd = -1;
    FrameRing_Destroy(r->ring);
    r->ring = nullptr;
}

void wakeReceiveThread(StreamReceiver* r) {
    // An eventfd refuses a write only when its counter is saturated, and it is readable then.
    uint64_t one = 1;
    if (r->wakeFd >= 0 && ::write(r->wakeFd, &one, sizeof one) < 0) return;
}

// Polls a thread's id every 10 ms for up to 3 s, then, if it still runs, says so and keeps
// waiting: the thread's resources are freed only after it has ended.
void awaitThread(std::thread& thread, const std::atomic<uint32_t>& threadId, const char* name) {
    const uint64_t deadline = platform::MonotonicMs() + kStopWaitMs;
    while (threadId.load() != 0 && platform::MonotonicMs() < deadline) platform::SleepMs(kStopPollMs);
    if (threadId.load() != 0) {
        platform::DebugPrintf("[WARN] stream receiver: %s thread still running after 3 s, waiting for it to end\n",
                              name);
    }
    if (thread.joinable()) thread.join();
}

int openUnicastSocket(const char* address, int port) {
    return platform::OpenUdpSocket(address ? address : "", static_cast<uint16_t>(port), true);
}

// Joins the group on the interface. On Linux a socket bound to an interface's own address never
// sees datagrams sent to a group, so the socket is bound to the group address itself, which also
// keeps out the traffic of other groups that this host has joined.
int openMulticastSocket(const char* group, int port, const char* interfaceAddress) {
    uint32_t groupAddress = 0;
    uint32_t interface = 0;
    if (!platform::ParseIPv4(group, &groupAddress) ||
        !platform::ParseIPv4(interfaceAddress ? interfaceAddress : "", &interface)) {
        return -1;
    }
    int fd = platform::OpenUdpSocket(group, static_cast<uint16_t>(port), true);
    if (fd < 0) return -1;
    ip_mreq membership{};
    membership.imr_multiaddr.s_addr = groupAddress;
    membership.imr_interface.s_addr = interface;
    if (::setsockopt(fd, IPPROTO_IP, IP_ADD_MEMBERSHIP, &membership, sizeof membership) != 0) {
        platform::CloseSocket(fd);
        return -1;
    }
    return fd;
}

// Moves one drained block into the ring in one locked two-phase write; false when it does not fit.
bool storeBlock(FrameRingBuffer* ring, const uint8_t* block, uint32_t length) {
    FrameRing_Lock(ring);
    uint8_t* first = nullptr;
    uint8_t* second = nullptr;
    uint32_t firstLength = 0;
    uint32_t secondLength = 0;
    bool stored = false;
    if (FrameRing_GetWriteRegions(ring, &first, &firstLength, &second, &secondLength) &&
        static_cast<uint64_t>(firstLength) + secondLength >= length) {
        uint32_t head = length < firstLength ? length : firstLength;
        std::memcpy(first, block, head);
        if (length > head) std::memcpy(second, block + head, length - head);
        stored = FrameRing_CommitWrite(ring, length) != 0;
    }
    FrameRing_Unlock(ring);
    return stored;
}

// Parses the source address: false when it is no dotted IPv4 address. Null, empty, 0.0.0.0, a
// multicast group and the broadcast address leave the receiver taking every sender's datagrams.
bool setSource(StreamReceiver* r, const char* sourceAddress) {
    bool valid = false;
    r->source = platform::SenderAddress::Of(sourceAddress ? sourceAddress : "", &valid);
    return valid;
}

bool fromSource(const StreamReceiver* r, const sockaddr_in& from) { return r->source.Matches(from); }

// Counts a datagram from another address and says so, at most once a minute.
void countForeign(StreamReceiver* r, const sockaddr_in& from) {
    uint64_t since = 0;
    if (!r->foreign.Count(&since)) return;
    char sender[INET_ADDRSTRLEN] = "?";
    ::inet_ntop(AF_INET, &from.sin_addr, sender, sizeof sender);
    platform::DebugPrintf(
        "[WARN] stream receiver: %llu datagram(s) from other addresses than the camera's dropped, the last from "
        "%s:%u\n",
        static_cast<unsigned long long>(since), sender, unsigned(ntohs(from.sin_port)));
}

// Receives the next waiting datagram into the buffer when it comes from the source; one from
// another address is dropped and counted, and the next one tried. The length (0 for an empty
// datagram), or -1 when none waits or the receiver is being destroyed.
ssize_t receiveFromSource(StreamReceiver* r, uint8_t* buffer, size_t capacity) {
    while (r->recvRunning.load()) {
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        ssize_t n = ::recvfrom(r->socket, buffer, capacity, 0, reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (n < 0 || fromSource(r, from)) return n;
        countForeign(r, from);
    }
    return -1;
}

// Drops and counts the datagrams from other addresses at the head of the socket, without reading
// the source's, so that the next datagram's size (nextDatagramSize) is the source's.
void dropForeignAtHead(StreamReceiver* r) {
    if (r->source.any) return;
    while (r->recvRunning.load()) {
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        uint8_t byte;
        if (::recvfrom(r->socket, &byte, sizeof byte, MSG_PEEK, reinterpret_cast<sockaddr*>(&from), &fromLength) < 0 ||
            fromSource(r, from)) {
            return;
        }
        ::recv(r->socket, &byte, sizeof byte, 0);  // takes the whole datagram off
        countForeign(r, from);
    }
}

// Size of the next waiting datagram, 0 when none waits.
size_t nextDatagramSize(int fd) {
    int size = 0;
    return ::ioctl(fd, FIONREAD, &size) == 0 && size > 0 ? static_cast<size_t>(size) : 0;
}

// Drains the non-blocking socket into the buffer, taking only the source's datagrams (the others
// are dropped on the way) and only what the ring has room for, so
// that the block can always be stored: a datagram that might not fit stays in the socket until
// the parse thread has made room. Stops when no datagram is waiting, or before one of the largest
// size might no longer fit the buffer or the ring's free space (a datagram is never cut short).
// With less room than that, it takes one datagram when its size is known to fit.
size_t drainSocket(StreamReceiver* r, uint8_t* buffer, size_t room) {
    const size_t limit = room < kReceiveBufferSize ? room : kReceiveBufferSize;
    if (limit < kLargestDatagram) {
        dropForeignAtHead(r);
        size_t next = nextDatagramSize(r->socket);
        if (next == 0 || next > limit) return 0;
        ssize_t n = ::recv(r->socket, buffer, limit, 0);
        return n > 0 ? static_cast<size_t>(n) : 0;
    }
    size_t drained = 0;
    while (drained + kLargestDatagram <= limit) {
        ssize_t n = receiveFromSource(r, buffer + drained, kReceiveBufferSize - drained);
        if (n < 1) break;
        drained += static_cast<size_t>(n);
    }
    return drained;
}

void runReceiveThread(StreamReceiver* r) {
    { std::lock_guard<std::mutex> gate(r->startGate); }
    r->recvThreadId.store(static_cast<uint32_t>(::gettid()));
    std::unique_ptr<uint8_t[]> buffer;
    uint64_t stuckSince = 0;  // when the ring last had no room for the waiting datagram
    uint32_t stuckUsed = 0;   // its unread bytes then
    while (r->recvRunning.load()) {
        pollfd fds[2] = {{r->socket, POLLIN | POLLPRI, 0}, {r->wakeFd, POLLIN, 0}};
        int ready = ::poll(fds, 2, kReadinessWaitMs);
        if (ready < 0) {
            if (errno != EINTR) platform::SleepMs(kWaitErrorPauseMs);
            continue;
        }
        if (ready == 0 || fds[1].revents != 0) continue;
        if (!(fds[0].revents & POLLIN)) {
            if (fds[0].revents & POLLERR) {  // take the pending error so the wait blocks again
                int error = 0;
                socklen_t length = sizeof error;
                ::getsockopt(r->socket, SOL_SOCKET, SO_ERROR, &error, &length);
            }
            continue;
        }
        if (!buffer) {
            buffer.reset(new (std::nothrow) uint8_t[kReceiveBufferSize]);
            if (!buffer) break;
        }
        const size_t room = FrameRing_FreeSpace(r->ring);
        size_t drained = drainSocket(r, buffer.get(), room);
        if (drained == 0) {
            if (nextDatagramSize(r->socket) == 0) {  // an empty datagram, or a receive error
                ::recv(r->socket, buffer.get(), kReceiveBufferSize, 0);
                continue;
            }
            // No room: the datagrams wait in the socket while the parse thread catches up. If it
            // consumes nothing for a whole second, what fills the ring can never make a frame
            // (only corrupt lengths can claim so much): the ring is cleared so the stream goes on.
            const uint64_t now = platform::MonotonicMs();
            const uint32_t used = FrameRing_Used(r->ring);
            if (stuckSince == 0 || used < stuckUsed) {
                stuckSince = now;
                stuckUsed = used;
            } else if (now - stuckSince >= kStuckClearMs) {
                platform::DebugPrintf(
                    "[WARN] stream receiver: %u unread bytes made no frame for "
                    "%llu ms; ring cleared\n",
                    used, static_cast<unsigned long long>(now - stuckSince));
                FrameRing_Clear(r->ring);
                stuckSince = 0;
                continue;
            }
            platform::SleepMs(1);
            continue;
        }
        stuckSince = 0;
        // Always fits (only the parse thread changes the ring meanwhile, and it frees space);
        // a block that did not would be dropped whole, the ring keeping its unread bytes.
        storeBlock(r->ring, buffer.get(), static_cast<uint32_t>(drained));
    }
    buffer.reset();
    r->recvThreadId.store(0);
}

// Hands one extracted frame to the callback when it is an I-, P- or B-frame.
void deliverFrame(StreamReceiver* r, const ParsedFrameHeader& header, uint8_t* frame) {
    if (header.startCode[0] != 0x00 || header.startCode[1] != 0x00 || header.startCode[2] != 0x01) {
        return;
    }
    uint8_t kind;
    switch (header.startCode[3]) {
        case 0xA1:
            kind = 0;
            break;  // I-frame
        case 0xA0:
            kind = 1;
            break;  // P-frame
        case 0xA2:
            kind = 2;
            break;  // B-frame
        default:
            return;  // A4, A5 and anything else: consumed, never delivered
    }
    StreamFrameInfo info;
    std::memset(&info, 0, sizeof info);
    info.frameKind = kind;
    info.attribute = header.attribute;
    info.sizeWord1 = static_cast<uint16_t>(header.size >> 16);
    info.sizeWord2 = static_cast<uint16_t>(header.size & 0xFFFFu);
    info.timestamp = header.timestamp;
    info.sequence = header.sequenceTail;
    if (r->callback) {
        r->callback(r, &info, frame, static_cast<int32_t>(header.frameLength), r->userData);
    }
}

// Ends a receiver whose callback destroyed it, on the parse thread after its loop.
void finishDestroyFromParseThread(StreamReceiver* r) {
    r->recvRunning.store(0);
    wakeReceiveThread(r);
    awaitThread(r->recvThread, r->recvThreadId, "receive");
    r->parseThread.detach();  // this very thread: nobody is left to join it
    closeResources(r);
    delete r;
}

void runParseThread(StreamReceiver* r) {
    { std::lock_guard<std::mutex> gate(r->startGate); }
    r->parseThreadId.store(static_cast<uint32_t>(::gettid()));
    std::unique_ptr<uint8_t[]> frame(new (std::nothrow) uint8_t[FRAME_RING_FRAME_BUFFER_SIZE]);
    if (frame) {
        ParsedFrameHeader header;
        while (r->parseRunning.load()) {
            bool extracted = false;
            // Goes on while frames come out or bytes are discarded: after a loss the extractor
            // drops a broken frame one fragment per call, and a pause after each would let the
            // ring overflow at high rates. Stops between frames once destroy has begun, so that
            // no frame is delivered after.
            while (r->parseRunning.load()) {
                uint32_t before = FrameRing_Used(r->ring);
                if (FrameRing_NextFrame(r->ring, &header, frame.get())) {
                    extracted = true;
                    deliverFrame(r, header, frame.get());
                } else if (FrameRing_Used(r->ring) >= before) {  // nothing was discarded
                    break;
                }
            }
            platform::SleepMs(extracted ? 0 : 1);
        }
    }
    frame.reset();
    if (r->destroyWhenParseEnds.load()) {
        finishDestroyFromParseThread(r);  // frees r
        return;
    }
    r->parseThreadId.store(0);
}

}  // namespace

extern "C" {

StreamBool StreamReceiver_IsMulticastAddress(const char* address) {
    if (!address) return 0;
    return ::strcasecmp(address, "224.0.0.0") > 0 && ::strcasecmp(address, "239.255.255.255") < 0 ? 1 : 0;
}

StreamReceiver* StreamReceiver_Create(const char* address, int port, const char* interfaceAddress, int streamType,
                                      StreamFrameCallback callback, void* userData) {
    return StreamReceiver_CreateForSource(address, port, interfaceAddress, nullptr, streamType, callback, userData);
}

StreamReceiver* StreamReceiver_CreateForSource(const char* address, int port, const char* interfaceAddress,
                                               const char* sourceAddress, int streamType, StreamFrameCallback callback,
                                               void* userData) {
    if (port < 0 || port > 65535) return nullptr;
    std::unique_ptr<StreamReceiver> r(new (std::nothrow) StreamReceiver);
    if (!r) return nullptr;
    if (!setSource(r.get(), sourceAddress)) return nullptr;
    if (address && address[0]) std::strncpy(r->address, address, sizeof r->address - 1);
    r->port = port;
    r->streamType = streamType;
    r->callback = callback;
    r->userData = userData;

    r->socket = StreamReceiver_IsMulticastAddress(address) ? openMulticastSocket(address, port, interfaceAddress)
                                                           : openUnicastSocket(address, port);
    if (r->socket < 0) return nullptr;
    // Bursts of a high-rate stream wait in the kernel while the threads catch up; the usual
    // default of about 200 KiB holds only a few frames. The kernel caps the request at
    // net.core.rmem_max.
    int socketBuffer = kSocketReceiveBuffer;
    ::setsockopt(r->socket, SOL_SOCKET, SO_RCVBUF, &socketBuffer, sizeof socketBuffer);

    StreamType type;
    if (!streamTypeFor(streamType, &type) || !(r->ring = FrameRing_Create(type.framing, type.capacity))) {
        closeResources(r.get());
        return nullptr;
    }
    r->wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (r->wakeFd < 0) {
        closeResources(r.get());
        return nullptr;
    }

    std::unique_lock<std::mutex> gate(r->startGate);
    r->parseRunning.store(1);
    try {
        r->parseThread = std::thread(runParseThread, r.get());
    } catch (const std::system_error&) {
        r->parseRunning.store(0);
        gate.unlock();
        closeResources(r.get());
        return nullptr;
    }
    r->recvRunning.store(1);
    try {
        r->recvThread = std::thread(runReceiveThread, r.get());
    } catch (const std::system_error&) {
        r->recvRunning.store(0);
        r->parseRunning.store(0);
        gate.unlock();
        r->parseThread.join();
        closeResources(r.get());
        return nullptr;
    }
    gate.unlock();
    return r.release();
}

uint64_t StreamReceiver_ForeignDatagrams(const StreamReceiver* receiver) {
    return receiver ? receiver->foreign.Total() : 0;
}

void StreamReceiver_Destroy(StreamReceiver* receiver) {
    if (!receiver) return;
    StreamReceiver* r = receiver;
    if (std::this_thread::get_id() == r->parseThread.get_id()) {
        // Called from the frame callback: the parse thread cannot wait for itself. Stop both
        // threads; the parse thread frees the receiver once the callback has returned.
        r->destroyWhenParseEnds.store(true);
        r->recvRunning.store(0);
        r->parseRunning.store(0);
        wakeReceiveThread(r);
        return;
    }
    r->recvRunning.store(0);
    wakeReceiveThread(r);
    awaitThread(r->recvThread, r->recvThreadId, "receive");
    r->parseRunning.store(0);
    awaitThread(r->parseThread, r->parseThreadId, "parse");
    closeResources(r);
    delete r;
}

}  // extern "C"
