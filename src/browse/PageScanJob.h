#pragma once

#include "browse/PageNameExtractor.h"

#include <QObject>
#include <QStringList>
#include <QUrl>

namespace browse {

/// Whether a page that finished loading at @p loaded is scanned: it loaded with success (for a web
/// address, an HTTP success) and is the page shown at @p shown, the address the user asked for, on
/// the web or in a file; the browser's own pages (errors, blank placeholders) never are.
bool isScannablePage(const QUrl &loaded, const QUrl &shown, bool succeeded);

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
    /// Reads on for about @p budgetMs (-1: to the end); true once the whole page is read.
    bool scanSome(qint64 budgetMs);
    /// Tells the frames and status the pieces read so far brought.
    void report();
    void finish();

    PageNameExtractor m_scanner;
    QString m_queuePath;
    QString m_html;
    qsizetype m_next = 0; ///< how much of m_html is read
    qsizetype m_framesSeen = 0;
    QString m_lastStatus;
    bool m_finished = false;
};

} // namespace browse
