#include "camlink/picturefiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/filemode.h"
#include "platform/paths.h"
#include "records/recordnames.h"

namespace camlink {

namespace {
// How many following seconds are tried when a name is taken.
constexpr int kNameAttempts = 120;

bool HostFileExists(const std::string& host) {
    struct stat st;
    return ::lstat(host.c_str(), &st) == 0;
}
}  // namespace

std::string PictureFileName(time_t when) { return records::PictureFileName(records::LocalTimeNumber(when)); }

bool FreePicturePath(const std::string& dirLogical, time_t when, std::string* logicalPath) {
    for (int i = 0; i < kNameAttempts; ++i) {
        std::string logical = platform::JoinLogical(dirLogical, PictureFileName(when + i));
        std::string host = platform::HostPath(logical);
        if (host.empty()) {
            errno = EINVAL;
            return false;
        }
        if (!HostFileExists(host)) {
            *logicalPath = logical;
            return true;
        }
    }
    errno = EEXIST;
    return false;
}

bool WriteNewFile(const std::string& logicalPath, const uint8_t* data, size_t length) {
    std::string host = platform::HostPath(logicalPath);
    if (host.empty()) {
        errno = EINVAL;
        return false;
    }
    // A picture of a patient's mouth: the data's mode and group (O_EXCL never follows a link).
    int fd = ::open(host.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, platform::NewFileMode());
    if (fd < 0) return false;
    platform::GiveDataGroup(fd);
    size_t done = 0;
    while (done < length) {
        ssize_t n = ::write(fd, data + done, length - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            int saved = n < 0 ? errno : EIO;
            ::close(fd);
            ::unlink(host.c_str());
            errno = saved;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    if (::close(fd) != 0) {
        int saved = errno;
        ::unlink(host.c_str());
        errno = saved;
        return false;
    }
    return true;
}

bool WriteNewPictureFile(const std::string& dirLogical, time_t when, const uint8_t* data, size_t length,
                         std::string* logicalPath) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        std::string logical;
        if (!FreePicturePath(dirLogical, when, &logical)) return false;
        if (WriteNewFile(logical, data, length)) {
            *logicalPath = logical;
            return true;
        }
        if (errno != EEXIST) return false;  // taken in between: look again
    }
    return false;
}

std::string LogicalDirOf(const std::string& logicalPath) {
    size_t slash = logicalPath.find_last_of('\\');
    return slash == std::string::npos ? std::string() : logicalPath.substr(0, slash);
}

}  // namespace camlink
