// The end-to-end set-up: kavimo's main window in this process, shown on an X server, with the
// camera simulator kavimo-camsim as its camera on loopback, wired exactly as the demo mode wires
// it (CDemoCamera). Each harness has its own d: drive, thumbnail cache and kernel-chosen ports.
#pragma once

#include <QApplication>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>

#include "app/democamera.h"
#include "app/mainwindow/kavimodlg.h"
#include "app/notifiers.h"
#include "camlink/udp.h"
#include "player/TEGMO_Player.h"
#include "records/recordstore.h"
#include "tests/app/support/apptestsupport.h"
#include "xserver.h"

class LiveHarness {
public:
    explicit LiveHarness(const CDemoCamera::Options& options);
    ~LiveHarness();
    LiveHarness(const LiveHarness&) = delete;
    LiveHarness& operator=(const LiveHarness&) = delete;

    // Starts the simulator, the camera link and the window (initialised, shown at 1280 x 980 and
    // exposed). False with the reason.
    bool Start(QString* error);
    // Destroys the window now (its teardown runs); the link and the simulator stay.
    void DestroyDialog() { m_dialog.reset(); }

    CkavimoDlg& Dialog() { return *m_dialog; }
    CDemoCamera& Camera() { return *m_camera; }
    CUdp& Udp() { return *m_udp; }
    RecordStore& Store() { return *m_store; }
    TestDrive& Drive() { return *m_drive; }

private:
    std::unique_ptr<TestDrive> m_drive;
    QTemporaryDir m_cache;
    std::unique_ptr<CDemoCamera> m_camera;
    std::unique_ptr<QtRecordNotifier> m_notifier;
    std::unique_ptr<RecordStore> m_store;
    std::unique_ptr<CUdp> m_udp;
    std::unique_ptr<CkavimoDlg> m_dialog;
};

// The simulator's options for the tests: a small picture keeps the suite light.
CDemoCamera::Options TestCameraOptions(CDemoCamera::Kind kind);

// Counts the pictures a video play object draws: its draw callback runs on the display thread
// after each picture is drawn and before it is presented. Must outlive the play object.
class DrawCounter {
public:
    bool Attach(TEGMO_PLAY_HANDLE play) { return TEGMO_PLAY_RigisterDrawFun(play, &DrawCounter::OnDraw, this) == 1; }
    int Frames() const { return m_frames.load(); }

private:
    static void TEGMO_API OnDraw(TEGMO_PLAY_WINDOW, void*, void* self) { ++static_cast<DrawCounter*>(self)->m_frames; }
    std::atomic<int> m_frames{0};
};

// The widget's pixels as the X server shows them (what the player drew into a native pane).
QImage ScreenPixels(QWidget* widget);
// Share of the pixels (sampled on a grid) that are not black.
double LitFraction(const QImage& image);
// Share of the pixels (sampled on a grid) within a few units of a colour.
double ColourFraction(const QImage& image, QColor colour);
// Share of the pixels (sampled on a grid) that differ clearly between two pictures of one size.
double ChangedFraction(const QImage& a, const QImage& b);

// Why the tests cannot run here (empty when an X server is there).
QString& E2eSkipReason();

#define KAVIMO_E2E_REQUIRE_X()                                                                   \
    do {                                                                                         \
        if (!E2eSkipReason().isEmpty())                                                          \
            QSKIP(qPrintable(QStringLiteral("no X server can be started: ") + E2eSkipReason())); \
    } while (0)

// main(): an X server first (Qt's xcb platform needs it before the application object exists).
#define KAVIMO_E2E_MAIN(TestClass)                                                           \
    int main(int argc, char** argv) {                                                        \
        std::string reason;                                                                  \
        const bool haveX = EnsureXServer(&reason);                                           \
        qputenv("QT_QPA_PLATFORM", haveX ? "xcb" : "offscreen");                             \
        QApplication app(argc, argv);                                                        \
        if (!haveX) {                                                                        \
            E2eSkipReason() = QString::fromStdString(reason);                                \
            std::fprintf(stderr, "SKIP: no X server can be started (%s)\n", reason.c_str()); \
        }                                                                                    \
        TestClass test;                                                                      \
        return QTest::qExec(&test, argc, argv);                                              \
    }
