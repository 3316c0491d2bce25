#include "records/workdirlock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "platform/debug.h"
#include "platform/dirlist.h"
#include "platform/filemode.h"
#include "platform/text.h"
#include "records/recordfile.h"
#include "records/recordtypes.h"

namespace records {

namespace {

// The holder writes its name right after taking the lock: a second program that reads an empty
// file looks again a few times.
constexpr int kHolderReadAttempts = 10;
constexpr auto kHolderReadPause = std::chrono::milliseconds(20);

bool LockWhole(int fd, int* error) {
    struct flock lock = {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;  // the whole file, however long
    if (::fcntl(fd, F_OFD_SETLK, &lock) == 0) return true;
    if (errno == EINVAL) {
        // A file system without open-file-description locks: the process lock does the same for
        // a lock that is held by one descriptor for the whole run.
        if (::fcntl(fd, F_SETLK, &lock) == 0) return true;
    }
    *error = errno;
    return false;
}

std::string HostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0') return "an unknown host";
    return name;
}

// "<host> <pid>" as the holder wrote it; false while the file is still empty.
bool ReadHolder(int fd, std::string* host, std::string* pid) {
    char text[512] = {};
    const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
    if (n <= 0) return false;
    std::string line(text, size_t(n));
    line = line.substr(0, line.find('\n'));
    const size_t space = line.rfind(' ');
    if (space == std::string::npos || space == 0 || space + 1 == line.size()) return false;
    *host = line.substr(0, space);
    *pid = line.substr(space + 1);
    return true;
}

}  // namespace

WorkDirLock::~WorkDirLock() { Release(); }

void WorkDirLock::Release() {
    if (m_fd >= 0) ::close(m_fd);  // closing the only descriptor releases the lock
    m_fd = -1;
}

WorkDirLock::Status WorkDirLock::Acquire(const std::string& hostWorkDir) {
    Release();
    m_message.clear();
    m_createdWorkDir = false;
    if (!IsDirectory(hostWorkDir)) {
        if (!platform::MakeDirectories(hostWorkDir)) {
            m_message = text::Arg(text::Tr("Cannot create the work directory %1: %2"),
                                  {hostWorkDir, std::strerror(errno ? errno : EIO)});
            return Status::Unlockable;
        }
        m_createdWorkDir = true;
    }
    const std::string path = hostWorkDir + "/" + kWorkDirLockFile;
    // The lock file is written and cut to length below: a link planted in its place (pointing at
    // another file of this account) is refused rather than followed, and so is anything that is
    // not a plain file.
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, platform::NewFileMode());
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int error = errno;
        m_message = error == ELOOP
                        ? text::Arg(text::Tr("Cannot use the lock file %1: it is a symbolic link, "
                                             "which kavimo does not follow."),
                                    {path})
                        : text::Arg(text::Tr("Cannot open the lock file %1: %2"), {path, std::strerror(error)});
        return error == EROFS ? Status::ReadOnly : Status::Unlockable;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        m_message = text::Arg(text::Tr("Cannot use the lock file %1: it is not a plain file."), {path});
        return Status::Unlockable;
    }
    // The other accounts of a data group take the same lock: the file is theirs to open too.
    if (st.st_uid == ::geteuid()) platform::GiveDataGroup(fd);
    int error = 0;
    if (!LockWhole(fd, &error)) {
        if (error == EAGAIN || error == EACCES) {
            std::string host, pid;
            bool known = false;
            for (int i = 0; i < kHolderReadAttempts && !(known = ReadHolder(fd, &host, &pid)); ++i) {
                std::this_thread::sleep_for(kHolderReadPause);
            }
            ::close(fd);
            m_message = known
                            ? text::Arg(text::Tr("The patient records in %1 are in use by kavimo on %2 (process %3)."),
                                        {hostWorkDir, host, pid})
                            : text::Arg(text::Tr("The patient records in %1 are in use by kavimo on another "
                                                 "computer or process."),
                                        {hostWorkDir});
            return Status::InUse;
        }
        ::close(fd);
        m_message =
            text::Arg(text::Tr("Cannot lock the patient records in %1: %2"), {hostWorkDir, std::strerror(error)});
        return Status::Unlockable;
    }
    // Who holds it, for the next one who asks; written in place, then cut to length, so that a
    // reader never sees an empty file once a holder has written.
    const std::string holder = HostName() + " " + std::to_string(::getpid()) + "\n";
    if (::pwrite(fd, holder.data(), holder.size(), 0) != ssize_t(holder.size()) ||
        ::ftruncate(fd, off_t(holder.size())) != 0) {
        // The lock holds all the same; only the name for the other program's message is missing.
        platform::DebugPrintf("WorkDirLock: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
    }
    m_fd = fd;
    return Status::Held;
}

}  // namespace records
