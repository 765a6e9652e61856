#pragma once

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <QUdpSocket>

#include <functional>

namespace testing {

/**
 * A scripted DNS responder on 127.0.0.1 (UDP and TCP on the same port) for tests of the DNS pre-check.
 * Each question gets the reply its responder picks for the name asked.
 */
class DnsFixtureServer : public QObject {
    Q_OBJECT
public:
    enum class Reply {
        Delegated,      ///< NS records at the name
        NsAbove,        ///< an answer that holds only NS records of the name's parent
        NxDomain,       ///< the name does not exist
        NoData,         ///< the name exists, with no NS records
        ServFail,       ///< the server failed
        ServFailWithNs, ///< the server failed, yet the reply carries NS records at the name
        Silent,         ///< no reply at all
        Junk,           ///< bytes that are no DNS message
        Truncated,      ///< over UDP an empty reply with the truncation bit; over TCP a delegation
    };
    using Responder = std::function<Reply(const QString &name)>;

    explicit DnsFixtureServer(QObject *parent = nullptr);

    bool listen();
    quint16 port() const { return m_udp.localPort(); }
    /// "127.0.0.1:port", as the pre-check takes it.
    QString address() const { return QStringLiteral("127.0.0.1:") + QString::number(port()); }
    void setResponder(Responder responder) { m_responder = std::move(responder); }

    /// Names asked, in order, with "tcp:" in front of those asked over TCP.
    QStringList questions() const { return m_questions; }

    /// The reply to a question for @p name, as sent over UDP.
    static QByteArray replyFor(const QString &name, Reply kind);

private:
    void readUdp();
    void acceptTcp();
    QByteArray reply(const QByteArray &question, bool overTcp);
    static QByteArray build(const QByteArray &question, qsizetype end, Reply kind, bool overTcp);

    QUdpSocket m_udp;
    QTcpServer m_tcp;
    Responder m_responder;
    QStringList m_questions;
};

} // namespace testing
