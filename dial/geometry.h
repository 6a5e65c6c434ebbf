// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zelvan {

// Nearest whole number, ties to even, into a 16-bit signed integer.
std::int16_t Round16(double v);

// A value in fixed point with four decimal places converted to single precision:
// the dial places its texts this way, so positions are reproducible to the twip.
float FixedPointOffset(double base, double offset);

// The dial's centre and radius in twips, recomputed from the picture's size at
// every drawing so that the dial always fills its picture.
struct DialGeometry
{
    float pi = 0;
    std::int16_t CenterX = 0;
    std::int16_t CenterY = 0;
    std::int16_t DialRadius = 0;
};

DialGeometry ComputeDialGeometry(double widthTwips, double heightTwips);

} // namespace zelvan
