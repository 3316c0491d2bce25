// The simulated camera: one thread, one poll loop over the command socket, the TCP picture
// channel, standard input and a wake-up pipe, with timers for heartbeats, video frames, preview
// pictures and scheduled commands.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tools/camsim/h264source.h"
#include "tools/camsim/jpegsource.h"
#include "tools/camsim/options.h"

namespace camsim {

class Simulator {
public:
    explicit Simulator(const Options& options);
    ~Simulator();

    // Binds every socket and prepares the picture source; false with a message in *error.
    bool Open(std::string* error);
    // Prints the ready line and runs until quit, the duration, a signal (see Wake) or, when
    // asked, the end of standard input. Returns the process's exit code.
    int Run();
    // Ends Run from a signal handler (async-signal-safe).
    static void RequestStop();

    // Executes one command line; false with a message for an unknown or malformed one.
    bool Execute(const std::string& line, std::string* error);

private:
    void Emit(const std::string& line);
    void OnCommandDatagram();
    void SendCommand(uint32_t code, uint32_t arg1, uint32_t arg2, uint32_t magic);
    void SendVideoFrame();
    void AcceptConnection();
    void DropConnection(const char* reason);
    void OnConnectionReadable();
    void QueuePicture(uint32_t type, std::vector<uint8_t> jpeg);
    void FlushOutgoing();
    void ReadStdin();

    Options m_options;
    uint16_t m_appPort;
    uint16_t m_videoPort;
    int m_cmdSocket = -1;
    int m_videoSocket = -1;
    int m_listener = -1;
    int m_connection = -1;
    bool m_stdinOpen = true;
    std::string m_stdinLine;
    bool m_quit = false;

    bool m_heartbeat;
    bool m_video;
    bool m_identify;
    int m_loss;
    int m_lossPerMille = 0;    // fragments dropped at random, per thousand
    std::mt19937 m_random{1};  // the same losses in every run

    std::unique_ptr<H264Source> m_h264;
    AccessUnit m_unit;
    uint64_t m_frames = 0;
    uint8_t m_sequence = 0;
    uint64_t m_fragmentsCounted = 0;
    std::vector<uint8_t> m_datagram;

    std::unique_ptr<JpegSource> m_jpeg;
    int64_t m_pictureIndex = 0;
    std::deque<std::vector<uint8_t>> m_outgoing;  // whole messages, header included
    size_t m_outgoingSent = 0;                    // bytes of the front message already sent
    int m_picturesOnConnection = 0;
    bool m_captureRequested = false;

    uint64_t m_startUs = 0;
    uint64_t m_nextHeartbeatUs = 0;
    uint64_t m_nextFrameUs = 0;
    uint64_t m_nextPreviewUs = 0;
    std::vector<bool> m_scheduleDone;
};

}  // namespace camsim
