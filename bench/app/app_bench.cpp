// Speed of the application where a dentist waits for it:
//   ThumbnailRefresh/Cold       500 pictures of 1920 x 1080, nothing cached, to the thumbnails
//                               in view drawn                                    (target <= 2 s)
//   ThumbnailRefresh/OneNew     the same list again after one new picture        (target <= 0.3 s)
// (bench/app/scale_bench has the figures with thousands of pictures.)
//   StartupToUserDialog         records of 1000 patients to the patient dialog   (target <= 1 s)
// Run: build/default/bench/app_bench (QT_QPA_PLATFORM defaults to offscreen here).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <chrono>
#include <cmath>
#include <memory>

#include "app/mainwindow/kavimodlg.h"
#include "app/mainwindow/tickthread.h"
#include "app/notifiers.h"
#include "app/patients/userlist.h"
#include "app/pictures/listimagectrl.h"
#include "app/widgets/messagebox.h"
#include "platform/net.h"
#include "platform/paths.h"
#include "records/textconv.h"

namespace {

constexpr int kPictures = 500;

// CPU seconds the whole process has used (all threads): with other programs on the machine the
// wall-clock figure swings, this one does not.
double ProcessCpuSeconds() {
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}
constexpr int kThumb = 164;  // the thumbnail edge of a 1920 x 1050 screen

// The list on screen as in the main window (one column of thumbnails beside the pictures).
void ShowList(CListImageCtrl& list) {
    list.resize(kThumb + 60, 1000);
    list.show();
}

// Runs the event loop until every thumbnail in view is drawn; false after 30 s.
bool WaitForVisibleThumbnails(CListImageCtrl& list) {
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        bool drawn = list.count() > 0;
        for (int row = 0; drawn && row < list.count(); ++row) {
            if (list.visualItemRect(list.item(row)).top() >= list.viewport()->height()) break;
            drawn = list.HasThumbnail(list.count() - 1 - row);
        }
        if (drawn) return true;
        if (timer.elapsed() > 30000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
    }
}

// A picture with the make-up of a camera picture: smooth shading with fine sensor noise; at
// JPEG quality 90 it is about 230 KB, as intraoral camera pictures of this size are.
QImage CameraLikePicture(int seed) {
    QImage image(1920, 1080, QImage::Format_RGB32);
    QRandomGenerator random(quint32(seed + 1));
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(6));
            const double shade = 60 * std::sin((x + seed * 97) / 57.0) * std::cos(y / 43.0);
            line[x] =
                qRgb(qBound(0, int(150 + shade + x / 30) + noise, 255),
                     qBound(0, int(90 + shade / 2 + y / 20) + noise, 255), qBound(0, int(80 - shade / 3) + noise, 255));
        }
    }
    return image;
}

// The 500 pictures, written once per process.
const QString& PictureDir() {
    static QTemporaryDir dir;
    static bool written = false;
    if (!written) {
        written = true;
        QByteArray jpeg[4];
        for (int k = 0; k < 4; ++k) {
            QBuffer buffer(&jpeg[k]);
            buffer.open(QIODevice::WriteOnly);
            CameraLikePicture(k).save(&buffer, "JPG", 90);
        }
        for (int i = 0; i < kPictures; ++i) {
            QFile file(dir.filePath(QStringLiteral("%1.jpg").arg(20240101000000ll + i)));
            if (file.open(QIODevice::WriteOnly)) file.write(jpeg[i % 4]);
        }
    }
    static const QString path = dir.path();
    return path;
}

void ThumbnailRefreshCold(benchmark::State& state) {
    const QString pictures = PictureDir();
    QTemporaryDir cacheRoot;
    double cpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString cache = cacheRoot.filePath(QStringLiteral("c%1").arg(state.iterations()));
        ThumbnailCache::SetDiskDirectory(cache);
        auto list = std::make_unique<CListImageCtrl>();
        CListImageCtrl::SetThumbnailSize(kThumb, kThumb);
        list->InitColumns();
        ShowList(*list);
        list->directory = pictures;
        const double cpuBefore = ProcessCpuSeconds();
        state.ResumeTiming();
        list->Refresh();
        const bool drawn = WaitForVisibleThumbnails(*list);
        state.PauseTiming();
        cpu += ProcessCpuSeconds() - cpuBefore;
        if (list->count() != kPictures || !drawn || list->lastDecodeCount() == 0) state.SkipWithError("not drawn");
        list.reset();  // waits for the disk cache written in the background
        QDir(cache).removeRecursively();
        state.ResumeTiming();
    }
    state.counters["pictures"] = kPictures;
    state.counters["cpu_s"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

void ThumbnailRefreshOneNew(benchmark::State& state) {
    const QString pictures = PictureDir();
    QTemporaryDir cache;
    ThumbnailCache::SetDiskDirectory(cache.path());
    CListImageCtrl list;
    CListImageCtrl::SetThumbnailSize(kThumb, kThumb);
    list.InitColumns();
    ShowList(list);
    list.directory = pictures;
    list.Refresh();
    WaitForVisibleThumbnails(list);
    const QString source = QDir(pictures).filePath(QStringLiteral("20240101000000.jpg"));
    int added = 0;
    double cpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString fresh = QDir(pictures).filePath(QStringLiteral("%1.jpg").arg(20250101000000ll + added++));
        QFile::copy(source, fresh);
        const double cpuBefore = ProcessCpuSeconds();
        state.ResumeTiming();
        list.Refresh();
        const bool drawn = WaitForVisibleThumbnails(list);
        state.PauseTiming();
        cpu += ProcessCpuSeconds() - cpuBefore;
        // The new picture, and perhaps the one row the margin beyond the view moved on to.
        if (list.count() != kPictures + 1 || !drawn || list.lastDecodeCount() < 1 || list.lastDecodeCount() > 2) {
            state.SkipWithError("not drawn, or more than the new picture decoded");
        }
        QFile::remove(fresh);
        state.ResumeTiming();
    }
    state.counters["cpu_s"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

// From an empty process state to the patient dialog on screen: the records store prepares and
// loads the work directory of 1000 patients, the main window starts and opens the dialog, which
// fills its list and selects the last patient.
void StartupToUserDialog(benchmark::State& state) {
    QTemporaryDir drive;
    platform::SetDriveRoot(drive.path().toStdString());
    SetMessageBoxHook([](const MessageBoxRequest&) { return QMessageBox::Ok; });
    {
        QtRecordNotifier quiet;
        RecordStore store(&quiet);
        store.PrepareWorkDir();
        store.Load();
        for (int i = 1; i < 1000; ++i) {
            _USER_INFO user = {};
            user.uid = 20240101000000ull + uint64_t(i / 60) * 100 + uint64_t(i % 60);
            records::SetFieldText(user.name, u"Patient " + records::AnsiToUtf16(std::to_string(i)));
            user.age = 20 + i % 60;
            user.sex = i % 2;
            user.phone = 13800000000ll + i;
            store.AddUser(user);
        }
    }
    const int silent = platform::OpenUdpSocket("127.0.0.1", 0, false);
    CameraLinkConfig config;
    config.streamCameraIp = config.pictureCameraIp = "127.0.0.1";
    config.streamCameraPort = config.pictureCameraPort = config.pictureTcpPort = platform::LocalPort(silent);
    config.streamLocalPort = config.pictureLocalPort = config.videoPort = 0;
    config.localBindIp = "127.0.0.1";
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        QtRecordNotifier notifier;
        RecordStore store(&notifier);
        CUdp udp(config);
        double seconds = 0;
        int rows = 0;
        {
            CkavimoDlg dialog(store, udp);
            dialog.SetUserListRunner([&](CUserList& users) {
                users.show();
                QCoreApplication::processEvents();
                seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                rows = users.UserList()->rowCount();
                users.accept();
            });
            dialog.OnInitDialog();
        }
        if (rows != 1000) state.SkipWithError("the dialog did not list 1000 patients");
        state.SetIterationTime(seconds);
    }
    platform::CloseSocket(silent);
    SetMessageBoxHook({});
    platform::SetDriveRoot("");
}

}  // namespace

BENCHMARK(ThumbnailRefreshCold)->Name("ThumbnailRefresh/Cold")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ThumbnailRefreshOneNew)->Name("ThumbnailRefresh/OneNew")->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(StartupToUserDialog)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
