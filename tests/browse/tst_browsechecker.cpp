#include "DnsFixtureServer.h"
#include "HttpFixtureServer.h"
#include "TestFolder.h"
#include "WhoisFixtureServer.h"
#include "browse/BrowseChecker.h"
#include "lookup/DnsCheck.h"
#include "platform/AppFolder.h"
#include "platform/Intervals.h"
#include "results/ResultClasses.h"
#include "tld/TldRegistry.h"
#include "zones/ZoneImport.h"
#include "zones/ZoneScreen.h"

#include <QSignalSpy>
#include <QtTest>

using browse::BrowseChecker;

namespace {

struct Rig {
    testing::TestFolder folder;
    platform::AppFolder app{folder.appFolder()};
    tld::TldRegistry tlds{folder.file(QStringLiteral("TLDs.txt"))};
    results::ResultClasses results{app};
    BrowseChecker checker{tlds, results, folder.file(QStringLiteral("BrowserSearch.txt"))};
    QStringList unregistered;
    QStringList registered;
    QStringList checking;
    QList<int> done; ///< the checked counts the queue ended with
    QList<engine::Trouble> troubles;

    explicit Rig(quint16 port)
    {
        tld::TldRecord com{QStringLiteral("com"),     QStringLiteral("127.0.0.1"), port, true, 2,
                           QStringLiteral("No match")};
        tld::TldRecord net = com;
        net.extension = QStringLiteral("net");
        tlds.setTable({com, net});
        QObject::connect(&checker, &BrowseChecker::outcome, [this](const lookup::QueryOutcome &o) {
            if (o.kind == lookup::QueryOutcome::Kind::Available)
                unregistered << o.domain;
            else if (o.kind == lookup::QueryOutcome::Kind::Registered)
                registered << o.domain;
        });
        QObject::connect(&checker, &BrowseChecker::checking, [this](const QString &domain) { checking << domain; });
        QObject::connect(&checker, &BrowseChecker::queueDone, [this](int checked) { done << checked; });
        QObject::connect(&checker, &BrowseChecker::troubled,
                         [this](const QString &, engine::Trouble trouble) { troubles << trouble; });
    }
    void queue(const QByteArray &names, int count)
    {
        QFile file(folder.file(QStringLiteral("BrowserSearch.txt")));
        QVERIFY(file.open(QIODevice::Append));
        file.write(names);
        file.close();
        checker.addQueued(count);
    }
};

} // namespace

class TestBrowseChecker : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void threeQueuedNamesAreAnswered();
    void rdapAndWhoisRowsAreAskedInTurn();
    void quotaAnswerRestsTheServerAndGoesOn();
    void silentServerTimesOut();
    void unreachableServerEndsTheCheck();
    void delegatedNamesNeedNoRegistryQuestion();
    void namesInAnImportedZoneNeedNoRegistryQuestion();
    void deletedWhileAServerRestsCallsNothing();
    void missingQueueUsesUpNoPosition();
    void namesWithoutEnabledExtensionAreSkipped();
};

void TestBrowseChecker::initTestCase()
{
    platform::intervals().secondMs = 20;
    platform::intervals().testTimeoutTicks = 5;
    platform::intervals().restUnitMs = 20;
}

void TestBrowseChecker::threeQueuedNamesAreAnswered()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setResponder([](const QString &query) {
        return query.startsWith(QLatin1String("free")) ? QByteArray("NO MATCH for domain\r\n")
                                                       : testing::registeredAnswer(query);
    });
    Rig rig(server.port());
    rig.queue("freeone.com\r\ntaken.net\r\n\r\nfreetwo.net\r\n\r\n", 3);
    rig.checker.start();
    QTRY_COMPARE_WITH_TIMEOUT(rig.checker.nextIndex(), 3, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(rig.done.contains(3), 3000);
    QCOMPARE(server.queries(),
             (QStringList{QStringLiteral("freeone.com"), QStringLiteral("taken.net"), QStringLiteral("freetwo.net")}));
    QCOMPARE(rig.unregistered, (QStringList{QStringLiteral("freeone.com"), QStringLiteral("freetwo.net")}));
    QCOMPARE(rig.registered, QStringList{QStringLiteral("taken.net")});
    QCOMPARE(rig.results.counter(results::MidList), 2);
    QCOMPARE(rig.checking,
             (QStringList{QStringLiteral("freeone.com"), QStringLiteral("taken.net"), QStringLiteral("freetwo.net")}));
    // Each name is asked once: the queue timer does not restart a check that is still running.
    QCOMPARE(server.connections(), 3);
}

void TestBrowseChecker::rdapAndWhoisRowsAreAskedInTurn()
{
    testing::WhoisFixtureServer whois;
    QVERIFY(whois.listen());
    whois.setResponder([](const QString &query) { return testing::registeredAnswer(query); });
    testing::HttpFixtureServer rdap;
    QVERIFY(rdap.listen());
    rdap.setScript([](const testing::HttpRequest &request) {
        const QString domain = QString::fromLatin1(request.target.split('/').constLast());
        return domain.startsWith(QLatin1String("free"))
                   ? testing::HttpAnswer::rdap(404, {})
                   : testing::HttpAnswer::rdap(200, testing::rdapDomainRecord(domain));
    });
    Rig rig(whois.port());
    tld::TldTable table = rig.tlds.table();
    table[0].server = rdap.address(QStringLiteral("/rdap/"));
    rig.tlds.setTable(table);
    rig.queue("freeone.com\r\ntaken.net\r\ntaken.com\r\n", 3);
    rig.checker.start();
    QTRY_COMPARE_WITH_TIMEOUT(rig.checker.nextIndex(), 3, 5000);
    QCOMPARE(rdap.targets(), (QList<QByteArray>{"/rdap/domain/freeone.com", "/rdap/domain/taken.com"}));
    QCOMPARE(whois.queries(), QStringList{QStringLiteral("taken.net")});
    QCOMPARE(rig.unregistered, QStringList{QStringLiteral("freeone.com")});
    QCOMPARE(rig.registered, (QStringList{QStringLiteral("taken.net"), QStringLiteral("taken.com")}));
}

void TestBrowseChecker::quotaAnswerRestsTheServerAndGoesOn()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setResponder([](const QString &query) {
        return query.startsWith(QLatin1String("busy")) ? testing::quotaAnswer() : testing::registeredAnswer(query);
    });
    Rig rig(server.port());
    QSignalSpy rests(&rig.checker, &BrowseChecker::serverChanged);
    rig.queue("busy.com\r\nafter.com\r\n\r\n", 2);
    rig.checker.start();
    QTRY_COMPARE_WITH_TIMEOUT(rig.checker.nextIndex(), 2, 5000);
    // Asked its tries, each refusal a longer rest; then the next name.
    QCOMPARE(server.queries().count(QStringLiteral("busy.com")), 5);
    QCOMPARE(rig.troubles, QList<engine::Trouble>(5, engine::Trouble::Refusal));
    QVERIFY(rests.size() >= 5);
    QCOMPARE(rig.registered, QStringList{QStringLiteral("after.com")});
    QVERIFY(rig.unregistered.isEmpty());
    QCOMPARE(rig.folder.read(QStringLiteral("Unchecked.txt")), QByteArray("busy.com\r\n"));
}

void TestBrowseChecker::silentServerTimesOut()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(testing::WhoisFixtureServer::Mode::Silent);
    Rig rig(server.port());
    rig.queue("quiet.com\r\n\r\n", 1);
    rig.checker.start();
    QTRY_COMPARE_WITH_TIMEOUT(rig.troubles, QList<engine::Trouble>{engine::Trouble::TimedOut}, 3000);
    QCOMPARE(rig.checker.nextIndex(), 1);
    QCOMPARE(server.connections(), 1);
    QCOMPARE(rig.folder.read(QStringLiteral("Unchecked.txt")), QByteArray("quiet.com\r\n"));
}

void TestBrowseChecker::unreachableServerEndsTheCheck()
{
    Rig rig(testing::WhoisFixtureServer::closedPort());
    rig.queue("nobody.com\r\n\r\n", 1);
    rig.checker.start();
    QTRY_COMPARE_WITH_TIMEOUT(rig.checker.nextIndex(), 1, 3000);
    QTest::qWait(100);
    QCOMPARE(rig.troubles, QList<engine::Trouble>{engine::Trouble::Unreachable});
}

void TestBrowseChecker::delegatedNamesNeedNoRegistryQuestion()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    testing::DnsFixtureServer resolver;
    QVERIFY(resolver.listen());
    resolver.setResponder([](const QString &name) {
        return name.startsWith(QLatin1String("taken")) ? testing::DnsFixtureServer::Reply::Delegated
                                                       : testing::DnsFixtureServer::Reply::NxDomain;
    });
    lookup::DnsCheck dns;
    QVERIFY(dns.setServer(resolver.address()));
    Rig rig(server.port());
    rig.checker.setDnsCheck(&dns);
    rig.queue("taken.com\r\nfree.com\r\n\r\n", 2);
    rig.checker.start();
    QTRY_COMPARE_WITH_TIMEOUT(rig.checker.nextIndex(), 2, 5000);
    QCOMPARE(rig.registered, QStringList{QStringLiteral("taken.com")});
    QCOMPARE(server.queries(), QStringList{QStringLiteral("free.com")});
}

void TestBrowseChecker::namesInAnImportedZoneNeedNoRegistryQuestion()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    Rig rig(server.port());
    rig.folder.write(QStringLiteral("com.zone"),
                     "$ORIGIN com.\n@ 86400 IN SOA a. b. 7 1 1 1 1\ntaken 1 IN NS ns.x.net.\n");
    zones::ZoneImport import(rig.folder.file(QStringLiteral("com.zone")), zones::zonesFolder(rig.folder.appFolder()));
    QVERIFY(import.run());
    rig.checker.screenWithZones(zones::zonesFolder(rig.folder.appFolder()));
    // Outside the zone is not free: the registry still decides.
    rig.queue("taken.com\r\nfree.com\r\n\r\n", 2);
    rig.checker.start();
    QTRY_COMPARE_WITH_TIMEOUT(rig.checker.nextIndex(), 2, 5000);
    QCOMPARE(rig.registered, QStringList{QStringLiteral("taken.com")});
    QCOMPARE(server.queries(), QStringList{QStringLiteral("free.com")});
}

void TestBrowseChecker::deletedWhileAServerRestsCallsNothing()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setAnswer(testing::quotaAnswer());
    auto rig = std::make_unique<Rig>(server.port());
    rig->queue("busy.com\r\nnext.com\r\n\r\n", 2);
    QSignalSpy rests(&rig->checker, &BrowseChecker::serverChanged);
    rig->checker.start();
    QVERIFY(rests.wait(3000));
    // The window closes in the pause; nothing of the checker may run after it is gone.
    rig.reset();
    QTest::qWait(5 * platform::intervals().restUnitMs);
    QCOMPARE(server.queries(), QStringList{QStringLiteral("busy.com")});
}

void TestBrowseChecker::missingQueueUsesUpNoPosition()
{
    Rig rig(testing::WhoisFixtureServer::closedPort());
    rig.checker.start();
    QTRY_VERIFY_WITH_TIMEOUT(rig.done.contains(0), 2000);
    QCOMPARE(rig.checker.nextIndex(), 0);
}

void TestBrowseChecker::namesWithoutEnabledExtensionAreSkipped()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    Rig rig(server.port());
    rig.queue("example.org\r\n \r\nkept.com\r\n\r\n", 2);
    rig.checker.start();
    QTRY_COMPARE_WITH_TIMEOUT(rig.checker.nextIndex(), 2, 5000);
    QCOMPARE(server.queries(), QStringList{QStringLiteral("kept.com")});
}

QTEST_GUILESS_MAIN(TestBrowseChecker)
#include "tst_browsechecker.moc"
