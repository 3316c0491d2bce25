// The arithmetic of the full-screen picture viewer: zoom steps, rotation angle, the rotated
// picture, where the picture is drawn, and the touch gestures. Pure functions, so they are
// checked without a window.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVector>

namespace viewgeometry {

constexpr float kMinScale = 0.2f;
constexpr float kMaxScale = 10.0f;
constexpr float kWheelZoomStep = 0.2f;   // one notch of the mouse wheel
constexpr float kPinchZoomStep = 0.1f;   // one pinch event
constexpr int kWheelNotch = 120;         // wheel delta of one notch
constexpr double kFullTurn = 6.2831853;  // the angle wraps at this value, not at 2 pi exactly
// Grey level of the background and of the rotated picture's corners.
constexpr int kFillLevel = 250;
constexpr QRgb kFillColour = 0xFFFAFAFA;
constexpr double kMaxDragTurn = 0.2;  // a drag that turns further between two events is a jump
constexpr double kDragGain = 3.0;     // the picture turns three times as far as the finger
constexpr int kMaxPinchChange = 50;   // a pinch distance that changes this much is a jump
constexpr int kPinchDeadZone = 2;     // pinch changes within +-2 pixels are jitter

// The zoom factor after a step of d, kept within kMinScale..kMaxScale.
float ZoomedScale(float scale, float d);
// The sign of a zoom step: -1 for shrinking, 1 otherwise.
inline int ZoomDirection(float d) { return d < 0 ? -1 : 1; }

// The picture as opaque RGB32, the form the viewer works in; a picture with transparency is laid
// over the background colour, as it would look drawn on the viewer's window.
QImage OpaquePicture(const QImage& source);

// The angle after turning by d radians, kept within 0..kFullTurn (kFullTurn itself stays).
// A step that is not a finite number leaves the angle as it is.
double TurnedAngle(double angle, double d);

// Whole wheel notches in a wheel delta. High-resolution wheels and touchpads send fractions of
// a notch; they add up in `pending` (reset when the direction turns) until a notch is complete.
int WheelNotches(int* pending, int delta);

// Size and origin offset of a w x h picture rotated by `angle` about its centre (w / 2, h / 2):
// the bounding box of the four mapped corners, each coordinate truncated toward zero.
struct RotatedBounds {
    QSize size;
    QPoint origin;  // (-minX, -minY): added to a mapped position to give its pixel
};
RotatedBounds ComputeRotatedBounds(int w, int h, double angle);

// The picture rotated by `angle` (radians; positive turns clockwise on the screen) as an RGB32
// image of ComputeRotatedBounds' size. Every source pixel is carried to its truncated rotated
// position; a target pixel that no source pixel reached takes the colour of its right-hand
// neighbour, and what stays uncovered (the corners) has the background colour. Angle 0 gives
// the source itself. Returns a null image for a null source or when the memory is not there.
QImage RotatePicture(const QImage& source, double angle);

// Where a view of `view` size is drawn at `scale`, centred on `centre`: the size is the view's
// size times the scale, truncated.
QRect ComputeDrawRect(QPoint centre, QSize view, float scale);

// The bands of the previous draw rectangle that a smaller picture of `draw` size no longer
// covers (top, left, bottom, right; each 2 pixels deeper than the margin). Bands without area,
// as when the new picture is larger in that direction, are left out.
QVector<QRect> EraseBands(const QRect& previous, QSize draw);

// The angle of a touch contact about the centre, atan(dy / dx): within -pi/2..pi/2, NaN for the
// centre itself.
double ContactAngle(QPoint centre, QPoint contact);

// How far a one-finger drag from `before` to `now` turns the picture: three times the change of
// the contact's angle, or 0 when the angle jumps by kMaxDragTurn or more, or does not change.
double DragTurn(QPoint centre, QPoint before, QPoint now);

// The zoom step of a two-finger pinch whose contacts moved from (before1, before2) to
// (now1, now2): +-kPinchZoomStep when the truncated distance grew or shrank by more than 2 and
// less than 50 pixels, else 0.
float PinchZoomStep(QPoint before1, QPoint before2, QPoint now1, QPoint now2);

}  // namespace viewgeometry
