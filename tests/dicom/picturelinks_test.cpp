// Links planted in the work directory or in an export folder never lead the DICOM side to a file
// outside: a picture the records name is skipped, with the reason, when it is a link out of the
// work directory, and an exported object replaces a link in its place rather than writing
// through it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "dicom/patientpictures.h"
#include "dicom/pictureobject.h"
#include "dicomtestsupport.h"

namespace {

using namespace dicomtest;

constexpr uint64_t kUid = 20240102090000ull;

TEST(PictureLinks, LinkOutOfTheWorkDirectoryIsSkippedAndNoExportWritesThroughALink) {
    TempDrive drive;
    const std::vector<std::string> paths = drive.AddPatient(
        kUid, u"Berg Anna", 0, 44,
        {{20240102090100ull, MakeJpeg(32, 24, 1, false)}, {20240102090200ull, MakeJpeg(32, 24, 2, false)}}, u"Clinic");
    ASSERT_EQ(paths.size(), 2u);
    const std::string outside = drive.Root() + "/private.jpg";
    WriteFile(outside, MakeJpeg(32, 24, 3, false));
    const std::string planted = drive.PatientDir(kUid) + "/20240102090100.jpg";
    ASSERT_EQ(::unlink(planted.c_str()), 0);
    ASSERT_EQ(::symlink(outside.c_str(), planted.c_str()), 0);

    dicom::PatientPictures patient;
    std::string error;
    ASSERT_TRUE(dicom::LoadPatientPictures(kUid, &patient, &error)) << error;
    ASSERT_EQ(patient.pictures.size(), 2u);
    EXPECT_EQ(dicom::PictureObject::Build(patient.pictures[0], &error), nullptr);
    EXPECT_NE(error.find("outside the work directory"), std::string::npos) << error;
    const auto object = dicom::PictureObject::Build(patient.pictures[1], &error);
    ASSERT_NE(object, nullptr) << error;

    // Links at the export's name and at a name a temporary file could be guessed to have, to a
    // file of this account: replaced or left alone, their target untouched.
    const std::string target = drive.Root() + "/20240102090200.dcm";
    ASSERT_EQ(::symlink(outside.c_str(), target.c_str()), 0);
    ASSERT_EQ(::symlink(outside.c_str(), (target + ".part").c_str()), 0);
    ASSERT_TRUE(object->WriteFile(target, &error)) << error;
    struct stat st;
    ASSERT_EQ(::lstat(target.c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(ReadFile(outside), MakeJpeg(32, 24, 3, false));
}

}  // namespace
