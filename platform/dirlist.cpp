#include "platform/dirlist.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <functional>
#include <iterator>
#include <system_error>
#include <thread>

#include "platform/filemode.h"

namespace platform {

namespace {
char Lower(char c) { return char(std::tolower(static_cast<unsigned char>(c))); }

bool Match(const char* p, const char* n) {
    // Iterative match with one backtrack point for the last '*'.
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*n) {
        if (*p == '*') {
            star = p++;
            resume = n;
        } else if (*p == '?' || (*p && Lower(*p) == Lower(*n))) {
            ++p;
            ++n;
        } else if (star) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (*p == '*') ++p;
    return *p == 0;
}

int64_t ToNs(const struct statx_timestamp& ts) { return int64_t(ts.tv_sec) * 1000000000ll + ts.tv_nsec; }

// The status of `name` relative to the directory `dirFd` (AT_FDCWD: the working directory).
FileInfo StatAt(int dirFd, const char* name) {
    FileInfo info;
    struct statx stx;
    if (::statx(dirFd, name, 0, STATX_BASIC_STATS | STATX_BTIME, &stx) != 0) return info;
    info.exists = true;
    info.isDirectory = S_ISDIR(stx.stx_mode);
    info.size = stx.stx_size;
    info.modifiedNs = ToNs(stx.stx_mtime);
    info.createdNs = (stx.stx_mask & STATX_BTIME) ? ToNs(stx.stx_btime) : info.modifiedNs;
    return info;
}
}  // namespace

bool WildcardMatch(const std::string& pattern, const std::string& name) {
    if (pattern == "*.*") return true;
    return Match(pattern.c_str(), name.c_str());
}

bool NameLessNoCase(const std::string& a, const std::string& b) {
    int c = ::strcasecmp(a.c_str(), b.c_str());
    return c != 0 ? c < 0 : a < b;
}

namespace {

// Reads the status of each entry that still lacks its type, relative to the open directory.
void ReadStatus(int dirFd, std::vector<DirEntry>& entries, size_t from, size_t to) {
    for (size_t i = from; i < to; ++i) {
        DirEntry& entry = entries[i];
        const FileInfo status = StatAt(dirFd, entry.name.c_str());
        entry.statusRead = status.exists;
        entry.isDirectory = status.isDirectory;
        entry.size = status.size;
        entry.modifiedNs = status.modifiedNs;
        entry.createdNs = status.createdNs;
    }
}

// From this many entries on, their statuses are read on two threads: each read is a path lookup
// of its own in the kernel, and a patient's history runs to thousands of pictures.
constexpr size_t kSplitStatusFrom = 2048;

}  // namespace

std::vector<DirEntry> ListDirectory(const std::string& hostDir, const std::string& pattern, DirDetail detail) {
    std::vector<DirEntry> entries;
    DIR* d = ::opendir(hostDir.c_str());
    if (!d) return entries;
    // Entries whose type the directory told come first once read; those that still need their
    // status (all of them, for DirDetail::Status) are kept apart and read after the listing.
    std::vector<DirEntry> pending;
    while (dirent* e = ::readdir(d)) {
        std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        if (!WildcardMatch(pattern, name)) continue;
        DirEntry entry;
        entry.name = std::move(name);
        entry.hidden = entry.name[0] == '.';
        if (detail == DirDetail::TypeOnly && (e->d_type == DT_REG || e->d_type == DT_DIR)) {
            entry.isDirectory = e->d_type == DT_DIR;
            entries.push_back(std::move(entry));
        } else {
            pending.push_back(std::move(entry));
        }
    }
    // One status per entry, relative to the open directory, with everything a caller may want
    // of it: listing thousands of pictures must not look each one up again by path.
    const int fd = ::dirfd(d);
    size_t half = pending.size();
    std::thread other;
    if (pending.size() >= kSplitStatusFrom) {
        try {
            other = std::thread(ReadStatus, fd, std::ref(pending), pending.size() / 2, pending.size());
            half = pending.size() / 2;
        } catch (const std::system_error&) {
            // No thread to be had: this one reads them all.
        }
    }
    ReadStatus(fd, pending, 0, half);
    if (other.joinable()) other.join();
    ::closedir(d);
    if (entries.empty()) {
        entries = std::move(pending);
    } else {
        entries.insert(entries.end(), std::make_move_iterator(pending.begin()), std::make_move_iterator(pending.end()));
    }
    std::sort(entries.begin(), entries.end(),
              [](const DirEntry& a, const DirEntry& b) { return NameLessNoCase(a.name, b.name); });
    return entries;
}

FileInfo StatFile(const std::string& hostPath) { return StatAt(AT_FDCWD, hostPath.c_str()); }

bool MakeDirectories(const std::string& hostDir) {
    if (hostDir.empty()) return false;
    std::string path;
    size_t pos = 0;
    while (pos != std::string::npos) {
        pos = hostDir.find('/', pos + 1);
        path = hostDir.substr(0, pos);
        if (path.empty()) continue;
        if (::mkdir(path.c_str(), NewDirectoryMode()) == 0) {
            GiveDataGroupAt(path);
        } else if (errno != EEXIST) {
            return false;
        }
    }
    struct stat st;
    return ::stat(hostDir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace platform
