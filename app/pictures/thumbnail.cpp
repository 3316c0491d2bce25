#include "app/pictures/thumbnail.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHash>
#include <QImageReader>
#include <QImageWriter>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>
#include <QThreadPool>

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <exception>
#include <functional>
#include <vector>

#include "app/pictures/pictureio.h"
#include "app/widgets/uifont.h"
#include "platform/debug.h"
#include "platform/dirlist.h"
#include "platform/filemode.h"

QRect ThumbnailPlacement(QSize picture, QSize canvas) {
    const int tw = canvas.width();
    const int th = canvas.height();
    const int w = picture.width();
    const int h = picture.height();
    if (w <= 0 || h <= 0 || tw <= 0 || th <= 0) return QRect();
    if (w < tw && h < th) {
        // Small pictures keep their own size, centred both ways.
        return QRect((tw - w) / 2, (th - h) / 2, w, h);
    }
    const double ratio = double(h) / double(w);
    if (ratio > double(th) / double(tw)) {
        const int dw = int(th / ratio);
        return QRect((tw - dw) / 2, 0, dw, th);
    }
    const int dh = int(ratio * tw);
    return QRect(0, (th - dh) / 2, tw, dh);
}

namespace {

QImage LoadPlacedPictureChecked(const QString& hostPath, QSize canvas, QRect* placement) {
    QString refused;
    const QString file = PictureFileToOpen(hostPath, &refused);
    if (file.isEmpty()) return QImage();
    QImageReader reader(file);
    reader.setAutoTransform(false);
    if (!CheckPictureSize(reader, &refused)) {
        platform::DebugWarning("thumbnail: %s: %s\n", hostPath.toUtf8().constData(), refused.toUtf8().constData());
        return QImage();
    }
    QSize size = reader.size();
    if (size.isValid()) {
        const QRect place = ThumbnailPlacement(size, canvas);
        if (place.isEmpty()) return QImage();
        if (place.size() != size) {
            // The reader decodes JPEG at a reduced DCT scale and smooth-scales the rest.
            reader.setScaledSize(place.size());
            reader.setQuality(100);
        }
        QImage image = reader.read();
        if (image.isNull()) return QImage();
        if (image.size() != place.size()) {
            image = image.scaled(place.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        *placement = place;
        return image.convertToFormat(QImage::Format_RGB32);
    }
    // Formats that cannot tell their size before decoding: decode whole, then scale.
    QImage image = reader.read();
    if (image.isNull()) return QImage();
    const QRect place = ThumbnailPlacement(image.size(), canvas);
    if (place.isEmpty()) return QImage();
    *placement = place;
    if (image.size() != place.size()) {
        image = image.scaled(place.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QImage LoadPlacedPicture(const QString& hostPath, QSize canvas, QRect* placement) {
    *placement = QRect();
    // Called on the list's decoding threads: nothing may escape them.
    try {
        return LoadPlacedPictureChecked(hostPath, canvas, placement);
    } catch (const std::exception& exception) {
        platform::DebugWarning("thumbnail: cannot decode %s: %s\n", hostPath.toUtf8().constData(), exception.what());
        *placement = QRect();
        return QImage();
    }
}

namespace {

// The 1-pixel border, blended on the white canvas as a pen of that colour draws it. The blended
// colour is worked out by the painter on one white pixel and the border's pixels are then set
// directly: the painter blends a 1-pixel column a row at a time, which made the border most of
// the cost of a thumbnail (and of every placeholder drawn while scrolling).
void DrawBorderOnWhite(QImage& thumb, QColor colour) {
    const int w = thumb.width();
    const int h = thumb.height();
    if (w < 3 || h < 3) {
        QPainter painter(&thumb);
        QPen border(colour);
        border.setWidth(1);
        painter.setPen(border);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, w - 1, h - 1);
        return;
    }
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(Qt::white);
    QPainter blend(&pixel);
    blend.fillRect(QRect(0, 0, 1, 1), colour);
    blend.end();
    const QRgb blended = pixel.pixel(0, 0);
    auto line = [&thumb](int y) { return reinterpret_cast<QRgb*>(thumb.scanLine(y)); };
    std::fill(line(0), line(0) + w, blended);
    std::fill(line(h - 1), line(h - 1) + w, blended);
    for (int y = 1; y < h - 1; ++y) line(y)[0] = line(y)[w - 1] = blended;
}

}  // namespace

QImage ComposeThumbnail(const QImage& placed, const QRect& placement, QSize canvas, int label, bool marked,
                        const QString& teeth) {
    QImage thumb(canvas, QImage::Format_RGB32);
    thumb.fill(Qt::white);
    const QColor borderColour = marked ? QColor(192, 0, 0, 200) : QColor(192, 192, 192, 200);
    DrawBorderOnWhite(thumb, borderColour);
    QPainter painter(&thumb);

    if (!placed.isNull() && placement.isValid()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        if (placed.size() == placement.size()) {
            painter.drawImage(placement.topLeft(), placed);
        } else {
            painter.drawImage(placement, placed);
        }
    }

    if (marked) {
        QPen border(borderColour);
        border.setWidth(1);
        painter.setPen(border);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, 10, 10);
        QPen tick(borderColour);
        tick.setWidth(2);
        painter.setPen(tick);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawLine(QPoint(2, 3), QPoint(5, 8));
        painter.drawLine(QPoint(5, 8), QPoint(13, 2));
    } else if (label > 0) {
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(EmPixelFont(QStringLiteral("宋体"), 20, kWeightBold));
        painter.setPen(QColor(255, 0, 0));
        const QRect box(canvas.width() - 30, canvas.height() - 30, 200, 200);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, QString::number(label));
    }
    if (!teeth.isEmpty()) {
        // Left of the number's place, elided when the teeth are many for the width.
        painter.setRenderHint(QPainter::TextAntialiasing);
        const QFont font = EmPixelFont(QStringLiteral("Arial"), 11, kWeightBold);
        painter.setFont(font);
        const QFontMetrics metrics(font);
        const int room = std::max(0, canvas.width() - 36);
        const QString text = metrics.elidedText(teeth, Qt::ElideRight, room - 4);
        const QRect band(2, canvas.height() - metrics.height() - 4, metrics.horizontalAdvance(text) + 4,
                         metrics.height() + 2);
        painter.fillRect(band, QColor(0, 64, 128, 210));
        painter.setPen(Qt::white);
        painter.drawText(band, Qt::AlignCenter, text);
    }
    painter.end();
    return thumb;
}

namespace {

QMutex g_diskMutex;
bool g_diskSet = false;
QString g_diskDir;
std::atomic<qint64> g_diskLimit{ThumbnailCache::kDefaultDiskBytes};
// Bytes stored since the last pass over the disk cache, and whether a pass is already queued.
std::atomic<qint64> g_storedSincePass{0};
std::atomic<bool> g_passQueued{false};
std::atomic<bool> g_firstPassQueued{false};
// Bytes of thumbnails waiting for the disk writer. Scrolling fast through a long list decodes
// faster than the writer, which runs at a low priority, can keep up with: past this much, a
// thumbnail is not stored (it is decoded again when next needed) rather than held in memory.
constexpr qint64 kMaxPendingStoreBytes = 4ll << 20;
std::atomic<qint64> g_pendingStoreBytes{0};
QMutex g_passMutex;  // one pass at a time, also when called directly

constexpr char kSourceFile[] = "source";  // in each folder: the picture directory it belongs to

QString DefaultDiskDirectory() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (base.isEmpty()) return QString();
    return base + QStringLiteral("/kavimo/thumbnails");
}

QThreadPool& DiskWriters() {
    static QThreadPool pool;
    static const bool configured = [] {
        pool.setMaxThreadCount(1);
        pool.setThreadPriority(QThread::LowPriority);
        return true;
    }();
    (void)configured;
    return pool;
}

// Runs a job on the disk writer. The disk side is only a cache: a job that throws is given up
// rather than let end the program.
void StartDiskJob(std::function<void()> job) {
    DiskWriters().start([job = std::move(job)] {
        try {
            job();
        } catch (const std::exception& exception) {
            platform::DebugWarning("thumbnail cache: %s\n", exception.what());
        }
    });
}

QString Sha1Hex(const QString& text) {
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex());
}

QString CleanDir(const QString& dir) { return QDir::cleanPath(dir); }

// The parts of a key: the host path and the canvas ("WxH"); the size and time sit between them.
struct KeyParts {
    QString dir;
    QString name;
    QString canvas;
};

bool SplitKey(const QString& key, KeyParts* parts) {
    const int canvasAt = key.lastIndexOf(QLatin1Char('\n'));
    const int timeAt = canvasAt > 0 ? key.lastIndexOf(QLatin1Char('\n'), canvasAt - 1) : -1;
    const int sizeAt = timeAt > 0 ? key.lastIndexOf(QLatin1Char('\n'), timeAt - 1) : -1;
    if (sizeAt <= 0) return false;
    const QString path = key.left(sizeAt);
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) return false;
    parts->dir = CleanDir(path.left(slash + 1));
    parts->name = path.mid(slash + 1);
    parts->canvas = key.mid(canvasAt + 1);
    return true;
}

QString FolderOf(const QString& cacheDir, const QString& hostDir) {
    return cacheDir + QLatin1Char('/') + Sha1Hex(CleanDir(hostDir));
}

// <cache>/<hash of the picture directory>/<hash of the name>-<canvas>-<hash of the key>.jpg: the
// name part finds the files of a picture, the key part tells whether it is still the same file.
QString DiskFile(const QString& cacheDir, const QString& key) {
    KeyParts parts;
    if (!SplitKey(key, &parts)) return QString();
    return FolderOf(cacheDir, parts.dir) + QLatin1Char('/') + Sha1Hex(parts.name) + QLatin1Char('-') + parts.canvas +
           QLatin1Char('-') + Sha1Hex(key) + QStringLiteral(".jpg");
}

// The cache shows the patients' pictures and names their folders: its files get the data's mode
// and group. QSaveFile makes a new temporary readable by all under the umask; it is narrowed before
// any data goes in.
bool OpenPrivate(QSaveFile* file) {
    if (!file->open(QIODevice::WriteOnly)) return false;
    if (::fchmod(file->handle(), platform::AllowedFileMode()) == 0 && platform::GiveDataGroup(file->handle())) {
        return true;
    }
    file->cancelWriting();
    return false;
}

bool EnsureFolder(const QString& folder, const QString& hostDir) {
    const QString source = folder + QLatin1Char('/') + QLatin1String(kSourceFile);
    if (QFileInfo::exists(source)) return true;
    if (!platform::MakeDirectories(QFile::encodeName(folder).toStdString())) return false;
    QSaveFile file(source);
    if (!OpenPrivate(&file)) return false;
    file.write(CleanDir(hostDir).toUtf8());
    return file.commit();
}

void QueuePass() {
    if (g_passQueued.exchange(true)) return;
    StartDiskJob([] {
        g_passQueued = false;
        ThumbnailCache::MaintainDisk();
    });
}

}  // namespace

ThumbnailCache::ThumbnailCache(qint64 memoryBytes) : m_memory(memoryBytes > 0 ? memoryBytes : 1) {}

QString ThumbnailCache::KeyFor(const QString& hostPath, QSize canvas) {
    struct stat st;
    const QByteArray local = QFile::encodeName(hostPath);
    if (::stat(local.constData(), &st) != 0) return QString();
    const qint64 mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000ll + st.st_mtim.tv_nsec;
    return QStringLiteral("%1\n%2\n%3\n%4x%5")
        .arg(hostPath)
        .arg(qint64(st.st_size))
        .arg(mtimeNs)
        .arg(canvas.width())
        .arg(canvas.height());
}

bool ThumbnailCache::Find(const QString& key, Entry* out) const {
    if (key.isEmpty()) return false;
    const Entry* entry = m_memory.object(key);
    if (!entry) return false;
    *out = *entry;
    return true;
}

void ThumbnailCache::Insert(const QString& key, const Entry& entry) {
    if (key.isEmpty() || entry.picture.isNull()) return;
    const qint64 cost = qMax<qint64>(1, entry.picture.sizeInBytes());
    m_memory.insert(key, new Entry(entry), cost);
}

void ThumbnailCache::ClearMemory() { m_memory.clear(); }

void ThumbnailCache::SetDiskDirectory(const QString& dir) {
    QMutexLocker lock(&g_diskMutex);
    g_diskSet = true;
    g_diskDir = dir;
}

QString ThumbnailCache::DiskDirectory() {
    QMutexLocker lock(&g_diskMutex);
    if (!g_diskSet) {
        g_diskSet = true;
        g_diskDir = DefaultDiskDirectory();
    }
    return g_diskDir;
}

void ThumbnailCache::SetDiskLimit(qint64 bytes) { g_diskLimit = qMax<qint64>(0, bytes); }

qint64 ThumbnailCache::DiskLimit() { return g_diskLimit; }

bool ThumbnailCache::LoadFromDisk(const QString& key, QSize canvas, Entry* out) {
    const QString dir = DiskDirectory();
    if (dir.isEmpty() || key.isEmpty()) return false;
    const QString path = DiskFile(dir, key);
    if (path.isEmpty()) return false;
    QImageReader reader(path, "jpeg");
    QImage image = reader.read();
    if (image.isNull() || image.width() > canvas.width() || image.height() > canvas.height()) return false;
    // Used now: the pruning keeps it longer than files not read for a while.
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), nullptr, 0);
    // A placed picture is always centred in its canvas, so its size tells where it goes.
    out->placement = QRect((canvas.width() - image.width()) / 2, (canvas.height() - image.height()) / 2, image.width(),
                           image.height());
    out->picture = image.convertToFormat(QImage::Format_RGB32);
    return true;
}

void ThumbnailCache::StoreOnDisk(const QString& key, const Entry& entry) {
    const QString dir = DiskDirectory();
    if (dir.isEmpty() || key.isEmpty() || entry.picture.isNull()) return;
    KeyParts parts;
    if (!SplitKey(key, &parts)) return;
    if (!EnsureFolder(FolderOf(dir, parts.dir), parts.dir)) return;
    // Written under a temporary name and renamed, so a reader never sees half a file. JPEG at
    // quality 95 keeps these small (about 10 KB) and quick to write and read back.
    QSaveFile file(DiskFile(dir, key));
    if (!OpenPrivate(&file)) return;
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(95);
    if (!writer.write(entry.picture)) {
        file.cancelWriting();
        return;
    }
    const qint64 size = file.size();
    if (!file.commit()) return;
    // A pass over the cache after every eighth of its limit written keeps it near the limit.
    if ((g_storedSincePass += size) > g_diskLimit / 8) QueuePass();
}

void ThumbnailCache::StoreOnDiskLater(const QString& key, const Entry& entry) {
    if (key.isEmpty() || entry.picture.isNull() || DiskDirectory().isEmpty()) return;
    const qint64 bytes = entry.picture.sizeInBytes();
    if (g_pendingStoreBytes.fetch_add(bytes) + bytes > kMaxPendingStoreBytes) {
        g_pendingStoreBytes -= bytes;
        return;
    }
    StartDiskJob([key, entry, bytes] {
        StoreOnDisk(key, entry);
        g_pendingStoreBytes -= bytes;
    });
}

void ThumbnailCache::WaitForDiskWrites() { DiskWriters().waitForDone(); }

qint64 ThumbnailCache::MaintainDisk() {
    QMutexLocker pass(&g_passMutex);
    g_storedSincePass = 0;
    const QString dir = DiskDirectory();
    if (dir.isEmpty()) return 0;
    struct CachedFile {
        QString path;
        qint64 size;
        qint64 usedNs;
    };
    std::vector<CachedFile> files;
    qint64 total = 0;
    const QFileInfoList entries =
        QDir(dir).entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        if (!entry.isDir() || entry.isSymLink()) {
            // Files of an earlier layout, or anything else that is not ours to keep.
            if (entry.fileName().endsWith(QLatin1String(".jpg"))) QFile::remove(entry.filePath());
            continue;
        }
        QFile source(entry.filePath() + QLatin1Char('/') + QLatin1String(kSourceFile));
        const QString pictures = source.open(QIODevice::ReadOnly) ? QString::fromUtf8(source.readAll()) : QString();
        if (pictures.isEmpty() || !QFileInfo(pictures).isDir()) {
            // The picture directory is gone (a deleted patient): so are its thumbnails.
            QDir(entry.filePath()).removeRecursively();
            continue;
        }
        const QStringList names = QDir(entry.filePath()).entryList({QStringLiteral("*.jpg")}, QDir::Files);
        for (const QString& name : names) {
            const QString path = entry.filePath() + QLatin1Char('/') + name;
            struct stat st;
            if (::stat(QFile::encodeName(path).constData(), &st) != 0) continue;
            const qint64 usedNs = qint64(st.st_mtim.tv_sec) * 1000000000ll + st.st_mtim.tv_nsec;
            files.push_back({path, qint64(st.st_size), usedNs});
            total += st.st_size;
        }
    }
    const qint64 limit = g_diskLimit;
    if (total <= limit) return total;
    // Down to nine tenths of the limit, the least recently used first, so that the next pass is
    // not due at once.
    std::sort(files.begin(), files.end(), [](const CachedFile& a, const CachedFile& b) { return a.usedNs < b.usedNs; });
    const qint64 target = limit - limit / 10;
    for (const CachedFile& file : files) {
        if (total <= target) break;
        if (QFile::remove(file.path)) total -= file.size;
    }
    return total;
}

void ThumbnailCache::MaintainDiskLater() {
    if (DiskDirectory().isEmpty()) return;
    if (!g_firstPassQueued.exchange(true)) QueuePass();
}

void ThumbnailCache::ForgetMissingLater(const QString& hostDir, const QStringList& fileNames) {
    const QString cacheDir = DiskDirectory();
    if (cacheDir.isEmpty() || hostDir.isEmpty()) return;
    StartDiskJob([cacheDir, hostDir, fileNames] {
        const QString folder = FolderOf(cacheDir, hostDir);
        const QStringList cached = QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files);
        if (cached.isEmpty()) return;
        QHash<QString, QString> byHash;
        byHash.reserve(fileNames.size());
        for (const QString& name : fileNames) byHash.insert(Sha1Hex(name), name);
        const QString pictures = CleanDir(hostDir) + QLatin1Char('/');
        for (const QString& file : cached) {
            // <name hash>-<W>x<H>-<key hash>.jpg
            const QStringList parts = file.chopped(4).split(QLatin1Char('-'));
            bool keep = false;
            if (parts.size() == 3) {
                const auto name = byHash.constFind(parts[0]);
                const QStringList wh = parts[1].split(QLatin1Char('x'));
                if (name != byHash.constEnd() && wh.size() == 2) {
                    const QString key = ThumbnailCache::KeyFor(pictures + *name, QSize(wh[0].toInt(), wh[1].toInt()));
                    keep = !key.isEmpty() && Sha1Hex(key) == parts[2];
                }
            }
            if (!keep) QFile::remove(folder + QLatin1Char('/') + file);
        }
    });
}

void ThumbnailCache::ForgetDirectoryLater(const QString& hostDir) {
    const QString cacheDir = DiskDirectory();
    if (cacheDir.isEmpty() || hostDir.isEmpty()) return;
    StartDiskJob([cacheDir, hostDir] { QDir(FolderOf(cacheDir, hostDir)).removeRecursively(); });
}
