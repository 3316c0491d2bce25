// The thumbnail list: the picture files of one directory as numbered thumbnails.
//
// The main window owns one, points `directory` at the current patient's directory and calls
// Refresh whenever the patient or the picture set changes. Items show in descending order of their
// file index (the newest picture first, as the names are times), so the item at display position
// p shows file index count - 1 - p.
//
// Thumbnails are decoded on worker threads at their drawn size and kept in a cache keyed by the
// file's path, size and modification time, so a refresh after one new picture decodes only that
// one. All methods run on the user-interface thread.
#pragma once

#include <QListWidget>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QVector>

#include "app/thumbnail.h"

class CListImageCtrl : public QListWidget {
    Q_OBJECT
public:
    explicit CListImageCtrl(QWidget* parent = nullptr);
    ~CListImageCtrl() override;

    // The directory whose pictures are shown: a logical d: path ("d:\DentalWorkDir\UID…") or a
    // host directory. The owner assigns it directly.
    QString directory;

    // The file names shown (no directory), in directory order: thumbnail i and item i belong to
    // fileNames[i].
    QStringList fileNames;

    static void SetThumbnailSize(int width, int height);
    static int ThumbWidth();
    static int ThumbHeight();

    void InitColumns();
    void Refresh();
    bool LoadFileNames();
    void BuildThumbnails();
    void RedrawThumbnail(int fileIndex, bool marked);
    void Relayout();
    void Clear();

    // The file index an item shows, or -1.
    int FileIndexOf(const QListWidgetItem* item) const;
    // The item that shows a file index, or null.
    QListWidgetItem* ItemOfFile(int fileIndex) const;
    // The thumbnail currently held for a file index (null when there is none).
    QImage Thumbnail(int fileIndex) const;

    // True when `name` ends in one of the picture extensions bmp, jpg, gif, tif, png (any case).
    static bool IsPictureFileName(const QString& name);

    // The column captions and widths set by InitColumns (a report view's columns).
    QStringList columnTitles() const { return m_columnTitles; }

    // How many thumbnails the last build had to decode (the rest came from the cache).
    int lastDecodeCount() const { return m_lastDecodeCount; }

    ThumbnailCache& cache() { return m_cache; }

private:
    QString HostDirectory() const;
    QString HostFile(const QString& name) const;
    void InsertItems();
    struct Rendered;
    QVector<Rendered> RenderAll(const QStringList& names, bool withLabels);

    QVector<QPixmap> m_imageList;
    QStringList m_columnTitles;
    ThumbnailCache m_cache;
    int m_lastDecodeCount = 0;
};
