#include "app/archive/pacssender.h"

#include <QMetaObject>

#include "app/archive/pacssettings.h"
#include "app/widgets/translation.h"
#include "platform/debug.h"
#include "platform/paths.h"
#include "records/audittrail.h"
#include "records/recordnames.h"
#include "records/recordtypes.h"

PacsSender::PacsSender(const dicom::PacsAddress& address, bool autoSend, QObject* parent)
    : QObject(parent), m_address(address), m_autoSend(autoSend) {}

PacsSender::~PacsSender() {
    // The sender thread stops before this object goes; what it has not sent stays queued.
    if (m_outbox) m_outbox->Stop();
}

std::string PacsSender::QueuePath() const { return platform::HostPath(records::WorkDirFile(dicom::kOutboxFile)); }

void PacsSender::Configure(const dicom::PacsAddress& address, bool autoSend) {
    m_address = address;
    m_autoSend = autoSend;
    if (m_outbox) {
        m_outbox->SetAddress(address);
        m_outbox->RetryNow();
    } else if (m_started) {
        m_started = false;
        Start();
    }
}

void PacsSender::Start() {
    if (m_started) return;
    m_started = true;
    // Without an archive nothing is sent; the queue waits in its file for one to be set.
    if (!IsConfigured()) return;
    m_outbox = std::make_unique<dicom::PacsOutbox>(QueuePath(), [this](const dicom::PacsOutbox::Progress& progress) {
        QMetaObject::invokeMethod(
            this, [this, progress] { OnProgress(progress); }, Qt::QueuedConnection);
    });
    // Each picture's answer goes into the audit trail as it comes (the trail is written from any
    // thread), so that the trail tells which picture the archive holds.
    m_outbox->SetPictureListener([](const dicom::OutboxEntry& entry, const dicom::PacsOutbox::PictureAnswer& answer) {
        using Kind = dicom::PacsOutbox::PictureAnswer::Kind;
        // A warning the archive gave with a store is kept with it.
        const std::string stored =
            "stored by " + answer.archive + (answer.reason.empty() ? std::string() : ": " + answer.reason);
        const std::string detail = answer.kind == Kind::Stored ? stored
                                   : answer.kind == Kind::Refused
                                       ? "refused by " + answer.archive + ": " + answer.reason
                                       : "not sent: " + answer.reason;
        records::AuditTrail::Record(records::audit::kArchiveAnswer, entry.uid, entry.logicalPath, detail,
                                    answer.kind == Kind::Stored);
    });
    m_outbox->SetAddress(m_address);
    // The queue file is read on the outbox's thread: a long queue does not hold up the window.
    m_outbox->Start();
}

void PacsSender::PictureStored(uint64_t uid, const std::string& logicalPath) {
    if (!m_autoSend || !IsConfigured()) return;
    QString error;
    if (!Send(uid, {logicalPath}, &error)) {
        m_status = error;
        Q_EMIT statusChanged();
    }
}

bool PacsSender::Send(uint64_t uid, const std::vector<std::string>& logicalPaths, QString* error) {
    if (!IsConfigured()) {
        if (error) {
            *error = NoPacsMessage();
        }
        return false;
    }
    Start();
    std::string reason;
    if (!m_outbox->Enqueue(uid, logicalPaths, &reason)) {
        records::AuditTrail::Record(records::audit::kArchiveQueued, uid, std::string(), reason, false);
        platform::DebugWarning("kavimo: cannot queue pictures for the archive: %s\n", reason.c_str());
        if (error)
            *error = Ui::tr(
                         "The pictures cannot be queued for the archive (PACS): the disk may be full or kavimo's "
                         "folder not writable. Free some space or ask your technician (%1).")
                         .arg(QString::fromStdString(reason));
        return false;
    }
    for (const std::string& path : logicalPaths) {
        records::AuditTrail::Record(records::audit::kArchiveQueued, uid, path, "to " + m_address.Text());
    }
    return true;
}

QString PacsSender::ProgressText(const dicom::PacsOutbox::Progress& p) {
    const QString failure = QString::fromStdString(p.lastError);
    if (!p.finished) {
        const size_t current = std::min(p.total, p.sent + p.failed + 1);
        return Ui::tr("Sending %1 of %2 to the PACS…").arg(current).arg(p.total);
    }
    if (p.waiting) {
        return Ui::tr(
                   "PACS not reachable: %1 waiting, sent when it answers. Check the network and the archive's "
                   "address in Settings.")
            .arg(p.pending);
    }
    if (p.failed > 0) {
        return Ui::tr("Sent %1 of %2 to the PACS; the archive refused %3. Ask its administrator (see the log).")
            .arg(p.sent)
            .arg(p.total)
            .arg(p.failed);
    }
    // Nothing sent yet: a failure is the queue file's (it could not be read).
    if (p.total == 0) return failure.isEmpty() ? QString() : Ui::tr("PACS: %1").arg(failure);
    return Ui::tr("Sent %1 of %2 to the PACS").arg(p.sent).arg(p.total);
}

void PacsSender::OnProgress(const dicom::PacsOutbox::Progress& progress) {
    const QString text = ProgressText(progress);
    if (text == m_status) return;
    // The window says what to do; the technical reason goes to the log.
    if (progress.finished && !progress.lastError.empty())
        platform::DebugWarning("kavimo: archive: %s\n", progress.lastError.c_str());
    // The round's summary besides each picture's own line: counts, and the archive out of reach.
    if (progress.finished && !text.isEmpty()) {
        records::AuditTrail::Record(records::audit::kArchiveAnswer, 0, std::string(), text.toStdString(),
                                    progress.failed == 0 && !progress.waiting);
    }
    m_status = text;
    Q_EMIT statusChanged();
}
