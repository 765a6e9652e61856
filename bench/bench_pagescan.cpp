// A 2 MB page with 5,000 links scanned in slices: total time, and the longest time the event loop
// went without a turn (what a repaint would have waited).
#include "browse/FoundNames.h"
#include "browse/PageScanJob.h"
#include "tld/Routing.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    tld::TldTable table;
    for (const char *ext : {"com", "net", "org", "info", "de", "co.uk"})
        table.append({QLatin1String(ext), QStringLiteral("127.0.0.1"), 43, true, 0, QStringLiteral("No match")});
    const tld::EnabledTldMatcher matcher(table);

    QString html;
    int link = 0;
    while (html.size() < 2 * 1024 * 1024) {
        if (link < 5000) {
            html += QStringLiteral("<div class=\"result\"><a href=\"http://www.site%1.com/path/page.html\">Site %1</a>"
                                   "<span>site%1.com - a description of the page</span></div>\n")
                        .arg(link);
            ++link;
        } else {
            html += QStringLiteral("<p>Filler text without any names, just words and more words here.</p>\n");
        }
    }
    QTemporaryDir dir;
    browse::FoundNames session;
    browse::PageScanJob scan(matcher, session, dir.filePath(QStringLiteral("BrowserSearch.txt")));
    QElapsedTimer total;
    QElapsedTimer sinceTurn;
    qint64 longestGap = 0;
    QTimer turns;
    QObject::connect(&turns, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTurn.elapsed());
        sinceTurn.restart();
    });
    int found = 0;
    QObject::connect(&scan, &browse::PageScanJob::finished, [&](int count) {
        found = count;
        app.quit();
    });
    total.start();
    sinceTurn.start();
    turns.start(0);
    scan.start(html);
    app.exec();
    QTextStream(stdout) << "page " << html.size() / 1024 << " KiB, " << link << " links: " << found << " names in "
                        << total.elapsed() << " ms; longest time without an event-loop turn " << longestGap << " ms\n";
    return 0;
}
