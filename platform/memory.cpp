#include "platform/memory.h"

#include <atomic>
#include <thread>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

void ReleaseFreeMemorySoon() {
#if defined(__GLIBC__)
    static std::atomic<bool> running{false};
    if (running.exchange(true)) return;
    try {
        std::thread([] {
            ::malloc_trim(0);
            running = false;
        }).detach();
    } catch (...) {
        running = false;  // no thread to be had: the memory stays where it is
    }
#endif
}

void KeepHeapsFew() {
#if defined(__GLIBC__)
    ::mallopt(M_ARENA_MAX, 2);
#endif
}

}  // namespace platform
