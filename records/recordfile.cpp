#include "records/recordfile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/debug.h"
#include "platform/filemode.h"

namespace records {

namespace {

std::atomic<ReplaceHook> g_replaceHook{nullptr};

// Deepest directory nesting RemoveTree descends into; patient directories are flat.
constexpr int kMaxTreeDepth = 32;

class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : m_fd(fd) {}
    ~UniqueFd() {
        if (m_fd >= 0) ::close(m_fd);
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closes now and reports whether the close succeeded (it can report a delayed write error).
    bool Close() {
        int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd;
};

void SetError(int* error, int value) {
    if (error) *error = value;
}

bool Fail(int* error) {
    SetError(error, errno ? errno : EIO);
    return false;
}

int OpenRetrying(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool WriteAll(int fd, const void* data, size_t size, off_t offset, bool positioned) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = positioned ? ::pwrite(fd, p, size, offset) : ::write(fd, p, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        p += n;
        size -= size_t(n);
        offset += n;
    }
    return true;
}

std::string DirectoryOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool RemoveTreeAt(int parentFd, const std::string& name, int depth, int* error) {
    if (depth > kMaxTreeDepth) {
        SetError(error, ELOOP);
        return false;
    }
    int fd = ::openat(parentFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return Fail(error);
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        int saved = errno;
        ::close(fd);
        SetError(error, saved);
        return false;
    }
    std::vector<std::string> names;
    errno = 0;
    while (dirent* e = ::readdir(dir)) {
        if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
        names.emplace_back(e->d_name);
    }
    bool ok = true;
    for (const std::string& entry : names) {
        struct stat st;
        if (::fstatat(fd, entry.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            ok = Fail(error);
            break;
        }
        if (S_ISDIR(st.st_mode)) {
            ok = RemoveTreeAt(fd, entry, depth + 1, error);
        } else if (::unlinkat(fd, entry.c_str(), 0) != 0) {
            ok = Fail(error);
        }
        if (!ok) break;
    }
    ::closedir(dir);
    if (!ok) return false;
    if (::unlinkat(parentFd, name.c_str(), AT_REMOVEDIR) != 0) return Fail(error);
    return true;
}

}  // namespace

void SyncDirectory(const std::string& dir) {
    UniqueFd fd(OpenRetrying(dir.c_str(), O_RDONLY | O_DIRECTORY));
    if (fd.valid()) ::fsync(fd.get());  // best effort: some file systems refuse it on directories
}

ssize_t ReadFileAt(const std::string& hostPath, void* buffer, size_t size, off_t offset, int* error) {
    SetError(error, 0);
    UniqueFd fd(OpenRetrying(hostPath.c_str(), O_RDONLY | O_NOFOLLOW));
    if (!fd.valid()) {
        Fail(error);
        return -1;
    }
    char* p = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < size) {
        ssize_t n = ::pread(fd.get(), p + done, size - done, offset + off_t(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(error);
            return -1;
        }
        if (n == 0) break;
        done += size_t(n);
    }
    return ssize_t(done);
}

bool FileHoldsAt(const std::string& hostPath, const void* data, size_t size, off_t offset, bool whole) {
    if (whole) {
        struct stat st;
        if (::lstat(hostPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
            uint64_t(st.st_size) != uint64_t(offset) + size) {
            return false;
        }
    }
    std::vector<char> held(size);
    return ReadFileAt(hostPath, held.data(), size, offset, nullptr) == ssize_t(size) &&
           std::memcmp(held.data(), data, size) == 0;
}

bool WriteFileAt(const std::string& hostPath, const void* data, size_t size, off_t offset, bool sync, int* error) {
    SetError(error, 0);
    UniqueFd fd(OpenRetrying(hostPath.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW, platform::NewFileMode()));
    if (!fd.valid()) return Fail(error);
    platform::GiveDataGroup(fd.get());
    if (!WriteAll(fd.get(), data, size, offset, true)) return Fail(error);
    if (sync && ::fdatasync(fd.get()) != 0) return Fail(error);
    if (!fd.Close()) return Fail(error);
    return true;
}

bool AppendToFile(const std::string& hostPath, const void* data, size_t size, int* error) {
    SetError(error, 0);
    UniqueFd fd(OpenRetrying(hostPath.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW, platform::NewFileMode()));
    if (!fd.valid()) return Fail(error);
    platform::GiveDataGroup(fd.get());
    struct stat before;
    if (::fstat(fd.get(), &before) != 0) return Fail(error);
    if (!WriteAll(fd.get(), data, size, 0, false)) {
        // A part of a record (a full disk) would shift every record appended after it: cut the
        // file back to the records it held.
        const int saved = errno ? errno : EIO;
        if (::ftruncate(fd.get(), before.st_size) != 0) {
            platform::DebugPrintf("records: cannot cut %s back after a failed append: %s\n", hostPath.c_str(),
                                  std::strerror(errno));
        }
        SetError(error, saved);
        return false;
    }
    if (!fd.Close()) return Fail(error);
    return true;
}

bool CreateEmptyFile(const std::string& hostPath, bool truncate, int* error) {
    SetError(error, 0);
    UniqueFd fd(OpenRetrying(hostPath.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | (truncate ? O_TRUNC : 0),
                             platform::NewFileMode()));
    if (!fd.valid()) return Fail(error);
    platform::GiveDataGroup(fd.get());
    if (!fd.Close()) return Fail(error);
    return true;
}

bool ReplaceFile(const std::string& hostPath, const void* data, size_t size, int* error) {
    SetError(error, 0);
    const std::string dir = DirectoryOf(hostPath);
    std::string temp = dir + "/." + NameOf(hostPath) + ".XXXXXX";
    std::vector<char> tempName(temp.begin(), temp.end());
    tempName.push_back('\0');
    UniqueFd fd(::mkostemp(tempName.data(), O_CLOEXEC));
    if (!fd.valid()) return Fail(error);
    temp = tempName.data();

    auto abandon = [&]() {
        int saved = errno ? errno : EIO;
        fd.Close();
        ::unlink(temp.c_str());
        SetError(error, saved);
        return false;
    };
    // The new file keeps the old one's permissions as far as the data's mode allows them (an
    // older version's 0644 becomes 0600); a new file gets the data's mode. A link in the file's
    // place is replaced, not followed, so its target's mode is not taken.
    struct stat old;
    const mode_t allowed = platform::AllowedFileMode();
    mode_t mode =
        ::lstat(hostPath.c_str(), &old) == 0 && S_ISREG(old.st_mode) ? (old.st_mode & 0777 & allowed) : allowed;
    if (::fchmod(fd.get(), mode) != 0) return abandon();
    platform::GiveDataGroup(fd.get());
    if (!WriteAll(fd.get(), data, size, 0, false)) return abandon();
    if (::fsync(fd.get()) != 0) return abandon();
    if (!fd.Close()) return abandon();

    if (ReplaceHook hook = g_replaceHook.load()) hook(temp, hostPath);

    if (::rename(temp.c_str(), hostPath.c_str()) != 0) return abandon();
    SyncDirectory(dir);
    return true;
}

bool IsReplaceTempName(const std::string& name, const std::string& targetName) {
    const std::string prefix = "." + targetName + ".";
    return name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0;
}

bool IsAnyReplaceTempName(const std::string& name) {
    if (name.size() < 9 || name[0] != '.') return false;
    size_t dot = name.size() - 7;
    return name[dot] == '.' && name.find('.', 1) < dot;
}

bool RemoveTree(const std::string& hostDir, int* error) {
    SetError(error, 0);
    std::string dir = hostDir;
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    if (!IsRealDirectory(dir)) {
        SetError(error, ENOTDIR);
        return false;
    }
    UniqueFd parent(OpenRetrying(DirectoryOf(dir).c_str(), O_RDONLY | O_DIRECTORY));
    if (!parent.valid()) return Fail(error);
    return RemoveTreeAt(parent.get(), NameOf(dir), 0, error);
}

bool ResolveFileWithin(const std::string& hostPath, const std::string& hostDir, std::string* resolved, int* error) {
    SetError(error, 0);
    char real[PATH_MAX];
    char realDir[PATH_MAX];
    if (!::realpath(hostPath.c_str(), real) || !::realpath(hostDir.c_str(), realDir)) return Fail(error);
    const std::string root = std::string(realDir) + "/";
    if (std::strncmp(real, root.c_str(), root.size()) != 0) {
        SetError(error, EXDEV);
        return false;
    }
    struct stat st;
    if (::stat(real, &st) != 0) return Fail(error);
    if (!S_ISREG(st.st_mode)) {
        SetError(error, EINVAL);
        return false;
    }
    if (resolved) *resolved = real;
    return true;
}

bool IsDirectory(const std::string& hostPath) {
    struct stat st;
    return !hostPath.empty() && ::stat(hostPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsRealDirectory(const std::string& hostPath) {
    struct stat st;
    return !hostPath.empty() && ::lstat(hostPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileExists(const std::string& hostPath) {
    struct stat st;
    return !hostPath.empty() && ::stat(hostPath.c_str(), &st) == 0;
}

void SetReplaceHookForTesting(ReplaceHook hook) { g_replaceHook.store(hook); }

}  // namespace records
