// SPDX-License-Identifier: MIT
#pragma once

#include "platform/clock.h"
#include "platform/oledate.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace zelvan {

// Adds the whole seconds between LastTick and now to the count and moves
// LastTick to now, so a late or early tick neither loses nor gains time.
void AccountElapsed(std::int32_t &ElapsedSeconds, OleDate &LastTick, OleDate now);

// The running time a pause would otherwise lose. Stop keeps the time run since
// the last counted second; at Continue the ticks count from that much earlier,
// so the first tick comes when that second is complete and adds exactly one.
// The count then stays on the whole seconds of running time, whatever the pauses.
class PauseCarry
{
public:
    // At Start and Continue, just before the timer starts: readies the clock for
    // the coming ticks and returns the reading they count from (the new LastTick).
    OleDate Continue(Clock &clock, std::int32_t ElapsedSeconds);
    // Milliseconds from Continue to the first tick: the rest of the carried second.
    int FirstTickMilliseconds() const;
    // At Stop: keeps the running time since Continue that the count does not hold.
    void Stop(Clock &clock, std::int32_t ElapsedSeconds);
    // A count started afresh carries nothing.
    void Clear() { m_carried = {}; }

private:
    // Running time not in the count: below a second, unless ticks went missing
    // before the Stop, and below zero by as much as the last tick came early.
    std::chrono::nanoseconds m_carried{};
    std::int32_t m_countAtContinue = 0;
};

// The count as HH:MM:SS; the hours wrap at 24 while the count keeps growing.
std::string FormatElapsed(std::int32_t ElapsedSeconds);

} // namespace zelvan
