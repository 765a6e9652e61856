#include "engine/ThrottleGate.h"

#include "platform/Intervals.h"

#include <algorithm>

namespace engine {

ThrottleGate::ThrottleGate(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ThrottleGate::open);
}

void ThrottleGate::wait(std::function<void()> onOpen)
{
    m_waiting.push_back(std::move(onOpen));
    m_ticks = 0;
    m_closed = true;
    // The gate opens on tick currentThrottle + 1, or on the first tick for a throttle of 0 or less.
    const int ticks = std::max(m_currentThrottle, 0) + 1;
    m_timer.start(ticks * platform::intervals().throttleTickMs);
    emit closed(m_currentThrottle);
}

void ThrottleGate::cancel()
{
    m_timer.stop();
    m_waiting.clear();
    m_closed = false;
}

void ThrottleGate::open()
{
    m_ticks = std::max(m_currentThrottle, 0);
    m_closed = false;
    auto waiting = std::move(m_waiting);
    m_waiting.clear();
    emit opened();
    for (auto &callback : waiting)
        callback();
}

} // namespace engine
