#include "tld/TestQuery.h"

#include "platform/DesktopServices.h"
#include "platform/Intervals.h"
#include "platform/TextCodec.h"
#include "sources/NameCleaning.h"
#include "tld/Routing.h"
#include "tld/TldRegistry.h"

namespace tld {

TestQuery::TestQuery(const TldRegistry &tlds, platform::MessageBoxes &messages, QObject *parent)
    : QObject(parent), m_tlds(tlds), m_messages(messages), m_socket(this), m_timer(this)
{
    m_timer.setObjectName(QStringLiteral("timTimeout"));
    m_socket.setObjectName(QStringLiteral("Winsock1"));
    connect(&m_timer, &QTimer::timeout, this, &TestQuery::onTick);
    connect(&m_socket, &QTcpSocket::connected, this, &TestQuery::onConnected);
    connect(&m_socket, &QTcpSocket::readyRead, this, &TestQuery::onReadyRead);
    connect(&m_socket, &QTcpSocket::disconnected, this, &TestQuery::onDisconnected);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &TestQuery::onError);
}

TestQuery::~TestQuery()
{
    // The socket outlives this object's body; its own abort must not call back into it.
    m_socket.disconnect(this);
    m_socket.abort();
}

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
    // Set before the abort: a connected socket reports its own abort as a close, which is no answer.
    setState(State::Idle);
    m_socket.abort();
}

bool TestQuery::startTestQuery(const QString &domain)
{
    stop();
    m_testDomain = domain;
    m_answer.clear();
    m_prepared = sources::correctName(sources::urlUnescape(domain));
    // An escaped line break must never reach the server as a second query line.
    if (!isSafeQueryName(m_prepared))
        return false;
    const TldRecord *row = m_tlds.rowFor(m_prepared);
    if (!row)
        return false;
    m_host = row->server;
    m_port = static_cast<quint16>(row->port);
    setState(State::Connecting);
    m_timer.start(platform::intervals().secondMs);
    m_socket.connectToHost(m_host, m_port);
    return true;
}

void TestQuery::onConnected()
{
    if (m_state != State::Connecting)
        return;
    setState(State::Receiving);
    if (m_socket.write(queryText(m_prepared)) < 0) {
        // Left to the timer: the user learns that no answer came.
        setState(State::Connecting);
        m_socket.abort();
    }
}

void TestQuery::onReadyRead()
{
    const QByteArray bytes = m_socket.readAll();
    if (m_state == State::Receiving)
        m_answer += bytes;
}

void TestQuery::onError(QAbstractSocket::SocketError error)
{
    // A refused or unresolvable server ends in the time-out message, as a silent one does.
    if (m_state == State::Connecting && error != QAbstractSocket::RemoteHostClosedError)
        m_socket.abort();
}

void TestQuery::onDisconnected()
{
    if (m_state != State::Receiving)
        return;
    m_answer += m_socket.readAll();
    m_timer.stop();
    m_timeoutTicks = 0;
    setState(State::Judged);
    const QString answer = platform::decodeText(m_answer);
    const QString phrases = m_phrases ? m_phrases() : QString();
    m_socket.abort();
    report(judgeAnswer(answer, phrases, m_prepared), answer);
}

void TestQuery::onTick()
{
    if (++m_timeoutTicks < platform::intervals().testTimeoutTicks)
        return;
    m_timer.stop();
    m_timeoutTicks = 0;
    setState(State::TimedOut);
    m_socket.abort();
    m_messages.inform(QStringLiteral("Connection timed out"));
}

QString TestQuery::verdictMessage(const WhoisVerdict &verdict, const QString &domain, const QString &host, quint16 port,
                                  const QString &answer)
{
    QStringList lines;
    switch (verdict.kind) {
    case WhoisVerdict::Kind::Available:
        lines << QStringLiteral("Appears to be: AVAILABLE") << QStringLiteral("Success word: ") + verdict.successWord;
        break;
    case WhoisVerdict::Kind::ErrorBlocked:
        lines << QStringLiteral("Appears to be: Error/Blocked");
        break;
    case WhoisVerdict::Kind::Registered:
        lines << QStringLiteral("Appears to be: Registered");
        break;
    }
    lines << QStringLiteral("Domain: ") + domain << host + QLatin1Char(':') + QString::number(port) << QString()
          << answer;
    return lines.join(platform::crlf);
}

void TestQuery::report(const WhoisVerdict &verdict, const QString &answer)
{
    const bool placeholder = isPlaceholderName(m_testDomain);
    if (verdict.kind == WhoisVerdict::Kind::Available &&
        (placeholder || m_testDomain.contains(QLatin1String("endoffile"), Qt::CaseInsensitive)))
        return;
    if (verdict.kind == WhoisVerdict::Kind::Registered && placeholder)
        return;
    m_messages.inform(verdictMessage(verdict, m_testDomain, m_host, m_port, answer));
}

} // namespace tld
