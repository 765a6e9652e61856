#include "DnsFixtureServer.h"
#include "HttpFixtureServer.h"
#include "TestFolder.h"
#include "WhoisFixtureServer.h"
#include "engine/QueryEngine.h"
#include "lookup/DnsCheck.h"
#include "platform/AppFolder.h"
#include "platform/Intervals.h"
#include "results/ResultClasses.h"
#include "sources/EntrySource.h"
#include "sources/ListFile.h"
#include "tld/TldRegistry.h"

#include <QScopeGuard>
#include <QSignalSpy>
#include <QtTest>

using engine::QueryEngine;
using lookup::QueryOutcome;
using Kind = QueryOutcome::Kind;

namespace {

// Names from memory; records the positions the engine saves. Entry @p unreadableAt cannot be read.
class MemorySource : public sources::EntrySource {
public:
    QStringList names;
    QList<int> saved;
    int aheadAt = 0;
    QStringList ahead;
    int unreadableAt = 0;
    QString readEntry(int n) override
    {
        if (n < 1 || n == unreadableAt)
            return QString();
        return n <= names.size() ? names.at(n - 1) : sources::endMarker;
    }
    void savePositions(int next) override { saved.append(next); }
    void saveRecordedAhead(int next, const QStringList &domains) override
    {
        aheadAt = next;
        ahead = domains;
    }
    QStringList recordedAhead(int next) override { return next == aheadAt ? ahead : QStringList(); }
};

tld::TldRecord row(const char *extension, quint16 port, int throttle = 0)
{
    return {QLatin1String(extension),
            QStringLiteral("127.0.0.1"),
            port,
            true,
            throttle,
            QStringLiteral("No match, not found")};
}

// One engine with its collaborators, pointed at a fixture server.
struct Rig {
    testing::TestFolder folder;
    platform::AppFolder app{folder.appFolder()};
    tld::TldRegistry tlds{folder.file(QStringLiteral("TLDs.txt"))};
    results::ResultClasses results{app};
    MemorySource source;
    QueryEngine engine{tlds, results, source, QueryEngine::defaultSlots};
    QList<QueryOutcome> outcomes;
    QList<engine::Trouble> troubles;
    QList<engine::ServerState> states;
    QList<engine::RunEnd> ends;

    explicit Rig(quint16 port, int throttleMs = 0)
    {
        tlds.setTable({row("com", port, throttleMs), row("net", port, throttleMs)});
        QObject::connect(&engine, &QueryEngine::outcome, [this](const QueryOutcome &o) { outcomes.append(o); });
        QObject::connect(&engine, &QueryEngine::troubled,
                         [this](const QString &, engine::Trouble trouble) { troubles.append(trouble); });
        QObject::connect(&engine, &QueryEngine::serverChanged,
                         [this](const engine::ServerState &state) { states.append(state); });
        QObject::connect(&engine, &QueryEngine::stopped, [this](const engine::RunEnd &end) { ends.append(end); });
    }
    QString tally() const
    {
        if (ends.isEmpty())
            return QStringLiteral("running");
        const engine::RunTally &t = ends.constLast().tally;
        return QStringLiteral("%1 %2/%3/%4")
            .arg(int(ends.constLast().reason))
            .arg(t.names)
            .arg(t.available)
            .arg(t.registered);
    }
    QStringList domains() const
    {
        QStringList names;
        for (const QueryOutcome &o : outcomes)
            names.append(o.domain);
        return names;
    }
};

// When each query reached a server, in milliseconds from the server's creation.
struct TimedServer : testing::WhoisFixtureServer {
    QElapsedTimer clock;
    QList<qint64> times;
    TimedServer()
    {
        clock.start();
        listen();
        connect(this, &WhoisFixtureServer::queryReceived, this, [this] { times.append(clock.elapsed()); });
    }
};

} // namespace

class TestQueryEngine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void namesAreCheckedIntoTheListsInListOrder();
    void answerInPiecesIsJudgedWhole();
    void silentServerIsReconnectedOnItsOwnPortThenAbandoned();
    void refusedConnectionEndsTheNameAtOnce();
    void stopInFlightKeepsThePositionAtTheNameUnderWay();
    void oversizeAnswerIsCutAndLeftUnchecked();
    void eachServerKeepsItsOwnPace();
    void stopRecordsLaterAnswersAndTheResumeSkipsThem();
    void refusingServerRests_data();
    void refusingServerRests();
    void retryAfterHoldsTheServerBack();
    void nameWithoutServerIsSkipped();
    void entriesThatAreNoNamesReachNoServer();
    void unreadableListStopsTheRunWithItsReason();
    void screensSettleDomainsInTheirOrder();
    void dnsSwitchedOffMidRunStillEndsTheRun();
    void delegatedNamesNeverReachTheRegistry_data();
    void delegatedNamesNeverReachTheRegistry();
    void domainPreparation_data();
    void domainPreparation();
};

void TestQueryEngine::initTestCase()
{
    platform::Intervals &times = platform::intervals();
    times.secondMs = 20;
    times.silenceSeconds = 3;
    times.watchdogSeconds = 8;
    times.restUnitMs = 20;
}

void TestQueryEngine::init()
{
    platform::intervals().positionSaveMs = 0;
}

void TestQueryEngine::namesAreCheckedIntoTheListsInListOrder()
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
    Rig rig(server.port(), 25);
    rig.engine.setMaxTries(2);
    rig.source.names = {QStringLiteral("freename"), QStringLiteral("taken.com"), QStringLiteral("busy.net")};
    rig.engine.start(1, 3);
    QTRY_VERIFY_WITH_TIMEOUT(rig.engine.stopRequested(), 5000);
    QCOMPARE(server.queries(), (QStringList{QStringLiteral("freename.com"), QStringLiteral("taken.com"),
                                            QStringLiteral("busy.net"), QStringLiteral("busy.net")}));
    QCOMPARE(server.received().at(0), QByteArray("freename.com\r\n"));
    QCOMPARE(rig.domains(),
             (QStringList{QStringLiteral("freename.com"), QStringLiteral("taken.com"), QStringLiteral("busy.net")}));
    // The list entry goes with the outcome where it differs from the domain.
    QCOMPARE(rig.outcomes.at(0).entry, QStringLiteral("freename"));
    QCOMPARE(rig.outcomes.at(1).entry, QString());
    QCOMPARE(rig.results.list(results::LowList)->entries(), QStringList{QStringLiteral("freename.com")});
    QCOMPARE(rig.results.list(results::RegisteredList)->entries(), QStringList{QStringLiteral("taken.com")});
    QCOMPARE(rig.outcomes.at(0).successWord, QStringLiteral("No match"));
    QCOMPARE(rig.outcomes.at(2).kind, Kind::Refused);
    // Refused to the last try, each time a rest; the name is kept for another run.
    QCOMPARE(rig.troubles, (QList<engine::Trouble>{engine::Trouble::Refusal, engine::Trouble::Refusal}));
    QCOMPARE(rig.folder.read(QStringLiteral("Unchecked.txt")), QByteArray("busy.net\r\n"));
    QCOMPARE(rig.source.saved, (QList<int>{2, 3, 4}));
    QVERIFY(rig.engine.listEnded());
    QCOMPARE(rig.tally(), QStringLiteral("0 3/1/1")); // finished: 3 names, 1 available, 1 registered
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
    QCOMPARE(rig.outcomes.at(0).kind, Kind::Available);
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
    QSignalSpy troubled(&rig.engine, &QueryEngine::troubled);
    rig.engine.start(1, 2);
    QVERIFY(troubled.wait(5000));
    QCOMPARE(troubled.at(0).at(1).value<engine::Trouble>(), engine::Trouble::TimedOut);
    // Reconnected after each silence period, to the row's port, sending the query again.
    QVERIFY(server.connections() >= 2);
    QCOMPARE(server.queries().count(QStringLiteral("quiet.com")), server.connections());
    QTRY_VERIFY_WITH_TIMEOUT(server.queries().contains(QStringLiteral("next.com")), 3000);
    QTRY_COMPARE_WITH_TIMEOUT(rig.outcomes.size(), 1, 3000);
    QCOMPARE(rig.outcomes.at(0).kind, Kind::TimedOut);
    rig.engine.stop();
}

void TestQueryEngine::refusedConnectionEndsTheNameAtOnce()
{
    // A watchdog far beyond the wait below: only an ending at once passes.
    platform::intervals().watchdogSeconds = 1000;
    const auto restore = qScopeGuard([] { platform::intervals().watchdogSeconds = 8; });
    Rig rig(testing::WhoisFixtureServer::closedPort());
    rig.source.names = {QStringLiteral("nobody.com"), QStringLiteral("noone.com")};
    rig.engine.start(1, 2);
    QTRY_COMPARE_WITH_TIMEOUT(rig.ends.size(), 1, 3000);
    QCOMPARE(rig.tally(), QStringLiteral("0 2/0/0"));
    QCOMPARE(rig.outcomes.size(), 2);
    QVERIFY(rig.outcomes.at(0).unreachable);
    QVERIFY2(rig.outcomes.at(0).cause.contains(QLatin1String("refused"), Qt::CaseInsensitive),
             qPrintable(rig.outcomes.at(0).cause));
    QCOMPARE(rig.troubles, QList<engine::Trouble>(2, engine::Trouble::Unreachable));
    QVERIFY(rig.states.isEmpty()); // nothing the server said asks it to rest
    QCOMPARE(rig.results.uncheckedCount(), 2);
}

void TestQueryEngine::stopInFlightKeepsThePositionAtTheNameUnderWay()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(testing::WhoisFixtureServer::Mode::AnswerInPieces);
    server.setAnswer(testing::registeredAnswer(QStringLiteral("late.com")));
    Rig rig(server.port());
    rig.source.names = {QStringLiteral("late.com"), QStringLiteral("never.com")};
    rig.engine.start(1, 2);
    QSignalSpy query(&server, &testing::WhoisFixtureServer::queryReceived);
    QVERIFY(query.wait(3000));
    rig.engine.stop();
    QCOMPARE(rig.tally(), QStringLiteral("1 0/0/0")); // stopped, nothing recorded
    QTest::qWait(200);                                // the pieces and the server's close arrive after Stop
    QVERIFY(rig.outcomes.isEmpty());
    QCOMPARE(rig.results.counter(results::RegisteredList), 0);
    QCOMPARE(server.queries(), QStringList{QStringLiteral("late.com")});
    // The position never passed it: a rerun asks it again, so it needs no place among the unchecked.
    QCOMPARE(rig.engine.position(), 1);
    QVERIFY(rig.source.saved.isEmpty());
    QCOMPARE(rig.folder.read(QStringLiteral("Unchecked.txt")), QByteArray());
}

void TestQueryEngine::oversizeAnswerIsCutAndLeftUnchecked()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(testing::WhoisFixtureServer::Mode::AnswerNeverClose);
    server.setAnswer("No match for HUGE.COM\r\n" + QByteArray(10 * 1024 * 1024, 'x'));
    // Megabytes take a while to cross a busy machine under the sanitizers: neither the silence between
    // two pieces nor the name's watchdog may end the name before the cap does (20 s each).
    platform::intervals().silenceSeconds = 1000;
    platform::intervals().watchdogSeconds = 1000;
    const auto restore = qScopeGuard([] {
        platform::intervals().silenceSeconds = 3;
        platform::intervals().watchdogSeconds = 8;
    });
    Rig rig(server.port());
    rig.source.names = {QStringLiteral("huge.com")};
    rig.engine.start(1, 1);
    QTRY_COMPARE_WITH_TIMEOUT(rig.outcomes.size(), 1, 30000);
    // No registry answers with megabytes: whatever the first line says, this is no verdict.
    QCOMPARE(rig.outcomes.at(0).kind, Kind::Unknown);
    QCOMPARE(rig.outcomes.at(0).answer.size(), 4 * 1024 * 1024); // the 4 MiB cap
}

void TestQueryEngine::eachServerKeepsItsOwnPace()
{
    TimedServer fast;
    TimedServer slow;
    fast.setResponder([](const QString &query) { return testing::registeredAnswer(query); });
    Rig rig(fast.port());
    // 300 ticks of 1 ms: longer than the watchdog (8 x 20 ms), which counts only questions under way.
    rig.tlds.setTable({row("com", fast.port()), row("net", slow.port(), 300)});
    rig.source.names = {QStringLiteral("a.net"),   QStringLiteral("b.net"),   QStringLiteral("one.com"),
                        QStringLiteral("two.com"), QStringLiteral("six.com"), QStringLiteral("ten.com")};
    rig.engine.start(1, 6);
    QTRY_VERIFY_WITH_TIMEOUT(rig.engine.stopRequested(), 5000);
    QCOMPARE(slow.times.size(), 2);
    // 301 ms apart when asked; the time each query takes to arrive may differ on a busy machine.
    QVERIFY2(slow.times.at(1) - slow.times.at(0) >= 280, qPrintable(QString::number(slow.times.at(1))));
    // The com server was not held back by the net server's pace.
    QCOMPARE(fast.times.size(), 4);
    QVERIFY2(fast.times.constLast() < slow.times.at(1), qPrintable(QString::number(fast.times.constLast())));
    QCOMPARE(rig.domains(), rig.source.names);
    QVERIFY(rig.troubles.isEmpty());
}

void TestQueryEngine::stopRecordsLaterAnswersAndTheResumeSkipsThem()
{
    TimedServer com;
    TimedServer net;
    TimedServer org;
    Rig rig(com.port());
    rig.tlds.setTable({row("com", com.port()), row("net", net.port()), row("org", org.port(), 40)});
    rig.engine.setChosenTlds([] {
        return QStringList{QStringLiteral("com"), QStringLiteral(".net"), QStringLiteral("org")};
    });
    QStringList all;
    for (int i = 1; i <= 12; ++i) {
        rig.source.names.append(QStringLiteral("word%1").arg(i));
        for (const char *tld : {"com", "net", "org"})
            all.append(QStringLiteral("word%1.%2").arg(i).arg(QLatin1String(tld)));
    }
    // Written only at Stop and at the end: no second passes in this test.
    platform::intervals().positionSaveMs = 60000;
    connect(&org, &testing::WhoisFixtureServer::queryReceived, this, [&rig, &org] {
        if (org.times.size() == 4)
            rig.engine.stop();
    });
    rig.engine.start(1, 12);
    QTRY_VERIFY_WITH_TIMEOUT(rig.engine.stopRequested(), 5000);
    QCOMPARE(rig.source.saved.size(), 1);
    const int resumeAt = rig.source.saved.at(0);
    QVERIFY2(resumeAt >= 2 && resumeAt <= 5, qPrintable(QString::number(resumeAt)));
    // Every name before the position has all three outcomes, in list order; the answers that had come for
    // later names are recorded too, and kept with the position.
    const qsizetype before = (resumeAt - 1) * 3;
    QCOMPARE(rig.domains().mid(0, before), all.mid(0, before));
    QStringList ahead = rig.domains().mid(before);
    QVERIFY2(!ahead.isEmpty(), "no answer had come for a later name");
    QCOMPARE(rig.source.aheadAt, resumeAt);
    QStringList kept = rig.source.ahead;
    kept.sort();
    ahead.sort();
    QCOMPARE(kept, ahead);
    QCOMPARE(rig.results.list(results::MidList)->count(), rig.outcomes.size());
    QCOMPARE(rig.ends.constLast().tally.names, rig.outcomes.size());

    const QStringList firstRun = com.queries() + net.queries() + org.queries();
    const QList<QueryOutcome> firstOutcomes = rig.outcomes;
    rig.outcomes.clear();
    disconnect(&org, nullptr, this, nullptr);
    rig.engine.start(resumeAt, 12);
    QTRY_VERIFY_WITH_TIMEOUT(rig.engine.stopRequested(), 5000);
    QCOMPARE(rig.source.saved.constLast(), 13);
    QVERIFY(rig.source.ahead.isEmpty());
    // The resumed run asked exactly what had no outcome yet: every domain has one outcome, none two.
    QStringList secondRun = com.queries() + net.queries() + org.queries();
    for (const QString &query : firstRun)
        secondRun.removeOne(query);
    QStringList expected = all.mid(before);
    for (const QString &domain : std::as_const(ahead))
        expected.removeOne(domain);
    QCOMPARE(rig.domains(), expected);
    secondRun.sort();
    expected.sort();
    QCOMPARE(secondRun, expected);
    QCOMPARE(firstOutcomes.size() + rig.outcomes.size(), all.size());
}

void TestQueryEngine::refusingServerRests_data()
{
    QTest::addColumn<QStringList>("script"); // what the server does with each query; it answers after
    QTest::addColumn<int>("tries");
    QTest::addColumn<QList<int>>("kinds");     // of first.com and second.com
    QTest::addColumn<QList<int>>("leastGaps"); // ms between one query and the next
    QTest::addColumn<bool>("rests");
    QTest::newRow("refusal statements") << QStringList{QStringLiteral("quota"), QStringLiteral("quota")} << 5
                                        << QList<int>{int(Kind::Available), int(Kind::Available)}
                                        << QList<int>{20, 40, 0} << true;
    // One name dropped twice says nothing about the server: asked again at once.
    QTest::newRow("one name closed twice")
        << QStringList{QStringLiteral("drop"), QStringLiteral("drop")} << 5
        << QList<int>{int(Kind::Available), int(Kind::Available)} << QList<int>{0, 0, 0} << false;
    QTest::newRow("never recovers") << QStringList(8, QStringLiteral("quota")) << 2
                                    << QList<int>{int(Kind::Refused), int(Kind::Refused)} << QList<int>{20, 40, 80}
                                    << true;
}

void TestQueryEngine::refusingServerRests()
{
    QFETCH(QStringList, script);
    QFETCH(int, tries);
    QFETCH(QList<int>, kinds);
    QFETCH(QList<int>, leastGaps);
    QFETCH(bool, rests);
    TimedServer server;
    connect(&server, &testing::WhoisFixtureServer::queryReceived, this, [&server, script] {
        const QString next = script.value(server.times.size() - 1);
        server.setMode(next == QLatin1String("drop") ? testing::WhoisFixtureServer::Mode::CloseAtOnce
                                                     : testing::WhoisFixtureServer::Mode::AnswerAtOnce);
        server.setAnswer(next == QLatin1String("quota") ? testing::quotaAnswer()
                                                        : testing::availableAnswer(QStringLiteral("x")));
    });
    Rig rig(server.port());
    rig.engine.setMaxTries(tries);
    rig.source.names = {QStringLiteral("first.com"), QStringLiteral("second.com")};
    rig.engine.start(1, 2);
    QTRY_VERIFY_WITH_TIMEOUT(rig.engine.stopRequested(), 5000);
    QCOMPARE(rig.domains(), rig.source.names);
    QCOMPARE((QList<int>{int(rig.outcomes.at(0).kind), int(rig.outcomes.at(1).kind)}), kinds);
    QVERIFY(server.times.size() > leastGaps.size());
    for (qsizetype i = 0; i < leastGaps.size(); ++i)
        QVERIFY2(server.times.at(i + 1) - server.times.at(i) >= leastGaps.at(i), qPrintable(QString::number(i)));
    QCOMPARE(!rig.states.isEmpty(), rests);
    if (rests) {
        QCOMPARE(rig.states.at(0).host, QStringLiteral("127.0.0.1:%1").arg(server.port()));
        QCOMPARE(rig.states.at(0).phase, engine::ServerState::Phase::Resting);
        QCOMPARE(rig.states.at(0).cause, engine::Trouble::Refusal);
    }
}

void TestQueryEngine::retryAfterHoldsTheServerBack()
{
    testing::HttpFixtureServer server;
    QVERIFY(server.listen());
    QElapsedTimer sinceRefusal;
    qint64 restMs = -1;
    server.setScript([&](const testing::HttpRequest &request) {
        if (request.target.endsWith("/first.com") && !sinceRefusal.isValid()) {
            sinceRefusal.start();
            testing::HttpAnswer answer = testing::HttpAnswer::rdap(429, {});
            answer.headers = {{"Retry-After", "15"}};
            return answer;
        }
        if (restMs < 0)
            restMs = sinceRefusal.elapsed();
        return testing::HttpAnswer::rdap(404, {});
    });
    // Every question answered on its first connection, however busy the machine: three requests in all.
    platform::intervals().silenceSeconds = 8;
    const auto restore = qScopeGuard([] { platform::intervals().silenceSeconds = 3; });
    Rig rig(0);
    const QString base = server.address(QStringLiteral("/rdap/"));
    rig.tlds.setTable({{QStringLiteral("com"), base, 443, true, 0, QString()}});
    rig.source.names = {QStringLiteral("first.com"), QStringLiteral("second.com")};
    rig.engine.start(1, 2);
    QTRY_COMPARE_WITH_TIMEOUT(rig.outcomes.size(), 2, 5000);
    // Asked again once the rest was over, and then answered.
    QCOMPARE(server.targets().size(), 3);
    QCOMPARE(rig.outcomes.at(0).kind, Kind::Available);
    QCOMPARE(rig.outcomes.at(1).kind, Kind::Available);
    // 15 seconds of 20 ms: longer than the watchdog (8 seconds), which waits for the rest.
    QVERIFY2(restMs >= 15 * 20, qPrintable(QString::number(restMs)));
    QCOMPARE(rig.troubles, QList<engine::Trouble>{engine::Trouble::TooManyRequests});
    QCOMPARE(rig.states.at(0).host, base);
    QCOMPARE(rig.states.at(0).cause, engine::Trouble::TooManyRequests);
    QCOMPARE(rig.states.at(0).httpStatus, 429);
    QCOMPARE(rig.states.at(0).restMs, qint64(15 * 20));
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
    QCOMPARE(rig.outcomes.at(0).kind, Kind::NoServer);
    QCOMPARE(rig.outcomes.at(1).kind, Kind::Invalid);
    QCOMPARE(server.queries(), QStringList{QStringLiteral("good.com")});
}

void TestQueryEngine::entriesThatAreNoNamesReachNoServer()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    Rig rig(server.port());
    rig.source.names = {QStringLiteral(";;;"),
                        QStringLiteral("example..com"),
                        QStringLiteral("-leading"),
                        QStringLiteral("foo.com bar.com"),
                        QString(300, QLatin1Char('a')),
                        QStringLiteral("co.uk"),
                        QStringLiteral("http://www.x.com/index.html"),
                        QStringLiteral("\tname.com ")};
    rig.engine.start(1, int(rig.source.names.size()));
    QTRY_COMPARE_WITH_TIMEOUT(rig.outcomes.size(), 8, 5000);
    QCOMPARE(server.queries(), (QStringList{QStringLiteral("x.com"), QStringLiteral("name.com")}));
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(rig.outcomes.at(i).kind, Kind::Invalid);
        QVERIFY(!rig.outcomes.at(i).cause.isEmpty());
    }
    QCOMPARE(rig.results.skippedEntries()->count(), 6);
    QCOMPARE(rig.outcomes.at(6).domain, QStringLiteral("x.com"));
    QCOMPARE(rig.outcomes.at(6).entry, QStringLiteral("http://www.x.com/index.html"));
    QCOMPARE(rig.results.uncheckedCount(), 0);
}

void TestQueryEngine::unreadableListStopsTheRunWithItsReason()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    Rig rig(server.port());
    rig.source.names = {QStringLiteral("first.com"), QStringLiteral("gone.com"), QStringLiteral("never.com")};
    rig.source.unreadableAt = 2;
    rig.engine.start(1, 3);
    QTRY_COMPARE_WITH_TIMEOUT(rig.ends.size(), 1, 5000);
    QCOMPARE(rig.ends.at(0).reason, engine::RunEnd::Reason::ListUnreadable);
    QCOMPARE(rig.domains(), QStringList{QStringLiteral("first.com")});
    QCOMPARE(rig.source.saved, QList<int>{2});
    QCOMPARE(server.queries(), QStringList{QStringLiteral("first.com")});
}

void TestQueryEngine::screensSettleDomainsInTheirOrder()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    testing::DnsFixtureServer resolver;
    QVERIFY(resolver.listen());
    resolver.setResponder([](const QString &) { return testing::DnsFixtureServer::Reply::NxDomain; });
    Rig rig(server.port());
    lookup::DnsCheck dns;
    QVERIFY(dns.setServer(resolver.address()));
    rig.engine.setDnsCheck(&dns);
    QStringList screened;
    const auto screen = [&screened](const char *prefix, QueryOutcome::Source source) {
        return [&screened, prefix, source](const QString &domain, const tld::TldRecord &row) {
            std::optional<QueryOutcome> outcome;
            if (domain.startsWith(QLatin1String(prefix)) && row.extension == QLatin1String("com")) {
                outcome = QueryOutcome{Kind::Registered, domain};
                outcome->source = source;
            }
            screened.append(domain);
            return outcome;
        };
    };
    rig.engine.addScreen(screen("known", QueryOutcome::Source::History));
    rig.engine.addScreen(screen("k", QueryOutcome::Source::Zone));
    rig.source.names = {QStringLiteral("known.com"), QStringLiteral("kept.com"), QStringLiteral("asked.com")};
    rig.engine.start(1, 3);
    QTRY_VERIFY_WITH_TIMEOUT(rig.engine.stopRequested(), 5000);
    QCOMPARE(rig.domains(), rig.source.names);
    QCOMPARE(rig.outcomes.at(0).source, QueryOutcome::Source::History);
    QCOMPARE(rig.outcomes.at(1).source, QueryOutcome::Source::Zone);
    QCOMPARE(screened, (QStringList{QStringLiteral("known.com"), QStringLiteral("kept.com"), QStringLiteral("kept.com"),
                                    QStringLiteral("asked.com"), QStringLiteral("asked.com")}));
    // Neither DNS (past its two test names) nor the registry hears of a screened domain.
    QCOMPARE(resolver.questions().size(), 3);
    QCOMPARE(resolver.questions().last(), QStringLiteral("asked.com"));
    QCOMPARE(server.queries(), QStringList{QStringLiteral("asked.com")});
}

void TestQueryEngine::dnsSwitchedOffMidRunStillEndsTheRun()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    testing::DnsFixtureServer resolver;
    QVERIFY(resolver.listen());
    resolver.setResponder([](const QString &) { return testing::DnsFixtureServer::Reply::Silent; });
    Rig rig(server.port());
    lookup::DnsCheck dns;
    QVERIFY(dns.setServer(resolver.address()));
    dns.setTimeoutMs(200);
    rig.engine.setDnsCheck(&dns);
    rig.source.names = {QStringLiteral("waiting.com")};
    rig.engine.start(1, 1);
    // The option is switched off while the name waits for DNS: the run goes on to its end.
    rig.engine.setDnsCheck(nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(rig.engine.stopRequested(), 5000);
    QCOMPARE(server.queries(), QStringList{QStringLiteral("waiting.com")});
}

void TestQueryEngine::domainPreparation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QStringList>("domains");
    const QStringList none;
    QTest::newRow("plain word") << QStringLiteral("apple") << none << QStringList{QStringLiteral("apple.com")};
    QTest::newRow("chosen tld") << QStringLiteral("apple") << QStringList{QStringLiteral("net")}
                                << QStringList{QStringLiteral("apple.net")};
    QTest::newRow("several tlds, one twice")
        << QStringLiteral("apple") << QStringList{QStringLiteral("com"), QStringLiteral(".org"), QStringLiteral("COM")}
        << QStringList{QStringLiteral("apple.com"), QStringLiteral("apple.org")};
    QTest::newRow("has extension") << QStringLiteral("apple.org")
                                   << QStringList{QStringLiteral("net"), QStringLiteral("com")}
                                   << QStringList{QStringLiteral("apple.org")};
    QTest::newRow("address") << QStringLiteral("http://shop.example.com") << none
                             << QStringList{QStringLiteral("example.com")};
    QTest::newRow("escaped blank") << QStringLiteral("apple%20pie") << none
                                   << QStringList{QStringLiteral("applepie.com")};
    QTest::newRow("not a name") << QStringLiteral(";;;") << QStringList{QStringLiteral("net")}
                                << QStringList{QStringLiteral("invalid ;;;")};
    QTest::newRow("word that makes a suffix")
        << QStringLiteral("co") << QStringList{QStringLiteral("uk"), QStringLiteral("com")}
        << QStringList{QStringLiteral("invalid co.uk"), QStringLiteral("co.com")};
}

void TestQueryEngine::domainPreparation()
{
    QFETCH(QString, name);
    QFETCH(QStringList, chosen);
    QFETCH(QStringList, domains);
    Rig rig(43);
    rig.engine.setChosenTlds([chosen] { return chosen; });
    QStringList prepared;
    for (const tld::EntryName &read : rig.engine.prepareDomains(name))
        prepared.append(read.problem == tld::NameProblem::None ? read.name : QStringLiteral("invalid ") + read.name);
    QCOMPARE(prepared, domains);
}

void TestQueryEngine::delegatedNamesNeverReachTheRegistry_data()
{
    QTest::addColumn<bool>("proxy");
    QTest::addColumn<QStringList>("registryAsked");
    QTest::addColumn<int>("dnsAsked");
    // Two of the questions test the resolver before the run's first.
    QTest::newRow("dns first") << false << QStringList{QStringLiteral("free.com"), QStringLiteral("slow.com")} << 6;
    // The proxy is the user's chosen path: every name goes there and DNS is not asked.
    QTest::newRow("over the proxy") << true
                                    << QStringList{QStringLiteral("free.com"), QStringLiteral("slow.com"),
                                                   QStringLiteral("taken1.com"), QStringLiteral("taken2.net")}
                                    << 0;
}

void TestQueryEngine::delegatedNamesNeverReachTheRegistry()
{
    QFETCH(bool, proxy);
    QFETCH(QStringList, registryAsked);
    QFETCH(int, dnsAsked);
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setResponder([](const QString &query) {
        return query.startsWith(QLatin1String("taken")) ? testing::registeredAnswer(query)
                                                        : testing::availableAnswer(query);
    });
    testing::DnsFixtureServer resolver;
    QVERIFY(resolver.listen());
    resolver.setResponder([](const QString &name) {
        using Reply = testing::DnsFixtureServer::Reply;
        return name.startsWith(QLatin1String("taken"))  ? Reply::Delegated
               : name.startsWith(QLatin1String("slow")) ? Reply::Silent
                                                        : Reply::NxDomain;
    });
    Rig rig(server.port());
    if (proxy) {
        rig.tlds.setTable({row("com", server.port()), row("net", server.port()), row("proxy", server.port())});
        rig.tlds.setUseProxy(true);
    }
    lookup::DnsCheck dns;
    QVERIFY(dns.setServer(resolver.address()));
    dns.setTimeoutMs(200);
    rig.engine.setDnsCheck(&dns);
    rig.source.names = {QStringLiteral("taken1.com"), QStringLiteral("slow.com"), QStringLiteral("taken2.net"),
                        QStringLiteral("free.com")};
    rig.engine.start(1, 4);
    QTRY_VERIFY_WITH_TIMEOUT(rig.engine.stopRequested(), 5000);
    QCOMPARE(rig.domains(), rig.source.names);
    QStringList asked = server.queries();
    asked.sort();
    QCOMPARE(asked, registryAsked);
    QCOMPARE(resolver.questions().size(), dnsAsked);
    QCOMPARE(rig.outcomes.at(0).kind, Kind::Registered);
    QCOMPARE(rig.outcomes.at(0).source == QueryOutcome::Source::Dns, !proxy);
    QCOMPARE(rig.outcomes.at(1).kind, Kind::Available);
    QCOMPARE(rig.outcomes.at(1).source, QueryOutcome::Source::Registry);
    QCOMPARE(rig.results.list(results::RegisteredList)->entries(),
             (QStringList{QStringLiteral("taken1.com"), QStringLiteral("taken2.net")}));
}

QTEST_GUILESS_MAIN(TestQueryEngine)
#include "tst_queryengine.moc"
