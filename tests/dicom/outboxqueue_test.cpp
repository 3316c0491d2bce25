// The outbox's queue: a long queue file is read whole, in order and without its repeated lines,
// and an entry whose picture is a link out of the work directory is refused.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <string>

#include "dicom/installation.h"
#include "dicom/outbox.h"
#include "dicomtestsupport.h"
#include "fakearchive.h"

namespace {

using namespace dicomtest;
using ::testing::HasSubstr;

constexpr uint64_t kUid = 20240101080000ull;

std::string Path(int i) { return "d:\\DentalWorkDir\\UID20240101080000\\" + std::to_string(i) + ".jpg"; }

TEST(OutboxQueue, LongQueueFileLoadsWithoutRepeatsInItsOrder) {
    TempDrive drive;
    const std::string queue = drive.Work() + "/" + dicom::kOutboxFile;
    // 100,000 lines: 80,000 pictures in a shuffled order, each fourth one repeated later on.
    constexpr int kPictures = 80000;
    std::string text;
    std::vector<int> order;
    for (int i = 0; i < kPictures; ++i) {
        const int picture = int((uint64_t(i) * 7919u) % kPictures);
        order.push_back(picture);
        text += std::to_string(kUid) + "\t" + Path(picture) + "\n";
        if (i % 4 == 3) text += std::to_string(kUid) + "\t" + Path(order[size_t(i / 2)]) + "\n";
    }
    std::filesystem::create_directories(drive.Work());
    WriteFile(queue, text);

    dicom::PacsOutbox outbox(queue, nullptr);  // no archive set: nothing leaves the queue
    outbox.Start();
    ASSERT_EQ(outbox.Pending(), size_t(kPictures));
    // A repeat is not queued again; a new picture goes to the end, and the file shows the queue.
    std::string error;
    ASSERT_TRUE(outbox.Enqueue(kUid, {Path(order[5]), Path(kPictures)}, &error)) << error;
    outbox.Stop();
    std::vector<dicom::OutboxEntry> entries;
    ASSERT_TRUE(dicom::LoadOutboxFile(queue, &entries, &error)) << error;
    ASSERT_EQ(entries.size(), size_t(kPictures) + 1);
    for (size_t i = 0; i < order.size(); ++i) {
        ASSERT_EQ(entries[i].logicalPath, Path(order[i])) << i;
        ASSERT_EQ(entries[i].uid, kUid);
    }
    EXPECT_EQ(entries.back().logicalPath, Path(kPictures));
}

TEST(OutboxQueue, PictureLinkingOutOfTheWorkDirectoryIsRefusedAndLeavesTheQueue) {
    FakeArchive archive(FakeArchive::Behaviour::Silent);
    std::string error;
    ASSERT_TRUE(archive.Listening(&error)) << error;
    TempDrive drive;
    const std::vector<std::string> paths =
        drive.AddPatient(kUid, u"Åsa Öberg", 0, 29, {{20240102090000ull, MakeJpeg(64, 48, 1, false)}}, u"Clinic");
    ASSERT_EQ(paths.size(), 1u);
    // The picture is replaced by a link to a picture outside the work directory.
    const std::string outside = drive.Root() + "/private.jpg";
    WriteFile(outside, MakeJpeg(64, 48, 2, false));
    const std::string picture = drive.PatientDir(kUid) + "/20240102090000.jpg";
    ASSERT_EQ(::unlink(picture.c_str()), 0);
    ASSERT_EQ(::symlink(outside.c_str(), picture.c_str()), 0);

    std::mutex mutex;
    std::condition_variable changed;
    dicom::PacsOutbox::Progress last;
    const std::string queue = drive.Work() + "/" + dicom::kOutboxFile;
    dicom::PacsOutbox outbox(queue, [&](const dicom::PacsOutbox::Progress& progress) {
        std::lock_guard<std::mutex> lock(mutex);
        last = progress;
        changed.notify_all();
    });
    outbox.SetAddress(archive.Address());
    outbox.Start();
    ASSERT_TRUE(outbox.Enqueue(kUid, paths, &error)) << error;
    {
        std::unique_lock<std::mutex> lock(mutex);
        ASSERT_TRUE(
            changed.wait_for(lock, std::chrono::seconds(20), [&] { return last.finished && last.failed == 1; }));
        EXPECT_EQ(last.pending, 0u);
        EXPECT_EQ(last.sent, 0u);
        EXPECT_THAT(last.lastError, HasSubstr("outside the work directory"));
    }
    outbox.Stop();
    std::vector<dicom::OutboxEntry> left;
    ASSERT_TRUE(dicom::LoadOutboxFile(queue, &left, &error)) << error;
    EXPECT_TRUE(left.empty());
}

TEST(OutboxQueue, DamagedInstallationIdentityKeepsTheQueueWaiting) {
    FakeArchive archive(FakeArchive::Behaviour::Silent);
    std::string error;
    ASSERT_TRUE(archive.Listening(&error)) << error;
    TempDrive drive;
    const std::vector<std::string> paths =
        drive.AddPatient(kUid, u"Åsa Öberg", 0, 29, {{20240102090000ull, MakeJpeg(64, 48, 1, false)}}, u"Clinic");
    const std::string identity = drive.Work() + "/" + dicom::kInstallationFile;
    WriteFile(identity, "6f1c2a9e-0b3d-4e5f-8a7b\n");  // cut short

    std::mutex mutex;
    std::condition_variable changed;
    dicom::PacsOutbox::Progress last;
    const std::string queue = drive.Work() + "/" + dicom::kOutboxFile;
    dicom::PacsOutbox outbox(queue, [&](const dicom::PacsOutbox::Progress& progress) {
        std::lock_guard<std::mutex> lock(mutex);
        last = progress;
        changed.notify_all();
    });
    outbox.SetAddress(archive.Address());
    outbox.Start();
    ASSERT_TRUE(outbox.Enqueue(kUid, paths, &error)) << error;
    {
        std::unique_lock<std::mutex> lock(mutex);
        ASSERT_TRUE(changed.wait_for(lock, std::chrono::seconds(20), [&] { return last.finished; }));
        EXPECT_TRUE(last.waiting);
        EXPECT_EQ(last.pending, 1u);
        EXPECT_EQ(last.failed, 0u);
        EXPECT_THAT(last.lastError, HasSubstr("damaged"));
    }
    outbox.Stop();
    std::vector<dicom::OutboxEntry> left;
    ASSERT_TRUE(dicom::LoadOutboxFile(queue, &left, &error)) << error;
    EXPECT_EQ(left.size(), 1u);
    EXPECT_EQ(ReadFile(identity), "6f1c2a9e-0b3d-4e5f-8a7b\n");
}

}  // namespace
