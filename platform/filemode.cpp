#include "platform/filemode.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

#include "platform/text.h"

namespace platform {
namespace {

constexpr mode_t kPrivateDirectoryMode = 0700;
constexpr mode_t kPrivateFileMode = 0600;
constexpr mode_t kGroupDirectoryMode = 0770;
constexpr mode_t kGroupFileMode = 0660;

std::once_flag g_fromEnvironment;
std::atomic<bool> g_hasGroup{false};
std::atomic<gid_t> g_group{0};
std::atomic<mode_t> g_umask{022};

// The umask without changing it (umask() can only be read by setting it, which races with other
// threads creating files); the fallback is for kernels that do not report it.
mode_t ReadUmask() {
    if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned value = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status)) found = std::sscanf(line, "Umask: %o", &value) == 1;
        std::fclose(status);
        if (found) return mode_t(value) & 0777;
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

bool IsMember(gid_t gid) {
    if (gid == ::getegid() || gid == ::getgid()) return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0) return false;
    std::vector<gid_t> groups(static_cast<size_t>(count));
    const int got = ::getgroups(count, groups.data());
    for (int i = 0; i < got; ++i) {
        if (groups[size_t(i)] == gid) return true;
    }
    return false;
}

void Set(bool hasGroup, gid_t gid) {
    g_umask.store(ReadUmask());
    g_group.store(gid);
    g_hasGroup.store(hasGroup);
}

void ReadEnvironment() {
    const char* name = std::getenv(kDataGroupVariable);
    gid_t gid = 0;
    std::string ignored;
    const bool hasGroup = name && *name && LookUpDataGroup(name, &gid, &ignored);
    Set(hasGroup, gid);
}

void EnsureSet() { std::call_once(g_fromEnvironment, ReadEnvironment); }

}  // namespace

bool LookUpDataGroup(const std::string& name, gid_t* gid, std::string* error) {
    std::vector<char> buffer(16384);
    struct group entry;
    struct group* found = nullptr;
    int result;
    while ((result = ::getgrnam_r(name.c_str(), &entry, buffer.data(), buffer.size(), &found)) == ERANGE &&
           buffer.size() < (1u << 22)) {
        buffer.resize(buffer.size() * 2);
    }
    if (!found) {
        if (error) *error = text::Arg(text::Tr("the data group \"%1\" does not exist"), {name});
        return false;
    }
    if (!IsMember(found->gr_gid)) {
        if (error) *error = text::Arg(text::Tr("this account is not a member of the data group \"%1\""), {name});
        return false;
    }
    *gid = found->gr_gid;
    return true;
}

bool ConfigureDataGroup(const std::string& name, std::string* error) {
    EnsureSet();
    gid_t gid = 0;
    if (!name.empty() && !LookUpDataGroup(name, &gid, error)) return false;
    Set(!name.empty(), gid);
    return true;
}

bool DataGroup(gid_t* gid) {
    EnsureSet();
    if (!g_hasGroup.load()) return false;
    if (gid) *gid = g_group.load();
    return true;
}

mode_t NewDirectoryMode() { return DataGroup(nullptr) ? kGroupDirectoryMode : kPrivateDirectoryMode; }

mode_t NewFileMode() { return DataGroup(nullptr) ? kGroupFileMode : kPrivateFileMode; }

mode_t AllowedDirectoryMode() { return NewDirectoryMode() & ~g_umask.load(); }

mode_t AllowedFileMode() { return NewFileMode() & ~g_umask.load(); }

bool GiveDataGroup(int fd) {
    gid_t gid;
    if (!DataGroup(&gid)) return true;
    return ::fchown(fd, uid_t(-1), gid) == 0;
}

bool GiveDataGroupAt(const std::string& hostPath) {
    gid_t gid;
    if (!DataGroup(&gid)) return true;
    return ::fchownat(AT_FDCWD, hostPath.c_str(), uid_t(-1), gid, AT_SYMLINK_NOFOLLOW) == 0;
}

bool NarrowDirectory(const std::string& hostDir) {
    const int fd = ::open(hostDir.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st;
    bool narrowed = false;
    const mode_t allowed = AllowedDirectoryMode();
    if (::fstat(fd, &st) == 0 && st.st_uid == ::geteuid() && (st.st_mode & 0777 & ~allowed) != 0) {
        narrowed = ::fchmod(fd, (st.st_mode & 07777) & (allowed | 07000)) == 0;
    }
    ::close(fd);
    return narrowed;
}

}  // namespace platform
