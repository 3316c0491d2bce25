// The main window: start-up with and without a camera on loopback, the connection watchdog, the
// camera keys, the picture camera's intake, the patient panel and closing while the camera
// threads are busy.
#include <QtTest>

#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTextEdit>

#include <memory>
#include <thread>

#include "app/mainwindow/kavimodlg.h"
#include "app/patients/userlist.h"
#include "app/pictures/listimagectrl.h"
#include "app/pictures/picturepane.h"
#include "app/widgets/facebutton.h"
#include "app/widgets/patientbanner.h"
#include "platform/clock.h"
#include "platform/net.h"
#include "pms/patientopen.h"
#include "tests/app/support/apptestsupport.h"
#include "tests/app/support/fakecameras.h"

using namespace MainCtl;

namespace {

QByteArray Jpeg(QColor colour, int w = 160, int h = 120) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return bytes;
}

bool Close(QColor a, QColor b, int tolerance = 24) {
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

// A UDP socket on loopback that never answers: a camera that is not there.
class SilentPort {
public:
    SilentPort() : m_fd(platform::OpenUdpSocket("127.0.0.1", 0, false)) {}
    ~SilentPort() { platform::CloseSocket(m_fd); }
    uint16_t Port() const { return platform::LocalPort(m_fd); }

private:
    int m_fd;
};

}  // namespace

class KavimoDlgTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startsWithoutACameraWhenNobodyAnswers();
    void cameraSwitchedOnLaterIsFoundAndGoesLive();
    void controlsFollowTheLayoutAndColours();
    void enterAndEscapeNeverEndTheRun();
    void streamCameraConnectsAndTheWatchdogFollowsHeartbeats();
    void cameraKeysFollowTheStateRules();
    void pictureCameraPicturesAreTakenIn();
    void patientPanelAndDiagnosisSave();
    void userButtonChangesThePatient();
    void theNewPatientIsShownLargeAndOpensTheNextRun();
    void unsavedDiagnosisIsAskedAboutBeforeItIsLost();
    void closingWhileCameraThreadsAreBusyIsSafe();
    void practiceSystemPatientSkipsTheDialogAndWaitsForUnsavedWork();
    void footSwitchKeyFreezesButTypingDoesNot();

private:
    CameraLinkConfig LoopbackConfig(uint16_t streamPort, uint16_t pictureCommandPort, uint16_t picturePort);
    std::unique_ptr<CkavimoDlg> MakeDialog(const CameraLinkConfig& config);

    std::unique_ptr<TestDrive> m_drive;
    std::unique_ptr<QtRecordNotifier> m_notifier;
    std::unique_ptr<RecordStore> m_store;
    std::unique_ptr<CUdp> m_udp;
    std::unique_ptr<QTemporaryDir> m_cache;
    SilentPort m_silentStream;
    SilentPort m_silentPicture;
};

void KavimoDlgTest::init() {
    m_drive = std::make_unique<TestDrive>();
    m_cache = std::make_unique<QTemporaryDir>();
    ThumbnailCache::SetDiskDirectory(m_cache->path());
    m_notifier = std::make_unique<QtRecordNotifier>();
    m_store = std::make_unique<RecordStore>(m_notifier.get());
}

void KavimoDlgTest::cleanup() {
    m_udp.reset();
    m_store.reset();
    m_notifier.reset();
    m_drive.reset();
    m_cache.reset();
}

CameraLinkConfig KavimoDlgTest::LoopbackConfig(uint16_t streamPort, uint16_t pictureCommandPort, uint16_t picturePort) {
    CameraLinkConfig config;
    config.streamCameraIp = "127.0.0.1";
    config.streamCameraPort = streamPort;
    config.streamLocalPort = 0;
    config.videoPort = 0;
    config.pictureCameraIp = "127.0.0.1";
    config.pictureCameraPort = pictureCommandPort;
    config.pictureLocalPort = 0;
    config.pictureTcpPort = picturePort;
    config.localBindIp = "127.0.0.1";
    config.connectTimeoutMs = 500;
    return config;
}

// The camera link is started before the window so that the fake cameras know where to answer;
// the window's own Init then finds it running.
std::unique_ptr<CkavimoDlg> KavimoDlgTest::MakeDialog(const CameraLinkConfig& config) {
    m_udp = std::make_unique<CUdp>(config);
    m_udp->SetTickCounter(&GlobalTicks());
    m_udp->SetRecordStore(m_store.get());
    m_udp->SetNotifier(m_notifier.get());
    if (m_udp->Init(0) != 1) return nullptr;
    auto dialog = std::make_unique<CkavimoDlg>(*m_store, *m_udp);
    dialog->SetUserListRunner([](CUserList& users) { users.accept(); });
    return dialog;
}

void KavimoDlgTest::startsWithoutACameraWhenNobodyAnswers() {
    auto dialog = MakeDialog(LoopbackConfig(m_silentStream.Port(), m_silentPicture.Port(), 1));
    QVERIFY(dialog);
    dialog->OnInitDialog();
    QCOMPARE(m_drive->messages, QStringList({"Oral image acquisition system|Create WorkDir successfull!"}));
    QCOMPARE(dialog->CameraType(), 0);
    QVERIFY(dialog->WatchdogActive());  // it keeps asking for a camera
    QCOMPARE(dialog->Connected(), false);
    QCOMPARE(dialog->StatusText(), QStringLiteral("WIFI disconnect！"));
    QCOMPARE(dialog->StatusText2(), QStringLiteral("re-connecting..."));
    QVERIFY(!dialog->Control(IdFreeze)->isEnabled());
    QVERIFY(!dialog->Control(IdSample)->isEnabled());
    for (int id : {IdUser, IdImport, IdExport, IdPickup, IdPrint, IdExit, IdSaveDisease})
        QVERIFY(dialog->Control(id)->isEnabled());
    const QImage shown = static_cast<QLabel*>(dialog->Control(IdStatusImage))->pixmap().toImage();
    QCOMPARE(shown, QPixmap(":/bitmap/161.png").toImage());

    // The red status line is drawn where the layout puts it.
    dialog->resize(1920, 1050);
    const QImage window = dialog->grab().toImage();
    int red = 0;
    const QRect box(dialog->Layout().status, QSize(240, 32));
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) red += QColor(window.pixel(x, y)) == QColor(255, 0, 0);
    QVERIFY2(red > 50, qPrintable(QString::number(red)));
    QCOMPARE(QColor(window.pixel(dialog->Layout().status.x() + 2, dialog->Layout().status.y() + 46)),
             QColor(57, 169, 251));
    // Nothing is sent anywhere but loopback; while nobody answers nothing changes.
    QTest::qWait(200);
    QCOMPARE(dialog->Connected(), false);
    QCOMPARE(dialog->CameraType(), 0);
}

void KavimoDlgTest::cameraSwitchedOnLaterIsFoundAndGoesLive() {
    FakeStreamCamera camera;
    auto dialog = MakeDialog(LoopbackConfig(camera.Port(), m_silentPicture.Port(), 1));
    QVERIFY(dialog);
    dialog->OnInitDialog();  // the camera is still off
    QCOMPARE(dialog->CameraType(), 0);
    QTest::qWait(2500);  // a probe round goes unanswered
    QCOMPARE(dialog->CameraType(), 0);
    camera.Start(m_udp->LocalCommandPort());
    camera.SetHeartbeats(true);
    QTRY_COMPARE_WITH_TIMEOUT(dialog->CameraType(), CAMERA_STREAM, 10000);
    QVERIFY(dialog->Connected());
    QCOMPARE(dialog->liveState(), LiveState::Live);
    QVERIFY(dialog->Control(IdFreeze)->isEnabled());
    dialog->Teardown();
}

void KavimoDlgTest::controlsFollowTheLayoutAndColours() {
    auto dialog = MakeDialog(LoopbackConfig(m_silentStream.Port(), m_silentPicture.Port(), 1));
    QVERIFY(dialog);
    dialog->OnInitDialog();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    for (QSize size : {QSize(1280, 980), QSize(1920, 1050)}) {
        dialog->resize(size);
        const MainLayout expected = ComputeMainLayout(size.width(), size.height());
        for (const auto& [id, rect] : expected.controls) {
            QWidget* control = dialog->Control(id);
            QVERIFY2(control, qPrintable(QString::number(id)));
            QCOMPARE(control->geometry(), rect);
        }
        QCOMPARE(dialog->Layout().thumbSize, expected.thumbSize);
        QCOMPARE(CListImageCtrl::ThumbWidth(), expected.thumbSize);
    }
    QCOMPARE(dialog->palette().color(QPalette::Window), QColor(57, 169, 251));
    QCOMPARE(static_cast<CFaceButton*>(dialog->Control(IdSample))->FaceColor(), QColor(255, 255, 0));
    for (int id : {IdPrev, IdNext, IdSave, IdSaveAs, IdUndo, IdSplit, IdDelete, IdSaveDisease, IdImport, IdExport,
                   IdPickup, IdPrint, IdUser, IdFreeze, IdExit})
        QCOMPARE(static_cast<CFaceButton*>(dialog->Control(id))->FaceColor(), QColor(172, 168, 153));
    QCOMPARE(dialog->Control(IdDisease)->palette().color(QPalette::Base), QColor(144, 153, 174));
    QCOMPARE(dialog->Control(IdThumbList)->palette().color(QPalette::Base), QColor(100, 100, 100));
    QCOMPARE(dialog->Control(IdThick)->font().family(), QStringLiteral("Arial"));
    QVERIFY(dialog->Control(IdThick)->font().bold());
    QVERIFY(QFontMetrics(dialog->Control(IdThick)->font()).height() <= 32 &&
            QFontMetrics(dialog->Control(IdThick)->font()).height() >= 30);
    // Pen groups: "Medium" and "Red" to begin with, one of each group at a time.
    QVERIFY(static_cast<QPushButton*>(dialog->Control(IdMedium))->isChecked());
    QVERIFY(static_cast<QPushButton*>(dialog->Control(IdRed))->isChecked());
    static_cast<QPushButton*>(dialog->Control(IdThin))->click();
    static_cast<QPushButton*>(dialog->Control(IdBlue))->click();
    QCOMPARE(dialog->Review().PenWidthIdx(), 2);
    QCOMPARE(dialog->Review().ColorIdx(), 2);
    QVERIFY(!static_cast<QPushButton*>(dialog->Control(IdMedium))->isChecked());
    QVERIFY(static_cast<QPushButton*>(dialog->Control(IdThin))->isChecked());
    QVERIFY(static_cast<QPushButton*>(dialog->Control(IdBlue))->isChecked());
}

void KavimoDlgTest::enterAndEscapeNeverEndTheRun() {
    auto dialog = MakeDialog(LoopbackConfig(m_silentStream.Port(), m_silentPicture.Port(), 1));
    QVERIFY(dialog);
    dialog->OnInitDialog();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    // Return after a click on the thumbnails, keypad Enter and Esc: the window stays.
    dialog->Control(IdThumbList)->setFocus();
    QTest::keyClick(dialog->Control(IdThumbList), Qt::Key_Return);
    QTest::keyClick(dialog->Control(IdThumbList), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QTest::keyClick(dialog->Control(IdDisease), Qt::Key_Escape);
    QVERIFY(dialog->isVisible());

    // Enter and Space press the button that has the focus.
    auto* split = static_cast<QPushButton*>(dialog->Control(IdSplit));
    split->setFocus();
    QTest::keyClick(split, Qt::Key_Return);
    QCOMPARE(split->text(), QStringLiteral("Single"));
    QTest::keyClick(split, Qt::Key_Space);
    QCOMPARE(split->text(), QStringLiteral("Split"));
    QVERIFY(dialog->isVisible());

    // "Exit" and closing the window end it.
    static_cast<QPushButton*>(dialog->Control(IdExit))->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    dialog->close();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
}

void KavimoDlgTest::streamCameraConnectsAndTheWatchdogFollowsHeartbeats() {
    FakeStreamCamera camera;
    auto dialog = MakeDialog(LoopbackConfig(camera.Port(), m_silentPicture.Port(), 1));
    QVERIFY(dialog);
    camera.Start(m_udp->LocalCommandPort());
    camera.SetHeartbeats(true);
    dialog->OnInitDialog();
    QCOMPARE(camera.IdentifyCount(), 1);
    QCOMPARE(dialog->CameraType(), CAMERA_STREAM);
    QCOMPARE(dialog->Connected(), true);
    QCOMPARE(dialog->StatusText(), QStringLiteral("WIFI connected！"));
    QCOMPARE(dialog->StatusText2(), QString());
    QCOMPARE(static_cast<QLabel*>(dialog->Control(IdStatusImage))->pixmap().toImage(),
             QPixmap(":/bitmap/162.png").toImage());
    QVERIFY(dialog->WatchdogActive());
    QCOMPARE(dialog->Live().MediaReady(), true);
    QCOMPARE(dialog->Live().StreamEnabled(), true);
    QVERIFY(dialog->Control(IdFreeze)->isEnabled());
    QVERIFY(dialog->Control(IdSample)->isEnabled());

    // Heartbeats keep it connected across watchdog checks.
    QTest::qWait(2300);
    QCOMPARE(dialog->Connected(), true);
    QVERIFY(dialog->HeartbeatCount() >= 3);

    // No heartbeat for a watchdog period: disconnected, the live view's buttons off.
    camera.SetHeartbeats(false);
    QTRY_COMPARE_WITH_TIMEOUT(dialog->Connected(), false, 4500);
    QCOMPARE(dialog->StatusText(), QStringLiteral("WIFI disconnect！"));
    QCOMPARE(dialog->Live().MediaReady(), false);
    QVERIFY(!dialog->Control(IdFreeze)->isEnabled());
    QVERIFY(!dialog->Control(IdSample)->isEnabled());
    QVERIFY(dialog->Control(IdUser)->isEnabled());

    // Heartbeats return: connected again without anybody doing anything.
    camera.SetHeartbeats(true);
    QTRY_COMPARE_WITH_TIMEOUT(dialog->Connected(), true, 4500);
    QCOMPARE(dialog->Live().MediaReady(), true);
    QVERIFY(dialog->Control(IdSample)->isEnabled());
}

void KavimoDlgTest::cameraKeysFollowTheStateRules() {
    FakeStreamCamera camera;
    auto dialog = MakeDialog(LoopbackConfig(camera.Port(), m_silentPicture.Port(), 1));
    QVERIFY(dialog);
    camera.Start(m_udp->LocalCommandPort());
    camera.SetHeartbeats(true);  // the watchdog keeps the live view up all through
    dialog->OnInitDialog();
    QCOMPARE(dialog->CameraType(), CAMERA_STREAM);
    dialog->SetSnapshotWriter([](const std::string&) { return false; });
    auto freeze = [&] {
        static_cast<QPushButton*>(dialog->Control(IdFreeze))->click();
        QCOMPARE(dialog->liveState(), LiveState::Frozen);
        QVERIFY(!dialog->Live().HasReceiver());
    };
    QCOMPARE(dialog->liveState(), LiveState::Live);

    // Key 0x51 in the frozen state drops the frozen frame: Freeze runs from idle, which starts
    // the live view again.
    freeze();
    camera.SendKey(0x51);
    QTRY_COMPARE_WITH_TIMEOUT(dialog->liveState(), LiveState::Live, 2000);
    QVERIFY(dialog->Live().HasReceiver());
    QCOMPARE(dialog->Live().MediaReady(), true);

    // Key 0x51 while the live view runs does nothing.
    QCoreApplication::postEvent(dialog.get(), new CameraKeyEvent(0x51));
    QCoreApplication::sendPostedEvents(dialog.get());
    QCOMPARE(dialog->liveState(), LiveState::Live);
    QVERIFY(dialog->Live().HasReceiver());

    // While the delete confirmation is open a key is not a command; the camera's 0x55 answers
    // the box with No, 0x51 with Yes. The confirmation is open while "Delete" (idle) asks; the
    // boxes stand for the one it shows.
    static_cast<QPushButton*>(dialog->Control(IdSample))->click();
    QCOMPARE(dialog->liveState(), LiveState::Idle);
    int questions = 0;
    SetMessageBoxHook([&](const MessageBoxRequest& r) {
        if (r.caption != QStringLiteral("Picture delete")) return QMessageBox::Ok;
        ++questions;
        [&] {
            QVERIFY(dialog->IsDeleteConfirmOpen());
            // 0x51 while idle would be "Delete" again.
            QCoreApplication::postEvent(dialog.get(), new CameraKeyEvent(0x51));
            QCoreApplication::sendPostedEvents(dialog.get());
            QCOMPARE(questions, 1);
            QCOMPARE(dialog->liveState(), LiveState::Idle);
            QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Picture delete"), QStringLiteral("Are you sure?"),
                            QMessageBox::Yes | QMessageBox::No);
            box.show();
            camera.SendKey(0x55);
            QTRY_VERIFY_WITH_TIMEOUT(box.clickedButton() == box.button(QMessageBox::No), 2000);
            QCOMPARE(dialog->liveState(), LiveState::Idle);

            QMessageBox second(QMessageBox::NoIcon, QStringLiteral("Picture delete"), QStringLiteral("Are you sure?"),
                               QMessageBox::Yes | QMessageBox::No);
            second.show();
            camera.SendKey(0x51);
            QTRY_VERIFY_WITH_TIMEOUT(second.clickedButton() == second.button(QMessageBox::Yes), 2000);
            QCOMPARE(dialog->liveState(), LiveState::Idle);
            QCOMPARE(questions, 1);
        }();
        return QMessageBox::No;
    });
    static_cast<QPushButton*>(dialog->Control(IdDelete))->click();
    SetMessageBoxHook([](const MessageBoxRequest&) { return QMessageBox::Ok; });
    QCOMPARE(questions, 1);
    QVERIFY(!dialog->IsDeleteConfirmOpen());

    // Once the box is closed the keys are commands again: the frozen frame is dropped and the
    // live view runs.
    static_cast<QPushButton*>(dialog->Control(IdSample))->click();  // live again
    freeze();
    QCoreApplication::postEvent(dialog.get(), new CameraKeyEvent(0x51));
    QCoreApplication::sendPostedEvents(dialog.get());
    QCOMPARE(dialog->liveState(), LiveState::Live);
    QVERIFY(dialog->Live().HasReceiver());
    QCOMPARE(dialog->Live().MediaReady(), true);
}

void KavimoDlgTest::pictureCameraPicturesAreTakenIn() {
    FakePictureCamera camera;
    auto dialog = MakeDialog(LoopbackConfig(m_silentStream.Port(), camera.CommandPort(), camera.PicturePort()));
    QVERIFY(dialog);
    camera.Start(m_udp->LocalPictureReplyPort());
    dialog->OnInitDialog();
    QCOMPARE(dialog->CameraType(), CAMERA_PICTURE);
    QVERIFY(dialog->WatchdogActive());
    QCOMPARE(static_cast<QPushButton*>(dialog->Control(IdSample))->text(), QStringLiteral("Stop"));
    QCOMPARE(static_cast<QPushButton*>(dialog->Control(IdFreeze))->text(), QStringLiteral("Snap"));
    QVERIFY(dialog->Control(IdSample)->isEnabled());
    QVERIFY(dialog->Control(IdFreeze)->isEnabled());
    QCOMPARE(dialog->JpegDisplay(), false);
    dialog->resize(1280, 980);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QTRY_COMPARE(dialog->JpegDisplay(), true);  // previews show once the window is on screen

    // Previews: counted, shown in pane 1098, and they make the camera count as connected.
    camera.SetPreviews(Jpeg(QColor(0, 200, 0)), true);
    QTRY_VERIFY_WITH_TIMEOUT(dialog->JpegCount() > 3, 3000);
    QTRY_COMPARE_WITH_TIMEOUT(dialog->Connected(), true, 3000);
    const QImage& canvas = dialog->Pane(IdPane1)->Canvas();
    QVERIFY(!canvas.isNull());
    QCOMPARE(canvas.size(), dialog->Layout().pictureArea.size());
    QVERIFY(Close(QColor(canvas.pixel(canvas.width() / 2, canvas.height() / 2)), QColor(0, 200, 0)));

    // A captured picture is saved in the patient's directory, listed and shown as a thumbnail.
    camera.SendCaptured(Jpeg(QColor(200, 0, 0), 320, 240));
    QTRY_COMPARE_WITH_TIMEOUT(dialog->ThumbList()->count(), 1, 3000);
    _USER_INFO patient = {};
    QCOMPARE(m_store->GetCurrentUser(&patient), 0);
    QCOMPARE(patient.picCount, 1);
    const QStringList files = QDir(PatientDir(*m_drive, patient.uid)).entryList({"*.jpg"});
    QCOMPARE(files.size(), 1);
    QCOMPARE(dialog->ThumbList()->fileNames, files);

    // The camera stops sending: disconnected and the channel disabled; it comes back: connected
    // again, with the channel running (pictures keep coming over a new connection).
    camera.SetPreviews(Jpeg(QColor(0, 200, 0)), false);
    QTRY_COMPARE_WITH_TIMEOUT(dialog->Connected(), false, 4000);
    QCOMPARE(dialog->StatusText(), QStringLiteral("WIFI disconnect！"));
    QCOMPARE(m_udp->m_bPictureEnable.load(), 0);
    camera.SetPreviews(Jpeg(QColor(0, 0, 200)), true);
    QTRY_COMPARE_WITH_TIMEOUT(dialog->Connected(), true, 6000);
    QCOMPARE(m_udp->m_bPictureEnable.load(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(camera.Connections() >= 2, 4000);
    const int count = dialog->JpegCount();
    QTRY_VERIFY_WITH_TIMEOUT(dialog->JpegCount() > count + 3, 4000);
    QCOMPARE(dialog->Connected(), true);
}

void KavimoDlgTest::patientPanelAndDiagnosisSave() {
    auto dialog = MakeDialog(LoopbackConfig(m_silentStream.Port(), m_silentPicture.Port(), 1));
    QVERIFY(dialog);
    dialog->OnInitDialog();
    auto text = [&](int id) { return static_cast<QLabel*>(dialog->Control(id))->text(); };
    QCOMPARE(text(IdNum), QStringLiteral("ID：UID20170801102233"));
    QCOMPARE(text(IdName), QStringLiteral("Name：Test User"));
    QCOMPARE(text(IdSex), QStringLiteral("Sex：male"));
    QCOMPARE(text(IdAge), QStringLiteral("Age：33"));
    QCOMPARE(text(IdPhone), QStringLiteral("Phone：12345678901"));
    QCOMPARE(text(IdDiseaseCaption), QStringLiteral("Disease："));

    auto* disease = static_cast<QTextEdit*>(dialog->Control(IdDisease));
    disease->setPlainText(QStringLiteral("Caries on 36, filling planned.\n复查"));
    static_cast<QPushButton*>(dialog->Control(IdSaveDisease))->click();
    char16_t stored[350] = {};
    QCOMPARE(m_store->GetDescription(stored), 1);
    QCOMPARE(QString::fromStdU16String(records::FieldText(stored)),
             QStringLiteral("Caries on 36, filling planned.\n复查"));

    // At most 349 characters fit the record.
    disease->setPlainText(QString(500, QLatin1Char('x')));
    static_cast<QPushButton*>(dialog->Control(IdSaveDisease))->click();
    m_store->GetDescription(stored);
    QCOMPARE(int(records::FieldText(stored).size()), 349);
    QCOMPARE(m_drive->messages, QStringList({"Oral image acquisition system|Create WorkDir successfull!"}));

    // Typing and pasting stop where the record ends; the count under the box follows.
    const auto* count = static_cast<QLabel*>(dialog->Control(IdDiseaseCount));
    disease->setPlainText(QString(345, QLatin1Char('a')));
    static_cast<QPushButton*>(dialog->Control(IdSaveDisease))->click();
    QCOMPARE(count->text(), QStringLiteral("345 / 349"));
    disease->moveCursor(QTextCursor::End);
    QTest::keyClicks(disease, QStringLiteral("bcdefg"));
    QCOMPARE(disease->toPlainText(), QString(345, QLatin1Char('a')) + QStringLiteral("bcde"));
    QCOMPARE(count->text(), QStringLiteral("349 / 349"));
    QVERIFY(dialog->HasUnsavedDiagnosis());
    static_cast<QPushButton*>(dialog->Control(IdSaveDisease))->click();
    QVERIFY(!dialog->HasUnsavedDiagnosis());
    QTest::keyClick(disease, Qt::Key_Return);  // a line break is a character too
    QVERIFY(!dialog->HasUnsavedDiagnosis());
    // A paste over the last four characters takes as much as fits.
    for (int i = 0; i < 4; ++i) QTest::keyClick(disease, Qt::Key_Left, Qt::ShiftModifier);
    QGuiApplication::clipboard()->setText(QStringLiteral("1\r\n2345"));
    QTest::keyClick(disease, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(disease->toPlainText(), QString(345, QLatin1Char('a')) + QStringLiteral("1\n23"));
    QVERIFY(dialog->HasUnsavedDiagnosis());
    QTest::keyClick(disease, Qt::Key_Backspace);
    QCOMPARE(count->text(), QStringLiteral("348 / 349"));
    static_cast<QPushButton*>(dialog->Control(IdSaveDisease))->click();
    m_store->GetDescription(stored);
    QCOMPARE(QString::fromStdU16String(records::FieldText(stored)), disease->toPlainText());
}

void KavimoDlgTest::userButtonChangesThePatient() {
    m_store->PrepareWorkDir();
    m_store->Load();
    QCOMPARE(m_store->AddUser(MakePatient(20240101100000ull, u"Anna", 30, 0, 111)), 1);
    const QString annaDir = PatientDir(*m_drive, 20240101100000ull);
    QVERIFY(WriteJpeg(annaDir + "/20240101100500.jpg", 640, 480, Qt::darkYellow));
    QVERIFY(WriteJpeg(annaDir + "/20240101100501.jpg", 640, 480, Qt::darkCyan));

    auto dialog = MakeDialog(LoopbackConfig(m_silentStream.Port(), m_silentPicture.Port(), 1));
    QVERIFY(dialog);
    dialog->OnInitDialog();
    QCOMPARE(dialog->ThumbList()->count(), 0);
    QVERIFY(dialog->ThumbList()->fileNames.isEmpty());

    // A picture of the patient, picked.
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    const QString defaultDir = PatientDir(*m_drive, records::kDefaultPatientUid);
    QVERIFY(WriteJpeg(defaultDir + "/20240101090000.jpg", 640, 480, Qt::darkGreen));
    dialog->SetUserListRunner([](CUserList& users) { users.accept(); });
    static_cast<QPushButton*>(dialog->Control(IdUser))->click();  // the same patient, listed anew
    QCOMPARE(dialog->ThumbList()->count(), 1);
    static_cast<QPushButton*>(dialog->Control(IdPickup))->click();
    ClickListItem(dialog->ThumbList(), dialog->ThumbList()->item(0));
    QCOMPARE(dialog->Picked().PickMode(), true);
    QCOMPARE(dialog->Picked().Count(), 1);
    QCOMPARE(dialog->Picked().At(0), 0);
    QCOMPARE(static_cast<QPushButton*>(dialog->Control(IdPickup))->text(), QStringLiteral("Drop"));

    dialog->SetUserListRunner([](CUserList& users) {
        users.UserList()->clearSelection();
        users.UserList()->selectRow(1);
        users.accept();
    });
    static_cast<QPushButton*>(dialog->Control(IdUser))->click();
    QCOMPARE(static_cast<QLabel*>(dialog->Control(IdName))->text(), QStringLiteral("Name：Anna"));
    QCOMPARE(static_cast<QLabel*>(dialog->Control(IdSex))->text(), QStringLiteral("Sex：female"));
    QCOMPARE(dialog->ThumbList()->count(), 2);
    QCOMPARE(dialog->ThumbList()->item(0)->text(), QStringLiteral("20240101100501.jpg"));
    QCOMPARE(dialog->Picked().PickMode(), false);
    QCOMPARE(dialog->Picked().Count(), 0);
    QCOMPARE(dialog->Picked().At(0), 999);
    QCOMPARE(static_cast<QPushButton*>(dialog->Control(IdPickup))->text(), QStringLiteral("Pickup"));

    // Leaving the dialog with no patient: an empty panel and an empty list, nothing stale that
    // a re-layout could bring back.
    dialog->SetUserListRunner([](CUserList& users) {
        users.UserList()->selectAll();
        SetMessageBoxHook([](const MessageBoxRequest&) { return QMessageBox::Ok; });
        users.findChild<QPushButton*>("IdDelete")->click();
        users.reject();
    });
    static_cast<QPushButton*>(dialog->Control(IdUser))->click();
    QCOMPARE(static_cast<QLabel*>(dialog->Control(IdNum))->text(), QStringLiteral("ID："));
    QCOMPARE(static_cast<QLabel*>(dialog->Control(IdName))->text(), QStringLiteral("Name："));
    QCOMPARE(dialog->ThumbList()->count(), 0);
    dialog->resize(1300, 1000);
    QCOMPARE(dialog->ThumbList()->count(), 0);
}

void KavimoDlgTest::theNewPatientIsShownLargeAndOpensTheNextRun() {
    QTemporaryDir config;
    const QString ini = config.filePath(QStringLiteral("kavimo.ini"));
    int second = 0;
    auto createThree = [&second](CUserList& users) {
        for (const char* name : {"Anna", "Bert", "Carla"}) {
            users.SetClock([s = second++] { return QDateTime(QDate(2026, 12, 8), QTime(9, 0, s)); });
            users.findChild<QLineEdit*>("IdName")->setText(QString::fromLatin1(name));
            users.findChild<QLineEdit*>("IdAge")->setText(QStringLiteral("40"));
            users.findChild<QLineEdit*>("IdPhone")->setText(QStringLiteral("555"));
            users.findChild<QComboBox*>("IdSex")->setCurrentIndex(0);
            users.findChild<QPushButton*>("IdCreate")->click();
        }
        users.findChild<QPushButton*>("IdOK")->click();
    };
    auto dialog = MakeDialog(LoopbackConfig(m_silentStream.Port(), m_silentPicture.Port(), 1));
    QVERIFY(dialog);
    dialog->SetSettingsSource(ini, {});
    dialog->SetUserListRunner(createThree);
    dialog->OnInitDialog();
    QCOMPARE(m_store->UserCount(), 4);  // "Test User" is made on the first start, as before
    QCOMPARE(static_cast<QLabel*>(dialog->Control(IdName))->text(), QStringLiteral("Name：Carla"));
    const auto* banner = static_cast<CPatientBanner*>(dialog->Control(IdPatientBanner));
    QCOMPARE(banner->Name(), QStringLiteral("Carla"));
    QCOMPARE(banner->UidText(), QStringLiteral("UID20261208090002"));
    // Readable from the chair at the usual screen sizes, and inside the panel.
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    for (QSize size : {QSize(1920, 1050), QSize(1280, 980)}) {
        dialog->resize(size);
        QVERIFY(dialog->Layout().panel.contains(banner->geometry()));
        QVERIFY2(banner->UidFont().pixelSize() >= 32, qPrintable(QString::number(banner->UidFont().pixelSize())));
        QVERIFY(QFontMetrics(banner->UidFont()).horizontalAdvance(banner->UidText()) <= banner->width());
        QVERIFY(banner->NameFont().pixelSize() >= banner->UidFont().pixelSize());
    }
    // "User", Bert chosen.
    dialog->SetUserListRunner([](CUserList& users) {
        QCOMPARE(users.UserList()->selectionModel()->selectedRows().value(0).row(), 3);
        users.UserList()->clearSelection();
        users.UserList()->selectRow(2);
        users.accept();
    });
    static_cast<QPushButton*>(dialog->Control(IdUser))->click();
    QCOMPARE(banner->Name(), QStringLiteral("Bert"));
    dialog.reset();

    // The next start opens the patient dialog on Bert; with nothing remembered, on "Test User".
    for (const bool remembered : {true, false}) {
        m_store = std::make_unique<RecordStore>(m_notifier.get());
        dialog = MakeDialog(LoopbackConfig(m_silentStream.Port(), m_silentPicture.Port(), 1));
        QVERIFY(dialog);
        if (remembered) dialog->SetSettingsSource(ini, {});
        int opened = -1;
        dialog->SetUserListRunner([&opened](CUserList& users) {
            opened = users.UserList()->selectionModel()->selectedRows().value(0).row();
            users.accept();
        });
        dialog->OnInitDialog();
        QCOMPARE(opened, remembered ? 2 : 0);
        QCOMPARE(static_cast<const CPatientBanner*>(dialog->Control(IdPatientBanner))->Name(),
                 remembered ? QStringLiteral("Bert") : QStringLiteral("Test User"));
        dialog.reset();
    }
}

void KavimoDlgTest::unsavedDiagnosisIsAskedAboutBeforeItIsLost() {
    m_store->PrepareWorkDir();
    m_store->Load();
    QCOMPARE(m_store->AddUser(MakePatient(20240101100000ull, u"Anna", 30, 0, 111)), 1);
    auto dialog = MakeDialog(LoopbackConfig(m_silentStream.Port(), m_silentPicture.Port(), 1));
    QVERIFY(dialog);
    dialog->OnInitDialog();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    int userDialogs = 0;
    dialog->SetUserListRunner([&](CUserList& users) {
        ++userDialogs;
        users.UserList()->clearSelection();
        users.UserList()->selectRow(1);
        users.accept();
    });
    auto* disease = static_cast<QTextEdit*>(dialog->Control(IdDisease));
    auto stored = [&] {
        char16_t text[350] = {};
        m_store->GetDescription(text);
        return QString::fromStdU16String(records::FieldText(text));
    };
    const QString question = QStringLiteral("Oral image acquisition system|The diagnosis has not been saved. Save it?");
    m_drive->messages.clear();

    // Nothing typed: every way out is as before, without a question.
    QVERIFY(!dialog->HasUnsavedDiagnosis());
    dialog->close();
    QVERIFY(!dialog->isVisible());
    QVERIFY(m_drive->messages.isEmpty());

    // Typed, not saved: "Exit", closing the window and "User" all ask; Cancel stays, on the same
    // patient.
    dialog->show();
    disease->setPlainText(QStringLiteral("Caries on 36"));
    m_drive->reply = QMessageBox::Cancel;
    static_cast<QPushButton*>(dialog->Control(IdExit))->click();
    dialog->close();
    static_cast<QPushButton*>(dialog->Control(IdUser))->click();
    QCOMPARE(m_drive->messages, QStringList(3, question));
    QVERIFY(dialog->isVisible());
    QCOMPARE(userDialogs, 0);
    QCOMPARE(static_cast<QLabel*>(dialog->Control(IdName))->text(), QStringLiteral("Name：Test User"));
    QCOMPARE(disease->toPlainText(), QStringLiteral("Caries on 36"));
    QCOMPARE(stored(), QString());

    // Save stores it and goes on; the next patient's text is then not asked about.
    m_drive->reply = QMessageBox::Save;
    static_cast<QPushButton*>(dialog->Control(IdUser))->click();
    QCOMPARE(userDialogs, 1);
    QCOMPARE(static_cast<QLabel*>(dialog->Control(IdName))->text(), QStringLiteral("Name：Anna"));
    QCOMPARE(m_store->SelectUser(0), 0);
    QCOMPARE(stored(), QStringLiteral("Caries on 36"));
    QCOMPARE(m_store->SelectUser(1), 1);
    QVERIFY(!dialog->HasUnsavedDiagnosis());

    // A save that fails is reported by the store; the text stays unsaved and the window open.
    disease->setPlainText(QStringLiteral("Root canal"));
    const QString backup = PatientDir(*m_drive, 20240101100000ull) + QStringLiteral("/UserInfoBackup.fdb");
    QVERIFY(QFile::rename(backup, backup + ".away"));
    QVERIFY(QDir().mkdir(backup));  // a directory where the record has to be written
    m_drive->messages.clear();
    static_cast<QPushButton*>(dialog->Control(IdSaveDisease))->click();
    QCOMPARE(m_drive->messages.size(), 1);
    QVERIFY2(m_drive->messages[0].contains(QStringLiteral("UserInfoBackup.fdb\": Is a directory")),
             qPrintable(m_drive->messages[0]));
    QVERIFY(dialog->HasUnsavedDiagnosis());
    QCOMPARE(stored(), QString());                                // what is on the disk
    static_cast<QPushButton*>(dialog->Control(IdExit))->click();  // Save is asked, and fails again
    QVERIFY(dialog->isVisible());
    QCOMPARE(m_drive->messages.size(), 3);

    // Discard closes without writing.
    QVERIFY(QDir().rmdir(backup));
    QVERIFY(QFile::rename(backup + ".away", backup));
    m_drive->reply = QMessageBox::Discard;
    dialog->close();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(stored(), QString());
}

void KavimoDlgTest::footSwitchKeyFreezesButTypingDoesNot() {
    FakeStreamCamera camera;
    auto dialog = MakeDialog(LoopbackConfig(camera.Port(), m_silentPicture.Port(), 1));
    QVERIFY(dialog);
    camera.Start(m_udp->LocalCommandPort());
    camera.SetHeartbeats(true);
    const QString ini = m_drive->root() + QStringLiteral("/kavimo.ini");
    QSettings(ini, QSettings::IniFormat).setValue(QStringLiteral("keys/foot_switch"), QStringLiteral("F8"));
    dialog->SetSettingsSource(ini, {});
    dialog->OnInitDialog();
    dialog->SetSnapshotWriter([](const std::string&) { return false; });
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QCOMPARE(dialog->liveState(), LiveState::Live);

    // Every button says what it does.
    for (QPushButton* b : dialog->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(!b->isVisible() || !b->toolTip().isEmpty(), qPrintable(b->objectName()));

    // A blank typed into the diagnosis is a blank, and Tab leaves the box.
    auto* disease = static_cast<QTextEdit*>(dialog->Control(IdDisease));
    disease->setFocus();
    QTest::keyClicks(disease, QStringLiteral("a b"));
    QCOMPARE(disease->toPlainText(), QStringLiteral("a b"));
    QCOMPARE(dialog->liveState(), LiveState::Live);
    QTest::keyClick(disease, Qt::Key_Tab);
    QVERIFY(!disease->hasFocus());
    QCOMPARE(disease->toPlainText(), QStringLiteral("a b"));

    // The foot switch's key freezes, even while the diagnosis box has the focus.
    disease->setFocus();
    QTest::keyClick(disease, Qt::Key_F8);
    QCOMPARE(dialog->liveState(), LiveState::Frozen);
    dialog->Teardown();
}

void KavimoDlgTest::closingWhileCameraThreadsAreBusyIsSafe() {
    for (int round = 0; round < 3; ++round) {
        FakeStreamCamera camera;
        auto dialog = MakeDialog(LoopbackConfig(camera.Port(), m_silentPicture.Port(), 1));
        QVERIFY(dialog);
        camera.Start(m_udp->LocalCommandPort());
        camera.SetHeartbeats(true);
        dialog->OnInitDialog();
        QCOMPARE(dialog->CameraType(), CAMERA_STREAM);
        // In the second round the window goes while its delete confirmation is open and the link
        // answers the box: the keys start from idle, where 0x51 is "Delete", and the question
        // tears the window down before it is answered.
        bool asked = false;
        if (round == 1) {
            static_cast<QPushButton*>(dialog->Control(IdSample))->click();
            CkavimoDlg* window = dialog.get();
            SetMessageBoxHook([&asked, window](const MessageBoxRequest& r) {
                if (r.caption == QStringLiteral("Picture delete") && !asked) {
                    asked = true;
                    QTest::qWait(100);  // the link's answers arrive meanwhile
                    window->Teardown();
                }
                return QMessageBox::No;
            });
        }
        std::atomic<bool> stop{false};
        std::thread keys([&] {
            for (uint32_t code = 0x51; !stop; code = code == 0x55 ? 0x51 : code + 1) {
                camera.SendKey(code);
                platform::SleepMs(3);
            }
        });
        QTest::qWait(150 + 100 * round);
        if (round == 1) QTRY_VERIFY_WITH_TIMEOUT(asked, 3000);
        dialog.reset();  // keys and heartbeats still arriving
        QTest::qWait(300);
        QCoreApplication::sendPostedEvents();
        stop = true;
        keys.join();
        m_udp.reset();
        SetMessageBoxHook([](const MessageBoxRequest&) { return QMessageBox::Ok; });
    }

    FakePictureCamera pictures;
    auto dialog = MakeDialog(LoopbackConfig(m_silentStream.Port(), pictures.CommandPort(), pictures.PicturePort()));
    QVERIFY(dialog);
    pictures.Start(m_udp->LocalPictureReplyPort());
    dialog->OnInitDialog();
    QCOMPARE(dialog->CameraType(), CAMERA_PICTURE);
    pictures.SetPreviews(Jpeg(Qt::gray), true);
    QTRY_VERIFY_WITH_TIMEOUT(pictures.Connections() >= 1, 3000);
    QTest::qWait(200);
    dialog.reset();
    QTest::qWait(200);
    m_udp.reset();
}

void KavimoDlgTest::practiceSystemPatientSkipsTheDialogAndWaitsForUnsavedWork() {
    m_store->PrepareWorkDir();
    auto dialog = MakeDialog(LoopbackConfig(m_silentStream.Port(), m_silentPicture.Port(), 1));
    QVERIFY(dialog);
    int userDialogs = 0;
    dialog->SetUserListRunner([&](CUserList& users) {
        ++userDialogs;
        users.accept();
    });
    pms::PatientRequest zhang;
    zhang.patientId = "4711";
    zhang.lastName = "Zhang";
    zhang.firstName = "Wei";
    pms::OpenedPatient told;
    dialog->SetStartPatient(zhang, {}, [&](const pms::OpenedPatient& opened) { told = opened; });
    dialog->OnInitDialog();
    QCOMPARE(userDialogs, 0);
    QVERIFY(told.ok && told.created);
    auto* banner = dialog->findChild<CPatientBanner*>();
    QVERIFY(banner);
    QCOMPARE(banner->Name(), QStringLiteral("Zhang, Wei"));
    QCOMPARE(static_cast<QLabel*>(dialog->Control(IdNum))->text(), QStringLiteral("ID：UID%1").arg(told.uid));

    // A second start's patient while a diagnosis is typed: the question comes first, and Cancel
    // keeps the patient and the text.
    auto* disease = static_cast<QTextEdit*>(dialog->Control(IdDisease));
    disease->setPlainText(QStringLiteral("Caries on 36"));
    pms::PatientRequest anna = zhang;
    anna.patientId = "4712";
    anna.lastName = "Müller";
    anna.firstName = "Anna";
    m_drive->messages.clear();
    m_drive->reply = QMessageBox::Cancel;
    uint64_t uid = 0;
    QVERIFY(!dialog->OpenHandedOverPatient(anna, {}, &uid).isEmpty());
    QCOMPARE(m_drive->messages.size(), 1);
    QCOMPARE(banner->Name(), QStringLiteral("Zhang, Wei"));
    QCOMPARE(disease->toPlainText(), QStringLiteral("Caries on 36"));
    QVERIFY(pms::PatientsWithId(m_drive->workDir().toStdString(), "4712").empty());

    m_drive->reply = QMessageBox::Discard;
    QCOMPARE(dialog->OpenHandedOverPatient(anna, {}, &uid), QString());
    QCOMPARE(banner->Name(), QStringLiteral("Müller, Anna"));
    QCOMPARE(disease->toPlainText(), QString());
    _USER_INFO current = {};
    QVERIFY(m_store->GetCurrentUser(&current) >= 0);
    QCOMPARE(current.uid, uid);
    QCOMPARE(pms::PatientsWithId(m_drive->workDir().toStdString(), "4712"), std::vector<uint64_t>{uid});

    // Back to the first one: found again, not made twice.
    QCOMPARE(dialog->OpenHandedOverPatient(zhang, {}, &uid), QString());
    QCOMPARE(uid, told.uid);
    QCOMPARE(userDialogs, 0);
}

QTEST_MAIN(KavimoDlgTest)
#include "kavimodlg_test.moc"
