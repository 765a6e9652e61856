#include "WhoisFixtureServer.h"

#include <QTcpSocket>
#include <QTimer>

#include <sys/socket.h>

namespace testing {

WhoisFixtureServer::WhoisFixtureServer(QObject *parent) : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &WhoisFixtureServer::accept);
    setAnswer(QByteArrayLiteral("No match for domain.\r\n"));
}

bool WhoisFixtureServer::listen()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

void WhoisFixtureServer::setAnswer(const QByteArray &answer)
{
    m_responder = [answer](const QString &) { return answer; };
}

quint16 WhoisFixtureServer::closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

void WhoisFixtureServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        ++m_connections;
        m_received.append(QByteArray());
        const qsizetype slot = m_received.size() - 1;
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, slot] {
            m_received[slot] += socket->readAll();
            const qsizetype end = m_received[slot].indexOf("\r\n");
            if (end < 0 || socket->property("answered").toBool())
                return;
            socket->setProperty("answered", true);
            respond(socket, QString::fromUtf8(m_received[slot].left(end)));
        });
    }
}

void WhoisFixtureServer::respond(QTcpSocket *socket, const QString &query)
{
    m_queries.append(query);
    emit queryReceived(query);
    const QByteArray answer = m_responder ? m_responder(query) : QByteArray();
    switch (m_mode) {
    case Mode::AnswerAtOnce:
        socket->write(answer);
        socket->disconnectFromHost();
        emit answered();
        break;
    case Mode::AnswerInPieces: {
        const qsizetype third = answer.size() / 3;
        const QList<QByteArray> pieces = {answer.left(third), answer.mid(third, third), answer.mid(2 * third)};
        for (int i = 0; i < 3; ++i) {
            QTimer::singleShot(15 * (i + 1), socket, [this, socket, piece = pieces.at(i), last = i == 2] {
                socket->write(piece);
                socket->flush();
                if (last) {
                    socket->disconnectFromHost();
                    emit answered();
                }
            });
        }
        break;
    }
    case Mode::Silent:
        break;
    case Mode::AnswerNeverClose:
        socket->write(answer);
        socket->flush();
        emit answered();
        break;
    case Mode::CloseAtOnce:
        socket->disconnectFromHost();
        emit answered();
        break;
    case Mode::Reset: {
        // A zero linger time turns the close into a reset.
        const linger noLinger{1, 0};
        setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &noLinger, sizeof noLinger);
        socket->abort();
        emit answered();
        break;
    }
    case Mode::Endless:
        sendEndlessly(socket, answer.isEmpty() ? QByteArray("x\r\n") : answer);
        emit answered();
        break;
    case Mode::HalfClose:
        socket->write(answer.left(answer.size() / 2));
        socket->flush();
        // The end of the stream reaches the client; the connection itself stays open.
        ::shutdown(int(socket->socketDescriptor()), SHUT_WR);
        emit answered();
        break;
    case Mode::Drip:
        drip(socket, answer);
        break;
    case Mode::Junk:
        socket->write(binaryJunk(64 * 1024));
        socket->disconnectFromHost();
        emit answered();
        break;
    case Mode::Flood:
        sendEndlessly(socket, answer.isEmpty() ? QByteArray("x\r\n") : answer, floodBytes);
        emit answered();
        break;
    }
}

void WhoisFixtureServer::drip(QTcpSocket *socket, const QByteArray &answer)
{
    auto *tap = new QTimer(socket);
    connect(tap, &QTimer::timeout, socket, [this, socket, tap, answer, sent = qsizetype(0)]() mutable {
        if (socket->state() != QAbstractSocket::ConnectedState) {
            tap->stop();
            return;
        }
        if (sent < answer.size()) {
            socket->write(answer.mid(sent++, 1));
            socket->flush();
            return;
        }
        tap->stop();
        socket->disconnectFromHost();
        emit answered();
    });
    tap->start(m_dripIntervalMs);
}

void WhoisFixtureServer::sendEndlessly(QTcpSocket *socket, const QByteArray &piece, qint64 limit)
{
    QByteArray chunk;
    while (chunk.size() < 64 * 1024)
        chunk += piece;
    auto *pump = new QTimer(socket);
    connect(pump, &QTimer::timeout, socket, [socket, pump, chunk, limit, sent = qint64(0)]() mutable {
        while (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < 1024 * 1024) {
            if (limit >= 0 && sent >= limit) {
                pump->stop();
                socket->disconnectFromHost();
                return;
            }
            const QByteArray part =
                limit < 0 ? chunk : chunk.left(qsizetype(std::min<qint64>(chunk.size(), limit - sent)));
            socket->write(part);
            sent += part.size();
        }
    });
    pump->start(1);
}

QByteArray availableAnswer(const QString &domain)
{
    return "No match for \"" + domain.toUpper().toUtf8() +
           "\".\r\n>>> Last update of whois database: 2026-12-07T10:00:00Z <<<\r\n";
}

QByteArray registeredAnswer(const QString &domain)
{
    return "   Domain Name: " + domain.toUpper().toUtf8() +
           "\r\n   Registrar: Example Registrar, Inc.\r\n   Name Server: NS1.EXAMPLE.NET\r\n"
           "   Domain Status: clientTransferProhibited\r\n";
}

QByteArray quotaAnswer()
{
    return "%% Your query rate has exceeded the allowed quota. Try again later.\r\n";
}

QByteArray binaryJunk(qsizetype size)
{
    QByteArray junk(size, Qt::Uninitialized);
    quint32 state = 2463534242u;
    for (char &byte : junk) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = char(state & 0xff);
    }
    return junk;
}

} // namespace testing
