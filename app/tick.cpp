// SPDX-License-Identifier: MIT
#include "app/tick.h"

namespace zelvan {

namespace {

// "0" before the digits, then the last two characters: 7 gives 07, 45 gives 45.
std::string TwoDigits(std::int16_t v)
{
    std::string s(1, '0');
    s += std::to_string(v);
    return s.substr(s.size() - 2);
}

} // namespace

void AccountElapsed(std::int32_t &ElapsedSeconds, OleDate &LastTick, OleDate now)
{
    // Whole days count as well as the time of day, so a long suspend is not lost.
    const std::int64_t passed = WholeSecondsIn(now - LastTick);
    // The count wraps after some 68 years of running, as a 32-bit count does.
    ElapsedSeconds = static_cast<std::int32_t>(static_cast<std::uint32_t>(ElapsedSeconds) +
                                               static_cast<std::uint32_t>(passed));
    LastTick = now;
}

std::string FormatElapsed(std::int32_t ElapsedSeconds)
{
    const auto hours = static_cast<std::int16_t>(ElapsedSeconds / 3600 % 24);
    const auto minutes = static_cast<std::int16_t>(ElapsedSeconds / 60 % 60);
    const auto seconds = static_cast<std::int16_t>(ElapsedSeconds % 60);
    std::string text = TwoDigits(hours);
    text += ':';
    text += TwoDigits(minutes);
    text += ':';
    text += TwoDigits(seconds);
    return text;
}

} // namespace zelvan
