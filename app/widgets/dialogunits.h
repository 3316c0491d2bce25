// Dialog units of the dialog templates in pixels, as the dialog font measures them at 96 dpi:
// a horizontal unit is 1.5 pixels, a vertical unit 1.625 pixels.
#pragma once

#include <QRect>
#include <QWidget>

#include <cmath>

inline int DluX(int x) { return int(std::lround(x * 1.5)); }
inline int DluY(int y) { return int(std::lround(y * 1.625)); }

inline QRect DialogUnitRect(int x, int y, int w, int h) { return QRect(DluX(x), DluY(y), DluX(w), DluY(h)); }

// `r` at the other side of an area `width` pixels wide (x becomes width - x - w), as a language
// read right to left places it; an empty rectangle stays.
inline QRect MirroredRect(const QRect& r, int width) {
    return r.isNull() ? r : QRect(width - r.x() - r.width(), r.y(), r.width(), r.height());
}

// A dialog whose controls are placed by hand, mirrored for a language read right to left: each
// control goes to the other side of the dialog. Called once its controls are placed.
inline void MirrorForReadingDirection(QWidget* dialog) {
    if (dialog->layoutDirection() != Qt::RightToLeft) return;
    for (QWidget* w : dialog->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!w->isWindow()) w->setGeometry(MirroredRect(w->geometry(), dialog->width()));
    }
}
