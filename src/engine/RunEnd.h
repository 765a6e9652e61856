#pragma once

#include <QMetaType>

namespace engine {

/// The outcomes a run handed on: names are the domains, each available, registered or left unchecked.
struct RunTally {
    int names = 0;
    int available = 0;
    int registered = 0;
    int likelyAvailable = 0; ///< not in the zone, not yet confirmed by the registry
    int skipped = 0;         ///< entries that named no domain anyone could register; not in names
    int unchecked() const { return names - available - registered - likelyAvailable; }
};

/// How a run ended.
struct RunEnd {
    enum class Reason {
        ListDone,      ///< every name of the list has its outcome
        Stopped,       ///< the user stopped it
        ListUnreadable ///< the list could not be read on: the run stopped before its end
    };
    Reason reason = Reason::ListDone;
    RunTally tally;
};

} // namespace engine

Q_DECLARE_METATYPE(engine::RunEnd)
