// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zelvan {

// A two-valued state stored as a 16-bit value: true is all bits set (-1), false is 0.
using Flag = std::int16_t;
inline constexpr Flag True = -1;
inline constexpr Flag False = 0;

constexpr Flag ToFlag(bool b)
{
    return b ? True : False;
}
constexpr bool IsTrue(Flag f)
{
    return f != False;
}

} // namespace zelvan
