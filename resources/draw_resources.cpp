// Draws the application's own bitmaps and icons and writes them as PNG files into the resources
// folder (run by hand after a change: kavimo_draw_resources <resources dir>). The PNG files are
// committed; the program keeps how they were made.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>

namespace {

QImage Canvas(int w, int h, QColor fill = Qt::transparent) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

// A molar seen from the front: crown with two cusps and two roots.
QPainterPath ToothPath(QRectF box) {
    const double x = box.x(), y = box.y(), w = box.width(), h = box.height();
    QPainterPath p;
    p.moveTo(x + 0.10 * w, y + 0.22 * h);
    p.cubicTo(x + 0.10 * w, y + 0.02 * h, x + 0.38 * w, y - 0.02 * h, x + 0.50 * w, y + 0.10 * h);
    p.cubicTo(x + 0.62 * w, y - 0.02 * h, x + 0.90 * w, y + 0.02 * h, x + 0.90 * w, y + 0.22 * h);
    p.cubicTo(x + 0.90 * w, y + 0.45 * h, x + 0.80 * w, y + 0.55 * h, x + 0.78 * w, y + 0.70 * h);
    p.cubicTo(x + 0.76 * w, y + 0.90 * h, x + 0.70 * w, y + 1.00 * h, x + 0.64 * w, y + 0.98 * h);
    p.cubicTo(x + 0.58 * w, y + 0.96 * h, x + 0.57 * w, y + 0.70 * h, x + 0.50 * w, y + 0.66 * h);
    p.cubicTo(x + 0.43 * w, y + 0.70 * h, x + 0.42 * w, y + 0.96 * h, x + 0.36 * w, y + 0.98 * h);
    p.cubicTo(x + 0.30 * w, y + 1.00 * h, x + 0.24 * w, y + 0.90 * h, x + 0.22 * w, y + 0.70 * h);
    p.cubicTo(x + 0.20 * w, y + 0.55 * h, x + 0.10 * w, y + 0.45 * h, x + 0.10 * w, y + 0.22 * h);
    p.closeSubpath();
    return p;
}

void DrawTooth(QPainter& p, QRectF box, QColor outline) {
    QLinearGradient shade(box.topLeft(), box.bottomRight());
    shade.setColorAt(0, QColor(255, 255, 255));
    shade.setColorAt(1, QColor(214, 226, 236));
    p.setBrush(shade);
    p.setPen(QPen(outline, std::max(1.0, box.width() / 28.0)));
    p.drawPath(ToothPath(box));
}

// The main icon: a tooth on a blue disc with a small camera lens.
QImage MainIcon(int size) {
    QImage image = Canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    QRadialGradient disc(QPointF(0.4 * s, 0.35 * s), 0.7 * s);
    disc.setColorAt(0, QColor(96, 190, 255));
    disc.setColorAt(1, QColor(20, 110, 200));
    p.setBrush(disc);
    p.setPen(QPen(QColor(12, 70, 140), s / 32));
    p.drawEllipse(QRectF(s * 0.03, s * 0.03, s * 0.94, s * 0.94));
    DrawTooth(p, QRectF(s * 0.22, s * 0.18, s * 0.56, s * 0.64), QColor(40, 70, 110));
    p.setBrush(QColor(40, 40, 48));
    p.setPen(QPen(QColor(230, 230, 230), s / 40));
    p.drawEllipse(QPointF(s * 0.72, s * 0.72), s * 0.13, s * 0.13);
    p.setBrush(QColor(80, 160, 255));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(s * 0.72, s * 0.72), s * 0.06, s * 0.06);
    return image;
}

// The connection pictures: a WiFi fan, green when connected, grey and crossed out when not.
QImage ConnectionPicture(bool connected) {
    QImage image = Canvas(110, 97);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor arc = connected ? QColor(0, 200, 60) : QColor(120, 130, 140);
    const QPointF centre(55, 78);
    QPen pen(arc, 9, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    for (int r : {22, 42, 62}) {
        QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
        p.drawArc(box, 45 * 16, 90 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(arc);
    p.drawEllipse(centre, 7, 7);
    if (!connected) {
        QPen cross(QColor(230, 20, 20), 8, Qt::SolidLine, Qt::RoundCap);
        p.setPen(cross);
        p.drawLine(QPointF(74, 48), QPointF(100, 74));
        p.drawLine(QPointF(100, 48), QPointF(74, 74));
    } else {
        QPen tick(QColor(255, 255, 255), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setBrush(QColor(0, 160, 50));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(88, 62), 15, 15);
        p.setPen(tick);
        p.drawPolyline(QPolygonF({QPointF(80, 62), QPointF(86, 68), QPointF(96, 56)}));
    }
    return image;
}

// The About box banner, 380 x 132.
QImage AboutBanner() {
    QImage image = Canvas(380, 132, QColor(57, 169, 251));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 132);
    sky.setColorAt(0, QColor(70, 180, 255));
    sky.setColorAt(1, QColor(25, 120, 215));
    p.fillRect(image.rect(), sky);
    DrawTooth(p, QRectF(18, 16, 86, 100), QColor(30, 60, 100));
    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(40);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(122, 18, 250, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("kavimo"));
    QFont sub(QStringLiteral("Liberation Sans"));
    sub.setPixelSize(16);
    p.setFont(sub);
    p.drawText(QRectF(124, 68, 250, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Oral image acquisition"));
    p.setPen(QPen(QColor(255, 255, 255, 160), 2));
    p.drawLine(QPointF(124, 100), QPointF(360, 100));
    return image;
}

// Pen colour buttons: a drop of the colour with a highlight.
QImage ColourBitmap(QColor colour) {
    QImage image = Canvas(48, 48);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient fill(QPointF(18, 18), 26);
    fill.setColorAt(0, colour.lighter(160));
    fill.setColorAt(1, colour);
    p.setBrush(fill);
    p.setPen(QPen(colour.darker(170), 2));
    p.drawEllipse(QRectF(6, 6, 36, 36));
    return image;
}

// Pen width buttons: a wavy stroke of the width.
QImage WidthBitmap(double width) {
    QImage image = Canvas(64, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath wave;
    wave.moveTo(6, 24);
    wave.cubicTo(18, 6, 30, 34, 42, 18);
    wave.cubicTo(48, 11, 54, 14, 58, 16);
    p.setPen(QPen(QColor(20, 20, 20), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(wave);
    return image;
}

// The drawing cursor (cursor 106): a pencil whose tip, at (1, 30), is the hot spot.
QImage PencilCursor() {
    QImage image = Canvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(1, 30);
    p.rotate(-45);
    // Tip, wooden cone, body and eraser along the x axis, the tip at the origin.
    QPainterPath cone;
    cone.moveTo(0, 0);
    cone.lineTo(9, -4);
    cone.lineTo(9, 4);
    cone.closeSubpath();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(238, 206, 160));
    p.drawPath(cone);
    p.setBrush(QColor(30, 30, 30));
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(3.5, -1.6), QPointF(3.5, 1.6)}));
    p.setBrush(QColor(250, 200, 40));
    p.drawRect(QRectF(9, -4, 22, 8));
    p.setBrush(QColor(235, 120, 130));
    p.drawRect(QRectF(31, -4, 6, 8));
    return image;
}

bool Save(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir + QStringLiteral("/bitmap"));
    QDir().mkpath(dir + QStringLiteral("/icon"));
    QDir().mkpath(dir + QStringLiteral("/cursor"));
    bool ok = true;
    ok &= Save(MainIcon(256), dir + QStringLiteral("/icon/128.png"));
    ok &= Save(MainIcon(32), dir + QStringLiteral("/icon/128-32.png"));
    ok &= Save(ConnectionPicture(false), dir + QStringLiteral("/bitmap/161.png"));
    ok &= Save(ConnectionPicture(true), dir + QStringLiteral("/bitmap/162.png"));
    ok &= Save(AboutBanner(), dir + QStringLiteral("/bitmap/136.png"));
    ok &= Save(ColourBitmap(QColor(255, 0, 0)), dir + QStringLiteral("/bitmap/151.png"));
    ok &= Save(ColourBitmap(QColor(0, 255, 0)), dir + QStringLiteral("/bitmap/149.png"));
    ok &= Save(ColourBitmap(QColor(0, 0, 255)), dir + QStringLiteral("/bitmap/150.png"));
    ok &= Save(WidthBitmap(8), dir + QStringLiteral("/bitmap/166.png"));
    ok &= Save(WidthBitmap(4), dir + QStringLiteral("/bitmap/167.png"));
    ok &= Save(WidthBitmap(1.2), dir + QStringLiteral("/bitmap/168.png"));
    ok &= Save(PencilCursor(), dir + QStringLiteral("/cursor/106.png"));
    return ok ? 0 : 1;
}
