// SPDX-License-Identifier: MIT
#pragma once

#include "platform/timer.h"
#include "platform/win32/messagewindow.h"

#include <chrono>

namespace zelvan {

// Timer1 over SetTimer. A repeating SetTimer rounds each period up to the
// system's timer resolution and so falls behind a little at every tick; this
// one sets each tick afresh for its due time, a whole number of intervals
// after the first, so the ticks keep their phase for as long as they run.
class Win32Timer final : public Timer
{
public:
    explicit Win32Timer(int intervalMilliseconds);
    ~Win32Timer() override;

    void SetEnabled(bool enabled) override;
    void EnableAfter(int firstMilliseconds) override;

private:
    using Clock = std::chrono::steady_clock;

    void ArmFor(Clock::time_point due);
    void Elapsed();

    MessageWindow m_window;
    std::chrono::milliseconds m_interval;
    Clock::time_point m_due;
    bool m_enabled = false;
};

} // namespace zelvan
