// SPDX-License-Identifier: MIT
#include "platform/oledate.h"

#include <cmath>

namespace zelvan {

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
