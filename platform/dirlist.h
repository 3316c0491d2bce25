// Directory enumeration as a Windows file system presents it: wildcard patterns match without
// regard to case, and entries come sorted by name without regard to case.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct DirEntry {
    std::string name;  // as spelled on disk
    bool isDirectory = false;
    bool hidden = false;      // a dot-file: what a hidden attribute is on Windows
    bool statusRead = false;  // the status below could be read
    uint64_t size = 0;
    int64_t modifiedNs = 0;  // modification time, nanoseconds since the epoch
    int64_t createdNs = 0;   // birth time where the file system keeps one, else modification time
};

// Matches `name` against a pattern of '*' (any run) and '?' (any one character) without regard
// to case. "*.*" matches every name, also one without a dot, as on Windows.
bool WildcardMatch(const std::string& pattern, const std::string& name);

// Orders two names without regard to case (ties broken by the exact bytes, so the order is total).
bool NameLessNoCase(const std::string& a, const std::string& b);

// What a listing reads of each entry besides its name: its whole status (size, times), or only
// whether it is a directory, which the directory itself mostly tells without a look at the file.
enum class DirDetail { Status, TypeOnly };

// Entries of a host directory that match the pattern, "." and ".." left out, sorted by name.
// An unreadable or missing directory gives an empty list. With DirDetail::TypeOnly only `name`,
// `hidden` and `isDirectory` are set (links followed), and `statusRead` only where a status had
// to be read to tell the type.
std::vector<DirEntry> ListDirectory(const std::string& hostDir, const std::string& pattern = "*",
                                    DirDetail detail = DirDetail::Status);

struct FileInfo {
    bool exists = false;
    bool isDirectory = false;
    uint64_t size = 0;
    int64_t modifiedNs = 0;
    int64_t createdNs = 0;  // birth time where the file system keeps one, else modification time
};

FileInfo StatFile(const std::string& hostPath);

// Creates a directory and its missing parents with NewDirectoryMode() and the data group (see
// filemode.h); directories that exist keep their mode. True when it exists afterwards.
bool MakeDirectories(const std::string& hostDir);

}  // namespace platform
