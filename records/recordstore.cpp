#include "records/recordstore.h"

#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <initializer_list>
#include <unordered_map>
#include <unordered_set>

#include "platform/debug.h"
#include "platform/dirlist.h"
#include "platform/filemode.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "records/originals.h"
#include "records/recordfile.h"
#include "records/recordnames.h"
#include "records/textconv.h"
#include "records/toothtags.h"
#include "records/trash.h"

using platform::HostPath;
using platform::JoinLogical;
using records::kDiagListFile;
using records::kPictureListFile;
using records::kUserBackupFile;
using records::kUserListFile;
using records::PatientDirPath;
using records::WorkDirFile;

namespace {

// The messages the user sees, as the program has always worded them.
constexpr const char* kMsgWorkDirFailed = "Faile to create WorkDir!";
constexpr const char* kMsgWorkDirCreated = "Create WorkDir successfull!";
constexpr const char* kMsgUserDirFailed = "Faile to  create user dir！";
constexpr const char* kMsgUserMissing = "User does not exist！";

// What GetUser and GetCurrentUser hand out of a patient record.
void CopyUserFields(const _USER_INFO& from, _USER_INFO* to) {
    to->uid = from.uid;
    to->age = from.age;
    to->sex = from.sex;
    to->phone = from.phone;
    to->diagCount = from.diagCount;
    to->picCount = from.picCount;
    std::memcpy(to->name, from.name, sizeof to->name);
    std::memcpy(to->dirPath, from.dirPath, sizeof to->dirPath);
    std::memcpy(to->description, from.description, sizeof to->description);
}

// Records read from disk may come from a damaged or foreign file: make sure every text field
// ends inside its field, so nobody reading them as C strings runs past the end.
void TerminateFields(_USER_INFO& user) {
    user.name[records::kMaxNameUnits] = 0;
    user.dirPath[records::kMaxDirPathBytes] = 0;
    user.description[records::kMaxDescriptionUnits] = 0;
}
void TerminateFields(_DIAG_ITEM& item) { item.text[records::kMaxDescriptionUnits] = 0; }
void TerminateFields(_DISE_PIC& picture) { picture.path[records::kMaxPicturePathBytes] = 0; }

bool SamePathNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && ::strcasecmp(a.c_str(), b.c_str()) == 0;
}

std::string BaseName(const std::string& logical) {
    size_t slash = logical.rfind('\\');
    return slash == std::string::npos ? logical : logical.substr(slash + 1);
}

// How the picture lists show a picture's time: "2026-12-08 14:03:12".
std::string PictureTimeText(const _DISE_PIC& picture) {
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", unsigned(picture.year), unsigned(picture.month),
                  unsigned(picture.day), unsigned(picture.hour), unsigned(picture.minute), unsigned(picture.second));
    return text;
}

bool IsRecordFileName(const std::string& name) {
    return SamePathNoCase(name, kUserBackupFile) || SamePathNoCase(name, kDiagListFile) ||
           SamePathNoCase(name, kPictureListFile);
}

// The teeth and view of a deleted picture go with it into its trash entry, in a tags file of
// the entry's own, and come back with it. Failures leave the tags where they were and are only
// logged: the picture's deletion or restore does not depend on them.
void MoveTagsToTrash(const std::string& patientHostDir, const std::string& name, const std::string& id) {
    records::ToothTags::Found found = records::ToothTags::Found::None;
    records::ToothTags tags = records::ToothTags::Load(patientHostDir, &found);
    const records::PictureTags picture = tags.TagsOf(name);
    if (found != records::ToothTags::Found::Read || picture.Empty()) return;
    records::ToothTags moved;
    moved.Set(name, picture);
    std::string error;
    if (!moved.Save(records::Trash::EntryHostDir(id), &error) || !tags.Set(name, {}) ||
        !tags.Save(patientHostDir, &error)) {
        platform::DebugWarning("RecordStore: the teeth of %s stay behind: %s\n", name.c_str(), error.c_str());
    }
}

void RestoreTagsFromTrash(const std::string& entryHostDir, const std::string& name, const std::string& patientHostDir,
                          const std::string& placedName) {
    const records::PictureTags picture = records::ToothTags::Load(entryHostDir).TagsOf(name);
    std::string error;
    if (!picture.Empty() && !records::SetPictureTags(patientHostDir, placedName, picture, &error)) {
        platform::DebugWarning("RecordStore: the teeth of %s are not restored: %s\n", placedName.c_str(),
                               error.c_str());
    }
}

// A rebuild finds the pictures the directory holds: tags of pictures that are gone (deleted by
// other means) go too, so that a later picture given the same name does not inherit them.
void ForgetTagsOfMissingPictures(const std::string& patientHostDir, const std::vector<platform::DirEntry>& entries) {
    if (patientHostDir.empty() || !records::IsRealDirectory(patientHostDir)) return;
    records::ToothTags::Found found = records::ToothTags::Found::None;
    records::ToothTags tags = records::ToothTags::Load(patientHostDir, &found);
    if (found != records::ToothTags::Found::Read) return;
    std::unordered_set<std::string> present;
    for (const platform::DirEntry& entry : entries) {
        if (!entry.isDirectory) present.insert(entry.name);
    }
    if (tags.RemoveUnless([&](const std::string& name) { return present.count(name) != 0; }) == 0) return;
    std::string error;
    if (!tags.Save(patientHostDir, &error)) platform::DebugWarning("RecordStore: %s\n", error.c_str());
}

}  // namespace

// One operation of the store: holds the lock, and when the operation is over shows the messages
// it queued, after the lock is released.
class RecordStore::Operation {
public:
    explicit Operation(RecordStore& store) : m_store(store), m_lock(store.m_mutex) {}
    ~Operation() {
        if (m_store.m_pending.empty()) return;
        std::vector<Message> messages;
        messages.swap(m_store.m_pending);
        RecordNotifier* notifier = m_store.m_notifier;
        m_lock.unlock();
        for (const Message& message : messages) {
            notifier->MessageBox(message.text, records::kMessageCaption, RecordNotifier::Buttons::Ok);
        }
    }
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

private:
    RecordStore& m_store;
    std::unique_lock<std::mutex> m_lock;
};

RecordStore::RecordStore(RecordNotifier* notifier)
    : m_notifier(notifier ? notifier : &StderrRecordNotifier::Instance()) {}

RecordStore::~RecordStore() = default;

void RecordStore::SetNotifier(RecordNotifier* notifier) {
    std::lock_guard<std::mutex> guard(m_mutex);
    m_notifier = notifier ? notifier : &StderrRecordNotifier::Instance();
}

// --- Messages -------------------------------------------------------------------------------

void RecordStore::NotifyLocked(const std::string& text) {
    // What the user is told is worth a line in the log whatever it says.
    platform::DebugNotice("RecordStore: %s\n", text.c_str());
    m_pending.push_back(Message{text});
}

namespace {

// The sentence told when a file cannot be handled, by what was done to it.
std::string FileErrorPattern(const std::string& action) {
    if (action == "find") return text::Tr("Could not find \"%1\": %2");
    if (action == "create") return text::Tr("Could not create \"%1\": %2");
    if (action == "read") return text::Tr("Could not read \"%1\": %2");
    if (action == "write") return text::Tr("Could not write \"%1\": %2");
    if (action == "move to the trash") return text::Tr("Could not move \"%1\" to the trash: %2");
    if (action == "restore") return text::Tr("Could not restore \"%1\": %2");
    if (action == "delete") return text::Tr("Could not delete \"%1\": %2");
    return "Could not " + action + " \"%1\": %2";
}

}  // namespace

void RecordStore::ReportFileErrorLocked(const char* action, const std::string& logicalPath, int error) {
    NotifyLocked(text::Arg(FileErrorPattern(action), {logicalPath, std::strerror(error ? error : EIO)}));
}

std::string RecordStore::MapOrReport(const std::string& logicalPath) {
    std::string host = HostPath(logicalPath);
    if (host.empty()) ReportFileErrorLocked("find", logicalPath, EINVAL);
    return host;
}

// --- Work directory and patient list --------------------------------------------------------

namespace {

// A work directory that holds nothing but the lock file was made by this start, to take the
// lock in it: it is prepared as on a first run.
bool HoldsOnlyTheLock(const std::string& workHost) {
    bool lock = false;
    for (const platform::DirEntry& entry : platform::ListDirectory(workHost, "*", platform::DirDetail::TypeOnly)) {
        if (entry.name == "." || entry.name == "..") continue;
        if (entry.name != records::kWorkDirLockFile) return false;
        lock = true;
    }
    return lock;
}

}  // namespace

void RecordStore::PrepareWorkDir() {
    Operation op(*this);
    const std::string workHost = HostPath(records::kWorkDir);
    if (records::IsDirectory(workHost) && !HoldsOnlyTheLock(workHost)) return;
    // On this system the d: drive is itself a directory that may not exist yet on first run.
    if (workHost.empty() || !platform::MakeDirectories(workHost)) {
        NotifyLocked(kMsgWorkDirFailed);
        return;
    }
    bool ok = true;
    int error = 0;
    const std::string userList = WorkDirFile(kUserListFile);
    if (!records::CreateEmptyFile(HostPath(userList), true, &error)) {
        ReportFileErrorLocked("create", userList, error);
        ok = false;
    }
    _USER_INFO user = {};
    user.uid = records::kDefaultPatientUid;
    records::SetFieldText(user.name, u"Test User");
    user.sex = 1;
    user.age = 33;
    user.phone = 12345678901ll;
    if (AddUserLocked(user) != 1) ok = false;
    if (ok) NotifyLocked(kMsgWorkDirCreated);
}

void RecordStore::Load() {
    Operation op(*this);
    m_userListChanged = false;
    m_pictureListChanged = false;
    m_users.clear();
    RebuildUsersLocked();
}

void RecordStore::RebuildUsers() {
    Operation op(*this);
    RebuildUsersLocked();
}

void RecordStore::RebuildUsersLocked() {
    // A picture list change of the current patient belongs to that patient: write it before the
    // list is rebuilt and the current index may name someone else.
    if (m_pictureListChanged && HasCurrentLocked() && WritePictureListLocked()) {
        WriteCurrentRecordLocked();
    }
    m_pictureListChanged = false;
    m_users.clear();
    const std::string workHost = HostPath(records::kWorkDir);
    std::string incomplete;
    for (const platform::DirEntry& entry : platform::ListDirectory(workHost, "*", platform::DirDetail::TypeOnly)) {
        if (!entry.isDirectory || entry.name.find('\\') != std::string::npos) continue;
        // A link to a directory elsewhere is not a patient directory of this work directory.
        if (!records::IsRealDirectory(workHost + "/" + entry.name)) continue;
        const std::string backup = JoinLogical(WorkDirFile(entry.name), kUserBackupFile);
        _USER_INFO user;
        int error = 0;
        ssize_t got = records::ReadFileAt(HostPath(backup), &user, sizeof user, 0, &error);
        if (got < 0) {
            if (error != ENOENT) ReportFileErrorLocked("read", backup, error);
            continue;  // no backup: not a patient directory
        }
        if (size_t(got) < sizeof user) {
            incomplete += "\n" + backup;
            continue;
        }
        TerminateFields(user);
        m_users.push_back(user);
    }
    if (!incomplete.empty()) {
        NotifyLocked(text::Arg(
            text::Tr("These patient records are incomplete and were left out of the patient list:%1"), {incomplete}));
    }
    m_userListChanged = true;
    FlushLocked();
    LoadCurrentListsLocked();
}

int RecordStore::AddUser(const _USER_INFO& user) {
    Operation op(*this);
    return AddUserLocked(user);
}

int RecordStore::AddUserLocked(const _USER_INFO& user) {
    if (!m_users.empty() && user.uid <= m_users.back().uid) return 0;
    if (m_users.size() >= size_t(records::kMaxPatients)) return 0;

    _USER_INFO record = user;
    const std::string dir = PatientDirPath(record.uid);
    const std::string dirHost = MapOrReport(dir);
    if (dirHost.empty()) return 0;
    const std::string backup = JoinLogical(dir, kUserBackupFile);
    int error = 0;

    bool created = false;
    if (!records::IsDirectory(dirHost)) {
        if (::mkdir(dirHost.c_str(), platform::NewDirectoryMode()) != 0) {
            NotifyLocked(kMsgUserDirFailed);
            return 0;
        }
        platform::GiveDataGroupAt(dirHost);
        created = true;
    }
    // A directory left without its backup (a patient that dropped out of the list) is taken
    // over like a new one; without a backup the patient would vanish again at the next start.
    if (created || !records::FileExists(HostPath(backup))) {
        bool ok = true;
        for (const char* list : {kDiagListFile, kPictureListFile}) {
            const std::string path = JoinLogical(dir, list);
            if (ok && !records::CreateEmptyFile(HostPath(path), created, &error)) {
                ReportFileErrorLocked("create", path, error);
                ok = false;
            }
        }
        records::SetFieldText(record.dirPath, dir);
        record.description[0] = 0;
        record.diagCount = 0;
        record.picCount = 0;
        if (ok && !records::WriteFileAt(HostPath(backup), &record, sizeof record, 0, true, &error)) {
            ReportFileErrorLocked("write", backup, error);
            ok = false;
        }
        if (!ok) {
            // Leave nothing half-made behind: a directory we just made holds nothing else.
            if (created) records::RemoveTree(dirHost, nullptr);
            return 0;
        }
    }

    m_users.push_back(record);
    const std::string userList = WorkDirFile(kUserListFile);
    const std::string userListHost = HostPath(userList);
    // Appending puts the record at its list position only when the file holds the patients
    // before it; otherwise (the file is missing or was damaged) the whole list is written.
    const platform::FileInfo info = platform::StatFile(userListHost);
    if (!info.exists || info.size != (m_users.size() - 1) * sizeof(_USER_INFO)) {
        if (!WriteUserListLocked()) m_userListChanged = true;
        return 1;
    }
    if (!records::AppendToFile(userListHost, &record, sizeof record, &error)) {
        // The patient is safe in its backup; UserList.fdb is regenerated by the next Flush.
        ReportFileErrorLocked("write", userList, error);
        m_userListChanged = true;
    }
    return 1;
}

int RecordStore::ModifyUser(const _USER_INFO& user) {
    Operation op(*this);
    if (!records::IsDirectory(HostPath(PatientDirPath(user.uid))) || !HasCurrentLocked() ||
        CurrentLocked().uid != user.uid) {
        NotifyLocked(kMsgUserMissing);
        return 0;
    }
    _USER_INFO& current = CurrentLocked();
    std::memcpy(current.name, user.name, sizeof current.name);
    current.sex = user.sex;
    current.age = user.age;
    current.phone = user.phone;
    std::memcpy(current.description, user.description, sizeof current.description);
    current.name[records::kMaxNameUnits] = 0;
    current.description[records::kMaxDescriptionUnits] = 0;
    return WriteCurrentRecordLocked() ? 1 : 0;
}

int RecordStore::DeleteUser(int index) {
    Operation op(*this);
    if (index < 0 || size_t(index) >= m_users.size()) return -1;
    const _USER_INFO user = m_users[size_t(index)];

    int result = 1;
    const std::string ownDir = PatientDirPath(user.uid);
    const std::string named = records::FieldText(user.dirPath);
    std::string normalized;
    if (!platform::NormalizeLogicalPath(named, &normalized) || !SamePathNoCase(normalized, ownDir)) {
        // Only the patient's own directory is ever deleted; a record naming anything else
        // (damaged or crafted) deletes nothing.
        NotifyLocked(text::Arg(text::Tr("%1 was removed from the patient list, but no files were deleted: its "
                                        "record names the directory \"%2\" instead of \"%3\"."),
                               {records::UidText(user.uid), named, ownDir}));
        result = 0;
    } else {
        const std::string host = HostPath(ownDir);
        if (records::IsRealDirectory(host)) {
            records::TrashEntry entry;
            entry.kind = records::TrashKind::Patient;
            entry.uid = user.uid;
            entry.path = ownDir;
            entry.pictures = std::max(user.picCount, 0);
            entry.label = records::Utf16ToAnsi(records::FieldText(user.name));
            int error = 0;
            if (!m_trash.Put(entry, {{host, records::UidText(user.uid)}}, std::time(nullptr), nullptr, &error)) {
                NotifyLocked(text::Arg(text::Tr("%1 was removed from the patient list, but \"%2\" could not be "
                                                "moved to the trash: %3"),
                                       {records::UidText(user.uid), ownDir, std::strerror(error ? error : EIO)}));
                result = 0;
            }
        } else if (records::FileExists(host)) {
            NotifyLocked(text::Arg(text::Tr("%1 was removed from the patient list, but \"%2\" was not deleted: it "
                                            "is not a plain directory."),
                                   {records::UidText(user.uid), ownDir}));
            result = 0;
        }
    }

    m_users.erase(m_users.begin() + index);
    m_userListChanged = true;
    // Keep the current patient the same person: its lists stay in step with its entry.
    if (m_nCurIndex == index) {
        m_nCurIndex = -1;
        m_diags.clear();
        m_pictures.clear();
        m_pictureListChanged = false;
    } else if (m_nCurIndex > index) {
        --m_nCurIndex;
    }
    return result;
}

int RecordStore::FindNext(const _USER_INFO& key, int start) const {
    std::lock_guard<std::mutex> guard(m_mutex);
    const std::u16string name = records::FieldText(key.name);
    for (int64_t i = std::max<int64_t>(int64_t(start) + 1, 0); i < int64_t(m_users.size()); ++i) {
        const _USER_INFO& user = m_users[size_t(i)];
        const bool match = name.empty() ? user.phone == key.phone : records::FieldText(user.name) == name;
        if (match) return int(i);
    }
    return -1;
}

int RecordStore::GetUser(int index, _USER_INFO* user) const {
    std::lock_guard<std::mutex> guard(m_mutex);
    if (!user || index < 0 || size_t(index) >= m_users.size()) return 0;
    CopyUserFields(m_users[size_t(index)], user);
    return index;
}

int RecordStore::GetCurrentUser(_USER_INFO* user) const {
    std::lock_guard<std::mutex> guard(m_mutex);
    if (!HasCurrentLocked()) return -1;
    if (user) CopyUserFields(m_users[size_t(m_nCurIndex)], user);
    return m_nCurIndex;
}

int RecordStore::SelectUser(int index) {
    Operation op(*this);
    return SelectUserLocked(index);
}

int RecordStore::SelectUserLocked(int index) {
    if (index < 0 || size_t(index) >= m_users.size()) return -1;
    m_nCurIndex = index;
    LoadCurrentListsLocked();
    return index;
}

namespace {

// Reads up to `count` records of a list file. A missing file is created empty. A file that holds
// fewer records than the count gives what it holds. Returns the number of records read.
template <typename Record>
int ReadList(const std::string& logical, int count, std::vector<Record>* out, std::string* failedAction, int* error) {
    out->clear();
    const std::string host = HostPath(logical);
    const platform::FileInfo info = platform::StatFile(host);
    if (!info.exists) {
        if (!records::CreateEmptyFile(host, false, error)) *failedAction = "create";
        return 0;
    }
    if (count <= 0) return 0;
    const size_t wanted = std::min<uint64_t>(uint64_t(count), info.size / sizeof(Record));
    out->resize(wanted);
    ssize_t got = records::ReadFileAt(host, out->data(), wanted * sizeof(Record), 0, error);
    if (got < 0) {
        *failedAction = "read";
        out->clear();
        return 0;
    }
    out->resize(size_t(got) / sizeof(Record));
    for (Record& record : *out) TerminateFields(record);
    if (out->size() < size_t(count)) {
        platform::DebugWarning("RecordStore: %s holds %zu of %d records\n", logical.c_str(), out->size(), count);
    }
    return int(out->size());
}

}  // namespace

void RecordStore::LoadCurrentListsLocked() {
    m_diags.clear();
    m_pictures.clear();
    if (!HasCurrentLocked()) return;
    _USER_INFO& current = CurrentLocked();
    const std::string dir = PatientDirPath(current.uid);
    if (!records::IsDirectory(HostPath(dir))) {
        // Nothing on disk backs the lists: the counts follow the (empty) lists.
        current.diagCount = 0;
        current.picCount = 0;
        return;
    }
    std::string action;
    int error = 0;
    const std::string diagList = JoinLogical(dir, kDiagListFile);
    current.diagCount = ReadList(diagList, current.diagCount, &m_diags, &action, &error);
    if (!action.empty()) ReportFileErrorLocked(action.c_str(), diagList, error);
    action.clear();
    const std::string pictureList = JoinLogical(dir, kPictureListFile);
    current.picCount = ReadList(pictureList, current.picCount, &m_pictures, &action, &error);
    if (!action.empty()) ReportFileErrorLocked(action.c_str(), pictureList, error);
}

int RecordStore::RepairPictureLists() {
    Operation op(*this);
    const int current = m_nCurIndex;
    int repaired = 0;
    for (int i = 0; i < int(m_users.size()); ++i) {
        const int recorded = m_users[size_t(i)].picCount;
        if (SelectUserLocked(i) != i) continue;
        const std::string dir = PatientDirPath(CurrentLocked().uid);
        if (!records::IsDirectory(HostPath(dir))) continue;
        // The patient current at load has its counts set from its lists already: its backup tells
        // whether the record on disk still counts what a cut-short run left.
        if (CurrentLocked().picCount >= recorded && !PictureListMismatchLocked(dir) && BackupHoldsCurrentLocked()) {
            continue;
        }
        platform::DebugNotice("RecordStore: the picture list of %s did not match its directory; rebuilt\n",
                              dir.c_str());
        RebuildPicturesLocked();
        m_userListChanged = true;
        ++repaired;
    }
    if (current >= 0 && current < int(m_users.size())) {
        SelectUserLocked(current);
    } else {
        m_nCurIndex = current;
        LoadCurrentListsLocked();
    }
    FlushLocked();
    return repaired;
}

bool RecordStore::PictureListMismatchLocked(const std::string& dir) const {
    // The JPEG files of the patient's directory and the list's entries for that directory name
    // the same files (entries elsewhere are left alone). Names compare without case.
    auto lower = [](std::string name) {
        for (char& c : name) c = char(std::tolower(static_cast<unsigned char>(c)));
        return name;
    };
    std::unordered_set<std::string> listed;
    for (const _DISE_PIC& picture : m_pictures) {
        const std::string path = records::FieldText(picture.path);
        const std::string name = BaseName(path);
        if (path.size() > name.size() && SamePathNoCase(path.substr(0, path.size() - name.size() - 1), dir) &&
            name.size() > 4 && ::strcasecmp(name.c_str() + name.size() - 4, ".jpg") == 0)
            listed.insert(lower(name));
    }
    size_t found = 0;
    for (const platform::DirEntry& entry :
         platform::ListDirectory(HostPath(dir), "*.jpg", platform::DirDetail::TypeOnly)) {
        if (entry.isDirectory) continue;
        if (listed.count(lower(entry.name)) == 0) return true;
        ++found;
    }
    return found != listed.size();
}

int RecordStore::CommitCurrentUser() {
    Operation op(*this);
    if (!HasCurrentLocked()) return -1;
    bool ok = true;
    if (m_userListChanged) {
        _USER_INFO& current = CurrentLocked();
        if (current.diagCount > 0 && !m_diags.empty()) {
            std::memcpy(current.description, m_diags.back().text, sizeof current.description);
        }
        ok = WriteCurrentRecordLocked() && ok;
    }
    if (m_pictureListChanged) ok = WritePictureListLocked() && ok;
    m_userListChanged = false;
    m_pictureListChanged = false;
    m_nLastIndex = m_nCurIndex;
    m_nCurIndex = -1;
    m_diags.clear();
    m_pictures.clear();
    return ok ? 1 : -1;
}

void RecordStore::Flush() {
    Operation op(*this);
    FlushLocked();
}

bool RecordStore::FlushLocked() {
    // A mark stays set when its write failed, so that the next Flush tries again.
    bool ok = true;
    if (m_userListChanged) {
        if (WriteUserListLocked()) {
            m_userListChanged = false;
        } else {
            ok = false;
        }
    }
    if (m_pictureListChanged) {
        if (!HasCurrentLocked()) return ok;
        // The patient record is written too, so that its picture count matches the new list.
        if (WritePictureListLocked() && WriteCurrentRecordLocked()) {
            m_pictureListChanged = false;
        } else {
            ok = false;
        }
    }
    return ok;
}

void RecordStore::RemoveInterruptedRewrites() {
    Operation op(*this);
    const std::string workHost = HostPath(records::kWorkDir);
    if (workHost.empty()) return;
    // A picture saved over (its strokes) is rewritten the same way: its leftover is
    // ".<name>.jpg.XXXXXX" beside the picture, which stays as it was.
    auto pictureLeftover = [](const std::string& name) {
        if (!records::IsAnyReplaceTempName(name)) return false;
        const std::string target = name.substr(1, name.size() - 8);
        return target.size() > 4 && ::strcasecmp(target.c_str() + target.size() - 4, ".jpg") == 0;
    };
    auto sweep = [&pictureLeftover](const std::string& hostDir, std::initializer_list<const char*> targets,
                                    bool pictures) {
        for (const platform::DirEntry& entry : platform::ListDirectory(hostDir, "*", platform::DirDetail::TypeOnly)) {
            if (entry.isDirectory) continue;
            bool leftover = pictures && pictureLeftover(entry.name);
            for (const char* target : targets) leftover = leftover || records::IsReplaceTempName(entry.name, target);
            if (!leftover) continue;
            const std::string host = hostDir + "/" + entry.name;
            struct stat st;
            if (::lstat(host.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
            if (::unlink(host.c_str()) == 0) {
                platform::DebugPrintf("RecordStore: removed %s, left by an interrupted rewrite\n", host.c_str());
            } else {
                platform::DebugPrintf("RecordStore: cannot remove %s: %s\n", host.c_str(), std::strerror(errno));
            }
        }
    };
    sweep(workHost, {kUserListFile, records::kHospitalFile}, false);
    for (const platform::DirEntry& entry : platform::ListDirectory(workHost, "*", platform::DirDetail::TypeOnly)) {
        if (!entry.isDirectory || entry.name == "." || entry.name == "..") continue;
        const std::string dir = workHost + "/" + entry.name;
        if (!records::IsRealDirectory(dir)) continue;
        if (entry.name == records::kTrashDir) {
            sweep(dir, {records::kTrashIndexFile}, false);
            continue;
        }
        sweep(dir, {kUserBackupFile, kDiagListFile, kPictureListFile, records::kToothTagsFile}, true);
        // An original copied where links are refused is written the same way.
        const std::string originals = dir + "/" + records::kOriginalsDir;
        if (records::IsRealDirectory(originals)) sweep(originals, {}, true);
    }
}

int RecordStore::UserCount() const {
    std::lock_guard<std::mutex> guard(m_mutex);
    return int(m_users.size());
}

int RecordStore::CurrentIndex() const {
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_nCurIndex;
}

int RecordStore::LastIndex() const {
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_nLastIndex;
}

bool RecordStore::UserListChanged() const {
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_userListChanged;
}

bool RecordStore::PictureListChanged() const {
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_pictureListChanged;
}

// --- Current patient ------------------------------------------------------------------------

bool RecordStore::HasCurrentLocked() const { return m_nCurIndex >= 0 && size_t(m_nCurIndex) < m_users.size(); }

int RecordStore::SetDescription(const std::u16string& text) {
    Operation op(*this);
    if (!HasCurrentLocked()) return -1;
    _USER_INFO& current = CurrentLocked();
    const _USER_INFO before = current;
    // The field and the 8 bytes after it are cleared; at most 349 characters and a NUL are kept.
    std::memset(current.reserved1, 0, sizeof current.reserved1);
    records::SetFieldText(current.description, text);
    if (WriteCurrentRecordLocked()) return 1;
    // Not stored (reported): the patient keeps the description that is on the disk, so that a
    // later write of the record does not store the text the user was told was not saved.
    std::memcpy(current.description, before.description, sizeof current.description);
    std::memcpy(current.reserved1, before.reserved1, sizeof current.reserved1);
    return -1;
}

int RecordStore::GetDescription(char16_t* buffer) const {
    std::lock_guard<std::mutex> guard(m_mutex);
    if (!HasCurrentLocked() || !buffer) return -1;
    std::memcpy(buffer, m_users[size_t(m_nCurIndex)].description, sizeof(_USER_INFO::description));
    return 1;
}

int RecordStore::AddPicture(int kind, const std::u16string& path, bool writeNow) {
    Operation op(*this);
    return AddPictureLocked(kind, records::Utf16ToAnsi(path), writeNow, true);
}

int RecordStore::AddPicture(int kind, const std::string& path, bool writeNow) {
    Operation op(*this);
    return AddPictureLocked(kind, path, writeNow, true);
}

int RecordStore::AddPictureLocked(int kind, const std::string& path, bool writeNow, bool reportLongPath,
                                  const platform::DirEntry* listed) {
    if (!HasCurrentLocked()) return -1;
    _DISE_PIC picture = {};
    // A path that does not fit is refused: cut short, it would name a different file.
    if (!records::SetFieldText(picture.path, path)) {
        if (reportLongPath) {
            NotifyLocked(text::Arg(text::Tr("The picture \"%1\" was not added: its path is longer than %2 bytes."),
                                   {path, std::to_string(records::kMaxPicturePathBytes)}));
        }
        return -1;
    }
    _USER_INFO& current = CurrentLocked();
    picture.uid = current.uid;
    picture.kind = kind;
    // The file's creation time; a file whose status cannot be read gets time value 0.
    platform::FileInfo info;
    if (listed) {
        info.exists = listed->statusRead;
        info.createdNs = listed->createdNs;
    } else {
        info = platform::StatFile(HostPath(path));
        // A picture saved over was taken when its kept original was.
        int64_t takenNs = 0;
        if (info.exists && records::OriginalTakenNs(records::OriginalHostPath(HostPath(path)), &takenNs)) {
            info.createdNs = takenNs;
        }
    }
    std::time_t created = 0;
    if (info.exists) {
        created = std::time_t(info.createdNs / 1000000000);
        if (info.createdNs < 0 && info.createdNs % 1000000000 != 0) --created;
    }
    std::tm local{};
    ::localtime_r(&created, &local);
    picture.year = uint16_t(local.tm_year + 1900);
    picture.month = uint8_t(local.tm_mon + 1);
    picture.day = uint8_t(local.tm_mday);
    picture.dayOfWeek = uint8_t(local.tm_wday + 1);
    picture.hour = uint8_t(local.tm_hour);
    picture.minute = uint8_t(local.tm_min);
    picture.second = uint8_t(local.tm_sec);

    m_pictures.push_back(picture);
    current.picCount = int(m_pictures.size());

    if (writeNow) {
        // The list first, then the count: a run cut short between the two leaves a list one
        // longer than its count, which the next load reads whole.
        const std::string pictureList = JoinLogical(PatientDirPath(current.uid), kPictureListFile);
        int error = 0;
        bool ok = true;
        if (!records::AppendToFile(HostPath(pictureList), &picture, sizeof picture, &error)) {
            ReportFileErrorLocked("write", pictureList, error);
            ok = false;
        }
        ok = WriteCurrentRecordLocked() && ok;
        if (!ok) return -1;
    }
    return 1;
}

int RecordStore::RebuildPictures(bool* changed) {
    Operation op(*this);
    return RebuildPicturesLocked(changed);
}

int RecordStore::RebuildPicturesLocked(bool* changed) {
    if (changed) *changed = false;
    if (!HasCurrentLocked()) return -1;
    _USER_INFO& current = CurrentLocked();
    std::vector<_DISE_PIC> before;
    if (changed) before.swap(m_pictures);
    m_pictures.clear();
    current.picCount = 0;
    const std::string dir = PatientDirPath(current.uid);
    // The directory is found on the host once; each listed name is then the file's own name.
    const std::string hostDir = HostPath(dir);
    std::string refused;
    const std::vector<platform::DirEntry> entries = platform::ListDirectory(hostDir, "*.jpg");
    // Pictures saved over keep the time they were taken: their kept originals'.
    std::unordered_map<std::string, int64_t> taken;
    for (const platform::DirEntry& original :
         platform::ListDirectory(hostDir + "/" + records::kOriginalsDir, "*.jpg")) {
        if (!original.isDirectory && original.statusRead) {
            taken[original.name] = original.createdNs;
        }
    }
    ForgetTagsOfMissingPictures(hostDir, entries);
    m_pictures.reserve(entries.size());
    for (const platform::DirEntry& entry : entries) {
        if (entry.isDirectory) continue;
        const std::string path = JoinLogical(dir, entry.name);
        const auto original = taken.find(entry.name);
        platform::DirEntry dated = entry;
        if (original != taken.end() && entry.statusRead) dated.createdNs = original->second;
        if (AddPictureLocked(0, path, false, false, &dated) != 1) refused += "\n" + path;
    }
    if (!refused.empty()) {
        NotifyLocked(text::Arg(text::Tr("These pictures were not added: their paths are longer than %1 bytes.%2"),
                               {std::to_string(records::kMaxPicturePathBytes), refused}));
    }
    // A rebuild that finds the list as the file holds it already (right after a Delete wrote it,
    // say) leaves the file alone: with thousands of pictures the rewrite is most of its time.
    bool ok = PictureListFileHoldsLocked() || WritePictureListLocked();
    ok = (CurrentRecordFilesHoldLocked() || WriteCurrentRecordLocked()) && ok;
    if (changed) {
        *changed =
            before.size() != m_pictures.size() ||
            !std::equal(before.begin(), before.end(), m_pictures.begin(), [](const _DISE_PIC& a, const _DISE_PIC& b) {
                return std::memcmp(&a, &b, offsetof(_DISE_PIC, padding)) == 0;
            });
    }
    return ok ? 1 : -1;
}

bool RecordStore::PicturesInRebuildOrder() const {
    std::lock_guard<std::mutex> guard(m_mutex);
    if (!HasCurrentLocked()) return false;
    // Every path is the directory's, a separator, and the name.
    const std::string prefix = JoinLogical(PatientDirPath(CurrentLocked().uid), "");
    std::string previous;
    for (size_t i = 0; i < m_pictures.size(); ++i) {
        const std::string path = records::FieldText(m_pictures[i].path);
        if (path.compare(0, prefix.size(), prefix) != 0 ||
            path.find_first_of("\\/", prefix.size()) != std::string::npos) {
            return false;
        }
        const std::string name = path.substr(prefix.size());
        if (!platform::WildcardMatch("*.jpg", name)) return false;
        if (i > 0 && !platform::NameLessNoCase(previous, name)) return false;
        previous = name;
    }
    return true;
}

int RecordStore::GetPicture(int index, _DISE_PIC* picture) const {
    std::lock_guard<std::mutex> guard(m_mutex);
    if (!HasCurrentLocked() || !picture || index < 0 || size_t(index) >= m_pictures.size()) {
        return 0;
    }
    std::memcpy(picture, &m_pictures[size_t(index)], offsetof(_DISE_PIC, padding));
    return 1;
}

int RecordStore::DeletePicture(int index) {
    Operation op(*this);
    if (!HasCurrentLocked() || CurrentLocked().picCount <= 0 || index < 0 || size_t(index) >= m_pictures.size()) {
        return 0;
    }
    _USER_INFO& current = CurrentLocked();
    const _DISE_PIC picture = m_pictures[size_t(index)];
    const std::string path = records::FieldText(picture.path);
    m_pictures.erase(m_pictures.begin() + index);
    current.picCount = int(m_pictures.size());

    // Only a picture in the patient's own directory is deleted, never one of its record files.
    const std::string dir = PatientDirPath(current.uid);
    std::string normalized;
    if (platform::NormalizeLogicalPath(path, &normalized) && platform::IsWithinLogicalDir(dir, normalized) &&
        !SamePathNoCase(normalized, dir) && !IsRecordFileName(BaseName(normalized))) {
        const std::string host = HostPath(normalized);
        struct stat st;
        if (::lstat(host.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) {
            // The file goes to the trash with its kept original, where it can be restored from.
            const std::string name = BaseName(normalized);
            records::TrashEntry entry;
            entry.kind = records::TrashKind::Picture;
            entry.uid = current.uid;
            entry.path = normalized;
            entry.pictures = 1;
            entry.label = PictureTimeText(picture);
            std::vector<records::TrashItem> items{{host, name}};
            if (records::HasOriginal(host)) {
                items.push_back({records::OriginalHostPath(host), std::string(records::kOriginalsDir) + "/" + name});
            }
            int error = 0;
            std::string id;
            if (!m_trash.Put(entry, items, std::time(nullptr), &id, &error)) {
                ReportFileErrorLocked("move to the trash", normalized, error);
            } else {
                MoveTagsToTrash(HostPath(dir), name, id);
            }
        }
    } else {
        platform::DebugWarning("RecordStore: %s is not in %s; the file is left in place\n", path.c_str(), dir.c_str());
    }
    m_userListChanged = true;
    m_pictureListChanged = true;
    return 1;
}

// --- The trash ------------------------------------------------------------------------------

std::vector<records::TrashEntry> RecordStore::DeletedPictures() const {
    uint64_t uid = 0;
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        if (!HasCurrentLocked()) return {};
        uid = CurrentLocked().uid;
    }
    std::vector<records::TrashEntry> pictures;
    for (const records::TrashEntry& entry : m_trash.Entries()) {
        if (entry.kind == records::TrashKind::Picture && entry.uid == uid) pictures.push_back(entry);
    }
    return pictures;
}

std::vector<records::TrashEntry> RecordStore::DeletedPatients() const {
    std::vector<records::TrashEntry> patients;
    for (const records::TrashEntry& entry : m_trash.Entries()) {
        if (entry.kind == records::TrashKind::Patient) patients.push_back(entry);
    }
    return patients;
}

int RecordStore::RestorePictures(const std::vector<std::string>& ids) {
    Operation op(*this);
    if (!HasCurrentLocked()) return 0;
    const uint64_t uid = CurrentLocked().uid;
    const std::string hostDir = HostPath(PatientDirPath(uid));
    if (!records::IsRealDirectory(hostDir)) return 0;
    int restored = 0;
    for (const std::string& id : ids) {
        records::TrashEntry entry;
        if (!m_trash.Find(id, &entry) || entry.kind != records::TrashKind::Picture || entry.uid != uid) continue;
        const std::string name = BaseName(entry.path);
        const std::string entryDir = records::Trash::EntryHostDir(id) + "/";
        std::string placed;
        int error = 0;
        if (!records::Trash::MoveOut(entryDir + name, hostDir, name, true, &placed, &error)) {
            ReportFileErrorLocked("restore", entry.path, error);
            continue;
        }
        RestoreTagsFromTrash(entryDir, name, hostDir, placed);
        // Its original comes back too, unless the name it now has has one kept already.
        const std::string originals = hostDir + "/" + records::kOriginalsDir;
        std::string original = entryDir;
        original.append(records::kOriginalsDir).append("/").append(name);
        if (records::FileExists(original) && platform::MakeDirectories(originals) &&
            !records::Trash::MoveOut(original, originals, placed, false, nullptr, &error)) {
            platform::DebugWarning("RecordStore: the original of %s stays in the trash: %s\n", entry.path.c_str(),
                                   std::strerror(error));
            continue;  // the entry keeps it
        }
        m_trash.Forget(id, nullptr);
        ++restored;
    }
    if (restored > 0) RebuildPicturesLocked();
    return restored;
}

int RecordStore::RestoreUser(const std::string& id) {
    Operation op(*this);
    records::TrashEntry entry;
    if (!m_trash.Find(id, &entry) || entry.kind != records::TrashKind::Patient) return -1;
    const std::string dirName = records::UidText(entry.uid);
    if (m_users.size() >= size_t(records::kMaxPatients)) {
        NotifyLocked(text::Arg(text::Tr("%1 cannot be restored: the patient list is full."), {dirName}));
        return -1;
    }
    int error = 0;
    if (!records::Trash::MoveOut(records::Trash::EntryHostDir(id) + "/" + dirName, HostPath(records::kWorkDir), dirName,
                                 false, nullptr, &error)) {
        NotifyLocked(
            error == EEXIST
                ? text::Arg(text::Tr("%1 cannot be restored: a patient directory of that name exists."), {dirName})
                : text::Arg(text::Tr("%1 cannot be restored: %2"), {dirName, std::strerror(error)}));
        return -1;
    }
    m_trash.Forget(id, nullptr);
    const std::string backup = JoinLogical(PatientDirPath(entry.uid), kUserBackupFile);
    _USER_INFO user;
    if (records::ReadFileAt(HostPath(backup), &user, sizeof user, 0, &error) != ssize_t(sizeof user)) {
        ReportFileErrorLocked("read", backup, error);
        return -1;
    }
    TerminateFields(user);
    // Its place is where a start would list it: by directory name.
    size_t at = 0;
    while (at < m_users.size() && platform::NameLessNoCase(records::UidText(m_users[at].uid), dirName)) ++at;
    m_users.insert(m_users.begin() + ptrdiff_t(at), user);
    if (m_nCurIndex >= int(at)) ++m_nCurIndex;
    if (m_nLastIndex >= int(at)) ++m_nLastIndex;
    m_userListChanged = true;
    FlushLocked();
    return int(at);
}

int RecordStore::PurgeTrash(std::time_t now) { return m_trash.Purge(now); }

// --- Hospital name --------------------------------------------------------------------------

int RecordStore::SetHospital(const std::u16string& name) {
    Operation op(*this);
    const std::string path = WorkDirFile(records::kHospitalFile);
    int error = 0;
    if (!records::ReplaceFile(HostPath(path), name.data(), name.size() * sizeof(char16_t), &error)) {
        ReportFileErrorLocked("write", path, error);
        return 0;
    }
    return 1;
}

std::u16string RecordStore::GetHospital() const {
    std::lock_guard<std::mutex> guard(m_mutex);
    char16_t buffer[records::kHospitalReadBytes / sizeof(char16_t)] = {};
    const std::string host = HostPath(WorkDirFile(records::kHospitalFile));
    if (records::ReadFileAt(host, buffer, sizeof buffer, 0, nullptr) <= 0) return {};
    return records::FieldText(buffer);
}

// --- Files ----------------------------------------------------------------------------------

bool RecordStore::WriteCurrentRecordLocked() {
    const _USER_INFO& current = CurrentLocked();
    bool ok = true;
    int error = 0;
    const std::string userList = WorkDirFile(kUserListFile);
    if (!records::WriteFileAt(HostPath(userList), &current, sizeof current, off_t(m_nCurIndex) * off_t(sizeof current),
                              false, &error)) {
        ReportFileErrorLocked("write", userList, error);
        ok = false;
    }
    // The backup is the authoritative copy: it is on the disk before the write counts as done.
    const std::string backup = JoinLogical(PatientDirPath(current.uid), kUserBackupFile);
    if (!records::WriteFileAt(HostPath(backup), &current, sizeof current, 0, true, &error)) {
        ReportFileErrorLocked("write", backup, error);
        ok = false;
    }
    return ok;
}

bool RecordStore::WriteUserListLocked() {
    const std::string userList = WorkDirFile(kUserListFile);
    int error = 0;
    if (!records::ReplaceFile(HostPath(userList), m_users.data(), m_users.size() * sizeof(_USER_INFO), &error)) {
        ReportFileErrorLocked("write", userList, error);
        return false;
    }
    return true;
}

bool RecordStore::BackupHoldsCurrentLocked() const {
    const _USER_INFO& current = CurrentLocked();
    return records::FileHoldsAt(HostPath(JoinLogical(PatientDirPath(current.uid), kUserBackupFile)), &current,
                                sizeof current, 0, false);
}

bool RecordStore::CurrentRecordFilesHoldLocked() const {
    const _USER_INFO& current = CurrentLocked();
    return records::FileHoldsAt(HostPath(WorkDirFile(kUserListFile)), &current, sizeof current,
                                off_t(m_nCurIndex) * off_t(sizeof current), false) &&
           BackupHoldsCurrentLocked();
}

bool RecordStore::PictureListFileHoldsLocked() const {
    return records::FileHoldsAt(HostPath(JoinLogical(PatientDirPath(CurrentLocked().uid), kPictureListFile)),
                                m_pictures.data(), m_pictures.size() * sizeof(_DISE_PIC), 0, true);
}

bool RecordStore::WritePictureListLocked() {
    const std::string pictureList = JoinLogical(PatientDirPath(CurrentLocked().uid), kPictureListFile);
    int error = 0;
    if (!records::ReplaceFile(HostPath(pictureList), m_pictures.data(), m_pictures.size() * sizeof(_DISE_PIC),
                              &error)) {
        ReportFileErrorLocked("write", pictureList, error);
        return false;
    }
    return true;
}

bool RecordStore::DeleteDirectory(const std::string& path) {
    Operation op(*this);
    return DeleteDirectoryLocked(path);
}

bool RecordStore::DeleteDirectoryLocked(const std::string& path) {
    // Only directories below the work directory are ever removed, never the work directory or
    // anything outside it.
    std::string normalized;
    if (!platform::NormalizeLogicalPath(path, &normalized) ||
        !platform::IsWithinLogicalDir(records::kWorkDir, normalized) || SamePathNoCase(normalized, records::kWorkDir)) {
        return false;
    }
    const std::string host = HostPath(normalized);
    if (!records::IsRealDirectory(host)) return false;
    int error = 0;
    if (!records::RemoveTree(host, &error)) {
        ReportFileErrorLocked("delete", normalized, error);
        return false;
    }
    return true;
}

std::u16string RecordStore::AnsiToUtf16(const std::string& text) { return records::AnsiToUtf16(text); }

std::string RecordStore::Utf16ToAnsi(const std::u16string& text) { return records::Utf16ToAnsi(text); }
