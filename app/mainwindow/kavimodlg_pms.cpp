// The main window and the practice-management system: the patient it names at start, and the
// patient a second start hands over to the running window.
#include <QApplication>
#include <QPushButton>

#include "app/mainwindow/kavimodlg.h"
#include "app/patients/patientmemory.h"
#include "app/widgets/translation.h"
#include "dicom/installation.h"
#include "platform/debug.h"
#include "records/recordnames.h"
#include "records/textconv.h"

using namespace MainCtl;

void CkavimoDlg::SetStartPatient(const pms::PatientRequest& request, const std::vector<std::string>& show,
                                 PatientOpened opened) {
    m_hasStartPatient = true;
    m_startPatient = request;
    m_startShow = show;
    m_startOpened = std::move(opened);
}

pms::OpenedPatient CkavimoDlg::OpenPmsPatient(const pms::PatientRequest& request) {
    // The practice system's IDs carry the installation's issuer, as kavimo's own do.
    std::string installation;
    std::string error;
    const std::string issuer =
        dicom::LoadInstallationId(&installation, &error) ? dicom::OwnPatientIdIssuer(installation) : std::string();
    if (issuer.empty()) platform::DebugWarning("kavimo: the patient's ID gets no issuer: %s\n", error.c_str());
    pms::OpenedPatient opened = pms::OpenPatient(m_store, request, issuer, [this] { return Now(); });
    if (opened.ok) {
        RememberPatient(m_settingsFile, opened.uid);
        platform::DebugNotice("kavimo: patient %s of the practice-management system %s as UID%llu\n",
                              request.patientId.c_str(), opened.created ? "created" : "opened",
                              static_cast<unsigned long long>(opened.uid));
    }
    return opened;
}

void CkavimoDlg::ShowOpenedPatient(const std::vector<std::string>& pictures) {
    ClearPickup();
    Button(IdPickup)->setText(Ui::tr("Pickup"));
    _USER_INFO user = {};
    const int first =
        pictures.empty() || m_store.GetCurrentUser(&user) < 0
            ? -1
            : StoreIndexOfPath(QString::fromStdString(records::RecordDirPath(user) + "\\" + pictures.front() + ".jpg"));
    if (first < 0) {
        ShowNewestPictures();
        return;
    }
    m_nCurIndex = first;
    ShowPictures(first);
}

QString CkavimoDlg::OpenHandedOverPatient(const pms::PatientRequest& request, const std::vector<std::string>& pictures,
                                          uint64_t* uid) {
    if (!m_bInitialised || m_bTornDown || m_bSessionEnding || m_bAskingToClose) {
        return Ui::tr("kavimo is starting or closing");
    }
    // A dialog of the window (the patient dialog, the settings, a question) is finished first:
    // changing the patient under it would leave it working on the wrong one.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != this) {
        return Ui::tr("a dialog is open in kavimo; close it and try again");
    }
    if (!ConfirmUnsavedDiagnosis() || !ConfirmUnsavedStrokes()) {
        return Ui::tr("the user stayed with the patient on screen to keep unsaved work");
    }
    const pms::OpenedPatient opened = OpenPmsPatient(request);
    FillPatientPanel();
    if (!opened.ok) {
        ShowNewestPictures();
        return QString::fromStdString(opened.error);
    }
    ShowOpenedPatient(pictures);
    // To the front, as when the dentist clicks it.
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    *uid = opened.uid;
    return QString();
}
