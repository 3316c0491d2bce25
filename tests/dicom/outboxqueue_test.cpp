// The outbox's queue: a long queue file is read whole, in order and without its repeated lines,
// an entry whose picture is a link out of the work directory is refused, and the sender's writes
// of the queue file hold up no other caller and lose no entry queued meanwhile.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <future>
#include <mutex>
#include <string>
#include <thread>

#include "dicom/installation.h"
#include "dicom/outbox.h"
#include "dicomtestsupport.h"
#include "fakearchive.h"
#include "records/recordfile.h"

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
    std::vector<std::pair<dicom::OutboxEntry, dicom::PacsOutbox::PictureAnswer>> answers;
    outbox.SetPictureListener([&](const dicom::OutboxEntry& entry, const dicom::PacsOutbox::PictureAnswer& answer) {
        std::lock_guard<std::mutex> lock(mutex);
        answers.emplace_back(entry, answer);
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
        // The picture's own answer names it and says why it will never be sent.
        ASSERT_EQ(answers.size(), 1u);
        EXPECT_EQ(answers[0].first, (dicom::OutboxEntry{kUid, paths[0]}));
        EXPECT_EQ(answers[0].second.kind, dicom::PacsOutbox::PictureAnswer::Kind::NotSent);
        EXPECT_THAT(answers[0].second.reason, HasSubstr("outside the work directory"));
    }
    outbox.Stop();
    std::vector<dicom::OutboxEntry> left;
    ASSERT_TRUE(dicom::LoadOutboxFile(queue, &left, &error)) << error;
    EXPECT_TRUE(left.empty());
}

// What the queue file's write hook sees and does: on the sender's first write it asks the queue's
// length from another thread and queues a picture from a third, without waiting for that one.
struct WriteProbe {
    dicom::PacsOutbox* outbox = nullptr;
    std::thread::id testThread;
    std::string queued;
    std::atomic<bool> fired{false};
    bool pendingAnswered = false;
    std::future<size_t> pending;  // kept here: a caller held up must not hold up the write too
    std::future<bool> enqueued;
};
WriteProbe* g_probe = nullptr;

void ProbeDuringWrite(const std::string&, const std::string& target) {
    WriteProbe& probe = *g_probe;
    if (target.find(dicom::kOutboxFile) == std::string::npos || std::this_thread::get_id() == probe.testThread ||
        probe.fired.exchange(true)) {
        return;
    }
    probe.pending = std::async(std::launch::async, [&probe] { return probe.outbox->Pending(); });
    probe.pendingAnswered = probe.pending.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    probe.enqueued = std::async(std::launch::async, [&probe] {
        std::string error;
        return probe.outbox->Enqueue(kUid, {probe.queued}, &error);
    });
}

TEST(OutboxQueue, SendersQueueWriteHoldsUpNoCallerAndLosesNothingQueuedMeanwhile) {
    FakeArchive archive(FakeArchive::Behaviour::Silent);
    std::string error;
    ASSERT_TRUE(archive.Listening(&error)) << error;
    TempDrive drive;
    // One real picture (the archive never answers its store, so it stays queued) and three
    // that are gone, which the sender drops and then writes the queue without them.
    const std::vector<std::string> real =
        drive.AddPatient(kUid, u"Berg Anna", 0, 44, {{20240102090000ull, MakeJpeg(32, 24, 1, false)}}, u"Clinic");
    ASSERT_EQ(real.size(), 1u);
    const std::string queue = drive.Work() + "/" + dicom::kOutboxFile;
    dicom::PacsOutbox outbox(queue, nullptr);
    WriteProbe probe;
    probe.outbox = &outbox;
    probe.testThread = std::this_thread::get_id();
    probe.queued = real[0];
    g_probe = &probe;
    records::SetReplaceHookForTesting(&ProbeDuringWrite);
    outbox.SetAddress(archive.Address());
    outbox.Start();
    ASSERT_TRUE(outbox.Enqueue(kUid, {Path(1), Path(2), Path(3)}, &error)) << error;

    for (int i = 0; i < 200 && !probe.fired; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(probe.fired);
    EXPECT_TRUE(probe.pendingAnswered);
    EXPECT_TRUE(probe.enqueued.get());
    // The picture queued during the sender's write is in the file however the two writes met.
    std::vector<dicom::OutboxEntry> held;
    ASSERT_TRUE(dicom::LoadOutboxFile(queue, &held, &error)) << error;
    EXPECT_EQ(std::count(held.begin(), held.end(), (dicom::OutboxEntry{kUid, real[0]})), 1);
    outbox.Stop();
    records::SetReplaceHookForTesting(nullptr);
    g_probe = nullptr;
    ASSERT_TRUE(dicom::LoadOutboxFile(queue, &held, &error)) << error;
    ASSERT_EQ(held.size(), 1u);
    EXPECT_EQ(held[0].logicalPath, real[0]);
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
