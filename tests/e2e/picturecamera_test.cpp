// The picture camera end to end: the simulated picture camera on loopback sends JPEG previews and
// captured pictures over TCP; the main window's timer draws the previews into pane 1098 with Qt
// and files a captured picture in the patient's directory and its thumbnail list.
#include <QDir>
#include <QPushButton>

#include "app/pictures/listimagectrl.h"
#include "app/pictures/picturepane.h"
#include "e2esupport.h"

using namespace MainCtl;

class PictureCameraTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { KAVIMO_E2E_REQUIRE_X(); }
    void previewsAreDrawnIntoPane1098AndACapturedPictureIsFiled();
};

void PictureCameraTest::previewsAreDrawnIntoPane1098AndACapturedPictureIsFiled() {
    LiveHarness harness(TestCameraOptions(CDemoCamera::Kind::Picture));
    QString error;
    QVERIFY2(harness.Start(&error), qPrintable(error));
    CkavimoDlg& d = harness.Dialog();
    QCOMPARE(d.CameraType(), CAMERA_PICTURE);
    QVERIFY(d.WatchdogActive());
    QCOMPARE(d.Live().MediaReady(), false);  // no media libraries for this camera
    QTRY_COMPARE(d.JpegDisplay(), true);

    // Previews: counted, the camera counts as connected, drawn stretched into pane 1098, which
    // has no play object and paints them with Qt.
    QTRY_VERIFY_WITH_TIMEOUT(d.JpegCount() > 3, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(d.Connected(), true, 3000);
    CPicturePane* pane = d.Pane(IdPane1);
    QVERIFY(!pane->VideoBound());
    QVERIFY(pane->isVisible());
    const QImage& canvas = pane->Canvas();
    QVERIFY(!canvas.isNull());
    QCOMPARE(canvas.size(), pane->size());
    QVERIFY(LitFraction(canvas) > 0.5);
    // What the canvas holds is on screen.
    QTest::qWait(100);
    const QImage onScreen = ScreenPixels(pane);
    QVERIFY2(ChangedFraction(canvas.convertToFormat(QImage::Format_RGB32), onScreen) < 0.05,
             qPrintable(QString::number(ChangedFraction(canvas.convertToFormat(QImage::Format_RGB32), onScreen))));
    // The previews move: a later one differs.
    const QImage first = canvas.copy();
    QTRY_VERIFY_WITH_TIMEOUT(ChangedFraction(first, pane->Canvas()) > 0.02, 3000);

    // "Sample" stops showing them (they are still taken in), and shows them again.
    auto* sample = static_cast<QPushButton*>(d.Control(IdSample));
    sample->click();
    QCOMPARE(d.JpegDisplay(), false);
    QCOMPARE(sample->text(), QStringLiteral("Sample"));
    QVERIFY(!d.Control(IdFreeze)->isEnabled());
    for (int id : {IdUser, IdImport, IdExport, IdPickup, IdPrint}) QVERIFY(d.Control(id)->isEnabled());
    QTest::qWait(150);
    const QImage held = pane->Canvas().copy();
    const int taken = d.JpegCount();
    QTest::qWait(500);
    QVERIFY(d.JpegCount() > taken);
    QCOMPARE(pane->Canvas(), held);
    sample->click();
    QCOMPARE(d.JpegDisplay(), true);
    QCOMPARE(sample->text(), QStringLiteral("Stop"));
    QVERIFY(d.Control(IdFreeze)->isEnabled());
    for (int id : {IdUser, IdImport, IdExport, IdPickup, IdPrint}) QVERIFY(!d.Control(id)->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(ChangedFraction(held, pane->Canvas()) > 0.02, 3000);

    // The camera's capture: saved in the patient's directory, listed in the records and shown
    // in the thumbnail list.
    QVERIFY(harness.Camera().Send(QStringLiteral("capture")));
    QTRY_COMPARE_WITH_TIMEOUT(d.ThumbList()->count(), 1, 5000);
    _USER_INFO patient = {};
    QCOMPARE(harness.Store().GetCurrentUser(&patient), 0);
    QCOMPARE(patient.picCount, 1);
    const QStringList files = QDir(PatientDir(harness.Drive(), patient.uid)).entryList({"*.jpg"});
    QCOMPARE(files.size(), 1);
    QCOMPARE(d.ThumbList()->fileNames, files);
    QImage saved(QDir(PatientDir(harness.Drive(), patient.uid)).filePath(files.first()));
    QCOMPARE(saved.size(), QSize(320, 240));

    // "Snap" stores the next preview the same way (a second later, so that it gets a name of
    // its own).
    QTest::qWait(1100);
    static_cast<QPushButton*>(d.Control(IdFreeze))->click();
    QTRY_COMPARE_WITH_TIMEOUT(d.ThumbList()->count(), 2, 5000);
    QCOMPARE(QDir(PatientDir(harness.Drive(), patient.uid)).entryList({"*.jpg"}).size(), 2);
    QVERIFY(harness.Drive().messages.filter(QStringLiteral("Fail")).isEmpty());
}

KAVIMO_E2E_MAIN(PictureCameraTest)
#include "picturecamera_test.moc"
