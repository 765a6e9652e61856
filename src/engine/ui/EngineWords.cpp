#include "engine/ui/EngineWords.h"

#include "engine/RunProgress.h"

namespace engine {

QString EngineWords::trouble(Trouble trouble)
{
    switch (trouble) {
    case Trouble::Refusal:
        return tr("refused the question");
    case Trouble::TooManyRequests:
        return tr("answered 429 (too many requests)");
    case Trouble::Unavailable:
        return tr("answered 503 (unavailable)");
    case Trouble::RetryAfter:
        return tr("asked to wait before the next question");
    case Trouble::Closed:
        return tr("closed without answering");
    case Trouble::TimedOut:
        return tr("did not answer in time");
    case Trouble::Unreachable:
        return tr("could not be reached");
    case Trouble::HttpStatus:
        return tr("answered with an HTTP error");
    case Trouble::NoVerdict:
        return tr("answered without saying free or taken");
    case Trouble::NotAsked:
        break;
    }
    return tr("not asked: it stopped answering");
}

QString EngineWords::cause(const ServerState &state)
{
    if (state.phase == ServerState::Phase::Unresponsive)
        return tr("%1 time-outs in a row").arg(state.inARow);
    if (state.cause == Trouble::Closed)
        return tr("%1 names in a row closed without answering").arg(state.inARow);
    if (state.httpStatus > 0)
        return tr("answered %1").arg(state.httpStatus);
    return trouble(state.cause);
}

QString EngineWords::serverState(const ServerState &state)
{
    switch (state.phase) {
    case ServerState::Phase::Resting:
        return tr("%1 rests %2: %3").arg(state.host, RunProgress::duration((state.restMs + 999) / 1000), cause(state));
    case ServerState::Phase::Unresponsive:
        return tr("%1 does not answer (%2): its names are left unchecked").arg(state.host, cause(state));
    case ServerState::Phase::Pacing:
        break;
    }
    return tr("%1 is asked again").arg(state.host);
}

QString EngineWords::connections(int open)
{
    if (open == 0)
        return tr("No connection open");
    return open == 1 ? tr("1 connection open") : tr("%1 connections open").arg(open);
}

QString EngineWords::checking(const QString &domain)
{
    return tr("Checking %1").arg(domain);
}

QString EngineWords::summary(const RunEnd &end)
{
    const RunTally &tally = end.tally;
    const QString names = tally.names == 1 ? tr("1 name") : tr("%1 names").arg(tally.names);
    QString counts = tr("%1 - %2 available, %3 registered, %4 unchecked")
                         .arg(names)
                         .arg(tally.available)
                         .arg(tally.registered)
                         .arg(tally.unchecked());
    // Only runs that screened with zones have these; the others keep their usual words.
    if (tally.likelyAvailable > 0)
        counts += tr(", %1 likely available").arg(tally.likelyAvailable);
    if (tally.skipped > 0)
        counts += tr(", %1 skipped").arg(tally.skipped);
    switch (end.reason) {
    case RunEnd::Reason::ListDone:
        return tr("Finished: %1").arg(counts);
    case RunEnd::Reason::ListUnreadable:
        return tr("Stopped: %1; the list could not be read to its end").arg(counts);
    case RunEnd::Reason::Stopped:
        break;
    }
    return tr("Stopped: %1").arg(counts);
}

} // namespace engine
