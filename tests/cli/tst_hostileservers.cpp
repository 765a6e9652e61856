#include "FakeServices.h"
#include "TestFolder.h"
#include "WhoisFixtureServer.h"
#include "browse/BrowseChecker.h"
#include "engine/QueryEngine.h"
#include "lookup/TestQuery.h"
#include "lookup/WhoisRecordRequest.h"
#include "platform/AppFolder.h"
#include "platform/Intervals.h"
#include "results/ResultClasses.h"
#include "sources/EntrySource.h"
#include "sources/ListFile.h"
#include "tld/TldRegistry.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

using Mode = testing::WhoisFixtureServer::Mode;
using lookup::QueryOutcome;

// Every entry point that asks a WHOIS server, each against every way a server can misbehave: the
// misbehaving server serves .com, a well-behaved one .net. Nothing may crash, a failure is never a
// verdict, the next name is still checked and each ends by itself. (How long each takes, and the memory it
// needs, bench_hostile_run measures.)
namespace {

enum class Entry { MainRun, BrowseChecker, TestQuery, LookupWindow, CheckProgram };

// The answer the misbehaving server would give: a banner longer than half of it, then a not-found line,
// so that half an answer holds no evidence.
QByteArray hostileAnswer()
{
    return "% Example Registry WHOIS service. Terms of use apply to every query made to this service; see the "
           "registry's web site for the full text of the terms and the conditions of use.\r\n" +
           testing::availableAnswer(QStringLiteral("hostile.com"));
}

// Serves events until @p done holds or @p ms pass; true when it holds.
template <typename Done> bool waitFor(Done done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QTest::qWait(10);
    return done();
}

class MemorySource : public sources::EntrySource {
public:
    QStringList names;
    QString readEntry(int n) override { return n >= 1 && n <= names.size() ? names.at(n - 1) : sources::endMarker; }
    void savePositions(int) override {}
};

// Outcome of one name as the entry point saw it.
struct Seen {
    QString hostile;   ///< what became of hostile.com
    QString control;   ///< what became of control.net
    int exitCode = -1; ///< quarrytide-check's exit status
};

} // namespace

Q_DECLARE_METATYPE(Mode)
Q_DECLARE_METATYPE(Entry)

class TestHostileServers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void failuresStayFailures_data();
    void failuresStayFailures();

private:
    quint16 hostilePort() const
    {
        return m_mode == Mode::AnswerAtOnce ? testing::WhoisFixtureServer::closedPort() : m_hostile->port();
    }
    tld::TldTable table() const;
    Seen mainRun();
    Seen browseChecker();
    Seen testQuery();
    Seen lookupWindow();
    Seen checkProgram();
    Seen runCheckProgram(quint16 comPort);
    static QString kindWord(QueryOutcome::Kind kind);

    std::unique_ptr<testing::WhoisFixtureServer> m_hostile;
    std::unique_ptr<testing::WhoisFixtureServer> m_control;
    std::unique_ptr<testing::TestFolder> m_folder;
    Mode m_mode = Mode::AnswerAtOnce;
};

void TestHostileServers::initTestCase()
{
    qRegisterMetaType<QueryOutcome>();
    platform::Intervals &times = platform::intervals();
    times.secondMs = 100;
    times.silenceSeconds = 3;   // each connection of the main run: 0.3 s
    times.watchdogSeconds = 8;  // a name of the main run, and the lookup window: 0.8 s
    times.testTimeoutTicks = 5; // the browse checker and the test query: 0.5 s
}

void TestHostileServers::init()
{
    m_folder = std::make_unique<testing::TestFolder>();
    m_hostile = std::make_unique<testing::WhoisFixtureServer>();
    m_control = std::make_unique<testing::WhoisFixtureServer>();
    QVERIFY(m_hostile->listen());
    QVERIFY(m_control->listen());
    m_hostile->setAnswer(hostileAnswer());
    m_control->setResponder([](const QString &query) { return testing::availableAnswer(query); });
}

tld::TldTable TestHostileServers::table() const
{
    const tld::TldRecord com{QStringLiteral("com"),     QStringLiteral("127.0.0.1"), hostilePort(), true, 0,
                             QStringLiteral("No match")};
    tld::TldRecord net = com;
    net.extension = QStringLiteral("net");
    net.port = m_control->port();
    return {com, net};
}

QString TestHostileServers::kindWord(QueryOutcome::Kind kind)
{
    using Kind = QueryOutcome::Kind;
    switch (kind) {
    case Kind::Available:
        return QStringLiteral("Available");
    case Kind::Registered:
        return QStringLiteral("Registered");
    case Kind::Refused:
        return QStringLiteral("Refused");
    case Kind::TimedOut:
        return QStringLiteral("TimedOut");
    case Kind::NoServer:
        return QStringLiteral("NoServer");
    case Kind::Invalid:
        return QStringLiteral("Invalid");
    case Kind::LikelyAvailable:
        return QStringLiteral("LikelyAvailable");
    case Kind::Unknown:
        break;
    }
    return QStringLiteral("Unknown");
}

void TestHostileServers::failuresStayFailures_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<Entry>("entry");
    // AnswerAtOnce stands for a port where nothing listens.
    const QList<QPair<const char *, Mode>> modes = {{"refused", Mode::AnswerAtOnce},
                                                    {"reset", Mode::Reset},
                                                    {"empty", Mode::CloseAtOnce},
                                                    {"silence", Mode::Silent},
                                                    {"half close", Mode::HalfClose},
                                                    {"drip", Mode::Drip},
                                                    {"junk", Mode::Junk},
                                                    {"50 MiB", Mode::Flood},
                                                    {"endless", Mode::Endless},
                                                    {"never closes", Mode::AnswerNeverClose}};
    const QList<QPair<const char *, Entry>> entries = {{"main run", Entry::MainRun},
                                                       {"browse checker", Entry::BrowseChecker},
                                                       {"test query", Entry::TestQuery},
                                                       {"lookup window", Entry::LookupWindow},
                                                       {"quarrytide-check", Entry::CheckProgram}};
    for (const auto &[modeName, mode] : modes) {
        for (const auto &[entryName, entry] : entries)
            QTest::addRow("%s, %s", modeName, entryName) << mode << entry;
    }
}

void TestHostileServers::failuresStayFailures()
{
    QFETCH(Mode, mode);
    QFETCH(Entry, entry);
    m_mode = mode;
    m_hostile->setMode(mode);
    Seen seen;
    switch (entry) {
    case Entry::MainRun:
        seen = mainRun();
        break;
    case Entry::BrowseChecker:
        seen = browseChecker();
        break;
    case Entry::TestQuery:
        seen = testQuery();
        break;
    case Entry::LookupWindow:
        seen = lookupWindow();
        break;
    case Entry::CheckProgram:
        seen = checkProgram();
        break;
    }
    if (QTest::currentTestFailed())
        return;
    qInfo("%s: hostile.com %s, control.net %s", QTest::currentDataTag(), qPrintable(seen.hostile.simplified()),
          qPrintable(seen.control.simplified()));
    for (const char *verdict : {"available", "registered", "Available", "Registered", "AVAILABLE"})
        QVERIFY2(!seen.hostile.contains(QLatin1String(verdict)), qPrintable(seen.hostile));
    QVERIFY2(seen.control.contains(QLatin1String("vailable")) || seen.control.contains(QLatin1String("AVAILABLE")),
             qPrintable(seen.control));
}

Seen TestHostileServers::mainRun()
{
    platform::AppFolder app(m_folder->appFolder());
    tld::TldRegistry tlds(m_folder->file(QStringLiteral("TLDs.txt")));
    tlds.setTable(table());
    results::ResultClasses results(app);
    MemorySource source;
    source.names = {QStringLiteral("hostile.com"), QStringLiteral("control.net")};
    engine::QueryEngine engine(tlds, results, source);
    // One try: how a server that keeps dropping the line is rested is the engine tests' matter.
    engine.setMaxTries(1);
    Seen seen;
    connect(&engine, &engine::QueryEngine::outcome, this, [&seen](const QueryOutcome &outcome) {
        (outcome.domain.endsWith(QLatin1String(".com")) ? seen.hostile : seen.control) += kindWord(outcome.kind);
    });
    QSignalSpy finished(&engine, &engine::QueryEngine::stopped);
    engine.start(1, 2);
    if (!finished.wait(10000))
        qWarning("the run did not finish");
    QTest::qVerify(!finished.isEmpty(), "finished", "the run ends by itself", __FILE__, __LINE__);
    // Neither name is lost: the failure waits with the unchecked names.
    QTest::qCompare(results.uncheckedCount(), 1, "uncheckedCount", "1", __FILE__, __LINE__);
    return seen;
}

Seen TestHostileServers::browseChecker()
{
    platform::AppFolder app(m_folder->appFolder());
    tld::TldRegistry tlds(m_folder->file(QStringLiteral("TLDs.txt")));
    tlds.setTable(table());
    results::ResultClasses results(app);
    m_folder->write(QStringLiteral("BrowserSearch.txt"), "hostile.com\r\ncontrol.net\r\n");
    browse::BrowseChecker checker(tlds, results, m_folder->file(QStringLiteral("BrowserSearch.txt")));
    Seen seen;
    connect(&checker, &browse::BrowseChecker::outcome, this, [&seen](const QueryOutcome &outcome) {
        (outcome.domain.endsWith(QLatin1String(".com")) ? seen.hostile : seen.control) += kindWord(outcome.kind);
    });
    checker.addQueued(2);
    checker.start();
    checker.checkNextQueued();
    if (!waitFor([&] { return !seen.control.isEmpty(); }, 10000))
        seen.control = QStringLiteral("never checked");
    // Neither name is lost: the failure waits with the unchecked names.
    if (results.uncheckedCount() != 1)
        seen.hostile += QStringLiteral(" lost");
    return seen;
}

Seen TestHostileServers::testQuery()
{
    tld::TldRegistry tlds{QString()};
    tlds.setTable(table());
    testing::RecordingMessageBoxes messages;
    lookup::TestQuery query(tlds, messages);
    query.setPhraseSource([] { return QStringLiteral("No match"); });
    Seen seen;
    using State = lookup::TestQuery::State;
    const auto ended = [&query] { return query.state() == State::Judged || query.state() == State::TimedOut; };
    if (!query.startTestQuery(QStringLiteral("hostile.com")) || !waitFor(ended, 10000))
        return seen;
    seen.hostile = messages.texts().join(QLatin1Char('|')).left(200);
    // The next test goes to the well-behaved server.
    messages.shown.clear();
    if (!query.startTestQuery(QStringLiteral("control.net")) || !waitFor(ended, 10000))
        return seen;
    seen.control = messages.texts().join(QLatin1Char('|')).left(200);
    return seen;
}

Seen TestHostileServers::lookupWindow()
{
    Seen seen;
    lookup::WhoisRecordRequest hostile({QStringLiteral("127.0.0.1"), hostilePort()});
    QString ending;
    connect(&hostile, &lookup::WhoisRecordRequest::finished, this, [&ending](const QString &answer) {
        ending = QStringLiteral("answer of %1 characters").arg(answer.size());
    });
    connect(&hostile, &lookup::WhoisRecordRequest::failed, this,
            [&ending](const QString &message) { ending = message; });
    if (!hostile.start(QStringLiteral("hostile.com")) || !waitFor([&] { return hostile.isFinished(); }, 10000))
        return seen;
    seen.hostile = ending;
    // The window judges nothing; the next lookup works.
    lookup::WhoisRecordRequest control({QStringLiteral("127.0.0.1"), m_control->port()});
    QSignalSpy answered(&control, &lookup::WhoisRecordRequest::finished);
    if (!control.start(QStringLiteral("control.net")) || !waitFor([&] { return control.isFinished(); }, 10000))
        return seen;
    seen.control = answered.isEmpty() || !answered.at(0).at(0).toString().contains(QLatin1String("No match"))
                       ? QStringLiteral("no answer")
                       : QStringLiteral("available answer shown");
    return seen;
}

Seen TestHostileServers::runCheckProgram(quint16 comPort)
{
    m_folder->write(QStringLiteral("TLDs.txt"), "com|127.0.0.1|" + QByteArray::number(comPort) +
                                                    "|Enabled|0|No match\r\nnet|127.0.0.1|" +
                                                    QByteArray::number(m_control->port()) + "|Enabled|0|No match\r\n");
    m_folder->write(QStringLiteral("list.txt"), "hostile.com\r\ncontrol.net\r\n");
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_folder->settingsFolder());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_folder->settingsFolder());
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(m_folder->appFolder());
    Seen seen;
    process.start(QStringLiteral(QUARRYTIDE_CHECK_PROGRAM),
                  {QStringLiteral("--data-dir"), m_folder->appFolder(), QStringLiteral("--timeout"),
                   QStringLiteral("1"), QStringLiteral("--tries=1"), QStringLiteral("--no-dns"),
                   QStringLiteral("--quiet"), QStringLiteral("list.txt")});
    if (!process.waitForStarted())
        return seen;
    // The event loop serves the fixtures meanwhile.
    QSignalSpy done(&process, &QProcess::finished);
    if (!done.wait(15000)) {
        process.kill();
        process.waitForFinished();
        seen.hostile = QStringLiteral("still running");
        return seen;
    }
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() >= 2)
            (fields.at(0).endsWith(".com") ? seen.hostile : seen.control) += QString::fromUtf8(fields.at(1));
    }
    seen.exitCode = process.exitCode();
    return seen;
}

Seen TestHostileServers::checkProgram()
{
    Seen seen = runCheckProgram(hostilePort());
    QTest::qCompare(seen.exitCode, 1, "exitCode", "1", __FILE__, __LINE__);
    return seen;
}

QTEST_GUILESS_MAIN(TestHostileServers)
#include "tst_hostileservers.moc"
