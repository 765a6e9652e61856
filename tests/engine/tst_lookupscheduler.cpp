#include "engine/LookupScheduler.h"
#include "engine/SchedulerClock.h"
#include "lookup/RegistryLookup.h"
#include "platform/Intervals.h"

#include <QtTest>

#include <functional>
#include <optional>

using engine::LookupScheduler;
using engine::ServerState;
using engine::Trouble;
using lookup::QueryOutcome;
using Kind = QueryOutcome::Kind;
using Phase = ServerState::Phase;

namespace {

constexpr qint64 nsPerMs = 1'000'000;

// Time that moves only when the test says so.
class FakeClock : public engine::SchedulerClock {
public:
    qint64 nowNs() const override { return m_now; }
    void wakeAt(qint64 atNs) override { m_wake = atNs; }
    void cancelWake() override { m_wake = -1; }
    qint64 wake() const { return m_wake; }
    void setNow(qint64 ns) { m_now = ns; }

private:
    qint64 m_now = 0;
    qint64 m_wake = -1;
};

// What the server does with a question: nothing (silence), or an outcome.
using Script = std::function<std::optional<QueryOutcome>(const QString &domain)>;

// A lookup that answers as the script says, from the event loop as a real one does.
class ScriptedLookup : public lookup::RegistryLookup {
public:
    ScriptedLookup(Script script, std::function<void(const QString &)> asked)
        : m_script(std::move(script)), m_asked(std::move(asked))
    {}
    void start(const lookup::LookupRequest &request) override
    {
        abort();
        m_asked(request.domain);
        if (std::optional<QueryOutcome> outcome = m_script(request.domain)) {
            outcome->domain = request.domain;
            m_pending = new QObject(this);
            QTimer::singleShot(0, m_pending, [this, answer = *outcome] { emit finished(answer); });
        }
    }
    void abort() override { delete std::exchange(m_pending, nullptr); }

private:
    Script m_script;
    std::function<void(const QString &)> m_asked;
    QObject *m_pending = nullptr;
};

QueryOutcome outcomeOf(Kind kind, int httpStatus = 0, int retryAfter = -1)
{
    QueryOutcome outcome{kind};
    outcome.httpStatus = httpStatus;
    outcome.retryAfterSeconds = retryAfter;
    return outcome;
}

QueryOutcome closed()
{
    QueryOutcome outcome{Kind::Unknown};
    outcome.dropped = true;
    return outcome;
}

tld::TldRecord row(const char *server, int throttle = 0)
{
    return {QStringLiteral("com"), QLatin1String(server), 43, true, throttle, QString()};
}

struct Rig {
    FakeClock *clock = new FakeClock;
    LookupScheduler scheduler{2, std::unique_ptr<engine::SchedulerClock>(clock)};
    Script script = [](const QString &) { return outcomeOf(Kind::Available); };
    QList<QPair<QString, qint64>> asked; ///< domain, ms of the clock
    QHash<QString, QueryOutcome> ended;
    QList<ServerState> states;
    QList<Trouble> troubles;

    Rig()
    {
        scheduler.setLookupFactory([this] {
            return std::make_unique<ScriptedLookup>([this](const QString &domain) { return script(domain); },
                                                    [this](const QString &domain) {
                                                        asked.append({domain, clock->nowNs() / nsPerMs});
                                                    });
        });
        QObject::connect(&scheduler, &LookupScheduler::finished,
                         [this](LookupScheduler::Ticket, const QueryOutcome &o) { ended.insert(o.domain, o); });
        QObject::connect(&scheduler, &LookupScheduler::serverChanged,
                         [this](const ServerState &state) { states.append(state); });
        QObject::connect(&scheduler, &LookupScheduler::troubled,
                         [this](const QString &, Trouble trouble) { troubles.append(trouble); });
    }
    void submit(const QStringList &domains, const tld::TldRecord &on = row("whois.one"))
    {
        for (const QString &domain : domains)
            scheduler.submit(domain, on);
    }
    // Lets @p ms pass: every wake-up on the way comes at its time, every answer at once.
    void pass(qint64 ms)
    {
        const qint64 end = clock->nowNs() + ms * nsPerMs;
        for (;;) {
            QCoreApplication::processEvents();
            if (clock->wake() < 0 || clock->wake() > end)
                break;
            clock->setNow(std::max(clock->nowNs(), clock->wake()));
            clock->cancelWake();
            emit clock->due();
        }
        clock->setNow(end);
        QCoreApplication::processEvents();
    }
    QList<qint64> timesAsked(const QString &domain) const
    {
        QList<qint64> times;
        for (const auto &[name, ms] : asked) {
            if (name == domain)
                times.append(ms);
        }
        return times;
    }
    QList<qint64> rests() const
    {
        QList<qint64> lengths;
        for (const ServerState &state : states) {
            if (state.phase == Phase::Resting)
                lengths.append(state.restMs);
        }
        return lengths;
    }
};

} // namespace

class TestLookupScheduler : public QObject {
    Q_OBJECT
private slots:
    void init();
    void eachServerKeepsItsRowsPace();
    void aLateStartNeitherCrowdsNorDrifts();
    void onlyRateSignalsRest_data();
    void onlyRateSignalsRest();
    void threeNamesClosingInARowRest();
    void restDoublesUpToFiveMinutesUntilAnAnswer();
    void threeTimeOutsInARowMakeTheServerUnresponsive();
    void aNewRunForgetsAllButARetryAfter_data();
    void aNewRunForgetsAllButARetryAfter();
};

void TestLookupScheduler::init()
{
    platform::intervals() = platform::Intervals{};
}

void TestLookupScheduler::eachServerKeepsItsRowsPace()
{
    Rig rig;
    rig.submit({QStringLiteral("a.com"), QStringLiteral("b.com"), QStringLiteral("c.com")}, row("whois.one", 25));
    rig.submit({QStringLiteral("d.net")}, row("whois.two", 25));
    rig.pass(1000);
    QCOMPARE(rig.asked, (QList<QPair<QString, qint64>>{{QStringLiteral("a.com"), 0},
                                                       {QStringLiteral("d.net"), 0},
                                                       {QStringLiteral("b.com"), 26},
                                                       {QStringLiteral("c.com"), 52}}));
    QCOMPARE(rig.ended.size(), 4);
    QVERIFY(rig.states.isEmpty());
}

void TestLookupScheduler::aLateStartNeitherCrowdsNorDrifts()
{
    Rig rig;
    rig.submit({QStringLiteral("a.com"), QStringLiteral("b.com"), QStringLiteral("c.com")}, row("whois.one", 25));
    rig.pass(0);
    rig.clock->setNow(31 * nsPerMs); // the wake-up due at 26 ms comes 5 ms late
    rig.pass(100);
    // c.com keeps as much of the pace as it can without coming closer to b.com than the throttle.
    QCOMPARE(rig.timesAsked(QStringLiteral("b.com")), QList<qint64>{31});
    QCOMPARE(rig.timesAsked(QStringLiteral("c.com")), QList<qint64>{56});
}

void TestLookupScheduler::onlyRateSignalsRest_data()
{
    QTest::addColumn<QueryOutcome>("firstAnswer"); // to the first question about first.com
    QTest::addColumn<qint64>("gap");               // ms from it to the next question
    QTest::addColumn<int>("questions");            // about first.com
    QTest::addColumn<int>("kind");                 // how first.com ends
    QTest::addColumn<int>("trouble");
    QTest::newRow("refusal statement") << outcomeOf(Kind::Refused) << qint64(1000) << 2 << int(Kind::Available)
                                       << int(Trouble::Refusal);
    QTest::newRow("429, Retry-After 7") << outcomeOf(Kind::Refused, 429, 7) << qint64(7000) << 2 << int(Kind::Available)
                                        << int(Trouble::TooManyRequests);
    QTest::newRow("503") << outcomeOf(Kind::Refused, 503) << qint64(1000) << 2 << int(Kind::Available)
                         << int(Trouble::Unavailable);
    QTest::newRow("closed once") << closed() << qint64(1) << 2 << int(Kind::Available) << int(Trouble::Closed);
    QTest::newRow("HTTP 400") << outcomeOf(Kind::Unknown, 400) << qint64(1) << 1 << int(Kind::Unknown)
                              << int(Trouble::HttpStatus);
    QTest::newRow("HTTP 451") << outcomeOf(Kind::Unknown, 451) << qint64(1) << 1 << int(Kind::Unknown)
                              << int(Trouble::HttpStatus);
}

void TestLookupScheduler::onlyRateSignalsRest()
{
    QFETCH(QueryOutcome, firstAnswer);
    QFETCH(qint64, gap);
    QFETCH(int, questions);
    QFETCH(int, kind);
    QFETCH(int, trouble);
    Rig rig;
    bool answered = false;
    rig.script = [&](const QString &domain) {
        if (domain == QLatin1String("first.com") && !std::exchange(answered, true))
            return firstAnswer;
        return outcomeOf(Kind::Available);
    };
    rig.submit({QStringLiteral("first.com"), QStringLiteral("second.com")});
    rig.pass(10'000);
    QCOMPARE(rig.asked.size(), questions + 1);
    QCOMPARE(rig.asked.at(1).second - rig.asked.at(0).second, gap);
    QCOMPARE(int(rig.ended.value(QStringLiteral("first.com")).kind), kind);
    QCOMPARE(rig.troubles, QList<Trouble>{Trouble(trouble)});
    QCOMPARE(rig.rests(), gap > 1 ? QList<qint64>{gap} : QList<qint64>{});
}

void TestLookupScheduler::threeNamesClosingInARowRest()
{
    Rig rig;
    rig.scheduler.setLimits({2, 10'000, 30'000});
    rig.script = [](const QString &domain) {
        return domain.startsWith(QLatin1String("ok")) ? outcomeOf(Kind::Registered) : closed();
    };
    rig.submit({QStringLiteral("a.com"), QStringLiteral("ok1.com"), QStringLiteral("b.com"), QStringLiteral("c.com"),
                QStringLiteral("d.com"), QStringLiteral("e.com"), QStringLiteral("ok2.com")});
    rig.pass(60'000);
    // a.com fails alone: its two tries, no rest. b, c, d in a row: the third rests the server; its own
    // second try is no further evidence, and e.com, the fourth in a row, doubles the rest.
    QCOMPARE(rig.timesAsked(QStringLiteral("a.com")), (QList<qint64>{0, 1}));
    QCOMPARE(rig.rests(), (QList<qint64>{1000, 2000}));
    QCOMPARE(rig.states.first().cause, Trouble::Closed);
    QCOMPARE(rig.states.first().inARow, 3);
    QCOMPARE(rig.ended.value(QStringLiteral("d.com")).kind, Kind::Unknown);
    QCOMPARE(rig.ended.value(QStringLiteral("ok2.com")).kind, Kind::Registered);
    QCOMPARE(rig.states.last().phase, Phase::Pacing);
}

void TestLookupScheduler::restDoublesUpToFiveMinutesUntilAnAnswer()
{
    Rig rig;
    rig.scheduler.setLimits({100, 10'000, 30'000});
    int refusals = 12;
    rig.script = [&refusals](const QString &domain) {
        if (domain == QLatin1String("late.com"))
            return outcomeOf(Kind::Refused);
        return refusals-- > 0 ? outcomeOf(Kind::Refused) : outcomeOf(Kind::Available);
    };
    rig.submit({QStringLiteral("busy.com")});
    rig.pass(3'600'000);
    QCOMPARE(rig.rests(), (QList<qint64>{1000, 2000, 4000, 8000, 16'000, 32'000, 64'000, 128'000, 256'000, 300'000,
                                         300'000, 300'000}));
    QCOMPARE(rig.ended.value(QStringLiteral("busy.com")).kind, Kind::Available);
    rig.states.clear();
    rig.submit({QStringLiteral("late.com")});
    rig.pass(500);
    QCOMPARE(rig.rests(), QList<qint64>{1000});
}

void TestLookupScheduler::threeTimeOutsInARowMakeTheServerUnresponsive()
{
    Rig rig;
    rig.script = [](const QString &domain) -> std::optional<QueryOutcome> {
        if (domain.endsWith(QLatin1String(".net")))
            return outcomeOf(Kind::Registered);
        return std::nullopt;
    };
    QStringList silent;
    for (int i = 1; i <= 6; ++i)
        silent.append(QStringLiteral("quiet%1.com").arg(i));
    rig.submit(silent);
    rig.pass(50'000);
    rig.submit({QStringLiteral("other.net")}, row("whois.two"));
    rig.pass(50'000);
    // Asked again on a new connection every silence period, given up at the time limit.
    QCOMPARE(rig.timesAsked(QStringLiteral("quiet1.com")), (QList<qint64>{0, 10'000, 20'000}));
    QCOMPARE(rig.timesAsked(QStringLiteral("quiet3.com")).constLast(), qint64(80'000));
    QCOMPARE(rig.timesAsked(QStringLiteral("quiet4.com")), QList<qint64>{});
    QCOMPARE(rig.ended.value(QStringLiteral("quiet3.com")).kind, Kind::TimedOut);
    QCOMPARE(rig.ended.value(QStringLiteral("quiet6.com")).kind, Kind::TimedOut);
    QCOMPARE(rig.troubles.count(Trouble::NotAsked), 3);
    QCOMPARE(rig.states.size(), 1);
    QCOMPARE(rig.states.at(0).phase, Phase::Unresponsive);
    QCOMPARE(rig.states.at(0).inARow, 3);
    // Names that arrive later end at once; another server goes on.
    rig.submit({QStringLiteral("quiet7.com")});
    rig.pass(1);
    QCOMPARE(rig.ended.value(QStringLiteral("quiet7.com")).kind, Kind::TimedOut);
    QCOMPARE(rig.ended.value(QStringLiteral("other.net")).kind, Kind::Registered);
}

void TestLookupScheduler::aNewRunForgetsAllButARetryAfter_data()
{
    QTest::addColumn<QueryOutcome>("answer");  // to the questions of the first run
    QTest::addColumn<int>("questions");        // of the first run
    QTest::addColumn<qint64>("firstQuestion"); // of the next run, which begins at 8001 ms
    QTest::newRow("doubled rests") << outcomeOf(Kind::Refused) << 4 << qint64(8001);
    QTest::newRow("Retry-After") << outcomeOf(Kind::Refused, 429, 60) << 1 << qint64(60'000);
    QTest::newRow("unresponsive") << QueryOutcome{Kind::TimedOut} << 3 << qint64(8001);
}

void TestLookupScheduler::aNewRunForgetsAllButARetryAfter()
{
    QFETCH(QueryOutcome, answer);
    QFETCH(int, questions);
    QFETCH(qint64, firstQuestion);
    Rig rig;
    rig.scheduler.setLimits({100, 10'000, 10'000});
    rig.script = [&answer](const QString &) { return answer; };
    rig.submit({QStringLiteral("one.com"), QStringLiteral("two.com"), QStringLiteral("six.com")});
    rig.pass(1000 + 2000 + 4000 + 1);
    QCOMPARE(rig.asked.size(), questions);
    rig.scheduler.cancelAll();
    rig.pass(1000);
    rig.asked.clear();
    rig.script = [](const QString &) { return outcomeOf(Kind::Available); };
    rig.scheduler.beginRun();
    rig.submit({QStringLiteral("again.com")});
    rig.pass(120'000);
    QCOMPARE(rig.timesAsked(QStringLiteral("again.com")), QList<qint64>{firstQuestion});
    QCOMPARE(rig.ended.value(QStringLiteral("again.com")).kind, Kind::Available);
}

QTEST_GUILESS_MAIN(TestLookupScheduler)
#include "tst_lookupscheduler.moc"
