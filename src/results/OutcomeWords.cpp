#include "results/OutcomeWords.h"

#include "results/ResultClasses.h"
#include "tld/TldRecord.h"

namespace results {

using Kind = lookup::QueryOutcome::Kind;

QString outcomeWord(Kind kind)
{
    switch (kind) {
    case Kind::Available:
        return QStringLiteral("available");
    case Kind::Registered:
        return QStringLiteral("registered");
    case Kind::Refused:
        return QStringLiteral("refused");
    case Kind::TimedOut:
        return QStringLiteral("timeout");
    case Kind::Unknown:
        return QStringLiteral("unknown");
    case Kind::Invalid:
        return QStringLiteral("invalid");
    case Kind::LikelyAvailable:
        return QStringLiteral("likely-available");
    case Kind::NoServer:
        break;
    }
    return QStringLiteral("no-server");
}

int resultListFor(const lookup::QueryOutcome &outcome)
{
    // The result classes pass over a name that was empty before its extension was added.
    if (outcome.domain == QLatin1String(".com") || outcome.domain == QLatin1String(".net"))
        return 0;
    if (outcome.kind == Kind::Registered)
        return RegisteredList;
    // A likely-available name waits in its profile list for the registry's word; its verdict says so.
    const bool free = outcome.kind == Kind::Available || outcome.kind == Kind::LikelyAvailable;
    return free ? ResultClasses::profileListFor(outcome.domain) : 0;
}

QString listClassWord(int listNumber)
{
    switch (listNumber) {
    case RegisteredList:
        return QStringLiteral("Registered");
    case HighList:
        return QStringLiteral("High");
    case MidList:
        return QStringLiteral("Mid");
    case LowList:
        return QStringLiteral("Low");
    default:
        return QString();
    }
}

QString classWord(const lookup::QueryOutcome &outcome)
{
    return listClassWord(resultListFor(outcome));
}

QString sourceWord(lookup::QueryOutcome::Source source)
{
    switch (source) {
    case lookup::QueryOutcome::Source::Dns:
        return QStringLiteral("dns");
    case lookup::QueryOutcome::Source::Zone:
        return QStringLiteral("zone");
    case lookup::QueryOutcome::Source::History:
        return QStringLiteral("history");
    case lookup::QueryOutcome::Source::Registry:
        break;
    }
    return QStringLiteral("registry");
}

QString serverText(const lookup::QueryOutcome &outcome)
{
    if (outcome.source == lookup::QueryOutcome::Source::Dns)
        return QStringLiteral("dns");
    if (outcome.source == lookup::QueryOutcome::Source::Zone)
        return QStringLiteral("zone");
    // Nobody was asked: the mark says when the verdict was found.
    if (outcome.source == lookup::QueryOutcome::Source::History)
        return QLatin1Char('(') + outcome.cause + QLatin1Char(')');
    if (outcome.server.isEmpty())
        return QString();
    // An RDAP server is named by its base URL, which says all.
    if (tld::isRdapServer(outcome.server))
        return outcome.server;
    const QString host = outcome.server.contains(QLatin1Char(':'))
                             ? QLatin1Char('[') + outcome.server + QLatin1Char(']')
                             : outcome.server;
    return host + QLatin1Char(':') + QString::number(outcome.port);
}

} // namespace results
