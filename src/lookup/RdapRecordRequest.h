#pragma once

#include "lookup/HttpExchange.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

namespace lookup {

/// An RDAP domain object in words: the name, its status, registrar, events and name servers.
QString describeRdapDomain(const QJsonObject &domain);

/**
 * The single lookup over RDAP: the record of one domain from its registry's RDAP service, shown
 * readably and then as the server sent it. No verdict; a server that does not answer within the time
 * limit, or cannot be reached, ends the lookup with a message instead.
 */
class RdapRecordRequest : public QObject {
    Q_OBJECT
public:
    explicit RdapRecordRequest(QString base, QObject *parent = nullptr);

    /// Asks for @p domain; false (nothing asked) when the name or the base cannot make an address.
    bool start(const QString &domain);

    QString domain() const { return m_domain; }
    QString base() const { return m_base; }
    bool isFinished() const { return m_finished; }

signals:
    /// The answer arrived: @p text is the record in words, then the raw answer.
    void finished(const QString &text);
    /// No answer came: @p message says why, in words for the user.
    void failed(const QString &message);

private:
    void onEnd(HttpExchange::End end);
    QString answerText() const;

    QString m_base;
    HttpExchange m_exchange;
    QString m_domain;
    bool m_finished = false;
};

} // namespace lookup
