#include "sources/Harvester.h"

#include "platform/AppFolder.h"
#include "platform/AtomicFile.h"
#include "platform/FileHelpers.h"
#include "platform/Intervals.h"
#include "platform/TextCodec.h"
#include "sources/ListFile.h"
#include "tld/DomainRule.h"

#include <QDir>
#include <QFileInfo>

namespace sources {

Harvester::Harvester(const platform::AppFolder &folder, const tld::EnabledTldMatcher &matcher, QObject *parent)
    : QObject(parent), m_folder(folder), m_extractor(matcher)
{
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    connect(&m_timer1, &QTimer::timeout, this, &Harvester::tick);
    m_pause.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, &Harvester::nextPageOrFinish);
    connect(&m_downloader, &PageDownloader::progress, this, &Harvester::statusChanged);
    connect(&m_downloader, &PageDownloader::pageReady, this, &Harvester::extractFromPage);
}

QString Harvester::listPath() const
{
    return m_folder.path(QStringLiteral("BrowserSearch.txt"));
}

QString Harvester::archivePath() const
{
    return m_folder.path(QStringLiteral("searches")) + QLatin1Char('/') +
           archiveFileName(m_request.engine, m_request.searchString);
}

void Harvester::start(const HarvestRequest &request)
{
    stop();
    m_extractor.reset();
    // The engine's own pages name the engine everywhere; it is no find.
    const tld::EntryName engine =
        tld::readEntry(request.engine == SearchEngine::Yahoo ? searchHosts().yahoo : searchHosts().google);
    m_extractor.setEngineDomains(engine.isDomain() ? QStringList{engine.name} : QStringList());
    m_request = request;
    m_ticks = 0;
    m_resultPosition = 1;
    m_pageCount = 0;
    m_state = State::Waiting;
    m_timer1.start(platform::intervals().secondMs);
}

void Harvester::stop()
{
    m_timer1.stop();
    m_pause.stop();
    m_downloader.abort();
    if (m_state != State::Idle && m_state != State::Finished)
        m_state = State::Stopped;
}

void Harvester::tick()
{
    if (++m_ticks < platform::intervals().harvestStartTicks)
        return;
    m_timer1.stop();
    fetchPage();
}

void Harvester::fetchPage()
{
    m_state = State::Fetching;
    m_downloader.fetch(pageAddress(m_request.engine, searchQuery(m_request.searchString), m_resultPosition));
}

void Harvester::extractFromPage(const QByteArray &body)
{
    if (m_state != State::Fetching)
        return;
    if (body.isEmpty() && uniqueCount() == 0 && !m_downloader.lastError().isEmpty()) {
        // Offline or no such host: a failure, not a search that found nothing.
        m_state = State::Finished;
        emit statusChanged(tr("Download failed: %1").arg(m_downloader.lastError()));
        emit downloadFailed(m_downloader.lastError());
        return;
    }
    m_pageCount = m_extractor.extractFromPage(platform::decodeText(body));
    emit statusChanged(tr("Extracted %1 unique domain names").arg(uniqueCount()));
    m_state = State::Pausing;
    m_pause.start(platform::intervals().harvestPagePauseMs);
}

void Harvester::nextPageOrFinish()
{
    if (m_state != State::Pausing)
        return;
    if (uniqueCount() < m_request.resultTarget && m_pageCount > 0) {
        m_resultPosition += pageStep(m_request.engine);
        fetchPage();
        return;
    }
    finish();
}

void Harvester::finish()
{
    m_state = State::Finished;
    if (uniqueCount() == 0) {
        // An empty list would replace the last harvest and start a run over nothing.
        emit statusChanged(tr("No domain names found."));
        emit nothingFound();
        return;
    }
    const QByteArray text = platform::encodeText(m_extractor.finishedList() + platform::crlf);
    if (!platform::writeFileAtomically(listPath(), text)) {
        emit writeFailed(listPath());
        return;
    }
    const QString searches = m_folder.path(QStringLiteral("searches"));
    if (!QFileInfo(searches).isDir())
        QDir().mkpath(searches);
    platform::copyFile(listPath(), archivePath()); // the list itself is written; a failed copy changes nothing
    emit statusChanged(tr("Finished! Extracted %1 domain names.").arg(uniqueCount()));
    emit listWritten(countEntriesInText(text), uniqueCount());
}

} // namespace sources
