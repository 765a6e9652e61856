#include "lookup/WhoisQuery.h"

#include "platform/TextCodec.h"
#include "tld/Routing.h"
#include "tld/Verdict.h"

namespace lookup {

WhoisQuery::WhoisQuery(QObject *parent) : RegistryLookup(parent)
{
    connect(&m_connection, &WhoisConnection::connected, this, &RegistryLookup::connected);
    connect(&m_connection, &WhoisConnection::finished, this, &WhoisQuery::onEnd);
}

void WhoisQuery::start(const LookupRequest &request)
{
    m_request = request;
    m_connection.start(request.row.server, quint16(request.row.port), tld::queryText(request.domain),
                       request.timeLimitMs);
}

void WhoisQuery::abort()
{
    m_connection.abort();
}

void WhoisQuery::onEnd(WhoisConnection::End end)
{
    using End = WhoisConnection::End;
    QueryOutcome outcome;
    switch (end) {
    case End::TimedOut:
        outcome = {QueryOutcome::Kind::TimedOut, m_request.domain, m_request.row.server, m_request.row.port};
        outcome.answer = platform::decodeText(m_connection.answer());
        break;
    case End::ConnectionRefused:
    case End::HostNotFound:
    case End::NetworkError:
        outcome = {QueryOutcome::Kind::Unknown, m_request.domain, m_request.row.server, m_request.row.port};
        outcome.unreachable = true;
        break;
    default:
        outcome = judged();
        break;
    }
    if (!WhoisConnection::hasAnswer(end) && end != End::EmptyAnswer)
        outcome.cause = m_connection.errorText().isEmpty() ? WhoisConnection::describe(end) : m_connection.errorText();
    emit finished(outcome);
}

QueryOutcome WhoisQuery::judged() const
{
    const QString answer = platform::decodeText(m_connection.answer());
    const QString phrases = m_request.phrasesAtEnd ? m_request.phrasesAtEnd() : m_request.row.successPhrases;
    const tld::WhoisVerdict verdict = tld::judgeAnswer(answer, phrases, m_request.domain);
    QueryOutcome outcome{
        QueryOutcome::Kind::Registered, m_request.domain, m_request.row.server, m_request.row.port, QString(), answer};
    if (verdict.kind == tld::WhoisVerdict::Kind::Available) {
        outcome.kind = QueryOutcome::Kind::Available;
        outcome.successWord = verdict.successWord;
    } else if (verdict.kind == tld::WhoisVerdict::Kind::ErrorBlocked) {
        outcome.kind = QueryOutcome::Kind::Refused;
    }
    return outcome;
}

} // namespace lookup
