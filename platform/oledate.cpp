// SPDX-License-Identifier: MIT
#include "platform/oledate.h"

#include <cmath>

namespace zelvan {

namespace {

// Seconds of the time of day, rounded to nearest with ties to even, in 0..86400.
std::int64_t SecondsOfDay(OleDate date)
{
    const double magnitude = std::fabs(date);
    const double fraction = magnitude - std::floor(magnitude);
    return static_cast<std::int64_t>(std::nearbyint(fraction * SecondsPerDay));
}

} // namespace

TimeOfDay SplitTimeOfDay(OleDate date)
{
    if (!std::isfinite(date))
        return {};
    // 86400 comes from a fraction just below a whole day: that instant is midnight.
    const std::int64_t s = SecondsOfDay(date) % 86400;
    return {static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60), static_cast<int>(s % 60)};
}

std::int64_t WholeSecondsIn(OleDate difference)
{
    if (!std::isfinite(difference))
        return 0;
    const double magnitude = std::fabs(difference);
    // Rounding the whole magnitude at once carries a time of day that rounds up to
    // midnight into the next day, which adding days and time of day separately would lose.
    const double seconds = std::nearbyint(magnitude * SecondsPerDay);
    // Far beyond any real gap; keeps the conversion defined for nonsense input.
    constexpr double limit = 9.0e15;
    return static_cast<std::int64_t>(seconds < limit ? seconds : limit);
}

} // namespace zelvan
