// The command line of kavimo-camsim.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace camsim {

enum class Mode { None, Stream, Picture };

struct ScheduledCommand {
    double atSeconds = 0;  // since start
    std::string command;   // as typed on standard input
};

struct Options {
    Mode mode = Mode::None;
    std::string bindIp = "127.0.0.1";  // every socket of the simulator
    std::string appIp = "127.0.0.1";   // where replies, heartbeats, keys and video go
    uint16_t cmdPort = 0;              // the camera's UDP command port (0: kernel's choice)
    int appPort = -1;                  // application's command/reply port (-1: 7777 or 5000,
                                       // 0: not known yet, nothing is sent)
    uint16_t videoPort = 8888;         // application's video port (0: not known yet)
    uint16_t tcpPort = 0;              // picture channel's TCP port (0: kernel's choice)
    std::string name;                  // the identify reply's text (at most 32 bytes)
    uint32_t value = 1;                // the identify reply's first argument
    int width = 640;
    int height = 480;
    int fps = 25;
    int gop = 25;
    int bitrateKbps = 1500;
    int fragmentSize = 1400;  // payload bytes per fragment (one fragment per datagram)
    uint8_t attribute = 0;    // video attribute code of every frame
    std::string input;        // Annex B file instead of the test picture
    int loss = 0;             // drop every Nth fragment (0: none)
    int heartbeatMs = 500;    // 0: never
    bool heartbeat = true;
    bool video = true;
    bool identify = true;
    int previewFps = 10;
    int quality = 80;
    int dropAfter = 0;  // picture camera: drop each connection after this many pictures
    std::vector<ScheduledCommand> schedule;
    bool exitOnStdinEof = false;
    double durationSeconds = 0;  // 0: until told to stop
    bool help = false;
    bool version = false;

    uint16_t AppPort() const {
        if (appPort >= 0) return static_cast<uint16_t>(appPort);
        return mode == Mode::Picture ? 5000 : 7777;
    }
};

// Parses the command line. False with a message in *error for an unknown option, a bad value,
// a missing or doubled mode, or an address outside 127.0.0.0/8.
bool ParseOptions(int argc, const char* const* argv, Options* options, std::string* error);

std::string Usage();

}  // namespace camsim
