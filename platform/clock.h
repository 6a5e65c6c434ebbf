// SPDX-License-Identifier: MIT
#pragma once

#include "platform/oledate.h"

#include <chrono>
#include <cstdint>
#include <functional>

namespace zelvan {

// The stopwatch's source of time: readings in whole seconds as OLE dates.
class Clock
{
public:
    virtual ~Clock() = default;

    virtual OleDate Now() = 0;

    // Called whenever the one-second timer starts. The ticks count from an
    // instant `carried` before now (the running time a pause left uncounted;
    // zero for a fresh start) and are due a whole number of seconds after it.
    // Moves the clock's whole-second boundaries half-way between those due
    // times, so that ticks arriving a little early or late still fall in
    // consecutive seconds, and returns the reading of that instant. Readings are
    // only compared within one run of the timer, so the shift costs nothing.
    virtual OleDate CenterSecondsBetweenTicks(std::chrono::nanoseconds carried) = 0;

    // Time since the instant the ticks count from, to the nanosecond.
    virtual std::chrono::nanoseconds SinceTicksBegan() = 0;
};

// What the real clock reads from the system; tests replace both readings.
struct ClockReadings
{
    // Local wall-clock time in seconds since 1970-01-01 00:00 local time.
    std::function<std::int64_t()> localWallSeconds;
    // Time since boot in nanoseconds, never going back and counting suspend.
    std::function<std::int64_t()> bootNanoseconds;

    static ClockReadings System();
};

// Reads the wall clock once, at construction, and from then on counts time
// since boot (suspend included): setting the system clock or a daylight-saving
// change leaves the count alone, and a suspended machine's time is counted.
class BootClock final : public Clock
{
public:
    explicit BootClock(ClockReadings readings = ClockReadings::System());

    OleDate Now() override;
    OleDate CenterSecondsBetweenTicks(std::chrono::nanoseconds carried) override;
    std::chrono::nanoseconds SinceTicksBegan() override;

private:
    OleDate ReadingAt(std::int64_t bootNanoseconds) const;

    ClockReadings m_readings;
    std::int64_t m_anchorWallSeconds;
    // Boot time, in nanoseconds, of a whole-second boundary of this clock.
    std::int64_t m_phaseNanoseconds;
    // Boot time, in nanoseconds, of the instant the ticks count from.
    std::int64_t m_ticksBeganNanoseconds;
};

} // namespace zelvan
