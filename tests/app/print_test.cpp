// Report printing: the report's metrics, texts and layout (on pictures and in PDF files), the
// print view's beginning/page/end sequence, the preview frame and its toolbar, and the main
// window's "Print" with the picked pictures of the current patient.
#include <QtTest>

#include <QFile>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

#include <memory>

#include "app/kavimodlg.h"
#include "app/listimagectrl.h"
#include "app/printframe.h"
#include "app/printview.h"
#include "app/reportpage.h"
#include "app/userlist.h"
#include "apptestsupport.h"
#include "platform/net.h"

namespace {

const QColor kSlotColours[4] = {QColor(220, 30, 30), QColor(30, 180, 40), QColor(30, 60, 220), QColor(230, 200, 20)};

bool Near(QColor a, QColor b, int tolerance = 30) {
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

bool WritePng(const QString& path, QColor colour, int w = 64, int h = 48) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, "PNG");
}

// A white page at `dpi` with the report drawn on it: as wide as a letter page (the report's 81
// columns fit at any resolution) and as high as an A4 page unless asked otherwise.
QImage RenderPage(CReportPage& page, const ReportContent& content, int dpi, double heightInches = 11.69) {
    QImage image(qRound(8.5 * dpi), qRound(heightInches * dpi), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
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
    c.description = QStringLiteral("Deep caries on tooth 36, pulp Root canal treatment is advised. Control in two weeks.");
    c.hospital = QStringLiteral("Riverside Dental Clinic");
    c.time = QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3));
    return c;
}

// Words of a PDF with their boxes in points, as pdftotext reads them.
struct PdfWord {
    QString text;
    QRectF box;
};

QVector<PdfWord> PdfWords(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(20000)) return {};
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QVector<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                               QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}

const PdfWord* Find(const QVector<PdfWord>& words, const QString& text) {
    for (const PdfWord& w : words) {
        if (w.text == text) return &w;
    }
    return nullptr;
}

// An owner that logs the steps it is given, and draws a report when asked to.
class RecordingOwner : public CPrintOwner {
public:
    int OnBeginPrinting(QPainter& dc, CPrintInfo& info) override {
        calls << QStringLiteral("begin:%1").arg(info.preview ? "preview" : "print");
        sameDevice = sameDevice && dc.isActive() && dc.device() == info.printer;
        info.maxPage = pages;
        resolution = info.printer ? info.printer->resolution() : 0;
        return draw ? page.Begin(dc) : 1;
    }
    int OnPrintPage(QPainter& dc, CPrintInfo& info) override {
        calls << QStringLiteral("page:%1").arg(info.currentPage);
        sameDevice = sameDevice && dc.isActive() && dc.device() == info.printer;
        return draw ? page.DrawPage(dc, content) : 1;
    }
    int OnEndPrinting(QPainter& dc, CPrintInfo& info) override {
        calls << QStringLiteral("end");
        sameDevice = sameDevice && dc.isActive() && dc.device() == info.printer;
        return draw ? page.End() : 1;
    }
    QStringList calls;
    bool sameDevice = true;
    int pages = 1;
    int resolution = 0;
    bool draw = false;
    CReportPage page;
    ReportContent content;
};

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void metricsFollowTheBaseFontOnTheDevice();
    void baseFontLivesFromBeginningToEnd();
    void pictureRectanglesFollowTheSlotRule();
    void descriptionIsCutAtCharacterCounts();
    void reportTexts();
    void picturesFillTheirSlotsInPickOrder();
    void unreadablePictureLeavesItsSlotEmpty();
    void textStaysReadableWherePicturesReachIt();
    void pdfCarriesTheTextsWhereTheLayoutPutsThem();
    void viewHandsEveryRunToItsOwner();
    void previewFrameAndItsToolBar();
    void printCommandPrintsOrGivesUpAndCloses();
    void printButtonReportsTheCurrentPatientWithThePickedPictures();
};

void PrintTest::metricsFollowTheBaseFontOnTheDevice() {
    int widthAt96 = 0;
    for (int dpi : {96, 300}) {
        QImage device(qRound(8.27 * dpi), qRound(11.69 * dpi), QImage::Format_RGB32);
        device.setDotsPerMeterX(qRound(dpi / 0.0254));
        device.setDotsPerMeterY(qRound(dpi / 0.0254));
        QPainter dc(&device);
        CReportPage page;
        QCOMPARE(page.Begin(dc), 1);
        QVERIFY(QFontInfo(*page.m_fontReport).fixedPitch());
        const QFontMetrics fm(*page.m_fontReport, &device);
        QCOMPARE(page.m_nLineHeight, fm.height() + qMax(0, fm.leading()));
        // Monospace: the ruler is 81 equal columns.
        QVERIFY2(qAbs(page.m_nReportWidth - 81 * QFontMetricsF(*page.m_fontReport, &device).horizontalAdvance('-')) < 2,
                 qPrintable(QString::number(page.m_nReportWidth)));
        // 12 points on this device: the cell a little taller than the em, 81 monospace columns.
        const double em = 12.0 * dpi / 72.0;
        QVERIFY2(page.m_nLineHeight >= em && page.m_nLineHeight <= 1.4 * em, qPrintable(QString::number(page.m_nLineHeight)));
        QVERIFY(page.m_nReportWidth > 81 * 0.5 * em && page.m_nReportWidth < 81 * 0.65 * em);
        QCOMPARE(page.m_nPageWidth, device.width());
        QCOMPARE(page.m_nPageHeight, device.height());
        QCOMPARE(page.m_nLeftMargin, (device.width() - page.m_nReportWidth) / 2);
        QCOMPARE(page.m_nLinesPerPage, (device.height() - 2 * page.m_nLineHeight) / page.m_nLineHeight);
        if (dpi == 96) widthAt96 = page.m_nReportWidth;
        else QVERIFY(qAbs(page.m_nReportWidth - widthAt96 * 300.0 / 96.0) < 0.03 * page.m_nReportWidth);
    }
}

void PrintTest::baseFontLivesFromBeginningToEnd() {
    QImage device(800, 1100, QImage::Format_RGB32);
    QPainter dc(&device);
    CReportPage page;
    QVERIFY(!page.HasFont());
    QCOMPARE(page.DrawPage(dc, SampleContent()), 0);  // no page before the beginning
    page.Begin(dc);
    QVERIFY(page.HasFont());
    page.m_fontReport->setStyleName(QStringLiteral("kept"));
    page.Begin(dc);  // a font that is there is not made anew
    QCOMPARE(page.m_fontReport->styleName(), QStringLiteral("kept"));
    QCOMPARE(page.End(), 1);
    QVERIFY(!page.HasFont());
    QCOMPARE(page.End(), 1);
    QVERIFY(!page.HasFont());
}

void PrintTest::pictureRectanglesFollowTheSlotRule() {
    QVERIFY(PictureRects(0, 100, 4000, 50).isEmpty());
    QCOMPARE(PictureRects(1, 100, 4000, 50), QVector<QRect>{QRect(QPoint(100, 1100), QPoint(4099, 2599))});
    const QVector<QRect> four = PictureRects(4, 100, 4000, 50);
    QCOMPARE(four.size(), 4);
    QCOMPARE(four[0], QRect(QPoint(100, 1100), QPoint(100 + 1975 - 1, 1825 - 1)));
    QCOMPARE(four[1], QRect(QPoint(100 + 2025, 1100), QPoint(4099, 1824)));
    QCOMPARE(four[2], QRect(QPoint(100, 1850), QPoint(2074, 2599)));
    QCOMPARE(four[3], QRect(QPoint(2125, 1850), QPoint(4099, 2599)));
    QCOMPARE(PictureRects(2, 100, 4000, 50), four.mid(0, 2));
    QCOMPARE(PictureRects(3, 100, 4000, 50), four.mid(0, 3));
    QCOMPARE(PictureRects(7, 100, 4000, 50), four);
    // Odd sizes: integer halves and gaps, half-line bottom truncated.
    const QVector<QRect> odd = PictureRects(2, 7, 999, 33);
    QCOMPARE(odd[0], QRect(QPoint(7, 726), QPoint(7 + 499 - 6 - 1, int(36.5 * 33) - 1)));
    QCOMPARE(odd[1].left(), 7 + 499 + 6);
    QCOMPARE(odd[1].right(), 7 + 999 - 1);
}

void PrintTest::descriptionIsCutAtCharacterCounts() {
    const QString text62 = QString(30, QLatin1Char('a')) + QString(32, QLatin1Char('b'));
    QCOMPARE(WrapDescription(text62), QStringList({QString(30, QLatin1Char('a')), QString(32, QLatin1Char('b'))}));
    QCOMPARE(WrapDescription(QString(30, QLatin1Char('c'))), QStringList({QString(30, QLatin1Char('c'))}));
    QCOMPARE(WrapDescription(QString(31, QLatin1Char('d'))).last(), QStringLiteral("d"));
    const QStringList long94 = WrapDescription(QString(94, QChar(0x5BBD)));
    QCOMPARE(long94.size(), 3);
    QCOMPARE(long94[2].size(), 32);
    QVERIFY(WrapDescription(QString()).isEmpty());
    // Words are cut where the count ends; line breaks print as blanks.
    QCOMPARE(WrapDescription(QStringLiteral("Caries 36\r\nfilling"))[0], QStringLiteral("Caries 36  filling"));
    // A character outside the basic plane is never cut in half.
    const QString pair = QString::fromUcs4(U"\U0001F9B7");
    const QStringList split = WrapDescription(QString(29, QLatin1Char('x')) + pair + QStringLiteral("y"));
    QCOMPARE(split, QStringList({QString(29, QLatin1Char('x')), pair + QStringLiteral("y")}));
}

void PrintTest::reportTexts() {
    QCOMPARE(ReportSexText(0), QStringLiteral("Sex：female"));
    QCOMPARE(ReportSexText(1), QStringLiteral("Sex：male"));
    QCOMPARE(ReportSexText(-3), QStringLiteral("Sex：male"));
    QCOMPARE(ReportTimeText(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3))), QStringLiteral("Time：03/05/2024 09:07:03"));
    QCOMPARE(ReportNameText(QStringLiteral("王芳")), QStringLiteral("Name：王芳"));
    QCOMPARE(ReportAgeText(7), QStringLiteral("Age：7"));

    _USER_INFO user = MakePatient(20240305090703ull, u"Li Wei", 51, 0, 1);
    records::SetFieldText(user.description, std::u16string(u"Gingivitis"));
    const QStringList paths = {"a", "b", "c", "d", "e"};
    const ReportContent c = MakeReportContent(user, QStringLiteral("H"), paths, QDateTime());
    QCOMPARE(c.name, QStringLiteral("Li Wei"));
    QCOMPARE(c.sex, 0);
    QCOMPARE(c.age, 51);
    QCOMPARE(c.description, QStringLiteral("Gingivitis"));
    QCOMPARE(c.picturePaths, paths.mid(0, 4));
}

void PrintTest::picturesFillTheirSlotsInPickOrder() {
    QTemporaryDir dir;
    QStringList files;
    for (int i = 0; i < 4; ++i) {
        files << dir.filePath(QStringLiteral("p%1.png").arg(i));
        QVERIFY(WritePng(files.last(), kSlotColours[i], 40 + 30 * i, 90 - 10 * i));
    }
    for (int count = 0; count <= 4; ++count) {
        CReportPage page;
        ReportContent content = SampleContent();
        content.picturePaths = files.mid(0, count);
        const QImage image = RenderPage(page, content, 100);
        const int L = page.m_nLineHeight, X = page.m_nLeftMargin, W = page.m_nReportWidth;
        const QVector<QRect> rects = PictureRects(count, X, W, L);
        QCOMPARE(rects.size(), count);
        for (int i = 0; i < count; ++i) {
            const QRect r = rects[i];
            for (QPoint at : {r.center(), r.topLeft() + QPoint(1, 1), r.bottomRight() - QPoint(1, 1)})
                QVERIFY2(Near(image.pixelColor(at), kSlotColours[i]), qPrintable(QStringLiteral("%1 of %2").arg(i).arg(count)));
            // Nothing outside the slot: the row above it and the gap to its neighbour stay white.
            QCOMPARE(image.pixelColor(r.center().x(), r.top() - 2), QColor(Qt::white));
        }
        if (count >= 2) QCOMPARE(image.pixelColor(X + W / 2, rects[0].center().y()), QColor(Qt::white));
        if (count == 0) {
            for (int y = 22 * L; y < 52 * L; y += 7)
                for (int x = X; x < X + W; x += 7)
                    QVERIFY2(image.pixelColor(x, y) == QColor(Qt::white), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
}

void PrintTest::unreadablePictureLeavesItsSlotEmpty() {
    QTemporaryDir dir;
    const QString red = dir.filePath("red.png"), blue = dir.filePath("blue.png"), broken = dir.filePath("broken.jpg");
    QVERIFY(WritePng(red, kSlotColours[0]));
    QVERIFY(WritePng(blue, kSlotColours[2]));
    QFile junk(broken);
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("\xff\xd8 not a picture");
    junk.close();
    CReportPage page;
    ReportContent content = SampleContent();
    content.picturePaths = {red, dir.filePath("missing.jpg"), broken, blue};
    const QImage image = RenderPage(page, content, 100);
    const QVector<QRect> rects = PictureRects(4, page.m_nLeftMargin, page.m_nReportWidth, page.m_nLineHeight);
    QVERIFY(Near(image.pixelColor(rects[0].center()), kSlotColours[0]));
    QCOMPARE(image.pixelColor(rects[1].center()), QColor(Qt::white));
    QCOMPARE(image.pixelColor(rects[2].center()), QColor(Qt::white));
    QVERIFY(Near(image.pixelColor(rects[3].center()), kSlotColours[2]));
    // The text part is there all the same: ink on the "Time：" line at the right edge.
    const int N = page.m_nLinesPerPage, L = page.m_nLineHeight;
    int ink = 0;
    for (int y = N * L; y < (N + 1) * L; ++y)
        for (int x = page.m_nLeftMargin + page.m_nReportWidth / 2; x < page.m_nLeftMargin + page.m_nReportWidth; ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    QVERIFY(ink > 50);
}

void PrintTest::textStaysReadableWherePicturesReachIt() {
    // On a short page the hospital and time lines fall into the picture area; they are printed
    // over the picture, not hidden under it.
    QTemporaryDir dir;
    const QString light = dir.filePath("light.png");
    QVERIFY(WritePng(light, QColor(250, 230, 120)));
    CReportPage page;
    ReportContent content = SampleContent();
    content.picturePaths = {light};
    const QImage image = RenderPage(page, content, 100, 10.0);
    const int L = page.m_nLineHeight, N = page.m_nLinesPerPage;
    const QRect picture = PictureRects(1, page.m_nLeftMargin, page.m_nReportWidth, L)[0];
    QVERIFY(N * L + L < picture.bottom());
    int ink = 0;
    for (int y = (N - 2) * L; y < (N - 1) * L; ++y)
        for (int x = picture.center().x(); x < picture.right(); ++x) ink += qGray(image.pixel(x, y)) < 100;
    QVERIFY2(ink > 30, qPrintable(QString::number(ink)));
    QVERIFY(Near(image.pixelColor(picture.left() + 5, picture.center().y()), QColor(250, 230, 120)));
}

void PrintTest::pdfCarriesTheTextsWhereTheLayoutPutsThem() {
    QTemporaryDir dir;
    RecordingOwner owner;
    owner.draw = true;
    owner.content = SampleContent();
    owner.content.hospital = QStringLiteral("口腔医院");
    CPrintView view(&owner);
    view.PreviewPrinter().setPageSize(QPageSize(QPageSize::A4));
    const QString pdf = dir.filePath("report.pdf");
    QVERIFY(view.SaveAsPdf(pdf));
    const QVector<PdfWord> words = PdfWords(pdf);
    QVERIFY2(!words.isEmpty(), "pdftotext read no words");

    QCOMPARE(owner.resolution, 1200);
    const double pt = 72.0 / owner.resolution;
    const double L = owner.page.m_nLineHeight * pt, X = owner.page.m_nLeftMargin * pt, W = owner.page.m_nReportWidth * pt;
    const int N = owner.page.m_nLinesPerPage;
    QVERIFY(!owner.page.HasFont());
    auto word = [&](const QString& text) {
        const PdfWord* w = Find(words, text);
        if (!w) qWarning() << "missing word" << text;
        return w ? w->box : QRectF();
    };
    const double tol = 0.6 * L;
    const QRectF title = word("Resualt");
    QVERIFY(qAbs(title.center().x() - (X + W / 2)) < 2);
    QVERIFY(qAbs(title.top() - 2 * L) < tol);
    QVERIFY(title.height() > 1.8 * L);  // the title is in the large font
    const QRectF name = word("Name：Zhang");
    QVERIFY(qAbs(name.left() - X) < 1.5 && qAbs(name.top() - 6 * L) < tol);
    const QRectF sex = word("Sex：male");
    QVERIFY(qAbs(sex.center().x() - (X + W / 2)) < 2 && qAbs(sex.top() - 6 * L) < tol);
    const QRectF age = word("Age：42");
    QVERIFY(qAbs(age.right() - (X + W)) < 1.5 && qAbs(age.top() - 6 * L) < tol);
    QVERIFY(qAbs(word("Disease：").top() - 9 * L) < tol);
    QVERIFY(qAbs(word("Pictures：").top() - 19 * L) < tol);
    QVERIFY(qAbs(word("Pictures：").left() - X) < 1.5);
    const QRectF hospital = word("口腔医院");
    QVERIFY(qAbs(hospital.right() - (X + W)) < 1.5 && qAbs(hospital.top() - (N - 2) * L) < tol);
    const QRectF time = word("09:07:03");
    QVERIFY(qAbs(time.right() - (X + W)) < 1.5 && qAbs(time.top() - N * L) < tol);
    QVERIFY(Find(words, "Time：03/05/2024"));
    const QRectF doctor = word("Doctor：");
    QVERIFY(qAbs(doctor.left() - X) < 1.5 && qAbs(doctor.top() - N * L) < tol);
    // The description: an indented first line of 30 characters, then lines of 32 from the margin,
    // each 0.3 of a character height further apart than the line height.
    QImage device(10, 10, QImage::Format_RGB32);
    device.setDotsPerMeterX(47244);
    device.setDotsPerMeterY(47244);
    const QFontMetrics fm15(ReportFont("FixedSys", 15.0), &device);
    const double cw = fm15.horizontalAdvance(QStringLiteral("宽")) * pt, ch = fm15.height() * pt;
    QVERIFY(cw > 10);  // the wide character of the CJK font
    const QRectF first = word("Deep");
    QVERIFY2(qAbs(first.left() - (X + 2 * cw)) < 1.5, qPrintable(QString::number(first.left() - X)));
    QVERIFY(qAbs(first.top() - (11 * L + 0.3 * ch)) < tol);
    const QRectF second = word("Root");
    QVERIFY(qAbs(second.left() - X) < 1.5);
    QVERIFY(qAbs(second.top() - (12 * L + 0.6 * ch)) < tol);
    const QRectF third = word("Control");
    QVERIFY(qAbs(third.top() - (13 * L + 0.9 * ch)) < tol);
    QVERIFY(third.left() > X + 1);  // the line begins with the blank after "advised."
}

void PrintTest::viewHandsEveryRunToItsOwner() {
    QTemporaryDir dir;
    RecordingOwner owner;
    CPrintView view(&owner);
    view.Preview()->updatePreview();
    QCOMPARE(owner.calls, QStringList({"begin:preview", "page:1", "end"}));
    QCOMPARE(view.Preview()->pageCount(), 1);

    owner.calls.clear();
    owner.pages = 2;  // an owner that says two pages gets two
    QVERIFY(view.SaveAsPdf(dir.filePath("two.pdf")));
    QCOMPARE(owner.calls, QStringList({"begin:print", "page:1", "page:2", "end"}));
    QVERIFY(owner.sameDevice);
    QFile file(dir.filePath("two.pdf"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");

    // A file that cannot be written: the owner is not bothered, the user is told.
    owner.calls.clear();
    QVERIFY(!view.SaveAsPdf(dir.filePath("no/such/dir/x.pdf")));
    QVERIFY(owner.calls.isEmpty());
    TestDrive drive;  // answers the message box
    view.SetPdfFileChooser([&](QWidget*) { return dir.filePath("no/such/dir/y"); });
    view.OnSavePdf();
    QCOMPARE(drive.messages.size(), 1);
    QVERIFY(drive.messages[0].startsWith("Save as PDF|The report could not be saved as "));
    QVERIFY(drive.messages[0].endsWith("y.pdf."));
    // A name without suffix gets ".pdf"; a cancelled chooser does nothing.
    view.SetPdfFileChooser([&](QWidget*) { return dir.filePath("named"); });
    view.OnSavePdf();
    QVERIFY(QFile::exists(dir.filePath("named.pdf")));
    owner.calls.clear();
    view.SetPdfFileChooser([](QWidget*) { return QString(); });
    view.OnSavePdf();
    QVERIFY(owner.calls.isEmpty());
}

void PrintTest::previewFrameAndItsToolBar() {
    RecordingOwner owner;
    QPointer<CPrintFrame> frame = new CPrintFrame(&owner);
    frame->StartPreview();
    QVERIFY(frame->isVisible());
    QVERIFY(frame->windowState() & Qt::WindowMaximized);
    QCOMPARE(frame->windowTitle(), QStringLiteral("Print-diagnose"));
    QCOMPARE(owner.calls, QStringList({"begin:preview", "page:1", "end"}));
    QCOMPARE(frame->centralWidget(), frame->View());
    QCOMPARE(frame->ToolBar()->height(), 59);  // 36 dialog units
    const QStringList texts = {"Print(&P)...", "Save as PDF", "Next(&N)", "Prev(&V)", "ZoomIn(&I)", "ZoomOut(&O)", "Close(&C)"};
    const int ids[] = {58116, 58119, 58114, 58115, 58117, 58118, 58112};
    for (int i = 0; i < texts.size(); ++i) {
        QVERIFY(frame->Button(ids[i]));
        QCOMPARE(frame->Button(ids[i])->text(), texts[i]);
    }
    // One page: neither next nor previous; printing is offered.
    QVERIFY(!frame->Button(CPrintFrame::IdPreviewNext)->isEnabled());
    QVERIFY(!frame->Button(CPrintFrame::IdPreviewPrev)->isEnabled());
    QVERIFY(frame->Button(CPrintFrame::IdPreviewPrint)->isEnabled());
    // Zooming changes the view, not the report: nothing is drawn again.
    const qreal zoom = frame->View()->Preview()->zoomFactor();
    frame->Button(CPrintFrame::IdPreviewZoomIn)->click();
    QVERIFY(frame->View()->Preview()->zoomFactor() > zoom);
    frame->Button(CPrintFrame::IdPreviewZoomOut)->click();
    QVERIFY(qAbs(frame->View()->Preview()->zoomFactor() - zoom) < 1e-6);
    QCOMPARE(owner.calls.size(), 3);
    frame->Button(CPrintFrame::IdPreviewClose)->click();
    QTRY_VERIFY(frame.isNull());
}

void PrintTest::printCommandPrintsOrGivesUpAndCloses() {
    QTemporaryDir dir;
    TestDrive drive;
    RecordingOwner owner;
    // Cancelled: nothing is printed and the preview ends.
    QPointer<CPrintFrame> frame = new CPrintFrame(&owner);
    frame->StartPreview();
    owner.calls.clear();
    frame->View()->SetPrintDialogRunner([](QPrinter&, QWidget*) { return false; });
    frame->Button(CPrintFrame::IdPreviewPrint)->click();
    QVERIFY(owner.calls.isEmpty());
    QTRY_VERIFY(frame.isNull());

    // A printer that cannot be drawn on: reported, and the preview stays for another try.
    frame = new CPrintFrame(&owner);
    frame->StartPreview();
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

    // Printed (Ctrl+P is the same command): one run on the chosen printer, then the preview ends.
    target = dir.filePath("paper.pdf");
    owner.calls.clear();
    frame->OnFilePrint();
    QCOMPARE(owner.calls, QStringList({"begin:print", "page:1", "end"}));
    QVERIFY(QFileInfo(target).size() > 0);
    QTRY_VERIFY(frame.isNull());
}

namespace {

class SilentPort {
public:
    SilentPort() : m_fd(platform::OpenUdpSocket("127.0.0.1", 0, false)) {}
    ~SilentPort() { platform::CloseSocket(m_fd); }
    uint16_t Port() const { return platform::LocalPort(m_fd); }

private:
    int m_fd;
};

}  // namespace

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
    config.connectTimeoutMs = 500;
    CUdp udp(config);
    udp.SetTickCounter(&GlobalTicks());
    udp.SetRecordStore(&store);
    QCOMPARE(udp.Init(0), 1);
    CkavimoDlg dialog(store, udp);
    dialog.SetUserListRunner([](CUserList& users) { users.accept(); });
    dialog.OnInitDialog();

    // The default patient with three pictures, a diagnosis and a hospital.
    const QString patientDir = PatientDir(drive, records::kDefaultPatientUid);
    for (int i = 0; i < 3; ++i)
        QVERIFY(WriteJpeg(patientDir + QStringLiteral("/2024030509070%1.jpg").arg(i), 320, 240, kSlotColours[i]));
    QCOMPARE(store.RebuildPictures(), 1);
    QCOMPARE(store.SetDescription(u"Caries on 36"), 1);
    QCOMPARE(store.SetHospital(u"Riverside Dental Clinic"), 1);

    // Picked: picture 2 first, then picture 0; a slot that points past the list is left out.
    dialog.m_nPickCount = 3;
    dialog.m_nPicked[0] = 2;
    dialog.m_nPicked[1] = 999;
    dialog.m_nPicked[2] = 0;
    dialog.m_nPicked[3] = 17;
    static_cast<QPushButton*>(dialog.Control(MainCtl::IdPrint))->click();
    QPointer<CPrintFrame> frame = dialog.m_pPrintFrame;
    QVERIFY(frame && frame->isVisible());
    QCOMPARE(frame->Owner(), static_cast<CPrintOwner*>(&dialog));
    QCOMPARE(frame->windowModality(), Qt::WindowModal);
    QCOMPARE(dialog.m_nPrintCount, 2);
    QCOMPARE(dialog.m_strPrintPath[0], QStringLiteral("d:\\DentalWorkDir\\UID20170801102233\\20240305090702.jpg"));
    QCOMPARE(dialog.m_strPrintPath[1], QStringLiteral("d:\\DentalWorkDir\\UID20170801102233\\20240305090700.jpg"));
    QVERIFY(dialog.m_strPrintPath[2].isEmpty());
    QVERIFY(!dialog.m_report.HasFont());  // released after the preview was drawn
    QCOMPARE(frame->View()->Preview()->pageCount(), 1);

    // The page the main window draws: the pictures in pick order, the patient's texts.
    QImage image(827, 1169, QImage::Format_RGB32);
    image.setDotsPerMeterX(3937);
    image.setDotsPerMeterY(3937);
    image.fill(Qt::white);
    {
        QPainter dc(&image);
        CPrintInfo info;
        QCOMPARE(dialog.OnBeginPrinting(dc, info), 1);
        QCOMPARE(info.maxPage, 1);
        QCOMPARE(dialog.OnPrintPage(dc, info), 1);
        QCOMPARE(dialog.OnEndPrinting(dc, info), 1);
    }
    const CReportPage& page = dialog.m_report;
    const QVector<QRect> rects = PictureRects(2, page.m_nLeftMargin, page.m_nReportWidth, page.m_nLineHeight);
    QVERIFY(Near(image.pixelColor(rects[0].center()), kSlotColours[2]));
    QVERIFY(Near(image.pixelColor(rects[1].center()), kSlotColours[0]));

    const QString pdf = drive.root() + QStringLiteral("/report.pdf");
    QVERIFY(frame->View()->SaveAsPdf(pdf));
    QStringList texts;
    for (const PdfWord& w : PdfWords(pdf)) texts << w.text;
    for (const char* expected : {"Name：Test", "Sex：male", "Age：33", "Caries", "Riverside", "Doctor："})
        QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);

    // A second press replaces the preview; without a patient the button does nothing.
    static_cast<QPushButton*>(dialog.Control(MainCtl::IdPrint))->click();
    QVERIFY(dialog.m_pPrintFrame != frame);
    QTRY_VERIFY(frame.isNull());
    dialog.m_pPrintFrame->close();
    QTRY_VERIFY(dialog.m_pPrintFrame.isNull());
    store.CommitCurrentUser();
    static_cast<QPushButton*>(dialog.Control(MainCtl::IdPrint))->click();
    QVERIFY(dialog.m_pPrintFrame.isNull());
    dialog.Teardown();
}

QTEST_MAIN(PrintTest)
#include "print_test.moc"
