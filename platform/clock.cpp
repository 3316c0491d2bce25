#include "platform/clock.h"

#include <sched.h>
#include <sys/time.h>
#include <time.h>

namespace platform {

namespace {
uint64_t MonotonicNs() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return uint64_t(ts.tv_sec) * 1000000000ull + uint64_t(ts.tv_nsec);
}
}  // namespace

uint32_t TickCountMs() { return uint32_t(MonotonicMs()); }

uint64_t MonotonicMs() { return MonotonicNs() / 1000000ull; }

uint64_t MonotonicUs() { return MonotonicNs() / 1000ull; }

uint64_t WallClockUs() {
    timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    return uint64_t(ts.tv_sec) * 1000000ull + uint64_t(ts.tv_nsec) / 1000ull;
}

void SleepMs(unsigned ms) {
    if (ms == 0) {
        sched_yield();
        return;
    }
    timespec ts{time_t(ms / 1000), long(ms % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0) {}
}

}  // namespace platform
