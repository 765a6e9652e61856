#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <QNetworkReply>

namespace zones {

/**
 * Downloads one zone file from the zone data service into a file, through "<file>.part". A transfer
 * that breaks off is taken up where it stopped with an HTTP range request, when the server honours
 * ranges and the file has not changed meanwhile (If-Range); otherwise it starts again. The part is
 * kept when the download fails or is cancelled, so the next one goes on from there.
 */
class CzdsDownload : public QObject {
    Q_OBJECT
public:
    enum class End { Complete, Unauthorized, Failed, Cancelled };
    Q_ENUM(End)

    /// Times a broken transfer is taken up again before the download fails.
    static constexpr int maxResumes = 3;

    CzdsDownload(const QUrl &link, const QByteArray &token, const QString &file, QObject *parent = nullptr);
    ~CzdsDownload() override;

    void start();
    void cancel();

    qint64 received() const { return m_received; }
    /// The whole file's size; -1 while unknown.
    qint64 total() const { return m_total; }
    /// The file's date as the server gave it (invalid when it gave none).
    QDateTime lastModified() const { return m_lastModified; }
    QString error() const { return m_error; }
    QString file() const { return m_path; }

signals:
    void progressed();
    void finished(zones::CzdsDownload::End end);

private:
    void request(const QUrl &url, bool withToken);
    void onHeaders();
    void onData();
    void onFinished();
    bool takeUp();
    bool complete();
    void end(End how, const QString &error = QString());
    QString validatorPath() const { return m_path + QStringLiteral(".part.validator"); }

    QUrl m_link;
    QByteArray m_token;
    QString m_path;
    QFile m_part;
    QPointer<QNetworkReply> m_reply;
    QTimer m_pause;
    int m_status = 0;
    int m_redirects = 0;
    int m_resumes = 0;
    bool m_accepted = false;
    qint64 m_received = 0;
    qint64 m_total = -1;
    QDateTime m_lastModified;
    QString m_error;
};

} // namespace zones
