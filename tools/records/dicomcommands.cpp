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
#include "platform/text.h"
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
        std::fprintf(stderr, "kavimo-records: %s\n",
                     text::Arg(text::Tr("not an archive address (AET@HOST:PORT): %1"), {Printable(text)}).c_str());
        return false;
    }
    if (!callingAet.empty()) {
        if (!dicom::IsValidAeTitle(callingAet)) {
            std::fprintf(stderr, "kavimo-records: %s\n",
                         text::Arg(text::Tr("not an AE title: %1"), {Printable(callingAet)}).c_str());
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
        //: the progress line of kavimo-records export-dicom: %1 of %2 pictures, %3 the picture's name
        const std::string line = text::Arg(text::Tr("Exporting %1 of %2: %3"),
                                           {std::to_string(done + 1), std::to_string(total), Printable(doing)});
        std::fprintf(stderr, "\r\033[K%s", line.c_str());
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
        //: %2 the system's reason
        std::fprintf(stderr, "kavimo-records: %s\n",
                     text::Arg(text::Tr("cannot create %1: %2"), {Printable(hostDir), std::strerror(errno)}).c_str());
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
    const int total = int(patient.pictures.size());
    std::printf("%s\n", text::Arg(Counted(total, text::Tr("%1 of 1 picture written"),
                                          text::Tr("%1 of %n pictures written", nullptr, total)),
                                  {std::to_string(written)})
                            .c_str());
    return written == patient.pictures.size() && listed ? 0 : 1;
}

int SendDicom(uint64_t uid, const std::string& pacs, const std::string& callingAet, const dicom::PacsTls& tls) {
    dicom::PacsAddress address;
    if (!ParseAddress(pacs, callingAet, &address)) return 2;
    address.tls = tls;
    dicom::PatientPictures patient;
    if (!LoadPatient(uid, &patient)) return 1;

    //: a line of kavimo-records send-dicom: %1 the picture, %2 why it was not stored
    const std::string failed = text::Tr("%1: failed: %2");
    dicom::PacsClient client;
    std::string openError;
    size_t stored = 0;
    for (const dicom::PictureSource& source : patient.pictures) {
        std::string error;
        const std::unique_ptr<dicom::PictureObject> object = dicom::PictureObject::Build(source, &error);
        if (!object) {
            std::printf("%s\n", text::Arg(failed, {Printable(source.name), Printable(error)}).c_str());
            continue;
        }
        // A broken association is opened again once for the next picture.
        if (!client.IsOpen() && openError.empty() && !client.Open(address, &openError)) {
            std::fprintf(stderr, "kavimo-records: %s\n", Printable(openError).c_str());
        }
        if (!client.IsOpen()) {
            //: a line of kavimo-records send-dicom: %1 the picture, %2 why the archive cannot be reached
            std::printf(
                "%s\n",
                text::Arg(text::Tr("%1: not sent: %2"), {Printable(source.name), Printable(openError)}).c_str());
            continue;
        }
        const dicom::PacsClient::StoreResult result = client.Store(*object, &error);
        if (result == dicom::PacsClient::StoreResult::Stored) {
            //: a line of kavimo-records send-dicom: %1 the picture, %2 the UID the archive stored it as
            std::printf("%s\n", text::Arg(text::Tr("%1: stored as %2"),
                                          {Printable(source.name), Printable(object->SopInstanceUid())})
                                    .c_str());
            ++stored;
        } else {
            std::printf("%s\n", text::Arg(failed, {Printable(source.name), Printable(error)}).c_str());
            if (result == dicom::PacsClient::StoreResult::Broken) openError.clear();
        }
    }
    client.Close();
    const int total = int(patient.pictures.size());
    //: %2 the archive, such as PACS@host:104
    std::printf("%s\n", text::Arg(Counted(total, text::Tr("%1 of 1 picture stored in %2"),
                                          text::Tr("%1 of %n pictures stored in %2", nullptr, total)),
                                  {std::to_string(stored), Printable(address.Text())})
                            .c_str());
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
    const int scheduled = int(entries.size());
    //: %1 the day, YYYYMMDD
    std::printf("%s\n", text::Arg(Counted(scheduled, text::Tr("Worklist of %1: 1 scheduled patient"),
                                          text::Tr("Worklist of %1: %n scheduled patients", nullptr, scheduled)),
                                  {Printable(day)})
                            .c_str());
    if (entries.empty()) return 0;
    const std::vector<TableColumn> columns = {
        //: a column heading of kavimo-records worklist: the scheduled time
        {text::Tr("Time"), 6},
        //: a column heading of kavimo-records worklist
        {text::Tr("Patient ID"), 16},
        //: a column heading of kavimo-records worklist
        {text::Tr("Name"), 32},
        //: a column heading of kavimo-records worklist: the birth date
        {text::Tr("Born"), 10},
        //: a column heading of kavimo-records worklist: the letter M, F or O
        {text::Tr("Sex"), 3},
        //: a column heading of kavimo-records worklist: the scheduled procedure
        {text::Tr("Procedure"), 0},
    };
    std::vector<std::vector<std::string>> rows;
    for (const dicom::WorklistEntry& entry : entries) {
        rows.push_back({Printable(entry.scheduledTime.substr(0, 4)), Printable(entry.patient.patientId),
                        Printable(entry.patient.patientName), Printable(entry.patient.birthDate),
                        Printable(entry.patient.sex), Printable(entry.description)});
    }
    for (const std::string& line : TableLines(columns, rows)) std::printf("%s\n", line.c_str());
    // The list is still the day's first entries: worth showing, but never taken for all of them.
    if (cut) {
        std::printf("%s\n",
                    text::Tr("(list cut at %n entries; the archive schedules more)", nullptr, scheduled).c_str());
    }
    return 0;
}

}  // namespace recordtool
