#include "playertestsupport.h"

#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "platform/debug.h"

TempDir::TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/kavimo-player-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data())) throw std::runtime_error("mkdtemp failed");
    m_dir = buffer.data();
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
}

bool FileExists(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0;
}

long FileSize(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 ? long(status.st_size) : -1;
}

LogCapture::LogCapture() : m_state(new State) { platform::SetDebugSink(&LogCapture::Sink, m_state.get()); }

LogCapture::~LogCapture() { platform::SetDebugSink(nullptr, nullptr); }

void LogCapture::Sink(const char* text, void* state) {
    State* capture = static_cast<State*>(state);
    std::lock_guard<std::mutex> guard(capture->lock);
    capture->lines.push_back(text);
}

std::vector<std::string> LogCapture::Lines() const {
    std::lock_guard<std::mutex> guard(m_state->lock);
    return m_state->lines;
}

bool LogCapture::Contains(const std::string& text) const { return Count(text) > 0; }

int LogCapture::Count(const std::string& text) const {
    std::lock_guard<std::mutex> guard(m_state->lock);
    int count = 0;
    for (const std::string& line : m_state->lines) {
        if (line.find(text) != std::string::npos) ++count;
    }
    return count;
}

TestPicture::TestPicture(int32_t width, int32_t height)
    : m_buffer(size_t(width) * height + 2 * size_t((width + 1) / 2) * ((height + 1) / 2), 0) {
    std::memset(&m_frame, 0, sizeof m_frame);
    m_frame.width = width;
    m_frame.height = height;
    m_frame.strideY = width;
    m_frame.strideU = (width + 1) / 2;
    m_frame.strideV = (width + 1) / 2;
    m_frame.planeY = m_buffer.data();
    m_frame.planeV = m_frame.planeY + size_t(width) * height;
    m_frame.planeU = m_frame.planeV + size_t(m_frame.strideV) * ((height + 1) / 2);
    m_frame.singleBlock = 1;
    m_frame.sizeChanged = 1;
    FillRect(0, 0, width, height, 16, 128, 128);
}

void TestPicture::FillRect(int x0, int y0, int x1, int y1, uint8_t y, uint8_t u, uint8_t v) {
    for (int row = y0; row < y1; ++row) {
        std::memset(m_frame.planeY + size_t(row) * m_frame.strideY + x0, y, size_t(x1 - x0));
    }
    for (int row = y0 / 2; row < (y1 + 1) / 2; ++row) {
        std::memset(m_frame.planeU + size_t(row) * m_frame.strideU + x0 / 2, u, size_t((x1 - x0 + 1) / 2));
        std::memset(m_frame.planeV + size_t(row) * m_frame.strideV + x0 / 2, v, size_t((x1 - x0 + 1) / 2));
    }
}

TEGMO_YUV_FRAME TestPicture::Record(uint64_t pts, uint8_t sequence, bool sizeChanged) const {
    TEGMO_YUV_FRAME record = m_frame;
    record.pts = pts;
    record.sequence = sequence;
    record.sizeChanged = sizeChanged ? 1 : 0;
    return record;
}

TEGMO_YUV_FRAME MakeRecord(uint64_t pts, uint8_t sequence) {
    TEGMO_YUV_FRAME record;
    std::memset(&record, 0, sizeof record);
    record.width = 16;
    record.height = 16;
    record.pts = pts;
    record.sequence = sequence;
    return record;
}

void TEGMO_API ReleaseRecorder::Release(TEGMO_YUV_FRAME* frame, void* self) {
    ReleaseRecorder* recorder = static_cast<ReleaseRecorder*>(self);
    static const TEGMO_YUV_FRAME kZero = {};
    std::lock_guard<std::mutex> guard(recorder->m_lock);
    ++recorder->m_total;
    if (std::memcmp(frame, &kZero, sizeof kZero) == 0) {
        ++recorder->m_zero;
    } else {
        recorder->m_pts.push_back(frame->pts);
    }
    std::memset(frame, 0, sizeof *frame);
}

int ReleaseRecorder::Total() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_total;
}

int ReleaseRecorder::ZeroRecords() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_zero;
}

std::vector<uint64_t> ReleaseRecorder::ReleasedPts() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_pts;
}

int ReleaseRecorder::TimesReleased(uint64_t pts) const {
    std::lock_guard<std::mutex> guard(m_lock);
    int count = 0;
    for (uint64_t value : m_pts) count += value == pts;
    return count;
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return condition();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

TEGMO_PCM_FRAME PcmSource::Make(uint32_t channels, uint32_t sampleRate, uint32_t bytes) {
    std::lock_guard<std::mutex> guard(m_lock);
    std::vector<uint8_t> buffer(bytes);
    const uint8_t seed = uint8_t(m_buffers.size() * 37 + 1);
    for (uint32_t i = 0; i < bytes; ++i) buffer[i] = uint8_t(seed + i * 7);
    m_buffers.push_back(std::move(buffer));
    TEGMO_PCM_FRAME frame;
    std::memset(&frame, 0, sizeof frame);
    frame.channels = channels;
    frame.sampleRate = sampleRate;
    frame.dataLength = bytes;
    frame.data = m_buffers.back().data();
    frame.timestamp = m_buffers.size();
    return frame;
}

void TEGMO_API PcmSource::Release(TEGMO_PCM_FRAME* frame, void* self) {
    PcmSource* source = static_cast<PcmSource*>(self);
    if (frame->data) {
        ++source->m_released;
    } else {
        ++source->m_zeroReleased;
    }
    std::memset(frame, 0, sizeof *frame);
}

#if defined(__SANITIZE_THREAD__)
// Mesa's software OpenGL (llvmpipe, under Xvfb) destroys a fence's lock while its rasteriser
// thread is still leaving the broadcast; ThreadSanitizer sees that inside the driver. Not ours to
// fix, and nothing of the player's own synchronisation is hidden by it.
extern "C" __attribute__((visibility("default"))) const char* __tsan_default_suppressions() {
    return "race:swrast_dri.so\n";
}
#endif

#if defined(__SANITIZE_ADDRESS__)
// What the system's libraries keep for the life of the process (D-Bus's one-time set-up,
// fontconfig's caches, Mesa's OpenGL driver) is not the player's to free.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
    return "leak:libdbus-1\n"
           "leak:libfontconfig\n"
           "leak:libGLX_mesa\n"
           "leak:swrast_dri.so\n"
           "leak:libLLVM\n";
}
#endif
