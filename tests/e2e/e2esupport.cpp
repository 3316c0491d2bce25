#include "e2esupport.h"

#include <QScreen>

#include "app/mainwindow/tickthread.h"
#include "app/patients/userlist.h"
#include "app/pictures/listimagectrl.h"
#include "app/pictures/thumbnail.h"

CDemoCamera::Options TestCameraOptions(CDemoCamera::Kind kind) {
    CDemoCamera::Options options;
    options.kind = kind;
    options.width = 640;
    options.height = 480;
    options.fps = 30;
    if (kind == CDemoCamera::Kind::Picture)
        options.extraArguments = {QStringLiteral("--size"), QStringLiteral("320x240")};
    return options;
}

LiveHarness::LiveHarness(const CDemoCamera::Options& options)
    : m_drive(std::make_unique<TestDrive>()), m_camera(std::make_unique<CDemoCamera>(options)) {
    ThumbnailCache::SetDiskDirectory(m_cache.path());
    m_notifier = std::make_unique<QtRecordNotifier>();
    m_store = std::make_unique<RecordStore>(m_notifier.get());
}

LiveHarness::~LiveHarness() {
    m_dialog.reset();
    m_udp.reset();
    m_camera.reset();
    m_store.reset();
    m_notifier.reset();
    ThumbnailCache::WaitForDiskWrites();
    m_drive.reset();
}

bool LiveHarness::Start(QString* error) {
    if (!m_camera->Start(QStringLiteral(KAVIMO_CAMSIM_PATH), error)) return false;
    CameraLinkConfig config;
    m_camera->Configure(&config);
    config.connectTimeoutMs = 500;
    m_udp = std::make_unique<CUdp>(config);
    m_udp->SetTickCounter(&GlobalTicks());
    m_udp->SetRecordStore(m_store.get());
    m_udp->SetNotifier(m_notifier.get());
    if (m_udp->Init(0) != 1) {
        *error = QStringLiteral("the camera link cannot bind on 127.0.0.1");
        return false;
    }
    if (!m_camera->Connect(*m_udp, error)) return false;
    m_dialog = std::make_unique<CkavimoDlg>(*m_store, *m_udp);
    m_dialog->SetUserListRunner([](CUserList& users) { users.accept(); });
    m_dialog->OnInitDialog();
    m_dialog->resize(1280, 980);
    m_dialog->show();
    if (!QTest::qWaitForWindowExposed(m_dialog.get())) {
        *error = QStringLiteral("the main window is not exposed");
        return false;
    }
    return true;
}

QString& E2eSkipReason() {
    static QString reason;
    return reason;
}

QImage ScreenPixels(QWidget* widget) {
    QScreen* screen = widget->screen();
    if (!screen) return QImage();
    // The top-level window is read back and cut to the widget: a native child window's own
    // contents are what the X server composes into its parent.
    QWidget* window = widget->window();
    const QPoint origin = widget->mapTo(window, QPoint(0, 0));
    return screen->grabWindow(window->winId(), origin.x(), origin.y(), widget->width(), widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

namespace {

template <typename F>
double SampledShare(const QImage& image, F&& test) {
    if (image.isNull()) return 0;
    int hits = 0, total = 0;
    const int stepX = qMax(1, image.width() / 64), stepY = qMax(1, image.height() / 48);
    for (int y = stepY / 2; y < image.height(); y += stepY) {
        for (int x = stepX / 2; x < image.width(); x += stepX) {
            ++total;
            hits += test(x, y) ? 1 : 0;
        }
    }
    return total ? double(hits) / total : 0;
}

}  // namespace

double LitFraction(const QImage& image) {
    return SampledShare(image, [&](int x, int y) {
        const QRgb c = image.pixel(x, y);
        return qMax(qRed(c), qMax(qGreen(c), qBlue(c))) > 40;
    });
}

double ChangedFraction(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 1;
    return SampledShare(a, [&](int x, int y) {
        const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
        return qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q)) > 30;
    });
}

double ColourFraction(const QImage& image, QColor colour) {
    return SampledShare(image, [&](int x, int y) {
        const QRgb c = image.pixel(x, y);
        return qAbs(qRed(c) - colour.red()) + qAbs(qGreen(c) - colour.green()) + qAbs(qBlue(c) - colour.blue()) < 12;
    });
}
