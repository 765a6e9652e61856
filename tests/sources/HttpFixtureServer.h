#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>

#include <functional>

class QTcpSocket;

namespace testing {

/// One request as the fixture received it.
struct HttpRequest {
    QByteArray target;                     ///< path and query
    QHash<QByteArray, QByteArray> headers; ///< names in lower case
};

/// What the fixture answers to one request.
struct HttpAnswer {
    enum class Kind {
        Page,     ///< status line, headers, the body, then close
        Redirect, ///< 302 to location
        Stall,    ///< headers promising more, the body so far, then silence without closing
    };
    Kind kind = Kind::Page;
    QByteArray body;
    QByteArray location;

    static HttpAnswer page(const QByteArray &body) { return {Kind::Page, body, {}}; }
    static HttpAnswer redirect(const QByteArray &location) { return {Kind::Redirect, {}, location}; }
    static HttpAnswer stall(const QByteArray &start) { return {Kind::Stall, start, {}}; }
};

/// An HTTP/1.1 server on 127.0.0.1 (any free port) that answers from a script and counts requests.
class HttpFixtureServer : public QObject {
    Q_OBJECT
public:
    using Script = std::function<HttpAnswer(const HttpRequest &request)>;

    explicit HttpFixtureServer(QObject *parent = nullptr);

    bool listen();
    /// "127.0.0.1:<port>", the form a search host takes.
    QString hostAndPort() const;
    void setScript(Script script) { m_script = std::move(script); }

    QList<HttpRequest> requests() const { return m_requests; }
    QList<QByteArray> targets() const;

signals:
    void requestReceived(const QByteArray &target);

private:
    void accept();
    void answer(QTcpSocket *socket, const HttpRequest &request);

    QTcpServer m_server;
    Script m_script;
    QList<HttpRequest> m_requests;
};

} // namespace testing
