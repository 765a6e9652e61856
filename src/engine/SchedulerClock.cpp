#include "engine/SchedulerClock.h"

#include <algorithm>
#include <limits>

namespace engine {

SteadyClock::SteadyClock(QObject *parent) : SchedulerClock(parent)
{
    m_clock.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &SchedulerClock::due);
}

void SteadyClock::wakeAt(qint64 atNs)
{
    // Rounded up: a wake-up a little early would find nothing due and ask for another.
    const qint64 ms = (std::max<qint64>(0, atNs - nowNs()) + 999'999) / 1'000'000;
    if (ms > 0) {
        m_duePosted = false;
        m_timer.start(int(std::min<qint64>(ms, std::numeric_limits<int>::max())));
        return;
    }
    // Due now: a posted call costs less than starting a timer, and comes before the timers that are due.
    m_timer.stop();
    if (std::exchange(m_duePosted, true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (std::exchange(m_duePosted, false))
                emit due();
        },
        Qt::QueuedConnection);
}

void SteadyClock::cancelWake()
{
    m_timer.stop();
    m_duePosted = false;
}

} // namespace engine
