// kavimo_soak: the program scripts/soak runs. It is kavimo's main window, records store and camera
// link, wired to the camera simulator kavimo-camsim on 127.0.0.1 exactly as the demo mode wires
// them, on the d: drive the caller names, with a driver that does what a dentist and a camera do
// all day: stops and resumes the camera's heartbeats, loses video fragments, freezes and stores
// pictures through the camera's keys, switches and creates patients, imports, deletes and saves.
//
//   kavimo_soak --drive-d DIR --camera stream|picture --seconds N   a soak phase of N seconds
//               [--cycles-only]                                      (stream: no captures, no patients)
//   kavimo_soak --drive-d DIR --work [--seed N]                     random work until killed; starts
//                                                                    on a line "go" on standard input
//   kavimo_soak --verify                                             checks the picture files (below)
//
// Standard output, one line per event (flushed at once, so that a killed run loses none):
//   soak ready                   start-up is done (the patient is chosen, the camera probed)
//   soak cycle N live-ms MS ...  the camera went away and came back; MS from its return to video,
//                                and the heap in use then (heap-kb)
//   soak stored PATH             a picture the window has stored (host path)
//   soak deleting PATH           a picture is about to be deleted
//   soak doing ACTION            work mode: capture, import, delete, save, patient or sample begins
//   soak fail REASON             a check failed
//   soak message TEXT            a message box the window showed (answered)
//   soak done cycles=N pictures=M failures=F
// --verify reads host paths on standard input and checks that each is a readable picture, and so
// is every picture file in the patient directories of the d: drive (--drive-d); it prints
// "soak fail ..." for each that is not and exits 1 when there was one.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTableWidget>
#include <QTimer>

#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <set>

#include "app/democamera.h"
#include "app/mainwindow/controlids.h"
#include "app/mainwindow/kavimodlg.h"
#include "app/mainwindow/tickthread.h"
#include "app/notifiers.h"
#include "app/patients/userlist.h"
#include "app/pictures/listimagectrl.h"
#include "app/pictures/pictureio.h"
#include "app/pictures/thumbnail.h"
#include "app/widgets/messagebox.h"
#include "camlink/udp.h"
#include "e2esupport.h"
#include "platform/memory.h"
#include "platform/paths.h"
#include "records/recordnames.h"
#include "records/recordstore.h"
#include "records/workdirlock.h"

using namespace MainCtl;

namespace {

void Event(const QString& text) {
    std::printf("soak %s\n", qPrintable(text));
    std::fflush(stdout);
}

bool ReadablePicture(const QString& hostPath, QString* reason) {
    QImageReader reader(hostPath);
    const QImage image = reader.read();
    if (image.isNull()) {
        *reason = QFileInfo::exists(hostPath) ? reader.errorString() : QStringLiteral("missing");
        return false;
    }
    return true;
}

// The patient's pictures as host paths, in list order.
QStringList PicturePaths(RecordStore& store) {
    QStringList paths;
    _USER_INFO user = {};
    if (store.GetCurrentUser(&user) < 0) return paths;
    for (int i = 0; i < user.picCount; ++i) {
        _DISE_PIC picture = {};
        if (store.GetPicture(i, &picture) == 1) paths << HostPathOf(PicturePathText(picture));
    }
    return paths;
}

class Driver : public QObject {
public:
    struct Settings {
        QString driveD;
        CDemoCamera::Kind kind = CDemoCamera::Kind::Stream;
        int seconds = 60;
        bool work = false;
        bool cyclesOnly = false;  // stream soak: only the heartbeat cycles (to tell where memory goes)
        unsigned seed = 1;
    };

    explicit Driver(const Settings& settings) : m_settings(settings), m_rng(settings.seed) {}
    ~Driver() override {
        m_dialog.reset();
        m_udp.reset();
        m_camera.reset();
        m_store.reset();
        ThumbnailCache::WaitForDiskWrites();
    }

    bool Start(QString* error) {
        platform::SetDriveRoot(m_settings.driveD.toStdString());
        SetMessageBoxHook([this](const MessageBoxRequest& r) { return Answer(r); });
        CDemoCamera::Options options;
        options.kind = m_settings.kind;
        options.width = 640;
        options.height = 480;
        options.fps = 30;
        m_camera = std::make_unique<CDemoCamera>(options);
        if (!m_camera->Start(CDemoCamera::DefaultProgram(), error)) return false;
        CameraLinkConfig config;
        m_camera->Configure(&config);
        // As the program starts: the work directory locked for the run, then the leftovers of
        // interrupted rewrites removed.
        if (m_lock.Acquire(platform::HostPath(records::kWorkDir)) != records::WorkDirLock::Status::Held) {
            *error = QString::fromStdString(m_lock.Message());
            return false;
        }
        m_store = std::make_unique<RecordStore>(&m_notifier);
        m_store->RemoveInterruptedRewrites();
        m_udp = std::make_unique<CUdp>(config);
        m_udp->SetNotifier(&m_notifier);
        m_udp->SetRecordStore(m_store.get());
        m_udp->SetTickCounter(&GlobalTicks());
        if (m_udp->Init(0) != 1) {
            *error = QStringLiteral("the camera link cannot open its sockets on 127.0.0.1");
            return false;
        }
        if (!m_camera->Connect(*m_udp, error)) return false;
        m_dialog = std::make_unique<CkavimoDlg>(*m_store, *m_udp);
        m_dialog->SetUserListRunner([this](CUserList& users) { RunUserList(users); });
        m_dialog->SetImportChooser([this](QWidget*) { return ImportFiles(); });
        m_dialog->OnInitDialog();
        m_dialog->resize(1280, 980);
        m_dialog->show();
        m_clock.start();
        connect(&m_timer, &QTimer::timeout, this, [this] { Step(); });
        m_timer.start(50);
        Event(QStringLiteral("ready"));
        return true;
    }

    // Work mode waits for "go" on standard input; a soak phase starts at once.
    void WaitForGo() {
        m_waiting = true;
        m_stdin = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
        connect(m_stdin.get(), &QSocketNotifier::activated, this, [this] {
            char buffer[64];
            const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
            if (n <= 0) m_stdin->setEnabled(false);
            m_waiting = false;
        });
    }

    int Failures() const { return m_failures; }

private:
    QMessageBox::StandardButton Answer(const MessageBoxRequest& r) {
        Event(QStringLiteral("message %1|%2")
                  .arg(r.caption, QString(r.text).replace(QLatin1Char('\n'), QLatin1Char(' '))));
        if (r.buttons & QMessageBox::Yes) return QMessageBox::Yes;
        // In a soak every box after start-up but the delete question is a failure: nothing should
        // go wrong. (The first start says that it made the work directory.)
        if (!m_settings.work && m_clock.isValid()) {
            Fail(QStringLiteral("unexpected message box: %1 (live state %2, play object %3, pictures it drew %4)")
                     .arg(r.text)
                     .arg(int(m_dialog->liveState()))
                     .arg(qulonglong(m_dialog->Live().Player()))
                     .arg(m_dialog->Live().Player() && m_counterPlayer == m_dialog->Live().Player() &&
                                  !m_counters.empty()
                              ? m_counters.back().Frames()
                              : -1));
        }
        return QMessageBox::Ok;
    }

    void Fail(const QString& reason) {
        ++m_failures;
        Event(QStringLiteral("fail %1").arg(reason));
    }

    double Now() const { return m_clock.elapsed() / 1000.0; }
    QPushButton* Button(int id) const { return static_cast<QPushButton*>(m_dialog->Control(id)); }

    // --- The patient dialog: every third switch creates a patient, the others choose another one.
    void RunUserList(CUserList& users) {
        QTableWidget* list = users.UserList();
        if (m_createPatient || list->rowCount() == 0) {
            m_createPatient = false;
            users.findChild<QLineEdit*>(QStringLiteral("IdName"))->setText(QStringLiteral("Soak %1").arg(++m_patients));
            users.findChild<QLineEdit*>(QStringLiteral("IdAge"))->setText(QStringLiteral("40"));
            users.findChild<QLineEdit*>(QStringLiteral("IdPhone"))->setText(QStringLiteral("5550100"));
            users.findChild<QComboBox*>(QStringLiteral("IdSex"))->setCurrentIndex(1);
            users.findChild<QPushButton*>(QStringLiteral("IdCreate"))->click();
        } else if (m_choosePatient) {
            list->clearSelection();
            list->selectRow(int(m_rng() % unsigned(list->rowCount())));
        }
        m_choosePatient = false;
        users.accept();
    }

    QStringList ImportFiles() {
        QStringList files;
        const int count = 1 + int(m_rng() % 3);
        for (int i = 0; i < count; ++i) files << m_importFiles[m_rng() % m_importFiles.size()];
        return files;
    }

    // Announces the pictures the list gained since `before`; returns how many.
    int AnnounceNew(const QStringList& before) {
        int added = 0;
        for (const QString& path : PicturePaths(*m_store)) {
            if (before.contains(path)) continue;
            QString reason;
            if (!ReadablePicture(path, &reason))
                Fail(QStringLiteral("stored picture %1 is not readable: %2").arg(path, reason));
            Event(QStringLiteral("stored %1").arg(path));
            ++added;
            ++m_pictures;
        }
        return added;
    }

    // --- Live video: frames drawn by the current play object (a new one after each return).
    int LiveFrames() {
        if (!m_dialog->Live().Player()) {
            m_counterPlayer = 0;  // a handle may come back with the same value
            return 0;
        }
        if (m_dialog->Live().Player() != m_counterPlayer) {
            m_counters.emplace_back();  // each counter lives as long as the process
            m_counters.back().Attach(m_dialog->Live().Player());
            m_counterPlayer = m_dialog->Live().Player();
        }
        return m_counters.back().Frames();
    }
    bool Live() { return m_dialog->Connected() && m_dialog->liveState() == LiveState::Live && LiveFrames() >= 5; }

    void Step() {
        if (m_waiting) return;
        if (m_settings.work) return WorkStep();
        if (Now() >= m_settings.seconds) return Finish();
        if (m_settings.kind == CDemoCamera::Kind::Stream)
            StreamStep();
        else
            PictureStep();
    }

    void Finish() {
        m_timer.stop();
        Event(QStringLiteral("done cycles=%1 pictures=%2 failures=%3").arg(m_cycle).arg(m_pictures).arg(m_failures));
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }

    // --- Stream camera: a cycle every 15 s. The heartbeats stop at its start and come back after
    // 7 s; the window must have noticed by then and must show live video again within 5 s. Once
    // live, the rest of the cycle loses no video fragments, 1 % or 5 % of them at random, in turn
    // (the return itself is measured without loss: at 5 % a key frame of twenty fragments comes
    // whole only about one time in three, so the first picture would wait on the stream, not on
    // the window). While live, a picture is frozen and stored through the camera's key every
    // 10 s, and the patient changes every 30 s.
    void StreamStep() {
        const double t = Now();
        // Looked at on every step, so that the gap between a play object torn down and the next
        // one is always seen: the next may carry the same handle, and a counter of the old one's
        // pictures would let a freeze follow before the new one has shown anything (the store
        // then rightly finds no picture). Live() does not get this far while disconnected.
        LiveFrames();
        if (m_phase == Phase::Starting) {
            if (Live()) {
                m_phase = Phase::Live;
                m_cycleStart = t + 1;
                m_nextFreeze = t + 2;
                m_nextPatient = t + 5;
            } else if (t > 15) {
                Fail(QStringLiteral("no live video 15 s after start-up"));
                return Finish();
            }
            return;
        }
        if (m_phase == Phase::Live && t >= m_cycleStart && m_freezeStep == 0) {
            if (m_cycle > 0) {
                Event(QStringLiteral("cycle %1 loss-per-mille %2 frames-per-s %3")
                          .arg(m_cycle)
                          .arg(m_lossPerMille)
                          .arg((LiveFrames() - m_framesAtLoss) / std::max(0.1, t - m_lossFrom), 0, 'f', 1));
            }
            ++m_cycle;
            m_camera->Send(QStringLiteral("loss-rate 0"));
            m_camera->Send(QStringLiteral("heartbeat off"));
            m_phase = Phase::Off;
            return;
        }
        if (m_phase == Phase::Off && t >= m_cycleStart + 7) {
            if (m_dialog->Connected())
                Fail(QStringLiteral("cycle %1: heartbeats stopped 7 s ago, the window still shows the camera")
                         .arg(m_cycle));
            m_camera->Send(QStringLiteral("heartbeat on"));
            m_returned = t;
            m_connectedMs = m_playerMs = -1;
            m_phase = Phase::Returning;
            return;
        }
        if (m_phase == Phase::Returning) {
            if (m_connectedMs < 0 && m_dialog->Connected()) m_connectedMs = int((t - m_returned) * 1000);
            if (m_playerMs < 0 && m_dialog->Live().Player()) m_playerMs = int((t - m_returned) * 1000);
            if (Live()) {
                const int ms = int((t - m_returned) * 1000);
                // The heap in use beside the resident memory tells growth from fragmentation.
                // The thumbnails held are a part of it that grows up to the caches' limits.
                const struct mallinfo2 heap = ::mallinfo2();
                CListImageCtrl* list = m_dialog->ThumbList();
                Event(QStringLiteral("cycle %1 live-ms %2 connected-ms %3 player-ms %4 heap-kb %5 thumbnails-kb %6 "
                                     "player %7")
                          .arg(m_cycle)
                          .arg(ms)
                          .arg(m_connectedMs)
                          .arg(m_playerMs)
                          .arg(qulonglong((heap.uordblks + heap.hblkhd) / 1024))
                          .arg((list->DrawnBytes() + list->cache().MemoryBytes()) / 1024)
                          .arg(qulonglong(m_dialog->Live().Player()), 0, 16));
                // Live again: this cycle's fragment loss until the heartbeats stop again.
                static const int kLossPerMille[3] = {0, 10, 50};  // none, 1 %, 5 %, at random
                m_lossPerMille = kLossPerMille[m_cycle % 3];
                m_camera->Send(QStringLiteral("loss-rate %1").arg(m_lossPerMille));
                m_framesAtLoss = LiveFrames();
                m_lossFrom = t;
                if (ms > 5000)
                    Fail(
                        QStringLiteral("cycle %1: live video %2 ms after the heartbeats' return").arg(m_cycle).arg(ms));
                m_phase = Phase::Live;
                m_cycleStart += 15;
                if (m_cycleStart < t + 2) m_cycleStart = t + 2;
            } else if (t - m_returned > 10) {
                Fail(QStringLiteral("cycle %1: no live video 10 s after the heartbeats' return").arg(m_cycle));
                m_phase = Phase::Live;
                m_cycleStart = t + 1;
            }
            return;
        }
        if (m_phase != Phase::Live || (m_freezeStep == 0 && t > m_cycleStart - 3) || m_settings.cyclesOnly) return;
        if (m_freezeStep == 0 && t >= m_nextFreeze && Live()) {
            m_before = PicturePaths(*m_store);
            m_camera->Send(QStringLiteral("key 85"));  // freeze
            m_freezeStep = 1;
            m_freezeAt = t;
        } else if (m_freezeStep == 1) {
            // The key travels through the camera link's thread; on a loaded machine it may take a
            // moment.
            if (m_dialog->liveState() == LiveState::Frozen) {
                m_camera->Send(QStringLiteral("key 85"));  // store
                m_freezeStep = 2;
                m_freezeAt = t;
            } else if (t >= m_freezeAt + 3) {
                Fail(
                    QStringLiteral("the camera's key did not freeze the video within 3 s (live state %1, connected %2)")
                        .arg(int(m_dialog->liveState()))
                        .arg(m_dialog->Connected()));
                m_freezeStep = 0;
                m_nextFreeze = std::max(m_nextFreeze + 10, t);
            }
        } else if (m_freezeStep == 2) {
            if (m_dialog->liveState() == LiveState::Live || t >= m_freezeAt + 3) {
                if (AnnounceNew(m_before) != 1) Fail(QStringLiteral("freeze and store did not add one picture"));
                m_freezeStep = 0;
                m_nextFreeze = std::max(m_nextFreeze + 10, t);
            }
        } else if (m_freezeStep == 0 && t >= m_nextPatient && m_dialog->liveState() == LiveState::Live) {
            SwitchPatient();
            m_nextPatient = t + 30;
        }
    }

    void SwitchPatient() {
        if (m_settings.kind == CDemoCamera::Kind::Stream) Button(IdSample)->click();  // stop the live view
        m_createPatient = m_switches++ % 3 == 0;
        m_choosePatient = true;
        Button(IdUser)->click();
        if (m_settings.kind == CDemoCamera::Kind::Stream) Button(IdSample)->click();  // and start it again
        // A new play object, which may carry the old one's handle value: its frames are counted
        // from none, or a freeze could follow before it has shown anything.
        m_counterPlayer = 0;
    }

    // --- Picture camera: previews all the time; a capture through the camera's key every 10 s,
    // the TCP connection dropped every 20 s and an oversized message every 30 s, after each of
    // which the previews must come back within 5 s; the patient changes every 30 s.
    void PictureStep() {
        const double t = Now();
        const int previews = m_dialog->JpegCount();
        if (m_phase == Phase::Starting) {
            if (previews >= 5) {
                m_phase = Phase::Live;
                m_nextFreeze = t + 2;
                m_cycleStart = t + 6;
                m_nextPatient = t + 8;
            } else if (t > 15) {
                Fail(QStringLiteral("no previews 15 s after start-up"));
                return Finish();
            }
            return;
        }
        if (m_phase == Phase::Returning) {
            if (previews >= m_previewsAtFault + 5) {
                const int ms = int((t - m_returned) * 1000);
                Event(QStringLiteral("cycle %1 live-ms %2 fault %3").arg(m_cycle).arg(ms).arg(m_fault));
                if (ms > 5000)
                    Fail(QStringLiteral("cycle %1: previews %2 ms after the %3").arg(m_cycle).arg(ms).arg(m_fault));
                m_phase = Phase::Live;
            } else if (t - m_returned > 10) {
                Fail(QStringLiteral("cycle %1: no previews 10 s after the %2").arg(m_cycle).arg(m_fault));
                m_phase = Phase::Live;
            }
            return;
        }
        if (m_freezeStep == 1) {
            if (AnnounceNew(m_before) == 1) {
                m_freezeStep = 0;
            } else if (t > m_freezeAt + 3) {
                Fail(QStringLiteral("the camera's capture was not stored within 3 s"));
                m_freezeStep = 0;
            }
            return;
        }
        if (t >= m_cycleStart) {
            ++m_cycle;
            m_fault = m_cycle % 3 == 0 ? QStringLiteral("oversize") : QStringLiteral("drop");
            m_camera->Send(m_fault);
            m_previewsAtFault = previews;
            m_returned = t;
            m_phase = Phase::Returning;
            m_cycleStart += 10;
        } else if (t >= m_nextFreeze) {
            m_before = PicturePaths(*m_store);
            m_camera->Send(QStringLiteral("key 85"));
            m_freezeStep = 1;
            m_freezeAt = t;
            m_nextFreeze += 10;
        } else if (t >= m_nextPatient) {
            Button(IdSample)->click();
            SwitchPatient();
            Button(IdSample)->click();
            m_nextPatient = t + 30;
        }
    }

    // --- Work until killed: one random action every few hundred milliseconds.
    void WorkStep() {
        const double t = Now();
        if (t < m_nextAction) return;
        m_nextAction = t + 0.1 + (m_rng() % 400) / 1000.0;
        if (m_importFiles.isEmpty()) MakeImportFiles();
        CkavimoDlg& d = *m_dialog;
        static const char* const kActions[10] = {"capture", "capture", "capture", "import", "import",
                                                 "delete",  "delete",  "save",    "save",   "patient"};
        const unsigned action = m_rng() % 10;
        Event(QStringLiteral("doing %1").arg(QLatin1String(kActions[action])));
        // The window's own buttons, so that each step is done when its click returns.
        if (action < 3) {
            // Capture: the live view first, then a freeze, then the store.
            if (d.liveState() == LiveState::Idle) {
                Button(IdSample)->click();
            } else if (d.liveState() == LiveState::Live && Live()) {
                Button(IdFreeze)->click();
            } else if (d.liveState() == LiveState::Frozen) {
                const QStringList before = PicturePaths(*m_store);
                Button(IdFreeze)->click();
                AnnounceNew(before);
            }
            return;
        }
        // The rest works on stored pictures: the live view stops (a frozen frame is stored first).
        if (d.liveState() == LiveState::Frozen) {
            const QStringList before = PicturePaths(*m_store);
            Button(IdFreeze)->click();
            AnnounceNew(before);
        }
        if (d.liveState() != LiveState::Idle) Button(IdSample)->click();
        if ((action == 5 || action == 6 || action == 7 || action == 8) && d.Review().PanePath(0).isEmpty()) {
            const int count = PicturePaths(*m_store).size();
            if (count > 0) {
                // Paged to with the camera's keys, as the camera link posts them; the first press
                // draws the panes anew even where the picture is the current one.
                const int target = int(m_rng() % unsigned(count));
                for (int step = 0; step <= count + 1; ++step) {
                    if (step > 0 && d.CurrentIndex() == target) break;
                    d.PostCameraKey(d.CurrentIndex() > target ? 0x53 : 0x52);
                    QCoreApplication::sendPostedEvents(&d);
                }
            }
        }
        switch (action) {
            case 3:
            case 4: {
                const QStringList before = PicturePaths(*m_store);
                Button(IdImport)->click();
                AnnounceNew(before);
                break;
            }
            case 5:
            case 6: {
                const QStringList paths = PicturePaths(*m_store);
                if (paths.isEmpty() || d.Review().PanePath(0).isEmpty()) break;
                Event(QStringLiteral("deleting %1").arg(HostPathOf(d.Review().PanePath(0))));
                Button(IdDelete)->click();
                break;
            }
            case 7:
            case 8: {
                if (d.Review().PanePath(0).isEmpty()) break;
                const QRect area = d.Layout().pictureArea;
                const QPoint a = area.topLeft() + QPoint(40 + int(m_rng() % 200), 40 + int(m_rng() % 200));
                QTest::mousePress(&d, Qt::LeftButton, Qt::NoModifier, a);
                QMouseEvent move(QEvent::MouseMove, QPointF(a + QPoint(60, 30)),
                                 d.mapToGlobal(QPointF(a + QPoint(60, 30))), Qt::NoButton, Qt::LeftButton,
                                 Qt::NoModifier);
                QCoreApplication::sendEvent(&d, &move);
                QTest::mouseRelease(&d, Qt::LeftButton, Qt::NoModifier, a + QPoint(60, 30));
                Button(IdSave)->click();
                break;
            }
            default: {
                m_createPatient = m_rng() % 2 == 0;
                m_choosePatient = true;
                Button(IdUser)->click();
                break;
            }
        }
    }

    void MakeImportFiles() {
        const QString dir = m_settings.driveD + QStringLiteral("/../soak-import");
        QDir().mkpath(dir);
        for (int i = 0; i < 4; ++i) {
            const QString path = QDir(dir).absoluteFilePath(QStringLiteral("import%1.jpg").arg(i));
            if (!QFileInfo::exists(path)) {
                QImage image(320 + 80 * i, 240, QImage::Format_RGB32);
                image.fill(QColor::fromHsv(i * 80, 200, 200));
                image.save(path, "JPG", 90);
            }
            m_importFiles << path;
        }
    }

    enum class Phase { Starting, Live, Off, Returning };

    Settings m_settings;
    std::mt19937 m_rng;
    QtRecordNotifier m_notifier;
    records::WorkDirLock m_lock;
    std::unique_ptr<CDemoCamera> m_camera;
    std::unique_ptr<RecordStore> m_store;
    std::unique_ptr<CUdp> m_udp;
    std::unique_ptr<CkavimoDlg> m_dialog;
    std::unique_ptr<QSocketNotifier> m_stdin;
    std::deque<DrawCounter> m_counters;
    TEGMO_PLAY_HANDLE m_counterPlayer = 0;
    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_waiting = false;

    Phase m_phase = Phase::Starting;
    int m_cycle = 0;
    int m_lossPerMille = 0;
    int m_framesAtLoss = 0;
    double m_lossFrom = 0;
    QString m_fault;
    int m_previewsAtFault = 0;
    double m_cycleStart = 0;
    double m_returned = 0;
    int m_connectedMs = -1;  // after the return: when the window saw the camera, made its player
    int m_playerMs = -1;
    double m_nextFreeze = 0;
    double m_freezeAt = 0;
    int m_freezeStep = 0;
    QStringList m_before;
    double m_nextPatient = 0;
    double m_nextAction = 0;
    int m_switches = 0;
    int m_patients = 0;
    bool m_createPatient = false;
    bool m_choosePatient = false;
    QStringList m_importFiles;
    int m_pictures = 0;
    int m_failures = 0;
};

int Verify(const QString& driveD) {
    int failures = 0;
    auto check = [&failures](const QString& path) {
        QString reason;
        if (!ReadablePicture(path, &reason)) {
            ++failures;
            Event(QStringLiteral("fail %1: %2").arg(path, reason));
        }
    };
    QFile in;
    if (in.open(stdin, QIODevice::ReadOnly)) {
        while (!in.atEnd()) {
            const QString path = QString::fromLocal8Bit(in.readLine()).trimmed();
            if (!path.isEmpty()) check(path);
        }
    }
    QDirIterator it(driveD + QStringLiteral("/DentalWorkDir"), {QStringLiteral("*.jpg"), QStringLiteral("*.bmp")},
                    QDir::Files, QDirIterator::Subdirectories);
    int files = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        if (QFileInfo(path).fileName() == QLatin1String("temp.bmp")) continue;  // the frozen frame's scratch file
        check(path);
        ++files;
    }
    Event(QStringLiteral("verified %1 picture files, %2 unreadable").arg(files).arg(failures));
    return failures ? 1 : 0;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: kavimo_soak --drive-d DIR (--camera stream|picture --seconds N | --work [--seed N] | "
                 "--verify)\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    platform::KeepHeapsFew();  // as the program does
    Driver::Settings settings;
    bool verify = false;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const QString value = i + 1 < argc ? QString::fromLocal8Bit(argv[i + 1]) : QString();
        if (arg == QLatin1String("--drive-d") && !value.isEmpty())
            settings.driveD = value, ++i;
        else if (arg == QLatin1String("--camera") && value == QLatin1String("stream"))
            ++i;
        else if (arg == QLatin1String("--camera") && value == QLatin1String("picture"))
            settings.kind = CDemoCamera::Kind::Picture, ++i;
        else if (arg == QLatin1String("--seconds") && value.toInt() > 0)
            settings.seconds = value.toInt(), ++i;
        else if (arg == QLatin1String("--seed") && !value.isEmpty())
            settings.seed = value.toUInt(), ++i;
        else if (arg == QLatin1String("--work"))
            settings.work = true;
        else if (arg == QLatin1String("--cycles-only"))
            settings.cyclesOnly = true;
        else if (arg == QLatin1String("--verify"))
            verify = true;
        else
            return Usage();
    }
    if (settings.driveD.isEmpty()) return Usage();
    if (verify) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return Verify(settings.driveD);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    Driver driver(settings);
    QString error;
    if (!driver.Start(&error)) {
        std::fprintf(stderr, "kavimo_soak: %s\n", qPrintable(error));
        return 1;
    }
    if (settings.work) driver.WaitForGo();
    const int status = app.exec();
    return status != 0 ? status : (driver.Failures() ? 1 : 0);
}
