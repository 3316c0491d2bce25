#include "tools/camsim/simulator.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "camlink/cameraprotocol.h"
#include "platform/clock.h"
#include "platform/net.h"
#include "stream/streamwriter.h"

namespace camsim {

namespace {

int g_wakePipe[2] = {-1, -1};
volatile sig_atomic_t g_stopRequested = 0;

constexpr uint32_t kMaxFrameLength = 262144;  // what the receiver accepts in one frame

bool ParseNumber(const std::string& text, long min, long max, long* out) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    long long value = std::strtoll(text.c_str(), &end, 0);
    if (errno != 0 || *end != '\0' || value < min || value > max) return false;
    *out = static_cast<long>(value);
    return true;
}

bool OnOff(const std::string& word, bool* out) {
    if (word == "on") return *out = true, true;
    if (word == "off") return *out = false, true;
    return false;
}

}  // namespace

Simulator::Simulator(const Options& options)
    : m_options(options),
      m_appPort(options.AppPort()),
      m_videoPort(options.videoPort),
      m_heartbeat(options.heartbeat),
      m_video(options.video),
      m_identify(options.identify),
      m_loss(options.loss),
      m_scheduleDone(options.schedule.size(), false) {}

Simulator::~Simulator() {
    for (int fd : {m_cmdSocket, m_videoSocket, m_listener, m_connection}) platform::CloseSocket(fd);
}

void Simulator::RequestStop() {
    g_stopRequested = 1;
    if (g_wakePipe[1] >= 0) {
        char byte = 1;
        ssize_t ignored = ::write(g_wakePipe[1], &byte, 1);
        (void)ignored;
    }
}

bool Simulator::Open(std::string* error) {
    if (g_wakePipe[0] < 0 && ::pipe2(g_wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        *error = std::string("cannot create a pipe: ") + std::strerror(errno);
        return false;
    }
    m_cmdSocket = platform::OpenUdpSocket(m_options.bindIp, m_options.cmdPort, true);
    if (m_cmdSocket < 0) {
        *error = "cannot bind UDP " + m_options.bindIp + ":" + std::to_string(m_options.cmdPort) + ": " +
                 std::strerror(errno);
        return false;
    }
    if (m_options.mode == Mode::Stream) {
        m_videoSocket = platform::OpenUdpSocket(m_options.bindIp, 0, false);
        if (m_videoSocket < 0) {
            *error = std::string("cannot open the video socket: ") + std::strerror(errno);
            return false;
        }
        int size = 4 << 20;
        ::setsockopt(m_videoSocket, SOL_SOCKET, SO_SNDBUF, &size, sizeof size);
        if (m_options.input.empty()) {
            m_h264 = MakeTestPatternSource(m_options.width, m_options.height, m_options.fps, m_options.gop,
                                           m_options.bitrateKbps, error);
        } else {
            m_h264 = MakeFileSource(m_options.input, error);
        }
        if (!m_h264) return false;
        m_datagram.resize(static_cast<size_t>(m_options.fragmentSize) + 12 + 28);
    } else {
        m_listener = platform::OpenTcpListener(m_options.bindIp, m_options.tcpPort);
        if (m_listener < 0) {
            *error = "cannot listen on TCP " + m_options.bindIp + ":" + std::to_string(m_options.tcpPort) + ": " +
                     std::strerror(errno);
            return false;
        }
        platform::SetNonBlocking(m_listener, true);
        m_jpeg.reset(new JpegSource(m_options.width, m_options.height));
    }
    return true;
}

void Simulator::Emit(const std::string& line) {
    std::fputs(("camsim " + line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

// --- Command channel -------------------------------------------------------------------------

void Simulator::SendCommand(uint32_t code, uint32_t arg1, uint32_t arg2, uint32_t magic) {
    uint8_t datagram[camlink::kCommandDatagramSize];
    camlink::EncodeCommand({magic, code, arg1, arg2}, datagram);
    if (m_appPort == 0) return;  // the application's port is not known yet
    platform::SendTo(m_cmdSocket, datagram, sizeof datagram, m_options.appIp, m_appPort);
}

void Simulator::OnCommandDatagram() {
    uint8_t datagram[64];
    for (;;) {
        ssize_t n = ::recv(m_cmdSocket, datagram, sizeof datagram, MSG_DONTWAIT);
        if (n < 0) return;
        camlink::CameraCommand command;
        if (!camlink::DecodeCommand(datagram, static_cast<size_t>(n), &command) ||
            command.magic != camlink::CAMERA_CMD_MAGIC) {
            Emit("event ignored bytes=" + std::to_string(n));
            continue;
        }
        if (command.code != camlink::kCmdIdentify) {
            Emit("event command code=" + std::to_string(command.code));
            continue;
        }
        if (!m_identify) {
            Emit("event identify answered=0");
            continue;
        }
        SendCommand(camlink::kCmdIdentify, m_options.value, 0, camlink::CAMERA_CMD_MAGIC);
        if (m_appPort != 0) {
            platform::SendTo(m_cmdSocket, m_options.name.data(), m_options.name.size(), m_options.appIp, m_appPort);
        }
        Emit("event identify answered=1 value=" + std::to_string(command.arg1));
    }
}

// --- Stream camera's video -------------------------------------------------------------------

void Simulator::SendVideoFrame() {
    if (m_videoPort == 0) return;  // nobody to send to yet
    if (!m_h264->Next(&m_unit)) {
        std::fputs("kavimo-camsim: the H.264 source failed\n", stderr);
        m_quit = true;
        return;
    }
    if (m_unit.data.size() > kMaxFrameLength) {
        std::fprintf(stderr, "kavimo-camsim: frame of %zu bytes exceeds %u; the receiver drops it\n",
                     m_unit.data.size(), kMaxFrameLength);
    }
    stream::OutgoingFrame frame;
    frame.type = m_unit.keyFrame ? 0xA1 : 0xA0;
    frame.sequence = m_sequence++;
    frame.timestamp = m_frames * 1000000ull / static_cast<uint64_t>(m_options.fps);
    frame.attribute = m_options.attribute;
    frame.sizeWord1 = static_cast<uint16_t>(m_options.width);
    frame.sizeWord2 = static_cast<uint16_t>(m_options.height);
    frame.limitedValue = static_cast<uint8_t>(m_options.fps < 30 ? m_options.fps : 30);
    frame.payload = m_unit.data.data();
    frame.payloadSize = m_unit.data.size();
    ++m_frames;

    const size_t piece = static_cast<size_t>(m_options.fragmentSize);
    const size_t count = stream::FragmentCount(frame, piece);
    for (size_t i = 0; i < count; ++i) {
        size_t size = stream::WriteFragment(frame, piece, i, m_datagram.data(), m_datagram.size());
        if (size == 0) break;
        ++m_fragmentsCounted;
        if (m_loss > 0 && m_fragmentsCounted % static_cast<uint64_t>(m_loss) == 0) continue;
        if (m_lossPerMille > 0 && static_cast<int>(m_random() % 1000) < m_lossPerMille) continue;
        // The receiver drains its socket in bursts: on loopback, a full socket buffer only means
        // waiting a moment, never losing what the loss option did not ask to lose.
        for (int attempt = 0; attempt < 50; ++attempt) {
            long sent = platform::SendTo(m_videoSocket, m_datagram.data(), size, m_options.appIp, m_videoPort);
            if (sent >= 0 || (errno != ENOBUFS && errno != EAGAIN)) break;
            platform::SleepMs(1);
        }
    }
}

// --- Picture camera's TCP channel ------------------------------------------------------------

void Simulator::AcceptConnection() {
    int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd < 0) return;
    if (m_connection >= 0) DropConnection("replaced");
    m_connection = fd;
    m_picturesOnConnection = 0;
    m_outgoing.clear();
    m_outgoingSent = 0;
    Emit("event connected");
}

void Simulator::DropConnection(const char* reason) {
    if (m_connection < 0) return;
    platform::CloseSocket(m_connection);
    m_connection = -1;
    m_outgoing.clear();
    m_outgoingSent = 0;
    Emit(std::string("event dropped reason=") + reason);
}

void Simulator::OnConnectionReadable() {
    uint8_t buffer[4096];
    ssize_t n = ::recv(m_connection, buffer, sizeof buffer, MSG_DONTWAIT);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) DropConnection("peer");
    // Anything the application sends is ignored: the camera never reads this channel.
}

void Simulator::QueuePicture(uint32_t type, std::vector<uint8_t> jpeg) {
    camlink::PictureHeader header;
    header.type = type;
    header.length = static_cast<uint32_t>(jpeg.size());
    std::vector<uint8_t> message(camlink::kPictureHeaderSize + jpeg.size());
    camlink::EncodePictureHeader(header, message.data());
    std::memcpy(message.data() + camlink::kPictureHeaderSize, jpeg.data(), jpeg.size());
    m_outgoing.push_back(std::move(message));
}

void Simulator::FlushOutgoing() {
    while (m_connection >= 0 && !m_outgoing.empty()) {
        std::vector<uint8_t>& front = m_outgoing.front();
        ssize_t n = ::send(m_connection, front.data() + m_outgoingSent, front.size() - m_outgoingSent,
                           MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0) {
            if (errno == EAGAIN || errno == EINTR) return;
            DropConnection("peer");
            return;
        }
        m_outgoingSent += static_cast<size_t>(n);
        if (m_outgoingSent < front.size()) return;
        m_outgoing.pop_front();
        m_outgoingSent = 0;
        ++m_picturesOnConnection;
        if (m_options.dropAfter > 0 && m_picturesOnConnection >= m_options.dropAfter) {
            DropConnection("limit");
            return;
        }
    }
}

// --- Commands --------------------------------------------------------------------------------

bool Simulator::Execute(const std::string& line, std::string* error) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    if (words.empty()) return true;
    const std::string& verb = words[0];
    const bool stream = m_options.mode == Mode::Stream;
    long n = 0;
    auto fail = [&](const std::string& text) {
        *error = text;
        return false;
    };

    if (verb == "quit" && words.size() == 1) {
        m_quit = true;
    } else if (verb == "key" && words.size() == 2 && ParseNumber(words[1], 0, 0xFFFFFFFFL, &n)) {
        if (stream) {
            SendCommand(static_cast<uint32_t>(n), 0, 0, camlink::CAMERA_CMD_MAGIC);
            Emit("event key code=" + std::to_string(n));
        } else {
            m_captureRequested = true;
        }
    } else if (verb == "capture" && words.size() == 1) {
        if (stream) return fail("capture: only the picture camera captures");
        m_captureRequested = true;
    } else if (verb == "heartbeat" && words.size() == 2 && OnOff(words[1], &m_heartbeat)) {
        Emit("event heartbeat state=" + words[1]);
    } else if (verb == "video" && words.size() == 2 && OnOff(words[1], &m_video)) {
        Emit("event video state=" + words[1]);
    } else if (verb == "identify" && words.size() == 2 && OnOff(words[1], &m_identify)) {
        Emit("event identify state=" + words[1]);
    } else if (verb == "drop" && words.size() == 1) {
        if (stream) return fail("drop: only the picture camera has a TCP connection");
        DropConnection("command");
    } else if (verb == "oversize" && words.size() == 1) {
        if (stream) return fail("oversize: only the picture camera sends pictures");
        QueuePicture(camlink::kPicturePreview, std::vector<uint8_t>(camlink::kMaxPictureLength + 1, 0xEE));
    } else if (verb == "loss" && words.size() == 2 && ParseNumber(words[1], 0, 1000000, &n)) {
        m_loss = static_cast<int>(n);
    } else if (verb == "loss-rate" && words.size() == 2 && ParseNumber(words[1], 0, 1000, &n)) {
        m_lossPerMille = static_cast<int>(n);
    } else if (verb == "send" && words.size() >= 2 && words.size() <= 4) {
        long values[3] = {0, 0, 0};
        for (size_t i = 1; i < words.size(); ++i) {
            if (!ParseNumber(words[i], 0, 0xFFFFFFFFL, &values[i - 1])) {
                return fail("send: numbers expected");
            }
        }
        SendCommand(static_cast<uint32_t>(values[0]), static_cast<uint32_t>(values[1]),
                    static_cast<uint32_t>(values[2]), camlink::CAMERA_CMD_MAGIC);
    } else if (verb == "app-port" && words.size() == 2 && ParseNumber(words[1], 1, 65535, &n)) {
        m_appPort = static_cast<uint16_t>(n);
        Emit("event app-port port=" + std::to_string(n));
    } else if (verb == "video-port" && words.size() == 2 && ParseNumber(words[1], 1, 65535, &n)) {
        m_videoPort = static_cast<uint16_t>(n);
        Emit("event video-port port=" + std::to_string(n));
    } else {
        return fail("unknown or malformed command: " + line);
    }
    return true;
}

void Simulator::ReadStdin() {
    char buffer[4096];
    ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (n <= 0) {
        m_stdinOpen = false;
        if (!m_stdinLine.empty()) {
            std::string error;
            if (!Execute(m_stdinLine, &error)) Emit("error " + error);
            m_stdinLine.clear();
        }
        if (m_options.exitOnStdinEof) m_quit = true;
        return;
    }
    m_stdinLine.append(buffer, static_cast<size_t>(n));
    size_t end;
    while ((end = m_stdinLine.find('\n')) != std::string::npos) {
        std::string line = m_stdinLine.substr(0, end);
        m_stdinLine.erase(0, end + 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string error;
        if (!Execute(line, &error)) Emit("error " + error);
    }
}

// --- Main loop -------------------------------------------------------------------------------

int Simulator::Run() {
    const bool stream = m_options.mode == Mode::Stream;
    std::ostringstream readyLine;
    readyLine << "ready mode=" << (stream ? "stream" : "picture") << " bind=" << m_options.bindIp
              << " cmd_port=" << platform::LocalPort(m_cmdSocket);
    if (!stream) readyLine << " tcp_port=" << platform::LocalPort(m_listener);
    readyLine << " app=" << m_options.appIp << " app_port=" << m_appPort;
    if (stream) readyLine << " video_port=" << m_videoPort;
    Emit(readyLine.str());

    int stdinFlags = ::fcntl(STDIN_FILENO, F_GETFL, 0);
    if (stdinFlags < 0) m_stdinOpen = false;

    const uint64_t frameUs = 1000000ull / static_cast<uint64_t>(m_options.fps);
    const uint64_t previewUs = 1000000ull / static_cast<uint64_t>(m_options.previewFps);
    const uint64_t heartbeatUs = static_cast<uint64_t>(m_options.heartbeatMs) * 1000ull;
    m_startUs = platform::MonotonicUs();
    m_nextHeartbeatUs = m_startUs;
    m_nextFrameUs = m_startUs;
    m_nextPreviewUs = m_startUs;
    const uint64_t endUs =
        m_options.durationSeconds > 0 ? m_startUs + static_cast<uint64_t>(m_options.durationSeconds * 1e6) : 0;

    while (!m_quit && !g_stopRequested) {
        uint64_t now = platform::MonotonicUs();
        if (endUs && now >= endUs) break;
        uint64_t wake = now + 100000;  // look at the clock at least every 100 ms

        for (size_t i = 0; i < m_options.schedule.size(); ++i) {
            if (m_scheduleDone[i]) continue;
            uint64_t at = m_startUs + static_cast<uint64_t>(m_options.schedule[i].atSeconds * 1e6);
            if (now >= at) {
                m_scheduleDone[i] = true;
                std::string error;
                if (!Execute(m_options.schedule[i].command, &error)) Emit("error " + error);
            } else if (at < wake) {
                wake = at;
            }
        }
        if (stream && heartbeatUs > 0) {
            if (now >= m_nextHeartbeatUs) {
                if (m_heartbeat) SendCommand(camlink::kCmdHeartbeat, 0, 0, camlink::CAMERA_CMD_MAGIC);
                m_nextHeartbeatUs += heartbeatUs;
                if (m_nextHeartbeatUs < now) m_nextHeartbeatUs = now + heartbeatUs;
            }
            if (m_nextHeartbeatUs < wake) wake = m_nextHeartbeatUs;
        }
        if (stream) {
            if (now >= m_nextFrameUs) {
                if (m_video) SendVideoFrame();
                m_nextFrameUs += frameUs;
                // Fell far behind (a slow machine): go on from now instead of bursting.
                if (m_nextFrameUs + 5 * frameUs < now) m_nextFrameUs = now + frameUs;
            }
            if (m_nextFrameUs < wake) wake = m_nextFrameUs;
        } else {
            if (m_captureRequested && m_connection >= 0) {
                m_captureRequested = false;
                std::vector<uint8_t> jpeg = m_jpeg->Picture(m_pictureIndex++, 95);
                Emit("event capture bytes=" + std::to_string(jpeg.size()));
                QueuePicture(camlink::kPictureCaptured, std::move(jpeg));
            }
            if (now >= m_nextPreviewUs) {
                // A camera drops previews the application is not taking, rather than piling
                // them up: a new one is queued only when everything before it has gone out.
                if (m_connection >= 0 && m_outgoing.empty()) {
                    QueuePicture(camlink::kPicturePreview, m_jpeg->Picture(m_pictureIndex++, m_options.quality));
                }
                m_nextPreviewUs += previewUs;
                if (m_nextPreviewUs < now) m_nextPreviewUs = now + previewUs;
            }
            if (m_nextPreviewUs < wake) wake = m_nextPreviewUs;
            FlushOutgoing();
        }
        if (endUs && endUs < wake) wake = endUs;

        pollfd fds[5];
        nfds_t count = 0;
        fds[count++] = {g_wakePipe[0], POLLIN, 0};
        fds[count++] = {m_cmdSocket, POLLIN, 0};
        int stdinIndex = -1, listenerIndex = -1, connectionIndex = -1;
        if (m_stdinOpen) {
            stdinIndex = static_cast<int>(count);
            fds[count++] = {STDIN_FILENO, POLLIN, 0};
        }
        if (m_listener >= 0) {
            listenerIndex = static_cast<int>(count);
            fds[count++] = {m_listener, POLLIN, 0};
        }
        if (m_connection >= 0) {
            connectionIndex = static_cast<int>(count);
            short events = POLLIN;
            if (!m_outgoing.empty()) events |= POLLOUT;
            fds[count++] = {m_connection, events, 0};
        }
        uint64_t after = platform::MonotonicUs();
        int timeoutMs = wake > after ? static_cast<int>((wake - after + 999) / 1000) : 0;
        int ready = ::poll(fds, count, timeoutMs);
        if (ready < 0) {
            if (errno == EINTR) continue;
            std::fprintf(stderr, "kavimo-camsim: poll: %s\n", std::strerror(errno));
            return 1;
        }
        if (fds[0].revents) {
            char drain[16];
            while (::read(g_wakePipe[0], drain, sizeof drain) > 0) {}
        }
        if (fds[1].revents) OnCommandDatagram();
        if (stdinIndex >= 0 && fds[stdinIndex].revents) ReadStdin();
        if (listenerIndex >= 0 && fds[listenerIndex].revents) AcceptConnection();
        if (connectionIndex >= 0 && m_connection >= 0 && fds[connectionIndex].revents) {
            if (fds[connectionIndex].revents & (POLLIN | POLLERR | POLLHUP)) OnConnectionReadable();
            if (m_connection >= 0 && (fds[connectionIndex].revents & POLLOUT)) FlushOutgoing();
        }
    }
    DropConnection("quit");
    Emit("bye");
    return 0;
}

}  // namespace camsim
