#pragma once

#include <QMetaType>
#include <QString>

namespace engine {

/// What went wrong with one question to a server. Words for them are the windows' business.
enum class Trouble {
    Refusal,         ///< the answer refused or limited the question
    TooManyRequests, ///< HTTP 429
    Unavailable,     ///< HTTP 503
    RetryAfter,      ///< asked not to be asked again for a while
    Closed,          ///< closed or broke the connection without an answer
    TimedOut,        ///< no complete answer within the time limit
    Unreachable,     ///< could not be reached (connection refused, host not found)
    HttpStatus,      ///< an HTTP error status that says nothing about the name (400, 451, 501...)
    NoVerdict,       ///< an answer that says neither free nor taken
    NotAsked,        ///< left unasked: the server stopped answering in this run
};
inline constexpr int troubleCount = 10;

/// True for what makes a server rest: it said, one way or another, that it is asked too often.
inline bool isRateSignal(Trouble trouble)
{
    return trouble == Trouble::Refusal || trouble == Trouble::TooManyRequests || trouble == Trouble::Unavailable ||
           trouble == Trouble::RetryAfter;
}

/// How a server is being asked, as the scheduler reports it whenever it changes.
struct ServerState {
    enum class Phase {
        Pacing,      ///< asked at its row's pace
        Resting,     ///< asked nothing until the rest is over
        Unresponsive ///< asked nothing more in this run
    };
    QString host{}; ///< host:port of a WHOIS server, the address of an RDAP service
    Phase phase = Phase::Pacing;
    Trouble cause = Trouble::Refusal; ///< why it rests or was given up (not for Pacing)
    int inARow = 0;                   ///< Closed or TimedOut: names in a row that failed so
    int httpStatus = 0;               ///< the status that made it rest, if any
    qint64 restMs = 0;                ///< Resting: how long the rest lasts from now
};

} // namespace engine

Q_DECLARE_METATYPE(engine::ServerState)
Q_DECLARE_METATYPE(engine::Trouble)
