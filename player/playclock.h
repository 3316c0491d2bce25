// The time sources of the video play objects, behind an interface so that the pacing can be driven
// by a controlled clock in tests.
#pragma once

#include <cstdint>

class PlayClock {
public:
    virtual ~PlayClock() = default;

    // Milliseconds of the monotonic clock as a wrapping 32-bit value (the multimedia timer).
    virtual uint32_t TimeGetTime() = 0;

    // The reference clock of the pacing: wall-clock time read with millisecond resolution and
    // expressed in microseconds, (seconds x 1000 + milliseconds) x 1000.
    virtual uint64_t ReferenceUs() = 0;

    // Wall-clock seconds since the epoch (the overlay's run time).
    virtual int64_t WallSeconds() = 0;

    // Lets the display thread wait; the system clock sleeps for real.
    virtual void Sleep(unsigned ms) = 0;

    // The clock of the running system; lives for the whole process.
    static PlayClock& System();
};
