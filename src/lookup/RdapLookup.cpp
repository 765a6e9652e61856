#include "lookup/RdapLookup.h"

#include "platform/TextCodec.h"
#include "tld/TldRecord.h"

#include <QJsonDocument>
#include <QLocale>
#include <QRegularExpression>

namespace lookup {

using Kind = QueryOutcome::Kind;

QUrl rdapDomainUrl(const QString &base, const QString &domain)
{
    static const QRegularExpression ascii(QStringLiteral("^[A-Za-z0-9.-]+$"));
    const QString name = QString::fromLatin1(QUrl::toAce(domain));
    if (!ascii.match(name).hasMatch())
        return {};
    QString address = base.trimmed();
    if (!address.endsWith(QLatin1Char('/')))
        address += QLatin1Char('/');
    return QUrl(address + QStringLiteral("domain/") + name, QUrl::StrictMode);
}

int retryAfterSeconds(const QByteArray &value, const QDateTime &now)
{
    const QByteArray text = value.trimmed();
    if (text.isEmpty())
        return -1;
    bool number = false;
    const qint64 seconds = text.toLongLong(&number);
    if (number)
        return seconds < 0 ? -1 : int(std::min<qint64>(seconds, longestRetryAfter));
    // An HTTP date: "Sun, 06 Nov 1994 08:49:37 GMT".
    const QDateTime read =
        QLocale::c().toDateTime(QString::fromLatin1(text.left(64)), QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'"));
    if (!read.isValid())
        return -1;
    const QDateTime when(read.date(), read.time(), Qt::UTC);
    return int(std::clamp<qint64>(now.secsTo(when), 0, longestRetryAfter));
}

QJsonObject rdapDomainObject(const QByteArray &body, const QString &asciiDomain, QString &why)
{
    if (body.trimmed().isEmpty()) {
        why = QStringLiteral("empty answer");
        return {};
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        why = QStringLiteral("the answer is not RDAP (not a JSON object)");
        return {};
    }
    const QJsonObject object = document.object();
    if (object.value(QLatin1String("objectClassName"))
            .toString()
            .compare(QLatin1String("domain"), Qt::CaseInsensitive) != 0) {
        why = QStringLiteral("the answer is not an RDAP domain object");
        return {};
    }
    // A server that describes another name has not answered the question.
    QString described = object.value(QLatin1String("ldhName")).toString();
    if (described.endsWith(QLatin1Char('.')))
        described.chop(1);
    if (!described.isEmpty() && described.compare(asciiDomain, Qt::CaseInsensitive) != 0) {
        why = QStringLiteral("the answer describes another name (%1)").arg(described.left(255));
        return {};
    }
    return object;
}

RdapLookup::RdapLookup(QObject *parent) : RegistryLookup(parent)
{
    m_refusal.setSingleShot(true);
    connect(&m_refusal, &QTimer::timeout, this, [this] { emit finished(m_refused); });
    connect(&m_exchange, &HttpExchange::requestSent, this, [this] {
        m_sent = true;
        emit connected();
    });
    connect(&m_exchange, &HttpExchange::finished, this, &RdapLookup::onEnd);
}

void RdapLookup::start(const LookupRequest &request)
{
    abort();
    m_request = request;
    m_sent = false;
    const QUrl url = rdapDomainUrl(request.row.server, request.domain);
    QString refusal;
    if (!tld::isUsableRdapBase(request.row.server))
        refusal = QStringLiteral("the RDAP server is not an https:// address (plain http:// only for this computer)");
    else if (!url.isValid())
        refusal = QStringLiteral("the name has no form an RDAP server can be asked with");
    if (refusal.isEmpty()) {
        m_exchange.start(url, "application/rdap+json, application/json;q=0.9", rdapAnswerLimit, request.timeLimitMs);
        return;
    }
    // Said after the caller's start has returned, as an answer would be.
    m_refused = {Kind::Unknown, request.domain, request.row.server, request.row.port};
    m_refused.cause = refusal;
    m_refusal.start(0);
}

void RdapLookup::abort()
{
    m_refusal.stop();
    m_exchange.abort();
}

void RdapLookup::onEnd(HttpExchange::End end)
{
    emit finished(judged(end));
}

QueryOutcome RdapLookup::judged(HttpExchange::End end) const
{
    using End = HttpExchange::End;
    QueryOutcome outcome{Kind::Unknown, m_request.domain, m_request.row.server, m_request.row.port};
    outcome.httpStatus = m_exchange.status();
    outcome.answer = platform::decodeText(m_exchange.body());
    const int status = m_exchange.status();
    // The status decides as soon as it arrived, whatever became of the body; a domain object must be whole.
    const bool decided = status > 0 && status != 200 && (status < 300 || status >= 400);
    if (!decided && end != End::Complete) {
        outcome.kind = end == End::TimedOut ? Kind::TimedOut : Kind::Unknown;
        outcome.dropped = end == End::Reset;
        // A server the question never reached is asked again later; one that got it has answered badly.
        outcome.unreachable = end == End::Refused || end == End::HostNotFound || (end == End::NetworkError && !m_sent);
        outcome.cause = m_exchange.describe(end);
        if ((end == End::NetworkError || end == End::UnsafeRedirect) && !m_exchange.errorText().isEmpty())
            outcome.cause += QStringLiteral(": ") + m_exchange.errorText();
        return outcome;
    }
    if (status == 404) {
        outcome.kind = Kind::Available;
        outcome.successWord = QStringLiteral("HTTP 404");
    } else if (status == 200) {
        QString why;
        const QString ascii = QString::fromLatin1(QUrl::toAce(m_request.domain));
        if (rdapDomainObject(m_exchange.body(), ascii, why).isEmpty())
            outcome.cause = why;
        else
            outcome.kind = Kind::Registered;
    } else if (status >= 400 && status < 600) {
        // Only rate signals are refusals: a server that is asked too often or is down for a while. Any other
        // error (a gone or forbidden name, a query the server cannot answer) leaves the name unknown.
        const QByteArray retryAfter = m_exchange.header("Retry-After");
        if (status == 429 || status == 503 || !retryAfter.trimmed().isEmpty()) {
            outcome.kind = Kind::Refused;
            outcome.retryAfterSeconds = retryAfterSeconds(retryAfter, QDateTime::currentDateTimeUtc());
        } else {
            outcome.cause = QStringLiteral("HTTP %1").arg(status);
        }
    } else {
        outcome.cause = QStringLiteral("HTTP status %1 %2").arg(status).arg(m_exchange.reason());
    }
    return outcome;
}

} // namespace lookup
