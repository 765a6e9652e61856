#include "HttpFixtureServer.h"

#include <QTcpSocket>

#include <sys/socket.h>

namespace testing {

HttpAnswer HttpAnswer::rdap(int status, const QByteArray &body)
{
    HttpAnswer answer{Kind::Page, body, {}};
    answer.status = status;
    answer.contentType = "application/rdap+json";
    answer.keepAlive = true;
    return answer;
}

QByteArray rdapDomainRecord(const QString &domain)
{
    return R"({"objectClassName":"domain","ldhName":")" + domain.toUpper().toLatin1() +
           R"(","status":["client transfer prohibited","active"],)"
           R"("entities":[{"objectClassName":"entity","roles":["registrar"],)"
           R"("vcardArray":["vcard",[["version",{},"text","4.0"],["fn",{},"text","Example Registrar, Inc."]]],)"
           R"("publicIds":[{"type":"IANA Registrar ID","identifier":"9999"}]}],)"
           R"("events":[{"eventAction":"registration","eventDate":"1997-09-15T04:00:00Z"},)"
           R"({"eventAction":"expiration","eventDate":"2028-09-14T04:00:00Z"}],)"
           R"("nameservers":[{"objectClassName":"nameserver","ldhName":"NS1.EXAMPLE.NET"},)"
           R"({"objectClassName":"nameserver","ldhName":"NS2.EXAMPLE.NET"}]})";
}

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 206:
        return "Partial Content";
    case 401:
        return "Unauthorized";
    case 416:
        return "Range Not Satisfiable";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 429:
        return "Too Many Requests";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

} // namespace

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

QString HttpFixtureServer::address(const QString &path) const
{
    return QStringLiteral("http://") + hostAndPort() + path;
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
        socket->setProperty("connection", ++m_connections);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequests(socket); });
    }
}

void HttpFixtureServer::readRequests(QTcpSocket *socket)
{
    // Requests one after another on a connection that is kept open; a body as long as announced.
    QByteArray buffer = socket->property("head").toByteArray() + socket->readAll();
    while (!socket->property("done").toBool()) {
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            break;
        const QList<QByteArray> lines = buffer.left(end).split('\n');
        HttpRequest request;
        request.method = lines.value(0).split(' ').value(0);
        request.target = lines.value(0).split(' ').value(1);
        request.connection = socket->property("connection").toInt();
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines.at(i).trimmed();
            const qsizetype colon = line.indexOf(':');
            if (colon > 0)
                request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
        }
        const qsizetype length = request.headers.value("content-length").toLongLong();
        if (buffer.size() < end + 4 + length)
            break;
        request.body = buffer.mid(end + 4, length);
        buffer.remove(0, end + 4 + length);
        m_requests.append(request);
        emit requestReceived(request.target);
        answer(socket, request);
    }
    socket->setProperty("head", buffer);
}

void HttpFixtureServer::answer(QTcpSocket *socket, const HttpRequest &request)
{
    const HttpAnswer reply = m_script ? m_script(request) : HttpAnswer::page({});
    switch (reply.kind) {
    case HttpAnswer::Kind::Page: {
        QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + " " + reasonPhrase(reply.status) +
                          "\r\nContent-Type: " + reply.contentType + "\r\n";
        const qint64 length = reply.announcedLength >= 0 ? reply.announcedLength
                              : reply.bulkBytes > 0      ? reply.bulkBytes
                                                         : reply.body.size();
        if (reply.lengthAnnounced)
            head += "Content-Length: " + QByteArray::number(length) + "\r\n";
        for (const auto &[name, value] : reply.headers)
            head += name + ": " + value + "\r\n";
        const bool keepAlive = reply.keepAlive && reply.lengthAnnounced && reply.announcedLength < 0;
        head += keepAlive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
        socket->write(head);
        if (reply.bulkBytes > 0) {
            socket->setProperty("done", true);
            sendBulk(socket, reply.bulkBytes);
            return;
        }
        socket->write(reply.body);
        if (!keepAlive) {
            socket->setProperty("done", true);
            socket->disconnectFromHost();
        }
        return;
    }
    case HttpAnswer::Kind::Redirect:
        socket->setProperty("done", true);
        socket->write("HTTP/1.1 302 Found\r\nLocation: " + reply.location +
                      "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        return;
    case HttpAnswer::Kind::Stall:
        socket->setProperty("done", true);
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 1000000\r\n\r\n" + reply.body);
        return;
    case HttpAnswer::Kind::Silence:
        socket->setProperty("done", true);
        return;
    case HttpAnswer::Kind::Reset: {
        socket->setProperty("done", true);
        // A zero linger time turns the close into a reset.
        const linger noLinger{1, 0};
        setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &noLinger, sizeof noLinger);
        socket->abort();
        return;
    }
    }
}

void HttpFixtureServer::sendBulk(QTcpSocket *socket, qint64 bytes)
{
    // In pieces as the reader takes them, so that a huge body never sits in memory whole.
    static constexpr qint64 piece = 64 * 1024;
    socket->setProperty("bulkLeft", bytes);
    const auto more = [socket] {
        qint64 left = socket->property("bulkLeft").toLongLong();
        while (left > 0 && socket->bytesToWrite() < 4 * piece && socket->state() == QAbstractSocket::ConnectedState) {
            const qint64 size = std::min(left, piece);
            socket->write(QByteArray(size, 'x'));
            left -= size;
        }
        socket->setProperty("bulkLeft", left);
    };
    QObject::connect(socket, &QTcpSocket::bytesWritten, socket, more);
    more();
}

} // namespace testing
