#include "sources/PageDownloader.h"

#include "platform/Intervals.h"

#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace sources {

PageDownloader::PageDownloader(QObject *parent) : QObject(parent)
{
    m_network.setProxy(QNetworkProxy::NoProxy);
    m_network.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    m_limit.setSingleShot(true);
    connect(&m_limit, &QTimer::timeout, this, &PageDownloader::finish);
}

PageDownloader::~PageDownloader()
{
    abort();
}

void PageDownloader::fetch(const QString &address)
{
    abort();
    m_body.clear();
    m_error.clear();
    QNetworkRequest request{QUrl(address)};
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Mozilla"));
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setMaximumRedirectsAllowed(maxRedirects);
    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &PageDownloader::readPiece);
    connect(m_reply, &QNetworkReply::finished, this, &PageDownloader::finish);
    m_limit.start(platform::intervals().downloadTimeoutMs);
}

void PageDownloader::abort()
{
    m_limit.stop();
    if (!m_reply)
        return;
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void PageDownloader::readPiece()
{
    if (!m_reply)
        return;
    takeArrived();
    if (m_body.size() >= maxPageBytes)
        finish();
}

void PageDownloader::takeArrived()
{
    const QByteArray piece = m_reply->read(maxPageBytes - m_body.size());
    if (piece.isEmpty())
        return;
    m_body += piece;
    emit progress(tr("Downloaded %1 bytes.").arg(m_body.size()));
}

void PageDownloader::finish()
{
    if (!m_reply)
        return;
    // The body of an error page is still a page; a refused connection simply brings no bytes.
    takeArrived();
    if (m_body.isEmpty() && m_reply->error() != QNetworkReply::NoError)
        m_error = m_reply->errorString();
    abort();
    const QByteArray body = m_body;
    m_body.clear();
    emit pageReady(body);
}

} // namespace sources
