#pragma once

#include <QDate>
#include <QMetaType>
#include <QString>

namespace lookup {

/// How one domain's check ended.
struct QueryOutcome {
    /// New kinds go last: counters are indexed by kind.
    enum class Kind { Available, Registered, Refused, TimedOut, NoServer, Unknown, Invalid, LikelyAvailable };
    static constexpr int kindCount = 8;
    /// Where the outcome came from: a registry's answer, the DNS pre-check, a zone file, or the check history.
    enum class Source { Registry, Dns, Zone, History };
    // Every member has a default, so a brace list may name only the first few.
    Kind kind = Kind::Unknown;
    QString domain{};
    QString server{};
    int port = 0;
    QString successWord{};            ///< the phrase that made the domain available
    QString answer{};                 ///< what the server sent (empty for time-outs)
    QString cause{};                  ///< why no answer came, in words (connection refused, host not found...)
    bool unreachable = false;         ///< the server could not be reached at all
    bool dropped = false;             ///< the server broke off or closed the connection without an answer
    Source source = Source::Registry; ///< Dns, Zone, History: no registry was asked
    int httpStatus = 0;               ///< RDAP: the HTTP status of the answer (0: none, or a WHOIS lookup)
    int retryAfterSeconds = -1;       ///< RDAP: how long the server asked not to be asked again (-1: it did not say)
    QString entry{};                  ///< the list entry the domain came from, when it differs from the domain
    QDate zoneDate{};                 ///< Zone: the date of the zone file that settled the domain
};

} // namespace lookup

Q_DECLARE_METATYPE(lookup::QueryOutcome)
