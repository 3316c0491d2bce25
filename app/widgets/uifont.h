// Fonts as the window classes ask for them: a family name as written in the program ("Arial",
// "宋体") and a height in pixels.
#pragma once

#include <QFont>
#include <QString>

#include <functional>

// The installed family that stands for a requested one: "宋体" (and "SimSun") map to the CJK font
// that is installed when no font of that name is, "Arial" to its metric twin through fontconfig.
QString ResolveFamily(const QString& family);

// A font whose character cell (ascent + descent) is `cellHeight` pixels, as a positive font
// height of a dialog font means.
QFont CellHeightFont(const QString& family, int cellHeight, int weight);

// A font whose em square is `emPixels` pixels (the size unit of drawing code).
QFont EmPixelFont(const QString& family, int emPixels, int weight);

// `font`, or where the text does not fit in it (`fits` says), the largest smaller pixel size in
// which it does, down to `smallestPixels`: a longer word of another language is set smaller
// rather than cut.
QFont FontThatFits(QFont font, int smallestPixels, const std::function<bool(const QFont&)>& fits);

// Font weights in the 100..900 scale of the window fonts.
constexpr int kWeightNormal = 400;
constexpr int kWeightBold = 700;
