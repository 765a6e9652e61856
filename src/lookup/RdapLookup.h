#pragma once

#include "lookup/HttpExchange.h"
#include "lookup/RegistryLookup.h"

#include <QDateTime>
#include <QJsonObject>
#include <QTimer>

namespace lookup {

/// Bytes kept of one RDAP answer, as of a WHOIS answer.
inline constexpr qint64 rdapAnswerLimit = 4 * 1024 * 1024;
/// The longest rest a Retry-After is honoured with, in seconds.
inline constexpr int longestRetryAfter = 600;

/// The address an RDAP lookup of @p domain asks: the base URL, "domain/" and the ASCII form of the
/// name. Invalid when the name has no ASCII form of letters, digits, hyphens and dots.
QUrl rdapDomainUrl(const QString &base, const QString &domain);

/// Seconds a Retry-After value (a number of seconds or an HTTP date) asks to wait from @p now, at most
/// longestRetryAfter; -1 when there is no readable value.
int retryAfterSeconds(const QByteArray &value, const QDateTime &now);

/// The domain object in an RDAP answer, or an empty object when the answer is not one for @p domain
/// (in ASCII form); @p why then says what it is instead.
QJsonObject rdapDomainObject(const QByteArray &body, const QString &asciiDomain, QString &why);

/**
 * A lookup over RDAP at the row's base URL. The HTTP status decides: 404 is a free name, a domain object
 * a registered one, 429 and 503 and any other 4xx or 5xx with a Retry-After a refusal (with the server's
 * Retry-After); every other status leaves the name unknown ("HTTP 410"). Asked through the registry HTTP
 * client (network()), so that the connection to a server is kept open from one name to the next.
 */
class RdapLookup : public RegistryLookup {
    Q_OBJECT
public:
    explicit RdapLookup(QObject *parent = nullptr);

    void start(const LookupRequest &request) override;
    void abort() override;

private:
    void onEnd(HttpExchange::End end);
    QueryOutcome judged(HttpExchange::End end) const;

    HttpExchange m_exchange;
    LookupRequest m_request;
    QTimer m_refusal; ///< reports a request that was never sent
    QueryOutcome m_refused;
    bool m_sent = false;
};

} // namespace lookup
