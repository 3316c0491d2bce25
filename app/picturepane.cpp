#include "app/picturepane.h"

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

void CPicturePane::ClearPane() {
    m_canvas = QImage();
    update();
}

void CPicturePane::paintEvent(QPaintEvent*) {
    if (m_canvas.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_canvas);
}

void CPicturePane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!m_canvas.isNull()) EnsureCanvas();
}
