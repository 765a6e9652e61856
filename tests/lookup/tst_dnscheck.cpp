#include "DnsFixtureServer.h"
#include "lookup/DnsCheck.h"

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
    void onlyAClearAnswerHoldsADelegation_data();
    void onlyAClearAnswerHoldsADelegation();
    void resolverIsTestedBeforeARun_data();
    void resolverIsTestedBeforeARun();
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
    dns.ask(QStringLiteral("name.com"));
    QVERIFY(answered.wait(10000));
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
    QTRY_COMPARE_WITH_TIMEOUT(server.questions().size(), 64, 2000);
    QCOMPARE(dns.inFlight(), 64);
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

void TestDnsCheck::onlyAClearAnswerHoldsADelegation_data()
{
    QTest::addColumn<int>("reply");
    QTest::addColumn<bool>("delegated");
    QTest::newRow("ns at the name") << int(Reply::Delegated) << true;
    QTest::newRow("ns of the parent") << int(Reply::NsAbove) << false;
    QTest::newRow("servfail with ns at the name") << int(Reply::ServFailWithNs) << false;
}

void TestDnsCheck::onlyAClearAnswerHoldsADelegation()
{
    QFETCH(int, reply);
    QFETCH(bool, delegated);
    const QByteArray answer = testing::DnsFixtureServer::replyFor(QStringLiteral("name.com"), Reply(reply));
    QCOMPARE(lookup::hasNsAt(answer, QStringLiteral("name.com")), delegated);
}

void TestDnsCheck::resolverIsTestedBeforeARun_data()
{
    QTest::addColumn<QStringList>("tlds");
    QTest::addColumn<QString>("claimedTld"); ///< the resolver claims every name under it ("*": every name)
    QTest::addColumn<bool>("lies");
    QTest::newRow("honest") << QStringList{QStringLiteral("com"), QStringLiteral("net")} << QString() << false;
    QTest::newRow("claims every name") << QStringList{QStringLiteral("com")} << QStringLiteral("*") << true;
    QTest::newRow("claims the second tld")
        << QStringList{QStringLiteral("com"), QStringLiteral("net")} << QStringLiteral("net") << true;
    QTest::newRow("tld of the first name") << QStringList() << QStringLiteral("com") << true;
}

void TestDnsCheck::resolverIsTestedBeforeARun()
{
    QFETCH(QStringList, tlds);
    QFETCH(QString, claimedTld);
    QFETCH(bool, lies);
    testing::DnsFixtureServer server;
    QVERIFY(server.listen());
    server.setResponder([claimedTld](const QString &name) {
        const bool claimed = claimedTld == u'*' || (!claimedTld.isEmpty() && name.endsWith(u'.' + claimedTld));
        return claimed || name == QLatin1String("dog.com") ? Reply::Delegated : Reply::NxDomain;
    });
    DnsCheck dns;
    QVERIFY(dns.setServer(server.address()));
    QSignalSpy answered(&dns, &DnsCheck::answered);
    QSignalSpy lying(&dns, &DnsCheck::lyingResolverFound);
    for (int run = 0; run < 2; ++run) {
        dns.startRun(tlds);
        dns.ask(QStringLiteral("dog.com"));
        dns.ask(QStringLiteral("cat.com"));
        QTRY_COMPARE_WITH_TIMEOUT(answered.size(), 2 * (run + 1), 3000);
        // Two made-up names first, each under a TLD of the run; the run's names only once the resolver passed.
        const QStringList asked = server.questions().mid(run * (lies ? 2 : 4));
        static const QRegularExpression madeUp(QStringLiteral("^[a-z0-9]{24}\\.(com|net)$"));
        QVERIFY2(asked.size() >= 2 && madeUp.match(asked.at(0)).hasMatch() && madeUp.match(asked.at(1)).hasMatch(),
                 qPrintable(asked.join(u' ')));
        QVERIFY(asked.at(0) != asked.at(1));
        const QStringList registryNames = {QStringLiteral("dog.com"), QStringLiteral("cat.com")};
        QCOMPARE(asked.mid(2), lies ? QStringList() : registryNames);
        QCOMPARE(answered.at(2 * run).at(1).toBool(), !lies);
        QTRY_COMPARE_WITH_TIMEOUT(lying.size(), lies ? run + 1 : 0, 3000);
    }
    // Told once a run.
    dns.ask(QStringLiteral("dingo.com"));
    QTRY_COMPARE_WITH_TIMEOUT(answered.size(), 5, 3000);
    QCOMPARE(lying.size(), lies ? 2 : 0);
}

QTEST_GUILESS_MAIN(TestDnsCheck)
#include "tst_dnscheck.moc"
