// Objects from two workstations never merge two people: the installation's identity.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "dcmtk/config/osconfig.h"
#include "dcmtk/dcmdata/dcdeftag.h"
#include "dcmtk/dcmdata/dcfilefo.h"
#include "dicom/installation.h"
#include "dicom/patientpictures.h"
#include "dicom/pictureobject.h"
#include "dicomtestsupport.h"

namespace {

using namespace dicom;

constexpr uint64_t kUid = 20250301090000ull;
constexpr uint64_t kStamp = 20250301091500ull;

struct Made {
    std::string study, series, instance, patientId, issuer, serial;
};

std::string Text(DcmDataset* dataset, const DcmTagKey& tag) {
    OFString value;
    dataset->findAndGetOFString(tag, value);
    return value.c_str();
}

// The object of the patient's first picture, made the way export and sending make it.
Made MakeFirst(std::string* error) {
    PatientPictures patient;
    if (!LoadPatientPictures(kUid, &patient, error) || patient.pictures.empty()) return {};
    const std::unique_ptr<PictureObject> object = PictureObject::Build(patient.pictures[0], error);
    if (!object) return {};
    DcmDataset* dataset = object->File().getDataset();
    return {Text(dataset, DCM_StudyInstanceUID),  Text(dataset, DCM_SeriesInstanceUID),
            Text(dataset, DCM_SOPInstanceUID),    Text(dataset, DCM_PatientID),
            Text(dataset, DCM_IssuerOfPatientID), Text(dataset, DCM_DeviceSerialNumber)};
}

// One work directory with the same patient (same UID, same picture) as any other.
class Workstation {
public:
    Workstation() { m_drive.AddPatient(kUid, u"Jane Doe", 0, 40, {{kStamp, m_jpeg}}, u"Dental"); }
    const dicomtest::TempDrive& Drive() const { return m_drive; }
    std::string IdentityFile() const { return m_drive.Work() + "/" + kInstallationFile; }

private:
    dicomtest::TempDrive m_drive;
    std::string m_jpeg = dicomtest::MakeJpeg(64, 48, 3, false);
};

TEST(DicomInstallation, KeepsPatientsOfTwoWorkstationsApartAndItsOwnUidsStable) {
    std::string error;
    Made first, again, worklist, renamed;
    std::string identity;
    {
        Workstation a;
        first = MakeFirst(&error);
        ASSERT_FALSE(first.study.empty()) << error;
        again = MakeFirst(&error);
        identity = dicomtest::ReadFile(a.IdentityFile());
        struct stat info = {};
        ASSERT_EQ(::stat(a.IdentityFile().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u);

        SetPatientIdIssuer("CLINIC-7");
        renamed = MakeFirst(&error);
        SetPatientIdIssuer("");

        // A worklist patient keeps the worklist's ID and issuer, never kavimo's.
        ASSERT_TRUE(
            WriteWorklistFile(a.Drive().PatientDir(kUid), {"P-9", "Doe^Jane", "19850612", "F", "CITY"}, &error));
        worklist = MakeFirst(&error);
        dicomtest::WriteFile(a.Drive().PatientDir(kUid) + "/" + kWorklistFile, "PatientID=P-9\n");
        EXPECT_EQ(MakeFirst(&error).issuer, "");

        // A damaged identity is refused and left for someone to restore, never replaced.
        dicomtest::WriteFile(a.IdentityFile(), identity.substr(0, 20));
        EXPECT_TRUE(MakeFirst(&error).study.empty());
        EXPECT_NE(error.find("damaged"), std::string::npos) << error;
        EXPECT_EQ(dicomtest::ReadFile(a.IdentityFile()), identity.substr(0, 20));
    }
    Made other;
    {
        Workstation b;
        other = MakeFirst(&error);
        ASSERT_FALSE(other.study.empty()) << error;
    }
    EXPECT_EQ(again.study, first.study);
    EXPECT_EQ(again.series, first.series);
    EXPECT_EQ(again.instance, first.instance);
    EXPECT_EQ(first.serial + "\n", identity);

    EXPECT_EQ(other.patientId, first.patientId);
    EXPECT_NE(other.study, first.study);
    EXPECT_NE(other.series, first.series);
    EXPECT_NE(other.instance, first.instance);
    EXPECT_NE(other.issuer, first.issuer);
    EXPECT_EQ(first.issuer.rfind("KAVIMO-", 0), 0u) << first.issuer;

    EXPECT_EQ(renamed.issuer, "CLINIC-7");
    EXPECT_EQ(renamed.study, first.study);
    EXPECT_EQ(worklist.patientId, "P-9");
    EXPECT_EQ(worklist.issuer, "CITY");
}

TEST(DicomInstallation, StationNameFollowsTheShortStringRules) {
    EXPECT_EQ(StationNameFrom("chair-2.praxis.example"), "chair-2");
    EXPECT_EQ(StationNameFrom("a-very-long-host-name-indeed"), "a-very-long-host");
    EXPECT_EQ(StationNameFrom("odd\\name with space"), "odd_name_with_sp");
}

}  // namespace
