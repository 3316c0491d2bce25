#include "app/pictures/listimagectrl.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>

#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/widgets/messagebox.h"
#include "app/widgets/translation.h"
#include "platform/dirlist.h"
#include "platform/memory.h"
#include "platform/paths.h"

namespace {

int g_thumbWidth = 0;
int g_thumbHeight = 0;

// Drawn thumbnails held by a list: a few screens' worth (about 75 of 164 x 164).
constexpr qint64 kDrawnBytes = 8ll << 20;

// The decoding threads' niceness: the user-interface thread gets most of a busy machine.
constexpr int kDecoderNice = 10;

QMutex g_observerMutex;
std::function<void(int)> g_decodeObserver;

// Restores the cursor on every way out of a refresh.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString SystemErrorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

}  // namespace

// One thumbnail to make on a decoding thread. The list keeps it while it is queued or running;
// a queued one that is no longer wanted is cancelled and returns without reading anything.
struct CListImageCtrl::Job {
    int fileIndex = -1;
    quint64 generation = 0;
    QString path;
    QSize canvas;
    int label = 0;
    bool marked = false;
    QString teeth;
    std::atomic<bool> cancelled{false};
    std::atomic<bool> started{false};
    // Results, read on the user-interface thread once it is back.
    QString key;
    ThumbnailCache::Entry entry;
    QImage drawn;
    bool decoded = false;

    void Run() {
        started = true;
        // Decoding yields to the user-interface thread: a thread of lower priority (nice) than it.
        static thread_local const bool lowered = [] {
            ::setpriority(PRIO_PROCESS, pid_t(::syscall(SYS_gettid)), kDecoderNice);
            return true;
        }();
        (void)lowered;
        std::function<void(int)> observer;
        {
            QMutexLocker lock(&g_observerMutex);
            observer = g_decodeObserver;
        }
        if (observer) observer(fileIndex);
        key = ThumbnailCache::KeyFor(path, canvas);
        if (!ThumbnailCache::LoadFromDisk(key, canvas, &entry)) {
            entry.picture = LoadPlacedPicture(path, canvas, &entry.placement);
            decoded = true;
        }
        drawn = ComposeThumbnail(entry.picture, entry.placement, canvas, label, marked, teeth);
    }
};

// Paints an item as the list's icon view does, with the thumbnail the list holds for it (or its
// placeholder) as the icon.
class CListImageCtrl::Delegate : public QStyledItemDelegate {
public:
    explicit Delegate(CListImageCtrl* list) : QStyledItemDelegate(list), m_list(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        item.icon = QIcon(m_list->PixmapFor(FileIndexAtRow(index.row(), m_list->count())));
        item.features |= QStyleOptionViewItem::HasDecoration;
        item.decorationSize = m_list->m_canvas;
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        item.features |= QStyleOptionViewItem::HasDecoration;
        item.decorationSize = m_list->m_canvas;
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        return style->sizeFromContents(QStyle::CT_ItemViewItem, &item, QSize(), widget);
    }

private:
    CListImageCtrl* m_list;
};

CListImageCtrl::CListImageCtrl(QWidget* parent) : QListWidget(parent), m_drawn(kDrawnBytes) {
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);  // the items are inserted in display order already
    m_delegate = new Delegate(this);
    setItemDelegate(m_delegate);
    m_decoders.setMaxThreadCount(qMax(1, QThread::idealThreadCount()));
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { ScheduleSoon(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { ScheduleSoon(); });
    // Decoding leaves the memory of thousands of pictures freed in the worker threads' heaps;
    // once the list has been quiet for a moment it goes back to the system.
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(1000);
    connect(&m_quiet, &QTimer::timeout, this, [this] {
        if (m_jobs.empty()) platform::ReleaseFreeMemorySoon();
    });
}

CListImageCtrl::~CListImageCtrl() {
    CancelQueued(nullptr);
    m_decoders.clear();
    m_decoders.waitForDone();
    ThumbnailCache::WaitForDiskWrites();
}

void CListImageCtrl::SetDecodeObserver(std::function<void(int)> observer) {
    QMutexLocker lock(&g_observerMutex);
    g_decodeObserver = std::move(observer);
}

void CListImageCtrl::SetThumbnailSize(int width, int height) {
    g_thumbWidth = width;
    g_thumbHeight = height;
}

int CListImageCtrl::ThumbWidth() { return g_thumbWidth; }
int CListImageCtrl::ThumbHeight() { return g_thumbHeight; }

bool CListImageCtrl::IsPictureFileName(const QString& name) {
    if (name.size() < 3) return false;
    const QString tail = name.right(3).toLower();
    return tail == QLatin1String("bmp") || tail == QLatin1String("jpg") || tail == QLatin1String("gif") ||
           tail == QLatin1String("tif") || tail == QLatin1String("png");
}

void CListImageCtrl::InitColumns() {
    // An icon view keeps the report columns only for a switch of view; they are recorded so the
    // list can present them the same way.
    m_columnTitles = {Ui::tr("Filename"), Ui::tr("Path"), Ui::tr("Size")};
    m_canvas = QSize(std::max(1, g_thumbWidth), std::max(1, g_thumbHeight));
    setIconSize(m_canvas);
}

QString CListImageCtrl::HostDirectory() const {
    const std::string dir = directory.toStdString();
    if (platform::HasDriveLetter(dir)) return QString::fromStdString(platform::HostPath(dir));
    return directory;
}

QString CListImageCtrl::HostFile(const QString& name) const {
    QString dir = HostDirectory();
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return dir + name;
}

void CListImageCtrl::Refresh() {
    if (directory.isEmpty()) {
        ShowMessageBox(this, QStringLiteral("xxxxxxxx"), QStringLiteral("xxxxxxxxxxxxx"), QMessageBox::Critical);
        return;
    }
    WaitCursor wait;
    if (!LoadFileNames()) return;
    BuildThumbnails();
    SelectFirst();
}

void CListImageCtrl::SelectFirst() {
    if (QListWidgetItem* first = item(0)) first->setSelected(true);
    setFocus();
    viewport()->update();
}

bool CListImageCtrl::CanChangeInPlace() const {
    return !directory.isEmpty() && !fileNames.isEmpty() && count() == fileNames.size() &&
           m_canvas == QSize(g_thumbWidth, g_thumbHeight);
}

bool CListImageCtrl::RefreshOneChange() {
    if (!CanChangeInPlace()) return false;
    const int shown = fileNames.size();
    QStringList now;
    int error = 0;
    bool opened = false;
    if (!ListFileNames(&now, &error, &opened) || std::abs(now.size() - shown) != 1) return false;
    // The one name added or removed: the lists agree before it and, one place apart, after it.
    const bool added = now.size() > shown;
    const QStringList& longer = added ? now : fileNames;
    const QStringList& shorter = added ? fileNames : now;
    int changed = 0;
    while (changed < shorter.size() && shorter[changed] == longer[changed]) ++changed;
    for (int k = changed; k < shorter.size(); ++k) {
        if (shorter[k] != longer[k + 1]) return false;
    }
    ApplyOneChange(now, changed, added);
    return true;
}

bool CListImageCtrl::RemoveShownFile(const QString& name) {
    if (!CanChangeInPlace()) return false;
    const int index = fileNames.indexOf(name);
    if (index < 0) return false;
    // Only a file that is really gone (a name left dangling is not listed either).
    struct stat st;
    const QByteArray host = QFile::encodeName(HostFile(name));
    if (::stat(host.constData(), &st) == 0 || errno != ENOENT) return false;
    QStringList now = fileNames;
    now.removeAt(index);
    ApplyOneChange(now, index, false);
    return true;
}

bool CListImageCtrl::AddShownFile(const QString& name) {
    if (!CanChangeInPlace() || name.startsWith(QLatin1Char('.')) || !IsPictureFileName(name) ||
        fileNames.contains(name)) {
        return false;
    }
    // Only a file the directory listing would show: there, and not a directory.
    struct stat st;
    const QByteArray host = QFile::encodeName(HostFile(name));
    if (::stat(host.constData(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    // Its place in the listing's order (by the names' bytes, without regard to case).
    const std::string key = QFile::encodeName(name).toStdString();
    const auto place =
        std::lower_bound(fileNames.cbegin(), fileNames.cend(), key, [](const QString& shown, const std::string& k) {
            return platform::NameLessNoCase(QFile::encodeName(shown).toStdString(), k);
        });
    const int index = int(place - fileNames.cbegin());
    QStringList now = fileNames;
    now.insert(index, name);
    ApplyOneChange(now, index, true);
    return true;
}

bool CListImageCtrl::ShowsItsDirectory() const {
    QStringList now;
    int error = 0;
    bool opened = false;
    return !directory.isEmpty() && ListFileNames(&now, &error, &opened) && now == fileNames;
}

// `now` is the list shown with file index `changed` added (it is now[changed]) or removed.
void CListImageCtrl::ApplyOneChange(const QStringList& now, int changed, bool added) {
    setUpdatesEnabled(false);
    // The numbers of the pictures from the change on shift, and the marks all go: those drawn
    // thumbnails are made again (from the decoded pictures held, so without reading a file).
    // The ones before it stay as they are drawn.
    ResetThumbnails(changed);
    clearSelection();
    const int row = fileNames.size() - changed;  // where file index `changed` shows (newest first)
    if (added) {
        insertItem(row, now[changed]);
    } else {
        delete takeItem(row - 1);
    }
    fileNames = now;
    m_looks.assign(size_t(fileNames.size()), Look::Numbered);
    ApplyFilter();
    setUpdatesEnabled(true);
    ThumbnailCache::ForgetMissingLater(HostDirectory(), fileNames);
    SelectFirst();
}

bool CListImageCtrl::LoadFileNames() {
    QStringList names;
    int error = 0;
    bool opened = false;
    if (!ListFileNames(&names, &error, &opened)) {
        // The directory could not be opened, or its reading broke off.
        ShowMessageBox(this, SystemErrorText(error),
                       opened ? QStringLiteral("xxxxxxxxxx") : QStringLiteral("yyyyyyyyyy"), QMessageBox::Critical);
        return false;
    }
    if (names.isEmpty()) return false;
    fileNames = names;
    return true;
}

bool CListImageCtrl::ListFileNames(QStringList* list, int* error, bool* opened) const {
    const QString hostDir = HostDirectory();
    const QByteArray local = QFile::encodeName(hostDir);
    DIR* dir = hostDir.isEmpty() ? nullptr : ::opendir(local.constData());
    if (!dir) {
        *error = hostDir.isEmpty() ? ENOENT : errno;
        *opened = false;
        return false;
    }
    *opened = true;
    std::vector<std::string> names;
    for (;;) {
        errno = 0;
        dirent* e = ::readdir(dir);
        if (!e) break;
        const char* name = e->d_name;
        if (name[0] == '.') continue;  // ".", ".." and hidden files
        // The extension is ASCII, so its bytes tell; only names that pass are looked at further.
        const size_t length = std::strlen(name);
        if (length < 3 || !IsPictureFileName(QString::fromLatin1(name + length - 3, 3))) continue;
        if (e->d_type != DT_REG) {
            // Links and file systems that do not say the type: a directory does not count.
            struct stat st;
            if (::fstatat(::dirfd(dir), name, &st, 0) != 0 || S_ISDIR(st.st_mode)) continue;
        }
        names.emplace_back(name, length);
    }
    *error = errno;
    ::closedir(dir);
    if (*error != 0) return false;
    std::sort(names.begin(), names.end(), platform::NameLessNoCase);
    list->clear();
    list->reserve(int(names.size()));
    for (const std::string& n : names) list->append(QFile::decodeName(n.c_str()));
    return true;
}

void CListImageCtrl::BuildThumbnails() {
    if (fileNames.isEmpty()) return;
    if (g_thumbWidth <= 0 || g_thumbHeight <= 0) return;
    setUpdatesEnabled(false);
    clear();
    m_canvas = QSize(g_thumbWidth, g_thumbHeight);
    setIconSize(m_canvas);
    ResetThumbnails();
    m_looks.assign(size_t(fileNames.size()), Look::Numbered);
    InsertItems();
    setUpdatesEnabled(true);
    // Nothing is decoded here: the thumbnails are made when they are painted. The disk cache
    // drops what belongs to pictures no longer listed, and keeps within its limit.
    ThumbnailCache::ForgetMissingLater(HostDirectory(), fileNames);
    ThumbnailCache::MaintainDiskLater();
}

void CListImageCtrl::ResetThumbnails(int keepBefore) {
    CancelQueued(nullptr);
    m_jobs.clear();  // those running come back stale and are dropped
    ++m_generation;
    if (keepBefore <= 0) {
        m_drawn.clear();
    } else {
        for (int fileIndex : m_drawn.keys()) {
            const bool numbered = size_t(fileIndex) < m_looks.size() && m_looks[size_t(fileIndex)] == Look::Numbered;
            if (fileIndex >= keepBefore || !numbered) m_drawn.remove(fileIndex);
        }
    }
    m_lastDecodeCount = 0;
    m_scheduledFirst = m_scheduledLast = -1;
}

void CListImageCtrl::InsertItems() {
    // Descending order: the last file (the newest picture) first. One insertion for all, so a
    // long list is laid out once.
    QStringList shown;
    shown.reserve(fileNames.size());
    for (int i = fileNames.size() - 1; i >= 0; --i) shown.append(fileNames[i]);
    addItems(shown);
    ApplyFilter();
}

QString CListImageCtrl::ToothLabelOf(int fileIndex) const {
    return fileIndex >= 0 && fileIndex < fileNames.size() ? m_toothLabels.value(fileNames[fileIndex]) : QString();
}

void CListImageCtrl::SetToothLabels(const QHash<QString, QString>& labels) {
    if (labels == m_toothLabels) return;
    m_toothLabels = labels;
    ResetThumbnails();
    viewport()->update();
}

void CListImageCtrl::SetShownFilter(std::function<bool(const QString& fileName)> shows) {
    m_shows = std::move(shows);
    ApplyFilter();
    m_scheduledFirst = m_scheduledLast = -1;
    viewport()->update();
}

void CListImageCtrl::ApplyFilter() {
    const int rows = count();
    for (int row = 0; row < rows; ++row) {
        const int fileIndex = FileIndexAtRow(row, rows);
        const bool shows = !m_shows || (fileIndex < fileNames.size() && m_shows(fileNames[fileIndex]));
        item(row)->setHidden(!shows);
    }
}

bool CListImageCtrl::IsFileShown(int fileIndex) const {
    const QListWidgetItem* shown = ItemOfFile(fileIndex);
    return shown && !shown->isHidden();
}

void CListImageCtrl::RedrawThumbnail(int fileIndex, bool marked) {
    if (fileNames.isEmpty()) return;
    m_looks.resize(size_t(fileNames.size()), Look::Numbered);
    if (fileIndex < 0 || fileIndex >= fileNames.size()) return;
    // The redrawn thumbnail carries the mark or nothing, never its number again.
    m_looks[size_t(fileIndex)] = marked ? Look::Marked : Look::Plain;
    m_drawn.remove(fileIndex);
    if (auto job = m_jobs.find(fileIndex); job != m_jobs.end()) {
        // Drawn with the old look: a new one is made with the next pass.
        job->second->cancelled = true;
        m_jobs.erase(job);
    }
    if (QListWidgetItem* shown = ItemOfFile(fileIndex)) viewport()->update(visualItemRect(shown));
}

void CListImageCtrl::Relayout() {
    if (fileNames.isEmpty()) {
        clear();
        setUpdatesEnabled(true);
        return;
    }
    setUpdatesEnabled(false);
    m_looks.resize(size_t(fileNames.size()), Look::Numbered);
    const QSize canvas(g_thumbWidth, g_thumbHeight);
    if (canvas != m_canvas && !canvas.isEmpty()) {
        // A new thumbnail size: the held ones are drawn again at it as they show.
        CancelQueued(nullptr);
        m_jobs.clear();
        ++m_generation;
        m_drawn.clear();
        m_canvas = canvas;
        setIconSize(m_canvas);
    }
    clear();
    InsertItems();
    m_scheduledFirst = m_scheduledLast = -1;
    setUpdatesEnabled(true);
}

void CListImageCtrl::Clear() {
    setUpdatesEnabled(false);
    ResetThumbnails();
    m_looks.clear();
    clear();
    directory.clear();
    fileNames.clear();
    setUpdatesEnabled(true);
}

int CListImageCtrl::FileIndexOf(const QListWidgetItem* entry) const {
    if (!entry || entry->listWidget() != this) return -1;
    const int shown = row(entry);
    return shown < 0 ? -1 : FileIndexAtRow(shown, count());
}

QListWidgetItem* CListImageCtrl::ItemOfFile(int fileIndex) const {
    const int n = count();
    if (fileIndex < 0 || fileIndex >= n) return nullptr;
    return item(RowOfFileIndex(fileIndex, n));
}

QImage CListImageCtrl::Compose(int fileIndex, const ThumbnailCache::Entry& entry) const {
    const Look look = size_t(fileIndex) < m_looks.size() ? m_looks[size_t(fileIndex)] : Look::Numbered;
    return ComposeThumbnail(entry.picture, entry.placement, m_canvas, look == Look::Numbered ? fileIndex + 1 : 0,
                            look == Look::Marked, ToothLabelOf(fileIndex));
}

QImage CListImageCtrl::Thumbnail(int fileIndex) {
    if (fileIndex < 0 || fileIndex >= fileNames.size() || fileIndex >= count() || m_canvas.isEmpty()) return QImage();
    if (const QPixmap* drawn = m_drawn.object(fileIndex)) return drawn->toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = HostFile(fileNames[fileIndex]);
    const QString key = ThumbnailCache::KeyFor(path, m_canvas);
    ThumbnailCache::Entry entry;
    if (!m_cache.Find(key, &entry)) {
        if (!ThumbnailCache::LoadFromDisk(key, m_canvas, &entry)) {
            entry.picture = LoadPlacedPicture(path, m_canvas, &entry.placement);
            ++m_lastDecodeCount;
            ThumbnailCache::StoreOnDiskLater(key, entry);
        }
        m_cache.Insert(key, entry);
    }
    const QImage drawn = Compose(fileIndex, entry);
    KeepDrawn(fileIndex, drawn);
    return drawn;
}

// Held by its size in memory, as the cache's limit counts it.
void CListImageCtrl::KeepDrawn(int fileIndex, const QImage& drawn) {
    m_drawn.insert(fileIndex, new QPixmap(QPixmap::fromImage(drawn)), qMax<qint64>(1, drawn.sizeInBytes()));
}

bool CListImageCtrl::HasThumbnail(int fileIndex) const { return m_drawn.contains(fileIndex); }

std::vector<int> CListImageCtrl::QueuedDecodes() const {
    std::vector<int> queued;
    for (const auto& [fileIndex, job] : m_jobs) {
        if (!job->started) queued.push_back(fileIndex);
    }
    std::sort(queued.begin(), queued.end());
    return queued;
}

QPixmap CListImageCtrl::PixmapFor(int fileIndex) {
    if (const QPixmap* drawn = m_drawn.object(fileIndex)) return *drawn;
    ScheduleSoon();
    // The placeholder: the empty canvas with the number (or the mark) the thumbnail will carry.
    return QPixmap::fromImage(Compose(fileIndex, ThumbnailCache::Entry{}));
}

void CListImageCtrl::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    // A scroll or a resize that shows other rows: their thumbnails are asked for.
    ScheduleSoon();
}

void CListImageCtrl::ScheduleSoon() {
    if (m_scheduleQueued || fileNames.isEmpty()) return;
    m_scheduleQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_scheduleQueued = false;
            Schedule();
        },
        Qt::QueuedConnection);
}

void CListImageCtrl::Schedule() {
    const int n = count();
    if (n == 0 || !isVisible() || m_canvas.isEmpty() || fileNames.size() != n) return;
    int first = 0;
    int last = -1;
    RowsInView(n, &first, &last);
    if (first > last) return;
    // Nothing new in view: only a row whose thumbnail was dropped needs another pass.
    const bool sameRows = first == m_scheduledFirst && last == m_scheduledLast;
    if (sameRows && m_jobs.empty() && RowsDrawn(first, last, n)) return;
    m_scheduledFirst = first;
    m_scheduledLast = last;

    const std::vector<int> wanted = RowsWanted(first, last, n);
    CancelUnwanted(wanted, n);
    const int visible = last - first + 1;
    for (size_t i = 0; i < wanted.size(); ++i) {
        MakeThumbnail(wanted[i], n, int(i) < visible ? 1 : 0);  // those on screen come first
    }
}

QRect CListImageCtrl::RowRect(int row) const { return visualRect(model()->index(row, 0)); }

// Found by the rows' places (rows run left to right, then down).
void CListImageCtrl::RowsInView(int rows, int* first, int* last) const {
    const int viewHeight = viewport()->height();
    int lo = 0;
    int hi = rows;  // first row whose bottom is in view or below
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (RowRect(mid).bottom() < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    *first = lo;
    hi = rows;  // first row that starts below the view
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (RowRect(mid).top() < viewHeight)
            lo = mid + 1;
        else
            hi = mid;
    }
    *last = lo - 1;
}

bool CListImageCtrl::RowsDrawn(int first, int last, int rows) const {
    for (int r = first; r <= last; ++r) {
        if (!m_drawn.contains(FileIndexAtRow(r, rows))) return false;
    }
    return true;
}

std::vector<int> CListImageCtrl::RowsWanted(int first, int last, int rows) {
    const int margin = qMax(8, (last - first + 1) / 2);
    std::vector<int> wanted;
    for (int r = first; r <= last; ++r) wanted.push_back(r);
    for (int d = 1; d <= margin; ++d) {
        if (last + d < rows) wanted.push_back(last + d);
        if (first - d >= 0) wanted.push_back(first - d);
    }
    return wanted;
}

void CListImageCtrl::CancelUnwanted(const std::vector<int>& wantedRows, int rows) {
    std::vector<bool> keep(size_t(rows), false);
    for (int r : wantedRows) keep[size_t(FileIndexAtRow(r, rows))] = true;
    CancelQueued(&keep);
}

void CListImageCtrl::MakeThumbnail(int row, int rows, int priority) {
    const int fileIndex = FileIndexAtRow(row, rows);
    if (m_drawn.contains(fileIndex) || m_jobs.count(fileIndex) != 0) return;
    const QString path = HostFile(fileNames[fileIndex]);
    ThumbnailCache::Entry entry;
    if (m_cache.Find(ThumbnailCache::KeyFor(path, m_canvas), &entry)) {
        // Held in memory: drawing it is quicker than handing it over.
        const QImage drawn = Compose(fileIndex, entry);
        KeepDrawn(fileIndex, drawn);
        viewport()->update(RowRect(row));
        return;
    }
    QueueDecode(fileIndex, path, priority);
}

void CListImageCtrl::QueueDecode(int fileIndex, const QString& path, int priority) {
    auto job = std::make_shared<Job>();
    job->fileIndex = fileIndex;
    job->generation = m_generation;
    job->path = path;
    job->canvas = m_canvas;
    const Look look = size_t(fileIndex) < m_looks.size() ? m_looks[size_t(fileIndex)] : Look::Numbered;
    job->label = look == Look::Numbered ? fileIndex + 1 : 0;
    job->marked = look == Look::Marked;
    job->teeth = ToothLabelOf(fileIndex);
    m_jobs.emplace(fileIndex, job);
    m_decoders.start(
        [this, job] {
            if (job->cancelled) return;
            job->Run();
            QMetaObject::invokeMethod(
                this, [this, job] { Decoded(job); }, Qt::QueuedConnection);
        },
        priority);
}

void CListImageCtrl::CancelQueued(const std::vector<bool>* keep) {
    for (auto it = m_jobs.begin(); it != m_jobs.end();) {
        const int fileIndex = it->first;
        const bool wanted = keep && size_t(fileIndex) < keep->size() && (*keep)[size_t(fileIndex)];
        if (!wanted && !it->second->started) {
            it->second->cancelled = true;
            it = m_jobs.erase(it);
        } else {
            ++it;
        }
    }
}

void CListImageCtrl::Decoded(std::shared_ptr<Job> job) {
    // The decoded picture is good for its file whatever happened to the list meanwhile.
    if (!job->key.isEmpty()) {
        ThumbnailCache::Entry held;
        if (!m_cache.Find(job->key, &held)) m_cache.Insert(job->key, job->entry);
        if (job->decoded) ThumbnailCache::StoreOnDiskLater(job->key, job->entry);
    }
    if (job->generation != m_generation || job->canvas != m_canvas) return;
    if (job->decoded) {
        ++m_lastDecodeCount;
        m_quiet.start();
    }
    const auto it = m_jobs.find(job->fileIndex);
    const bool current = it != m_jobs.end() && it->second == job;
    if (current) m_jobs.erase(it);
    if (!current || job->fileIndex >= count()) return;  // its look changed meanwhile
    KeepDrawn(job->fileIndex, job->drawn);
    if (QListWidgetItem* shown = ItemOfFile(job->fileIndex)) viewport()->update(visualItemRect(shown));
    if (m_jobs.empty()) ScheduleSoon();  // the margin, or rows that came into view meanwhile
}
