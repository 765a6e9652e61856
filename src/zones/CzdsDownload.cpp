#include "zones/CzdsDownload.h"

#include "lookup/HttpExchange.h"
#include "platform/AtomicFile.h"
#include "platform/Intervals.h"
#include "zones/CzdsClient.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace zones {

namespace {

constexpr int maxRedirects = 5;

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool sameOrigin(const QUrl &a, const QUrl &b)
{
    return a.scheme() == b.scheme() && a.host() == b.host() && a.port() == b.port();
}

// "bytes 100-199/1000" gives 100 and 1000; -1 for what it does not say.
std::pair<qint64, qint64> contentRange(const QByteArray &header)
{
    const QByteArray range = header.trimmed();
    if (!range.startsWith("bytes "))
        return {-1, -1};
    const qsizetype dash = range.indexOf('-');
    const qsizetype slash = range.indexOf('/');
    bool startOk = false;
    bool totalOk = false;
    const qint64 start = range.mid(6, dash - 6).toLongLong(&startOk);
    const qint64 total = range.mid(slash + 1).toLongLong(&totalOk);
    return {startOk && dash > 0 ? start : -1, totalOk && slash > 0 ? total : -1};
}

} // namespace

CzdsDownload::CzdsDownload(const QUrl &link, const QByteArray &token, const QString &file, QObject *parent)
    : QObject(parent), m_link(link), m_token(token), m_path(file), m_part(file + QStringLiteral(".part"))
{
    m_pause.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, [this] { request(m_link, true); });
}

CzdsDownload::~CzdsDownload()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void CzdsDownload::start()
{
    if (!m_part.open(QIODevice::WriteOnly | QIODevice::Append)) {
        QTimer::singleShot(0, this, [this] {
            end(End::Failed,
                tr("the download could not be written to %1: %2").arg(m_part.fileName(), m_part.errorString()));
        });
        return;
    }
    // A part without the validator of its file cannot be continued safely.
    if (platform::readWholeFile(validatorPath()).isEmpty())
        m_part.resize(0);
    m_received = m_part.size();
    request(m_link, true);
}

void CzdsDownload::request(const QUrl &url, bool withToken)
{
    QNetworkRequest request = serviceRequest(url, withToken ? m_token : QByteArray());
    request.setRawHeader("Accept", "*/*");
    // The file is gzip already; the bytes must arrive as stored for a range to continue them.
    request.setRawHeader("Accept-Encoding", "identity");
    const QByteArray validator = platform::readWholeFile(validatorPath()).trimmed();
    if (m_received > 0 && !validator.isEmpty()) {
        request.setRawHeader("Range", "bytes=" + QByteArray::number(m_received) + '-');
        request.setRawHeader("If-Range", validator);
    }
    m_status = 0;
    m_accepted = false;
    m_reply = lookup::network().get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &CzdsDownload::onHeaders);
    connect(m_reply, &QNetworkReply::readyRead, this, &CzdsDownload::onData);
    connect(m_reply, &QNetworkReply::finished, this, &CzdsDownload::onFinished);
}

void CzdsDownload::onHeaders()
{
    // Once a request: what was written since must not be thrown away by a second look at the headers.
    if (m_status != 0)
        return;
    m_status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (m_status == 200) {
        // The whole file: what was kept belongs to another copy, or the server ignores ranges.
        m_part.resize(0);
        m_received = 0;
        const QByteArray etag = m_reply->rawHeader("ETag").trimmed();
        const QByteArray validator =
            !etag.isEmpty() && !etag.startsWith("W/") ? etag : m_reply->rawHeader("Last-Modified");
        if (!platform::writeFileAtomically(validatorPath(), validator))
            QFile::remove(validatorPath());
        bool known = false;
        const qint64 length = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        m_total = known ? length : -1;
        m_accepted = true;
    } else if (m_status == 206) {
        const auto [start, total] = contentRange(m_reply->rawHeader("Content-Range"));
        m_total = total;
        m_accepted = start == m_received;
        if (!m_accepted)
            QFile::remove(validatorPath()); // the next request starts from the beginning
    }
    const QDateTime modified = m_reply->header(QNetworkRequest::LastModifiedHeader).toDateTime();
    if (modified.isValid())
        m_lastModified = modified;
}

void CzdsDownload::onData()
{
    if (!m_accepted) {
        m_reply->skip(m_reply->bytesAvailable());
        return;
    }
    const QByteArray data = m_reply->readAll();
    if (m_part.write(data) != data.size()) {
        end(End::Failed,
            tr("the download could not be written to %1: %2").arg(m_part.fileName(), m_part.errorString()));
        return;
    }
    m_received += data.size();
    emit progressed();
}

void CzdsDownload::onFinished()
{
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    onData();
    if (!m_reply)
        return;
    m_reply = nullptr;
    reply->deleteLater();
    const QByteArray location = reply->rawHeader("Location").trimmed();
    if (isRedirect(m_status) && !location.isEmpty()) {
        const QUrl target = reply->url().resolved(QUrl::fromEncoded(location));
        if (++m_redirects > maxRedirects || !isSafeServiceAddress(target)) {
            end(End::Failed,
                tr("the service sent the download to %1, which is not followed").arg(target.toDisplayString()));
            return;
        }
        // The token goes to the service's own host only; elsewhere the address carries its own permission.
        request(target, sameOrigin(target, m_link));
        return;
    }
    if (m_status == 401) {
        end(End::Unauthorized, describeServiceStatus(m_status));
    } else if (m_status != 0 && m_status != 200 && m_status != 206 && m_status != 416) {
        end(End::Failed, describeServiceStatus(m_status));
    } else if (m_accepted && reply->error() == QNetworkReply::NoError && (m_total < 0 || m_received == m_total)) {
        if (complete())
            end(End::Complete);
    } else if (!takeUp()) {
        end(End::Failed,
            tr("the download broke off at %1 of %2 MB (%3); download again to go on from there")
                .arg(double(m_received) / 1e6, 0, 'f', 1)
                .arg(m_total < 0 ? tr("?") : QString::number(double(m_total) / 1e6, 'f', 1), reply->errorString()));
    }
}

bool CzdsDownload::takeUp()
{
    if (m_resumes >= maxResumes)
        return false;
    ++m_resumes;
    if (m_status == 416 || (m_status == 206 && !m_accepted)) {
        // The range did not fit the file as it is now: the next request asks for all of it.
        QFile::remove(validatorPath());
        m_part.resize(0);
        m_received = 0;
    }
    m_pause.start(platform::intervals().restUnitMs * m_resumes);
    return true;
}

bool CzdsDownload::complete()
{
    m_part.close();
    QFile::remove(m_path);
    if (!QFile::rename(m_part.fileName(), m_path)) {
        end(End::Failed, tr("the download could not be put in place as %1").arg(m_path));
        return false;
    }
    QFile::remove(validatorPath());
    QFile file(m_path);
    if (m_lastModified.isValid() && file.open(QIODevice::ReadWrite))
        file.setFileTime(m_lastModified, QFileDevice::FileModificationTime);
    return true;
}

void CzdsDownload::cancel()
{
    end(End::Cancelled);
}

void CzdsDownload::end(End how, const QString &error)
{
    m_error = error;
    m_pause.stop();
    if (QNetworkReply *reply = m_reply) {
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_part.close();
    emit finished(how);
}

} // namespace zones
