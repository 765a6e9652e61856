#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace lookup {

/// The HTTP client shared by the registry lookups and the zone data service: connections to a server are kept
/// open and reused by every request. Downloads of search-result pages use a client of their own.
QNetworkAccessManager &network();

/**
 * One HTTP GET through the shared HTTP client. Redirects are followed up to maxRedirects, never from
 * https to plain http and never to plain http on another machine. The body is kept up to a byte limit,
 * and an optional time limit ends a server that does not finish. Every start makes a fresh request, so
 * events of an earlier one never reach the caller.
 */
class HttpExchange : public QObject {
    Q_OBJECT
public:
    static constexpr int maxRedirects = 5;

    /// How an exchange ended.
    enum class End {
        Complete,         ///< a status and the whole body arrived
        TooLarge,         ///< the body was longer than the limit; the request was ended there
        TimedOut,         ///< the time limit ran out first
        Reset,            ///< the connection broke before the answer was complete
        Refused,          ///< nothing listens at the host and port
        HostNotFound,     ///< the host name does not resolve
        TooManyRedirects, ///< more than maxRedirects redirects
        UnsafeRedirect,   ///< a redirect to plain http that the rules above refuse
        NetworkError,     ///< any other failure (not HTTP, TLS, ...; see errorText)
    };
    Q_ENUM(End)

    explicit HttpExchange(QObject *parent = nullptr);
    ~HttpExchange() override;

    /// Asks for @p url, accepting @p accept. A time limit of 0 waits for ever. A running exchange is
    /// abandoned first, without a signal.
    void start(const QUrl &url, const QByteArray &accept, qint64 bodyLimit, int timeLimitMs = 0);
    /// Ends the exchange without a signal.
    void abort();

    bool isBusy() const { return m_reply != nullptr; }
    /// The HTTP status of the answer (0 until one arrived) and its reason phrase.
    int status() const { return m_status; }
    QString reason() const { return m_reason; }
    /// A header of the answer ("" when absent).
    QByteArray header(const QByteArray &name) const;
    /// The body so far (at most the limit).
    const QByteArray &body() const { return m_body; }
    /// The address asked last (the end of any redirects).
    QUrl url() const { return m_url; }
    /// The system's words for a failure; empty otherwise.
    QString errorText() const { return m_errorText; }

    /// A short description of @p end for messages.
    QString describe(End end) const;
    /// Whether a redirect from @p from to @p to is followed: to https always, to plain http only from plain
    /// http and only on this computer.
    static bool redirectAllowed(const QUrl &from, const QUrl &to);

signals:
    /// The request went out.
    void requestSent();
    /// The exchange is over; status(), header() and body() hold what arrived.
    void finished(lookup::HttpExchange::End end);

private:
    void onMetaData();
    void onReadyRead();
    void send(const QUrl &url);
    static bool isRedirect(int status);
    void followRedirect();
    void onFinished();
    void finish(End end);
    void dropReply();

    QNetworkReply *m_reply = nullptr;
    QTimer m_timeLimit;
    QUrl m_url;
    QByteArray m_accept;
    int m_redirects = 0;
    qint64 m_limit = 0;
    int m_status = 0;
    QString m_reason;
    QList<std::pair<QByteArray, QByteArray>> m_headers;
    QByteArray m_body;
    QString m_errorText;
};

} // namespace lookup
