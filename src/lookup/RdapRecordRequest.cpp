#include "lookup/RdapRecordRequest.h"

#include "lookup/RdapLookup.h"
#include "lookup/WhoisRecordRequest.h"
#include "platform/TextCodec.h"
#include "tld/TldRecord.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace lookup {

namespace {

QString text(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toString();
}

// The "fn" (full name) of a jCard: ["vcard", [["fn", {}, "text", "Example Registrar"], ...]].
QString cardName(const QJsonObject &entity)
{
    for (const auto &property : entity.value(QLatin1String("vcardArray")).toArray().at(1).toArray()) {
        const QJsonArray fields = property.toArray();
        if (fields.at(0).toString() == QLatin1String("fn"))
            return fields.at(3).toString();
    }
    return QString();
}

QString registrar(const QJsonObject &domain)
{
    for (const auto &value : domain.value(QLatin1String("entities")).toArray()) {
        const QJsonObject entity = value.toObject();
        if (!entity.value(QLatin1String("roles")).toArray().contains(QLatin1String("registrar")))
            continue;
        QString name = cardName(entity);
        if (name.isEmpty())
            name = text(entity, "handle");
        for (const auto &id : entity.value(QLatin1String("publicIds")).toArray()) {
            const QJsonObject publicId = id.toObject();
            if (text(publicId, "type").contains(QLatin1String("IANA"), Qt::CaseInsensitive))
                name += QStringLiteral(" (IANA ID ") + text(publicId, "identifier") + QLatin1Char(')');
        }
        return name;
    }
    return QString();
}

} // namespace

QString describeRdapDomain(const QJsonObject &domain)
{
    QStringList lines;
    lines << QCoreApplication::translate("lookup::RdapRecordRequest", "Domain: %1").arg(text(domain, "ldhName"));
    if (!text(domain, "unicodeName").isEmpty())
        lines << QCoreApplication::translate("lookup::RdapRecordRequest", "Name in Unicode: %1")
                     .arg(text(domain, "unicodeName"));
    QStringList statuses;
    for (const auto &status : domain.value(QLatin1String("status")).toArray())
        statuses << status.toString();
    lines << QCoreApplication::translate("lookup::RdapRecordRequest", "Status: %1")
                 .arg(statuses.join(QStringLiteral(", ")));
    lines << QCoreApplication::translate("lookup::RdapRecordRequest", "Registrar: %1").arg(registrar(domain));
    lines << QCoreApplication::translate("lookup::RdapRecordRequest", "Events:");
    for (const auto &value : domain.value(QLatin1String("events")).toArray()) {
        const QJsonObject event = value.toObject();
        lines << QStringLiteral("    ") + text(event, "eventAction") + QStringLiteral(": ") + text(event, "eventDate");
    }
    QStringList servers;
    for (const auto &server : domain.value(QLatin1String("nameservers")).toArray())
        servers << text(server.toObject(), "ldhName");
    lines << QCoreApplication::translate("lookup::RdapRecordRequest", "Name servers: %1")
                 .arg(servers.join(QStringLiteral(", ")));
    return lines.join(QLatin1Char('\n'));
}

RdapRecordRequest::RdapRecordRequest(QString base, QObject *parent) : QObject(parent), m_base(std::move(base))
{
    m_exchange.setObjectName(QStringLiteral("Winsock1"));
    connect(&m_exchange, &HttpExchange::finished, this, &RdapRecordRequest::onEnd);
}

bool RdapRecordRequest::start(const QString &domain)
{
    m_finished = false;
    m_exchange.abort();
    m_domain = domain;
    const QUrl url = rdapDomainUrl(m_base, domain);
    if (!url.isValid() || !tld::isUsableRdapBase(m_base))
        return false;
    m_exchange.start(url, "application/rdap+json, application/json;q=0.9", rdapAnswerLimit,
                     WhoisRecordRequest::timeLimitMs());
    return true;
}

QString RdapRecordRequest::answerText() const
{
    return QStringLiteral("\n\n") + tr("The answer of %1:").arg(m_exchange.url().toString()) + QStringLiteral("\n\n") +
           platform::decodeText(m_exchange.body());
}

void RdapRecordRequest::onEnd(HttpExchange::End end)
{
    using End = HttpExchange::End;
    m_finished = true;
    const int status = m_exchange.status();
    const QString where = m_exchange.url().toString();
    if (status == 0 || (end != End::Complete && end != End::TooLarge)) {
        emit failed(tr("No answer from %1: %2.").arg(where, m_exchange.describe(end)));
        return;
    }
    QString head;
    if (status == 200) {
        QString why;
        const QJsonObject domain = rdapDomainObject(m_exchange.body(), QString::fromLatin1(QUrl::toAce(m_domain)), why);
        head = domain.isEmpty() ? tr("No domain record in the answer: %1.").arg(why) : describeRdapDomain(domain);
    } else if (status == 404) {
        head = tr("Not registered: the registry knows no domain %1 (HTTP 404).").arg(m_domain);
    } else {
        head = tr("The registry gave no record (HTTP %1 %2).").arg(status).arg(m_exchange.reason());
        const int wait = retryAfterSeconds(m_exchange.header("Retry-After"), QDateTime::currentDateTimeUtc());
        if (wait >= 0)
            head += QLatin1Char(' ') + tr("It asks to be asked again in %1 seconds.").arg(wait);
    }
    if (end == End::TooLarge)
        head += QLatin1Char('\n') + tr("The answer was cut at 4 MiB.");
    emit finished(head + answerText());
}

} // namespace lookup
