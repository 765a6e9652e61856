#include "browse/PageScan.h"

#include "platform/AtomicFile.h"
#include "platform/TextCodec.h"
#include "tld/Routing.h"

#include <QElapsedTimer>
#include <QTimer>

namespace browse {

PageScan::PageScan(const tld::EnabledTldMatcher &matcher, FoundNames &session, QString queuePath, QObject *parent)
    : QObject(parent), m_scanner(matcher, session), m_queuePath(std::move(queuePath))
{}

void PageScan::start(const QString &html)
{
    m_lines = preparePageLines(html, m_scanner.matcher());
    QTimer::singleShot(0, this, &PageScan::runSlice);
}

void PageScan::runToEnd(const QString &html)
{
    m_lines = preparePageLines(html, m_scanner.matcher());
    scanSome(-1);
    finish();
}

void PageScan::runSlice()
{
    if (scanSome(sliceMs))
        finish();
    else
        QTimer::singleShot(0, this, &PageScan::runSlice);
}

bool PageScan::scanSome(qint64 budgetMs)
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

void PageScan::finish()
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
