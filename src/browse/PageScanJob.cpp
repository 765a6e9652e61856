#include "browse/PageScanJob.h"

#include "platform/AtomicFile.h"
#include "platform/TextCodec.h"
#include "sources/LinkText.h"
#include "tld/Routing.h"

#include <QElapsedTimer>
#include <QTimer>

namespace browse {

PageScanJob::PageScanJob(const tld::EnabledTldMatcher &matcher, FoundNames &session, QString queuePath, QObject *parent)
    : QObject(parent), m_scanner(matcher, session), m_queuePath(std::move(queuePath))
{}

void PageScanJob::start(const QString &html)
{
    m_html = html;
    QTimer::singleShot(0, this, &PageScanJob::runSlice);
}

void PageScanJob::runToEnd(const QString &html)
{
    m_html = html;
    prepareSome(-1);
    scanSome(-1);
    finish();
}

void PageScanJob::runSlice()
{
    if (!m_linesReady) {
        prepareSome(sliceMs);
    } else if (scanSome(sliceMs)) {
        finish();
        return;
    }
    QTimer::singleShot(0, this, &PageScanJob::runSlice);
}

void PageScanJob::prepareSome(qint64 budgetMs)
{
    // The page is prepared in pieces cut right before a "<": no pattern the preparation looks for
    // holds a "<" after its first character, so the pieces give what the whole page gives.
    constexpr qsizetype pieceSize = 64 * 1024;
    QElapsedTimer clock;
    clock.start();
    while (m_prepared < m_html.size() && (budgetMs < 0 || clock.elapsed() < budgetMs)) {
        qsizetype end = m_html.indexOf(QLatin1Char('<'), std::min(m_prepared + pieceSize, m_html.size()));
        if (end < 0)
            end = m_html.size();
        const QString piece = m_html.mid(m_prepared, end - m_prepared);
        m_preparedText += m_scanner.matcher().breakAfterTlds(sources::breakAtLinks(piece, true));
        m_prepared = end;
    }
    if (m_prepared < m_html.size())
        return;
    m_lines = platform::splitListLines(m_preparedText + platform::crlf);
    m_preparedText.clear();
    m_html.clear();
    m_linesReady = true;
}

bool PageScanJob::scanSome(qint64 budgetMs)
{
    QElapsedTimer clock;
    clock.start();
    QString lastStatus = m_scanner.status();
    while (m_next < m_lines.size()) {
        m_next = m_scanner.scanLine(m_lines, m_next);
        const QStringList frames = m_scanner.framesToFollow();
        for (; m_framesSeen < frames.size(); ++m_framesSeen) {
            emit statusChanged(m_scanner.status());
            emit followFrame(frames.at(m_framesSeen));
        }
        if (m_scanner.status() != lastStatus) {
            lastStatus = m_scanner.status();
            emit statusChanged(lastStatus);
        }
        if (budgetMs >= 0 && clock.elapsed() >= budgetMs)
            return m_next >= m_lines.size();
    }
    return true;
}

void PageScanJob::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    platform::appendToFile(m_queuePath, platform::encodeText(m_scanner.pageFound() + platform::crlf));
    const int count = m_scanner.pageFoundCount();
    emit statusChanged(count < 1 ? QStringLiteral("No Domains Found")
                                 : QStringLiteral("Domains Found, Checking Status"));
    emit finished(count);
}

} // namespace browse
