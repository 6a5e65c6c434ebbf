// SPDX-License-Identifier: MIT
#include "platform/qt/timer.h"

#include <QTimer>

namespace zelvan {

QtTimer::QtTimer(int intervalMilliseconds) : m_timer(new QTimer)
{
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(intervalMilliseconds);
    QObject::connect(m_timer, &QTimer::timeout, [this] { Fire(); });
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
        m_timer->start();
    else
        m_timer->stop();
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
