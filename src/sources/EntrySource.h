#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace sources {

/// Where the engine takes its names from, and where it records how far it got.
class EntrySource {
public:
    virtual ~EntrySource() = default;
    /// The entry at 1-based position @p n, the end marker past the end, or an empty text when the list
    /// cannot be read (the run then stops; the source says nothing to the user itself).
    virtual QString readEntry(int n) = 0;
    /// Whether readEntry(@p n) would return at once; a pipe still waiting for its next line would not.
    virtual bool entryReady(int n)
    {
        Q_UNUSED(n);
        return true;
    }
    /// Records @p next as the position to resume from: every name before it has its outcome. Called at
    /// most once a second during a run, and when the run stops or ends.
    virtual void savePositions(int next) = 0;
    /// Records, with position @p next, the domains of later names whose outcomes were recorded before the
    /// run stopped, so that a run resumed there does not ask them again (none: forget the last ones).
    virtual void saveRecordedAhead(int next, const QStringList &domains)
    {
        Q_UNUSED(next);
        Q_UNUSED(domains);
    }
    /// The domains saved with position @p next; none when the last ones were saved with another position.
    virtual QStringList recordedAhead(int next)
    {
        Q_UNUSED(next);
        return {};
    }
};

} // namespace sources
