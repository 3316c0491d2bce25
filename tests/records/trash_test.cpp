// The trash of the records store: deleted pictures and patients are moved there, come back with
// their files, names and times, and leave after 30 days; the record files keep their format.
#include <sys/stat.h>

#include <ctime>

#include "records/originals.h"
#include "records/recordfile.h"
#include "recordtest.h"

namespace {

using namespace recordtest;
using ::testing::ElementsAre;

constexpr uint64_t kUid1 = 20240101080000ull;
constexpr uint64_t kUid2 = 20240101080001ull;

int Mode(const std::string& hostPath) {
    struct stat st;
    return ::lstat(hostPath.c_str(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

bool SameTime(const _DISE_PIC& a, const _DISE_PIC& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
           a.second == b.second;
}

TEST_F(RecordsTest, DeletedPicturesAndPatientsGoToTheTrashAndComeBack) {
    store_.PrepareWorkDir();
    store_.Load();
    ASSERT_EQ(store_.AddUser(MakeUser(kUid1, u"Alice", 1)), 1);
    ASSERT_EQ(store_.AddUser(MakeUser(kUid2, u"Bob", 2)), 1);
    ASSERT_EQ(store_.SelectUser(1), 1);
    const std::string dir = PatientHost(kUid1);
    MakePicture(kUid1, "20240101090000.jpg", "first");
    MakePicture(kUid1, "20240101090001.jpg", "second");
    // The second was saved over with strokes: its original is kept.
    ASSERT_TRUE(records::KeepOriginal(dir + "/20240101090001.jpg", nullptr));
    ASSERT_TRUE(records::ReplaceFile(dir + "/20240101090001.jpg", "drawn on", 8, nullptr));
    ASSERT_EQ(store_.RebuildPictures(), 1);
    _DISE_PIC deleted = {};
    ASSERT_EQ(store_.GetPicture(1, &deleted), 1);

    // Deleting moves the picture and its original to the trash; the list loses the record.
    ASSERT_EQ(store_.DeletePicture(1), 1);
    store_.Flush();
    EXPECT_FALSE(Exists(dir + "/20240101090001.jpg"));
    EXPECT_FALSE(Exists(dir + "/.originals/20240101090001.jpg"));
    EXPECT_EQ(FileSize(PictureListHost(kUid1)), 152);
    EXPECT_EQ(Backup(kUid1).picCount, 1);
    EXPECT_EQ(Mode(Work() + "/.trash"), 0700);
    EXPECT_EQ(Mode(Work() + "/.trash/index"), 0600);
    std::vector<records::TrashEntry> pictures = store_.DeletedPictures();
    ASSERT_EQ(pictures.size(), 1u);
    char time[32];
    std::snprintf(time, sizeof time, "%04d-%02d-%02d %02d:%02d:%02d", deleted.year, deleted.month, deleted.day,
                  deleted.hour, deleted.minute, deleted.second);
    EXPECT_EQ(pictures[0].label, time);
    EXPECT_EQ(pictures[0].path, Logical(kUid1, "20240101090001.jpg"));

    // Its name was taken meanwhile: it comes back beside the new picture, with its original and
    // the time it was taken.
    MakePicture(kUid1, "20240101090001.jpg", "new");
    EXPECT_EQ(store_.RestorePictures({pictures[0].id}), 1);
    EXPECT_EQ(ReadBytes(dir + "/20240101090001.jpg"), "new");
    EXPECT_EQ(ReadBytes(dir + "/20240101090001_1.jpg"), "drawn on");
    EXPECT_EQ(ReadBytes(dir + "/.originals/20240101090001_1.jpg"), "second");
    EXPECT_EQ(FileSize(PictureListHost(kUid1)), 3 * 152);
    _DISE_PIC restored = {};
    ASSERT_EQ(store_.GetPicture(2, &restored), 1);
    EXPECT_EQ(records::FieldText(restored.path), Logical(kUid1, "20240101090001_1.jpg"));
    EXPECT_TRUE(SameTime(restored, deleted));
    EXPECT_TRUE(store_.DeletedPictures().empty());
    EXPECT_THAT(Names(Work() + "/.trash"), ElementsAre("index"));

    // A patient goes whole and comes back to its place in the list; the current patient stays
    // the same person throughout.
    ASSERT_EQ(store_.SelectUser(2), 2);
    store_.Flush();
    const std::string userList = ReadBytes(UserListHost());
    EXPECT_EQ(store_.DeleteUser(1), 1);
    store_.Flush();
    EXPECT_FALSE(Exists(dir));
    EXPECT_EQ(FileSize(UserListHost()), 2 * 1032);
    std::vector<records::TrashEntry> patients = store_.DeletedPatients();
    ASSERT_EQ(patients.size(), 1u);
    EXPECT_EQ(patients[0].label, "Alice");
    EXPECT_EQ(patients[0].pictures, 3);
    EXPECT_EQ(store_.RestoreUser(patients[0].id), 1);
    EXPECT_EQ(ReadBytes(UserListHost()), userList);
    _USER_INFO current;
    EXPECT_EQ(store_.GetCurrentUser(&current), 2);
    EXPECT_EQ(current.uid, kUid2);
    EXPECT_EQ(ReadBytes(dir + "/20240101090000.jpg"), "first");
    EXPECT_EQ(store_.RestoreUser(patients[0].id), -1);  // it is out of the trash

    // Thirty days later the trash still holds what was deleted; a day more and it is empty.
    ASSERT_EQ(store_.DeleteUser(2), 1);
    const std::time_t now = std::time(nullptr);
    EXPECT_EQ(store_.PurgeTrash(now + 30 * 86400 - 60), 0);
    EXPECT_EQ(store_.DeletedPatients().size(), 1u);
    EXPECT_EQ(store_.PurgeTrash(now + 31 * 86400), 1);
    EXPECT_TRUE(store_.DeletedPatients().empty());
    EXPECT_THAT(Names(Work() + "/.trash"), ElementsAre("index"));
}

}  // namespace
