#pragma once

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <QTcpServer>

#include <functional>

namespace testing {

/**
 * A scripted WHOIS server on 127.0.0.1 for tests. It reads one query line per connection and answers
 * as its mode says. Nothing here ever talks to another machine.
 */
class WhoisFixtureServer : public QObject {
    Q_OBJECT
public:
    enum class Mode {
        AnswerAtOnce,     ///< answer, then close
        AnswerInPieces,   ///< answer in three pieces a few milliseconds apart, then close
        Silent,           ///< accept, read, never answer, never close
        AnswerNeverClose, ///< answer, keep the connection open
        CloseAtOnce,      ///< close right after the query without a word
        Reset,            ///< answer the query with a connection reset (RST), no bytes
        Endless,          ///< send the answer over and over, never close
        HalfClose,        ///< send the first half of the answer, then close the sending side only
        Drip,             ///< send the answer one byte at a time (dripIntervalMs apart), then close
        Junk,             ///< send 64 KiB of binary bytes (NUL, control bytes, invalid UTF-8), then close
        Flood,            ///< send the answer over and over until floodBytes went out, then close
    };
    using Responder = std::function<QByteArray(const QString &query)>;

    explicit WhoisFixtureServer(QObject *parent = nullptr);

    /// Listens on 127.0.0.1, any free port.
    bool listen();
    quint16 port() const { return m_server.serverPort(); }
    QString host() const { return QStringLiteral("127.0.0.1"); }

    void setMode(Mode mode) { m_mode = mode; }
    void setDripIntervalMs(int ms) { m_dripIntervalMs = ms; }
    static constexpr qint64 floodBytes = 50 * 1024 * 1024;
    /// Same answer for every query.
    void setAnswer(const QByteArray &answer);
    /// Answer computed from the query (the line without CR LF).
    void setResponder(Responder responder) { m_responder = std::move(responder); }

    QStringList queries() const { return m_queries; }
    /// Raw bytes received per connection, CR LF included.
    QList<QByteArray> received() const { return m_received; }
    int connections() const { return m_connections; }

    /// A loopback port on which nothing listens (connections are refused).
    static quint16 closedPort();

signals:
    void queryReceived(const QString &query);
    void answered();

private:
    void accept();
    void handle(QTcpSocket *socket);
    void respond(QTcpSocket *socket, const QString &query);
    /// Keeps at most 1 MiB queued, so the fixture never holds what it sends; stops after @p limit bytes
    /// (and closes) when @p limit is not negative.
    static void sendEndlessly(QTcpSocket *socket, const QByteArray &piece, qint64 limit = -1);
    void drip(QTcpSocket *socket, const QByteArray &answer);

    QTcpServer m_server;
    Mode m_mode = Mode::AnswerAtOnce;
    int m_dripIntervalMs = 200;
    Responder m_responder;
    QStringList m_queries;
    QList<QByteArray> m_received;
    int m_connections = 0;
};

/// Typical answers in the shapes registries use.
QByteArray availableAnswer(const QString &domain);
QByteArray registeredAnswer(const QString &domain);
QByteArray quotaAnswer();
/// Bytes no server of text would send: every byte value, NUL and invalid UTF-8 among them.
QByteArray binaryJunk(qsizetype size);

} // namespace testing
