// Capture and picture management in the main window: "Freeze" for both cameras, "Save" and
// "Save As" of an annotated picture, "Import", "Export", "Delete" with its remote answer, and the
// pick-up of pictures for export and the report.
//
// A patient's picture is never overwritten by a new one: new files take the first free
// time-stamped name (the next seconds when a name is taken) and are created exclusively. Only
// "Save" replaces a file, the one shown, and it does so as a whole, so a failed write leaves the
// old picture; the first time, the picture as it was is kept as its original (records/originals.h),
// which "Revert to original" puts back. Every file that cannot be written, copied or read is
// reported, and no record is added for a file that was not written. "Delete" moves the picture to
// the trash, from which "Restore deleted pictures…" brings it back.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QThread>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <exception>
#include <future>
#include <memory>

#include "app/mainwindow/kavimodlg.h"
#include "app/pictures/listimagectrl.h"
#include "app/pictures/pictureio.h"
#include "app/widgets/messagebox.h"
#include "app/widgets/restoredlg.h"
#include "app/widgets/textutil.h"
#include "app/widgets/translation.h"
#include "camlink/picturefiles.h"
#include "platform/clock.h"
#include "platform/debug.h"
#include "platform/paths.h"
#include "records/audittrail.h"
#include "records/originals.h"
#include "records/recordnames.h"
#include "records/textconv.h"

using namespace MainCtl;

namespace {

constexpr int kEmptySlot = PictureReview::kEmptySlot;
constexpr uint64_t kPictureWaitTicks = 20;  // 2 s of the tick thread
constexpr int kImportNameAttempts = 86400;  // every second of a day
constexpr int kAnswerWaitMs = 1000;
constexpr int kRebuildSoonMs = 300;  // after a delete or a capture: once it is drawn and its thumbnails made

const char kAppCaption[] = QT_TRANSLATE_NOOP("kavimo", "Oral image acquisition system");

// One line of the audit trail about a patient's picture.
void Audit(const char* event, uint64_t uid, const std::string& file, const QString& detail, bool success = true) {
    records::AuditTrail::Record(event, uid, file, detail.toStdString(), success);
}

QString SystemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QStringList DefaultImportChooser(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(Ui::tr("Pictures (*.jpg *.jpeg *.png *.bmp)"));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted) return QStringList();
    return dialog.selectedFiles();
}

QString DefaultExportChooser(QWidget* parent) {
    return QFileDialog::getExistingDirectory(parent, Ui::tr("Please select output dir："));
}

// A file chosen for import, as the JPEG data to store: the patient's pictures are JPEG files
// whatever their name says. What the content is decides, not the name: a JPEG is taken as it is,
// any other picture is converted as a saved picture is; a file that is no picture is refused.
bool ReadImportFile(const QString& path, QByteArray* data, QString* error) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) {
        *error = QFileInfo(path).isReadable() ? Ui::tr("not a picture") : reader.errorString();
        return false;
    }
    // A picture that claims more pixels than kavimo opens would only fail later, in every view.
    if (!CheckPictureSize(reader, error)) return false;
    if (reader.format() == "jpeg") return ReadWholeFile(path, data, error);
    const QByteArray format = reader.format();
    QImage picture;
    try {
        picture = reader.read();
    } catch (const std::exception& exception) {
        *error = QString::fromLocal8Bit(exception.what());
        return false;
    }
    if (picture.isNull()) {
        *error = Ui::tr("a %1 picture that cannot be read: %2").arg(QString::fromLatin1(format), reader.errorString());
        return false;
    }
    // JPEG has no transparency: what would show through is white, as on the report's paper.
    if (picture.hasAlphaChannel()) {
        QImage opaque(picture.size(), QImage::Format_RGB32);
        opaque.fill(Qt::white);
        QPainter painter(&opaque);
        painter.drawImage(0, 0, picture);
        painter.end();
        picture = opaque;
    }
    return EncodePicture(picture, QStringLiteral("jpg"), data, error);
}

// A picture the records name, read whole; never through a link out of the work directory.
bool ReadPictureOfRecords(const QString& hostPath, QByteArray* data, QString* error) {
    const QString file = PictureFileToOpen(hostPath, error);
    return !file.isEmpty() && ReadWholeFile(file, data, error);
}

// "Save" writes only over a picture file in the patient's own directory, whatever a record says.
bool IsPictureOfPatient(const _USER_INFO& patient, const QString& logicalPath) {
    std::string normalized;
    return platform::NormalizeLogicalPath(logicalPath.toStdString(), &normalized) &&
           platform::IsWithinLogicalDir(records::RecordDirPath(patient), normalized) &&
           CListImageCtrl::IsPictureFileName(FileNameOf(logicalPath));
}

}  // namespace

std::time_t CkavimoDlg::Now() const { return m_clock ? m_clock() : std::time(nullptr); }

// --- Freeze -------------------------------------------------------------------------------------

void CkavimoDlg::OnFreeze() {
    // A frame frozen before the camera's link dropped can still be stored.
    if (!m_live.StreamEnabled() && m_live.State() != LiveState::Frozen) return;
    if (m_nCameraType == CAMERA_STREAM)
        FreezeStream();
    else if (m_nCameraType == CAMERA_PICTURE)
        FreezePictureCamera();
}

// Live, then frozen (the frame written as a BMP file), then stored and live again.
void CkavimoDlg::FreezeStream() {
    const std::string bmp = platform::HostPath(kFrozenFramePath);
    if (m_live.State() == LiveState::Idle) {
        OnSample();
        SetLiveState(LiveState::Live);
        Button(IdFreeze)->setText(Ui::tr("Freeze"));
        return;
    }
    if (m_live.State() == LiveState::Live) {
        SetLiveState(LiveState::Frozen);
        m_live.StopReceiver();  // the last frame stays on the pane
        Button(IdFreeze)->setText(Ui::tr("Save Pic"));
        UpdateLivePane();
        if (bmp.empty()) return;
        // A frame left from an earlier freeze must never be stored as this one.
        QFile::remove(QString::fromStdString(bmp));
        errno = 0;
        const bool written = m_writeSnapshot ? m_writeSnapshot(bmp) : m_live.WriteLastFrame(bmp.c_str());
        // Why it failed, for the message when the frame is to be stored (a full disk, say).
        m_strSnapshotError.clear();
        if (!written && errno != 0) {
            m_strSnapshotError =
                QStringLiteral("%1: %2").arg(QString::fromLatin1(kFrozenFramePath), SystemError(errno));
        }
        return;
    }

    // Frozen: store the frame, then back to live whatever happened.
    QImage frame;
    const bool havePatient = m_store.GetCurrentUser(&m_curPatient) >= 0;
    if (!bmp.empty()) frame.load(QString::fromStdString(bmp));
    if (frame.isNull() || !havePatient) {
        // For the log: which of the two it was (the message names only a write that failed).
        platform::DebugWarning("Freeze: nothing stored: %s\n", !havePatient ? "no current patient"
                                                               : m_strSnapshotError.isEmpty()
                                                                   ? "the player had no picture to write"
                                                                   : qPrintable(m_strSnapshotError));
        const QString why =
            havePatient && !m_strSnapshotError.isEmpty() ? QStringLiteral("\n") + m_strSnapshotError : QString();
        Audit(records::audit::kCapture, havePatient ? m_curPatient.uid : 0, std::string(),
              QStringLiteral("Freeze: nothing stored") + why, false);
        ShowMessageBox(this, Ui::tr("Fail to Save！") + why, Ui::tr(kAppCaption));
    } else {
        std::string path;
        QString error;
        if (StoreNewPicture(frame, &path, &error)) {
            m_store.AddPicture(0, path, true);
            Audit(records::audit::kCapture, m_curPatient.uid, path, QStringLiteral("Freeze"));
            PictureStored(path);
            ReloadPicturesAfterCapture(path);
            OfferChartAfterCapture(path);
        } else {
            Audit(records::audit::kCapture, m_curPatient.uid, std::string(), QStringLiteral("Freeze: ") + error, false);
            ShowMessageBox(this, Ui::tr("Fail to Save！\n%1").arg(error), Ui::tr(kAppCaption));
        }
    }
    if (!m_live.MediaReady()) {  // the camera's link dropped while the frame waited
        LeaveFrozenWithoutCamera();
        return;
    }
    if (!m_live.HasReceiver()) StartReceiver();
    SetLiveState(LiveState::Live);
    ShowNewestPictures();
    Button(IdFreeze)->setText(Ui::tr("Freeze"));
    UpdateLivePane();
}

// The picture camera writes its next picture into a new file; the window waits for it at most 2 s.
void CkavimoDlg::FreezePictureCamera() {
    std::u16string path;
    _USER_INFO patient = {};
    m_store.GetCurrentUser(&patient);
    if (!m_udp.RequestPictureFile() || !WaitForPictureFile(&path)) {
        // A picture that came but could not be written (a full or read-only disk) says why.
        const int error = m_udp.m_nDumpError.load();
        const QString why =
            error != 0 ? QStringLiteral("\n%1: %2").arg(ToQString(m_udp.DumpPath()), SystemError(error)) : QString();
        Audit(records::audit::kCapture, patient.uid, std::string(), QStringLiteral("Snap: no picture") + why, false);
        ShowMessageBox(this, Ui::tr("Fail to save picture！") + why, Ui::tr("Error"));
        return;
    }
    m_store.AddPicture(0, path, true);
    Audit(records::audit::kCapture, patient.uid, records::Utf16ToAnsi(path), QStringLiteral("Snap"));
    PictureStored(records::Utf16ToAnsi(path));
    ReloadPictures(false);
    OfferChartAfterCapture(records::Utf16ToAnsi(path));
}

// Waits, polling on this thread, until the picture thread has written the requested file or 20
// ticks have passed (the request is then withdrawn). The picture thread holds a new preview back
// until the window has taken the last one, and the window's timer does not run meanwhile: the
// previews are taken here, so that the next picture, the one asked for, can come in.
bool CkavimoDlg::WaitForPictureFile(std::u16string* path) {
    const uint64_t start = GlobalTicks().load();
    while (m_udp.m_bDumpNext.load(std::memory_order_acquire)) {
        if (GlobalTicks().load() - start >= kPictureWaitTicks) {
            int requested = 1;
            if (m_udp.m_bDumpNext.compare_exchange_strong(requested, 0)) return false;
            break;  // written just now
        }
        if (m_udp.m_bPreviewReady.exchange(0)) ++m_nJpegCount;
        platform::SleepMs(1);
    }
    *path = m_udp.DumpPath();
    return true;
}

// Encodes the picture as JPEG into a new time-stamped file of the current patient (m_curPatient).
bool CkavimoDlg::StoreNewPicture(const QImage& picture, std::string* logicalPath, QString* error) {
    QByteArray jpeg;
    if (!EncodePicture(picture, QStringLiteral("jpg"), &jpeg, error)) return false;
    const std::string dir = records::RecordDirPath(m_curPatient);
    if (!camlink::WriteNewPictureFile(dir, Now(), reinterpret_cast<const uint8_t*>(jpeg.constData()),
                                      size_t(jpeg.size()), logicalPath)) {
        *error = QStringLiteral("%1: %2").arg(QString::fromStdString(dir), SystemError(errno));
        return false;
    }
    return true;
}

// --- Save, Save As --------------------------------------------------------------------------------

void CkavimoDlg::OnSave() { SaveOverShownPicture(); }

bool CkavimoDlg::SaveOverShownPicture() {
    if (m_review.Split() || m_review.HistLevel() == 0) return false;
    const QString target = m_review.PanePath(0);
    if (target.isEmpty()) return false;  // no picture file is shown to save over
    if (m_store.GetCurrentUser(&m_curPatient) < 0) return false;
    const QString host = HostPathOf(target);
    QByteArray bytes;
    QString error;
    if (!m_review.PictureLoaded()) {
        // The pane shows grey for a file that could not be read: the grey must never replace it.
        error = Ui::tr("the picture could not be read, so it is not written over");
    } else if (!IsPictureOfPatient(m_curPatient, target)) {
        error = Ui::tr("not a picture in the patient's directory");
    } else if (int keepError = 0; !records::KeepOriginal(host.toStdString(), &keepError)) {
        // Without its original kept, the picture as taken would be lost: it is not written over.
        error = Ui::tr("its original cannot be kept: ") + SystemError(keepError);
    } else if (EncodePicture(m_review.Current().image, QFileInfo(host).suffix(), &bytes, &error) &&
               ReplaceFile(host, bytes, &error)) {
        m_review.SetStrokesUnsaved(false);
        Audit(records::audit::kSave, m_curPatient.uid, target.toStdString(), QStringLiteral("Save"));
        PictureStored(target.toStdString());
        ReloadPictures(false);
        return true;
    }
    Audit(records::audit::kSave, m_curPatient.uid, target.toStdString(), QStringLiteral("Save: ") + error, false);
    ShowMessageBox(this, Ui::tr("Fail to Save！\n%1: %2").arg(target, error), Ui::tr(kAppCaption));
    return false;
}

bool CkavimoDlg::ShownPictureHasOriginal() const {
    const QString shown = m_review.PanePath(0);
    return !m_review.Split() && !shown.isEmpty() && records::HasOriginal(HostPathOf(shown).toStdString());
}

void CkavimoDlg::OnRevertToOriginal() {
    if (!ShownPictureHasOriginal() || m_store.GetCurrentUser(&m_curPatient) < 0) return;
    const QString target = m_review.PanePath(0);
    MessageBoxRequest question;
    question.parent = this;
    question.text =
        Ui::tr("Revert %1 to the picture as it was taken?\nThe strokes saved on it are lost.").arg(FileNameOf(target));
    question.caption = Ui::tr("Revert to original");
    question.buttons = QMessageBox::Yes | QMessageBox::No;
    if (ShowMessageBox(question) != QMessageBox::Yes) return;
    int error = 0;
    const bool reverted = records::RevertToOriginal(HostPathOf(target).toStdString(), &error);
    Audit(records::audit::kSave, m_curPatient.uid, target.toStdString(),
          QStringLiteral("Revert to original") + (reverted ? QString() : QStringLiteral(": ") + SystemError(error)),
          reverted);
    if (!reverted) {
        ShowMessageBox(this, Ui::tr("Fail to revert！\n%1: %2").arg(target, SystemError(error)), Ui::tr(kAppCaption));
        return;
    }
    ReloadPictures(false);
    ShowCurrentPictures();  // the original in pane 0, without strokes
}

void CkavimoDlg::OnRestorePictures() {
    if (m_store.GetCurrentUser(&m_curPatient) < 0) return;
    const std::vector<records::TrashEntry> deleted = m_store.DeletedPictures();
    if (deleted.empty()) return;
    const std::vector<std::string> chosen = CRestoreDlg::Choose(this, Ui::tr("Restore deleted pictures"), deleted);
    if (chosen.empty()) return;
    const QStringList picked = PickedPaths();
    const int restored = m_store.RestorePictures(chosen);
    for (const records::TrashEntry& entry : deleted) {
        if (std::find(chosen.begin(), chosen.end(), entry.id) == chosen.end()) continue;
        Audit(records::audit::kRestore, m_curPatient.uid, entry.path, QStringLiteral("from the trash"));
    }
    if (restored == 0) return;
    ReloadPictures(false, picked);
    ShowCurrentPictures();
}

void CkavimoDlg::OnSaveAs() { SaveAsNewPicture(); }

bool CkavimoDlg::SaveAsNewPicture() {
    if (m_review.HistLevel() == 0) return false;
    if (m_store.GetCurrentUser(&m_curPatient) < 0) return false;
    std::string path;
    QString error;
    if (!StoreNewPicture(m_review.Current().image, &path, &error)) {
        Audit(records::audit::kSave, m_curPatient.uid, std::string(), QStringLiteral("Save As: ") + error, false);
        ShowMessageBox(this, Ui::tr("Fail to Save！\n%1").arg(error), Ui::tr(kAppCaption));
        return false;
    }
    m_review.SetStrokesUnsaved(false);
    Audit(records::audit::kSave, m_curPatient.uid, path, QStringLiteral("Save As"));
    KeepTeethOfSavedAs(m_review.PanePath(0), QString::fromStdString(path));
    ReloadPictures(true);
    PictureStored(path);
    return true;
}

// --- Import, Export -------------------------------------------------------------------------------

void CkavimoDlg::OnImport() {
    const QStringList files = m_chooseImportFiles ? m_chooseImportFiles(this) : DefaultImportChooser(this);
    if (files.isEmpty()) return;
    if (m_store.GetCurrentUser(&m_curPatient) < 0) return;
    const QStringList picked = PickedPaths();
    const std::string dir = records::RecordDirPath(m_curPatient);

    // One time value names the files in the order chosen, a second apart; a name that is taken
    // is passed over, so no picture of the patient is ever replaced.
    std::tm value = LocalTimeOf(Now());
    QStringList failures;
    std::vector<std::string> imported;
    for (const QString& file : files) {
        QByteArray bytes;
        QString error;
        bool stored = false;
        if (ReadImportFile(file, &bytes, &error)) {
            for (int attempt = 0; attempt < kImportNameAttempts && !stored; ++attempt) {
                const std::string logical = platform::JoinLogical(dir, records::PictureFileName(value));
                AdvanceImportTime(&value);
                if (camlink::WriteNewFile(logical, reinterpret_cast<const uint8_t*>(bytes.constData()),
                                          size_t(bytes.size()))) {
                    stored = true;
                    imported.push_back(logical);
                } else if (errno != EEXIST) {
                    error = SystemError(errno);
                    break;
                }
            }
            if (!stored && error.isEmpty()) error = Ui::tr("no free picture name");
        }
        if (stored) {
            Audit(records::audit::kImport, m_curPatient.uid, imported.back(), QStringLiteral("from ") + file);
        } else {
            failures << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file), error);
            Audit(records::audit::kImport, m_curPatient.uid, std::string(), failures.back(), false);
        }
    }
    // The list is built again when a file came in (not when every one failed, on a full disk,
    // where rewriting the list would only fail once more).
    if (failures.size() < files.size()) ReloadPictures(true, picked);
    for (const std::string& logical : imported) PictureStored(logical);
    if (!failures.isEmpty())
        ShowMessageBox(this, Ui::tr("Fail to import:\n%1").arg(failures.join(QLatin1Char('\n'))), Ui::tr(kAppCaption),
                       QMessageBox::Warning);
}

void CkavimoDlg::OnExport() {
    const QString caption = Ui::tr("picture output");
    // The picked pictures; with none picked, all of the patient's after asking.
    QList<int> indexes;
    for (int slot : m_picks.Slots()) {
        if (slot != kEmptySlot) indexes << slot;
    }
    if (indexes.isEmpty()) {
        const int count = m_list->count();
        if (count == 0) {
            ShowMessageBox(this, Ui::tr("This patient has no pictures to export."), caption);
            return;
        }
        const QString question = count == 1 ? Ui::tr("No picture is picked. Export the patient's picture?")
                                            : Ui::tr("No picture is picked. Export all %n pictures?", nullptr, count);
        if (ShowMessageBox(this, question, caption, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No) !=
            QMessageBox::Yes)
            return;
        for (int i = 0; i < count; ++i) indexes << i;
    }
    const QString folder = m_chooseExportFolder ? m_chooseExportFolder(this) : DefaultExportChooser(this);
    if (folder.isEmpty()) return;  // the chooser was cancelled
    if (!QFileInfo(folder).isDir()) {
        ShowMessageBox(
            this, Ui::tr("The folder %1 does not exist. Choose another one.").arg(QDir::toNativeSeparators(folder)),
            caption, QMessageBox::Warning);
        return;
    }
    QStringList failures;
    int exported = 0;
    _USER_INFO patient = {};
    m_store.GetCurrentUser(&patient);
    for (int index : indexes) {
        _DISE_PIC picture = {};
        if (m_store.GetPicture(index, &picture) != 1) {
            failures << Ui::tr("picture %1: it is no longer in the patient's list").arg(index + 1);
            continue;
        }
        const QString logical = PicturePathText(picture);
        const QString name = FileNameOf(logical);
        QByteArray bytes;
        QString error;
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) {
            failures << Ui::tr("%1: not a file name").arg(logical);
        } else if (!ReadPictureOfRecords(HostPathOf(logical), &bytes, &error) ||
                   !ReplaceFile(QDir(folder).filePath(name), bytes, &error)) {
            failures << QStringLiteral("%1: %2").arg(name, error);
            Audit(records::audit::kExport, patient.uid, logical.toStdString(),
                  QStringLiteral("to ") + folder + QStringLiteral(": ") + error, false);
        } else {
            ++exported;
            Audit(records::audit::kExport, patient.uid, logical.toStdString(), QStringLiteral("to ") + folder);
        }
    }
    const QString done = Ui::tr("%n pictures exported to %1.", nullptr, exported).arg(QDir::toNativeSeparators(folder));
    if (failures.isEmpty())
        ShowMessageBox(this, done, caption);
    else
        ShowMessageBox(this, Ui::tr("%1\n\nFail to export:\n%2").arg(done, failures.join(QLatin1Char('\n'))), caption,
                       QMessageBox::Warning);
}

void CkavimoDlg::OnDelete() {
    if (m_live.State() != LiveState::Idle) return;
    MessageBoxRequest question;
    question.text = Ui::tr("Are you sure?");
    // Which picture goes, and where to: the camera's key answers this box without the user
    // seeing the picture on the screen.
    _DISE_PIC shown = {};
    if (!m_review.PanePath(0).isEmpty() && m_store.GetPicture(m_review.PaneIndex(0), &shown) == 1 &&
        PicturePathText(shown).compare(m_review.PanePath(0), Qt::CaseInsensitive) == 0) {
        question.text += Ui::tr(
                             "\n\nDelete the picture of %1-%2-%3 %4:%5:%6?\n"
                             "It goes to the trash, from which it can be restored for %7 days.")
                             .arg(int(shown.year), 4, 10, QLatin1Char('0'))
                             .arg(int(shown.month), 2, 10, QLatin1Char('0'))
                             .arg(int(shown.day), 2, 10, QLatin1Char('0'))
                             .arg(int(shown.hour), 2, 10, QLatin1Char('0'))
                             .arg(int(shown.minute), 2, 10, QLatin1Char('0'))
                             .arg(int(shown.second), 2, 10, QLatin1Char('0'))
                             .arg(records::kTrashKeepDays);
    }
    question.caption = Ui::tr("Picture delete");
    question.buttons = QMessageBox::Yes | QMessageBox::No;
    m_bDeleteConfirm = true;
    const QMessageBox::StandardButton answer = ShowMessageBox(question);
    m_bDeleteConfirm = false;
    if (answer != QMessageBox::Yes) return;
    if (m_review.PanePath(0).isEmpty()) return;

    const QString path = m_review.PanePath(0);
    const int hint = m_review.PaneIndex(0);
    m_review.ClearSlot(0);
    // The picture shown is deleted, found by its path: an import may have moved it in the list
    // since it was shown.
    const QStringList picked = PickedPaths();
    const int index = StoreIndexOfPath(path, hint);
    bool deleted = false;
    if (index >= 0 && m_store.DeletePicture(index) == 1) {
        // The picture that takes its place in pane 0 is decoded while the lists are written and
        // the thumbnail list changes.
        _USER_INFO user = {};
        _DISE_PIC next = {};
        if (m_store.GetCurrentUser(&user) >= 0 && user.picCount > 0 &&
            m_store.GetPicture(std::min(m_nCurIndex, user.picCount - 1), &next) == 1) {
            m_decodeAhead.Start(HostPathOf(PicturePathText(next)));
        }
        m_store.Flush();
        // The list takes out the one item; the directory is compared with it as a whole later.
        if (!m_list->RemoveShownFile(FileNameOf(path))) ReloadThumbnails();
        MarkPicks(picked);
        deleted = true;
    }
    _USER_INFO patient = {};
    m_store.GetCurrentUser(&patient);
    Audit(records::audit::kDelete, patient.uid, path.toStdString(), QString(), deleted);
    ShowCurrentPictures();  // also resets the undo stack
    if (deleted) RebuildPicturesSoon();
}

// The store reads the patient's directory again once a delete or a capture is on the screen:
// with thousands of pictures that takes a few tens of milliseconds, which the window, its
// drawing and the user's next press need not wait for. A timer (unlike a posted call) lets the
// drawing and the input that is waiting go first. Nothing is out of step meanwhile: the store
// and the list both hold the patient's pictures with the one change made.
void CkavimoDlg::RebuildPicturesSoon() {
    _USER_INFO user = {};
    if (m_store.GetCurrentUser(&user) < 0) return;
    m_uRebuildUid = user.uid;
    m_rebuildSoon.start(kRebuildSoonMs);
}

// Pictures added to or removed from the directory by other means come into the list here; when
// nothing else changed (as almost always), nothing is drawn again.
void CkavimoDlg::RebuildPicturesNow() {
    _USER_INFO user = {};
    if (m_bClosing || m_store.GetCurrentUser(&user) < 0 || user.uid != m_uRebuildUid) return;
    const QStringList picked = PickedPaths();
    const QString shown = m_review.PanePath(0);
    bool changed = false;
    m_store.RebuildPictures(&changed);
    if (!changed && m_list->ShowsItsDirectory()) return;
    ReloadPictures(false, picked);
    const int index = shown.isEmpty() ? -1 : StoreIndexOfPath(shown, m_nCurIndex);
    if (index >= 0) m_nCurIndex = index;
    ShowCurrentPictures();
}

// The current picture again, kept within the list after it lost pictures.
void CkavimoDlg::ShowCurrentPictures() {
    const int last = m_list->count() - 1;
    if (m_nCurIndex > last) m_nCurIndex = last < 0 ? 0 : last;
    ShowPictures(m_nCurIndex);
}

// Called on the camera link's thread while the confirmation is open: the box belongs to the
// user-interface thread, which presses the button; the answer says whether the box was there.
int CkavimoDlg::AnswerDeleteConfirm(int answer) {
    if (QThread::currentThread() == thread()) return AnswerDeleteConfirmNow(answer);
    if (m_bClosing) return 0;
    auto result = std::make_shared<std::promise<int>>();
    std::future<int> pressed = result->get_future();
    QMetaObject::invokeMethod(
        this, [this, answer, result] { result->set_value(AnswerDeleteConfirmNow(answer)); }, Qt::QueuedConnection);
    // The window may be closing (its teardown waits for this call to return): wait in short steps.
    for (int waited = 0; waited < kAnswerWaitMs; waited += 10) {
        if (pressed.wait_for(std::chrono::milliseconds(10)) == std::future_status::ready) return pressed.get();
        if (m_bClosing) return 0;
    }
    return 0;
}

int CkavimoDlg::AnswerDeleteConfirmNow(int answer) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box || !box->isVisible() || box->windowTitle() != Ui::tr("Picture delete")) continue;
        QAbstractButton* button = box->button(answer == 'n' ? QMessageBox::No : QMessageBox::Yes);
        if (!button) return 0;
        button->click();
        return 1;
    }
    return 0;
}

// --- Pick-up --------------------------------------------------------------------------------------

void CkavimoDlg::OnPickup() {
    CListImageCtrl::SetThumbnailSize(m_nThumbSize, m_nThumbSize);
    for (int slot : m_picks.Slots()) {
        if (slot != kEmptySlot) m_list->RedrawThumbnail(slot, false);
    }
    m_picks.ToggleMode();
    Button(IdPickup)->setText(m_picks.PickMode() ? Ui::tr("Drop") : Ui::tr("Pickup"));
}

void CkavimoDlg::PickThumbnail(int position) {
    if (position < 0) return;
    CListImageCtrl::SetThumbnailSize(m_nThumbSize, m_nThumbSize);
    switch (m_picks.Pick(position)) {
        case Picks::Change::Removed:
            m_list->RedrawThumbnail(position, false);
            break;
        case Picks::Change::Added:
            m_list->RedrawThumbnail(position, true);
            break;
        case Picks::Change::Full:
            break;  // all four taken: nothing changes
    }
}

QStringList CkavimoDlg::PickedPaths() const {
    QStringList paths;
    for (int slot : m_picks.Slots()) {
        _DISE_PIC picture = {};
        paths << (slot != kEmptySlot && m_store.GetPicture(slot, &picture) == 1 ? PicturePathText(picture) : QString());
    }
    return paths;
}

int CkavimoDlg::StoreIndexOfPath(const QString& logicalPath, int hint) const {
    _USER_INFO user = {};
    if (logicalPath.isEmpty() || m_store.GetCurrentUser(&user) < 0) return -1;
    auto matches = [&](int index) {
        _DISE_PIC picture = {};
        return m_store.GetPicture(index, &picture) == 1 &&
               PicturePathText(picture).compare(logicalPath, Qt::CaseInsensitive) == 0;
    };
    if (hint >= 0 && hint < user.picCount && matches(hint)) return hint;
    for (int index = 0; index < user.picCount; ++index) {
        if (matches(index)) return index;
    }
    return -1;
}

void CkavimoDlg::ReloadPictures(bool rebuild) { ReloadPictures(rebuild, PickedPaths()); }

// A capture's picture stored and recorded: the list takes its one new item at once and the
// store's rebuild follows (RebuildPicturesSoon), unless the list as recorded is not in the order
// a rebuild gives (the clock set back, say), which only the rebuild puts right.
void CkavimoDlg::ReloadPicturesAfterCapture(const std::string& path) {
    if (!m_store.PicturesInRebuildOrder()) {
        ReloadPictures(true);
        return;
    }
    const QStringList picked = PickedPaths();
    if (!m_list->AddShownFile(FileNameOf(QString::fromStdString(path)))) ReloadThumbnails();
    MarkPicks(picked);
    RebuildPicturesSoon();
}

void CkavimoDlg::ReloadPictures(bool rebuild, const QStringList& pickedPaths) {
    if (rebuild) m_store.RebuildPictures();
    ReloadThumbnails();
    MarkPicks(pickedPaths);
}

// The list was drawn anew: the picks are found again and marked again.
void CkavimoDlg::MarkPicks(const QStringList& pickedPaths) {
    std::array<int, Picks::kSlots> found;
    for (int slot = 0; slot < Picks::kSlots; ++slot) {
        const int index = slot < pickedPaths.size() ? StoreIndexOfPath(pickedPaths[slot], m_picks.At(slot)) : -1;
        found[slot] = index >= 0 ? index : Picks::kEmpty;
    }
    m_picks.Reset(found);
    for (int index : found) {
        if (index != Picks::kEmpty) m_list->RedrawThumbnail(index, true);
    }
}
