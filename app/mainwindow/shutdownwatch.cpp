#include "app/mainwindow/shutdownwatch.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace {

int g_pipe[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGHUP};

// Async-signal-safe: one byte into the pipe, errno as it was.
void OnSignal(int signal) {
    const int saved = errno;
    const char code = char(signal);
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &code, 1);
    errno = saved;
}

}  // namespace

ShutdownWatch::ShutdownWatch(QObject* parent) : QObject(parent) {
    if (g_pipe[0] >= 0) return;  // another watch has them
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
        return;
    }
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals) ::sigaction(signal, &action, nullptr);
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ShutdownWatch::OnReadable);
}

ShutdownWatch::~ShutdownWatch() {
    if (!m_notifier) return;
    for (int signal : kSignals) std::signal(signal, SIG_DFL);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void ShutdownWatch::OnReadable() {
    char codes[16];
    const ssize_t n = ::read(g_pipe[0], codes, sizeof codes);
    // One request however many signals came.
    if (n > 0) Q_EMIT shutdownRequested(int(codes[0]));
}
