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

OleDate PauseCarry::Continue(Clock &clock, std::int32_t ElapsedSeconds)
{
    m_countAtContinue = ElapsedSeconds;
    return clock.CenterSecondsBetweenTicks(m_carried);
}

int PauseCarry::FirstTickMilliseconds() const
{
    using namespace std::chrono;
    // Whole seconds carried (ticks that never came) are added by the first tick;
    // only the part of a second decides when it comes. A carry below zero, from
    // a tick that came early, puts the first tick more than a second away.
    const nanoseconds partOfSecond = m_carried < 0s ? m_carried : m_carried % 1s;
    return static_cast<int>(round<milliseconds>(1s - partOfSecond).count());
}

void PauseCarry::Stop(Clock &clock, std::int32_t ElapsedSeconds)
{
    // Modulo 2^32, as the count itself wraps.
    const auto counted = static_cast<std::int32_t>(static_cast<std::uint32_t>(ElapsedSeconds) -
                                                   static_cast<std::uint32_t>(m_countAtContinue));
    m_carried = clock.SinceTicksBegan() - std::chrono::seconds(counted);
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
