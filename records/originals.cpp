#include "records/originals.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/dirlist.h"
#include "records/recordfile.h"

namespace records {

namespace {

std::string DirectoryOf(const std::string& hostPath) {
    const size_t slash = hostPath.rfind('/');
    return slash == std::string::npos ? std::string(".") : hostPath.substr(0, slash);
}

std::string NameOf(const std::string& hostPath) {
    const size_t slash = hostPath.rfind('/');
    return slash == std::string::npos ? hostPath : hostPath.substr(slash + 1);
}

bool Fail(int* error, int value) {
    if (error) *error = value;
    return false;
}

bool IsRegularFile(const std::string& hostPath, struct stat* st) {
    return ::lstat(hostPath.c_str(), st) == 0 && S_ISREG(st->st_mode);
}

// Where links are refused (FAT and the like), the original is a copy written whole before it
// counts, with the picture's time as its modification time.
bool CopyOriginal(const std::string& hostPicture, const std::string& hostOriginal, const struct stat& picture,
                  int* error) {
    std::vector<char> bytes(size_t(picture.st_size));
    const ssize_t got = ReadFileAt(hostPicture, bytes.data(), bytes.size(), 0, error);
    if (got < 0) return false;
    if (size_t(got) != bytes.size()) return Fail(error, EIO);
    if (!ReplaceFile(hostOriginal, bytes.data(), bytes.size(), error)) return false;
    int64_t takenNs = 0;
    if (OriginalTakenNs(hostPicture, &takenNs)) {
        struct timespec times[2];
        times[0].tv_sec = 0;
        times[0].tv_nsec = UTIME_OMIT;
        times[1].tv_sec = time_t(takenNs / 1000000000);
        times[1].tv_nsec = long(takenNs % 1000000000);
        if (times[1].tv_nsec < 0) {
            times[1].tv_nsec += 1000000000;
            --times[1].tv_sec;
        }
        ::utimensat(AT_FDCWD, hostOriginal.c_str(), times, AT_SYMLINK_NOFOLLOW);
    }
    return true;
}

}  // namespace

std::string OriginalHostPath(const std::string& hostPicture) {
    return DirectoryOf(hostPicture) + "/" + kOriginalsDir + "/" + NameOf(hostPicture);
}

bool HasOriginal(const std::string& hostPicture) {
    struct stat st;
    return IsRegularFile(OriginalHostPath(hostPicture), &st);
}

bool KeepOriginal(const std::string& hostPicture, int* error) {
    if (error) *error = 0;
    const std::string original = OriginalHostPath(hostPicture);
    struct stat st;
    if (::lstat(original.c_str(), &st) == 0) return S_ISREG(st.st_mode) || Fail(error, EEXIST);
    struct stat picture;
    if (::lstat(hostPicture.c_str(), &picture) != 0) return Fail(error, errno);
    if (!S_ISREG(picture.st_mode)) return Fail(error, EINVAL);
    const std::string folder = DirectoryOf(original);
    // A link in the folder's place would keep the original somewhere else.
    if (!platform::MakeDirectories(folder) || !IsRealDirectory(folder)) return Fail(error, errno ? errno : ENOTDIR);
    if (::link(hostPicture.c_str(), original.c_str()) == 0) {
        SyncDirectory(folder);
        return true;
    }
    const int linkError = errno;
    if (linkError != EPERM && linkError != EXDEV && linkError != ENOTSUP && linkError != EOPNOTSUPP &&
        linkError != EMLINK && linkError != ENOSYS) {
        return Fail(error, linkError);
    }
    return CopyOriginal(hostPicture, original, picture, error);
}

bool RevertToOriginal(const std::string& hostPicture, int* error) {
    if (error) *error = 0;
    const std::string original = OriginalHostPath(hostPicture);
    struct stat st;
    if (!IsRegularFile(original, &st)) return Fail(error, ENOENT);
    if (::rename(original.c_str(), hostPicture.c_str()) != 0) return Fail(error, errno);
    SyncDirectory(DirectoryOf(hostPicture));
    ::rmdir(DirectoryOf(original).c_str());  // only when no other original is kept
    return true;
}

bool OriginalTakenNs(const std::string& hostOriginal, int64_t* takenNs) {
    const platform::FileInfo info = platform::StatFile(hostOriginal);
    if (!info.exists || info.isDirectory) return false;
    *takenNs = info.createdNs;
    return true;
}

}  // namespace records
