// The transfer file of the VDDS-media interface: the practice-management system writes it,
// starts kavimo with its path, and waits for kavimo's answer in the same file.
//
// The file is Windows INI text in ISO-8859-1: "[SECTION]" lines, "KEY=VALUE" lines, comments
// after ';'. Sections and keys are compared without regard to case. What kavimo reads:
//
//   [PATIENT]  PATID, LASTNAME, FIRSTNAME, BIRTHDAY (YYYYMMDD or DD.MM.YYYY), SEX (M, W, D, U),
//              PHONE
//   [MMOS]     COUNT: how many pictures the system chose, each in [MMO1] ... [MMO<COUNT>] by
//              its MMOID
//   [MMOPATH]  PATH: the folder the chosen pictures are exported into
//
// and what the request is: with [MMOPATH], export the chosen pictures; with chosen pictures and
// no [MMOPATH], show them; otherwise take the patient (patient import) and list its pictures.
// kavimo answers in [STATUS] with READY=1, ERRORLEVEL (0 done, see TransferError) and
// ERRORTEXT, and for a patient import with the picture list: [MMOS] COUNT and one [MMO<n>]
// section per picture with MMOID, TYPE, TEETH, DATE (YYYYMMDD), TIME (HHMMSS), COMMENT, EXT;
// an export adds FILE, the exported file's path, to each chosen picture's section.
//
// Plain functions without Qt; any thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pms/patientrequest.h"

namespace pms {

// A transfer file is a few kilobytes; anything larger is not one.
inline constexpr size_t kMaxTransferBytes = 256 * 1024;

class IniText {
public:
    // Reads ISO-8859-1 INI text. False, with the reason, when the bytes are not ISO-8859-1 text:
    // a NUL or another control character besides tab, CR and LF, a C1 control (0x80-0x9F), or
    // text that is in fact UTF-8 (a byte-order mark, or non-ASCII bytes that all form UTF-8
    // sequences) — the names would otherwise come out garbled; or when it is too large.
    bool Parse(const std::string& latin1, std::string* problem);

    // The value of a key (UTF-8); empty when there is none. `found` tells them apart.
    std::string Value(const std::string& section, const std::string& key, bool* found = nullptr) const;
    bool HasSection(const std::string& section) const;

    // Sets a key (UTF-8 value), adding the section at the end and the key at the section's end
    // when they are missing. Line breaks and other control characters in the value become
    // spaces.
    void Set(const std::string& section, const std::string& key, const std::string& value);
    // Removes a whole section when it is there.
    void RemoveSection(const std::string& section);

    // The text in ISO-8859-1 with the line ends the file had (CR LF when it had none); characters
    // ISO-8859-1 lacks become '?'. Lines kavimo did not understand stay as they were.
    std::string Latin1Text() const;

private:
    struct Line {
        std::string key;    // empty for a comment or a line kavimo does not read
        std::string value;  // UTF-8
        std::string raw;    // the line as read (ISO-8859-1); empty once kavimo has set its value
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;
    };
    Section* Find(const std::string& section);
    const Section* Find(const std::string& section) const;

    std::vector<Section> m_sections;  // the first holds the lines before any section header
    std::string m_lineEnd = "\r\n";
};

enum class TransferAction { PatientImport, ShowPictures, ExportPictures };

struct TransferRequest {
    TransferAction action = TransferAction::PatientImport;
    PatientRequest patient;
    std::vector<std::string> pictures;  // the chosen MMOIDs
    std::string exportFolder;           // [MMOPATH] PATH
};

// The error levels of the answer.
enum TransferError : int {
    kTransferDone = 0,
    kTransferPatientRefused = 1,  // the patient's data cannot be taken
    kTransferUnknownPatient = 2,  // show or export for a patient kavimo does not have
    kTransferUnknownPicture = 3,  // a chosen picture is not the patient's
    kTransferFailed = 4,          // the records or the export folder could not be written
    kTransferNotTaken = 5,        // the running kavimo did not take the patient
};

// The request of a transfer file; false, with the reason, when it names no patient, its patient
// data is refused (RequestProblem, with `today`), or a chosen picture's MMOID is not one kavimo
// hands out.
bool ReadTransferRequest(const IniText& file, const std::string& today, TransferRequest* request, std::string* problem);

// A picture of a patient as the list gives it.
struct PictureEntry {
    std::string mmoid;  // the file's name without ".jpg"
    std::string file;   // the file's name
    std::string date;   // YYYYMMDD
    std::string time;   // HHMMSS
    std::string teeth;  // FDI numbers, comma-separated, or empty
    std::string comment;
};

// The pictures of a patient directory (host path), as its picture list (DisePicList.fdb) names
// them, in its order; only files that are there.
std::vector<PictureEntry> ListPictures(const std::string& patientHostDir);

// The teeth a picture shows, as the list gives them.
std::string TeethOfPicture(const std::string& patientHostDir, const std::string& pictureName);

// Writes the answer into the file: [STATUS] with READY=1, the level and the text; for a patient
// import done, the picture list (earlier [MMOS] and [MMO<n>] sections are replaced).
void SetAnswer(IniText* file, int errorLevel, const std::string& errorText);
void SetPictureList(IniText* file, const std::vector<PictureEntry>& pictures);

// Reads the transfer file at `path`; false, with the reason, when it cannot be read, is too
// large or is not ISO-8859-1 INI text.
bool ReadTransferFile(const std::string& path, IniText* file, std::string* problem);
// Writes the file back whole and atomically (a temporary file beside it, renamed over it), with
// the mode the old file had. False, with the reason, on failure.
bool WriteTransferFile(const std::string& path, const IniText& file, std::string* problem);

// Copies the chosen pictures of a patient directory into a folder as <MMOID>.jpg and records
// FILE in each picture's section. Fails (kTransferUnknownPicture or kTransferFailed, the reason
// in *problem) at the first picture that is not the patient's or cannot be copied.
int ExportPictures(const std::string& patientHostDir, const TransferRequest& request, IniText* file,
                   std::string* problem);

}  // namespace pms
