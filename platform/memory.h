// Handing memory the program no longer uses back to the system.
#pragma once

namespace platform {

// glibc keeps what the threads free in its heaps, ready for the next allocation: after the live
// view's threads are gone or thousands of thumbnails were decoded, tens of megabytes can sit
// there unused. This returns the free pages of every heap to the system, on a background thread
// of its own (at most one at a time; a call while one runs does nothing). Cheap enough to call
// when a burst of work has ended, too slow to call per frame.
void ReleaseFreeMemorySoon();

// Called first thing in main, before any thread starts: glibc gives each new thread a heap of its
// own, up to eight per processor, and the live view's threads come and go all day; every heap
// keeps its own free memory. Two heaps hold what the program's threads need without that waste.
void KeepHeapsFew();

}  // namespace platform
