#include "app/mainwindow/liveview.h"

namespace {

// The live view's decoder: packed rows, sequence check, all planes in one block, decoding in the
// caller's thread (no output callback).
constexpr int32_t kPackedOutput = 1;
constexpr int32_t kSequenceCheck = 1;
constexpr int32_t kSingleBlock = 1;

}  // namespace

LiveView::~LiveView() { TearDown(); }

bool LiveView::SetUp(const std::function<TEGMO_PLAY_WINDOW()>& videoWindow) {
    if (m_bMediaReady) return false;
    m_bMediaReady = true;
    TEGMO_DEC_Init();
    TEGMO_PLAY_Init();
    TEGMO_PLAY_DEBUG_CONF conf;
    TEGMO_PLAY_GetDebugConf(0, &conf);  // the library's defaults: pacing on, threshold 0
    TEGMO_PLAY_RigisterReleaseYUVFun(&LiveView::ReleaseYUVCallback, this);
    m_hDecoder = TEGMO_DEC_CreateVideoDecoder(kPackedOutput, kSequenceCheck, kSingleBlock, nullptr, nullptr);
    m_hPlayer = TEGMO_PLAY_CreateVideoPlay(videoWindow ? videoWindow() : 0, TEGMO_PLAY_RENDER_DDRAW);
    return true;
}

bool LiveView::TearDown(const std::function<void()>& playerGone) {
    if (!m_bMediaReady) return false;
    m_bMediaReady = false;
    // The receiver goes first: destroying it waits for its parse thread, so no frame callback
    // can be inside the decoder or the player when their handles are deleted below.
    StopReceiver();
    // Deleting the play object stops its display thread and destroys its SDL window before Qt
    // ever destroys the pane's native window; every picture it still holds comes back through
    // the release callback meanwhile.
    TEGMO_DEC_DeleteVideoDecoder(m_hDecoder);
    TEGMO_PLAY_DeleteVideoPlay(m_hPlayer);
    m_hDecoder = 0;
    m_hPlayer = 0;
    if (playerGone) playerGone();
    TEGMO_DEC_Cleanup();
    TEGMO_PLAY_Cleanup();
    m_bStreamEnabled = false;
    m_liveState = LiveState::Idle;
    return true;
}

bool LiveView::StartReceiver(const char* address, uint16_t port, const char* camera) {
    m_pReceiver = StreamReceiver_CreateForSource(address, port, "0.0.0.0", camera, STREAM_TYPE_FRAGMENTED,
                                                 &LiveView::FrameCallback, this);
    return m_pReceiver != nullptr;
}

void LiveView::StopReceiver() {
    if (!m_pReceiver) return;
    StreamReceiver_Destroy(m_pReceiver);
    m_pReceiver = nullptr;
}

bool LiveView::WriteLastFrame(const char* hostPath) const { return TEGMO_PLAY_VideoShotLast(m_hPlayer, hostPath) == 1; }

void LiveView::Refresh() const {
    if (m_hPlayer) TEGMO_PLAY_RefreshPlay(m_hPlayer);
}

// --- Callbacks (receiver's parse thread, player's display thread) --------------------------------

int32_t LiveView::FrameCallback(StreamReceiver*, StreamFrameInfo* info, uint8_t* data, int32_t length, void* live) {
    auto* self = static_cast<LiveView*>(live);
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

void TEGMO_API LiveView::ReleaseYUVCallback(TEGMO_YUV_FRAME* frame, void*) { TEGMO_DEC_ReleaseYUVFrame(frame); }
