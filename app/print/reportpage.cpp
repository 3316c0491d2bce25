#include "app/print/reportpage.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <string>

#include "app/patients/patientdisplay.h"
#include "app/pictures/pictureio.h"
#include "app/widgets/textutil.h"
#include "app/widgets/uifont.h"
#include "platform/paths.h"

const char kReportRuler[] = "---------1---------2---------3---------4---------5---------6---------7---------8---";

namespace {

constexpr double kBasePoints = 12.0;   // the base font, for the metrics
constexpr double kTitlePoints = 30.0;  // "Resualt"
constexpr double kTextPoints = 15.0;   // everything else
constexpr int kFirstLineChars = 30;    // description: the indented first line
constexpr int kLineChars = 32;         // description: every further line

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

QRect Corners(int left, int top, int right, int bottom) { return QRect(left, top, right - left, bottom - top); }

}  // namespace

ReportContent MakeReportContent(const _USER_INFO& patient, const QString& hospital, const QStringList& picturePaths,
                                const QDateTime& time) {
    ReportContent content;
    // The name, phone and birth date as typed where they were kept beside the record.
    const PatientDisplay shown = PatientDisplayOf(patient);
    content.name = shown.name;
    content.sex = patient.sex;
    if (shown.sex == QLatin1String("other") || shown.sex == QLatin1String("unknown")) content.sexWord = shown.sex;
    content.age = patient.age;
    content.phone = shown.phone;
    content.birthDate = shown.birthDate;
    content.description = FieldQString(patient.description, sizeof patient.description / sizeof patient.description[0]);
    content.hospital = hospital;
    content.picturePaths = picturePaths.mid(0, 4);
    content.time = time;
    return content;
}

QString ReportNameText(const QString& name) { return QStringLiteral("Name：") + name; }

QString ReportSexText(int sex) { return sex != 0 ? QStringLiteral("Sex：male") : QStringLiteral("Sex：female"); }

QString ReportAgeText(int age) { return QStringLiteral("Age：%1").arg(age); }

QString ReportTimeText(const QDateTime& time) {
    const QDate d = time.date();
    const QTime t = time.time();
    return QString::asprintf("Time：%02d/%02d/%d %02d:%02d:%02d", d.month(), d.day(), d.year(), t.hour(), t.minute(),
                             t.second());
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

QStringList WrapDescription(const QString& text) {
    QString printable = text;
    for (QChar& c : printable) {
        if (c.category() == QChar::Other_Control) c = QLatin1Char(' ');
    }
    QStringList lines;
    int at = 0;
    int take = kFirstLineChars;
    while (at < printable.size()) {
        int n = std::min<int>(take, int(printable.size()) - at);
        if (at + n < printable.size() && n > 1 && printable.at(at + n - 1).isHighSurrogate()) --n;
        lines << printable.mid(at, n);
        at += n;
        take = kLineChars;
    }
    return lines;
}

QVector<QRect> PictureRects(int count, int x, int w, int l) {
    if (count <= 0) return {};
    if (count == 1) return {Corners(x, 22 * l, x + w, 52 * l)};
    const int h = w / 2;
    const int g = w / 160;
    const int upperBottom = int(36.5 * l);
    const QVector<QRect> quarters = {
        Corners(x, 22 * l, x + h - g, upperBottom),
        Corners(x + h + g, 22 * l, x + w, upperBottom),
        Corners(x, 37 * l, x + h - g, 52 * l),
        Corners(x + h + g, 37 * l, x + w, 52 * l),
    };
    return quarters.mid(0, std::min(count, 4));
}

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

int CReportPage::DrawPage(QPainter& dc, const ReportContent& content) {
    if (m_nLineHeight <= 0 || !dc.device()) return 0;
    dc.save();
    if (m_dScale != 1.0) dc.scale(m_dScale, m_dScale);
    // The pictures go down first: where a line of text reaches into the picture area (a page
    // shorter than A4, a long description) it is printed over the picture, never hidden under it.
    DrawPictures(dc, content.picturePaths);
    DrawPictureCaptions(dc, int(content.picturePaths.size()), content.pictureCaptions);
    DrawText(dc, content);
    dc.restore();
    return 1;
}

int CReportPage::End() {
    m_fontReport.reset();
    return 1;
}

void CReportPage::DrawText(QPainter& dc, const ReportContent& content) {
    const int L = m_nLineHeight;
    const int W = m_nReportWidth;
    const int X = m_nLeftMargin;
    const int N = m_nLinesPerPage;
    dc.setBackgroundMode(Qt::TransparentMode);
    dc.setPen(QPen(Qt::black, 0));

    auto left = [&](const QFontMetrics& fm, int y, const QString& text) { TextAt(dc, fm, X, y, text); };
    auto centred = [&](const QFontMetrics& fm, int y, const QString& text) {
        TextAt(dc, fm, X + (W - fm.horizontalAdvance(text)) / 2, y, text);
    };
    auto right = [&](const QFontMetrics& fm, int y, const QString& text) {
        TextAt(dc, fm, X + W - fm.horizontalAdvance(text), y, text);
    };

    // The fonts live for the text part only.
    {
        const QFont title = ReportFont(SongTi(), kTitlePoints);
        const QFontMetrics fm(title, dc.device());
        dc.setFont(title);
        centred(fm, 2 * L, QStringLiteral("Resualt"));
    }
    dc.drawLine(X, 5 * L, X + W, 5 * L);

    const QFont text = ReportFont(FixedSys(), kTextPoints);
    const QFontMetrics fm(text, dc.device());
    dc.setFont(text);
    left(fm, 6 * L, ReportNameText(content.name));
    centred(fm, 6 * L,
            content.sexWord.isEmpty() ? ReportSexText(content.sex) : QStringLiteral("Sex：") + content.sexWord);
    right(fm, 6 * L, ReportAgeText(content.age));
    // The phone and birth date go on a line of their own between the name line and "Disease".
    if (!content.phone.isEmpty()) left(fm, int(7.5 * L), QStringLiteral("Phone：") + content.phone);
    if (!content.birthDate.isEmpty()) right(fm, int(7.5 * L), QStringLiteral("Born：") + content.birthDate);
    left(fm, 9 * L, QStringLiteral("Disease："));

    const int cw = fm.horizontalAdvance(QStringLiteral("宽"));
    const int ch = fm.height();
    const QStringList lines = WrapDescription(content.description);
    for (int i = 0; i < lines.size(); ++i) {
        const int k = i + 1;
        if (k == 1)
            TextAt(dc, fm, X + 2 * cw, int(11 * L + 0.3 * ch), lines[i]);
        else
            TextAt(dc, fm, X, int((k + 10) * L + k * 0.3 * ch), lines[i]);
    }

    left(fm, 19 * L, QStringLiteral("Pictures："));
    right(fm, (N - 2) * L, content.hospital);
    right(fm, N * L, ReportTimeText(content.time));
    left(fm, N * L, QStringLiteral("Doctor："));
}

// Each caption on a white band along the foot of its picture, so that it reads with the picture
// it belongs to in every layout.
void CReportPage::DrawPictureCaptions(QPainter& dc, int count, const QStringList& captions) {
    const QVector<QRect> rects = PictureRects(std::min(count, 4), m_nLeftMargin, m_nReportWidth, m_nLineHeight);
    const QFont font = ReportFont(FixedSys(), kTextPoints);
    const QFontMetrics fm(font, dc.device());
    dc.save();
    dc.setFont(font);
    dc.setPen(QPen(Qt::black, 0));
    for (int i = 0; i < rects.size() && i < captions.size(); ++i) {
        if (captions[i].isEmpty()) continue;
        const QString text = fm.elidedText(captions[i], Qt::ElideRight, rects[i].width() - fm.averageCharWidth());
        const QRect band(rects[i].left(), rects[i].bottom() - m_nLineHeight + 1, rects[i].width(), m_nLineHeight);
        dc.fillRect(band, Qt::white);
        dc.drawText(band.adjusted(fm.averageCharWidth() / 2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    dc.restore();
}

void CReportPage::DrawPictures(QPainter& dc, const QStringList& paths) {
    const int count = std::min<int>(int(paths.size()), 4);
    const QVector<QRect> rects = PictureRects(count, m_nLeftMargin, m_nReportWidth, m_nLineHeight);
    dc.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (int i = 0; i < rects.size(); ++i) {
        const QImage picture = LoadReportPicture(paths[i]);
        if (picture.isNull()) continue;  // the slot stays empty; the report still prints
        dc.drawImage(rects[i], picture);
    }
}
