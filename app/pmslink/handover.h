// One window per work directory: a kavimo started while another one runs on the same work
// directory hands the patient it was given to the running one over a local socket, and ends.
//
// The socket is $XDG_RUNTIME_DIR/kavimo-<digest of the work directory's path>.socket, mode 0600,
// in the user's own runtime directory: only this account reaches it. The message is
// pms::HandoverText; the running kavimo answers one line, "ok UID<uid>" or "refused <reason>",
// and closes. What arrives is checked as outside data before anything is done with it.
//
// User-interface thread.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "pms/patientrequest.h"

class QLocalSocket;

// The socket's path for a work directory (host path); empty without a runtime directory.
QString HandoverSocketPath(const QString& hostWorkDir);

class HandoverServer : public QObject {
    Q_OBJECT
public:
    // Opens the patient and shows the pictures named (pms::IsValidMmoid names); returns "" with
    // the patient's UID in *uid when it is open, else why not.
    using Handler =
        std::function<QString(const pms::PatientRequest& request, const std::vector<std::string>& show, uint64_t* uid)>;

    explicit HandoverServer(QObject* parent = nullptr);
    ~HandoverServer() override;

    void SetHandler(Handler handler) { m_handler = std::move(handler); }
    // Listens at `path`, replacing a socket a kavimo that ended left there (the caller holds the
    // work directory's lock, so nobody else serves it). False, with the reason, on failure.
    bool Listen(const QString& path, QString* error);
    QString Path() const { return m_path; }

private:
    void OnNewConnection();
    void OnReadyRead(QLocalSocket* socket);
    void Answer(QLocalSocket* socket, const QByteArray& line);

    QLocalServer m_server;
    QString m_path;
    Handler m_handler;
    bool m_busy = false;  // a hand-over is being answered (its questions may be open)
};

struct HandoverResult {
    enum class Status {
        Taken,       // the running kavimo opened the patient
        Refused,     // it answered, but did not open it (reason in text)
        Unreachable  // no kavimo answers at the socket (reason in text)
    } status = Status::Unreachable;
    QString text;
    uint64_t uid = 0;
};

// Hands the patient to the kavimo listening at `path`, waiting up to `answerTimeoutMs` for its
// answer (the user may first have to answer about unsaved work).
HandoverResult HandOverPatient(const QString& path, const pms::PatientRequest& request,
                               const std::vector<std::string>& show, int answerTimeoutMs);
