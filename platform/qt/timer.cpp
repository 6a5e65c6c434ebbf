// SPDX-License-Identifier: MIT
#include "platform/qt/timer.h"

#include <QTimer>

namespace zelvan {

QtTimer::QtTimer(int intervalMilliseconds) : m_timer(new QTimer), m_interval(intervalMilliseconds)
{
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

bool QtTimer::Enabled() const
{
    return m_timer->isActive();
}

Qt::TimerType QtTimer::TimerType() const
{
    return m_timer->timerType();
}

} // namespace zelvan
