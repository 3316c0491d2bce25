// The full-screen picture viewer: its zoom, angle and rotation arithmetic, what it draws where
// (read back from the window), wheel and touch gestures, a picture that does not load, one
// claiming more pixels than kavimo opens (also refused by the thumbnails and picture reading),
// and "Exit". Set KAVIMO_TEST_SHOTS to a directory to keep the window shots as PNG files.
#include <QtTest>

#include <QBuffer>
#include <QLabel>
#include <QPainter>
#include <QPointingDevice>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <cmath>
#include <string>
#include <vector>

#include "app/pictures/bigpic.h"
#include "app/pictures/pictureio.h"
#include "app/pictures/thumbnail.h"
#include "app/pictures/viewgeometry.h"
#include "platform/debug.h"
#include "platform/paths.h"

using namespace viewgeometry;

namespace {

const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255), kYellow(255, 255, 0);
const QColor kBack(250, 250, 250);

// A w x h picture in four coloured quarters: red top left, green top right, blue bottom left,
// yellow bottom right.
QImage Quarters(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, w / 2, h / 2, kRed);
    painter.fillRect(w / 2, 0, w - w / 2, h / 2, kGreen);
    painter.fillRect(0, h / 2, w / 2, h - h / 2, kBlue);
    painter.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, kYellow);
    return image;
}

QColor Pixel(const QImage& image, QPoint p) { return image.pixelColor(p); }

QImage Shot(BigPic& viewer, const char* name) {
    const QImage shot = viewer.grab().toImage();
    const QByteArray dir = qgetenv("KAVIMO_TEST_SHOTS");
    if (!dir.isEmpty()) shot.save(QString::fromLocal8Bit(dir) + QStringLiteral("/%1.png").arg(QLatin1String(name)));
    return shot;
}

void SendWheel(QWidget* target, int delta) {
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

// A small valid JPEG whose frame header (SOFn marker `sof`) claims 60000 x 60000 pixels.
QByteArray OversizedJpeg(char sof) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    Quarters(16, 16).save(&buffer, "JPEG");
    const int at = int(jpeg.indexOf(QByteArray("\xff\xc0", 2)));
    if (at < 0) return QByteArray();
    jpeg[at + 1] = sof;
    // FF Cn, length (2), precision (1), height (2), width (2).
    for (const int field : {at + 5, at + 7}) {
        jpeg[field] = char(60000 >> 8);
        jpeg[field + 1] = char(60000 & 0xff);
    }
    return jpeg;
}

void CaptureLine(const char* text, void* context) { static_cast<std::vector<std::string>*>(context)->push_back(text); }

}  // namespace

class BigPicTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void zoomStopsAtPointTwoAndTen();
    void angleWrapsOnlyBeyondTheFullTurn();
    void wheelNotchesAddUpFractionsAndResetOnTurn();
    void rotatedBoundsOfKnownSizes();
    void drawRectIsCentredAndTruncated();
    void eraseBandsCoverOnlyTheUncoveredMargins();
    void rotatedPictureHasNoHolesAndTurnsClockwise();
    void transparentPictureLiesOnTheBackground();
    void dragTurnsThreeTimesAndIgnoresJumps();
    void pinchStepsOnlyBetweenJitterAndJumps();
    void showsThePictureCentredAtItsOwnSize();
    void wheelZoomsWithoutRebuildingAndClearsWhatItLeaves();
    void rotationRebuildsOnceAndClearsTheOldCorners();
    void oneFingerCircularDragTurnsThePicture();
    void twoFingerPinchZoomsAndLiftingAFingerDoesNotTurn();
    void moreThanTwoContactsDoNothing();
    void pictureOnTheDriveIsFoundByItsLogicalPath();
    void missingPictureShowsOnlyBackgroundAndExitStillCloses();
    void pictureClaimingTooManyPixelsIsRefusedEverywhere();
    void pictureLinkedOutOfTheWorkDirectoryIsRefusedEverywhere();
    void exitEndsTheModalRunWithOk();
    void keysAndButtonsZoomTurnMoveAndClose();

private:
    QString writePicture(const QImage& image, const QString& name = QStringLiteral("pic.png"));
    QTemporaryDir m_dir;
    QPointingDevice* m_touch = nullptr;
};

void BigPicTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_touch = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
}

QString BigPicTest::writePicture(const QImage& image, const QString& name) {
    const QString path = m_dir.filePath(name);
    if (!image.save(path)) return QString();
    return path;
}

// --- Arithmetic ------------------------------------------------------------------------------

void BigPicTest::zoomStopsAtPointTwoAndTen() {
    float scale = 1.0f;
    scale = ZoomedScale(scale, -kWheelZoomStep);
    QVERIFY(qFuzzyCompare(scale, 0.8f));
    for (int i = 1; i < 10; ++i) scale = ZoomedScale(scale, -kWheelZoomStep);
    QCOMPARE(scale, 0.2f);
    scale = 1.0f;
    for (int i = 0; i < 45; ++i) scale = ZoomedScale(scale, kWheelZoomStep);
    QVERIFY(qFuzzyCompare(scale, 10.0f));  // 9.999995 in float steps of 0.2
    scale = ZoomedScale(scale, kWheelZoomStep);
    QCOMPARE(scale, 10.0f);
    QCOMPARE(ZoomedScale(9.95f, kPinchZoomStep), 10.0f);
    QCOMPARE(ZoomedScale(2.0f, std::nanf("")), 2.0f);
    QCOMPARE(ZoomDirection(-0.1f), -1);
    QCOMPARE(ZoomDirection(0.1f), 1);
}

void BigPicTest::angleWrapsOnlyBeyondTheFullTurn() {
    QCOMPARE(TurnedAngle(0, kFullTurn), kFullTurn);  // reaching the full turn exactly stays there
    const double beyond = TurnedAngle(kFullTurn, 0.01);
    QVERIFY(beyond > 0 && beyond < 0.0100001);
    QVERIFY(qFuzzyCompare(TurnedAngle(0.1, -0.3), kFullTurn - 0.2));
    QCOMPARE(TurnedAngle(1.0, std::nan("")), 1.0);
    QCOMPARE(TurnedAngle(1.0, HUGE_VAL), 1.0);
    const double far = TurnedAngle(0, 1e12);  // ends, and ends within the range
    QVERIFY(far >= 0 && far <= kFullTurn);
}

void BigPicTest::wheelNotchesAddUpFractionsAndResetOnTurn() {
    int pending = 0;
    QCOMPARE(WheelNotches(&pending, 120), 1);
    QCOMPARE(WheelNotches(&pending, -120), -1);
    QCOMPARE(WheelNotches(&pending, 60), 0);
    QCOMPARE(WheelNotches(&pending, 60), 1);
    QCOMPARE(WheelNotches(&pending, 90), 0);
    QCOMPARE(WheelNotches(&pending, -120), -1);  // the half notch the other way is dropped
    QCOMPARE(pending, 0);
    QCOMPARE(WheelNotches(&pending, 240), 2);
    QCOMPARE(WheelNotches(&pending, 0), 0);
}

void BigPicTest::rotatedBoundsOfKnownSizes() {
    RotatedBounds b = ComputeRotatedBounds(200, 100, 0);
    QCOMPARE(b.size, QSize(200, 100));
    QCOMPARE(b.origin, QPoint(0, 0));
    // 100 x 50 at 0.5 rad: the corners go to x 18, 104, -5, 81 and y -20, 26, 22, 69 (each
    // truncated toward zero, so -5.39 gives -5 and -20.91 gives -20).
    b = ComputeRotatedBounds(100, 50, 0.5);
    QCOMPARE(b.size, QSize(110, 90));
    QCOMPARE(b.origin, QPoint(5, 20));
    QCOMPARE(ComputeRotatedBounds(0, 50, 0.5).size, QSize());
}

void BigPicTest::drawRectIsCentredAndTruncated() {
    QCOMPARE(ComputeDrawRect(QPoint(400, 300), QSize(110, 90), 1.5f), QRect(318, 233, 165, 135));
    // 201 * 0.2 = 40.2 and 99 * 0.2 = 19.8 truncate to 40 and 19.
    QCOMPARE(ComputeDrawRect(QPoint(400, 300), QSize(201, 99), 0.2f), QRect(380, 291, 40, 19));
    QCOMPARE(ComputeDrawRect(QPoint(400, 300), QSize(200, 100), 10.0f), QRect(-600, -200, 2000, 1000));
}

void BigPicTest::eraseBandsCoverOnlyTheUncoveredMargins() {
    const QRect previous(300, 250, 200, 100);
    QCOMPARE(EraseBands(previous, QSize(160, 80)),
             (QVector<QRect>{QRect(300, 250, 200, 12), QRect(300, 250, 22, 100), QRect(300, 340, 200, 12),
                             QRect(480, 250, 22, 100)}));
    // Narrower but taller (a quarter turn): only the side bands.
    QCOMPARE(EraseBands(previous, QSize(100, 200)),
             (QVector<QRect>{QRect(300, 250, 52, 100), QRect(450, 250, 52, 100)}));
    // The same size: the two-pixel seams under the new picture.
    QCOMPARE(EraseBands(previous, previous.size()).size(), 4);
}

void BigPicTest::rotatedPictureHasNoHolesAndTurnsClockwise() {
    QImage red(300, 200, QImage::Format_RGB32);
    red.fill(kRed);
    const QImage turned = RotatePicture(red, 0.3);
    QCOMPARE(turned.size(), ComputeRotatedBounds(300, 200, 0.3).size);
    QCOMPARE(turned.format(), QImage::Format_RGB32);
    // Inside the turned rectangle every pixel is red: the holes of the forward mapping are filled.
    const QPoint mid(turned.width() / 2, turned.height() / 2);
    int holes = 0;
    for (int y = mid.y() - 70; y <= mid.y() + 70; ++y) {
        for (int x = mid.x() - 110; x <= mid.x() + 110; ++x) holes += turned.pixel(x, y) != kRed.rgb();
    }
    QCOMPARE(holes, 0);
    QCOMPARE(turned.pixel(0, 0), kBack.rgb());  // the corners outside the turned picture
    QCOMPARE(turned.pixel(turned.width() - 1, turned.height() - 1), kBack.rgb());

    // A quarter turn: top left goes to the top right, and so on round, clockwise on the screen.
    const QImage quarter = RotatePicture(Quarters(200, 100), M_PI / 2);
    QVERIFY(qAbs(quarter.width() - 100) <= 1 && qAbs(quarter.height() - 200) <= 1);
    QCOMPARE(Pixel(quarter, QPoint(75, 50)), kRed);
    QCOMPARE(Pixel(quarter, QPoint(75, 150)), kGreen);
    QCOMPARE(Pixel(quarter, QPoint(25, 50)), kBlue);
    QCOMPARE(Pixel(quarter, QPoint(25, 150)), kYellow);

    // Angle 0 is the picture itself; a background-grey pixel of the picture keeps its colour.
    QImage grey = Quarters(20, 10);
    grey.setPixelColor(3, 3, kBack);
    const QImage same = RotatePicture(grey, 0);
    QCOMPARE(same, grey);
    QVERIFY(RotatePicture(QImage(), 1.0).isNull());
}

void BigPicTest::transparentPictureLiesOnTheBackground() {
    QImage glass(40, 20, QImage::Format_ARGB32);
    glass.fill(Qt::transparent);
    glass.setPixelColor(10, 10, kBlue);
    const QImage opaque = OpaquePicture(glass);
    QCOMPARE(opaque.format(), QImage::Format_RGB32);
    QCOMPARE(Pixel(opaque, QPoint(0, 0)), kBack);
    QCOMPARE(Pixel(opaque, QPoint(10, 10)), kBlue);
}

void BigPicTest::dragTurnsThreeTimesAndIgnoresJumps() {
    const QPoint c(400, 300);
    QVERIFY(qFuzzyCompare(DragTurn(c, QPoint(600, 300), QPoint(600, 320)), 3 * std::atan(0.1)));
    QVERIFY(qFuzzyCompare(DragTurn(c, QPoint(600, 300), QPoint(600, 340)),
                          3 * std::atan(0.2)));                      // 0.197
    QCOMPARE(DragTurn(c, QPoint(600, 300), QPoint(600, 341)), 0.0);  // atan(0.205) = 0.2022: a jump
    QVERIFY(DragTurn(c, QPoint(600, 300), QPoint(600, 280)) < 0);
    QCOMPARE(DragTurn(c, QPoint(600, 320), QPoint(600, 320)), 0.0);
    QCOMPARE(DragTurn(c, QPoint(600, 300), c), 0.0);  // a contact on the centre has no angle
    // Passing the vertical through the centre flips atan by about pi: a jump, not a turn.
    QCOMPARE(DragTurn(c, QPoint(401, 100), QPoint(399, 100)), 0.0);
    // Opposite sides of the centre on one line have the same angle.
    QCOMPARE(ContactAngle(c, QPoint(500, 400)), ContactAngle(c, QPoint(300, 200)));
}

void BigPicTest::pinchStepsOnlyBetweenJitterAndJumps() {
    const QPoint a(300, 300), b(500, 300);  // 200 apart
    auto step = [&](int now) { return PinchZoomStep(a, b, QPoint(300, 300), QPoint(300 + now, 300)); };
    QCOMPARE(step(210), kPinchZoomStep);
    QCOMPARE(step(203), kPinchZoomStep);
    QCOMPARE(step(202), 0.0f);
    QCOMPARE(step(198), 0.0f);
    QCOMPARE(step(197), -kPinchZoomStep);
    QCOMPARE(step(249), kPinchZoomStep);
    QCOMPARE(step(250), 0.0f);
    QCOMPARE(step(151), -kPinchZoomStep);
    QCOMPARE(step(150), 0.0f);
    // Distances are truncated: 5 before, 8.49 -> 8 now is +3; 7.07 -> 7 is only +2.
    QCOMPARE(PinchZoomStep(QPoint(0, 0), QPoint(3, 4), QPoint(0, 0), QPoint(6, 6)), kPinchZoomStep);
    QCOMPARE(PinchZoomStep(QPoint(0, 0), QPoint(3, 4), QPoint(0, 0), QPoint(5, 5)), 0.0f);
}

// --- The window ------------------------------------------------------------------------------

void BigPicTest::showsThePictureCentredAtItsOwnSize() {
    BigPic viewer;
    viewer.SetPicturePath(writePicture(Quarters(200, 100)));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QVERIFY(viewer.HasPicture());
    QCOMPARE(viewer.geometry(), QGuiApplication::primaryScreen()->geometry());
    const QPoint c(viewer.width() / 2, viewer.height() / 2);

    const QImage shot = Shot(viewer, "scale1");
    QCOMPARE(viewer.DrawRect(), QRect(c.x() - 100, c.y() - 50, 200, 100));
    QCOMPARE(viewer.RotateState(), 0);
    QCOMPARE(viewer.ViewImage().size(), QSize(200, 100));
    QCOMPARE(Pixel(shot, c + QPoint(-50, -25)), kRed);
    QCOMPARE(Pixel(shot, c + QPoint(50, -25)), kGreen);
    QCOMPARE(Pixel(shot, c + QPoint(-50, 25)), kBlue);
    QCOMPARE(Pixel(shot, c + QPoint(50, 25)), kYellow);
    QCOMPARE(Pixel(shot, c + QPoint(-102, 0)), kBack);
    QCOMPARE(Pixel(shot, QPoint(5, 5)), kBack);

    auto* exit = viewer.findChild<QPushButton*>(QStringLiteral("IdOK"));
    QVERIFY(exit);
    QCOMPARE(exit->text(), QStringLiteral("Exit"));
    QVERIFY(exit->isDefault());
    QCOMPARE(exit->geometry(), QRect(viewer.width() - 160, viewer.height() - 60, 150, 50));
    QVERIFY(qAbs(QFontMetrics(exit->font()).height() - 32) <= 1);
    auto* frame = viewer.findChild<QWidget*>(QStringLiteral("IdFrame"));
    QVERIFY(frame && !frame->isVisible());
    const int h = viewer.height();
    QCOMPARE(frame->geometry(), QRect((viewer.width() - 4 * h / 3) / 2, 0, 4 * h / 3, h));
}

void BigPicTest::wheelZoomsWithoutRebuildingAndClearsWhatItLeaves() {
    BigPic viewer;
    viewer.SetPicturePath(writePicture(Quarters(200, 100)));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    const QPoint c(viewer.width() / 2, viewer.height() / 2);
    Shot(viewer, "before-zoom");
    const qint64 view = viewer.ViewImage().cacheKey();

    for (int i = 0; i < 5; ++i) SendWheel(&viewer, 120);
    QVERIFY(qFuzzyCompare(viewer.Scale(), 2.0f));
    QCOMPARE(viewer.ZoomDir(), 1);
    QCOMPARE(viewer.DrawRect(), QRect(c.x() - 200, c.y() - 100, 400, 200));
    QImage shot = Shot(viewer, "scale2");
    QCOMPARE(Pixel(shot, c + QPoint(-190, -90)), kRed);
    QCOMPARE(Pixel(shot, c + QPoint(190, 90)), kYellow);

    SendWheel(&viewer, -60);  // half a notch does nothing yet
    QVERIFY(qFuzzyCompare(viewer.Scale(), 2.0f));
    SendWheel(&viewer, -60);
    QVERIFY(qFuzzyCompare(viewer.Scale(), 1.8f));
    for (int i = 0; i < 4; ++i) SendWheel(&viewer, -120);
    QVERIFY(qFuzzyCompare(viewer.Scale(), 1.0f));
    QCOMPARE(viewer.ZoomDir(), -1);
    shot = Shot(viewer, "scale2-then-1");
    // What the larger picture covered outside the smaller one is background again.
    QCOMPARE(Pixel(shot, c + QPoint(-190, -90)), kBack);
    QCOMPARE(Pixel(shot, c + QPoint(190, 90)), kBack);
    QCOMPARE(Pixel(shot, c + QPoint(-50, -25)), kRed);

    for (int i = 0; i < 10; ++i) SendWheel(&viewer, -120);
    QCOMPARE(viewer.Scale(), 0.2f);
    QCOMPARE(viewer.DrawRect(), QRect(c.x() - 20, c.y() - 10, 40, 20));
    shot = Shot(viewer, "scale0.2");
    QCOMPARE(Pixel(shot, c + QPoint(-30, 0)), kBack);
    QCOMPARE(Pixel(shot, c + QPoint(-10, -5)), kRed);
    for (int i = 0; i < 50; ++i) SendWheel(&viewer, 120);
    QCOMPARE(viewer.Scale(), 10.0f);
    shot = Shot(viewer, "scale10");
    QCOMPARE(Pixel(shot, QPoint(0, 0)), kRed);  // 2000 x 1000 about the centre covers the window
    QCOMPARE(Pixel(shot, QPoint(viewer.width() - 1, viewer.height() - 1)), kYellow);
    // Zoom steps only stretch the turned picture; it was built once.
    QCOMPARE(viewer.ViewImage().cacheKey(), view);
}

void BigPicTest::rotationRebuildsOnceAndClearsTheOldCorners() {
    BigPic viewer;
    viewer.SetPicturePath(writePicture(Quarters(200, 100)));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    const QPoint c(viewer.width() / 2, viewer.height() / 2);
    QCOMPARE(Pixel(Shot(viewer, "turn0"), c + QPoint(90, 40)), kYellow);

    viewer.Rotate(M_PI / 2);
    QCOMPARE(viewer.Angle(), M_PI / 2);
    QCOMPARE(viewer.RotateState(), 0);
    const QSize turned = viewer.ViewImage().size();
    QVERIFY(qAbs(turned.width() - 100) <= 1 && qAbs(turned.height() - 200) <= 1);
    QCOMPARE(viewer.DrawRect(),
             QRect(c.x() - turned.width() / 2, c.y() - turned.height() / 2, turned.width(), turned.height()));
    const QImage shot = Shot(viewer, "turn90");
    QCOMPARE(Pixel(shot, c + QPoint(25, -50)), kRed);
    QCOMPARE(Pixel(shot, c + QPoint(25, 50)), kGreen);
    QCOMPARE(Pixel(shot, c + QPoint(-25, -50)), kBlue);
    QCOMPARE(Pixel(shot, c + QPoint(-25, 50)), kYellow);
    // The narrower picture cleared the ends of the wide one.
    QCOMPARE(Pixel(shot, c + QPoint(90, 40)), kBack);
    QCOMPARE(Pixel(shot, c + QPoint(-90, -40)), kBack);

    // A turn by nothing does not rebuild; a zoom does not either.
    const qint64 view = viewer.ViewImage().cacheKey();
    viewer.Rotate(0);
    viewer.Zoom(0.2f);
    QCOMPARE(viewer.ViewImage().cacheKey(), view);
    viewer.Rotate(0.5);
    QVERIFY(viewer.ViewImage().cacheKey() != view);
    QVERIFY(qFuzzyCompare(viewer.Angle(), M_PI / 2 + 0.5));
    QCOMPARE(viewer.ViewImage().size(), ComputeRotatedBounds(200, 100, M_PI / 2 + 0.5).size);
    Shot(viewer, "turn118-scale1.2");

    // Back to angle 0: the picture as it is, at the current scale.
    viewer.Rotate(-(M_PI / 2 + 0.5));
    QCOMPARE(viewer.Angle(), 0.0);
    QCOMPARE(viewer.ViewImage().size(), QSize(200, 100));
    QCOMPARE(viewer.DrawRect(), ComputeDrawRect(c, QSize(200, 100), viewer.Scale()));
}

void BigPicTest::oneFingerCircularDragTurnsThePicture() {
    BigPic viewer;
    viewer.SetPicturePath(writePicture(Quarters(200, 100)));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    const QPoint c(viewer.width() / 2, viewer.height() / 2);
    QTest::QTouchEventWidgetSequence touch = QTest::touchEvent(&viewer, m_touch, false);

    touch.press(0, c + QPoint(200, 0)).commit();
    QCOMPARE(viewer.Angle(), 0.0);
    touch.move(0, c + QPoint(200, 20)).commit();
    const double first = 3 * std::atan(0.1);
    QVERIFY(qFuzzyCompare(viewer.Angle(), first));
    QCOMPARE(viewer.ViewImage().size(), ComputeRotatedBounds(200, 100, first).size);
    touch.move(0, c + QPoint(200, 100)).commit();  // a jump of 0.36 rad: no turn
    QVERIFY(qFuzzyCompare(viewer.Angle(), first));
    touch.move(0, c + QPoint(200, 80)).commit();  // from the jump's end: atan(0.4) - atan(0.5)
    const double second = first + 3 * (std::atan(0.4) - std::atan(0.5));
    QVERIFY(qFuzzyCompare(viewer.Angle(), second));
    touch.release(0, c + QPoint(200, 80)).commit();

    // A new touch-down only records the place; turning back below 0 wraps near the full turn.
    touch.press(0, c + QPoint(200, 0)).commit();
    QVERIFY(qFuzzyCompare(viewer.Angle(), second));
    touch.move(0, c + QPoint(200, -40)).commit();
    const double wrapped = second + 3 * std::atan(-0.2) + kFullTurn;
    QVERIFY(second + 3 * std::atan(-0.2) < 0);
    QVERIFY(qFuzzyCompare(viewer.Angle(), wrapped));
    touch.move(0, c).commit();  // on the centre: no angle, no turn
    QVERIFY(qFuzzyCompare(viewer.Angle(), wrapped));
    touch.release(0, c).commit();
    Shot(viewer, "touch-turn");
    QCOMPARE(viewer.Scale(), 1.0f);
}

void BigPicTest::twoFingerPinchZoomsAndLiftingAFingerDoesNotTurn() {
    BigPic viewer;
    viewer.SetPicturePath(writePicture(Quarters(200, 100)));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    const QPoint c(viewer.width() / 2, viewer.height() / 2);
    auto at = [c](int dx) { return c + QPoint(dx, 0); };
    QTest::QTouchEventWidgetSequence touch = QTest::touchEvent(&viewer, m_touch, false);

    touch.press(0, at(-100)).commit();
    touch.stationary(0).press(1, at(100)).commit();  // the second finger landing does not zoom
    QCOMPARE(viewer.Scale(), 1.0f);
    touch.move(0, at(-105)).move(1, at(105)).commit();  // 200 -> 210
    QVERIFY(qFuzzyCompare(viewer.Scale(), 1.1f));
    QCOMPARE(viewer.ZoomDir(), 1);
    touch.move(0, at(-106)).move(1, at(106)).commit();  // +2: jitter
    QVERIFY(qFuzzyCompare(viewer.Scale(), 1.1f));
    touch.stationary(0).move(1, at(130)).commit();  // +24 with one finger still
    QVERIFY(qFuzzyCompare(viewer.Scale(), 1.2f));
    touch.move(0, at(-160)).move(1, at(160)).commit();  // +84: a jump
    QVERIFY(qFuzzyCompare(viewer.Scale(), 1.2f));
    touch.move(0, at(-150)).move(1, at(150)).commit();  // -20
    QVERIFY(qFuzzyCompare(viewer.Scale(), 1.1f));
    QCOMPARE(viewer.ZoomDir(), -1);
    QCOMPARE(viewer.Angle(), 0.0);

    // The first finger lifts; the other one moving a little round the centre is not a turn.
    touch.release(0, at(-150)).stationary(1).commit();
    touch.move(1, c + QPoint(150, 10)).commit();
    QCOMPARE(viewer.Angle(), 0.0);
    // Its next move is: it is the finger being followed now.
    touch.move(1, c + QPoint(150, 20)).commit();
    QVERIFY(qFuzzyCompare(viewer.Angle(), 3 * (std::atan(20.0 / 150) - std::atan(10.0 / 150))));
    touch.release(1, c + QPoint(150, 20)).commit();
    QVERIFY(qFuzzyCompare(viewer.Scale(), 1.1f));
}

void BigPicTest::moreThanTwoContactsDoNothing() {
    BigPic viewer;
    viewer.SetPicturePath(writePicture(Quarters(200, 100)));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    const QPoint c(viewer.width() / 2, viewer.height() / 2);
    QTest::QTouchEventWidgetSequence touch = QTest::touchEvent(&viewer, m_touch, false);
    for (int n : {3, 9}) {
        for (int i = 0; i < n; ++i) touch.press(i, c + QPoint(-200 + 40 * i, 50));
        touch.commit();
        for (int step = 1; step <= 3; ++step) {
            for (int i = 0; i < n; ++i) touch.move(i, c + QPoint((-200 + 40 * i) * (10 + step) / 10, 50 + step));
            touch.commit();
        }
        for (int i = 0; i < n; ++i) touch.release(i, c + QPoint((-200 + 40 * i) * 13 / 10, 53));
        touch.commit();
        QCOMPARE(viewer.Scale(), 1.0f);
        QCOMPARE(viewer.Angle(), 0.0);
    }
}

void BigPicTest::pictureOnTheDriveIsFoundByItsLogicalPath() {
    QTemporaryDir drive;
    QVERIFY(QDir().mkpath(drive.filePath(QStringLiteral("DentalWorkDir/UID20170801102233"))));
    QVERIFY(Quarters(64, 48).save(drive.filePath(QStringLiteral("DentalWorkDir/UID20170801102233/20170801103000.jpg")),
                                  "JPG", 95));
    platform::SetDriveRoot(drive.path().toStdString());
    BigPic viewer;
    viewer.SetPicturePath(QStringLiteral("d:\\DentalWorkDir\\UID20170801102233\\20170801103000.jpg"));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    platform::SetDriveRoot("");
    QVERIFY(viewer.HasPicture());
    QCOMPARE(viewer.ViewImage().size(), QSize(64, 48));
}

void BigPicTest::missingPictureShowsOnlyBackgroundAndExitStillCloses() {
    std::vector<std::string> lines;
    const auto previous = platform::SetDebugSink(&CaptureLine, &lines);
    const QString corrupt = m_dir.filePath(QStringLiteral("corrupt.jpg"));
    {
        QFile file(corrupt);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xff\xd8\xff\xe0 not really a picture");
    }
    for (const QString& path :
         {m_dir.filePath(QStringLiteral("absent.jpg")), corrupt, QStringLiteral("d:\\..\\outside.jpg")}) {
        BigPic viewer;
        viewer.SetPicturePath(path);
        int painted = -1;
        QTimer::singleShot(0, &viewer, [&viewer, &painted] {
            viewer.Zoom(0.2f);
            viewer.Rotate(1.0);
            const QImage shot = viewer.grab().toImage();
            painted = 0;  // pixels other than background, above the buttons and the hint
            for (int y = 0; y < shot.height() - 70; y += 7)
                for (int x = 0; x < shot.width() - 170; x += 7) painted += shot.pixelColor(x, y) != kBack;
            viewer.findChild<QPushButton*>(QStringLiteral("IdOK"))->click();
        });
        QCOMPARE(viewer.exec(), int(QDialog::Accepted));
        QCOMPARE(painted, 0);
        QVERIFY(!viewer.HasPicture());
        QVERIFY(viewer.ViewImage().isNull());
    }
    platform::SetDebugSink(previous, nullptr);
    QCOMPARE(lines.size(), size_t(3));
    QVERIFY(QString::fromStdString(lines[0]).startsWith(QStringLiteral("BigPic: cannot show ")));

    // No path at all: nothing drawn either.
    BigPic empty;
    empty.show();
    QVERIFY(QTest::qWaitForWindowExposed(&empty));
    QCOMPARE(Pixel(empty.grab().toImage(), QPoint(empty.width() / 2, empty.height() / 2)), kBack);
}

void BigPicTest::pictureClaimingTooManyPixelsIsRefusedEverywhere() {
    const QString reason = QStringLiteral("the picture claims 60000 \u00d7 60000 pixels, more than kavimo opens");
    const QString path = m_dir.filePath(QStringLiteral("bomb.jpg"));
    for (const char sof : {char(0xc0), char(0xc1)}) {
        {
            const QByteArray bomb = OversizedJpeg(sof);
            QVERIFY(!bomb.isEmpty());
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(bomb), bomb.size());
        }
        QString error;
        QVERIFY(ReadPictureFile(path, &error).isNull());
        QCOMPARE(error, reason);
        QRect placement(1, 1, 1, 1);
        QVERIFY(LoadPlacedPicture(path, QSize(160, 120), &placement).isNull());
        QVERIFY(placement.isNull());

        std::vector<std::string> lines;
        const auto previous = platform::SetDebugSink(&CaptureLine, &lines);
        BigPic viewer;
        viewer.SetPicturePath(path);
        QTimer::singleShot(0, &viewer, [&viewer] { viewer.findChild<QPushButton*>(QStringLiteral("IdOK"))->click(); });
        QCOMPARE(viewer.exec(), int(QDialog::Accepted));
        platform::SetDebugSink(previous, nullptr);
        QVERIFY(!viewer.HasPicture());
        bool told = false;
        for (const std::string& line : lines) told = told || QString::fromStdString(line).contains(reason);
        QVERIFY(told);
    }
}

void BigPicTest::pictureLinkedOutOfTheWorkDirectoryIsRefusedEverywhere() {
    // A link planted in a patient's folder to a picture elsewhere, and one to a picture of the
    // work directory itself: only the second is read.
    QTemporaryDir drive;
    const QString patient = drive.filePath(QStringLiteral("DentalWorkDir/UID20170801102233"));
    QVERIFY(QDir().mkpath(patient));
    QVERIFY(Quarters(64, 48).save(drive.filePath(QStringLiteral("private.jpg")), "JPG", 95));
    QVERIFY(Quarters(32, 24).save(patient + QStringLiteral("/20170801103000.jpg"), "JPG", 95));
    QVERIFY(
        QFile::link(drive.filePath(QStringLiteral("private.jpg")), patient + QStringLiteral("/20170801104000.jpg")));
    QVERIFY(
        QFile::link(patient + QStringLiteral("/20170801103000.jpg"), patient + QStringLiteral("/20170801105000.jpg")));
    platform::SetDriveRoot(drive.path().toStdString());
    const QString outside = QStringLiteral("d:\\DentalWorkDir\\UID20170801102233\\20170801104000.jpg");
    const QString inside = QStringLiteral("d:\\DentalWorkDir\\UID20170801102233\\20170801105000.jpg");

    std::vector<std::string> lines;
    const auto previous = platform::SetDebugSink(&CaptureLine, &lines);
    QString error;
    QVERIFY(ReadPictureFile(HostPathOf(outside), &error).isNull());
    QVERIFY2(error.contains(QStringLiteral("outside the work directory")), qPrintable(error));
    QRect placement;
    QVERIFY(LoadPlacedPicture(HostPathOf(outside), QSize(160, 120), &placement).isNull());
    BigPic viewer;
    viewer.SetPicturePath(outside);
    QTimer::singleShot(0, &viewer, [&viewer] { viewer.findChild<QPushButton*>(QStringLiteral("IdOK"))->click(); });
    QCOMPARE(viewer.exec(), int(QDialog::Accepted));
    platform::SetDebugSink(previous, nullptr);
    QVERIFY(!viewer.HasPicture());
    QVERIFY(!lines.empty());

    QCOMPARE(ReadPictureFile(HostPathOf(inside), &error).size(), QSize(32, 24));
    QVERIFY(!LoadPlacedPicture(HostPathOf(inside), QSize(160, 120), &placement).isNull());
    platform::SetDriveRoot("");
}

void BigPicTest::exitEndsTheModalRunWithOk() {
    BigPic viewer;
    viewer.SetPicturePath(writePicture(Quarters(200, 100)));
    bool shownFull = false;
    QTimer::singleShot(0, &viewer, [&] {
        shownFull = viewer.isVisible() && viewer.geometry() == QGuiApplication::primaryScreen()->geometry();
        QTest::mouseClick(viewer.findChild<QPushButton*>(QStringLiteral("IdOK")), Qt::LeftButton);
    });
    QCOMPARE(viewer.exec(), int(QDialog::Accepted));
    QVERIFY(shownFull);
    QVERIFY(!viewer.isVisible());

    // A tap on "Exit" on the touch screen closes the viewer too.
    BigPic tapped;
    tapped.SetPicturePath(viewer.PicturePath());
    QTimer::singleShot(0, &tapped, [&tapped, this] {
        const QPoint onExit = tapped.findChild<QPushButton*>(QStringLiteral("IdOK"))->geometry().center();
        QTest::touchEvent(&tapped, m_touch).press(0, onExit);
        QTest::touchEvent(&tapped, m_touch).release(0, onExit);
    });
    QTimer::singleShot(5000, &tapped, &QDialog::reject);  // the tap went nowhere
    QCOMPARE(tapped.exec(), int(QDialog::Accepted));

    // Enter presses the default button "Exit".
    BigPic again;
    again.SetPicturePath(viewer.PicturePath());
    QTimer::singleShot(0, &again, [&again] { QTest::keyClick(&again, Qt::Key_Return); });
    QCOMPARE(again.exec(), int(QDialog::Accepted));
}

void BigPicTest::keysAndButtonsZoomTurnMoveAndClose() {
    BigPic viewer;
    viewer.SetPicturePath(writePicture(Quarters(200, 100)));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    const QPoint c(viewer.width() / 2, viewer.height() / 2);
    for (int i = 0; i < 5; ++i) QTest::keyClick(&viewer, Qt::Key_Plus);
    QVERIFY(qFuzzyCompare(viewer.Scale(), 2.0f));
    QTest::keyClick(&viewer, Qt::Key_Minus);
    QVERIFY(qFuzzyCompare(viewer.Scale(), 1.8f));
    QTest::keyClick(&viewer, Qt::Key_R);
    QVERIFY(qAbs(viewer.Angle() - M_PI / 2) < 1e-6);
    QTest::keyClick(&viewer, Qt::Key_R, Qt::ShiftModifier);
    QVERIFY(qAbs(viewer.Angle()) < 1e-6);

    // An arrow moves the picture a tenth of the window; where it was is background again.
    QTest::keyClick(&viewer, Qt::Key_0);
    QCOMPARE(viewer.DrawRect(), QRect(c.x() - 100, c.y() - 50, 200, 100));
    QTest::keyClick(&viewer, Qt::Key_Right);
    QCOMPARE(viewer.PanOffset(), QPoint(viewer.width() / 10, 0));
    QImage shot = Shot(viewer, "panned");
    QCOMPARE(Pixel(shot, c + QPoint(-90, -40)), kBack);
    QCOMPARE(Pixel(shot, c + QPoint(viewer.width() / 10 - 90, -40)), kRed);
    // Moving never loses the picture off the screen.
    for (int i = 0; i < 20; ++i) QTest::keyClick(&viewer, Qt::Key_Down);
    QCOMPARE(viewer.PanOffset().y(), viewer.height() / 2);
    QTest::keyClick(&viewer, Qt::Key_0);
    QCOMPARE(viewer.PanOffset(), QPoint());
    shot = Shot(viewer, "reset");
    QCOMPARE(Pixel(shot, c + QPoint(-90, -40)), kRed);

    // The turn buttons turn a quarter; they leave the keys with the viewer.
    auto* right = viewer.findChild<QPushButton*>(QStringLiteral("TurnRight"));
    auto* left = viewer.findChild<QPushButton*>(QStringLiteral("TurnLeft"));
    QVERIFY(right && left && right->isVisible());
    right->click();
    QVERIFY(qAbs(viewer.Angle() - M_PI / 2) < 1e-6);
    QVERIFY(qAbs(viewer.DrawRect().width() - 100) <= 1 && viewer.DrawRect().height() == 200);
    left->click();
    left->click();
    QVERIFY(qAbs(viewer.Angle() - 3 * M_PI / 2) < 1e-6);
    QVERIFY(!viewer.findChild<QLabel*>(QStringLiteral("Hint"))->text().isEmpty());
    viewer.hide();

    // Esc closes the viewer.
    BigPic closing;
    closing.SetPicturePath(viewer.PicturePath());
    QTimer::singleShot(0, &closing, [&closing] { QTest::keyClick(&closing, Qt::Key_Escape); });
    QTimer::singleShot(5000, &closing, &QDialog::accept);  // the key went nowhere
    QCOMPARE(closing.exec(), int(QDialog::Rejected));
}

QTEST_MAIN(BigPicTest)
#include "bigpic_test.moc"
