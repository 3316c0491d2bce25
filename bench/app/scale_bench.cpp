// How kavimo copes with a practice's history: the figures a dentist feels with thousands of
// pictures per patient and a thousand patients. Each scenario runs in a process of its own (this
// program started again with the scenario's name), so memory and caches start as kavimo's do.
//
//   first N cold|warm   from OK in the patient dialog to the visible thumbnails drawn, for a
//                       patient of N 1280 x 720 pictures              (targets: warm <= 300 ms, cold <= 1 s)
//   history             one patient of 10,000 pictures: the longest event-loop stall while selecting
//                       it, after a capture, scrolling end to end and deleting a picture (<= 50 ms),
//                       and the resident memory afterwards                                 (<= 150 MB)
//   practice            1001 patients of 100 pictures: start-up to the main window (<= 1 s), the
//                       patient dialog opening (<= 300 ms), Query
//
// Run: scripts/bench scale (under Xvfb), or build/default/bench/scale_bench [first] [history] [practice].
// The pictures are made once into /tmp/kavimo-bench-pictures and linked into each run's drive.
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "app/mainwindow/kavimodlg.h"
#include "app/notifiers.h"
#include "app/patients/userlist.h"
#include "app/pictures/listimagectrl.h"
#include "app/widgets/messagebox.h"
#include "platform/memory.h"
#include "platform/net.h"
#include "platform/paths.h"
#include "records/recordnames.h"
#include "records/textconv.h"
#include "tests/app/support/fakecameras.h"

namespace {

constexpr int kDistinctPictures = 8;
using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A 1280 x 720 picture with the make-up of a camera picture (shading and a little noise).
QByteArray CameraLikeJpeg(int seed) {
    QImage image(1280, 720, QImage::Format_RGB32);
    QRandomGenerator random(quint32(seed + 1));
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(4));
            const double shade = 60 * std::sin((x + seed * 97) / 57.0) * std::cos(y / 43.0);
            line[x] =
                qRgb(qBound(0, int(150 + shade + x / 30) + noise, 255),
                     qBound(0, int(90 + shade / 2 + y / 20) + noise, 255), qBound(0, int(80 - shade / 3) + noise, 255));
        }
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 85);
    return jpeg;
}

// The few distinct pictures, made once per machine.
QString PictureSource(int k) {
    const QString dir = QStringLiteral("/tmp/kavimo-bench-pictures");
    const QString path = dir + QStringLiteral("/%1.jpg").arg(k);
    if (!QFile::exists(path)) {
        QDir().mkpath(dir);
        QFile file(path + QStringLiteral(".part"));
        if (file.open(QIODevice::WriteOnly)) file.write(CameraLikeJpeg(k));
        file.close();
        QFile::rename(path + QStringLiteral(".part"), path);
    }
    return path;
}

// Pictures are hard links of the distinct ones (copies where linking fails): each name is a
// file of its own to kavimo, and each is decoded.
void AddPictures(const QString& hostDir, int count, uint64_t firstTime) {
    for (int i = 0; i < count; ++i) {
        const QString target =
            hostDir + QLatin1Char('/') + QString::fromStdString(records::PictureFileName(firstTime + uint64_t(i)));
        const QString source = PictureSource(i % kDistinctPictures);
        if (::link(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) != 0) {
            QFile::copy(source, target);
        }
    }
}

// A work directory of `patients` patients; patient k has `pictures(k)` pictures.
void MakeDrive(const QString& root, int patients, const std::function<int(int)>& pictures) {
    platform::SetDriveRoot(root.toStdString());
    QtRecordNotifier quiet;
    RecordStore store(&quiet);
    store.PrepareWorkDir();
    store.Load();
    for (int i = 1; i < patients; ++i) {
        _USER_INFO user = {};
        user.uid = 20240101000000ull + uint64_t(i / 60) * 100 + uint64_t(i % 60);
        records::SetFieldText(user.name, u"Patient " + records::AnsiToUtf16(std::to_string(i)));
        user.age = 20 + i % 60;
        user.sex = i % 2;
        user.phone = 13800000000ll + i;
        store.AddUser(user);
    }
    for (int k = 0; k < patients; ++k) {
        const int count = pictures(k);
        if (count == 0) continue;
        store.SelectUser(k);
        _USER_INFO user = {};
        store.GetCurrentUser(&user);
        const QString dir = QString::fromStdString(platform::HostPath(records::FieldText(user.dirPath)));
        AddPictures(dir, count, 20230101000000ull);
        store.RebuildPictures();
        store.CommitCurrentUser();
    }
}

// The longest time the event loop did not come round, seen by a timer on the user-interface
// thread: in wall-clock time, and in that thread's own processor time (what our code took, without
// the time a busy machine kept the thread waiting).
class StallProbe : public QObject {
public:
    StallProbe() {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const auto now = Clock::now();
            const double cpu = ThreadCpuMs();
            m_longest = std::max(m_longest, std::chrono::duration<double, std::milli>(now - m_last).count());
            m_longestCpu = std::max(m_longestCpu, cpu - m_lastCpu);
            m_last = now;
            m_lastCpu = cpu;
        });
    }
    void Start() {
        m_longest = m_longestCpu = 0;
        m_last = Clock::now();
        m_lastCpu = ThreadCpuMs();
        m_timer.start();
    }
    double Stop() {
        m_timer.stop();
        return m_longest;
    }
    double LongestCpu() const { return m_longestCpu; }

private:
    static double ThreadCpuMs() {
        timespec t = {};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
    }
    QTimer m_timer;
    Clock::time_point m_last;
    double m_lastCpu = 0;
    double m_longest = 0;
    double m_longestCpu = 0;
};

// The rows of the list on screen.
std::pair<int, int> VisibleRows(CListImageCtrl* list) {
    const int n = list->count();
    const int height = list->viewport()->height();
    auto rectOf = [list](int r) { return list->visualItemRect(list->item(r)); };
    int first = 0;
    while (first < n && rectOf(first).bottom() < 0) {
        // Coarse steps first: the rows are in order down the view.
        int step = 1;
        while (first + step * 2 < n && rectOf(first + step * 2).bottom() < 0) step *= 2;
        first += step;
    }
    int last = first;
    while (last + 1 < n && rectOf(last + 1).top() < height) ++last;
    return {first, last};
}

bool VisibleDrawn(CListImageCtrl* list) {
    if (list->count() == 0) return false;
    const auto [first, last] = VisibleRows(list);
    for (int r = first; r <= last; ++r) {
        if (!list->HasThumbnail(list->count() - 1 - r)) return false;
    }
    return true;
}

// Runs the event loop until `done` (or the time limit); false on time-out.
bool SpinUntil(const std::function<bool()>& done, int limitMs = 60000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > limitMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
    }
    return true;
}

// Waits for the visible thumbnails and paints them: the moment they are on screen.
bool DrawVisible(CListImageCtrl* list) {
    if (!SpinUntil([list] { return VisibleDrawn(list); })) return false;
    list->viewport()->repaint();
    return true;
}

double ResidentMb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(std::strlen(field))).trimmed().split(' ').first().toDouble() / 1024;
    }
    return -1;
}

// The camera link points at a socket on 127.0.0.1 that never answers: no camera.
struct NoCamera {
    NoCamera() {
        socket = platform::OpenUdpSocket("127.0.0.1", 0, false);
        config.streamCameraIp = config.pictureCameraIp = "127.0.0.1";
        config.streamCameraPort = config.pictureCameraPort = config.pictureTcpPort = platform::LocalPort(socket);
        config.streamLocalPort = config.pictureLocalPort = config.videoPort = 0;
        config.localBindIp = "127.0.0.1";
    }
    ~NoCamera() { platform::CloseSocket(socket); }
    int socket = -1;
    CameraLinkConfig config;
};

// A stream camera on 127.0.0.1 that answers and keeps sending heartbeats, for the capture.
struct StreamCamera {
    StreamCamera() {
        config = NoCamera().config;
        config.streamCameraPort = fake.Port();
    }
    FakeStreamCamera fake;
    CameraLinkConfig config;
};

// The main window on screen with the patient of row `initialRow`; with the stream camera its live
// view is stopped at once (the pictures are reviewed until the capture).
struct MainWindow {
    explicit MainWindow(int initialRow, StreamCamera* stream = nullptr)
        : store(&notifier), udp(stream ? stream->config : camera.config), dialog(store, udp) {
        dialog.SetUserListRunner([initialRow](CUserList& users) {
            users.show();
            users.UserList()->selectRow(initialRow);
            users.accept();
        });
        if (stream) {
            udp.Init(0);  // the window's own Init finds it running
            stream->fake.Start(udp.LocalCommandPort());
            stream->fake.SetHeartbeats(true);
        }
        dialog.OnInitDialog();
        if (stream) dialog.findChild<QPushButton*>(QStringLiteral("IdSample"))->click();
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog)) std::fprintf(stderr, "the main window was not shown\n");
        list = dialog.ThumbList();
    }
    // Through the "User" button: the patient of `row`, from OK pressed to the thumbnails drawn.
    // The stall probe, when given, starts with OK.
    double SelectPatient(int row, StallProbe* probe = nullptr) {
        Clock::time_point pressed;
        dialog.SetUserListRunner([row, probe, &pressed](CUserList& users) {
            users.show();
            users.UserList()->selectRow(row);
            QCoreApplication::processEvents();
            pressed = Clock::now();
            if (probe) probe->Start();
            users.accept();
        });
        dialog.findChild<QPushButton*>(QStringLiteral("IdUser"))->click();
        if (!DrawVisible(list)) return -1;
        return MsSince(pressed);
    }
    QtRecordNotifier notifier;
    RecordStore store;
    NoCamera camera;
    CUdp udp;
    CkavimoDlg dialog;
    CListImageCtrl* list = nullptr;
};

int FirstScreen(int pictures, const QString& cacheDir, bool warm) {
    QTemporaryDir drive;
    MakeDrive(drive.path(), 2, [pictures](int k) { return k == 1 ? pictures : 1; });
    ThumbnailCache::SetDiskDirectory(cacheDir);
    MainWindow window(0);
    StallProbe probe;
    const double ms = window.SelectPatient(1, &probe);
    const double stall = probe.Stop();
    std::printf(
        "first screen  %6d pictures  %s  %7.1f ms   longest stall %5.1f ms (its own processor time %5.1f ms)   "
        "resident %5.1f MB\n",
        pictures, warm ? "warm" : "cold", ms, stall, probe.LongestCpu(), ResidentMb("VmRSS:"));
    return ms < 0 ? 1 : 0;
}

int History(const QString& cacheDir) {
    constexpr int kPictures = 10000;
    QTemporaryDir drive;
    MakeDrive(drive.path(), 2, [](int k) { return k == 1 ? kPictures : 1; });
    ThumbnailCache::SetDiskDirectory(cacheDir);
    auto window = std::make_unique<MainWindow>(0);
    CListImageCtrl* list = window->list;
    StallProbe probe;
    int failures = 0;
    auto report = [&](const char* what, double ms, double stall) {
        if (ms < 0) ++failures;
        std::printf("history  %-34s %8.1f ms   longest stall %6.1f ms (its own processor time %5.1f ms)\n", what, ms,
                    stall, probe.LongestCpu());
    };

    double ms = window->SelectPatient(1, &probe);
    report("select the patient (10,000)", ms, probe.Stop());

    // Scrolling end to end, a page at a time, each page drawn before the next.
    QScrollBar* bar = list->verticalScrollBar();
    auto start = Clock::now();
    probe.Start();
    bool drawn = true;
    while (drawn && bar->value() < bar->maximum()) {
        bar->setValue(bar->value() + bar->pageStep());
        drawn = DrawVisible(list);
    }
    report("scroll through all, page by page", drawn ? MsSince(start) : -1, probe.Stop());
    const double afterScroll = ResidentMb("VmRSS:");
    // Once the list has been quiet for a moment, the memory its decoding freed goes back.
    QTest::qWait(2000);
    const double settled = ResidentMb("VmRSS:");

    // Deleting the picture shown, through the button (the question answered Yes).
    start = Clock::now();
    probe.Start();
    QTimer::singleShot(0, list, [&] { window->dialog.findChild<QPushButton*>(QStringLiteral("IdDelete"))->click(); });
    SpinUntil([&] { return list->count() == kPictures - 1; });
    ms = DrawVisible(list) ? MsSince(start) : -1;
    // The probe stays on for what the delete leaves to run after it is drawn: the store's second
    // look at the directory, a third of a second later.
    QTest::qWait(1000);
    report("delete the picture shown", ms, probe.Stop());

    std::printf(
        "history  resident memory right after scrolling end to end %.1f MB, 2 s later %.1f MB, "
        "now %.1f MB, peak %.1f MB\n",
        afterScroll, settled, ResidentMb("VmRSS:"), ResidentMb("VmHWM:"));
    std::printf("history  drawn thumbnails held %.1f MB (limit %.1f), decoded pictures held %.1f MB (limit %.1f)\n",
                list->DrawnBytes() / 1048576.0, list->DrawnLimit() / 1048576.0, list->cache().MemoryBytes() / 1048576.0,
                list->cache().MemoryLimit() / 1048576.0);

    // A capture as the stream camera's Freeze makes it: the frozen frame (written by the player
    // as a BMP file) stored as a new picture, the list and panes shown anew, the live view again.
    // It needs a window that found a stream camera; the figures above are taken without one, as a
    // review session runs, so the camera's media libraries do not weigh on them.
    window.reset();
    StreamCamera stream;
    window = std::make_unique<MainWindow>(1, &stream);
    list = window->list;
    if (!DrawVisible(list) || list->count() != kPictures - 1) ++failures;
    CkavimoDlg& d = window->dialog;
    d.SetSnapshotWriter(
        [](const std::string& path) { return QImage(PictureSource(0)).save(QString::fromStdString(path), "BMP"); });
    d.findChild<QPushButton*>(QStringLiteral("IdSample"))->click();  // live again
    if (d.CameraType() != CAMERA_STREAM || d.liveState() != LiveState::Live) ++failures;
    QPushButton* freeze = d.findChild<QPushButton*>(QStringLiteral("IdFreeze"));
    freeze->click();  // frozen: the frame is written
    if (d.liveState() != LiveState::Frozen) ++failures;
    QTest::qWait(200);
    start = Clock::now();
    probe.Start();
    QTimer::singleShot(0, list, [&] { freeze->click(); });
    SpinUntil([&] { return list->count() == kPictures; });
    ms = DrawVisible(list) ? MsSince(start) : -1;
    QTest::qWait(1000);  // as after the delete
    report("capture (Freeze, then stored)", ms, probe.Stop());
    window.reset();  // before its camera goes
    return failures;
}

int Practice(const QString& cacheDir) {
    constexpr int kPatients = 1001;
    QTemporaryDir drive;
    MakeDrive(drive.path(), kPatients, [](int) { return 100; });
    ThumbnailCache::SetDiskDirectory(cacheDir);
    int failures = 0;

    // Start-up: the records, the window, the patient dialog (OK on the last patient), the main
    // window with its thumbnails.
    auto start = Clock::now();
    double dialogShown = 0;
    QtRecordNotifier notifier;
    RecordStore store(&notifier);
    NoCamera camera;
    CUdp udp(camera.config);
    CkavimoDlg dialog(store, udp);
    dialog.SetUserListRunner([&](CUserList& users) {
        users.show();
        QCoreApplication::processEvents();
        dialogShown = MsSince(start);
        users.accept();
    });
    dialog.OnInitDialog();
    dialog.show();
    const bool drawn = QTest::qWaitForWindowExposed(&dialog) && DrawVisible(dialog.ThumbList());
    const double mainWindow = drawn ? MsSince(start) : -1;
    if (!drawn) ++failures;
    std::printf("practice  start-up to the patient dialog        %7.1f ms\n", dialogShown);
    std::printf("practice  start-up to the main window drawn     %7.1f ms\n", mainWindow);

    // The "User" button: the dialog on screen with its list filled; then Query by name.
    double opened = 0;
    double query = 0;
    int rows = 0;
    dialog.SetUserListRunner([&](CUserList& users) {
        users.show();
        QCoreApplication::processEvents();
        opened = MsSince(start);
        rows = users.UserList()->rowCount();
        users.findChild<QLineEdit*>(QStringLiteral("IdName"))->setText(QStringLiteral("Patient 987"));
        const auto asked = Clock::now();
        users.findChild<QPushButton*>(QStringLiteral("IdQuery"))->click();
        QCoreApplication::processEvents();
        query = MsSince(asked);
        users.reject();
    });
    StallProbe probe;
    QTimer::singleShot(0, &dialog, [&] {
        start = Clock::now();
        dialog.findChild<QPushButton*>(QStringLiteral("IdUser"))->click();
    });
    SpinUntil([&] { return rows != 0; });
    if (rows != kPatients) ++failures;
    std::printf("practice  the patient dialog opens (%d rows)  %7.1f ms\n", rows, opened);
    std::printf("practice  Query by name                         %7.1f ms\n", query);
    return failures;
}

int RunChild(const QStringList& args) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), args);
    if (!child.waitForFinished(-1)) return 1;
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : 1;
}

}  // namespace

int main(int argc, char** argv) {
    platform::KeepHeapsFew();  // as the program does
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    // Every message box is answered at once (the work directory's first creation, the question
    // before a delete).
    SetMessageBoxHook([](const MessageBoxRequest& request) {
        if (!request.buttons.testFlag(QMessageBox::Yes))
            std::fprintf(stderr, "message: %s\n", qPrintable(request.text));
        return request.buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    });
    const QStringList args = app.arguments().mid(1);
    for (int k = 0; k < kDistinctPictures; ++k) PictureSource(k);
    // A scenario in a process of its own: "run <scenario> <arguments…>".
    if (args.value(0) == QLatin1String("run")) {
        const QString scenario = args.value(1);
        if (scenario == QLatin1String("first")) {
            return FirstScreen(args.value(2).toInt(), args.value(4), args.value(3) == QLatin1String("warm"));
        }
        if (scenario == QLatin1String("history")) return History(args.value(2));
        if (scenario == QLatin1String("practice")) return Practice(args.value(2));
        return 2;
    }

    // Every scenario, each in a process of its own; "cold" starts from an empty thumbnail cache,
    // "warm" from the one the cold run left.
    const QStringList wanted = args.isEmpty() ? QStringList{"first", "history", "practice"} : args;
    int failures = 0;
    if (wanted.contains(QLatin1String("first"))) {
        for (int pictures : {100, 1000, 10000}) {
            QTemporaryDir cache;
            failures += RunChild({"run", "first", QString::number(pictures), "cold", cache.path()});
            failures += RunChild({"run", "first", QString::number(pictures), "warm", cache.path()});
        }
    }
    if (wanted.contains(QLatin1String("history"))) {
        QTemporaryDir cache;
        failures += RunChild({"run", "history", cache.path()});
    }
    if (wanted.contains(QLatin1String("practice"))) {
        QTemporaryDir cache;
        failures += RunChild({"run", "practice", cache.path()});
    }
    return failures == 0 ? 0 : 1;
}
