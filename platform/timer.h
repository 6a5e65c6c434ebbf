// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

namespace zelvan {

// A timer that calls its handler on the GUI thread at its interval while enabled.
class Timer
{
public:
    virtual ~Timer() = default;

    virtual void SetEnabled(bool enabled) = 0;
    // Enables the timer with its first tick `firstMilliseconds` from now and the
    // next ones at its interval from that tick on.
    virtual void EnableAfter(int firstMilliseconds) = 0;

    void SetHandler(std::function<void()> handler) { m_handler = std::move(handler); }

protected:
    void Fire()
    {
        if (m_handler)
            m_handler();
    }

private:
    std::function<void()> m_handler;
};

} // namespace zelvan
