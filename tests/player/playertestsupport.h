// Helpers shared by the player tests: temp directories, captured log lines, test pictures, a
// recording release callback and a clock the test drives.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "decoder/TEGMO_Decoder.h"
#include "player/TEGMO_Player.h"

// A fresh directory under $TMPDIR (or /tmp), removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Dir() const { return m_dir; }
    std::string Path(const std::string& name) const { return m_dir + "/" + name; }

private:
    std::string m_dir;
};

bool FileExists(const std::string& path);
long FileSize(const std::string& path);

// Captures the debug trace of this process while it lives (not the trace of the shared library,
// which has its own copy of the trace).
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;
    std::vector<std::string> Lines() const;
    bool Contains(const std::string& text) const;
    int Count(const std::string& text) const;

private:
    // On the heap: a lock at a reused stack address would look like one lock to ThreadSanitizer.
    struct State {
        std::mutex lock;
        std::vector<std::string> lines;
    };
    static void Sink(const char* text, void* state);
    std::unique_ptr<State> m_state;
};

// A packed single-block YV12 picture owned by the test (planes Y, V, U in one buffer).
class TestPicture {
public:
    TestPicture(int32_t width, int32_t height);
    // Paints the rectangle [x0, x1) x [y0, y1) (even coordinates) with one colour.
    void FillRect(int x0, int y0, int x1, int y1, uint8_t y, uint8_t u, uint8_t v);
    const TEGMO_YUV_FRAME& Frame() const { return m_frame; }
    TEGMO_YUV_FRAME Record(uint64_t pts, uint8_t sequence, bool sizeChanged = false) const;

private:
    std::vector<uint8_t> m_buffer;
    TEGMO_YUV_FRAME m_frame;
};

// A record without planes, for play objects that never draw.
TEGMO_YUV_FRAME MakeRecord(uint64_t pts, uint8_t sequence);

// A release callback that remembers what it was given and zeroes the record, as the decoder's
// release does.
class ReleaseRecorder {
public:
    static void TEGMO_API Release(TEGMO_YUV_FRAME* frame, void* self);
    int Total() const;
    int ZeroRecords() const;
    std::vector<uint64_t> ReleasedPts() const;  // of the non-zero records, in order
    int TimesReleased(uint64_t pts) const;

private:
    mutable std::mutex m_lock;
    int m_total = 0;
    int m_zero = 0;
    std::vector<uint64_t> m_pts;
};

// Polls `condition` until it holds or `timeout` passes; returns the last answer.
bool WaitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds timeout = std::chrono::milliseconds(5000));

// PCM records over buffers the test owns, with a release callback that counts and zeroes them.
class PcmSource {
public:
    // A record of `bytes` bytes of 16-bit samples, each byte pattern distinct per record.
    TEGMO_PCM_FRAME Make(uint32_t channels, uint32_t sampleRate, uint32_t bytes);
    static void TEGMO_API Release(TEGMO_PCM_FRAME* frame, void* self);
    int Released() const { return m_released.load(); }
    int ZeroReleased() const { return m_zeroReleased.load(); }

private:
    std::mutex m_lock;
    std::vector<std::vector<uint8_t>> m_buffers;
    std::atomic<int> m_released{0};
    std::atomic<int> m_zeroReleased{0};
};
