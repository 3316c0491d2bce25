#include "player/audioplay.h"

#include <algorithm>
#include <cstring>

#include "media/support/debuglog.h"
#include "platform/clock.h"
#include "player/sdlvideo.h"

namespace {

std::atomic<uint32_t> g_audioFrameBufNum{2};

constexpr uint32_t kMinSampleRate = 8000;

// SDL asks for audio in buffers of a power-of-two number of sample frames; pick the one nearest a
// block so that the device buffers about as much as one frame.
Uint16 DeviceSamples(uint32_t blockBytes, uint32_t channels) {
    const uint32_t frames = blockBytes / (2 * std::max<uint32_t>(channels, 1));
    uint32_t samples = 256;
    while (samples < frames && samples < 4096) samples *= 2;
    return Uint16(samples);
}

}  // namespace

uint32_t GetAudioFrameBufNum() { return g_audioFrameBufNum.load(); }
void SetAudioFrameBufNum(uint32_t count) { g_audioFrameBufNum = count; }

// ---- CDSoundPlay ----------------------------------------------------------------------------

CDSoundPlay::CDSoundPlay(uint32_t channels, uint32_t sampleRate, uint32_t blockBytes)
    : m_channels(channels),
      m_sampleRate(std::max(sampleRate, kMinSampleRate)),
      m_blockBytes(blockBytes),
      m_block(blockBytes),
      m_blockUsed(blockBytes) {}

CDSoundPlay::~CDSoundPlay() {
    if (m_device) SDL_CloseAudioDevice(m_device);  // returns once the audio thread has stopped
    if (m_audioStarted) {
        std::lock_guard<std::mutex> guard(SdlGlobalLock());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool CDSoundPlay::Create() {
    if (m_device) return true;
    if (m_blockBytes == 0 || m_channels == 0 || m_channels > 255) return false;
    {
        std::lock_guard<std::mutex> guard(SdlGlobalLock());
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            g_DebugLog.Format("[ERROR]audio output: %s\n", SDL_GetError());
            return false;
        }
        m_audioStarted = true;
    }
    SDL_AudioSpec wanted;
    SDL_zero(wanted);
    wanted.freq = int(m_sampleRate);
    wanted.format = AUDIO_S16SYS;
    wanted.channels = Uint8(m_channels);
    wanted.samples = DeviceSamples(m_blockBytes, m_channels);
    wanted.callback = &CDSoundPlay::AudioCallback;
    wanted.userdata = this;
    SDL_AudioSpec obtained;
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (m_device == 0) {
        g_DebugLog.Format("[ERROR]audio output: %s\n", SDL_GetError());
        return false;
    }
    return true;
}

bool CDSoundPlay::Start() {
    if (!m_device) return false;
    SDL_PauseAudioDevice(m_device, 0);
    m_stopped = false;
    return true;
}

void CDSoundPlay::SetFillCallback(FillFun fill, void* context) {
    if (m_device) SDL_LockAudioDevice(m_device);
    m_fill = fill;
    m_fillContext = context;
    if (m_device) SDL_UnlockAudioDevice(m_device);
}

void SDLCALL CDSoundPlay::AudioCallback(void* self, Uint8* stream, int length) {
    CDSoundPlay& play = *static_cast<CDSoundPlay*>(self);
    while (length > 0) {
        if (play.m_blockUsed >= play.m_blockBytes) play.FillBlock();
        const uint32_t take = std::min<uint32_t>(uint32_t(length), play.m_blockBytes - play.m_blockUsed);
        std::memcpy(stream, play.m_block.data() + play.m_blockUsed, take);
        play.m_blockUsed += take;
        stream += take;
        length -= int(take);
    }
}

void CDSoundPlay::FillBlock() {
    ++m_wakeups;
    const uint32_t now = platform::TickCountMs();
    if (now - m_lastReport > 9999) {
        g_DebugLog.Format("[TIP]eat audio [%d]\n", int(m_wakeups));
        m_wakeups = 0;
        m_lastReport = now;
    }
    const int32_t filled = m_fill ? m_fill(m_block.data(), m_blockBytes, nullptr, 0, m_fillContext) : 0;
    if (!filled) {
        if (!m_silence) g_DebugLog.Format("[TIP][%d] audio fill empty data\n", int(now));
        m_silence = true;
        std::memset(m_block.data(), 0, m_blockBytes);
    } else {
        m_silence = false;
    }
    m_blockUsed = 0;
}

// ---- CAudioPlay ------------------------------------------------------------------------------

CAudioPlay::CAudioPlay(TEGMO_PLAY_ReleasePCMFun release, void* releaseUser)
    : m_release(release), m_releaseUser(releaseUser), m_PCMFrameList(1024) {
    m_PCMFrameList.SetKeepLast(false);
    if (m_release) m_PCMFrameList.SetReleaseCallback(&CAudioPlay::ReleaseTrampoline, this);
}

CAudioPlay::~CAudioPlay() {
    std::lock_guard<std::mutex> guard(m_outputLock);
    if (m_output) m_output->SetFillCallback(nullptr, nullptr);
    m_PCMFrameList.Flush();
    m_output.reset();
}

void CAudioPlay::ReleaseTrampoline(TEGMO_PCM_FRAME* frame, void* self) {
    CAudioPlay* play = static_cast<CAudioPlay*>(self);
    play->m_release(frame, play->m_releaseUser);
}

int32_t CAudioPlay::FillTrampoline(uint8_t* part1, uint32_t length1, uint8_t* part2, uint32_t length2, void* self) {
    return static_cast<CAudioPlay*>(self)->Fill(part1, length1, part2, length2);
}

bool CAudioPlay::HasOutput() const {
    std::lock_guard<std::mutex> guard(m_outputLock);
    return m_output != nullptr;
}

bool CAudioPlay::IsPlaying() const {
    std::lock_guard<std::mutex> guard(m_outputLock);
    return m_output && !m_output->IsStopped();
}

void CAudioPlay::DestroyOutput() {
    // The fill routine is detached first, so that the queue can be emptied while the device runs.
    m_output->SetFillCallback(nullptr, nullptr);
    m_PCMFrameList.Flush();
    m_output.reset();
}

int32_t CAudioPlay::Play(const TEGMO_PCM_FRAME* frame) {
    // A record without samples or channels cannot be played (and its block would be empty).
    if (!frame || !frame->data || frame->dataLength == 0 || frame->channels == 0) return 0;
    const uint32_t rate = std::max(frame->sampleRate, kMinSampleRate);

    std::lock_guard<std::mutex> guard(m_outputLock);
    if (m_output && (m_output->Channels() != frame->channels || m_output->SampleRate() != rate ||
                     m_output->BlockBytes() != frame->dataLength)) {
        DestroyOutput();
    }
    if (!m_output) {
        std::unique_ptr<CDSoundPlay> output(new CDSoundPlay(frame->channels, rate, frame->dataLength));
        if (!output->Create()) return 0;
        m_output = std::move(output);
        m_output->SetFillCallback(&CAudioPlay::FillTrampoline, this);
    }
    if (m_PCMFrameList.GetCount() >= GetAudioFrameBufNum() && m_output->IsStopped()) {
        m_output->Start();
        m_underrun = 0;
    }
    return m_PCMFrameList.PushBack(*frame) ? 1 : 0;
}

int32_t CAudioPlay::Fill(uint8_t* part1, uint32_t length1, uint8_t* part2, uint32_t length2) {
    const uint32_t n = GetAudioFrameBufNum();
    if (m_underrun.load() && m_PCMFrameList.GetCount() < n) return 0;

    auto lock = m_PCMFrameList.Lock();
    TEGMO_PCM_FRAME head;
    if (!m_PCMFrameList.Peek(&head)) {
        m_underrun = 1;
        return 0;
    }
    m_underrun = 0;
    // The frame's bytes go into the two parts in order; what the frame lacks stays silent.
    const uint32_t available = head.data ? head.dataLength : 0;
    const uint32_t first = std::min(length1, available);
    if (part1) {
        if (first) std::memcpy(part1, head.data, first);
        std::memset(part1 + first, 0, length1 - first);
    }
    const uint32_t second = std::min(length2, available - first);
    if (part2) {
        if (second) std::memcpy(part2, head.data + first, second);
        std::memset(part2 + second, 0, length2 - second);
    }
    m_PCMFrameList.Pop();

    uint32_t count = m_PCMFrameList.GetCount();
    if (count != m_lastLoggedCount && count > n) {
        g_DebugLog.Format("[TIP]m_PCMFrameList.GetFrameNum()=%d\n", int(count));
        m_lastLoggedCount = count;
    }
    if (count >= 3 * n) {
        g_DebugLog.Format("[TIP]Current[%d] clear to [%d]\n", int(count), int(n));
        while (count > n && m_PCMFrameList.Pop()) count = m_PCMFrameList.GetCount();
    }
    return 1;
}
