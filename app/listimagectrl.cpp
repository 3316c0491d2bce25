#include "app/listimagectrl.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QtConcurrent/QtConcurrentMap>

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "app/messagebox.h"
#include "platform/dirlist.h"
#include "platform/paths.h"

namespace {

int g_thumbWidth = 0;
int g_thumbHeight = 0;

constexpr int kFileIndexRole = Qt::UserRole + 1;

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

struct CListImageCtrl::Rendered {
    QImage thumb;
    QString key;
    ThumbnailCache::Entry entry;  // set when it was decoded or read from disk on this build
    bool decoded = false;
};

CListImageCtrl::CListImageCtrl(QWidget* parent) : QListWidget(parent) {
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);  // the items are inserted in display order already
}

CListImageCtrl::~CListImageCtrl() { ThumbnailCache::WaitForDiskWrites(); }

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
    m_columnTitles = {QStringLiteral("Filename"), QStringLiteral("Path"), QStringLiteral("Size")};
    m_imageList.clear();
    setIconSize(QSize(std::max(1, g_thumbWidth), std::max(1, g_thumbHeight)));
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
    if (QListWidgetItem* first = item(0)) first->setSelected(true);
    setFocus();
    viewport()->update();
}

bool CListImageCtrl::LoadFileNames() {
    const QString hostDir = HostDirectory();
    const QByteArray local = QFile::encodeName(hostDir);
    DIR* dir = hostDir.isEmpty() ? nullptr : ::opendir(local.constData());
    if (!dir) {
        const int error = hostDir.isEmpty() ? ENOENT : errno;
        ShowMessageBox(this, SystemErrorText(error), QStringLiteral("yyyyyyyyyy"), QMessageBox::Critical);
        return false;
    }
    std::vector<std::string> names;
    for (;;) {
        errno = 0;
        dirent* e = ::readdir(dir);
        if (!e) break;
        const char* name = e->d_name;
        if (name[0] == '.') continue;  // ".", ".." and hidden files
        struct stat st;
        if (::fstatat(::dirfd(dir), name, &st, 0) != 0 || S_ISDIR(st.st_mode)) continue;
        if (!IsPictureFileName(QFile::decodeName(name))) continue;
        names.emplace_back(name);
    }
    const int error = errno;
    ::closedir(dir);
    if (error != 0) {
        ShowMessageBox(this, SystemErrorText(error), QStringLiteral("xxxxxxxxxx"), QMessageBox::Critical);
        return false;
    }
    if (names.empty()) return false;
    std::sort(names.begin(), names.end(), platform::NameLessNoCase);
    QStringList list;
    list.reserve(int(names.size()));
    for (const std::string& n : names) list.append(QFile::decodeName(n.c_str()));
    fileNames = list;
    return true;
}

QVector<CListImageCtrl::Rendered> CListImageCtrl::RenderAll(const QStringList& names, bool withLabels) {
    const QSize canvas(g_thumbWidth, g_thumbHeight);
    struct Job {
        int index;
        QString path;
        Rendered result;
        bool cached;
    };
    QVector<Job> jobs(names.size());
    for (int i = 0; i < names.size(); ++i) {
        Job& job = jobs[i];
        job.index = i;
        job.path = HostFile(names[i]);
        job.result.key = ThumbnailCache::KeyFor(job.path, canvas);
        job.cached = m_cache.Find(job.result.key, &job.result.entry);
    }

    // Decoding (when needed) and composing run on the worker threads; the cache is filled here.
    QtConcurrent::blockingMap(jobs, [canvas, withLabels](Job& job) {
        if (!job.cached && !ThumbnailCache::LoadFromDisk(job.result.key, canvas, &job.result.entry)) {
            job.result.entry.picture = LoadPlacedPicture(job.path, canvas, &job.result.entry.placement);
            job.result.decoded = true;
        }
        job.result.thumb = ComposeThumbnail(job.result.entry.picture, job.result.entry.placement, canvas,
                                            withLabels ? job.index + 1 : 0, false);
    });

    QVector<Rendered> out(names.size());
    m_lastDecodeCount = 0;
    for (int i = 0; i < jobs.size(); ++i) {
        Job& job = jobs[i];
        if (!job.cached) m_cache.Insert(job.result.key, job.result.entry);
        if (job.result.decoded) {
            ++m_lastDecodeCount;
            ThumbnailCache::StoreOnDiskLater(job.result.key, job.result.entry);
        }
        out[i] = std::move(job.result);
    }
    return out;
}

void CListImageCtrl::BuildThumbnails() {
    if (fileNames.isEmpty()) return;
    if (g_thumbWidth <= 0 || g_thumbHeight <= 0) return;
    setUpdatesEnabled(false);
    m_imageList.resize(fileNames.size());
    clear();
    setIconSize(QSize(g_thumbWidth, g_thumbHeight));
    const QVector<Rendered> rendered = RenderAll(fileNames, true);
    for (int i = 0; i < rendered.size(); ++i) m_imageList[i] = QPixmap::fromImage(rendered[i].thumb);
    InsertItems();
    setUpdatesEnabled(true);
}

void CListImageCtrl::InsertItems() {
    // Descending order: the last file (the newest picture) first.
    for (int i = fileNames.size() - 1; i >= 0; --i) {
        auto* entry = new QListWidgetItem(QIcon(m_imageList.value(i)), fileNames[i]);
        entry->setData(kFileIndexRole, i);
        addItem(entry);
    }
}

void CListImageCtrl::RedrawThumbnail(int fileIndex, bool marked) {
    if (fileNames.isEmpty()) return;
    setUpdatesEnabled(false);
    m_imageList.resize(fileNames.size());
    if (fileIndex >= 0 && fileIndex < fileNames.size() && g_thumbWidth > 0 && g_thumbHeight > 0) {
        const QSize canvas(g_thumbWidth, g_thumbHeight);
        const QString path = HostFile(fileNames[fileIndex]);
        const QString key = ThumbnailCache::KeyFor(path, canvas);
        ThumbnailCache::Entry entry;
        if (!m_cache.Find(key, &entry)) {
            if (!ThumbnailCache::LoadFromDisk(key, canvas, &entry)) {
                entry.picture = LoadPlacedPicture(path, canvas, &entry.placement);
                ThumbnailCache::StoreOnDiskLater(key, entry);
            }
            m_cache.Insert(key, entry);
        }
        m_imageList[fileIndex] = QPixmap::fromImage(ComposeThumbnail(entry.picture, entry.placement, canvas, 0, marked));
        if (QListWidgetItem* shown = ItemOfFile(fileIndex)) shown->setIcon(QIcon(m_imageList[fileIndex]));
    }
    setUpdatesEnabled(true);
}

void CListImageCtrl::Relayout() {
    if (fileNames.isEmpty()) {
        clear();
        setUpdatesEnabled(true);
        return;
    }
    setUpdatesEnabled(false);
    m_imageList.resize(fileNames.size());
    clear();
    InsertItems();
    setUpdatesEnabled(true);
}

void CListImageCtrl::Clear() {
    setUpdatesEnabled(false);
    m_imageList.clear();
    clear();
    directory.clear();
    fileNames.clear();
    setUpdatesEnabled(true);
}

int CListImageCtrl::FileIndexOf(const QListWidgetItem* entry) const {
    if (!entry) return -1;
    bool ok = false;
    const int index = entry->data(kFileIndexRole).toInt(&ok);
    return ok ? index : -1;
}

QListWidgetItem* CListImageCtrl::ItemOfFile(int fileIndex) const {
    const int n = count();
    if (fileIndex < 0 || fileIndex >= n) return nullptr;
    QListWidgetItem* candidate = item(n - 1 - fileIndex);
    if (FileIndexOf(candidate) == fileIndex) return candidate;
    for (int row = 0; row < n; ++row) {
        if (FileIndexOf(item(row)) == fileIndex) return item(row);
    }
    return nullptr;
}

QImage CListImageCtrl::Thumbnail(int fileIndex) const {
    if (fileIndex < 0 || fileIndex >= m_imageList.size()) return QImage();
    return m_imageList[fileIndex].toImage();
}
