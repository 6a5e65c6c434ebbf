// SPDX-License-Identifier: MIT
#pragma once

#include "platform/timer.h"


class QObject;
class QTimer;

namespace zelvan {

// A precise Qt timer: ticks stay on whole-second steps from the moment it starts.
class QtTimer final : public Timer
{
public:
    // The Qt timer behind it is a child of owner, when one is given.
    explicit QtTimer(int intervalMilliseconds, QObject *owner = nullptr);
    ~QtTimer() override;

    void SetEnabled(bool enabled) override;
    void EnableAfter(int firstMilliseconds) override;

private:
    QTimer *m_timer;
    int m_interval;
};

} // namespace zelvan
