// The main window's side of the clinic's archive: the right-click menu's "Export as DICOM…" and
// "Send to PACS", the stored pictures handed to the sender, its line in the status area.
#include <QDir>
#include <QFileDialog>
#include <QFutureWatcher>
#include <QProgressDialog>
#include <QPromise>
#include <QtConcurrent/QtConcurrent>

#include "app/archive/pacssender.h"
#include "app/archive/pacssettings.h"
#include "app/mainwindow/kavimodlg.h"
#include "app/widgets/messagebox.h"
#include "app/widgets/translation.h"
#include "dicom/exportfolder.h"
#include "dicom/patientpictures.h"
#include "dicom/pictureobject.h"
#include "records/audittrail.h"
#include "records/textconv.h"

namespace {

const char kArchiveCaption[] = QT_TRANSLATE_NOOP("kavimo", "PACS");

struct ExportResult {
    int written = 0;
    bool cancelled = false;
    QStringList failures;
};

// Writes the pictures' objects into the folder's DICOM tree and the DICOMDIR that lists them;
// runs on a worker thread, telling how far it is and stopping between pictures when cancelled
// (the DICOMDIR then lists what was written).
void ExportPictures(QPromise<ExportResult>& promise, uint64_t uid, const std::vector<std::string>& paths,
                    const QString& folder) {
    ExportResult result;
    dicom::ExportFolder exportFolder(folder.toStdString());
    promise.setProgressRange(0, int(paths.size()) + 1);
    int done = 0;
    for (const std::string& path : paths) {
        if (promise.isCanceled()) {
            result.cancelled = true;
            break;
        }
        promise.setProgressValue(done++);
        dicom::PictureSource source;
        std::string error;
        std::unique_ptr<dicom::PictureObject> object;
        if (dicom::LoadPictureSource(uid, path, &source, &error)) object = dicom::PictureObject::Build(source, &error);
        if (object && exportFolder.Add(*object, nullptr, &error)) {
            ++result.written;
        } else {
            result.failures << QStringLiteral("%1: %2").arg(QString::fromStdString(path),
                                                            QString::fromStdString(error));
        }
    }
    promise.setProgressValue(done);
    std::string error;
    if (result.written > 0 && !exportFolder.WriteDicomDir(&error)) {
        result.failures << Ui::tr("DICOMDIR: %1").arg(QString::fromStdString(error));
    }
    promise.setProgressValue(int(paths.size()) + 1);
    promise.addResult(result);
}

// Records the export in the audit trail and tells the user how it went.
void ReportExport(QWidget* parent, const ExportResult& result, int total, uint64_t uid, const QString& folder) {
    records::AuditTrail::Record(
        records::audit::kExportDicom, uid, std::string(),
        Ui::tr("%1 of %2 to %3%4%5")
            .arg(result.written)
            .arg(total)
            .arg(folder, result.cancelled ? Ui::tr("; cancelled") : QString(),
                 result.failures.isEmpty() ? QString()
                                           : Ui::tr("; failed: ") + result.failures.join(QStringLiteral("; ")))
            .toStdString(),
        result.failures.isEmpty() && !result.cancelled);
    if (result.failures.isEmpty() && !result.cancelled) {
        ShowMessageBox(parent,
                       Ui::tr("%n DICOM files written to %1, with a DICOMDIR", nullptr, result.written).arg(folder),
                       Ui::tr(kArchiveCaption));
    } else if (result.failures.isEmpty()) {
        ShowMessageBox(parent,
                       Ui::tr("Export cancelled: %1 of %n DICOM files written to %2, with a DICOMDIR", nullptr, total)
                           .arg(result.written)
                           .arg(folder),
                       Ui::tr(kArchiveCaption));
    } else {
        ShowMessageBox(parent,
                       Ui::tr("%1 of %n DICOM files written; failed:\n%2", nullptr, total)
                           .arg(result.written)
                           .arg(result.failures.join(QLatin1Char('\n'))),
                       Ui::tr(kArchiveCaption), QMessageBox::Warning);
    }
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
        ShowMessageBox(this, Ui::tr("The patient has no pictures to export."), Ui::tr(kArchiveCaption));
        return;
    }
    const QString folder = m_chooseExportFolder ? m_chooseExportFolder(this)
                                                : QFileDialog::getExistingDirectory(this, Ui::tr("Export as DICOM"));
    if (folder.isEmpty()) return;
    if (!QFileInfo(folder).isDir()) {
        ShowMessageBox(this, Ui::tr("Invalid dir"), Ui::tr(kArchiveCaption));
        return;
    }
    // The objects are made off the user-interface thread, so that the live view goes on; a
    // progress dialog shows how far the export is and can cancel it.
    auto* watcher = new QFutureWatcher<ExportResult>(this);
    auto* progress =
        new QProgressDialog(Ui::tr("Exporting %n pictures as DICOM to\n%1", nullptr, int(paths.size())).arg(folder),
                            Ui::tr("Cancel"), 0, int(paths.size()) + 1, this);
    progress->setObjectName(QStringLiteral("DicomExportProgress"));
    progress->setWindowTitle(Ui::tr(kArchiveCaption));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(500);
    progress->setAutoReset(false);
    progress->setAutoClose(false);
    connect(watcher, &QFutureWatcher<ExportResult>::progressValueChanged, progress, &QProgressDialog::setValue);
    connect(progress, &QProgressDialog::canceled, watcher, &QFutureWatcher<ExportResult>::cancel);
    connect(watcher, &QFutureWatcher<ExportResult>::finished, this,
            [this, watcher, progress, folder, paths, uid = user.uid] {
                progress->deleteLater();
                const ExportResult result = watcher->future().resultCount() > 0 ? watcher->result() : ExportResult();
                watcher->deleteLater();
                ReportExport(this, result, int(paths.size()), uid, folder);
            });
    watcher->setFuture(QtConcurrent::run(ExportPictures, user.uid, paths, folder));
}

void CkavimoDlg::OnSendToPacs() {
    _USER_INFO user = {};
    const std::vector<std::string> paths = PicturesForArchive();
    if (m_store.GetCurrentUser(&user) < 0 || paths.empty()) {
        ShowMessageBox(this, Ui::tr("The patient has no pictures to send."), Ui::tr(kArchiveCaption));
        return;
    }
    QString error = NoPacsMessage();
    if (!m_pacs || !m_pacs->Send(user.uid, paths, &error)) {
        ShowMessageBox(this, error, Ui::tr(kArchiveCaption), QMessageBox::Warning);
    }
}
