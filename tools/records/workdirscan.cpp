#include "workdirscan.h"

#include "platform/paths.h"
#include "records/recordfile.h"
#include "records/recordnames.h"
#include "records/textconv.h"
#include "records/trash.h"

namespace recordtool {

namespace {

template <typename Record>
ListFile<Record> ReadList(const PatientDir& dir, const char* fileName) {
    ListFile<Record> list;
    const std::string host = platform::HostPath(platform::JoinLogical(dir.logicalDir, fileName));
    const platform::FileInfo info = platform::StatFile(host);
    if (!info.exists || info.isDirectory) return list;
    list.exists = true;
    list.size = int64_t(info.size);
    list.records.resize(size_t(info.size / sizeof(Record)));
    ssize_t got = records::ReadFileAt(host, list.records.data(), list.records.size() * sizeof(Record), 0, nullptr);
    list.records.resize(got > 0 ? size_t(got) / sizeof(Record) : 0);
    return list;
}

}  // namespace

WorkDir ScanWorkDir() {
    WorkDir workDir;
    workDir.hostDir = platform::HostPath(records::kWorkDir);
    workDir.exists = records::IsDirectory(workDir.hostDir);
    if (!workDir.exists) return workDir;
    for (platform::DirEntry& entry : platform::ListDirectory(workDir.hostDir, "*")) {
        if (!entry.isDirectory) {
            workDir.files.push_back(std::move(entry));
            continue;
        }
        if (entry.name == records::kTrashDir && records::IsRealDirectory(workDir.hostDir + "/" + entry.name)) {
            workDir.hasTrash = true;  // what was deleted: no patient
            continue;
        }
        PatientDir dir;
        dir.name = entry.name;
        dir.logicalDir = records::WorkDirFile(entry.name);
        dir.hostDir = workDir.hostDir + "/" + entry.name;
        dir.isLink = !records::IsRealDirectory(dir.hostDir);
        const std::string backup = platform::HostPath(platform::JoinLogical(dir.logicalDir, records::kUserBackupFile));
        const platform::FileInfo info = platform::StatFile(backup);
        dir.hasBackup = info.exists && !info.isDirectory;
        if (dir.hasBackup) {
            dir.backupSize = int64_t(info.size);
            dir.complete =
                records::ReadFileAt(backup, &dir.user, sizeof dir.user, 0, nullptr) == ssize_t(sizeof dir.user);
            if (!dir.complete) dir.user = {};
        }
        workDir.dirs.push_back(std::move(dir));
    }
    return workDir;
}

std::vector<const PatientDir*> Patients(const WorkDir& workDir) {
    std::vector<const PatientDir*> patients;
    for (const PatientDir& dir : workDir.dirs) {
        if (!dir.isLink && dir.complete) patients.push_back(&dir);
    }
    return patients;
}

ListFile<_DIAG_ITEM> ReadDiagList(const PatientDir& dir) { return ReadList<_DIAG_ITEM>(dir, records::kDiagListFile); }

ListFile<_DISE_PIC> ReadPictureList(const PatientDir& dir) {
    return ReadList<_DISE_PIC>(dir, records::kPictureListFile);
}

std::u16string ReadHospital(int64_t* size) {
    const std::string host = platform::HostPath(records::WorkDirFile(records::kHospitalFile));
    const platform::FileInfo info = platform::StatFile(host);
    if (size) *size = info.exists ? int64_t(info.size) : -1;
    char16_t buffer[records::kHospitalReadBytes / sizeof(char16_t)] = {};
    if (records::ReadFileAt(host, buffer, sizeof buffer, 0, nullptr) <= 0) return {};
    return records::FieldText(buffer);
}

}  // namespace recordtool
