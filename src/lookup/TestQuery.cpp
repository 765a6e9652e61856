#include "lookup/TestQuery.h"

#include "platform/DesktopServices.h"
#include "platform/Intervals.h"
#include "platform/TextCodec.h"
#include "tld/NameCleaning.h"
#include "tld/Routing.h"
#include "tld/TldRegistry.h"

namespace lookup {

TestQuery::TestQuery(const tld::TldRegistry &tlds, platform::MessageBoxes &messages, QObject *parent)
    : QObject(parent), m_tlds(tlds), m_messages(messages), m_timer(this)
{
    m_timer.setObjectName(QStringLiteral("timTimeout"));
    m_connection.setObjectName(QStringLiteral("Winsock1"));
    connect(&m_timer, &QTimer::timeout, this, &TestQuery::onTick);
    connect(&m_connection, &WhoisConnection::connected, this, &TestQuery::onConnected);
    connect(&m_connection, &WhoisConnection::finished, this, &TestQuery::onConnectionEnd);
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
    m_connection.abort();
}

bool TestQuery::startTestQuery(const QString &domain)
{
    stop();
    m_testDomain = domain;
    m_prepared = tld::correctName(tld::urlUnescape(domain));
    // An escaped line break must never reach the server as a second query line.
    if (!tld::isSafeQueryName(m_prepared))
        return false;
    const tld::TldRecord *row = m_tlds.rowFor(m_prepared);
    if (!row)
        return false;
    m_host = row->server;
    m_port = static_cast<quint16>(row->port);
    setState(State::Connecting);
    m_timer.start(platform::intervals().secondMs);
    m_connection.start(m_host, m_port, tld::queryText(m_prepared));
    return true;
}

void TestQuery::onConnected()
{
    if (m_state == State::Connecting)
        setState(State::Receiving);
}

void TestQuery::onConnectionEnd(WhoisConnection::End end)
{
    // A refused or unresolvable server ends in the time-out message, as a silent one does.
    if (m_state != State::Receiving || !hasReply(end))
        return;
    m_timer.stop();
    m_timeoutTicks = 0;
    setState(State::Judged);
    const QString answer = platform::decodeText(m_connection.answer());
    const QString phrases = m_phrases ? m_phrases() : QString();
    report(tld::judgeAnswer(answer, phrases, m_prepared), answer);
}

bool TestQuery::hasReply(WhoisConnection::End end)
{
    using End = WhoisConnection::End;
    return end == End::Answered || end == End::EmptyAnswer || end == End::CutAtCap || end == End::Reset;
}

void TestQuery::onTick()
{
    if (++m_timeoutTicks < platform::intervals().testTimeoutTicks)
        return;
    m_timer.stop();
    m_timeoutTicks = 0;
    setState(State::TimedOut);
    m_connection.abort();
    m_messages.inform(QStringLiteral("Connection timed out"));
}

QString TestQuery::verdictMessage(const tld::WhoisVerdict &verdict, const QString &domain, const QString &host,
                                  quint16 port, const QString &answer)
{
    QStringList lines;
    switch (verdict.kind) {
    case tld::WhoisVerdict::Kind::Available:
        lines << QStringLiteral("Appears to be: AVAILABLE") << QStringLiteral("Success word: ") + verdict.successWord;
        break;
    case tld::WhoisVerdict::Kind::ErrorBlocked:
        lines << QStringLiteral("Appears to be: Error/Blocked");
        break;
    case tld::WhoisVerdict::Kind::Registered:
        lines << QStringLiteral("Appears to be: Registered");
        break;
    }
    lines << QStringLiteral("Domain: ") + domain << host + QLatin1Char(':') + QString::number(port) << QString()
          << answer;
    return lines.join(platform::crlf);
}

void TestQuery::report(const tld::WhoisVerdict &verdict, const QString &answer)
{
    const bool placeholder = tld::isPlaceholderName(m_testDomain);
    if (verdict.kind == tld::WhoisVerdict::Kind::Available &&
        (placeholder || m_testDomain.contains(QLatin1String("endoffile"), Qt::CaseInsensitive)))
        return;
    if (verdict.kind == tld::WhoisVerdict::Kind::Registered && placeholder)
        return;
    m_messages.inform(verdictMessage(verdict, m_testDomain, m_host, m_port, answer));
}

} // namespace lookup
