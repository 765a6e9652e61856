#include "TestFolder.h"
#include "browse/FoundNames.h"
#include "browse/PageScanJob.h"
#include "tld/Routing.h"

#include "platform/TextCodec.h"

#include <QRandomGenerator>
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
    void linksGiveTheirRegistrableDomain_data();
    void linksGiveTheirRegistrableDomain();
    void namesInTextAreFound_data();
    void namesInTextAreFound();
    void duplicatesAreWholeNames();
    void clearingTheSessionLetsNamesBackIn();
    void framesAreFollowed();
    void pageWithoutNamesAddsOneEmptyLine();
    void oddLinesDoNotStopTheScan();
    void scanInSlicesEndsWithTheSameNames();
    void onePassPreparationEqualsReplacingInTurn();
};

void TestPageNameExtractor::linksGiveTheirRegistrableDomain_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("href=www.") << QStringLiteral("<a href=www.shop.example.com/x>shop</a>")
                               << QStringList{QStringLiteral("example.com")};
    QTest::newRow("first label dropped") << QStringLiteral("<a href=\"http://www.example.net/\">x</a>")
                                         << QStringList{QStringLiteral("example.net")};
    QTest::newRow("net host reduces to nothing")
        << QStringLiteral("<a href=\"http://www.shop.example.net/a\">x</a>") << QStringList{};
    QTest::newRow("upper-case scheme") << QStringLiteral("<A HREF=\"HTTP://WWW.BIGNAME.COM/\">x</A>")
                                       << QStringList{QStringLiteral("BIGNAME.COM")};
    QTest::newRow("disabled extension") << QStringLiteral("<a href=\"http://www.example.org/\">x</a>") << QStringList{};
    // Found by fuzzing: an escaped scheme cut the name down to "http6A", which was queued as a domain.
    QTest::newRow("escape cuts off the extension")
        << QStringLiteral("<a href=\"http://search.yahoo.com/r?u=http%6A%2F%2Fwww.found.com\">r</a>")
        << QStringList{QStringLiteral("yahoo.com")};
}

void TestPageNameExtractor::linksGiveTheirRegistrableDomain()
{
    QFETCH(QString, html);
    QFETCH(QStringList, names);
    FoundNames session;
    QCOMPARE(scan(html, session), names);
}

void TestPageNameExtractor::namesInTextAreFound_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("plain text") << QStringLiteral("<p>Visit example.com today</p>")
                                << QStringList{QStringLiteral("example.com")};
    QTest::newRow("name opens the line") << QStringLiteral("example.com is for sale")
                                         << QStringList{QStringLiteral("example.com")};
    QTest::newRow("mail address") << QStringLiteral("<p>Write to sales@mailhost.net now</p>")
                                  << QStringList{QStringLiteral("mailhost.net")};
    QTest::newRow("link holding @") << QStringLiteral("<a href=\"http://user@linked.com/\">x</a>")
                                    << QStringList{QStringLiteral("linked.com")};
    QTest::newRow("word break tag") << QStringLiteral("<b>long<wbr>name.com</b> ")
                                    << QStringList{QStringLiteral("longname.com")};
    QTest::newRow("short name at line start") << QStringLiteral("ab.com rest") << QStringList{QStringLiteral("ab.com")};
}

void TestPageNameExtractor::namesInTextAreFound()
{
    QFETCH(QString, html);
    QFETCH(QStringList, names);
    FoundNames session;
    QCOMPARE(scan(html, session), names);
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
                                 "<frame src=\"http://127.0.0.1:8080/side.html\"></frameset>"));
    QCOMPARE(frames.size(), 2);
    QCOMPARE(frames.at(0).at(0).toString(), QStringLiteral("www.framed.com/inner.html"));
    QCOMPARE(frames.at(1).at(0).toString(), QStringLiteral("127.0.0.1:8080/side.html"));
    // The lines that hold frame addresses are not searched for names.
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

// The preparation as a sequence of replacements, one rule after another over the whole text.
static QStringList preparedByReplacing(QString text, const tld::TldTable &rows)
{
    text.replace(QStringLiteral("=www."), QStringLiteral("http://www."), Qt::CaseInsensitive);
    text.replace(QStringLiteral(">www."), QStringLiteral("http://www."), Qt::CaseInsensitive);
    text.replace(QStringLiteral("http://"), QStringLiteral("\r\nhttp://"), Qt::CaseInsensitive);
    text.replace(QStringLiteral("<Frame"), QStringLiteral("\r\n<Frame"), Qt::CaseInsensitive);
    text.remove(QStringLiteral("<wbr>"), Qt::CaseInsensitive);
    for (const tld::TldRecord &row : rows) {
        if (!row.enabled || row.extension == tld::proxyExtension)
            continue;
        for (const char *follower : {" ", "/", "\"", "'", ":", "?"})
            text.replace(row.extension + QLatin1String(follower),
                         row.extension + QLatin1String(follower) + QStringLiteral("\r\n"));
        text.replace(QStringLiteral(".com\""), QStringLiteral(".com\"\r\n"));
    }
    return platform::splitListLines(text + QStringLiteral("\r\n"));
}

void TestPageNameExtractor::onePassPreparationEqualsReplacingInTurn()
{
    // Doubled rows, a two-label extension and one that ends another ("co" in "com") on purpose.
    tld::TldTable rows = table({QStringLiteral("com"), QStringLiteral("co"), QStringLiteral("co.uk"),
                                QStringLiteral("uk"), QStringLiteral("net"), QStringLiteral("net")});
    const QStringList pieces = {QStringLiteral("<a href=\"HTTP://www.a.com/\">"),
                                QStringLiteral("=WWW.b.co.uk?q"),
                                QStringLiteral(">www.c.net'x"),
                                QStringLiteral("<FRAME src=\"x.com\">"),
                                QStringLiteral("lo<wbr>ng.com: "),
                                QStringLiteral("telecom "),
                                QStringLiteral(".com\"\""),
                                QStringLiteral("\r\n"),
                                QStringLiteral("\n"),
                                QStringLiteral("plain words "),
                                QStringLiteral("http://"),
                                QStringLiteral("=www"),
                                QStringLiteral("<fram"),
                                QStringLiteral("e"),
                                QStringLiteral("uk/")};
    QRandomGenerator random(20261207);
    for (int round = 0; round < 300; ++round) {
        QString page;
        for (int i = 0; i < 40; ++i)
            page += pieces.at(random.bounded(int(pieces.size())));
        const tld::EnabledTldMatcher matcher(rows);
        QCOMPARE(preparePageLines(page, matcher), preparedByReplacing(page, rows));
    }
}

QTEST_GUILESS_MAIN(TestPageNameExtractor)
#include "tst_pagenameextractor.moc"
