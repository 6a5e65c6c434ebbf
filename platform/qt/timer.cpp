// SPDX-License-Identifier: MIT
#include "platform/qt/timer.h"

#include <QTimer>

namespace zelvan {

QtTimer::QtTimer(int intervalMilliseconds, QObject *owner)
    : m_timer(new QTimer(owner)), m_interval(intervalMilliseconds)
{
    // Precise: a coarse timer may drift by up to 5 % and the readout would stutter.
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(intervalMilliseconds);
    QObject::connect(m_timer, &QTimer::timeout, [this] {
        // A shortened first tick: the steps go on at the interval from here.
        if (m_timer->interval() != m_interval)
            m_timer->start(m_interval);
        Fire();
    });
}

QtTimer::~QtTimer()
{
    delete m_timer;
}

void QtTimer::SetEnabled(bool enabled)
{
    if (enabled == m_timer->isActive())
        return;
    if (enabled)
        m_timer->start(m_interval);
    else
        m_timer->stop();
}

void QtTimer::EnableAfter(int firstMilliseconds)
{
    m_timer->start(firstMilliseconds);
}

} // namespace zelvan
