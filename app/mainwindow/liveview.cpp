// The live view of the main window: the stream camera's video in pane 1098 through the stream
// receiver, the decoder library and the player library, the "Sample" command for both camera
// kinds, and pane 1098's place on screen.
//
// The road of one frame: receive thread -> ring -> parse thread -> FrameCallback (decode, queue
// to the player) -> display thread (pace, draw into pane 1098) -> ReleaseYUVCallback (planes back
// to the decoder library).
#include <QGuiApplication>
#include <QPushButton>

#include <cstring>
#include <string>

#include "app/mainwindow/kavimodlg.h"
#include "app/widgets/messagebox.h"
#include "app/pictures/picturepane.h"
#include "platform/debug.h"
#include "platform/memory.h"

using namespace MainCtl;

namespace {

// The live view's decoder: packed rows, sequence check, all planes in one block, decoding in the
// caller's thread (no output callback).
constexpr int32_t kPackedOutput = 1;
constexpr int32_t kSequenceCheck = 1;
constexpr int32_t kSingleBlock = 1;

}  // namespace

// --- Media set-up and teardown ------------------------------------------------------------------

int CkavimoDlg::SetupMedia() {
    if (m_bMediaReady) return 0;
    m_bMediaReady = 1;
    TEGMO_DEC_Init();
    TEGMO_PLAY_Init();
    TEGMO_PLAY_DEBUG_CONF conf;
    TEGMO_PLAY_GetDebugConf(0, &conf);  // the library's defaults: pacing on, threshold 0
    TEGMO_PLAY_RigisterReleaseYUVFun(&CkavimoDlg::ReleaseYUVCallback, this);
    m_hDecoder = TEGMO_DEC_CreateVideoDecoder(kPackedOutput, kSequenceCheck, kSingleBlock, nullptr, nullptr);
    m_hPlayer = TEGMO_PLAY_CreateVideoPlay(VideoWindow(), TEGMO_PLAY_RENDER_DDRAW);
    // Without a play object nothing is drawn into the pane: it paints with Qt again. Frames are
    // then decoded and released at once (the live view's states stay as they are).
    if (!m_hPlayer) m_pane1->UnbindVideo();
    m_bStreamEnabled = 1;
    m_nLiveState = 0;
    EnableButtons({IdFreeze, IdSample}, true);
    if (!m_pReceiver) OnSample();
    UpdateLivePane();
    return 1;
}

int CkavimoDlg::TeardownMedia() {
    if (!m_bMediaReady) return 0;
    m_bMediaReady = 0;
    EnableButtons({IdFreeze, IdSample}, false);
    EnableButtons({IdUser, IdImport, IdExport, IdPickup, IdPrint}, true);
    // The receiver goes first: destroying it waits for its parse thread, so no frame callback
    // can be inside the decoder or the player when their handles are deleted below.
    if (m_pReceiver) {
        StreamReceiver_Destroy(m_pReceiver);
        m_pReceiver = nullptr;
    }
    // Deleting the play object stops its display thread and destroys its SDL window before Qt
    // ever destroys the pane's native window; every picture it still holds comes back through
    // the release callback meanwhile.
    TEGMO_DEC_DeleteVideoDecoder(m_hDecoder);
    TEGMO_PLAY_DeleteVideoPlay(m_hPlayer);
    m_hDecoder = 0;
    m_hPlayer = 0;
    m_pane1->UnbindVideo();
    TEGMO_DEC_Cleanup();
    TEGMO_PLAY_Cleanup();
    m_bStreamEnabled = 0;
    m_nLiveState = 0;
    // What the decoder, the player and their threads freed goes back to the system: the live view
    // comes and goes with the camera all day.
    platform::ReleaseFreeMemorySoon();
    // The disabled buttons no longer claim a live view or a frozen frame.
    Button(IdSample)->setText(QStringLiteral("Sample"));
    Button(IdFreeze)->setText(QStringLiteral("Freeze"));
    UpdateLivePane();
    return 1;
}

TEGMO_PLAY_WINDOW CkavimoDlg::VideoWindow() {
    // The player draws into X11 windows; other platforms (the tests' offscreen one) have none.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return 0;
    if (!m_pane1->VideoBound()) {
        m_pane1->SetExposeHandler([this] {
            if (m_hPlayer) TEGMO_PLAY_RefreshPlay(m_hPlayer);
        });
    }
    return TEGMO_PLAY_WINDOW(m_pane1->BindVideo());
}

void CkavimoDlg::UpdateLivePane() {
    // A pane that is not a native window is transparent where nothing is drawn: it can stay.
    if (!m_pane1->IsNativeWindow()) return;
    const bool show = (m_pane1->VideoBound() && m_nLiveState != 0) || !m_pane1->Canvas().isNull();
    if (m_pane1->isVisibleTo(this) == show) return;
    m_pane1->setVisible(show);
    // Under a native pane the window's own pixels were never put on screen: what the panes
    // below hold is drawn there anew, or the last video frame's place would stay black.
    if (!show) update(m_pane1->geometry());
}

// --- Callbacks (receiver's parse thread, player's display thread) --------------------------------

int32_t CkavimoDlg::FrameCallback(StreamReceiver*, StreamFrameInfo* info, uint8_t* data, int32_t length,
                                  void* window) {
    auto* self = static_cast<CkavimoDlg*>(window);
    TEGMO_YUV_FRAME picture;
    int32_t result = TEGMO_DEC_VideoDecode(self->m_hDecoder, info, data, length, &picture);
    if (result) {
        // The player queues a copy of the record; the planes come back through the release
        // callback once the picture has been shown.
        result = TEGMO_PLAY_VideoPlay(self->m_hPlayer, &picture);
        // A picture the player refused (no play object, full queue) is still ours to free.
        if (!result) TEGMO_DEC_ReleaseYUVFrame(&picture);
    }
    return result;
}

void TEGMO_API CkavimoDlg::ReleaseYUVCallback(TEGMO_YUV_FRAME* frame, void*) { TEGMO_DEC_ReleaseYUVFrame(frame); }

// --- Receiver -------------------------------------------------------------------------------------

StreamReceiver* CkavimoDlg::CreateReceiver() {
    const CameraLinkConfig& config = m_udp.Config();
    // The receiver takes 8-bit text (the address fits 32 bytes: at most 15 characters).
    char address[32] = {};
    std::strncpy(address, config.localBindIp.c_str(), sizeof address - 1);
    StreamReceiver* receiver =
        StreamReceiver_Create(address, config.videoPort, "0.0.0.0", STREAM_TYPE_FRAGMENTED, &CkavimoDlg::FrameCallback, this);
    if (!receiver) {
        platform::DebugWarning("kavimo: cannot receive video on %s:%u\n", address, unsigned(config.videoPort));
        // Said once per run (the watchdog retries with every reconnection), and after the
        // command that asked for it has finished.
        if (!m_bReceiverFailureShown) {
            m_bReceiverFailureShown = true;
            const QString text = QStringLiteral("The camera's video cannot be received: UDP port %1 (%2) is not available.")
                                     .arg(config.videoPort)
                                     .arg(QString::fromStdString(config.localBindIp));
            QMetaObject::invokeMethod(
                this, [this, text] { ShowMessageBox(this, text, QStringLiteral("Oral image acquisition system")); },
                Qt::QueuedConnection);
        }
    }
    return receiver;
}

// --- "Sample" -------------------------------------------------------------------------------------

void CkavimoDlg::OnSample() {
    if (!m_bStreamEnabled) return;
    // The buttons of reviewing and managing pictures are off while pictures come in.
    auto reviewButtons = [this](bool enable) { EnableButtons({IdUser, IdImport, IdExport, IdPickup, IdPrint}, enable); };
    if (m_nCameraType == CAMERA_STREAM) {
        if (!m_pReceiver) {
            // A receiver that cannot be made leaves the live view's state as if it ran: the next
            // press tries again.
            m_pReceiver = CreateReceiver();
            // Coming from a frozen frame drops it: the capture cycle starts again at "Freeze".
            m_nLiveState = 1;
            Button(IdSample)->setText(QStringLiteral("Stop"));
            Button(IdFreeze)->setText(QStringLiteral("Freeze"));
            reviewButtons(false);
            EnableButtons({IdFreeze}, true);
        } else {
            StreamReceiver_Destroy(m_pReceiver);
            m_pReceiver = nullptr;
            m_nLiveState = 0;
            Button(IdSample)->setText(QStringLiteral("Sample"));
            m_store.GetCurrentUser(&m_curPatient);
            reviewButtons(true);
            EnableButtons({IdFreeze}, false);
        }
        UpdateLivePane();
    } else if (m_nCameraType == CAMERA_PICTURE) {
        if (m_bJpegDisplay) {
            m_bJpegDisplay = 0;
            Button(IdSample)->setText(QStringLiteral("Sample"));
            reviewButtons(true);
            EnableButtons({IdFreeze}, false);
        } else {
            m_bJpegDisplay = 1;
            Button(IdSample)->setText(QStringLiteral("Stop"));
            reviewButtons(false);
            EnableButtons({IdFreeze}, true);
        }
    }
}
