#pragma once

// Keeps freed memory in the process between benchmark iterations. By default glibc hands the top
// of the heap back to the system when a large store is freed, and large blocks come and go by
// mmap; every timed read after a paused free then faults its pages in again, and the figures
// swing with whatever ran before. A running program that closes one list and opens another
// reuses its heap the same way this keeps it.

#include <malloc.h>

namespace bench {

inline void keepHeap() {
    static const bool kept = [] {
        mallopt(M_TRIM_THRESHOLD, 1 << 30);
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        return true;
    }();
    (void)kept;
}

} // namespace bench
