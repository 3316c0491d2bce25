#include "pms/patientopen.h"

#include "records/patientdetails.h"
#include "tests/records/recordtest.h"

namespace {

class PatientOpenTest : public recordtest::RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        store_ = std::make_unique<RecordStore>(&notifier_);
        store_->PrepareWorkDir();
        store_->Load();
    }
    void TearDown() override {
        store_.reset();
        RecordsTest::TearDown();
    }
    // A clock that stands still at `t` until moved.
    std::function<std::time_t()> Clock() {
        return [this] { return now_; };
    }

    recordtest::CapturingNotifier notifier_;
    std::unique_ptr<RecordStore> store_;
    std::time_t now_ = 1765188000;  // 2025-12-08, some hour
};

pms::PatientRequest Request(const std::string& id, const std::string& last) {
    pms::PatientRequest r;
    r.patientId = id;
    r.lastName = last;
    r.firstName = "Maximilian Alexander";
    r.birthDate = "19850505";
    r.sex = "O";
    r.phone = "+49 30 1234";
    return r;
}

}  // namespace

TEST_F(PatientOpenTest, CreatesOnceWithTheDetailsAndSelectsTheSameNextTime) {
    const int before = store_->UserCount();
    const pms::OpenedPatient first = pms::OpenPatient(*store_, Request("4711", "Zhang"), "KAVIMO-ABCDEF01", Clock());
    ASSERT_TRUE(first.ok) << first.error;
    EXPECT_TRUE(first.created);
    EXPECT_EQ(store_->UserCount(), before + 1);
    _USER_INFO current = {};
    ASSERT_EQ(store_->GetCurrentUser(&current), first.index);
    EXPECT_EQ(current.uid, first.uid);
    // The record keeps what it can: 15 characters of the name, the phone's leading number, no
    // sex it knows.
    EXPECT_EQ(records::FieldText(current.name), u"Zhang, Maximili");
    EXPECT_EQ(current.phone, 49);
    EXPECT_EQ(current.sex, -1);
    records::PatientDetails details;
    ASSERT_EQ(records::ReadPatientDetails(PatientHost(first.uid), &details), records::DetailsFound::Details);
    EXPECT_EQ(details.name, "Zhang, Maximilian Alexander");
    EXPECT_EQ(details.patientId, "4711");
    EXPECT_EQ(details.issuer, "KAVIMO-ABCDEF01");
    EXPECT_EQ(details.personName, "Zhang^Maximilian Alexander");
    EXPECT_EQ(details.sex, "O");
    EXPECT_EQ(details.birthDate, "19850505");

    // Another patient in the same second waits for the next one rather than failing.
    int ticks = 0;
    const pms::OpenedPatient other =
        pms::OpenPatient(*store_, Request("4712", "Müller"), "", [&] { return now_ + (++ticks > 3 ? 1 : 0); });
    ASSERT_TRUE(other.ok) << other.error;
    EXPECT_GT(other.uid, first.uid);

    now_ += 60;
    const pms::OpenedPatient again = pms::OpenPatient(*store_, Request("4711", "Zhang"), "KAVIMO-ABCDEF01", Clock());
    ASSERT_TRUE(again.ok) << again.error;
    EXPECT_FALSE(again.created);
    EXPECT_EQ(again.uid, first.uid);
    EXPECT_EQ(store_->UserCount(), before + 2);
    EXPECT_EQ(store_->CurrentIndex(), first.index);
    EXPECT_EQ(pms::PatientsWithId(Work(), "4711"), std::vector<uint64_t>{first.uid});
    EXPECT_TRUE(pms::PatientsWithId(Work(), "471").empty());
}

TEST_F(PatientOpenTest, ClockBehindTheNewestPatientChangesNothing) {
    ASSERT_TRUE(pms::OpenPatient(*store_, Request("1", "A"), "", Clock()).ok);
    const int count = store_->UserCount();
    now_ -= 3600;  // the clock was set back an hour
    const pms::OpenedPatient refused = pms::OpenPatient(*store_, Request("2", "B"), "", Clock());
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.error.find("clock"), std::string::npos);
    EXPECT_EQ(store_->UserCount(), count);
    EXPECT_TRUE(pms::PatientsWithId(Work(), "2").empty());
}
