// SPDX-License-Identifier: MIT
#include "dial/geometry.h"

#include <cmath>

namespace zelvan {

std::int16_t Round16(double v)
{
    // Outside the 16-bit range only for pictures far larger than any window.
    // Up to 1e9 the conversion keeps the low 16 bits, as 16-bit arithmetic
    // would wrap; past that, and for NaN and infinities, lrint has no defined
    // result, so the answer is 0.
    if (!std::isfinite(v) || std::fabs(v) > 1e9)
        return 0;
    return static_cast<std::int16_t>(std::lrint(v));
}

float FixedPointOffset(double base, double offset)
{
    const auto toFixed = [](double v) { return static_cast<long long>(std::llrint(v * 10000.0)); };
    return static_cast<float>(static_cast<double>(toFixed(base) + toFixed(offset)) / 10000.0);
}

DialGeometry ComputeDialGeometry(double widthTwips, double heightTwips)
{
    DialGeometry g;
    g.pi = static_cast<float>(4.0 * std::atan(1.0));
    g.CenterX = static_cast<std::int16_t>(Round16(widthTwips) / 2);
    g.CenterY = static_cast<std::int16_t>(Round16(heightTwips) / 2);
    g.DialRadius = Round16(0.495 * (widthTwips > heightTwips ? heightTwips : widthTwips));
    return g;
}

} // namespace zelvan
