// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zelvan {

// 24-bit colour stored as 0x00BBGGRR.
using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b)
{
    return static_cast<Colour>((r & 0xff) | ((g & 0xff) << 8) | ((b & 0xff) << 16));
}
constexpr int Red(Colour c)
{
    return static_cast<int>(c & 0xff);
}
constexpr int Green(Colour c)
{
    return static_cast<int>((c >> 8) & 0xff);
}
constexpr int Blue(Colour c)
{
    return static_cast<int>((c >> 16) & 0xff);
}

} // namespace zelvan
