// The tick thread: raises the window's 64-bit tick counter and the process-wide one every
// 100 ms. The camera probes and the picture camera's freeze wait on the process-wide counter.
// Only this thread writes the counters; everybody else reads them.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

// The process-wide tick counter.
std::atomic<uint64_t>& GlobalTicks();

class CTickThread {
public:
    CTickThread() = default;
    ~CTickThread() { Stop(); }
    CTickThread(const CTickThread&) = delete;
    CTickThread& operator=(const CTickThread&) = delete;

    // Starts raising `windowTicks` (and the global counter) every `periodMs`.
    void Start(std::atomic<uint64_t>* windowTicks, unsigned periodMs = 100);
    // Stops and joins the thread; the window's counter is not touched afterwards.
    void Stop();
    bool Running() const { return m_thread.joinable(); }

private:
    void Run(std::atomic<uint64_t>* windowTicks, unsigned periodMs);

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::thread m_thread;
};
