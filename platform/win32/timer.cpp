// SPDX-License-Identifier: MIT
#include "platform/win32/timer.h"

#include <algorithm>

namespace zelvan {

namespace {

constexpr UINT_PTR TickTimerId = 1;

} // namespace

Win32Timer::Win32Timer(int intervalMilliseconds) : m_interval(intervalMilliseconds)
{
    m_window.SetTimerHandler([this](UINT_PTR id) {
        if (id == TickTimerId)
            Elapsed();
    });
}

Win32Timer::~Win32Timer()
{
    SetEnabled(false);
}

void Win32Timer::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    if (enabled) {
        EnableAfter(static_cast<int>(m_interval.count()));
        return;
    }
    m_enabled = false;
    KillTimer(m_window.Handle(), TickTimerId);
}

void Win32Timer::EnableAfter(int firstMilliseconds)
{
    m_enabled = true;
    ArmFor(Clock::now() + std::chrono::milliseconds(std::max(0, firstMilliseconds)));
}

void Win32Timer::ArmFor(Clock::time_point due)
{
    m_due = due;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(due - Clock::now());
    // Setting the timer again under the same id replaces the pending one.
    SetTimer(m_window.Handle(), TickTimerId,
             static_cast<UINT>(std::max<std::chrono::milliseconds::rep>(USER_TIMER_MINIMUM,
                                                                      wait.count())),
             nullptr);
}

void Win32Timer::Elapsed()
{
    if (!m_enabled)
        return;
    const Clock::time_point now = Clock::now();
    // A tick that came early waits for the rest of its time.
    if (now < m_due - std::chrono::milliseconds(1)) {
        ArmFor(m_due);
        return;
    }
    // Ticks missed while the thread was busy come as one, as a window timer's do.
    Clock::time_point next = m_due + m_interval;
    while (next <= now)
        next += m_interval;
    // Set before the handler runs: a handler that waits in a modal loop (a
    // message box) gets its next ticks there.
    ArmFor(next);
    Fire();
}

} // namespace zelvan
