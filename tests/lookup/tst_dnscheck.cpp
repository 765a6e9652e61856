#include "DnsFixtureServer.h"
#include "lookup/DnsCheck.h"

#include <QElapsedTimer>
#include <QtTest>

using lookup::DnsCheck;
using Reply = testing::DnsFixtureServer::Reply;

class TestDnsCheck : public QObject {
    Q_OBJECT
private slots:
    void answerDecidesDelegation_data();
    void answerDecidesDelegation();
    void answersAreKeptUntilCleared();
    void questionsBeyondTheLimitWait();
    void unreachableResolverFallsBackWithinTheTimeout();
    void badServerTextIsRefused();
};

void TestDnsCheck::answerDecidesDelegation_data()
{
    QTest::addColumn<int>("reply");
    QTest::addColumn<bool>("delegated");
    QTest::addColumn<QStringList>("asked");
    const QStringList once{QStringLiteral("name.com")};
    QTest::newRow("delegated") << int(Reply::Delegated) << true << once;
    QTest::newRow("nxdomain") << int(Reply::NxDomain) << false << once;
    QTest::newRow("nodata") << int(Reply::NoData) << false << once;
    QTest::newRow("ns of the parent only") << int(Reply::NsAbove) << false << once;
    QTest::newRow("servfail") << int(Reply::ServFail) << false << once;
    QTest::newRow("silence") << int(Reply::Silent) << false << once;
    QTest::newRow("junk") << int(Reply::Junk) << false << once;
    QTest::newRow("truncated, then tcp") << int(Reply::Truncated) << true
                                         << QStringList{QStringLiteral("name.com"), QStringLiteral("tcp:name.com")};
}

void TestDnsCheck::answerDecidesDelegation()
{
    QFETCH(int, reply);
    QFETCH(bool, delegated);
    QFETCH(QStringList, asked);
    testing::DnsFixtureServer server;
    QVERIFY(server.listen());
    server.setResponder([reply](const QString &) { return Reply(reply); });
    DnsCheck dns;
    QVERIFY(dns.setServer(server.address()));
    dns.setTimeoutMs(300);
    QSignalSpy answered(&dns, &DnsCheck::answered);
    QElapsedTimer clock;
    clock.start();
    dns.ask(QStringLiteral("name.com"));
    QVERIFY(answered.wait(3000));
    // Silence and junk cost at most about the time-out.
    QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(answered.at(0).at(0).toString(), QStringLiteral("name.com"));
    QCOMPARE(answered.at(0).at(1).toBool(), delegated);
    QCOMPARE(server.questions(), asked);
}

void TestDnsCheck::answersAreKeptUntilCleared()
{
    testing::DnsFixtureServer server;
    QVERIFY(server.listen());
    server.setResponder([](const QString &name) { return name.startsWith(u'd') ? Reply::Delegated : Reply::NxDomain; });
    DnsCheck dns;
    QVERIFY(dns.setServer(server.address()));
    QSignalSpy answered(&dns, &DnsCheck::answered);
    dns.ask(QStringLiteral("dog.com"));
    dns.ask(QStringLiteral("dog.com")); // under way: one question serves both
    dns.ask(QStringLiteral("cat.com"));
    QTRY_COMPARE_WITH_TIMEOUT(answered.size(), 2, 3000);
    dns.ask(QStringLiteral("dog.com"));
    QTRY_COMPARE_WITH_TIMEOUT(answered.size(), 3, 3000);
    QCOMPARE(answered.at(2).at(1).toBool(), true);
    QCOMPARE(server.questions(), (QStringList{QStringLiteral("dog.com"), QStringLiteral("cat.com")}));
    dns.clearCache();
    dns.ask(QStringLiteral("dog.com"));
    QTRY_COMPARE_WITH_TIMEOUT(answered.size(), 4, 3000);
    QCOMPARE(server.questions().size(), 3);
}

void TestDnsCheck::questionsBeyondTheLimitWait()
{
    testing::DnsFixtureServer server;
    QVERIFY(server.listen());
    server.setResponder([](const QString &) { return Reply::Silent; });
    DnsCheck dns;
    QVERIFY(dns.setServer(server.address()));
    dns.setTimeoutMs(400);
    QSignalSpy answered(&dns, &DnsCheck::answered);
    for (int i = 0; i < 100; ++i)
        dns.ask(QStringLiteral("n%1.com").arg(i));
    QTRY_COMPARE_WITH_TIMEOUT(server.questions().size(), DnsCheck::maxInFlight, 2000);
    QCOMPARE(dns.inFlight(), DnsCheck::maxInFlight);
    QVERIFY(answered.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(answered.size(), 100, 5000);
    QCOMPARE(server.questions().size(), 100);
}

void TestDnsCheck::unreachableResolverFallsBackWithinTheTimeout()
{
    // A bound port that never reads: nothing answers, nothing refuses.
    QUdpSocket deaf;
    QVERIFY(deaf.bind(QHostAddress::LocalHost, 0));
    DnsCheck dns;
    QVERIFY(dns.setServer(QStringLiteral("127.0.0.1:") + QString::number(deaf.localPort())));
    dns.setTimeoutMs(200);
    QSignalSpy answered(&dns, &DnsCheck::answered);
    dns.ask(QStringLiteral("name.com"));
    QVERIFY(answered.wait(3000));
    QCOMPARE(answered.at(0).at(1).toBool(), false);
}

void TestDnsCheck::badServerTextIsRefused()
{
    DnsCheck dns;
    QVERIFY(!dns.setServer(QStringLiteral("not an address")));
    QVERIFY(dns.error().isEmpty());
}

QTEST_GUILESS_MAIN(TestDnsCheck)
#include "tst_dnscheck.moc"
