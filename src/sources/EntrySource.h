#pragma once

#include <QString>

namespace sources {

/// Where the engine takes its names from, and where it records how far it got.
class EntrySource {
public:
    virtual ~EntrySource() = default;
    /// The entry at 1-based position @p n, the end marker past the end, or an empty text after a failure.
    virtual QString readEntry(int n) = 0;
    /// Records @p next as the position to resume from; called before the query of each name is begun.
    virtual void savePositions(int next) = 0;
};

} // namespace sources
