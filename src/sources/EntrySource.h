#pragma once

#include <QString>
#include <QtGlobal>

namespace sources {

/// Where the engine takes its names from, and where it records how far it got.
class EntrySource {
public:
    virtual ~EntrySource() = default;
    /// The entry at 1-based position @p n, the end marker past the end, or an empty text after a failure.
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
};

} // namespace sources
