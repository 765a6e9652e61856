#include "lookup/WhoisRecordRequest.h"

#include "platform/Intervals.h"
#include "platform/TextCodec.h"
#include "tld/Routing.h"

namespace lookup {

WhoisServer fixedLookupServer()
{
    return {QStringLiteral("whois.verisign-grs.com"), 43};
}

WhoisRecordRequest::WhoisRecordRequest(WhoisServer server, QObject *parent)
    : QObject(parent), m_server(std::move(server))
{
    m_connection.setObjectName(QStringLiteral("Winsock1"));
    connect(&m_connection, &WhoisConnection::finished, this, &WhoisRecordRequest::onEnd);
}

int WhoisRecordRequest::timeLimitMs()
{
    return platform::intervals().watchdogSeconds * platform::intervals().secondMs;
}

bool WhoisRecordRequest::start(const QString &domain)
{
    m_finished = false;
    m_connection.abort();
    m_domain = domain;
    if (!tld::isSafeQueryName(domain))
        return false;
    m_connection.start(m_server.host, m_server.port, tld::queryText(domain), timeLimitMs());
    return true;
}

void WhoisRecordRequest::onEnd(WhoisConnection::End end)
{
    using End = WhoisConnection::End;
    m_finished = true;
    const QString where = m_server.host + QLatin1Char(':') + QString::number(m_server.port);
    switch (end) {
    case End::Answered:
    case End::EmptyAnswer:
        emit finished(platform::decodeText(m_connection.answer()));
        return;
    case End::CutAtCap:
        emit finished(platform::decodeText(m_connection.answer()) +
                      QStringLiteral("\n\n[The answer was cut at 4 MiB: %1 kept sending.]").arg(where));
        return;
    case End::TimedOut:
        emit failed(QStringLiteral("No complete answer from %1 within %2 seconds.")
                        .arg(where)
                        .arg(timeLimitMs() / 1000.0, 0, 'g', 3));
        return;
    default:
        emit failed(QStringLiteral("No answer from %1: %2.").arg(where, WhoisConnection::describe(end)));
        return;
    }
}

} // namespace lookup
