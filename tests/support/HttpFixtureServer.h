#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>

#include <functional>
#include <utility>

class QTcpSocket;

namespace testing {

/// One request as the fixture received it.
struct HttpRequest {
    QByteArray method;                     ///< GET, POST, ...
    QByteArray target;                     ///< path and query
    QByteArray body;                       ///< as announced by Content-Length
    QHash<QByteArray, QByteArray> headers; ///< names in lower case
    int connection = 0;                    ///< which connection it came on, counted from 1
};

/// What the fixture answers to one request.
struct HttpAnswer {
    enum class Kind {
        Page,     ///< status line, headers, the body; then close, or wait for the next request (keepAlive)
        Redirect, ///< 302 to location
        Stall,    ///< headers promising more, the body so far, then silence without closing
        Silence,  ///< no answer at all; the connection stays open
        Reset,    ///< the connection is reset without a byte
    };
    Kind kind = Kind::Page;
    QByteArray body{};
    QByteArray location{};
    int status = 200;
    QByteArray contentType = "text/html";
    QList<std::pair<QByteArray, QByteArray>> headers{}; ///< further headers
    bool keepAlive = false;
    qint64 bulkBytes = 0;        ///< when set, the body is this many bytes sent in pieces, not body
    bool lengthAnnounced = true; ///< false: no Content-Length, the close ends the body
    qint64 announcedLength =
        -1; ///< when set, Content-Length says this, the body is cut there and the connection closes

    static HttpAnswer page(const QByteArray &body) { return {Kind::Page, body, {}}; }
    static HttpAnswer redirect(const QByteArray &location) { return {Kind::Redirect, {}, location}; }
    static HttpAnswer stall(const QByteArray &start) { return {Kind::Stall, start, {}}; }
    /// An answer of an RDAP server: @p status with a JSON body, the connection kept open.
    static HttpAnswer rdap(int status, const QByteArray &body);
    static HttpAnswer silence() { return {Kind::Silence, {}, {}}; }
    static HttpAnswer reset() { return {Kind::Reset, {}, {}}; }
};

/// An HTTP/1.1 server on 127.0.0.1 (any free port) that answers from a script and counts requests and
/// connections.
class HttpFixtureServer : public QObject {
    Q_OBJECT
public:
    using Script = std::function<HttpAnswer(const HttpRequest &request)>;

    explicit HttpFixtureServer(QObject *parent = nullptr);

    bool listen();
    /// "127.0.0.1:<port>", the form a search host takes.
    QString hostAndPort() const;
    /// "http://127.0.0.1:<port>" followed by @p path.
    QString address(const QString &path = QString()) const;
    void setScript(Script script) { m_script = std::move(script); }

    QList<HttpRequest> requests() const { return m_requests; }
    QList<QByteArray> targets() const;
    int connections() const { return m_connections; }

signals:
    void requestReceived(const QByteArray &target);

private:
    void accept();
    void readRequests(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const HttpRequest &request);
    static void sendBulk(QTcpSocket *socket, qint64 bytes);

    QTcpServer m_server;
    Script m_script;
    QList<HttpRequest> m_requests;
    int m_connections = 0;
};

/// An RDAP domain object for @p domain, as registries send one.
QByteArray rdapDomainRecord(const QString &domain);

} // namespace testing
