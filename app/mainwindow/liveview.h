// LiveView: the stream camera's live video in the main window's pane 1098. It owns the decoder
// handle, the play object, the stream receiver and the live state; the window decides when they
// come and go and what the buttons say.
//
// The road of one frame: receive thread -> ring -> parse thread -> FrameCallback (decode, queue
// to the player) -> display thread (pace, draw into the pane) -> ReleaseYUVCallback (planes back
// to the decoder library).
//
// Threads: everything here runs on the user-interface thread except the frame callback (the
// stream receiver's parse thread) and the release callback (the player's display thread). They
// read m_hDecoder and m_hPlayer without a lock: the handles are made before the receiver starts
// and deleted only after it has been destroyed, which waits for its threads, so no callback runs
// while they change.
#pragma once

#include <cstdint>
#include <functional>

#include "decoder/TEGMO_Decoder.h"
#include "player/TEGMO_Player.h"
#include "stream/streamreceiver.h"

// Idle: no video comes in; Live: the receiver runs and frames are shown; Frozen: the receiver is
// gone and the last frame stays on the pane, waiting to be stored or dropped.
enum class LiveState { Idle, Live, Frozen };

// The frozen frame as the player writes it, before "Save Pic" makes it a JPEG.
inline constexpr char kFrozenFramePath[] = "d:\\DentalWorkDir\\temp.bmp";

class LiveView {
public:
    LiveView() = default;
    // Tears the media down when the window did not.
    ~LiveView();
    LiveView(const LiveView&) = delete;
    LiveView& operator=(const LiveView&) = delete;

    // Initialises both libraries and creates the decoder and the video play object drawing into
    // the window `videoWindow` gives (0: none), asked for once the libraries are up. False at once
    // when they are set up already.
    bool SetUp(const std::function<TEGMO_PLAY_WINDOW()>& videoWindow);
    // The receiver first (it waits for its threads), then the decoder and the play object, then
    // (after `playerGone`, which may let go of the video window) both libraries; the stream is
    // disabled and the state goes back to idle. False at once when they are down.
    bool TearDown(const std::function<void()>& playerGone = {});
    bool MediaReady() const { return m_bMediaReady; }

    // "Sample" and "Freeze" work only while the media are set up.
    bool StreamEnabled() const { return m_bStreamEnabled; }
    void SetStreamEnabled(bool enabled) { m_bStreamEnabled = enabled; }

    LiveState State() const { return m_liveState; }
    void SetState(LiveState state) { m_liveState = state; }

    // The receiver on that local address and port, taking datagrams only from the camera's
    // address `camera` (0.0.0.0: from anyone), its frames going to FrameCallback; false when it
    // cannot be made (nothing runs then).
    bool StartReceiver(const char* address, uint16_t port, const char* camera);
    // Destroys the receiver (waiting for its threads); nothing when there is none.
    void StopReceiver();
    bool HasReceiver() const { return m_pReceiver != nullptr; }

    // Writes the last frame shown as a BMP file; true when it was written.
    bool WriteLastFrame(const char* hostPath) const;
    // Draws the last frame again (the pane was uncovered).
    void Refresh() const;

    TEGMO_DEC_HANDLE Decoder() const { return m_hDecoder; }
    TEGMO_PLAY_HANDLE Player() const { return m_hPlayer; }

    // The stream receiver's frame callback: decodes the frame and queues the picture for display.
    static int32_t FrameCallback(StreamReceiver* receiver, StreamFrameInfo* info, uint8_t* data, int32_t length,
                                 void* live);
    // The player's release callback: gives a shown (or dropped) picture back to the decoder.
    static void TEGMO_API ReleaseYUVCallback(TEGMO_YUV_FRAME* frame, void* live);

private:
    bool m_bMediaReady = false;
    bool m_bStreamEnabled = false;
    LiveState m_liveState = LiveState::Idle;
    TEGMO_DEC_HANDLE m_hDecoder = 0;
    TEGMO_PLAY_HANDLE m_hPlayer = 0;
    StreamReceiver* m_pReceiver = nullptr;
};
