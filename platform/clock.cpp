// SPDX-License-Identifier: MIT
#include "platform/clock.h"

namespace zelvan {

namespace {

constexpr std::int64_t NanosecondsPerSecond = 1'000'000'000;

// Floor division: boot times before the phase must still read whole seconds downward.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

BootClock::BootClock(ClockReadings readings)
    : m_readings(std::move(readings)), m_anchorWallSeconds(m_readings.localWallSeconds()),
      m_phaseNanoseconds(m_readings.bootNanoseconds()), m_ticksBeganNanoseconds(m_phaseNanoseconds)
{
}

OleDate BootClock::Now()
{
    return ReadingAt(m_readings.bootNanoseconds());
}

OleDate BootClock::ReadingAt(std::int64_t bootNanoseconds) const
{
    const std::int64_t seconds =
        m_anchorWallSeconds + FloorDiv(bootNanoseconds - m_phaseNanoseconds, NanosecondsPerSecond);
    return UnixEpochOleDate + static_cast<double>(seconds) / SecondsPerDay;
}

OleDate BootClock::CenterSecondsBetweenTicks(std::chrono::nanoseconds carried)
{
    m_ticksBeganNanoseconds = m_readings.bootNanoseconds() - carried.count();
    // Ticks are due at whole seconds from that instant; boundaries half a
    // second later sit midway between them.
    m_phaseNanoseconds = m_ticksBeganNanoseconds + NanosecondsPerSecond / 2;
    return ReadingAt(m_ticksBeganNanoseconds);
}

std::chrono::nanoseconds BootClock::SinceTicksBegan()
{
    return std::chrono::nanoseconds(m_readings.bootNanoseconds() - m_ticksBeganNanoseconds);
}

} // namespace zelvan
