// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zelvan {

// Offset of a hand's tip from the dial centre, in twips.
struct HandTip
{
    std::int16_t x = 0;
    std::int16_t y = 0;

    bool operator==(const HandTip &) const = default;
};

// The tips last drawn: the next refresh erases exactly these lines.
struct HandTips
{
    HandTip SecondTip;
    HandTip MinuteTip;
    HandTip AlarmTip;
};

} // namespace zelvan
