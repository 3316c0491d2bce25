#include "platform/logfile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "platform/dirlist.h"
#include "platform/filemode.h"
#include "platform/paths.h"

namespace platform {

RotatingLogFile::RotatingLogFile(std::string path, uint64_t capBytes) : m_path(std::move(path)), m_capBytes(capBytes) {}

RotatingLogFile::~RotatingLogFile() { Close(); }

bool RotatingLogFile::Open() {
    const size_t slash = m_path.rfind('/');
    if (slash != std::string::npos && slash > 0) MakeDirectories(m_path.substr(0, slash));
    // Never through a link another account planted in the log's folder, and never into a FIFO or a
    // device that stands in for the file.
    m_fd = ::open(m_path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, NewFileMode());
    struct stat st;
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        Close();
        m_failed = true;
        return false;
    }
    GiveDataGroup(m_fd);
    m_device = st.st_dev;
    m_inode = st.st_ino;
    return true;
}

void RotatingLogFile::Close() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
}

bool RotatingLogFile::Append(const std::string& text) {
    if (m_failed) return false;
    if (m_fd < 0 && !Open()) return false;

    // Another writer may have rotated the file (or someone removed it): follow the path.
    struct stat st;
    if (::stat(m_path.c_str(), &st) != 0 || st.st_dev != m_device || st.st_ino != m_inode) {
        Close();
        if (!Open()) return false;
    }
    if (::fstat(m_fd, &st) != 0) return false;
    if (st.st_size > 0 && uint64_t(st.st_size) + text.size() > m_capBytes) {
        // Only one writer renames: the others wait for the lock on the full file and then find
        // the path naming the new one.
        ::flock(m_fd, LOCK_EX);
        struct stat now;
        if (::stat(m_path.c_str(), &now) == 0 && now.st_dev == m_device && now.st_ino == m_inode) {
            ::rename(m_path.c_str(), (m_path + ".1").c_str());
        }
        ::flock(m_fd, LOCK_UN);
        Close();
        if (!Open()) return false;
    }
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(m_fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

std::string TimestampedLine(const char* text) {
    struct timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    struct tm local;
    ::localtime_r(&now.tv_sec, &local);
    char stamp[40];
    const size_t length = std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    std::snprintf(stamp + length, sizeof stamp - length, ".%03ld ", now.tv_nsec / 1000000);
    std::string line = stamp;
    line += text;
    while (!line.empty() && line.back() == '\n') line.pop_back();
    line += '\n';
    return line;
}

std::string DefaultLogFilePath() {
    const std::string base = XdgBaseDirectory("XDG_STATE_HOME", "/.local/state");
    return base.empty() ? std::string() : base + "/kavimo/kavimo.log";
}

}  // namespace platform
