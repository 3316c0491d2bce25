#include "app/mainwindow/tickthread.h"

#include <chrono>

std::atomic<uint64_t>& GlobalTicks() {
    static std::atomic<uint64_t> ticks{0};
    return ticks;
}

void CTickThread::Start(std::atomic<uint64_t>* windowTicks, unsigned periodMs) {
    Stop();
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_stop = false;
    }
    m_thread = std::thread(&CTickThread::Run, this, windowTicks, periodMs);
}

void CTickThread::Stop() {
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable()) m_thread.join();
}

void CTickThread::Run(std::atomic<uint64_t>* windowTicks, unsigned periodMs) {
    std::unique_lock<std::mutex> lock(m_mutex);
    auto next = std::chrono::steady_clock::now();
    while (!m_stop) {
        windowTicks->fetch_add(1, std::memory_order_release);
        GlobalTicks().fetch_add(1, std::memory_order_release);
        next += std::chrono::milliseconds(periodMs);
        m_wake.wait_until(lock, next, [this] { return m_stop; });
    }
}
