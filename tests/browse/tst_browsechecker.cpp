#include "HttpFixtureServer.h"
#include "TestFolder.h"
#include "WhoisFixtureServer.h"
#include "browse/BrowseChecker.h"
#include "engine/ThrottleGate.h"
#include "platform/AppFolder.h"
#include "platform/Intervals.h"
#include "results/ResultClasses.h"
#include "tld/TldRegistry.h"

#include <QSignalSpy>
#include <QtTest>

using browse::BrowseChecker;

namespace {

struct Rig {
    testing::TestFolder folder;
    platform::AppFolder app{folder.appFolder()};
    tld::TldRegistry tlds{folder.file(QStringLiteral("TLDs.txt"))};
    engine::ThrottleGate throttle;
    results::ResultClasses results{app};
    BrowseChecker checker{tlds, throttle, results, folder.file(QStringLiteral("BrowserSearch.txt"))};
    QStringList unregistered;
    QStringList registered;
    QStringList panel1;

    explicit Rig(quint16 port)
    {
        tld::TldRecord com{QStringLiteral("com"),     QStringLiteral("127.0.0.1"), port, true, 2,
                           QStringLiteral("No match")};
        tld::TldRecord net = com;
        net.extension = QStringLiteral("net");
        tlds.setTable({com, net});
        QObject::connect(&checker, &BrowseChecker::unregistered, [this](const QString &d) { unregistered << d; });
        QObject::connect(&checker, &BrowseChecker::registered, [this](const QString &d) { registered << d; });
        QObject::connect(&checker, &BrowseChecker::panelChanged, [this](int n, const QString &text) {
            if (n == 1)
                panel1 << text;
        });
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
    void quotaAnswerShowsTheNoticeAndGoesOn();
    void silentServerTimesOut();
    void unreachableServerEndsTheCheck();
    void missingQueueUsesUpNoPosition();
    void namesWithoutEnabledExtensionAreSkipped();
};

void TestBrowseChecker::initTestCase()
{
    platform::intervals().secondMs = 20;
    platform::intervals().testTimeoutTicks = 5;
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
    QTRY_VERIFY_WITH_TIMEOUT(rig.panel1.contains(QStringLiteral("Checked 3 unique domains.")), 3000);
    QCOMPARE(server.queries(),
             (QStringList{QStringLiteral("freeone.com"), QStringLiteral("taken.net"), QStringLiteral("freetwo.net")}));
    QCOMPARE(rig.unregistered, (QStringList{QStringLiteral("freeone.com"), QStringLiteral("freetwo.net")}));
    QCOMPARE(rig.registered, QStringList{QStringLiteral("taken.net")});
    QCOMPARE(rig.results.counter(results::MidList), 2);
    QVERIFY(rig.panel1.contains(QStringLiteral("Pausing for 2 milliseconds.")));
    QVERIFY(rig.panel1.contains(QStringLiteral("Checking status of: taken.net")));
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

void TestBrowseChecker::quotaAnswerShowsTheNoticeAndGoesOn()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setResponder([](const QString &query) {
        return query.startsWith(QLatin1String("busy")) ? testing::quotaAnswer() : testing::registeredAnswer(query);
    });
    Rig rig(server.port());
    QSignalSpy blocked(&rig.checker, &BrowseChecker::blocked);
    rig.queue("busy.com\r\nafter.com\r\n\r\n", 2);
    rig.checker.start();
    QTRY_COMPARE_WITH_TIMEOUT(rig.checker.nextIndex(), 2, 5000);
    QCOMPARE(blocked.size(), 1);
    QCOMPARE(blocked.at(0).at(0).toString(), QStringLiteral("127.0.0.1"));
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
    QSignalSpy blocked(&rig.checker, &BrowseChecker::blocked);
    rig.queue("quiet.com\r\n\r\n", 1);
    rig.checker.start();
    QVERIFY(blocked.wait(3000));
    QCOMPARE(blocked.at(0).at(1).toString(), QStringLiteral("Connection Timed Out"));
    QCOMPARE(rig.checker.nextIndex(), 1);
    QCOMPARE(server.connections(), 1);
    QCOMPARE(rig.folder.read(QStringLiteral("Unchecked.txt")), QByteArray("quiet.com\r\n"));
}

void TestBrowseChecker::unreachableServerEndsTheCheck()
{
    Rig rig(testing::WhoisFixtureServer::closedPort());
    QSignalSpy blocked(&rig.checker, &BrowseChecker::blocked);
    rig.queue("nobody.com\r\n\r\n", 1);
    rig.checker.start();
    QVERIFY(blocked.wait(3000));
    QCOMPARE(rig.checker.nextIndex(), 1);
    QTest::qWait(100);
    QCOMPARE(blocked.size(), 1);
}

void TestBrowseChecker::missingQueueUsesUpNoPosition()
{
    Rig rig(testing::WhoisFixtureServer::closedPort());
    rig.checker.start();
    QTRY_VERIFY_WITH_TIMEOUT(rig.panel1.contains(QStringLiteral("Checked 0 unique domains.")), 2000);
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
