#pragma once

#include "engine/ServerState.h"
#include "lookup/QueryOutcome.h"

namespace engine {

/**
 * One server's pace and rests: when it may be asked next, and why not sooner. Times are nanoseconds of
 * the scheduler's clock. It keeps no queue and sends no signal; the scheduler asks and tells it.
 */
class ServerPace {
public:
    /// Different names failing alike in a row before the server is held to blame.
    static constexpr int namesInARow = 3;

    ServerState::Phase phase() const { return m_phase; }
    void setPhase(ServerState::Phase phase) { m_phase = phase; }
    /// The earliest time of the next question.
    qint64 askableAt() const { return std::max(m_nextStart, m_restUntil); }
    qint64 restUntil() const { return m_restUntil; }

    /// The rate signal in @p outcome, a refused question.
    static Trouble rateSignalOf(const lookup::QueryOutcome &outcome);

    /// A question starts at @p now; the next may start when the row's @p throttle is over: throttle + 1
    /// ticks after this one was due. A start that came late (a timer's rounding, a busy moment) pushes
    /// the next one back by a millisecond less than its lateness, so the pace holds over a long run and
    /// no two starts come closer than the throttle.
    void questionStarted(qint64 now, int throttle);
    /// The server gave a rate signal (@p outcome refused the question): it rests, as long as it asked or
    /// else twice as long as after the last signal of the same kind, from one second up to the longest
    /// back-off.
    void rest(Trouble cause, const lookup::QueryOutcome &outcome, qint64 now);
    /// @p domain failed with @p trouble; true when it is the namesInARow-th (or a later) different name in
    /// a row to fail so. The same name failing again adds nothing.
    bool failedInARow(Trouble trouble, const QString &domain);
    /// The server answered: the rests stop doubling and the failures in a row are forgotten.
    void answered();
    /// A new run: all but a rest the server asked for itself, still to come, is forgotten.
    void beginRun(qint64 now);

    /// The state as the scheduler reports it, for the server @p host.
    ServerState state(const QString &host, qint64 now) const;

private:
    ServerState::Phase m_phase = ServerState::Phase::Pacing;
    qint64 m_nextStart = 0;
    qint64 m_restUntil = 0;
    bool m_restAskedFor = false; ///< the rest is the server's own Retry-After, kept into the next run
    qint64 m_backoffMs = 0;      ///< the last rest that doubles; 0 once the server answers
    Trouble m_restCause = Trouble::Refusal;
    int m_restStatus = 0;
    Trouble m_streak = Trouble::Closed;
    int m_streakNames = 0;
    QString m_streakLast;
};

} // namespace engine
