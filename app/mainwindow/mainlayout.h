// Where every control of the main window goes, computed from the window's client size alone.
//
// The window fills the screen, so the layout is worked out once from the client width and height:
// a wide screen puts the thumbnail strip in a column left of the picture area, any other screen
// puts it in a row under the picture area. All arithmetic is integer arithmetic as written in the
// rules; products with a fraction are truncated toward zero.
#pragma once

#include <QPoint>
#include <QRect>

#include <map>

#include "app/mainwindow/controlids.h"

struct MainLayout {
    bool wide = false;  // client width * 1000 / height above 1500
    int unit = 0;       // u: the grid unit of the layout

    // The four areas of the window, as left/top/right/bottom edges in client coordinates
    // (right and bottom exclusive, as a window rectangle is).
    QRect pictureArea;
    QRect strip;
    QRect tools;
    QRect panel;
    QRect patientText;  // the top 90 pixels of the panel

    int thumbSize = 0;  // edge of the square thumbnails

    QRect quad[4];  // the halves-by-halves cells of the picture area, in pane coordinates

    QPoint status;      // top-left of the first status line (210 x 32)
    QPoint status2;     // top-left of the second status line (100 x 16)
    QRect statusImage;  // the connection picture, 110 x 97

    // Geometry of every control that the layout moves, by control id.
    std::map<int, QRect> controls;

    QRect control(int id) const {
        auto it = controls.find(id);
        return it == controls.end() ? QRect() : it->second;
    }
};

// A rectangle given by its edges, right and bottom exclusive (the way a window rectangle is kept).
inline QRect RectFromEdges(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}
// Right and bottom edges of such a rectangle.
inline int RightEdge(const QRect& r) { return r.x() + r.width(); }
inline int BottomEdge(const QRect& r) { return r.y() + r.height(); }

// Lays out the main window for a client area of width x height pixels.
MainLayout ComputeMainLayout(int width, int height);

// The same layout for a language read right to left: every area and control at the other side of
// a client area `width` pixels wide (x becomes width - x - w). The quadrants of the picture area
// stay: pictures are not mirrored.
MainLayout MirrorMainLayout(const MainLayout& layout, int width);

// Status box sizes of the connection display.
constexpr int kStatusWidth = 210;
constexpr int kStatusHeight = 32;
constexpr int kStatus2Width = 100;
constexpr int kStatus2Height = 16;
constexpr int kStatusImageWidth = 110;
constexpr int kStatusImageHeight = 97;
// The count of characters under the diagnosis box.
constexpr int kDiseaseCountHeight = 18;
