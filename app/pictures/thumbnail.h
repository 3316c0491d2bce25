// Rendering of one thumbnail of the thumbnail list, and the cache that spares re-decoding
// pictures that have not changed.
//
// A thumbnail is a white canvas with a grey border, the picture scaled into it (never enlarged),
// and the picture's number in red at the bottom right; a picked thumbnail instead has a dark red
// border and a check mark in its top-left corner, and no number. The teeth a picture shows, when
// it was tagged with them, are written small in its bottom-left corner.
#pragma once

#include <QCache>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// Where a picture of `picture` size is drawn in a canvas of `canvas` size.
QRect ThumbnailPlacement(QSize picture, QSize canvas);

// Decodes the picture file at `hostPath` directly at the size it is drawn in a `canvas` thumbnail
// (JPEG files are decoded at a reduced scale). `*placement` receives the drawing rectangle.
// Returns a null image when the file cannot be read as a picture. Safe on any thread.
QImage LoadPlacedPicture(const QString& hostPath, QSize canvas, QRect* placement);

// Draws the thumbnail canvas: white fill, border, the placed picture, and either the number
// `label` (when > 0 and not marked) or the pick mark (when marked); `teeth`, when not empty, in
// small white letters on a dark band at the bottom left.
QImage ComposeThumbnail(const QImage& placed, const QRect& placement, QSize canvas, int label, bool marked,
                        const QString& teeth = QString());

// A picture file's decoded thumbnail picture, kept in memory (exact) and on disk (as a small JPEG
// file) under a key made of the file's path, size and modification time and the canvas size, so
// a changed file is decoded anew.
//
// The memory side holds at most the bytes given to the constructor; the least recently used
// pictures go first. The disk side holds one folder per picture directory, and at most
// DiskLimit() bytes in all: a background pass removes the least recently used files (every read
// refreshes a file's time), the folders of directories that no longer exist, and, for a listed
// directory, the files of pictures that are gone or have changed.
// Lookups and inserts are made on one thread (the user-interface thread); the disk files are
// read and written by Load/Store, which are safe on worker threads.
class ThumbnailCache {
public:
    struct Entry {
        QImage picture;   // the picture at its drawn size
        QRect placement;  // where it goes in the canvas
    };

    static constexpr qint64 kDefaultMemoryBytes = 8ll << 20;
    static constexpr qint64 kDefaultDiskBytes = 256ll << 20;

    explicit ThumbnailCache(qint64 memoryBytes = kDefaultMemoryBytes);

    // The key of a host file for a canvas size; empty when the file cannot be stat'ed.
    static QString KeyFor(const QString& hostPath, QSize canvas);

    bool Find(const QString& key, Entry* out) const;
    void Insert(const QString& key, const Entry& entry);
    void ClearMemory();
    // Bytes of pictures held in memory, and the most it holds.
    qint64 MemoryBytes() const { return m_memory.totalCost(); }
    qint64 MemoryLimit() const { return m_memory.maxCost(); }

    // The directory of the disk cache: $XDG_CACHE_HOME/kavimo/thumbnails unless set (tests,
    // benchmarks). An empty directory turns the disk cache off.
    static void SetDiskDirectory(const QString& dir);
    static QString DiskDirectory();
    // The most the disk cache holds (bytes, default 256 MiB).
    static void SetDiskLimit(qint64 bytes);
    static qint64 DiskLimit();

    // Disk side, safe on worker threads.
    static bool LoadFromDisk(const QString& key, QSize canvas, Entry* out);
    static void StoreOnDisk(const QString& key, const Entry& entry);
    // Stores on a background thread of low priority, so that nobody waits for the disk.
    static void StoreOnDiskLater(const QString& key, const Entry& entry);
    // Waits until every background store and clean-up has been done.
    static void WaitForDiskWrites();

    // Removes the folders of directories that are gone and prunes the least recently used files
    // down to the limit. Returns the bytes the disk cache holds afterwards.
    static qint64 MaintainDisk();
    // The same on the background thread; the first call of a run does it, later ones only when
    // the cache may have outgrown its limit.
    static void MaintainDiskLater();
    // Removes the files of pictures in `hostDir` that are not among `fileNames` or whose file
    // changed since its thumbnail was stored, on the background thread.
    static void ForgetMissingLater(const QString& hostDir, const QStringList& fileNames);
    // Removes every thumbnail of a directory (a deleted patient's), on the background thread.
    static void ForgetDirectoryLater(const QString& hostDir);

private:
    mutable QCache<QString, Entry> m_memory;
};
