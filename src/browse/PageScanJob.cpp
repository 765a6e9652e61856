#include "browse/PageScanJob.h"

#include "platform/AtomicFile.h"
#include "platform/TextCodec.h"

#include <QElapsedTimer>
#include <QTimer>

namespace browse {

bool isScannablePage(const QUrl &loaded, const QUrl &shown, bool succeeded)
{
    const QString scheme = loaded.scheme().toLower();
    const bool userPage =
        scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("file");
    return succeeded && userPage && loaded.adjusted(QUrl::RemoveFragment) == shown.adjusted(QUrl::RemoveFragment);
}

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
    scanSome(-1);
    finish();
}

void PageScanJob::runSlice()
{
    if (scanSome(sliceMs)) {
        finish();
        return;
    }
    QTimer::singleShot(0, this, &PageScanJob::runSlice);
}

bool PageScanJob::scanSome(qint64 budgetMs)
{
    constexpr qsizetype pieceSize = 16 * 1024;
    QElapsedTimer clock;
    clock.start();
    while (m_next < m_html.size()) {
        const qsizetype piece = std::min(pieceSize, m_html.size() - m_next);
        m_scanner.read(QStringView(m_html).mid(m_next, piece));
        m_next += piece;
        report();
        if (budgetMs >= 0 && clock.elapsed() >= budgetMs)
            break;
    }
    return m_next >= m_html.size();
}

void PageScanJob::report()
{
    const QStringList frames = m_scanner.framesToFollow();
    for (; m_framesSeen < frames.size(); ++m_framesSeen) {
        emit statusChanged(tr("Following Frame: %1").arg(frames.at(m_framesSeen)));
        emit followFrame(frames.at(m_framesSeen));
    }
    if (m_scanner.status() != m_lastStatus) {
        m_lastStatus = m_scanner.status();
        emit statusChanged(m_lastStatus);
    }
}

void PageScanJob::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_scanner.finish();
    report();
    m_html.clear();
    platform::appendToFile(m_queuePath, platform::encodeText(m_scanner.pageFound() + platform::crlf));
    const int count = m_scanner.pageFoundCount();
    emit statusChanged(count < 1 ? tr("No Domains Found") : tr("Domains Found, Checking Status"));
    emit finished(count);
}

} // namespace browse
