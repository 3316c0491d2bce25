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
#include "platform/text.h"
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
        //: a finding of kavimo-records check: %1 the file or folder, %2 what is wrong with it
        std::printf("%s\n", text::Arg(text::Tr("problem: %1: %2"), {Printable(where), Printable(what)}).c_str());
        ++m_problems;
    }
    void Warning(const std::string& where, const std::string& what) {
        //: a finding of kavimo-records check: %1 the file or folder, %2 what may be wrong with it
        std::printf("%s\n", text::Arg(text::Tr("warning: %1: %2"), {Printable(where), Printable(what)}).c_str());
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
// records must be), else the finding about picture `number` ("%1") named `path` ("%2").
std::string NotJpegFinding(const std::string& hostPath, size_t number, const std::string& path) {
    const std::string picture = std::to_string(number);
    unsigned char head[8] = {};
    std::FILE* file = std::fopen(hostPath.c_str(), "rb");
    if (!file) return text::Arg(text::Tr("picture %1 \"%2\": the file cannot be read"), {picture, path});
    const size_t n = std::fread(head, 1, sizeof head, file);
    std::fclose(file);
    if (n >= 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF) return std::string();
    const char* format = nullptr;
    if (n >= 8 && std::memcmp(head, "\x89PNG\r\n\x1a\n", 8) == 0) format = "PNG";
    if (n >= 2 && head[0] == 'B' && head[1] == 'M') format = "BMP";
    if (n >= 4 && (std::memcmp(head, "GIF8", 4) == 0)) format = "GIF";
    if (n >= 4 && (std::memcmp(head, "II*\0", 4) == 0 || std::memcmp(head, "MM\0*", 4) == 0)) format = "TIFF";
    //: %3 the name of a picture format, such as PNG
    if (format)
        return text::Arg(text::Tr("picture %1 \"%2\": not a JPEG picture (content: %3)"), {picture, path, format});
    if (n == 0)
        return text::Arg(text::Tr("picture %1 \"%2\": not a JPEG picture (the file is empty)"), {picture, path});
    return text::Arg(text::Tr("picture %1 \"%2\": not a JPEG picture (unknown content)"), {picture, path});
}

std::string PatientsCounted(int64_t n) {
    return Counted(n, text::Tr("1 patient"), text::Tr("%n patients", nullptr, int(n)));
}

template <typename Record>
void CheckListFile(Findings& findings, const std::string& where, const char* fileName, const ListFile<Record>& list,
                   int32_t count) {
    const std::string file = where + "\\" + fileName;
    if (!list.exists) {
        if (count > 0) {
            findings.Problem(file, Counted(count, text::Tr("missing, but the record counts 1 record"),
                                           text::Tr("missing, but the record counts %n records", nullptr, count)));
        } else {
            findings.Warning(file, text::Tr("missing (created empty when the patient is selected)"));
        }
        return;
    }
    if (list.size % int64_t(sizeof(Record)) != 0) {
        findings.Problem(file, text::Arg(text::Tr("%1 bytes is not a whole number of %2-byte records"),
                                         {std::to_string(list.size), std::to_string(sizeof(Record))}));
    }
    const int64_t held = int64_t(list.records.size());
    const std::string counted = std::to_string(count);
    if (held < count) {
        //: %1 the count in the patient's record
        findings.Problem(file,
                         text::Arg(Counted(held, text::Tr("holds 1 record, the record counts %1"),
                                           text::Tr("holds %n records, the record counts %1", nullptr, int(held))),
                                   {counted}));
    } else if (held > count) {
        findings.Warning(
            file,
            text::Arg(
                Counted(held, text::Tr("holds 1 record, the record counts %1 (the rest is dropped when rewritten)"),
                        text::Tr("holds %n records, the record counts %1 (the rest is dropped when rewritten)", nullptr,
                                 int(held))),
                {counted}));
    }
}

// The originals of pictures saved over: each one belongs to a picture of the same name.
void CheckOriginals(Findings& findings, const PatientDir& dir, const std::string& where) {
    const std::string hostDir = dir.hostDir + "/" + records::kOriginalsDir;
    if (!records::IsRealDirectory(hostDir)) {
        findings.Problem(where, text::Tr("a link, not the folder of the originals"));
        return;
    }
    for (const platform::DirEntry& entry : platform::ListDirectory(hostDir, "*")) {
        const std::string file = where + "\\" + entry.name;
        if (entry.isDirectory) {
            findings.Problem(file, text::Tr("stray directory among the originals"));
        } else if (records::IsAnyReplaceTempName(entry.name)) {
            findings.Problem(file, text::Tr("left over from an interrupted copy of an original"));
        } else if (!records::FileExists(dir.hostDir + "/" + entry.name)) {
            findings.Problem(file, text::Tr("an original without its picture"));
        }
    }
}

// The teeth and views of the pictures: a file that reads, naming only pictures that are there.
void CheckToothTags(Findings& findings, const PatientDir& dir, const std::string& file) {
    records::ToothTags::Found found = records::ToothTags::Found::None;
    std::string problem;
    const records::ToothTags tags = records::ToothTags::Load(dir.hostDir, &found, &problem);
    if (found == records::ToothTags::Found::Damaged) {
        findings.Problem(file, text::Arg(text::Tr("damaged teeth and views (%1)"), {problem}));
        return;
    }
    for (const auto& picture : tags.Pictures()) {
        if (!records::FileExists(dir.hostDir + "/" + picture.first)) {
            findings.Warning(
                file, text::Arg(text::Tr("teeth of %1, which is not there (Update forgets them)"), {picture.first}));
        }
    }
}

void CheckPatient(Findings& findings, const PatientDir& dir) {
    const _USER_INFO& user = dir.user;
    const std::string where = dir.logicalDir;
    const std::string ownDir = records::PatientDirPath(user.uid);
    if (!EqualNoCase(dir.name, records::UidText(user.uid))) {
        findings.Problem(where, text::Arg(text::Tr("holds the record of %1"), {records::UidText(user.uid)}));
    }
    const std::string dirPath = records::FieldText(user.dirPath);
    std::string normalized;
    if (!platform::NormalizeLogicalPath(dirPath, &normalized) || !EqualNoCase(normalized, ownDir)) {
        findings.Problem(where, text::Arg(text::Tr("the record names the directory \"%1\""), {dirPath}));
    }
    if (dir.backupSize != int64_t(sizeof(_USER_INFO))) {
        findings.Warning(where + "\\" + records::kUserBackupFile,
                         text::Arg(text::Tr("%1 bytes instead of 1032"), {std::to_string(dir.backupSize)}));
    }
    if (user.diagCount < 0 || user.picCount < 0) {
        findings.Problem(where, text::Tr("negative counts in the record"));
    }

    CheckListFile(findings, where, records::kDiagListFile, ReadDiagList(dir), user.diagCount);
    const ListFile<_DISE_PIC> pictures = ReadPictureList(dir);
    CheckListFile(findings, where, records::kPictureListFile, pictures, user.picCount);

    // Every listed picture exists in this directory; every picture here is listed.
    std::set<std::string> listed;
    const size_t used = std::min<size_t>(pictures.records.size(), size_t(std::max<int32_t>(user.picCount, 0)));
    for (size_t i = 0; i < used; ++i) {
        const _DISE_PIC& picture = pictures.records[i];
        const std::string path = records::FieldText(picture.path);
        const std::string number = std::to_string(i + 1);
        if (picture.uid != user.uid) {
            findings.Problem(where, text::Arg(text::Tr("picture %1 \"%2\" belongs to %3"),
                                              {number, path, records::UidText(picture.uid)}));
        }
        std::string pictureNorm;
        if (!platform::NormalizeLogicalPath(path, &pictureNorm) || !platform::IsWithinLogicalDir(ownDir, pictureNorm)) {
            findings.Problem(
                where, text::Arg(text::Tr("picture %1 \"%2\" lies outside the patient's directory"), {number, path}));
            continue;
        }
        const platform::FileInfo info = platform::StatFile(platform::HostPath(pictureNorm));
        if (!info.exists || info.isDirectory) {
            findings.Problem(where, text::Arg(text::Tr("picture %1 \"%2\": the file is missing"), {number, path}));
        } else {
            // Archive export and every viewer take a picture file for the JPEG its name says.
            const std::string finding = NotJpegFinding(platform::HostPath(pictureNorm), i + 1, path);
            if (!finding.empty()) findings.Problem(where, finding);
        }
        listed.insert(Lower(pictureNorm.substr(pictureNorm.rfind('\\') + 1)));
    }

    for (const platform::DirEntry& entry : platform::ListDirectory(dir.hostDir, "*")) {
        const std::string file = where + "\\" + entry.name;
        if (entry.isDirectory && entry.name == records::kOriginalsDir) {
            CheckOriginals(findings, dir, file);
        } else if (entry.isDirectory) {
            findings.Problem(file, text::Tr("stray directory in a patient directory"));
        } else if (records::IsAnyReplaceTempName(entry.name)) {
            findings.Problem(file, text::Tr("left over from an interrupted rewrite"));
        } else if (EndsWithJpg(entry.name)) {
            if (!listed.count(Lower(entry.name))) {
                findings.Problem(file, text::Tr("picture not in the picture list (Update rebuilds it)"));
            }
        } else if (entry.name == records::kToothTagsFile) {
            CheckToothTags(findings, dir, file);
        } else if (entry.name == records::kDetailsFile) {
            records::PatientDetails details;
            std::string problem;
            if (records::ReadPatientDetails(dir.hostDir, &details, &problem) == records::DetailsFound::Damaged) {
                findings.Problem(
                    file,
                    text::Arg(text::Tr("damaged patient details (%1); the record stands in for them"), {problem}));
            }
        } else if (entry.name == records::kOrderFile) {
            records::PatientOrder order;
            std::string problem;
            if (records::ReadPatientOrder(dir.hostDir, &order, &problem) == records::OrderFound::Damaged) {
                findings.Problem(
                    file, text::Arg(text::Tr("damaged worklist order (%1); its pictures go into kavimo's own study of "
                                             "their day"),
                                    {problem}));
            }
        } else if (!IsRecordFile(entry.name) && !EqualNoCase(entry.name, dicom::kWorklistFile)) {
            findings.Problem(file, text::Tr("stray file"));
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
            findings.Warning(where + "\\" + entry.name, text::Tr("not in the trash index (removed after 30 days)"));
        } else if (!entry.isDirectory && entry.name != records::kTrashIndexFile) {
            findings.Problem(where + "\\" + entry.name, records::IsReplaceTempName(entry.name, records::kTrashIndexFile)
                                                            ? text::Tr("left over from an interrupted rewrite")
                                                            : text::Tr("stray file"));
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
        std::fprintf(stderr, "kavimo-records: %s\n",
                     text::Arg(text::Tr("no work directory at %1"), {Printable(workDir.hostDir)}).c_str());
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
                findings.Problem(file, text::Tr("damaged: not an installation identity (restore it from a backup)"));
            }
        } else if (records::IsAnyReplaceTempName(entry.name)) {
            findings.Problem(file, text::Tr("left over from an interrupted rewrite"));
        } else {
            findings.Problem(file, text::Tr("stray file"));
        }
    }

    const std::vector<const PatientDir*> patients = Patients(workDir);
    for (const PatientDir& dir : workDir.dirs) {
        if (dir.isLink) {
            findings.Problem(dir.logicalDir, text::Tr("a link, not a directory; not a patient"));
        } else if (!dir.hasBackup) {
            findings.Problem(dir.logicalDir,
                             text::Arg(text::Tr("missing backup: no %1, so the patient is not in the patient list"),
                                       {records::kUserBackupFile}));
        } else if (!dir.complete) {
            findings.Problem(dir.logicalDir,
                             text::Arg(text::Tr("incomplete backup: %1 of 1032 bytes; not in the patient list"),
                                       {std::to_string(dir.backupSize)}));
        }
    }

    uint64_t previous = 0;
    for (size_t i = 0; i < patients.size(); ++i) {
        const PatientDir& dir = *patients[i];
        if (i > 0 && dir.user.uid <= previous) {
            findings.Problem(dir.logicalDir, text::Tr("UID is not above the one before it in list order"));
        }
        previous = dir.user.uid;
        CheckPatient(findings, dir);
    }
    if (patients.size() > size_t(records::kMaxPatients)) {
        findings.Warning(work, text::Tr("more than %n patients", nullptr, int(records::kMaxPatients)));
    }

    // UserList.fdb is regenerated from the backups at every start; a difference is only noted.
    const std::string userList = records::WorkDirFile(records::kUserListFile);
    const platform::FileInfo listInfo = platform::StatFile(platform::HostPath(userList));
    if (!listInfo.exists) {
        findings.Warning(userList, text::Tr("missing (regenerated at the next start)"));
    } else if (listInfo.size != patients.size() * sizeof(_USER_INFO)) {
        const int64_t entries = int64_t(listInfo.size / sizeof(_USER_INFO));
        //: %1 the entries of the patient list file, such as "3 records"; %2 the patients, such as "2 patients"
        findings.Warning(
            userList, text::Arg(text::Tr("%1 for %2 (regenerated at the next start)"),
                                {Counted(entries, text::Tr("1 record"), text::Tr("%n records", nullptr, int(entries))),
                                 PatientsCounted(int64_t(patients.size()))}));
    }

    if (workDir.hasTrash) CheckTrash(findings);

    int64_t hospitalSize = 0;
    ReadHospital(&hospitalSize);
    if (hospitalSize > 0 && hospitalSize % 2 != 0) {
        findings.Problem(records::WorkDirFile(records::kHospitalFile), text::Tr("odd length: not UTF-16 text"));
    }

    const int problems = findings.problems(), warnings = findings.warnings();
    //: the summary of kavimo-records check: %1 such as "2 patients", %2 such as "0 problems", %3 such as "1 warning"
    std::printf("%s\n",
                text::Arg(text::Tr("%1 checked: %2, %3."),
                          {PatientsCounted(int64_t(patients.size())),
                           Counted(problems, text::Tr("1 problem"), text::Tr("%n problems", nullptr, problems)),
                           Counted(warnings, text::Tr("1 warning"), text::Tr("%n warnings", nullptr, warnings))})
                    .c_str());
    return findings.problems() > 0 ? 1 : 0;
}

}  // namespace recordtool
