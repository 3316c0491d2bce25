#include "camlink/udp.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

#include "camlink/picturefiles.h"
#include "platform/clock.h"
#include "platform/debug.h"
#include "platform/net.h"
#include "records/recordnames.h"
#include "records/recordstore.h"
#include "records/recordtypes.h"

namespace {

constexpr int kReceiveBufferBytes = 10485760;
// The listeners wait this long for a datagram before looking at their flags again.
constexpr int kListenWaitMs = 20;
// How long the text datagram of an identify reply may trail the reply itself.
constexpr int kCameraTextWaitMs = 20;
// After every 16-byte datagram from its camera a listener pauses this long; nothing else
// (datagrams of other lengths, datagrams from other addresses) makes it pause.
constexpr unsigned kDatagramPauseMs = 100;
// How long a newly saved picture waits for the main window to take the previous announcement.
constexpr unsigned kSavedHandOverMs = 1000;
constexpr uint32_t kRateWindowMs = 10000;

// A UDP socket bound to ip:port without address reuse, so that a second program on the same
// port is told so instead of silently sharing it.
int OpenReceiveSocket(const std::string& ip, uint16_t port) {
    sockaddr_in addr;
    if (!platform::MakeAddress(ip, port, &addr)) return -1;
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        int saved = errno;
        ::close(fd);
        errno = saved;
        return -1;
    }
    return fd;
}

// A TCP connection to ip:port that gives up after timeoutMs or as soon as `stop` is set.
int ConnectUnlessStopped(const std::string& ip, uint16_t port, int timeoutMs, const std::atomic<bool>& stop) {
    sockaddr_in addr;
    if (!platform::MakeAddress(ip, port, &addr)) return -1;
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return -1;
    int rc = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    if (rc != 0 && errno == EINPROGRESS) {
        uint64_t deadline = platform::MonotonicMs() + static_cast<uint64_t>(timeoutMs);
        rc = -1;
        while (!stop.load()) {
            uint64_t now = platform::MonotonicMs();
            if (now >= deadline) break;
            int slice = static_cast<int>(deadline - now < 50 ? deadline - now : 50);
            pollfd p{fd, POLLOUT, 0};
            int ready = ::poll(&p, 1, slice);
            if (ready < 0 && errno != EINTR) break;
            if (ready > 0) {
                int err = 0;
                socklen_t len = sizeof err;
                ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len);
                rc = err == 0 ? 0 : -1;
                break;
            }
        }
    }
    if (rc != 0) {
        ::close(fd);
        return -1;
    }
    platform::SetNonBlocking(fd, false);
    return fd;
}

// The picture channel's connection as a byte source; gives up when the link is stopped.
class SocketByteSource : public CUdpByteSource {
public:
    SocketByteSource(int fd, const std::atomic<bool>& stop) : m_fd(fd), m_stop(stop) {}
    long Read(uint8_t* buffer, size_t capacity) override {
        while (!m_stop.load()) {
            int ready = platform::WaitReadable(m_fd, 100);
            if (ready < 0) {
                if (errno == EINTR) continue;
                return -1;
            }
            if (ready == 0) continue;
            ssize_t n = ::recv(m_fd, buffer, capacity, 0);
            if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
            return static_cast<long>(n);
        }
        return -1;
    }

private:
    int m_fd;
    const std::atomic<bool>& m_stop;
};

bool ReadExact(CUdpByteSource& source, uint8_t* buffer, size_t length) {
    size_t done = 0;
    while (done < length) {
        long n = source.Read(buffer + done, length - done);
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

CPreviewStream::CPreviewStream() : m_block(new uint8_t[camlink::kMaxPictureLength]) {}

CUdp::CUdp(const CameraLinkConfig& config) : m_config(config) {
    // A subnet's broadcast address cannot be told from a host's without the netmask: as a camera
    // address it is taken for a host's.
    m_streamSource = platform::SenderAddress::Of(m_config.streamCameraIp);
    m_pictureSource = platform::SenderAddress::Of(m_config.pictureCameraIp);
    m_picBuf[0].reset(new uint8_t[camlink::kMaxPictureLength]);
    m_picBuf[1].reset(new uint8_t[camlink::kMaxPictureLength]);
    m_pPreviewStream.reset(new CPreviewStream);
    m_hPreview = m_pPreviewStream->m_block.get();
}

CUdp::~CUdp() {
    StopThreads();
    CloseSockets();
}

void CUdp::SetOwner(CUdpOwner* owner) {
    std::lock_guard<std::mutex> guard(m_ownerLock);
    m_pOwner = owner;
}

void CUdp::Notify(const std::string& text) {
    platform::DebugNotice("%s\n", text.c_str());
    RecordNotifier* notifier = m_pNotifier ? m_pNotifier : &StderrRecordNotifier::Instance();
    notifier->MessageBox(text, "kavimo", RecordNotifier::Buttons::Ok);
}

bool CUdp::CurrentPatientDir(std::string* dirLogical) const {
    if (!m_pStore) return false;
    _USER_INFO user;
    if (m_pStore->GetCurrentUser(&user) < 0) return false;
    // dirPath is 8-bit text; this system's 8-bit code page is UTF-8, the form paths take here.
    *dirLogical = records::RecordDirPath(user);
    return !dirLogical->empty();
}

int CUdp::Init(int /*unused*/) {
    if (m_bInitialised) return 0;
    m_bInitialised = true;

    // Stream camera's command socket pair.
    m_sockSend7777 = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    m_sockRecv7777 = OpenReceiveSocket(m_config.localBindIp, m_config.streamLocalPort);
    if (m_sockSend7777 < 0 || m_sockRecv7777 < 0) {
        Notify("bind rxsocket err");
        return 0;
    }
    m_nLocalPort7777 = platform::LocalPort(m_sockRecv7777);
    m_bListen = 1;
    m_listen7777 = std::thread(&CUdp::ListenThread7777, this);

    // Picture camera's command socket pair.
    m_sockSend6000 = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    m_sockRecv5000 = OpenReceiveSocket(m_config.localBindIp, m_config.pictureLocalPort);
    if (m_sockSend6000 < 0 || m_sockRecv5000 < 0) {
        Notify("bind rxsocket err");
        return 0;
    }
    m_nLocalPort5000 = platform::LocalPort(m_sockRecv5000);

    // Picture channel: buffer 0, flags cleared, one failure counted, channel disabled.
    m_nPicBuf = 0;
    m_bPreviewReady = 0;
    m_bSaved = 0;
    m_bDumpNext = 0;
    m_nConnectFails = 1;
    m_bPictureEnable = 0;
    m_picture = std::thread(&CUdp::PictureThread, this);
    m_listen5000 = std::thread(&CUdp::ListenThread5000, this);
    return 1;
}

int CUdp::SendCommand(int socket, const std::string& ip, uint16_t port, uint32_t code, uint32_t arg1, uint32_t arg2) {
    uint8_t datagram[camlink::kCommandDatagramSize];
    camlink::EncodeCommand({camlink::CAMERA_CMD_MAGIC, code, arg1, arg2}, datagram);
    {
        std::lock_guard<std::mutex> guard(m_textLock);
        std::memcpy(m_cmdOut, datagram, sizeof datagram);
    }
    platform::SendTo(socket, datagram, sizeof datagram, ip, port);
    return static_cast<int>(code);
}

int CUdp::SendStreamCameraCommand(uint32_t code, uint32_t arg1, uint32_t arg2) {
    return SendCommand(m_sockSend7777, m_config.streamCameraIp, m_config.streamCameraPort, code, arg1, arg2);
}

int CUdp::SendPictureCameraCommand(uint32_t code, uint32_t arg1, uint32_t arg2) {
    return SendCommand(m_sockSend6000, m_config.pictureCameraIp, m_config.pictureCameraPort, code, arg1, arg2);
}

uint64_t CUdp::Ticks() const {
    if (m_pTicks) return m_pTicks->load(std::memory_order_acquire);
    return platform::MonotonicMs() / 100;
}

int CUdp::Probe(bool streamCamera) {
    // Only the probed camera's answer counts: a stream camera that answers just after its own
    // probe gave up must not pass for a picture camera.
    const int wantedPort = streamCamera ? 1 : 2;
    m_nReplyPort = 0;
    m_bReplied = 0;
    uint64_t start = Ticks();
    if (streamCamera) {
        SendStreamCameraCommand(camlink::kCmdIdentify, m_cameraValue.load(), 0);
    } else {
        SendPictureCameraCommand(camlink::kCmdIdentify, 0, 0);
    }
    for (;;) {
        if (m_bReplied.load(std::memory_order_acquire) && m_nReplyPort.load() == wantedPort) return 1;
        if (Ticks() - start >= 3) return 0;
        std::this_thread::yield();
    }
}

void CUdp::StartProbe() {
    m_nReplyPort = 0;
    m_bReplied = 0;
    m_bStreamAnswered = false;
    SendStreamCameraCommand(camlink::kCmdIdentify, m_cameraValue.load(), 0);
    SendPictureCameraCommand(camlink::kCmdIdentify, 0, 0);
}

int CUdp::ProbeAnswer() const {
    if (m_bStreamAnswered.load(std::memory_order_acquire)) return CAMERA_STREAM;
    if (m_bReplied.load(std::memory_order_acquire) && m_nReplyPort.load() == 2) return CAMERA_PICTURE;
    return 0;
}

int CUdp::ProbeStreamCamera() { return Probe(true); }
int CUdp::ProbePictureCamera() { return Probe(false); }

std::string CUdp::CameraInfo() const {
    std::lock_guard<std::mutex> guard(m_textLock);
    const char* text = reinterpret_cast<const char*>(m_cameraInfo);
    return std::string(text, ::strnlen(text, sizeof m_cameraInfo));
}

bool CUdp::SleepUnlessStopped(const std::atomic<bool>& stop, unsigned ms) const {
    while (ms > 0 && !stop.load()) {
        unsigned step = ms < 10 ? ms : 10;
        platform::SleepMs(step);
        ms -= step;
    }
    return !stop.load();
}

// --- Listeners -------------------------------------------------------------------------------

bool CUdp::HandleCommandDatagram(ListenPort port, const uint8_t* data, size_t length, ReadTextFn readText,
                                 void* context) {
    camlink::CameraCommand command;
    if (!camlink::DecodeCommand(data, length, &command)) return false;
    {
        std::lock_guard<std::mutex> guard(m_textLock);
        std::memcpy(m_cmdIn, data, sizeof m_cmdIn);
    }
    if (command.magic != camlink::CAMERA_CMD_MAGIC) return true;

    if (command.code == camlink::kCmdIdentify) {
        uint8_t text[camlink::kCameraInfoSize] = {};
        long n = readText ? readText(context, text, sizeof text) : -1;
        if (n >= 0) {
            std::lock_guard<std::mutex> guard(m_textLock);
            std::memcpy(m_cameraInfo, text, sizeof m_cameraInfo);
        }
        m_cameraValue.store(command.arg1);
        m_nReplyPort.store(port == ListenPort::Port7777 ? 1 : 2);
        if (port == ListenPort::Port7777) m_bStreamAnswered.store(true, std::memory_order_release);
        m_bReplied.store(1, std::memory_order_release);
        return true;
    }
    if (port != ListenPort::Port7777) return true;  // the picture camera sends only replies

    if (command.code == camlink::kCmdHeartbeat) {
        std::lock_guard<std::mutex> guard(m_ownerLock);
        if (m_pOwner) m_pOwner->AddHeartbeat();
    } else if (camlink::IsCameraKey(command.code)) {
        std::lock_guard<std::mutex> guard(m_ownerLock);
        if (m_pOwner) {
            int code = static_cast<int>(command.code);
            bool answers =
                code == static_cast<int>(camlink::kKeyDelete) || code == static_cast<int>(camlink::kKeyFreeze);
            if (answers && m_pOwner->IsDeleteConfirmOpen()) {
                m_pOwner->AnswerDeleteConfirm(code == static_cast<int>(camlink::kKeyDelete) ? 'y' : 'n');
            } else {
                m_pOwner->PostCameraKey(code);
            }
        }
    }
    return true;
}

// The camera is known by its address alone: its source port is not fixed (a camera may answer
// from another port than the command port it listens on), so the port is not compared.
bool CUdp::FromCamera(ListenPort port, const sockaddr_in& from) const {
    return (port == ListenPort::Port7777 ? m_streamSource : m_pictureSource).Matches(from);
}

void CUdp::DropForeign(ListenPort port, const sockaddr_in& from) {
    uint64_t since = 0;
    if (!m_foreign.Count(&since)) return;  // not yet a minute, or the other listener logs
    char sender[INET_ADDRSTRLEN] = "?";
    ::inet_ntop(AF_INET, &from.sin_addr, sender, sizeof sender);
    platform::DebugWarning(
        "Camera link: %llu datagram(s) from other addresses than the camera's dropped, the last "
        "from %s:%u on the %s port.......\n",
        static_cast<unsigned long long>(since), sender, unsigned(ntohs(from.sin_port)),
        port == ListenPort::Port7777 ? "command" : "picture reply");
}

long CUdp::ReadCameraText(void* context, uint8_t* buffer, size_t capacity) {
    const auto* source = static_cast<const TextSource*>(context);
    const uint64_t deadline = platform::MonotonicMs() + kCameraTextWaitMs;
    for (;;) {
        const uint64_t now = platform::MonotonicMs();
        if (now >= deadline) return -1;
        if (platform::WaitReadable(source->fd, static_cast<int>(deadline - now)) != 1) return -1;
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        ssize_t n = ::recvfrom(source->fd, buffer, capacity, MSG_DONTWAIT | MSG_TRUNC,
                               reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (n < 0) return -1;
        if (!source->link->FromCamera(source->port, from)) {
            source->link->DropForeign(source->port, from);
            continue;  // the camera's text may still come
        }
        if (static_cast<size_t>(n) > capacity) return -1;  // a longer one is an error
        return static_cast<long>(n);
    }
}

// A datagram from another address is dropped before it is looked at, and a datagram that is no
// command costs no pause, so that a flood of either never holds up the camera's own datagrams.
void CUdp::ListenLoop(int fd, ListenPort port) {
    int size = kReceiveBufferBytes;
    ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
    uint8_t datagram[camlink::kCommandDatagramSize];
    TextSource textSource{this, fd, port};
    while (!m_bStopListeners.load()) {
        if (!m_bListen.load()) {
            platform::SleepMs(10);
            continue;
        }
        int ready = platform::WaitReadable(fd, kListenWaitMs);
        if (ready < 0) {
            platform::SleepMs(10);
            continue;
        }
        if (ready == 0) continue;
        // MSG_TRUNC reports a datagram's real length, so a longer one is told apart.
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        ssize_t n = ::recvfrom(fd, datagram, sizeof datagram, MSG_DONTWAIT | MSG_TRUNC,
                               reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (n < 0) continue;  // a receive failure
        if (!FromCamera(port, from)) {
            DropForeign(port, from);
            continue;
        }
        if (static_cast<size_t>(n) > sizeof datagram) continue;  // longer: not a command
        if (!HandleCommandDatagram(port, datagram, static_cast<size_t>(n), &CUdp::ReadCameraText, &textSource)) {
            continue;  // shorter: not a command
        }
        SleepUnlessStopped(m_bStopListeners, kDatagramPauseMs);
    }
}

void CUdp::ListenThread7777() { ListenLoop(m_sockRecv7777, ListenPort::Port7777); }
void CUdp::ListenThread5000() { ListenLoop(m_sockRecv5000, ListenPort::Port5000); }

// --- Picture channel -------------------------------------------------------------------------

int CUdp::StartPictureChannel() {
    m_bPictureEnable = 1;
    return 1;
}

int CUdp::StopPictureChannel() {
    m_bPictureEnable = 0;
    return 1;
}

int CUdp::ReleasePictureChannel() {
    StopPictureThread();
    m_hPreview = nullptr;
    m_pPreviewStream.reset();
    Close();
    return 1;
}

uint32_t CUdp::NowMs() const { return m_config.tickCountMs ? m_config.tickCountMs() : platform::TickCountMs(); }

void CUdp::PictureThread() {
    bool reconnect = false;  // a dropped connection is re-established before the flag is read
    while (!m_bStopPicture.load()) {
        if (!reconnect && !m_bPictureEnable.load()) {
            SleepUnlessStopped(m_bStopPicture, 100);
            continue;
        }
        int fd = -1;
        while (!m_bStopPicture.load()) {
            fd = ConnectUnlessStopped(m_config.pictureCameraIp, m_config.pictureTcpPort, m_config.connectTimeoutMs,
                                      m_bStopPicture);
            if (fd >= 0 || m_bStopPicture.load()) break;
            m_nConnectFails.fetch_add(1);
            platform::DebugOutput("Connecting to server.......\n");
            SleepUnlessStopped(m_bStopPicture, 100);
        }
        if (fd < 0) break;
        m_nConnectFails = 0;
        platform::DebugOutput("TCP Connected.......\n");

        SocketByteSource source(fd, m_bStopPicture);
        SessionEnd end = RunPictureSession(source);
        ::close(fd);
        if (end == SessionEnd::Stopped) break;
        reconnect = end == SessionEnd::ReadFailed;
    }
}

CUdp::SessionEnd CUdp::RunPictureSession(CUdpByteSource& source) {
    for (;;) {
        if (!m_bRateWindowOpen) {
            m_bRateWindowOpen = true;
            m_nRateWindowStart = NowMs();
            m_nPreviewCount = 0;
        }
        uint8_t headerBytes[camlink::kPictureHeaderSize];
        if (!ReadExact(source, headerBytes, sizeof headerBytes)) {
            if (m_bStopPicture.load()) return SessionEnd::Stopped;
            platform::DebugOutput("TCP Receiving header error.......\n");
            return SessionEnd::ReadFailed;
        }
        camlink::PictureHeader header = camlink::DecodePictureHeader(headerBytes);
        uint8_t* picture = m_picBuf[m_nPicBuf].get();

        if (header.length > camlink::kMaxPictureLength) {
            // Too long for a receive buffer: read it in pieces and drop it, so that the
            // connection stays in step with the camera's messages.
            uint32_t left = header.length;
            while (left > 0) {
                uint32_t piece = left < camlink::kMaxPictureLength ? left : camlink::kMaxPictureLength;
                if (!ReadExact(source, picture, piece)) {
                    if (m_bStopPicture.load()) return SessionEnd::Stopped;
                    platform::DebugOutput("TCP Receiving data error.......\n");
                    return SessionEnd::ReadFailed;
                }
                left -= piece;
            }
            platform::DebugPrintf("TCP picture of %u bytes is too long, skipped.......\n", header.length);
        } else {
            if (!ReadExact(source, picture, header.length)) {
                if (m_bStopPicture.load()) return SessionEnd::Stopped;
                platform::DebugOutput("TCP Receiving data error.......\n");
                return SessionEnd::ReadFailed;
            }
            // An empty message is no picture: a pending request waits for the next one.
            if (m_bDumpNext.load() && header.length > 0) WriteDumpFile(picture, header.length);
            if (header.type == camlink::kPictureCaptured) {
                m_nPicLen = static_cast<int32_t>(header.length);
                SaveJpeg();
                platform::DebugOutput("SaveJpeg.......\n");
                m_nPicBuf ^= 1;
            } else {
                while (m_bPreviewReady.load(std::memory_order_acquire)) {
                    if (m_bStopPicture.load()) return SessionEnd::Stopped;
                    platform::SleepMs(10);
                }
                if (m_hPreview) {
                    std::memcpy(m_hPreview, picture, header.length);
                    m_pPreviewStream->m_size.store(header.length, std::memory_order_release);
                }
                ++m_nPreviewCount;
                uint32_t elapsed = NowMs() - m_nRateWindowStart;
                if (elapsed >= kRateWindowMs) {
                    m_bRateWindowOpen = false;
                    platform::DebugPrintf("Average Frame rate %d.......\n",
                                          static_cast<int>(m_nPreviewCount / (elapsed / 1000u)));
                }
                m_bPreviewReady.store(1, std::memory_order_release);
                m_nPicBuf ^= 1;
            }
        }
        if (!m_bPictureEnable.load()) return SessionEnd::Disabled;
    }
}

void CUdp::SaveJpeg() {
    std::string dir;
    if (!CurrentPatientDir(&dir)) {
        platform::DebugOutput(platform::DebugLevel::Warning,
                              "SaveJpeg: no current patient, picture not saved.......\n");
        return;
    }
    if (m_nPicLen <= 0) return;
    std::string path;
    if (!camlink::WriteNewPictureFile(dir, std::time(nullptr), m_picBuf[m_nPicBuf].get(),
                                      static_cast<size_t>(m_nPicLen), &path)) {
        const int error = errno ? errno : EIO;
        platform::DebugWarning("SaveJpeg: cannot write a picture into %s: %s.......\n", dir.c_str(),
                               std::strerror(error));
        // Taken with the camera's own button: the user learns that it is lost, and why.
        RecordNotifier* notifier = m_pNotifier ? m_pNotifier : &StderrRecordNotifier::Instance();
        notifier->MessageBox("Fail to save picture！\n" + dir + ": " + std::strerror(error), "Error",
                             RecordNotifier::Buttons::Ok);
        return;
    }
    // One announcement at a time: give the main window a moment to take the previous one, so
    // that a quick second capture does not hide the first from the patient's list.
    for (unsigned waited = 0; m_bSaved.load() && waited < kSavedHandOverMs; waited += 10) {
        if (m_bStopPicture.load()) break;
        platform::SleepMs(10);
    }
    {
        std::lock_guard<std::mutex> guard(m_textLock);
        m_strSavedPath = RecordStore::AnsiToUtf16(path);
    }
    m_bSaved.store(1, std::memory_order_release);
}

bool CUdp::WriteDumpFile(const uint8_t* data, uint32_t length) {
    std::u16string request;
    {
        std::lock_guard<std::mutex> guard(m_textLock);
        request = m_strDumpPath;
    }
    std::string requested = RecordStore::Utf16ToAnsi(request);
    std::string written = requested;
    bool ok = camlink::WriteNewFile(requested, data, length);
    if (!ok && errno == EEXIST) {
        // The name was taken meanwhile; never overwrite a picture, take the next free name.
        ok = camlink::WriteNewPictureFile(camlink::LogicalDirOf(requested), std::time(nullptr), data, length, &written);
    }
    if (!ok) {
        const int error = errno ? errno : EIO;
        m_nDumpError.store(error);  // the window says why when no picture came
        platform::DebugWarning("Cannot write the requested picture %s: %s.......\n", requested.c_str(),
                               std::strerror(error));
        return false;
    }
    std::lock_guard<std::mutex> guard(m_textLock);
    if (m_strDumpPath == request) {  // still the same request (not withdrawn and renewed)
        m_strDumpPath = RecordStore::AnsiToUtf16(written);
        m_bDumpNext.store(0, std::memory_order_release);
    }
    return true;
}

int CUdp::RequestPictureFile() {
    m_nDumpError.store(0);
    std::string dir, path;
    if (!CurrentPatientDir(&dir)) return 0;
    if (!camlink::FreePicturePath(dir, std::time(nullptr), &path)) return 0;
    {
        std::lock_guard<std::mutex> guard(m_textLock);
        m_strDumpPath = RecordStore::AnsiToUtf16(path);
    }
    m_bDumpNext.store(1, std::memory_order_release);
    return 1;
}

bool CUdp::WaitForPictureFile(uint64_t maxTicks, std::u16string* path) {
    uint64_t start = Ticks();
    while (m_bDumpNext.load(std::memory_order_acquire)) {
        if (Ticks() - start >= maxTicks) {
            int expected = 1;
            if (m_bDumpNext.compare_exchange_strong(expected, 0)) return false;  // withdrawn
            break;                                                               // written just now
        }
        platform::SleepMs(1);
    }
    if (path) *path = DumpPath();
    return true;
}

std::u16string CUdp::SavedPath() const {
    std::lock_guard<std::mutex> guard(m_textLock);
    return m_strSavedPath;
}

std::u16string CUdp::DumpPath() const {
    std::lock_guard<std::mutex> guard(m_textLock);
    return m_strDumpPath;
}

// --- Stopping --------------------------------------------------------------------------------

void CUdp::StopListeners() {
    m_bStopListeners = true;
    if (m_listen7777.joinable()) m_listen7777.join();
    if (m_listen5000.joinable()) m_listen5000.join();
}

void CUdp::StopPictureThread() {
    m_bStopPicture = true;
    if (m_picture.joinable()) m_picture.join();
}

void CUdp::StopThreads() {
    StopListeners();
    StopPictureThread();
}

void CUdp::CloseSockets() {
    for (int* fd : {&m_sockSend7777, &m_sockRecv7777, &m_sockSend6000, &m_sockRecv5000}) {
        platform::CloseSocket(*fd);
        *fd = -1;
    }
}

void CUdp::Close() {
    StopListeners();
    CloseSockets();
}
