#include "engine/ServerPace.h"

#include "platform/Intervals.h"

namespace engine {

namespace {
constexpr qint64 nsPerMs = 1'000'000;
}

Trouble ServerPace::rateSignalOf(const lookup::QueryOutcome &outcome)
{
    if (outcome.httpStatus == 429)
        return Trouble::TooManyRequests;
    if (outcome.httpStatus == 503)
        return Trouble::Unavailable;
    return outcome.retryAfterSeconds > 0 ? Trouble::RetryAfter : Trouble::Refusal;
}

void ServerPace::questionStarted(qint64 now, int throttle)
{
    const qint64 pace = qint64(std::max(throttle, 0) + 1) * platform::intervals().throttleTickMs * nsPerMs;
    // A start that came late moves the next one back by at most its lateness less a millisecond; two
    // starts are never closer than the pace less a millisecond, the throttle itself.
    m_nextStart = std::max(m_nextStart + pace, now + pace - nsPerMs);
}

void ServerPace::rest(Trouble cause, const lookup::QueryOutcome &outcome, qint64 now)
{
    const platform::Intervals &times = platform::intervals();
    qint64 ms = 0;
    m_restAskedFor = outcome.retryAfterSeconds > 0;
    if (m_restAskedFor) {
        ms = qint64(outcome.retryAfterSeconds) * times.restUnitMs;
    } else {
        // Doubled while the same signal goes on; another kind of signal starts again at one second.
        const qint64 longest = qint64(times.longestBackoffSeconds) * times.restUnitMs;
        const bool goesOn = m_backoffMs > 0 && cause == m_restCause;
        m_backoffMs = goesOn ? std::min(m_backoffMs * 2, longest) : times.restUnitMs;
        ms = m_backoffMs;
    }
    m_restUntil = now + ms * nsPerMs;
    m_restCause = cause;
    m_restStatus = outcome.httpStatus;
}

bool ServerPace::failedInARow(Trouble trouble, const QString &domain)
{
    if (m_streak != trouble) {
        m_streak = trouble;
        m_streakNames = 0;
        m_streakLast.clear();
    }
    // The same name asked again is no further evidence against the server.
    if (domain.compare(m_streakLast, Qt::CaseInsensitive) == 0)
        return false;
    ++m_streakNames;
    m_streakLast = domain;
    return m_streakNames >= namesInARow;
}

void ServerPace::answered()
{
    m_backoffMs = 0;
    m_streakNames = 0;
    m_streakLast.clear();
}

void ServerPace::beginRun(qint64 now)
{
    answered();
    if (!m_restAskedFor || m_restUntil <= now) {
        m_restUntil = 0;
        m_restAskedFor = false;
    }
}

ServerState ServerPace::state(const QString &host, qint64 now) const
{
    const bool unresponsive = m_phase == ServerState::Phase::Unresponsive;
    ServerState state{host, m_phase, unresponsive ? Trouble::TimedOut : m_restCause};
    if (unresponsive || (m_phase == ServerState::Phase::Resting && m_restCause == Trouble::Closed))
        state.inARow = m_streakNames;
    if (m_phase == ServerState::Phase::Resting) {
        state.httpStatus = m_restStatus;
        state.restMs = std::max<qint64>(0, (m_restUntil - now + nsPerMs - 1) / nsPerMs);
    }
    return state;
}

} // namespace engine
