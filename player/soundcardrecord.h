// Audio capture: CSoundCardRecord records 16-bit PCM from a capture device into a ring of ten
// notify-size blocks; CAudioCapture (the manager's capture part) runs the capture thread that hands
// the recording to the caller's chunk callback.
//
// Threads: SDL's audio thread writes into the ring, the capture thread reads from it; they meet in
// the ring's lock. CAudioCapture's functions are called from the application's threads, one at a
// time (the manager's exports).
#pragma once

#include <SDL.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "player/TEGMO_Player.h"

class CSoundCardRecord {
public:
    CSoundCardRecord();
    // Stops capturing and closes the device.
    ~CSoundCardRecord();
    CSoundCardRecord(const CSoundCardRecord&) = delete;
    CSoundCardRecord& operator=(const CSoundCardRecord&) = delete;

    // Starts the SDL audio system; false when it cannot be used.
    bool Init();

    void SetFormat(uint32_t channels, uint32_t sampleRate, uint16_t notifySize);
    // Opens the capture device (a name from the enumeration, null for the default) with the format,
    // and a ring of 10 x notify-size bytes; false (logged) on failure.
    bool CreateCaptureBuffer(const char* device);
    // Starts recording; false when no device is open.
    bool Start();

    // Waits until at least one notify-size block has been recorded (or the stop event), then copies
    // whole blocks, at most 9, into `buffer`; returns the bytes copied (0 on stop or time-out).
    uint32_t Read(uint8_t* buffer, uint32_t capacity);
    // Wakes a Read and makes it and every later Read return at once.
    void SignalStop();
    bool StopSignalled();

    uint16_t NotifySize() const { return m_notifySize; }
    uint32_t BufferSize() const { return m_bufferSize; }

private:
    static void SDLCALL CaptureCallback(void* self, Uint8* stream, int length);

    uint32_t m_channels = 1;
    uint32_t m_sampleRate = 16000;
    uint16_t m_notifySize = 2048;
    uint32_t m_bufferSize = 0;  // 10 x notify size
    SDL_AudioDeviceID m_device = 0;
    bool m_audioStarted = false;

    std::mutex m_lock;  // guards the ring and the stop flag
    std::condition_variable m_recorded;
    std::vector<uint8_t> m_ring;
    uint32_t m_writePos = 0;
    uint32_t m_dwOffset = 0;  // read offset
    uint32_t m_available = 0;
    bool m_stop = false;

    uint32_t m_wakeups = 0;  // capture thread only
    uint32_t m_lastReport = 0;
};

// The capture part of the manager.
class CAudioCapture {
public:
    CAudioCapture() = default;
    ~CAudioCapture();  // stops a running capture

    int32_t EnumDevices(TEGMO_PLAY_EnumAudioDeviceFun callback, void* context);
    int32_t Start(const char* device, uint32_t channels, uint32_t sampleRate, uint32_t chunkBytes,
                  TEGMO_PLAY_AudioCaptureFun callback, void* user);
    int32_t Stop();

private:
    // What the capture thread shares with its starter; the thread holds it (and the recorder) until
    // it ends, so a thread that does not stop in time never touches freed memory.
    struct ThreadState {
        std::mutex lock;
        std::condition_variable ended;
        bool alive = true;
    };

    static void AudioCaptureThread(std::shared_ptr<CSoundCardRecord> record, std::shared_ptr<ThreadState> state,
                                   TEGMO_PLAY_AudioCaptureFun callback, void* user, uint16_t chunk);

    std::shared_ptr<CSoundCardRecord> m_record;
    std::shared_ptr<ThreadState> m_threadState;
    TEGMO_PLAY_AudioCaptureFun m_callback = nullptr;
    void* m_user = nullptr;
    std::atomic<bool> m_running{false};
    std::thread m_thread;
};
