#include "HttpFixtureServer.h"

#include <QTcpSocket>

namespace testing {

HttpFixtureServer::HttpFixtureServer(QObject *parent) : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &HttpFixtureServer::accept);
}

bool HttpFixtureServer::listen()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QString HttpFixtureServer::hostAndPort() const
{
    return QStringLiteral("127.0.0.1:") + QString::number(m_server.serverPort());
}

QList<QByteArray> HttpFixtureServer::targets() const
{
    QList<QByteArray> result;
    for (const HttpRequest &request : m_requests)
        result.append(request.target);
    return result;
}

void HttpFixtureServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            if (socket->property("answered").toBool())
                return;
            QByteArray head = socket->property("head").toByteArray() + socket->readAll();
            socket->setProperty("head", head);
            const qsizetype end = head.indexOf("\r\n\r\n");
            if (end < 0)
                return;
            socket->setProperty("answered", true);
            const QList<QByteArray> lines = head.left(end).split('\n');
            HttpRequest request;
            request.target = lines.value(0).split(' ').value(1);
            for (qsizetype i = 1; i < lines.size(); ++i) {
                const QByteArray line = lines.at(i).trimmed();
                const qsizetype colon = line.indexOf(':');
                if (colon > 0)
                    request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
            }
            m_requests.append(request);
            emit requestReceived(request.target);
            answer(socket, request);
        });
    }
}

void HttpFixtureServer::answer(QTcpSocket *socket, const HttpRequest &request)
{
    const HttpAnswer reply = m_script ? m_script(request) : HttpAnswer::page({});
    switch (reply.kind) {
    case HttpAnswer::Kind::Page:
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\nContent-Length: " +
                      QByteArray::number(reply.body.size()) + "\r\n\r\n" + reply.body);
        socket->disconnectFromHost();
        return;
    case HttpAnswer::Kind::Redirect:
        socket->write("HTTP/1.1 302 Found\r\nLocation: " + reply.location +
                      "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        return;
    case HttpAnswer::Kind::Stall:
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 1000000\r\n\r\n" + reply.body);
        return;
    }
}

} // namespace testing
