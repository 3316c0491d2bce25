// What the records leave to other accounts: the modes of what they create, and what they do with
// a symbolic link planted where a file of theirs belongs.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "records/recordfile.h"
#include "records/workdirlock.h"
#include "recordtest.h"

namespace {

using namespace recordtest;
using ::testing::HasSubstr;

constexpr uint64_t kUid1 = 20240101080000ull;

TEST_F(RecordsTest, AFreshWorkDirectoryIsPrivateUnderTheUsualUmask) {
    const mode_t saved = ::umask(022);
    records::WorkDirLock lock;
    const records::WorkDirLock::Status status = lock.Acquire(Work());
    store_.PrepareWorkDir();
    store_.Load();
    const int added = store_.AddUser(MakeUser(kUid1, u"Alice", 1));
    const int selected = store_.SelectUser(1);
    int error = 0;
    const bool pictureWritten = records::ReplaceFile(PatientHost(kUid1) + "/1.jpg", "jpeg", 4, &error);
    const int pictures = store_.AddPicture(0, std::string("d:\\DentalWorkDir\\UID20240101080000\\1.jpg"), true);
    store_.Flush();
    ::umask(saved);
    ASSERT_EQ(status, records::WorkDirLock::Status::Held);
    ASSERT_EQ(added, 1);
    ASSERT_EQ(selected, 1);
    ASSERT_TRUE(pictureWritten) << error;
    ASSERT_EQ(pictures, 1);

    int seen = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(Work())) {
        struct stat st;
        ASSERT_EQ(::lstat(entry.path().c_str(), &st), 0) << entry.path();
        EXPECT_EQ(st.st_mode & 077, 0u) << entry.path() << " has mode " << std::oct << (st.st_mode & 07777);
        ++seen;
    }
    struct stat work;
    ASSERT_EQ(::lstat(Work().c_str(), &work), 0);
    EXPECT_EQ(work.st_mode & 077, 0u);
    EXPECT_GE(seen, 6);  // the lock, UserList.fdb, the patient folders, their lists, the picture
}

TEST_F(RecordsTest, APlantedLockLinkIsRefusedAndItsTargetKept) {
    ASSERT_TRUE(std::filesystem::create_directories(Work()));
    const std::string target = root_ + "/notes.txt";
    WriteBytes(target, "the user's own notes\n");
    ASSERT_EQ(::symlink(target.c_str(), (Work() + "/kavimo.lock").c_str()), 0);

    records::WorkDirLock lock;
    EXPECT_EQ(lock.Acquire(Work()), records::WorkDirLock::Status::Unlockable);
    EXPECT_THAT(lock.Message(), HasSubstr("symbolic link"));
    EXPECT_EQ(ReadBytes(target), "the user's own notes\n");
}

TEST_F(RecordsTest, ARecordFileReplacedByALinkIsNotWrittenThrough) {
    store_.PrepareWorkDir();
    store_.Load();
    ASSERT_EQ(store_.AddUser(MakeUser(kUid1, u"Alice", 1)), 1);
    ASSERT_EQ(store_.SelectUser(1), 1);
    const std::string target = root_ + "/notes.txt";
    WriteBytes(target, "the user's own notes\n");
    ASSERT_EQ(::unlink(PictureListHost(kUid1).c_str()), 0);
    ASSERT_EQ(::symlink(target.c_str(), PictureListHost(kUid1).c_str()), 0);
    notifier_.shown.clear();

    EXPECT_EQ(store_.AddPicture(0, std::string("d:\\DentalWorkDir\\UID20240101080000\\1.jpg"), true), -1);
    EXPECT_FALSE(notifier_.shown.empty());
    EXPECT_EQ(ReadBytes(target), "the user's own notes\n");
}

}  // namespace
