#include "dicom/exportfolder.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "dcmtk/config/osconfig.h"
#include "dcmtk/dcmdata/dcddirif.h"
#include "dcmtk/dcmdata/dcdeftag.h"
#include "dcmtk/dcmdata/dcfilefo.h"
#include "dicom/dcmtklog.h"
#include "dicom/pictureobject.h"
#include "dicom/uids.h"
#include "platform/filemode.h"
#include "platform/text.h"

namespace dicom {
namespace {

// The DICOMDIR's File-set ID.
constexpr const char* kFileSetId = "KAVIMO";

// How many names a picture tries before giving up: another picture whose name came out the same
// (a 28-bit hash) takes the next.
constexpr int kNameTries = 16;

// "dir/name".
std::string Join(const std::string& dir, const std::string& name) {
    std::string path = dir;
    path += '/';
    path += name;
    return path;
}

std::string Text(DcmItem* item, const DcmTagKey& tag) {
    OFString value;
    item->findAndGetOFStringArray(tag, value);
    return value.c_str();
}

// A file ID component: a letter and seven upper-case hex digits of the text's hash.
std::string Component(char letter, const std::string& text) {
    std::string name = letter + Sha256Hex(text.data(), text.size()).substr(0, 7);
    std::transform(name.begin(), name.end(), name.begin(), [](char c) { return char(std::toupper(c)); });
    return name;
}

// True for a name ISO 9660 and DICOM file IDs allow: 1 to 8 upper-case letters, digits or '_'.
bool IsFileIdComponent(const std::string& name) {
    if (name.empty() || name.size() > 8) return false;
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'; });
}

// Makes the folder unless it is one already (a link in its place is refused).
bool MakeFolder(const std::string& path, std::string* error) {
    if (::mkdir(path.c_str(), platform::NewDirectoryMode()) == 0) {
        platform::GiveDataGroupAt(path);
        return true;
    }
    struct stat st;
    if (errno == EEXIST && ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return true;
    *error = errno == EEXIST ? text::Arg(text::Tr("cannot create the folder %1: something else has its name"), {path})
                             : text::Arg(text::Tr("cannot create the folder %1: %2"), {path, std::strerror(errno)});
    return false;
}

enum class Slot { Free, Same, Taken };

// Whether the name is free, holds this very instance already, or is another file's.
Slot SlotOf(const std::string& path, const std::string& instanceUid) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT ? Slot::Free : Slot::Taken;
    if (!S_ISREG(st.st_mode)) return Slot::Taken;
    DcmFileFormat file;
    // Only the attributes before the pixels are needed.
    if (file.loadFile(path.c_str(), EXS_Unknown, EGL_noChange, 1024).bad()) return Slot::Taken;
    return Text(file.getDataset(), DCM_SOPInstanceUID) == instanceUid ? Slot::Same : Slot::Taken;
}

// The names in a folder that are file ID components, sorted; the rest (leftovers of an
// interrupted export, say) are not part of the file set.
std::vector<std::string> Components(const std::string& path, bool folders) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(path.c_str());
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        struct stat st;
        if (!IsFileIdComponent(name) || ::lstat(Join(path, name).c_str(), &st) != 0) continue;
        if (folders ? S_ISDIR(st.st_mode) : S_ISREG(st.st_mode)) names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

// Writes the object as `dir/name` through a private folder made in `dir`.
bool WriteThroughScratch(const PictureObject& object, const std::string& dir, const std::string& name,
                         std::string* error) {
    std::string scratch = dir + "/.kavimo-export.XXXXXX";
    if (!::mkdtemp(scratch.data())) {
        *error = text::Arg(text::Tr("cannot create a temporary folder in %1: %2"), {dir, std::strerror(errno)});
        return false;
    }
    const std::string temp = scratch + "/" + name;
    const std::string file = dir + "/" + name;
    bool ok = object.WriteFile(temp, error);
    if (ok && std::rename(temp.c_str(), file.c_str()) != 0) {
        *error = text::Arg(text::Tr("cannot write %1: %2"), {file, std::strerror(errno)});
        ok = false;
    }
    if (!ok) std::remove(temp.c_str());
    ::rmdir(scratch.c_str());
    return ok;
}

}  // namespace

ExportFolder::ExportFolder(std::string hostDir) : m_dir(std::move(hostDir)) {}

bool ExportFolder::Add(const PictureObject& object, std::string* fileId, std::string* error) {
    DcmDataset* dataset = object.File().getDataset();
    const std::string patient =
        Component('P', Text(dataset, DCM_PatientID) + '\x1f' + Text(dataset, DCM_IssuerOfPatientID));
    const std::string objects = m_dir + "/" + kExportObjectsFolder;
    const std::string patientDir = objects + "/" + patient;
    if (!MakeFolder(objects, error) || !MakeFolder(patientDir, error)) return false;
    const std::string& instance = object.SopInstanceUid();
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        const std::string name = Component('I', attempt == 0 ? instance : instance + '\x1f' + std::to_string(attempt));
        if (SlotOf(Join(patientDir, name), instance) == Slot::Taken) continue;
        if (!WriteThroughScratch(object, patientDir, name, error)) return false;
        if (fileId) *fileId = Join(Join(kExportObjectsFolder, patient), name);
        return true;
    }
    *error = text::Arg(text::Tr("no free file name for the picture in %1"), {patientDir});
    return false;
}

bool ExportFolder::WriteDicomDir(std::string* error) {
    ConfigureDcmtkLog();
    std::string scratch = m_dir + "/.kavimo-dicomdir.XXXXXX";
    if (!::mkdtemp(scratch.data())) {
        *error = text::Arg(text::Tr("cannot create a temporary folder in %1: %2"), {m_dir, std::strerror(errno)});
        return false;
    }
    const std::string temp = scratch + "/" + kDicomDirName;
    const std::string target = m_dir + "/" + kDicomDirName;
    DicomDirInterface dicomDir;
    dicomDir.disableBackupMode(OFTrue);
    OFCondition status = dicomDir.createNewDicomDir(DicomDirInterface::AP_USBandFlashJPEG, temp.c_str(), kFileSetId);
    size_t listed = 0;
    const std::string objects = m_dir + "/" + kExportObjectsFolder;
    for (const std::string& patient : Components(objects, true)) {
        for (const std::string& name : Components(Join(objects, patient), false)) {
            if (status.bad()) break;
            const std::string fileId = Join(Join(kExportObjectsFolder, patient), name);
            status = dicomDir.addDicomFile(fileId.c_str(), m_dir.c_str());
            //: a file of the DICOMDIR, then why it cannot be listed
            if (status.bad()) *error = text::Arg(text::Tr("%1: %2"), {fileId, status.text()});
            ++listed;
        }
    }
    if (status.good() && listed == 0) {
        *error = text::Tr("there is no picture to list in the DICOMDIR");
        status = EC_IllegalCall;
    }
    if (status.good()) {
        status = dicomDir.writeDicomDir();
        if (status.bad()) *error = text::Arg(text::Tr("cannot write %1: %2"), {target, status.text()});
    }
    if (status.good() && (::chmod(temp.c_str(), platform::AllowedFileMode()) != 0 || !platform::GiveDataGroupAt(temp) ||
                          std::rename(temp.c_str(), target.c_str()) != 0)) {
        *error = text::Arg(text::Tr("cannot write %1: %2"), {target, std::strerror(errno)});
        status = EC_IllegalCall;
    }
    std::remove(temp.c_str());
    ::rmdir(scratch.c_str());
    return status.good();
}

}  // namespace dicom
