// Report printing: the report's metrics, texts and layout (on pictures and in PDF files), the
// print view's beginning/page/end sequence, the preview frame, and the main window's "Print".
#include <QtTest>

#include <QDir>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>

#include <algorithm>

#include "app/mainwindow/kavimodlg.h"
#include "app/patients/userlist.h"
#include "app/pictures/listimagectrl.h"
#include "app/print/printframe.h"
#include "app/widgets/translation.h"
#include "platform/net.h"
#include "records/patientdetails.h"
#include "records/recordnames.h"
#include "tests/app/support/apptestsupport.h"

namespace {

const QColor kColours[4] = {QColor(220, 30, 30), QColor(30, 180, 40), QColor(30, 60, 220), QColor(250, 230, 120)};

bool Near(QColor a, QColor b) {
    return qAbs(a.red() - b.red()) <= 30 && qAbs(a.green() - b.green()) <= 30 && qAbs(a.blue() - b.blue()) <= 30;
}

bool WritePng(const QString& path, QColor colour, int w = 64, int h = 48) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, "PNG");
}

QImage Device(int dpi, double widthInches, double heightInches) {
    QImage image(qRound(widthInches * dpi), qRound(heightInches * dpi), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    return image;
}

// The report drawn at 100 dpi on a page as wide as a letter page (81 columns fit at this
// resolution) and as high as an A4 page unless asked otherwise.
QImage RenderPage(CReportPage& page, const ReportContent& content, double heightInches = 11.69) {
    QImage image = Device(100, 8.5, heightInches);
    QPainter dc(&image);
    page.Begin(dc);
    page.DrawPage(dc, content);
    page.End();
    return image;
}

ReportContent SampleContent() {
    ReportContent c;
    c.name = QStringLiteral("Zhang");
    c.sex = 1;
    c.age = 42;
    // 30 characters, 32 characters, the rest.
    c.description =
        QStringLiteral("Deep caries on tooth 36, pulp Root canal treatment is advised. Control in two weeks.");
    c.hospital = QStringLiteral("口腔医院");
    c.time = QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3));
    return c;
}

// The words of a PDF with their boxes in points, as pdftotext reads them.
QMap<QString, QRectF> PdfWords(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(20000);
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QMap<QString, QRectF> words;
    for (auto it = word.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); it.hasNext();) {
        const auto m = it.next();
        words.insert(m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                           QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())));
    }
    return words;
}

struct PdfWord {
    int page = 0;  // 1-based
    QString text;
    QRectF box;
};

// The words of a PDF in reading order, with their pages.
QVector<PdfWord> PdfWordList(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(20000);
    static const QRegularExpression item(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QVector<PdfWord> words;
    int page = 0;
    for (auto it = item.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        words.append({page, m.captured(5),
                      QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                             QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}

// A diagnosis of 349 characters as a dentist types it, with line breaks of its own.
QString LongDiagnosis() {
    QString text = QStringLiteral(
        "Patient reports sensitivity to cold on the lower left side for three weeks.\n"
        "Findings: deep distal caries on tooth 36 reaching the pulp; tooth 37 shows a fractured "
        "amalgam filling with secondary caries underneath.\n\n"
        "Plan: root canal treatment of 36 under local anaesthesia, then a crown; replace the "
        "filling of 37 with composite. Control radiograph in six months, recall");
    while (text.size() < 349) text += QStringLiteral(" ok");
    return text.left(349);
}

// An owner that logs the steps it is given and draws the sample report with them.
class RecordingOwner : public CPrintOwner {
public:
    int OnBeginPrinting(QPainter& dc, CPrintInfo& info) override {
        Log(dc, info, info.preview ? "begin:preview" : "begin:print");
        resolution = info.printer->resolution();
        page.Begin(dc);
        info.maxPage = pages > 0 ? pages : page.PageCount(dc, content);
        return 1;
    }
    int OnPrintPage(QPainter& dc, CPrintInfo& info) override {
        Log(dc, info, "page:" + QString::number(info.currentPage));
        return page.DrawPage(dc, content, info.currentPage);
    }
    int OnEndPrinting(QPainter& dc, CPrintInfo& info) override {
        Log(dc, info, "end");
        return page.End();
    }
    void Log(QPainter& dc, const CPrintInfo& info, const QString& step) {
        calls << step;
        onPrinter = onPrinter && dc.isActive() && dc.device() == info.printer;
    }
    QStringList calls;
    bool onPrinter = true;
    int pages = 0;  // 0: as many as the report takes
    int resolution = 0;
    CReportPage page;
    ReportContent content = SampleContent();
};

class SilentPort {
public:
    SilentPort() : m_fd(platform::OpenUdpSocket("127.0.0.1", 0, false)) {}
    ~SilentPort() { platform::CloseSocket(m_fd); }
    uint16_t Port() const { return platform::LocalPort(m_fd); }

private:
    int m_fd;
};

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void metricsFollowTheBaseFontOnTheDeviceAndTheFontLivesUntilTheEnd();
    void pictureRectanglesFollowTheSlotRule();
    void descriptionWrapsAtWordsKeepsBreaksAndUsesTheWidth();
    void longDiagnosisContinuesOnASecondPageWithoutOverlap();
    void picturesFillTheirSlotsAndUnreadableOnesStayEmpty();
    void pdfCarriesTheTextsWhereTheLayoutPutsThem();
    void reportIsScaledIntoAPrintersPrintableArea();
    void viewHandsEveryRunToItsOwner();
    void previewFrameToolBarAndPrintCommand();
    void printButtonReportsTheCurrentPatientWithThePickedPictures();
    void rightToLeftMirrorsThePageAndTextsThatFitPrintWhole();
};

void PrintTest::metricsFollowTheBaseFontOnTheDeviceAndTheFontLivesUntilTheEnd() {
    int widthAt96 = 0;
    for (int dpi : {96, 300}) {
        QImage device = Device(dpi, 8.27, 11.69);
        QPainter dc(&device);
        CReportPage page;
        QCOMPARE(page.DrawPage(dc, SampleContent()), 0);  // no page before the beginning
        QVERIFY(!page.HasFont());
        QCOMPARE(page.Begin(dc), 1);
        QVERIFY(QFontInfo(*page.m_fontReport).fixedPitch());
        const QFontMetrics fm(*page.m_fontReport, &device);
        QCOMPARE(page.m_nLineHeight, fm.height() + qMax(0, fm.leading()));
        // 12 points on this device: a cell a little taller than the em, 81 equal columns.
        const double em = 12.0 * dpi / 72.0;
        QVERIFY(page.m_nLineHeight >= em && page.m_nLineHeight <= 1.4 * em);
        QVERIFY(qAbs(page.m_nReportWidth - 81 * QFontMetricsF(*page.m_fontReport, &device).horizontalAdvance('-')) < 2);
        QVERIFY(page.m_nReportWidth > 81 * 0.5 * em && page.m_nReportWidth < 81 * 0.65 * em);
        QCOMPARE(page.m_nPageWidth, device.width());
        QCOMPARE(page.m_nPageHeight, device.height());
        QCOMPARE(page.m_nLeftMargin, (device.width() - page.m_nReportWidth) / 2);
        QCOMPARE(page.m_nLinesPerPage, (device.height() - 2 * page.m_nLineHeight) / page.m_nLineHeight);
        if (dpi == 96)
            widthAt96 = page.m_nReportWidth;
        else
            QVERIFY(qAbs(page.m_nReportWidth - widthAt96 * 300.0 / 96.0) < 0.03 * page.m_nReportWidth);

        page.m_fontReport->setStyleName(QStringLiteral("kept"));
        page.Begin(dc);  // a font that is there is not made anew
        QCOMPARE(page.m_fontReport->styleName(), QStringLiteral("kept"));
        QCOMPARE(page.End(), 1);
        QVERIFY(!page.HasFont());
        QCOMPARE(page.End(), 1);
    }
}

void PrintTest::pictureRectanglesFollowTheSlotRule() {
    QVERIFY(PictureRects(0, 100, 4000, 50).isEmpty());
    QCOMPARE(PictureRects(1, 100, 4000, 50), QVector<QRect>{QRect(QPoint(100, 1100), QPoint(4099, 2599))});
    const QVector<QRect> four = PictureRects(4, 100, 4000, 50);
    QCOMPARE(four, QVector<QRect>(
                       {QRect(QPoint(100, 1100), QPoint(2074, 1824)), QRect(QPoint(2125, 1100), QPoint(4099, 1824)),
                        QRect(QPoint(100, 1850), QPoint(2074, 2599)), QRect(QPoint(2125, 1850), QPoint(4099, 2599))}));
    QCOMPARE(PictureRects(2, 100, 4000, 50), four.mid(0, 2));
    QCOMPARE(PictureRects(3, 100, 4000, 50), four.mid(0, 3));
    QCOMPARE(PictureRects(7, 100, 4000, 50), four);
    // Integer half and gap, the half-line bottom truncated: h = 499, g = 6, 36.5 * 33 = 1204.5.
    QCOMPARE(PictureRects(2, 7, 999, 33),
             QVector<QRect>({QRect(QPoint(7, 726), QPoint(499, 1203)), QRect(QPoint(512, 726), QPoint(1005, 1203))}));
}

void PrintTest::descriptionWrapsAtWordsKeepsBreaksAndUsesTheWidth() {
    QImage device = Device(300, 0.01, 0.01);
    const QFontMetrics fm(ReportFont("FixedSys", 15.0), &device);
    const int width = 81 * fm.horizontalAdvance(QLatin1Char('-')) * 12 / 15;
    const int first = width - 2 * fm.horizontalAdvance(QStringLiteral("宽"));

    // Words stay whole and in order, no line is wider than allowed, the user's breaks (and the
    // empty line) are kept, and a line ends only where the next word would not fit.
    const QString text = LongDiagnosis();
    const QStringList lines = WrapDescription(text, fm, first, width);
    QStringList paragraphs = text.split(QLatin1Char('\n'));
    QStringList joined;
    QString current;
    for (int i = 0; i < lines.size(); ++i) {
        QVERIFY2(fm.horizontalAdvance(lines[i]) <= (i == 0 ? first : width), qPrintable(lines[i]));
        QVERIFY(!lines[i].startsWith(QLatin1Char(' ')) && !lines[i].endsWith(QLatin1Char(' ')));
        current += (current.isEmpty() ? QString() : QStringLiteral(" ")) + lines[i];
        const bool paragraphEnd = current.simplified() == paragraphs.value(joined.size()).simplified();
        if (!paragraphEnd && i + 1 < lines.size()) {
            const QString next = lines[i + 1].section(QLatin1Char(' '), 0, 0);
            QVERIFY2(fm.horizontalAdvance(lines[i] + QLatin1Char(' ') + next) > (i == 0 ? first : width),
                     qPrintable(lines[i] + " | " + next));
        }
        if (paragraphEnd) {
            joined << current;
            current.clear();
        }
    }
    QCOMPARE(joined, paragraphs);
    QCOMPARE(lines.count(QString()), 1);              // the empty line between two paragraphs
    QVERIFY(lines.size() >= 6 && lines.size() <= 9);  // 349 characters over about 60 columns

    // CJK breaks between any two characters and fills the line.
    QString cjk;
    for (int i = 0; i < 120; ++i) cjk += QChar(0x4E00 + (i * 37) % 2000);
    const QStringList cjkLines = WrapDescription(cjk, fm, first, width);
    QCOMPARE(cjkLines.join(QString()), cjk);
    QVERIFY(cjkLines.size() >= 3);
    const int wide = fm.horizontalAdvance(QStringLiteral("宽"));
    for (int i = 0; i + 1 < cjkLines.size(); ++i) {
        const int limit = i == 0 ? first : width;
        QVERIFY(fm.horizontalAdvance(cjkLines[i]) <= limit && fm.horizontalAdvance(cjkLines[i]) > limit - wide);
    }

    // A word wider than a line is cut between characters (never inside a surrogate pair); CR LF is
    // one break; a tab prints as a blank; an empty text has no lines.
    const QString pair = QString::fromUcs4(U"\U0001F9B7");
    const QString longWord = QString(200, QLatin1Char('x')) + pair + QString(200, QLatin1Char('y'));
    const QStringList cut = WrapDescription(longWord, fm, first, width);
    QCOMPARE(cut.join(QString()), longWord);
    for (const QString& line : cut) {
        QVERIFY(fm.horizontalAdvance(line) <= width);
        QVERIFY(!line.back().isHighSurrogate());
    }
    QCOMPARE(WrapDescription(QStringLiteral("Caries 36\r\nfilling\tdone\r\n"), fm, first, width),
             QStringList({"Caries 36", "filling done"}));
    QVERIFY(WrapDescription(QString(), fm, first, width).isEmpty());

    QCOMPARE(ReportSexText(0), QStringLiteral("Sex：female"));
    QCOMPARE(ReportSexText(1), QStringLiteral("Sex：male"));
    QCOMPARE(ReportSexText(-3), QStringLiteral("Sex：male"));
    const QDateTime when(QDate(2024, 3, 5), QTime(9, 7, 3));
    QCOMPARE(ReportTimeText(when, QLocale(QLocale::German, QLocale::Germany)),
             QStringLiteral("Time：05.03.2024 09:07"));
    QVERIFY(ReportTimeText(when, QLocale(QLocale::English, QLocale::UnitedStates)).startsWith("Time：3/5/2024 9:07"));
    QCOMPARE(ReportNameText(QStringLiteral("王芳")), QStringLiteral("Name：王芳"));
    QCOMPARE(ReportAgeText(7), QStringLiteral("Age：7"));
    _USER_INFO user = MakePatient(20240305090703ull, u"Li Wei", 51, 0, 1);
    records::SetFieldText(user.description, std::u16string(u"Gingivitis"));
    const ReportContent c = MakeReportContent(user, "H", {"a", "b", "c", "d", "e"}, QDateTime());
    QCOMPARE(QStringList({c.name, c.description}), QStringList({"Li Wei", "Gingivitis"}));
    QCOMPARE(c.picturePaths, QStringList({"a", "b", "c", "d"}));

    // "other" comes from the details file, in whatever language the word is shown.
    TestDrive drive;
    records::SetFieldText(user.dirPath, records::PatientDirPath(user.uid));
    const QString folder = PatientDir(drive, user.uid);
    QVERIFY(QDir().mkpath(folder));
    records::PatientDetails details;
    details.sex = "O";
    std::string error;
    QVERIFY(records::WritePatientDetails(folder.toStdString(), details, &error));
    InstallTranslation(QStringLiteral("zh_CN"));
    const QString other = MakeReportContent(user, "H", {}, QDateTime()).sexWord;
    InstallTranslation(QStringLiteral("C"));
    QCOMPARE(other, QStringLiteral("其他"));
}

void PrintTest::picturesFillTheirSlotsAndUnreadableOnesStayEmpty() {
    QTemporaryDir dir;
    QStringList files;
    for (int i = 0; i < 4; ++i) {
        files << dir.filePath(QStringLiteral("p%1.png").arg(i));
        QVERIFY(WritePng(files.last(), kColours[i], 40 + 30 * i, 90 - 10 * i));
    }
    for (int count = 0; count <= 4; ++count) {
        CReportPage page;
        ReportContent content = SampleContent();
        content.picturePaths = files.mid(0, count);
        const QImage image = RenderPage(page, content);
        const int L = page.m_nLineHeight, X = page.m_nLeftMargin, W = page.m_nReportWidth;
        const QVector<QRect> rects = PictureRects(count, X, W, L);
        for (int i = 0; i < count; ++i) {
            const QRect r = rects[i];
            for (QPoint at : {r.center(), r.topLeft() + QPoint(1, 1), r.bottomRight() - QPoint(1, 1)})
                QVERIFY2(Near(image.pixelColor(at), kColours[i]),
                         qPrintable(QStringLiteral("%1 of %2").arg(i).arg(count)));
            QCOMPARE(image.pixelColor(r.center().x(), r.top() - 2), QColor(Qt::white));
        }
        if (count >= 2) QCOMPARE(image.pixelColor(X + W / 2, rects[0].center().y()), QColor(Qt::white));  // the gap
        for (int y = 22 * L; count == 0 && y < 52 * L; y += 7)
            for (int x = X; x < X + W; x += 7) QVERIFY(image.pixelColor(x, y) == QColor(Qt::white));
    }

    // A missing file and a file that is no picture leave their slots empty; the rest prints.
    const QString broken = dir.filePath("broken.jpg");
    QFile junk(broken);
    QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("\xff\xd8 not a picture") > 0);
    junk.close();
    CReportPage page;
    ReportContent content = SampleContent();
    content.picturePaths = {files[0], dir.filePath("missing.jpg"), broken, files[2]};
    QImage image = RenderPage(page, content);
    QVector<QRect> rects = PictureRects(4, page.m_nLeftMargin, page.m_nReportWidth, page.m_nLineHeight);
    QVERIFY(Near(image.pixelColor(rects[0].center()), kColours[0]));
    QCOMPARE(image.pixelColor(rects[1].center()), QColor(Qt::white));
    QCOMPARE(image.pixelColor(rects[2].center()), QColor(Qt::white));
    QVERIFY(Near(image.pixelColor(rects[3].center()), kColours[2]));

    // On a page shorter than A4 the picture shrinks to end above the hospital line.
    content.picturePaths = {files[3]};
    image = RenderPage(page, content, 10.0);
    const int L = page.m_nLineHeight, N = page.m_nLinesPerPage;
    QVERIFY(N * L < 52 * L);
    QPainter probe(&image);
    const QRect picture = page.Layout(probe, content).pictures.value(0);
    probe.end();
    QVERIFY(picture.bottom() < (N - 2) * L && picture.height() > 20 * L);
    QVERIFY(Near(image.pixelColor(picture.left() + 5, picture.bottom() - 2), kColours[3]));
    int ink = 0;
    for (int y = (N - 2) * L; y < (N - 1) * L; ++y)
        for (int x = picture.center().x(); x < picture.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            QVERIFY2(!Near(c, kColours[3]), "the picture reaches the hospital line");
            ink += qGray(c.rgb()) < 100;
        }
    QVERIFY2(ink > 30, qPrintable(QString::number(ink)));
}

void PrintTest::pdfCarriesTheTextsWhereTheLayoutPutsThem() {
    QTemporaryDir dir;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    RecordingOwner owner;
    // The description's first line takes the width: "treatment" only starts the second.
    owner.content.description =
        QStringLiteral("Deep caries on tooth 36, the pulp is open; root canal treatment is advised within two weeks.");
    owner.content.patientId = QStringLiteral("20240305");
    owner.content.phone = QStringLiteral("0171 555");
    owner.content.birthDate = QStringLiteral("1981-02-03");
    owner.content.doctor = QStringLiteral("Dr. Ahmadi");
    CPrintView view(&owner);
    view.PreviewPrinter().setPageSize(QPageSize(QPageSize::A4));
    QVERIFY(view.SaveAsPdf(dir.filePath("report.pdf")));
    const QMap<QString, QRectF> words = PdfWords(dir.filePath("report.pdf"));
    QVERIFY2(!words.isEmpty(), "pdftotext read no words");
    QCOMPARE(owner.resolution, 1200);
    QVERIFY(!owner.page.HasFont());

    const double pt = 72.0 / owner.resolution;  // device pixels to points
    const double L = owner.page.m_nLineHeight * pt, X = owner.page.m_nLeftMargin * pt;
    const double W = owner.page.m_nReportWidth * pt, tol = 0.6 * L;
    const int N = owner.page.m_nLinesPerPage;
    QImage device = Device(1200, 0.01, 0.01);
    const QFontMetrics fm15(ReportFont("FixedSys", 15.0), &device);
    const double cw = fm15.horizontalAdvance(QStringLiteral("宽")) * pt, ch = fm15.height() * pt;
    QVERIFY(cw > 10);  // the wide character of the CJK font

    enum Align { Left, Centre, Right };
    // (word, alignment, x it aligns to, top in lines)
    const struct {
        const char* word;
        Align align;
        double x;
        double top;
    } expected[] = {
        {"Resualt", Centre, X + W / 2, 2 * L},
        {"Name：Zhang", Left, X, 6 * L},
        {"Sex：male", Centre, X + W / 2, 6 * L},
        {"Age：42", Right, X + W, 6 * L},
        {"Disease：", Left, X, 9 * L},
        {"Deep", Left, X + 2 * cw, 11 * L + 0.3 * ch},
        {"treatment", Left, X, 12 * L + 0.6 * ch},
        {"ID：20240305", Left, X, 7.5 * L},
        {"Born：1981-02-03", Right, X + W, 7.5 * L},
        {"Pictures：", Left, X, 19 * L},
        {"口腔医院", Right, X + W, (N - 2) * L},
        {"09:07", Right, X + W, N * L},
        {"Doctor：Dr.", Left, X, N * L},
    };
    for (const auto& e : expected) {
        const QString text = QString::fromUtf8(e.word);
        QVERIFY2(words.contains(text), e.word);
        const QRectF box = words[text];
        const double x = e.align == Left ? box.left() : e.align == Right ? box.right() : box.center().x();
        QVERIFY2(qAbs(x - e.x) < 2, qPrintable(QStringLiteral("%1 at x %2, not %3").arg(text).arg(x).arg(e.x)));
        QVERIFY2(qAbs(box.top() - e.top) < tol,
                 qPrintable(QStringLiteral("%1 at y %2, not %3").arg(text).arg(box.top()).arg(e.top)));
    }
    QVERIFY(words.contains("Time：05.03.2024"));
    QVERIFY(words.contains("Phone：0171") && words["Phone：0171"].left() > words["ID：20240305"].right());
    QVERIFY(words["Resualt"].height() > 1.8 * L);  // the title's large font
    QLocale::setDefault(QLocale::c());
}

void PrintTest::longDiagnosisContinuesOnASecondPageWithoutOverlap() {
    QTemporaryDir dir;
    QStringList files;
    for (int i = 0; i < 4; ++i) {
        files << dir.filePath(QStringLiteral("p%1.png").arg(i));
        QVERIFY(WritePng(files.last(), kColours[i]));
    }
    const auto print = [&](const QString& description, const QString& name) {
        RecordingOwner owner;
        owner.content.description = description;
        owner.content.picturePaths = files;
        CPrintView view(&owner);
        view.PreviewPrinter().setPageSize(QPageSize(QPageSize::A4));
        const bool saved = view.SaveAsPdf(dir.filePath(name));
        const QVector<PdfWord> words = PdfWordList(dir.filePath(name));
        struct Printed {
            bool saved;
            QVector<PdfWord> words;
            CReportPage page;
            ReportContent content;
        };
        return Printed{saved, words, owner.page, owner.content};
    };
    const auto check = [](const QVector<PdfWord>& words, const CReportPage& page) {
        const double pt = 72.0 / 1200, X = page.m_nLeftMargin * pt, W = page.m_nReportWidth * pt;
        for (int a = 0; a < words.size(); ++a) {
            const QRectF box = words[a].box;
            QVERIFY2(box.left() >= X - 1 && box.right() <= X + W + 1, qPrintable(words[a].text));
            for (int b = a + 1; b < words.size(); ++b) {
                QVERIFY2(words[a].page != words[b].page || !box.adjusted(0.5, 0.5, -0.5, -0.5).intersects(words[b].box),
                         qPrintable(words[a].text + " over " + words[b].text));
            }
        }
    };
    // The words from "Disease：" to "Pictures：" and where the latter is; a further page's header
    // (above its fourth line) and every page's footer are left out.
    const auto description = [](const QVector<PdfWord>& words, const CReportPage& page, PdfWord* heading,
                                double* right) {
        const double headerBottom = 4 * page.m_nLineHeight * 72.0 / 1200;
        const double footerTop = (page.m_nLinesPerPage - 2.5) * page.m_nLineHeight * 72.0 / 1200;
        QStringList found;
        bool in = false;
        for (const PdfWord& w : words) {
            if (w.text == QStringLiteral("Pictures：")) {
                *heading = w;
                break;
            }
            if (in && (w.page == 1 || w.box.top() > headerBottom) && w.box.top() < footerTop) {
                found << w.text;
                *right = qMax(*right, w.box.right());
            }
            if (w.text == QStringLiteral("Disease：")) in = true;
        }
        return found;
    };

    // The pictures lie below their heading, under the text and above the footer.
    const auto picturesClear = [](const ReportContent& content, int pages) {
        QImage device = Device(100, 8.27, 11.69);
        QPainter dc(&device);
        CReportPage page;
        page.Begin(dc);
        const ReportLayout layout = page.Layout(dc, content);
        const int L = page.m_nLineHeight;
        QCOMPARE(layout.pages, pages);
        QCOMPARE(layout.picturesPage, pages);
        QCOMPARE(layout.pictures.size(), 4);
        for (const ReportLayout::Line& line : layout.description)
            QVERIFY(line.page < layout.picturesPage || line.y + L < layout.picturesHeading);
        for (const QRect& r : layout.pictures) {
            QVERIFY(r.top() > layout.picturesHeading + L && r.bottom() < (page.m_nLinesPerPage - 2) * L);
            QVERIFY(r.height() > 9 * L);
        }
    };

    // 349 characters with line breaks: every word whole and in order, the width used, nothing on
    // top of anything; the pictures follow the text on the same page.
    auto latin = print(LongDiagnosis(), "long.pdf");
    QVERIFY(latin.saved);
    QVERIFY2(!latin.words.isEmpty(), "pdftotext read no words");
    check(latin.words, latin.page);
    PdfWord heading;
    double right = 0;
    QCOMPARE(description(latin.words, latin.page, &heading, &right),
             LongDiagnosis().simplified().split(QLatin1Char(' ')));
    const double pt = 72.0 / 1200, X = latin.page.m_nLeftMargin * pt, W = latin.page.m_nReportWidth * pt;
    QVERIFY2(right > X + 0.9 * W, qPrintable(QString::number((right - X) / W)));
    QCOMPARE(heading.page, 1);
    picturesClear(latin.content, 1);

    // A diagnosis written as a list of short lines leaves no room for the pictures: they and the
    // heading go to a second page, which names the patient again and ends with the footer too.
    QString list;
    for (int i = 1; list.size() < 330; ++i) list += QStringLiteral("%1. tooth %2 checked\n").arg(i).arg(10 + i);
    auto listed = print(list, "list.pdf");
    QVERIFY(listed.saved);
    check(listed.words, listed.page);
    right = 0;
    QCOMPARE(description(listed.words, listed.page, &heading, &right), list.simplified().split(QLatin1Char(' ')));
    QCOMPARE(heading.page, 2);
    int pages = 0, names = 0, hospitals = 0;
    for (const PdfWord& w : listed.words) {
        pages = qMax(pages, w.page);
        names += w.text == QStringLiteral("Name：Zhang");
        hospitals += w.text == QStringLiteral("口腔医院");
    }
    QCOMPARE(pages, 2);
    QCOMPARE(names, 2);
    QCOMPARE(hospitals, 2);
    picturesClear(listed.content, 2);

    // CJK: broken between characters across the whole width, all of it printed in order.
    QString cjk;
    for (int i = 0; i < 150; ++i) cjk += QChar(0x4E00 + (i * 37) % 2000);
    auto wide = print(cjk, "cjk.pdf");
    QVERIFY(wide.saved);
    check(wide.words, wide.page);
    right = 0;
    QCOMPARE(description(wide.words, wide.page, &heading, &right).join(QString()), cjk);
    QVERIFY2(right > X + 0.9 * W, qPrintable(QString::number((right - X) / W)));
    QCOMPARE(heading.page, 1);  // 150 characters leave room for the pictures
}

void PrintTest::reportIsScaledIntoAPrintersPrintableArea() {
    // A printer that cannot print the outer 5 mm of an A4 page: its printable area is narrower
    // than the report. Printed to a PDF file with those margins, every word must lie inside them.
    QTemporaryDir dir;
    RecordingOwner owner;
    CPrintView view(&owner);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printer.pdf"));
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
    printer.setFullPage(false);
    QVERIFY(view.PrintTo(printer, false));
    const CReportPage& page = owner.page;
    QVERIFY2(page.m_dScale < 1.0, "the report is wider than 200 mm at 12 points");
    QVERIFY(page.m_nLeftMargin >= 0);
    QVERIFY((page.m_nLeftMargin + page.m_nReportWidth) * page.m_dScale <= page.m_nPageWidth + 1);

    const QMap<QString, QRectF> words = PdfWords(dir.filePath("printer.pdf"));
    QVERIFY(words.contains(QStringLiteral("Age：42")) && words.contains(QStringLiteral("Name：Zhang")));
    const double margin = 5 / 25.4 * 72, pageWidth = 210 / 25.4 * 72, pageHeight = 297 / 25.4 * 72;
    for (auto it = words.cbegin(); it != words.cend(); ++it) {
        const QRectF box = it.value();
        QVERIFY2(box.left() >= margin - 0.5 && box.right() <= pageWidth - margin + 0.5 && box.top() >= margin - 0.5 &&
                     box.bottom() <= pageHeight - margin + 0.5,
                 qPrintable(QStringLiteral("%1 at %2..%3").arg(it.key()).arg(box.left()).arg(box.right())));
    }
    // Scaled as a whole: the name and the age still span the report's width.
    const double span = words[QStringLiteral("Age：42")].right() - words[QStringLiteral("Name：Zhang")].left();
    QVERIFY(qAbs(span - (pageWidth - 2 * margin)) < 3);

    // A file has no unprintable edges: the PDF of the preview keeps the report's own size.
    RecordingOwner pdfOwner;
    CPrintView pdfView(&pdfOwner);
    pdfView.PreviewPrinter().setPageSize(QPageSize(QPageSize::A4));
    QVERIFY(pdfView.SaveAsPdf(dir.filePath("report.pdf")));
    QCOMPARE(pdfOwner.page.m_dScale, 1.0);
}

void PrintTest::viewHandsEveryRunToItsOwner() {
    QTemporaryDir dir;
    TestDrive drive;  // answers the message boxes
    RecordingOwner owner;
    CPrintView view(&owner);
    view.Preview()->updatePreview();
    QCOMPARE(owner.calls, QStringList({"begin:preview", "page:1", "end"}));
    QCOMPARE(view.Preview()->pageCount(), 1);

    owner.calls.clear();
    owner.pages = 2;  // an owner that says two pages gets two
    QVERIFY(view.SaveAsPdf(dir.filePath("two.pdf")));
    QCOMPARE(owner.calls, QStringList({"begin:print", "page:1", "page:2", "end"}));
    QVERIFY(owner.onPrinter);
    QFile file(dir.filePath("two.pdf"));
    QVERIFY(file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-");

    // A file that cannot be written: the owner is not called, the user is told.
    owner.calls.clear();
    view.SetPdfFileChooser([&](QWidget*) { return dir.filePath("no/such/dir/y"); });  // ".pdf" is added
    view.OnSavePdf();
    QVERIFY(owner.calls.isEmpty());
    QCOMPARE(drive.messages,
             QStringList({"Save as PDF|The report could not be saved as " + dir.filePath("no/such/dir/y.pdf") + "."}));
}

void PrintTest::previewFrameToolBarAndPrintCommand() {
    QTemporaryDir dir;
    TestDrive drive;
    RecordingOwner owner;
    QPointer<CPrintFrame> frame = new CPrintFrame(&owner);
    frame->StartPreview();
    QVERIFY(frame->isVisible() && (frame->windowState() & Qt::WindowMaximized));
    QCOMPARE(frame->windowTitle(), QStringLiteral("Print-diagnose"));
    QCOMPARE(owner.calls, QStringList({"begin:preview", "page:1", "end"}));
    QCOMPARE(frame->centralWidget(), frame->View());
    QCOMPARE(frame->ToolBar()->height(), 59);  // 36 dialog units
    const QStringList texts = {"Print(&P)...", "Save as PDF", "Next(&N)", "Prev(&V)",
                               "ZoomIn(&I)",   "ZoomOut(&O)", "Close(&C)"};
    const int ids[] = {58116, 58119, 58114, 58115, 58117, 58118, 58112};
    for (int i = 0; i < texts.size(); ++i)
        QCOMPARE(frame->Button(ids[i]) ? frame->Button(ids[i])->text() : QString(), texts[i]);
    // One page: neither next nor previous; printing is offered.
    QVERIFY(!frame->Button(CPrintFrame::IdPreviewNext)->isEnabled());
    QVERIFY(!frame->Button(CPrintFrame::IdPreviewPrev)->isEnabled());
    QVERIFY(frame->Button(CPrintFrame::IdPreviewPrint)->isEnabled());
    // A printer that cannot be drawn on: reported, and the preview stays for another try.
    QString target = dir.filePath("missing/paper.pdf");
    frame->View()->SetPrintDialogRunner([&](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        return true;
    });
    frame->Button(CPrintFrame::IdPreviewPrint)->click();
    QCOMPARE(drive.messages, QStringList({"Print-diagnose|The report could not be printed."}));
    QTest::qWait(20);
    QVERIFY(!frame.isNull() && frame->isVisible());
    // Printed (the frame's print command): one run on the chosen printer, then the preview ends.
    target = dir.filePath("paper.pdf");
    owner.calls.clear();
    frame->OnFilePrint();
    QCOMPARE(owner.calls, QStringList({"begin:print", "page:1", "end"}));
    QVERIFY(QFileInfo(target).size() > 0);
    QTRY_VERIFY(frame.isNull());

    // Print dialog cancelled: nothing is printed and the preview ends; so does "Close".
    frame = new CPrintFrame(&owner);
    frame->StartPreview();
    owner.calls.clear();
    frame->View()->SetPrintDialogRunner([](QPrinter&, QWidget*) { return false; });
    frame->Button(CPrintFrame::IdPreviewPrint)->click();
    QVERIFY(owner.calls.isEmpty());
    QTRY_VERIFY(frame.isNull());
    frame = new CPrintFrame(&owner);
    frame->StartPreview();
    frame->Button(CPrintFrame::IdPreviewClose)->click();
    QTRY_VERIFY(frame.isNull());
}

void PrintTest::printButtonReportsTheCurrentPatientWithThePickedPictures() {
    TestDrive drive;
    QTemporaryDir cache;
    ThumbnailCache::SetDiskDirectory(cache.path());
    QtRecordNotifier notifier;
    RecordStore store(&notifier);
    SilentPort stream, picture;
    CameraLinkConfig config;
    config.streamCameraIp = config.pictureCameraIp = config.localBindIp = "127.0.0.1";
    config.streamCameraPort = stream.Port();
    config.pictureCameraPort = picture.Port();
    config.streamLocalPort = config.videoPort = config.pictureLocalPort = 0;
    config.pictureTcpPort = 1;
    CUdp udp(config);
    udp.SetTickCounter(&GlobalTicks());
    udp.SetRecordStore(&store);
    QCOMPARE(udp.Init(0), 1);
    CkavimoDlg dialog(store, udp);
    dialog.SetUserListRunner([](CUserList& users) { users.accept(); });
    // The doctor's name comes from the settings file.
    const QString ini = drive.root() + QStringLiteral("/kavimo.ini");
    QSettings(ini, QSettings::IniFormat).setValue(QStringLiteral("report/doctor"), QStringLiteral("Dr. Ahmadi"));
    dialog.SetSettingsSource(ini, {});
    dialog.OnInitDialog();

    // The default patient with three pictures (and a fourth, for a moment), a diagnosis and a
    // hospital; the window lists them.
    const QString patientDir = PatientDir(drive, records::kDefaultPatientUid);
    for (int i = 0; i < 3; ++i)
        QVERIFY(WriteJpeg(patientDir + QStringLiteral("/2024030509070%1.jpg").arg(i), 320, 240, kColours[i]));
    QVERIFY(WriteJpeg(patientDir + QStringLiteral("/20240305090703.jpg"), 320, 240, Qt::gray));
    QCOMPARE(store.RebuildPictures(), 1);
    QCOMPARE(store.SetDescription(u"Caries on 36"), 1);
    QCOMPARE(store.SetHospital(u"Riverside Dental Clinic"), 1);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    static_cast<QPushButton*>(dialog.Control(MainCtl::IdUser))->click();  // the same patient, listed anew
    QCOMPARE(dialog.ThumbList()->count(), 4);

    // Picked: picture 2 first, then picture 0; a slot that points past the list is left out
    // (the fourth picture's record goes behind the window's back), and so is a free slot.
    static_cast<QPushButton*>(dialog.Control(MainCtl::IdPickup))->click();
    for (int index : {2, 1, 0, 3, 1}) ClickListItem(dialog.ThumbList(), dialog.ThumbList()->ItemOfFile(index));
    QCOMPARE(dialog.Picked().Slots(), (std::array<int, 4>{2, 999, 0, 3}));
    QCOMPARE(dialog.Picked().Count(), 3);
    QCOMPARE(store.DeletePicture(3), 1);
    auto* print = static_cast<QPushButton*>(dialog.Control(MainCtl::IdPrint));
    print->click();
    QPointer<CPrintFrame> frame = dialog.PrintFrame();
    QVERIFY(frame && frame->isVisible());
    QCOMPARE(frame->Owner(), static_cast<CPrintOwner*>(&dialog));
    QCOMPARE(frame->windowModality(), Qt::WindowModal);
    QCOMPARE(dialog.PrintCount(), 2);
    QCOMPARE(dialog.PrintPath(0), QStringLiteral("d:\\DentalWorkDir\\UID20170801102233\\20240305090702.jpg"));
    QCOMPARE(dialog.PrintPath(1), QStringLiteral("d:\\DentalWorkDir\\UID20170801102233\\20240305090700.jpg"));
    QVERIFY(dialog.PrintPath(2).isEmpty());
    QVERIFY(!dialog.Report().HasFont());  // released after the preview was drawn
    QCOMPARE(frame->View()->Preview()->pageCount(), 1);

    const QString pdf = drive.root() + QStringLiteral("/report.pdf");
    QVERIFY(frame->View()->SaveAsPdf(pdf));
    const QMap<QString, QRectF> words = PdfWords(pdf);
    for (const char* expected :
         {"Name：Test", "Sex：male", "Age：33", "Caries", "Riverside", "Doctor：Dr.", "Ahmadi", "ID：20170801102233"})
        QVERIFY2(words.contains(QString::fromUtf8(expected)), expected);

    // A diagnosis that leaves no room for the pictures gives the preview a second page.
    QString list;
    for (int i = 1; list.size() < 330; ++i) list += QStringLiteral("%1. tooth %2 checked\n").arg(i).arg(10 + i);
    QCOMPARE(store.SetDescription(list.toStdU16String()), 1);
    print->click();
    QTRY_COMPARE(dialog.PrintFrame()->View()->Preview()->pageCount(), 2);
    frame = dialog.PrintFrame();

    // A second press replaces the preview; without a patient the button does nothing.
    print->click();
    QVERIFY(dialog.PrintFrame() != frame);
    QTRY_VERIFY(frame.isNull());
    dialog.PrintFrame()->close();
    QTRY_VERIFY(dialog.PrintFrame().isNull());
    store.CommitCurrentUser();
    print->click();
    QVERIFY(dialog.PrintFrame().isNull());
    dialog.Teardown();
}

namespace {

// Dark pixels of `image` in the rectangle.
int Ink(const QImage& image, const QRect& r) {
    int ink = 0;
    for (int y = std::max(0, r.top()); y <= std::min(image.height() - 1, r.bottom()); ++y)
        for (int x = std::max(0, r.left()); x <= std::min(image.width() - 1, r.right()); ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

}  // namespace

// Under Arabic the page is the left-to-right one seen in a mirror: the labels start at the right
// edge with their values to their left, the description is right-aligned, the first picture's
// slot is on the right while its pixels keep their sides, and nothing leaves the report's width.
// In either direction a text that fits its room prints whole (no "…" at the right edge).
void PrintTest::rightToLeftMirrorsThePageAndTextsThatFitPrintWhole() {
    QTemporaryDir dir;
    QStringList files;
    for (int i = 0; i < 4; ++i) {
        files << dir.filePath(QStringLiteral("p%1.png").arg(i));
        QImage picture(80, 60, QImage::Format_RGB32);
        picture.fill(kColours[i]);
        QPainter(&picture).fillRect(0, 0, 20, 60, Qt::black);  // the picture's left quarter
        QVERIFY(picture.save(files.last()));
    }
    ReportContent content = SampleContent();
    content.name = QString(4, QChar(0x2588));  // full blocks: solid ink where the value lies
    content.phone = QStringLiteral("0171 5550123");
    content.birthDate = QStringLiteral("1981-02-03");
    content.picturePaths = files;
    content.pictureCaptions = {QStringLiteral("16")};

    // The page as drawn and its layout on the same device.
    const auto render = [&content](CReportPage& page, ReportLayout* layout) {
        QImage image = RenderPage(page, content);
        QImage device = Device(100, 8.5, 11.69);
        QPainter dc(&device);
        page.Begin(dc);
        *layout = page.Layout(dc, content);
        page.End();
        return image;
    };
    QImage device = Device(100, 0.01, 0.01);
    const QFontMetrics fm(ReportFont("FixedSys", 15.0), &device);
    const int cell = fm.horizontalAdvance(QLatin1Char('-'));
    // Each text that fits its room is drawn whole, as one run ending where the layout says.
    const auto printedWhole = [&fm](const QImage& image, const ReportLayout& layout) {
        for (const ReportLayout::Text& t : layout.texts) {
            if (t.title || t.page != 1) continue;
            const int width = fm.horizontalAdvance(t.text);
            if (t.x < t.room.x() || t.x + width > t.room.x() + t.room.width()) continue;
            QImage whole = image;  // its resolution
            whole.fill(Qt::white);
            QPainter dc(&whole);
            dc.setFont(ReportFont("FixedSys", 15.0));
            if (layout.rightToLeft) {
                QTextOption option(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop);
                option.setTextDirection(Qt::RightToLeft);
                option.setWrapMode(QTextOption::NoWrap);
                dc.drawText(QRectF(t.x, t.y, width, fm.height()), t.text, option);
            } else {
                dc.drawText(t.x, t.y + fm.ascent(), t.text);
            }
            dc.end();
            const QRect box(t.x, t.y, width, fm.height());
            QVERIFY2(image.copy(box) == whole.copy(box), qPrintable(t.text));
        }
    };

    CReportPage ltrPage;
    ReportLayout ltr;
    content.direction = Qt::LeftToRight;
    printedWhole(render(ltrPage, &ltr), ltr);

    const QLocale locale;  // the language sets the locale's too
    QCOMPARE(InstallTranslation(QStringLiteral("ar")), QStringLiteral("ar"));
    content.direction = Qt::LayoutDirectionAuto;  // the application's, as the language set it
    CReportPage page;
    ReportLayout layout;
    const QImage image = render(page, &layout);
    InstallTranslation(QStringLiteral("C"));
    QLocale::setDefault(locale);
    QVERIFY(layout.rightToLeft);
    printedWhole(image, layout);
    const int X = page.m_nLeftMargin, W = page.m_nReportWidth, L = page.m_nLineHeight;

    // The name's line ends at the right edge, its label on the right and the value (the blocks)
    // solid at the line's left end; the age starts at the left edge.
    const auto text = [&layout](int y, int index) {
        QVector<ReportLayout::Text> row;
        for (const ReportLayout::Text& t : layout.texts)
            if (t.page == 1 && t.y == y) row << t;
        std::sort(row.begin(), row.end(), [](const auto& a, const auto& b) { return a.x > b.x; });
        return row.value(index);
    };
    const ReportLayout::Text name = text(6 * L, 0);
    QVERIFY2(name.text.contains(content.name), qPrintable(name.text));
    const int nameWidth = fm.horizontalAdvance(name.text), blocks = fm.horizontalAdvance(content.name);
    QVERIFY(qAbs(name.x + nameWidth - (X + W)) <= 1);
    const int middle = name.y + fm.ascent() / 2;
    QCOMPARE(Ink(image, QRect(name.x + 2, middle, blocks - 4, 1)), blocks - 4);
    QVERIFY(Ink(image, QRect(name.x + blocks + cell, name.y, nameWidth - blocks - cell, fm.height())) > 20);
    QVERIFY(text(6 * L, 2).text.endsWith(QStringLiteral("42")));
    QVERIFY(qAbs(text(6 * L, 2).x - X) <= 1);
    QVERIFY(Ink(image, QRect(X, 6 * L, 2 * cell, fm.height())) > 0);

    // The description reads from the right: the first line ends an indent before the edge, the
    // short last line leaves the left half of the report blank.
    QVERIFY(layout.description.size() >= 2);
    const ReportLayout::Line first = layout.description.first(), last = layout.description.last();
    QVERIFY(qAbs(first.x + fm.horizontalAdvance(first.text) - (X + W - 2 * fm.horizontalAdvance("宽"))) <= 1);
    QVERIFY(qAbs(last.x + fm.horizontalAdvance(last.text) - (X + W)) <= 1);
    QCOMPARE(Ink(image, QRect(X, last.y, W / 2, fm.height())), 0);
    QVERIFY(Ink(image, QRect(X + W - 3 * cell, last.y, 3 * cell, fm.height())) > 0);

    // The slots swap sides, the pictures do not: black stays on each picture's left.
    QCOMPARE(layout.pictures.size(), 4);
    QVERIFY(layout.pictures[0].left() > X + W / 2 && layout.pictures[1].right() < X + W / 2);
    QVERIFY(layout.pictures[2].left() > X + W / 2 && layout.pictures[2].top() > layout.pictures[0].bottom());
    for (int i = 0; i < 4; ++i) {
        const QRect r = layout.pictures[i];
        QVERIFY(Near(image.pixelColor(r.left() + r.width() / 10, r.top() + 2), Qt::black));
        QVERIFY(Near(image.pixelColor(r.right() - r.width() / 10, r.top() + 2), kColours[i]));
    }
    // The caption of the first picture sits at its band's right end.
    const QRect band(layout.pictures[0].left(), layout.pictures[0].bottom() - L + 1, layout.pictures[0].width(), L);
    QCOMPARE(Ink(image, band.adjusted(0, 0, -band.width() / 2, 0)), 0);
    QVERIFY(Ink(image, band.adjusted(band.width() - 4 * cell, 0, 0, 0)) > 0);

    // Nothing outside the report's width, in the layout or on the page.
    for (const ReportLayout::Text& t : layout.texts) {
        const int width = QFontMetrics(t.title ? ReportFont("宋体", 30.0) : ReportFont("FixedSys", 15.0), &device)
                              .horizontalAdvance(t.text);
        QVERIFY2(t.x >= X - 1 && t.x + width <= X + W + 1, qPrintable(t.text));
    }
    QCOMPARE(Ink(image, QRect(0, 0, X - 1, image.height())), 0);
    QCOMPARE(Ink(image, QRect(X + W + 2, 0, image.width(), image.height())), 0);
}

QTEST_MAIN(PrintTest)
#include "print_test.moc"
