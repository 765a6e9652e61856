#include "zones/ZoneFetch.h"

#include "platform/ProgramSettings.h"
#include "zones/ZoneScreen.h"

#include <QDir>
#include <QFile>
#include <QTimer>

namespace zones {

ZoneFetch::ZoneFetch(CzdsClient &client, const QString &appFolder, platform::ProgramSettings &settings, QObject *parent)
    : QObject(parent), m_client(client), m_appFolder(appFolder), m_settings(settings)
{
    connect(&m_client, &CzdsClient::signedIn, this, [this] {
        if (m_renewed && m_progress.phase == FetchProgress::Phase::Downloading && !m_download)
            download();
    });
    connect(&m_client, &CzdsClient::failed, this, [this](const QString &message) {
        if (m_renewed && m_progress.phase == FetchProgress::Phase::Downloading && !m_download)
            zoneDone(false, message);
    });
}

ZoneFetch::~ZoneFetch() = default;

QString ZoneFetch::downloadFile(const QString &tld) const
{
    return zonesFolder(m_appFolder) + QStringLiteral("/downloads/") + tld + QStringLiteral(".zone.gz");
}

QDateTime ZoneFetch::nextDownload(const QString &tld, const QDateTime &now) const
{
    const QDateTime last = m_settings.zoneDownloadedAt(tld);
    if (!last.isValid() || last.addSecs(downloadPauseSeconds) <= now)
        return QDateTime();
    return last.addSecs(downloadPauseSeconds);
}

void ZoneFetch::fetch(const QList<CzdsZone> &zones)
{
    if (isRunning())
        return;
    m_queue = zones;
    QTimer::singleShot(0, this, &ZoneFetch::next);
    m_progress.phase = FetchProgress::Phase::Downloading;
}

void ZoneFetch::next()
{
    if (m_queue.isEmpty()) {
        m_progress = FetchProgress();
        emit finished();
        return;
    }
    m_zone = m_queue.takeFirst();
    m_renewed = false;
    m_progress = {FetchProgress::Phase::Downloading, m_zone.tld, 0, -1};
    const QDateTime allowed = nextDownload(m_zone.tld, QDateTime::currentDateTimeUtc());
    if (allowed.isValid()) {
        if (QFile::exists(downloadFile(m_zone.tld)))
            import(downloadFile(m_zone.tld));
        else
            zoneDone(false, tr("it was downloaded less than a day ago, and the service allows one download a day; "
                               "the next is possible from %1")
                                .arg(QLocale().toString(allowed.toLocalTime(), QLocale::ShortFormat)));
        return;
    }
    download();
}

void ZoneFetch::download()
{
    QDir().mkpath(zonesFolder(m_appFolder) + QStringLiteral("/downloads"));
    m_clock.start();
    m_download = new CzdsDownload(m_zone.link, m_client.token(), downloadFile(m_zone.tld), this);
    connect(m_download, &CzdsDownload::progressed, this, [this] {
        const qint64 total = m_download->total();
        m_progress.fraction = total > 0 ? double(m_download->received()) / double(total) : 0;
        const qint64 elapsed = m_clock.elapsed();
        m_progress.etaSeconds = m_progress.fraction >= 0.01 && elapsed >= 1000
                                    ? qint64(double(elapsed) * (1 - m_progress.fraction) / m_progress.fraction / 1000)
                                    : -1;
        emit progressed();
    });
    connect(m_download, &CzdsDownload::finished, this, &ZoneFetch::downloaded);
    m_download->start();
}

void ZoneFetch::downloaded(CzdsDownload::End end)
{
    CzdsDownload *done = m_download;
    m_download = nullptr;
    done->deleteLater();
    switch (end) {
    case CzdsDownload::End::Complete:
        m_settings.setZoneDownloadedAt(m_zone.tld, QDateTime::currentDateTimeUtc());
        import(done->file());
        return;
    case CzdsDownload::End::Unauthorized:
        if (!m_renewed) {
            // The day-long token ran out: sign in again, and the part goes on.
            m_renewed = true;
            m_client.renewToken();
            return;
        }
        zoneDone(false, done->error());
        return;
    case CzdsDownload::End::Failed:
        zoneDone(false, done->error());
        return;
    case CzdsDownload::End::Cancelled:
        return;
    }
}

void ZoneFetch::import(const QString &file)
{
    m_progress = {FetchProgress::Phase::Importing, m_zone.tld, 0, -1};
    m_import = new ZoneImport(file, zonesFolder(m_appFolder), m_zone.tld, this);
    connect(m_import, &ZoneImport::progressed, this, [this] {
        const ImportProgress progress = m_import->progress();
        m_progress.fraction = progress.fraction;
        m_progress.etaSeconds = progress.etaSeconds;
        emit progressed();
    });
    connect(m_import, &ZoneImport::finished, this, &ZoneFetch::imported);
    m_import->start();
}

void ZoneFetch::imported(bool ok)
{
    ZoneImport *done = m_import;
    m_import = nullptr;
    done->deleteLater();
    if (done->state() == ZoneImport::State::Cancelled)
        return;
    if (ok)
        QFile::remove(done->zoneFile());
    zoneDone(ok, ok ? QString() : done->error());
}

void ZoneFetch::zoneDone(bool ok, const QString &message)
{
    emit zoneFinished(m_zone.tld, ok, message);
    next();
}

void ZoneFetch::cancel()
{
    m_queue.clear();
    if (m_download)
        m_download->cancel();
    if (m_import)
        m_import->cancel();
    if (isRunning()) {
        m_progress = FetchProgress();
        emit finished();
    }
}

FetchProgress ZoneFetch::progress() const
{
    return m_progress;
}

} // namespace zones
