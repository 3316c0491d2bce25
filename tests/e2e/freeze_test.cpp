// Freeze end to end: the simulated stream camera's video is frozen in pane 1098, the player writes
// the frame it shows as the temporary BMP file, the second press stores it as the patient's new
// JPEG picture and the live view comes back.
#include <QDir>
#include <QPushButton>

#include "app/pictures/listimagectrl.h"
#include "e2esupport.h"

using namespace MainCtl;

class FreezeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void freezeStoresTheShownFrameAndGoesLiveAgain();
};

void FreezeTest::freezeStoresTheShownFrameAndGoesLiveAgain() {
    KAVIMO_E2E_REQUIRE_X();
    DrawCounter counter;
    LiveHarness harness(TestCameraOptions(CDemoCamera::Kind::Stream));
    QString error;
    QVERIFY2(harness.Start(&error), qPrintable(error));
    CkavimoDlg& d = harness.Dialog();
    QCOMPARE(d.liveState(), LiveState::Live);
    QVERIFY(counter.Attach(d.Live().Player()));
    QTRY_VERIFY_WITH_TIMEOUT(counter.Frames() >= 10, 5000);
    auto* freeze = static_cast<QPushButton*>(d.Control(IdFreeze));
    const QString bmp = harness.Drive().workDir() + QStringLiteral("/temp.bmp");

    freeze->click();
    QCOMPARE(d.liveState(), LiveState::Frozen);
    QCOMPARE(freeze->text(), QStringLiteral("Save Pic"));
    QVERIFY(!d.Live().HasReceiver());
    const QImage frame(bmp);
    QCOMPARE(frame.size(), QSize(640, 480));
    QVERIFY(LitFraction(frame) > 0.5);
    // The frozen frame stays on screen: nothing new arrives.
    QTest::qWait(300);
    const int frozenAt = counter.Frames();
    QTest::qWait(300);
    QVERIFY(counter.Frames() <= frozenAt + 1);

    freeze->click();
    QCOMPARE(d.liveState(), LiveState::Live);
    QCOMPARE(freeze->text(), QStringLiteral("Freeze"));
    QVERIFY(d.Live().HasReceiver());
    _USER_INFO patient = {};
    QVERIFY(harness.Store().GetCurrentUser(&patient) >= 0);
    QCOMPARE(patient.picCount, 1);
    const QString dir = PatientDir(harness.Drive(), patient.uid);
    const QStringList files = QDir(dir).entryList({QStringLiteral("*.jpg")}, QDir::Files);
    QCOMPARE(files.size(), 1);
    const QImage stored(dir + QLatin1Char('/') + files[0]);
    QCOMPARE(stored.size(), frame.size());
    QVERIFY2(ChangedFraction(stored.convertToFormat(QImage::Format_RGB32),
                             frame.convertToFormat(QImage::Format_RGB32)) < 0.05,
             "the stored picture is the frozen frame");
    QCOMPARE(d.ThumbList()->count(), 1);
    QVERIFY(harness.Drive().messages.filter(QStringLiteral("Fail")).isEmpty());
    // Live again.
    const int before = counter.Frames();
    QTRY_VERIFY_WITH_TIMEOUT(counter.Frames() >= before + 10, 5000);
}

KAVIMO_E2E_MAIN(FreezeTest)
#include "freeze_test.moc"
