#include "app/print/reportpage.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QTextOption>

#include <algorithm>
#include <string>

#include "app/patients/patientdisplay.h"
#include "app/pictures/pictureio.h"
#include "app/widgets/dialogunits.h"
#include "app/widgets/textutil.h"
#include "app/widgets/translation.h"
#include "app/widgets/uifont.h"
#include "platform/paths.h"

const char kReportRuler[] = "---------1---------2---------3---------4---------5---------6---------7---------8---";

namespace {

constexpr double kBasePoints = 12.0;   // the base font, for the metrics
constexpr double kTitlePoints = 30.0;  // "Resualt"
constexpr double kTextPoints = 15.0;   // everything else

const QString& FixedSys() {
    static const QString name = QStringLiteral("FixedSys");
    return name;
}

const QString& SongTi() {
    static const QString name = QStringLiteral("宋体");
    return name;
}

bool Installed(const QString& family) { return QFontDatabase::families().contains(family, Qt::CaseInsensitive); }

// Text at (x, y), y being the top of the text as the report's positions mean it.
void TextAt(QPainter& dc, const QFontMetrics& fm, int x, int y, const QString& text) {
    dc.drawText(x, y + fm.ascent(), text);
}

// Text read right to left that ends at `right`, on the line whose top is y.
void TextEndingAt(QPainter& dc, const QFontMetrics& fm, int right, int y, const QString& text) {
    QTextOption option(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop);
    option.setTextDirection(Qt::RightToLeft);
    option.setWrapMode(QTextOption::NoWrap);
    const int width = fm.horizontalAdvance(text);
    dc.drawText(QRectF(right - width, y, width, fm.height()), text, option);
}

QRect Corners(int left, int top, int right, int bottom) { return QRect(left, top, right - left, bottom - top); }

}  // namespace

ReportContent MakeReportContent(const _USER_INFO& patient, const QString& hospital, const QStringList& picturePaths,
                                const QDateTime& time) {
    ReportContent content;
    // The name, phone and birth date as typed where they were kept beside the record.
    const PatientDisplay shown = PatientDisplayOf(patient);
    content.name = shown.name;
    content.sex = patient.sex;
    if (shown.sexOtherOrUnknown) content.sexWord = shown.sex;
    content.age = patient.age;
    content.phone = shown.phone;
    content.birthDate = shown.birthDate;
    content.patientId = shown.patientId;
    content.description = FieldQString(patient.description, sizeof patient.description / sizeof patient.description[0]);
    content.hospital = hospital;
    content.picturePaths = picturePaths.mid(0, 4);
    content.time = time;
    return content;
}

bool ReportRightToLeft(const ReportContent& content) {
    if (content.direction == Qt::LayoutDirectionAuto) return QGuiApplication::isRightToLeft();
    return content.direction == Qt::RightToLeft;
}

QString ReportNameText(const QString& name) { return Ui::tr("Name：") + name; }

QString ReportSexText(int sex) { return sex != 0 ? Ui::tr("Sex：male") : Ui::tr("Sex：female"); }

QString ReportAgeText(int age) { return Ui::tr("Age：%1").arg(age); }

QString ReportTimeText(const QDateTime& time, const QLocale& locale) {
    return Ui::tr("Time：") + LocalDateTimeText(time, locale);
}

QString ReportFamily(const QString& family) {
    if (family.compare(FixedSys(), Qt::CaseInsensitive) != 0) return ResolveFamily(family);
    if (Installed(family)) return family;
    // The system's monospace family as fontconfig resolves it, else a known one.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setStyleHint(QFont::TypeWriter);
    const QFontInfo info(fixed);
    if (info.fixedPitch() && !info.family().isEmpty()) return info.family();
    for (const char* mono : {"DejaVu Sans Mono", "Liberation Mono", "Noto Sans Mono"}) {
        if (Installed(QString::fromLatin1(mono))) return QString::fromLatin1(mono);
    }
    return QStringLiteral("monospace");
}

QFont ReportFont(const QString& family, double points) {
    QFont font(ReportFamily(family));
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    font.setKerning(false);
    if (family.compare(FixedSys(), Qt::CaseInsensitive) == 0) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    return font;
}

namespace {

bool IsLineBreak(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar(0x2028) || c == QChar(0x2029);
}

QString TrimmedRight(const QString& text) {
    int n = int(text.size());
    while (n > 0 && text.at(n - 1).isSpace()) --n;
    return text.left(n);
}

// The end of the longest run of whole characters from `start` that is at most `width` wide; at
// least one character, so that a line too narrow for any still makes progress.
int CharacterCut(const QString& text, int start, const QFontMetrics& fm, int width) {
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    characters.setPosition(start);
    int cut = -1;
    for (int b = int(characters.toNextBoundary()); b > start; b = int(characters.toNextBoundary())) {
        if (cut >= 0 && fm.horizontalAdvance(text.mid(start, b - start)) > width) break;
        cut = b;
    }
    return cut > start ? cut : int(text.size());
}

// One paragraph (no line breaks in it) into lines; the first at most *width wide, which then
// becomes `next` for the rest.
void WrapParagraph(const QString& text, const QFontMetrics& fm, int* width, int next, QStringList* lines) {
    if (text.trimmed().isEmpty()) {
        lines->append(QString());
        *width = next;
        return;
    }
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    int start = 0;
    while (start < text.size()) {
        breaks.setPosition(start);
        int end = -1;
        for (int b = int(breaks.toNextBoundary()); b > start; b = int(breaks.toNextBoundary())) {
            if (fm.horizontalAdvance(TrimmedRight(text.mid(start, b - start))) > *width) break;
            end = b;
        }
        if (end < 0) end = CharacterCut(text, start, fm, *width);  // one word wider than the line
        lines->append(TrimmedRight(text.mid(start, end - start)));
        start = end;
        *width = next;
    }
}

}  // namespace

QStringList WrapDescription(const QString& text, const QFontMetrics& fm, int firstWidth, int width) {
    QStringList lines;
    if (text.isEmpty()) return lines;
    // "\r\n" is one break; every other break character is one.
    QStringList paragraphs;
    QString paragraph;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (IsLineBreak(c)) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) ++i;
            paragraphs << paragraph;
            paragraph.clear();
        } else {
            paragraph += c.category() == QChar::Other_Control ? QLatin1Char(' ') : c;
        }
    }
    paragraphs << paragraph;
    while (paragraphs.size() > 1 && paragraphs.last().trimmed().isEmpty()) paragraphs.removeLast();
    int w = firstWidth;
    for (const QString& p : paragraphs) WrapParagraph(p, fm, &w, width, &lines);
    return lines;
}

QVector<QRect> PictureRects(int count, int x, int w, int top, int bottom) {
    if (count <= 0) return {};
    if (count == 1) return {Corners(x, top, x + w, bottom)};
    const int h = w / 2;
    const int g = w / 160;
    // The upper row ends half a line (of the 30 the area has on A4) above the lower one's top.
    const int upperBottom = int(top + (bottom - top) * 29.0 / 60.0);
    const int lowerTop = top + (bottom - top) / 2;
    const QVector<QRect> quarters = {
        Corners(x, top, x + h - g, upperBottom),
        Corners(x + h + g, top, x + w, upperBottom),
        Corners(x, lowerTop, x + h - g, bottom),
        Corners(x + h + g, lowerTop, x + w, bottom),
    };
    return quarters.mid(0, std::min(count, 4));
}

QVector<QRect> PictureRects(int count, int x, int w, int l) { return PictureRects(count, x, w, 22 * l, 52 * l); }

QImage LoadReportPicture(const QString& path) {
    if (path.isEmpty()) return QImage();
    QString host = path;
    const std::string utf8 = path.toStdString();
    if (platform::HasDriveLetter(utf8)) host = QString::fromStdString(platform::HostPath(utf8));
    QString refused;
    if (!host.isEmpty()) host = PictureFileToOpen(host, &refused);
    if (host.isEmpty()) return QImage();
    QImageReader reader(host);
    return reader.read();
}

// --- The report -------------------------------------------------------------------------------

int CReportPage::Begin(QPainter& dc) {
    QPaintDevice* device = dc.device();
    if (!device) return 0;
    if (!m_fontReport) m_fontReport = ReportFont(FixedSys(), kBasePoints);
    const QFontMetrics fm(*m_fontReport, device);
    m_nLineHeight = fm.height() + std::max(0, fm.leading());
    m_nReportWidth = fm.horizontalAdvance(QString::fromLatin1(kReportRuler).left(kReportRulerChars));
    m_nPageWidth = device->width();
    m_nPageHeight = device->height();
    // A printer whose printable area is narrower than the report (its unprintable edges eat into
    // an A4 page) gets the whole report scaled down to that width, rather than cut at both edges.
    // (A short page keeps the size: its last lines go over the pictures.)
    m_dScale = m_nReportWidth > m_nPageWidth && m_nPageWidth > 0 ? double(m_nPageWidth) / m_nReportWidth : 1.0;
    // The page in the report's own units.
    const int width = int(m_nPageWidth / m_dScale);
    const int height = int(m_nPageHeight / m_dScale);
    m_nLinesPerPage = m_nLineHeight > 0 ? (height - 2 * m_nLineHeight) / m_nLineHeight : 0;
    m_nLeftMargin = (width - m_nReportWidth) / 2;
    return 1;
}

namespace {

// The vertical rules of the layout, in lines of the base font.
constexpr int kDescriptionTopLine = 11;   // the first description line (plus 0.3 text heights)
constexpr int kPicturesHeadingLine = 19;  // "Pictures：" when the description fits above it
constexpr int kPicturesOffsetLines = 3;   // from "Pictures：" to the top of the pictures
constexpr int kPicturesLines = 30;        // the height of the picture area on A4
constexpr int kContinuedTopLine = 5;      // where the text goes on on a further page
// Pictures that would get less than two thirds of their height above the footer go to the next
// page.
constexpr int kSmallestPicturesLines = kPicturesLines * 2 / 3;

}  // namespace

ReportLayout CReportPage::Layout(QPainter& dc, const ReportContent& content) const {
    ReportLayout layout;
    if (m_nLineHeight <= 0 || !dc.device()) {
        layout.pages = 0;
        return layout;
    }
    const int L = m_nLineHeight;
    const int W = m_nReportWidth;
    const int X = m_nLeftMargin;
    const QFontMetrics fm(ReportFont(FixedSys(), kTextPoints), dc.device());
    const int ch = fm.height();
    const int indent = 2 * fm.horizontalAdvance(QStringLiteral("宽"));
    const double pitch = L + 0.3 * ch;
    // Nothing of the body may reach the footer's first line (the hospital's).
    const int bottom = std::max((m_nLinesPerPage - 2) * L - L / 2, (kContinuedTopLine + 2) * L);

    const QStringList lines = WrapDescription(content.description, fm, W - indent, W);
    const double first = kDescriptionTopLine * L + 0.3 * ch;
    const bool fits = lines.isEmpty() || int(first + (lines.size() - 1) * pitch) + ch <= kPicturesHeadingLine * L;
    int page = 1;
    double y = first;
    for (int i = 0; i < lines.size(); ++i) {
        if (!fits && int(y) + ch > bottom) {
            ++page;
            y = kContinuedTopLine * L;
        }
        layout.description.append({page, i == 0 ? X + indent : X, int(y), lines[i]});
        y += pitch;
    }

    const int count = std::min<int>(int(content.picturePaths.size()), 4);
    int heading = fits ? kPicturesHeadingLine * L : int(y - pitch) + ch + L / 2;
    const int need = count > 0 ? kSmallestPicturesLines * L : 0;
    if (heading + kPicturesOffsetLines * L + need > bottom || heading + ch > bottom) {
        ++page;
        heading = kContinuedTopLine * L;
    }
    const int top = heading + kPicturesOffsetLines * L;
    const int end = std::max(top + L, std::min(top + kPicturesLines * L, bottom));
    layout.picturesPage = page;
    layout.picturesHeading = heading;
    layout.pictures = PictureRects(count, X, W, top, end);
    layout.pages = page;
    layout.rightToLeft = ReportRightToLeft(content);
    PlaceTexts(dc.device(), content, &layout);
    if (layout.rightToLeft) Mirror(dc.device(), &layout);
    return layout;
}

int CReportPage::PageCount(QPainter& dc, const ReportContent& content) const {
    return std::max(1, Layout(dc, content).pages);
}

int CReportPage::DrawPage(QPainter& dc, const ReportContent& content, int page) {
    if (m_nLineHeight <= 0 || !dc.device()) return 0;
    const ReportLayout layout = Layout(dc, content);
    if (page < 1 || page > layout.pages) return 1;
    dc.save();
    if (m_dScale != 1.0) dc.scale(m_dScale, m_dScale);
    DrawPictures(dc, content.picturePaths, layout, page);
    DrawPictureCaptions(dc, content.pictureCaptions, layout, page);
    DrawText(dc, layout, page);
    dc.restore();
    return 1;
}

int CReportPage::End() {
    m_fontReport.reset();
    return 1;
}

namespace {

// Three texts on one line: one at the left edge, one centred, one at the right edge. The centred
// one gives way to the others, and the left one is shortened where all three cannot fit.
void PlaceRow(QVector<ReportLayout::Text>* texts, int page, const QFontMetrics& fm, int x, int w, int y,
              const QString& left, const QString& centre, const QString& right) {
    const auto room = [&fm, y](int from, int to) { return QRect(from, y, std::max(0, to - from), fm.height()); };
    const int gap = fm.horizontalAdvance(QStringLiteral("  "));
    const int rightX = x + w - fm.horizontalAdvance(right);
    int limit = right.isEmpty() ? x + w : rightX - gap;
    if (!centre.isEmpty()) {
        const int cw = fm.horizontalAdvance(centre);
        int cx = std::max(x + (w - cw) / 2, x + fm.horizontalAdvance(left) + gap);
        cx = std::max(x, std::min(cx, limit - cw));
        texts->append({page, cx, y, centre, room(x, limit), false});
        limit = cx - gap;
    }
    if (!left.isEmpty()) texts->append({page, x, y, left, room(x, limit), false});
    if (!right.isEmpty()) texts->append({page, std::max(x, rightX), y, right, room(x, x + w), false});
}

}  // namespace

// The frame's texts of every page: the title and the patient's lines on the first, the name and
// the page number on the others, the headings, and the footer on each.
void CReportPage::PlaceTexts(QPaintDevice* device, const ReportContent& content, ReportLayout* layout) const {
    const int L = m_nLineHeight;
    const int W = m_nReportWidth;
    const int X = m_nLeftMargin;
    const int N = m_nLinesPerPage;
    const QFontMetrics fm(ReportFont(FixedSys(), kTextPoints), device);
    const QFontMetrics tm(ReportFont(SongTi(), kTitlePoints), device);
    QVector<ReportLayout::Text>& texts = layout->texts;
    const auto line = [&fm, X, W](int page, int y, const QString& text) {
        return ReportLayout::Text{page, X, y, text, QRect(X, y, W, fm.height()), false};
    };
    // Read right to left, each value is set apart from its label (first strong isolate), so
    // that a phone number's groups or an ISO date keep their order and a name in a script read
    // left to right stays whole.
    const bool rtl = layout->rightToLeft;
    const auto value = [rtl](const QString& v) { return rtl && !v.isEmpty() ? QChar(0x2068) + v + QChar(0x2069) : v; };
    const QString name = ReportNameText(value(content.name));
    const QString time = rtl ? Ui::tr("Time：") + value(LocalDateTimeText(content.time)) : ReportTimeText(content.time);

    const QString title = Ui::tr("Resualt");
    texts.append({1, std::max(X, X + (W - tm.horizontalAdvance(title)) / 2), 2 * L, title,
                  QRect(X, 2 * L, W, tm.height()), true});
    PlaceRow(&texts, 1, fm, X, W, 6 * L, name,
             content.sexWord.isEmpty() ? ReportSexText(content.sex) : Ui::tr("Sex：") + value(content.sexWord),
             ReportAgeText(content.age));
    // The ID, phone and birth date go on a line of their own between the name line and "Disease".
    PlaceRow(&texts, 1, fm, X, W, int(7.5 * L),
             content.patientId.isEmpty() ? QString() : Ui::tr("ID：") + value(content.patientId),
             content.phone.isEmpty() ? QString() : Ui::tr("Phone：") + value(content.phone),
             content.birthDate.isEmpty() ? QString() : Ui::tr("Born：") + value(content.birthDate));
    texts.append(line(1, 9 * L, Ui::tr("Disease：")));
    for (int page = 2; page <= layout->pages; ++page) {
        PlaceRow(&texts, page, fm, X, W, 2 * L, name, QString(), Ui::tr("Page %1 of %2").arg(page).arg(layout->pages));
    }
    texts.append(line(layout->picturesPage, layout->picturesHeading, Ui::tr("Pictures：")));
    for (int page = 1; page <= layout->pages; ++page) {
        PlaceRow(&texts, page, fm, X, W, (N - 2) * L, QString(), QString(), value(content.hospital));
        PlaceRow(&texts, page, fm, X, W, N * L, Ui::tr("Doctor：") + value(content.doctor), QString(), time);
    }
}

// The layout seen in a mirror within the report's width: each text's and description line's box,
// each room and each picture's slot goes to the other side.
void CReportPage::Mirror(QPaintDevice* device, ReportLayout* layout) const {
    const int X = m_nLeftMargin;
    const int W = m_nReportWidth;
    const QFontMetrics fm(ReportFont(FixedSys(), kTextPoints), device);
    const QFontMetrics tm(ReportFont(SongTi(), kTitlePoints), device);
    const auto mirrored = [X, W](const QRect& r) { return MirroredRect(r.translated(-X, 0), W).translated(X, 0); };
    for (ReportLayout::Text& t : layout->texts) {
        t.x = 2 * X + W - t.x - (t.title ? tm : fm).horizontalAdvance(t.text);
        t.room = mirrored(t.room);
    }
    for (ReportLayout::Line& line : layout->description) line.x = 2 * X + W - line.x - fm.horizontalAdvance(line.text);
    for (QRect& r : layout->pictures) r = mirrored(r);
}

void CReportPage::DrawText(QPainter& dc, const ReportLayout& layout, int page) {
    const int L = m_nLineHeight;
    const int W = m_nReportWidth;
    const int X = m_nLeftMargin;
    dc.setBackgroundMode(Qt::TransparentMode);
    dc.setPen(QPen(Qt::black, 0));

    const QFont text = ReportFont(FixedSys(), kTextPoints);
    const QFontMetrics fm(text, dc.device());
    const QFont title = ReportFont(SongTi(), kTitlePoints);
    const QFontMetrics tm(title, dc.device());
    if (page == 1) {
        dc.drawLine(X, 5 * L, X + W, 5 * L);
    } else {
        dc.drawLine(X, int(3.5 * L), X + W, int(3.5 * L));
    }
    for (const ReportLayout::Text& t : layout.texts) {
        if (t.page != page) continue;
        const QFontMetrics& metrics = t.title ? tm : fm;
        dc.setFont(t.title ? title : text);
        // A text that fits its room is drawn whole: eliding measures in fractions of a pixel and
        // would cut a text that fits to the whole pixel (the time at the right edge).
        const int width = metrics.horizontalAdvance(t.text);
        const int right = layout.rightToLeft ? t.x + width : t.room.x() + t.room.width();
        const int room = right - (layout.rightToLeft ? t.room.x() : t.x);
        const QString shown = width <= room ? t.text : metrics.elidedText(t.text, Qt::ElideRight, std::max(0, room));
        if (layout.rightToLeft) {
            TextEndingAt(dc, metrics, right, t.y, shown);
        } else {
            TextAt(dc, metrics, t.x, t.y, shown);
        }
    }
    for (const ReportLayout::Line& line : layout.description) {
        if (line.page != page) continue;
        if (layout.rightToLeft) {
            TextEndingAt(dc, fm, line.x + fm.horizontalAdvance(line.text), line.y, line.text);
        } else {
            TextAt(dc, fm, line.x, line.y, line.text);
        }
    }
}

// Each caption on a white band along the foot of its picture, so that it reads with the picture
// it belongs to in every layout.
void CReportPage::DrawPictureCaptions(QPainter& dc, const QStringList& captions, const ReportLayout& layout, int page) {
    if (layout.picturesPage != page) return;
    const QFont font = ReportFont(FixedSys(), kTextPoints);
    const QFontMetrics fm(font, dc.device());
    dc.save();
    dc.setFont(font);
    dc.setPen(QPen(Qt::black, 0));
    for (int i = 0; i < layout.pictures.size() && i < captions.size(); ++i) {
        if (captions[i].isEmpty()) continue;
        const QRect& rect = layout.pictures[i];
        const QString text = fm.elidedText(captions[i], Qt::ElideRight, rect.width() - fm.averageCharWidth());
        const QRect band(rect.left(), rect.bottom() - m_nLineHeight + 1, rect.width(), m_nLineHeight);
        dc.fillRect(band, Qt::white);
        if (layout.rightToLeft) {
            QTextOption option(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
            option.setTextDirection(Qt::RightToLeft);
            option.setWrapMode(QTextOption::NoWrap);
            dc.drawText(QRectF(band.adjusted(0, 0, -fm.averageCharWidth() / 2, 0)), text, option);
        } else {
            dc.drawText(band.adjusted(fm.averageCharWidth() / 2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        }
    }
    dc.restore();
}

void CReportPage::DrawPictures(QPainter& dc, const QStringList& paths, const ReportLayout& layout, int page) {
    if (layout.picturesPage != page) return;
    dc.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (int i = 0; i < layout.pictures.size() && i < paths.size(); ++i) {
        const QImage picture = LoadReportPicture(paths[i]);
        if (picture.isNull()) continue;  // the slot stays empty; the report still prints
        dc.drawImage(layout.pictures[i], picture);
    }
}
