#include "app/widgets/facebutton.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

#include "app/widgets/uifont.h"

namespace {

constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;
// The smallest type a shrunk text gets, in pixels of the em square: still read at a glance.
constexpr int kSmallestPixels = 9;

}  // namespace

CFaceButton::CFaceButton(const QString& text, QWidget* parent) : QPushButton(text, parent), m_face(212, 208, 200) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CFaceButton::SetFaceColor(QColor colour) {
    m_face = colour;
    update();
}

QRect CFaceButton::TextRect() const { return rect().adjusted(3, 3, -3, -3); }

// The button's font, or where its text does not fit the face in it (a longer word of another
// language), the largest smaller one in which it does, down to a size still easily read.
QFont CFaceButton::TextFont() const {
    const QString words = text();
    const QRect room = TextRect();
    if (words.isEmpty() || room.isEmpty()) return font();
    return FontThatFits(font(), kSmallestPixels, [&room, &words](const QFont& f) {
        const QRect needs = QFontMetrics(f).boundingRect(room, kTextFlags, words);
        return needs.width() <= room.width() && needs.height() <= room.height();
    });
}

void CFaceButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const bool sunken = isDown() || isChecked();
    p.fillRect(r, sunken ? m_face.darker(108) : m_face);

    // Two-pixel 3-D edge: light and lighter at the top left, dark and darker at the bottom right.
    const QColor outerLight = sunken ? QColor(64, 64, 64) : QColor(255, 255, 255);
    const QColor outerDark = sunken ? QColor(255, 255, 255) : QColor(64, 64, 64);
    const QColor innerLight = sunken ? m_face.darker(150) : m_face.lighter(115);
    const QColor innerDark = sunken ? m_face.lighter(115) : m_face.darker(150);
    auto edge = [&p](QRect box, QColor light, QColor dark) {
        p.setPen(light);
        p.drawLine(box.topLeft(), box.topRight());
        p.drawLine(box.topLeft(), box.bottomLeft());
        p.setPen(dark);
        p.drawLine(box.bottomLeft(), box.bottomRight());
        p.drawLine(box.topRight(), box.bottomRight());
    };
    edge(r, outerLight, outerDark);
    edge(r.adjusted(1, 1, -1, -1), innerLight, innerDark);

    QRect content = TextRect();
    if (sunken) content.translate(1, 1);
    if (!icon().isNull()) {
        const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        QSize size = iconSize();
        size = size.boundedTo(content.size());
        const QRect iconRect = QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, size, content);
        icon().paint(&p, iconRect, Qt::AlignCenter, mode);
    } else {
        p.setFont(TextFont());
        if (isEnabled()) {
            p.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
        } else {
            // Engraved text, as a disabled button shows it.
            p.setPen(QColor(255, 255, 255));
            p.drawText(content.translated(1, 1), kTextFlags, text());
            p.setPen(QColor(128, 128, 128));
        }
        p.drawText(content, kTextFlags, text());
    }
    if (hasFocus()) {
        QPen dots(QColor(0, 0, 0));
        dots.setStyle(Qt::DotLine);
        p.setPen(dots);
        p.drawRect(r.adjusted(4, 4, -5, -5));
    }
}
