#include "lookup/WhoisConnection.h"

#include <QTcpSocket>

namespace lookup {

WhoisConnection::WhoisConnection(QObject *parent) : QObject(parent)
{
    m_timeLimit.setSingleShot(true);
    connect(&m_timeLimit, &QTimer::timeout, this, [this] { finish(End::TimedOut); });
}

WhoisConnection::~WhoisConnection()
{
    dropSocket();
}

void WhoisConnection::start(const QString &host, quint16 port, QByteArray query, int timeLimitMs)
{
    abort();
    m_host = host;
    m_port = port;
    m_query = std::move(query);
    m_answer.clear();
    m_errorText.clear();
    m_sent = false;
    m_socket = new QTcpSocket(this);
    connect(m_socket, &QTcpSocket::connected, this, &WhoisConnection::onConnected);
    connect(m_socket, &QTcpSocket::readyRead, this, &WhoisConnection::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &WhoisConnection::onDisconnected);
    connect(m_socket, &QTcpSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError error) { onError(int(error)); });
    if (timeLimitMs > 0)
        m_timeLimit.start(timeLimitMs);
    m_socket->connectToHost(host, port);
}

void WhoisConnection::abort()
{
    m_timeLimit.stop();
    dropSocket();
}

void WhoisConnection::dropSocket()
{
    if (!m_socket)
        return;
    QTcpSocket *socket = std::exchange(m_socket, nullptr);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void WhoisConnection::onConnected()
{
    if (m_socket->write(m_query) != m_query.size()) {
        m_errorText = m_socket->errorString();
        finish(End::NetworkError);
        return;
    }
    m_sent = true;
    emit connected();
}

void WhoisConnection::onReadyRead()
{
    m_answer += m_socket->read(answerLimit - m_answer.size());
    // A server that will not stop talking is judged on what it sent so far.
    if (m_answer.size() >= answerLimit)
        finish(End::CutAtCap);
}

void WhoisConnection::onDisconnected()
{
    if (!m_socket)
        return;
    m_answer += m_socket->read(answerLimit - m_answer.size());
    if (m_answer.size() >= answerLimit)
        finish(End::CutAtCap);
    else
        finish(m_answer.isEmpty() ? End::EmptyAnswer : End::Answered);
}

void WhoisConnection::onError(int error)
{
    switch (QAbstractSocket::SocketError(error)) {
    case QAbstractSocket::RemoteHostClosedError:
        return; // the close itself follows as disconnected()
    case QAbstractSocket::ConnectionRefusedError:
        finish(End::ConnectionRefused);
        return;
    case QAbstractSocket::HostNotFoundError:
        m_errorText = m_socket->errorString();
        finish(End::HostNotFound);
        return;
    default:
        m_errorText = m_socket->errorString();
        finish(m_sent ? End::Reset : End::NetworkError);
        return;
    }
}

void WhoisConnection::finish(End end)
{
    if (!m_socket)
        return;
    m_timeLimit.stop();
    dropSocket();
    emit finished(end);
}

QString WhoisConnection::describe(End end)
{
    switch (end) {
    case End::Answered:
        return QStringLiteral("answered");
    case End::EmptyAnswer:
        return QStringLiteral("closed without an answer");
    case End::Reset:
        return QStringLiteral("connection reset");
    case End::CutAtCap:
        return QStringLiteral("answer cut at 4 MiB");
    case End::TimedOut:
        return QStringLiteral("no answer in time");
    case End::ConnectionRefused:
        return QStringLiteral("connection refused");
    case End::HostNotFound:
        return QStringLiteral("host not found");
    case End::NetworkError:
        return QStringLiteral("network error");
    }
    return QString();
}

} // namespace lookup
