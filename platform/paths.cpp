#include "platform/paths.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstdlib>
#include <mutex>
#include <vector>

#include "platform/text.h"

namespace platform {

namespace {

std::mutex g_rootMutex;
std::string g_root;  // empty: not set, use the default

bool IsAbsolute(const char* path) { return path && path[0] == '/'; }

// KAVIMO_DRIVE_D, else the data home's kavimo/d; empty without either.
std::string DefaultRoot() {
    if (const char* env = std::getenv("KAVIMO_DRIVE_D"); env && *env) return env;
    const std::string base = XdgBaseDirectory("XDG_DATA_HOME", "/.local/share");
    return base.empty() ? std::string() : base + "/kavimo/d";
}

std::string StripTrailingSlashes(std::string dir) {
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

bool Exists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

// Finds `name` in `dir` without regard to case; returns the name as spelled on disk, or "".
std::string FindNoCase(const std::string& dir, const std::string& name) {
    DIR* d = ::opendir(dir.c_str());
    if (!d) return {};
    std::string found;
    while (dirent* e = ::readdir(d)) {
        if (::strcasecmp(e->d_name, name.c_str()) == 0) {
            found = e->d_name;
            break;
        }
    }
    ::closedir(d);
    return found;
}

}  // namespace

std::string XdgBaseDirectory(const char* variable, const char* underHome) {
    if (const char* xdg = std::getenv(variable); IsAbsolute(xdg)) return xdg;
    if (const char* home = std::getenv("HOME"); IsAbsolute(home)) return std::string(home) + underHome;
    return {};
}

std::string DriveRoot() {
    std::lock_guard<std::mutex> guard(g_rootMutex);
    return g_root.empty() ? StripTrailingSlashes(DefaultRoot()) : g_root;
}

std::string DriveRootProblem() {
    if (!DriveRoot().empty()) return {};
    return text::Tr(
        "HOME is not set, so there is no folder of this account's own for the records; give the "
        "d: drive's folder with --drive-d or KAVIMO_DRIVE_D");
}

void SetDriveRoot(const std::string& hostDir) {
    std::lock_guard<std::mutex> guard(g_rootMutex);
    g_root = hostDir.empty() ? std::string() : StripTrailingSlashes(hostDir);
}

bool HasDriveLetter(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'a' && path[0] <= 'z') || (path[0] >= 'A' && path[0] <= 'Z'));
}

bool NormalizeLogicalPath(const std::string& logical, std::string* normalized) {
    if (normalized) normalized->clear();
    if (!HasDriveLetter(logical) || (logical[0] != 'd' && logical[0] != 'D')) return false;
    std::vector<std::string> parts;
    std::string part;
    auto flush = [&]() -> bool {
        if (part.empty() || part == ".") {
        } else if (part == "..") {
            if (parts.empty()) return false;
            parts.pop_back();
        } else {
            parts.push_back(part);
        }
        part.clear();
        return true;
    };
    for (size_t i = 2; i < logical.size(); ++i) {
        char c = logical[i];
        if (c == '\\' || c == '/') {
            if (!flush()) return false;
        } else {
            part += c;
        }
    }
    if (!flush()) return false;
    std::string out = "d:";
    for (const auto& p : parts) out += "\\" + p;
    if (parts.empty()) out += "\\";
    if (normalized) *normalized = out;
    return true;
}

bool MapLogicalPath(const std::string& logical, std::string* host) {
    if (host) host->clear();
    std::string norm;
    if (!NormalizeLogicalPath(logical, &norm)) return false;
    std::string out = DriveRoot();
    if (out.empty()) return false;
    if (norm.size() > 3) {
        size_t pos = 3;  // after "d:\"
        while (pos <= norm.size()) {
            size_t end = norm.find('\\', pos);
            if (end == std::string::npos) end = norm.size();
            std::string name = norm.substr(pos, end - pos);
            std::string candidate = out + "/" + name;
            if (!Exists(candidate)) {
                std::string onDisk = FindNoCase(out, name);
                if (!onDisk.empty()) candidate = out + "/" + onDisk;
            }
            out = candidate;
            pos = end + 1;
        }
    }
    if (host) *host = out;
    return true;
}

std::string HostPath(const std::string& logical) {
    std::string host;
    MapLogicalPath(logical, &host);
    return host;
}

bool IsWithinLogicalDir(const std::string& dirLogical, const std::string& logical) {
    std::string dir, path;
    if (!NormalizeLogicalPath(dirLogical, &dir) || !NormalizeLogicalPath(logical, &path)) {
        return false;
    }
    if (path.size() < dir.size() || ::strncasecmp(path.c_str(), dir.c_str(), dir.size()) != 0) {
        return false;
    }
    return path.size() == dir.size() || dir.back() == '\\' || path[dir.size()] == '\\';
}

std::string JoinLogical(const std::string& dirLogical, const std::string& name) {
    if (dirLogical.empty()) return name;
    if (dirLogical.back() == '\\' || dirLogical.back() == '/') return dirLogical + name;
    return dirLogical + "\\" + name;
}

}  // namespace platform
