#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <vector>

namespace engine {

/**
 * The pause before each query, shared by the main window's engine and the browse window.
 *
 * A pause lasts currentThrottle + 1 ticks of the throttle tick (at least one tick). It is one timer,
 * not a loop: while the gate is closed the program sleeps. When a second caller starts a pause while
 * one is running, the pause starts over and both callers continue when it ends.
 */
class ThrottleGate : public QObject {
    Q_OBJECT
public:
    explicit ThrottleGate(QObject *parent = nullptr);

    int currentThrottle() const { return m_currentThrottle; }
    void setCurrentThrottle(int ticks) { m_currentThrottle = ticks; }
    bool throttleGateClosed() const { return m_closed; }
    int throttleTicks() const { return m_ticks; }

    /// Closes the gate for a pause and calls @p onOpen when it opens again.
    void wait(std::function<void()> onOpen);

    /// Drops every waiting caller and opens the gate without calling them (a stopped run).
    void cancel();

signals:
    void closed(int throttle);
    void opened();

private:
    void open();

    int m_currentThrottle = 0;
    bool m_closed = false;
    int m_ticks = 0;
    QTimer m_timer;
    std::vector<std::function<void()>> m_waiting;
};

} // namespace engine
