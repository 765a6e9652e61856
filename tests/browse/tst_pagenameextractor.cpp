#include "TestFolder.h"
#include "browse/FoundNames.h"
#include "browse/PageScanJob.h"
#include "tld/Routing.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

using namespace browse;

namespace {

tld::TldTable table(const QStringList &enabled)
{
    tld::TldTable rows;
    for (const QString &ext : enabled)
        rows.append({ext, QStringLiteral("127.0.0.1"), 43, true, 0, QStringLiteral("No match")});
    rows.append({QStringLiteral("org"), QStringLiteral("127.0.0.1"), 43, false, 0, QStringLiteral("No match")});
    return rows;
}

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

// Scans one page and returns the names it queued, in order.
QStringList scan(const QString &html, FoundNames &session,
                 const QStringList &enabled = {QStringLiteral("com"), QStringLiteral("net")})
{
    const tld::EnabledTldMatcher matcher(table(enabled));
    testing::TestFolder folder;
    PageScanJob page(matcher, session, folder.file(QStringLiteral("BrowserSearch.txt")));
    page.runToEnd(html);
    QStringList names = page.scanner().pageFound().split(QStringLiteral("\r\n"));
    names.removeAll(QString());
    return names;
}

} // namespace

class TestPageNameExtractor : public QObject {
    Q_OBJECT
private slots:
    void namesOnPages_data();
    void namesOnPages();
    void pageWithNamesInEveryForm();
    void scannedPagesAreThoseLoadedAsAsked_data();
    void scannedPagesAreThoseLoadedAsAsked();
    void duplicatesAreWholeNames();
    void clearingTheSessionLetsNamesBackIn();
    void framesAreFollowed();
    void pageWithoutNamesAddsOneEmptyLine();
    void oddLinesDoNotStopTheScan();
    void scanInSlicesEndsWithTheSameNames();
};

void TestPageNameExtractor::namesOnPages_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("href=www.") << QStringLiteral("<a href=www.shop.example.com/x>shop</a>")
                               << QStringList{QStringLiteral("example.com")};
    QTest::newRow("first label dropped") << QStringLiteral("<a href=\"http://www.example.net/\">x</a>")
                                         << QStringList{QStringLiteral("example.net")};
    QTest::newRow("deep host") << QStringLiteral("<a href=\"http://www.shop.example.net/a\">x</a>")
                               << QStringList{QStringLiteral("example.net")};
    QTest::newRow("upper-case scheme") << QStringLiteral("<A HREF=\"HTTP://WWW.BIGNAME.COM/\">x</A>")
                                       << QStringList{QStringLiteral("bigname.com")};
    QTest::newRow("disabled extension") << QStringLiteral("<a href=\"http://www.example.org/\">x</a>") << QStringList{};
    // Found by fuzzing the old reader: an escaped scheme cut the name down to "http6A".
    QTest::newRow("escaped scheme") << QStringLiteral(
                                           "<a href=\"http://search.yahoo.com/r?u=http%6A%2F%2Fwww.found.com\">r</a>")
                                    << QStringList{QStringLiteral("found.com"), QStringLiteral("yahoo.com")};
    QTest::newRow("plain text") << QStringLiteral("<p>Visit example.com today</p>")
                                << QStringList{QStringLiteral("example.com")};
    QTest::newRow("mail address") << QStringLiteral("<p>Write to sales@mailhost.net now</p>")
                                  << QStringList{QStringLiteral("mailhost.net")};
    QTest::newRow("link holding @") << QStringLiteral("<a href=\"http://user@linked.com/\">x</a>")
                                    << QStringList{QStringLiteral("linked.com")};
    QTest::newRow("word break tag") << QStringLiteral("<b>long<wbr>name.com</b> ")
                                    << QStringList{QStringLiteral("longname.com")};
    QTest::newRow("scheme never glued") << QStringLiteral("https://x.com/path httpsy.com")
                                        << QStringList{QStringLiteral("httpsy.com"), QStringLiteral("x.com")};
    QTest::newRow("a lone < is text") << QStringLiteral("1 <2 and a.com>b.net")
                                      << QStringList{QStringLiteral("a.com"), QStringLiteral("b.net")};
    QTest::newRow("quoted > in a tag") << QStringLiteral("<a title=\"x>y.com\" href=\"z.com\">w.net</a>")
                                       << QStringList{QStringLiteral("w.net"), QStringLiteral("z.com")};
}

void TestPageNameExtractor::namesOnPages()
{
    QFETCH(QString, html);
    QFETCH(QStringList, names);
    FoundNames session;
    QCOMPARE(sorted(scan(html, session)), names);
}

void TestPageNameExtractor::pageWithNamesInEveryForm()
{
    QFile page(QFINDTESTDATA("pages/every-form.html"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    const QStringList expected = {
        QStringLiteral("alpha.com"),     QStringLiteral("bravo.com"),    QStringLiteral("charlie.com"),
        QStringLiteral("delta.com"),     QStringLiteral("echo.com"),     QStringLiteral("foxtrot.com"),
        QStringLiteral("golf.com"),      QStringLiteral("hotel.com"),    QStringLiteral("india.com"),
        QStringLiteral("juliet.com"),    QStringLiteral("kilo.com"),     QStringLiteral("lima.com"),
        QStringLiteral("mike.com"),      QStringLiteral("november.com"), QStringLiteral("one.net"),
        QStringLiteral("oscar.com"),     QStringLiteral("papa.com"),     QStringLiteral("quebec.com"),
        QStringLiteral("romeo.com"),     QStringLiteral("sierra.com"),   QStringLiteral("tango.com"),
        QStringLiteral("uniform.co.uk"), QStringLiteral("victor.co.uk"), QStringLiteral("whiskey.com"),
        QStringLiteral("xray.com"),      QStringLiteral("yankee.com"),   QStringLiteral("zulu.com")};
    FoundNames session;
    const QStringList enabled = {QStringLiteral("com"), QStringLiteral("net"), QStringLiteral("uk")};
    QCOMPARE(sorted(scan(html, session, enabled)), expected);
}

void TestPageNameExtractor::scannedPagesAreThoseLoadedAsAsked_data()
{
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("succeeded");
    QTest::addColumn<bool>("scanned");
    const QString page = QStringLiteral("https://example.com/list.html");
    QTest::newRow("loaded as asked") << page << page << true << true;
    QTest::newRow("a local file") << "file:///home/me/names.html"
                                  << "file:///home/me/names.html" << true << true;
    QTest::newRow("failed or an error status") << page << page << false << false;
    QTest::newRow("no longer the page shown") << page << "https://example.com/next.html" << true << false;
    QTest::newRow("placeholder") << "about:blank"
                                 << "about:blank" << true << false;
    QTest::newRow("browser's own page") << "chrome-error://chromewebdata/" << page << true << false;
}

void TestPageNameExtractor::scannedPagesAreThoseLoadedAsAsked()
{
    QFETCH(QString, loaded);
    QFETCH(QString, shown);
    QFETCH(bool, succeeded);
    QFETCH(bool, scanned);
    QCOMPARE(isScannablePage(QUrl(loaded), QUrl(shown), succeeded), scanned);
}

void TestPageNameExtractor::duplicatesAreWholeNames()
{
    FoundNames session;
    QCOMPARE(scan(QStringLiteral("<a href=\"http://www.example.com/\">1</a> <a href=\"http://example.com/\">2</a>"),
                  session),
             QStringList{QStringLiteral("example.com")});
    // A later page: the same name and a host reduced to it are not queued again; a shorter name is.
    QCOMPARE(scan(QStringLiteral("<a href=\"http://mail.example.com/\">m</a> <a href=\"http://www.EXAMPLE.com/\">e</a>"
                                 " <a href=\"http://www.ample.com/\">a</a>"),
                  session),
             QStringList{QStringLiteral("ample.com")});
}

void TestPageNameExtractor::clearingTheSessionLetsNamesBackIn()
{
    FoundNames session;
    const QString page = QStringLiteral("<a href=\"http://www.again.com/\">x</a>");
    QCOMPARE(scan(page, session).size(), 1);
    QCOMPARE(scan(page, session).size(), 0);
    session.clear();
    QCOMPARE(scan(page, session).size(), 1);
}

void TestPageNameExtractor::framesAreFollowed()
{
    const tld::EnabledTldMatcher matcher(table({QStringLiteral("com")}));
    FoundNames session;
    testing::TestFolder folder;
    PageScanJob page(matcher, session, folder.file(QStringLiteral("BrowserSearch.txt")));
    QSignalSpy frames(&page, &PageScanJob::followFrame);
    page.runToEnd(QStringLiteral("<frameset><frame src=\"http://www.framed.com/inner.html\">"
                                 "<frame src=side.html></frameset>"));
    QCOMPARE(frames.size(), 2);
    QCOMPARE(frames.at(0).at(0).toString(), QStringLiteral("http://www.framed.com/inner.html"));
    QCOMPARE(frames.at(1).at(0).toString(), QStringLiteral("side.html"));
    // A frame's address is followed, not taken for a name on the page.
    QVERIFY(page.scanner().pageFound().isEmpty());
}

void TestPageNameExtractor::pageWithoutNamesAddsOneEmptyLine()
{
    const tld::EnabledTldMatcher matcher(table({QStringLiteral("com")}));
    FoundNames session;
    testing::TestFolder folder;
    folder.write(QStringLiteral("BrowserSearch.txt"), "first.com\r\n\r\n");
    PageScanJob page(matcher, session, folder.file(QStringLiteral("BrowserSearch.txt")));
    QSignalSpy status(&page, &PageScanJob::statusChanged);
    QSignalSpy done(&page, &PageScanJob::finished);
    page.runToEnd(QStringLiteral("<p>nothing here at all</p>"));
    QCOMPARE(folder.read(QStringLiteral("BrowserSearch.txt")), QByteArray("first.com\r\n\r\n\r\n"));
    QCOMPARE(status.constLast().at(0).toString(), QStringLiteral("No Domains Found"));
    QCOMPARE(done.constLast().at(0).toInt(), 0);
}

void TestPageNameExtractor::oddLinesDoNotStopTheScan()
{
    FoundNames session;
    // A frame line at the very end, a line of 100,000 characters, and a name after them.
    const QString longLine = QString(100000, QLatin1Char('x')) + QStringLiteral(".com and more");
    const QStringList names = scan(longLine + QStringLiteral("\r\nreal.net is here\r\n<frame src="), session);
    QCOMPARE(names.constLast(), QStringLiteral("real.net"));
}

void TestPageNameExtractor::scanInSlicesEndsWithTheSameNames()
{
    QString html;
    for (int i = 0; i < 3000; ++i)
        html += QStringLiteral("<li><a href=\"http://www.site%1.com/page\">Site %1</a> see name%1.net</li>\n").arg(i);
    FoundNames whole;
    const QStringList expected = scan(html, whole);
    QCOMPARE(expected.size(), 6000);
    const tld::EnabledTldMatcher matcher(table({QStringLiteral("com"), QStringLiteral("net")}));
    FoundNames sliced;
    testing::TestFolder folder;
    PageScanJob page(matcher, sliced, folder.file(QStringLiteral("BrowserSearch.txt")));
    QSignalSpy done(&page, &PageScanJob::finished);
    page.start(html);
    QVERIFY(done.wait(10000));
    QCOMPARE(done.at(0).at(0).toInt(), 6000);
    QCOMPARE(folder.read(QStringLiteral("BrowserSearch.txt")).count("\r\n"), 6001);
}

QTEST_GUILESS_MAIN(TestPageNameExtractor)
#include "tst_pagenameextractor.moc"
