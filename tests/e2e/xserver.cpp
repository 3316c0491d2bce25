#include "xserver.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <string>

namespace {

bool Answers(const char* display) {
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    const bool ok = !xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    return ok;
}

// The private server, ended when the test program ends.
pid_t g_xvfb = -1;

void StopXvfb() {
    if (g_xvfb <= 0) return;
    ::kill(g_xvfb, SIGTERM);
    ::waitpid(g_xvfb, nullptr, 0);
    g_xvfb = -1;
}

// Starts Xvfb on the first free display; its number, or -1.
int StartXvfb(std::string* reason) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        *reason = "no pipe for Xvfb";
        return -1;
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        *reason = "cannot fork Xvfb";
        return -1;
    }
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);  // ends with the test program, however it ends
        // -displayfd writes the display number to descriptor 3.
        if (fds[1] == 3)
            ::fcntl(3, F_SETFD, 0);
        else
            ::dup2(fds[1], 3);
        const int devnull = ::open("/dev/null", O_RDWR);
        if (devnull >= 0) {
            ::dup2(devnull, STDOUT_FILENO);
            ::dup2(devnull, STDERR_FILENO);
        }
        ::execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", "1920x1080x24", "-nolisten", "tcp", "-noreset",
                 static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    while (::poll(&p, 1, 10000) > 0) {
        char c;
        if (::read(fds[0], &c, 1) != 1) break;
        if (c == '\n') break;
        number += c;
    }
    ::close(fds[0]);
    if (number.empty()) {
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
        *reason = "Xvfb did not start (is it installed?)";
        return -1;
    }
    g_xvfb = pid;
    std::atexit(StopXvfb);
    return std::atoi(number.c_str());
}

}  // namespace

bool EnsureXServer(std::string* reason) {
    // A private server first: test programs running side by side must not cover each other's
    // windows (what is read back from a covered window is not what was drawn), nor draw on
    // somebody's desktop.
    std::string why;
    const int number = StartXvfb(&why);
    if (number >= 0) {
        const std::string name = ":" + std::to_string(number);
        if (Answers(name.c_str())) {
            ::setenv("DISPLAY", name.c_str(), 1);
            return true;
        }
        why = "the private Xvfb " + name + " does not answer";
        StopXvfb();
    }
    const char* display = std::getenv("DISPLAY");
    if (display && *display && Answers(display)) return true;
    *reason = why + (display && *display ? std::string(", and DISPLAY ") + display + " does not answer" : "");
    return false;
}
