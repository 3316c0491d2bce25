// A clock that only moves when the test says so. The display thread's sleeps are counted and
// return almost at once, so a test can wait until the thread has looked at the queue again.
#pragma once

#include <atomic>
#include <chrono>
#include <thread>

#include "player/playclock.h"

class FakeClock final : public PlayClock {
public:
    uint32_t TimeGetTime() override { return m_ms.load(); }
    uint64_t ReferenceUs() override { return m_referenceUs.load(); }
    int64_t WallSeconds() override { return int64_t(m_referenceUs.load() / 1000000); }
    void Sleep(unsigned) override {
        ++m_sleeps;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }

    // Moves both clocks forward.
    void AdvanceMs(uint32_t ms) {
        m_ms += ms;
        m_referenceUs += uint64_t(ms) * 1000;
    }
    uint64_t NowUs() const { return m_referenceUs.load(); }

    // Waits until the display thread has gone idle twice since the call: it has seen everything
    // done before the call and has nothing more to do for now. False after 5 s.
    bool WaitIdle() {
        const uint64_t start = m_sleeps.load();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (m_sleeps.load() < start + 2) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        return true;
    }

private:
    std::atomic<uint32_t> m_ms{100000};
    std::atomic<uint64_t> m_referenceUs{1700000000ull * 1000000ull};
    std::atomic<uint64_t> m_sleeps{0};
};
