#include "app/pictures/bigpic.h"

#include <QFrame>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTouchEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "app/pictures/pictureio.h"
#include "app/pictures/viewgeometry.h"
#include "app/widgets/translation.h"
#include "app/widgets/uifont.h"
#include "platform/debug.h"
#include "platform/paths.h"

using namespace viewgeometry;

namespace {

constexpr int kMaxContacts = 8;  // contacts read from one touch event
constexpr double kQuarterTurn = 1.5707963267948966;
constexpr int kPanSteps = 10;  // an arrow key moves the picture a tenth of the window
const QColor kViewerBackground(kFillLevel, kFillLevel, kFillLevel);

// A contact still on the screen that was already there before this event.
bool IsMove(const QEventPoint& point) {
    return point.state() == QEventPoint::Updated || point.state() == QEventPoint::Stationary;
}

}  // namespace

BigPic::BigPic(QWidget* parent) : QDialog(parent), m_hbrBack(kViewerBackground) {
    setObjectName(QStringLiteral("BigPic"));
    setWindowFlag(Qt::FramelessWindowHint, true);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);  // the canvas covers the whole window
    QPalette palette = this->palette();
    palette.setBrush(QPalette::Window, m_hbrBack);
    setPalette(palette);

    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("IdFrame"));
    m_frame->hide();

    m_btnExit = new QPushButton(Ui::tr("Exit"), this);
    m_btnExit->setObjectName(QStringLiteral("IdOK"));
    m_btnExit->setDefault(true);
    connect(m_btnExit, &QPushButton::clicked, this, &QDialog::accept);

    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("BigPicCaption"));
    m_caption->setTextFormat(Qt::PlainText);
    m_caption->setStyleSheet(QStringLiteral("QLabel { background: rgba(0, 0, 0, 160); color: white; padding: 6px; }"));
    m_caption->setFont(CellHeightFont(QStringLiteral("Arial"), 28, kWeightBold));
    m_caption->move(16, 16);
    m_caption->hide();

    // A quarter turn either way; the buttons never take the focus from the viewer's keys.
    m_btnTurnLeft = new QPushButton(QStringLiteral("⟲"), this);
    m_btnTurnLeft->setObjectName(QStringLiteral("TurnLeft"));
    m_btnTurnLeft->setToolTip(Ui::tr("Turn a quarter to the left (Shift+R)"));
    m_btnTurnRight = new QPushButton(QStringLiteral("⟳"), this);
    m_btnTurnRight->setObjectName(QStringLiteral("TurnRight"));
    m_btnTurnRight->setToolTip(Ui::tr("Turn a quarter to the right (R)"));
    for (QPushButton* turn : {m_btnTurnLeft, m_btnTurnRight}) {
        turn->setFocusPolicy(Qt::NoFocus);
        turn->setAutoDefault(false);
    }
    connect(m_btnTurnLeft, &QPushButton::clicked, this, [this] { Rotate(-kQuarterTurn); });
    connect(m_btnTurnRight, &QPushButton::clicked, this, [this] { Rotate(kQuarterTurn); });

    m_hint = new QLabel(Ui::tr("+ / − zoom   0 as it came   R turn   arrows move   Esc close"), this);
    m_hint->setObjectName(QStringLiteral("Hint"));
    m_hint->setStyleSheet(QStringLiteral("color: white;"));
}

void BigPic::SetCaption(const QString& caption) {
    m_caption->setText(caption);
    m_caption->adjustSize();
    m_caption->setVisible(!caption.isEmpty());
}

QString BigPic::Caption() const { return m_caption->text(); }

void BigPic::setVisible(bool visible) {
    if (visible && !m_bInitialised) InitDialog();
    QDialog::setVisible(visible);
}

void BigPic::InitDialog() {
    m_bInitialised = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
    setWindowState(windowState() | Qt::WindowFullScreen);
    m_fontExit = CellHeightFont(QStringLiteral("Arial"), 32, kWeightNormal);
    m_btnExit->setFont(m_fontExit);
    // The client size sets the centre, the frame and the place of "Exit" (resizeEvent).
    m_rcDraw = m_rcPrevDraw = QRect(0, 0, 10, 10);
    m_nZoomDir = 0;
    m_fScale = 1.0f;
    m_dAngle = 0;
    m_szRotated = QSize(0, 0);
    m_nRotateState = 1;  // the first drawing builds m_imgView
    LoadPicture();
}

void BigPic::LoadPicture() {
    m_imgSource = QImage();
    if (m_strPath.isEmpty()) return;
    const std::string path = m_strPath.toStdString();
    const QString host = platform::HasDriveLetter(path) ? QString::fromStdString(platform::HostPath(path)) : m_strPath;
    QString reason = Ui::tr("not on the d: drive");
    const QString file = host.isEmpty() ? host : PictureFileToOpen(host, &reason);
    if (!file.isEmpty()) {
        QImageReader reader(file);
        reader.setAutoTransform(false);
        if (CheckPictureSize(reader, &reason)) {
            const QImage picture = reader.read();
            if (!picture.isNull()) {
                m_imgSource = OpaquePicture(picture);
                if (!m_imgSource.isNull()) return;
                reason = Ui::tr("not enough memory");
            } else {
                reason = reader.errorString();
            }
        }
    }
    // The window shows only the background and "Exit".
    platform::DebugWarning("BigPic: cannot show %s: %s\n", path.c_str(), reason.toUtf8().constData());
}

void BigPic::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const int w = width();
    const int h = height();
    m_ptCentre = QPoint(w / 2, h / 2);
    m_frame->setGeometry((w - 4 * h / 3) / 2, 0, 4 * h / 3, h);
    m_btnExit->setGeometry(w - 160, h - 60, 150, 50);
    m_btnTurnRight->setGeometry(w - 220, h - 60, 50, 50);
    m_btnTurnLeft->setGeometry(w - 280, h - 60, 50, 50);
    m_hint->setGeometry(10, h - 40, std::max(0, w - 300), 30);
    // The canvas is made anew at the next drawing, with the picture about the new centre.
}

bool BigPic::EnsureCanvas() {
    if (size().isEmpty()) return false;
    if (m_canvas.size() == size()) return true;
    m_canvas = QImage(size(), QImage::Format_RGB32);
    if (m_canvas.isNull()) return false;
    m_canvas.fill(kViewerBackground);
    return true;
}

void BigPic::RebuildView() {
    m_imgView = QImage();  // let the old picture go before the new one is made
    const RotatedBounds bounds = ComputeRotatedBounds(m_imgSource.width(), m_imgSource.height(), m_dAngle);
    const bool smaller = bounds.size.width() < m_szRotated.width() || bounds.size.height() < m_szRotated.height();
    m_nRotateState = smaller ? -1 : 1;
    m_szRotated = bounds.size;
    m_ptRotOrigin = bounds.origin;
    m_imgView = RotatePicture(m_imgSource, m_dAngle);
}

QRect BigPic::DrawPicture() {
    if (m_strPath.isEmpty() || m_imgSource.isNull()) return QRect();
    if (!EnsureCanvas()) return QRect();
    if (m_nRotateState != 0) RebuildView();
    if (m_imgView.isNull()) {
        // No memory for the turned picture: rather nothing than the picture at its old angle.
        m_nRotateState = 0;
        m_canvas.fill(kViewerBackground);
        return m_canvas.rect();
    }

    m_rcDraw = ComputeDrawRect(m_ptCentre + m_ptPan, m_imgView.size(), m_fScale);
    QRect dirty = m_rcDraw;
    QPainter painter(&m_canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_bRedrawAll) {
        painter.fillRect(m_canvas.rect(), m_hbrBack);
        dirty = m_canvas.rect();
        m_bRedrawAll = false;
    } else if (m_nZoomDir < 0 || m_nRotateState < 0) {
        // A smaller picture leaves margins of the previous one: clear just those.
        for (const QRect& band : EraseBands(m_rcPrevDraw, m_rcDraw.size())) {
            painter.fillRect(band, m_hbrBack);
            dirty |= band;
        }
    }
    painter.drawImage(m_rcDraw, m_imgView);
    painter.end();
    m_rcPrevDraw = m_rcDraw;
    m_nRotateState = 0;
    return dirty;
}

void BigPic::paintEvent(QPaintEvent* event) {
    if (m_canvas.size() != size()) {
        EnsureCanvas();
        DrawPicture();
    }
    QPainter painter(this);
    if (m_canvas.isNull()) {
        painter.fillRect(event->rect(), m_hbrBack);
        return;
    }
    painter.drawImage(event->rect(), m_canvas, event->rect());
}

void BigPic::Zoom(float d) {
    m_nZoomDir = ZoomDirection(d);
    m_fScale = ZoomedScale(m_fScale, d);
    update(DrawPicture());
}

void BigPic::Rotate(double d) {
    const double angle = TurnedAngle(m_dAngle, d);
    if (angle != m_dAngle) {
        m_dAngle = angle;
        m_nRotateState = 1;
    }
    update(DrawPicture());
}

void BigPic::Pan(QPoint d) {
    // The picture's centre stays inside the window, so that it cannot be lost off screen.
    const QPoint limit(width() / 2, height() / 2);
    m_ptPan = QPoint(std::clamp(m_ptPan.x() + d.x(), -limit.x(), limit.x()),
                     std::clamp(m_ptPan.y() + d.y(), -limit.y(), limit.y()));
    m_bRedrawAll = true;
    update(DrawPicture());
}

void BigPic::ResetView() {
    m_ptPan = QPoint();
    m_fScale = 1.0f;
    m_nZoomDir = 0;
    if (m_dAngle != 0) {
        m_dAngle = 0;
        m_nRotateState = 1;
    }
    m_bRedrawAll = true;
    update(DrawPicture());
}

void BigPic::keyPressEvent(QKeyEvent* event) {
    const int stepX = std::max(1, width() / kPanSteps);
    const int stepY = std::max(1, height() / kPanSteps);
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            Zoom(kWheelZoomStep);
            break;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            Zoom(-kWheelZoomStep);
            break;
        case Qt::Key_0:
            ResetView();
            break;
        case Qt::Key_R:
            Rotate(event->modifiers() & Qt::ShiftModifier ? -kQuarterTurn : kQuarterTurn);
            break;
        case Qt::Key_Left:
            Pan(QPoint(-stepX, 0));
            break;
        case Qt::Key_Right:
            Pan(QPoint(stepX, 0));
            break;
        case Qt::Key_Up:
            Pan(QPoint(0, -stepY));
            break;
        case Qt::Key_Down:
            Pan(QPoint(0, stepY));
            break;
        default:
            QDialog::keyPressEvent(event);  // Esc closes, Enter presses "Exit"
            return;
    }
    event->accept();
}

void BigPic::wheelEvent(QWheelEvent* event) {
    const int notches = WheelNotches(&m_nWheelPending, event->angleDelta().y());
    for (int i = 0; i < std::abs(notches); ++i) Zoom(notches < 0 ? -kWheelZoomStep : kWheelZoomStep);
    QDialog::wheelEvent(event);
}

bool BigPic::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::TouchBegin: {
            // A tap on "Exit" is left to the button, which takes it as a click.
            const auto* touch = static_cast<QTouchEvent*>(event);
            const QList<QEventPoint>& points = touch->points();
            if (points.size() == 1 && m_btnExit->geometry().contains(points[0].position().toPoint())) {
                event->ignore();
                return false;
            }
            OnTouch(touch);
            event->accept();
            return true;
        }
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            OnTouch(static_cast<QTouchEvent*>(event));
            event->accept();
            return true;
        case QEvent::TouchCancel:
            m_nTouchId1 = m_nTouchId2 = -1;
            event->accept();
            return true;
        default:
            return QDialog::event(event);
    }
}

void BigPic::OnTouch(const QTouchEvent* event) {
    // Rotation about the window's centre and pinch distances need screen contacts; a touchpad's
    // contacts are not places on the screen.
    if (event->device() && event->device()->type() != QInputDevice::DeviceType::TouchScreen) return;
    const QList<QEventPoint>& points = event->points();
    const qsizetype count = std::min<qsizetype>(points.size(), kMaxContacts);
    // Contacts and thresholds are in device pixels, truncated as the touch hardware reports them.
    const qreal ratio = devicePixelRatioF();
    const auto devicePoint = [ratio](const QEventPoint& p) {
        return QPoint(int(p.position().x() * ratio), int(p.position().y() * ratio));
    };

    if (count == 1) {
        // One finger: a circular drag turns the picture. Touching down and lifting only record
        // where the finger is; so does the move of a finger other than the one recorded (the one
        // left on the screen after a pinch).
        const QEventPoint& contact = points[0];
        const QPoint now = devicePoint(contact);
        if (IsMove(contact) && contact.id() == m_nTouchId1) {
            const QPoint centre(int(m_ptCentre.x() * ratio), int(m_ptCentre.y() * ratio));
            const double turn = DragTurn(centre, m_ptTouch1, now);
            if (turn != 0) Rotate(turn);
        }
        m_ptTouch1 = now;
        m_nTouchId1 = contact.id();
        m_nTouchId2 = -1;
    } else if (count == 2) {
        // Two fingers: a pinch zooms, one step per event. Only the moves of two fingers that were
        // both down already count, so a second finger landing does not zoom.
        const QEventPoint& first = points[0];
        const QEventPoint& second = points[1];
        const QPoint now1 = devicePoint(first);
        const QPoint now2 = devicePoint(second);
        if (IsMove(first) && IsMove(second) && first.id() == m_nTouchId1 && second.id() == m_nTouchId2) {
            const float step = PinchZoomStep(m_ptTouch1, m_ptTouch2, now1, now2);
            if (step != 0) Zoom(step);
        }
        m_ptTouch1 = now1;
        m_ptTouch2 = now2;
        m_nTouchId1 = first.id();
        m_nTouchId2 = second.id();
    }
    // Three to eight contacts (more are read as eight) do nothing.
}
