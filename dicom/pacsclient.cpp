#include "dicom/pacsclient.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/time.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <tuple>

#include "dcmtk/config/osconfig.h"
#include "dcmtk/dcmdata/dcdeftag.h"
#include "dcmtk/dcmdata/dcfilefo.h"
#include "dcmtk/dcmdata/dcuid.h"
#include "dcmtk/dcmnet/dcmlayer.h"
#include "dcmtk/dcmnet/dcmtrans.h"
#include "dcmtk/dcmnet/diutil.h"
#include "dcmtk/dcmnet/scu.h"
#include "dcmtk/dcmtls/tlscond.h"
#include "dcmtk/dcmtls/tlslayer.h"
#include "dcmtk/dcmtls/tlstrans.h"
#include "dicom/dcmtklog.h"
#include "dicom/pictureobject.h"
#include "dicom/uids.h"
#include "dicom/vrcheck.h"
#include "platform/text.h"

namespace dicom {
namespace {

std::string Text(const OFCondition& condition) { return condition.text(); }

// DCMTK's association user announces DCMTK as the implementation and offers no way to name
// another; its parameters are reached through the one door C++ leaves open to a private member,
// a pointer to it named in an explicit instantiation.
template <typename Tag, typename Tag::Type Member>
struct PrivateMember {
    friend typename Tag::Type Get(Tag) { return Member; }
};
struct ScuParams {
    using Type = T_ASC_Parameters* DcmSCU::*;
    friend Type Get(ScuParams);
};
template struct PrivateMember<ScuParams, &DcmSCU::m_params>;

// Names kavimo as the implementation in the association request that initNetwork prepared.
void AnnounceKavimo(DcmSCU& scu) {
    T_ASC_Parameters* params = scu.*Get(ScuParams());
    if (!params) return;
    const std::string& uid = ImplementationClassUid();
    const std::string& name = ImplementationVersionName();
    OFStandard::strlcpy(params->ourImplementationClassUID, uid.c_str(), sizeof params->ourImplementationClassUID);
    OFStandard::strlcpy(params->ourImplementationVersionName, name.c_str(),
                        sizeof params->ourImplementationVersionName);
    OFStandard::strlcpy(params->DULparams.callingImplementationClassUID, uid.c_str(),
                        sizeof params->DULparams.callingImplementationClassUID);
    OFStandard::strlcpy(params->DULparams.callingImplementationVersionName, name.c_str(),
                        sizeof params->DULparams.callingImplementationVersionName);
}

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

// What a C-STORE status means, for the user ("out of resources"); empty when it has no name.
std::string StoreStatusMeaning(Uint16 status) {
    switch (status) {
        case 0x0001:
            return text::Tr("warning");
        case 0x0107:
            return text::Tr("attribute list error");
        case 0x0116:
            return text::Tr("attribute value out of range");
        case 0x0110:
            return text::Tr("processing failure");
        case 0x0122:
            return text::Tr("SOP class not supported");
        case 0x0124:
            return text::Tr("not authorised");
        case 0xB000:
            return text::Tr("coercion of data elements");
        case 0xB006:
            return text::Tr("elements discarded");
        case 0xB007:
            return text::Tr("data set does not match SOP class");
        default:
            break;
    }
    switch (status & 0xF000) {
        case 0xB000:
            return text::Tr("warning");
        case 0xC000:
            return text::Tr("cannot understand");
        default:
            break;
    }
    switch (status & 0xFF00) {
        case 0xA700:
            return text::Tr("out of resources");
        case 0xA900:
            return text::Tr("data set does not match SOP class");
        default:
            return {};
    }
}

std::string StoreStatusText(Uint16 status) {
    const std::string meaning = StoreStatusMeaning(status);
    //: %1 is a DICOM status number (0xA700)
    if (meaning.empty()) return text::Arg(text::Tr("status %1"), {StatusText(status)});
    //: %1 is a DICOM status number (0xA700), %2 what it means ("out of resources")
    return text::Arg(text::Tr("status %1: %2"), {StatusText(status), meaning});
}

bool IsStoredStatus(Uint16 status) {
    // Success, and the warnings that still mean the archive keeps the object.
    return status == 0x0000 || status == 0x0001 || status == 0x0107 || status == 0x0116 || (status & 0xF000) == 0xB000;
}

// Failures that sending the same object again will never mend.
bool IsUnacceptableStatus(Uint16 status) { return (status & 0xFF00) == 0xA900 || (status & 0xF000) == 0xC000; }

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

// Small writes go out at once: a PDV header written on its own must not wait for the archive's
// acknowledgement of the data before it.
void SendAtOnce(DcmNativeSocketType socket) {
    const int on = 1;
    ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

// Acknowledges what arrived at once. Archives write an answer's PDU header and its body apart;
// when their own small writes wait for an acknowledgement (Nagle), the body would wait for
// Linux's delayed one, up to 40 ms per picture. The kernel drops the setting by itself, so it is
// renewed after every read.
void AcknowledgeAtOnce(DcmNativeSocketType socket) {
    const int on = 1;
    ::setsockopt(socket, IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
}

class GuardedConnection : public DcmTCPConnection {
public:
    GuardedConnection(DcmNativeSocketType socket, std::shared_ptr<SocketGuard> guard)
        : DcmTCPConnection(socket), m_socket(socket), m_guard(std::move(guard)) {
        m_guard->Publish(socket);
        SendAtOnce(socket);
    }
    ~GuardedConnection() override { m_guard->Withdraw(m_socket); }
    GuardedConnection(const GuardedConnection&) = delete;
    GuardedConnection& operator=(const GuardedConnection&) = delete;

    // A peer gone, or our own Abort, must not end the program with SIGPIPE.
    ssize_t write(void* buffer, size_t bytes) override { return ::send(m_socket, buffer, bytes, MSG_NOSIGNAL); }
    ssize_t read(void* buffer, size_t bytes) override {
        const ssize_t got = DcmTCPConnection::read(buffer, bytes);
        AcknowledgeAtOnce(m_socket);
        return got;
    }
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

// Makes every connection of a plain association a guarded one.
class GuardedLayer : public DcmTransportLayer {
public:
    explicit GuardedLayer(std::shared_ptr<SocketGuard> guard) : m_guard(std::move(guard)) {}
    DcmTransportConnection* createConnection(DcmNativeSocketType socket, OFBool /*useSecureLayer*/) override {
        return new GuardedConnection(socket, m_guard);
    }

private:
    const std::shared_ptr<SocketGuard> m_guard;
};

// Holds SIGPIPE back on this thread while OpenSSL writes to a socket whose peer may be gone (it
// writes with write(2), which raises the signal); one raised meanwhile is taken before the mask
// is put back, so that it never reaches the program.
class SigpipeHeld {
public:
    SigpipeHeld() {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        m_wasPending = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_previous);
    }
    ~SigpipeHeld() {
        sigset_t pending;
        sigpending(&pending);
        if (!m_wasPending && sigismember(&pending, SIGPIPE) == 1) {
            const timespec none = {0, 0};
            while (sigtimedwait(&m_pipe, nullptr, &none) < 0 && errno == EINTR) {}
        }
        pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    }
    SigpipeHeld(const SigpipeHeld&) = delete;
    SigpipeHeld& operator=(const SigpipeHeld&) = delete;

private:
    sigset_t m_pipe;
    sigset_t m_previous;
    bool m_wasPending = false;
};

// Why the TLS handshake failed, as far as the certificate check tells: X509_V_OK when the check
// passed or never ran (then DCMTK's condition says what went wrong).
struct HandshakeCheck {
    long verifyResult = X509_V_OK;
    bool late = false;       // the archive did not finish the handshake within its time
    bool completed = false;  // the handshake went through
};

// A TLS connection that, like GuardedConnection, lets Abort shut its socket down, and that keeps
// the certificate check's verdict when the handshake fails.
class GuardedTlsConnection : public DcmTLSConnection {
public:
    GuardedTlsConnection(DcmNativeSocketType socket, SSL* ssl, std::shared_ptr<SocketGuard> guard,
                         HandshakeCheck* check, int handshakeSeconds)
        : DcmTLSConnection(socket, ssl),
          m_socket(socket),
          m_ssl(ssl),
          m_guard(std::move(guard)),
          m_check(check),
          m_handshakeSeconds(handshakeSeconds) {
        m_guard->Publish(socket);
        SendAtOnce(socket);
    }
    ~GuardedTlsConnection() override { close(); }
    GuardedTlsConnection(const GuardedTlsConnection&) = delete;
    GuardedTlsConnection& operator=(const GuardedTlsConnection&) = delete;

    // DCMTK runs the handshake on a blocking socket without a time limit; an archive that
    // accepts the connection and then says nothing would hold the caller for ever.
    OFCondition clientSideHandshake() override {
        SigpipeHeld held;
        SetSocketTimeouts(m_handshakeSeconds);
        const OFCondition status = DcmTLSConnection::clientSideHandshake();
        SetSocketTimeouts(0);
        if (status.bad() && m_ssl) m_check->verifyResult = SSL_get_verify_result(m_ssl);
        m_check->late =
            status == DCMTLS_EC_TLSReadOperationDidNotComplete || status == DCMTLS_EC_TLSWriteOperationDidNotComplete;
        m_check->completed = status.good();
        return status;
    }
    ssize_t read(void* buffer, size_t bytes) override {
        SigpipeHeld held;  // TLS 1.3 may answer while reading
        const ssize_t got = DcmTLSConnection::read(buffer, bytes);
        AcknowledgeAtOnce(m_socket);
        return got;
    }
    ssize_t write(void* buffer, size_t bytes) override {
        SigpipeHeld held;
        return DcmTLSConnection::write(buffer, bytes);
    }
    void close() override {
        m_guard->Withdraw(m_socket);
        SigpipeHeld held;  // the closing alert
        DcmTLSConnection::close();
        m_ssl = nullptr;
    }
    void closeTransportConnection() override {
        m_guard->Withdraw(m_socket);
        DcmTLSConnection::closeTransportConnection();
    }

private:
    // 0: no limit.
    void SetSocketTimeouts(int seconds) const {
        const timeval limit = {seconds, 0};
        ::setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        ::setsockopt(m_socket, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    }

    const DcmNativeSocketType m_socket;
    SSL* m_ssl;  // owned by DcmTLSConnection; null once closed
    const std::shared_ptr<SocketGuard> m_guard;
    HandshakeCheck* const m_check;
    const int m_handshakeSeconds;
};

// The TLS side of an association: the archive's certificates to trust, kavimo's own certificate,
// and the host the archive's certificate must name. Every connection is a guarded one.
class GuardedTlsLayer : public DcmTLSTransportLayer {
public:
    GuardedTlsLayer(std::shared_ptr<SocketGuard> guard, std::string host, int handshakeSeconds)
        : DcmTLSTransportLayer(NET_REQUESTOR, nullptr, OFFalse),
          m_guard(std::move(guard)),
          m_host(std::move(host)),
          m_handshakeSeconds(handshakeSeconds) {}

    DcmTransportConnection* createConnection(DcmNativeSocketType socket, OFBool useSecureLayer) override {
        if (!useSecureLayer) return nullptr;  // never plain TCP instead
        SSL* ssl = SSL_new(getNativeHandle());
        if (!ssl) return nullptr;
        if (!NameHost(ssl) || SSL_set_fd(ssl, int(socket)) != 1) {
            SSL_free(ssl);
            return nullptr;
        }
        return new GuardedTlsConnection(socket, ssl, m_guard, &m_check, m_handshakeSeconds);
    }

    const HandshakeCheck& Check() const { return m_check; }
    const std::string& Host() const { return m_host; }

private:
    // The certificate must name the host as it was given: an address in its IP entries, a name in
    // its DNS entries (or its common name). A name also goes out as the server name indication.
    bool NameHost(SSL* ssl) const {
        X509_VERIFY_PARAM* param = SSL_get0_param(ssl);
        if (X509_VERIFY_PARAM_set1_ip_asc(param, m_host.c_str()) == 1) return true;
        X509_VERIFY_PARAM_set_hostflags(param, X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS);
        return SSL_set1_host(ssl, m_host.c_str()) == 1 && SSL_set_tlsext_host_name(ssl, m_host.c_str()) == 1;
    }

    const std::shared_ptr<SocketGuard> m_guard;
    const std::string m_host;
    const int m_handshakeSeconds;
    HandshakeCheck m_check;
};

// OpenSSL's own set-up, once for the program (DCMTK's is not safe to run from two threads).
void OpenSslOnce() {
    static std::once_flag once;
    std::call_once(once, [] { DcmTLSTransportLayer::initializeOpenSSL(); });
}

// Why a file cannot be read ("No such file or directory"); empty when it can.
std::string UnreadableReason(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return std::strerror(errno);
    std::fclose(file);
    return {};
}

// Whether the file holds a private key in PEM form that opens without a password.
bool HoldsPlainPemKey(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    auto noPassword = [](char*, int, int, void*) { return 0; };
    EVP_PKEY* key = PEM_read_PrivateKey(file, nullptr, noPassword, nullptr);
    std::fclose(file);
    ERR_clear_error();
    EVP_PKEY_free(key);
    return key != nullptr;
}

// Loads the certificates and key the settings name and asks for the archive's certificate.
bool ConfigureTls(GuardedTlsLayer& layer, const PacsTls& tls, std::string* error) {
    auto fail = [error](const std::string& text) {
        if (error) *error = text;
        return false;
    };
    if (!layer) return fail(text::Arg(text::Tr("TLS cannot be set up: %1"), {Text(EC_IllegalCall)}));
    if (tls.caFile.empty()) {
        return fail(text::Tr("TLS is on, but no CA certificate file is set to check the archive's certificate with"));
    }
    std::string reason = UnreadableReason(tls.caFile);
    if (!reason.empty()) {
        return fail(text::Arg(text::Tr("cannot read the CA certificate file %1: %2"), {tls.caFile, reason}));
    }
    OFCondition status = layer.addTrustedCertificateFile(tls.caFile.c_str(), DCF_Filetype_PEM);
    if (status.bad()) {
        return fail(
            text::Arg(text::Tr("the CA certificate file %1 holds no PEM certificate: %2"), {tls.caFile, Text(status)}));
    }
    if (tls.certFile.empty() != tls.keyFile.empty()) {
        return fail(tls.certFile.empty() ? text::Tr("kavimo's TLS key file is set without its certificate file")
                                         : text::Tr("kavimo's TLS certificate file is set without its key file"));
    }
    if (!tls.certFile.empty()) {
        reason = UnreadableReason(tls.certFile);
        if (!reason.empty()) {
            return fail(text::Arg(text::Tr("cannot read kavimo's certificate file %1: %2"), {tls.certFile, reason}));
        }
        reason = UnreadableReason(tls.keyFile);
        if (!reason.empty()) {
            return fail(text::Arg(text::Tr("cannot read kavimo's key file %1: %2"), {tls.keyFile, reason}));
        }
        // An encrypted key fails here rather than asking for its password on the terminal.
        layer.setPrivateKeyPasswd("");
        status = layer.setCertificateFile(tls.certFile.c_str(), DCF_Filetype_PEM);
        if (status.bad()) {
            return fail(text::Arg(text::Tr("kavimo's certificate file %1 holds no PEM certificate: %2"),
                                  {tls.certFile, Text(status)}));
        }
        if (!HoldsPlainPemKey(tls.keyFile)) {
            return fail(
                text::Arg(text::Tr("kavimo's key file %1 holds no unencrypted PEM private key"), {tls.keyFile}));
        }
        // OpenSSL refuses a key that does not match the certificate already loaded.
        status = layer.setPrivateKeyFile(tls.keyFile.c_str(), DCF_Filetype_PEM);
        if (status.bad() || !layer.checkPrivateKeyMatchesCertificate()) {
            return fail(text::Arg(text::Tr("kavimo's key file %1 does not belong to the certificate %2"),
                                  {tls.keyFile, tls.certFile}));
        }
    }
    layer.setCertificateVerification(DCV_requireCertificate);
    status = layer.setTLSProfile(TSP_Profile_BCP195);
    if (status.good()) status = layer.activateCipherSuites();
    if (status.bad()) return fail(text::Arg(text::Tr("TLS cannot be set up: %1"), {Text(status)}));
    return true;
}

// The message for an association that failed in the TLS handshake; empty when it did not.
std::string HandshakeFailure(const GuardedTlsLayer* layer, const std::string& where, const OFCondition& status) {
    if (!layer) return {};
    ERR_clear_error();  // DCMTK has taken what it needed of it
    const long verdict = layer->Check().verifyResult;
    if (verdict != X509_V_OK) {
        const char* why = X509_verify_cert_error_string(verdict);
        if (verdict == X509_V_ERR_HOSTNAME_MISMATCH || verdict == X509_V_ERR_IP_ADDRESS_MISMATCH) {
            //: %1 is OpenSSL's reason, %2 the archive's host name or address
            return text::Arg(text::Tr("the archive's certificate is not trusted: %1 (it is not made out to %2)"),
                             {why, layer->Host()});
        }
        //: %1 is OpenSSL's reason
        return text::Arg(text::Tr("the archive's certificate is not trusted: %1"), {why});
    }
    if (layer->Check().late) {
        return text::Arg(text::Tr("the archive %1 did not finish the TLS handshake in time"), {where});
    }
    if (status.module() == OFM_dcmtls) {
        return text::Arg(text::Tr("the TLS handshake with the archive %1 failed: %2"), {where, status.text()});
    }
    return {};
}

// The fields of a worklist answer that are read with a check against their VR.
enum class AnswerField {
    Name,
    BirthDate,
    Sex,
    AccessionNumber,
    StudyUid,
    RequestedProcedureId,
    RequestedProcedureDescription,
    ReferringPhysician,
    ScheduledDate,
    ScheduledTime,
    Modality,
    Station,
    StepDescription,
    StepId,
};

// The field's name in the user's language ("birth date"), for a note; asked only when a note is
// written, so that a long worklist that fits costs no look-ups.
std::string FieldName(AnswerField field) {
    switch (field) {
        case AnswerField::Name:
            //: a field of a worklist entry
            return text::Tr("name");
        case AnswerField::BirthDate:
            //: a field of a worklist entry
            return text::Tr("birth date");
        case AnswerField::Sex:
            //: a field of a worklist entry
            return text::Tr("sex");
        case AnswerField::AccessionNumber:
            //: a field of a worklist entry
            return text::Tr("Accession Number");
        case AnswerField::StudyUid:
            //: a field of a worklist entry
            return text::Tr("Study Instance UID");
        case AnswerField::RequestedProcedureId:
            //: a field of a worklist entry
            return text::Tr("Requested Procedure ID");
        case AnswerField::RequestedProcedureDescription:
            //: a field of a worklist entry
            return text::Tr("Requested Procedure Description");
        case AnswerField::ReferringPhysician:
            //: a field of a worklist entry
            return text::Tr("referring physician");
        case AnswerField::ScheduledDate:
            //: a field of a worklist entry
            return text::Tr("scheduled date");
        case AnswerField::ScheduledTime:
            //: a field of a worklist entry
            return text::Tr("scheduled time");
        case AnswerField::Modality:
            //: a field of a worklist entry
            return text::Tr("modality");
        case AnswerField::Station:
            //: a field of a worklist entry (the AE title of the station it is scheduled on)
            return text::Tr("station");
        case AnswerField::StepDescription:
            //: a field of a worklist entry
            return text::Tr("step description");
        case AnswerField::StepId:
            //: a field of a worklist entry
            return text::Tr("step ID");
    }
    return {};
}

// Reads one worklist answer's values, each checked against its VR: a text that does not fit is
// mended, any other value that does not fit is dropped; either way with a note naming the patient.
class AnswerReader {
public:
    AnswerReader(DcmItem* answer, std::vector<std::string>* notes) : m_answer(answer), m_notes(notes) {}

    // The patient the notes name.
    void NamePatient(const std::string& patientId) { m_patientId = patientId; }

    // A value whose problem is reported by the caller (an identity that does not fit).
    std::string Raw(DcmItem* item, const DcmTagKey& tag) const { return Value(item, tag).c_str(); }

    std::string Read(DcmItem* item, const DcmTagKey& tag, Vr vr, AnswerField field) {
        std::string value = Raw(item, tag);
        if (FitsVr(vr, value)) return value;
        std::string fitted = FitValue(vr, value);
        if (fitted.empty()) {
            NoteLeftOut(field, ValueProblem(vr, value));
        } else {
            //: %1 names the worklist entry's patient, %2 a field of it, %3 what is wrong with the value
            Note(text::Arg(text::Tr("%1: %2 shortened or cleaned (%3)"),
                           {Who(), FieldName(field), ValueProblem(vr, value)}));
        }
        return fitted;
    }

    std::string Read(const DcmTagKey& tag, Vr vr, AnswerField field) { return Read(m_answer, tag, vr, field); }

    // An identifier: cut or cleaned it could name another order, so one that does not fit is
    // dropped.
    std::string ReadId(DcmItem* item, const DcmTagKey& tag, Vr vr, AnswerField field) {
        std::string value = Raw(item, tag);
        if (FitsVr(vr, value)) return value;
        NoteLeftOut(field, ValueProblem(vr, value));
        return {};
    }

    void NoteLeftOut(AnswerField field, const std::string& problem) {
        //: %1 names the worklist entry's patient, %2 a field of it, %3 what is wrong with the value
        Note(text::Arg(text::Tr("%1: %2 left out (%3)"), {Who(), FieldName(field), problem}));
    }

    void Note(const std::string& text) {
        if (m_notes) m_notes->push_back(text);
    }

    // The patient's ID as far as it can be shown in a note.
    std::string Who() const {
        return m_patientId.empty() ? text::Tr("an entry without Patient ID")
                                   : text::Arg(text::Tr("patient \"%1\""), {Shown(m_patientId)});
    }

    static std::string Shown(const std::string& value) { return FitValue(Vr::LO, value); }

private:
    DcmItem* m_answer;
    std::vector<std::string>* m_notes;
    std::string m_patientId;
};

// The entry of one answer, its texts converted to UTF-8; false when it cannot be used (its
// patient identity does not fit), with a note saying why.
bool EntryOf(DcmItem* answer, WorklistEntry* entry, std::vector<std::string>* notes) {
    std::string charset = Value(answer, DCM_SpecificCharacterSet).c_str();
    const OFCondition converted = answer->convertToUTF8();
    AnswerReader reader(answer, notes);
    const std::string patientId = reader.Raw(answer, DCM_PatientID);
    reader.NamePatient(patientId);
    if (converted.bad()) {
        //: %1 names the worklist entry's patient, %2 a character set, %3 the converter's reason, %4 the
        //: replacement character
        reader.Note(text::Arg(text::Tr("%1: its texts cannot be read in the character set \"%2\" (%3); what is "
                                       "not UTF-8 is shown as %4"),
                              {reader.Who(), AnswerReader::Shown(charset), converted.text(), "\uFFFD"}));
    }
    if (!FitsVr(Vr::LO, patientId)) {
        //: %1 names the worklist entry's patient, %2 what is wrong with its Patient ID
        reader.Note(text::Arg(text::Tr("%1: left out, its Patient ID is unusable (%2)"),
                              {reader.Who(), ValueProblem(Vr::LO, patientId)}));
        return false;
    }
    const std::string issuer = reader.Raw(answer, DCM_IssuerOfPatientID);
    if (!FitsVr(Vr::LO, issuer)) {
        //: %1 names the worklist entry's patient, %2 what is wrong with its Issuer of Patient ID
        reader.Note(text::Arg(text::Tr("%1: left out, its Issuer of Patient ID is unusable (%2)"),
                              {reader.Who(), ValueProblem(Vr::LO, issuer)}));
        return false;
    }
    entry->patient.patientId = patientId;
    entry->patient.issuer = issuer;
    entry->patient.patientName = reader.Read(DCM_PatientName, Vr::PN, AnswerField::Name);
    entry->patient.birthDate = reader.Read(DCM_PatientBirthDate, Vr::DA, AnswerField::BirthDate);
    entry->patient.sex = reader.Read(DCM_PatientSex, Vr::CS, AnswerField::Sex);
    if (!entry->patient.sex.empty() && entry->patient.sex != "F" && entry->patient.sex != "M" &&
        entry->patient.sex != "O") {
        //: %1 names the worklist entry's patient
        reader.Note(text::Arg(text::Tr("%1: sex left out (not F, M or O)"), {reader.Who()}));
        entry->patient.sex.clear();
    }
    entry->accessionNumber = reader.ReadId(answer, DCM_AccessionNumber, Vr::SH, AnswerField::AccessionNumber);
    entry->studyUid = reader.ReadId(answer, DCM_StudyInstanceUID, Vr::UI, AnswerField::StudyUid);
    entry->requestedProcedureId =
        reader.ReadId(answer, DCM_RequestedProcedureID, Vr::SH, AnswerField::RequestedProcedureId);
    entry->requestedProcedureDescription =
        reader.Read(DCM_RequestedProcedureDescription, Vr::LO, AnswerField::RequestedProcedureDescription);
    entry->referringPhysician = reader.Read(DCM_ReferringPhysicianName, Vr::PN, AnswerField::ReferringPhysician);
    DcmItem* scheduled = nullptr;
    if (answer->findAndGetSequenceItem(DCM_ScheduledProcedureStepSequence, scheduled).good()) {
        entry->scheduledDate =
            reader.Read(scheduled, DCM_ScheduledProcedureStepStartDate, Vr::DA, AnswerField::ScheduledDate);
        entry->scheduledTime =
            reader.Read(scheduled, DCM_ScheduledProcedureStepStartTime, Vr::TM, AnswerField::ScheduledTime);
        entry->modality = reader.Read(scheduled, DCM_Modality, Vr::CS, AnswerField::Modality);
        entry->stationAet = reader.Read(scheduled, DCM_ScheduledStationAETitle, Vr::AE, AnswerField::Station);
        entry->description =
            reader.Read(scheduled, DCM_ScheduledProcedureStepDescription, Vr::LO, AnswerField::StepDescription);
        entry->stepId = reader.ReadId(scheduled, DCM_ScheduledProcedureStepID, Vr::SH, AnswerField::StepId);
    }
    return true;
}

// True when the entry is one the query asked for; an archive may ignore the matching keys.
bool Matches(const WorklistEntry& entry, const WorklistQuery& query) {
    if (!query.modality.empty() && !entry.modality.empty() && entry.modality != query.modality) return false;
    return query.stationAet.empty() || entry.stationAet.empty() || entry.stationAet == query.stationAet;
}

// How a worklist query is going, seen answer by answer.
struct WorklistRound {
    std::chrono::steady_clock::time_point deadline;
    int answerSeconds = 30;
    size_t maxEntries = kWorklistMaxEntries;
    std::vector<WorklistEntry>* entries = nullptr;
    std::vector<std::string>* notes = nullptr;
    const WorklistQuery* query = nullptr;
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
            WorklistEntry entry;
            if (EntryOf(response->m_dataset, &entry, round.notes) && Matches(entry, *round.query)) {
                round.entries->push_back(std::move(entry));
            }
        } else if (!pending && response->m_status != 0) {
            round.failed = true;
            round.reason = text::Arg(text::Tr("status %1"), {StatusText(response->m_status)});
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
    std::unique_ptr<GuardedTlsLayer> tlsLayer;  // while the address asks for TLS
    std::unique_ptr<ArchiveScu> scu;            // after the layers, so that it goes first
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
        if (error) *error = text::Tr("the archive's address is not set (AE title, host and port)");
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
    DcmTransportLayer* transport = &m_impl->layer;
    m_impl->tlsLayer.reset();
    if (address.tls.enabled) {
        OpenSslOnce();
        m_impl->tlsLayer = std::make_unique<GuardedTlsLayer>(m_impl->guard, address.host, m_impl->connectSeconds);
        if (!ConfigureTls(*m_impl->tlsLayer, address.tls, error)) return false;
        transport = m_impl->tlsLayer.get();
    }
    OFCondition status = scu->initNetwork();
    if (status.good()) AnnounceKavimo(*scu);
    if (status.good()) status = scu->useSecureConnection(transport);
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
        const std::string handshake = HandshakeFailure(m_impl->tlsLayer.get(), where, status);
        if (error) {
            if (!handshake.empty()) {
                *error = handshake;
            } else if (status == DUL_ASSOCIATIONREJECTED) {
                *error = text::Arg(text::Tr("the archive %1 refused the connection (check its AE title and that it "
                                            "accepts %2): %3"),
                                   {where, address.callingAet, Text(status)});
            } else {
                // Over TLS 1.3 an archive that wants a client certificate says so only by
                // ending the connection after the handshake.
                *error = m_impl->tlsLayer && m_impl->tlsLayer->Check().completed && address.tls.certFile.empty()
                             ? text::Arg(text::Tr("cannot reach the archive %1: %2 (it may ask for kavimo's own TLS "
                                                  "certificate, and none is set)"),
                                         {where, Text(status)})
                             : text::Arg(text::Tr("cannot reach the archive %1: %2"), {where, Text(status)});
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
        if (error) *error = text::Tr("not connected to the archive");
        return false;
    }
    const T_ASC_PresentationContextID id = m_impl->scu->findPresentationContextID(UID_VerificationSOPClass, "");
    const OFCondition status = id == 0 ? NET_EC_NoAcceptablePresentationContexts : m_impl->scu->sendECHORequest(id);
    if (status.bad()) {
        if (error) *error = text::Arg(text::Tr("the archive did not answer the check: %1"), {Text(status)});
        return false;
    }
    return true;
}

PacsClient::StoreResult PacsClient::Store(const PictureObject& object, std::string* error) {
    if (!IsOpen()) {
        if (error) *error = text::Tr("not connected to the archive");
        return StoreResult::Broken;
    }
    DcmSCU& scu = *m_impl->scu;
    // The archive chose per presentation context what it takes: the picture goes as it is when it
    // can, else in the other form (decoded for an archive that takes only uncompressed pictures,
    // JPEG for one that takes only JPEG).
    const auto accepted = [&scu](bool jpeg) {
        if (jpeg) return scu.findPresentationContextID(UID_VLPhotographicImageStorage, UID_JPEGProcess1TransferSyntax);
        T_ASC_PresentationContextID id =
            scu.findPresentationContextID(UID_VLPhotographicImageStorage, UID_LittleEndianExplicitTransferSyntax);
        if (id == 0) {
            id = scu.findPresentationContextID(UID_VLPhotographicImageStorage, UID_LittleEndianImplicitTransferSyntax);
        }
        return id;
    };
    DcmDataset* dataset = object.File().getDataset();
    std::unique_ptr<DcmDataset> otherForm;
    T_ASC_PresentationContextID id = accepted(object.KeepsJpeg());
    if (id == 0) {
        id = accepted(!object.KeepsJpeg());
        if (id == 0) {
            if (error) {
                *error = text::Tr("the archive does not accept photographic pictures (VL Photographic Image Storage)");
            }
            return StoreResult::Refused;
        }
        otherForm = object.OtherForm(error);
        if (!otherForm) return StoreResult::Unacceptable;
        dataset = otherForm.get();
    }
    Uint16 status = 0;
    const OFCondition sent = scu.sendSTORERequest(id, "", dataset, status);
    if (sent.bad()) {
        if (error) *error = text::Arg(text::Tr("the archive did not confirm the picture: %1"), {Text(sent)});
        if (!scu.isConnected()) return StoreResult::Broken;
        // A request that failed half-way leaves the association unusable.
        scu.abortAssociation();
        return StoreResult::Broken;
    }
    if (!IsStoredStatus(status)) {
        if (error) *error = text::Arg(text::Tr("the archive refused the picture (%1)"), {StoreStatusText(status)});
        return IsUnacceptableStatus(status) ? StoreResult::Unacceptable : StoreResult::Refused;
    }
    if (status != 0 && error)
        *error = text::Arg(text::Tr("the archive stored the picture with a warning (%1)"), {StoreStatusText(status)});
    return StoreResult::Stored;
}

bool PacsClient::FindWorklist(const WorklistQuery& worklistQuery, std::vector<WorklistEntry>* entries,
                              std::string* error, bool* cut, std::vector<std::string>* notes) {
    entries->clear();
    if (cut) *cut = false;
    if (!IsOpen()) {
        if (error) *error = text::Tr("not connected to the archive");
        return false;
    }
    ArchiveScu& scu = *m_impl->scu;
    const T_ASC_PresentationContextID id = scu.findPresentationContextID(UID_FINDModalityWorklistInformationModel, "");
    if (id == 0) {
        if (error) *error = text::Tr("the archive offers no worklist");
        return false;
    }
    DcmDataset query;
    query.putAndInsertString(DCM_SpecificCharacterSet, "ISO_IR 192");
    query.insertEmptyElement(DCM_PatientName);
    query.insertEmptyElement(DCM_PatientID);
    query.insertEmptyElement(DCM_IssuerOfPatientID);
    query.insertEmptyElement(DCM_PatientBirthDate);
    query.insertEmptyElement(DCM_PatientSex);
    query.insertEmptyElement(DCM_AccessionNumber);
    query.insertEmptyElement(DCM_ReferringPhysicianName);
    query.insertEmptyElement(DCM_StudyInstanceUID);
    query.insertEmptyElement(DCM_RequestedProcedureID);
    query.insertEmptyElement(DCM_RequestedProcedureDescription);
    DcmItem* step = nullptr;
    query.findOrCreateSequenceItem(DCM_ScheduledProcedureStepSequence, step);
    if (step) {
        step->putAndInsertString(DCM_ScheduledProcedureStepStartDate, worklistQuery.date.c_str());
        step->insertEmptyElement(DCM_ScheduledProcedureStepStartTime);
        step->putAndInsertString(DCM_Modality, worklistQuery.modality.c_str());
        step->putAndInsertString(DCM_ScheduledStationAETitle, worklistQuery.stationAet.c_str());
        step->insertEmptyElement(DCM_ScheduledProcedureStepDescription);
        step->insertEmptyElement(DCM_ScheduledProcedureStepID);
    }
    WorklistRound round;
    round.deadline = std::chrono::steady_clock::now() + m_impl->worklistDeadline;
    round.answerSeconds = m_impl->answerSeconds;
    round.maxEntries = m_impl->worklistMaxEntries;
    round.entries = entries;
    round.notes = notes;
    round.query = &worklistQuery;
    scu.SetRound(&round);
    scu.setDIMSETimeout(ArchiveScu::SecondsLeft(round));
    // The answers are taken one by one (none are collected).
    const OFCondition status = scu.sendFINDRequest(id, &query, nullptr);
    scu.SetRound(nullptr);
    scu.setDIMSETimeout(Uint32(m_impl->answerSeconds));
    const bool timedOut = round.late || (status.bad() && std::chrono::steady_clock::now() >= round.deadline);
    if (round.cut || timedOut || status.bad()) m_impl->Drop();
    // By the scheduled day and time; the day first, as a time alone may come from another day.
    std::stable_sort(entries->begin(), entries->end(), [](const WorklistEntry& a, const WorklistEntry& b) {
        return std::tie(a.scheduledDate, a.scheduledTime) < std::tie(b.scheduledDate, b.scheduledTime);
    });
    if (round.cut) {
        if (cut) *cut = true;
        return true;
    }
    std::string reason;
    if (Aborted()) {
        reason = "cancelled";
    } else if (timedOut) {
        reason = text::Arg(text::Tr("the archive did not finish answering within %1 s"),
                           {std::to_string(m_impl->worklistDeadline.count())});
    } else if (status.bad()) {
        reason = Text(status);
    } else if (round.failed) {
        reason = round.reason;
    }
    if (reason.empty()) return true;
    entries->clear();
    if (error) *error = text::Arg(text::Tr("the worklist query failed: %1"), {reason});
    return false;
}

namespace {
std::mutex g_worklistFilterLock;
WorklistFilter g_worklistFilter;  // guarded by g_worklistFilterLock
}  // namespace

void SetWorklistFilter(const WorklistFilter& filter) {
    const std::lock_guard<std::mutex> lock(g_worklistFilterLock);
    g_worklistFilter = filter;
}

WorklistFilter CurrentWorklistFilter() {
    const std::lock_guard<std::mutex> lock(g_worklistFilterLock);
    return g_worklistFilter;
}

WorklistQuery MakeWorklistQuery(const std::string& date, const WorklistFilter& filter, const std::string& callingAet) {
    WorklistQuery query;
    query.date = date;
    query.modality = filter.modality;
    if (filter.thisStationOnly) query.stationAet = callingAet;
    return query;
}

bool EchoPacs(const PacsAddress& address, std::string* error) {
    PacsClient client;
    if (!client.Open(address, error)) return false;
    const bool ok = client.Echo(error);
    client.Close();
    return ok;
}

}  // namespace dicom
