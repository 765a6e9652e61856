#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class QTcpSocket;

namespace lookup {

/**
 * One WHOIS question on port 43: connect to a host, send one query line, collect the answer until the
 * server closes, and say how the exchange ended. The answer is capped, and an optional time limit ends
 * a server that never closes. This is the only place in the program that handles a TCP socket.
 *
 * Every start uses a fresh socket, so events of an earlier connection never reach the caller.
 */
class WhoisConnection : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 answerLimit = 4 * 1024 * 1024; ///< bytes kept of one answer

    /// How an exchange ended.
    enum class End {
        Answered,          ///< the server sent something and closed
        EmptyAnswer,       ///< the server closed without sending a byte
        Reset,             ///< the connection broke after the query was sent (a reset that the system
                           ///< reports as an orderly close ends as EmptyAnswer or Answered)
        CutAtCap,          ///< the answer reached answerLimit; the connection was closed here
        TimedOut,          ///< the time limit ran out first
        ConnectionRefused, ///< nothing listens at the host and port
        HostNotFound,      ///< the host name does not resolve
        NetworkError,      ///< any other failure to connect or send (see errorText)
    };
    Q_ENUM(End)

    explicit WhoisConnection(QObject *parent = nullptr);
    ~WhoisConnection() override;

    /// Connects to @p host:@p port and sends @p query once connected. A time limit of 0 waits for ever.
    /// A running exchange is abandoned first, without a signal.
    void start(const QString &host, quint16 port, QByteArray query, int timeLimitMs = 0);
    /// Ends the exchange without a signal.
    void abort();

    bool isBusy() const { return m_socket != nullptr; }
    QString host() const { return m_host; }
    quint16 port() const { return m_port; }
    /// The bytes received so far (all of them once finished).
    const QByteArray &answer() const { return m_answer; }
    /// The system's words for a failure to connect or send; empty otherwise.
    QString errorText() const { return m_errorText; }

    /// A short description of @p end for status texts and messages.
    static QString describe(End end);

signals:
    /// The connection is open and the query was handed to the system.
    void connected();
    /// The exchange is over; answer() holds what arrived.
    void finished(lookup::WhoisConnection::End end);

private:
    void onConnected();
    void onReadyRead();
    void onDisconnected();
    void onError(int error);
    void finish(End end);
    void dropSocket();

    QTcpSocket *m_socket = nullptr;
    QTimer m_timeLimit;
    QString m_host;
    quint16 m_port = 0;
    QByteArray m_query;
    QByteArray m_answer;
    QString m_errorText;
    bool m_sent = false;
};

} // namespace lookup
