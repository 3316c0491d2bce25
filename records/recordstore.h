// The patient database: the work directory "d:\DentalWorkDir", its record files and the one
// object through which the application reads and writes them.
//
// The store keeps the patient list in memory, in the order of UserList.fdb, and one current
// patient whose diagnosis and picture lists it also holds. The per-patient UserInfoBackup.fdb is
// the authoritative copy of a patient: at start the list is rebuilt from the backups and
// UserList.fdb is regenerated from it.
//
// Threads: every operation runs on the user-interface thread, except GetCurrentUser, which the
// still-picture thread also calls. An internal lock makes that safe; messages are shown through
// the notifier after the lock is released, so a notifier may run a nested event loop.
//
// Return values follow the operations' long-standing conventions (1 done, 0 or -1 refused); a
// failure to create, write or rename a file is shown through the notifier and returns the
// operation's failure value.
#pragma once

#include <cstdint>
#include <ctime>
#include <mutex>
#include <string>
#include <vector>

#include "platform/dirlist.h"
#include "records/recordnotifier.h"
#include "records/recordtypes.h"
#include "records/trash.h"

class RecordStore {
public:
    // Messages go to `notifier`, or to standard error when it is null.
    explicit RecordStore(RecordNotifier* notifier = nullptr);
    ~RecordStore();
    RecordStore(const RecordStore&) = delete;
    RecordStore& operator=(const RecordStore&) = delete;

    // Replaces the notifier (null: standard error). The notifier must outlive its use.
    void SetNotifier(RecordNotifier* notifier);

    // --- Work directory and patient list ------------------------------------------------------

    // Creates the work directory on first run, with an empty UserList.fdb and the default
    // patient, then shows "Create WorkDir successfull!". Does nothing when it exists, unless it
    // holds nothing but the lock file (made by this start to lock it).
    void PrepareWorkDir();

    // Removes the temporary files that an interrupted rewrite of a record file or of a picture
    // saved over left behind (a crash or power loss between writing and renaming; the file itself
    // is whole). Only those files, in the work directory, the patient directories with their
    // originals, and the trash. Run at start, with the work directory locked.
    void RemoveInterruptedRewrites();

    // Brings each patient's picture list back in line with its directory where a run that ended
    // half-way through storing, importing or deleting pictures (a crash, a power cut) left the
    // count ahead of the list, picture files the list does not name, or an entry whose file was
    // already deleted: such a list is rebuilt from the directory, as "Update" does, so that no
    // stored picture goes missing and no record names a lost file. Run at start, after Load.
    // Returns how many lists were rebuilt; the current patient stays current.
    int RepairPictureLists();

    // Clears the change marks and rebuilds the patient list from the backups (RebuildUsers).
    void Load();

    // Rebuilds the patient list from every subdirectory's UserInfoBackup.fdb, in directory order,
    // and rewrites UserList.fdb from it.
    void RebuildUsers();

    // Adds a patient. When its directory is new it is created with empty list files, and the
    // record gets its dirPath, an empty description and zero counts. Returns 1, or 0 when the UID
    // is not above the last patient's, when 1001 patients exist, or when the patient could not
    // be stored. The current patient does not change.
    int AddUser(const _USER_INFO& user);

    // Replaces name, sex, age, phone and description of the current patient with the record's
    // (a changed copy of the current patient) and writes it. Returns 1, or 0 when the patient's
    // directory is missing ("User does not exist！") or the record could not be written.
    int ModifyUser(const _USER_INFO& user);

    // Deletes a patient with its directory (pictures and record files), which goes to the trash
    // whole. Only the patient's own directory "d:\DentalWorkDir\UID<uid>" is ever moved. Returns
    // 1; -1 when the index is not in the list; 0 when the entry was removed from the list but its
    // directory could not be moved (reported). UserList.fdb is rewritten by the next Flush.
    int DeleteUser(int index);

    // The next patient after `start` whose name equals the key's name (case-sensitive), or, when
    // the key's name is empty, whose phone equals the key's phone. -1 when none follows.
    int FindNext(const _USER_INFO& key, int start) const;

    // Copies patient `index` (uid, name, sex, age, phone, counts, dirPath, description) into
    // *user. Returns the index, or 0 without copying when the index is not in the list.
    int GetUser(int index, _USER_INFO* user) const;

    // Copies the current patient as GetUser does. Returns the current index, or -1 (nothing
    // copied) when there is no current patient. Callable from any thread.
    int GetCurrentUser(_USER_INFO* user) const;

    // Makes patient `index` current and loads its diagnosis and picture lists (missing list
    // files are created empty). Returns the index, or -1 when it is not in the list.
    int SelectUser(int index);

    // Writes what the change marks say for the current patient (its record, with the last
    // diagnosis as description; its picture list), then leaves no current patient. Returns 1, or
    // -1 when there is no current patient or a write failed.
    int CommitCurrentUser();

    // Rewrites UserList.fdb and the current patient's DisePicList.fdb when marked as changed.
    void Flush();

    // Number of patients; current index; index current at the last commit.
    int UserCount() const;
    int CurrentIndex() const;
    int LastIndex() const;

    // The change marks, for callers that need to know whether a Flush is due.
    bool UserListChanged() const;
    bool PictureListChanged() const;

    // --- Current patient ----------------------------------------------------------------------

    // Stores at most 349 characters as the current patient's description and writes the record.
    // Returns 1, or -1 when there is no current patient or the record could not be written.
    int SetDescription(const std::u16string& text);

    // Copies the current patient's 350-unit description field into `buffer` (350 char16_t).
    // Returns 1, or -1 when there is no current patient.
    int GetDescription(char16_t* buffer) const;

    // Adds a picture record for the file at `path` (a logical d: path) with the file's creation
    // time; with writeNow the patient record and the appended picture record go to disk at once.
    // Returns 1, or -1 when there is no current patient, the path does not fit the record's 127
    // bytes, or a write failed.
    int AddPicture(int kind, const std::u16string& path, bool writeNow);
    int AddPicture(int kind, const std::string& path, bool writeNow);

    // Rebuilds the current patient's picture list from the *.jpg files in its directory and
    // writes the record and DisePicList.fdb. Returns 1, or -1 when there is no current patient or
    // a write failed. `changed`, when given, tells whether the list now differs from the one held
    // before.
    int RebuildPictures(bool* changed = nullptr);
    // Whether the picture list held is in the form and order a rebuild gives: every record a
    // *.jpg file of the patient's own directory, by name without regard to case. A picture added
    // whose name comes last (as a capture's does) keeps it so.
    bool PicturesInRebuildOrder() const;

    // Copies picture record `index` of the current patient. Returns 1, or 0 when there is no such
    // picture.
    int GetPicture(int index, _DISE_PIC* picture) const;

    // Removes picture record `index` and moves its file (and its kept original) to the trash,
    // provided the file lies in the current patient's directory. Sets both change marks; the
    // caller then runs Flush. Returns 1, or 0 when there is no such picture.
    int DeletePicture(int index);

    // --- The trash ----------------------------------------------------------------------------

    // The current patient's deleted pictures; the deleted patients. Oldest first.
    std::vector<records::TrashEntry> DeletedPictures() const;
    std::vector<records::TrashEntry> DeletedPatients() const;

    // Puts deleted pictures of the current patient back into its directory, each under its own
    // name unless that is taken (then "<name>_<n>.jpg"), with its kept original, and rebuilds the
    // picture list from the directory. Returns how many came back.
    int RestorePictures(const std::vector<std::string>& ids);

    // Puts a deleted patient back: its directory returns, and its record takes its place in the
    // list by UID (the current patient stays the same person). Returns the patient's index, or -1
    // when it cannot come back (reported).
    int RestoreUser(const std::string& id);

    // Empties the trash of what was deleted more than 30 days before `now`. Any thread; it does
    // not wait for the store's other operations. Returns how many entries went.
    int PurgeTrash(std::time_t now);

    // --- Hospital name ------------------------------------------------------------------------

    // Replaces Hospital.fdb with the name. Returns 1, or 0 when it could not be written.
    int SetHospital(const std::u16string& name);

    // The hospital name (at most 64 code units), or "" when unset.
    std::u16string GetHospital() const;

    // --- Helpers ------------------------------------------------------------------------------

    // Removes a directory below the work directory and everything in it, without following
    // symbolic links. False when it is not such a directory or something could not be removed.
    bool DeleteDirectory(const std::string& path);

    // The text conversions of the system's 8-bit code page (UTF-8) and UTF-16.
    static std::u16string AnsiToUtf16(const std::string& text);
    static std::string Utf16ToAnsi(const std::u16string& text);

private:
    struct Message {
        std::string text;
    };
    class Operation;

    bool HasCurrentLocked() const;
    _USER_INFO& CurrentLocked() { return m_users[size_t(m_nCurIndex)]; }
    const _USER_INFO& CurrentLocked() const { return m_users[size_t(m_nCurIndex)]; }

    void RebuildUsersLocked();
    int AddUserLocked(const _USER_INFO& user);
    int SelectUserLocked(int index);
    void LoadCurrentListsLocked();
    bool PictureListMismatchLocked(const std::string& dir) const;
    int RebuildPicturesLocked(bool* changed = nullptr);
    bool FlushLocked();
    // `listed`, when given, is the file's entry of a directory listing, which holds its status
    // already.
    int AddPictureLocked(int kind, const std::string& path, bool writeNow, bool reportLongPath,
                         const platform::DirEntry* listed = nullptr);
    bool WriteCurrentRecordLocked();
    bool WriteUserListLocked();
    bool WritePictureListLocked();
    // True when the current patient's picture list file holds exactly the list in memory, and
    // when both files that keep the current patient's record hold it as it is in memory.
    bool PictureListFileHoldsLocked() const;
    bool CurrentRecordFilesHoldLocked() const;
    bool BackupHoldsCurrentLocked() const;
    bool DeleteDirectoryLocked(const std::string& path);

    // Messages and file failures, queued while locked and shown when the operation ends.
    void NotifyLocked(const std::string& text);
    void ReportFileErrorLocked(const char* action, const std::string& logicalPath, int error);
    std::string MapOrReport(const std::string& logicalPath);

    mutable std::mutex m_mutex;
    RecordNotifier* m_notifier;
    std::vector<Message> m_pending;
    records::Trash m_trash;

    std::vector<_USER_INFO> m_users;    // the patient list, in UserList.fdb order
    std::vector<_DIAG_ITEM> m_diags;    // diagnosis list of the current patient
    std::vector<_DISE_PIC> m_pictures;  // picture list of the current patient
    bool m_userListChanged = false;
    bool m_pictureListChanged = false;
    int m_nCurIndex = 0;   // -1: no current patient
    int m_nLastIndex = 0;  // the current index at the last commit
};
