// kavimo-play: plays an H.264 elementary stream (or a test pattern encoded on the spot) through
// TEGMO_Decoder and TEGMO_Player into a window of its own, as the acquisition application plays the
// camera's stream. A way to see the video pipeline without a camera, and the harness for measuring
// the display path.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#include "decoder/TEGMO_Decoder.h"
#include "kavimo_version.h"
#include "platform/text.h"
#include "player/TEGMO_Player.h"
#include "playwindow.h"
#include "streamsource.h"
#include "tools/common/optionparser.h"

namespace {

// In the user's language (the message catalogs).
std::string Usage() {
    return text::Tr(
        "usage: kavimo-play [options] [FILE.h264]\n"
        "Plays an H.264 elementary stream, or a generated test pattern when no file is given.\n"
        "  --size WxH            size of the generated pattern (default 1280x720)\n"
        "  --fps N               frame rate of the stream (default 25)\n"
        "  --mode 0|1            render mode: 0 surface layer (default), 1 SDL\n"
        "  --overlay             draw the statistics text over the video\n"
        "  --frames N            stop after N frames\n"
        "  --seconds S           stop after S seconds\n"
        "  --loop                start a file again at its end\n"
        "  --window WxH          size of the window (default: the pattern's size, 960x540 for a file)\n"
        "  --no-pacing           show frames as fast as they can be drawn (pacing off, fed at once)\n"
        "  --shot FILE.bmp       at the end, write the last frame shown (TEGMO_PLAY_VideoShotLast)\n"
        "  --window-shot FILE.bmp  at the end, write what the window shows\n"
        "  --record FILE.h264    also write the frames played to an elementary-stream file\n"
        "  -h, --help            this text\n"
        "  --version             the version of kavimo this program belongs to\n");
}

struct Options {
    std::string file;
    int width = 1280;
    int height = 720;
    int fps = 25;
    uint32_t mode = 0;
    bool overlay = false;
    long frames = -1;
    double seconds = -1;
    bool loop = false;
    int windowWidth = 0;
    int windowHeight = 0;
    bool noPacing = false;
    std::string shot;
    std::string windowShot;
    std::string record;
};

bool ParseSize(const char* text, int* width, int* height) {
    return std::sscanf(text, "%dx%d", width, height) == 2 && *width >= 16 && *height >= 16 && *width <= 8192 &&
           *height <= 8192;
}

// False for a wrong command line; --help and --version print and end the program where they stand.
bool ParseOptions(int argc, char** argv, Options* options) {
    using tooloptions::CheckedOption;
    using tooloptions::FlagOption;
    using tooloptions::TextOption;
    using Text = const std::string&;
    tooloptions::Grammar grammar;
    grammar.options = {
        {"--help", "-h", tooloptions::Kind::Stop},
        {"--version", nullptr, tooloptions::Kind::Stop},
        // Sizes and numbers are read as leniently as ever: "25fps" is 25.
        CheckedOption("--size", nullptr,
                      [options](Text text) { return ParseSize(text.c_str(), &options->width, &options->height); }),
        CheckedOption(
            "--window", nullptr,
            [options](Text text) { return ParseSize(text.c_str(), &options->windowWidth, &options->windowHeight); }),
        CheckedOption("--fps", nullptr,
                      [options](Text text) {
                          options->fps = std::atoi(text.c_str());
                          return options->fps >= 1 && options->fps <= 1000;
                      }),
        CheckedOption("--mode", nullptr,
                      [options](Text text) {
                          if (text != "0" && text != "1") return false;
                          options->mode = uint32_t(std::atoi(text.c_str()));
                          return true;
                      }),
        FlagOption("--overlay", &options->overlay),
        CheckedOption("--frames", nullptr,
                      [options](Text text) { return (options->frames = std::atol(text.c_str())) >= 1; }),
        CheckedOption("--seconds", nullptr,
                      [options](Text text) { return (options->seconds = std::atof(text.c_str())) > 0; }),
        FlagOption("--loop", &options->loop),
        FlagOption("--no-pacing", &options->noPacing),
        TextOption("--shot", &options->shot),
        TextOption("--window-shot", &options->windowShot),
        TextOption("--record", &options->record),
    };
    // At most one file; "-" alone is a wrong option, as is a second file.
    grammar.positional = [options](const std::string& argument) {
        if (!argument.empty() && argument[0] == '-') return false;
        if (!options->file.empty()) return false;
        options->file = argument;
        return true;
    };
    const tooloptions::Outcome outcome = tooloptions::Parse(grammar, argc, argv);
    if (outcome.stoppedBy == "--help") {
        std::fputs(Usage().c_str(), stdout);
        std::exit(0);
    }
    if (outcome.stoppedBy == "--version") {
        std::puts("kavimo-play " KAVIMO_VERSION);
        std::exit(0);
    }
    return outcome.status == tooloptions::Outcome::Status::Done;
}

std::atomic<long> g_framesReleased{0};

// The player hands every finished frame back here; the decoder's release frees its planes.
void TEGMO_API ReleaseFrame(TEGMO_YUV_FRAME* frame, void*) {
    if (frame->planeY) ++g_framesReleased;
    TEGMO_DEC_ReleaseYUVFrame(frame);
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    text::UseMessageCatalogs();
    Options options;
    if (!ParseOptions(argc, argv, &options)) {
        std::fputs(Usage().c_str(), stderr);
        return 2;
    }

    std::string error;
    std::unique_ptr<H264Source> source = options.file.empty()
                                             ? MakeTestPatternSource(options.width, options.height, options.fps, &error)
                                             : OpenH264File(options.file, &error);
    if (!source) {
        std::fprintf(stderr, "kavimo-play: %s\n", error.c_str());
        return 1;
    }
    if (options.windowWidth == 0) {
        options.windowWidth = options.file.empty() ? options.width : 960;
        options.windowHeight = options.file.empty() ? options.height : 540;
    }

    std::FILE* record = nullptr;
    if (!options.record.empty() && !(record = std::fopen(options.record.c_str(), "wb"))) {
        std::fprintf(stderr, "kavimo-play: cannot create %s\n", options.record.c_str());
        return 1;
    }

    PlayWindow window;
    if (!window.Open(options.windowWidth, options.windowHeight, "kavimo-play", &error)) {
        std::fprintf(stderr, "kavimo-play: %s\n", error.c_str());
        return 1;
    }

    // The application's way of setting up the two libraries.
    TEGMO_DEC_Init();
    const TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, nullptr, nullptr);
    TEGMO_PLAY_Init();
    TEGMO_PLAY_DEBUG_CONF conf;
    TEGMO_PLAY_GetDebugConf(0, &conf);
    conf.statOverlay = options.overlay ? 1 : 0;
    conf.ptsPacing = options.noPacing ? 0 : 1;
    TEGMO_PLAY_SetDebugConf(0, &conf);
    TEGMO_PLAY_RigisterReleaseYUVFun(&ReleaseFrame, nullptr);
    const TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateVideoPlay(window.PaneId(), options.mode);
    if (!decoder || !play) {
        std::fprintf(stderr, "kavimo-play: cannot %s\n",
                     decoder ? "draw into the window (see KAVIMO_DEBUG=1)" : "create the decoder");
        TEGMO_PLAY_Cleanup();
        TEGMO_DEC_Cleanup();
        return 1;
    }

    const auto start = std::chrono::steady_clock::now();
    const int64_t frameUs = 1000000 / options.fps;
    long fed = 0;
    long decoded = 0;
    int status = 0;
    while (window.ProcessEvents()) {
        if (options.frames > 0 && fed >= options.frames) break;
        if (options.seconds > 0 && SecondsSince(start) >= options.seconds) break;

        H264Frame frame;
        if (!source->Next(&frame, &error)) {
            if (!error.empty()) {
                std::fprintf(stderr, "kavimo-play: %s\n", error.c_str());
                status = 1;
                break;
            }
            if (options.loop && fed > 0) {
                source = OpenH264File(options.file, &error);
                if (source) continue;
            }
            break;
        }

        // A live camera delivers frames in real time; without pacing they are fed as fast as the
        // player takes them, a few at a time.
        if (!options.noPacing) {
            const auto due = start + std::chrono::microseconds(fed * frameUs);
            std::this_thread::sleep_until(due);
        }
        if (record && std::fwrite(frame.data.data(), 1, frame.data.size(), record) != frame.data.size()) {
            std::fprintf(stderr, "kavimo-play: cannot write %s\n", options.record.c_str());
            status = 1;
            break;
        }
        StreamFrameInfo info;
        std::memset(&info, 0, sizeof info);
        info.frameKind = frame.keyFrame ? TEGMO_FRAME_I : TEGMO_FRAME_P;
        info.timestamp = uint64_t(fed) * uint64_t(frameUs);
        info.sequence = uint8_t(fed + 1);
        ++fed;

        TEGMO_YUV_FRAME picture;
        std::memset(&picture, 0, sizeof picture);
        if (TEGMO_DEC_VideoDecode(decoder, &info, frame.data.data(), int32_t(frame.data.size()), &picture) != 1) {
            continue;
        }
        ++decoded;
        if (options.noPacing) {
            while (TEGMO_PLAY_GetVideoFrameCount(play) >= 3)
                std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        if (TEGMO_PLAY_VideoPlay(play, &picture) != 1) TEGMO_DEC_ReleaseYUVFrame(&picture);
    }

    // Let the last frames reach the window before looking at it.
    for (int i = 0; i < 500 && TEGMO_PLAY_GetVideoFrameCount(play) > 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const double elapsed = SecondsSince(start);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    window.ProcessEvents();

    if (!options.shot.empty()) {
        if (TEGMO_PLAY_VideoShotLast(play, options.shot.c_str()) == 1) {
            std::printf("last frame written to %s\n", options.shot.c_str());
        } else {
            std::fprintf(stderr, "kavimo-play: cannot write %s (sizes must be multiples of 16)\n",
                         options.shot.c_str());
            status = 1;
        }
    }
    if (!options.windowShot.empty()) {
        if (window.SavePaneAsBmp(options.windowShot, &error)) {
            std::printf("window written to %s\n", options.windowShot.c_str());
        } else {
            std::fprintf(stderr, "kavimo-play: %s\n", error.c_str());
            status = 1;
        }
    }

    const long shown = g_framesReleased.load() + (decoded > 0 ? 1 : 0);  // the last is still held
    std::printf("frames: %ld fed, %ld decoded, %ld through the player in %.2f s (%.1f frames/s), mode %u%s\n", fed,
                decoded, shown, elapsed, elapsed > 0 ? shown / elapsed : 0.0, options.mode,
                options.noPacing ? ", pacing off" : "");

    if (record && std::fclose(record) != 0) {
        std::fprintf(stderr, "kavimo-play: cannot write %s\n", options.record.c_str());
        status = 1;
    }
    TEGMO_PLAY_DeleteVideoPlay(play);
    TEGMO_PLAY_Cleanup();
    TEGMO_DEC_DeleteVideoDecoder(decoder);
    TEGMO_DEC_Cleanup();
    return status;
}
