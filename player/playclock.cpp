#include "player/playclock.h"

#include "platform/clock.h"

namespace {

class SystemPlayClock final : public PlayClock {
public:
    uint32_t TimeGetTime() override { return platform::TickCountMs(); }
    uint64_t ReferenceUs() override { return platform::WallClockUs() / 1000 * 1000; }
    int64_t WallSeconds() override { return int64_t(platform::WallClockUs() / 1000000); }
    void Sleep(unsigned ms) override { platform::SleepMs(ms); }
};

}  // namespace

PlayClock& PlayClock::System() {
    // Never destroyed: a display thread may still read it while the process exits.
    static SystemPlayClock* clock = new SystemPlayClock;
    return *clock;
}
