#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace engine {

/**
 * The time the lookup scheduler goes by, and the one wake-up it asks for. The program runs on a
 * SteadyClock; tests drive a clock of their own, so that minutes of pacing and rests pass without waiting.
 */
class SchedulerClock : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /// Nanoseconds on a clock that never goes back.
    virtual qint64 nowNs() const = 0;
    /// due() comes once, at @p atNs or soon after; a later call replaces an earlier one.
    virtual void wakeAt(qint64 atNs) = 0;
    /// No due() until the next wakeAt().
    virtual void cancelWake() = 0;

signals:
    void due();
};

/// The monotonic clock of the machine, with one precise timer for the wake-up.
class SteadyClock : public SchedulerClock {
    Q_OBJECT
public:
    explicit SteadyClock(QObject *parent = nullptr);

    qint64 nowNs() const override { return m_clock.nsecsElapsed(); }
    void wakeAt(qint64 atNs) override;
    void cancelWake() override;

private:
    QElapsedTimer m_clock;
    QTimer m_timer;
    bool m_duePosted = false; ///< due at once: told from the event loop by a posted call
};

} // namespace engine
