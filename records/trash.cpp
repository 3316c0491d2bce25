#include "records/trash.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

#include "platform/debug.h"
#include "platform/dirlist.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "records/recordfile.h"
#include "records/recordnames.h"
#include "records/recordtypes.h"

namespace records {

namespace {

constexpr const char* kIndexHeader = "kavimo-trash 1";
constexpr int64_t kKeepSeconds = int64_t(kTrashKeepDays) * 24 * 60 * 60;

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '%':
                out += "%25";
                break;
            case '\t':
                out += "%09";
                break;
            case '\n':
                out += "%0A";
                break;
            case '\r':
                out += "%0D";
                break;
            default:
                out += c;
        }
    }
    return out;
}

bool Unescape(const std::string& text, std::string* out) {
    out->clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            *out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return false;
        const std::string hex = text.substr(i + 1, 2);
        char* end = nullptr;
        const long value = std::strtol(hex.c_str(), &end, 16);
        if (end != hex.c_str() + 2) return false;
        *out += char(value);
        i += 2;
    }
    return true;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

bool ParseInt(const std::string& text, int64_t* value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0') return false;
    *value = parsed;
    return true;
}

// An entry's id names its folder: digits, '-' and nothing that could lead out of the trash.
bool IsEntryId(const std::string& id) {
    if (id.empty() || id.size() > 40) return false;
    for (char c : id) {
        if (!(c >= '0' && c <= '9') && c != '-') return false;
    }
    return true;
}

bool ParseLine(const std::string& line, TrashEntry* entry) {
    const std::vector<std::string> fields = Split(line, '\t');
    if (fields.size() != 7) return false;
    int64_t deletedAt = 0, uid = 0, pictures = 0;
    if (!IsEntryId(fields[0]) || !ParseInt(fields[2], &deletedAt) || !ParseInt(fields[3], &uid) ||
        !ParseInt(fields[5], &pictures) || pictures < 0) {
        return false;
    }
    if (fields[1] == "picture") {
        entry->kind = TrashKind::Picture;
    } else if (fields[1] == "patient") {
        entry->kind = TrashKind::Patient;
    } else {
        return false;
    }
    entry->id = fields[0];
    entry->deletedAt = deletedAt;
    entry->uid = uint64_t(uid);
    entry->pictures = int(pictures);
    return Unescape(fields[4], &entry->path) && Unescape(fields[6], &entry->label);
}

std::string FormatLine(const TrashEntry& entry) {
    return entry.id + "\t" + (entry.kind == TrashKind::Patient ? "patient" : "picture") + "\t" +
           std::to_string(entry.deletedAt) + "\t" + std::to_string(entry.uid) + "\t" + Escape(entry.path) + "\t" +
           std::to_string(entry.pictures) + "\t" + Escape(entry.label);
}

// A new entry's folder: the local time of the deletion and the first free number.
bool MakeEntryDir(std::time_t now, std::string* id, int* error) {
    const std::string base = std::to_string(LocalTimeNumber(now)) + "-";
    for (int n = 1; n < 10000; ++n) {
        const std::string candidate = base + std::to_string(n);
        if (::mkdir(Trash::EntryHostDir(candidate).c_str(), 0700) == 0) {
            *id = candidate;
            return true;
        }
        if (errno != EEXIST) {
            if (error) *error = errno;
            return false;
        }
    }
    if (error) *error = EEXIST;
    return false;
}

}  // namespace

std::string Trash::HostDir() {
    const std::string work = platform::HostPath(kWorkDir);
    return work.empty() ? std::string() : work + "/" + kTrashDir;
}

std::string Trash::EntryHostDir(const std::string& id) { return HostDir() + "/" + id; }

Trash::Index Trash::ReadIndex(std::vector<std::string>* broken) {
    Index index;
    const std::string host = HostDir() + "/" + kTrashIndexFile;
    const platform::FileInfo info = platform::StatFile(host);
    if (!info.exists) return index;
    std::string text(size_t(info.size), '\0');
    const ssize_t got = ReadFileAt(host, text.data(), text.size(), 0, nullptr);
    if (got < 0) {
        //: the index: the trash's list of what it holds
        if (broken) broken->push_back(text::Tr("the index cannot be read"));
        return index;
    }
    text.resize(size_t(got));
    std::vector<std::string> lines = Split(text, '\n');
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    if (lines.empty() || lines.front() != kIndexHeader) {
        //: the index: the trash's list of what it holds
        if (broken) broken->push_back(text::Arg(text::Tr("the index does not begin with \"%1\""), {kIndexHeader}));
        if (!lines.empty() && lines.front() != kIndexHeader) index.unreadable.push_back(lines.front());
    }
    std::set<std::string> ids;
    for (size_t i = 1; i < lines.size(); ++i) {
        TrashEntry entry;
        if (!ParseLine(lines[i], &entry) || !ids.insert(entry.id).second) {
            if (broken) {
                //: the index: the trash's list of what it holds
                broken->push_back(text::Arg(text::Tr("line %1 of the index cannot be read"), {std::to_string(i + 1)}));
            }
            index.unreadable.push_back(lines[i]);
            continue;
        }
        index.entries.push_back(entry);
    }
    return index;
}

bool Trash::WriteIndex(const Index& index, int* error) {
    std::string text = std::string(kIndexHeader) + "\n";
    for (const TrashEntry& entry : index.entries) text += FormatLine(entry) + "\n";
    for (const std::string& line : index.unreadable) text += line + "\n";
    return ReplaceFile(HostDir() + "/" + kTrashIndexFile, text.data(), text.size(), error);
}

bool Trash::Put(TrashEntry entry, const std::vector<TrashItem>& items, std::time_t now, std::string* id, int* error) {
    if (error) *error = 0;
    std::lock_guard<std::mutex> guard(m_mutex);
    const std::string dir = HostDir();
    if (items.empty() || dir.empty()) {
        if (error) *error = EINVAL;
        return false;
    }
    if (!platform::MakeDirectories(dir) || !IsRealDirectory(dir)) {
        if (error) *error = errno ? errno : ENOTDIR;
        return false;
    }
    if (!MakeEntryDir(now, &entry.id, error)) return false;
    const std::string entryDir = EntryHostDir(entry.id);
    for (size_t i = 0; i < items.size(); ++i) {
        const std::string target = entryDir + "/" + items[i].name;
        const size_t slash = items[i].name.rfind('/');
        if (slash != std::string::npos) platform::MakeDirectories(entryDir + "/" + items[i].name.substr(0, slash));
        if (::rename(items[i].hostPath.c_str(), target.c_str()) == 0) continue;
        const int moveError = errno;
        if (i == 0) {
            RemoveTree(entryDir, nullptr);
            if (error) *error = moveError;
            return false;
        }
        platform::DebugWarning("Trash: %s stays in place: %s\n", items[i].hostPath.c_str(), std::strerror(moveError));
    }
    entry.deletedAt = int64_t(now);
    Index index = ReadIndex(nullptr);
    index.entries.push_back(entry);
    if (!WriteIndex(index, error)) {
        // Moved, but not listed: put the thing back rather than leave it where nobody finds it.
        for (const TrashItem& item : items) ::rename((entryDir + "/" + item.name).c_str(), item.hostPath.c_str());
        RemoveTree(entryDir, nullptr);
        return false;
    }
    if (id) *id = entry.id;
    return true;
}

std::vector<TrashEntry> Trash::Entries(std::vector<std::string>* broken) const {
    std::lock_guard<std::mutex> guard(m_mutex);
    std::vector<TrashEntry> entries;
    for (const TrashEntry& entry : ReadIndex(broken).entries) {
        if (IsRealDirectory(EntryHostDir(entry.id))) {
            entries.push_back(entry);
        } else if (broken) {
            //: %1 is the name of an entry of the trash, %2 the patient or picture it holds
            broken->push_back(text::Arg(text::Tr("entry %1 (%2) has no folder"), {entry.id, entry.path}));
        }
    }
    return entries;
}

bool Trash::Find(const std::string& id, TrashEntry* entry) const {
    for (const TrashEntry& e : Entries()) {
        if (e.id == id) {
            *entry = e;
            return true;
        }
    }
    return false;
}

bool Trash::MoveOut(const std::string& from, const std::string& hostDir, const std::string& name, bool renameIfTaken,
                    std::string* placedName, int* error) {
    if (error) *error = 0;
    const size_t dot = name.rfind('.');
    const std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
    const std::string extension = stem.size() == name.size() ? std::string() : name.substr(stem.size());
    for (int n = 0; n < 1000; ++n) {
        std::string candidate = name;
        if (n > 0) {
            candidate = stem + "_" + std::to_string(n);
            candidate += extension;
        }
        std::string target = hostDir + "/";
        target += candidate;
        int result = ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE);
        if (result != 0 && (errno == EINVAL || errno == ENOSYS)) {
            // A file system without the no-replace move: look first.
            struct stat st;
            if (::lstat(target.c_str(), &st) == 0) {
                errno = EEXIST;
            } else {
                result = ::rename(from.c_str(), target.c_str());
            }
        }
        if (result == 0) {
            if (placedName) *placedName = candidate;
            return true;
        }
        if (errno != EEXIST || !renameIfTaken) {
            if (error) *error = errno;
            return false;
        }
    }
    if (error) *error = EEXIST;
    return false;
}

bool Trash::Forget(const std::string& id, int* error) {
    if (error) *error = 0;
    std::lock_guard<std::mutex> guard(m_mutex);
    Index index = ReadIndex(nullptr);
    const size_t before = index.entries.size();
    for (auto it = index.entries.begin(); it != index.entries.end();) {
        it = it->id == id ? index.entries.erase(it) : it + 1;
    }
    if (index.entries.size() != before && !WriteIndex(index, error)) return false;
    const std::string dir = EntryHostDir(id);
    return !IsEntryId(id) || !IsRealDirectory(dir) || RemoveTree(dir, error);
}

int Trash::Purge(std::time_t now) {
    std::vector<std::string> expired;
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        const std::string dir = HostDir();
        if (dir.empty() || !IsRealDirectory(dir)) return 0;
        Index index = ReadIndex(nullptr);
        std::set<std::string> listed;
        Index kept;
        kept.unreadable = index.unreadable;
        for (const TrashEntry& entry : index.entries) {
            listed.insert(entry.id);
            if (int64_t(now) - entry.deletedAt > kKeepSeconds) {
                expired.push_back(entry.id);
            } else {
                kept.entries.push_back(entry);
            }
        }
        if (!expired.empty()) {
            int error = 0;
            if (!WriteIndex(kept, &error)) {
                platform::DebugWarning("Trash: cannot write the index: %s\n", std::strerror(error));
                return 0;
            }
        }
        // Folders the index does not name (a deletion cut short before its line was written).
        for (const platform::DirEntry& e : platform::ListDirectory(dir, "*")) {
            if (!e.isDirectory || listed.count(e.name) || !IsEntryId(e.name)) continue;
            if (int64_t(now) - e.modifiedNs / 1000000000 > kKeepSeconds) expired.push_back(e.name);
        }
    }
    int removed = 0;
    for (const std::string& id : expired) {
        int error = 0;
        const std::string dir = EntryHostDir(id);
        if (!IsRealDirectory(dir) || RemoveTree(dir, &error)) {
            ++removed;
        } else {
            platform::DebugWarning("Trash: cannot remove %s: %s\n", dir.c_str(), std::strerror(error));
        }
    }
    if (removed > 0) platform::DebugNotice("Trash: %d entries older than %d days removed\n", removed, kTrashKeepDays);
    return removed;
}

}  // namespace records
