// The audit trail's file: lines that read back as written, a private file, torn lines skipped.
#include "records/audittrail.h"

#include <sys/stat.h>

#include "platform/debug.h"
#include "tests/records/recordtest.h"

namespace {

using records::AuditEvent;
using records::AuditTrail;
using recordtest::ReadBytes;
using recordtest::WriteBytes;

class AuditTrailTest : public recordtest::RecordsTest {
protected:
    std::string TrailPath() const { return root_ + "/" + records::kAuditTrailFile; }
    std::vector<AuditEvent> ReadBack(size_t* skipped) {
        std::vector<AuditEvent> events;
        std::string error;
        EXPECT_TRUE(AuditTrail::ReadFile(TrailPath(), &events, skipped, &error)) << error;
        return events;
    }
};

TEST_F(AuditTrailTest, LinesReadBackWithQuotesBackslashesNewlinesAndChineseNames) {
    AuditTrail trail(TrailPath());
    AuditEvent written;
    written.event = records::audit::kPatientChanged;
    written.user = "dr \"o'brien\"\\admin\n\x01";
    written.host = "chair-2";
    written.patient = 20240101080000ull;
    written.file = "d:\\DentalWorkDir\\UID20240101080000\\20240101090000.jpg";
    written.detail = "王小明 said \"ok\"\t\x7f";
    std::string error;
    ASSERT_TRUE(trail.Append(written, &error)) << error;
    AuditEvent failed;
    failed.event = records::audit::kArchiveAnswer;
    failed.success = false;
    failed.detail = "association rejected";
    ASSERT_TRUE(trail.Append(failed, &error)) << error;

    const std::string bytes = ReadBytes(TrailPath());
    // One line per event: the newline of the name is escaped, not written.
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 2);
    EXPECT_THAT(bytes, ::testing::HasSubstr("王小明"));  // non-ASCII stays readable UTF-8
    EXPECT_THAT(bytes, ::testing::HasSubstr("\\u0001"));

    size_t skipped = 9;
    const std::vector<AuditEvent> events = ReadBack(&skipped);
    EXPECT_EQ(skipped, 0u);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].event, "patient-changed");
    EXPECT_EQ(events[0].user, written.user);
    EXPECT_EQ(events[0].host, "chair-2");
    EXPECT_EQ(events[0].patient, written.patient);
    EXPECT_EQ(events[0].file, written.file);
    EXPECT_EQ(events[0].detail, written.detail);
    EXPECT_TRUE(events[0].success);
    // What the caller left empty is filled in: the time with its offset, who and where.
    EXPECT_THAT(events[1].time, ::testing::MatchesRegex("[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9:]{8}[-+][0-9]{2}:[0-9]{2}"));
    EXPECT_FALSE(events[1].user.empty());
    EXPECT_FALSE(events[1].success);
    EXPECT_EQ(events[1].patient, 0u);

    struct stat st = {};
    ASSERT_EQ(::stat(TrailPath().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(AuditTrailTest, ATornLastLineIsSkippedAndTheNextLineStandsOnItsOwn) {
    AuditTrail trail(TrailPath());
    AuditEvent event;
    event.event = records::audit::kCapture;
    event.patient = 20240101080000ull;
    std::string error;
    ASSERT_TRUE(trail.Append(event, &error)) << error;
    // A crash in the middle of the next line.
    const std::string whole = ReadBytes(TrailPath());
    WriteBytes(TrailPath(), whole + whole.substr(0, whole.size() / 2));

    size_t skipped = 0;
    EXPECT_EQ(ReadBack(&skipped).size(), 1u);
    EXPECT_EQ(skipped, 1u);
    // Even a complete-looking object is not taken without its newline.
    WriteBytes(TrailPath(), whole + whole.substr(0, whole.size() - 1));
    EXPECT_EQ(ReadBack(&skipped).size(), 1u);
    EXPECT_EQ(skipped, 1u);

    // The next writer closes the torn line off; the reader passes over it and takes the new one.
    WriteBytes(TrailPath(), whole + whole.substr(0, whole.size() / 2));
    event.event = records::audit::kDelete;
    ASSERT_TRUE(trail.Append(event, &error)) << error;
    const std::vector<AuditEvent> events = ReadBack(&skipped);
    ASSERT_EQ(events.size(), 2u) << ReadBytes(TrailPath());
    EXPECT_EQ(events[1].event, "delete") << ReadBytes(TrailPath());
    EXPECT_EQ(skipped, 1u);
}

TEST_F(AuditTrailTest, TheProcessWideTrailLogsALineItCannotWrite) {
    std::string log;
    const platform::DebugSink previous = platform::SetDebugSink(
        [](const char* text, void* context) { static_cast<std::string*>(context)->append(text); }, &log);
    // The trail's folder is missing: the action goes on, the log says why.
    AuditTrail::SetUp(root_ + "/missing/" + records::kAuditTrailFile);
    AuditTrail::Record(records::audit::kCapture, 20240101080000ull, "d:\\x.jpg");
    platform::SetDebugSink(previous, nullptr);
    EXPECT_THAT(log, ::testing::HasSubstr("the capture event was not recorded"));

    AuditTrail::SetUp(TrailPath());
    AuditTrail::Record(records::audit::kCapture, 20240101080000ull, "d:\\x.jpg", "Freeze");
    AuditTrail::SetUp("");
    AuditTrail::Record(records::audit::kDelete, 20240101080000ull);  // turned off: nothing
    size_t skipped = 0;
    const std::vector<AuditEvent> events = ReadBack(&skipped);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].detail, "Freeze");
}

}  // namespace
