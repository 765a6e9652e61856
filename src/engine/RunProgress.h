#pragma once

#include <QString>

namespace engine {

/**
 * How far a run over a list has come: the share of its names done, the pace in names per second and
 * the time left at that pace. The caller reports the list position and the milliseconds since start;
 * nothing here reads a clock.
 */
class RunProgress {
public:
    /// A run from entry @p first to entry @p last of the list (both included).
    void start(int first, int last);
    /// The run has reached entry @p position (the next one to finish) after @p elapsedMs.
    void update(int position, qint64 elapsedMs);

    int total() const { return m_total; }
    int done() const { return m_done; }
    /// Per mille of the names done (0 to 1000).
    int perMille() const;
    /// Names per second so far (0 before the first second's worth of names).
    double namesPerSecond() const;
    /// Seconds left at the pace so far; -1 while it cannot be told.
    qint64 secondsLeft() const;
    /// "136 of 17576 - 12.5 names/s - about 23 min left", as the status bar shows it.
    QString text() const;

    /// "45 s", "3 min", "2 h 5 min".
    static QString duration(qint64 seconds);

private:
    int m_first = 1;
    int m_total = 0;
    int m_done = 0;
    qint64 m_elapsedMs = 0;
};

} // namespace engine
