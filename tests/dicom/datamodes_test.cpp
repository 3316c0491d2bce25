// What kavimo writes into a fresh work directory is never open to other accounts, and with a data
// group it belongs to that group: a capture, an imported picture, the records, the lock, the
// worklist file, the audit trail, the outbox, an exported object and the log, walked afterwards.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "camlink/picturefiles.h"
#include "dicom/outbox.h"
#include "dicom/patient.h"
#include "dicom/patientpictures.h"
#include "dicom/pictureobject.h"
#include "dicomtestsupport.h"
#include "platform/dirlist.h"
#include "platform/filemode.h"
#include "platform/logfile.h"
#include "platform/paths.h"
#include "records/audittrail.h"
#include "records/recordfile.h"
#include "records/recordnames.h"
#include "records/recordstore.h"
#include "records/textconv.h"
#include "records/workdirlock.h"

namespace {

using namespace dicomtest;

constexpr uint64_t kUid = 20240301100000ull;

// Sets the umask and the data group for one workflow; puts both back afterwards.
class Modes {
public:
    Modes(mode_t mask, const std::string& group) : m_previous(::umask(mask)) {
        std::string error;
        EXPECT_TRUE(platform::ConfigureDataGroup(group, &error)) << error;
    }
    ~Modes() {
        ::umask(m_previous);
        platform::ConfigureDataGroup("", nullptr);
    }

private:
    mode_t m_previous;
};

// A day at the workstation, through the code that writes each file.
void RunWorkflow(const TempDrive& drive) {
    RecordStore store;
    store.PrepareWorkDir();
    store.Load();
    records::WorkDirLock lock;
    ASSERT_EQ(lock.Acquire(drive.Work()), records::WorkDirLock::Status::Held);
    _USER_INFO user = {};
    user.uid = kUid;
    records::SetFieldText(user.name, u"Berg Anna");
    ASSERT_EQ(store.AddUser(user), 1);
    ASSERT_EQ(store.SelectUser(0), 0);

    const std::string dir = records::PatientDirPath(kUid);
    const std::string jpeg = MakeJpeg(32, 24, 1, false);
    std::string captured;
    ASSERT_TRUE(camlink::WriteNewPictureFile(dir, std::time(nullptr), reinterpret_cast<const uint8_t*>(jpeg.data()),
                                             jpeg.size(), &captured));
    store.AddPicture(0, captured, true);
    const std::string imported = records::PicturePath(dir, 20240301100500ull);
    int error = 0;
    ASSERT_TRUE(records::ReplaceFile(platform::HostPath(imported), jpeg.data(), jpeg.size(), &error)) << error;
    store.AddPicture(0, imported, true);
    store.CommitCurrentUser();
    store.Flush();

    std::string text;
    ASSERT_TRUE(dicom::WriteWorklistFile(drive.PatientDir(kUid), {"P-1", "Berg^Anna", "19800229", "F", ""}, &text))
        << text;
    records::AuditTrail::SetUp(drive.Work() + "/" + records::kAuditTrailFile);
    records::AuditTrail::Record(records::audit::kCapture, kUid, captured, "Freeze");
    records::AuditTrail::SetUp("");
    {
        dicom::PacsOutbox outbox(drive.Work() + "/" + dicom::kOutboxFile, nullptr);
        outbox.Start();
        ASSERT_TRUE(outbox.Enqueue(kUid, {captured, imported}, &text)) << text;
    }

    dicom::PictureSource source;
    ASSERT_TRUE(dicom::LoadPictureSource(kUid, imported, &source, &text)) << text;
    const auto object = dicom::PictureObject::Build(source, &text);
    ASSERT_TRUE(object) << text;
    ASSERT_TRUE(platform::MakeDirectories(drive.Root() + "/export/dicom"));
    ASSERT_TRUE(object->WriteFile(drive.Root() + "/export/dicom/picture.dcm", &text)) << text;

    platform::RotatingLogFile log(drive.Root() + "/state/kavimo/kavimo.log");
    ASSERT_TRUE(log.Append("kavimo started\n"));
}

struct Written {
    std::string path;
    bool directory = false;
    mode_t mode = 0;
    gid_t group = 0;
};

// Everything beneath the drive's folder (which mkdtemp made, not kavimo).
std::vector<Written> Walk(const std::string& root) {
    std::vector<Written> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        struct stat st;
        if (::lstat(entry.path().c_str(), &st) != 0) continue;
        found.push_back({entry.path().string(), S_ISDIR(st.st_mode), st.st_mode & 07777, st.st_gid});
    }
    return found;
}

// The files the workflow must have made, so that a walk over too little never passes.
void ExpectWorkflowFiles(const std::vector<Written>& written) {
    size_t files = 0;
    bool dcm = false, log = false, outbox = false;
    for (const Written& w : written) {
        files += !w.directory;
        dcm = dcm || w.path.find("picture.dcm") != std::string::npos;
        log = log || w.path.find("kavimo.log") != std::string::npos;
        outbox = outbox || w.path.find(dicom::kOutboxFile) != std::string::npos;
    }
    EXPECT_GE(files, 10u);
    EXPECT_TRUE(dcm && log && outbox);
}

// A group this account belongs to, other than its own group where it has one, so that the group
// seen on the files was given, not inherited. Run as root with no other group, the test joins one
// of the system's groups for the rest of its process.
std::string MemberGroup(gid_t* gid) {
    *gid = ::getegid();
    std::vector<gid_t> groups(static_cast<size_t>(::getgroups(0, nullptr)) + 1);
    groups.resize(static_cast<size_t>(std::max(0, ::getgroups(int(groups.size()), groups.data()))));
    for (const gid_t g : groups) {
        if (g != ::getegid() && ::getgrgid(g)) *gid = g;
    }
    if (*gid == ::getegid() && ::geteuid() == 0) {
        ::setgrent();
        while (const struct group* other = ::getgrent()) {
            if (other->gr_gid == ::getegid()) continue;
            groups.push_back(other->gr_gid);
            if (::setgroups(groups.size(), groups.data()) == 0) *gid = other->gr_gid;
            break;
        }
        ::endgrent();
    }
    const struct group* entry = ::getgrgid(*gid);
    return entry ? entry->gr_name : std::string();
}

TEST(DataModes, FreshWorkDirectoryAtUmask022HoldsNothingOpenToOthers) {
    TempDrive drive;
    {
        Modes modes(022, "");
        RunWorkflow(drive);
    }
    const std::vector<Written> written = Walk(drive.Root());
    ExpectWorkflowFiles(written);
    for (const Written& w : written) {
        EXPECT_EQ(w.mode, w.directory ? 0700u : 0600u) << w.path;
    }

    // A work directory an older version left open is narrowed once, by its own mode only.
    Modes modes(022, "");
    ASSERT_EQ(::chmod(drive.Work().c_str(), 0755), 0);
    EXPECT_TRUE(platform::NarrowDirectory(drive.Work()));
    EXPECT_FALSE(platform::NarrowDirectory(drive.Work()));
    struct stat st;
    ASSERT_EQ(::stat(drive.Work().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
}

TEST(DataModes, DataGroupOwnsWhatIsWrittenAndTheUmaskStillNarrows) {
    gid_t gid;
    const std::string group = MemberGroup(&gid);
    ASSERT_FALSE(group.empty());
    for (const mode_t mask : {mode_t(007), mode_t(027)}) {
        TempDrive drive;
        {
            Modes modes(mask, group);
            RunWorkflow(drive);
        }
        const std::vector<Written> written = Walk(drive.Root());
        ExpectWorkflowFiles(written);
        for (const Written& w : written) {
            EXPECT_EQ(w.mode, (w.directory ? 0770u : 0660u) & ~mask) << w.path << " at umask " << mask;
            EXPECT_EQ(w.group, gid) << w.path;
        }
    }
    std::string error;
    EXPECT_FALSE(platform::ConfigureDataGroup("kavimo-no-such-group", &error));
    EXPECT_NE(error.find("does not exist"), std::string::npos) << error;
}

}  // namespace
