#include "app/pictures/picturepane.h"

#include <QPainter>
#include <QResizeEvent>

CPicturePane::CPicturePane(QWidget* parent) : QWidget(parent) {}

QImage& CPicturePane::EnsureCanvas() {
    if (m_canvas.size() != size()) {
        QImage canvas(size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        if (!m_canvas.isNull()) {
            QPainter painter(&canvas);
            painter.drawImage(0, 0, m_canvas);
        }
        m_canvas = canvas;
    }
    return m_canvas;
}

void CPicturePane::DrawStretched(const QImage& picture) {
    QImage& canvas = EnsureCanvas();
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(canvas.rect(), picture);
    painter.end();
    update();
}

void CPicturePane::FillRect(const QRect& area, QColor colour) {
    QImage& canvas = EnsureCanvas();
    QPainter painter(&canvas);
    painter.fillRect(area, colour);
    painter.end();
    update();
}

void CPicturePane::Paint(const std::function<void(QPainter&)>& paint) {
    QImage& canvas = EnsureCanvas();
    QPainter painter(&canvas);
    paint(painter);
    painter.end();
    update();
}

void CPicturePane::ClearRect(const QRect& area) {
    if (m_canvas.isNull()) return;
    QPainter painter(&m_canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillRect(area, Qt::transparent);
    painter.end();
    update();
}

void CPicturePane::ClearPane() {
    m_canvas = QImage();
    update();
}

uintptr_t CPicturePane::BindVideo() {
    // A native window of its own, made now and never remade: the player keeps its id.
    setAttribute(Qt::WA_NativeWindow);
    // The player draws straight onto the window; Qt neither paints nor clears it meanwhile.
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
    m_videoBound = true;
    return uintptr_t(winId());
}

void CPicturePane::UnbindVideo() {
    if (!m_videoBound) return;
    m_videoBound = false;
    setAttribute(Qt::WA_PaintOnScreen, false);
    setAttribute(Qt::WA_NoSystemBackground, false);
    update();
}

QPaintEngine* CPicturePane::paintEngine() const {
    // Painting on screen means no paint engine of Qt's (the player owns the pixels).
    return m_videoBound ? nullptr : QWidget::paintEngine();
}

void CPicturePane::paintEvent(QPaintEvent*) {
    if (m_videoBound) {
        if (m_onExpose) m_onExpose();
        return;
    }
    if (m_canvas.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_canvas);
}

void CPicturePane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!m_canvas.isNull()) EnsureCanvas();
}
