#include "player/soundcardrecord.h"

#include <algorithm>
#include <chrono>
#include <cstring>

#include "media/support/debuglog.h"
#include "platform/clock.h"
#include "player/sdlvideo.h"

namespace {

constexpr auto kStopWait = std::chrono::seconds(3);  // 300 polls of 10 ms
// A Read wakes at least this often to notice a stop even without data.
constexpr auto kReadWait = std::chrono::milliseconds(200);
constexpr uint32_t kBlocks = 10;

}  // namespace

// ---- CSoundCardRecord ------------------------------------------------------------------------

CSoundCardRecord::CSoundCardRecord() = default;

CSoundCardRecord::~CSoundCardRecord() {
    SignalStop();
    if (m_device) SDL_CloseAudioDevice(m_device);  // returns once SDL's capture thread has stopped
    if (m_audioStarted) {
        std::lock_guard<std::mutex> guard(SdlGlobalLock());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool CSoundCardRecord::Init() {
    if (m_audioStarted) return true;
    std::lock_guard<std::mutex> guard(SdlGlobalLock());
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        g_DebugLog.Format("[ERROR]audio capture: %s\n", SDL_GetError());
        return false;
    }
    m_audioStarted = true;
    return true;
}

void CSoundCardRecord::SetFormat(uint32_t channels, uint32_t sampleRate, uint16_t notifySize) {
    m_channels = channels;
    m_sampleRate = sampleRate;
    m_notifySize = notifySize;
}

bool CSoundCardRecord::CreateCaptureBuffer(const char* device) {
    if (m_device) {
        SDL_CloseAudioDevice(m_device);
        m_device = 0;
    }
    if (m_notifySize == 0 || m_channels == 0 || m_channels > 255 || m_sampleRate == 0) {
        g_DebugLog.Format("[ERROR]Create SoundCapture Buffer failed\n");
        return false;
    }
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_bufferSize = kBlocks * m_notifySize;
        m_ring.assign(m_bufferSize, 0);
        m_writePos = m_dwOffset = m_available = 0;
        m_stop = false;
    }
    SDL_AudioSpec wanted;
    SDL_zero(wanted);
    wanted.freq = int(m_sampleRate);
    wanted.format = AUDIO_S16SYS;
    wanted.channels = Uint8(m_channels);
    // Deliveries no larger than one notify block, so that a block is handed on as soon as it is full.
    Uint16 samples = 4096;
    while (samples > 16 && uint32_t(samples) * 2 * m_channels > m_notifySize) samples /= 2;
    wanted.samples = samples;
    wanted.callback = &CSoundCardRecord::CaptureCallback;
    wanted.userdata = this;
    SDL_AudioSpec obtained;
    m_device = SDL_OpenAudioDevice(device, 1, &wanted, &obtained, 0);
    if (m_device == 0) {
        g_DebugLog.Format("[ERROR]Create SoundCapture Buffer failed\n");
        return false;
    }
    return true;
}

bool CSoundCardRecord::Start() {
    if (!m_device) return false;
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

void SDLCALL CSoundCardRecord::CaptureCallback(void* self, Uint8* stream, int length) {
    CSoundCardRecord& record = *static_cast<CSoundCardRecord*>(self);
    {
        std::lock_guard<std::mutex> guard(record.m_lock);
        const uint32_t size = record.m_bufferSize;
        if (size == 0) return;
        uint32_t remaining = uint32_t(length);
        while (remaining > 0) {
            const uint32_t take = std::min(remaining, size - record.m_writePos);
            std::memcpy(record.m_ring.data() + record.m_writePos, stream, take);
            record.m_writePos = (record.m_writePos + take) % size;
            stream += take;
            remaining -= take;
        }
        record.m_available += uint32_t(length);
        if (record.m_available > size) {
            // The reader fell more than the whole ring behind: the oldest samples are gone, as in
            // any circular capture buffer.
            record.m_dwOffset = record.m_writePos;
            record.m_available = size;
        }
    }
    record.m_recorded.notify_all();
}

void CSoundCardRecord::SignalStop() {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_stop = true;
    }
    m_recorded.notify_all();
}

bool CSoundCardRecord::StopSignalled() {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_stop;
}

uint32_t CSoundCardRecord::Read(uint8_t* buffer, uint32_t capacity) {
    std::unique_lock<std::mutex> lock(m_lock);
    const bool woken =
        m_recorded.wait_for(lock, kReadWait, [&] { return m_stop || (m_notifySize && m_available >= m_notifySize); });

    ++m_wakeups;
    const uint32_t now = platform::TickCountMs();
    if (now - m_lastReport > 9999) {
        g_DebugLog.Format("[TIP]capture audio [%d]\n", int(m_wakeups));
        m_wakeups = 0;
        m_lastReport = now;
    }
    if (m_stop) {
        lock.unlock();
        if (m_device) SDL_PauseAudioDevice(m_device, 1);  // the stop event stops the capture
        return 0;
    }
    if (!woken) return 0;

    uint32_t lockSize = m_available / m_notifySize * m_notifySize;
    lockSize = std::min(lockSize, (kBlocks - 1) * m_notifySize);
    lockSize = std::min(lockSize, capacity / m_notifySize * m_notifySize);
    if (lockSize == 0) {
        g_DebugLog.Format("[TIP]lLockSize=0, dwReadPos=%d, m_dwOffset=%d, dwCapturePos=%d\n", int(m_writePos),
                          int(m_dwOffset), int(m_writePos));
        return 0;
    }
    const uint32_t bytes1 = std::min(lockSize, m_bufferSize - m_dwOffset);
    const uint32_t bytes2 = lockSize - bytes1;
    if (bytes1 + bytes2 > m_notifySize) {
        g_DebugLog.Format("[TIP]bytes1[%d] + bytes2[%d] > notifySize[%d]\n", int(bytes1), int(bytes2),
                          int(m_notifySize));
    }
    std::memcpy(buffer, m_ring.data() + m_dwOffset, bytes1);
    if (bytes2) std::memcpy(buffer + bytes1, m_ring.data(), bytes2);
    m_dwOffset = (m_dwOffset + lockSize) % m_bufferSize;
    m_available -= lockSize;
    return lockSize;
}

// ---- CAudioCapture ---------------------------------------------------------------------------

CAudioCapture::~CAudioCapture() { Stop(); }

int32_t CAudioCapture::EnumDevices(TEGMO_PLAY_EnumAudioDeviceFun callback, void* context) {
    if (!m_record) {
        std::shared_ptr<CSoundCardRecord> record = std::make_shared<CSoundCardRecord>();
        if (!record->Init()) return 0;
        m_record = record;
    }
    if (!callback) return 0;
    // The default device first, as the system's own enumeration lists it, then every device.
    if (!callback(nullptr, "Primary Sound Capture Driver", "", context)) return 1;
    const int count = SDL_GetNumAudioDevices(1);
    for (int i = 0; i < count; ++i) {
        const char* name = SDL_GetAudioDeviceName(i, 1);
        if (!name) continue;
        if (!callback(name, name, "", context)) break;
    }
    return 1;
}

int32_t CAudioCapture::Start(const char* device, uint32_t channels, uint32_t sampleRate, uint32_t chunkBytes,
                             TEGMO_PLAY_AudioCaptureFun callback, void* user) {
    if (m_running.load()) {
        // Only one capture runs at a time: a second start fails and ends the running one (which is
        // stopped properly before its recorder goes).
        Stop();
        return 0;
    }
    m_callback = callback;
    m_user = user;
    if (!m_record) {
        std::shared_ptr<CSoundCardRecord> record = std::make_shared<CSoundCardRecord>();
        if (!record->Init()) return 0;
        m_record = record;
    }
    const uint16_t notify = uint16_t(chunkBytes & 0xFFFF);
    m_record->SetFormat(channels, sampleRate, notify);
    m_record->CreateCaptureBuffer(device);  // logs its failure; starting then fails below
    if (!m_record->Start()) {
        m_record.reset();
        return 0;
    }
    m_running = true;
    m_threadState = std::make_shared<ThreadState>();
    try {
        m_thread = std::thread(&CAudioCapture::AudioCaptureThread, m_record, m_threadState, callback, user, notify);
    } catch (...) {
        m_record.reset();
        m_threadState.reset();
        m_running = false;
        return 0;
    }
    return 1;
}

int32_t CAudioCapture::Stop() {
    if (m_running.load()) {
        m_running = false;
        m_record->SignalStop();
        bool ended;
        {
            std::unique_lock<std::mutex> lock(m_threadState->lock);
            ended = m_threadState->ended.wait_for(lock, kStopWait, [&] { return !m_threadState->alive; });
        }
        if (ended) {
            m_thread.join();
        } else {
            g_DebugLog.Format("[WARN][%" KAVIMO_LOG_ADDR "]StopAudioCapture() return false\n",
                              KAVIMO_LOG_ADDR_ARG(m_record.get()));
            m_thread.detach();  // it keeps the recorder alive until it ends
        }
        m_record.reset();
        m_threadState.reset();
        m_callback = nullptr;
        m_user = nullptr;
    }
    return 1;
}

void CAudioCapture::AudioCaptureThread(std::shared_ptr<CSoundCardRecord> record, std::shared_ptr<ThreadState> state,
                                       TEGMO_PLAY_AudioCaptureFun callback, void* user, uint16_t chunk) {
    g_DebugLog.Format("[TIP][%" KAVIMO_LOG_ADDR "]AudioCaptureThread() entry\n", KAVIMO_LOG_ADDR_ARG(record.get()));
    const uint32_t capacity = kBlocks * uint32_t(chunk);
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[capacity > 0 ? capacity : 1]);
    while (chunk > 0 && !record->StopSignalled()) {
        const uint32_t length = record->Read(buffer.get(), capacity);
        if (length == 0 || !callback) continue;
        for (uint32_t offset = 0; offset < length; offset += chunk) {
            callback(buffer.get() + offset, chunk, user);
        }
    }
    g_DebugLog.Format("[TIP][%" KAVIMO_LOG_ADDR "]AudioCaptureThread() exit\n", KAVIMO_LOG_ADDR_ARG(record.get()));
    {
        std::lock_guard<std::mutex> guard(state->lock);
        state->alive = false;
    }
    state->ended.notify_all();
}
