// Talking to the clinic's archive: checking the connection, storing picture objects and asking
// for the day's worklist. One PacsClient holds at most one association; use it from one thread,
// except Abort, which any thread may call to end a wait on the archive at once.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dicom/patient.h"

namespace dicom {

class PictureObject;

inline constexpr const char* kDefaultCallingAet = "KAVIMO";

// The worklist query's limits unless set otherwise.
inline constexpr std::chrono::seconds kWorklistDeadline{10};
inline constexpr size_t kWorklistMaxEntries = 1000;

// How the association is protected. Off, it runs over plain TCP. On, it runs over TLS: the
// archive must show a certificate that chains to one in caFile and that names the host it is
// reached at; nothing goes over a connection that fails the check. certFile and keyFile (PEM, the
// key unencrypted) are kavimo's own certificate, for archives that ask for one; both or neither.
struct PacsTls {
    bool enabled = false;
    std::string caFile;
    std::string certFile;
    std::string keyFile;

    bool operator==(const PacsTls& other) const {
        return enabled == other.enabled && caFile == other.caFile && certFile == other.certFile &&
               keyFile == other.keyFile;
    }
    bool operator!=(const PacsTls& other) const { return !(*this == other); }
};

struct PacsAddress {
    std::string calledAet;
    std::string host;
    int port = 0;
    std::string callingAet = kDefaultCallingAet;
    PacsTls tls;

    bool IsSet() const { return !calledAet.empty() && !host.empty() && port > 0; }
    std::string Text() const;  // AET@HOST:PORT

    bool operator==(const PacsAddress& other) const {
        return calledAet == other.calledAet && host == other.host && port == other.port &&
               callingAet == other.callingAet && tls == other.tls;
    }
    bool operator!=(const PacsAddress& other) const { return !(*this == other); }
};

// Parses "AET@HOST:PORT". False for anything else (AE titles are 1 to 16 characters).
bool ParsePacsAddress(const std::string& text, PacsAddress* address);

// True for an AE title the network accepts: 1 to 16 printable characters, not only spaces, no
// backslash.
bool IsValidAeTitle(const std::string& title);

// One scheduled patient of the worklist, its texts in UTF-8 and every value checked against its
// VR (dicom/vrcheck.h).
struct WorklistEntry {
    WorklistPatient patient;
    std::string scheduledDate;  // YYYYMMDD
    std::string scheduledTime;  // HHMMSS (or shorter)
    std::string modality;
    std::string stationAet;   // the Scheduled Station AE Title
    std::string description;  // the scheduled step's description
    std::string stepId;       // Scheduled Procedure Step ID
    std::string accessionNumber;
    std::string studyUid;  // the Study Instance UID the order's pictures go into
    std::string requestedProcedureId;
    std::string requestedProcedureDescription;
    std::string referringPhysician;  // a person name (family^given...)
};

// What a worklist query asks for.
struct WorklistQuery {
    std::string date;        // YYYYMMDD
    std::string modality;    // empty: every modality
    std::string stationAet;  // empty: every station
};

// Which of the worklist's entries kavimo lists: those of a modality, and those scheduled for
// kavimo's own AE title or for every station. Set once from the configuration.
struct WorklistFilter {
    std::string modality = "XC";
    bool thisStationOnly = true;
};
void SetWorklistFilter(const WorklistFilter& filter);
WorklistFilter CurrentWorklistFilter();
// The query for a day under the filter, kavimo calling as `callingAet`.
WorklistQuery MakeWorklistQuery(const std::string& date, const WorklistFilter& filter, const std::string& callingAet);

class PacsClient {
public:
    PacsClient();
    ~PacsClient();
    PacsClient(const PacsClient&) = delete;
    PacsClient& operator=(const PacsClient&) = delete;

    // How long connecting (and each step of opening and releasing the association) and each
    // answer may take, in seconds.
    void SetTimeouts(int connectSeconds, int answerSeconds);

    // How long a whole worklist query may take and how many entries it keeps at most.
    void SetWorklistLimits(std::chrono::seconds deadline, size_t maxEntries);

    // Ends the client's work for good, from any thread: a wait on the archive in progress (the
    // association's answer, a store's or a query's answer, the release) ends at once with a
    // failure, and every later call fails. Only the TCP connect itself runs to its timeout.
    void Abort();
    bool Aborted() const;

    // Opens an association offering verification, picture storage and the worklist, over TLS when
    // the address says so. False, with the reason ("refused by ...", "cannot reach ...", "the
    // archive's certificate is not trusted: ...", a TLS file that cannot be read), when it cannot.
    bool Open(const PacsAddress& address, std::string* error);
    bool IsOpen() const;
    // Releases the association (aborts it when the release fails).
    void Close();

    // Verification (C-ECHO) over the open association.
    bool Echo(std::string* error);

    enum class StoreResult {
        Stored,        // the archive confirmed it (also with a warning, or when it already held it)
        Refused,       // the archive did not take it this time (a failure status, out of resources,
                       // or no accepted presentation context): worth trying again later
        Unacceptable,  // the archive will not take the object as it is (0xA9xx: the data set does
                       // not match its class, 0xCxxx: it cannot understand it)
        Broken,        // no answer: the association is gone
    };
    // Sends one object. For every result but Stored, *error says why; for Stored with a warning
    // status, *error names the warning (and is left alone otherwise).
    StoreResult Store(const PictureObject& object, std::string* error);

    // The worklist's scheduled patients for the query's day, its modality and station (an archive
    // that ignores those keys has its other entries left out here), sorted by their scheduled
    // time. Every answer is converted from its Specific Character Set to UTF-8 and its values are
    // checked: an entry whose Patient ID or issuer does not fit is left out, other values that do
    // not fit are mended or dropped; each such case adds a line to *notes (may be null). The query
    // ends with a failure when the archive has not finished within the deadline; at the entry
    // limit it ends early and keeps the entries so far, with *cut (may be null) set. Either way
    // the association is aborted, since the archive may still be answering.
    bool FindWorklist(const WorklistQuery& query, std::vector<WorklistEntry>* entries, std::string* error,
                      bool* cut = nullptr, std::vector<std::string>* notes = nullptr);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// Opens, checks with C-ECHO and closes: for "Test connection".
bool EchoPacs(const PacsAddress& address, std::string* error);

}  // namespace dicom
