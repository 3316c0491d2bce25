#include "dicom/installation.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <random>

#include "platform/filemode.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "records/recordfile.h"
#include "records/recordnames.h"

namespace dicom {
namespace {

std::mutex g_issuerLock;
std::string g_issuer;  // guarded by g_issuerLock

std::string NewInstallationId() {
    std::random_device random;  // /dev/urandom on Linux
    unsigned char bytes[16];
    for (size_t i = 0; i < sizeof bytes; i += 4) {
        const unsigned value = random();
        for (size_t k = 0; k < 4; ++k) bytes[i + k] = static_cast<unsigned char>(value >> (8 * k));
    }
    bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0f) | 0x40);  // version 4
    bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3f) | 0x80);  // RFC 4122 variant
    static const char kHex[] = "0123456789abcdef";
    std::string id;
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) id += '-';
        id += kHex[bytes[i] >> 4];
        id += kHex[bytes[i] & 15];
    }
    return id;
}

std::string HostFile() { return platform::HostPath(records::WorkDirFile(kInstallationFile)); }

// Writes the identity next to the file and links it into place, so that the file appears whole
// or not at all, and an identity another process wrote first is never replaced. True also when
// another process won; the caller reads the file again.
bool CreateInstallationFile(const std::string& path, std::string* error) {
    const std::string text = NewInstallationId() + "\n";
    std::string temp = path.substr(0, path.find_last_of('/') + 1) + ".Installation.txt.XXXXXX";
    const int fd = ::mkstemp(temp.data());  // 0600: the data's mode and group follow before any data
    if (fd < 0) {
        *error = text::Arg(text::Tr("cannot create %1: %2"), {path, std::strerror(errno)});
        return false;
    }
    bool ok = ::fchmod(fd, platform::AllowedFileMode()) == 0 && platform::GiveDataGroup(fd) &&
              ::write(fd, text.data(), text.size()) == ssize_t(text.size()) && ::fsync(fd) == 0;
    int errorNumber = errno;
    ::close(fd);
    if (ok && ::link(temp.c_str(), path.c_str()) != 0 && errno != EEXIST) {
        errorNumber = errno;
        ok = false;
    }
    ::unlink(temp.c_str());
    // On the disk before any object carries the identity, so that it survives a crash.
    if (ok) records::SyncDirectory(path.substr(0, path.find_last_of('/')));
    if (!ok) *error = text::Arg(text::Tr("cannot create %1: %2"), {path, std::strerror(errorNumber)});
    return ok;
}

bool ReadInstallationFile(const std::string& path, std::string* id, int* errorNumber, std::string* error) {
    char buffer[128];
    const ssize_t n = records::ReadFileAt(path, buffer, sizeof buffer, 0, errorNumber);
    if (n < 0) return false;
    if (ParseInstallationText(std::string(buffer, size_t(n)), id)) return true;
    *error = text::Arg(text::Tr("%1 is damaged: it does not hold this installation's identity. Restore it from a "
                                "backup; remove it only to give this installation a new identity (pictures sent "
                                "before then get new UIDs when they are sent again)"),
                       {path});
    return false;
}

}  // namespace

bool IsValidInstallationId(const std::string& id) {
    if (id.size() != 36) return false;
    for (size_t i = 0; i < id.size(); ++i) {
        const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
        const char c = id[i];
        if (dash ? c != '-' : !((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    }
    return true;
}

bool ParseInstallationText(const std::string& text, std::string* id) {
    std::string line = text;
    if (!line.empty() && line.back() == '\n') line.pop_back();
    if (!IsValidInstallationId(line)) return false;
    *id = line;
    return true;
}

bool LoadInstallationId(std::string* id, std::string* error) {
    const std::string path = HostFile();
    std::string reason;
    int errorNumber = 0;
    if (ReadInstallationFile(path, id, &errorNumber, &reason)) return true;
    if (reason.empty() && errorNumber == ENOENT) {
        if (!CreateInstallationFile(path, &reason)) {
            if (error) *error = reason;
            return false;
        }
        if (ReadInstallationFile(path, id, &errorNumber, &reason)) return true;
    }
    if (reason.empty()) reason = text::Arg(text::Tr("cannot read %1: %2"), {path, std::strerror(errorNumber)});
    if (error) *error = reason;
    return false;
}

std::string OwnPatientIdIssuer(const std::string& installationId) {
    {
        const std::lock_guard<std::mutex> lock(g_issuerLock);
        if (!g_issuer.empty()) return g_issuer;
    }
    std::string issuer = "KAVIMO-" + installationId.substr(0, 8);
    for (char& c : issuer) c = char(std::toupper(static_cast<unsigned char>(c)));
    return issuer;
}

void SetPatientIdIssuer(const std::string& issuer) {
    const std::lock_guard<std::mutex> lock(g_issuerLock);
    g_issuer = issuer;
}

bool IsValidPatientIdIssuer(const std::string& issuer) {
    if (issuer.empty() || issuer.size() > 64 || issuer.find_first_not_of(' ') == std::string::npos) return false;
    for (char c : issuer) {
        if (c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return false;
    }
    return true;
}

std::string StationNameFrom(const std::string& hostName) {
    std::string name = hostName.substr(0, hostName.find('.')).substr(0, 16);
    for (char& c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x21 || u > 0x7e || c == '\\') c = '_';
    }
    return name;
}

std::string StationName() {
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) != 0) return {};
    return StationNameFrom(host);
}

}  // namespace dicom
