#include "HttpFixtureServer.h"
#include "TestFolder.h"
#include "WhoisFixtureServer.h"
#include "engine/QueryEngine.h"
#include "engine/ThrottleGate.h"
#include "platform/AppFolder.h"
#include "platform/Intervals.h"
#include "results/ResultClasses.h"
#include "sources/EntrySource.h"
#include "sources/ListFile.h"
#include "tld/TldRegistry.h"

#include <QSignalSpy>
#include <QtTest>

using engine::QueryEngine;
using lookup::QueryOutcome;

namespace {

// Names from memory; records the positions the engine saves.
class MemorySource : public sources::EntrySource {
public:
    QStringList names;
    QList<int> saved;
    QString readEntry(int n) override
    {
        if (n < 1)
            return QString();
        return n <= names.size() ? names.at(n - 1) : sources::endMarker;
    }
    void savePositions(int next) override { saved.append(next); }
};

// One engine with its collaborators, pointed at a fixture server.
struct Rig {
    testing::TestFolder folder;
    platform::AppFolder app{folder.appFolder()};
    tld::TldRegistry tlds{folder.file(QStringLiteral("TLDs.txt"))};
    engine::ThrottleGate throttle;
    results::ResultClasses results{app};
    MemorySource source;
    QueryEngine engine{tlds, throttle, results, source};
    QList<QueryOutcome> outcomes;

    explicit Rig(quint16 port, int throttleMs = 0)
    {
        tld::TldRecord com{QStringLiteral("com"),
                           QStringLiteral("127.0.0.1"),
                           port,
                           true,
                           throttleMs,
                           QStringLiteral("No match, not found")};
        tld::TldRecord net = com;
        net.extension = QStringLiteral("net");
        tlds.setTable({com, net});
        QObject::connect(&engine, &QueryEngine::outcome, [this](const QueryOutcome &o) { outcomes.append(o); });
    }
};

} // namespace

class TestQueryEngine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void namesAreCheckedOneByOneIntoTheLists();
    void answerInPiecesIsJudgedWhole();
    void silentServerIsReconnectedOnItsOwnPortThenAbandoned();
    void refusedConnectionEndsTheNameAtOnce();
    void stopInFlightClosesAndLateEventsDoNothing();
    void oversizeAnswerIsCutAndLeftUnchecked();
    void longThrottleIsNotCountedByTheWatchdog();
    void retryAfterHoldsTheServerBack();
    void nameWithoutServerIsSkipped();
    void domainPreparation_data();
    void domainPreparation();
};

void TestQueryEngine::initTestCase()
{
    platform::Intervals &times = platform::intervals();
    times.secondMs = 20;
    times.silenceSeconds = 3;
    times.watchdogSeconds = 8;
}

void TestQueryEngine::namesAreCheckedOneByOneIntoTheLists()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setResponder([](const QString &query) {
        if (query.startsWith(QLatin1String("free")))
            return testing::availableAnswer(query);
        if (query.startsWith(QLatin1String("busy")))
            return testing::quotaAnswer();
        return testing::registeredAnswer(query);
    });
    Rig rig(server.port());
    rig.source.names = {QStringLiteral("freename"), QStringLiteral("taken.com"), QStringLiteral("busy.net")};
    rig.throttle.setCurrentThrottle(25);
    QSignalSpy blocked(&rig.engine, &QueryEngine::blocked);
    QStringList panel1;
    connect(&rig.engine, &QueryEngine::panelChanged, this, [&panel1](int number, const QString &text) {
        if (number == 1)
            panel1.append(text);
    });
    rig.engine.start(1, 3);
    QTRY_COMPARE_WITH_TIMEOUT(rig.outcomes.size(), 3, 5000);
    QCOMPARE(server.queries(),
             (QStringList{QStringLiteral("freename.com"), QStringLiteral("taken.com"), QStringLiteral("busy.net")}));
    QCOMPARE(server.received().at(0), QByteArray("freename.com\r\n"));
    QCOMPARE(rig.results.list(results::LowList)->entries(), QStringList{QStringLiteral("freename.com")});
    QCOMPARE(rig.results.list(results::RegisteredList)->entries(), QStringList{QStringLiteral("taken.com")});
    QCOMPARE(rig.outcomes.at(0).successWord, QStringLiteral("No match"));
    QCOMPARE(rig.outcomes.at(2).kind, QueryOutcome::Kind::Refused);
    QCOMPARE(blocked.size(), 1);
    QCOMPARE(blocked.at(0).at(0).toString(), QStringLiteral("127.0.0.1"));
    QVERIFY(blocked.at(0).at(1).toString().contains(QStringLiteral("quota")));
    QCOMPARE(rig.source.saved, (QList<int>{2, 3, 4}));
    // The end of the list stops the run, which says how it went.
    QTRY_VERIFY_WITH_TIMEOUT(rig.engine.stopRequested(), 2000);
    QVERIFY(rig.engine.listEnded());
    QCOMPARE(panel1.mid(0, 2), (QStringList{QStringLiteral("Waiting 25 milliseconds."), QStringLiteral("2 of 3")}));
    QVERIFY(panel1.contains(QStringLiteral("Waiting 0 milliseconds.")));
    QCOMPARE(rig.engine.panel(1), QStringLiteral("Finished: 3 checked, 1 available, 1 registered, 1 unchecked"));
    QCOMPARE(rig.engine.panel(2), QStringLiteral("Open Connections"));
    QCOMPARE(rig.engine.panel(3), QStringLiteral("Connection Status"));
    // The refused name is kept for another try.
    QCOMPARE(rig.folder.read(QStringLiteral("Unchecked.txt")), QByteArray("busy.net\r\n"));
}

void TestQueryEngine::answerInPiecesIsJudgedWhole()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(testing::WhoisFixtureServer::Mode::AnswerInPieces);
    server.setAnswer("Domain Name: FREE.COM is not registered. No match for the name.\r\n");
    Rig rig(server.port());
    rig.source.names = {QStringLiteral("free.com")};
    rig.engine.start(1, 1);
    QTRY_COMPARE_WITH_TIMEOUT(rig.outcomes.size(), 1, 5000);
    QCOMPARE(rig.outcomes.at(0).kind, QueryOutcome::Kind::Available);
    QCOMPARE(rig.outcomes.at(0).answer,
             QStringLiteral("Domain Name: FREE.COM is not registered. No match for the name.\r\n"));
}

void TestQueryEngine::silentServerIsReconnectedOnItsOwnPortThenAbandoned()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(testing::WhoisFixtureServer::Mode::Silent);
    Rig rig(server.port());
    rig.source.names = {QStringLiteral("quiet.com"), QStringLiteral("next.com")};
    QSignalSpy blocked(&rig.engine, &QueryEngine::blocked);
    rig.engine.start(1, 2);
    QVERIFY(blocked.wait(5000));
    QCOMPARE(blocked.at(0).at(1).toString(), QStringLiteral("Connection Timed Out"));
    // Reconnected after each silence period, to the row's port, sending the query again.
    QVERIFY(server.connections() >= 2);
    QCOMPARE(server.queries().count(QStringLiteral("quiet.com")), server.connections());
    QCOMPARE(rig.outcomes.at(0).kind, QueryOutcome::Kind::TimedOut);
    QTRY_VERIFY_WITH_TIMEOUT(server.queries().contains(QStringLiteral("next.com")), 3000);
    rig.engine.stop();
}

void TestQueryEngine::refusedConnectionEndsTheNameAtOnce()
{
    // A watchdog far beyond the wait below: only an ending at once passes.
    platform::intervals().watchdogSeconds = 1000;
    const auto restore = qScopeGuard([] { platform::intervals().watchdogSeconds = 8; });
    Rig rig(testing::WhoisFixtureServer::closedPort());
    rig.source.names = {QStringLiteral("nobody.com"), QStringLiteral("noone.com")};
    QSignalSpy blocked(&rig.engine, &QueryEngine::blocked);
    QSignalSpy finished(&rig.engine, &QueryEngine::finished);
    rig.engine.start(1, 2);
    QVERIFY(finished.wait(3000));
    QCOMPARE(finished.at(0).at(0).toString(),
             QStringLiteral("Finished: 2 checked, 0 available, 0 registered, 2 unchecked"));
    QCOMPARE(rig.outcomes.size(), 2);
    QVERIFY(rig.outcomes.at(0).unreachable);
    QVERIFY2(rig.outcomes.at(0).cause.contains(QLatin1String("refused"), Qt::CaseInsensitive),
             qPrintable(rig.outcomes.at(0).cause));
    QCOMPARE(blocked.size(), 2);
    QCOMPARE(rig.results.uncheckedCount(), 2);
}

void TestQueryEngine::stopInFlightClosesAndLateEventsDoNothing()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(testing::WhoisFixtureServer::Mode::AnswerInPieces);
    server.setAnswer(testing::registeredAnswer(QStringLiteral("late.com")));
    Rig rig(server.port());
    rig.source.names = {QStringLiteral("late.com"), QStringLiteral("never.com")};
    QSignalSpy stopped(&rig.engine, &QueryEngine::stopped);
    rig.engine.start(1, 2);
    QSignalSpy query(&server, &testing::WhoisFixtureServer::queryReceived);
    QVERIFY(query.wait(3000));
    rig.engine.stop();
    QCOMPARE(stopped.size(), 1);
    QTest::qWait(200); // the pieces and the server's close arrive after Stop
    QVERIFY(rig.outcomes.isEmpty());
    QCOMPARE(rig.results.counter(results::RegisteredList), 0);
    QCOMPARE(server.queries(), QStringList{QStringLiteral("late.com")});
    // The position is past it already: the name waits with the unchecked ones.
    QCOMPARE(rig.folder.read(QStringLiteral("Unchecked.txt")), QByteArray("late.com\r\n"));
}

void TestQueryEngine::oversizeAnswerIsCutAndLeftUnchecked()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(testing::WhoisFixtureServer::Mode::AnswerNeverClose);
    server.setAnswer("No match for HUGE.COM\r\n" + QByteArray(10 * 1024 * 1024, 'x'));
    Rig rig(server.port());
    rig.source.names = {QStringLiteral("huge.com")};
    rig.engine.start(1, 1);
    QTRY_COMPARE_WITH_TIMEOUT(rig.outcomes.size(), 1, 10000);
    // No registry answers with megabytes: whatever the first line says, this is no verdict.
    QCOMPARE(rig.outcomes.at(0).kind, QueryOutcome::Kind::Unknown);
    QCOMPARE(rig.outcomes.at(0).answer.size(), 4 * 1024 * 1024); // the 4 MiB cap
}

void TestQueryEngine::longThrottleIsNotCountedByTheWatchdog()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    Rig rig(server.port());
    // Throttle of 400 ticks at 1 ms each: longer than the shortened watchdog (8 x 20 ms).
    rig.throttle.setCurrentThrottle(400);
    rig.source.names = {QStringLiteral("patient.com")};
    QSignalSpy blocked(&rig.engine, &QueryEngine::blocked);
    rig.engine.start(1, 1);
    QTRY_COMPARE_WITH_TIMEOUT(rig.outcomes.size(), 1, 5000);
    QCOMPARE(blocked.size(), 0);
    QCOMPARE(server.connections(), 1);
}

void TestQueryEngine::retryAfterHoldsTheServerBack()
{
    testing::HttpFixtureServer server;
    QVERIFY(server.listen());
    QElapsedTimer sinceRefusal;
    qint64 restMs = -1;
    server.setScript([&](const testing::HttpRequest &request) {
        if (request.target.endsWith("/first.com")) {
            sinceRefusal.start();
            testing::HttpAnswer answer = testing::HttpAnswer::rdap(429, {});
            answer.headers = {{"Retry-After", "15"}};
            return answer;
        }
        restMs = sinceRefusal.elapsed();
        return testing::HttpAnswer::rdap(404, {});
    });
    Rig rig(0);
    const QString base = server.address(QStringLiteral("/rdap/"));
    rig.tlds.setTable({{QStringLiteral("com"), base, 443, true, 0, QString()}});
    rig.source.names = {QStringLiteral("first.com"), QStringLiteral("second.com")};
    QSignalSpy blocked(&rig.engine, &QueryEngine::blocked);
    QStringList panel3;
    connect(&rig.engine, &QueryEngine::panelChanged, this, [&panel3](int number, const QString &text) {
        if (number == 3)
            panel3.append(text);
    });
    rig.engine.start(1, 2);
    QTRY_COMPARE_WITH_TIMEOUT(rig.outcomes.size(), 2, 5000);
    QCOMPARE(rig.outcomes.at(0).kind, QueryOutcome::Kind::Refused);
    QCOMPARE(rig.outcomes.at(0).retryAfterSeconds, 15);
    QCOMPARE(rig.outcomes.at(1).kind, QueryOutcome::Kind::Available);
    // 15 seconds of 20 ms: longer than the watchdog (8 seconds), which waits for the rest.
    QVERIFY2(restMs >= 15 * 20, qPrintable(QString::number(restMs)));
    QCOMPARE(blocked.size(), 1);
    QVERIFY(panel3.contains(QStringLiteral("Waiting 15 s: ") + base +
                            QStringLiteral(" asked not to be asked again sooner")));
}

void TestQueryEngine::nameWithoutServerIsSkipped()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    Rig rig(server.port());
    rig.source.names = {QStringLiteral("shop.example.xyz"), QStringLiteral("bad.com%0d%0aQUIT"),
                        QStringLiteral("good.com")};
    rig.engine.start(1, 3);
    QTRY_COMPARE_WITH_TIMEOUT(rig.outcomes.size(), 3, 5000);
    QCOMPARE(rig.outcomes.at(0).kind, QueryOutcome::Kind::NoServer);
    QCOMPARE(rig.outcomes.at(1).kind, QueryOutcome::Kind::NoServer);
    QCOMPARE(server.queries(), QStringList{QStringLiteral("good.com")});
}

void TestQueryEngine::domainPreparation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("domain");
    QTest::newRow("plain word") << QStringLiteral("apple") << QString() << QStringLiteral("apple.com");
    QTest::newRow("chosen tld") << QStringLiteral("apple") << QStringLiteral("net") << QStringLiteral("apple.net");
    QTest::newRow("has extension") << QStringLiteral("apple.org") << QStringLiteral("net")
                                   << QStringLiteral("apple.org");
    QTest::newRow("colon") << QStringLiteral("http://shop.example.com") << QString()
                           << QStringLiteral("shop.example.com");
    QTest::newRow("escaped blank") << QStringLiteral("apple%20pie") << QString() << QStringLiteral("applepie.com");
}

void TestQueryEngine::domainPreparation()
{
    QFETCH(QString, name);
    QFETCH(QString, chosen);
    QFETCH(QString, domain);
    Rig rig(43);
    rig.engine.setChosenTld([chosen] { return chosen; });
    QCOMPARE(rig.engine.prepareDomain(name), domain);
}

QTEST_GUILESS_MAIN(TestQueryEngine)
#include "tst_queryengine.moc"
