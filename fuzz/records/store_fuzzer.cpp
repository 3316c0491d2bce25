// Arbitrary bytes as the record files of a work directory, read through the records store the way
// the application reads them at start and when a patient is opened, checking what comes back.
//
// Input: byte 0 holds the layout flags below; the rest is split at kSeparator into the contents
// of UserList.fdb, the patient's UserInfoBackup.fdb, DisePicList.fdb, Hospital.fdb and
// DiagList.fdb (a missing piece is an empty file). The d: drive is a temporary directory under
// /tmp made once per process; its work directory is rebuilt for every input.
#include <stdlib.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/debug.h"
#include "platform/paths.h"
#include "records/recordnames.h"
#include "records/recordnotifier.h"
#include "records/recordstore.h"
#include "records/recordtypes.h"
#include "records/textconv.h"

namespace {

constexpr std::string_view kSeparator = "#FDB#";

// Layout flags (byte 0).
constexpr uint8_t kDirFromBackupUid = 0x01;  // name the patient directory after the backup's UID
constexpr uint8_t kSecondPatient = 0x02;     // a second patient directory with the same backup
constexpr uint8_t kPictureCountMask = 0x1C;  // 0-7 picture files in the patient directory
constexpr uint8_t kLongPictureName = 0x20;   // plus one whose logical path exceeds 127 bytes
constexpr uint8_t kJpgDirectory = 0x40;      // plus a directory named like a picture
constexpr uint8_t kNoPictureList = 0x80;     // leave DisePicList.fdb out

constexpr uint64_t kFixedUid = 20170801102233ull;
constexpr uint64_t kSecondUid = 20990101000000ull;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void Check(bool condition, const char* what) {
    if (!condition) Fail(what);
}

// Nobody is there to answer: questions get the cautious answer, messages are dropped.
class SilentNotifier : public RecordNotifier {
public:
    int MessageBox(const std::string&, const std::string&, Buttons buttons) override {
        ++shown;
        switch (buttons) {
            case Buttons::YesNo:
                return kNo;
            case Buttons::OkCancel:
                return kCancel;
            case Buttons::Ok:
                break;
        }
        return kOk;
    }
    int shown = 0;
};

void QuietSink(const char*, void*) {}

std::string g_root;  // the temporary d: drive

void RemoveRoot() {
    std::error_code ec;
    if (g_root.rfind("/tmp/", 0) == 0) std::filesystem::remove_all(g_root, ec);
}

void WriteFile(const std::string& host, std::string_view bytes) {
    std::ofstream out(host, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out) Fail("could not write a file of the temporary drive");
}

long FileSize(const std::string& host) {
    struct stat st;
    return ::stat(host.c_str(), &st) == 0 ? long(st.st_size) : -1;
}

bool Exists(const std::string& host) {
    struct stat st;
    return ::lstat(host.c_str(), &st) == 0;
}

std::vector<std::string_view> Split(std::string_view rest) {
    std::vector<std::string_view> pieces;
    while (pieces.size() < 4) {
        const size_t at = rest.find(kSeparator);
        if (at == std::string_view::npos) break;
        pieces.push_back(rest.substr(0, at));
        rest.remove_prefix(at + kSeparator.size());
    }
    pieces.push_back(rest);
    pieces.resize(5);
    return pieces;
}

template <typename T, size_t N>
bool Terminated(const T (&field)[N]) {
    for (size_t i = 0; i < N; ++i) {
        if (field[i] == 0) return true;
    }
    return false;
}

// A path handed out by the store must not lead off the d: drive.
void CheckStaysOnDrive(const std::string& logical) {
    const std::string host = platform::HostPath(logical);
    Check(host.empty() || host == g_root || host.rfind(g_root + "/", 0) == 0,
          "a record path maps outside the d: drive");
}

void CheckUser(const _USER_INFO& user) {
    Check(Terminated(user.name), "name not NUL-terminated within its 16 units");
    Check(Terminated(user.dirPath), "dirPath not NUL-terminated within its 128 bytes");
    Check(Terminated(user.description), "description not NUL-terminated within its 350 units");
    Check(records::FieldText(user.name).size() <= records::kMaxNameUnits, "name too long");
    Check(records::FieldText(user.description).size() <= records::kMaxDescriptionUnits, "description too long");
    CheckStaysOnDrive(records::FieldText(user.dirPath));
}

// Checks the current patient's lists against the files they were read from.
void CheckCurrent(RecordStore& store, int index, const std::string& patientHost) {
    _USER_INFO user = {};
    Check(store.GetCurrentUser(&user) == index, "GetCurrentUser names another patient");
    CheckUser(user);
    Check(user.picCount >= 0 && user.diagCount >= 0, "negative list count");
    const long pictureBytes = FileSize(patientHost + "/" + records::kPictureListFile);
    const long diagBytes = FileSize(patientHost + "/" + records::kDiagListFile);
    if (Exists(patientHost)) {
        Check(user.picCount <= std::max(0L, pictureBytes) / long(sizeof(_DISE_PIC)),
              "picture count above what DisePicList.fdb holds");
        Check(user.diagCount <= std::max(0L, diagBytes) / long(sizeof(_DIAG_ITEM)),
              "diagnosis count above what DiagList.fdb holds");
    }
    for (int i = 0; i < user.picCount; ++i) {
        _DISE_PIC picture;
        std::memset(&picture, 0xA5, sizeof picture);
        Check(store.GetPicture(i, &picture) == 1, "a counted picture cannot be read");
        Check(Terminated(picture.path), "picture path not NUL-terminated within 128 bytes");
        CheckStaysOnDrive(records::FieldText(picture.path));
    }
    _DISE_PIC beyond = {};
    Check(store.GetPicture(user.picCount, &beyond) == 0, "a picture beyond the count");
    Check(store.GetPicture(-1, &beyond) == 0, "a picture at index -1");
    char16_t description[350];
    std::memset(description, 0xA5, sizeof description);
    Check(store.GetDescription(description) == 1, "GetDescription refused the current patient");
    Check(Terminated(description), "GetDescription gave no NUL within 350 units");
}

// The pictures RebuildPictures should find: regular *.jpg files of the patient's directory whose
// logical paths fit the record's 127 bytes.
int CountPictures(const std::string& host, const std::string& dirLogical) {
    int count = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(host, ec)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory() || name.size() < 4) continue;
        if (::strcasecmp(name.c_str() + name.size() - 4, ".jpg") != 0) continue;
        if (platform::JoinLogical(dirLogical, name).size() <= records::kMaxPicturePathBytes) ++count;
    }
    return count;
}

void MakeDrive() {
    char tmpl[] = "/tmp/kavimo-records-fuzz-XXXXXX";
    if (!::mkdtemp(tmpl)) Fail("mkdtemp");
    g_root = tmpl;
    platform::SetDriveRoot(g_root);
    platform::SetDebugSink(&QuietSink, nullptr);
    std::atexit(&RemoveRoot);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    if (g_root.empty()) MakeDrive();
    const uint8_t flags = data[0];
    const std::vector<std::string_view> pieces =
        Split(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    const std::string_view userList = pieces[0], backup = pieces[1], pictureList = pieces[2], hospital = pieces[3],
                           diagList = pieces[4];

    // A fresh work directory for every input.
    const std::string work = g_root + "/DentalWorkDir";
    std::error_code ec;
    std::filesystem::remove_all(work, ec);
    if (ec || !std::filesystem::create_directory(work, ec)) Fail("could not reset the work dir");
    const std::string sentinel = g_root + "/sentinel";
    if (!Exists(sentinel)) WriteFile(sentinel, "outside the work directory");

    uint64_t uid = kFixedUid;
    if ((flags & kDirFromBackupUid) && backup.size() >= sizeof uid) {
        std::memcpy(&uid, backup.data(), sizeof uid);
    }
    const std::string patientHost = work + "/" + records::UidText(uid);
    WriteFile(work + "/" + records::kUserListFile, userList);
    WriteFile(work + "/" + records::kHospitalFile, hospital);
    std::filesystem::create_directory(patientHost);
    WriteFile(patientHost + "/" + records::kUserBackupFile, backup);
    if (!(flags & kNoPictureList)) {
        WriteFile(patientHost + "/" + records::kPictureListFile, pictureList);
    }
    WriteFile(patientHost + "/" + records::kDiagListFile, diagList);
    const int pictureFiles = (flags & kPictureCountMask) >> 2;
    for (int i = 0; i < pictureFiles; ++i) {
        WriteFile(patientHost + "/" + std::to_string(20240101000000ull + uint64_t(i)) + ".jpg", "jpeg");
    }
    if (flags & kLongPictureName) WriteFile(patientHost + "/" + std::string(110, 'p') + ".jpg", "");
    if (flags & kJpgDirectory) std::filesystem::create_directory(patientHost + "/dir.jpg");
    const std::string secondHost = work + "/" + records::UidText(kSecondUid);
    if ((flags & kSecondPatient) && secondHost != patientHost) {
        std::filesystem::create_directory(secondHost);
        WriteFile(secondHost + "/" + records::kUserBackupFile, backup);
        WriteFile(secondHost + "/keep.jpg", "jpeg");
    }

    SilentNotifier notifier;
    RecordStore store(&notifier);
    store.Load();
    const int count = store.UserCount();
    const int directories = 1 + ((flags & kSecondPatient) && secondHost != patientHost ? 1 : 0);
    Check(count >= 0 && count <= directories && count <= records::kMaxPatients,
          "patient count above the patient directories");
    Check(FileSize(work + "/" + records::kUserListFile) == long(count) * long(sizeof(_USER_INFO)),
          "UserList.fdb not regenerated from the backups");

    const std::u16string name = store.GetHospital();
    Check(name.size() <= records::kHospitalReadBytes / sizeof(char16_t), "hospital name too long");
    Check(name.find(u'\0') == std::u16string::npos, "hospital name holds a NUL");

    bool secondIsListed = false;  // then its pictures are the patient's own to delete
    for (int i = 0; i < count; ++i) {
        _USER_INFO user = {};
        Check(store.GetUser(i, &user) == i, "GetUser refused a listed patient");
        CheckUser(user);
        Check(store.SelectUser(i) == i, "SelectUser refused a listed patient");
        const std::string host = work + "/" + records::UidText(user.uid);
        CheckCurrent(store, i, host);

        // The picture list from disk may name anything; deleting its first entry must touch
        // nothing outside the patient's own directory.
        _USER_INFO selected = {};
        store.GetCurrentUser(&selected);
        if (selected.picCount > 0 && (flags & 0x04)) {
            Check(store.DeletePicture(0) == 1, "DeletePicture refused a listed picture");
            store.Flush();
        }

        // The list is rebuilt from the *.jpg files whose logical paths fit a record.
        const bool hasDir = Exists(host);
        const int rebuiltResult = store.RebuildPictures();
        if (hasDir) Check(rebuiltResult == 1, "RebuildPictures failed in an existing directory");
        _USER_INFO rebuilt = {};
        Check(store.GetCurrentUser(&rebuilt) == i, "RebuildPictures changed the current patient");
        const std::string dir = records::PatientDirPath(rebuilt.uid);
        Check(rebuilt.picCount == CountPictures(host, dir), "rebuilt picture count");
        for (int p = 0; p < rebuilt.picCount; ++p) {
            _DISE_PIC picture = {};
            Check(store.GetPicture(p, &picture) == 1, "a rebuilt picture cannot be read");
            Check(platform::IsWithinLogicalDir(dir, records::FieldText(picture.path)),
                  "a rebuilt picture lies outside the patient directory");
        }
        CheckCurrent(store, i, host);
        const int committed = store.CommitCurrentUser();
        if (hasDir) Check(committed == 1, "CommitCurrentUser failed in an existing directory");
        if (user.uid == kSecondUid) secondIsListed = true;
    }

    store.RebuildUsers();
    Check(store.UserCount() == count, "RebuildUsers changed the patient count");
    Check(Exists(sentinel), "a file outside the work directory was deleted");
    Check(Exists(work + "/" + records::kUserListFile), "UserList.fdb was deleted");
    Check(Exists(patientHost + "/" + records::kUserBackupFile), "the backup was deleted");
    if ((flags & kSecondPatient) && secondHost != patientHost && !secondIsListed) {
        Check(Exists(secondHost + "/keep.jpg"), "another patient's picture was deleted");
    }
    return 0;
}
