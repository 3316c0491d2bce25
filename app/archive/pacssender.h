// PacsSender: the application's side of the clinic's archive. It owns the outbox (the queue file
// in the work directory and its sending thread), queues the pictures the user sends and, with
// automatic sending on, every picture stored, and turns the outbox's progress into the status
// area's text. Lives on the user-interface thread; neither reading the queue nor the sending runs
// there, and its destructor waits on the archive for at most about 2 s.
#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <string>
#include <vector>

#include "dicom/outbox.h"
#include "dicom/pacsclient.h"

class PacsSender : public QObject {
    Q_OBJECT
public:
    PacsSender(const dicom::PacsAddress& address, bool autoSend, QObject* parent = nullptr);
    ~PacsSender() override;

    // True when the archive's AE title, host and port are all given.
    bool IsConfigured() const { return m_address.IsSet(); }
    bool AutoSend() const { return m_autoSend; }
    const dicom::PacsAddress& Address() const { return m_address; }

    // Changes the archive (and the automatic sending); what is queued goes to the new one.
    void Configure(const dicom::PacsAddress& address, bool autoSend);

    // Starts sending what an earlier run left in the queue (the work directory must exist for
    // new pictures to be queued; a missing queue file is an empty queue).
    void Start();

    // A picture was stored (Freeze, Snap, Import, Save): queued when automatic sending is on.
    void PictureStored(uint64_t uid, const std::string& logicalPath);

    // Queues pictures for the archive. False, with the reason, when no archive is set or the
    // queue file cannot be written.
    bool Send(uint64_t uid, const std::vector<std::string>& logicalPaths, QString* error);

    // The status area's line about the archive; empty when there is nothing to say.
    QString StatusText() const { return m_status; }

    // The text for a progress report (exposed for the status area's tests).
    static QString ProgressText(const dicom::PacsOutbox::Progress& progress);

Q_SIGNALS:
    void statusChanged();

private:
    void OnProgress(const dicom::PacsOutbox::Progress& progress);
    std::string QueuePath() const;

    dicom::PacsAddress m_address;
    bool m_autoSend = false;
    std::unique_ptr<dicom::PacsOutbox> m_outbox;
    bool m_started = false;
    QString m_status;
};
