// The worklist against DCMTK's wlmscpfs on 127.0.0.1: one peer, started once for this program,
// answers from worklist files made with dump2dcm, each in the character set it declares, and
// returns that character set as the file gives it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "dicom/pacsclient.h"
#include "dicomtestsupport.h"
#include "orthanc.h"

namespace {

using namespace dicomtest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* kAet = "WORKLIST";
constexpr const char* kDay = "20261208";

// A worklist file's dump: the patient's attributes, then one scheduled step.
std::string Dump(const std::string& charset, const std::string& patient, const std::string& modality,
                 const std::string& station, const std::string& time) {
    return "(0008,0005) CS [" + charset + "]\n" + patient +
           "(0040,0100) SQ\n"
           "(fffe,e000) -\n"
           "(0008,0060) CS [" +
           modality +
           "]\n"
           "(0040,0001) AE [" +
           station +
           "]\n"
           "(0040,0002) DA [" +
           kDay +
           "]\n"
           "(0040,0003) TM [" +
           time +
           "]\n"
           "(0040,0007) LO [Check-up]\n"
           "(0040,0009) SH [SPS-1]\n"
           "(fffe,e00d) -\n"
           "(fffe,e0dd) -\n";
}

class WorklistPeerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new TempDrive;
        const std::string files = dir_->Root() + "/worklists/" + kAet;
        std::string error;
        if (RunCommand("mkdir -p '" + files + "' && touch '" + files + "/lockfile'").status != 0) return;
        // 王 is CD F5 and 芳 B7 BC in GB18030; ü is FC and ö F6 in Latin-1.
        const std::vector<std::pair<std::string, std::string>> entries = {
            {"wang", Dump("GB18030",
                          "(0008,0050) SH [ACC-7]\n"
                          "(0008,0090) PN [Li^Wei=\xC0\xEE^\xCE\xB0=]\n"
                          "(0010,0010) PN [Wang^Fang=\xCD\xF5^\xB7\xBC=]\n"
                          "(0010,0020) LO [P-CN-1]\n"
                          "(0010,0030) DA [19800229]\n"
                          "(0010,0040) CS [F]\n"
                          "(0020,000d) UI [1.2.826.0.1.3680043.2.1143.77]\n"
                          "(0032,1060) LO [Intraoral photographs]\n"
                          "(0040,1001) SH [RP-7]\n",
                          "XC", "KAVIMO", "1000")},
            {"mueller", Dump("ISO_IR 100",
                             "(0010,0010) PN [M\xFCller^J\xF6rg]\n"
                             "(0010,0020) LO [P-DE-1]\n",
                             "XC", "KAVIMO", "0830")},
            {"ct", Dump("ISO_IR 192",
                        "(0010,0010) PN [Scan^Carl]\n"
                        "(0010,0020) LO [P-CT-1]\n",
                        "CT", "CT01", "0700")},
            {"other", Dump("ISO_IR 192",
                           "(0010,0010) PN [Other^Olga]\n"
                           "(0010,0020) LO [P-OT-1]\n",
                           "XC", "CHAIR2", "0900")},
            {"longid", Dump("ISO_IR 192",
                            "(0010,0010) PN [Long^Id]\n"
                            "(0010,0020) LO [" +
                                std::string(216, '7') + "]\n",
                            "XC", "KAVIMO", "1100")},
            // A broken entry that can still be used once mended: a date that is no day, a name
            // holding an escape and a backslash (read as two values), an accession number too
            // long to be one.
            {"broken", Dump("ISO_IR 192",
                            "(0008,0050) SH [ACC-" + std::string(30, '9') +
                                "]\n"
                                "(0010,0010) PN [Bad\x1bName^Ann\\Second]\n"
                                "(0010,0020) LO [P-BAD-1]\n"
                                "(0010,0030) DA [19000231]\n",
                            "XC", "KAVIMO", "1200")},
        };
        for (const auto& [name, dump] : entries) {
            const std::string dumpFile = dir_->Root() + "/" + name + ".dump";
            WriteFile(dumpFile, dump);
            const CommandResult made = RunCommand("dump2dcm '" + dumpFile + "' '" + files + "/" + name + ".wl'");
            if (made.status != 0) {
                setUpError_ = "dump2dcm " + name + ": " + made.output;
                return;
            }
        }
        port_ = FreeLoopbackPort();
        pid_ = ::fork();
        if (pid_ == 0) {
            const std::string port = std::to_string(port_);
            const std::string data = dir_->Root() + "/worklists";
            // -csk: the answers carry the character set of their files; -dfr: files without every
            // attribute a full worklist has are answered too.
            ::execlp("wlmscpfs", "wlmscpfs", "-dfr", "-csk", "-dfp", data.c_str(), port.c_str(),
                     static_cast<char*>(nullptr));
            ::_exit(127);
        }
        for (int i = 0; i < 100; ++i) {
            if (dicom::EchoPacs(Address(), &error)) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        setUpError_ = "wlmscpfs does not answer: " + error;
    }

    static void TearDownTestSuite() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
        delete dir_;
        dir_ = nullptr;
    }

    void SetUp() override { ASSERT_TRUE(setUpError_.empty()) << setUpError_; }

    static dicom::PacsAddress Address() { return {kAet, "127.0.0.1", port_, "KAVIMO", {}}; }

    // The entries for the query, with the notes on what was not taken as sent.
    std::vector<dicom::WorklistEntry> Find(const dicom::WorklistQuery& query,
                                           std::vector<std::string>* notes = nullptr) {
        dicom::PacsClient client;
        std::vector<dicom::WorklistEntry> entries;
        std::string error;
        EXPECT_TRUE(client.Open(Address(), &error)) << error;
        EXPECT_TRUE(client.FindWorklist(query, &entries, &error, nullptr, notes)) << error;
        client.Close();
        return entries;
    }

    static std::vector<std::string> Ids(const std::vector<dicom::WorklistEntry>& entries) {
        std::vector<std::string> ids;
        for (const dicom::WorklistEntry& entry : entries) ids.push_back(entry.patient.patientId);
        return ids;
    }

    static TempDrive* dir_;
    static int port_;
    static pid_t pid_;
    static std::string setUpError_;
};

TempDrive* WorklistPeerTest::dir_ = nullptr;
int WorklistPeerTest::port_ = 0;
pid_t WorklistPeerTest::pid_ = -1;
std::string WorklistPeerTest::setUpError_;

TEST_F(WorklistPeerTest, ThisStationsPhotographsAreListedByTimeWithTheirOrder) {
    const dicom::WorklistQuery query = dicom::MakeWorklistQuery(kDay, {}, "KAVIMO");
    std::vector<std::string> notes;
    const std::vector<dicom::WorklistEntry> entries = Find(query, &notes);
    // Neither the CT order of CT01 nor the photographs of another chair; the entry whose ID is
    // longer than an ID can be is left out rather than cut.
    EXPECT_THAT(Ids(entries), ElementsAre("P-DE-1", "P-CN-1", "P-BAD-1"));
    ASSERT_EQ(entries.size(), 3u);

    // Each answer in its own character set, converted.
    EXPECT_EQ(entries[0].patient.patientName, "Müller^Jörg");
    const dicom::WorklistEntry& wang = entries[1];
    EXPECT_EQ(wang.patient.patientName, "Wang^Fang=王^芳=");
    EXPECT_EQ(wang.referringPhysician, "Li^Wei=李^伟=");
    EXPECT_EQ(wang.studyUid, "1.2.826.0.1.3680043.2.1143.77");
    EXPECT_EQ(wang.accessionNumber, "ACC-7");
    EXPECT_EQ(wang.requestedProcedureId, "RP-7");
    EXPECT_EQ(wang.requestedProcedureDescription, "Intraoral photographs");
    EXPECT_EQ(wang.stepId, "SPS-1");
    EXPECT_EQ(wang.scheduledTime, "1000");

    // What did not fit its VR is mended or dropped, and the notes say so.
    const dicom::WorklistEntry& bad = entries[2];
    EXPECT_EQ(bad.patient.patientName, "Bad Name^Ann Second");
    EXPECT_EQ(bad.patient.birthDate, "");
    EXPECT_EQ(bad.accessionNumber, "");
    std::string all;
    for (const std::string& note : notes) all += note + "\n";
    EXPECT_THAT(all, HasSubstr(": left out, its Patient ID is unusable (longer than 64 characters)"));
    EXPECT_THAT(all, HasSubstr("patient \"P-BAD-1\": birth date left out (not a date)"));
    EXPECT_THAT(all, HasSubstr("Accession Number left out (longer than 16 characters)"));
    EXPECT_THAT(all, HasSubstr("name shortened or cleaned (contains a control character)"));

    // Every station: the other chair's entry too, still no CT.
    dicom::WorklistFilter everyStation;
    everyStation.thisStationOnly = false;
    EXPECT_THAT(Ids(Find(dicom::MakeWorklistQuery(kDay, everyStation, "KAVIMO"))),
                ElementsAre("P-DE-1", "P-OT-1", "P-CN-1", "P-BAD-1"));
}

}  // namespace
