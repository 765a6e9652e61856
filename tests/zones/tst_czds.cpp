#include "HttpFixtureServer.h"
#include "TestFolder.h"
#include "ZoneFiles.h"
#include "platform/Intervals.h"
#include "platform/ProgramSettings.h"
#include "zones/CzdsClient.h"
#include "zones/ZoneFetch.h"
#include "zones/ZoneIndex.h"
#include "zones/ZoneScreen.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

using namespace zones;
using testing::HttpAnswer;
using testing::HttpFixtureServer;
using testing::HttpRequest;

namespace {

// The account host: one user, one password.
HttpAnswer accountAnswer(const HttpRequest &request)
{
    const QJsonObject credentials = QJsonDocument::fromJson(request.body).object();
    if (request.method != "POST" || request.target != "/api/authenticate" ||
        request.headers.value("content-type") != "application/json")
        return HttpAnswer::rdap(404, {});
    if (credentials.value(QStringLiteral("username")) != QLatin1String("hunter@example.org") ||
        credentials.value(QStringLiteral("password")) != QLatin1String("right"))
        return HttpAnswer::rdap(401, R"({"message":"Invalid username or password"})");
    return HttpAnswer::rdap(200, R"({"accessToken":"eyJ.token-1","message":"Authentication Successful"})");
}

struct Service {
    HttpFixtureServer account;
    HttpFixtureServer api;
    Service()
    {
        account.listen();
        api.listen();
        account.setScript(accountAnswer);
    }
    CzdsAddresses addresses() const { return {QUrl(account.address()), QUrl(api.address())}; }
    QUrl link(const char *tld) const
    {
        return QUrl(api.address(QStringLiteral("/czds/downloads/%1.zone").arg(QLatin1String(tld))));
    }
};

} // namespace

class TestCzds : public QObject {
    Q_OBJECT
private slots:
    void init() { platform::intervals().restUnitMs = 10; }
    void refusesABadPassword();
    void listsTheZonesTheAccountMayDownload_data();
    void listsTheZonesTheAccountMayDownload();
    void resumesABrokenDownloadThenWaitsADay_data();
    void resumesABrokenDownloadThenWaitsADay();
};

void TestCzds::refusesABadPassword()
{
    Service service;
    CzdsClient client(service.addresses());
    QSignalSpy failed(&client, &CzdsClient::failed);
    client.signIn(QStringLiteral("hunter@example.org"), QStringLiteral("wrong"));
    QVERIFY(failed.wait(10000));
    QCOMPARE(failed.at(0).at(1).toBool(), true);
    QVERIFY(!client.isSignedIn());
}

void TestCzds::listsTheZonesTheAccountMayDownload_data()
{
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<QStringList>("tlds");
    QTest::newRow("none approved yet") << QStringList() << QStringList();
    QTest::newRow("only the service's own host")
        << QStringList{QStringLiteral("API/czds/downloads/net.zone"), QStringLiteral("API/czds/downloads/COM.zone"),
                       QStringLiteral("http://elsewhere.example:PORT/czds/downloads/org.zone"),
                       QStringLiteral("API/czds/downloads/..%2F..%2Fx.zone")}
        << QStringList{QStringLiteral("com"), QStringLiteral("net")};
}

void TestCzds::listsTheZonesTheAccountMayDownload()
{
    QFETCH(QStringList, links);
    QFETCH(QStringList, tlds);
    Service service;
    links.replaceInStrings(QStringLiteral("API"), service.api.address());
    links.replaceInStrings(QStringLiteral("PORT"), service.api.hostAndPort().section(QLatin1Char(':'), 1));
    const QByteArray listed = QJsonDocument(QJsonArray::fromStringList(links)).toJson();
    service.api.setScript([listed](const HttpRequest &request) {
        const bool authorised = request.headers.value("authorization") == "Bearer eyJ.token-1";
        return HttpAnswer::rdap(authorised && request.target == "/czds/downloads/links" ? 200 : 401, listed);
    });
    CzdsClient client(service.addresses());
    QSignalSpy listedSpy(&client, &CzdsClient::zonesListed);
    connect(&client, &CzdsClient::signedIn, &client, &CzdsClient::listZones);
    client.signIn(QStringLiteral("hunter@example.org"), QStringLiteral("right"));
    QVERIFY(listedSpy.wait(10000));
    QStringList got;
    for (const CzdsZone &zone : listedSpy.at(0).at(0).value<QList<CzdsZone>>())
        got.append(zone.tld);
    QCOMPARE(got, tlds);
}

void TestCzds::resumesABrokenDownloadThenWaitsADay_data()
{
    QTest::addColumn<bool>("rangesHonoured");
    QTest::newRow("the rest as a range") << true;
    QTest::newRow("ranges ignored: all again") << false;
}

void TestCzds::resumesABrokenDownloadThenWaitsADay()
{
    QFETCH(bool, rangesHonoured);
    Service service;
    QStringList names;
    for (int i = 0; i < 3000; ++i)
        names.append(QStringLiteral("name%1").arg(i));
    const QByteArray zoneFile = testing::gzip(testing::czdsZone(QStringLiteral("com"), names));
    const qsizetype half = zoneFile.size() / 2;
    service.api.setScript([&](const HttpRequest &request) {
        HttpAnswer answer = HttpAnswer::page(zoneFile);
        answer.contentType = "application/octet-stream";
        answer.headers = {{"ETag", "\"zone-20240501\""}, {"Last-Modified", "Wed, 01 May 2024 06:00:00 GMT"}};
        if (request.headers.value("authorization") != "Bearer eyJ.token-1") {
            answer.status = 401;
        } else if (!request.headers.contains("range")) {
            answer.body = zoneFile.left(half); // the connection breaks half way
            answer.announcedLength = zoneFile.size();
        } else if (rangesHonoured) {
            answer.status = 206;
            answer.body = zoneFile.mid(half);
            answer.headers.append({"Content-Range", "bytes " + QByteArray::number(half) + '-' +
                                                        QByteArray::number(zoneFile.size() - 1) + '/' +
                                                        QByteArray::number(zoneFile.size())});
        }
        return answer;
    });
    testing::TestFolder folder;
    platform::ProgramSettings settings(folder.settingsFolder());
    CzdsClient client(service.addresses());
    QSignalSpy signedIn(&client, &CzdsClient::signedIn);
    client.signIn(QStringLiteral("hunter@example.org"), QStringLiteral("right"));
    QVERIFY(signedIn.wait(10000));

    ZoneFetch fetch(client, folder.appFolder(), settings);
    QSignalSpy zoneFinished(&fetch, &ZoneFetch::zoneFinished);
    QSignalSpy finished(&fetch, &ZoneFetch::finished);
    fetch.fetch({{QStringLiteral("com"), service.link("com")}});
    QVERIFY(finished.wait(20000));
    QCOMPARE(zoneFinished.size(), 1);
    QVERIFY2(zoneFinished.at(0).at(1).toBool(), qPrintable(zoneFinished.at(0).at(2).toString()));
    const QList<HttpRequest> requests = service.api.requests();
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests.at(1).headers.value("range"), "bytes=" + QByteArray::number(half) + '-');
    QCOMPARE(requests.at(1).headers.value("if-range"), QByteArray("\"zone-20240501\""));

    ZoneScreen screen(zonesFolder(folder.appFolder()));
    const std::optional<ZoneInfo> info = screen.zoneInfo(QStringLiteral("com"));
    QVERIFY(info);
    QCOMPARE(info->count, quint64(names.size()));
    QCOMPARE(info->sourceDate, QDateTime(QDate(2024, 5, 1), QTime(6, 0), Qt::UTC));
    QVERIFY(!QFile::exists(fetch.downloadFile(QStringLiteral("com"))));

    // The service allows one download a day.
    fetch.fetch({{QStringLiteral("com"), service.link("com")}});
    QVERIFY(finished.wait(10000));
    QCOMPARE(zoneFinished.size(), 2);
    QCOMPARE(zoneFinished.at(1).at(1).toBool(), false);
    QVERIFY(zoneFinished.at(1).at(2).toString().contains(QStringLiteral("one download a day")));
    QCOMPARE(service.api.requests().size(), 2);
}

QTEST_GUILESS_MAIN(TestCzds)
#include "tst_czds.moc"
