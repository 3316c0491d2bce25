// Time sources of the system.
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds of CLOCK_MONOTONIC as a wrapping 32-bit value (what a tick count is elsewhere).
uint32_t TickCountMs();

// Milliseconds of CLOCK_MONOTONIC, not wrapping.
uint64_t MonotonicMs();

// Microseconds of CLOCK_MONOTONIC, not wrapping.
uint64_t MonotonicUs();

// Wall-clock time in microseconds since the epoch.
uint64_t WallClockUs();

// Sleeps the calling thread; 0 yields the processor.
void SleepMs(unsigned ms);

}  // namespace platform
