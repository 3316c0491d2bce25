// kavimo-camsim: a stream camera or a picture camera on loopback, for demos and tests.
#include <csignal>
#include <cstdio>
#include <string>

#include "kavimo_version.h"
#include "platform/text.h"
#include "tools/camsim/options.h"
#include "tools/camsim/simulator.h"

namespace {
void OnSignal(int) { camsim::Simulator::RequestStop(); }
}  // namespace

int main(int argc, char** argv) {
    text::UseMessageCatalogs();
    camsim::Options options;
    std::string error;
    if (!camsim::ParseOptions(argc, argv, &options, &error)) {
        std::fprintf(stderr, "kavimo-camsim: %s\n(see kavimo-camsim --help)\n", error.c_str());
        return 2;
    }
    if (options.version) {
        std::puts("kavimo-camsim " KAVIMO_VERSION);
        return 0;
    }
    if (options.help) {
        std::fputs(camsim::Usage().c_str(), stdout);
        return 0;
    }
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    camsim::Simulator simulator(options);
    if (!simulator.Open(&error)) {
        std::fprintf(stderr, "kavimo-camsim: %s\n", error.c_str());
        return 1;
    }
    return simulator.Run();
}
