// The main window's side of the clinic's archive: the right-click menu's "Export as DICOM…" and
// "Send to PACS", the stored pictures handed to the sender, its line in the status area.
#include <QDir>
#include <QFileDialog>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrent>

#include "app/archive/pacssender.h"
#include "app/archive/pacssettings.h"
#include "app/mainwindow/kavimodlg.h"
#include "app/widgets/messagebox.h"
#include "dicom/patientpictures.h"
#include "dicom/pictureobject.h"
#include "records/audittrail.h"
#include "records/textconv.h"

namespace {

const QString kArchiveCaption = QStringLiteral("PACS");

struct ExportResult {
    int written = 0;
    QStringList failures;
};

// Writes <picture name>.dcm into the folder for every picture; runs on a worker thread.
ExportResult ExportPictures(uint64_t uid, const std::vector<std::string>& paths, const QString& folder) {
    ExportResult result;
    for (const std::string& path : paths) {
        dicom::PictureSource source;
        std::string error;
        std::unique_ptr<dicom::PictureObject> object;
        if (dicom::LoadPictureSource(uid, path, &source, &error)) object = dicom::PictureObject::Build(source, &error);
        const QString file = QDir(folder).filePath(QString::fromStdString(source.name) + QStringLiteral(".dcm"));
        if (object && object->WriteFile(file.toStdString(), &error)) {
            ++result.written;
        } else {
            result.failures << QStringLiteral("%1: %2").arg(QString::fromStdString(path),
                                                            QString::fromStdString(error));
        }
    }
    return result;
}

}  // namespace

void CkavimoDlg::SetPacsSender(PacsSender* sender) {
    m_pacs = sender;
    if (!m_pacs) return;
    // The status area's second line tells how the sending goes.
    connect(m_pacs, &PacsSender::statusChanged, this, [this] { DrawStatus(m_bConnected); });
}

void CkavimoDlg::PictureStored(const std::string& logicalPath) {
    _USER_INFO user = {};
    if (!m_pacs || logicalPath.empty() || m_store.GetCurrentUser(&user) < 0) return;
    m_pacs->PictureStored(user.uid, logicalPath);
}

std::vector<std::string> CkavimoDlg::PicturesForArchive() const {
    std::vector<std::string> paths;
    for (const QString& path : PickedPaths()) {
        if (!path.isEmpty()) paths.push_back(path.toStdString());
    }
    if (!paths.empty()) return paths;
    _USER_INFO user = {};
    if (m_store.GetCurrentUser(&user) < 0) return paths;
    for (int index = 0; index < user.picCount; ++index) {
        _DISE_PIC picture = {};
        if (m_store.GetPicture(index, &picture) == 1) paths.push_back(records::FieldText(picture.path));
    }
    return paths;
}

void CkavimoDlg::OnExportDicom() {
    _USER_INFO user = {};
    const std::vector<std::string> paths = PicturesForArchive();
    if (m_store.GetCurrentUser(&user) < 0 || paths.empty()) {
        ShowMessageBox(this, QStringLiteral("The patient has no pictures to export."), kArchiveCaption);
        return;
    }
    const QString folder = m_chooseExportFolder
                               ? m_chooseExportFolder(this)
                               : QFileDialog::getExistingDirectory(this, QStringLiteral("Export as DICOM"));
    if (folder.isEmpty()) return;
    if (!QFileInfo(folder).isDir()) {
        ShowMessageBox(this, QStringLiteral("Invalid dir"), kArchiveCaption);
        return;
    }
    // The objects are made off the user-interface thread, so that the live view goes on.
    auto* watcher = new QFutureWatcher<ExportResult>(this);
    connect(watcher, &QFutureWatcher<ExportResult>::finished, this, [this, watcher, folder, paths, uid = user.uid] {
        const ExportResult result = watcher->result();
        watcher->deleteLater();
        records::AuditTrail::Record(
            records::audit::kExportDicom, uid, std::string(),
            QStringLiteral("%1 of %2 to %3%4")
                .arg(result.written)
                .arg(paths.size())
                .arg(folder, result.failures.isEmpty()
                                 ? QString()
                                 : QStringLiteral("; failed: ") + result.failures.join(QStringLiteral("; ")))
                .toStdString(),
            result.failures.isEmpty());
        if (result.failures.isEmpty()) {
            ShowMessageBox(this, QStringLiteral("%1 DICOM files written to %2").arg(result.written).arg(folder),
                           kArchiveCaption);
        } else {
            ShowMessageBox(this,
                           QStringLiteral("%1 of %2 DICOM files written; failed:\n%3")
                               .arg(result.written)
                               .arg(paths.size())
                               .arg(result.failures.join(QLatin1Char('\n'))),
                           kArchiveCaption, QMessageBox::Warning);
        }
    });
    watcher->setFuture(QtConcurrent::run(ExportPictures, user.uid, paths, folder));
}

void CkavimoDlg::OnSendToPacs() {
    _USER_INFO user = {};
    const std::vector<std::string> paths = PicturesForArchive();
    if (m_store.GetCurrentUser(&user) < 0 || paths.empty()) {
        ShowMessageBox(this, QStringLiteral("The patient has no pictures to send."), kArchiveCaption);
        return;
    }
    QString error = NoPacsMessage();
    if (!m_pacs || !m_pacs->Send(user.uid, paths, &error)) {
        ShowMessageBox(this, error, kArchiveCaption, QMessageBox::Warning);
    }
}
