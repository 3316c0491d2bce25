// Exporting, sending, the outbox and the worklist against a real archive: one Orthanc on
// 127.0.0.1 serves every test of this program; each test clears it first.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

#include "dcmtk/config/osconfig.h"
#include "dcmtk/dcmdata/dcdeftag.h"
#include "dcmtk/dcmdata/dcfilefo.h"
#include "dcmtk/dcmdata/dcpixel.h"
#include "dcmtk/dcmdata/dcpixseq.h"
#include "dcmtk/dcmdata/dcpxitem.h"
#include "dcmtk/dcmdata/dcuid.h"
#include "dicom/outbox.h"
#include "dicom/patient.h"
#include "dicomtestsupport.h"
#include "orthanc.h"
#include "platform/paths.h"
#include "records/recordtypes.h"
#include "records/textconv.h"

namespace {

using namespace dicomtest;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr uint64_t kUid = 20240101080000ull;

class ArchiveTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server_ = new OrthancServer;
        std::string error;
        started_ = server_->Start(&error);
        startError_ = error;
    }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(started_) << startError_;
        if (!server_->Running()) {
            std::string error;
            ASSERT_TRUE(server_->Start(&error)) << error;
        }
        server_->Clear();
        ASSERT_TRUE(server_->Instances().empty());
    }

    OrthancServer& Server() { return *server_; }

    CommandResult Tool(const std::string& arguments) {
        return RunCommand("'" + std::string(KAVIMO_RECORDS_TOOL) + "' --drive-d '" + drive_.Root() + "' " + arguments);
    }

    // The object Orthanc keeps for an instance.
    std::unique_ptr<DcmFileFormat> StoredFile(const std::string& id) {
        const std::string path = drive_.Root() + "/stored.dcm";
        const CommandResult download = RunCommand("curl -sf --max-time 20 -o '" + path +
                                                  "' 'http://127.0.0.1:" + HttpPort() + "/instances/" + id + "/file'");
        EXPECT_EQ(download.status, 0) << download.output;
        auto file = std::make_unique<DcmFileFormat>();
        EXPECT_TRUE(file->loadFile(path.c_str()).good());
        return file;
    }

    std::string HttpPort() {
        // The REST API's port is in the generated configuration.
        const std::string config = ReadFile(Server().Dir() + "/orthanc.json");
        const size_t at = config.find("\"HttpPort\": ") + 12;
        return config.substr(at, config.find(',', at) - at);
    }

    // The pictures' JPEG bytes by picture name.
    std::map<std::string, std::string> jpegs_;
    std::vector<std::string> AddPatient(int pictures, int progressiveEvery = 0, int size = 96) {
        std::vector<std::pair<uint64_t, std::string>> list;
        for (int i = 0; i < pictures; ++i) {
            const bool progressive = progressiveEvery > 0 && i % progressiveEvery == progressiveEvery - 1;
            const std::string jpeg = MakeJpeg(size + 16 * i, size, i + 1, progressive);
            const uint64_t stamp = 20240102090000ull + uint64_t(i);
            list.push_back({stamp, jpeg});
            jpegs_[std::to_string(stamp)] = jpeg;
        }
        return drive_.AddPatient(kUid, u"Åsa Öberg", 0, 29, list, u"Riverside Dental");
    }

    static OrthancServer* server_;
    static bool started_;
    static std::string startError_;
    TempDrive drive_;
};

OrthancServer* ArchiveTest::server_ = nullptr;
bool ArchiveTest::started_ = false;
std::string ArchiveTest::startError_;

// The date of the patient's first picture as the records hold it.
std::string FirstPictureDate(const TempDrive& drive) {
    const std::string list = ReadFile(drive.PatientDir(kUid) + "/DisePicList.fdb");
    _DISE_PIC picture = {};
    std::memcpy(&picture, list.data(), sizeof picture);
    char date[16];
    std::snprintf(date, sizeof date, "%04d%02d%02d", picture.year, picture.month, picture.day);
    return date;
}

TEST_F(ArchiveTest, ExportedAndSentPicturesArriveOnceWithTheirAttributesAndBytes) {
    AddPatient(3, 3);  // the third picture is progressive JPEG
    const std::string exportDir = drive_.Root() + "/export";
    const CommandResult exported = Tool("export-dicom " + std::to_string(kUid) + " '" + exportDir + "'");
    ASSERT_EQ(exported.status, 0) << exported.output;
    // Each picture's file is named on its own line, "<folder>/DICOM/... (<picture>)", and listed
    // in the DICOMDIR.
    for (const auto& jpeg : jpegs_) {
        const size_t end = exported.output.find(" (" + jpeg.first + ")\n");
        ASSERT_NE(end, std::string::npos) << exported.output;
        const size_t start = exported.output.rfind('\n', end) + 1;
        DcmFileFormat file;
        ASSERT_TRUE(file.loadFile(exported.output.substr(start, end - start).c_str()).good()) << jpeg.first;
    }
    DcmFileFormat dicomDir;
    EXPECT_TRUE(dicomDir.loadFile((exportDir + "/DICOMDIR").c_str()).good());

    const CommandResult sent = Tool("send-dicom UID" + std::to_string(kUid) + " --pacs " + Server().AddressText());
    ASSERT_EQ(sent.status, 0) << sent.output;
    EXPECT_THAT(sent.output, HasSubstr("3 of 3 pictures stored"));

    const std::vector<std::string> ids = Server().Instances();
    ASSERT_EQ(ids.size(), 3u);
    std::set<std::string> studies, names;
    for (const std::string& id : ids) {
        const std::string tags = Server().Get("/instances/" + id + "/simplified-tags");
        EXPECT_EQ(JsonValue(tags, "SpecificCharacterSet"), "ISO_IR 192");
        EXPECT_EQ(JsonValue(tags, "SOPClassUID"), UID_VLPhotographicImageStorage);
        EXPECT_EQ(JsonValue(tags, "PatientName"), "Åsa Öberg");
        EXPECT_EQ(JsonValue(tags, "PatientID"), std::to_string(kUid));
        EXPECT_EQ(JsonValue(tags, "PatientSex"), "F");
        EXPECT_EQ(JsonValue(tags, "PatientAge"), "029Y");
        EXPECT_EQ(JsonValue(tags, "PatientBirthDate"), "");
        EXPECT_EQ(JsonValue(tags, "Modality"), "XC");
        EXPECT_EQ(JsonValue(tags, "StudyDate"), FirstPictureDate(drive_));
        EXPECT_EQ(JsonValue(tags, "ContentDate"), FirstPictureDate(drive_));
        EXPECT_EQ(JsonValue(tags, "AcquisitionDateTime").substr(0, 8), FirstPictureDate(drive_));
        EXPECT_EQ(JsonValue(tags, "InstitutionName"), "Riverside Dental");
        EXPECT_EQ(JsonValue(tags, "Manufacturer"), "kavimo");
        EXPECT_THAT(JsonValue(tags, "SoftwareVersions"), HasSubstr("kavimo"));
        EXPECT_EQ(JsonValue(tags, "SOPInstanceUID").compare(0, 5, "2.25."), 0);
        studies.insert(JsonValue(tags, "StudyInstanceUID"));

        // The stored object holds the picture: the JPEG as it was stored (only its APPn segments
        // left out), or, for the progressive one, its decoded pixels.
        const std::string name = JsonValue(tags, "ImageComments");
        names.insert(name);
        ASSERT_TRUE(jpegs_.count(name)) << name;
        const std::string& jpeg = jpegs_[name];
        std::unique_ptr<DcmFileFormat> file = StoredFile(id);
        DcmDataset* dataset = file->getDataset();
        DcmElement* element = nullptr;
        ASSERT_TRUE(dataset->findAndGetElement(DCM_PixelData, element).good());
        auto* pixelData = static_cast<DcmPixelData*>(element);
        const E_TransferSyntax syntax = dataset->getOriginalXfer();
        if (name == std::prev(jpegs_.end())->first) {
            EXPECT_EQ(syntax, EXS_LittleEndianExplicit);
            int width = 0, height = 0;
            const std::vector<unsigned char> pixels = DecodeJpeg(jpeg, &width, &height);
            Uint8* stored = nullptr;
            ASSERT_TRUE(pixelData->getUint8Array(stored).good());
            ASSERT_EQ(pixelData->getLength(), pixels.size());
            EXPECT_EQ(std::memcmp(stored, pixels.data(), pixels.size()), 0);
        } else {
            EXPECT_EQ(syntax, EXS_JPEGProcess1);
            DcmPixelSequence* sequence = nullptr;
            ASSERT_TRUE(pixelData->getEncapsulatedRepresentation(syntax, nullptr, sequence).good());
            DcmPixelItem* fragment = nullptr;
            ASSERT_TRUE(sequence->getItem(fragment, 1).good());
            Uint8* bytes = nullptr;
            ASSERT_TRUE(fragment->getUint8Array(bytes).good());
            const std::string kept = WithoutAppSegments(jpeg);
            ASSERT_GE(fragment->getLength(), kept.size());
            EXPECT_LE(fragment->getLength(), kept.size() + 1);  // padded to an even length
            EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), kept.size()), kept);
        }
    }
    EXPECT_EQ(studies.size(), 1u);  // one day, one study
    EXPECT_EQ(names.size(), 3u);

    // Sending again adds nothing.
    const CommandResult again = Tool("send-dicom " + std::to_string(kUid) + " --pacs " + Server().AddressText());
    EXPECT_EQ(again.status, 0) << again.output;
    EXPECT_EQ(Server().Instances().size(), 3u);
}

TEST_F(ArchiveTest, RefusedAssociationFailsClearlyAndKeepsTheQueue) {
    const std::vector<std::string> paths = AddPatient(2);
    dicom::PacsAddress wrong = Server().Address();
    wrong.calledAet = "NOT_THE_ARCHIVE";
    const CommandResult sent = Tool("send-dicom " + std::to_string(kUid) + " --pacs " + wrong.Text());
    EXPECT_EQ(sent.status, 1) << sent.output;
    EXPECT_THAT(sent.output, HasSubstr("refused"));
    EXPECT_THAT(sent.output, HasSubstr("0 of 2 pictures stored"));

    std::mutex mutex;
    std::condition_variable changed;
    dicom::PacsOutbox::Progress last;
    const std::string queue = drive_.Work() + "/" + dicom::kOutboxFile;
    dicom::PacsOutbox outbox(queue, [&](const dicom::PacsOutbox::Progress& progress) {
        std::lock_guard<std::mutex> lock(mutex);
        last = progress;
        changed.notify_all();
    });
    outbox.SetRetryPauses(std::chrono::milliseconds(100), std::chrono::milliseconds(200));
    outbox.SetAddress(wrong);
    std::string error;
    outbox.Start();
    ASSERT_TRUE(outbox.Enqueue(kUid, paths, &error)) << error;
    {
        std::unique_lock<std::mutex> lock(mutex);
        ASSERT_TRUE(changed.wait_for(lock, std::chrono::seconds(30), [&] { return last.waiting; }));
        EXPECT_THAT(last.lastError, HasSubstr("refused"));
        EXPECT_EQ(last.pending, 2u);
    }
    EXPECT_EQ(outbox.Pending(), 2u);
    std::vector<dicom::OutboxEntry> onDisk;
    ASSERT_TRUE(dicom::LoadOutboxFile(queue, &onDisk, &error));
    EXPECT_EQ(onDisk.size(), 2u);
    EXPECT_TRUE(Server().Instances().empty());

    // With the right address the queue empties.
    outbox.SetAddress(Server().Address());
    outbox.RetryNow();
    for (int i = 0; i < 300 && outbox.Pending() > 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(outbox.Pending(), 0u);
    EXPECT_EQ(Server().Instances().size(), 2u);
}

TEST_F(ArchiveTest, OutboxDropsAPictureTooLargeToOpenAndSendsTheNext) {
    const std::string good = MakeJpeg(64, 48, 2, false);
    const std::vector<std::string> paths = drive_.AddPatient(
        kUid, u"Åsa Öberg", 0, 29, {{20240102090000ull, MakeOversizedJpeg(0xC1)}, {20240102090001ull, good}},
        u"Riverside Dental");
    ASSERT_EQ(paths.size(), 2u);
    std::mutex mutex;
    std::condition_variable changed;
    dicom::PacsOutbox::Progress last;
    const std::string queue = drive_.Work() + "/" + dicom::kOutboxFile;
    dicom::PacsOutbox outbox(queue, [&](const dicom::PacsOutbox::Progress& progress) {
        std::lock_guard<std::mutex> lock(mutex);
        last = progress;
        changed.notify_all();
    });
    outbox.SetAddress(Server().Address());
    std::string error;
    outbox.Start();
    ASSERT_TRUE(outbox.Enqueue(kUid, paths, &error)) << error;
    {
        std::unique_lock<std::mutex> lock(mutex);
        ASSERT_TRUE(
            changed.wait_for(lock, std::chrono::seconds(30), [&] { return last.finished && last.pending == 0; }));
        EXPECT_EQ(last.sent, 1u);
        EXPECT_EQ(last.failed, 1u);
        EXPECT_FALSE(last.waiting);
        EXPECT_THAT(last.lastError, HasSubstr("60000 \u00d7 60000 pixels, more than kavimo opens"));
    }
    std::vector<dicom::OutboxEntry> left;
    ASSERT_TRUE(dicom::LoadOutboxFile(queue, &left, &error)) << error;
    EXPECT_TRUE(left.empty());
    ASSERT_EQ(Server().Instances().size(), 1u);
    EXPECT_EQ(JsonValue(Server().Get("/instances/" + Server().Instances()[0] + "/simplified-tags"), "ImageComments"),
              "20240102090001");
}

TEST_F(ArchiveTest, OutageInTheMiddleOfABatchLosesNothingAndDuplicatesNothing) {
    constexpr size_t kPictures = 12;
    const std::vector<std::string> paths = AddPatient(int(kPictures));
    const std::string queue = drive_.Work() + "/" + dicom::kOutboxFile;
    std::string error;
    {
        // The archive goes down after the third confirmed picture; then kavimo is "killed".
        std::atomic<bool> stopped{false};
        dicom::PacsOutbox outbox(queue, [&](const dicom::PacsOutbox::Progress& progress) {
            if (progress.sent == 3 && !stopped.exchange(true)) Server().Kill();
        });
        outbox.SetRetryPauses(std::chrono::milliseconds(100), std::chrono::milliseconds(400));
        outbox.SetAddress(Server().Address());
        outbox.Start();
        ASSERT_TRUE(outbox.Enqueue(kUid, paths, &error)) << error;
        for (int i = 0; i < 300 && !stopped; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ASSERT_TRUE(stopped);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        EXPECT_EQ(outbox.Pending(), kPictures - 3);
    }
    std::vector<dicom::OutboxEntry> left;
    ASSERT_TRUE(dicom::LoadOutboxFile(queue, &left, &error)) << error;
    EXPECT_EQ(left.size(), kPictures - 3);

    // The next run finds the queue, waits for the archive and sends the rest once.
    ASSERT_TRUE(Server().Start(&error)) << error;
    dicom::PacsOutbox outbox(queue, nullptr);
    outbox.SetRetryPauses(std::chrono::milliseconds(100), std::chrono::milliseconds(400));
    outbox.SetAddress(Server().Address());
    outbox.Start();
    for (int i = 0; i < 600 && outbox.Pending() > 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(outbox.Pending(), 0u);
    // The count drops as each answer arrives; the file follows at the end of the round, and at
    // the latest when the outbox stops.
    outbox.Stop();
    ASSERT_TRUE(dicom::LoadOutboxFile(queue, &left, &error));
    EXPECT_TRUE(left.empty());
    EXPECT_EQ(Server().Instances().size(), kPictures);
    std::set<std::string> instances;
    for (const std::string& id : Server().Instances()) {
        instances.insert(JsonValue(Server().Get("/instances/" + id + "/simplified-tags"), "ImageComments"));
    }
    EXPECT_EQ(instances.size(), kPictures);
}

TEST_F(ArchiveTest, WorklistPatientIsListedAndItsIdentityGoesIntoTheObjects) {
    const std::string dump = drive_.Root() + "/entry.dump";
    WriteFile(dump,
              "(0008,0005) CS [ISO_IR 192]\n"
              "(0008,0050) SH [ACC-1]\n"
              "(0010,0010) PN [Berg^Anna]\n"
              "(0010,0020) LO [P-0042]\n"
              "(0010,0030) DA [19800229]\n"
              "(0010,0040) CS [F]\n"
              "(0040,0100) SQ\n"
              "(fffe,e000) -\n"
              "(0008,0060) CS [XC]\n"
              "(0040,0001) AE [ARCHIVE]\n"
              "(0040,0002) DA [20261208]\n"
              "(0040,0003) TM [0930]\n"
              "(0040,0007) LO [Check-up]\n"
              "(fffe,e00d) -\n"
              "(fffe,e0dd) -\n");
    const CommandResult made = RunCommand("dump2dcm '" + dump + "' '" + Server().WorklistDir() + "/anna.wl'");
    ASSERT_EQ(made.status, 0) << made.output;

    const CommandResult listed = Tool("worklist --pacs " + Server().AddressText() + " --date 20261208");
    ASSERT_EQ(listed.status, 0) << listed.output;
    EXPECT_THAT(listed.output, HasSubstr("P-0042"));
    EXPECT_THAT(listed.output, HasSubstr("Berg^Anna"));
    EXPECT_THAT(listed.output, HasSubstr("19800229"));
    EXPECT_THAT(listed.output, HasSubstr("Check-up"));
    const CommandResult otherDay = Tool("worklist --pacs " + Server().AddressText() + " --date 20261209");
    EXPECT_EQ(otherDay.status, 0) << otherDay.output;
    EXPECT_THAT(otherDay.output, HasSubstr("0 scheduled patients"));

    // A day with more entries than are listed: the list says it was cut, and that is no failure.
    const CommandResult copied = RunCommand("cd '" + Server().WorklistDir() +
                                            "' && for i in $(seq 1000); do cp anna.wl more-$i.wl || exit 1; done");
    ASSERT_EQ(copied.status, 0) << copied.output;
    const CommandResult cut = Tool("worklist --pacs " + Server().AddressText() + " --date 20261208");
    EXPECT_EQ(cut.status, 0) << cut.output;
    EXPECT_THAT(cut.output, HasSubstr("(list cut at 1000 entries"));
    EXPECT_THAT(listed.output, Not(HasSubstr("list cut")));
    RunCommand("rm -f '" + Server().WorklistDir() + "'/more-*.wl");

    // The patient made from the entry keeps the worklist's identity in its objects.
    AddPatient(1);
    std::string error;
    ASSERT_TRUE(
        dicom::WriteWorklistFile(drive_.PatientDir(kUid), {"P-0042", "Berg^Anna", "19800229", "F", "CITY"}, &error))
        << error;
    const CommandResult check = Tool("check");
    EXPECT_EQ(check.status, 0) << check.output;
    const CommandResult sent = Tool("send-dicom " + std::to_string(kUid) + " --pacs " + Server().AddressText());
    ASSERT_EQ(sent.status, 0) << sent.output;
    const std::vector<std::string> ids = Server().Instances();
    ASSERT_EQ(ids.size(), 1u);
    const std::string tags = Server().Get("/instances/" + ids[0] + "/simplified-tags");
    EXPECT_EQ(JsonValue(tags, "PatientID"), "P-0042");
    EXPECT_EQ(JsonValue(tags, "PatientName"), "Berg^Anna");
    EXPECT_EQ(JsonValue(tags, "PatientBirthDate"), "19800229");
    EXPECT_EQ(JsonValue(tags, "IssuerOfPatientID"), "CITY");
}

}  // namespace
