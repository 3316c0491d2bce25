#include "app/widgets/uifont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

QFont::Weight ToQtWeight(int weight) {
    return weight >= 700 ? QFont::Bold : weight >= 600 ? QFont::DemiBold : QFont::Normal;
}

bool Installed(const QString& family) {
    const QStringList families = QFontDatabase::families();
    return families.contains(family, Qt::CaseInsensitive);
}

}  // namespace

QString ResolveFamily(const QString& family) {
    if (family == QStringLiteral("宋体") || family.compare(QStringLiteral("SimSun"), Qt::CaseInsensitive) == 0) {
        if (Installed(family)) return family;
        for (const char* cjk : {"SimSun", "WenQuanYi Zen Hei", "Noto Sans CJK SC", "Noto Serif CJK SC"}) {
            if (Installed(QString::fromLatin1(cjk))) return QString::fromLatin1(cjk);
        }
    }
    return family;
}

QFont EmPixelFont(const QString& family, int emPixels, int weight) {
    QFont font(ResolveFamily(family));
    font.setPixelSize(std::max(1, emPixels));
    font.setWeight(ToQtWeight(weight));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont CellHeightFont(const QString& family, int cellHeight, int weight) {
    QFont probe = EmPixelFont(family, 100, weight);
    const int cellAt100 = QFontMetrics(probe).height();
    if (cellAt100 <= 0) return EmPixelFont(family, cellHeight, weight);
    return EmPixelFont(family, int(std::lround(cellHeight * 100.0 / cellAt100)), weight);
}

QFont FontThatFits(QFont font, int smallestPixels, const std::function<bool(const QFont&)>& fits) {
    if (fits(font)) return font;
    for (int pixels = QFontInfo(font).pixelSize() - 1; pixels >= smallestPixels; --pixels) {
        font.setPixelSize(pixels);
        if (fits(font)) break;
    }
    return font;
}
