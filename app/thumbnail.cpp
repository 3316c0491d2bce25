#include "app/thumbnail.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>
#include <QThreadPool>

#include <sys/stat.h>

#include "app/uifont.h"

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

QImage LoadPlacedPicture(const QString& hostPath, QSize canvas, QRect* placement) {
    *placement = QRect();
    QImageReader reader(hostPath);
    reader.setAutoTransform(false);
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

QImage ComposeThumbnail(const QImage& placed, const QRect& placement, QSize canvas, int label, bool marked) {
    QImage thumb(canvas, QImage::Format_RGB32);
    thumb.fill(Qt::white);
    QPainter painter(&thumb);
    const QColor borderColour = marked ? QColor(192, 0, 0, 200) : QColor(192, 192, 192, 200);
    QPen border(borderColour);
    border.setWidth(1);
    painter.setPen(border);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, canvas.width() - 1, canvas.height() - 1);

    if (!placed.isNull() && placement.isValid()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        if (placed.size() == placement.size()) {
            painter.drawImage(placement.topLeft(), placed);
        } else {
            painter.drawImage(placement, placed);
        }
    }

    if (marked) {
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
    painter.end();
    return thumb;
}

namespace {

QMutex g_diskMutex;
bool g_diskSet = false;
QString g_diskDir;

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

QString DiskFile(const QString& dir, const QString& key) {
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex();
    return dir + QLatin1Char('/') + QString::fromLatin1(hash) + QStringLiteral(".jpg");
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

bool ThumbnailCache::LoadFromDisk(const QString& key, QSize canvas, Entry* out) {
    const QString dir = DiskDirectory();
    if (dir.isEmpty() || key.isEmpty()) return false;
    QImageReader reader(DiskFile(dir, key), "jpeg");
    QImage image = reader.read();
    if (image.isNull() || image.width() > canvas.width() || image.height() > canvas.height()) return false;
    // A placed picture is always centred in its canvas, so its size tells where it goes.
    out->placement = QRect((canvas.width() - image.width()) / 2, (canvas.height() - image.height()) / 2,
                           image.width(), image.height());
    out->picture = image.convertToFormat(QImage::Format_RGB32);
    return true;
}

void ThumbnailCache::StoreOnDisk(const QString& key, const Entry& entry) {
    const QString dir = DiskDirectory();
    if (dir.isEmpty() || key.isEmpty() || entry.picture.isNull()) return;
    if (!QDir().mkpath(dir)) return;
    // Written under a temporary name and renamed, so a reader never sees half a file. JPEG at
    // quality 95 keeps these small (about 10 KB) and quick to write and read back.
    QSaveFile file(DiskFile(dir, key));
    if (!file.open(QIODevice::WriteOnly)) return;
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(95);
    if (writer.write(entry.picture)) file.commit();
    else file.cancelWriting();
}

void ThumbnailCache::StoreOnDiskLater(const QString& key, const Entry& entry) {
    if (key.isEmpty() || entry.picture.isNull() || DiskDirectory().isEmpty()) return;
    DiskWriters().start([key, entry] { StoreOnDisk(key, entry); });
}

void ThumbnailCache::WaitForDiskWrites() { DiskWriters().waitForDone(); }
