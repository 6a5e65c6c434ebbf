// SPDX-License-Identifier: MIT
// The clock's readings on Windows. Not built or tested on the machines that
// build this program; kept so that a Windows port has its seam.
#include "platform/clock.h"

#include <ctime>
#include <windows.h>

namespace zelvan {

ClockReadings ClockReadings::System()
{
    return {
        [] {
            // The local date and time read as if they were UTC: seconds since
            // 1970-01-01 00:00 local time.
            const std::time_t t = std::time(nullptr);
            std::tm local{};
            localtime_s(&local, &t);
            return static_cast<std::int64_t>(_mkgmtime(&local));
        },
        [] {
            // Milliseconds since boot, sleep and hibernation included.
            return static_cast<std::int64_t>(GetTickCount64()) * 1'000'000;
        },
    };
}

} // namespace zelvan
