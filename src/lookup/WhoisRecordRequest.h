#pragma once

#include "lookup/WhoisConnection.h"

#include <QObject>
#include <QString>

namespace lookup {

/// Where a lookup is sent.
struct WhoisServer {
    QString host;
    quint16 port = 43;
};

/// The fixed server of the single lookup window: the .com/.net registry's WHOIS host.
WhoisServer fixedLookupServer();

/**
 * One WHOIS question to one server, answered in one piece: the answer is handed over when the server
 * has closed the connection, or cut at the answer limit. No routing and no verdict; a server that does
 * not finish within the time limit, or cannot be reached, ends the lookup with a message instead.
 */
class WhoisRecordRequest : public QObject {
    Q_OBJECT
public:
    explicit WhoisRecordRequest(WhoisServer server, QObject *parent = nullptr);

    /// Connects and sends @p domain with CR LF once connected. A name that would send more than one
    /// line is not sent at all.
    bool start(const QString &domain);

    QString domain() const { return m_domain; }
    WhoisServer server() const { return m_server; }
    bool isFinished() const { return m_finished; }

    /// The time a server has to answer completely.
    static int timeLimitMs();

signals:
    /// The server closed the connection (or sent more than the limit); @p answer is what it sent.
    void finished(const QString &answer);
    /// No answer came: @p message says why, in words for the user.
    void failed(const QString &message);

private:
    void onEnd(WhoisConnection::End end);

    WhoisServer m_server;
    WhoisConnection m_connection;
    QString m_domain;
    bool m_finished = false;
};

} // namespace lookup
