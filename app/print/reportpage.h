// The diagnosis report: the title, the patient's name, sex, age, ID, phone and birth date, the
// disease description, up to four picked pictures, the hospital name, the date and time and the
// doctor's line for the signature.
//
// A description that does not fit above the pictures pushes them down, and onto a second page
// when the first is full; a description longer than a page continues on the next one. Every page
// after the first starts with the patient's name and the page number, and every page ends with
// the hospital, the time and the doctor's line, so that a loose page still says whose it is.
//
// The main window draws it when the print view asks (beginning, page, end). Everything is laid
// out in device pixels of the printer from the metrics of the report's base font, a "FixedSys"
// of 12 points: the line height L, the report width W (81 characters of the ruler text) and the
// left margin X that centres the report on the printable width.
//
// A report read right to left (the application's layout direction, or the report's own) is the
// page seen in a mirror: the texts end at the right edge and read from there, the description is
// right-aligned, and the pictures' slots swap sides (the first on the right) while the pictures
// themselves keep their pixels.
//
// Runs on the user-interface thread.
#pragma once

#include <QDateTime>
#include <QFont>
#include <QImage>
#include <QLocale>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

#include "records/recordtypes.h"

class QFontMetrics;
class QPaintDevice;
class QPainter;

// What one report shows.
struct ReportContent {
    QString name;
    int sex = 0;      // 0 female, anything else male
    QString sexWord;  // "other" or "unknown" where the record's sex cannot say it; else empty
    int age = 0;
    QString phone;      // as typed
    QString birthDate;  // YYYY-MM-DD, or empty
    QString patientId;  // the outside Patient ID, else the record's own number
    QString doctor;     // the doctor's name from the settings, or empty
    QString description;
    QString hospital;
    QStringList picturePaths;     // at most four, in pick order; logical d: paths or host paths
    QStringList pictureCaptions;  // a line under each picture (its teeth), by the same index; may be shorter
    QDateTime time;               // local time of printing
    // The way the report reads; Qt::LayoutDirectionAuto is the application's.
    Qt::LayoutDirection direction = Qt::LayoutDirectionAuto;
};

// True when the report reads right to left.
bool ReportRightToLeft(const ReportContent& content);

// The report of a patient record.
ReportContent MakeReportContent(const _USER_INFO& patient, const QString& hospital, const QStringList& picturePaths,
                                const QDateTime& time);

// The ruler whose first 81 characters give the report's width.
extern const char kReportRuler[];
constexpr int kReportRulerChars = 81;

// The texts of the report.
QString ReportNameText(const QString& name);
QString ReportSexText(int sex);
QString ReportAgeText(int age);
// The time in the locale's date format (with a four-digit year) and its short time format.
QString ReportTimeText(const QDateTime& time, const QLocale& locale = QLocale());

// The installed family that stands for a font named in the report: "FixedSys" is the monospace
// family, "宋体" the installed CJK font.
QString ReportFamily(const QString& family);

// A font of `points` points for the report; its pixel size follows the device it is used on.
QFont ReportFont(const QString& family, double points);

// The description cut into its printed lines for a font: the first line at most firstWidth
// device pixels wide, every further one at most width. Lines break where Unicode allows a line
// break (between words; between any two CJK characters), a word wider than a line is cut between
// characters, and the user's line breaks start a new line (an empty line stays). Tabs and other
// control characters print as blanks. An empty description has no lines.
QStringList WrapDescription(const QString& text, const QFontMetrics& fm, int firstWidth, int width);

// The rectangles of `count` pictures (0 to 4) in the area (x, top)-(x + w, bottom): one picture
// fills it; two to four take its quarters in pick order.
QVector<QRect> PictureRects(int count, int x, int w, int top, int bottom);
// The same on the first page of a report at left margin x, width w and line height l: the area
// (x, 22l)-(x + w, 52l).
QVector<QRect> PictureRects(int count, int x, int w, int l);

// Where the parts of a report go, in report units (see CReportPage). An x is the left edge of the
// whole text in either direction; a text read right to left ends at its x plus its width.
struct ReportLayout {
    struct Line {
        int page = 1;  // 1-based
        int x = 0;
        int y = 0;  // the top of the text
        QString text;
    };
    // A text of the report's frame (title, patient lines, headings, footer): drawn at x on the
    // line whose top is y, in the title's font or the text's, and cut to the room's right edge
    // (its left edge when read right to left). The room is what the layout gives the text: it
    // fits when it lies within the room.
    struct Text {
        int page = 1;
        int x = 0;
        int y = 0;
        QString text;
        QRect room;  // left to right edge the text may take, top and line height
        bool title = false;
    };
    int pages = 1;
    bool rightToLeft = false;  // mirrored: see the file's comment
    QVector<Text> texts;
    QVector<Line> description;
    int picturesPage = 1;
    int picturesHeading = 0;  // the top of "Pictures："
    QVector<QRect> pictures;  // one per picture path, in pick order
};

// Loads a picture for the report from a logical d: path or a host path; null when it cannot be
// read.
QImage LoadReportPicture(const QString& path);

class CReportPage {
public:
    // Beginning of printing on an active painter: creates the base font when there is none yet
    // and computes the metrics from it and the device's printable size. Returns 1.
    int Begin(QPainter& dc);

    // The layout of the report for the device of the painter that Begin ran on (fonts measured on
    // `dc`'s device). Empty (no pages) when Begin has not run.
    ReportLayout Layout(QPainter& dc, const ReportContent& content) const;
    // The number of pages the report takes (1 when Begin has not run).
    int PageCount(QPainter& dc, const ReportContent& content) const;

    // Draws a page (1-based) of the report: the pictures and the text part. Returns 1 (0 when
    // Begin has not run).
    int DrawPage(QPainter& dc, const ReportContent& content, int page = 1);

    // End of printing: releases the base font. Returns 1.
    int End();

    // The base font is held (between Begin and End).
    bool HasFont() const { return m_fontReport.has_value(); }

    std::optional<QFont> m_fontReport;
    int m_nLineHeight = 0;    // L: character height + external leading of the base font
    int m_nReportWidth = 0;   // W: extent of the first 81 ruler characters
    int m_nLeftMargin = 0;    // X: (printable width - W) / 2, in report units
    int m_nPageWidth = 0;     // printable width in device pixels
    int m_nPageHeight = 0;    // printable height in device pixels
    int m_nLinesPerPage = 0;  // N: (printable height - 2L) / L, in report units
    // Device pixels per report unit: 1, or less where the printable width is narrower than W,
    // so that nothing is cut.
    double m_dScale = 1.0;

private:
    void PlaceTexts(QPaintDevice* device, const ReportContent& content, ReportLayout* layout) const;
    void Mirror(QPaintDevice* device, ReportLayout* layout) const;
    void DrawText(QPainter& dc, const ReportLayout& layout, int page);
    void DrawPictures(QPainter& dc, const QStringList& paths, const ReportLayout& layout, int page);
    void DrawPictureCaptions(QPainter& dc, const QStringList& captions, const ReportLayout& layout, int page);
};
