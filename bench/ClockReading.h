#pragma once

#include <ctime>

namespace bench {

// The clock's reading in nanoseconds: the start-up probe prints two, the
// start-up benchmark takes its own to set beside them.
inline long long Nanoseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return 1'000'000'000LL * now.tv_sec + now.tv_nsec;
}

}  // namespace bench
