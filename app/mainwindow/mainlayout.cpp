#include "app/mainwindow/mainlayout.h"

#include <algorithm>

#include "app/widgets/dialogunits.h"

using namespace MainCtl;

namespace {

// 1.5 * e and the like, truncated toward zero as the layout rules ask.
int Trunc(double v) { return static_cast<int>(v); }

// The patient banner's height for two lines of type large enough to be read from the chair.
constexpr int kBannerMinHeight = 90;

}  // namespace

MainLayout ComputeMainLayout(int W, int H) {
    MainLayout l;
    if (W <= 0 || H <= 0) return l;
    auto put = [&l](int id, int x, int y, int w, int h) { l.controls[id] = QRect(x, y, w, h); };

    l.wide = static_cast<long long>(W) * 1000 / H > 1500;
    if (l.wide) {
        const int u = std::max(W / 31, 40);
        l.unit = u;
        l.strip = RectFromEdges(5, 10, 4 * u - 5, H - 10);
        l.pictureArea = RectFromEdges(4 * u, 10, 24 * u, 20 * u * 3 / 4 + 10);
        l.tools = RectFromEdges(24 * u + 5, 10, 24 * u + Trunc(1.5 * u), H - 10);
        l.panel = RectFromEdges(24 * u + Trunc(1.5 * u) + 5, 10, W - 5, H - 10);

        const QRect& s = l.strip;
        const int e = s.height() / 20;
        put(IdPrev, s.x(), s.y(), s.width(), e);
        // The "Next" button sits at the strip's height less e, measured from the window top.
        put(IdNext, s.x(), s.height() - e, s.width(), e);
        put(IdThumbList, s.x(), s.y() + e, s.width(), s.height() - 2 * e - 8);
        l.thumbSize = s.width() - 70;
    } else {
        const int u = std::max(W / 27, 40);
        l.unit = u;
        l.pictureArea = RectFromEdges(5, 10, 18 * u, (18 * u - 5) * 3 / 4);
        l.strip = RectFromEdges(5, BottomEdge(l.pictureArea) + 5, 18 * u, H - 10);
        l.tools = RectFromEdges(18 * u + 5, 10, 20 * u, H - 10);
        l.panel = RectFromEdges(20 * u + 5, 10, W - 5, H - 10);

        const QRect& s = l.strip;
        const int e = s.width() / 15;
        put(IdPrev, s.x(), s.y(), Trunc(1.5 * e), s.height());
        put(IdNext, Trunc(s.width() - 1.5 * e), s.y(), Trunc(1.5 * e), s.height());
        put(IdThumbList, Trunc(s.x() + 1.5 * e), s.y(), s.width() - 3 * e - 2, s.height());
        l.thumbSize = s.height() - 30;
    }

    const QRect& p = l.panel;
    l.patientText = RectFromEdges(p.x(), p.y(), RightEdge(p), p.y() + 90);

    for (int id : {IdPane1, IdPane2, IdPane3}) l.controls[id] = l.pictureArea;

    // Tool column: pen widths, then pen colours from the top; the picture commands at the bottom.
    {
        const QRect& t = l.tools;
        const int e = (t.height() - 20) / 12;
        const int step = l.wide ? e + 2 : e;
        int y = t.y();
        put(IdThick, t.x(), y, t.width(), e);
        y += step;
        put(IdMedium, t.x(), y, t.width(), e);
        y += step;
        put(IdThin, t.x(), y, t.width(), e);
        y += e + 10;
        put(IdRed, t.x(), y, t.width(), e);
        y += step;
        put(IdGreen, t.x(), y, t.width(), e);
        y += step;
        put(IdBlue, t.x(), y, t.width(), e);

        y = H - (5 * e + 10);
        for (int id : {IdSave, IdSaveAs, IdUndo, IdSplit, IdDelete}) {
            put(id, t.x(), y, t.width(), e);
            y += e;
        }
    }

    // Right-hand panel: patient lines, diagnosis, connection display, command block.
    {
        const int x = p.x();
        const int w = p.width();
        const int e = p.height() / 40;
        int y = p.y();
        put(IdNum, x, y, w, 18);
        for (int id : {IdName, IdSex, IdAge, IdPhone}) {
            y += 18;
            put(id, x, y, w, 18);
        }
        y += 18 + 10;
        put(IdDiseaseCaption, x, y, w, 18);  // the whole row: the caption is longer in some languages
        y += 20;
        // The box gives the last line of its height to the count of characters under it.
        put(IdDisease, x, y, w, 12 * e - kDiseaseCountHeight);
        put(IdDiseaseCount, x, y + 12 * e - kDiseaseCountHeight, w, kDiseaseCountHeight);
        y += 12 * e;
        put(IdSaveDisease, x, y, w, 2 * e);
        y += 2 * e;

        const int centre = (p.x() + RightEdge(p)) / 2;
        l.statusImage = QRect(centre - 55, Trunc(2.3 * e + y), kStatusImageWidth, kStatusImageHeight);
        l.controls[IdStatusImage] = l.statusImage;
        l.status = QPoint(centre - kStatusWidth / 2, l.statusImage.y() + kStatusImageHeight);
        l.status2 = QPoint(centre - 50, l.status.y() + kStatusHeight + 2);
        put(IdStatusLine, l.status.x(), l.status.y(), 0, 0);
        put(IdStatusLine2, l.status2.x(), l.status2.y(), 0, 0);

        const int w3 = w / 3;
        const int x3 = x + 2 * w / 3;
        y = BottomEdge(p) - 7 * e - 10;
        // The patient's name and UID, large enough to be read from the chair, fill the room
        // between the connection display and the commands; where that is too low for two lines
        // of large type, a wide screen has room for one line under the picture area.
        const int bannerTop = l.status2.y() + kStatus2Height + 8;
        const int bannerHeight = std::max(0, y - 8 - bannerTop);
        const int underPicture = H - 10 - (BottomEdge(l.pictureArea) + 5);
        if (bannerHeight < kBannerMinHeight && l.wide && underPicture >= kBannerMinHeight / 2) {
            put(IdPatientBanner, l.pictureArea.x(), BottomEdge(l.pictureArea) + 5, l.pictureArea.width(),
                std::min(underPicture, kBannerMinHeight));
        } else {
            put(IdPatientBanner, x, bannerTop, w, bannerHeight);
        }
        put(IdImport, x, y, w3, 2 * e);
        put(IdExport, x, y + 2 * e, w3, 2 * e);
        put(IdPickup, x + w3, y, w3, 2 * e);
        put(IdPrint, x + w3, y + 2 * e, w3, 2 * e);
        put(IdUser, x3, y, w3, 4 * e);
        const int y2 = y + 2 * e + 10 + 2 * e;
        put(IdSample, x, y2, w3, 3 * e);
        put(IdFreeze, x + w3, y2, w3, 3 * e);
        put(IdExit, x3, y2, w3, 3 * e);
    }

    const int qw = l.pictureArea.width();
    const int qh = l.pictureArea.height();
    l.quad[0] = RectFromEdges(0, 0, qw / 2, qh / 2);
    l.quad[1] = RectFromEdges(qw / 2, 0, qw, qh / 2);
    l.quad[2] = RectFromEdges(0, qh / 2, qw / 2, qh);
    l.quad[3] = RectFromEdges(qw / 2, qh / 2, qw, qh);
    return l;
}

MainLayout MirrorMainLayout(const MainLayout& layout, int width) {
    MainLayout m = layout;
    for (QRect* r : {&m.pictureArea, &m.strip, &m.tools, &m.panel, &m.patientText, &m.statusImage}) {
        *r = MirroredRect(*r, width);
    }
    for (auto& [id, rect] : m.controls) rect = MirroredRect(rect, width);
    // The status lines are anchored at the top left of their boxes.
    m.status.setX(width - layout.status.x() - kStatusWidth);
    m.status2.setX(width - layout.status2.x() - kStatus2Width);
    m.controls[MainCtl::IdStatusLine] = QRect(m.status, QSize(0, 0));
    m.controls[MainCtl::IdStatusLine2] = QRect(m.status2, QSize(0, 0));
    return m;
}
