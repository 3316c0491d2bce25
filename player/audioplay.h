// Audio playback: CAudioPlay keeps a short queue of PCM frames and feeds an output device,
// CDSoundPlay, one block (one frame's worth of bytes) at a time.
//
// Threads: Play and FrameCount may be called from any thread (one Play at a time per object). The
// output device pulls blocks on SDL's audio thread through Fill; the two meet in the PCM list's lock.
#pragma once

#include <SDL.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "decoder/TEGMO_Decoder.h"
#include "media/support/framelisttemplate.h"
#include "player/TEGMO_Player.h"

// The number of frames an audio play object queues before it starts playing (library-wide).
uint32_t GetAudioFrameBufNum();
void SetAudioFrameBufNum(uint32_t count);

// The output device: 16-bit PCM with the given channels and rate (raised to 8000 Hz at least),
// played in blocks of blockBytes. Each block comes from the fill callback; when the callback has
// nothing, the block is silence.
class CDSoundPlay {
public:
    // Copies the next block into part1 (and part2, here always empty); 1 when it did, 0 for silence.
    using FillFun = int32_t (*)(uint8_t* part1, uint32_t length1, uint8_t* part2, uint32_t length2, void* context);

    CDSoundPlay(uint32_t channels, uint32_t sampleRate, uint32_t blockBytes);
    // Stops playback (waiting for the audio thread to leave the fill routine) and closes the device.
    ~CDSoundPlay();
    CDSoundPlay(const CDSoundPlay&) = delete;
    CDSoundPlay& operator=(const CDSoundPlay&) = delete;

    // Opens the default output device, paused; false when there is none.
    bool Create();
    // Starts (unpauses) playback; false when the device is not open.
    bool Start();
    bool IsStopped() const { return m_stopped.load(); }

    // Attaches (or with null detaches) the fill routine; waits for a running fill to finish.
    void SetFillCallback(FillFun fill, void* context);

    uint32_t Channels() const { return m_channels; }
    uint32_t SampleRate() const { return m_sampleRate; }
    uint32_t BlockBytes() const { return m_blockBytes; }

private:
    static void SDLCALL AudioCallback(void* self, Uint8* stream, int length);
    void FillBlock();

    const uint32_t m_channels;
    const uint32_t m_sampleRate;
    const uint32_t m_blockBytes;
    SDL_AudioDeviceID m_device = 0;
    bool m_audioStarted = false;  // the SDL audio subsystem was started for this object
    std::atomic<bool> m_stopped{true};

    // Audio thread only (or under the device lock).
    FillFun m_fill = nullptr;
    void* m_fillContext = nullptr;
    std::vector<uint8_t> m_block;
    uint32_t m_blockUsed = 0;  // bytes of m_block already played
    bool m_silence = false;
    uint32_t m_wakeups = 0;
    uint32_t m_lastReport = 0;
};

class CAudioPlay {
public:
    CAudioPlay(TEGMO_PLAY_ReleasePCMFun release, void* releaseUser);
    // Releases every queued frame, then stops and closes the output.
    virtual ~CAudioPlay();
    CAudioPlay(const CAudioPlay&) = delete;
    CAudioPlay& operator=(const CAudioPlay&) = delete;

    // Queues a copy of the record, (re)building the output for its format and starting playback once
    // enough frames are queued; 1 when queued, 0 when refused (the caller keeps the record).
    int32_t Play(const TEGMO_PCM_FRAME* frame);
    uint32_t FrameCount() const { return m_PCMFrameList.GetCount(); }

    // The fill routine of the output: the next frame's bytes, or 0 for silence while the queue is
    // empty or, after running dry, until it holds N frames again. Trims the queue to N frames when
    // 3 x N pile up. Runs on the audio thread; public for tests.
    int32_t Fill(uint8_t* part1, uint32_t length1, uint8_t* part2, uint32_t length2);

    // Whether an output exists and whether it is playing (diagnostics).
    bool HasOutput() const;
    bool IsPlaying() const;
    bool Underrun() const { return m_underrun.load() != 0; }

private:
    static int32_t FillTrampoline(uint8_t* part1, uint32_t length1, uint8_t* part2, uint32_t length2, void* self);
    static void ReleaseTrampoline(TEGMO_PCM_FRAME* frame, void* self);
    void DestroyOutput();

    const TEGMO_PLAY_ReleasePCMFun m_release;  // before the list, which calls it to the end
    void* const m_releaseUser;
    CFrameListTemplate<TEGMO_PCM_FRAME> m_PCMFrameList;
    mutable std::mutex m_outputLock;  // guards m_output against concurrent Play calls
    std::unique_ptr<CDSoundPlay> m_output;
    uint32_t m_lastLoggedCount = 0;  // audio thread only
    std::atomic<uint32_t> m_underrun{1};
};
