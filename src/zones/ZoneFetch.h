#pragma once

#include "zones/CzdsClient.h"
#include "zones/CzdsDownload.h"
#include "zones/ZoneImport.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>

namespace platform {
class ProgramSettings;
}

namespace zones {

/// How far a fetch has come.
struct FetchProgress {
    enum class Phase { Idle, Downloading, Importing };
    Phase phase = Phase::Idle;
    QString tld;
    double fraction = 0;    ///< of the current phase, 0 to 1
    qint64 etaSeconds = -1; ///< of the current phase; -1 while unknown
};

/**
 * Fetches zones from the zone data service: for each chosen zone, download (resuming a part left by an
 * earlier try) and then import, one zone after the other. The service's terms allow one download of a
 * zone a day: a zone downloaded less than 24 hours ago is not downloaded again (a file of it still in the
 * downloads folder is imported instead). A downloaded file is removed once its index is in place.
 */
class ZoneFetch : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 downloadPauseSeconds = 24 * 3600;

    ZoneFetch(CzdsClient &client, const QString &appFolder, platform::ProgramSettings &settings,
              QObject *parent = nullptr);
    ~ZoneFetch() override;

    /// Fetches @p zones in turn; zoneFinished() for each, then finished().
    void fetch(const QList<CzdsZone> &zones);
    /// Stops; a part downloaded so far is kept for the next try, an old index stays.
    void cancel();

    bool isRunning() const { return m_progress.phase != FetchProgress::Phase::Idle; }
    FetchProgress progress() const;
    /// When the zone of @p tld may be downloaded again; invalid when it may be now.
    QDateTime nextDownload(const QString &tld, const QDateTime &now) const;
    QString downloadFile(const QString &tld) const;

signals:
    void progressed();
    /// @p message says why a zone was not fetched; empty when its index is in place.
    void zoneFinished(const QString &tld, bool ok, const QString &message);
    void finished();

private:
    void next();
    void download();
    void downloaded(CzdsDownload::End end);
    void import(const QString &file);
    void imported(bool ok);
    void zoneDone(bool ok, const QString &message);

    CzdsClient &m_client;
    QString m_appFolder;
    platform::ProgramSettings &m_settings;
    QList<CzdsZone> m_queue;
    CzdsZone m_zone;
    FetchProgress m_progress;
    QElapsedTimer m_clock;
    QPointer<CzdsDownload> m_download;
    QPointer<ZoneImport> m_import;
    bool m_renewed = false;
};

} // namespace zones
