// SPDX-License-Identifier: MIT
// The clock's readings on Linux.
#include "platform/clock.h"

#include <ctime>

namespace zelvan {

ClockReadings ClockReadings::System()
{
    return {
        [] {
            const std::time_t t = std::time(nullptr);
            std::tm local{};
            localtime_r(&t, &local);
            return static_cast<std::int64_t>(t) + local.tm_gmtoff;
        },
        [] {
            // CLOCK_BOOTTIME, unlike CLOCK_MONOTONIC, goes on while the machine sleeps.
            timespec ts{};
            clock_gettime(CLOCK_BOOTTIME, &ts);
            return static_cast<std::int64_t>(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
        },
    };
}

} // namespace zelvan
