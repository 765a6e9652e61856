#include "lookup/TestQuery.h"

#include "lookup/RdapLookup.h"
#include "platform/DesktopServices.h"
#include "platform/Intervals.h"
#include "platform/TextCodec.h"
#include "tld/DomainRule.h"
#include "tld/Routing.h"
#include "tld/TldRegistry.h"
#include "tld/Verdict.h"

namespace lookup {

TestQuery::TestQuery(const tld::TldRegistry &tlds, platform::MessageBoxes &messages, QObject *parent)
    : QObject(parent), m_tlds(tlds), m_messages(messages), m_timer(this)
{
    m_timer.setObjectName(QStringLiteral("timTimeout"));
    connect(&m_timer, &QTimer::timeout, this, &TestQuery::onTick);
}

TestQuery::~TestQuery() = default;

QString TestQuery::composeTestDomain(const QString &word, const QString &extension)
{
    QString domain = word + QLatin1Char('.') + extension;
    return domain.replace(QStringLiteral(".."), QStringLiteral("."));
}

void TestQuery::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void TestQuery::stop()
{
    m_timer.stop();
    m_timeoutTicks = 0;
    setState(State::Idle);
    if (m_lookup)
        m_lookup->abort();
}

bool TestQuery::startTestQuery(const QString &domain, const tld::TldRecord *chosen)
{
    stop();
    m_testDomain = domain;
    // What is no registrable domain (an escaped line break, an empty test word) is asked nowhere.
    const tld::EntryName read = tld::readEntry(domain);
    m_prepared = read.name;
    m_problem = read.isWord ? tld::NameProblem::NoTld : read.problem;
    if (m_problem != tld::NameProblem::None)
        return false;
    const tld::TldRecord *row = chosen && !m_tlds.useProxy() ? chosen : m_tlds.rowFor(m_prepared);
    if (!row)
        return false;
    if (!m_lookup) {
        m_lookup = std::make_unique<AnyRowLookup>();
        connect(m_lookup.get(), &RegistryLookup::connected, this, &TestQuery::onConnected);
        connect(m_lookup.get(), &RegistryLookup::finished, this, &TestQuery::onLookupEnd);
    }
    setState(State::Connecting);
    m_timer.start(platform::intervals().secondMs);
    LookupRequest request{m_prepared, *row};
    request.phrasesAtEnd = [this] { return m_phrases ? m_phrases() : QString(); };
    m_lookup->start(request);
    return true;
}

void TestQuery::onConnected()
{
    if (m_state == State::Connecting)
        setState(State::Receiving);
}

void TestQuery::onLookupEnd(const QueryOutcome &outcome)
{
    const bool running = m_state == State::Receiving || m_state == State::Connecting;
    if (!running || outcome.kind == QueryOutcome::Kind::TimedOut)
        return;
    if (outcome.unreachable) {
        // A refused or unresolvable server is told at once and by its cause: waiting would only end in
        // "Connection timed out", which sends the user looking for a slow server that does not exist.
        m_timer.stop();
        m_timeoutTicks = 0;
        setState(State::TimedOut);
        show(tr("Could not connect to %1:%2: %3")
                 .arg(outcome.server)
                 .arg(outcome.port)
                 .arg(outcome.cause.isEmpty() ? tr("not reachable") : outcome.cause));
        return;
    }
    m_timer.stop();
    m_timeoutTicks = 0;
    setState(State::Judged);
    report(outcome);
}

void TestQuery::onTick()
{
    if (++m_timeoutTicks < platform::intervals().testTimeoutTicks)
        return;
    m_timer.stop();
    m_timeoutTicks = 0;
    setState(State::TimedOut);
    if (m_lookup)
        m_lookup->abort();
    show(tr("Connection timed out"));
}

QString TestQuery::verdictMessage(const QueryOutcome &outcome, const QString &domain)
{
    if (tld::isRdapServer(outcome.server))
        return rdapVerdictMessage(outcome, domain);
    QStringList lines;
    switch (outcome.kind) {
    case QueryOutcome::Kind::Available:
        lines << tr("Appears to be: AVAILABLE") << tr("Success word: %1").arg(outcome.successWord);
        break;
    case QueryOutcome::Kind::Refused:
        lines << tr("Appears to be: Error/Blocked");
        break;
    case QueryOutcome::Kind::Registered:
        lines << tr("Appears to be: Registered");
        break;
    default:
        // Neither free nor taken: the answer is shown so the user can add the registry's wording.
        lines << tr("Appears to be: Unknown") << tr("Reason: %1").arg(outcome.cause);
        break;
    }
    lines << tr("Domain: %1").arg(domain) << outcome.server + QLatin1Char(':') + QString::number(outcome.port)
          << QString() << outcome.answer;
    return lines.join(platform::crlf);
}

QString TestQuery::rdapVerdictMessage(const QueryOutcome &outcome, const QString &domain)
{
    QStringList lines;
    switch (outcome.kind) {
    case QueryOutcome::Kind::Available:
        lines << tr("Appears to be: AVAILABLE");
        break;
    case QueryOutcome::Kind::Registered:
        lines << tr("Appears to be: Registered");
        break;
    case QueryOutcome::Kind::Refused:
        lines << tr("Appears to be: Error/Blocked");
        break;
    default:
        lines << tr("Appears to be: Unknown");
        break;
    }
    if (outcome.httpStatus > 0)
        lines << tr("HTTP status: %1").arg(outcome.httpStatus);
    if (outcome.retryAfterSeconds >= 0)
        lines << tr("Retry after: %1 seconds").arg(outcome.retryAfterSeconds);
    if (!outcome.cause.isEmpty())
        lines << tr("Why: %1").arg(outcome.cause);
    const QUrl asked = rdapDomainUrl(outcome.server, outcome.domain);
    lines << tr("Domain: %1").arg(domain) << (asked.isValid() ? asked.toString() : outcome.server) << QString()
          << outcome.answer;
    return lines.join(platform::crlf);
}

void TestQuery::report(const QueryOutcome &outcome)
{
    using Kind = QueryOutcome::Kind;
    const bool placeholder = tld::isPlaceholderName(m_testDomain);
    if (outcome.kind == Kind::Available &&
        (placeholder || m_testDomain.contains(QLatin1String("endoffile"), Qt::CaseInsensitive)))
        return;
    if (outcome.kind == Kind::Registered && placeholder)
        return;
    show(verdictMessage(outcome, m_testDomain));
}

void TestQuery::show(const QString &text)
{
    if (m_sink)
        m_sink(text);
    else
        m_messages.inform(text);
}

} // namespace lookup
