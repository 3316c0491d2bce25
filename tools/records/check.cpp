// `kavimo-records check`: compares what the records say with what is on disk.
#include <strings.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "check.h"
#include "dicom/installation.h"
#include "dicom/outbox.h"
#include "dicom/patient.h"
#include "platform/paths.h"
#include "printable.h"
#include "records/audittrail.h"
#include "records/originals.h"
#include "records/patientdetails.h"
#include "records/recordfile.h"
#include "records/recordnames.h"
#include "records/textconv.h"
#include "records/toothtags.h"
#include "records/trash.h"
#include "workdirscan.h"

namespace recordtool {

namespace {

class Findings {
public:
    void Problem(const std::string& where, const std::string& what) {
        std::printf("problem: %s: %s\n", Printable(where).c_str(), Printable(what).c_str());
        ++m_problems;
    }
    void Warning(const std::string& where, const std::string& what) {
        std::printf("warning: %s: %s\n", Printable(where).c_str(), Printable(what).c_str());
        ++m_warnings;
    }
    int problems() const { return m_problems; }
    int warnings() const { return m_warnings; }

private:
    int m_problems = 0;
    int m_warnings = 0;
};

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    }
    return text;
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && ::strcasecmp(a.c_str(), b.c_str()) == 0;
}

bool IsRecordFile(const std::string& name) {
    return EqualNoCase(name, records::kUserBackupFile) || EqualNoCase(name, records::kDiagListFile) ||
           EqualNoCase(name, records::kPictureListFile);
}

bool EndsWithJpg(const std::string& name) {
    return name.size() > 4 && EqualNoCase(name.substr(name.size() - 4), ".jpg");
}

// What a picture file holds, by its first bytes: empty for JPEG (what every picture of the
// records must be), else a word for the finding.
std::string NotJpegContent(const std::string& hostPath) {
    unsigned char head[8] = {};
    std::FILE* file = std::fopen(hostPath.c_str(), "rb");
    if (!file) return "cannot be read";
    const size_t n = std::fread(head, 1, sizeof head, file);
    std::fclose(file);
    if (n >= 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF) return std::string();
    if (n >= 8 && std::memcmp(head, "\x89PNG\r\n\x1a\n", 8) == 0) return "PNG";
    if (n >= 2 && head[0] == 'B' && head[1] == 'M') return "BMP";
    if (n >= 4 && (std::memcmp(head, "GIF8", 4) == 0)) return "GIF";
    if (n >= 4 && (std::memcmp(head, "II*\0", 4) == 0 || std::memcmp(head, "MM\0*", 4) == 0)) return "TIFF";
    return n == 0 ? "empty" : "unknown";
}

std::string Count(int64_t n, const char* what) { return std::to_string(n) + " " + what + (n == 1 ? "" : "s"); }

template <typename Record>
void CheckListFile(Findings& findings, const std::string& where, const char* fileName, const ListFile<Record>& list,
                   int32_t count, const char* what) {
    const std::string file = where + "\\" + fileName;
    if (!list.exists) {
        if (count > 0) {
            findings.Problem(file, "missing, but the record counts " + Count(count, what));
        } else {
            findings.Warning(file, "missing (created empty when the patient is selected)");
        }
        return;
    }
    if (list.size % int64_t(sizeof(Record)) != 0) {
        findings.Problem(file, std::to_string(list.size) + " bytes is not a whole number of " +
                                   std::to_string(sizeof(Record)) + "-byte records");
    }
    const int64_t held = int64_t(list.records.size());
    if (held < count) {
        findings.Problem(file, "holds " + Count(held, what) + ", the record counts " + std::to_string(count));
    } else if (held > count) {
        findings.Warning(file, "holds " + Count(held, what) + ", the record counts " + std::to_string(count) +
                                   " (the rest is dropped when rewritten)");
    }
}

// The originals of pictures saved over: each one belongs to a picture of the same name.
void CheckOriginals(Findings& findings, const PatientDir& dir, const std::string& where) {
    const std::string hostDir = dir.hostDir + "/" + records::kOriginalsDir;
    if (!records::IsRealDirectory(hostDir)) {
        findings.Problem(where, "a link, not the folder of the originals");
        return;
    }
    for (const platform::DirEntry& entry : platform::ListDirectory(hostDir, "*")) {
        const std::string file = where + "\\" + entry.name;
        if (entry.isDirectory) {
            findings.Problem(file, "stray directory among the originals");
        } else if (records::IsAnyReplaceTempName(entry.name)) {
            findings.Problem(file, "left over from an interrupted copy of an original");
        } else if (!records::FileExists(dir.hostDir + "/" + entry.name)) {
            findings.Problem(file, "an original without its picture");
        }
    }
}

// The teeth and views of the pictures: a file that reads, naming only pictures that are there.
void CheckToothTags(Findings& findings, const PatientDir& dir, const std::string& file) {
    records::ToothTags::Found found = records::ToothTags::Found::None;
    std::string problem;
    const records::ToothTags tags = records::ToothTags::Load(dir.hostDir, &found, &problem);
    if (found == records::ToothTags::Found::Damaged) {
        findings.Problem(file, "damaged teeth and views (" + problem + ")");
        return;
    }
    for (const auto& picture : tags.Pictures()) {
        if (!records::FileExists(dir.hostDir + "/" + picture.first)) {
            findings.Warning(file, "teeth of " + picture.first + ", which is not there (Update forgets them)");
        }
    }
}

void CheckPatient(Findings& findings, const PatientDir& dir) {
    const _USER_INFO& user = dir.user;
    const std::string where = dir.logicalDir;
    const std::string ownDir = records::PatientDirPath(user.uid);
    if (!EqualNoCase(dir.name, records::UidText(user.uid))) {
        findings.Problem(where, "holds the record of " + records::UidText(user.uid));
    }
    const std::string dirPath = records::FieldText(user.dirPath);
    std::string normalized;
    if (!platform::NormalizeLogicalPath(dirPath, &normalized) || !EqualNoCase(normalized, ownDir)) {
        findings.Problem(where, "the record names the directory \"" + dirPath + "\"");
    }
    if (dir.backupSize != int64_t(sizeof(_USER_INFO))) {
        findings.Warning(where + "\\" + records::kUserBackupFile,
                         std::to_string(dir.backupSize) + " bytes instead of 1032");
    }
    if (user.diagCount < 0 || user.picCount < 0) {
        findings.Problem(where, "negative counts in the record");
    }

    CheckListFile(findings, where, records::kDiagListFile, ReadDiagList(dir), user.diagCount, "record");
    const ListFile<_DISE_PIC> pictures = ReadPictureList(dir);
    CheckListFile(findings, where, records::kPictureListFile, pictures, user.picCount, "record");

    // Every listed picture exists in this directory; every picture here is listed.
    std::set<std::string> listed;
    const size_t used = std::min<size_t>(pictures.records.size(), size_t(std::max<int32_t>(user.picCount, 0)));
    for (size_t i = 0; i < used; ++i) {
        const _DISE_PIC& picture = pictures.records[i];
        const std::string path = records::FieldText(picture.path);
        const std::string label = "picture " + std::to_string(i + 1) + " \"" + path + "\"";
        if (picture.uid != user.uid) {
            findings.Problem(where, label + " belongs to " + records::UidText(picture.uid));
        }
        std::string pictureNorm;
        if (!platform::NormalizeLogicalPath(path, &pictureNorm) || !platform::IsWithinLogicalDir(ownDir, pictureNorm)) {
            findings.Problem(where, label + " lies outside the patient's directory");
            continue;
        }
        const platform::FileInfo info = platform::StatFile(platform::HostPath(pictureNorm));
        if (!info.exists || info.isDirectory) {
            findings.Problem(where, label + ": the file is missing");
        } else {
            // Archive export and every viewer take a picture file for the JPEG its name says.
            const std::string content = NotJpegContent(platform::HostPath(pictureNorm));
            if (!content.empty()) {
                std::string what = label;
                what.append(": not a JPEG picture (content: ").append(content).append(")");
                findings.Problem(where, what);
            }
        }
        listed.insert(Lower(pictureNorm.substr(pictureNorm.rfind('\\') + 1)));
    }

    for (const platform::DirEntry& entry : platform::ListDirectory(dir.hostDir, "*")) {
        const std::string file = where + "\\" + entry.name;
        if (entry.isDirectory && entry.name == records::kOriginalsDir) {
            CheckOriginals(findings, dir, file);
        } else if (entry.isDirectory) {
            findings.Problem(file, "stray directory in a patient directory");
        } else if (records::IsAnyReplaceTempName(entry.name)) {
            findings.Problem(file, "left over from an interrupted rewrite");
        } else if (EndsWithJpg(entry.name)) {
            if (!listed.count(Lower(entry.name))) {
                findings.Problem(file, "picture not in the picture list (Update rebuilds it)");
            }
        } else if (entry.name == records::kToothTagsFile) {
            CheckToothTags(findings, dir, file);
        } else if (entry.name == records::kDetailsFile) {
            records::PatientDetails details;
            std::string problem;
            if (records::ReadPatientDetails(dir.hostDir, &details, &problem) == records::DetailsFound::Damaged) {
                findings.Problem(file, "damaged patient details (" + problem + "); the record stands in for them");
            }
        } else if (entry.name == records::kOrderFile) {
            records::PatientOrder order;
            std::string problem;
            if (records::ReadPatientOrder(dir.hostDir, &order, &problem) == records::OrderFound::Damaged) {
                findings.Problem(file, "damaged worklist order (" + problem +
                                           "); its pictures go into kavimo's own study of their day");
            }
        } else if (!IsRecordFile(entry.name) && !EqualNoCase(entry.name, dicom::kWorklistFile)) {
            findings.Problem(file, "stray file");
        }
    }
}

// The trash: its index is whole, and names every folder in it and only folders that are there.
void CheckTrash(Findings& findings) {
    const std::string where = records::WorkDirFile(records::kTrashDir);
    std::vector<std::string> broken;
    records::Trash trash;
    std::set<std::string> listed;
    for (const records::TrashEntry& entry : trash.Entries(&broken)) listed.insert(entry.id);
    for (const std::string& what : broken) findings.Problem(where + "\\" + records::kTrashIndexFile, what);
    for (const platform::DirEntry& entry : platform::ListDirectory(records::Trash::HostDir(), "*")) {
        if (entry.isDirectory && !listed.count(entry.name)) {
            findings.Warning(where + "\\" + entry.name, "not in the trash index (removed after 30 days)");
        } else if (!entry.isDirectory && entry.name != records::kTrashIndexFile) {
            findings.Problem(where + "\\" + entry.name, records::IsReplaceTempName(entry.name, records::kTrashIndexFile)
                                                            ? "left over from an interrupted rewrite"
                                                            : "stray file");
        }
    }
}

bool InstallationFileIsValid(const std::string& hostPath) {
    char text[128];
    int error = 0;
    const ssize_t n = records::ReadFileAt(hostPath, text, sizeof text, 0, &error);
    std::string id;
    return n > 0 && dicom::ParseInstallationText(std::string(text, size_t(n)), &id);
}

}  // namespace

int RunCheck() {
    const WorkDir workDir = ScanWorkDir();
    if (!workDir.exists) {
        std::fprintf(stderr, "kavimo-records: no work directory at %s\n", Printable(workDir.hostDir).c_str());
        return 2;
    }
    Findings findings;
    const std::string work = records::kWorkDir;

    for (const platform::DirEntry& entry : workDir.files) {
        const std::string file = records::WorkDirFile(entry.name);
        if (EqualNoCase(entry.name, records::kUserListFile) || EqualNoCase(entry.name, records::kHospitalFile) ||
            EqualNoCase(entry.name, "temp.bmp") || EqualNoCase(entry.name, records::kWorkDirLockFile) ||
            EqualNoCase(entry.name, dicom::kOutboxFile) || EqualNoCase(entry.name, records::kAuditTrailFile)) {
            continue;
        }
        if (EqualNoCase(entry.name, dicom::kInstallationFile)) {
            if (!InstallationFileIsValid(workDir.hostDir + "/" + entry.name)) {
                findings.Problem(file, "damaged: not an installation identity (restore it from a backup)");
            }
        } else if (records::IsAnyReplaceTempName(entry.name)) {
            findings.Problem(file, "left over from an interrupted rewrite");
        } else {
            findings.Problem(file, "stray file");
        }
    }

    const std::vector<const PatientDir*> patients = Patients(workDir);
    for (const PatientDir& dir : workDir.dirs) {
        if (dir.isLink) {
            findings.Problem(dir.logicalDir, "a link, not a directory; not a patient");
        } else if (!dir.hasBackup) {
            findings.Problem(dir.logicalDir,
                             "missing backup: no UserInfoBackup.fdb, so the "
                             "patient is not in the patient list");
        } else if (!dir.complete) {
            findings.Problem(dir.logicalDir, "incomplete backup: " + std::to_string(dir.backupSize) +
                                                 " of 1032 bytes; not in the patient list");
        }
    }

    uint64_t previous = 0;
    for (size_t i = 0; i < patients.size(); ++i) {
        const PatientDir& dir = *patients[i];
        if (i > 0 && dir.user.uid <= previous) {
            findings.Problem(dir.logicalDir, "UID is not above the one before it in list order");
        }
        previous = dir.user.uid;
        CheckPatient(findings, dir);
    }
    if (patients.size() > size_t(records::kMaxPatients)) {
        findings.Warning(work, "more than " + std::to_string(records::kMaxPatients) + " patients");
    }

    // UserList.fdb is regenerated from the backups at every start; a difference is only noted.
    const std::string userList = records::WorkDirFile(records::kUserListFile);
    const platform::FileInfo listInfo = platform::StatFile(platform::HostPath(userList));
    if (!listInfo.exists) {
        findings.Warning(userList, "missing (regenerated at the next start)");
    } else if (listInfo.size != patients.size() * sizeof(_USER_INFO)) {
        findings.Warning(userList, std::to_string(listInfo.size / sizeof(_USER_INFO)) + " records for " +
                                       Count(int64_t(patients.size()), "patient") + " (regenerated at the next start)");
    }

    if (workDir.hasTrash) CheckTrash(findings);

    int64_t hospitalSize = 0;
    ReadHospital(&hospitalSize);
    if (hospitalSize > 0 && hospitalSize % 2 != 0) {
        findings.Problem(records::WorkDirFile(records::kHospitalFile), "odd length: not UTF-16 text");
    }

    std::printf("%s checked: %s, %s.\n", Count(int64_t(patients.size()), "patient").c_str(),
                Count(findings.problems(), "problem").c_str(), Count(findings.warnings(), "warning").c_str());
    return findings.problems() > 0 ? 1 : 0;
}

}  // namespace recordtool
