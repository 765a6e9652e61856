#include "HttpFixtureServer.h"
#include "TestFolder.h"
#include "WhoisFixtureServer.h"
#include "platform/AppFolder.h"
#include "platform/Intervals.h"
#include "sources/Harvester.h"
#include "tld/Routing.h"

#include <QDir>
#include <QtTest>

using sources::Harvester;
using sources::HarvestRequest;
using sources::SearchEngine;
using testing::HttpAnswer;
using testing::HttpFixtureServer;

namespace {

tld::EnabledTldMatcher comAndNet()
{
    tld::TldTable table;
    table.append({QStringLiteral("com"), QStringLiteral("127.0.0.1"), 43, true, 0, QStringLiteral("No match")});
    table.append({QStringLiteral("net"), QStringLiteral("127.0.0.1"), 43, true, 0, QStringLiteral("No match")});
    return tld::EnabledTldMatcher(table);
}

// A result page linking to www.<label>.com for every label.
QByteArray pageOf(const QList<QByteArray> &labels)
{
    QByteArray page = "<html><body>\n";
    for (const QByteArray &label : labels)
        page += "<a href=\"http://www." + label + ".com/about\">" + label + "</a>\n";
    return page + "</body></html>\n";
}

QList<QByteArray> labels(const QByteArray &stem, int count)
{
    QList<QByteArray> result;
    for (int i = 1; i <= count; ++i)
        result.append(stem + QByteArray::number(i));
    return result;
}

// One harvest over a fresh folder, recording what it reports.
struct Harvest {
    testing::TestFolder folder;
    platform::AppFolder app{folder.appFolder()};
    tld::EnabledTldMatcher matcher = comAndNet();
    Harvester harvester{app, matcher};
    QStringList statuses;
    int entries = -1;
    int unique = -1;

    Harvest()
    {
        QDir(folder.appFolder()).mkdir(QStringLiteral("searches"));
        QObject::connect(&harvester, &Harvester::statusChanged, &harvester,
                         [this](const QString &text) { statuses.append(text); });
        QObject::connect(&harvester, &Harvester::listWritten, &harvester, [this](int written, int kept) {
            entries = written;
            unique = kept;
        });
    }
    void start(SearchEngine engine, const QString &search, int target = 100)
    {
        harvester.start({engine, search, target});
    }
    QStringList archives() const { return QDir(folder.file(QStringLiteral("searches"))).entryList(QDir::Files); }
};

} // namespace

class TestHarvester : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void googlePagesAdvanceUntilAPageBringsNothingNew();
    void yahooPagesAdvanceByTen();
    void enoughNamesEndTheHarvestAfterOnePage();
    void redirectsAreFollowed();
    void stalledDownloadIsCutOffAtTheTimeLimit();
    void oversizeBodyIsCutOffAtTheSizeLimit();
    void failedDownloadIsAFailureAndWritesNothing();
    void stoppingWritesNothing_data();
    void stoppingWritesNothing();
    void archiveCopyStaysInsideTheSearchesFolder();
};

void TestHarvester::initTestCase()
{
    platform::intervals().secondMs = 5;
    platform::intervals().harvestStartTicks = 3;
    platform::intervals().harvestPagePauseMs = 5;
    sources::searchHosts().scheme = QStringLiteral("http");
}

void TestHarvester::init()
{
    platform::intervals().downloadTimeoutMs = 10000;
}

void TestHarvester::googlePagesAdvanceUntilAPageBringsNothingNew()
{
    HttpFixtureServer server;
    QVERIFY(server.listen());
    sources::searchHosts().google = server.hostAndPort();
    server.setScript([](const testing::HttpRequest &request) {
        if (request.target.contains("&start=0&"))
            return HttpAnswer::page(pageOf(labels("first", 3)));
        if (request.target.contains("&start=10&"))
            return HttpAnswer::page(pageOf(labels("second", 2) + labels("first", 3)));
        return HttpAnswer::page(pageOf(labels("first", 3)));
    });
    Harvest harvest;
    harvest.start(SearchEngine::Google, QStringLiteral("blue widgets"));
    QTRY_COMPARE_WITH_TIMEOUT(harvest.entries, 5, 10000);
    const QByteArray query = "/search?q=blue+widgets&start=";
    QCOMPARE(server.targets(),
             QList<QByteArray>({query + "0&hl=en&filter=0&safe=off", query + "10&hl=en&filter=0&safe=off",
                                query + "20&hl=en&filter=0&safe=off"}));
    QCOMPARE(harvest.folder.read(QStringLiteral("BrowserSearch.txt")),
             QByteArray("first1.com\r\nfirst2.com\r\nfirst3.com\r\nsecond1.com\r\nsecond2.com\r\n\r\n"));
    QCOMPARE(harvest.unique, 5);
    QVERIFY(harvest.statuses.contains(QStringLiteral("Extracted 3 unique domain names")));
    QCOMPARE(harvest.statuses.constLast(), QStringLiteral("Finished! Extracted 5 domain names."));
    const testing::HttpRequest first = server.requests().constFirst();
    QCOMPARE(first.headers.value("user-agent"), QByteArray("Mozilla"));
    QCOMPARE(first.headers.value("cache-control"), QByteArray("no-cache"));
    QCOMPARE(harvest.harvester.state(), Harvester::State::Finished);
}

void TestHarvester::yahooPagesAdvanceByTen()
{
    HttpFixtureServer server;
    QVERIFY(server.listen());
    sources::searchHosts().yahoo = server.hostAndPort();
    server.setScript([](const testing::HttpRequest &request) {
        const QByteArray b = request.target.mid(request.target.lastIndexOf("&b=") + 3);
        return HttpAnswer::page(b == "21" ? QByteArray("nothing here") : pageOf(labels("page" + b + "x", 2)));
    });
    Harvest harvest;
    harvest.start(SearchEngine::Yahoo, QStringLiteral("red & blue"));
    QTRY_COMPARE_WITH_TIMEOUT(harvest.entries, 4, 10000);
    const QByteArray query = "/search?p=red+%26+blue&b=";
    QCOMPARE(server.targets(), QList<QByteArray>({query + "1", query + "11", query + "21"}));
    QCOMPARE(harvest.archives(), QStringList{QStringLiteral("Yahoo red & blue.txt")});
}

void TestHarvester::enoughNamesEndTheHarvestAfterOnePage()
{
    HttpFixtureServer server;
    QVERIFY(server.listen());
    sources::searchHosts().google = server.hostAndPort();
    server.setScript([](const testing::HttpRequest &) { return HttpAnswer::page(pageOf(labels("many", 120))); });
    Harvest harvest;
    harvest.start(SearchEngine::Google, QStringLiteral("lots"), 100);
    QTRY_COMPARE_WITH_TIMEOUT(harvest.entries, 120, 10000);
    QCOMPARE(server.requests().size(), 1);
}

void TestHarvester::redirectsAreFollowed()
{
    HttpFixtureServer server;
    QVERIFY(server.listen());
    sources::searchHosts().google = server.hostAndPort();
    server.setScript([](const testing::HttpRequest &request) {
        if (request.target.startsWith("/search"))
            return HttpAnswer::redirect("/moved?" + request.target.mid(request.target.indexOf("start=")));
        return HttpAnswer::page(request.target.startsWith("/moved?start=0&") ? pageOf(labels("moved", 2)) : "");
    });
    Harvest harvest;
    harvest.start(SearchEngine::Google, QStringLiteral("moving"));
    QTRY_COMPARE_WITH_TIMEOUT(harvest.entries, 2, 10000);
    QCOMPARE(server.requests().size(), 4); // two pages, each redirected once
}

void TestHarvester::stalledDownloadIsCutOffAtTheTimeLimit()
{
    platform::intervals().downloadTimeoutMs = 300;
    HttpFixtureServer server;
    QVERIFY(server.listen());
    sources::searchHosts().google = server.hostAndPort();
    server.setScript([](const testing::HttpRequest &) { return HttpAnswer::stall(pageOf(labels("slow", 2))); });
    Harvest harvest;
    harvest.start(SearchEngine::Google, QStringLiteral("slow"));
    // What arrived before the limit still counts; the second page, as slow, brings nothing new.
    QTRY_COMPARE_WITH_TIMEOUT(harvest.entries, 2, 10000);
    QCOMPARE(server.requests().size(), 2);
    QVERIFY(harvest.statuses.contains(QStringLiteral("Downloaded %1 bytes.").arg(pageOf(labels("slow", 2)).size())));
}

void TestHarvester::oversizeBodyIsCutOffAtTheSizeLimit()
{
    HttpFixtureServer server;
    QVERIFY(server.listen());
    sources::searchHosts().google = server.hostAndPort();
    server.setScript([](const testing::HttpRequest &request) {
        if (!request.target.contains("&start=0&"))
            return HttpAnswer::page("");
        QByteArray body = pageOf(labels("big", 1));
        body += QByteArray(sources::PageDownloader::maxPageBytes, ' ');
        return HttpAnswer::page(body + pageOf(labels("beyond", 1)));
    });
    Harvest harvest;
    harvest.start(SearchEngine::Google, QStringLiteral("big"));
    QTRY_COMPARE_WITH_TIMEOUT(harvest.entries, 1, 20000);
    QCOMPARE(harvest.folder.read(QStringLiteral("BrowserSearch.txt")), QByteArray("big1.com\r\n\r\n"));
    const QString limit = QStringLiteral("Downloaded %1 bytes.").arg(sources::PageDownloader::maxPageBytes);
    QVERIFY(harvest.statuses.contains(limit));
}

void TestHarvester::failedDownloadIsAFailureAndWritesNothing()
{
    sources::searchHosts().google =
        QStringLiteral("127.0.0.1:") + QString::number(testing::WhoisFixtureServer::closedPort());
    Harvest harvest;
    harvest.folder.write(QStringLiteral("BrowserSearch.txt"), "earlier.com\r\n\r\n");
    QSignalSpy nothing(&harvest.harvester, &Harvester::nothingFound);
    QSignalSpy failed(&harvest.harvester, &Harvester::downloadFailed);
    harvest.start(SearchEngine::Google, QStringLiteral("nobody"));
    // A refused connection is told as such, not as a search that found no names.
    QVERIFY(failed.wait(10000));
    QVERIFY2(failed.at(0).at(0).toString().contains(QLatin1String("refused"), Qt::CaseInsensitive),
             qPrintable(failed.at(0).at(0).toString()));
    QCOMPARE(nothing.count(), 0);
    QCOMPARE(harvest.entries, -1);
    QVERIFY(harvest.statuses.constLast().startsWith(QLatin1String("Download failed: ")));
    QCOMPARE(harvest.folder.read(QStringLiteral("BrowserSearch.txt")), QByteArray("earlier.com\r\n\r\n"));
    QVERIFY(harvest.archives().isEmpty());
}

void TestHarvester::stoppingWritesNothing_data()
{
    QTest::addColumn<bool>("duringPause");
    QTest::newRow("while a page downloads") << false;
    QTest::newRow("while pausing between pages") << true;
}

void TestHarvester::stoppingWritesNothing()
{
    QFETCH(bool, duringPause);
    platform::intervals().harvestPagePauseMs = 2000;
    HttpFixtureServer server;
    QVERIFY(server.listen());
    sources::searchHosts().google = server.hostAndPort();
    server.setScript([duringPause](const testing::HttpRequest &) {
        return duringPause ? HttpAnswer::page(pageOf(labels("kept", 2))) : HttpAnswer::stall("<html>");
    });
    Harvest harvest;
    harvest.folder.write(QStringLiteral("BrowserSearch.txt"), "earlier.com\r\n\r\n");
    harvest.start(SearchEngine::Google, QStringLiteral("stop me"));
    if (duringPause)
        QTRY_VERIFY_WITH_TIMEOUT(harvest.harvester.state() == Harvester::State::Pausing, 10000);
    else
        QTRY_COMPARE_WITH_TIMEOUT(server.requests().size(), 1, 10000);
    harvest.harvester.stop();
    platform::intervals().harvestPagePauseMs = 5;
    QCOMPARE(harvest.harvester.state(), Harvester::State::Stopped);
    QTest::qWait(100); // long enough for any late download or pause event to show
    QCOMPARE(harvest.entries, -1);
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(harvest.folder.read(QStringLiteral("BrowserSearch.txt")), QByteArray("earlier.com\r\n\r\n"));
    QVERIFY(harvest.archives().isEmpty());
}

void TestHarvester::archiveCopyStaysInsideTheSearchesFolder()
{
    HttpFixtureServer server;
    QVERIFY(server.listen());
    sources::searchHosts().google = server.hostAndPort();
    server.setScript([](const testing::HttpRequest &) { return HttpAnswer::page(pageOf(labels("safe", 1))); });
    Harvest harvest;
    harvest.start(SearchEngine::Google, QStringLiteral("../../outside\\x:y"));
    QTRY_COMPARE_WITH_TIMEOUT(harvest.entries, 1, 10000);
    QCOMPARE(harvest.archives(), QStringList{QStringLiteral("Google .__.__outside_x_y.txt")});
    QCOMPARE(harvest.folder.read(QStringLiteral("searches/Google .__.__outside_x_y.txt")),
             QByteArray("safe1.com\r\n\r\n"));
    const QStringList top = QDir(harvest.folder.appFolder() + QStringLiteral("/..")).entryList(QDir::Files);
    QVERIFY2(top.isEmpty(), qPrintable(top.join(QLatin1Char(','))));
}

QTEST_GUILESS_MAIN(TestHarvester)
#include "tst_harvester.moc"
