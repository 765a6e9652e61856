#include "lookup/HttpExchange.h"

#include "platform/SettingsFile.h"
#include "tld/TldRecord.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>

namespace lookup {

bool HttpExchange::redirectAllowed(const QUrl &from, const QUrl &to)
{
    // Answers that decide what the user buys never travel unencrypted over a network.
    if (to.scheme() == QLatin1String("https"))
        return true;
    return to.scheme() == QLatin1String("http") && from.scheme() == QLatin1String("http") &&
           tld::isLoopbackHost(to.host());
}

QNetworkAccessManager &network()
{
    // Owned by the application object, so that it goes before the application's event machinery does.
    static QPointer<QNetworkAccessManager> manager;
    if (!manager)
        manager = new QNetworkAccessManager(QCoreApplication::instance());
    return *manager;
}

HttpExchange::HttpExchange(QObject *parent) : QObject(parent)
{
    m_timeLimit.setSingleShot(true);
    connect(&m_timeLimit, &QTimer::timeout, this, [this] { finish(End::TimedOut); });
}

HttpExchange::~HttpExchange()
{
    dropReply();
}

void HttpExchange::start(const QUrl &url, const QByteArray &accept, qint64 bodyLimit, int timeLimitMs)
{
    abort();
    m_accept = accept;
    m_limit = bodyLimit;
    m_redirects = 0;
    m_errorText.clear();
    send(url);
    if (timeLimitMs > 0)
        m_timeLimit.start(timeLimitMs);
}

void HttpExchange::send(const QUrl &url)
{
    m_url = url;
    m_status = 0;
    m_reason.clear();
    m_headers.clear();
    m_body.clear();
    QNetworkRequest request(url);
    request.setRawHeader("Accept", m_accept);
    request.setHeader(QNetworkRequest::UserAgentHeader, QLatin1String(platform::productName));
    // Redirects are followed here, where each one is checked before anything is sent to its target.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    // Registries' cookies carry nothing an answer depends on.
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    m_reply = network().get(request);
    connect(m_reply, &QNetworkReply::requestSent, this, &HttpExchange::requestSent);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &HttpExchange::onMetaData);
    connect(m_reply, &QNetworkReply::readyRead, this, &HttpExchange::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &HttpExchange::onFinished);
}

void HttpExchange::abort()
{
    m_timeLimit.stop();
    dropReply();
}

void HttpExchange::dropReply()
{
    if (!m_reply)
        return;
    QNetworkReply *reply = std::exchange(m_reply, nullptr);
    reply->disconnect(this);
    // A finished request leaves its connection open for the next one to the same server.
    if (reply->isRunning())
        reply->abort();
    reply->deleteLater();
}

QByteArray HttpExchange::header(const QByteArray &name) const
{
    for (const auto &[key, value] : m_headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

void HttpExchange::onMetaData()
{
    m_status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    m_reason = QString::fromLatin1(m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray());
    m_headers = m_reply->rawHeaderPairs();
    bool known = false;
    const qint64 length = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
    // A body announced larger than the limit is not waited for.
    if (known && length > m_limit && (m_status < 300 || m_status >= 400))
        finish(End::TooLarge);
}

void HttpExchange::onReadyRead()
{
    m_body += m_reply->read(m_limit + 1 - m_body.size());
    if (m_body.size() > m_limit) {
        m_body.truncate(m_limit);
        finish(End::TooLarge);
    }
}

bool HttpExchange::isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

void HttpExchange::followRedirect()
{
    const QUrl target = m_url.resolved(QUrl::fromEncoded(header("Location").trimmed()));
    if (m_redirects == maxRedirects) {
        finish(End::TooManyRedirects);
        return;
    }
    if (!target.isValid() || !redirectAllowed(m_url, target)) {
        m_errorText = QStringLiteral("from %1 to %2").arg(m_url.toString(), target.toString());
        finish(End::UnsafeRedirect);
        return;
    }
    ++m_redirects;
    QNetworkReply *done = std::exchange(m_reply, nullptr);
    done->disconnect(this);
    done->deleteLater();
    send(target);
}

void HttpExchange::onFinished()
{
    if (!m_reply)
        return;
    onReadyRead();
    if (!m_reply)
        return;
    if (m_status == 0)
        onMetaData();
    if (!m_reply)
        return;
    const QNetworkReply::NetworkError error = m_reply->error();
    // HTTP statuses that Qt reports as errors are answers like any other.
    const bool httpStatus =
        (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError) ||
        (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
    if (error == QNetworkReply::NoError && isRedirect(m_status) && !header("Location").trimmed().isEmpty()) {
        followRedirect();
        return;
    }
    if (error == QNetworkReply::NoError || (httpStatus && m_status > 0)) {
        finish(End::Complete);
        return;
    }
    m_errorText = m_reply->errorString();
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
        finish(End::Refused);
        return;
    case QNetworkReply::HostNotFoundError:
        finish(End::HostNotFound);
        return;
    case QNetworkReply::RemoteHostClosedError:
        finish(End::Reset);
        return;
    case QNetworkReply::TimeoutError:
        finish(End::TimedOut);
        return;
    default:
        finish(End::NetworkError);
        return;
    }
}

void HttpExchange::finish(End end)
{
    if (!m_reply)
        return;
    m_timeLimit.stop();
    dropReply();
    emit finished(end);
}

QString HttpExchange::describe(End end) const
{
    switch (end) {
    case End::Complete:
        return QStringLiteral("answered");
    case End::TooLarge:
        return m_limit % (1024 * 1024) == 0 ? QStringLiteral("answer larger than %1 MiB").arg(m_limit / (1024 * 1024))
                                            : QStringLiteral("answer larger than %1 bytes").arg(m_limit);
    case End::TimedOut:
        return QStringLiteral("no answer in time");
    case End::Reset:
        return QStringLiteral("connection reset");
    case End::Refused:
        return QStringLiteral("connection refused");
    case End::HostNotFound:
        return QStringLiteral("host not found");
    case End::TooManyRedirects:
        return QStringLiteral("more than 5 redirects");
    case End::UnsafeRedirect:
        return QStringLiteral("redirect to plain http refused");
    case End::NetworkError:
        return QStringLiteral("network error");
    }
    return QString();
}

} // namespace lookup
