// Picture review and annotation in the main window: the panes, hit testing, strokes and the undo
// stack, split view, navigation by keys, buttons and the thumbnail list, the viewer, and saving
// the annotated picture.
#include <QtTest>

#include <QListWidgetItem>
#include <QScrollBar>
#include <QTextEdit>

#include <sys/stat.h>

#include <csignal>
#include <cstddef>
#include <cstring>
#include <ctime>

#include "app/mainwindow/shutdownwatch.h"
#include "app/pictures/bigpic.h"
#include "tests/app/support/fakecameras.h"
#include "tests/app/support/picturetestsupport.h"

using namespace MainCtl;

namespace {

const QColor kGreen(0, 160, 0);
const QColor kBlue(0, 0, 200);
const QColor kYellow(220, 220, 0);
const QColor kGrey(128, 128, 128);
const QColor kRed(255, 0, 0);
const QColor kEmpty(50, 50, 50);

QColor Pixel(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int CountNear(const QImage& image, const QRect& box, QColor colour, int tolerance = 40) {
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) n += Near(QColor(image.pixel(x, y)), colour, tolerance);
    return n;
}

void SendKey(CkavimoDlg& dialog, int code) {
    QCoreApplication::postEvent(&dialog, new CameraKeyEvent(code));
    QCoreApplication::sendPostedEvents(&dialog);
}

}  // namespace

class ReviewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hitTestIgnoresMiddleLinesAndBorders();
    void newestPictureIsShownWithItsNumber();
    void strokesAreUndoneTogether();
    void fullUndoStackKeepsLaterStrokesOnScreenOnly();
    void resizeRedrawsThePictureWithItsStrokes();
    void splitStrokeStaysInItsQuadrant();
    void splitViewDrawsMissingSlotsGrey();
    void cameraKeysAndButtonsMoveThroughPictures();
    void navigationKeysStopTheLiveView();
    void listDoubleClickFillsTheActiveSlot();
    void shownPictureFollowsTheListSplitAndTheEndOfLive();
    void doubleClickOpensTheViewerOnThatPicture();
    void saveWritesTheAnnotatedPictureAtItsOwnSize();
    void saveAsAddsNewFilesAndNeverOverwrites();
    void saveKeepsTheOriginalAndItsTimeUntilReverted();
    void failedWritesAreReported();
    void unsavedStrokesAreAskedAboutAndAnUnreadablePictureIsKept();
    void pagingWithUnsavedStrokesAsksFirst();
    void unsavedWorkIsKeptAtTheSessionsEndAndOfferedAtTheNextStart();
    void pictureDecodedAheadIsNeverAStaleOne();
};

void ReviewTest::hitTestIgnoresMiddleLinesAndBorders() {
    PictureHarness h;
    h.AddPictures({kGreen, kBlue, kYellow, kGrey});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    const QRect area = d.Layout().pictureArea;
    const int mx = d.Layout().quad[1].left(), my = d.Layout().quad[2].top();
    QCOMPARE(mx, area.width() / 2);
    QCOMPARE(d.HitQuadrant(h.AreaPoint(1, 1)), 1);
    QCOMPARE(d.HitQuadrant(h.AreaPoint(mx + 1, 10)), 2);
    QCOMPARE(d.HitQuadrant(h.AreaPoint(10, my + 1)), 3);
    QCOMPARE(d.HitQuadrant(h.AreaPoint(area.width() - 1, area.height() - 1)), 4);
    QCOMPARE(d.HitQuadrant(h.AreaPoint(mx - 1, my - 1)), 1);
    QCOMPARE(d.HitQuadrant(h.AreaPoint(mx, 10)), 0);  // vertical middle line
    QCOMPARE(d.HitQuadrant(h.AreaPoint(10, my)), 0);  // horizontal middle line
    QCOMPARE(d.HitQuadrant(area.topLeft()), 0);       // the area's own border
    QCOMPARE(d.HitQuadrant(h.AreaPoint(area.width(), 10)), 0);
    QCOMPARE(d.HitQuadrant(QPoint(2, 2)), 0);

    // In split view a press on the middle line starts no stroke and selects no quadrant.
    h.Button(IdSplit)->click();
    const QImage framesBefore = h.Pane(IdPane2)->Canvas();
    h.Press(h.AreaPoint(mx, 60));
    QCOMPARE(d.Review().StrokePoints(), 0);
    h.Move(h.AreaPoint(mx + 60, 80));
    h.Release(h.AreaPoint(mx + 60, 80));
    QCOMPARE(d.Review().ActivePane(), 0);
    QCOMPARE(d.Review().HistLevel(), 0);
    QCOMPARE(h.Pane(IdPane2)->Canvas(), framesBefore);

    // A press inside quadrant 4 selects it: all quadrants framed, that one in red. Pressing and
    // releasing without moving adds nothing to the undo stack.
    h.Press(h.AreaPoint(mx + 30, my + 30));
    QCOMPARE(d.Review().StrokePoints(), 1);
    h.Release(h.AreaPoint(mx + 30, my + 30));
    QCOMPARE(d.Review().ActivePane(), 3);
    QCOMPARE(d.Review().StrokePoints(), 0);
    QCOMPARE(d.Review().HistLevel(), 0);
    const QImage frames = h.Pane(IdPane2)->Canvas();
    QCOMPARE(Pixel(frames, mx, my + 40), kRed);              // left edge of quadrant 4
    QCOMPARE(Pixel(frames, 0, 40), QColor(Qt::black));       // left edge of quadrant 1
    QCOMPARE(Pixel(frames, 40, my - 1), QColor(Qt::black));  // bottom edge of quadrant 1
}

void ReviewTest::newestPictureIsShownWithItsNumber() {
    PictureHarness h;
    h.AddPictures({kGreen, kBlue, kYellow});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    QCOMPARE(d.CurrentIndex(), 2);
    QCOMPARE(d.Review().PaneIndex(0), 2);
    QVERIFY(d.Review().PanePath(0).endsWith(h.Pictures()[2]));
    QCOMPARE(d.Review().PaneIndex(1), 1);  // the following slots are filled for split view
    QCOMPARE(d.Review().PaneIndex(3), 999);
    QCOMPARE(d.Review().PictureSize(), QSize(640, 480));
    QCOMPARE(d.Review().HistLevel(), 0);
    QCOMPARE(d.Review().Entry(0).image.size(), QSize(640, 480));
    QCOMPARE(d.Review().Entry(0).image.format(), QImage::Format_RGB888);

    const QImage shown = h.Shown();
    const QSize area = d.Layout().pictureArea.size();
    QVERIFY(Near(Pixel(shown, area.width() / 3, area.height() / 3), kYellow));
    // Number 3 in red at the bottom right corner, in pane 1096.
    QCOMPARE(d.Review().LabelPosition(), QPoint(area.width() - 32, area.height() - 32));
    QVERIFY(CountNear(h.Pane(IdPane2)->Canvas(), QRect(d.Review().LabelPosition(), QSize(32, 32)), kRed, 10) > 20);
    // The undo picture, which "Save" writes, is the picture alone: the number is the picture's
    // place in the list, not part of it.
    QCOMPARE(
        CountNear(d.Review().Entry(0).image.convertToFormat(QImage::Format_RGB32), QRect(600, 445, 40, 35), kRed, 60),
        0);
    // The list shows the newest picture selected.
    const QList<QListWidgetItem*> selected = h.Dialog().ThumbList()->selectedItems();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first()->text(), h.Pictures()[2]);

    // A patient without pictures: every pane empty, nothing to save.
    PictureHarness empty;
    QVERIFY(empty.Start());
    QCOMPARE(empty.Dialog().Review().PaneIndex(0), 999);
    QVERIFY(Near(Pixel(empty.Shown(), 100, 100), kEmpty, 0));
}

void ReviewTest::strokesAreUndoneTogether() {
    PictureHarness h;
    h.AddPictures({kGreen});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    const QSize area = d.Layout().pictureArea.size();

    // Medium red to begin with: 4 pixels wide.
    h.Stroke({{100, 100}, {200, 100}, {300, 100}});
    QCOMPARE(d.Review().HistLevel(), 1);
    QCOMPARE(Pixel(h.Shown(), 200, 100), kRed);
    QCOMPARE(Pixel(h.Shown(), 200, 101), kRed);
    QVERIFY(Near(Pixel(h.Shown(), 200, 106), kGreen));
    // The captured picture has the stroke where it lies on the picture.
    const QImage captured = d.Review().Entry(1).image.convertToFormat(QImage::Format_RGB32);
    QVERIFY(Near(Pixel(captured, 200 * 640 / area.width(), 100 * 480 / area.height()), kRed));

    // Press and release without movement: no entry.
    h.Press(h.AreaPoint(400, 400));
    h.Release(h.AreaPoint(400, 400));
    QCOMPARE(d.Review().HistLevel(), 1);

    // Thick blue: 8 pixels wide; a stroke over the picture number shows over it.
    h.Button(IdThick)->click();
    h.Button(IdBlue)->click();
    h.Stroke({{100, 200}, {300, 200}});
    QCOMPARE(d.Review().HistLevel(), 2);
    QCOMPARE(Pixel(h.Shown(), 200, 203), QColor(0, 0, 255));
    QVERIFY(!Near(Pixel(h.Shown(), 200, 208), QColor(0, 0, 255), 60));
    const int y = area.height() - 16;
    h.Stroke({{area.width() - 60, y}, {area.width() - 2, y}});
    QCOMPARE(d.Review().HistLevel(), 3);
    QCOMPARE(Pixel(h.Shown(), area.width() - 20, y), QColor(0, 0, 255));

    // Undo takes all three back at once; the picture and its slot stay.
    const QString path = d.Review().PanePath(0);
    h.Button(IdUndo)->click();
    QCOMPARE(d.Review().HistLevel(), 0);
    const QImage shown = h.Shown();
    QVERIFY(Near(Pixel(shown, 200, 100), kGreen));
    QVERIFY(Near(Pixel(shown, 200, 200), kGreen));
    QVERIFY(!Near(Pixel(shown, area.width() - 20, y), QColor(0, 0, 255), 60));
    QCOMPARE(d.Review().PanePath(0), path);
    // New strokes build on the picture as it was.
    h.Stroke({{100, 300}, {300, 300}});
    QCOMPARE(d.Review().HistLevel(), 1);
    QVERIFY(Near(Pixel(d.Review().Entry(1).image.convertToFormat(QImage::Format_RGB32), 200 * 640 / area.width(),
                       200 * 480 / area.height()),
                 kGreen));
}

void ReviewTest::fullUndoStackKeepsLaterStrokesOnScreenOnly() {
    PictureHarness h;
    h.AddPictures({kGreen}, QSize(320, 240));
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    for (int i = 0; i < 33; ++i) h.Stroke({{20, 10 + 12 * i}, {120, 10 + 12 * i}});
    QCOMPARE(d.Review().HistLevel(), 31);
    // The 32nd and 33rd strokes are on screen, not in the top entry.
    QCOMPARE(Pixel(h.Shown(), 60, 10 + 12 * 32), kRed);
    const QSize area = d.Layout().pictureArea.size();
    const QImage top = d.Review().Entry(31).image.convertToFormat(QImage::Format_RGB32);
    QVERIFY(Near(Pixel(top, 60 * 320 / area.width(), (10 + 12 * 30) * 240 / area.height()), kRed));
    QVERIFY(Near(Pixel(top, 60 * 320 / area.width(), (10 + 12 * 32) * 240 / area.height()), kGreen));
    // A new picture (the strokes dropped when asked) resets the stack to its bottom.
    h.Drive().reply = QMessageBox::Discard;
    h.ShowPicture(0);
    QCOMPARE(d.Review().HistLevel(), 0);
    QVERIFY(d.Review().Entry(1).image.isNull());
}

void ReviewTest::resizeRedrawsThePictureWithItsStrokes() {
    PictureHarness h;
    h.AddPictures({kGreen});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    const QSize before = d.Layout().pictureArea.size();
    h.Stroke({{100, 100}, {300, 100}});
    d.resize(1920, 1050);  // a wide screen: the picture area moves and grows
    QCoreApplication::processEvents();
    const QSize after = d.Layout().pictureArea.size();
    QVERIFY(after.width() > before.width());
    QCOMPARE(h.Pane(IdPane3)->Canvas().size(), after);
    QCOMPARE(d.Review().HistLevel(), 1);
    const QImage shown = h.Shown();
    QVERIFY(Near(Pixel(shown, 200 * after.width() / before.width(), 100 * after.height() / before.height()), kRed, 80));
    QVERIFY(Near(Pixel(shown, after.width() - 5, after.height() / 2), kGreen));
    // Strokes drawn after the resize land on the same picture.
    h.Stroke({{100, 300}, {300, 300}});
    QCOMPARE(d.Review().HistLevel(), 2);
    QCOMPARE(d.Review().Entry(2).image.size(), QSize(640, 480));
}

void ReviewTest::splitStrokeStaysInItsQuadrant() {
    PictureHarness h;
    h.AddPictures({kGreen, kBlue, kYellow, kGrey});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    h.Button(IdSplit)->click();
    QCOMPARE(d.Review().PictureSize(), d.Layout().pictureArea.size());
    const int mx = d.Layout().quad[1].left();
    const QImage before = h.Shown();

    // From quadrant 1 into quadrant 2 and back: nothing is drawn outside, and the line comes
    // back from the last point drawn inside.
    h.Press(h.AreaPoint(100, 100));
    h.Move(h.AreaPoint(200, 100));
    h.Move(h.AreaPoint(mx + 50, 100));
    h.Move(h.AreaPoint(mx + 50, 200));
    h.Move(h.AreaPoint(200, 200));
    h.Release(h.AreaPoint(200, 200));
    QCOMPARE(d.Review().HistLevel(), 1);
    QCOMPARE(d.Review().ActivePane(), 0);
    const QImage shown = h.Shown();
    QCOMPARE(Pixel(shown, 150, 100), kRed);
    QCOMPARE(Pixel(shown, 200, 150), kRed);  // the joining line
    QCOMPARE(Pixel(shown, mx - 20, 100), Pixel(before, mx - 20, 100));
    QCOMPARE(Pixel(shown, mx + 50, 150), Pixel(before, mx + 50, 150));
    QCOMPARE(Pixel(shown, (200 + mx + 50) / 2, 150), Pixel(before, (200 + mx + 50) / 2, 150));
    // The undo picture is the whole area as displayed.
    QCOMPARE(d.Review().Entry(1).image.size(), d.Layout().pictureArea.size());
    QCOMPARE(Pixel(d.Review().Entry(1).image.convertToFormat(QImage::Format_RGB32), 200, 150), kRed);
}

void ReviewTest::splitViewDrawsMissingSlotsGrey() {
    PictureHarness h;
    h.AddPictures({kGreen, kBlue});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    const QRect area = d.Layout().pictureArea;
    h.Button(IdSplit)->click();
    QCOMPARE(h.Button(IdSplit)->text(), QStringLiteral("Single"));
    QCOMPARE(d.Review().Split(), true);
    QCOMPARE(h.Pane(IdPane1)->geometry(), QRect(area.topLeft(), QSize(area.width() / 2, area.height() / 2)));
    QCOMPARE(d.Review().PaneIndex(0), 1);
    QCOMPARE(d.Review().PaneIndex(1), 0);
    QCOMPARE(d.Review().PaneIndex(2), 999);
    QCOMPARE(d.Review().PaneIndex(3), 999);
    const QImage shown = h.Shown();
    QVERIFY(Near(Pixel(shown, d.Layout().quad[0].center().x(), d.Layout().quad[0].center().y()), kBlue));
    QVERIFY(Near(Pixel(shown, d.Layout().quad[1].center().x(), d.Layout().quad[1].center().y()), kGreen));
    QCOMPARE(Pixel(shown, d.Layout().quad[2].center().x(), d.Layout().quad[2].center().y()), kEmpty);
    QCOMPARE(Pixel(shown, d.Layout().quad[3].center().x(), d.Layout().quad[3].center().y()), kEmpty);
    // Quadrant 2's number "1" at its bottom right.
    QCOMPARE(d.Review().LabelPosition(),
             QPoint(d.Layout().quad[1].left() + area.width() / 2 - 32, area.height() / 2 - 32));

    h.Button(IdSplit)->click();
    QCOMPARE(h.Button(IdSplit)->text(), QStringLiteral("Split"));
    QCOMPARE(h.Pane(IdPane1)->geometry(), area);
    const QImage single = h.Shown();
    QVERIFY(Near(Pixel(single, d.Layout().quad[3].center().x(), d.Layout().quad[3].center().y()), kBlue));
    QCOMPARE(d.Review().HistLevel(), 0);
}

void ReviewTest::cameraKeysAndButtonsMoveThroughPictures() {
    PictureHarness h;
    std::vector<QColor> colours;
    for (int i = 0; i < 10; ++i) colours.push_back(QColor(20 * i, 100, 200 - 20 * i));
    h.AddPictures(colours, QSize(160, 120));
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    QCOMPARE(d.CurrentIndex(), 9);
    SendKey(d, 0x52);  // already the newest
    QCOMPARE(d.CurrentIndex(), 9);
    SendKey(d, 0x53);
    SendKey(d, 0x53);
    QCOMPARE(d.CurrentIndex(), 7);
    QVERIFY(d.Review().PanePath(0).endsWith(h.Pictures()[7]));
    QCOMPARE(d.ThumbList()->selectedItems().size(), 1);
    QCOMPARE(d.ThumbList()->selectedItems().first()->text(), h.Pictures()[7]);
    for (int i = 0; i < 9; ++i) SendKey(d, 0x53);
    QCOMPARE(d.CurrentIndex(), 0);
    QCOMPARE(d.Review().PaneIndex(1), 999);  // nothing below the oldest
    SendKey(d, 0x52);
    QCOMPARE(d.CurrentIndex(), 1);

    // "Next" and "Prev" scroll the list by a thumbnail and its spacing, and put the pen members
    // back on the buttons.
    QScrollBar* bar = d.ThumbList()->verticalScrollBar();
    bar->setValue(0);
    QVERIFY(bar->maximum() > 0);
    h.Button(IdThick)->click();  // the pen member follows the button
    QCOMPARE(d.Review().PenWidthIdx(), 0);
    h.Button(IdMedium)->setChecked(true);  // the buttons alone changed (the member did not)
    QCOMPARE(d.Review().PenWidthIdx(), 0);
    h.Button(IdNext)->click();
    QCOMPARE(bar->value(), std::min(bar->maximum(), d.Layout().thumbSize + 40));
    QVERIFY(h.Button(IdThick)->isChecked());
    h.Button(IdPrev)->click();
    QCOMPARE(bar->value(), 0);
}

void ReviewTest::navigationKeysStopTheLiveView() {
    PictureHarness h;
    h.AddPictures({kGreen, kBlue, kYellow});
    FakeStreamCamera camera;
    h.BeforeWindow([&] {
        camera.Start(h.Udp().LocalCommandPort());
        camera.SetHeartbeats(true);
    });
    QVERIFY(h.Start(camera.Port()));
    CkavimoDlg& d = h.Dialog();
    QCOMPARE(d.CameraType(), CAMERA_STREAM);
    QCOMPARE(d.liveState(), LiveState::Live);
    // While live, slot 0 is the video's and the pictures fill the other slots: so they are shown
    // after a capture (a fourth picture, the newest).
    d.SetSnapshotWriter([](const std::string& path) {
        QImage frame(320, 240, QImage::Format_RGB888);
        frame.fill(kGrey);
        return frame.save(QString::fromStdString(path), "BMP");
    });
    d.SetClock([] { return LocalTime(2026, 12, 6, 19, 5, 7); });
    h.Button(IdFreeze)->click();
    h.Button(IdFreeze)->click();
    QCOMPARE(d.liveState(), LiveState::Live);
    QCOMPARE(h.PictureCount(), 4);
    QCOMPARE(d.Review().PaneIndex(0), 999);
    QCOMPARE(d.Review().PaneIndex(1), 3);
    QCOMPARE(d.Review().PaneIndex(3), 1);

    SendKey(d, 0x53);
    QCOMPARE(d.liveState(), LiveState::Idle);
    QVERIFY(!d.Live().HasReceiver());
    QCOMPARE(d.CurrentIndex(), 3);
    SendKey(d, 0x53);
    QCOMPARE(d.CurrentIndex(), 2);
    QCOMPARE(d.Review().PaneIndex(0), 2);

    h.Button(IdSample)->click();
    QCOMPARE(d.liveState(), LiveState::Live);
    SendKey(d, 0x52);
    QCOMPARE(d.liveState(), LiveState::Idle);
    QCOMPARE(d.CurrentIndex(), 2);
}

void ReviewTest::listDoubleClickFillsTheActiveSlot() {
    PictureHarness h;
    h.AddPictures({kGreen, kBlue, kYellow});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    auto doubleClick = [&](int storeIndex) { h.ClickThumbnail(storeIndex, true); };

    // Single view: the picture replaces slot 0 and the undo stack starts again.
    h.Stroke({{50, 50}, {150, 50}});
    QCOMPARE(d.Review().HistLevel(), 1);
    h.Drive().reply = QMessageBox::Discard;  // the strokes on the picture replaced are dropped
    doubleClick(0);
    QCOMPARE(d.Review().PaneIndex(0), 0);
    QVERIFY(d.Review().PanePath(0).endsWith(h.Pictures()[0]));
    QCOMPARE(d.Review().HistLevel(), 0);
    QVERIFY(Near(Pixel(h.Shown(), 100, 50), kGreen));

    // Split view: the picture goes into the quadrant last pressed, as a new undo entry.
    h.Button(IdSplit)->click();
    const QRect q3 = d.Layout().quad[2];
    h.Press(h.AreaPoint(q3.center().x(), q3.center().y()));
    h.Release(h.AreaPoint(q3.center().x(), q3.center().y()));
    QCOMPARE(d.Review().ActivePane(), 2);
    doubleClick(2);
    QCOMPARE(d.Review().PaneIndex(2), 2);
    QCOMPARE(d.Review().HistLevel(), 1);
    QVERIFY(Near(Pixel(h.Shown(), q3.center().x(), q3.center().y()), kYellow));
    // Undo brings the earlier slot back: empty, as picture 0 has none before it.
    h.Button(IdUndo)->click();
    QCOMPARE(d.Review().PaneIndex(2), 999);
    QVERIFY(!Near(Pixel(h.Shown(), q3.center().x(), q3.center().y()), kYellow));
}

void ReviewTest::shownPictureFollowsTheListSplitAndTheEndOfLive() {
    PictureHarness h;
    h.AddPictures({kGreen, kBlue, kYellow, kGrey, kGreen, kBlue});
    FakeStreamCamera camera;
    h.BeforeWindow([&] {
        camera.Start(h.Udp().LocalCommandPort());
        camera.SetHeartbeats(true);
    });
    QVERIFY(h.Start(camera.Port()));
    CkavimoDlg& d = h.Dialog();
    QCOMPARE(d.liveState(), LiveState::Live);

    // Stopping the live view shows the current picture again.
    h.Button(IdSample)->click();
    QCOMPARE(d.liveState(), LiveState::Idle);
    QCOMPARE(d.Review().PaneIndex(0), 5);
    QVERIFY(d.Review().PanePath(0).endsWith(h.Pictures()[5]));

    // The arrow keys move the list's highlight (newest first) and the big picture follows.
    d.ThumbList()->setFocus();
    QTest::keyClick(d.ThumbList(), Qt::Key_Right);
    QTRY_COMPARE(d.CurrentIndex(), 4);
    QCOMPARE(d.Review().PaneIndex(0), 4);
    QTest::keyClick(d.ThumbList(), Qt::Key_End);
    QTRY_COMPARE(d.Review().PaneIndex(0), 0);
    QTest::keyClick(d.ThumbList(), Qt::Key_Left);
    QTRY_COMPARE(d.Review().PaneIndex(0), 1);
    QCOMPARE(d.ThumbList()->selectedItems().first()->text(), h.Pictures()[1]);

    // A double-clicked picture becomes the current one: "Split" shows it and three others.
    h.ClickThumbnail(3, true);
    QCOMPARE(d.CurrentIndex(), 3);
    h.Button(IdSplit)->click();
    QCOMPARE(QList<int>(
                 {d.Review().PaneIndex(0), d.Review().PaneIndex(1), d.Review().PaneIndex(2), d.Review().PaneIndex(3)}),
             QList<int>({3, 2, 1, 0}));
}

void ReviewTest::doubleClickOpensTheViewerOnThatPicture() {
    PictureHarness h;
    h.AddPictures({kGreen, kBlue, kYellow});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    QTest::mouseDClick(&d, Qt::LeftButton, Qt::NoModifier, h.AreaPoint(300, 300));
    QCOMPARE(h.viewerPaths, QStringList({d.Review().PanePath(0)}));
    QCOMPARE(d.Review().HistLevel(), 0);

    h.Button(IdSplit)->click();
    const QRect q2 = d.Layout().quad[1];
    QTest::mouseDClick(&d, Qt::LeftButton, Qt::NoModifier, h.AreaPoint(q2.center().x(), q2.center().y()));
    QCOMPARE(h.viewerPaths.size(), 2);
    QCOMPARE(h.viewerPaths.last(), d.Review().PanePath(1));
    QVERIFY(h.viewerPaths.last().endsWith(h.Pictures()[1]));
    // On the middle line no viewer opens.
    QTest::mouseDClick(&d, Qt::LeftButton, Qt::NoModifier, h.AreaPoint(q2.left(), 30));
    QCOMPARE(h.viewerPaths.size(), 2);
}

void ReviewTest::saveWritesTheAnnotatedPictureAtItsOwnSize() {
    PictureHarness h;
    h.AddPictures({kBlue, kGreen});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    const QSize area = d.Layout().pictureArea.size();
    const QString file = h.PatientDir() + QLatin1Char('/') + h.Pictures()[1];
    const QByteArray original = [&] {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();

    // Nothing to save at level 0.
    h.Button(IdSave)->click();
    h.Button(IdSaveAs)->click();
    QCOMPARE(h.PictureFiles().size(), 2);

    h.Button(IdThick)->click();
    h.Stroke({{100, area.height() / 2 + 20}, {area.width() - 100, area.height() / 2 + 20}});
    h.Button(IdSave)->click();
    QImage saved(file);
    QCOMPARE(saved.size(), QSize(640, 480));
    QVERIFY(Near(Pixel(saved, 320, 255), kRed, 60));
    QVERIFY(Near(Pixel(saved, 320, 200), kGreen));
    QVERIFY(Near(Pixel(saved, 40, 255), kGreen));  // the stroke starts further right
    QCOMPARE(h.PictureFiles(), QStringList({h.Pictures()[0], h.Pictures()[1]}));
    QCOMPARE(h.PictureCount(), 2);
    QVERIFY(h.Drive().messages.filter(QStringLiteral("Fail")).isEmpty());

    // In split view "Save" does nothing.
    QFile(file).remove();
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(original);
    }
    h.Button(IdSplit)->click();
    h.Stroke({{50, 50}, {150, 50}});
    QCOMPARE(d.Review().HistLevel(), 1);
    h.Button(IdSave)->click();
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), original);
}

void ReviewTest::saveAsAddsNewFilesAndNeverOverwrites() {
    PictureHarness h;
    h.AddPictures({kGreen});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    d.SetClock([] { return LocalTime(2026, 12, 6, 19, 5, 7); });
    h.Stroke({{100, 100}, {300, 100}});
    h.Button(IdSaveAs)->click();
    h.Button(IdBlue)->click();
    h.Stroke({{100, 200}, {300, 200}});
    h.Button(IdSaveAs)->click();  // the same second: the next second's name
    QCOMPARE(h.PictureFiles(), QStringList({h.Pictures()[0], QStringLiteral("20261206190507.jpg"),
                                            QStringLiteral("20261206190508.jpg")}));
    QCOMPARE(h.PictureCount(), 3);
    QCOMPARE(d.ThumbList()->count(), 3);
    const QSize area = d.Layout().pictureArea.size();
    const QPoint red(200 * 640 / area.width(), 100 * 480 / area.height());
    const QPoint blue(200 * 640 / area.width(), 200 * 480 / area.height());
    const QImage first(h.PatientDir() + QStringLiteral("/20261206190507.jpg"));
    const QImage second(h.PatientDir() + QStringLiteral("/20261206190508.jpg"));
    QVERIFY(Near(Pixel(first, red.x(), red.y()), kRed, 60));
    QVERIFY(Near(Pixel(first, blue.x(), blue.y()), kGreen));
    QVERIFY(Near(Pixel(second, blue.x(), blue.y()), QColor(0, 0, 255), 60));
    QVERIFY(Near(Pixel(second, red.x(), red.y()), kRed, 60));
    // The original is untouched.
    QVERIFY(Near(Pixel(QImage(h.PatientDir() + QLatin1Char('/') + h.Pictures()[0]), red.x(), red.y()), kGreen));
}

void ReviewTest::saveKeepsTheOriginalAndItsTimeUntilReverted() {
    PictureHarness h;
    h.AddPictures({kBlue, kGreen});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    const QSize area = d.Layout().pictureArea.size();
    const QString file = h.PatientDir() + QLatin1Char('/') + h.Pictures()[1];
    const QString kept = h.PatientDir() + QStringLiteral("/.originals/") + h.Pictures()[1];
    const QByteArray taken = FileBytes(file);
    _DISE_PIC before = {};
    QCOMPARE(h.Store().GetPicture(1, &before), 1);
    QVERIFY(!h.ChooseFromMenu(QStringLiteral("Revert to original")));  // nothing saved over yet
    // The save comes in a later second than the picture was taken.
    const std::time_t start = std::time(nullptr);
    while (std::time(nullptr) == start) QTest::qWait(20);

    h.Button(IdThick)->click();
    h.Stroke({{100, area.height() / 2 + 20}, {area.width() - 100, area.height() / 2 + 20}});
    h.Button(IdSave)->click();
    const QImage saved(file);
    QVERIFY(Near(Pixel(saved, 320, 255), kRed, 60));
    QCOMPARE(CountNear(saved, QRect(596, 440, 44, 40), kRed, 60), 0);  // no picture number
    QCOMPARE(FileBytes(kept), taken);
    QCOMPARE(h.PictureFiles().size(), 2);
    // The records keep the time it was taken, also when they are built again from the files.
    QCOMPARE(h.Store().RebuildPictures(), 1);
    _DISE_PIC after = {};
    QCOMPARE(h.Store().GetPicture(1, &after), 1);
    QCOMPARE(std::memcmp(&before.year, &after.year, offsetof(_DISE_PIC, path) - offsetof(_DISE_PIC, year)), 0);

    // A second save keeps the first original; "Save As" makes a new picture and leaves this one
    // and its original alone.
    h.Stroke({{100, 100}, {300, 100}});
    h.Button(IdSave)->click();
    QCOMPARE(FileBytes(kept), taken);
    const QByteArray annotated = FileBytes(file);
    h.Stroke({{100, 300}, {300, 300}});
    h.Button(IdSaveAs)->click();
    QCOMPARE(h.PictureFiles().size(), 3);
    QCOMPARE(FileBytes(file), annotated);
    QCOMPARE(FileBytes(kept), taken);

    // "Revert to original" asks first, then puts the picture back as it was taken.
    h.Drive().reply = QMessageBox::No;
    QVERIFY(h.ChooseFromMenu(QStringLiteral("Revert to original")));
    QCOMPARE(FileBytes(file), annotated);
    h.Drive().reply = QMessageBox::Yes;
    QVERIFY(h.ChooseFromMenu(QStringLiteral("Revert to original")));
    QCOMPARE(FileBytes(file), taken);
    QVERIFY(!QFileInfo::exists(kept));
    QVERIFY(Near(Pixel(h.Shown(), area.width() / 2, area.height() / 2 + 20), kGreen));
    QVERIFY(!h.ChooseFromMenu(QStringLiteral("Revert to original")));
    QVERIFY(h.Drive().messages.filter(QStringLiteral("Fail")).isEmpty());
}

void ReviewTest::failedWritesAreReported() {
    {
        PictureHarness h;
        h.AddPictures({kGreen});
        QVERIFY(h.Start());
        CkavimoDlg& d = h.Dialog();
        h.Stroke({{100, 100}, {300, 100}});
        // The patient's directory is gone: nothing can be written there.
        QVERIFY(QDir(h.PatientDir()).removeRecursively());
        h.Drive().messages.clear();
        h.Button(IdSaveAs)->click();
        QCOMPARE(h.Drive().messages.size(), 1);
        QVERIFY2(h.Drive().messages[0].startsWith(QStringLiteral("Oral image acquisition system|Fail to Save！")),
                 qPrintable(h.Drive().messages[0]));
        QCOMPARE(h.PictureCount(), 1);
        h.Button(IdSave)->click();
        QCOMPARE(h.Drive().messages.size(), 2);
        QVERIFY(h.Drive().messages[1].contains(h.Pictures()[0]));
        QVERIFY(!QFileInfo::exists(h.PatientDir()));
        QCOMPARE(d.Review().HistLevel(), 1);  // the strokes are still there to save elsewhere
    }

    // A record naming a file outside the patient's directory is never written over.
    PictureHarness h;
    h.AddPictures({kGreen});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    const QString outside = h.Drive().workDir() + QStringLiteral("/elsewhere.jpg");
    QVERIFY(WriteJpeg(outside, 320, 240, kBlue));
    const QByteArray before = FileBytes(outside);
    QCOMPARE(h.Store().AddPicture(0, std::string("d:\\DentalWorkDir\\elsewhere.jpg"), true), 1);
    h.Button(IdUser)->click();  // the patient again: the newest record, the one just added, is shown
    QVERIFY(d.Review().PanePath(0).endsWith(QStringLiteral("elsewhere.jpg")));
    h.Stroke({{100, 100}, {300, 100}});
    h.Drive().messages.clear();
    h.Button(IdSave)->click();
    QCOMPARE(h.Drive().messages.size(), 1);
    QVERIFY2(h.Drive().messages[0].contains(QStringLiteral("not a picture in the patient's directory")),
             qPrintable(h.Drive().messages[0]));
    QCOMPARE(FileBytes(outside), before);
}

void ReviewTest::unsavedStrokesAreAskedAboutAndAnUnreadablePictureIsKept() {
    PictureHarness h;
    h.AddPictures({kGreen, kBlue});
    // The newest picture cannot be decoded: its pane is grey.
    const QString broken = h.PatientDir() + QLatin1Char('/') + h.Pictures()[1];
    const QByteArray junk("\xff\xd8\xff\xe0 cut short");
    {
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(junk);
    }
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    QVERIFY(d.Review().PanePath(0).endsWith(h.Pictures()[1]));
    const QString question =
        QStringLiteral("Oral image acquisition system|The strokes on the picture have not been saved. Save them?");

    // Strokes on the grey pane are never saved over the file.
    h.Stroke({{100, 100}, {300, 100}});
    h.Drive().messages.clear();
    h.Button(IdSave)->click();
    QCOMPARE(h.Drive().messages.size(), 1);
    QVERIFY2(h.Drive().messages[0].contains(h.Pictures()[1]) &&
                 h.Drive().messages[0].contains(QStringLiteral("could not be read")),
             qPrintable(h.Drive().messages[0]));
    QCOMPARE(FileBytes(broken), junk);

    // Paging asks (see pagingWithUnsavedStrokesAsksFirst); closing asks, and Cancel keeps the window.
    h.Drive().reply = QMessageBox::Discard;
    SendKey(d, 0x53);
    QVERIFY(d.Review().PanePath(0).endsWith(h.Pictures()[0]));
    QVERIFY(!d.HasUnsavedStrokes());
    h.Stroke({{100, 100}, {300, 100}});
    QVERIFY(d.HasUnsavedStrokes());
    h.Drive().messages.clear();
    h.Drive().reply = QMessageBox::Cancel;
    d.close();
    QCOMPARE(h.Drive().messages, QStringList(1, question));
    QVERIFY(d.isVisible());

    // Save writes them over the shown picture, as "Save" does, and the window closes.
    const QString green = h.PatientDir() + QLatin1Char('/') + h.Pictures()[0];
    h.Drive().reply = QMessageBox::Save;
    h.Button(IdExit)->click();
    QVERIFY(!d.isVisible());
    const QSize area = d.Layout().pictureArea.size();
    QVERIFY(Near(Pixel(QImage(green), 200 * 640 / area.width(), 100 * 480 / area.height()), kRed, 60));
    QCOMPARE(h.PictureFiles().size(), 2);

    // Once saved nothing is asked; new strokes and Discard close without writing.
    d.show();
    h.Drive().messages.clear();
    const QByteArray saved = FileBytes(green);
    h.Stroke({{100, 200}, {300, 200}});
    h.Drive().reply = QMessageBox::Discard;
    d.close();
    QVERIFY(!d.isVisible());
    QCOMPARE(h.Drive().messages, QStringList({question}));
    QCOMPARE(FileBytes(green), saved);
}

void ReviewTest::pagingWithUnsavedStrokesAsksFirst() {
    PictureHarness h;
    h.AddPictures({kGreen, kBlue, kYellow});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    int userDialogs = 0;
    d.SetUserListRunner([&](CUserList& users) {
        ++userDialogs;
        users.accept();
    });
    QMessageBox::StandardButton reply = QMessageBox::Cancel;
    QStringList asked;
    SetMessageBoxHook([&](const MessageBoxRequest& r) {
        asked << r.text;
        if (asked.size() == 1) SendKey(d, 0x53);  // the camera's key again while the question is open
        return reply;
    });
    const QString question = QStringLiteral("The strokes on the picture have not been saved. Save them?");
    const QString newest = h.PatientDir() + QLatin1Char('/') + h.Pictures()[2];
    const QByteArray newestBytes = FileBytes(newest);

    // Cancel stays on the picture with its strokes: the camera's key, a double click on a
    // thumbnail, "Split", "User". The key pressed while the question was open is not taken.
    h.Stroke({{100, 100}, {300, 100}});
    SendKey(d, 0x53);
    h.ClickThumbnail(0, true);
    h.Button(IdSplit)->click();
    h.Button(IdUser)->click();
    QCOMPARE(asked, QStringList(4, question));
    QVERIFY(!d.Review().Split());
    QCOMPARE(d.CurrentIndex(), 2);
    QVERIFY(d.Review().PanePath(0).endsWith(h.Pictures()[2]));
    QVERIFY(d.HasUnsavedStrokes());
    QCOMPARE(userDialogs, 0);
    QVERIFY(Near(Pixel(h.Shown(), 200, 100), kRed, 60));

    // Discard pages on and leaves the file as it was.
    reply = QMessageBox::Discard;
    SendKey(d, 0x53);
    QCOMPARE(d.CurrentIndex(), 1);
    QVERIFY(!d.HasUnsavedStrokes());
    QCOMPARE(FileBytes(newest), newestBytes);

    // Save writes the strokes over their picture, then the double-clicked one is shown.
    const QString middle = h.PatientDir() + QLatin1Char('/') + h.Pictures()[1];
    const QByteArray middleBytes = FileBytes(middle);
    h.Stroke({{100, 200}, {300, 200}});
    reply = QMessageBox::Save;
    h.ClickThumbnail(0, true);
    QCOMPARE(asked.size(), 6);
    QVERIFY(FileBytes(middle) != middleBytes);
    QVERIFY(d.Review().PanePath(0).endsWith(h.Pictures()[0]));
    QVERIFY(!d.HasUnsavedStrokes());
    // Without strokes nothing is asked.
    SendKey(d, 0x52);
    h.Button(IdUser)->click();
    QCOMPARE(asked.size(), 6);
    QCOMPARE(userDialogs, 1);
}

void ReviewTest::unsavedWorkIsKeptAtTheSessionsEndAndOfferedAtTheNextStart() {
    QTemporaryDir state;
    const QString stateDir = state.filePath(QStringLiteral("kavimo"));
    const QString draft = stateDir + QStringLiteral("/unsaved-work.draft");
    auto keepDraftsIn = [&](CkavimoDlg& d) { d.SetStateDirectory(stateDir); };
    // The session ends with a SIGTERM, as a logout or a shutdown sends it.
    auto endSession = [](CkavimoDlg& d) {
        ShutdownWatch watch;
        QVERIFY(watch.Active());
        QObject::connect(&watch, &ShutdownWatch::shutdownRequested, &d, &CkavimoDlg::EndSession);
        ::raise(SIGTERM);
        QTRY_VERIFY(!d.isVisible());
    };
    auto disease = [](CkavimoDlg& d) { return static_cast<QTextEdit*>(d.Control(IdDisease)); };
    auto stored = [](PictureHarness& h) {
        char16_t text[350] = {};
        h.Store().GetDescription(text);
        return QString::fromStdU16String(records::FieldText(text));
    };

    // Strokes and a diagnosis, neither saved, when the session ends: nothing is asked, nothing is
    // written to the records, and the draft is private.
    {
        PictureHarness h;
        h.AddPictures({kGreen, kBlue});
        h.BeforeInit(keepDraftsIn);
        QVERIFY(h.Start());
        CkavimoDlg& d = h.Dialog();
        const QByteArray blue = FileBytes(h.PatientDir() + QLatin1Char('/') + h.Pictures()[1]);
        h.Stroke({{100, 100}, {300, 100}});
        QTest::keyClicks(disease(d), QStringLiteral("Caries on 36"));
        h.Drive().messages.clear();
        endSession(d);
        QCOMPARE(h.Drive().messages, QStringList());
        QCOMPARE(FileBytes(h.PatientDir() + QLatin1Char('/') + h.Pictures()[1]), blue);
        QCOMPARE(stored(h), QString());
        struct stat st = {};
        QCOMPARE(::stat(QFile::encodeName(draft).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0600));
        QCOMPARE(QDir(stateDir).entryList(QDir::Files | QDir::Hidden), QStringList({"unsaved-work.draft"}));
    }
    // The next start offers it; taken, both are back and unsaved, and the draft is gone.
    {
        PictureHarness h;
        h.AddPictures({kGreen, kBlue});
        h.Drive().reply = QMessageBox::Yes;
        h.BeforeInit(keepDraftsIn);
        QVERIFY(h.Start());
        CkavimoDlg& d = h.Dialog();
        const QStringList offers = h.Drive().messages.filter(QStringLiteral("Restore"));
        QCOMPARE(offers.size(), 1);
        QVERIFY2(offers[0].startsWith(
                     QStringLiteral("Oral image acquisition system|Restore the unsaved work of Test User from ")),
                 qPrintable(offers[0]));
        QVERIFY(!QFile::exists(draft));
        QCOMPARE(disease(d)->toPlainText(), QStringLiteral("Caries on 36"));
        QVERIFY(d.HasUnsavedDiagnosis());
        QVERIFY(d.HasUnsavedStrokes());
        QVERIFY(d.Review().PanePath(0).endsWith(h.Pictures()[1]));
        QVERIFY(Near(Pixel(h.Shown(), 200, 100), kRed, 60));
        QVERIFY(Near(Pixel(h.Shown(), 200, 300), kBlue, 60));
        // Kept again at this session's end.
        endSession(d);
        QVERIFY(QFile::exists(draft));
    }
    // Declined: nothing comes back, and the draft is gone too.
    {
        PictureHarness h;
        h.AddPictures({kGreen, kBlue});
        h.Drive().reply = QMessageBox::No;
        h.BeforeInit(keepDraftsIn);
        QVERIFY(h.Start());
        CkavimoDlg& d = h.Dialog();
        QCOMPARE(h.Drive().messages.filter(QStringLiteral("Restore")).size(), 1);
        QVERIFY(!QFile::exists(draft));
        QVERIFY(!d.HasUnsavedDiagnosis());
        QVERIFY(!d.HasUnsavedStrokes());
        QVERIFY(Near(Pixel(h.Shown(), 200, 100), kBlue, 60));
    }
}

// The picture a delete decodes ahead for pane 0 is only ever taken for its own, unchanged file.
void ReviewTest::pictureDecodedAheadIsNeverAStaleOne() {
    QTemporaryDir dir;
    const QString a = dir.filePath("a.jpg");
    const QString b = dir.filePath("b.jpg");
    QVERIFY(WriteJpeg(a, 64, 48, kRed));
    QVERIFY(WriteJpeg(b, 64, 48, kBlue));
    PictureDecodeAhead ahead;
    QImage picture;
    QVERIFY(!ahead.Take(a, &picture));  // nothing started

    ahead.Start(a);
    QVERIFY(ahead.Take(a, &picture));
    QVERIFY(Near(Pixel(picture, 10, 10), kRed, 40));
    QVERIFY(!ahead.Take(a, &picture));  // taken once

    ahead.Start(a);
    QVERIFY(!ahead.Take(b, &picture));  // another path
    QVERIFY(!ahead.Take(a, &picture));  // and the one for `a` is gone with it

    // The file written over after the decode began: it is read anew, not taken.
    ahead.Start(a);
    QTest::qWait(50);
    QVERIFY(WriteJpeg(a, 80, 60, kGreen));
    picture = QImage();
    QVERIFY(!ahead.Take(a, &picture));
    QVERIFY(picture.isNull());

    ahead.Start(b);
    QVERIFY(QFile::remove(b));
    QVERIFY(!ahead.Take(b, &picture));
}

QTEST_MAIN(ReviewTest)
#include "review_test.moc"
