// kavimo's live view end to end: the simulated stream camera on loopback sends H.264 video,
// heartbeats and keys; the main window finds it, decodes the video on the receiver's thread and
// the player draws it into pane 1098, which the X server then shows.
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>

#include "app/pictures/picturepane.h"
#include "decoder/TEGMO_Decoder.h"
#include "e2esupport.h"

using namespace MainCtl;

namespace {

// The state of the buttons and flags that "Sample" switches.
struct LiveButtons {
    QString sampleText;
    bool freeze = false;
    bool review[5] = {};  // User, Import, Export, Pickup, Print
    int liveState = -1;
    bool receiver = false;

    bool operator==(const LiveButtons& o) const {
        return sampleText == o.sampleText && freeze == o.freeze && std::equal(review, review + 5, o.review) &&
               liveState == o.liveState && receiver == o.receiver;
    }
};

LiveButtons ReadButtons(CkavimoDlg& d) {
    LiveButtons b;
    b.sampleText = static_cast<QPushButton*>(d.Control(IdSample))->text();
    b.freeze = d.Control(IdFreeze)->isEnabled();
    const int ids[5] = {IdUser, IdImport, IdExport, IdPickup, IdPrint};
    for (int i = 0; i < 5; ++i) b.review[i] = d.Control(ids[i])->isEnabled();
    b.liveState = int(d.liveState());
    b.receiver = d.Live().HasReceiver();
    return b;
}

QPushButton* SampleButton(CkavimoDlg& d) { return static_cast<QPushButton*>(d.Control(IdSample)); }

// The pane on screen shows a picture: not black, and not the window's background either (which
// is what shows through where the pane is not).
bool PictureShown(const QImage& image) {
    return LitFraction(image) > 0.5 && ColourFraction(image, QColor(57, 169, 251)) < 0.1;
}

// On a loaded machine the next present after a move or resize can take a moment: wait for it,
// then check the figures of what the screen shows (they name the failure).
void VerifyPictureShown(QWidget* pane) {
    QTRY_VERIFY_WITH_TIMEOUT(PictureShown(ScreenPixels(pane)), 3000);
    const QImage image = ScreenPixels(pane);
    QVERIFY2(LitFraction(image) > 0.5, qPrintable(QString::number(LitFraction(image))));
    const double background = ColourFraction(image, QColor(57, 169, 251));
    QVERIFY2(background < 0.1, qPrintable(QString::number(background)));
}

// New pictures reach the pane and the pane on screen shows moving, non-black video.
void VerifyVideoFlows(CkavimoDlg& d, DrawCounter& counter) {
    const int before = counter.Frames();
    QTRY_VERIFY_WITH_TIMEOUT(counter.Frames() >= before + 15, 5000);
    QCOMPARE(TEGMO_PLAY_IsHaveVideo(d.Live().Player()), 1);
    CPicturePane* pane = d.Pane(IdPane1);
    QVERIFY(pane->isVisible());
    VerifyPictureShown(pane);
    if (QTest::currentTestFailed()) return;
    const QImage first = ScreenPixels(pane);
    QCOMPARE(first.size(), pane->size());
    QTest::qWait(400);
    const QImage later = ScreenPixels(pane);
    QVERIFY2(ChangedFraction(first, later) > 0.02, qPrintable(QString::number(ChangedFraction(first, later))));
}

// A failed check inside the helpers ends the test function too.
#define VERIFY_VIDEO_FLOWS(d, counter)          \
    do {                                        \
        VerifyVideoFlows(d, counter);           \
        if (QTest::currentTestFailed()) return; \
    } while (0)

}  // namespace

class LiveViewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void probeFindsTheStreamCameraAndVideoReachesPane1098();
    void sampleTwiceReturnsTheButtonsToTheirStates();
    void mediaSetUpTwiceCreatesOneDecoderAndOnePlayer();
    void lostHeartbeatTearsDownAndReturningHeartbeatGoesLiveAgain();
    void teardownIsSafeInEveryOrderWhileFramesFlow();

private:
    std::unique_ptr<LiveHarness> m_harness;
    std::unique_ptr<DrawCounter> m_counter;
};

void LiveViewTest::init() {
    KAVIMO_E2E_REQUIRE_X();
    m_counter = std::make_unique<DrawCounter>();
    m_harness = std::make_unique<LiveHarness>(TestCameraOptions(CDemoCamera::Kind::Stream));
    QString error;
    QVERIFY2(m_harness->Start(&error), qPrintable(error));
}

void LiveViewTest::cleanup() {
    m_harness.reset();  // the window's teardown deletes the play object before the counter goes
    m_counter.reset();
}

void LiveViewTest::probeFindsTheStreamCameraAndVideoReachesPane1098() {
    CkavimoDlg& d = m_harness->Dialog();
    QCOMPARE(d.CameraType(), CAMERA_STREAM);
    QCOMPARE(d.Connected(), true);
    QCOMPARE(d.StatusText(), QStringLiteral("WIFI connected！"));
    QVERIFY(d.WatchdogActive());
    // Set up at start-up: one decoder, one play object bound to pane 1098, the receiver running.
    QCOMPARE(d.Live().MediaReady(), true);
    QCOMPARE(d.Live().StreamEnabled(), true);
    QCOMPARE(d.liveState(), LiveState::Live);
    QVERIFY(d.Live().Decoder() != 0);
    QVERIFY(d.Live().Player() != 0);
    QVERIFY(d.Live().HasReceiver());
    QCOMPARE(TEGMO_DEC_GetVideoDecoderCount(), 1);
    QCOMPARE(TEGMO_PLAY_GetVideoPlayCount(), 1);
    CPicturePane* pane = d.Pane(IdPane1);
    QVERIFY(pane->VideoBound());
    QVERIFY(pane->testAttribute(Qt::WA_NativeWindow));
    QVERIFY(pane->testAttribute(Qt::WA_PaintOnScreen));
    QVERIFY(pane->testAttribute(Qt::WA_NoSystemBackground));
    QCOMPARE(SampleButton(d)->text(), QStringLiteral("Stop"));
    QVERIFY(d.Control(IdFreeze)->isEnabled());
    QVERIFY(!d.Control(IdUser)->isEnabled());

    QVERIFY(m_counter->Attach(d.Live().Player()));
    VERIFY_VIDEO_FLOWS(d, *m_counter);
    // Split view while live: the video goes on in the left-top quarter, the other quadrants
    // show the review panes below (here: empty slots).
    auto* split = static_cast<QPushButton*>(d.Control(IdSplit));
    split->click();
    QTRY_COMPARE(pane->size(), QSize(d.Layout().pictureArea.width() / 2, d.Layout().pictureArea.height() / 2));
    QTest::qWait(300);
    VerifyPictureShown(pane);
    const QImage area = ScreenPixels(d.Pane(IdPane2));
    const QImage rightTop = area.copy(area.width() / 2 + 4, 4, area.width() / 2 - 8, area.height() / 2 - 8);
    QVERIFY2(ColourFraction(rightTop, QColor(50, 50, 50)) > 0.9,
             qPrintable(QString::number(ColourFraction(rightTop, QColor(50, 50, 50)))));
    split->click();
    QTRY_COMPARE(pane->size(), d.Layout().pictureArea.size());

    // The player keeps up: nothing piles up in its queue.
    QVERIFY(TEGMO_PLAY_GetVideoFrameCount(d.Live().Player()) < 10);

    // The player follows the pane's size (the picture keeps its aspect inside it).
    d.resize(1600, 1000);
    QTRY_COMPARE(pane->size(), d.Layout().pictureArea.size());
    QTest::qWait(300);
    VerifyPictureShown(pane);
}

void LiveViewTest::sampleTwiceReturnsTheButtonsToTheirStates() {
    CkavimoDlg& d = m_harness->Dialog();
    QVERIFY(m_counter->Attach(d.Live().Player()));
    QTRY_VERIFY(m_counter->Frames() > 5);
    const TEGMO_PLAY_HANDLE player = d.Live().Player();
    const TEGMO_DEC_HANDLE decoder = d.Live().Decoder();
    const LiveButtons live = ReadButtons(d);
    QCOMPARE(live.sampleText, QStringLiteral("Stop"));

    // Stop: the receiver goes, the review buttons come back, pane 1098 gives way to the panes
    // below it; the decoder and the player stay.
    SampleButton(d)->click();
    const LiveButtons stopped = ReadButtons(d);
    QCOMPARE(stopped.sampleText, QStringLiteral("Sample"));
    QCOMPARE(stopped.liveState, 0);
    QVERIFY(!stopped.receiver);
    QVERIFY(!stopped.freeze);
    for (bool enabled : stopped.review) QVERIFY(enabled);
    QVERIFY(!d.Pane(IdPane1)->isVisible());
    // The picture area on screen is the review panes' again: this patient has no pictures, so
    // the grey of an empty slot (and not the last video frame, nor black).
    QTRY_VERIFY(ColourFraction(ScreenPixels(d.Pane(IdPane1)), QColor(50, 50, 50)) > 0.9);
    QCOMPARE(d.Live().Player(), player);
    QCOMPARE(d.Live().Decoder(), decoder);
    QTest::qWait(300);  // what was queued is shown
    const int frames = m_counter->Frames();
    QTest::qWait(400);
    QCOMPARE(m_counter->Frames(), frames);  // no frame arrives without a receiver

    // Start again: exactly the live state of before, and video flows again.
    SampleButton(d)->click();
    QVERIFY(ReadButtons(d) == live);
    QCOMPARE(d.Live().Player(), player);
    QCOMPARE(d.Live().Decoder(), decoder);
    QCOMPARE(TEGMO_DEC_GetVideoDecoderCount(), 1);
    QCOMPARE(TEGMO_PLAY_GetVideoPlayCount(), 1);
    VERIFY_VIDEO_FLOWS(d, *m_counter);

    // Twice from the stopped state returns to the stopped state too.
    SampleButton(d)->click();
    SampleButton(d)->click();
    SampleButton(d)->click();
    QVERIFY(ReadButtons(d) == stopped);
}

void LiveViewTest::mediaSetUpTwiceCreatesOneDecoderAndOnePlayer() {
    CkavimoDlg& d = m_harness->Dialog();
    const TEGMO_PLAY_HANDLE player = d.Live().Player();
    QCOMPARE(d.SetupMedia(), 0);
    QCOMPARE(d.Live().Player(), player);
    QCOMPARE(TEGMO_DEC_GetVideoDecoderCount(), 1);
    QCOMPARE(TEGMO_PLAY_GetVideoPlayCount(), 1);

    // Down and up again by hand: both libraries are balanced, one of each again.
    QCOMPARE(d.TeardownMedia(), 1);
    QCOMPARE(d.TeardownMedia(), 0);
    QCOMPARE(d.Live().Player(), TEGMO_PLAY_HANDLE(0));
    QCOMPARE(d.Live().Decoder(), TEGMO_DEC_HANDLE(0));
    QCOMPARE(TEGMO_DEC_GetVideoDecoderCount(), 0);
    QCOMPARE(TEGMO_PLAY_GetVideoPlayCount(), 0);
    QVERIFY(!d.Pane(IdPane1)->VideoBound());
    // "Sample" does nothing while the media libraries are down.
    QMetaObject::invokeMethod(&d, "OnSample");
    QCOMPARE(d.liveState(), LiveState::Idle);
    QVERIFY(!d.Live().HasReceiver());

    QCOMPARE(d.SetupMedia(), 1);
    QCOMPARE(d.SetupMedia(), 0);
    QCOMPARE(TEGMO_DEC_GetVideoDecoderCount(), 1);
    QCOMPARE(TEGMO_PLAY_GetVideoPlayCount(), 1);
    QCOMPARE(d.liveState(), LiveState::Live);
    QVERIFY(m_counter->Attach(d.Live().Player()));
    VERIFY_VIDEO_FLOWS(d, *m_counter);
}

void LiveViewTest::lostHeartbeatTearsDownAndReturningHeartbeatGoesLiveAgain() {
    CkavimoDlg& d = m_harness->Dialog();
    QVERIFY(m_counter->Attach(d.Live().Player()));
    QTRY_VERIFY(m_counter->Frames() > 5);

    // The camera stops its heartbeats (its video goes on): the watchdog notices within one
    // check period after the last heartbeat it saw, about 2 s (at most two periods, 3.9 s).
    QVERIFY(m_harness->Camera().Send(QStringLiteral("heartbeat off")));
    QElapsedTimer clock;
    clock.start();
    QTRY_COMPARE_WITH_TIMEOUT(d.Live().MediaReady(), false, 4500);
    qInfo("torn down %lld ms after the heartbeats stopped", clock.elapsed());
    QVERIFY(clock.elapsed() <= 4000);
    QCOMPARE(d.Connected(), false);
    QCOMPARE(d.StatusText(), QStringLiteral("WIFI disconnect！"));
    QCOMPARE(d.StatusText2(), QStringLiteral("re-connecting..."));
    QVERIFY(!d.Live().HasReceiver());
    QCOMPARE(d.Live().Player(), TEGMO_PLAY_HANDLE(0));
    QCOMPARE(d.Live().Decoder(), TEGMO_DEC_HANDLE(0));
    QCOMPARE(d.liveState(), LiveState::Idle);
    QCOMPARE(d.Live().StreamEnabled(), false);
    QCOMPARE(TEGMO_DEC_GetVideoDecoderCount(), 0);
    QCOMPARE(TEGMO_PLAY_GetVideoPlayCount(), 0);
    QVERIFY(!d.Control(IdSample)->isEnabled());
    QVERIFY(!d.Control(IdFreeze)->isEnabled());
    for (int id : {IdUser, IdImport, IdExport, IdPickup, IdPrint}) QVERIFY(d.Control(id)->isEnabled());
    QVERIFY(!d.Pane(IdPane1)->VideoBound());
    QVERIFY(!d.Pane(IdPane1)->isVisible());
    QTRY_VERIFY(ColourFraction(ScreenPixels(d.Pane(IdPane1)), QColor(50, 50, 50)) > 0.9);
    const QImage statusPicture = static_cast<QLabel*>(d.Control(IdStatusImage))->pixmap().toImage();
    QCOMPARE(statusPicture, QPixmap(":/bitmap/161.png").toImage());

    // Heartbeats come back: live again without anybody doing anything.
    QVERIFY(m_harness->Camera().Send(QStringLiteral("heartbeat on")));
    QTRY_VERIFY_WITH_TIMEOUT(d.Live().MediaReady() == true && d.liveState() == LiveState::Live, 4500);
    QCOMPARE(d.Connected(), true);
    QCOMPARE(d.StatusText(), QStringLiteral("WIFI connected！"));
    QVERIFY(d.Live().HasReceiver());
    QCOMPARE(SampleButton(d)->text(), QStringLiteral("Stop"));
    QCOMPARE(TEGMO_DEC_GetVideoDecoderCount(), 1);
    QCOMPARE(TEGMO_PLAY_GetVideoPlayCount(), 1);
    QVERIFY(m_counter->Attach(d.Live().Player()));
    VERIFY_VIDEO_FLOWS(d, *m_counter);
}

void LiveViewTest::teardownIsSafeInEveryOrderWhileFramesFlow() {
    CkavimoDlg& d = m_harness->Dialog();
    QTRY_VERIFY(TEGMO_PLAY_IsHaveVideo(d.Live().Player()) == 1);
    // Frames arrive all the while: receivers come and go under them, the libraries too.
    for (int round = 0; round < 8; ++round) {
        SampleButton(d)->click();
        QTest::qWait(round * 7);
    }
    QCOMPARE(d.liveState(), LiveState::Live);
    for (int round = 0; round < 4; ++round) {
        QCOMPARE(d.TeardownMedia(), 1);
        QCOMPARE(d.SetupMedia(), 1);
        QTest::qWait(40 + round * 30);
    }
    QVERIFY(m_counter->Attach(d.Live().Player()));
    VERIFY_VIDEO_FLOWS(d, *m_counter);

    // The window goes while live: receiver, decoder, player and libraries go with it, the play
    // object before the pane's native window.
    m_harness->DestroyDialog();
    QCOMPARE(TEGMO_PLAY_GetVideoPlayCount(), 0);
    QCOMPARE(TEGMO_DEC_GetVideoDecoderCount(), 0);
    QTest::qWait(100);  // nothing is called back any more
}

KAVIMO_E2E_MAIN(LiveViewTest)
#include "liveview_test.moc"
