// Shared set-up of the picture review and capture tests: the main window on its own d: drive,
// with the default patient holding a few pictures of plain colours, its camera link on loopback
// (silent cameras unless a test brings a fake one), shown at a fixed size.
#pragma once

#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QListWidgetItem>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <ctime>
#include <memory>
#include <vector>

#include "app/mainwindow/kavimodlg.h"
#include "app/patients/userlist.h"
#include "app/pictures/bigpic.h"
#include "app/pictures/listimagectrl.h"
#include "app/pictures/picturepane.h"
#include "app/pictures/thumbnail.h"
#include "platform/net.h"
#include "records/recordnames.h"
#include "tests/app/support/apptestsupport.h"

// A UDP socket on loopback that never answers: a camera that is not there.
class QuietPort {
public:
    QuietPort() : m_fd(platform::OpenUdpSocket("127.0.0.1", 0, false)) {}
    ~QuietPort() { platform::CloseSocket(m_fd); }
    uint16_t Port() const { return platform::LocalPort(m_fd); }

private:
    int m_fd;
};

inline bool Near(QColor a, QColor b, int tolerance = 40) {
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

// The local time value of a date and time (for the window's clock).
inline std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm t = {};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

class PictureHarness {
public:
    static constexpr uint64_t kPatientUid = 20170801102233ull;  // the default patient

    PictureHarness() {
        ThumbnailCache::SetDiskDirectory(m_cache.path());
        m_notifier = std::make_unique<QtRecordNotifier>();
        m_store = std::make_unique<RecordStore>(m_notifier.get());
    }
    ~PictureHarness() {
        m_dialog.reset();
        m_udp.reset();
    }

    // Pictures of the default patient, named one second apart from 2024-05-01 10:00:00, each in
    // one colour; made before the window starts.
    void AddPictures(const std::vector<QColor>& colours, QSize size = QSize(640, 480)) {
        m_store->PrepareWorkDir();
        m_store->Load();
        m_store->SelectUser(0);
        for (const QColor& colour : colours) {
            const QString name = QStringLiteral("%1.jpg").arg(20240501100000ull + m_pictures.size());
            QVERIFY(WriteJpeg(PatientDir() + QLatin1Char('/') + name, size.width(), size.height(), colour));
            m_pictures.push_back(name);
        }
        QCOMPARE(m_store->RebuildPictures(), 1);
    }

    // The camera link on loopback (the given ports answer as cameras, or nobody does) and the
    // window, initialised, shown and laid out at 1280 x 980.
    bool Start(uint16_t streamPort = 0, uint16_t pictureCommandPort = 0, uint16_t picturePort = 1) {
        CameraLinkConfig config;
        config.streamCameraIp = "127.0.0.1";
        config.streamCameraPort = streamPort ? streamPort : m_quietStream.Port();
        config.streamLocalPort = 0;
        config.videoPort = 0;
        config.pictureCameraIp = "127.0.0.1";
        config.pictureCameraPort = pictureCommandPort ? pictureCommandPort : m_quietPicture.Port();
        config.pictureLocalPort = 0;
        config.pictureTcpPort = picturePort;
        config.localBindIp = "127.0.0.1";
        config.connectTimeoutMs = 500;
        m_udp = std::make_unique<CUdp>(config);
        m_udp->SetTickCounter(&GlobalTicks());
        m_udp->SetRecordStore(m_store.get());
        m_udp->SetNotifier(m_notifier.get());
        if (m_udp->Init(0) != 1) return false;
        if (m_beforeWindow) m_beforeWindow();
        m_dialog = std::make_unique<CkavimoDlg>(*m_store, *m_udp);
        m_dialog->SetUserListRunner([](CUserList& users) { users.accept(); });
        m_dialog->SetViewerRunner([this](BigPic& viewer) { viewerPaths << viewer.PicturePath(); });
        if (m_beforeInit) m_beforeInit(*m_dialog);
        m_dialog->OnInitDialog();
        m_dialog->show();
        if (!QTest::qWaitForWindowExposed(m_dialog.get())) return false;
        m_dialog->resize(1280, 980);
        QCoreApplication::processEvents();
        // Drawn again for the final layout, by paging as the camera's keys do; a running live view
        // is stopped for it (the key's first press does that) and started again.
        const bool live = m_dialog->liveState() != LiveState::Idle;
        if (live) Key(0x52);
        ShowPicture(m_dialog->CurrentIndex());
        if (live) Button(MainCtl::IdSample)->click();
        return true;
    }

    // A camera key as the camera link posts it, handled at once.
    void Key(int code) {
        m_dialog->PostCameraKey(code);
        QCoreApplication::sendPostedEvents(m_dialog.get());
    }
    // Store index k in slot 0 and the pictures before it in the slots that follow, drawn anew, as
    // paging with the camera's keys shows them (the live view must be idle; k within the list).
    void ShowPicture(int k) {
        if (m_dialog->CurrentIndex() == k) Key(0x52);  // the newest is drawn again; else one step on
        while (m_dialog->CurrentIndex() > k) Key(0x53);
        while (m_dialog->CurrentIndex() < k) Key(0x52);
    }

    // Runs before the window is made (after the camera link is up): fake cameras start here.
    void BeforeWindow(std::function<void()> step) { m_beforeWindow = std::move(step); }
    // Runs on the window before its start-up.
    void BeforeInit(std::function<void(CkavimoDlg&)> step) { m_beforeInit = std::move(step); }

    CkavimoDlg& Dialog() { return *m_dialog; }
    RecordStore& Store() { return *m_store; }
    CUdp& Udp() { return *m_udp; }
    TestDrive& Drive() { return m_drive; }
    QString PatientDir() const { return ::PatientDir(m_drive, kPatientUid); }
    const std::vector<QString>& Pictures() const { return m_pictures; }
    QStringList PictureFiles() const {
        return QDir(PatientDir()).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
    }
    int PictureCount() const {
        _USER_INFO user = {};
        return m_store->GetCurrentUser(&user) >= 0 ? user.picCount : -1;
    }

    QPushButton* Button(int id) { return static_cast<QPushButton*>(m_dialog->Control(id)); }
    CPicturePane* Pane(int id) { return m_dialog->Pane(id); }

    // A point of the picture area (pane coordinates) in the window's client coordinates.
    QPoint AreaPoint(int x, int y) const { return m_dialog->Layout().pictureArea.topLeft() + QPoint(x, y); }

    // The picture area as displayed: pane 1097 under pane 1096.
    QImage Shown() const {
        const QSize area = m_dialog->Layout().pictureArea.size();
        QImage image(area, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter p(&image);
        p.drawImage(0, 0, m_dialog->Pane(MainCtl::IdPane3)->Canvas());
        if (!m_dialog->Pane(MainCtl::IdPane2)->Canvas().isNull())
            p.drawImage(0, 0, m_dialog->Pane(MainCtl::IdPane2)->Canvas());
        return image;
    }

    // Mouse input as the window receives it (the panes let it through to the window).
    void Press(QPoint client) { QTest::mousePress(m_dialog.get(), Qt::LeftButton, Qt::NoModifier, client); }
    void Move(QPoint client) {
        QMouseEvent move(QEvent::MouseMove, QPointF(client), m_dialog->mapToGlobal(QPointF(client)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_dialog.get(), &move);
    }
    void Release(QPoint client) { QTest::mouseRelease(m_dialog.get(), Qt::LeftButton, Qt::NoModifier, client); }
    // A stroke through the points (picture area coordinates).
    void Stroke(const std::vector<QPoint>& points) {
        Press(AreaPoint(points.front().x(), points.front().y()));
        for (size_t i = 1; i < points.size(); ++i) Move(AreaPoint(points[i].x(), points[i].y()));
        Release(AreaPoint(points.back().x(), points.back().y()));
    }

    // Clicks (or double-clicks) the thumbnail of a store index as a person does: the list's
    // viewport receives the events of the click, in order.
    void ClickThumbnail(int storeIndex, bool twice = false) {
        QListWidgetItem* item = m_dialog->ThumbList()->ItemOfFile(storeIndex);
        QVERIFY(item);
        ClickListItem(m_dialog->ThumbList(), item, twice);
    }

    // Opens the window's right-click menu over the picture area and chooses the entry of that
    // text, as a person does. False when the entry is missing or disabled (the menu closes then).
    bool ChooseFromMenu(const QString& text) {
        bool chosen = false;
        QTimer::singleShot(0, m_dialog.get(), [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            for (QAction* action : menu->actions()) {
                if (action->text() != text || !action->isEnabled()) continue;
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                chosen = true;
                return;
            }
            menu->close();
        });
        const QPoint at = AreaPoint(40, 40);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, m_dialog->mapToGlobal(at));
        QCoreApplication::sendEvent(m_dialog.get(), &event);
        return chosen;
    }

    QStringList viewerPaths;

private:
    TestDrive m_drive;
    QTemporaryDir m_cache;
    QuietPort m_quietStream;
    QuietPort m_quietPicture;
    std::unique_ptr<QtRecordNotifier> m_notifier;
    std::unique_ptr<RecordStore> m_store;
    std::unique_ptr<CUdp> m_udp;
    std::unique_ptr<CkavimoDlg> m_dialog;
    std::vector<QString> m_pictures;
    std::function<void()> m_beforeWindow;
    std::function<void(CkavimoDlg&)> m_beforeInit;
};
