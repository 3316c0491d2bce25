// The outbox against an archive that misbehaves and is then mended: the sender drops the
// association that failed and negotiates a new one on its next try, without a restart; and the
// archive's statuses decide a picture's fate (a warning is a store, a refusal that will never
// change ends after a few tries with its reason, a lack of resources is waited out).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "dicom/outbox.h"
#include "dicomtestsupport.h"
#include "fakearchive.h"

namespace {

using namespace dicomtest;
using ::testing::HasSubstr;
using Kind = dicom::PacsOutbox::PictureAnswer::Kind;

constexpr uint64_t kUid = 20240101080000ull;
constexpr auto kPatience = std::chrono::seconds(20);

using Answers = std::vector<std::pair<dicom::OutboxEntry, dicom::PacsOutbox::PictureAnswer>>;

// The answers for one picture, in order.
std::vector<dicom::PacsOutbox::PictureAnswer> AnswersOf(const Answers& answers, const std::string& path) {
    std::vector<dicom::PacsOutbox::PictureAnswer> found;
    for (const auto& [entry, answer] : answers) {
        if (entry.logicalPath == path) found.push_back(answer);
    }
    return found;
}

size_t Count(const std::vector<dicom::PacsOutbox::PictureAnswer>& answers, Kind kind) {
    size_t n = 0;
    for (const auto& answer : answers) n += answer.kind == kind;
    return n;
}

// The picture's latest answer is of this kind.
bool Last(const Answers& answers, const std::string& path, Kind kind) {
    const auto found = AnswersOf(answers, path);
    return !found.empty() && found.back().kind == kind;
}

// An outbox with short pauses, sending to the archive, and what it has told so far.
class Watched {
public:
    Watched(const std::string& queue, const dicom::PacsAddress& address)
        : m_outbox(queue, [this](const dicom::PacsOutbox::Progress& progress) {
              std::lock_guard<std::mutex> lock(m_mutex);
              m_progress = progress;
              m_changed.notify_all();
          }) {
        m_outbox.SetPictureListener([this](const dicom::OutboxEntry& entry, const dicom::PacsOutbox::PictureAnswer& a) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_answers.emplace_back(entry, a);
            m_changed.notify_all();
        });
        m_outbox.SetRetryPauses(std::chrono::milliseconds(50), std::chrono::milliseconds(200));
        m_outbox.SetAddress(address);
        m_outbox.Start();
    }

    dicom::PacsOutbox& Outbox() { return m_outbox; }

    // Waits until the progress and the answers so far satisfy `done`.
    using Condition = std::function<bool(const dicom::PacsOutbox::Progress&, const Answers&)>;
    bool WaitFor(const Condition& done) {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, kPatience, [&] { return done(m_progress, m_answers); });
    }
    std::vector<dicom::PacsOutbox::PictureAnswer> AnswersFor(const std::string& path) {
        std::lock_guard<std::mutex> lock(m_mutex);
        return AnswersOf(m_answers, path);
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    dicom::PacsOutbox::Progress m_progress;
    Answers m_answers;
    dicom::PacsOutbox m_outbox;  // last: it stops, and calls no listener, before the rest goes
};

TEST(OutboxRecovery, SendsOnceTheArchiveIsMendedAfterRefusedContextRejectionAndAbort) {
    FakeArchive archive(FakeArchive::Behaviour::NoPictures);
    std::string error;
    ASSERT_TRUE(archive.Listening(&error)) << error;
    TempDrive drive;
    const std::vector<std::string> paths = drive.AddPatient(
        kUid, u"Mended Archive", 0, 40,
        {{20240102090000ull, MakeJpeg(64, 48, 1, false)}, {20240102090100ull, MakeJpeg(64, 48, 2, false)}}, u"Clinic");
    ASSERT_EQ(paths.size(), 2u);
    Watched watched(drive.Work() + "/" + dicom::kOutboxFile, archive.Address());
    ASSERT_TRUE(watched.Outbox().Enqueue(kUid, paths, &error)) << error;

    // No presentation context for pictures: refused, and the pictures stay queued.
    ASSERT_TRUE(watched.WaitFor([](const auto&, const auto& answers) { return answers.size() >= 2; }));
    EXPECT_EQ(watched.AnswersFor(paths[0]).front().kind, Kind::Refused);
    EXPECT_THAT(watched.AnswersFor(paths[0]).front().reason, HasSubstr("does not accept"));

    // Then the association is rejected: the archive cannot be reached.
    archive.SetBehaviour(FakeArchive::Behaviour::Reject);
    ASSERT_TRUE(watched.WaitFor([&](const auto& progress, const auto&) {
        return archive.Rejected() >= 1 && progress.waiting && progress.pending == 2;
    }));

    // Then it is aborted at the first request.
    archive.SetBehaviour(FakeArchive::Behaviour::Abort);
    ASSERT_TRUE(watched.WaitFor([&](const auto&, const auto&) { return archive.Aborted() >= 2; }));
    EXPECT_EQ(watched.Outbox().Pending(), 2u);

    // Mended: the queue empties within the pauses, over a new association, with no restart.
    const int accepted = archive.Accepted();
    archive.SetBehaviour(FakeArchive::Behaviour::Answer);
    ASSERT_TRUE(watched.WaitFor([&](const auto&, const auto& answers) {
        return Last(answers, paths[0], Kind::Stored) && Last(answers, paths[1], Kind::Stored);
    }));
    EXPECT_GT(archive.Accepted(), accepted);
    EXPECT_EQ(watched.Outbox().Pending(), 0u);
    for (const std::string& path : paths) EXPECT_EQ(watched.AnswersFor(path).back().kind, Kind::Stored) << path;
}

TEST(OutboxRecovery, StatusesDecideBetweenStoredRetriedAndGivenUp) {
    FakeArchive archive(FakeArchive::Behaviour::Answer);
    std::string error;
    ASSERT_TRUE(archive.Listening(&error)) << error;
    TempDrive drive;
    const std::vector<std::string> paths = drive.AddPatient(kUid, u"Status Answers", 1, 33,
                                                            {{20240102090000ull, MakeJpeg(64, 48, 1, false)},
                                                             {20240102090100ull, MakeJpeg(64, 48, 2, false)},
                                                             {20240102090200ull, MakeJpeg(64, 48, 3, false)}},
                                                            u"Clinic");
    ASSERT_EQ(paths.size(), 3u);
    Watched watched(drive.Work() + "/" + dicom::kOutboxFile, archive.Address());

    // A warning (attribute list error) is a store; the answer keeps the warning.
    archive.SetStoreStatus(0x0107);
    ASSERT_TRUE(watched.Outbox().Enqueue(kUid, {paths[0]}, &error)) << error;
    ASSERT_TRUE(
        watched.WaitFor([&](const auto&, const auto& answers) { return !AnswersOf(answers, paths[0]).empty(); }));
    ASSERT_EQ(watched.AnswersFor(paths[0]).size(), 1u);
    EXPECT_EQ(watched.AnswersFor(paths[0])[0].kind, Kind::Stored);
    EXPECT_THAT(watched.AnswersFor(paths[0])[0].reason, HasSubstr("0x0107"));

    // "Data set does not match SOP class" never changes: the picture leaves the queue after its
    // tries, with the reason for the status line and the picture's answer.
    archive.SetStoreStatus(0xA900);
    const int storesBefore = archive.Stores();
    ASSERT_TRUE(watched.Outbox().Enqueue(kUid, {paths[1]}, &error)) << error;
    ASSERT_TRUE(
        watched.WaitFor([&](const auto&, const auto& answers) { return Last(answers, paths[1], Kind::NotSent); }));
    EXPECT_EQ(watched.Outbox().Pending(), 0u);
    EXPECT_EQ(archive.Stores() - storesBefore, dicom::kOutboxUnacceptableTries);
    const auto refused = watched.AnswersFor(paths[1]);
    ASSERT_EQ(refused.size(), size_t(dicom::kOutboxUnacceptableTries));
    EXPECT_EQ(Count(refused, Kind::Refused), size_t(dicom::kOutboxUnacceptableTries) - 1);
    EXPECT_EQ(refused.back().kind, Kind::NotSent);
    EXPECT_THAT(refused.back().reason, HasSubstr("0xA900"));
    EXPECT_THAT(refused.back().reason, HasSubstr("does not match"));
    ASSERT_TRUE(watched.WaitFor([](const auto& progress, const auto&) {
        return progress.failed == 1 && progress.lastError.find("0xA900") != std::string::npos;
    }));

    // Out of resources is waited out, past the tries a lasting refusal gets, and then stored.
    archive.SetStoreStatus(0xA700);
    ASSERT_TRUE(watched.Outbox().Enqueue(kUid, {paths[2]}, &error)) << error;
    ASSERT_TRUE(watched.WaitFor([&](const auto&, const auto& answers) {
        return Count(AnswersOf(answers, paths[2]), Kind::Refused) > size_t(dicom::kOutboxUnacceptableTries);
    }));
    EXPECT_EQ(watched.Outbox().Pending(), 1u);
    EXPECT_THAT(watched.AnswersFor(paths[2]).back().reason, HasSubstr("out of resources"));
    archive.SetStoreStatus(0x0000);
    ASSERT_TRUE(
        watched.WaitFor([&](const auto&, const auto& answers) { return Last(answers, paths[2], Kind::Stored); }));
    EXPECT_EQ(watched.Outbox().Pending(), 0u);
    EXPECT_EQ(Count(watched.AnswersFor(paths[2]), Kind::NotSent), 0u);
}

}  // namespace
