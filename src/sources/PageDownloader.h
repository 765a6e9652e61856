#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QTimer>

namespace sources {

/**
 * Downloads one result page at a time over HTTP: user agent "Mozilla", no proxy, never from a cache,
 * redirects followed. A download is bounded in time and size; what arrived before a limit is kept.
 * A failed download gives an empty page.
 */
class PageDownloader : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 maxPageBytes = 16 * 1024 * 1024;
    static constexpr int maxRedirects = 10;

    explicit PageDownloader(QObject *parent = nullptr);
    ~PageDownloader() override;

    /// Starts downloading @p address; a download under way is abandoned first.
    void fetch(const QString &address);
    /// Abandons the download under way without reporting it.
    void abort();
    bool isBusy() const { return m_reply != nullptr; }
    /// Why the last download brought no page, in words; empty when a page (even an error page) came.
    QString lastError() const { return m_error; }

signals:
    /// "Downloaded N bytes." after each piece of the body.
    void progress(const QString &text);
    void pageReady(const QByteArray &body);

private:
    void readPiece();
    void takeArrived();
    void finish();

    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    QString m_error;
    QTimer m_limit;
};

} // namespace sources
