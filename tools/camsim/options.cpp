#include "tools/camsim/options.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/net.h"

namespace camsim {

namespace {

bool ParseInt(const std::string& text, long min, long max, long* out) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < min || value > max) return false;
    *out = value;
    return true;
}

bool ParseSize(const std::string& text, int* width, int* height) {
    size_t x = text.find('x');
    long w, h;
    if (x == std::string::npos || !ParseInt(text.substr(0, x), 16, 4096, &w) ||
        !ParseInt(text.substr(x + 1), 16, 4096, &h) || (w % 2) || (h % 2)) {
        return false;
    }
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return true;
}

bool ParseSchedule(const std::string& text, ScheduledCommand* out) {
    size_t colon = text.find(':');
    if (colon == std::string::npos || colon + 1 >= text.size()) return false;
    std::string seconds = text.substr(0, colon);
    char* end = nullptr;
    double at = std::strtod(seconds.c_str(), &end);
    if (seconds.empty() || *end != '\0' || !(at >= 0)) return false;
    out->atSeconds = at;
    out->command = text.substr(colon + 1);
    return true;
}

}  // namespace

std::string Usage() {
    return R"(usage: kavimo-camsim --stream|--picture [options]

Plays a camera of the kavimo system on loopback. Every address must lie in 127.0.0.0/8.

  --stream               the stream camera: identify replies, heartbeats, keys, H.264 video
  --picture              the picture camera: identify replies, TCP picture channel
  --bind IP              local address of every socket (default 127.0.0.1)
  --app IP               the application's address (default 127.0.0.1)
  --cmd-port N           the camera's UDP command port (default 0: the kernel's choice)
  --app-port N           the application's command port (stream, default 7777) or reply
                         port (picture, default 5000); 0: send nothing until the command
                         "app-port N" names it
  --video-port N         the application's video port (default 8888); 0: send no video until
                         "video-port N" names it
  --tcp-port N           the picture channel's TCP port (default 0: the kernel's choice)
  --name TEXT            the camera's name in its identify reply (at most 32 bytes)
  --value N              the first argument of the identify reply (default 1)
  --size WxH             picture size (default 640x480)
  --fps N                video frames per second (default 25)
  --gop N                frames from one key frame to the next (default 25)
  --bitrate KBPS         video bit rate (default 1500)
  --fragment-size N      payload bytes per fragment, one fragment per datagram (default 1400)
  --attribute N          video attribute code of every frame (default 0)
  --input FILE.h264      send this Annex B file's pictures (in a loop) instead of the test picture
  --loss N               drop every Nth fragment (default 0: none)
  --heartbeat-ms N       heartbeat period (default 500; 0: none)
  --no-heartbeat         start with heartbeats stopped
  --no-video             start with the video stopped
  --no-identify          do not answer identify
  --preview-fps N        preview pictures per second (default 10)
  --quality N            JPEG quality of the previews (default 80)
  --drop-after N         drop each TCP connection after N pictures
  --at SECONDS:COMMAND   run a command at a time after the start (repeatable)
  --exit-on-stdin-eof    end when standard input closes
  --duration SECONDS     end after this long
  -h, --help             this text
  --version              the version of kavimo this program belongs to

Commands (standard input, one per line, or --at):
  key N                  stream camera: send camera key N (81..85); picture camera: capture
  capture                picture camera: send a captured picture
  heartbeat on|off       start or stop the heartbeats
  video on|off           start or stop the video
  identify on|off        answer identify or not
  drop                   picture camera: close the TCP connection
  oversize               picture camera: send a preview message longer than 1048576 bytes
  loss N                 drop every Nth fragment from now on (0: none)
  loss-rate N            drop fragments at random, N per thousand, from now on (0: none)
  send CODE [A1 [A2]]    send a command datagram with these values to the application
  app-port N             send replies, heartbeats and keys to this port from now on
  video-port N           send the video to this port from now on
  quit                   end

Standard output: one line "camsim ready mode=... cmd_port=... ..." once every socket is bound,
then "camsim event ..." lines; "camsim bye" at the end. Errors go to standard error.
)";
}

bool ParseOptions(int argc, const char* const* argv, Options* o, std::string* error) {
    auto fail = [&](const std::string& text) {
        *error = text;
        return false;
    };
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](std::string* out) {
            if (i + 1 >= argc) return false;
            *out = argv[++i];
            return true;
        };
        auto intValue = [&](long min, long max, long* out) {
            std::string text;
            return value(&text) && ParseInt(text, min, max, out);
        };
        long n = 0;
        std::string text;
        if (arg == "--help" || arg == "-h") {
            o->help = true;
        } else if (arg == "--version") {
            o->version = true;
        } else if (arg == "--stream" || arg == "--picture") {
            if (o->mode != Mode::None) return fail("give one of --stream and --picture");
            o->mode = arg == "--stream" ? Mode::Stream : Mode::Picture;
        } else if (arg == "--bind" || arg == "--app") {
            if (!value(&text)) return fail(arg + " needs an address");
            if (!platform::IsLoopbackAddress(text)) {
                return fail("refusing " + arg + " " + text +
                            ": the simulator only binds and sends within 127.0.0.0/8");
            }
            (arg == "--bind" ? o->bindIp : o->appIp) = text;
        } else if (arg == "--cmd-port") {
            if (!intValue(0, 65535, &n)) return fail("--cmd-port needs a port (0..65535)");
            o->cmdPort = static_cast<uint16_t>(n);
        } else if (arg == "--app-port") {
            if (!intValue(0, 65535, &n)) return fail("--app-port needs a port (0..65535)");
            o->appPort = static_cast<int>(n);
        } else if (arg == "--video-port") {
            if (!intValue(0, 65535, &n)) return fail("--video-port needs a port (0..65535)");
            o->videoPort = static_cast<uint16_t>(n);
        } else if (arg == "--tcp-port") {
            if (!intValue(0, 65535, &n)) return fail("--tcp-port needs a port (0..65535)");
            o->tcpPort = static_cast<uint16_t>(n);
        } else if (arg == "--name") {
            if (!value(&o->name) || o->name.size() > 32) return fail("--name needs at most 32 bytes");
        } else if (arg == "--value") {
            if (!intValue(0, 0xFFFFFFFFL, &n)) return fail("--value needs a 32-bit number");
            o->value = static_cast<uint32_t>(n);
        } else if (arg == "--size") {
            if (!value(&text) || !ParseSize(text, &o->width, &o->height)) {
                return fail("--size needs WxH with even sizes from 16 to 4096");
            }
        } else if (arg == "--fps") {
            if (!intValue(1, 120, &n)) return fail("--fps needs 1..120");
            o->fps = static_cast<int>(n);
        } else if (arg == "--gop") {
            if (!intValue(1, 1000, &n)) return fail("--gop needs 1..1000");
            o->gop = static_cast<int>(n);
        } else if (arg == "--bitrate") {
            if (!intValue(50, 50000, &n)) return fail("--bitrate needs 50..50000 (kbit/s)");
            o->bitrateKbps = static_cast<int>(n);
        } else if (arg == "--fragment-size") {
            if (!intValue(1, 65000, &n)) return fail("--fragment-size needs 1..65000");
            o->fragmentSize = static_cast<int>(n);
        } else if (arg == "--attribute") {
            if (!intValue(0, 255, &n)) return fail("--attribute needs 0..255");
            o->attribute = static_cast<uint8_t>(n);
        } else if (arg == "--input") {
            if (!value(&o->input)) return fail("--input needs a file");
        } else if (arg == "--loss") {
            if (!intValue(0, 1000000, &n)) return fail("--loss needs a count (0: none)");
            o->loss = static_cast<int>(n);
        } else if (arg == "--heartbeat-ms") {
            if (!intValue(0, 600000, &n)) return fail("--heartbeat-ms needs milliseconds");
            o->heartbeatMs = static_cast<int>(n);
        } else if (arg == "--no-heartbeat") {
            o->heartbeat = false;
        } else if (arg == "--no-video") {
            o->video = false;
        } else if (arg == "--no-identify") {
            o->identify = false;
        } else if (arg == "--preview-fps") {
            if (!intValue(1, 120, &n)) return fail("--preview-fps needs 1..120");
            o->previewFps = static_cast<int>(n);
        } else if (arg == "--quality") {
            if (!intValue(1, 100, &n)) return fail("--quality needs 1..100");
            o->quality = static_cast<int>(n);
        } else if (arg == "--drop-after") {
            if (!intValue(0, 1000000000, &n)) return fail("--drop-after needs a count");
            o->dropAfter = static_cast<int>(n);
        } else if (arg == "--at") {
            ScheduledCommand command;
            if (!value(&text) || !ParseSchedule(text, &command)) {
                return fail("--at needs SECONDS:COMMAND");
            }
            o->schedule.push_back(command);
        } else if (arg == "--exit-on-stdin-eof") {
            o->exitOnStdinEof = true;
        } else if (arg == "--duration") {
            char* end = nullptr;
            if (!value(&text) || (o->durationSeconds = std::strtod(text.c_str(), &end)) <= 0 ||
                *end != '\0') {
                return fail("--duration needs seconds");
            }
        } else {
            return fail("unknown option " + arg);
        }
    }
    if (o->help || o->version) return true;
    if (o->mode == Mode::None) return fail("give --stream or --picture");
    if (o->name.empty()) {
        o->name = o->mode == Mode::Stream ? "kavimo-camsim stream" : "kavimo-camsim picture";
    }
    return true;
}

}  // namespace camsim
