#include "dicom/patientpictures.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>
#include <ctime>

#include "dicom/installation.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "records/originals.h"
#include "records/recordfile.h"
#include "records/recordnames.h"
#include "records/textconv.h"

namespace dicom {
namespace {

std::string Slash(const std::string& dir, const char* name) { return dir + "/" + name; }

std::string FileStem(const std::string& logicalPath) {
    std::string name = logicalPath.substr(logicalPath.find_last_of("\\/") + 1);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string FileName(const std::string& logicalPath) { return logicalPath.substr(logicalPath.find_last_of("\\/") + 1); }

PictureTime TimeOf(const _DISE_PIC& picture) {
    PictureTime time;
    time.year = picture.year;
    time.month = picture.month;
    time.day = picture.day;
    time.hour = picture.hour;
    time.minute = picture.minute;
    time.second = picture.second;
    return time;
}

std::string ReadHospital() {
    char16_t name[records::kHospitalReadBytes / 2] = {};
    int error = 0;
    const ssize_t n = records::ReadFileAt(platform::HostPath(records::WorkDirFile(records::kHospitalFile)), name,
                                          sizeof name, 0, &error);
    if (n <= 0) return {};
    return records::Utf16ToAnsi(records::FieldText(name, size_t(n) / 2));
}

bool LoadPatient(uint64_t uid, PatientPictures* patient, std::string* error) {
    patient->hostDir = platform::HostPath(records::PatientDirPath(uid));
    int errorNumber = 0;
    if (patient->hostDir.empty() ||
        records::ReadFileAt(Slash(patient->hostDir, records::kUserBackupFile), &patient->user, sizeof patient->user, 0,
                            &errorNumber) != ssize_t(sizeof patient->user) ||
        patient->user.uid != uid) {
        if (error) *error = text::Arg(text::Tr("no patient %1"), {records::UidText(uid)});
        return false;
    }
    if (!LoadInstallationId(&patient->installationId, error)) return false;
    // A damaged details file is left to kavimo-records check to report; the record stands in.
    const records::DetailsFound found = records::ReadPatientDetails(patient->hostDir, &patient->details);
    patient->hasDetails = found == records::DetailsFound::Details || found == records::DetailsFound::OldWorklist;
    // Likewise a damaged order file: the pictures then go into kavimo's own study of the day.
    if (records::ReadPatientOrder(patient->hostDir, &patient->order) != records::OrderFound::Order) {
        patient->order = {};
    }
    patient->institution = ReadHospital();
    // A damaged teeth file is left to kavimo-records check too: the pictures go without teeth.
    patient->tags = records::ToothTags::Load(patient->hostDir);
    return true;
}

PictureSource SourceFor(const PatientPictures& patient) {
    PictureSource source;
    source.installationId = patient.installationId;
    source.patient = MakePatientAttributes(patient.user, patient.hasDetails ? &patient.details : nullptr,
                                           OwnPatientIdIssuer(patient.installationId));
    source.institution = patient.institution;
    source.order = patient.order;
    return source;
}

std::vector<_DISE_PIC> ReadPictureList(const std::string& hostDir) {
    std::vector<_DISE_PIC> pictures;
    const std::string path = Slash(hostDir, records::kPictureListFile);
    for (off_t offset = 0;; offset += sizeof(_DISE_PIC)) {
        _DISE_PIC picture = {};
        int error = 0;
        if (records::ReadFileAt(path, &picture, sizeof picture, offset, &error) != ssize_t(sizeof picture)) break;
        pictures.push_back(picture);
    }
    return pictures;
}

// The host path of a picture of the patient; empty when it lies outside its directory.
std::string PictureHostPath(const PatientPictures& patient, const std::string& logicalPath) {
    std::string normalized;
    if (!platform::NormalizeLogicalPath(logicalPath, &normalized) ||
        !platform::IsWithinLogicalDir(records::PatientDirPath(patient.user.uid), normalized)) {
        return {};
    }
    return platform::HostPath(normalized);
}

// The picture's path with every link resolved, when that still lies inside the work directory;
// empty, with the reason, otherwise. The picture is then opened by this path, so that the file
// read is the one checked.
std::string RealPathWithinWorkDir(const std::string& hostPath, const std::string& logicalPath, std::string* error) {
    const std::string anyWorkFile = platform::HostPath(records::WorkDirFile("x"));
    const std::string workDir = anyWorkFile.substr(0, anyWorkFile.find_last_of('/'));
    char real[PATH_MAX];
    char realWork[PATH_MAX];
    if (!::realpath(hostPath.c_str(), real) || !::realpath(workDir.c_str(), realWork)) {
        if (error) *error = "no picture " + logicalPath;
        return {};
    }
    const std::string resolved = real;
    const std::string root = std::string(realWork) + "/";
    if (resolved.compare(0, root.size(), root) != 0) {
        if (error) {
            *error = text::Arg(text::Tr("refused %1: it is a link to %2, outside the work directory"),
                               {logicalPath, resolved});
        }
        return {};
    }
    return resolved;
}

// Points the source at the picture's resolved path, or says why it is refused: a picture the
// records name is read only when it lies inside the work directory. A missing file is left for
// the reading to report.
void OpenWithinWorkDir(const std::string& logicalPath, PictureSource* source) {
    struct stat info;
    if (source->hostPath.empty() || ::stat(source->hostPath.c_str(), &info) != 0) return;
    if (!S_ISREG(info.st_mode)) {
        source->refused = text::Arg(text::Tr("refused %1: not a regular file"), {logicalPath});
        return;
    }
    const std::string resolved = RealPathWithinWorkDir(source->hostPath, logicalPath, &source->refused);
    if (!resolved.empty()) source->hostPath = resolved;
}

}  // namespace

bool LoadPatientPictures(uint64_t uid, PatientPictures* patient, std::string* error) {
    if (!LoadPatient(uid, patient, error)) return false;
    std::vector<_DISE_PIC> list = ReadPictureList(patient->hostDir);
    if (patient->user.picCount >= 0 && list.size() > size_t(patient->user.picCount)) {
        list.resize(size_t(patient->user.picCount));
    }
    for (const _DISE_PIC& picture : list) {
        const std::string logical = records::FieldText(picture.path);
        PictureSource source = SourceFor(*patient);
        source.hostPath = PictureHostPath(*patient, logical);
        OpenWithinWorkDir(logical, &source);
        source.savedWithStrokes = !source.hostPath.empty() && records::HasOriginal(source.hostPath);
        source.name = FileStem(logical);
        if (!source.hostPath.empty()) source.tags = patient->tags.TagsOf(FileName(logical));
        source.time = TimeOf(picture);
        patient->pictures.push_back(source);
        patient->logicalPaths.push_back(logical);
    }
    return true;
}

bool LoadPictureSource(uint64_t uid, const std::string& logicalPath, PictureSource* source, std::string* error) {
    PatientPictures patient;
    if (!LoadPatient(uid, &patient, error)) return false;
    *source = SourceFor(patient);
    source->name = FileStem(logicalPath);
    source->hostPath = PictureHostPath(patient, logicalPath);
    struct stat info;
    if (source->hostPath.empty() || ::stat(source->hostPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        if (error) *error = "no picture " + logicalPath;
        return false;
    }
    source->hostPath = RealPathWithinWorkDir(source->hostPath, logicalPath, error);
    if (source->hostPath.empty()) return false;
    source->savedWithStrokes = records::HasOriginal(source->hostPath);
    source->tags = patient.tags.TagsOf(FileName(logicalPath));
    std::string wanted;
    platform::NormalizeLogicalPath(logicalPath, &wanted);
    for (const _DISE_PIC& picture : ReadPictureList(patient.hostDir)) {
        std::string listed;
        if (platform::NormalizeLogicalPath(records::FieldText(picture.path), &listed) && listed == wanted) {
            source->time = TimeOf(picture);
            return true;
        }
    }
    std::tm local = {};
    const std::time_t modified = info.st_mtime;
    localtime_r(&modified, &local);
    source->time = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
    return true;
}

}  // namespace dicom
