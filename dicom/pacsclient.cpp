#include "dicom/pacsclient.h"

#include <sys/socket.h>

#include <algorithm>
#include <cstdio>
#include <mutex>

#include "dcmtk/config/osconfig.h"
#include "dcmtk/dcmdata/dcdeftag.h"
#include "dcmtk/dcmdata/dcfilefo.h"
#include "dcmtk/dcmdata/dcuid.h"
#include "dcmtk/dcmnet/dcmlayer.h"
#include "dcmtk/dcmnet/dcmtrans.h"
#include "dcmtk/dcmnet/diutil.h"
#include "dcmtk/dcmnet/scu.h"
#include "dicom/dcmtklog.h"
#include "dicom/pictureobject.h"

namespace dicom {
namespace {

std::string Text(const OFCondition& condition) { return condition.text(); }

OFString Value(DcmItem* item, const DcmTagKey& tag) {
    OFString value;
    if (item) item->findAndGetOFStringArray(tag, value);
    return value;
}

std::string StatusText(Uint16 status) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%04X", status);
    return text;
}

bool IsStoredStatus(Uint16 status) {
    // Success, and the warnings that still mean the archive keeps the object.
    return status == 0x0000 || status == 0xB000 || status == 0xB006 || status == 0xB007 || (status & 0xF000) == 0xB000;
}

bool IsPendingStatus(Uint16 status) { return status == 0xFF00 || status == 0xFF01; }

// The association's socket, so that Abort can end a wait on the archive from another thread by
// shutting the socket down. The connection publishes it when DCMTK has connected and withdraws it
// before the socket is closed, so Abort never touches a descriptor that may since have been reused.
class SocketGuard {
public:
    void Publish(DcmNativeSocketType socket) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_socket = socket;
        if (m_aborted) ::shutdown(socket, SHUT_RDWR);
    }
    void Withdraw(DcmNativeSocketType socket) {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_socket == socket) m_socket = -1;
    }
    void Abort() {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_aborted = true;
        if (m_socket >= 0) ::shutdown(m_socket, SHUT_RDWR);
    }
    bool Aborted() const {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_aborted;
    }

private:
    mutable std::mutex m_mutex;
    DcmNativeSocketType m_socket = -1;
    bool m_aborted = false;
};

class GuardedConnection : public DcmTCPConnection {
public:
    GuardedConnection(DcmNativeSocketType socket, std::shared_ptr<SocketGuard> guard)
        : DcmTCPConnection(socket), m_socket(socket), m_guard(std::move(guard)) {
        m_guard->Publish(socket);
    }
    ~GuardedConnection() override { m_guard->Withdraw(m_socket); }
    GuardedConnection(const GuardedConnection&) = delete;
    GuardedConnection& operator=(const GuardedConnection&) = delete;

    // A peer gone, or our own Abort, must not end the program with SIGPIPE.
    ssize_t write(void* buffer, size_t bytes) override { return ::send(m_socket, buffer, bytes, MSG_NOSIGNAL); }
    void close() override {
        m_guard->Withdraw(m_socket);
        DcmTCPConnection::close();
    }
    void closeTransportConnection() override {
        m_guard->Withdraw(m_socket);
        DcmTCPConnection::closeTransportConnection();
    }

private:
    const DcmNativeSocketType m_socket;
    const std::shared_ptr<SocketGuard> m_guard;
};

// Makes every connection of the association a guarded one. Plain TCP: kavimo speaks no TLS.
class GuardedLayer : public DcmTransportLayer {
public:
    explicit GuardedLayer(std::shared_ptr<SocketGuard> guard) : m_guard(std::move(guard)) {}
    DcmTransportConnection* createConnection(DcmNativeSocketType socket, OFBool /*useSecureLayer*/) override {
        return new GuardedConnection(socket, m_guard);
    }

private:
    const std::shared_ptr<SocketGuard> m_guard;
};

WorklistEntry EntryOf(DcmItem* answer) {
    WorklistEntry entry;
    entry.patient.patientId = Value(answer, DCM_PatientID).c_str();
    entry.patient.patientName = Value(answer, DCM_PatientName).c_str();
    entry.patient.birthDate = Value(answer, DCM_PatientBirthDate).c_str();
    entry.patient.sex = Value(answer, DCM_PatientSex).c_str();
    entry.accessionNumber = Value(answer, DCM_AccessionNumber).c_str();
    DcmItem* scheduled = nullptr;
    if (answer->findAndGetSequenceItem(DCM_ScheduledProcedureStepSequence, scheduled).good()) {
        entry.scheduledDate = Value(scheduled, DCM_ScheduledProcedureStepStartDate).c_str();
        entry.scheduledTime = Value(scheduled, DCM_ScheduledProcedureStepStartTime).c_str();
        entry.modality = Value(scheduled, DCM_Modality).c_str();
        entry.description = Value(scheduled, DCM_ScheduledProcedureStepDescription).c_str();
    }
    return entry;
}

// How a worklist query is going, seen answer by answer.
struct WorklistRound {
    std::chrono::steady_clock::time_point deadline;
    int answerSeconds = 30;
    size_t maxEntries = kWorklistMaxEntries;
    std::vector<WorklistEntry>* entries = nullptr;
    bool cut = false;     // stopped at the entry limit
    bool late = false;    // stopped at the deadline
    bool failed = false;  // the archive answered with a failure status
    std::string reason;
};

// The association's user: takes the worklist's answers one by one, so that a query that never
// ends is stopped at its deadline or its entry limit instead of piling up answers.
class ArchiveScu : public DcmSCU {
public:
    using DcmSCU::useSecureConnection;
    // The seconds left until the round's deadline, at least 1, at most the answer timeout.
    static Uint32 SecondsLeft(const WorklistRound& round) {
        const auto left =
            std::chrono::duration_cast<std::chrono::seconds>(round.deadline - std::chrono::steady_clock::now());
        return Uint32(std::clamp<long long>(left.count() + 1, 1, round.answerSeconds));
    }
    void SetRound(WorklistRound* round) { m_round = round; }

protected:
    OFCondition handleFINDResponse(const T_ASC_PresentationContextID /*presID*/, QRResponse* response,
                                   OFBool& waitForNextResponse) override {
        WorklistRound& round = *m_round;
        const bool pending = IsPendingStatus(response->m_status);
        waitForNextResponse = pending;
        if (pending && response->m_dataset) {
            if (round.entries->size() >= round.maxEntries) {
                round.cut = true;
                waitForNextResponse = false;
                return EC_Normal;
            }
            round.entries->push_back(EntryOf(response->m_dataset));
        } else if (!pending && response->m_status != 0) {
            round.failed = true;
            round.reason = "status " + StatusText(response->m_status);
        }
        if (waitForNextResponse) {
            if (std::chrono::steady_clock::now() >= round.deadline) {
                round.late = true;
                waitForNextResponse = false;
            } else {
                setDIMSETimeout(SecondsLeft(round));
            }
        }
        return EC_Normal;
    }

private:
    WorklistRound* m_round = nullptr;
};

}  // namespace

std::string PacsAddress::Text() const { return calledAet + "@" + host + ":" + std::to_string(port); }

bool IsValidAeTitle(const std::string& title) {
    if (title.empty() || title.size() > 16) return false;
    bool onlySpaces = true;
    for (char c : title) {
        if (c < 0x20 || c > 0x7e || c == '\\') return false;
        if (c != ' ') onlySpaces = false;
    }
    return !onlySpaces;
}

bool ParsePacsAddress(const std::string& text, PacsAddress* address) {
    const size_t at = text.find('@');
    const size_t colon = text.rfind(':');
    if (at == std::string::npos || colon == std::string::npos || colon < at) return false;
    const std::string aet = text.substr(0, at);
    const std::string host = text.substr(at + 1, colon - at - 1);
    const std::string port = text.substr(colon + 1);
    if (!IsValidAeTitle(aet) || host.empty() || port.empty() || port.size() > 5) return false;
    for (char c : port) {
        if (c < '0' || c > '9') return false;
    }
    const int number = std::stoi(port);
    if (number < 1 || number > 65535) return false;
    address->calledAet = aet;
    address->host = host;
    address->port = number;
    return true;
}

struct PacsClient::Impl {
    const std::shared_ptr<SocketGuard> guard = std::make_shared<SocketGuard>();
    GuardedLayer layer{guard};
    std::unique_ptr<ArchiveScu> scu;  // after the layer, so that it goes first
    PacsAddress address;
    int connectSeconds = 5;
    int answerSeconds = 30;
    std::chrono::seconds worklistDeadline = kWorklistDeadline;
    size_t worklistMaxEntries = kWorklistMaxEntries;

    // Drops the association without a word to the archive: after Abort, or when the archive may
    // still be sending.
    void Drop() {
        if (scu && scu->isConnected()) scu->abortAssociation();
        scu.reset();
    }
};

PacsClient::PacsClient() : m_impl(new Impl) { ConfigureDcmtkLog(); }

PacsClient::~PacsClient() { Close(); }

void PacsClient::SetTimeouts(int connectSeconds, int answerSeconds) {
    m_impl->connectSeconds = connectSeconds;
    m_impl->answerSeconds = answerSeconds;
}

void PacsClient::SetWorklistLimits(std::chrono::seconds deadline, size_t maxEntries) {
    m_impl->worklistDeadline = deadline;
    m_impl->worklistMaxEntries = maxEntries;
}

void PacsClient::Abort() { m_impl->guard->Abort(); }

bool PacsClient::Aborted() const { return m_impl->guard->Aborted(); }

bool PacsClient::Open(const PacsAddress& address, std::string* error) {
    Close();
    if (!address.IsSet() || !IsValidAeTitle(address.callingAet)) {
        if (error) *error = "the archive's address is not set (AE title, host and port)";
        return false;
    }
    if (Aborted()) {
        if (error) *error = "cancelled";
        return false;
    }
    auto scu = std::make_unique<ArchiveScu>();
    scu->setAETitle(address.callingAet.c_str());
    scu->setPeerAETitle(address.calledAet.c_str());
    scu->setPeerHostName(address.host.c_str());
    scu->setPeerPort(Uint16(address.port));
    scu->setConnectionTimeout(m_impl->connectSeconds);
    scu->setACSETimeout(Uint32(m_impl->connectSeconds));
    scu->setDIMSEBlockingMode(DIMSE_NONBLOCKING);
    scu->setDIMSETimeout(Uint32(m_impl->answerSeconds));

    OFList<OFString> uncompressed;
    uncompressed.push_back(UID_LittleEndianExplicitTransferSyntax);
    uncompressed.push_back(UID_LittleEndianImplicitTransferSyntax);
    OFList<OFString> jpeg;
    jpeg.push_back(UID_JPEGProcess1TransferSyntax);
    scu->addPresentationContext(UID_VerificationSOPClass, uncompressed);
    scu->addPresentationContext(UID_VLPhotographicImageStorage, jpeg);
    scu->addPresentationContext(UID_VLPhotographicImageStorage, uncompressed);
    scu->addPresentationContext(UID_FINDModalityWorklistInformationModel, uncompressed);

    const std::string where = address.Text();
    OFCondition status = scu->initNetwork();
    if (status.good()) status = scu->useSecureConnection(&m_impl->layer);
    if (status.good()) status = scu->negotiateAssociation();
    if (status.good() && Aborted()) {
        scu->abortAssociation();
        if (error) *error = "cancelled";
        return false;
    }
    if (status.bad()) {
        if (Aborted()) {
            if (error) *error = "cancelled";
            return false;
        }
        if (error) {
            if (status == DUL_ASSOCIATIONREJECTED) {
                *error = "the archive " + where +
                         " refused the connection (check its AE title and "
                         "that it accepts " +
                         address.callingAet + "): " + Text(status);
            } else {
                *error = "cannot reach the archive " + where + ": " + Text(status);
            }
        }
        return false;
    }
    m_impl->scu = std::move(scu);
    m_impl->address = address;
    return true;
}

bool PacsClient::IsOpen() const { return m_impl->scu && m_impl->scu->isConnected(); }

void PacsClient::Close() {
    if (!m_impl->scu) return;
    if (Aborted()) {
        m_impl->Drop();
        return;
    }
    if (m_impl->scu->isConnected() && m_impl->scu->releaseAssociation().bad()) {
        m_impl->scu->abortAssociation();
    }
    m_impl->scu.reset();
}

bool PacsClient::Echo(std::string* error) {
    if (!IsOpen()) {
        if (error) *error = "not connected to the archive";
        return false;
    }
    const T_ASC_PresentationContextID id = m_impl->scu->findPresentationContextID(UID_VerificationSOPClass, "");
    const OFCondition status = id == 0 ? NET_EC_NoAcceptablePresentationContexts : m_impl->scu->sendECHORequest(id);
    if (status.bad()) {
        if (error) *error = "the archive did not answer the check: " + Text(status);
        return false;
    }
    return true;
}

PacsClient::StoreResult PacsClient::Store(const PictureObject& object, std::string* error) {
    if (!IsOpen()) {
        if (error) *error = "not connected to the archive";
        return StoreResult::Broken;
    }
    DcmSCU& scu = *m_impl->scu;
    T_ASC_PresentationContextID id =
        scu.findPresentationContextID(UID_VLPhotographicImageStorage, object.TransferSyntaxUid());
    // Decoded pixels may also travel in the implicit form, when that is what the archive chose.
    if (id == 0 && !object.KeepsJpeg()) {
        id = scu.findPresentationContextID(UID_VLPhotographicImageStorage, UID_LittleEndianImplicitTransferSyntax);
    }
    if (id == 0) {
        if (error) {
            *error = std::string("the archive does not accept photographic pictures in ") +
                     (object.KeepsJpeg() ? "JPEG" : "uncompressed") + " form";
        }
        return StoreResult::Refused;
    }
    Uint16 status = 0;
    const OFCondition sent = scu.sendSTORERequest(id, "", object.File().getDataset(), status);
    if (sent.bad()) {
        if (error) *error = "the archive did not confirm the picture: " + Text(sent);
        if (!scu.isConnected()) return StoreResult::Broken;
        // A request that failed half-way leaves the association unusable.
        scu.abortAssociation();
        return StoreResult::Broken;
    }
    if (!IsStoredStatus(status)) {
        if (error) *error = "the archive refused the picture (status " + StatusText(status) + ")";
        return StoreResult::Refused;
    }
    return StoreResult::Stored;
}

bool PacsClient::FindWorklist(const std::string& date, std::vector<WorklistEntry>* entries, std::string* error,
                              bool* cut) {
    entries->clear();
    if (cut) *cut = false;
    if (!IsOpen()) {
        if (error) *error = "not connected to the archive";
        return false;
    }
    ArchiveScu& scu = *m_impl->scu;
    const T_ASC_PresentationContextID id = scu.findPresentationContextID(UID_FINDModalityWorklistInformationModel, "");
    if (id == 0) {
        if (error) *error = "the archive offers no worklist";
        return false;
    }
    DcmDataset query;
    query.putAndInsertString(DCM_SpecificCharacterSet, "ISO_IR 192");
    query.insertEmptyElement(DCM_PatientName);
    query.insertEmptyElement(DCM_PatientID);
    query.insertEmptyElement(DCM_PatientBirthDate);
    query.insertEmptyElement(DCM_PatientSex);
    query.insertEmptyElement(DCM_AccessionNumber);
    DcmItem* step = nullptr;
    query.findOrCreateSequenceItem(DCM_ScheduledProcedureStepSequence, step);
    if (step) {
        step->putAndInsertString(DCM_ScheduledProcedureStepStartDate, date.c_str());
        step->insertEmptyElement(DCM_ScheduledProcedureStepStartTime);
        step->insertEmptyElement(DCM_Modality);
        step->insertEmptyElement(DCM_ScheduledProcedureStepDescription);
    }
    WorklistRound round;
    round.deadline = std::chrono::steady_clock::now() + m_impl->worklistDeadline;
    round.answerSeconds = m_impl->answerSeconds;
    round.maxEntries = m_impl->worklistMaxEntries;
    round.entries = entries;
    scu.SetRound(&round);
    scu.setDIMSETimeout(ArchiveScu::SecondsLeft(round));
    // The answers are taken one by one (none are collected).
    const OFCondition status = scu.sendFINDRequest(id, &query, nullptr);
    scu.SetRound(nullptr);
    scu.setDIMSETimeout(Uint32(m_impl->answerSeconds));
    const bool timedOut = round.late || (status.bad() && std::chrono::steady_clock::now() >= round.deadline);
    if (round.cut || timedOut || status.bad()) m_impl->Drop();
    if (round.cut) {
        if (cut) *cut = true;
        return true;
    }
    std::string reason;
    if (Aborted()) {
        reason = "cancelled";
    } else if (timedOut) {
        reason =
            "the archive did not finish answering within " + std::to_string(m_impl->worklistDeadline.count()) + " s";
    } else if (status.bad()) {
        reason = Text(status);
    } else if (round.failed) {
        reason = round.reason;
    }
    if (reason.empty()) return true;
    entries->clear();
    if (error) *error = "the worklist query failed: " + reason;
    return false;
}

bool EchoPacs(const PacsAddress& address, std::string* error) {
    PacsClient client;
    if (!client.Open(address, error)) return false;
    const bool ok = client.Echo(error);
    client.Close();
    return ok;
}

}  // namespace dicom
