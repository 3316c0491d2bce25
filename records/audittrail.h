// The audit trail: who did what to which patient's records, when and from which computer, one
// JSON object per line in DentalWorkDir/AuditTrail.jsonl. The fields follow the audit messages
// of IHE ATNA (RFC 3881): the event and its outcome, who (the login name), where from (the host),
// what (the patient and the file).
//
// The file only grows. Each line goes out in one write() to a file opened with O_APPEND, so lines
// of several writers never interleave; a crash can leave at most a torn last line, which the
// reader skips and the next writer closes off with a newline first. The file is created with the
// data's mode (platform/filemode.h): it names patients. A line that cannot be written is reported in the program's log
// and never stops what the user is doing.
//
// Threads: an AuditTrail object is used by one thread at a time. The process-wide entry
// (SetUp, Record) may be called from any thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace records {

// The trail's file in the work directory.
inline constexpr const char* kAuditTrailFile = "AuditTrail.jsonl";

// The events, as they are written.
namespace audit {
inline constexpr const char* kCapture = "capture";               // Freeze, Snap (detail says which)
inline constexpr const char* kImport = "import";                 // a file came in from outside
inline constexpr const char* kSave = "save";                     // Save, Save As (detail says which)
inline constexpr const char* kDelete = "delete";                 // a picture was deleted
inline constexpr const char* kRestore = "restore";               // a deleted picture came back
inline constexpr const char* kExport = "export";                 // a picture copied to a folder
inline constexpr const char* kExportDicom = "export-dicom";      // DICOM files written to a folder
inline constexpr const char* kArchiveQueued = "archive-queued";  // pictures queued for the archive
inline constexpr const char* kArchiveAnswer = "archive-answer";  // the archive stored or refused
inline constexpr const char* kPatientCreated = "patient-created";
inline constexpr const char* kPatientChanged = "patient-changed";
inline constexpr const char* kPatientDeleted = "patient-deleted";
inline constexpr const char* kPatientRestored = "patient-restored";
}  // namespace audit

struct AuditEvent {
    std::string time;      // ISO 8601 local time with its offset, "2024-01-01T09:00:00+01:00"
    std::string event;     // one of audit::k*
    bool success = true;   // the outcome
    std::string user;      // the login name
    std::string host;      // the computer's name
    uint64_t patient = 0;  // the patient's UID; 0 when the event concerns none
    std::string file;      // the logical path ("d:\DentalWorkDir\UID…\….jpg"); may be empty
    std::string detail;    // how (Freeze, Snap, Save As, a folder) or why it failed
};

class AuditTrail {
public:
    // The trail in `hostPath` (the file need not exist yet).
    explicit AuditTrail(std::string hostPath);

    // Appends the event as one line. Empty time, user and host are filled from the clock and the
    // system. False, with the reason, when the line could not be written whole.
    bool Append(AuditEvent event, std::string* error);

    const std::string& Path() const { return m_path; }

    // The process-wide trail: SetUp names its file (an empty path turns it off); Record appends
    // an event to it now, and writes a warning to the log when the line cannot be written.
    static void SetUp(const std::string& hostPath);
    static void Record(const char* event, uint64_t patient, const std::string& file = std::string(),
                       const std::string& detail = std::string(), bool success = true);

    // One event as its line, without the newline.
    static std::string FormatLine(const AuditEvent& event);
    // A line back into an event; false for a line that is not a whole event.
    static bool ParseLine(const std::string& line, AuditEvent* event);

    // Every whole line of a trail file, in order. A line that does not parse (a torn last line
    // after a crash) is left out and counted in *skipped. False when the file cannot be read; a
    // missing file is an empty trail.
    static bool ReadFile(const std::string& hostPath, std::vector<AuditEvent>* events, size_t* skipped,
                         std::string* error);

    // The current local time as ISO 8601 with its offset.
    static std::string NowText();

private:
    std::string m_path;
};

}  // namespace records
