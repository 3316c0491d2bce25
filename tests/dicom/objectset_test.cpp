// A small but varied set of objects, made one by one as separate sends make them: one patient's
// pictures over two days, some tagged with their teeth and views, a worklist patient with a
// birth date, a picture saved again with strokes. The objects of one study or series must agree with each other, and
// the validators the field trusts (dicom3tools' dciodvfy and dcentvfy) must find no error in them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <map>
#include <set>
#include <sstream>

#include "dcmtk/config/osconfig.h"
#include "dcmtk/dcmdata/dcdeftag.h"
#include "dcmtk/dcmdata/dcfilefo.h"
#include "dicom/exportfolder.h"
#include "dicom/patient.h"
#include "dicom/patientpictures.h"
#include "dicom/pictureobject.h"
#include "dicomtestsupport.h"
#include "orthanc.h"
#include "platform/paths.h"
#include "records/originals.h"
#include "records/recordtypes.h"
#include "records/toothtags.h"

namespace {

using namespace dicom;

constexpr uint64_t kOwn = 20250228080000ull;         // a patient of kavimo's own
constexpr uint64_t kWorklisted = 20250228080001ull;  // a patient from the worklist

struct Stamp {
    uint64_t name;
    int year, month, day, hour, minute, second;
};

// Gives the patient's listed pictures the times of `stamps`, in order, as if they had been
// taken then (the records store takes the file's creation time, which a test cannot choose).
void SetPictureTimes(const dicomtest::TempDrive& drive, uint64_t uid, const std::vector<Stamp>& stamps) {
    const std::string path = drive.PatientDir(uid) + "/DisePicList.fdb";
    std::string list = dicomtest::ReadFile(path);
    ASSERT_EQ(list.size(), stamps.size() * sizeof(_DISE_PIC));
    for (size_t i = 0; i < stamps.size(); ++i) {
        _DISE_PIC picture = {};
        std::memcpy(&picture, &list[i * sizeof picture], sizeof picture);
        picture.year = uint16_t(stamps[i].year);
        picture.month = uint8_t(stamps[i].month);
        picture.day = uint8_t(stamps[i].day);
        picture.hour = uint8_t(stamps[i].hour);
        picture.minute = uint8_t(stamps[i].minute);
        picture.second = uint8_t(stamps[i].second);
        std::memcpy(&list[i * sizeof picture], &picture, sizeof picture);
    }
    dicomtest::WriteFile(path, list);
}

std::string Text(DcmItem* dataset, const DcmTagKey& tag) {
    OFString value;
    dataset->findAndGetOFStringArray(tag, value);
    return value.c_str();
}

constexpr const char* kOrderStudy = "1.2.826.0.1.3680043.2.1143.77";

std::string FileName(const std::string& logicalPath) { return logicalPath.substr(logicalPath.rfind('\\') + 1); }

// The object MakeAll makes of the picture saved with strokes.
constexpr size_t kSavedWithStrokes = 4;

class ObjectSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_ownPaths = m_drive.AddPatient(kOwn, u"Jane Doe", 0, 40,
                                        {{20250301100000ull, dicomtest::MakeJpeg(64, 48, 1, false)},
                                         {20250301100500ull, dicomtest::MakeJpeg(64, 48, 2, false)},
                                         {20250302090000ull, dicomtest::MakeJpeg(64, 48, 3, true)},
                                         {20250302093000ull, dicomtest::MakeJpegSampled(48, 64, 4, 1, 1, false)}},
                                        u"Riverside Dental");
        SetPictureTimes(m_drive, kOwn,
                        {{0, 2025, 3, 1, 10, 0, 0},
                         {0, 2025, 3, 1, 10, 5, 0},
                         {0, 2025, 3, 2, 9, 0, 0},
                         {0, 2025, 3, 2, 9, 30, 0}});
        // Created five years ago with the age of then; the worklist knows the birth date.
        m_worklistedPaths =
            m_drive.AddPatient(kWorklisted, u"Anna Berg", 0, 30,
                               {{20250301110000ull, dicomtest::MakeJpegSampled(64, 48, 5, 1, 1, true)}}, u"");
        SetPictureTimes(m_drive, kWorklisted, {{0, 2025, 3, 1, 11, 0, 0}});
        std::string error;
        // The first picture shows two permanent teeth from the front, the third a deciduous molar.
        ASSERT_TRUE(records::SetPictureTags(m_drive.PatientDir(kOwn), FileName(m_ownPaths[0]),
                                            {{11, 21}, records::View::Frontal}, &error))
            << error;
        ASSERT_TRUE(records::SetPictureTags(m_drive.PatientDir(kOwn), FileName(m_ownPaths[2]),
                                            {{55}, records::View::UpperOcclusal}, &error))
            << error;
        ASSERT_TRUE(WriteWorklistFile(m_drive.PatientDir(kWorklisted),
                                      {"P-77", "Wang^Fang=王^芳=", "19850612", "F", "CITY"}, &error))
            << error;
        // The worklist's order of that day, with a requested procedure and a referring physician.
        records::PatientOrder order;
        order.date = "20250301";
        order.studyUid = kOrderStudy;
        order.accessionNumber = "ACC-7";
        order.requestedProcedureId = "RP-7";
        order.requestedProcedureDescription = "Intraoral photographs";
        order.stepId = "SPS-1";
        order.stepDescription = "Check-up";
        order.referringPhysician = "Li^Wei=李^伟=";
        ASSERT_TRUE(records::WritePatientOrder(m_drive.PatientDir(kWorklisted), order, &error)) << error;
    }

    // Makes the object of one picture on its own, as one send of it does, and writes it out.
    void Make(uint64_t uid, const std::string& logicalPath) {
        PictureSource source;
        std::string error;
        ASSERT_TRUE(LoadPictureSource(uid, logicalPath, &source, &error)) << error;
        const std::unique_ptr<PictureObject> object = PictureObject::Build(source, &error);
        ASSERT_NE(object, nullptr) << error;
        const std::string file = m_drive.Root() + "/" + std::to_string(m_files.size()) + ".dcm";
        ASSERT_TRUE(object->WriteFile(file, &error)) << error;
        m_files.push_back(file);
        m_datasets.emplace_back(new DcmFileFormat(object->File()));
    }

    // The picture saved again over itself, strokes drawn on it, as "Save" does: its original
    // is kept aside first.
    void SaveWithStrokes(const std::string& logicalPath, int seed) {
        int error = 0;
        ASSERT_TRUE(records::KeepOriginal(platform::HostPath(logicalPath), &error)) << error;
        dicomtest::WriteFile(platform::HostPath(logicalPath), dicomtest::MakeJpeg(64, 48, seed, false));
    }

    void MakeAll() {
        for (const std::string& path : m_ownPaths) Make(kOwn, path);
        ASSERT_NO_FATAL_FAILURE(SaveWithStrokes(m_ownPaths[1], 9));
        Make(kOwn, m_ownPaths[1]);
        for (const std::string& path : m_worklistedPaths) Make(kWorklisted, path);
    }

    dicomtest::TempDrive m_drive;
    std::vector<std::string> m_ownPaths, m_worklistedPaths;
    std::vector<std::string> m_files;
    std::vector<std::unique_ptr<DcmFileFormat>> m_datasets;
};

TEST_F(ObjectSetTest, StudiesAndSeriesAgreeAndInstancesAreNumberedApart) {
    ASSERT_NO_FATAL_FAILURE(MakeAll());
    ASSERT_EQ(m_datasets.size(), 6u);

    // Attributes of the study and the series level, the same in every object of the entity.
    const std::vector<DcmTagKey> studyLevel = {DCM_StudyDate, DCM_StudyTime,   DCM_StudyID,
                                               DCM_PatientID, DCM_PatientName, DCM_IssuerOfPatientID};
    const std::vector<DcmTagKey> seriesLevel = {DCM_SeriesDate, DCM_SeriesTime,  DCM_SeriesNumber,
                                                DCM_Modality,   DCM_StationName, DCM_DeviceSerialNumber};
    std::map<std::string, std::vector<std::string>> studies, series;
    std::map<std::string, std::set<std::string>> numbers;
    std::set<std::string> instances;
    for (const auto& file : m_datasets) {
        DcmDataset* dataset = file->getDataset();
        std::vector<std::string> studyValues, seriesValues;
        for (const DcmTagKey& tag : studyLevel) studyValues.push_back(Text(dataset, tag));
        for (const DcmTagKey& tag : seriesLevel) seriesValues.push_back(Text(dataset, tag));
        const std::string study = Text(dataset, DCM_StudyInstanceUID);
        const std::string one = Text(dataset, DCM_SeriesInstanceUID);
        EXPECT_EQ(studies.emplace(study, studyValues).first->second, studyValues) << study;
        EXPECT_EQ(series.emplace(one, seriesValues).first->second, seriesValues) << one;
        EXPECT_TRUE(numbers[one].insert(Text(dataset, DCM_InstanceNumber)).second)
            << "instance number used twice in " << one << ": " << Text(dataset, DCM_InstanceNumber);
        EXPECT_TRUE(instances.insert(Text(dataset, DCM_SOPInstanceUID)).second);
    }
    EXPECT_EQ(studies.size(), 3u);  // two days of one patient, one day of the other

    // The picture saved with strokes is derived; the others are as they were taken.
    for (size_t i = 0; i < m_datasets.size(); ++i) {
        EXPECT_EQ(Text(m_datasets[i]->getDataset(), DCM_ImageType),
                  i == kSavedWithStrokes ? "DERIVED\\SECONDARY" : "ORIGINAL\\PRIMARY")
            << i;
    }
    EXPECT_EQ(series.size(), 3u);

    // The age on the picture's day, from the worklist's birth date rather than the record's age.
    DcmDataset* worklisted = m_datasets.back()->getDataset();
    EXPECT_EQ(Text(worklisted, DCM_PatientID), "P-77");
    EXPECT_EQ(Text(worklisted, DCM_PatientAge), "039Y");
    // Its picture of the order's day lands on the order, the name whole in all its groups.
    EXPECT_EQ(Text(worklisted, DCM_PatientName), "Wang^Fang=王^芳=");
    EXPECT_EQ(Text(worklisted, DCM_StudyInstanceUID), kOrderStudy);
    EXPECT_EQ(Text(worklisted, DCM_AccessionNumber), "ACC-7");
    EXPECT_EQ(Text(worklisted, DCM_ReferringPhysicianName), "Li^Wei=李^伟=");
    EXPECT_EQ(Text(worklisted, DCM_StudyID), "RP-7");
    DcmItem* request = nullptr;
    ASSERT_TRUE(worklisted->findAndGetSequenceItem(DCM_RequestAttributesSequence, request).good());
    EXPECT_EQ(Text(request, DCM_RequestedProcedureID), "RP-7");
    EXPECT_EQ(Text(request, DCM_ScheduledProcedureStepID), "SPS-1");
    EXPECT_EQ(Text(request, DCM_AccessionNumber), "ACC-7");
    // kavimo's own patient has no order.
    EXPECT_EQ(Text(m_datasets.front()->getDataset(), DCM_AccessionNumber), "");
    EXPECT_FALSE(
        m_datasets.front()->getDataset()->findAndGetSequenceItem(DCM_RequestAttributesSequence, request).good());
    EXPECT_EQ(Text(m_datasets.front()->getDataset(), DCM_PatientAge), "040Y");  // no birth date: the record's
}

TEST_F(ObjectSetTest, AnOrderHoldsOnlyThePicturesOfItsDay) {
    // The same patient photographed on another day than the order's (a later visit): those
    // pictures are kavimo's own study of that day, with no order's number on them.
    records::PatientOrder order;
    std::string error;
    ASSERT_EQ(records::ReadPatientOrder(m_drive.PatientDir(kWorklisted), &order), records::OrderFound::Order);
    order.date = "20250302";
    ASSERT_TRUE(records::WritePatientOrder(m_drive.PatientDir(kWorklisted), order, &error)) << error;
    ASSERT_NO_FATAL_FAILURE(Make(kWorklisted, m_worklistedPaths[0]));
    DcmDataset* dataset = m_datasets.back()->getDataset();
    EXPECT_NE(Text(dataset, DCM_StudyInstanceUID), kOrderStudy);
    EXPECT_EQ(Text(dataset, DCM_AccessionNumber), "");
    EXPECT_EQ(Text(dataset, DCM_StudyID), "20250301");
}

// The lines of a validator's report that start with "Error".
std::vector<std::string> Errors(const std::string& report) {
    std::vector<std::string> errors;
    std::istringstream lines(report);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("Error", 0) == 0) errors.push_back(line);
    }
    return errors;
}

bool Installed(const char* tool) { return dicomtest::RunCommand(std::string("command -v ") + tool).status == 0; }

TEST_F(ObjectSetTest, ValidatorsFindNoErrorInAnObjectOrAcrossTheSet) {
    if (!Installed("dciodvfy") || !Installed("dcentvfy")) {
        GTEST_SKIP() << "dciodvfy and dcentvfy (package dicom3tools, scripts/bootstrap) are not installed";
    }
    ASSERT_NO_FATAL_FAILURE(MakeAll());
    std::string all;
    for (const std::string& file : m_files) {
        const dicomtest::CommandResult checked = dicomtest::RunCommand("dciodvfy '" + file + "'");
        EXPECT_NE(checked.output.find("VLPhotographicImage"), std::string::npos) << checked.output;
        EXPECT_EQ(Errors(checked.output), std::vector<std::string>()) << file << ":\n" << checked.output;
        all += " '" + file + "'";
    }
    const dicomtest::CommandResult across = dicomtest::RunCommand("dcentvfy" + all);
    EXPECT_EQ(Errors(across.output), std::vector<std::string>()) << across.output;
}

TEST_F(ObjectSetTest, ExportFolderOpensWithADicomDirTheValidatorsAccept) {
    if (!Installed("dciodvfy") || !Installed("dcmdump")) {
        GTEST_SKIP() << "dciodvfy (dicom3tools) and dcmdump (dcmtk) are needed (scripts/bootstrap)";
    }
    const std::string folder = m_drive.Root() + "/stick";
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    ExportFolder exported(folder);
    std::set<std::string> instances;
    std::set<std::string> fileIds;
    std::string error, fileId;
    for (int round = 0; round < 2; ++round) {  // the second export goes over the first
        for (const auto& [uid, paths] : {std::pair(kOwn, m_ownPaths), std::pair(kWorklisted, m_worklistedPaths)}) {
            for (const std::string& path : paths) {
                PictureSource source;
                ASSERT_TRUE(LoadPictureSource(uid, path, &source, &error)) << error;
                const std::unique_ptr<PictureObject> object = PictureObject::Build(source, &error);
                ASSERT_NE(object, nullptr) << error;
                ASSERT_TRUE(exported.Add(*object, &fileId, &error)) << error;
                instances.insert(object->SopInstanceUid());
                fileIds.insert(fileId);
            }
        }
        ASSERT_TRUE(exported.WriteDicomDir(&error)) << error;
    }
    EXPECT_EQ(fileIds.size(), instances.size());
    for (const std::string& id : fileIds) {
        SCOPED_TRACE(id);
        std::string component;
        std::istringstream parts(id);
        int depth = 0;
        while (std::getline(parts, component, '/')) {
            ++depth;
            EXPECT_LE(component.size(), 8u);
            EXPECT_EQ(component.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_"), std::string::npos);
        }
        EXPECT_EQ(depth, 3);
    }

    const std::string dicomDir = folder + "/DICOMDIR";
    const dicomtest::CommandResult checked = dicomtest::RunCommand("dciodvfy '" + dicomDir + "'");
    EXPECT_NE(checked.output.find("BasicDirectory"), std::string::npos) << checked.output;
    EXPECT_EQ(Errors(checked.output), std::vector<std::string>()) << checked.output;
    // Every picture listed once, under the file ID it was written to.
    const dicomtest::CommandResult dump = dicomtest::RunCommand("dcmdump '" + dicomDir + "'");
    EXPECT_EQ(dump.status, 0) << dump.output;
    for (const std::string& instance : instances) {
        size_t count = 0;
        for (size_t at = dump.output.find("[" + instance + "]"); at != std::string::npos;
             at = dump.output.find("[" + instance + "]", at + 1)) {
            ++count;
        }
        EXPECT_EQ(count, 1u) << instance << "\n" << dump.output;
    }
}

// How many times `needle` occurs in `text`.
size_t Count(const std::string& text, const std::string& needle) {
    size_t n = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size())) ++n;
    return n;
}

TEST_F(ObjectSetTest, TaggedPicturesCarryTheStandardsCodesOfTheirTeeth) {
    if (!Installed("dcmdump")) GTEST_SKIP() << "dcmdump (package dcmtk, scripts/bootstrap) is not installed";
    ASSERT_NO_FATAL_FAILURE(MakeAll());
    // Teeth 11 and 21 from the front: two items of (0008,2228), the mouth, the view.
    const std::string permanent = dicomtest::RunCommand("dcmdump '" + m_files[0] + "'").output;
    EXPECT_EQ(Count(permanent, "(0008,2228) SQ"), 1u) << permanent;
    EXPECT_EQ(Count(permanent, "(0008,0100) SH [422653006]"), 1u) << permanent;  // 11, CID 4018
    EXPECT_EQ(Count(permanent, "(0008,0100) SH [424399000]"), 1u) << permanent;  // 21, CID 4018
    EXPECT_EQ(Count(permanent, "(0008,0102) SH [SCT]"), 3u) << permanent;        // two teeth and the mouth
    EXPECT_EQ(Count(permanent, "(0008,2218) SQ"), 1u) << permanent;
    EXPECT_EQ(Count(permanent, "(0008,0100) SH [123851003]"), 1u) << permanent;
    EXPECT_EQ(Count(permanent, "(0054,0220) SQ"), 1u) << permanent;
    // The deciduous upper right second molar (55).
    const std::string deciduous = dicomtest::RunCommand("dcmdump '" + m_files[2] + "'").output;
    EXPECT_EQ(Count(deciduous, "(0008,0100) SH [27855007]"), 1u) << deciduous;  // 55, CID 4019
    EXPECT_EQ(Count(deciduous, "(0008,0104) LO [Deciduous maxillary right second molar tooth]"), 1u) << deciduous;
    // A picture without teeth still shows the mouth, and no tooth or view.
    const std::string untagged = dicomtest::RunCommand("dcmdump '" + m_files[1] + "'").output;
    EXPECT_EQ(Count(untagged, "(0008,2228)"), 0u) << untagged;
    EXPECT_EQ(Count(untagged, "(0054,0220)"), 0u) << untagged;
    EXPECT_EQ(Count(untagged, "(0008,0100) SH [123851003]"), 1u) << untagged;
}

}  // namespace
