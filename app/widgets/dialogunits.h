// Dialog units of the dialog templates in pixels, as the dialog font measures them at 96 dpi:
// a horizontal unit is 1.5 pixels, a vertical unit 1.625 pixels.
#pragma once

#include <QRect>

#include <cmath>

inline int DluX(int x) { return int(std::lround(x * 1.5)); }
inline int DluY(int y) { return int(std::lround(y * 1.625)); }

inline QRect DialogUnitRect(int x, int y, int w, int h) { return QRect(DluX(x), DluY(y), DluX(w), DluY(h)); }
