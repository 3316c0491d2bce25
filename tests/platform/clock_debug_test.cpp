#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/clock.h"
#include "platform/debug.h"

namespace {

TEST(Clock, MonotonicSourcesAdvanceTogether) {
    uint64_t ms0 = platform::MonotonicMs();
    uint32_t tick0 = platform::TickCountMs();
    platform::SleepMs(20);
    uint64_t elapsed = platform::MonotonicMs() - ms0;
    uint32_t tickElapsed = platform::TickCountMs() - tick0;  // wrapping difference
    EXPECT_GE(elapsed, 20u);
    EXPECT_LT(elapsed, 1000u);
    EXPECT_GE(tickElapsed, 20u);
    EXPECT_LT(tickElapsed, 1000u);
    EXPECT_GT(platform::WallClockUs(), 1600000000ull * 1000000ull);
}

void Capture(const char* text, void* context) { static_cast<std::vector<std::string>*>(context)->push_back(text); }

TEST(DebugSink, InstalledSinkReceivesEveryLineFromEveryThread) {
    std::vector<std::string> lines;
    auto previous = platform::SetDebugSink(Capture, &lines);
    platform::DebugOutput("[TIP] one\n");
    platform::DebugPrintf("[WARN] %s %d\n", "two", 2);
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i) {
        threads.emplace_back([i] {
            for (int j = 0; j < 100; ++j) platform::DebugPrintf("t%d\n", i);
        });
    }
    for (auto& t : threads) t.join();
    platform::SetDebugSink(previous, nullptr);
    platform::DebugOutput("not captured\n");

    ASSERT_EQ(lines.size(), 402u);
    EXPECT_EQ(lines[0], "[TIP] one\n");
    EXPECT_EQ(lines[1], "[WARN] two 2\n");
}

}  // namespace
