// The thumbnail list: which files count as pictures, how thumbnails are placed and drawn, which
// item shows which file, the pick mark, the cache, and the failure paths.
#include <QtTest>

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <condition_variable>
#include <mutex>

#include "app/pictures/listimagectrl.h"
#include "app/pictures/thumbnail.h"
#include "app/widgets/messagebox.h"

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

// True when `expected` is painted, pixel for pixel, somewhere inside the item that shows the file
// index: the list must be on screen and the thumbnail made.
bool PaintedAs(CListImageCtrl& list, int fileIndex, const QImage& expected) {
    QListWidgetItem* item = list.ItemOfFile(fileIndex);
    if (!item || expected.isNull()) return false;
    list.clearSelection();  // a selected icon is tinted
    const QImage shot = list.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect area = list.visualItemRect(item).intersected(shot.rect());
    for (int y = area.top(); y + expected.height() <= area.bottom() + 1; ++y)
        for (int x = area.left(); x + expected.width() <= area.right() + 1; ++x)
            if (shot.copy(x, y, expected.width(), expected.height()) == expected) return true;
    return false;
}

// Makes every thumbnail as a refresh of a list on screen would in time.
void DrawAll(CListImageCtrl& list) {
    for (int i = 0; i < list.fileNames.size(); ++i) list.Thumbnail(i);
}

}  // namespace

class ListImageCtrlTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void placementKeepsAspectAndNeverEnlarges();
    void thumbnailsAreDrawnWhereThePlacementSays();
    void borderIsTheOneAPenDraws();
    void onlyVisiblePictureFilesCount();
    void firstDisplayPositionShowsTheLastFileWithItsNumber();
    void remarkedThumbnailLosesMarkAndNumber();
    void refreshDecodesOnlyChangedFiles();
    void oneChangeInPlaceLeavesTheListAsARebuildWould();
    void diskCacheServesANewControl();
    void unreadablePictureGetsAnEmptyThumbnail();
    void failuresKeepThePreviousNamesAndSayWhy();
    void clearAndRelayout();
    void longListDecodesWhatComesIntoViewAndDropsWhatLeftIt();
    void cachesKeepWithinTheirLimits();
    void diskCacheForgetsDeletedPicturesAndPatients();

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

// The border is set pixel by pixel for speed: it must be exactly what a 1-pixel pen of its colour
// draws on the white canvas, marked or not, with a picture over it or not.
void ListImageCtrlTest::borderIsTheOneAPenDraws() {
    QImage picture(100, 40, QImage::Format_RGB32);
    picture.fill(QColor(0, 90, 200));
    for (QSize canvas : {QSize(164, 164), QSize(100, 60), QSize(3, 3)}) {
        for (bool marked : {false, true}) {
            const QRect placement(0, 10, qMin(100, canvas.width()), qMin(40, canvas.height()));
            const QImage composed = ComposeThumbnail(picture, placement, canvas, 0, marked);
            QImage expected(canvas, QImage::Format_RGB32);
            expected.fill(Qt::white);
            QPainter p(&expected);
            p.setPen(QPen(marked ? QColor(192, 0, 0, 200) : QColor(192, 192, 192, 200), 1));
            p.drawRect(0, 0, canvas.width() - 1, canvas.height() - 1);
            p.end();
            for (int y = 0; y < canvas.height(); ++y) {
                for (int x = 0; x < canvas.width(); ++x) {
                    const bool edge = x == 0 || y == 0 || x == canvas.width() - 1 || y == canvas.height() - 1;
                    const bool covered = placement.contains(x, y) || (marked && x <= 13 && y <= 10);
                    if (!edge || covered) continue;
                    QVERIFY2(composed.pixel(x, y) == expected.pixel(x, y),
                             qPrintable(QStringLiteral("%1x%2 %3 at %4,%5")
                                            .arg(canvas.width())
                                            .arg(canvas.height())
                                            .arg(marked)
                                            .arg(x)
                                            .arg(y)));
                }
            }
        }
    }
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
    list.resize(400, 300);
    list.show();
    QVERIFY(PaintedAs(list, 2, shown));
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
    list.resize(400, 300);
    list.show();
    QVERIFY(PaintedAs(list, 1, marked));

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
    DrawAll(list);
    QCOMPARE(list.lastDecodeCount(), 6);
    list.Refresh();
    DrawAll(list);
    QCOMPARE(list.lastDecodeCount(), 0);

    WritePicture(dir.filePath("6.jpg"), 320, 240, Qt::gray, "JPG");
    list.Refresh();
    DrawAll(list);
    QCOMPARE(list.count(), 7);
    QCOMPARE(list.lastDecodeCount(), 1);

    // A file written anew under the same name is decoded again and shows its new content.
    WritePicture(dir.filePath("2.jpg"), 320, 240, QColor(255, 255, 0), "JPG");
    list.Refresh();
    DrawAll(list);
    QCOMPARE(list.lastDecodeCount(), 1);
    QVERIFY(Near(list.Thumbnail(2).pixel(50, 50), QColor(255, 255, 0), 12));

    // A new thumbnail size is a new picture for the cache.
    CListImageCtrl::SetThumbnailSize(64, 64);
    list.Refresh();
    DrawAll(list);
    QCOMPARE(list.lastDecodeCount(), 7);
    QCOMPARE(list.Thumbnail(0).size(), QSize(64, 64));
}

void ListImageCtrlTest::oneChangeInPlaceLeavesTheListAsARebuildWould() {
    QTemporaryDir dir;
    // Each picture its own colour: a thumbnail kept under another file's number shows.
    int hue = 0;
    auto write = [&](const char* name) {
        WritePicture(dir.filePath(name), 160, 120, QColor::fromHsv((hue += 47) % 360, 200, 200), "JPG");
    };
    for (const char* name : {"10.jpg", "20.jpg", "30.jpg", "40.jpg"}) write(name);
    CListImageCtrl list;
    list.InitColumns();
    list.directory = dir.path();
    list.Refresh();
    list.RedrawThumbnail(0, true);  // a pick mark: a rebuild draws every thumbnail with its number again
    list.item(3)->setSelected(true);
    DrawAll(list);

    auto sameAsRebuilt = [&](const char* step) {
        CListImageCtrl rebuilt;
        rebuilt.InitColumns();
        rebuilt.directory = dir.path();
        rebuilt.Refresh();
        QVERIFY2(list.fileNames == rebuilt.fileNames, step);
        QCOMPARE(list.count(), rebuilt.count());
        for (int p = 0; p < list.count(); ++p) {
            QCOMPARE(list.item(p)->text(), rebuilt.item(p)->text());
            QCOMPARE(list.item(p)->isSelected(), p == 0);
            QVERIFY2(list.Thumbnail(p) == rebuilt.Thumbnail(p), step);
        }
    };
    write("25.jpg");
    QVERIFY(list.RefreshOneChange());
    sameAsRebuilt("one picture added between others");
    QFile::remove(dir.filePath("10.jpg"));
    QVERIFY(list.RefreshOneChange());
    sameAsRebuilt("the oldest picture removed");
    QFile::remove(dir.filePath("40.jpg"));
    QVERIFY(list.RefreshOneChange());
    sameAsRebuilt("the newest picture removed");

    // A file the caller just wrote or deleted, put in or taken out by its name alone: in the
    // listing's place (without regard to case), and only when the directory agrees.
    write("2a.jpg");
    QVERIFY(list.AddShownFile("2a.jpg"));
    sameAsRebuilt("a file added by its name");
    write("2B.jpg");
    QVERIFY(list.AddShownFile("2B.jpg"));
    sameAsRebuilt("a name that comes after by its letter, before by its bytes");
    QVERIFY(!list.AddShownFile("2B.jpg"));     // shown already
    QVERIFY(!list.AddShownFile("none.jpg"));   // not there
    QVERIFY(!list.RemoveShownFile("25.jpg"));  // still there
    QVERIFY(list.ShowsItsDirectory());
    QFile::remove(dir.filePath("25.jpg"));
    QVERIFY(!list.ShowsItsDirectory());
    QVERIFY(list.RemoveShownFile("25.jpg"));
    sameAsRebuilt("a file taken out by its name");
    QVERIFY(list.ShowsItsDirectory());

    // Anything but one name more or less is left to a rebuild, and nothing changes meanwhile.
    const QStringList before = list.fileNames;
    write("50.jpg");
    write("60.jpg");
    QVERIFY(!list.RefreshOneChange());
    QFile::remove(dir.filePath("50.jpg"));
    QFile::rename(dir.filePath("20.jpg"), dir.filePath("21.jpg"));  // one name changed, same count + 1 - 1
    QVERIFY(!list.RefreshOneChange());
    QCOMPARE(list.fileNames, before);
    QCOMPARE(list.count(), before.size());
}

void ListImageCtrlTest::diskCacheServesANewControl() {
    QTemporaryDir dir;
    for (int i = 0; i < 4; ++i)
        WritePicture(dir.filePath(QStringLiteral("%1.jpg").arg(i)), 640, 480, Qt::darkCyan, "JPG");
    QVector<QImage> first;
    {
        CListImageCtrl list;
        list.InitColumns();
        list.directory = dir.path();
        list.Refresh();
        DrawAll(list);
        QCOMPARE(list.lastDecodeCount(), 4);
        for (int i = 0; i < 4; ++i) first << list.Thumbnail(i);
    }
    CListImageCtrl again;
    again.InitColumns();
    again.directory = dir.path();
    again.Refresh();
    DrawAll(again);
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

void ListImageCtrlTest::longListDecodesWhatComesIntoViewAndDropsWhatLeftIt() {
    QTemporaryDir dir;
    constexpr int kCount = 1200;
    QImage tile(24, 16, QImage::Format_RGB32);
    tile.fill(QColor(0, 128, 255));
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(tile.save(&buffer, "PNG"));
    }
    QStringList names;
    for (int i = 0; i < kCount; ++i) {
        names << QStringLiteral("%1.png").arg(100000 + i);
        QFile file(dir.filePath(names.back()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(png);
    }

    // The decoders wait at a gate the test opens; it records which files they were given.
    // (Standard ones: ThreadSanitizer follows them through the wait, unlike Qt's.)
    std::mutex mutex;
    std::condition_variable opened;
    bool open = false;
    QVector<int> decoded;
    CListImageCtrl::SetDecodeObserver([&](int fileIndex) {
        std::unique_lock<std::mutex> lock(mutex);
        decoded << fileIndex;
        opened.wait(lock, [&] { return open; });
    });
    auto openGate = [&] {
        std::lock_guard<std::mutex> lock(mutex);
        open = true;
        opened.notify_all();
    };
    auto decodedSoFar = [&] {
        std::lock_guard<std::mutex> lock(mutex);
        return decoded;
    };

    CListImageCtrl::SetThumbnailSize(40, 40);
    CListImageCtrl list;
    list.InitColumns();
    list.resize(320, 240);
    list.show();
    list.directory = dir.path();
    list.Refresh();
    QCOMPARE(list.count(), kCount);
    QCOMPARE(list.fileNames, names);
    for (int p = 0; p < kCount; p += 97) {
        QCOMPARE(list.FileIndexOf(list.item(p)), kCount - 1 - p);
        QCOMPARE(list.item(p)->text(), names[kCount - 1 - p]);
    }

    // The newest pictures are on screen: only they and a few more are asked for.
    QTRY_VERIFY(!list.QueuedDecodes().empty());
    const std::vector<int> queuedAtTop = list.QueuedDecodes();
    QVERIFY(queuedAtTop.front() >= kCount - 200);
    QVERIFY(int(queuedAtTop.size()) + list.DecodesInFlight() < 200);

    // Scrolled to the oldest: the work still queued for the top is dropped.
    list.scrollToBottom();
    QTRY_VERIFY(!list.QueuedDecodes().empty() && list.QueuedDecodes().back() < 200);
    openGate();
    QTRY_VERIFY(list.HasThumbnail(0) && list.DecodesInFlight() == 0);
    CListImageCtrl::SetDecodeObserver({});
    for (int fileIndex : decodedSoFar()) {
        QVERIFY2(std::find(queuedAtTop.begin(), queuedAtTop.end(), fileIndex) == queuedAtTop.end(),
                 qPrintable(QStringLiteral("file %1 was decoded after it left the view").arg(fileIndex)));
    }
    QVERIFY(decodedSoFar().size() < 400);

    // The oldest picture shows with its number 1, drawn as a thumbnail of its own is.
    QRect placement;
    const QImage placed = LoadPlacedPicture(dir.filePath(names[0]), QSize(40, 40), &placement);
    QVERIFY(!placed.isNull());
    QVERIFY(PaintedAs(list, 0, ComposeThumbnail(placed, placement, QSize(40, 40), 1, false)));
    QVERIFY(PaintedAs(list, 1, ComposeThumbnail(placed, placement, QSize(40, 40), 2, false)));
}

void ListImageCtrlTest::cachesKeepWithinTheirLimits() {
    // Memory: the least recently used pictures make room for new ones.
    ThumbnailCache memory(1 << 20);
    ThumbnailCache::Entry entry;
    entry.picture = QImage(200, 200, QImage::Format_RGB32);
    entry.picture.fill(Qt::red);
    entry.placement = QRect(0, 0, 200, 200);
    for (int i = 0; i < 100; ++i) memory.Insert(QStringLiteral("key %1").arg(i), entry);
    QVERIFY(memory.MemoryBytes() <= memory.MemoryLimit());
    QVERIFY(memory.MemoryBytes() >= 4 * entry.picture.sizeInBytes());
    ThumbnailCache::Entry found;
    QVERIFY(memory.Find(QStringLiteral("key 99"), &found));
    QVERIFY(!memory.Find(QStringLiteral("key 0"), &found));

    // Disk: pruned to its limit, the files read most recently kept.
    QTemporaryDir dir;
    const QSize canvas(100, 100);
    QStringList keys;
    for (int i = 0; i < 20; ++i) {
        const QString path = dir.filePath(QStringLiteral("%1.png").arg(i));
        WritePicture(path, 100, 100, QColor(i * 10, 100, 200 - i * 5));
        keys << ThumbnailCache::KeyFor(path, canvas);
        ThumbnailCache::Entry stored;
        stored.picture = LoadPlacedPicture(path, canvas, &stored.placement);
        ThumbnailCache::StoreOnDisk(keys.back(), stored);
    }
    qint64 total = 0;
    for (QDirIterator it(ThumbnailCache::DiskDirectory(), {QStringLiteral("*.jpg")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        QFile file(it.next());
        total += file.size();
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime(QDate(2020, 1, 1), QTime(0, 0)), QFileDevice::FileModificationTime));
    }
    for (int i = 15; i < 20; ++i) QVERIFY(ThumbnailCache::LoadFromDisk(keys[i], canvas, &found));
    const qint64 limit = total / 2;
    ThumbnailCache::SetDiskLimit(limit);
    const qint64 after = ThumbnailCache::MaintainDisk();
    ThumbnailCache::SetDiskLimit(ThumbnailCache::kDefaultDiskBytes);
    QVERIFY(after <= limit);
    QVERIFY(after > 0);
    for (int i = 15; i < 20; ++i) QVERIFY(ThumbnailCache::LoadFromDisk(keys[i], canvas, &found));
    int left = 0;
    for (int i = 0; i < 15; ++i) left += ThumbnailCache::LoadFromDisk(keys[i], canvas, &found) ? 1 : 0;
    QVERIFY(left < 10);
}

void ListImageCtrlTest::diskCacheForgetsDeletedPicturesAndPatients() {
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath("UID1"));
    QVERIFY(QDir(root.path()).mkpath("UID2"));
    const QString one = root.filePath("UID1");
    const QString two = root.filePath("UID2");
    for (const QString& d : {one, two})
        for (int i = 1; i <= 3; ++i) WritePicture(d + QStringLiteral("/%1.jpg").arg(i), 320, 240, Qt::gray, "JPG");
    auto keyOf = [](const QString& path) { return ThumbnailCache::KeyFor(path, QSize(100, 100)); };
    auto onDisk = [](const QString& key) {
        ThumbnailCache::Entry entry;
        return ThumbnailCache::LoadFromDisk(key, QSize(100, 100), &entry);
    };
    const QString deleted = keyOf(one + "/2.jpg");
    const QString kept = keyOf(one + "/3.jpg");
    const QString otherPatient = keyOf(two + "/1.jpg");
    const QString rewritten = keyOf(two + "/2.jpg");
    CListImageCtrl list;
    list.InitColumns();
    for (const QString& d : {one, two}) {
        list.directory = d;
        list.Refresh();
        DrawAll(list);
    }
    ThumbnailCache::WaitForDiskWrites();
    for (const QString& key : {deleted, kept, otherPatient, rewritten}) QVERIFY(onDisk(key));

    // A picture deleted, another written anew: the next listing drops their thumbnails.
    QVERIFY(QFile::remove(one + "/2.jpg"));
    list.directory = one;
    list.Refresh();
    QTest::qWait(20);  // a later modification time for the rewritten file
    WritePicture(two + "/2.jpg", 320, 240, Qt::red, "JPG");
    list.directory = two;
    list.Refresh();
    ThumbnailCache::WaitForDiskWrites();
    QVERIFY(!onDisk(deleted));
    QVERIFY(!onDisk(rewritten));
    QVERIFY(onDisk(kept));
    QVERIFY(onDisk(otherPatient));

    // A deleted patient: its folder goes, by name or when a pass finds its directory gone.
    ThumbnailCache::ForgetDirectoryLater(two);
    ThumbnailCache::WaitForDiskWrites();
    QVERIFY(!onDisk(otherPatient));
    QVERIFY(QDir(one).removeRecursively());
    ThumbnailCache::MaintainDisk();
    QVERIFY(!onDisk(kept));
    QCOMPARE(QDir(ThumbnailCache::DiskDirectory()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

QTEST_MAIN(ListImageCtrlTest)
#include "listimagectrl_test.moc"
