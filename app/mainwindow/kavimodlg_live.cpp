// The live view of the main window: the stream camera's video in pane 1098 through the stream
// receiver, the decoder library and the player library, the "Sample" command for both camera
// kinds, and pane 1098's place on screen.
//
// The road of one frame: receive thread -> ring -> parse thread -> FrameCallback (decode, queue
// to the player) -> display thread (pace, draw into pane 1098) -> ReleaseYUVCallback (planes back
// to the decoder library).
#include <QGuiApplication>
#include <QImage>
#include <QPushButton>

#include <cstring>
#include <string>

#include "app/mainwindow/kavimodlg.h"
#include "app/pictures/picturepane.h"
#include "app/widgets/messagebox.h"
#include "app/widgets/translation.h"
#include "platform/debug.h"
#include "platform/memory.h"
#include "platform/paths.h"

using namespace MainCtl;

// --- Media set-up and teardown ------------------------------------------------------------------

int CkavimoDlg::SetupMedia() {
    // A frame frozen before the camera went away still waits for "Save Pic" (or "Sample", which
    // drops it and goes live).
    const bool frozen = m_live.State() == LiveState::Frozen;
    if (!m_live.SetUp([this] { return VideoWindow(); })) return 0;
    // Without a play object nothing is drawn into the pane: it paints with Qt again. Frames are
    // then decoded and released at once (the live view's states stay as they are).
    if (!m_live.Player()) m_pane1->UnbindVideo();
    m_live.SetStreamEnabled(true);
    EnableButtons({IdFreeze, IdSample}, true);
    if (!frozen) {
        SetLiveState(LiveState::Idle);
        if (!m_live.HasReceiver()) OnSample();
    }
    UpdateLivePane();
    return 1;
}

int CkavimoDlg::TeardownMedia() {
    if (!m_live.MediaReady()) return 0;
    // A frozen frame is already written; it outlives the camera's link (not the window).
    const bool keepFrozen = m_live.State() == LiveState::Frozen && !m_bClosing;
    EnableButtons({IdFreeze, IdSample}, false);
    EnableButtons({IdUser, IdImport, IdExport, IdPickup, IdPrint}, true);
    // The pane lets go of its video window once the play object is gone. The live view is idle
    // afterwards, the stream disabled.
    m_live.TearDown([this] { m_pane1->UnbindVideo(); });
    // What the decoder, the player and their threads freed goes back to the system: the live view
    // comes and goes with the camera all day.
    platform::ReleaseFreeMemorySoon();
    // The disabled buttons no longer claim a live view or a frozen frame.
    Button(IdSample)->setText(Ui::tr("Sample"));
    Button(IdFreeze)->setText(Ui::tr("Freeze"));
    if (keepFrozen) KeepFrozenFrame();
    UpdateLivePane();
    return 1;
}

// The camera's link dropped while a frame was frozen: the frame (as written for "Save Pic") stays
// on pane 1098, frozen, and "Save Pic" still stores it.
void CkavimoDlg::KeepFrozenFrame() {
    const QImage frame(QString::fromStdString(platform::HostPath(kFrozenFramePath)));
    if (frame.isNull()) return;  // nothing was written: there is nothing to store
    SetLiveState(LiveState::Frozen);
    m_pane1->DrawStretched(frame);
    Button(IdFreeze)->setText(Ui::tr("Save Pic"));
    EnableButtons({IdFreeze}, true);
    EnableButtons({IdUser, IdImport, IdExport, IdPickup, IdPrint}, false);
}

// The frame kept without a camera has been stored (or could not be): back to reviewing.
void CkavimoDlg::LeaveFrozenWithoutCamera() {
    SetLiveState(LiveState::Idle);
    m_pane1->ClearPane();
    Button(IdFreeze)->setText(Ui::tr("Freeze"));
    EnableButtons({IdFreeze}, false);
    EnableButtons({IdUser, IdImport, IdExport, IdPickup, IdPrint}, true);
    ShowNewestPictures();
    UpdateLivePane();
}

TEGMO_PLAY_WINDOW CkavimoDlg::VideoWindow() {
    // The player draws into X11 windows; other platforms (the tests' offscreen one) have none.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return 0;
    if (!m_pane1->VideoBound()) {
        m_pane1->SetExposeHandler([this] { m_live.Refresh(); });
    }
    return TEGMO_PLAY_WINDOW(m_pane1->BindVideo());
}

void CkavimoDlg::UpdateLivePane() {
    // A pane that is not a native window is transparent where nothing is drawn: it can stay.
    if (!m_pane1->IsNativeWindow()) return;
    const bool show = (m_pane1->VideoBound() && m_live.State() != LiveState::Idle) || !m_pane1->Canvas().isNull();
    if (m_pane1->isVisibleTo(this) == show) return;
    m_pane1->setVisible(show);
    // Under a native pane the window's own pixels were never put on screen: what the panes
    // below hold is drawn there anew, or the last video frame's place would stay black.
    if (!show) update(m_pane1->geometry());
}

// --- Receiver -------------------------------------------------------------------------------------

bool CkavimoDlg::StartReceiver() {
    const CameraLinkConfig& config = m_udp.Config();
    // The receiver takes 8-bit text (the address fits 32 bytes: at most 15 characters).
    char address[32] = {};
    std::strncpy(address, config.localBindIp.c_str(), sizeof address - 1);
    const bool started = m_live.StartReceiver(address, config.videoPort, config.streamCameraIp.c_str());
    if (!started) {
        platform::DebugWarning("kavimo: cannot receive video on %s:%u\n", address, unsigned(config.videoPort));
        // Said once per run (the watchdog retries with every reconnection), and after the
        // command that asked for it has finished.
        if (!m_bReceiverFailureShown) {
            m_bReceiverFailureShown = true;
            const QString text = Ui::tr("The camera's video cannot be received: UDP port %1 (%2) is not available.")
                                     .arg(config.videoPort)
                                     .arg(QString::fromStdString(config.localBindIp));
            QMetaObject::invokeMethod(
                this, [this, text] { ShowMessageBox(this, text, Ui::tr("Oral image acquisition system")); },
                Qt::QueuedConnection);
        }
    }
    return started;
}

// --- "Sample" -------------------------------------------------------------------------------------

void CkavimoDlg::OnSample() {
    if (!m_live.StreamEnabled()) return;
    // The buttons of reviewing and managing pictures are off while pictures come in.
    auto reviewButtons = [this](bool enable) {
        EnableButtons({IdUser, IdImport, IdExport, IdPickup, IdPrint}, enable);
    };
    if (m_nCameraType == CAMERA_STREAM) {
        if (!m_live.HasReceiver()) {
            // A receiver that cannot be made leaves the live view's state as if it ran: the next
            // press tries again.
            StartReceiver();
            // Coming from a frozen frame drops it: the capture cycle starts again at "Freeze".
            SetLiveState(LiveState::Live);
            Button(IdSample)->setText(Ui::tr("Stop"));
            Button(IdFreeze)->setText(Ui::tr("Freeze"));
            reviewButtons(false);
            EnableButtons({IdFreeze}, true);
        } else {
            m_live.StopReceiver();
            SetLiveState(LiveState::Idle);
            Button(IdSample)->setText(Ui::tr("Sample"));
            m_store.GetCurrentUser(&m_curPatient);
            reviewButtons(true);
            EnableButtons({IdFreeze}, false);
            // The big pane shows the current picture again, not the emptied video slot.
            ShowCurrentPictures();
        }
        UpdateLivePane();
    } else if (m_nCameraType == CAMERA_PICTURE) {
        if (m_bJpegDisplay) {
            m_bJpegDisplay = false;
            Button(IdSample)->setText(Ui::tr("Sample"));
            reviewButtons(true);
            EnableButtons({IdFreeze}, false);
            ShowCurrentPictures();
        } else {
            m_bJpegDisplay = true;
            Button(IdSample)->setText(Ui::tr("Stop"));
            reviewButtons(false);
            EnableButtons({IdFreeze}, true);
        }
    }
}
