#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpSocket>

namespace tld {

/// Where a lookup is sent.
struct WhoisServer {
    QString host;
    quint16 port = 43;
};

/// The fixed server of the single lookup window: the .com/.net registry's WHOIS host.
WhoisServer fixedLookupServer();

/**
 * One WHOIS question to one server, answered in one piece: the answer is handed over only when the
 * server has closed the connection. No routing, no verdict and no time-out.
 */
class WhoisLookup : public QObject {
    Q_OBJECT
public:
    explicit WhoisLookup(WhoisServer server, QObject *parent = nullptr);
    ~WhoisLookup() override;

    /// Connects and sends @p domain with CR LF once connected. A name that would send more than one
    /// line is not sent at all.
    bool start(const QString &domain);

    QString domain() const { return m_domain; }
    WhoisServer server() const { return m_server; }
    bool isFinished() const { return m_finished; }

signals:
    /// The server closed the connection; @p answer is everything it sent.
    void finished(const QString &answer);

private:
    void onConnected();
    void onDisconnected();

    WhoisServer m_server;
    QTcpSocket m_socket;
    QString m_domain;
    QByteArray m_answer;
    bool m_sent = false;
    bool m_finished = false;
};

} // namespace tld
