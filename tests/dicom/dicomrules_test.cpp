// The attribute and UID rules of the objects, without an archive.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "dcmtk/config/osconfig.h"
#include "dcmtk/dcmdata/dcdeftag.h"
#include "dcmtk/dcmdata/dcfilefo.h"
#include "dicom/outbox.h"
#include "dicom/pacsclient.h"
#include "dicom/patient.h"
#include "dicom/patientpictures.h"
#include "dicom/pictureobject.h"
#include "dicom/uids.h"
#include "dicom/vrcheck.h"
#include "dicomtestsupport.h"
#include "platform/text.h"
#include "records/patientdetails.h"
#include "records/recordtypes.h"
#include "records/textconv.h"

namespace {

using namespace dicom;

TEST(DicomUids, AreValidDeterministicAndDistinct) {
    const std::string hash = Sha256Hex("picture", 7);
    const std::string a = "6f1c2a9e-0b3d-4e5f-8a7b-1c2d3e4f5a6b";
    const std::string b = "6f1c2a9e-0b3d-4e5f-8a7b-1c2d3e4f5a6c";
    const std::vector<std::string> uids = {
        StudyUid(a, "20240101080000", "20240102"),  SeriesUid(a, "20240101080000", "20240102"),
        StudyUid(a, "20240101080000", "20240103"),  StudyUid(a, "20240101080001", "20240102"),
        InstanceUid(a, "20240101080000", hash),     InstanceUid(a, "20240101080000", Sha256Hex("picturf", 7)),
        InstanceUid(a, "20240101080001", hash),     StudyUid(b, "20240101080000", "20240102"),
        SeriesUid(b, "20240101080000", "20240102"), InstanceUid(b, "20240101080000", hash)};
    std::set<std::string> distinct;
    for (const std::string& uid : uids) {
        ASSERT_EQ(uid.compare(0, 5, "2.25."), 0) << uid;
        EXPECT_LE(uid.size(), 64u) << uid;
        const std::string number = uid.substr(5);
        EXPECT_FALSE(number.empty());
        EXPECT_NE(number[0], '0') << uid;
        EXPECT_EQ(number.find_first_not_of("0123456789"), std::string::npos) << uid;
        distinct.insert(uid);
    }
    EXPECT_EQ(distinct.size(), uids.size());
    EXPECT_EQ(StudyUid(a, "20240101080000", "20240102"), uids[0]);
    EXPECT_EQ(InstanceUid(a, "20240101080000", hash), uids[4]);
    // Parts are kept apart: moving a character from one to the other is another name.
    EXPECT_NE(StudyUid(a, "2024010108000", "020240102"), uids[0]);
}

TEST(DicomPatient, MakesAttributesFromTheRecordAndTheWorklist) {
    _USER_INFO user = {};
    user.uid = 20240101080000ull;
    records::SetFieldText(user.name, u"Åsa^Öberg=x\\y");
    user.sex = 0;
    user.age = 7;
    PatientAttributes attributes = MakePatientAttributes(user, nullptr, "KAVIMO-6F1C2A9E");
    EXPECT_EQ(attributes.patientId, "20240101080000");
    EXPECT_EQ(attributes.issuer, "KAVIMO-6F1C2A9E");
    EXPECT_EQ(attributes.patientName, "Åsa Öberg x y");
    EXPECT_EQ(attributes.sex, "F");
    EXPECT_EQ(attributes.age, "007Y");
    EXPECT_EQ(attributes.birthDate, "");

    user.sex = 2;
    records::PatientDetails details;
    details.patientId = "P-17";
    details.personName = "Berg^Anna";
    details.name = "Anna Berg";
    details.birthDate = "19800229";
    attributes = MakePatientAttributes(user, &details, "KAVIMO-6F1C2A9E");
    EXPECT_EQ(attributes.patientId, "P-17");
    EXPECT_EQ(attributes.issuer, "");  // the worklist's ID is not kavimo's to vouch for
    details.issuer = "CITY-HOSPITAL";
    EXPECT_EQ(MakePatientAttributes(user, &details, "KAVIMO-6F1C2A9E").issuer, "CITY-HOSPITAL");
    EXPECT_EQ(attributes.patientName, "Berg^Anna");
    EXPECT_EQ(attributes.birthDate, "19800229");
    EXPECT_EQ(attributes.sex, "M");  // no sex in the details: the record's
    details.sex = "U";
    EXPECT_EQ(MakePatientAttributes(user, &details, "KAVIMO-6F1C2A9E").sex, "");  // unknown: empty
    details.sex = "O";
    EXPECT_EQ(MakePatientAttributes(user, &details, "KAVIMO-6F1C2A9E").sex, "O");

    EXPECT_EQ(AgeString(0), "000Y");
    EXPECT_EQ(AgeString(999), "999Y");
    EXPECT_EQ(AgeString(-1), "");
    EXPECT_EQ(AgeString(1000), "");

    EXPECT_EQ(AgeOn("19800229", "20240228"), 43);
    EXPECT_EQ(AgeOn("19800229", "20240229"), 44);
    EXPECT_EQ(AgeOn("19801231", "20241231"), 44);
    EXPECT_EQ(AgeOn("20250101", "20241231"), -1);
    EXPECT_EQ(AgeOn("1980-1-1", "20241231"), -1);
    EXPECT_EQ(AgeOn("19801301", "20241231"), -1);
}

TEST(DicomPatient, WorklistFileKeepsItsValuesOnOneLineEach) {
    dicomtest::TempDrive drive;
    const WorklistPatient written{"P-1", "Doe^Jane\nPatientID=evil", "19700101", "F", "CITY"};
    std::string error;
    ASSERT_TRUE(WriteWorklistFile(drive.Root(), written, &error)) << error;
    WorklistPatient read;
    ASSERT_TRUE(ReadWorklistFile(drive.Root(), &read));
    EXPECT_EQ(read.patientId, "P-1");
    EXPECT_EQ(read.patientName, "Doe^Jane PatientID=evil");
    EXPECT_EQ(read.birthDate, "19700101");
    EXPECT_EQ(read.issuer, "CITY");
    EXPECT_FALSE(ReadWorklistFile(drive.Work(), &read));  // none there
}

TEST(DicomValues, AreCheckedAgainstTheirVrAndTextsMendedToFit) {
    std::string chinese;  // 64 characters of three bytes each
    for (int i = 0; i < 64; ++i) chinese += "王";
    EXPECT_EQ(ValueProblem(Vr::LO, chinese), "");  // characters count, not bytes
    EXPECT_NE(ValueProblem(Vr::LO, chinese + "王"), "");
    EXPECT_NE(ValueProblem(Vr::LO, std::string(65, 'a')), "");
    EXPECT_NE(ValueProblem(Vr::SH, std::string(17, 'a')), "");
    EXPECT_NE(ValueProblem(Vr::LO, "Smith\\Jones"), "");
    EXPECT_NE(ValueProblem(Vr::LO, "a\x1b$Bb"), "");
    EXPECT_NE(ValueProblem(Vr::LO, std::string("a\0b", 3)), "");
    EXPECT_NE(ValueProblem(Vr::LO, "M\xfcller"), "");  // Latin-1, not UTF-8
    EXPECT_EQ(ValueProblem(Vr::LT, "line one\nline two \\ more"), "");
    EXPECT_EQ(ValueProblem(Vr::DA, "20240229"), "");
    for (const char* date : {"99999999", "19000231", "20230229", "2024-1-1", "202401"}) {
        EXPECT_NE(ValueProblem(Vr::DA, date), "") << date;
        EXPECT_EQ(FitValue(Vr::DA, date), "") << date;
    }
    EXPECT_EQ(ValueProblem(Vr::PN, "Wang^Fang=王^芳="), "");
    EXPECT_NE(ValueProblem(Vr::PN, "a=b=c=d"), "");
    EXPECT_NE(ValueProblem(Vr::PN, "a^b^c^d^e^f"), "");
    EXPECT_NE(ValueProblem(Vr::PN, std::string(65, 'a') + "=王"), "");
    EXPECT_NE(ValueProblem(Vr::CS, "xc"), "");
    EXPECT_NE(ValueProblem(Vr::UI, "1.2.abc"), "");

    EXPECT_EQ(FitValue(Vr::LO, "Smith\\Jones Dental"), "Smith Jones Dental");
    EXPECT_EQ(FitValue(Vr::PN, "Bad\x1bName^Ann\\Second"), "Bad Name^Ann Second");
    EXPECT_EQ(FitValue(Vr::PN, "a^b^c^d^e^f^g=x=y=z"), "a^b^c^d^e f g=x=y");
    EXPECT_EQ(FitValue(Vr::LO, chinese + "王王"), chinese);  // cut between characters
    EXPECT_EQ(FitValue(Vr::LO, "M\xfcller"), "M\uFFFDller");
    for (const std::pair<Vr, std::string>& bad :
         std::vector<std::pair<Vr, std::string>>{{Vr::LO, std::string(80, 'x') + "\\"},
                                                 {Vr::SH, "\xe7\x8e" + std::string(20, 'y')},
                                                 {Vr::PN, std::string(70, 'n') + "^\x01=" + chinese + "王"},
                                                 {Vr::LT, std::string(10250, 'z') + "\x1b"}}) {
        EXPECT_EQ(ValueProblem(bad.first, FitValue(bad.first, bad.second)), "") << VrName(bad.first);
    }
}

TEST(DicomValues, ProblemsAreInTheUsersLanguageAndInEnglishForTheLog) {
    // One value for each kind of problem.
    const std::vector<std::pair<Vr, std::string>> bad = {{Vr::AE, std::string(17, 'A')},
                                                         {Vr::CS, "xc"},
                                                         {Vr::DA, "20230229"},
                                                         {Vr::TM, "noon"},
                                                         {Vr::UI, "1.2.abc"},
                                                         {Vr::SH, std::string(17, 'a')},
                                                         {Vr::LO, "M\xfcller"},
                                                         {Vr::LO, "a\\b"},
                                                         {Vr::LO, "a\x01 b"},
                                                         {Vr::PN, "a=b=c=d"},
                                                         {Vr::PN, "a^b^c^d^e^f"},
                                                         {Vr::PN, std::string(65, 'a') + "=b"}};
    // Without a translation the user reads what the log says; each problem has its own words.
    std::set<std::string> phrases;
    for (const auto& value : bad) {
        const std::string phrase = ValueProblem(value.first, value.second);
        EXPECT_NE(phrase, "") << value.second;
        EXPECT_EQ(phrase, ValueProblemForLog(value.first, value.second)) << value.second;
        EXPECT_FALSE(FitsVr(value.first, value.second)) << value.second;
        phrases.insert(phrase);
    }
    EXPECT_EQ(phrases.size(), bad.size());
    EXPECT_EQ(ValueProblem(Vr::SH, std::string(17, 'a')), "longer than 16 characters");

    // A lookup standing for a translation: it marks every text and fills in the count. The log
    // keeps English.
    text::SetLookup([](const char* source, const char*, int n) {
        std::string out = std::string("<") + source + ">";
        const size_t at = out.find("%n");
        if (at != std::string::npos && n >= 0) out.replace(at, 2, std::to_string(n));
        return out;
    });
    EXPECT_EQ(ValueProblem(Vr::SH, std::string(17, 'a')), "<longer than 16 characters>");
    EXPECT_EQ(ValueProblem(Vr::PN, std::string(65, 'a') + "=b"), "<a name group longer than 64 characters>");
    EXPECT_EQ(ValueProblem(Vr::DA, "20230229"), "<not a date>");
    EXPECT_EQ(ValueProblemForLog(Vr::DA, "20230229"), "not a date");
    EXPECT_EQ(ValueProblem(Vr::DA, "20240229"), "");
    text::SetLookup(nullptr);
}

TEST(DicomPatient, OldWorklistFileIsReadWholeAndAnIdTooLongIsRefusedNotCut) {
    dicomtest::TempDrive drive;
    constexpr uint64_t kUid = 20240101080000ull;
    const std::vector<std::string> paths = drive.AddPatient(
        kUid, u"Jane Doe", 0, 40, {{20240102090000ull, dicomtest::MakeJpeg(32, 32, 1, false)}}, u"Smith\\Jones Dental");
    // An earlier version wrote the worklist's values as they came: an ID of 4,086 characters
    // before the birth date.
    const std::string longId(4086, '7');
    std::string error;
    ASSERT_TRUE(WriteWorklistFile(drive.PatientDir(kUid), {longId, "Doe^Jane", "19700101", "F", ""}, &error));
    records::PatientDetails details;
    ASSERT_EQ(records::ReadPatientDetails(drive.PatientDir(kUid), &details), records::DetailsFound::OldWorklist);
    EXPECT_EQ(details.patientId, longId);
    EXPECT_EQ(details.birthDate, "19700101");
    WorklistPatient read;
    ASSERT_TRUE(ReadWorklistFile(drive.PatientDir(kUid), &read));
    EXPECT_EQ(read.patientId, longId);
    EXPECT_EQ(read.birthDate, "19700101");

    PictureSource source;
    ASSERT_TRUE(LoadPictureSource(kUid, paths[0], &source, &error)) << error;
    EXPECT_EQ(PictureObject::Build(source, &error), nullptr);
    EXPECT_THAT(error, ::testing::HasSubstr("Patient ID: longer than 64 characters"));

    // With an ID that fits the object is made; the hospital's backslash does not make two values.
    ASSERT_TRUE(WriteWorklistFile(drive.PatientDir(kUid), {"P-1", "Doe^Jane", "19700101", "F", ""}, &error));
    ASSERT_TRUE(LoadPictureSource(kUid, paths[0], &source, &error)) << error;
    const std::unique_ptr<PictureObject> object = PictureObject::Build(source, &error);
    ASSERT_NE(object, nullptr) << error;
    DcmDataset* dataset = object->File().getDataset();
    DcmElement* institution = nullptr;
    ASSERT_TRUE(dataset->findAndGetElement(DCM_InstitutionName, institution).good());
    EXPECT_EQ(institution->getVM(), 1u);
    OFString text;
    dataset->findAndGetOFStringArray(DCM_InstitutionName, text);
    EXPECT_EQ(std::string(text.c_str()), "Smith Jones Dental");
}

TEST(DicomAddress, ParsesOnlyWholeAddresses) {
    PacsAddress address;
    ASSERT_TRUE(ParsePacsAddress("ORTHANC@127.0.0.1:4242", &address));
    EXPECT_EQ(address.calledAet, "ORTHANC");
    EXPECT_EQ(address.host, "127.0.0.1");
    EXPECT_EQ(address.port, 4242);
    EXPECT_EQ(address.callingAet, "KAVIMO");
    for (const char* bad :
         {"ORTHANC@127.0.0.1", "@127.0.0.1:4242", "ORTHANC@:4242", "ORTHANC@127.0.0.1:0", "ORTHANC@127.0.0.1:65536",
          "ORTHANC@h:4x", "SEVENTEEN_CHARS_X@h:1", "A\\B@h:1", "   @h:1"}) {
        EXPECT_FALSE(ParsePacsAddress(bad, &address)) << bad;
    }
}

TEST(DicomOutboxFile, RoundTripsAndSkipsDamagedLines) {
    dicomtest::TempDrive drive;
    const std::string path = drive.Root() + "/" + kOutboxFile;
    std::vector<OutboxEntry> entries;
    std::string error;
    ASSERT_TRUE(LoadOutboxFile(path, &entries, &error)) << error;  // missing: empty
    EXPECT_TRUE(entries.empty());
    const std::vector<OutboxEntry> written = {{20240101080000ull, "d:\\DentalWorkDir\\UID20240101080000\\1.jpg"},
                                              {20240101080001ull, "d:\\DentalWorkDir\\UID20240101080001\\2.jpg"}};
    ASSERT_TRUE(SaveOutboxFile(path, written, &error)) << error;
    ASSERT_TRUE(LoadOutboxFile(path, &entries, &error));
    EXPECT_EQ(entries, written);

    dicomtest::WriteFile(path, "20240101080000\tA.jpg\nnot a line\n\tB.jpg\n123x\tC.jpg\n20240101080000\tA.jpg\n7\t");
    ASSERT_TRUE(LoadOutboxFile(path, &entries, &error));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].logicalPath, "A.jpg");
}

TEST(DicomPictureObject, RefusesAPictureClaimingMorePixelsThanKavimoOpens) {
    dicomtest::TempDrive drive;
    PictureSource source;
    source.patient.patientId = "P1";
    source.hostPath = drive.Root() + "/bomb.jpg";
    // Baseline goes in undecoded, extended sequential is decoded: both are refused up front.
    for (const unsigned char marker : {0xC0, 0xC1}) {
        SCOPED_TRACE(int(marker));
        const std::string bomb = dicomtest::MakeOversizedJpeg(marker);
        ASSERT_FALSE(bomb.empty());
        dicomtest::WriteFile(source.hostPath, bomb);
        std::string error;
        std::unique_ptr<PictureObject> object;
        EXPECT_NO_THROW(object = PictureObject::Build(source, &error));
        EXPECT_EQ(object, nullptr);
        EXPECT_NE(error.find("the picture claims 60000 \u00d7 60000 pixels, more than kavimo opens"), std::string::npos)
            << error;
    }
}

TEST(DicomPictureObject, LabelsTheColourModelOfTheJpegItKeeps) {
    dicomtest::TempDrive drive;
    PictureSource source;
    source.installationId = "6f1c2a9e-0b3d-4e5f-8a7b-1c2d3e4f5a6b";
    source.patient.patientId = "P1";
    source.hostPath = drive.Root() + "/picture.jpg";
    const std::string file = drive.Root() + "/picture.dcm";
    struct Case {
        std::string jpeg;
        bool kept;
        const char* photometric;
    };
    const std::vector<Case> cases = {
        {dicomtest::MakeJpegSampled(64, 48, 1, 2, 2, false), true, "YBR_FULL_422"},  // 4:2:0
        {dicomtest::MakeJpegSampled(64, 48, 1, 2, 1, false), true, "YBR_FULL_422"},  // 4:2:2
        {dicomtest::MakeJpegSampled(64, 48, 1, 1, 1, false), false, "RGB"},          // 4:4:4: decoded
        {dicomtest::MakeJpegSampled(64, 48, 1, 1, 1, true), false, "RGB"},           // Adobe transform 0: decoded
        {dicomtest::MakeJpegSampled(64, 48, 1, 4, 1, false), false, "RGB"},          // 4:1:1: decoded
        {dicomtest::MakeJpeg(64, 48, 1, true), false, "RGB"},                        // progressive: decoded
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        dicomtest::WriteFile(source.hostPath, cases[i].jpeg);
        std::string error;
        const std::unique_ptr<PictureObject> object = PictureObject::Build(source, &error);
        ASSERT_NE(object, nullptr) << error;
        EXPECT_EQ(object->KeepsJpeg(), cases[i].kept);
        ASSERT_TRUE(object->WriteFile(file, &error)) << error;
        DcmFileFormat read;
        ASSERT_TRUE(read.loadFile(file.c_str()).good());
        OFString value;
        read.getDataset()->findAndGetOFString(DCM_PhotometricInterpretation, value);
        EXPECT_EQ(value, cases[i].photometric);
    }
}

}  // namespace
