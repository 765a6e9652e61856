#include "lookup/WhoisLookup.h"

#include "platform/TextCodec.h"
#include "tld/Routing.h"
#include "tld/Verdict.h"

namespace lookup {

WhoisLookup::WhoisLookup(QObject *parent) : RegistryLookup(parent)
{
    connect(&m_connection, &WhoisConnection::connected, this, &RegistryLookup::connected);
    connect(&m_connection, &WhoisConnection::finished, this, &WhoisLookup::onEnd);
}

void WhoisLookup::start(const LookupRequest &request)
{
    m_request = request;
    m_connection.start(request.row.server, quint16(request.row.port), tld::queryText(request.domain),
                       request.timeLimitMs);
}

void WhoisLookup::abort()
{
    m_connection.abort();
}

void WhoisLookup::onEnd(WhoisConnection::End end)
{
    using End = WhoisConnection::End;
    QueryOutcome outcome{QueryOutcome::Kind::Unknown, m_request.domain, m_request.row.server, m_request.row.port};
    switch (end) {
    case End::Answered:
        outcome = judged();
        break;
    case End::TimedOut:
        outcome.kind = QueryOutcome::Kind::TimedOut;
        outcome.answer = platform::decodeText(m_connection.answer());
        break;
    case End::ConnectionRefused:
    case End::HostNotFound:
    case End::NetworkError:
        outcome.unreachable = true;
        break;
    default:
        // Nothing, a broken connection or an answer too long to be one: none of them says anything about
        // the name, whatever words they hold.
        outcome.answer = platform::decodeText(m_connection.answer());
        outcome.dropped = end == End::Reset || end == End::EmptyAnswer;
        break;
    }
    if (end != End::Answered)
        outcome.cause = m_connection.errorText().isEmpty() ? WhoisConnection::describe(end) : m_connection.errorText();
    emit finished(outcome);
}

QueryOutcome WhoisLookup::judged() const
{
    const QString answer = platform::decodeText(m_connection.answer());
    const QString phrases = m_request.phrasesAtEnd ? m_request.phrasesAtEnd() : m_request.row.successPhrases;
    // The answer names the domain as it was sent.
    const tld::WhoisVerdict verdict = tld::judgeAnswer(answer, phrases, tld::asciiDomain(m_request.domain));
    QueryOutcome outcome{QueryOutcome::Kind::Unknown, m_request.domain, m_request.row.server,
                         m_request.row.port,          QString(),        answer};
    switch (verdict.kind) {
    case tld::WhoisVerdict::Kind::Available:
        outcome.kind = QueryOutcome::Kind::Available;
        outcome.successWord = verdict.successWord;
        break;
    case tld::WhoisVerdict::Kind::Registered:
        outcome.kind = QueryOutcome::Kind::Registered;
        break;
    case tld::WhoisVerdict::Kind::ErrorBlocked:
        outcome.kind = QueryOutcome::Kind::Refused;
        break;
    case tld::WhoisVerdict::Kind::Unknown:
        outcome.cause = QStringLiteral("the answer holds neither a record nor a not-found statement");
        break;
    }
    return outcome;
}

} // namespace lookup
