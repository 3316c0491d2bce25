// kavimo-records, run as a program over a work directory that the store built.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

#include "records/audittrail.h"
#include "records/originals.h"
#include "records/recordfile.h"
#include "records/workdirlock.h"
#include "tests/dicom/dicomtestsupport.h"
#include "tests/records/recordtest.h"

namespace {

using namespace recordtest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr uint64_t kDefaultUid = 20170801102233ull;
constexpr uint64_t kUid1 = 20240101080000ull;

struct ToolRun {
    int status = -1;
    std::string output;
};

// Runs the tool with the arguments (already quoted as needed), stdout and stderr together.
ToolRun RunTool(const std::string& arguments, const std::string& environment = "") {
    ToolRun run;
    // The tool speaks the environment's language: the tests read its English.
    const std::string command = "LANGUAGE= LC_ALL=C.UTF-8 " + environment + " '" + std::string(KAVIMO_RECORDS_TOOL) +
                                "' " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class RecordToolTest : public RecordsTest {
protected:
    // A small, healthy tree: the default patient and Alice with two pictures (one saved over, its
    // original kept) and a diagnosis, and a third picture of hers in the trash.
    void BuildStore() { BuildStoreWith(store_); }
    void BuildStoreWith(RecordStore& store) {
        store.PrepareWorkDir();
        store.Load();
        ASSERT_EQ(store.AddUser(MakeUser(kUid1, u"Alice Ørsted", 5550001, 0, 29)), 1);
        ASSERT_EQ(store.SelectUser(1), 1);
        MakePicture(kUid1, "20240101090000.jpg", dicomtest::MakeJpeg(32, 24, 1, false));
        MakePicture(kUid1, "20240101090001.jpg", dicomtest::MakeJpeg(32, 24, 2, false));
        MakePicture(kUid1, "20240101090002.jpg", dicomtest::MakeJpeg(32, 24, 3, false));
        ASSERT_EQ(store.RebuildPictures(), 1);
        ASSERT_TRUE(records::KeepOriginal(PatientHost(kUid1) + "/20240101090001.jpg", nullptr));
        const std::string drawn = dicomtest::MakeJpeg(32, 24, 4, false);
        ASSERT_TRUE(
            records::ReplaceFile(PatientHost(kUid1) + "/20240101090001.jpg", drawn.data(), drawn.size(), nullptr));
        ASSERT_EQ(store.DeletePicture(2), 1);
        store.Flush();
        ASSERT_EQ(store.SetDescription(u"caries, tooth 36"), 1);
        ASSERT_EQ(store.SetHospital(u"Riverside Dental"), 1);
        ASSERT_EQ(store.CommitCurrentUser(), 1);
    }
    ToolRun Tool(const std::string& arguments) { return RunTool("--drive-d '" + root_ + "' " + arguments); }
};

TEST_F(RecordToolTest, CheckPassesATreeTheStoreBuiltAndChangesNothing) {
    BuildStore();
    const std::string userList = ReadBytes(UserListHost());
    // Also while kavimo runs on the directory: its lock file is no stray file.
    records::WorkDirLock running;
    ASSERT_EQ(running.Acquire(Work()), records::WorkDirLock::Status::Held);
    const ToolRun run = Tool("check");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_THAT(run.output, HasSubstr("2 patients checked: 0 problems"));
    EXPECT_EQ(ReadBytes(UserListHost()), userList);
    EXPECT_EQ(Tool("list").status, 0);

    // The drive can also come from the environment.
    const ToolRun fromEnvironment = RunTool("check", "KAVIMO_DRIVE_D='" + root_ + "'");
    EXPECT_EQ(fromEnvironment.status, 0) << fromEnvironment.output;
}

TEST_F(RecordToolTest, FindsTheWorkDirectoryWhereTheSettingsFilePutsIt) {
    BuildStore();
    // The Settings dialog wrote the folder into kavimo.ini (quoted: it holds a comma).
    const std::string home = root_ + "/home, settings";
    ASSERT_EQ(::system(("mkdir -p '" + home + "/.config/kavimo'").c_str()), 0);
    {
        std::ofstream ini(home + "/.config/kavimo/kavimo.ini");
        ini << "[General]\nlast=1\n\n[paths]\ndrive_d=\"" << root_ << "\"\n";
    }
    const std::string env = "env -u KAVIMO_DRIVE_D -u XDG_CONFIG_HOME -u KAVIMO_CONFIG HOME='" + home + "'";
    ToolRun run = RunTool("check", env);
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_THAT(run.output, HasSubstr("2 patients checked"));
    // KAVIMO_CONFIG names another file; the environment and the command line come first.
    run = RunTool("check", "env -u KAVIMO_DRIVE_D KAVIMO_CONFIG='" + home + "/none.ini' HOME='" + home + "'");
    EXPECT_EQ(run.status, 2) << run.output;
    run = RunTool("check", env + " KAVIMO_DRIVE_D='" + home + "'");
    EXPECT_EQ(run.status, 2) << run.output;
    run = RunTool("--drive-d '" + home + "' check", env);
    EXPECT_EQ(run.status, 2) << run.output;
}

TEST_F(RecordToolTest, CheckFindsEachKindOfDamage) {
    struct Damage {
        const char* name;
        std::function<void()> apply;
        const char* expected;
    };
    const std::vector<Damage> damages = {
        {"picture file removed", [this] { ::unlink((PatientHost(kUid1) + "/20240101090000.jpg").c_str()); },
         "the file is missing"},
        {"picture list truncated", [this] { ::truncate(PictureListHost(kUid1).c_str(), 152); },
         "holds 1 record, the record counts 2"},
        {"backup removed", [this] { ::unlink(BackupHost(kUid1).c_str()); }, "missing backup"},
        {"picture not listed", [this] { MakePicture(kUid1, "20240101090002.jpg"); }, "not in the picture list"},
        {"picture that is a PNG",
         [this] { MakePicture(kUid1, "20240101090001.jpg", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)); },
         "20240101090001.jpg\": not a JPEG picture (content: PNG)"},
        {"interrupted rewrite", [this] { WriteBytes(Work() + "/.UserList.fdb.a1B2c3", "x"); }, "interrupted rewrite"},
        {"stray file", [this] { WriteBytes(PatientHost(kUid1) + "/notes.txt", "x"); }, "stray file"},
        {"patient details damaged",
         [this] { WriteBytes(PatientHost(kUid1) + "/Details.txt", "Name=Alice Ørsted\nSex=female\n"); },
         "Details.txt: damaged patient details (Sex is not one of M, F, O, U)"},
        {"original left alone", [this] { WriteBytes(PatientHost(kUid1) + "/.originals/20240101093000.jpg", "x"); },
         "an original without its picture"},
        {"trash index damaged", [this] { WriteBytes(Work() + "/.trash/index", "kavimo-trash 1\nnot an entry\n"); },
         "line 2 of the index cannot be read"},
        {"diagnosis list short",
         [this] {
             _USER_INFO alice = Backup(kUid1);
             alice.diagCount = 1;
             RewriteBackup(alice);
         },
         "DiagList.fdb: holds 0 records, the record counts 1"},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.name);
        std::filesystem::remove_all(Work());
        RecordStore fresh(&notifier_);
        BuildStoreWith(fresh);
        ASSERT_EQ(Tool("check").status, 0);
        damage.apply();
        const ToolRun run = Tool("check");
        EXPECT_EQ(run.status, 1) << run.output;
        EXPECT_THAT(run.output, HasSubstr(damage.expected)) << run.output;
    }
}

TEST_F(RecordToolTest, ListAndShowPrintThePatients) {
    BuildStore();
    const ToolRun list = Tool("list");
    EXPECT_EQ(list.status, 0) << list.output;
    EXPECT_THAT(list.output, HasSubstr("UID20170801102233"));
    EXPECT_THAT(list.output, HasSubstr("Test User"));
    EXPECT_THAT(list.output, HasSubstr("Alice Ørsted"));
    EXPECT_THAT(list.output, HasSubstr("Riverside Dental"));
    EXPECT_THAT(list.output, HasSubstr("2 patients\n"));
    // A Chinese name takes two columns a character: the columns after it still line up.
    ASSERT_EQ(store_.AddUser(MakeUser(20240303080000ull, u"\u5f20\u4e09\u4e30", 5550003, 0, 30)), 1);
    const ToolRun wide = Tool("list");
    EXPECT_THAT(wide.output, HasSubstr("\u5f20\u4e09\u4e30" + std::string(11, ' ') + "female"));
    EXPECT_THAT(wide.output, HasSubstr("Alice \u00d8rsted" + std::string(5, ' ') + "female"));

    const ToolRun show = Tool("show UID20240101080000");
    EXPECT_EQ(show.status, 0) << show.output;
    EXPECT_THAT(show.output, HasSubstr("caries, tooth 36"));
    EXPECT_THAT(show.output, HasSubstr("5550001"));
    EXPECT_THAT(show.output, HasSubstr("female"));
    EXPECT_THAT(show.output, HasSubstr("d:\\DentalWorkDir\\UID20240101080000\\20240101090001.jpg"));
    EXPECT_THAT(show.output, Not(HasSubstr("[missing]")));
    EXPECT_EQ(Tool("show 20240101080000").status, 0);

    const ToolRun unknown = Tool("show UID1");
    EXPECT_EQ(unknown.status, 1);
    EXPECT_THAT(unknown.output, HasSubstr("no patient UID1"));
}

// The objects an export-dicom run names as written: the lines "<folder>/DICOM/... (<picture>)".
std::vector<std::string> ExportedFiles(const std::string& output, const std::string& folder) {
    std::vector<std::string> files;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(folder + "/DICOM/", 0) == 0) files.push_back(line.substr(0, line.find(' ')));
    }
    return files;
}

TEST_F(RecordToolTest, ExportOfAPictureTooLargeCutShortOrDamagedFailsWithTheReason) {
    BuildStore();
    const std::string whole = dicomtest::MakeJpeg(32, 24, 1, false);
    std::string damaged = dicomtest::MakeJpeg(48, 32, 3, false);
    damaged.insert(damaged.size() - 40, "\xff\xd3");  // a marker in the middle of the coded data
    MakePicture(kUid1, "20240101090000.jpg", whole);
    MakePicture(kUid1, "20240101090001.jpg", dicomtest::MakeOversizedJpeg(0xC1));
    const std::string large = dicomtest::MakeJpeg(320, 240, 5, false);
    MakePicture(kUid1, "20240101090003.jpg", large.substr(0, large.size() * 3 / 4));  // its lower part lost
    MakePicture(kUid1, "20240101090004.jpg", damaged);
    ASSERT_EQ(store_.SelectUser(1), 1);
    ASSERT_EQ(store_.RebuildPictures(), 1);
    ASSERT_EQ(store_.CommitCurrentUser(), 1);
    const std::string out = root_ + "/export";
    const ToolRun run = Tool("export-dicom UID20240101080000 '" + out + "'");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_THAT(run.output, HasSubstr("20240101090001: "));
    EXPECT_THAT(run.output, HasSubstr("the picture claims 60000 \u00d7 60000 pixels, more than kavimo opens"));
    EXPECT_THAT(run.output, HasSubstr("20240101090003.jpg: the JPEG data is cut short or damaged"));
    EXPECT_THAT(run.output, HasSubstr("20240101090004.jpg: the JPEG data is cut short or damaged"));
    EXPECT_THAT(run.output, HasSubstr("1 of 4 pictures written"));
    // The whole picture is still exported, and listed.
    const std::vector<std::string> files = ExportedFiles(run.output, out);
    ASSERT_EQ(files.size(), 1u) << run.output;
    EXPECT_FALSE(ReadBytes(files[0]).empty());
    EXPECT_FALSE(ReadBytes(out + "/DICOMDIR").empty());
}

TEST_F(RecordToolTest, ExportWritesPrivateFilesThroughNoPlantedLink) {
    BuildStore();
    MakePicture(kUid1, "20240101090000.jpg", dicomtest::MakeJpeg(32, 24, 1, false));
    MakePicture(kUid1, "20240101090001.jpg", dicomtest::MakeJpeg(32, 24, 2, false));
    const std::string out = root_ + "/export";
    const ToolRun first = Tool("export-dicom UID20240101080000 '" + out + "'");
    ASSERT_EQ(first.status, 0) << first.output;
    const std::vector<std::string> files = ExportedFiles(first.output, out);
    ASSERT_EQ(files.size(), 2u) << first.output;
    // Someone who can write to the folder puts a link where the export writes again.
    const std::string target = root_ + "/notes.txt";
    WriteBytes(target, "the user's own notes\n");
    ASSERT_EQ(::unlink(files[0].c_str()), 0);
    ASSERT_EQ(::symlink(target.c_str(), files[0].c_str()), 0);

    const ToolRun run = Tool("export-dicom UID20240101080000 '" + out + "'");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(ReadBytes(target), "the user's own notes\n");
    const std::vector<std::string> again = ExportedFiles(run.output, out);
    ASSERT_EQ(again.size(), 2u) << run.output;
    for (const std::string& file : again) {
        struct stat st;
        ASSERT_EQ(::lstat(file.c_str(), &st), 0) << file;
        EXPECT_TRUE(S_ISREG(st.st_mode)) << file;
        EXPECT_EQ(st.st_mode & 077, 0u) << file;
    }
    EXPECT_EQ(again[1], files[1]);  // exported again over itself
}

TEST_F(RecordToolTest, PrintsControlCharactersFromRecordsAndFileNamesAsEscapes) {
    BuildStore();
    // A name that would turn the terminal red, and a stray file whose name would retitle the
    // window and holds a byte that is not UTF-8.
    constexpr uint64_t kEve = 20240202080000ull;
    ASSERT_EQ(store_.AddUser(MakeUser(kEve, u"Eve \x1b[31mRed\x7f", 5550002)), 1);
    WriteBytes(PatientHost(kUid1) + "/evil\x1b]0;x\x07\xff.txt", "x");

    const ToolRun list = Tool("list");
    EXPECT_THAT(list.output, HasSubstr("Eve \\x1b[31mRed\\x7f"));
    const ToolRun show = Tool("show UID20240202080000");
    EXPECT_THAT(show.output, HasSubstr("Name:        Eve \\x1b[31mRed\\x7f\n"));
    const ToolRun check = Tool("check");
    EXPECT_THAT(check.output, HasSubstr("evil\\x1b]0;x\\x07\\xff.txt: stray file"));
    // Still readable text: UTF-8 names and the d: paths' backslashes are printed as they are.
    EXPECT_THAT(list.output, HasSubstr("Alice Ørsted"));
    EXPECT_THAT(check.output, HasSubstr("d:\\DentalWorkDir\\UID20240101080000\\evil"));
    for (const ToolRun* run : {&list, &show, &check}) {
        EXPECT_EQ(run->output.find_first_of("\x1b\x07\x7f\xff"), std::string::npos) << run->output;
    }
}

TEST_F(RecordToolTest, AuditListsTheEventsFromTheDayGiven) {
    BuildStore();
    records::AuditTrail trail(Work() + "/" + records::kAuditTrailFile);
    records::AuditEvent capture;
    capture.time = "2024-01-01T09:00:00+01:00";
    capture.event = records::audit::kCapture;
    capture.user = "dr\x1b]0;owned\x07";
    capture.host = "chair-2";
    capture.patient = kUid1;
    capture.file = Logical(kUid1, "20240101090000.jpg");
    capture.detail = "Freeze";
    records::AuditEvent removal = capture;
    removal.time = "2024-03-05T10:00:00+01:00";
    removal.event = records::audit::kDelete;
    removal.detail.clear();
    std::string error;
    ASSERT_TRUE(trail.Append(capture, &error)) << error;
    ASSERT_TRUE(trail.Append(removal, &error)) << error;

    const ToolRun all = Tool("audit");
    EXPECT_EQ(all.status, 0) << all.output;
    EXPECT_THAT(all.output, HasSubstr("2024-01-01T09:00:00+01:00  capture"));
    EXPECT_THAT(all.output, HasSubstr("2024-03-05T10:00:00+01:00  delete"));
    EXPECT_THAT(all.output, HasSubstr("UID20240101080000  d:\\DentalWorkDir\\UID20240101080000\\20240101090000.jpg"));
    EXPECT_THAT(all.output, HasSubstr("dr\\x1b]0;owned\\x07@chair-2"));  // the name cannot retitle the terminal
    EXPECT_THAT(all.output, HasSubstr("2 events"));

    const ToolRun since = Tool("audit --since 20240305");
    EXPECT_EQ(since.status, 0) << since.output;
    EXPECT_THAT(since.output, Not(HasSubstr("capture")));
    EXPECT_THAT(since.output, HasSubstr("  delete"));
    EXPECT_THAT(since.output, HasSubstr("1 event since 20240305"));
    EXPECT_EQ(Tool("audit --since 2024-03-05").status, 2);

    // The trail is part of a healthy work directory.
    EXPECT_EQ(Tool("check").status, 0);
}

TEST_F(RecordToolTest, TagSetsAPicturesTeethThatShowListsAndCheckValidates) {
    BuildStore();
    const std::string dir = PatientHost(kUid1);
    const std::string records = ReadBytes(dir + "/DisePicList.fdb") + ReadBytes(dir + "/UserInfoBackup.fdb");
    // By number as show numbers it, then by file name; a value not given stays.
    ToolRun run = Tool("tag 20240101080000 2 --teeth 21,11 --view frontal");
    ASSERT_EQ(run.status, 0) << run.output;
    run = Tool("tag UID20240101080000 20240101090000.jpg --teeth=55");
    ASSERT_EQ(run.status, 0) << run.output;
    run = Tool("tag 20240101080000 20240101090000.jpg --view lower-occlusal");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(ReadBytes(dir + "/Teeth.txt"),
              "kavimo-teeth 1\n20240101090000.jpg\t55\tlower-occlusal\n20240101090001.jpg\t11,21\tfrontal\n");
    EXPECT_EQ(ReadBytes(dir + "/DisePicList.fdb") + ReadBytes(dir + "/UserInfoBackup.fdb"), records);
    run = Tool("show 20240101080000");
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(run.output, HasSubstr("20240101090001.jpg\n         teeth 11,21  view frontal\n"));
    EXPECT_EQ(Tool("check").status, 0);
    EXPECT_THAT(Tool("audit").output, HasSubstr("Teeth: 11,21, view: frontal (kavimo-records tag)"));

    // Wrong teeth, views and pictures are refused and change nothing.
    const std::string tagged = ReadBytes(dir + "/Teeth.txt");
    EXPECT_EQ(Tool("tag 20240101080000 2 --teeth 19").status, 2);
    EXPECT_EQ(Tool("tag 20240101080000 2 --view sideways").status, 2);
    EXPECT_EQ(Tool("tag 20240101080000 2").status, 2);
    EXPECT_EQ(Tool("show 20240101080000 --teeth 11").status, 2);
    EXPECT_EQ(Tool("tag 20240101080000 9 --teeth 11").status, 1);
    EXPECT_EQ(Tool("tag 20240101080000 ../UserList.fdb --teeth 11").status, 1);

    // While kavimo holds the work directory, tag waits for nobody: it refuses.
    {
        records::WorkDirLock running;
        ASSERT_EQ(running.Acquire(Work()), records::WorkDirLock::Status::Held);
        run = Tool("tag 20240101080000 2 --teeth 36");
        EXPECT_EQ(run.status, 1);
        EXPECT_THAT(run.output, HasSubstr("in use by kavimo"));
    }
    EXPECT_EQ(ReadBytes(dir + "/Teeth.txt"), tagged);

    // A damaged file is a problem check reports, and tag leaves it as it is.
    WriteBytes(dir + "/Teeth.txt", "kavimo-teeth 1\n20240101090000.jpg\t99\t\n");
    run = Tool("check");
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.output, HasSubstr("damaged teeth and views"));
    EXPECT_EQ(Tool("tag 20240101080000 2 --teeth 36").status, 1);
    EXPECT_EQ(ReadBytes(dir + "/Teeth.txt"), "kavimo-teeth 1\n20240101090000.jpg\t99\t\n");
}

TEST_F(RecordToolTest, WrongUsageAndAMissingWorkDirectoryExitWithTwo) {
    ToolRun run = Tool("");
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.output, HasSubstr("Usage: kavimo-records"));
    EXPECT_EQ(Tool("frobnicate").status, 2);
    EXPECT_EQ(Tool("show").status, 2);
    EXPECT_EQ(Tool("show UIDx").status, 2);
    EXPECT_EQ(Tool("--bogus check").status, 2);
    EXPECT_EQ(RunTool("check --drive-d").status, 2);
    run = Tool("check");  // nothing created yet
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.output, HasSubstr("no work directory"));
    EXPECT_EQ(RunTool("--help").status, 0);
#ifdef KAVIMO_TOOL_CATALOGS
    // In the user's language, from the message catalogs built beside the program.
    run = RunTool("frobnicate", "LANG=C.UTF-8 LANGUAGE=zh_CN");
    EXPECT_THAT(run.output, HasSubstr("kavimo-records: 未知命令 frobnicate"));
    EXPECT_THAT(run.output, HasSubstr("用法：kavimo-records"));
#endif

    // Without a home and without a d: folder there is no work directory to look into.
    run = RunTool("list", "env -u HOME -u XDG_DATA_HOME -u KAVIMO_DRIVE_D");
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.output, HasSubstr("HOME is not set"));
}

}  // namespace
