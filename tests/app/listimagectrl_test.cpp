// The thumbnail list: which files count as pictures, how thumbnails are placed and drawn, which
// item shows which file, the pick mark, the cache, and the failure paths.
#include <QtTest>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "app/listimagectrl.h"
#include "app/messagebox.h"
#include "app/thumbnail.h"

namespace {

void WritePicture(const QString& path, int w, int h, QColor colour, const char* format = nullptr) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY2(image.save(path, format), qPrintable(path));
}

bool Near(QRgb pixel, QColor expected, int tolerance = 6) {
    return qAbs(qRed(pixel) - expected.red()) <= tolerance && qAbs(qGreen(pixel) - expected.green()) <= tolerance &&
           qAbs(qBlue(pixel) - expected.blue()) <= tolerance;
}

// Counts strongly red pixels (the number label and nothing else in these pictures).
int RedPixels(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) > 200 && qGreen(p) < 90 && qBlue(p) < 90) ++n;
        }
    return n;
}

}  // namespace

class ListImageCtrlTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void placementKeepsAspectAndNeverEnlarges();
    void thumbnailsAreDrawnWhereThePlacementSays();
    void onlyVisiblePictureFilesCount();
    void firstDisplayPositionShowsTheLastFileWithItsNumber();
    void remarkedThumbnailLosesMarkAndNumber();
    void refreshDecodesOnlyChangedFiles();
    void diskCacheServesANewControl();
    void unreadablePictureGetsAnEmptyThumbnail();
    void failuresKeepThePreviousNamesAndSayWhy();
    void clearAndRelayout();

private:
    QTemporaryDir* m_cacheDir = nullptr;
    QStringList m_messages;
};

void ListImageCtrlTest::init() {
    m_cacheDir = new QTemporaryDir;
    ThumbnailCache::SetDiskDirectory(m_cacheDir->path() + QStringLiteral("/thumbs"));
    m_messages.clear();
    SetMessageBoxHook([this](const MessageBoxRequest& r) {
        m_messages << r.caption + QLatin1Char('|') + r.text;
        return QMessageBox::Ok;
    });
    CListImageCtrl::SetThumbnailSize(100, 100);
}

void ListImageCtrlTest::cleanup() {
    SetMessageBoxHook({});
    delete m_cacheDir;
    m_cacheDir = nullptr;
}

void ListImageCtrlTest::placementKeepsAspectAndNeverEnlarges() {
    QCOMPARE(ThumbnailPlacement(QSize(1600, 1200), QSize(100, 100)), QRect(0, 12, 100, 75));
    QCOMPARE(ThumbnailPlacement(QSize(60, 40), QSize(100, 100)), QRect(20, 30, 60, 40));
    QCOMPARE(ThumbnailPlacement(QSize(1200, 1600), QSize(100, 100)), QRect(12, 0, 75, 100));
    QCOMPARE(ThumbnailPlacement(QSize(120, 40), QSize(100, 100)), QRect(0, 33, 100, 33));
    QCOMPARE(ThumbnailPlacement(QSize(1920, 1080), QSize(164, 164)), QRect(0, 36, 164, 92));
    QVERIFY(ThumbnailPlacement(QSize(0, 10), QSize(100, 100)).isNull());
}

void ListImageCtrlTest::thumbnailsAreDrawnWhereThePlacementSays() {
    QTemporaryDir dir;
    WritePicture(dir.filePath("1.png"), 1600, 1200, QColor(0, 0, 255));
    WritePicture(dir.filePath("2.png"), 60, 40, QColor(0, 255, 0));
    CListImageCtrl list;
    list.InitColumns();
    list.directory = dir.path();
    list.Refresh();
    QCOMPARE(list.count(), 2);
    QCOMPARE(m_messages, QStringList());

    const QImage big = list.Thumbnail(0);
    QCOMPARE(big.size(), QSize(100, 100));
    QVERIFY(Near(big.pixel(50, 11), Qt::white));
    QVERIFY(Near(big.pixel(50, 12), QColor(0, 0, 255)));
    QVERIFY(Near(big.pixel(50, 86), QColor(0, 0, 255)));
    QVERIFY(Near(big.pixel(50, 87), Qt::white));
    QVERIFY(Near(big.pixel(0, 12), QColor(0, 0, 255)));
    QVERIFY(Near(big.pixel(99, 50), QColor(0, 0, 255)));
    // The grey border shows where the picture does not cover it (blended on white).
    QVERIFY(Near(big.pixel(0, 5), QColor(205, 205, 205), 3));
    QVERIFY(Near(big.pixel(50, 99), QColor(205, 205, 205), 3));

    const QImage small = list.Thumbnail(1);
    QVERIFY(Near(small.pixel(20, 30), QColor(0, 255, 0)));
    QVERIFY(Near(small.pixel(79, 69), QColor(0, 255, 0)));
    QVERIFY(Near(small.pixel(19, 30), Qt::white));
    QVERIFY(Near(small.pixel(20, 29), Qt::white));
    QVERIFY(Near(small.pixel(80, 69), Qt::white));
    QVERIFY(Near(small.pixel(79, 70), Qt::white));
    // The red number sits in the bottom-right corner.
    QVERIFY(RedPixels(small, QRect(70, 70, 30, 30)) > 10);
    QCOMPARE(RedPixels(small, QRect(0, 0, 70, 70)), 0);
}

void ListImageCtrlTest::onlyVisiblePictureFilesCount() {
    QTemporaryDir dir;
    WritePicture(dir.filePath("a.JPG"), 8, 8, Qt::red, "JPG");
    WritePicture(dir.filePath("b.Png"), 8, 8, Qt::red, "PNG");
    WritePicture(dir.filePath("c.jpeg"), 8, 8, Qt::red, "JPG");
    WritePicture(dir.filePath(".d.jpg"), 8, 8, Qt::red, "JPG");
    WritePicture(dir.filePath("e.tiff"), 8, 8, Qt::red, "PNG");
    QVERIFY(QDir(dir.path()).mkdir("f.jpg"));
    QFile text(dir.filePath("notes.txt"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.close();

    CListImageCtrl list;
    list.InitColumns();
    list.directory = dir.path();
    QVERIFY(list.LoadFileNames());
    QCOMPARE(list.fileNames, QStringList({"a.JPG", "b.Png"}));
    QVERIFY(CListImageCtrl::IsPictureFileName("x.GIF"));
    QVERIFY(CListImageCtrl::IsPictureFileName("scan.Tif"));
    QVERIFY(CListImageCtrl::IsPictureFileName("y.bmp"));
    QVERIFY(!CListImageCtrl::IsPictureFileName("y.bm"));
    QCOMPARE(list.columnTitles(), QStringList({"Filename", "Path", "Size"}));
}

void ListImageCtrlTest::firstDisplayPositionShowsTheLastFileWithItsNumber() {
    QTemporaryDir dir;
    for (const char* name : {"2.jpg", "3.jpg", "1.jpg"}) WritePicture(dir.filePath(name), 200, 100, Qt::blue, "JPG");
    CListImageCtrl list;
    list.InitColumns();
    list.directory = dir.path();
    list.Refresh();
    QCOMPARE(list.fileNames, QStringList({"1.jpg", "2.jpg", "3.jpg"}));
    QCOMPARE(list.count(), 3);
    for (int p = 0; p < 3; ++p) {
        QCOMPARE(list.FileIndexOf(list.item(p)), 3 - 1 - p);
        QCOMPARE(list.item(p)->text(), list.fileNames[3 - 1 - p]);
    }
    QCOMPARE(list.item(0)->text(), QStringLiteral("3.jpg"));
    QVERIFY(list.item(0)->isSelected());

    // The thumbnail of the first item carries "3": it equals a thumbnail drawn with 3, not with 1.
    QRect placement;
    const QImage placed = LoadPlacedPicture(dir.filePath("3.jpg"), QSize(100, 100), &placement);
    const QImage shown = list.Thumbnail(list.FileIndexOf(list.item(0)));
    QCOMPARE(shown, ComposeThumbnail(placed, placement, QSize(100, 100), 3, false));
    QVERIFY(shown != ComposeThumbnail(placed, placement, QSize(100, 100), 1, false));
    QCOMPARE(list.item(0)->icon().pixmap(100, 100).toImage().convertToFormat(QImage::Format_RGB32), shown);
}

void ListImageCtrlTest::remarkedThumbnailLosesMarkAndNumber() {
    QTemporaryDir dir;
    WritePicture(dir.filePath("1.png"), 40, 40, QColor(0, 0, 255));
    WritePicture(dir.filePath("2.png"), 40, 40, QColor(0, 0, 255));
    CListImageCtrl list;
    list.InitColumns();
    list.directory = dir.path();
    list.Refresh();
    const QRect labelArea(70, 70, 28, 28);  // inside the border
    QVERIFY(RedPixels(list.Thumbnail(1), labelArea) > 10);

    list.RedrawThumbnail(1, true);
    const QImage marked = list.Thumbnail(1);
    QCOMPARE(RedPixels(marked, labelArea), 0);
    // Dark red border, the 10 x 10 box and the check mark in the corner.
    const QRgb border = marked.pixel(50, 0);
    QVERIFY(qRed(border) > qGreen(border) + 100);
    QVERIFY(qRed(marked.pixel(10, 5)) > qGreen(marked.pixel(10, 5)) + 100);
    QVERIFY(qRed(marked.pixel(5, 7)) > qGreen(marked.pixel(5, 7)) + 100);
    QCOMPARE(list.ItemOfFile(1)->icon().pixmap(100, 100).toImage().convertToFormat(QImage::Format_RGB32), marked);

    list.RedrawThumbnail(1, false);
    const QImage unmarked = list.Thumbnail(1);
    QCOMPARE(RedPixels(unmarked, labelArea), 0);
    QVERIFY(Near(unmarked.pixel(50, 0), QColor(205, 205, 205), 3));
    QVERIFY(Near(unmarked.pixel(5, 7), Qt::white));
    // The other thumbnail was not touched.
    QVERIFY(RedPixels(list.Thumbnail(0), labelArea) > 10);
}

void ListImageCtrlTest::refreshDecodesOnlyChangedFiles() {
    QTemporaryDir dir;
    for (int i = 0; i < 6; ++i) WritePicture(dir.filePath(QStringLiteral("%1.jpg").arg(i)), 320, 240, Qt::gray, "JPG");
    CListImageCtrl list;
    list.InitColumns();
    list.directory = dir.path();
    list.Refresh();
    QCOMPARE(list.lastDecodeCount(), 6);
    list.Refresh();
    QCOMPARE(list.lastDecodeCount(), 0);

    WritePicture(dir.filePath("6.jpg"), 320, 240, Qt::gray, "JPG");
    list.Refresh();
    QCOMPARE(list.count(), 7);
    QCOMPARE(list.lastDecodeCount(), 1);

    // A file written anew under the same name is decoded again and shows its new content.
    WritePicture(dir.filePath("2.jpg"), 320, 240, QColor(255, 255, 0), "JPG");
    list.Refresh();
    QCOMPARE(list.lastDecodeCount(), 1);
    QVERIFY(Near(list.Thumbnail(2).pixel(50, 50), QColor(255, 255, 0), 12));

    // A new thumbnail size is a new picture for the cache.
    CListImageCtrl::SetThumbnailSize(64, 64);
    list.Refresh();
    QCOMPARE(list.lastDecodeCount(), 7);
    QCOMPARE(list.Thumbnail(0).size(), QSize(64, 64));
}

void ListImageCtrlTest::diskCacheServesANewControl() {
    QTemporaryDir dir;
    for (int i = 0; i < 4; ++i) WritePicture(dir.filePath(QStringLiteral("%1.jpg").arg(i)), 640, 480, Qt::darkCyan, "JPG");
    QVector<QImage> first;
    {
        CListImageCtrl list;
        list.InitColumns();
        list.directory = dir.path();
        list.Refresh();
        QCOMPARE(list.lastDecodeCount(), 4);
        for (int i = 0; i < 4; ++i) first << list.Thumbnail(i);
    }
    CListImageCtrl again;
    again.InitColumns();
    again.directory = dir.path();
    again.Refresh();
    QCOMPARE(again.lastDecodeCount(), 0);
    // The disk copy is a quality-95 JPEG: the same picture within a few levels per pixel.
    for (int i = 0; i < 4; ++i) {
        const QImage a = again.Thumbnail(i);
        QCOMPARE(a.size(), first[i].size());
        for (int y = 0; y < a.height(); y += 3)
            for (int x = 0; x < a.width(); x += 3) QVERIFY(Near(a.pixel(x, y), QColor(first[i].pixel(x, y)), 8));
    }
}

void ListImageCtrlTest::unreadablePictureGetsAnEmptyThumbnail() {
    QTemporaryDir dir;
    QFile broken(dir.filePath("1.jpg"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("this is not a picture");
    broken.close();
    CListImageCtrl list;
    list.InitColumns();
    list.directory = dir.path();
    list.Refresh();
    QCOMPARE(list.count(), 1);
    const QImage thumb = list.Thumbnail(0);
    QVERIFY(Near(thumb.pixel(50, 50), Qt::white));
    QVERIFY(RedPixels(thumb, QRect(70, 70, 30, 30)) > 10);
}

void ListImageCtrlTest::failuresKeepThePreviousNamesAndSayWhy() {
    QTemporaryDir dir;
    WritePicture(dir.filePath("1.png"), 10, 10, Qt::blue);
    CListImageCtrl list;
    list.InitColumns();

    list.Refresh();  // no directory yet
    QCOMPARE(m_messages, QStringList({"xxxxxxxxxxxxx|xxxxxxxx"}));
    QCOMPARE(list.count(), 0);

    list.directory = dir.path();
    list.Refresh();
    QCOMPARE(list.fileNames, QStringList({"1.png"}));
    m_messages.clear();

    // A directory without pictures: silently nothing, the names stay for a later Relayout.
    QTemporaryDir empty;
    list.directory = empty.path();
    list.Refresh();
    QCOMPARE(m_messages, QStringList());
    QCOMPARE(list.fileNames, QStringList({"1.png"}));

    // A missing directory: the system's text in the "yyyyyyyyyy" box.
    list.directory = dir.filePath("missing");
    list.Refresh();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0], QStringLiteral("yyyyyyyyyy|") + QString::fromLocal8Bit(strerror(ENOENT)));
    QCOMPARE(list.fileNames, QStringList({"1.png"}));
    list.Relayout();
    QCOMPARE(list.count(), 1);
}

void ListImageCtrlTest::clearAndRelayout() {
    QTemporaryDir dir;
    for (const char* name : {"1.png", "2.png", "3.png"}) WritePicture(dir.filePath(name), 30, 30, Qt::blue);
    CListImageCtrl list;
    list.InitColumns();
    list.directory = dir.path();
    list.Refresh();
    const QImage third = list.Thumbnail(2);
    list.Relayout();
    QCOMPARE(list.count(), 3);
    QCOMPARE(list.item(0)->text(), QStringLiteral("3.png"));
    QCOMPARE(list.Thumbnail(2), third);

    list.Clear();
    QCOMPARE(list.count(), 0);
    QVERIFY(list.directory.isEmpty());
    QVERIFY(list.fileNames.isEmpty());
    QVERIFY(list.Thumbnail(0).isNull());
    list.RedrawThumbnail(0, true);  // nothing to redraw: no effect
    list.Relayout();
    QCOMPARE(list.count(), 0);
}

QTEST_MAIN(ListImageCtrlTest)
#include "listimagectrl_test.moc"
