#pragma once

#include "browse/PageNameExtractor.h"

#include <QObject>
#include <QStringList>

namespace browse {

/**
 * One page's scan, run in slices of a few milliseconds so the window keeps repainting and the
 * sockets and timers keep running during a long page. At the end the page's names (and one empty line)
 * are appended to the queue file.
 */
class PageScanJob : public QObject {
    Q_OBJECT
public:
    static constexpr int sliceMs = 15;

    PageScanJob(const tld::EnabledTldMatcher &matcher, FoundNames &session, QString queuePath,
                QObject *parent = nullptr);

    /// Begins scanning @p html; the work continues from the event loop.
    void start(const QString &html);
    /// Scans everything at once (tools and tests that need no event loop).
    void runToEnd(const QString &html);

    bool isFinished() const { return m_finished; }
    const PageNameExtractor &scanner() const { return m_scanner; }

signals:
    void statusChanged(const QString &text);
    void followFrame(const QString &address);
    /// The page's names were queued; @p count of them were new.
    void finished(int count);

private:
    void runSlice();
    void prepareSome(qint64 budgetMs);
    bool scanSome(qint64 budgetMs);
    void finish();

    PageNameExtractor m_scanner;
    QString m_queuePath;
    QString m_html;
    qsizetype m_prepared = 0; ///< how much of m_html is prepared
    QString m_preparedText;
    bool m_linesReady = false;
    QStringList m_lines;
    qsizetype m_next = 0;
    qsizetype m_framesSeen = 0;
    bool m_finished = false;
};

} // namespace browse
