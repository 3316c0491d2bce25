// The trash of the work directory: pictures and patients that were deleted, kept for 30 days so
// that a deletion can be undone.
//
//   d:\DentalWorkDir\.trash\index                                 what is in the trash (below)
//   d:\DentalWorkDir\.trash\20261208140312-1\20261208100000.jpg     a deleted picture
//   d:\DentalWorkDir\.trash\20261208140312-1\.originals\...         and its kept original
//   d:\DentalWorkDir\.trash\20261208141500-1\UID20240101080000\     a deleted patient, whole
//
// Each deletion is one entry: a folder named after the local time of the deletion (and a number
// that makes it unique) into which the files are moved, and a line of the index. The index is
// text, written whole through a temporary file and a rename, so it is either the old or the new
// one. Its first line is "kavimo-trash 1"; then one line per entry, fields separated by tabs
// ('%', tab and line breaks in a field written as %25, %09, %0A, %0D):
//
//   id  kind ("picture" or "patient")  deleted (seconds since 1970)  UID  logical path it came
//   from  number of pictures  label (a picture's time "2026-12-08 14:03:12", a patient's name)
//
// The record files know nothing of the trash: a deletion takes the entries out of the lists as
// it always did, a restore puts them back. Files are moved with rename, within the work
// directory, so they keep their times.
//
// Threads: any; an internal lock keeps the index whole. Purge removes folders outside the lock.
#pragma once

#include <cstdint>
#include <ctime>
#include <mutex>
#include <string>
#include <vector>

namespace records {

inline constexpr const char* kTrashDir = ".trash";
inline constexpr const char* kTrashIndexFile = "index";
inline constexpr int kTrashKeepDays = 30;

enum class TrashKind { Picture, Patient };

struct TrashEntry {
    std::string id;  // its folder in the trash
    TrashKind kind = TrashKind::Picture;
    int64_t deletedAt = 0;  // seconds since the epoch
    uint64_t uid = 0;       // the patient
    std::string path;       // the logical path it came from
    int pictures = 0;       // how many pictures went with it
    std::string label;      // a picture's time, a patient's name (UTF-8)
};

// A file or folder to move into an entry, and its name there ("x.jpg", ".originals/x.jpg").
struct TrashItem {
    std::string hostPath;
    std::string name;
};

class Trash {
public:
    // The trash folder on the host (the work directory is looked up at each call).
    static std::string HostDir();

    // Moves the items into a new entry and adds its line to the index. The first item is the
    // thing deleted: when it cannot be moved nothing is and false comes back with the errno value
    // in *error. A later item (an original) that cannot be moved stays where it is.
    bool Put(TrashEntry entry, const std::vector<TrashItem>& items, std::time_t now, std::string* id, int* error);

    // The entries in the order they were put. Lines that cannot be read, and entries whose folder
    // is missing, are left out and described in *broken.
    std::vector<TrashEntry> Entries(std::vector<std::string>* broken = nullptr) const;
    bool Find(const std::string& id, TrashEntry* entry) const;

    // The host folder of an entry.
    static std::string EntryHostDir(const std::string& id);

    // Moves a file or folder out of an entry to hostDir/name, or, when that name is taken and
    // `renameIfTaken`, to the first free "<stem>_<n><extension>". Never replaces anything: a name
    // taken gives EEXIST. *placedName is the name it got.
    static bool MoveOut(const std::string& from, const std::string& hostDir, const std::string& name,
                        bool renameIfTaken, std::string* placedName, int* error);

    // Takes an entry out of the index and removes its folder (what is left in it).
    bool Forget(const std::string& id, int* error);

    // Forgets every entry deleted more than kTrashKeepDays days before `now`, and folders that
    // the index does not name and that are as old. Returns how many went. Slow with many files:
    // run it off the window's thread.
    int Purge(std::time_t now);

private:
    struct Index {
        std::vector<TrashEntry> entries;
        std::vector<std::string> unreadable;  // kept as they are when the index is written again
    };
    static Index ReadIndex(std::vector<std::string>* broken);
    static bool WriteIndex(const Index& index, int* error);

    mutable std::mutex m_mutex;
};

}  // namespace records
