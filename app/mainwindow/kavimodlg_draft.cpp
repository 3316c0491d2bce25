// Unsaved work at the end of a session: when the session ends (logout, shutdown, SIGTERM) the
// diagnosis typed and the strokes drawn but not saved are kept as a draft in kavimo's state
// directory, and the next start offers to bring them back. The records are written only by the
// user's own "Save" afterwards.
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QSessionManager>

#include "app/mainwindow/kavimodlg.h"
#include "app/mainwindow/workdraft.h"
#include "app/patients/patientmemory.h"
#include "app/pictures/picturepane.h"
#include "app/widgets/limitedtextedit.h"
#include "app/widgets/messagebox.h"
#include "app/widgets/textutil.h"
#include "app/widgets/translation.h"
#include "platform/debug.h"

void CkavimoDlg::SetStateDirectory(const QString& dir) {
    m_stateDir = dir;
    if (m_bWatchingSession) return;
    m_bWatchingSession = true;
    // The session manager asks for the data to be saved before the session ends; the
    // application may be told to quit without the window being closed.
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(gui, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { KeepUnsavedWork(); });
        connect(gui, &QCoreApplication::aboutToQuit, this, [this] { KeepUnsavedWork(); });
    }
}

bool CkavimoDlg::KeepUnsavedWork() {
    if (m_stateDir.isEmpty() || !m_bInitialised) return true;
    _USER_INFO user = {};
    if (m_store.GetCurrentUser(&user) < 0) return true;
    WorkDraft draft;
    draft.hasDiagnosis = HasUnsavedDiagnosis();
    // Strokes over one picture file (single view) can be put back on it; those over the four
    // pictures of split view have no one picture to go back to.
    const bool strokes = HasUnsavedStrokes() && !m_review.Split() && m_review.PictureLoaded() &&
                         !m_review.PanePath(0).isEmpty() && !m_review.Current().image.isNull();
    if (!draft.hasDiagnosis && !strokes) return true;
    draft.uid = user.uid;
    draft.patientName = FieldQString(user.name, 16);
    draft.savedAt = QDateTime::currentDateTime();
    if (draft.hasDiagnosis) draft.diagnosis = m_disease->toPlainText();
    if (strokes) {
        draft.picturePath = m_review.PanePath(0);
        draft.annotated = m_review.Current().image;
    }
    QString error;
    if (!draft.Write(m_stateDir, &error)) {
        platform::DebugWarning("kavimo: the unsaved work of UID%llu cannot be kept: %s\n",
                               static_cast<unsigned long long>(draft.uid), qPrintable(error));
        return false;
    }
    platform::DebugNotice("kavimo: the unsaved work of UID%llu is kept in %s\n",
                          static_cast<unsigned long long>(draft.uid), qPrintable(WorkDraft::FilePath(m_stateDir)));
    return true;
}

void CkavimoDlg::EndSession() {
    KeepUnsavedWork();
    m_bWorkSettled = true;
    m_bSessionEnding = true;
    // A question open in a nested loop (about unsaved work, say) goes too: its answer no longer
    // matters, the work is kept.
    QWidget* modal = QApplication::activeModalWidget();
    QDialog::done(QDialog::Rejected);
    if (modal && modal != this) QCoreApplication::exit(0);
}

void CkavimoDlg::OfferUnsavedWork() {
    // A session that ended during the start-up asks nothing; the draft waits for the next one.
    if (m_stateDir.isEmpty() || m_bSessionEnding) return;
    WorkDraft draft;
    if (!draft.Read(m_stateDir)) {
        if (QFile::exists(WorkDraft::FilePath(m_stateDir))) {
            platform::DebugWarning("kavimo: %s cannot be read; removed\n", qPrintable(WorkDraft::FilePath(m_stateDir)));
            WorkDraft::Remove(m_stateDir);
        }
        return;
    }
    const int index = FindPatientByUid(m_store, draft.uid);
    if (index < 0) {
        platform::DebugWarning("kavimo: the unsaved work of UID%llu is dropped: the patient is gone\n",
                               static_cast<unsigned long long>(draft.uid));
        WorkDraft::Remove(m_stateDir);
        return;
    }
    MessageBoxRequest question;
    question.parent = this;
    question.text =
        Ui::tr("Restore the unsaved work of %1 from %2?").arg(draft.patientName, LocalDateTimeText(draft.savedAt));
    question.caption = Ui::tr("Oral image acquisition system");
    question.icon = QMessageBox::Question;
    question.buttons = QMessageBox::Yes | QMessageBox::No;
    const bool restore = ShowMessageBox(question) == QMessageBox::Yes;
    // Declined or taken back into the window: the draft has done its work.
    WorkDraft::Remove(m_stateDir);
    if (!restore) return;

    if (m_store.GetCurrentUser(nullptr) != index) {
        m_store.CommitCurrentUser();
        m_store.SelectUser(index);
        RememberPatient(m_settingsFile, draft.uid);
        FillPatientPanel();
        ClearPickup();
        ShowNewestPictures();
    }
    // Both come back unsaved: the diagnosis differs from the record, the strokes are on the undo
    // stack over their picture.
    if (draft.hasDiagnosis) m_disease->setPlainText(draft.diagnosis);
    if (draft.HasStrokes()) RestoreStrokes(draft.picturePath, draft.annotated);
}

void CkavimoDlg::RestoreStrokes(const QString& picturePath, const QImage& annotated) {
    const int index = StoreIndexOfPath(picturePath);
    if (index < 0) {
        platform::DebugWarning("kavimo: the strokes on %s are dropped: the picture is gone\n", qPrintable(picturePath));
        return;
    }
    if (m_review.Split()) OnSplit();
    m_nCurIndex = index;
    ShowPictures(index);
    if (!m_review.PictureLoaded()) return;
    m_pane3->Paint([&](QPainter& p) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(m_pane3->rect(), annotated);
    });
    m_review.WorkImage() = annotated.convertToFormat(QImage::Format_RGB32);
    PushHistory();
    m_review.SetStrokesUnsaved(true);
}
