#include "tld/WhoisLookup.h"

#include "platform/TextCodec.h"
#include "tld/Routing.h"

namespace tld {

WhoisServer fixedLookupServer()
{
    return {QStringLiteral("whois.verisign-grs.com"), 43};
}

WhoisLookup::WhoisLookup(WhoisServer server, QObject *parent) : QObject(parent), m_server(std::move(server))
{
    m_socket.setObjectName(QStringLiteral("Winsock1"));
    connect(&m_socket, &QTcpSocket::connected, this, &WhoisLookup::onConnected);
    connect(&m_socket, &QTcpSocket::readyRead, this, [this] { m_answer += m_socket.readAll(); });
    connect(&m_socket, &QTcpSocket::disconnected, this, &WhoisLookup::onDisconnected);
}

WhoisLookup::~WhoisLookup()
{
    // The socket outlives this object's body; its own abort must not call back into it.
    m_socket.disconnect(this);
    m_socket.abort();
}

bool WhoisLookup::start(const QString &domain)
{
    // Cleared before the abort: the close of an earlier connection is no answer to this question.
    m_sent = false;
    m_finished = false;
    m_socket.abort();
    m_domain = domain;
    m_answer.clear();
    if (!isSafeQueryName(domain))
        return false;
    m_socket.connectToHost(m_server.host, m_server.port);
    return true;
}

void WhoisLookup::onConnected()
{
    if (m_sent)
        return;
    m_sent = true;
    m_socket.write(queryText(m_domain));
}

void WhoisLookup::onDisconnected()
{
    if (!m_sent || m_finished)
        return;
    m_answer += m_socket.readAll();
    m_finished = true;
    emit finished(platform::decodeText(m_answer));
}

} // namespace tld
