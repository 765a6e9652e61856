#pragma once

#include <QMetaType>
#include <QString>

namespace lookup {

/// How one domain's check ended.
struct QueryOutcome {
    enum class Kind { Available, Registered, Refused, TimedOut, NoServer, Unknown };
    // Every member has a default, so a brace list may name only the first few.
    Kind kind = Kind::Unknown;
    QString domain{};
    QString server{};
    int port = 0;
    QString successWord{};      ///< the phrase that made the domain available
    QString answer{};           ///< what the server sent (empty for time-outs)
    QString cause{};            ///< why no answer came, in words (connection refused, host not found...)
    bool unreachable = false;   ///< the server could not be reached at all
    bool dropped = false;       ///< the server broke off or closed the connection without an answer
    bool fromDns = false;       ///< registered because DNS knows the name's servers; no registry was asked
    int httpStatus = 0;         ///< RDAP: the HTTP status of the answer (0: none, or a WHOIS lookup)
    int retryAfterSeconds = -1; ///< RDAP: how long the server asked not to be asked again (-1: it did not say)
};

} // namespace lookup

Q_DECLARE_METATYPE(lookup::QueryOutcome)
