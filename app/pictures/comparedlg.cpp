#include "app/pictures/comparedlg.h"
#include "app/widgets/translation.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr double kMinZoom = 1.0;
constexpr double kMaxZoom = 16.0;
constexpr double kWheelStep = 1.25;

}  // namespace

CComparePane::CComparePane(const QImage& picture, QWidget* parent) : QWidget(parent), m_picture(picture) {
    setMinimumSize(320, 240);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
}

double CComparePane::FitScale() const {
    if (m_picture.isNull() || m_picture.width() <= 0 || m_picture.height() <= 0) return 1.0;
    return std::min(double(width()) / m_picture.width(), double(height()) / m_picture.height());
}

void CComparePane::SetView(double zoom, QPointF centre) {
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    // The centre stays where the picture still fills the view at this zoom.
    const double half = 0.5 / m_zoom;
    m_centre = QPointF(std::clamp(centre.x(), half, 1.0 - half), std::clamp(centre.y(), half, 1.0 - half));
    update();
}

void CComparePane::Change(double zoom, QPointF centre) {
    SetView(zoom, centre);
    Q_EMIT ViewChanged(m_zoom, m_centre);
}

void CComparePane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_picture.isNull()) {
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, Ui::tr("The picture cannot be read."));
        return;
    }
    const double scale = FitScale() * m_zoom;
    const QSizeF shown(m_picture.width() * scale, m_picture.height() * scale);
    const QPointF topLeft(width() / 2.0 - m_centre.x() * shown.width(), height() / 2.0 - m_centre.y() * shown.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(topLeft, shown), m_picture);
}

void CComparePane::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0) return;
    double zoom = m_zoom;
    for (int i = 0; i < std::abs(steps); ++i) zoom = steps > 0 ? zoom * kWheelStep : zoom / kWheelStep;
    Change(zoom, m_centre);
    event->accept();
}

void CComparePane::mousePressEvent(QMouseEvent* event) {
    m_dragFrom = event->position();
    setCursor(Qt::ClosedHandCursor);
}

void CComparePane::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || m_picture.isNull()) return;
    const double scale = FitScale() * m_zoom;
    const QPointF moved = event->position() - m_dragFrom;
    m_dragFrom = event->position();
    Change(m_zoom,
           m_centre - QPointF(moved.x() / (m_picture.width() * scale), moved.y() / (m_picture.height() * scale)));
}

void CComparePane::mouseDoubleClickEvent(QMouseEvent*) { Change(1.0, QPointF(0.5, 0.5)); }

void CComparePane::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            Change(m_zoom * kWheelStep, m_centre);
            break;
        case Qt::Key_Minus:
            Change(m_zoom / kWheelStep, m_centre);
            break;
        case Qt::Key_0:
            Change(1.0, QPointF(0.5, 0.5));
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

CCompareDlg::CCompareDlg(const Side& left, const Side& right, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Ui::tr("Compare"));
    auto* grid = new QGridLayout(this);
    m_left = new CComparePane(left.picture, this);
    m_left->setObjectName(QStringLiteral("CompareLeft"));
    m_right = new CComparePane(right.picture, this);
    m_right->setObjectName(QStringLiteral("CompareRight"));
    auto caption = [this](const QString& text, const QString& name) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignCenter);
        QFont font = label->font();
        font.setPixelSize(20);  // the application's fonts are sized in pixels
        font.setBold(true);
        label->setFont(font);
        return label;
    };
    grid->addWidget(caption(left.caption, QStringLiteral("CompareLeftCaption")), 0, 0);
    grid->addWidget(caption(right.caption, QStringLiteral("CompareRightCaption")), 0, 1);
    grid->addWidget(m_left, 1, 0);
    grid->addWidget(m_right, 1, 1);
    grid->setRowStretch(1, 1);
    auto* hint = new QLabel(Ui::tr("Wheel or + and − zoom both, dragging moves both; double-click fits them."), this);
    grid->addWidget(hint, 2, 0, 1, 2);
    connect(m_left, &CComparePane::ViewChanged, m_right, &CComparePane::SetView);
    connect(m_right, &CComparePane::ViewChanged, m_left, &CComparePane::SetView);
    resize(1200, 700);
}
