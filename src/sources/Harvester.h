#pragma once

#include "sources/HarvestExtractor.h"
#include "sources/PageDownloader.h"
#include "sources/SearchEngines.h"

#include <QObject>
#include <QTimer>

namespace platform {
class AppFolder;
}

namespace sources {

/**
 * One harvest of a search engine's result pages, as an explicit state machine on the event loop:
 * waiting for the start ticks, fetching a page, pausing between pages, finished or stopped. After the
 * first page that brings nothing new, or once enough names are kept, the names are written to
 * BrowserSearch.txt with an archive copy in the searches folder. Stopping, or finding no name at all,
 * writes nothing.
 */
class Harvester : public QObject {
    Q_OBJECT
public:
    enum class State { Idle, Waiting, Fetching, Pausing, Finished, Stopped };

    Harvester(const platform::AppFolder &folder, const tld::EnabledTldMatcher &matcher, QObject *parent = nullptr);

    void start(const HarvestRequest &request);
    void stop();

    State state() const { return m_state; }
    int uniqueCount() const { return m_extractor.uniqueCount(); }
    int resultPosition() const { return m_resultPosition; }
    QString listPath() const;
    QString archivePath() const;

signals:
    void statusChanged(const QString &text);
    /// BrowserSearch.txt holds the harvest; @p entryCount is its number of entries.
    void listWritten(int entryCount, int uniqueCount);
    void writeFailed(const QString &path);
    /// The harvest ended without a single name; nothing was written.
    void nothingFound();
    /// The first result page could not be downloaded (@p reason in words); nothing was written.
    void downloadFailed(const QString &reason);

private:
    void tick();
    void fetchPage();
    void extractFromPage(const QByteArray &body);
    void nextPageOrFinish();
    void finish();

    const platform::AppFolder &m_folder;
    HarvestExtractor m_extractor;
    PageDownloader m_downloader;
    QTimer m_timer1;
    QTimer m_pause;
    State m_state = State::Idle;
    HarvestRequest m_request;
    int m_ticks = 0;
    int m_resultPosition = 1;
    int m_pageCount = 0;
};

} // namespace sources
