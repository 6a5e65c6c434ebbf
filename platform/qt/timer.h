// SPDX-License-Identifier: MIT
#pragma once

#include "platform/timer.h"

#include <QtCore/qnamespace.h>

class QTimer;

namespace zelvan {

// A precise Qt timer: ticks stay on whole-second steps from the moment it starts.
class QtTimer final : public Timer
{
public:
    explicit QtTimer(int intervalMilliseconds);
    ~QtTimer() override;

    void SetEnabled(bool enabled) override;
    bool Enabled() const override;
    void EnableAfter(int firstMilliseconds) override;
    // Precise: a coarse timer may drift by up to 5 % and the readout would stutter.
    Qt::TimerType TimerType() const;

private:
    QTimer *m_timer;
    int m_interval;
};

} // namespace zelvan
