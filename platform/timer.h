// SPDX-License-Identifier: MIT
#pragma once

#include <QtCore/qnamespace.h>
#include <functional>

class QTimer;

namespace zelvan {

// A timer that calls its handler on the GUI thread at its interval while enabled.
class Timer
{
public:
    virtual ~Timer() = default;

    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Enabled() const = 0;

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

// A precise Qt timer: ticks stay on whole-second steps from the moment it starts.
class QtTimer final : public Timer
{
public:
    explicit QtTimer(int intervalMilliseconds);
    ~QtTimer() override;

    void SetEnabled(bool enabled) override;
    bool Enabled() const override;
    // Precise: a coarse timer may drift by up to 5 % and the readout would stutter.
    Qt::TimerType TimerType() const;

private:
    QTimer *m_timer;
};

} // namespace zelvan
