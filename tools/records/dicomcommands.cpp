#include "dicomcommands.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "dicom/exportfolder.h"
#include "dicom/pacsclient.h"
#include "dicom/patientpictures.h"
#include "dicom/pictureobject.h"
#include "platform/filemode.h"
#include "printable.h"
#include "records/recordnames.h"

namespace recordtool {
namespace {

bool LoadPatient(uint64_t uid, dicom::PatientPictures* patient) {
    std::string error;
    if (dicom::LoadPatientPictures(uid, patient, &error)) return true;
    std::fprintf(stderr, "kavimo-records: %s\n", Printable(error).c_str());
    return false;
}

bool ParseAddress(const std::string& text, const std::string& callingAet, dicom::PacsAddress* address) {
    if (!dicom::ParsePacsAddress(text, address)) {
        std::fprintf(stderr, "kavimo-records: not an archive address (AET@HOST:PORT): %s\n", Printable(text).c_str());
        return false;
    }
    if (!callingAet.empty()) {
        if (!dicom::IsValidAeTitle(callingAet)) {
            std::fprintf(stderr, "kavimo-records: not an AE title: %s\n", Printable(callingAet).c_str());
            return false;
        }
        address->callingAet = callingAet;
    }
    return true;
}

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y%m%d", &local);
    return text;
}

// Shows on a terminal how far the export is: one line, rewritten in place.
class ProgressLine {
public:
    ProgressLine() : m_shown(::isatty(STDERR_FILENO) == 1) {}
    void Show(size_t done, size_t total, const std::string& doing) {
        if (!m_shown) return;
        std::fprintf(stderr, "\r\033[KExporting %zu of %zu: %s", done + 1, total, Printable(doing).c_str());
        std::fflush(stderr);
    }
    // Clears the line, so that what follows starts on a clean one.
    void Clear() {
        if (m_shown) std::fprintf(stderr, "\r\033[K");
    }

private:
    const bool m_shown;
};

}  // namespace

int ExportDicom(uint64_t uid, const std::string& hostDir) {
    dicom::PatientPictures patient;
    if (!LoadPatient(uid, &patient)) return 1;
    if (::mkdir(hostDir.c_str(), platform::NewDirectoryMode()) == 0) {
        platform::GiveDataGroupAt(hostDir);
    } else if (errno != EEXIST) {
        std::fprintf(stderr, "kavimo-records: cannot create %s: %s\n", Printable(hostDir).c_str(),
                     std::strerror(errno));
        return 1;
    }
    dicom::ExportFolder folder(hostDir);
    ProgressLine progress;
    size_t written = 0, done = 0;
    for (const dicom::PictureSource& source : patient.pictures) {
        progress.Show(done++, patient.pictures.size(), source.name);
        std::string error, fileId;
        const std::unique_ptr<dicom::PictureObject> object = dicom::PictureObject::Build(source, &error);
        if (object && folder.Add(*object, &fileId, &error)) {
            progress.Clear();
            std::printf("%s/%s (%s)\n", Printable(hostDir).c_str(), fileId.c_str(), Printable(source.name).c_str());
            ++written;
        } else {
            progress.Clear();
            std::fprintf(stderr, "kavimo-records: %s: %s\n", Printable(source.name).c_str(), Printable(error).c_str());
        }
    }
    progress.Clear();
    bool listed = written == 0;
    if (written > 0) {
        std::string error;
        listed = folder.WriteDicomDir(&error);
        if (listed) {
            std::printf("%s/%s\n", Printable(hostDir).c_str(), dicom::kDicomDirName);
        } else {
            std::fprintf(stderr, "kavimo-records: %s\n", Printable(error).c_str());
        }
    }
    std::printf("%zu of %zu pictures written\n", written, patient.pictures.size());
    return written == patient.pictures.size() && listed ? 0 : 1;
}

int SendDicom(uint64_t uid, const std::string& pacs, const std::string& callingAet, const dicom::PacsTls& tls) {
    dicom::PacsAddress address;
    if (!ParseAddress(pacs, callingAet, &address)) return 2;
    address.tls = tls;
    dicom::PatientPictures patient;
    if (!LoadPatient(uid, &patient)) return 1;

    dicom::PacsClient client;
    std::string openError;
    size_t stored = 0;
    for (const dicom::PictureSource& source : patient.pictures) {
        std::string error;
        const std::unique_ptr<dicom::PictureObject> object = dicom::PictureObject::Build(source, &error);
        if (!object) {
            std::printf("%s: failed: %s\n", Printable(source.name).c_str(), Printable(error).c_str());
            continue;
        }
        // A broken association is opened again once for the next picture.
        if (!client.IsOpen() && openError.empty() && !client.Open(address, &openError)) {
            std::fprintf(stderr, "kavimo-records: %s\n", Printable(openError).c_str());
        }
        if (!client.IsOpen()) {
            std::printf("%s: not sent: %s\n", Printable(source.name).c_str(), Printable(openError).c_str());
            continue;
        }
        const dicom::PacsClient::StoreResult result = client.Store(*object, &error);
        if (result == dicom::PacsClient::StoreResult::Stored) {
            std::printf("%s: stored as %s\n", Printable(source.name).c_str(),
                        Printable(object->SopInstanceUid()).c_str());
            ++stored;
        } else {
            std::printf("%s: failed: %s\n", Printable(source.name).c_str(), Printable(error).c_str());
            if (result == dicom::PacsClient::StoreResult::Broken) openError.clear();
        }
    }
    client.Close();
    std::printf("%zu of %zu pictures stored in %s\n", stored, patient.pictures.size(),
                Printable(address.Text()).c_str());
    return stored == patient.pictures.size() ? 0 : 1;
}

int ShowWorklist(const std::string& pacs, const std::string& callingAet, const dicom::PacsTls& tls,
                 const std::string& date) {
    dicom::PacsAddress address;
    if (!ParseAddress(pacs, callingAet, &address)) return 2;
    address.tls = tls;
    const std::string day = date.empty() ? Today() : date;
    dicom::PacsClient client;
    std::vector<dicom::WorklistEntry> entries;
    std::string error;
    bool cut = false;
    std::vector<std::string> notes;
    // Every modality and station: this lists what the archive schedules for the day.
    dicom::WorklistQuery query;
    query.date = day;
    if (!client.Open(address, &error) || !client.FindWorklist(query, &entries, &error, &cut, &notes)) {
        std::fprintf(stderr, "kavimo-records: %s\n", Printable(error).c_str());
        return 1;
    }
    client.Close();
    for (const std::string& note : notes) std::fprintf(stderr, "kavimo-records: %s\n", Printable(note).c_str());
    std::printf("Worklist of %s: %zu scheduled patient%s\n", Printable(day).c_str(), entries.size(),
                entries.size() == 1 ? "" : "s");
    if (entries.empty()) return 0;
    std::printf("%-6s %-16s %-32s %-10s %-3s %s\n", "Time", "Patient ID", "Name", "Born", "Sex", "Procedure");
    for (const dicom::WorklistEntry& entry : entries) {
        std::printf("%-6s %-16s %-32s %-10s %-3s %s\n", Printable(entry.scheduledTime.substr(0, 4)).c_str(),
                    Printable(entry.patient.patientId).c_str(), Printable(entry.patient.patientName).c_str(),
                    Printable(entry.patient.birthDate).c_str(), Printable(entry.patient.sex).c_str(),
                    Printable(entry.description).c_str());
    }
    // The list is still the day's first entries: worth showing, but never taken for all of them.
    if (cut) std::printf("(list cut at %zu entries; the archive schedules more)\n", entries.size());
    return 0;
}

}  // namespace recordtool
