// The records store against a temporary d: drive: what it writes, what it refuses, what it says.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <ctime>
#include <thread>

#include "platform/dirlist.h"
#include "records/recordfile.h"
#include "records/workdirlock.h"
#include "recordtest.h"

namespace {

using namespace recordtest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr uint64_t kDefaultUid = 20170801102233ull;
constexpr uint64_t kUid1 = 20240101080000ull;
constexpr uint64_t kUid2 = 20240101080001ull;
constexpr uint64_t kUid3 = 20240102090000ull;

std::string Image(const _USER_INFO& user) { return std::string(reinterpret_cast<const char*>(&user), sizeof user); }

// --- First run --------------------------------------------------------------------------------

TEST_F(RecordsTest, FirstRunCreatesTheWorkDirectoryWithTheDefaultPatient) {
    store_.PrepareWorkDir();

    EXPECT_THAT(Names(Work()), ElementsAre("UID20170801102233", "UserList.fdb"));
    EXPECT_THAT(Names(PatientHost(kDefaultUid)), ElementsAre("DiagList.fdb", "DisePicList.fdb", "UserInfoBackup.fdb"));
    EXPECT_EQ(FileSize(UserListHost()), 1032);
    EXPECT_EQ(FileSize(BackupHost(kDefaultUid)), 1032);
    EXPECT_EQ(FileSize(PatientHost(kDefaultUid) + "/DiagList.fdb"), 0);
    EXPECT_EQ(FileSize(PictureListHost(kDefaultUid)), 0);

    // The default patient's bytes, from the documented layout.
    std::string expected(1032, '\0');
    auto put = [&](size_t offset, uint64_t value, size_t width) {
        for (size_t i = 0; i < width; ++i) expected[offset + i] = char(value >> (8 * i));
    };
    put(0x000, 20170801102233ull, 8);
    const std::u16string name = u"Test User";
    for (size_t i = 0; i < name.size(); ++i) put(0x008 + 2 * i, name[i], 2);
    put(0x028, 1, 4);
    put(0x02C, 33, 4);
    put(0x038, 12345678901ull, 8);
    const std::string dir = "d:\\DentalWorkDir\\UID20170801102233";
    expected.replace(0x040, dir.size(), dir);
    EXPECT_EQ(ReadBytes(BackupHost(kDefaultUid)), expected);
    EXPECT_EQ(ReadBytes(UserListHost()), expected);

    ASSERT_EQ(notifier_.shown.size(), 1u);
    EXPECT_EQ(notifier_.shown[0].text, "Create WorkDir successfull!");
    EXPECT_EQ(notifier_.shown[0].caption, "Oral image acquisition system");
    EXPECT_EQ(notifier_.shown[0].buttons, RecordNotifier::Buttons::Ok);

    // A second start finds the directory and does nothing.
    store_.PrepareWorkDir();
    EXPECT_EQ(notifier_.shown.size(), 1u);
    EXPECT_EQ(ReadBytes(UserListHost()), expected);

    store_.Load();
    EXPECT_EQ(store_.UserCount(), 1);
    _USER_INFO user;
    EXPECT_EQ(store_.GetCurrentUser(&user), 0);  // index 0 is current at start
    EXPECT_EQ(user.uid, kDefaultUid);
    EXPECT_EQ(user.description[0], 0);
    EXPECT_EQ(user.diagCount, 0);
    EXPECT_EQ(user.picCount, 0);
}

TEST_F(RecordsTest, FirstRunCreatesAMissingDriveDirectoryAndReportsWhenItCannot) {
    platform::SetDriveRoot(root_ + "/not/yet/there");
    store_.PrepareWorkDir();
    EXPECT_EQ(FileSize(root_ + "/not/yet/there/DentalWorkDir/UserList.fdb"), 1032);
    EXPECT_THAT(notifier_.Texts(), ElementsAre("Create WorkDir successfull!"));

    WriteBytes(root_ + "/plainfile", "x");
    platform::SetDriveRoot(root_ + "/plainfile");
    notifier_.shown.clear();
    store_.PrepareWorkDir();
    EXPECT_THAT(notifier_.Texts(), ElementsAre("Faile to create WorkDir!"));
}

// --- Patients -------------------------------------------------------------------------------

TEST_F(RecordsTest, AddSelectCommitAndFlushKeepFilesAndMarksInStep) {
    store_.PrepareWorkDir();
    store_.Load();
    EXPECT_FALSE(store_.UserListChanged());
    EXPECT_FALSE(store_.PictureListChanged());

    ASSERT_EQ(store_.AddUser(MakeUser(kUid1, u"Alice", 555)), 1);
    EXPECT_EQ(store_.UserCount(), 2);
    EXPECT_EQ(store_.CurrentIndex(), 0);  // adding does not change the current patient
    EXPECT_EQ(FileSize(UserListHost()), 2 * 1032);
    EXPECT_EQ(Backup(kUid1).uid, kUid1);
    EXPECT_EQ(records::FieldText(Backup(kUid1).dirPath), "d:\\DentalWorkDir\\UID20240101080000");

    ASSERT_EQ(store_.SelectUser(1), 1);
    _USER_INFO current;
    ASSERT_EQ(store_.GetCurrentUser(&current), 1);
    EXPECT_EQ(records::FieldText(current.name), u"Alice");

    // writeNow: the record (count 1) and one appended picture record go to disk at once.
    const std::string a = MakePicture(kUid1, "20240101090000.jpg");
    const std::string b = MakePicture(kUid1, "20240101090001.jpg");
    ASSERT_EQ(store_.AddPicture(0, records::AnsiToUtf16(a), true), 1);
    EXPECT_EQ(FileSize(PictureListHost(kUid1)), 152);
    EXPECT_EQ(Backup(kUid1).picCount, 1);
    EXPECT_EQ(RecordAt<_USER_INFO>(ReadBytes(UserListHost()), 1).picCount, 1);
    EXPECT_EQ(RecordAt<_USER_INFO>(ReadBytes(UserListHost()), 0).uid, kDefaultUid);

    // Without writeNow only memory changes.
    ASSERT_EQ(store_.AddPicture(0, b, false), 1);
    EXPECT_EQ(FileSize(PictureListHost(kUid1)), 152);
    EXPECT_EQ(store_.GetCurrentUser(&current), 1);
    EXPECT_EQ(current.picCount, 2);
    EXPECT_FALSE(store_.PictureListChanged());

    // Deleting marks both lists; Flush rewrites them and clears the marks.
    ASSERT_EQ(store_.DeletePicture(0), 1);
    EXPECT_FALSE(Exists(PatientHost(kUid1) + "/20240101090000.jpg"));
    EXPECT_TRUE(store_.UserListChanged());
    EXPECT_TRUE(store_.PictureListChanged());
    store_.Flush();
    EXPECT_FALSE(store_.UserListChanged());
    EXPECT_FALSE(store_.PictureListChanged());
    const std::string list = ReadBytes(PictureListHost(kUid1));
    ASSERT_EQ(list.size(), 152u);
    EXPECT_EQ(records::FieldText(RecordAt<_DISE_PIC>(list, 0).path), b);
    EXPECT_EQ(Backup(kUid1).picCount, 1);
    EXPECT_EQ(RecordAt<_USER_INFO>(ReadBytes(UserListHost()), 1).picCount, 1);

    // Commit leaves no current patient until the next selection.
    EXPECT_EQ(store_.CommitCurrentUser(), 1);
    EXPECT_EQ(store_.LastIndex(), 1);
    EXPECT_EQ(store_.GetCurrentUser(&current), -1);
    EXPECT_EQ(store_.CommitCurrentUser(), -1);
    EXPECT_EQ(store_.AddPicture(0, b, true), -1);
    EXPECT_EQ(store_.SetDescription(u"x"), -1);
    EXPECT_EQ(store_.RebuildPictures(), -1);
    _DISE_PIC picture;
    EXPECT_EQ(store_.GetPicture(0, &picture), 0);
    EXPECT_EQ(store_.DeletePicture(0), 0);

    ASSERT_EQ(store_.SelectUser(1), 1);
    ASSERT_EQ(store_.GetPicture(0, &picture), 1);
    EXPECT_EQ(records::FieldText(picture.path), b);
    EXPECT_EQ(picture.uid, kUid1);
    EXPECT_EQ(store_.GetPicture(1, &picture), 0);
    EXPECT_EQ(store_.GetPicture(-1, &picture), 0);

    // Index bounds.
    EXPECT_EQ(store_.SelectUser(2), -1);
    EXPECT_EQ(store_.SelectUser(-1), -1);
    EXPECT_EQ(store_.CurrentIndex(), 1);
    _USER_INFO other = {};
    other.age = 99;
    EXPECT_EQ(store_.GetUser(2, &other), 0);
    EXPECT_EQ(other.age, 99);
    EXPECT_EQ(store_.GetUser(1, &other), 1);
    EXPECT_EQ(other.uid, kUid1);
    EXPECT_EQ(store_.DeleteUser(2), -1);
    EXPECT_EQ(store_.DeleteUser(-1), -1);
    EXPECT_THAT(notifier_.Texts(), ElementsAre("Create WorkDir successfull!"));
}

TEST_F(RecordsTest, CommitTakesTheLastDiagnosisAsDescriptionWhenThePatientChanged) {
    WritePatient(MakeUser(kUid1, u"Bob", 1));
    _USER_INFO bob = Backup(kUid1);
    bob.diagCount = 2;
    RewriteBackup(bob);
    _DIAG_ITEM items[2] = {};
    records::SetFieldText(items[0].text, u"first visit");
    records::SetFieldText(items[1].text, u"root canal, 36");
    WriteBytes(PatientHost(kUid1) + "/DiagList.fdb", std::string(reinterpret_cast<const char*>(items), sizeof items));
    WritePatient(MakeUser(kUid2, u"Carol", 2));
    MakePicture(kUid1, "20240101090000.jpg");

    store_.Load();
    ASSERT_EQ(store_.SelectUser(0), 0);
    ASSERT_EQ(store_.RebuildPictures(), 1);
    // Without a change mark the commit writes nothing.
    ASSERT_EQ(store_.CommitCurrentUser(), 1);
    EXPECT_EQ(Backup(kUid1).description[0], 0);

    ASSERT_EQ(store_.SelectUser(0), 0);
    ASSERT_EQ(store_.DeletePicture(0), 1);  // sets both marks
    ASSERT_EQ(store_.CommitCurrentUser(), 1);
    EXPECT_EQ(records::FieldText(Backup(kUid1).description), u"root canal, 36");
    EXPECT_EQ(Backup(kUid1).picCount, 0);
    EXPECT_EQ(FileSize(PictureListHost(kUid1)), 0);
    EXPECT_EQ(records::FieldText(RecordAt<_USER_INFO>(ReadBytes(UserListHost()), 0).description), u"root canal, 36");
}

TEST_F(RecordsTest, RebuildUsersDropsAPatientWhoseBackupWasRemoved) {
    store_.PrepareWorkDir();
    store_.Load();
    ASSERT_EQ(store_.AddUser(MakeUser(kUid1, u"Alice", 1)), 1);
    ASSERT_EQ(store_.AddUser(MakeUser(kUid2, u"Bob", 2)), 1);
    ASSERT_EQ(FileSize(UserListHost()), 3 * 1032);
    MakePicture(kUid1, "20240101090000.jpg");
    ASSERT_EQ(::unlink(BackupHost(kUid1).c_str()), 0);

    RecordStore restarted(&notifier_);
    restarted.Load();
    ASSERT_EQ(restarted.UserCount(), 2);
    _USER_INFO user;
    restarted.GetUser(0, &user);
    EXPECT_EQ(user.uid, kDefaultUid);
    restarted.GetUser(1, &user);
    EXPECT_EQ(user.uid, kUid2);
    EXPECT_EQ(FileSize(UserListHost()), 2 * 1032);
    EXPECT_EQ(RecordAt<_USER_INFO>(ReadBytes(UserListHost()), 1).uid, kUid2);
    // The directory without a backup is left as it is.
    EXPECT_THAT(Names(PatientHost(kUid1)), ElementsAre("20240101090000.jpg", "DiagList.fdb", "DisePicList.fdb"));
    EXPECT_FALSE(restarted.UserListChanged());
}

TEST_F(RecordsTest, RebuildUsersSkipsIncompleteBackupsAndLinkedDirectories) {
    WritePatient(MakeUser(kUid1, u"Alice", 1));
    WritePatient(MakeUser(kUid2, u"Bob", 2));
    WriteBytes(BackupHost(kUid2), std::string(500, 'x'));
    // A directory linked in from elsewhere is not this work directory's patient.
    const std::string elsewhere = root_ + "/elsewhere";
    std::filesystem::create_directories(elsewhere);
    _USER_INFO stranger = MakeUser(kUid3, u"Mallory", 3);
    WriteBytes(elsewhere + "/UserInfoBackup.fdb", Image(stranger));
    ASSERT_EQ(::symlink(elsewhere.c_str(), (Work() + "/UID20240102090000").c_str()), 0);

    store_.Load();
    ASSERT_EQ(store_.UserCount(), 1);
    _USER_INFO user;
    store_.GetUser(0, &user);
    EXPECT_EQ(user.uid, kUid1);
    ASSERT_EQ(notifier_.shown.size(), 1u);
    EXPECT_THAT(notifier_.shown[0].text, HasSubstr("UID20240101080001\\UserInfoBackup.fdb"));
    EXPECT_EQ(FileSize(BackupHost(kUid2)), 500);  // left for the support staff
}

TEST_F(RecordsTest, AddUserRefusesAUidThatDoesNotIncrease) {
    store_.PrepareWorkDir();
    store_.Load();
    notifier_.shown.clear();
    ASSERT_EQ(store_.AddUser(MakeUser(kUid2, u"Alice", 1)), 1);
    EXPECT_EQ(store_.AddUser(MakeUser(kUid2, u"Twin", 2)), 0);  // same second
    EXPECT_EQ(store_.AddUser(MakeUser(kUid1, u"Earlier", 3)), 0);
    EXPECT_EQ(store_.UserCount(), 2);
    EXPECT_FALSE(Exists(PatientHost(kUid1)));
    EXPECT_EQ(FileSize(UserListHost()), 2 * 1032);
    EXPECT_THAT(notifier_.shown, IsEmpty());
}

TEST_F(RecordsTest, AddUserStopsAtOneThousandAndOnePatients) {
    for (int i = 0; i < 1000; ++i) WritePatient(MakeUser(kUid1 + uint64_t(i), u"P", i));
    store_.Load();
    ASSERT_EQ(store_.UserCount(), 1000);
    EXPECT_EQ(store_.AddUser(MakeUser(kUid3, u"Last", 1)), 1);
    EXPECT_EQ(store_.AddUser(MakeUser(kUid3 + 1, u"One too many", 2)), 0);
    EXPECT_EQ(store_.UserCount(), 1001);
    EXPECT_FALSE(Exists(PatientHost(kUid3 + 1)));
    EXPECT_EQ(FileSize(UserListHost()), 1001 * 1032);
    EXPECT_THAT(notifier_.shown, IsEmpty());
}

TEST_F(RecordsTest, AddUserReportsADirectoryItCannotCreate) {
    store_.PrepareWorkDir();
    store_.Load();
    notifier_.shown.clear();
    WriteBytes(PatientHost(kUid1), "a file where the directory should be");
    EXPECT_EQ(store_.AddUser(MakeUser(kUid1, u"Alice", 1)), 0);
    EXPECT_THAT(notifier_.Texts(), ElementsAre("Faile to  create user dir！"));
    EXPECT_EQ(store_.UserCount(), 1);
}

TEST_F(RecordsTest, AddUserTakesOverADirectoryLeftWithoutBackup) {
    store_.PrepareWorkDir();
    store_.Load();
    std::filesystem::create_directories(PatientHost(kUid1));
    MakePicture(kUid1, "20240101090000.jpg");
    ASSERT_EQ(store_.AddUser(MakeUser(kUid1, u"Alice", 1)), 1);
    EXPECT_EQ(records::FieldText(Backup(kUid1).dirPath), records::PatientDirPath(kUid1));

    RecordStore restarted(&notifier_);
    restarted.Load();
    EXPECT_EQ(restarted.UserCount(), 2);  // the patient survives a restart
}

TEST_F(RecordsTest, AddUserWritesTheWholeListWhenUserListNoLongerMatches) {
    store_.PrepareWorkDir();
    store_.Load();
    ASSERT_EQ(::unlink(UserListHost().c_str()), 0);
    ASSERT_EQ(store_.AddUser(MakeUser(kUid1, u"Alice", 1)), 1);
    const std::string list = ReadBytes(UserListHost());
    ASSERT_EQ(list.size(), 2u * 1032);
    EXPECT_EQ(RecordAt<_USER_INFO>(list, 0).uid, kDefaultUid);
    EXPECT_EQ(RecordAt<_USER_INFO>(list, 1).uid, kUid1);
}

TEST_F(RecordsTest, FindNextMatchesExactNamesOrPhonesAndWrapsWhenCalledAgain) {
    WritePatient(MakeUser(kUid1, u"Anna", 100));
    WritePatient(MakeUser(kUid1 + 1, u"Ben", 0));
    WritePatient(MakeUser(kUid1 + 2, u"Anna", 200));
    WritePatient(MakeUser(kUid1 + 3, u"anna", 0));
    store_.Load();

    _USER_INFO key = MakeUser(0, u"Anna", 0);
    EXPECT_EQ(store_.FindNext(key, -1), 0);
    EXPECT_EQ(store_.FindNext(key, 0), 2);
    EXPECT_EQ(store_.FindNext(key, 2), -1);
    EXPECT_EQ(store_.FindNext(key, -1), 0);  // the caller's wrap to the top

    // An empty name searches by phone, also for phone 0.
    key = MakeUser(0, u"", 0);
    EXPECT_EQ(store_.FindNext(key, -1), 1);
    EXPECT_EQ(store_.FindNext(key, 1), 3);
    EXPECT_EQ(store_.FindNext(key, 3), -1);
    key.phone = 200;
    EXPECT_EQ(store_.FindNext(key, -1), 2);
    key.phone = 201;
    EXPECT_EQ(store_.FindNext(key, -1), -1);
    EXPECT_EQ(store_.FindNext(MakeUser(0, u"Ann", 0), -1), -1);
    EXPECT_EQ(store_.FindNext(MakeUser(0, u"Anna", 0), 2147483647), -1);
}

TEST_F(RecordsTest, ModifyUserWritesTheChangedFieldsOrSaysThePatientIsGone) {
    store_.PrepareWorkDir();
    store_.Load();
    ASSERT_EQ(store_.AddUser(MakeUser(kUid1, u"Alice", 1)), 1);
    ASSERT_EQ(store_.SelectUser(1), 1);
    _USER_INFO copy;
    ASSERT_EQ(store_.GetCurrentUser(&copy), 1);
    records::SetFieldText(copy.name, u"Alicia");
    copy.age = 51;
    copy.sex = 0;
    copy.phone = 987;
    records::SetFieldText(copy.description, u"bruxism");
    copy.picCount = 77;  // not a field ModifyUser takes
    ASSERT_EQ(store_.ModifyUser(copy), 1);
    const _USER_INFO written = Backup(kUid1);
    EXPECT_EQ(records::FieldText(written.name), u"Alicia");
    EXPECT_EQ(written.age, 51);
    EXPECT_EQ(written.sex, 0);
    EXPECT_EQ(written.phone, 987);
    EXPECT_EQ(records::FieldText(written.description), u"bruxism");
    EXPECT_EQ(written.picCount, 0);
    EXPECT_EQ(Image(RecordAt<_USER_INFO>(ReadBytes(UserListHost()), 1)), Image(written));

    notifier_.shown.clear();
    std::filesystem::remove_all(PatientHost(kUid1));
    EXPECT_EQ(store_.ModifyUser(copy), 0);
    EXPECT_THAT(notifier_.Texts(), ElementsAre("User does not exist！"));
    EXPECT_FALSE(Exists(PatientHost(kUid1)));
}

TEST_F(RecordsTest, DeleteUserRemovesThePatientDirectoryAndKeepsTheCurrentPatient) {
    store_.PrepareWorkDir();
    store_.Load();
    ASSERT_EQ(store_.AddUser(MakeUser(kUid1, u"Alice", 1)), 1);
    ASSERT_EQ(store_.AddUser(MakeUser(kUid2, u"Bob", 2)), 1);
    MakePicture(kUid1, "20240101090000.jpg");
    ASSERT_EQ(store_.SelectUser(2), 2);

    EXPECT_EQ(store_.DeleteUser(1), 1);
    EXPECT_FALSE(Exists(PatientHost(kUid1)));
    EXPECT_EQ(store_.UserCount(), 2);
    EXPECT_TRUE(store_.UserListChanged());
    _USER_INFO current;
    EXPECT_EQ(store_.GetCurrentUser(&current), 1);  // still Bob
    EXPECT_EQ(current.uid, kUid2);
    store_.Flush();
    EXPECT_EQ(FileSize(UserListHost()), 2 * 1032);

    EXPECT_EQ(store_.DeleteUser(1), 1);  // the current patient: none is current afterwards
    EXPECT_EQ(store_.GetCurrentUser(&current), -1);
    EXPECT_THAT(Names(Work()), ElementsAre(".trash", "UID20170801102233", "UserList.fdb"));
}

// --- Pictures -------------------------------------------------------------------------------

TEST_F(RecordsTest, RebuildPicturesRecordsEveryJpegWithItsCreationTime) {
    WritePatient(MakeUser(kUid1, u"Alice", 1));
    MakePicture(kUid1, "20240101090002.jpg");
    MakePicture(kUid1, "20240101090000.JPG");
    MakePicture(kUid1, "20240101090001.jpg");
    MakePicture(kUid1, "notes.txt");
    std::filesystem::create_directories(PatientHost(kUid1) + "/folder.jpg");
    store_.Load();
    ASSERT_EQ(store_.SelectUser(0), 0);

    ASSERT_EQ(store_.RebuildPictures(), 1);
    _USER_INFO current;
    store_.GetCurrentUser(&current);
    EXPECT_EQ(current.picCount, 3);
    EXPECT_EQ(Backup(kUid1).picCount, 3);
    const std::string list = ReadBytes(PictureListHost(kUid1));
    ASSERT_EQ(list.size(), 456u);

    const char* names[] = {"20240101090000.JPG", "20240101090001.jpg", "20240101090002.jpg"};
    for (size_t i = 0; i < 3; ++i) {
        const _DISE_PIC pic = RecordAt<_DISE_PIC>(list, i);
        EXPECT_EQ(records::FieldText(pic.path), Logical(kUid1, names[i]));
        EXPECT_EQ(pic.uid, kUid1);
        EXPECT_EQ(pic.kind, 0);
        const platform::FileInfo info = platform::StatFile(PatientHost(kUid1) + "/" + names[i]);
        std::time_t t = std::time_t(info.createdNs / 1000000000);
        std::tm local{};
        ::localtime_r(&t, &local);
        EXPECT_EQ(pic.year, local.tm_year + 1900);
        EXPECT_EQ(pic.month, local.tm_mon + 1);
        EXPECT_EQ(pic.day, local.tm_mday);
        EXPECT_EQ(pic.dayOfWeek, local.tm_wday + 1);
        EXPECT_EQ(pic.hour, local.tm_hour);
        EXPECT_EQ(pic.minute, local.tm_min);
        EXPECT_EQ(pic.second, local.tm_sec);
    }
}

// A capture's record appended to a list in order leaves nothing for a rebuild to change; any
// other added record does, and the store says so both ways.
TEST_F(RecordsTest, TheStoreTellsWhetherARebuildWouldReorderItsList) {
    WritePatient(MakeUser(kUid1, u"Alice", 1));
    MakePicture(kUid1, "20240101090000.JPG");
    MakePicture(kUid1, "20240101090001.jpg");
    store_.Load();
    ASSERT_EQ(store_.SelectUser(0), 0);
    ASSERT_EQ(store_.RebuildPictures(), 1);
    EXPECT_TRUE(store_.PicturesInRebuildOrder());

    MakePicture(kUid1, "20240101090002.jpg");
    ASSERT_EQ(store_.AddPicture(0, Logical(kUid1, "20240101090002.jpg"), true), 1);
    EXPECT_TRUE(store_.PicturesInRebuildOrder());
    bool changed = true;
    ASSERT_EQ(store_.RebuildPictures(&changed), 1);
    EXPECT_FALSE(changed);

    MakePicture(kUid1, "20230101000000.jpg");  // the clock set back
    ASSERT_EQ(store_.AddPicture(0, Logical(kUid1, "20230101000000.jpg"), true), 1);
    EXPECT_FALSE(store_.PicturesInRebuildOrder());
    ASSERT_EQ(store_.RebuildPictures(&changed), 1);
    EXPECT_TRUE(changed);
    EXPECT_TRUE(store_.PicturesInRebuildOrder());

    ASSERT_EQ(store_.AddPicture(0, "d:\\DentalWorkDir\\elsewhere.jpg", false), 1);  // not the patient's own
    EXPECT_FALSE(store_.PicturesInRebuildOrder());
}

TEST_F(RecordsTest, APictureWithoutReadableStatusGetsTimeValueZero) {
    WritePatient(MakeUser(kUid1, u"Alice", 1));
    store_.Load();
    ASSERT_EQ(store_.SelectUser(0), 0);
    ASSERT_EQ(store_.AddPicture(0, Logical(kUid1, "missing.jpg"), false), 1);
    _DISE_PIC pic;
    ASSERT_EQ(store_.GetPicture(0, &pic), 1);
    std::time_t zero = 0;
    std::tm local{};
    ::localtime_r(&zero, &local);
    EXPECT_EQ(pic.year, local.tm_year + 1900);
    EXPECT_EQ(pic.hour, local.tm_hour);
}

TEST_F(RecordsTest, ListFilesAreReadUpToTheCountAndShortOnesGiveWhatTheyHold) {
    _USER_INFO alice = MakeUser(kUid1, u"Alice", 1);
    WritePatient(alice);
    _DISE_PIC pics[3] = {};
    for (int i = 0; i < 3; ++i) {
        pics[i].uid = kUid1;
        records::SetFieldText(pics[i].path, Logical(kUid1, std::to_string(i) + ".jpg"));
    }
    // Three records on disk, the record says two: the third is dropped at the next rewrite.
    WriteBytes(PictureListHost(kUid1), std::string(reinterpret_cast<const char*>(pics), 456));
    alice = Backup(kUid1);
    alice.picCount = 2;
    RewriteBackup(alice);
    store_.Load();
    ASSERT_EQ(store_.SelectUser(0), 0);
    _DISE_PIC pic;
    EXPECT_EQ(store_.GetPicture(1, &pic), 1);
    EXPECT_EQ(store_.GetPicture(2, &pic), 0);
    ASSERT_EQ(store_.DeletePicture(1), 1);
    store_.Flush();
    EXPECT_EQ(FileSize(PictureListHost(kUid1)), 152);

    // The record says five, the file holds two and a half: two are used and the count follows.
    WriteBytes(PictureListHost(kUid1), std::string(reinterpret_cast<const char*>(pics), 380));
    alice = Backup(kUid1);
    alice.picCount = 5;
    RewriteBackup(alice);
    store_.Load();
    ASSERT_EQ(store_.SelectUser(0), 0);
    _USER_INFO current;
    store_.GetCurrentUser(&current);
    EXPECT_EQ(current.picCount, 2);
    EXPECT_EQ(store_.GetPicture(1, &pic), 1);
    EXPECT_EQ(records::FieldText(pic.path), Logical(kUid1, "1.jpg"));
    EXPECT_EQ(store_.GetPicture(2, &pic), 0);
    EXPECT_THAT(notifier_.shown, IsEmpty());
}

TEST_F(RecordsTest, SelectUserCreatesMissingListFilesWithCountZero) {
    _USER_INFO alice = MakeUser(kUid1, u"Alice", 1);
    alice.diagCount = 4;
    alice.picCount = 3;
    WritePatient(alice);
    ::unlink((PatientHost(kUid1) + "/DiagList.fdb").c_str());
    ::unlink(PictureListHost(kUid1).c_str());
    store_.Load();
    ASSERT_EQ(store_.SelectUser(0), 0);
    EXPECT_EQ(FileSize(PatientHost(kUid1) + "/DiagList.fdb"), 0);
    EXPECT_EQ(FileSize(PictureListHost(kUid1)), 0);
    _USER_INFO current;
    store_.GetCurrentUser(&current);
    EXPECT_EQ(current.diagCount, 0);
    EXPECT_EQ(current.picCount, 0);
    EXPECT_EQ(Backup(kUid1).picCount, 3);  // in memory only
    EXPECT_THAT(notifier_.shown, IsEmpty());
}

TEST_F(RecordsTest, APicturePathLongerThan127BytesIsRefusedNotCut) {
    WritePatient(MakeUser(kUid1, u"Alice", 1));
    store_.Load();
    ASSERT_EQ(store_.SelectUser(0), 0);
    const std::string prefix = records::PatientDirPath(kUid1) + "\\";
    const std::string fits = prefix + std::string(127 - prefix.size() - 4, 'a') + ".jpg";
    const std::string tooLong = prefix + std::string(128 - prefix.size() - 4, 'b') + ".jpg";
    ASSERT_EQ(fits.size(), 127u);
    EXPECT_EQ(store_.AddPicture(0, fits, true), 1);
    EXPECT_TRUE(notifier_.shown.empty());
    EXPECT_EQ(store_.AddPicture(0, records::AnsiToUtf16(tooLong), true), -1);
    ASSERT_EQ(notifier_.shown.size(), 1u);
    EXPECT_THAT(notifier_.shown[0].text, HasSubstr(tooLong));
    _USER_INFO current;
    store_.GetCurrentUser(&current);
    EXPECT_EQ(current.picCount, 1);
    EXPECT_EQ(FileSize(PictureListHost(kUid1)), 152);

    // A rebuild skips such a file and says so once.
    notifier_.shown.clear();
    MakePicture(kUid1, std::string(100, 'c') + ".jpg");
    MakePicture(kUid1, "1.jpg");
    ASSERT_EQ(store_.RebuildPictures(), 1);
    store_.GetCurrentUser(&current);
    EXPECT_EQ(current.picCount, 1);
    EXPECT_EQ(notifier_.shown.size(), 1u);
}

TEST_F(RecordsTest, DescriptionKeepsAtMost349CharactersAndClearsTheReservedBytes) {
    WritePatient(MakeUser(kUid1, u"Alice", 1));
    _USER_INFO alice = Backup(kUid1);
    std::memset(alice.reserved1, 0xAB, sizeof alice.reserved1);
    std::memset(alice.description, 0xCD, sizeof alice.description);
    RewriteBackup(alice);
    store_.Load();
    ASSERT_EQ(store_.SelectUser(0), 0);

    std::u16string text;
    for (int i = 0; i < 400; ++i) text += char16_t(u'a' + i % 26);
    ASSERT_EQ(store_.SetDescription(text), 1);
    const std::string bytes = ReadBytes(BackupHost(kUid1));
    const _USER_INFO written = RecordAt<_USER_INFO>(bytes, 0);
    EXPECT_EQ(records::FieldText(written.description), text.substr(0, 349));
    EXPECT_EQ(bytes.substr(0x0C0 + 2 * 349, 2 + 8), std::string(10, '\0'));

    char16_t buffer[350];
    ASSERT_EQ(store_.GetDescription(buffer), 1);
    EXPECT_EQ(std::memcmp(buffer, written.description, 700), 0);

    ASSERT_EQ(store_.SetDescription(u"short"), 1);
    EXPECT_EQ(ReadBytes(BackupHost(kUid1)).substr(0x0C0 + 10, 700 - 10), std::string(690, '\0'));
    ASSERT_EQ(store_.CommitCurrentUser(), 1);
    EXPECT_EQ(store_.GetDescription(buffer), -1);
}

// --- Hospital -------------------------------------------------------------------------------

TEST_F(RecordsTest, HospitalNameRoundTripsAsBareUtf16) {
    store_.PrepareWorkDir();
    EXPECT_EQ(store_.GetHospital(), u"");  // unset
    const std::u16string name = u"Riverside Dental 口腔科";
    ASSERT_EQ(name.size(), 20u);
    ASSERT_EQ(store_.SetHospital(name), 1);
    EXPECT_EQ(FileSize(Work() + "/Hospital.fdb"), 40);
    EXPECT_EQ(store_.GetHospital(), name);

    ASSERT_EQ(store_.SetHospital(u"Short"), 1);
    EXPECT_EQ(FileSize(Work() + "/Hospital.fdb"), 10);
    EXPECT_EQ(store_.GetHospital(), u"Short");

    ASSERT_EQ(store_.SetHospital(std::u16string(70, u'h')), 1);
    EXPECT_EQ(store_.GetHospital(), std::u16string(64, u'h'));

    WriteBytes(Work() + "/Hospital.fdb", "");
    EXPECT_EQ(store_.GetHospital(), u"");
    EXPECT_THAT(Names(Work()), ElementsAre("Hospital.fdb", "UID20170801102233", "UserList.fdb"));
}

// --- Failures are seen and reported ---------------------------------------------------------

// Interrupts the rewrite just before the rename, like a crash at the worst moment.
void ExitBeforeRename(const std::string&, const std::string&) { ::_exit(42); }

TEST_F(RecordsTest, ARewriteInterruptedBeforeTheRenameLeavesTheOldFileWhole) {
    store_.PrepareWorkDir();
    store_.Load();
    ASSERT_EQ(store_.AddUser(MakeUser(kUid1, u"Alice", 1)), 1);
    ASSERT_EQ(store_.SetHospital(u"Old Clinic"), 1);
    ASSERT_EQ(store_.SelectUser(1), 1);
    ASSERT_EQ(store_.AddPicture(0, MakePicture(kUid1, "1.jpg"), true), 1);
    ASSERT_EQ(store_.AddPicture(0, MakePicture(kUid1, "2.jpg"), true), 1);
    const std::string userList = ReadBytes(UserListHost());
    const std::string pictureList = ReadBytes(PictureListHost(kUid1));
    ASSERT_EQ(userList.size(), 2u * 1032);
    ASSERT_EQ(pictureList.size(), 2u * 152);

    for (int which = 0; which < 2; ++which) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (which == 0) {
                store_.DeletePicture(0);
                records::SetReplaceHookForTesting(&ExitBeforeRename);
                store_.Flush();  // dies while replacing UserList.fdb
            } else {
                records::SetReplaceHookForTesting(&ExitBeforeRename);
                store_.SetHospital(u"New Clinic With A Longer Name");
            }
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 42);
    }
    // The old files are whole; the finished temporary copies stay beside them, unused.
    EXPECT_EQ(ReadBytes(UserListHost()), userList);
    EXPECT_EQ(ReadBytes(PictureListHost(kUid1)), pictureList);
    RecordStore restarted(&notifier_);
    EXPECT_EQ(restarted.GetHospital(), u"Old Clinic");
    int temps = 0;
    for (const std::string& name : Names(Work())) {
        if (records::IsAnyReplaceTempName(name)) ++temps;
    }
    EXPECT_EQ(temps, 2);
    restarted.Load();
    EXPECT_EQ(restarted.UserCount(), 2);

    // At the next start the leftovers go, and only they: files of other programs that look alike
    // stay. A picture saved over with its strokes is rewritten the same way, beside it.
    const std::string patient = PatientHost(kUid1);
    WriteBytes(patient + "/.DisePicList.fdb.Ab12Cd", "left");
    WriteBytes(patient + "/20240101090000.jpg", "picture");
    WriteBytes(patient + "/.20240101090000.jpg.Ab12Cd", "left");
    for (const std::string& other :
         {Work() + "/.notes.txt.Ab12Cd", Work() + "/UserList.fdb.Ab12Cd", patient + "/.notes.txt.Ab12Cd"}) {
        WriteBytes(other, "keep");
    }
    restarted.RemoveInterruptedRewrites();
    for (const std::string& name : Names(Work())) {
        EXPECT_FALSE(records::IsReplaceTempName(name, "UserList.fdb") ||
                     records::IsReplaceTempName(name, "Hospital.fdb"))
            << name;
    }
    EXPECT_FALSE(Exists(patient + "/.DisePicList.fdb.Ab12Cd"));
    EXPECT_TRUE(Exists(Work() + "/.notes.txt.Ab12Cd"));
    EXPECT_TRUE(Exists(Work() + "/UserList.fdb.Ab12Cd"));
    EXPECT_FALSE(Exists(patient + "/.20240101090000.jpg.Ab12Cd"));
    EXPECT_EQ(ReadBytes(patient + "/20240101090000.jpg"), "picture");
    EXPECT_TRUE(Exists(patient + "/.notes.txt.Ab12Cd"));
    EXPECT_EQ(ReadBytes(UserListHost()), userList);
}

TEST_F(RecordsTest, AFailedAppendLeavesNoPartOfARecord) {
    store_.PrepareWorkDir();
    store_.Load();
    ASSERT_EQ(store_.AddUser(MakeUser(kUid1, u"Alice", 1)), 1);
    ASSERT_EQ(store_.SelectUser(1), 1);
    ASSERT_EQ(store_.AddPicture(0, std::string("d:\\DentalWorkDir\\UID20240101080000\\1.jpg"), true), 1);
    ASSERT_EQ(FileSize(PictureListHost(kUid1)), 152);
    notifier_.shown.clear();

    // Room for only a part of the next record, as on a disk that fills up during the write.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit saved;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limit = saved;
    limit.rlim_cur = 152 + 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    const int added = store_.AddPicture(0, std::string("d:\\DentalWorkDir\\UID20240101080000\\2.jpg"), true);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &saved), 0);

    EXPECT_EQ(added, -1);
    EXPECT_FALSE(notifier_.shown.empty());
    // The list holds whole records only, so the next append lands in its place.
    EXPECT_EQ(FileSize(PictureListHost(kUid1)), 152);
    ASSERT_EQ(store_.AddPicture(0, std::string("d:\\DentalWorkDir\\UID20240101080000\\3.jpg"), true), 1);
    const std::string list = ReadBytes(PictureListHost(kUid1));
    ASSERT_EQ(list.size(), 2 * 152u);
    EXPECT_STREQ(RecordAt<_DISE_PIC>(list, 1).path, "d:\\DentalWorkDir\\UID20240101080000\\3.jpg");
}

TEST_F(RecordsTest, TheWorkDirectoryLockKeepsASecondProgramOut) {
    // The first start makes the work directory to lock it; the store still prepares it as new.
    records::WorkDirLock first;
    ASSERT_EQ(first.Acquire(Work()), records::WorkDirLock::Status::Held);
    EXPECT_TRUE(first.CreatedWorkDir());
    store_.PrepareWorkDir();
    EXPECT_THAT(Names(Work()), ElementsAre("UID20170801102233", "UserList.fdb", "kavimo.lock"));
    EXPECT_THAT(notifier_.Texts(), ElementsAre("Create WorkDir successfull!"));

    // A second one learns who holds it, also from another open of the same file in this process.
    char host[256] = {};
    ASSERT_EQ(::gethostname(host, sizeof host - 1), 0);
    records::WorkDirLock second;
    EXPECT_EQ(second.Acquire(Work()), records::WorkDirLock::Status::InUse);
    EXPECT_EQ(second.Message(), "The patient records in " + Work() + " are in use by kavimo on " + host + " (process " +
                                    std::to_string(::getpid()) + ").");
    EXPECT_FALSE(second.CreatedWorkDir());

    // Released by its holder, or by the end of the holding process, however it ends.
    first.Release();
    EXPECT_EQ(second.Acquire(Work()), records::WorkDirLock::Status::Held);
    second.Release();
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        records::WorkDirLock held;
        if (held.Acquire(Work()) != records::WorkDirLock::Status::Held) ::_exit(1);
        ::kill(::getpid(), SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(first.Acquire(Work()), records::WorkDirLock::Status::Held);
    EXPECT_EQ(first.Acquire(Work()), records::WorkDirLock::Status::Held);  // taking it again is fine
}

TEST_F(RecordsTest, AFailedWriteIsReportedAndLeavesTheOldFileWhole) {
    store_.PrepareWorkDir();
    store_.Load();
    ASSERT_EQ(store_.AddUser(MakeUser(kUid1, u"Alice", 1)), 1);
    ASSERT_EQ(store_.AddUser(MakeUser(kUid2, u"Bob", 2)), 1);
    const std::string before = ReadBytes(UserListHost());
    notifier_.shown.clear();

    // A file size limit makes every write past 2000 bytes fail, as a full disk would.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit saved;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limit = saved;
    limit.rlim_cur = 2000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    ASSERT_EQ(store_.DeleteUser(1), 1);
    store_.Flush();
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &saved), 0);

    EXPECT_EQ(ReadBytes(UserListHost()), before);
    ASSERT_EQ(notifier_.shown.size(), 1u);
    EXPECT_THAT(notifier_.shown[0].text, HasSubstr("d:\\DentalWorkDir\\UserList.fdb"));
    EXPECT_THAT(notifier_.shown[0].text, HasSubstr("File too large"));
    EXPECT_TRUE(store_.UserListChanged());  // still due: the next Flush tries again
    store_.Flush();
    EXPECT_EQ(FileSize(UserListHost()), 2 * 1032);
    EXPECT_FALSE(store_.UserListChanged());
    for (const std::string& name : Names(Work())) {
        EXPECT_FALSE(records::IsAnyReplaceTempName(name)) << name;
    }
}

TEST_F(RecordsTest, FailedOpensAndRenamesAreReportedWithTheFailureValue) {
    store_.PrepareWorkDir();
    store_.Load();
    notifier_.shown.clear();
    std::filesystem::create_directories(Work() + "/Hospital.fdb");
    EXPECT_EQ(store_.SetHospital(u"Clinic"), 0);
    ASSERT_EQ(notifier_.shown.size(), 1u);
    EXPECT_THAT(notifier_.shown[0].text, HasSubstr("Hospital.fdb"));

    notifier_.shown.clear();
    ASSERT_EQ(store_.SelectUser(0), 0);
    ASSERT_EQ(::unlink(BackupHost(kDefaultUid).c_str()), 0);
    std::filesystem::create_directories(BackupHost(kDefaultUid));
    EXPECT_EQ(store_.SetDescription(u"x"), -1);
    ASSERT_EQ(notifier_.shown.size(), 1u);
    EXPECT_THAT(notifier_.shown[0].text, HasSubstr("UserInfoBackup.fdb"));
}

// --- Path safety ----------------------------------------------------------------------------

TEST_F(RecordsTest, DeleteUserWithACraftedDirPathDeletesNothing) {
    store_.PrepareWorkDir();
    store_.Load();
    ASSERT_EQ(store_.AddUser(MakeUser(kUid1, u"Alice", 1)), 1);
    ASSERT_EQ(store_.AddUser(MakeUser(kUid2, u"Bob", 2)), 1);
    std::filesystem::create_directories(root_ + "/x");
    WriteBytes(root_ + "/x/keep.txt", "keep");
    WriteBytes(root_ + "/canary.txt", "keep");

    const char* crafted[] = {
        "d:\\",        "d:\\DentalWorkDir\\..\\x", "d:\\DentalWorkDir", "d:\\DentalWorkDir\\UID20240101080001", "",
        "c:\\Windows", "d:\\..\\..\\etc"};
    for (const char* dirPath : crafted) {
        SCOPED_TRACE(dirPath);
        _USER_INFO alice = Backup(kUid1);
        std::memset(alice.dirPath, 0, sizeof alice.dirPath);
        std::memcpy(alice.dirPath, dirPath, std::strlen(dirPath));
        RewriteBackup(alice);
        store_.Load();
        ASSERT_EQ(store_.UserCount(), 3);
        notifier_.shown.clear();

        EXPECT_EQ(store_.DeleteUser(1), 0);
        EXPECT_EQ(store_.UserCount(), 2);
        EXPECT_EQ(notifier_.shown.size(), 1u);
        EXPECT_EQ(ReadBytes(root_ + "/x/keep.txt"), "keep");
        EXPECT_EQ(ReadBytes(root_ + "/canary.txt"), "keep");
        EXPECT_EQ(FileSize(BackupHost(kUid1)), 1032);
        EXPECT_EQ(FileSize(BackupHost(kUid2)), 1032);
        EXPECT_EQ(FileSize(BackupHost(kDefaultUid)), 1032);
    }
    EXPECT_FALSE(store_.DeleteDirectory("d:\\"));
    EXPECT_FALSE(store_.DeleteDirectory("d:\\DentalWorkDir"));
    EXPECT_FALSE(store_.DeleteDirectory("d:\\DentalWorkDir\\..\\x"));
    EXPECT_FALSE(store_.DeleteDirectory("d:\\DentalWorkDir\\UserList.fdb"));
    EXPECT_EQ(ReadBytes(root_ + "/x/keep.txt"), "keep");
    EXPECT_EQ(FileSize(UserListHost()), 3 * 1032);
}

TEST_F(RecordsTest, DeletingAPatientNeverFollowsLinksOutOfItsDirectory) {
    store_.PrepareWorkDir();
    store_.Load();
    ASSERT_EQ(store_.AddUser(MakeUser(kUid1, u"Alice", 1)), 1);
    const std::string outside = root_ + "/outside";
    std::filesystem::create_directories(outside + "/deep");
    WriteBytes(outside + "/deep/keep.txt", "keep");
    ASSERT_EQ(::symlink(outside.c_str(), (PatientHost(kUid1) + "/link").c_str()), 0);
    ASSERT_EQ(::symlink((outside + "/deep/keep.txt").c_str(), (PatientHost(kUid1) + "/file.jpg").c_str()), 0);
    std::filesystem::create_directories(PatientHost(kUid1) + "/sub/subsub");
    WriteBytes(PatientHost(kUid1) + "/sub/subsub/a.jpg", "x");

    EXPECT_EQ(store_.DeleteUser(1), 1);
    EXPECT_FALSE(Exists(PatientHost(kUid1)));
    EXPECT_EQ(ReadBytes(outside + "/deep/keep.txt"), "keep");

    // A patient directory that is itself a link is not deleted.
    ASSERT_EQ(store_.AddUser(MakeUser(kUid2, u"Bob", 2)), 1);
    std::filesystem::remove_all(PatientHost(kUid2));
    ASSERT_EQ(::symlink(outside.c_str(), PatientHost(kUid2).c_str()), 0);
    notifier_.shown.clear();
    EXPECT_EQ(store_.DeleteUser(1), 0);
    EXPECT_EQ(notifier_.shown.size(), 1u);
    EXPECT_EQ(ReadBytes(outside + "/deep/keep.txt"), "keep");
}

TEST_F(RecordsTest, RepairRebuildsOnlyThePictureListsACutShortRunLeftBehind) {
    auto writeList = [this](uint64_t uid, const std::vector<std::string>& names) {
        std::string bytes;
        for (const std::string& name : names) {
            _DISE_PIC pic = {};
            pic.uid = uid;
            records::SetFieldText(pic.path, Logical(uid, name));
            bytes.append(reinterpret_cast<const char*>(&pic), sizeof pic);
        }
        WriteBytes(PictureListHost(uid), bytes);
    };
    // Alice: the third picture was written and counted, the run ended before the list entry.
    _USER_INFO alice = MakeUser(kUid1, u"Alice", 1);
    alice.picCount = 3;
    WritePatient(alice);
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) MakePicture(kUid1, name);
    writeList(kUid1, {"a.jpg", "b.jpg"});
    // Bob: a deleted picture's file is gone, the run ended before the list was rewritten.
    _USER_INFO bob = MakeUser(kUid2, u"Bob", 2);
    bob.picCount = 2;
    WritePatient(bob);
    MakePicture(kUid2, "x.jpg");
    writeList(kUid2, {"x.jpg", "gone.jpg"});
    // Carol: whole.
    _USER_INFO carol = MakeUser(kUid3, u"Carol", 3);
    carol.picCount = 1;
    WritePatient(carol);
    MakePicture(kUid3, "y.jpg");
    writeList(kUid3, {"y.jpg"});
    const std::string carolList = ReadBytes(PictureListHost(kUid3));
    const std::string carolBackup = ReadBytes(BackupHost(kUid3));
    // Dave, the first patient (current when the records are loaded): a delete rewrote the list,
    // the run ended before the count followed it.
    constexpr uint64_t kUid4 = 20230101000000ull;
    _USER_INFO dave = MakeUser(kUid4, u"Dave", 4);
    dave.picCount = 3;
    WritePatient(dave);
    for (const char* name : {"d.jpg", "e.jpg"}) MakePicture(kUid4, name);
    writeList(kUid4, {"d.jpg", "e.jpg"});

    store_.Load();
    int bobIndex = -1;
    for (int i = 0; i < store_.UserCount(); ++i) {
        _USER_INFO user;
        if (store_.GetUser(i, &user) == i && user.uid == kUid2) bobIndex = i;
    }
    ASSERT_GE(bobIndex, 0);
    ASSERT_EQ(store_.SelectUser(bobIndex), bobIndex);
    EXPECT_EQ(store_.RepairPictureLists(), 3);

    EXPECT_EQ(store_.CurrentIndex(), bobIndex);
    _USER_INFO current;
    store_.GetCurrentUser(&current);
    EXPECT_EQ(current.uid, kUid2);
    EXPECT_EQ(current.picCount, 1);
    _DISE_PIC pic;
    ASSERT_EQ(store_.GetPicture(0, &pic), 1);
    EXPECT_EQ(records::FieldText(pic.path), Logical(kUid2, "x.jpg"));
    EXPECT_EQ(Backup(kUid2).picCount, 1);
    EXPECT_EQ(FileSize(PictureListHost(kUid2)), long(sizeof(_DISE_PIC)));
    EXPECT_EQ(Backup(kUid1).picCount, 3);
    EXPECT_EQ(FileSize(PictureListHost(kUid1)), long(3 * sizeof(_DISE_PIC)));
    EXPECT_EQ(ReadBytes(PictureListHost(kUid3)), carolList);
    EXPECT_EQ(ReadBytes(BackupHost(kUid3)), carolBackup);
    EXPECT_EQ(Backup(kUid4).picCount, 2);
    // Nothing is left to repair.
    EXPECT_EQ(store_.RepairPictureLists(), 0);
}

TEST_F(RecordsTest, DeletePictureOnlyDeletesFilesInTheCurrentPatientsDirectory) {
    WritePatient(MakeUser(kUid1, u"Alice", 1));
    WritePatient(MakeUser(kUid2, u"Bob", 2));
    MakePicture(kUid2, "bob.jpg", "keep");
    WriteBytes(root_ + "/canary.jpg", "keep");
    const std::string own = MakePicture(kUid1, "own.jpg");
    store_.Load();
    ASSERT_EQ(store_.SelectUser(0), 0);

    const std::string paths[] = {
        Logical(kUid2, "bob.jpg"),
        "d:\\canary.jpg",
        Logical(kUid1, "..\\UID20240101080001\\bob.jpg"),
        Logical(kUid1, "UserInfoBackup.fdb"),
        "d:\\..\\canary.jpg",
        own,
    };
    for (const std::string& path : paths) ASSERT_EQ(store_.AddPicture(0, path, false), 1);
    for (size_t i = 0; i < std::size(paths); ++i) ASSERT_EQ(store_.DeletePicture(0), 1);

    EXPECT_EQ(ReadBytes(PatientHost(kUid2) + "/bob.jpg"), "keep");
    EXPECT_EQ(ReadBytes(root_ + "/canary.jpg"), "keep");
    EXPECT_EQ(FileSize(BackupHost(kUid1)), 1032);
    EXPECT_FALSE(Exists(PatientHost(kUid1) + "/own.jpg"));
    _USER_INFO current;
    store_.GetCurrentUser(&current);
    EXPECT_EQ(current.picCount, 0);
    EXPECT_EQ(store_.DeletePicture(0), 0);
}

// --- Threads --------------------------------------------------------------------------------

TEST_F(RecordsTest, GetCurrentUserIsSafeFromAnotherThreadWhileTheListChanges) {
    store_.PrepareWorkDir();
    store_.Load();
    std::atomic<bool> stop{false};
    std::atomic<int> seen{0};
    std::atomic<bool> bad{false};
    std::thread reader([&] {
        _USER_INFO user;
        while (!stop.load()) {
            int index = store_.GetCurrentUser(&user);
            if (index >= 0) {
                ++seen;
                if (records::FieldText(user.dirPath) != records::PatientDirPath(user.uid)) bad = true;
            }
        }
    });
    for (int i = 0; i < 60; ++i) {
        ASSERT_EQ(store_.AddUser(MakeUser(kUid1 + uint64_t(i), u"P", i)), 1);
        ASSERT_EQ(store_.SelectUser(i + 1), i + 1);
        ASSERT_EQ(store_.SetDescription(u"d"), 1);
        if (i % 3 == 0) {
            ASSERT_EQ(store_.CommitCurrentUser(), 1);
        }
    }
    stop = true;
    reader.join();
    EXPECT_FALSE(bad.load());
    EXPECT_GT(seen.load(), 0);
}

}  // namespace
