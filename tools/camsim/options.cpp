#include "tools/camsim/options.h"

#include <cstdlib>

#include "platform/net.h"
#include "platform/text.h"
#include "tools/common/optionparser.h"

namespace camsim {

namespace {

using tooloptions::ParseInteger;

bool ParseSize(const std::string& text, int* width, int* height) {
    size_t x = text.find('x');
    long w, h;
    if (x == std::string::npos || !ParseInteger(text.substr(0, x), 16, 4096, &w) ||
        !ParseInteger(text.substr(x + 1), 16, 4096, &h) || (w % 2) || (h % 2)) {
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
    return text::Tr(R"(usage: kavimo-camsim --stream|--picture [options]

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
)");
}

namespace {

using tooloptions::CheckedOption;
using tooloptions::IntegerOption;
using tooloptions::Kind;
using tooloptions::Option;

template <typename T>
Option NumberOption(const char* name, long min, long max, const char* problem, T* target) {
    return IntegerOption(name, min, max, problem, [target](long n) { *target = static_cast<T>(n); });
}

Option ModeOption(const char* name, Mode mode, Options* o) {
    Option option{name, nullptr, Kind::Flag, "give one of --stream and --picture"};
    option.set = [o, mode] {
        if (o->mode != Mode::None) return false;
        o->mode = mode;
        return true;
    };
    return option;
}

// --bind and --app: an address within 127.0.0.0/8.
Option LoopbackOption(const char* name, const char* problem, std::string* target) {
    Option option{name, nullptr, Kind::Text, problem};
    option.text = [name, target](const std::string& value, std::string* error) {
        if (!platform::IsLoopbackAddress(value)) {
            *error = std::string("refusing ") + name + " " + value +
                     ": the simulator only binds and sends within 127.0.0.0/8";
            return false;
        }
        *target = value;
        return true;
    };
    return option;
}

std::vector<Option> OptionTable(Options* o) {
    using tooloptions::FlagOption;
    Option help = FlagOption("--help", &o->help);
    help.alias = "-h";
    return {
        help,
        FlagOption("--version", &o->version),
        ModeOption("--stream", Mode::Stream, o),
        ModeOption("--picture", Mode::Picture, o),
        LoopbackOption("--bind", "--bind needs an address", &o->bindIp),
        LoopbackOption("--app", "--app needs an address", &o->appIp),
        NumberOption("--cmd-port", 0, 65535, "--cmd-port needs a port (0..65535)", &o->cmdPort),
        NumberOption("--app-port", 0, 65535, "--app-port needs a port (0..65535)", &o->appPort),
        NumberOption("--video-port", 0, 65535, "--video-port needs a port (0..65535)", &o->videoPort),
        NumberOption("--tcp-port", 0, 65535, "--tcp-port needs a port (0..65535)", &o->tcpPort),
        CheckedOption("--name", "--name needs at most 32 bytes",
                      [o](const std::string& text) {
                          o->name = text;
                          return text.size() <= 32;
                      }),
        NumberOption("--value", 0, 0xFFFFFFFFL, "--value needs a 32-bit number", &o->value),
        CheckedOption("--size", "--size needs WxH with even sizes from 16 to 4096",
                      [o](const std::string& text) { return ParseSize(text, &o->width, &o->height); }),
        NumberOption("--fps", 1, 120, "--fps needs 1..120", &o->fps),
        NumberOption("--gop", 1, 1000, "--gop needs 1..1000", &o->gop),
        NumberOption("--bitrate", 50, 50000, "--bitrate needs 50..50000 (kbit/s)", &o->bitrateKbps),
        NumberOption("--fragment-size", 1, 65000, "--fragment-size needs 1..65000", &o->fragmentSize),
        NumberOption("--attribute", 0, 255, "--attribute needs 0..255", &o->attribute),
        tooloptions::TextOption("--input", &o->input, "--input needs a file"),
        NumberOption("--loss", 0, 1000000, "--loss needs a count (0: none)", &o->loss),
        NumberOption("--heartbeat-ms", 0, 600000, "--heartbeat-ms needs milliseconds", &o->heartbeatMs),
        FlagOption("--no-heartbeat", &o->heartbeat, false),
        FlagOption("--no-video", &o->video, false),
        FlagOption("--no-identify", &o->identify, false),
        NumberOption("--preview-fps", 1, 120, "--preview-fps needs 1..120", &o->previewFps),
        NumberOption("--quality", 1, 100, "--quality needs 1..100", &o->quality),
        NumberOption("--drop-after", 0, 1000000000, "--drop-after needs a count", &o->dropAfter),
        CheckedOption("--at", "--at needs SECONDS:COMMAND",
                      [o](const std::string& text) {
                          ScheduledCommand command;
                          if (!ParseSchedule(text, &command)) return false;
                          o->schedule.push_back(command);
                          return true;
                      }),
        FlagOption("--exit-on-stdin-eof", &o->exitOnStdinEof),
        CheckedOption("--duration", "--duration needs seconds",
                      [o](const std::string& text) {
                          char* end = nullptr;
                          o->durationSeconds = std::strtod(text.c_str(), &end);
                          return !(o->durationSeconds <= 0 || *end != '\0');
                      }),
    };
}

}  // namespace

bool ParseOptions(int argc, const char* const* argv, Options* o, std::string* error) {
    tooloptions::Grammar grammar;
    grammar.options = OptionTable(o);
    const tooloptions::Outcome outcome = tooloptions::Parse(grammar, argc, argv);
    if (outcome.status == tooloptions::Outcome::Status::Failed) {
        *error = outcome.error;
        return false;
    }
    if (o->help || o->version) return true;
    if (o->mode == Mode::None) {
        *error = "give --stream or --picture";
        return false;
    }
    if (o->name.empty()) {
        o->name = o->mode == Mode::Stream ? "kavimo-camsim stream" : "kavimo-camsim picture";
    }
    return true;
}

}  // namespace camsim
