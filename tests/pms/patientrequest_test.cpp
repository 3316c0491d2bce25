#include <gtest/gtest.h>

#include "pms/patientrequest.h"

namespace {

pms::PatientRequest Zhang() {
    pms::PatientRequest r;
    r.patientId = "4711";
    r.lastName = "Zhang";
    r.firstName = "Wei";
    r.birthDate = "19850505";
    r.sex = "M";
    return r;
}

std::string ProblemWith(void (*change)(pms::PatientRequest&)) {
    pms::PatientRequest r = Zhang();
    change(r);
    return pms::RequestProblem(r, "20261208");
}

}  // namespace

TEST(PatientRequest, RefusesWhatCouldNameAFileOrBreakALine) {
    EXPECT_EQ(pms::RequestProblem(Zhang(), "20261208"), "");
    EXPECT_NE(ProblemWith([](pms::PatientRequest& r) { r.patientId = "../4711"; }).find("path character"),
              std::string::npos);
    EXPECT_NE(ProblemWith([](pms::PatientRequest& r) { r.patientId = "a\\b"; }), "");
    EXPECT_NE(ProblemWith([](pms::PatientRequest& r) { r.patientId = "47\n11"; }), "");
    // Each field's refusal names that field.
    EXPECT_EQ(ProblemWith([](pms::PatientRequest& r) { r.lastName = "Zh\x1b[2Jang"; }),
              "the last name holds a control character or is not UTF-8 text");
    EXPECT_EQ(ProblemWith([](pms::PatientRequest& r) { r.firstName = "W\xe9i"; }),  // Latin-1, not UTF-8
              "the first name holds a control character or is not UTF-8 text");
    EXPECT_EQ(ProblemWith([](pms::PatientRequest& r) { r.phone = std::string(65, '1'); }),
              "the phone is longer than 64 characters");
    EXPECT_NE(ProblemWith([](pms::PatientRequest& r) { r.patientId = "   "; }), "");
    EXPECT_NE(ProblemWith([](pms::PatientRequest& r) { r.lastName.clear(); }), "");
    EXPECT_NE(ProblemWith([](pms::PatientRequest& r) { r.patientId = std::string(65, '7'); }), "");
    // 64 characters of two bytes each are still 64 characters.
    EXPECT_EQ(ProblemWith([](pms::PatientRequest& r) {
                  r.lastName.clear();
                  for (int i = 0; i < 64; ++i) r.lastName += "\xc3\xbc";
              }),
              "");
}

TEST(PatientRequest, BirthDateMustBeADayNotAfterToday) {
    EXPECT_NE(ProblemWith([](pms::PatientRequest& r) { r.birthDate = "20261209"; }).find("future"), std::string::npos);
    EXPECT_EQ(ProblemWith([](pms::PatientRequest& r) { r.birthDate = "20261208"; }), "");
    EXPECT_NE(ProblemWith([](pms::PatientRequest& r) { r.birthDate = "19850230"; }), "");
    std::string date;
    EXPECT_TRUE(pms::BirthDateOf("05.05.1985", &date));
    EXPECT_EQ(date, "19850505");
    EXPECT_TRUE(pms::BirthDateOf("1985-05-05", &date));
    EXPECT_EQ(date, "19850505");
    EXPECT_FALSE(pms::BirthDateOf("1985-5-5", &date));
    EXPECT_FALSE(pms::BirthDateOf("+1985050", &date));
    EXPECT_EQ(pms::AgeOn("19850505", "20260504"), 40);
    EXPECT_EQ(pms::AgeOn("19850505", "20260505"), 41);
}

TEST(PatientRequest, SexAsPracticeSystemsWriteIt) {
    std::string letter;
    for (const auto& [text, expected] : std::vector<std::pair<std::string, std::string>>{
             {"Male", "M"}, {"FEMALE", "F"}, {"w", "F"}, {"D", "O"}, {"unknown", "U"}, {"", ""}}) {
        EXPECT_TRUE(pms::SexLetterOf(text, &letter)) << text;
        EXPECT_EQ(letter, expected) << text;
    }
    EXPECT_FALSE(pms::SexLetterOf("Mann", &letter));
}

TEST(Handover, ValuesCannotAddLinesAndTheReaderRefusesStrangers) {
    pms::PatientRequest sent = Zhang();
    sent.lastName = "Zhang\nPatientID=1";  // refused later by RequestProblem; must not become a key
    pms::PatientRequest read;
    std::vector<std::string> show;
    std::string problem;
    ASSERT_TRUE(pms::ParseHandover(pms::HandoverText(sent, {"20261208101010", "a_b"}), &read, &show, &problem))
        << problem;
    EXPECT_EQ(read.patientId, "4711");
    EXPECT_EQ(read.lastName, "Zhang PatientID=1");
    EXPECT_EQ(read.birthDate, "19850505");
    EXPECT_EQ(show, (std::vector<std::string>{"20261208101010", "a_b"}));

    const std::string good = pms::HandoverText(Zhang(), {});
    EXPECT_TRUE(pms::ParseHandover(good, &read, &show, &problem));
    EXPECT_TRUE(show.empty());
    EXPECT_FALSE(pms::ParseHandover(good.substr(0, good.size() - 4), &read, &show, &problem));  // no end line
    EXPECT_FALSE(pms::ParseHandover("kavimo-patient 2\n" + good.substr(good.find('\n') + 1), &read, &show, &problem));
    EXPECT_FALSE(pms::ParseHandover("kavimo-patient 1\nPatientID=1\nPatientID=2\nend\n", &read, &show, &problem));
    EXPECT_FALSE(pms::ParseHandover("kavimo-patient 1\nPatientID=1\nPath=/etc\nend\n", &read, &show, &problem));
    EXPECT_FALSE(pms::ParseHandover("kavimo-patient 1\nPatientID=1\nShow=../../x\nend\n", &read, &show, &problem));
    EXPECT_FALSE(pms::ParseHandover("kavimo-patient 1\nPatientID=1\nShow=a,,b\nend\n", &read, &show, &problem));
    EXPECT_FALSE(pms::ParseHandover("kavimo-patient 1\nLastName=x\nend\n", &read, &show, &problem));  // no ID
    EXPECT_FALSE(pms::ParseHandover("kavimo-patient 1\nPatientID=1\nend\nmore", &read, &show, &problem));
}
