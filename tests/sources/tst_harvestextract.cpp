#include "sources/HarvestExtractor.h"
#include "sources/SearchEngines.h"
#include "tld/Routing.h"

#include <QtTest>

using sources::HarvestExtractor;
using sources::SearchEngine;

namespace {

tld::EnabledTldMatcher matcherFor(const QStringList &enabled)
{
    tld::TldTable table;
    for (const QString &extension : enabled)
        table.append({extension, QStringLiteral("whois.example"), 43, true, 0, QStringLiteral("No match")});
    table.append({QStringLiteral("org"), QStringLiteral("whois.example"), 43, false, 0, QStringLiteral("No match")});
    return tld::EnabledTldMatcher(table);
}

QStringList list(std::initializer_list<const char *> items)
{
    QStringList result;
    for (const char *item : items)
        result.append(QString::fromUtf8(item));
    return result;
}

} // namespace

class TestHarvestExtract : public QObject {
    Q_OBJECT
private slots:
    void namesFromPages_data();
    void namesFromPages();
    void pagesAccumulateAndCountOnlyNewNames();
    void pageAddresses_data();
    void pageAddresses();
    void requestFromTheSearchPanel_data();
    void requestFromTheSearchPanel();
    void archiveNamesStayInsideTheFolder_data();
    void archiveNamesStayInsideTheFolder();
};

void TestHarvestExtract::namesFromPages_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<QStringList>("names");

    const QStringList comNet = list({"com", "net"});
    QTest::newRow("first label dropped, path cut")
        << "<a href=\"http://shop.example.com/path/page.html\">Shop</a>" << comNet << list({"example.com"});
    QTest::newRow("bare host kept") << "<a href=\"http://example.com/\">x</a>" << comNet << list({"example.com"});
    QTest::newRow("co.uk kept when enabled")
        << "<a href=\"http://shop.example.co.uk/\">x</a>" << list({"com", "co.uk"}) << list({"example.co.uk"});
    QTest::newRow("co.uk ignored when not enabled")
        << "<a href=\"http://shop.example.co.uk/\">x</a>" << comNet << QStringList();
    QTest::newRow("disabled extension ignored")
        << "<a href=\"http://www.example.org/\">x</a>" << comNet << QStringList();
    QTest::newRow("bare www after = and >") << "<a href=www.first.com/a>x</a> <b>go</b><i>www.second.net/</i>" << comNet
                                            << list({"first.com", "second.net"});
    QTest::newRow("escaped slash") << "<a href=\"http://www.example.com%2Fpage\">" << comNet << list({"example.com"});
    QTest::newRow("trailing blank is not part of the name")
        << "see http://www.example.net today" << comNet << list({"example.net"});
    QTest::newRow("search site, its images and marketplace excluded")
        << "http://dir.yahoo.com/x http://me@mail.example.com/ http://www.afternic.com/d http://l.yimg.com/ "
           "http://www.kept.com/"
        << comNet << list({"example.com", "kept.com"});
    QTest::newRow("upper-case scheme counts") << "HTTP://www.upper.com/" << comNet << list({"upper.com"});
    QTest::newRow("https links and result redirects")
        << "<a href=\"https://www.secure.com/a\">s</a><a href=\"/url?q=https://shop.other.net/&amp;sa=U\">o</a>"
           "<cite>https://www.plain.com › docs</cite>"
        << comNet << list({"secure.com", "other.net", "plain.com"});
    QTest::newRow("duplicates are whole names, any case")
        << "http://www.myexample.com/ http://www.example.com/ http://www.EXAMPLE.com/ http://a.myexample.com/" << comNet
        << list({"myexample.com", "example.com"});
    QTest::newRow("deep hosts give their registrable domain")
        << "http://a.b.example.net/ http://www.example.net/" << comNet << list({"example.net"});
    QTest::newRow("names in the text of the page") << "<li>shop.textname.com, other.net;</li><td>cell.com</td>"
                                                   << comNet << list({"textname.com", "other.net", "cell.com"});
}

void TestHarvestExtract::namesFromPages()
{
    QFETCH(QString, page);
    QFETCH(QStringList, enabled);
    QFETCH(QStringList, names);
    const tld::EnabledTldMatcher matcher = matcherFor(enabled);
    HarvestExtractor extractor(matcher);
    QCOMPARE(extractor.extractFromPage(page), int(names.size()));
    QString expected;
    for (const QString &name : names)
        expected += name + QStringLiteral("\r\n");
    QCOMPARE(extractor.finishedList(), expected);
}

void TestHarvestExtract::pagesAccumulateAndCountOnlyNewNames()
{
    const tld::EnabledTldMatcher matcher = matcherFor(list({"com"}));
    HarvestExtractor extractor(matcher);
    QCOMPARE(extractor.extractFromPage(QStringLiteral("http://www.one.com/ http://www.two.com/")), 2);
    QCOMPARE(extractor.extractFromPage(QStringLiteral("http://www.two.com/ http://www.three.com/")), 1);
    QCOMPARE(extractor.extractFromPage(QStringLiteral("http://www.ONE.com/")), 0);
    QCOMPARE(extractor.uniqueCount(), 3);
    QCOMPARE(extractor.finishedList(), QStringLiteral("one.com\r\ntwo.com\r\nthree.com\r\n"));
    extractor.reset();
    QCOMPARE(extractor.uniqueCount(), 0);
    QCOMPARE(extractor.finishedList(), QString());
}

void TestHarvestExtract::pageAddresses_data()
{
    QTest::addColumn<SearchEngine>("engine");
    QTest::addColumn<QString>("search");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("address");

    QTest::newRow("google first") << SearchEngine::Google << "blue sky" << 1
                                  << "https://www.google.com/search?q=blue+sky&start=0&hl=en&filter=0&safe=off";
    QTest::newRow("google second") << SearchEngine::Google << "blue sky" << 11
                                   << "https://www.google.com/search?q=blue+sky&start=10&hl=en&filter=0&safe=off";
    QTest::newRow("yahoo third") << SearchEngine::Yahoo << "blue sky" << 21
                                 << "https://search.yahoo.com/search?p=blue+sky&b=21";
    QTest::newRow("reserved characters encoded") << SearchEngine::Yahoo << "a&b=c #1+d/e?" << 1
                                                 << "https://search.yahoo.com/search?p=a%26b%3Dc+%231%2Bd%2Fe%3F&b=1";
    QTest::newRow("letters beyond ASCII as UTF-8")
        << SearchEngine::Google << QStringLiteral("caf\u00e9  bar") << 1
        << "https://www.google.com/search?q=caf%C3%A9++bar&start=0&hl=en&filter=0&safe=off";
}

void TestHarvestExtract::pageAddresses()
{
    QFETCH(SearchEngine, engine);
    QFETCH(QString, search);
    QFETCH(int, position);
    QFETCH(QString, address);
    QCOMPARE(sources::pageAddress(engine, sources::searchQuery(search), position), address);
    QCOMPARE(sources::pageStep(engine), 10);
}

void TestHarvestExtract::requestFromTheSearchPanel_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("countIndex");
    QTest::addColumn<SearchEngine>("engine");
    QTest::addColumn<int>("target");

    QTest::newRow("yahoo, none chosen") << "Yahoo Search" << -1 << SearchEngine::Yahoo << 100;
    QTest::newRow("google 200") << "Google Search" << 1 << SearchEngine::Google << 200;
    QTest::newRow("google 500") << "Google Search" << 2 << SearchEngine::Google << 500;
    QTest::newRow("yahoo 1000") << "Yahoo Search" << 3 << SearchEngine::Yahoo << 1000;
}

void TestHarvestExtract::requestFromTheSearchPanel()
{
    QFETCH(QString, source);
    QFETCH(int, countIndex);
    QFETCH(SearchEngine, engine);
    QFETCH(int, target);
    const auto request = sources::HarvestRequest::fromSearchPanel(source, QStringLiteral("two words"), countIndex);
    QCOMPARE(request.engine, engine);
    QCOMPARE(request.resultTarget, target);
    QCOMPARE(request.searchString, QStringLiteral("two words"));
}

void TestHarvestExtract::archiveNamesStayInsideTheFolder_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("blanks kept") << "blue sky"
                                 << "Google blue sky.txt";
    QTest::newRow("parent folders") << "../../../etc/passwd"
                                    << "Google .__.__.__etc_passwd.txt";
    QTest::newRow("backslashes and dots") << "..\\..\\x"
                                          << "Google .__.__x.txt";
    QTest::newRow("control characters") << "a\tb\nc\x01"
                                        << "Google a_b_c_.txt";
    QTest::newRow("reserved characters") << "a:b*c?\"<>|"
                                         << "Google a_b_c_____.txt";
}

void TestHarvestExtract::archiveNamesStayInsideTheFolder()
{
    QFETCH(QString, search);
    QFETCH(QString, fileName);
    QCOMPARE(sources::archiveFileName(SearchEngine::Google, search), fileName);
    const QString longName = sources::archiveFileName(SearchEngine::Yahoo, QString(400, QChar(0x00E9)));
    QVERIFY(longName.startsWith(QLatin1String("Yahoo ")) && longName.endsWith(QLatin1String(".txt")));
    QVERIFY(longName.toUtf8().size() <= 255);
}

QTEST_GUILESS_MAIN(TestHarvestExtract)
#include "tst_harvestextract.moc"
