// The thumbnail list: the picture files of one directory as numbered thumbnails.
//
// The main window owns one, points `directory` at the current patient's directory and calls
// Refresh whenever the patient or the picture set changes. Items show in descending order of their
// file index (the newest picture first, as the names are times), so the item at display position
// p shows file index count - 1 - p.
//
// Thumbnails are made as they come into view, so that the cost follows what is on the screen and
// not the length of a patient's history: the items carry only their names, and a delegate paints
// each visible one from a bounded cache of drawn thumbnails. A thumbnail not drawn yet shows as an
// empty canvas with its number while worker threads decode it, the visible ones first and then a
// few around them; work for rows scrolled away before it started is dropped. Decoded pictures are
// also kept by file path, size and time (in memory and on disk), so a refresh after one new picture
// decodes only that one. All methods run on the user-interface thread.
#pragma once

#include <QCache>
#include <QHash>
#include <QListWidget>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "app/pictures/thumbnail.h"

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
    // Shows the directory anew when its pictures differ from those shown by exactly one file
    // added or removed (a capture, a delete): the other items stay, so a long list is not built
    // again, and the list ends up as Clear and Refresh would leave it. False, with nothing
    // changed, in any other case (the caller then clears and refreshes).
    bool RefreshOneChange();
    // Takes out the item of a file just deleted, when it is shown and gone from the directory;
    // the rest of the directory is not read (ShowsItsDirectory tells later whether it changed
    // otherwise). False, with nothing changed, in any other case.
    bool RemoveShownFile(const QString& name);
    // Puts in the item of a file just written, in its place, when the list could show it; the
    // rest of the directory is not read. False, with nothing changed, in any other case.
    bool AddShownFile(const QString& name);
    // Whether the pictures shown are exactly those of the directory now.
    bool ShowsItsDirectory() const;
    bool LoadFileNames();
    void BuildThumbnails();
    void RedrawThumbnail(int fileIndex, bool marked);
    void Relayout();
    void Clear();

    // The file index an item shows, or -1.
    int FileIndexOf(const QListWidgetItem* item) const;
    // The item that shows a file index, or null.
    QListWidgetItem* ItemOfFile(int fileIndex) const;
    // The thumbnail of a file index as it is drawn (with its number or mark), made now if it is
    // not held; null when there is no such file.
    QImage Thumbnail(int fileIndex);
    // True when the thumbnail of a file index is held ready to draw (not a placeholder).
    bool HasThumbnail(int fileIndex) const;

    // The teeth each picture shows, by file name, as the thumbnails write them ("11 21"). A change
    // draws the thumbnails shown again (from the pictures held, without reading the files).
    void SetToothLabels(const QHash<QString, QString>& labels);
    const QHash<QString, QString>& ToothLabels() const { return m_toothLabels; }

    // Shows only the pictures whose file name `shows` accepts (a null function: all of them). The
    // others' items are hidden, and stay hidden through refreshes until the filter changes.
    void SetShownFilter(std::function<bool(const QString& fileName)> shows);
    bool Filtered() const { return bool(m_shows); }
    // Whether the item of a file index is shown (not hidden by the filter).
    bool IsFileShown(int fileIndex) const;

    // True when `name` ends in one of the picture extensions bmp, jpg, gif, tif, png (any case).
    static bool IsPictureFileName(const QString& name);

    // The column captions and widths set by InitColumns (a report view's columns).
    QStringList columnTitles() const { return m_columnTitles; }

    // How many pictures were decoded from their files since the last build (the rest came from
    // the caches).
    int lastDecodeCount() const { return m_lastDecodeCount; }
    // File indexes waiting for a decoding thread, and decodes started but not yet back.
    std::vector<int> QueuedDecodes() const;
    int DecodesInFlight() const { return int(m_jobs.size()); }

    // Called on the decoding thread with the file index before each picture is read: lets the
    // tests hold the decoders. Empty by default.
    static void SetDecodeObserver(std::function<void(int fileIndex)> observer);

    ThumbnailCache& cache() { return m_cache; }
    // Bytes of drawn thumbnails held, and the most held.
    qint64 DrawnBytes() const { return m_drawn.totalCost(); }
    qint64 DrawnLimit() const { return m_drawn.maxCost(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    class Delegate;
    struct Job;
    enum class Look : unsigned char { Numbered, Plain, Marked };

    QString HostDirectory() const;
    QString HostFile(const QString& name) const;
    void InsertItems();
    // Drops the drawn thumbnails and the decoding under way; with `keepBefore`, the drawn ones of
    // the file indexes below it that carry their number stay (a change after them shifts none).
    void ResetThumbnails(int keepBefore = 0);
    bool CanChangeInPlace() const;
    void ApplyOneChange(const QStringList& now, int changed, bool added);
    void KeepDrawn(int fileIndex, const QImage& drawn);
    QImage Compose(int fileIndex, const ThumbnailCache::Entry& entry) const;
    // The pixmap to paint for a file index: the drawn thumbnail, or a placeholder (and the decode
    // is asked for).
    QPixmap PixmapFor(int fileIndex);
    // Items show in descending order of file index: in a list of `rows` items, row r shows file
    // index rows - 1 - r, and file index i shows on row rows - 1 - i (the turn is its own
    // inverse). Every mapping between rows and file indexes goes through these two.
    static int FileIndexAtRow(int row, int rows) { return rows - 1 - row; }
    static int RowOfFileIndex(int fileIndex, int rows) { return FileIndexAtRow(fileIndex, rows); }
    void ScheduleSoon();
    // Asks for the thumbnails of the rows in view and a margin around them.
    void Schedule();
    QRect RowRect(int row) const;
    // The rows on screen, [*first, *last] (empty when *first > *last) of a list of `rows` items.
    void RowsInView(int rows, int* first, int* last) const;
    // Whether the thumbnails of rows first to last are all drawn.
    bool RowsDrawn(int first, int last, int rows) const;
    // The rows whose thumbnails are wanted: those on screen first, top to bottom, then a small
    // margin around them, nearest first.
    static std::vector<int> RowsWanted(int first, int last, int rows);
    // Cancels the queued decodes of the file indexes whose rows are not among `wantedRows`.
    void CancelUnwanted(const std::vector<int>& wantedRows, int rows);
    // Makes the thumbnail of a row that lacks one: drawn now when its picture is held in memory,
    // else queued for a decoding thread with `priority`.
    void MakeThumbnail(int row, int rows, int priority);
    void QueueDecode(int fileIndex, const QString& path, int priority);
    void Decoded(std::shared_ptr<Job> job);
    // The picture files of the directory in directory order; false (with errno's value, and
    // whether the directory could be opened at all) when it cannot be read.
    bool ListFileNames(QStringList* names, int* error, bool* opened) const;
    void SelectFirst();
    void ApplyFilter();
    QString ToothLabelOf(int fileIndex) const;
    void CancelQueued(const std::vector<bool>* keep);

    QStringList m_columnTitles;
    ThumbnailCache m_cache;
    QCache<int, QPixmap> m_drawn;                          // drawn thumbnails by file index, with their number or mark
    std::vector<Look> m_looks;                             // by file index
    std::unordered_map<int, std::shared_ptr<Job>> m_jobs;  // by file index: queued or running
    QThreadPool m_decoders;
    QTimer m_quiet;            // runs out a while after the last decoded thumbnail
    quint64 m_generation = 0;  // a new build makes the results of older work stale
    int m_lastDecodeCount = 0;
    int m_paintedFirst = -1;
    int m_paintedLast = -1;
    int m_scheduledFirst = -1;
    int m_scheduledLast = -1;
    bool m_scheduleQueued = false;
    QSize m_canvas;  // the thumbnail size of the items shown
    Delegate* m_delegate = nullptr;
    QHash<QString, QString> m_toothLabels;                 // by file name
    std::function<bool(const QString& fileName)> m_shows;  // null: every picture shows
};
