// An archive that stops answering must not hold kavimo up: the outbox's Stop returns at once
// while a store waits for its answer, and a worklist query ends at its deadline or its entry
// limit. The archive is a fake one on 127.0.0.1.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "dicom/outbox.h"
#include "dicom/pacsclient.h"
#include "dicomtestsupport.h"
#include "fakearchive.h"

namespace {

using namespace dicomtest;
using ::testing::HasSubstr;
using Clock = std::chrono::steady_clock;

constexpr uint64_t kUid = 20240101080000ull;

TEST(HostileArchive, OutboxStopReturnsPromptlyWhileAStoreIsNeverAnswered) {
    FakeArchive archive(FakeArchive::Behaviour::Silent);
    std::string error;
    ASSERT_TRUE(archive.Listening(&error)) << error;
    TempDrive drive;
    const std::vector<std::string> paths =
        drive.AddPatient(kUid, u"Åsa Öberg", 0, 29, {{20240102090000ull, MakeJpeg(64, 48, 1, false)}}, u"Clinic");
    const std::string queue = drive.Work() + "/" + dicom::kOutboxFile;

    std::mutex mutex;
    std::condition_variable changed;
    bool sending = false;
    dicom::PacsOutbox outbox(queue, [&](const dicom::PacsOutbox::Progress& progress) {
        std::lock_guard<std::mutex> lock(mutex);
        sending = sending || !progress.finished;
        changed.notify_all();
    });
    outbox.SetAddress(archive.Address());
    outbox.Start();
    ASSERT_TRUE(outbox.Enqueue(kUid, paths, &error)) << error;
    {
        std::unique_lock<std::mutex> lock(mutex);
        ASSERT_TRUE(changed.wait_for(lock, std::chrono::seconds(10), [&] { return sending; }));
    }
    for (int i = 0; i < 100 && archive.Accepted() == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_EQ(archive.Accepted(), 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the picture is on its way

    // Enqueue and Pending do not wait on the archive either.
    EXPECT_TRUE(outbox.Enqueue(kUid, paths, &error)) << error;
    EXPECT_EQ(outbox.Pending(), 1u);
    const Clock::time_point before = Clock::now();
    outbox.Stop();
    EXPECT_LT(Clock::now() - before, std::chrono::seconds(5));

    // The unconfirmed picture stays queued.
    std::vector<dicom::OutboxEntry> left;
    ASSERT_TRUE(dicom::LoadOutboxFile(queue, &left, &error)) << error;
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].logicalPath, paths[0]);
}

TEST(HostileArchive, WorklistQueryThatIsNeverAnsweredFailsAtItsDeadline) {
    FakeArchive archive(FakeArchive::Behaviour::Silent);
    std::string error;
    ASSERT_TRUE(archive.Listening(&error)) << error;
    dicom::PacsClient client;
    client.SetWorklistLimits(std::chrono::seconds(1), 100);
    ASSERT_TRUE(client.Open(archive.Address(), &error)) << error;
    const Clock::time_point before = Clock::now();
    std::vector<dicom::WorklistEntry> entries;
    EXPECT_FALSE(client.FindWorklist({"20240102", "", ""}, &entries, &error));
    EXPECT_LT(Clock::now() - before, std::chrono::seconds(8));
    EXPECT_THAT(error, HasSubstr("did not finish answering within 1 s"));
    EXPECT_TRUE(entries.empty());
    EXPECT_FALSE(client.IsOpen());
}

TEST(HostileArchive, WorklistThatStaysPendingIsCutAtItsEntryLimit) {
    FakeArchive archive(FakeArchive::Behaviour::PendingForever);
    std::string error;
    ASSERT_TRUE(archive.Listening(&error)) << error;
    dicom::PacsClient client;
    client.SetWorklistLimits(std::chrono::seconds(20), 50);
    ASSERT_TRUE(client.Open(archive.Address(), &error)) << error;
    std::vector<dicom::WorklistEntry> entries;
    bool cut = false;
    ASSERT_TRUE(client.FindWorklist({"20240102", "", ""}, &entries, &error, &cut)) << error;
    EXPECT_TRUE(cut);
    ASSERT_EQ(entries.size(), 50u);
    EXPECT_EQ(entries.back().patient.patientId, "P-LOOP");
}

TEST(HostileArchive, AbortFromAnotherThreadEndsAWorklistWait) {
    FakeArchive archive(FakeArchive::Behaviour::Silent);
    std::string error;
    ASSERT_TRUE(archive.Listening(&error)) << error;
    dicom::PacsClient client;
    ASSERT_TRUE(client.Open(archive.Address(), &error)) << error;
    std::thread cancel([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        client.Abort();
    });
    const Clock::time_point before = Clock::now();
    std::vector<dicom::WorklistEntry> entries;
    EXPECT_FALSE(client.FindWorklist({"20240102", "", ""}, &entries, &error));
    EXPECT_LT(Clock::now() - before, std::chrono::seconds(5));  // the deadline is 10 s
    cancel.join();
    EXPECT_THAT(error, HasSubstr("cancelled"));
    EXPECT_FALSE(client.Open(archive.Address(), &error));
}

}  // namespace
