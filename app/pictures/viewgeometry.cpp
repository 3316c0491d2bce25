#include "app/pictures/viewgeometry.h"

#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace viewgeometry {

namespace {

int TruncatedDistance(QPoint a, QPoint b) {
    const double dx = double(a.x()) - b.x();
    const double dy = double(a.y()) - b.y();
    return int(std::sqrt(dx * dx + dy * dy));
}

}  // namespace

QImage OpaquePicture(const QImage& source) {
    if (source.isNull()) return QImage();
    if (!source.hasAlphaChannel()) return source.convertToFormat(QImage::Format_RGB32);
    QImage opaque(source.size(), QImage::Format_RGB32);
    if (opaque.isNull()) return QImage();
    opaque.fill(QColor::fromRgb(kFillColour));
    QPainter painter(&opaque);
    painter.drawImage(0, 0, source);
    painter.end();
    return opaque;
}

float ZoomedScale(float scale, float d) {
    if (!std::isfinite(d)) return scale;
    scale += d;
    if (scale > kMaxScale) scale = kMaxScale;
    if (scale < kMinScale) scale = kMinScale;
    return scale;
}

double TurnedAngle(double angle, double d) {
    if (!std::isfinite(d)) return angle;
    angle += d;
    // A step of many turns at once would take as many loop rounds: bring it near the range first.
    if (std::fabs(angle) > 4 * kFullTurn) angle = std::fmod(angle, kFullTurn);
    while (angle > kFullTurn) angle -= kFullTurn;
    while (angle < 0) angle += kFullTurn;
    return angle;
}

int WheelNotches(int* pending, int delta) {
    if (delta == 0) return 0;
    if ((*pending > 0 && delta < 0) || (*pending < 0 && delta > 0)) *pending = 0;
    *pending += std::clamp(delta, -100 * kWheelNotch, 100 * kWheelNotch);
    const int notches = *pending / kWheelNotch;
    *pending -= notches * kWheelNotch;
    return notches;
}

RotatedBounds ComputeRotatedBounds(int w, int h, double angle) {
    RotatedBounds bounds;
    if (w <= 0 || h <= 0 || !std::isfinite(angle)) return bounds;
    const int cx = w / 2;
    const int cy = h / 2;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    int minX = INT_MAX, minY = INT_MAX, maxX = INT_MIN, maxY = INT_MIN;
    for (const int x : {-cx, w - 1 - cx}) {
        for (const int y : {-cy, h - 1 - cy}) {
            const int tx = int(std::trunc(x * c - y * s + cx));
            const int ty = int(std::trunc(x * s + y * c + cy));
            minX = std::min(minX, tx);
            maxX = std::max(maxX, tx);
            minY = std::min(minY, ty);
            maxY = std::max(maxY, ty);
        }
    }
    bounds.size = QSize(maxX - minX + 1, maxY - minY + 1);
    bounds.origin = QPoint(-minX, -minY);
    return bounds;
}

QImage RotatePicture(const QImage& source, double angle) {
    const QImage src = OpaquePicture(source);
    if (src.isNull()) return QImage();
    if (angle == 0.0 || !std::isfinite(angle)) return src;

    const int w = src.width();
    const int h = src.height();
    const RotatedBounds bounds = ComputeRotatedBounds(w, h, angle);
    QImage view(bounds.size, QImage::Format_RGB32);
    if (view.isNull()) return QImage();
    const int viewW = view.width();
    const int viewH = view.height();
    const qsizetype stride = view.bytesPerLine() / qsizetype(sizeof(QRgb));
    QRgb* const bits = reinterpret_cast<QRgb*>(view.bits());

    // The background colour with alpha 0 marks the pixels that no source pixel has reached yet.
    constexpr QRgb kUncovered = kFillColour & 0x00FFFFFFu;
    for (int y = 0; y < viewH; ++y) std::fill_n(bits + y * stride, viewW, kUncovered);

    const int cx = w / 2;
    const int cy = h / 2;
    const double minX = -bounds.origin.x();
    const double minY = -bounds.origin.y();
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    for (int y = 0; y < h; ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        const double dy = y - cy;
        for (int x = 0; x < w; ++x) {
            const double dx = x - cx;
            const int tx = std::clamp(int(dx * c - dy * s + cx - minX), 0, viewW - 1);
            const int ty = std::clamp(int(dx * s + dy * c + cy - minY), 0, viewH - 1);
            bits[ty * stride + tx] = in[x] | 0xFF000000u;
        }
    }

    // Forward mapping leaves single-pixel holes where the rotated rows spread apart: each takes
    // its right-hand neighbour's colour (the background where that one is uncovered too).
    for (int y = 0; y < viewH; ++y) {
        QRgb* row = bits + y * stride;
        for (int x = 0; x < viewW; ++x) {
            if (qAlpha(row[x]) != 0) continue;
            row[x] = (x + 1 < viewW ? row[x + 1] : kFillColour) | 0xFF000000u;
        }
    }
    return view;
}

QRect ComputeDrawRect(QPoint centre, QSize view, float scale) {
    const int w = int(float(view.width()) * scale);
    const int h = int(float(view.height()) * scale);
    return QRect(centre.x() - w / 2, centre.y() - h / 2, w, h);
}

QVector<QRect> EraseBands(const QRect& previous, QSize draw) {
    const int px = previous.x(), py = previous.y(), pw = previous.width(), ph = previous.height();
    const int f = (ph - draw.height()) / 2;
    const int g = (pw - draw.width()) / 2;
    QVector<QRect> bands;
    for (const QRect& band : {QRect(px, py, pw, f + 2), QRect(px, py, g + 2, ph), QRect(px, py + ph - f, pw, f + 2),
                              QRect(px + pw - g, py, g + 2, ph)}) {
        if (band.width() > 0 && band.height() > 0) bands.append(band);
    }
    return bands;
}

double ContactAngle(QPoint centre, QPoint contact) {
    const double dx = double(contact.x()) - centre.x();
    const double dy = double(contact.y()) - centre.y();
    return std::atan(dy / dx);
}

double DragTurn(QPoint centre, QPoint before, QPoint now) {
    const double d = ContactAngle(centre, now) - ContactAngle(centre, before);
    if (!(std::fabs(d) < kMaxDragTurn) || d == 0) return 0;
    return kDragGain * d;
}

float PinchZoomStep(QPoint before1, QPoint before2, QPoint now1, QPoint now2) {
    const int e = TruncatedDistance(now1, now2) - TruncatedDistance(before1, before2);
    if (std::abs(e) >= kMaxPinchChange) return 0;
    if (e < -kPinchDeadZone) return -kPinchZoomStep;
    if (e > kPinchDeadZone) return kPinchZoomStep;
    return 0;
}

}  // namespace viewgeometry
