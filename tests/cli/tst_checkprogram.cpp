#include "DnsFixtureServer.h"
#include "HttpFixtureServer.h"
#include "TestFolder.h"
#include "WhoisFixtureServer.h"
#include "platform/AppFolder.h"
#include "results/HistoryStore.h"
#include "results/ResultClasses.h"
#include "tld/DefaultTlds.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using testing::WhoisFixtureServer;

namespace {

struct Finished {
    int status = -1;
    QByteArray out;
    QByteArray err;
    QList<QByteArray> lines() const { return out.isEmpty() ? QList<QByteArray>() : out.chopped(1).split('\n'); }
};

} // namespace

// The real quarrytide-check against WHOIS fixture servers on 127.0.0.1.
class TestCheckProgram : public QObject {
    Q_OBJECT
private slots:
    void init();
    void verdicts_data();
    void verdicts();
    void nameWithoutServerGivesStatusOne();
    void invalidEntryGivesStatusOne();
    void delegatedNamesAreAnsweredByDns_data();
    void delegatedNamesAreAnsweredByDns();
    void withoutDataDirTheTableComesFromThePerUserFolder();
    void namesFromFilesAndStandardInput();
    void interruptedRunResumesAtTheNameUnderWay();
    void interruptPrintsLaterAnswersAndTheRerunSkipsThem();
    void interruptWhileWaitingForStandardInput();
    void badUsage_data();
    void badUsage();
    void unreadableInputChecksNothing_data();
    void unreadableInputChecksNothing();
    void lostOutputStopsAndKeepsTheNameForARerun_data();
    void lostOutputStopsAndKeepsTheNameForARerun();
    void profileFilesMatchTheDesktopSeries();
    void proxyTakesEveryLookup();
    void rdapRowsAreJudgedByTheirServer();
    void nameWithoutARowAsksNoOne();
    void helpAndVersion();
    void historyRecordsEveryRunAndSkipsRecentVerdicts();
    void relativeDataDirIsTheFolderItself();
    void importZoneIndexesAZoneFile_data();
    void importZoneIndexesAZoneFile();
    void zoneScreensTheRun_data();
    void zoneScreensTheRun();

private:
    void start(QProcess &process, const QStringList &arguments);
    bool run(const QStringList &arguments, Finished &finished, const QByteArray &input = QByteArray());
    bool waitFor(QProcess &process, Finished &finished);
    QStringList withData(QStringList arguments) const;

    std::unique_ptr<testing::TestFolder> m_folder;
    std::unique_ptr<WhoisFixtureServer> m_server;
    QString m_serverField;
};

void TestCheckProgram::init()
{
    m_folder = std::make_unique<testing::TestFolder>();
    m_server = std::make_unique<WhoisFixtureServer>();
    QVERIFY(m_server->listen());
    m_server->setResponder([](const QString &query) { return testing::availableAnswer(query); });
    const QByteArray port = QByteArray::number(m_server->port());
    m_folder->write(QStringLiteral("TLDs.txt"), "com|127.0.0.1|" + port + "|Enabled|0|No match,not found\r\n" +
                                                    "net|127.0.0.1|" + port + "|Enabled|0|No match,not found\r\n");
    m_serverField = QStringLiteral("127.0.0.1:") + QString::number(m_server->port());
}

QStringList TestCheckProgram::withData(QStringList arguments) const
{
    return QStringList{QStringLiteral("--data-dir"), m_folder->appFolder()} + arguments;
}

void TestCheckProgram::start(QProcess &process, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Never the desktop settings or data of whoever runs the tests.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_folder->settingsFolder());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_folder->settingsFolder());
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(m_folder->appFolder());
    // The system's resolvers are never asked: DNS is off unless a test names its own responder.
    const bool ownResolver = std::any_of(arguments.begin(), arguments.end(),
                                         [](const QString &a) { return a.startsWith(QLatin1String("--dns-server")); });
    process.start(QStringLiteral(QUARRYTIDE_CHECK_PROGRAM),
                  ownResolver ? arguments : QStringList{QStringLiteral("--no-dns")} + arguments);
}

bool TestCheckProgram::waitFor(QProcess &process, Finished &finished)
{
    // Waiting runs the event loop, so the fixture server answers meanwhile.
    if (process.state() != QProcess::NotRunning) {
        QSignalSpy done(&process, &QProcess::finished);
        if (!done.wait(30000)) {
            process.kill();
            process.waitForFinished();
            return false;
        }
    }
    finished.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    finished.out = process.readAllStandardOutput();
    finished.err = process.readAllStandardError();
    return true;
}

bool TestCheckProgram::run(const QStringList &arguments, Finished &finished, const QByteArray &input)
{
    QProcess process;
    start(process, arguments);
    if (!process.waitForStarted())
        return false;
    process.write(input);
    process.closeWriteChannel();
    return waitFor(process, finished);
}

void TestCheckProgram::delegatedNamesAreAnsweredByDns_data()
{
    QTest::addColumn<bool>("noDns");
    QTest::addColumn<bool>("lyingResolver");
    QTest::addColumn<QStringList>("registryAsked");
    QTest::addColumn<QByteArray>("takenServer");
    const QStringList both = {QStringLiteral("taken.com"), QStringLiteral("free.com")};
    QTest::newRow("dns first") << false << false << QStringList{QStringLiteral("free.com")} << QByteArray("dns");
    QTest::newRow("--no-dns") << true << false << both << QByteArray();
    QTest::newRow("resolver claiming every name") << false << true << both << QByteArray();
}

void TestCheckProgram::delegatedNamesAreAnsweredByDns()
{
    QFETCH(bool, noDns);
    QFETCH(bool, lyingResolver);
    QFETCH(QStringList, registryAsked);
    QFETCH(QByteArray, takenServer);
    testing::DnsFixtureServer resolver;
    QVERIFY(resolver.listen());
    resolver.setResponder([lyingResolver](const QString &name) {
        return lyingResolver || name == QLatin1String("taken.com") ? testing::DnsFixtureServer::Reply::Delegated
                                                                   : testing::DnsFixtureServer::Reply::NxDomain;
    });
    m_server->setResponder([](const QString &query) {
        return query == QLatin1String("taken.com") ? testing::registeredAnswer(query) : testing::availableAnswer(query);
    });
    QStringList arguments = withData({QStringLiteral("--dns-server"), resolver.address()});
    if (noDns)
        arguments.append(QStringLiteral("--no-dns"));
    Finished finished;
    QVERIFY(run(arguments, finished, "taken\nfree\n"));
    QCOMPARE(finished.status, 0);
    QCOMPARE(m_server->queries(), registryAsked);
    // Two questions test the resolver first; one that claims names that cannot exist is asked no more.
    QCOMPARE(resolver.questions().size(), noDns ? 0 : lyingResolver ? 2 : 4);
    QCOMPARE(finished.err.count("The DNS resolver claims names that cannot exist; every name goes to the registry.\n"),
             lyingResolver ? 1 : 0);
    QCOMPARE(finished.lines().size(), 2);
    const QList<QByteArray> taken = finished.lines().at(0).split('\t');
    QCOMPARE(taken.mid(0, 2), (QList<QByteArray>{"taken.com", "registered"}));
    QCOMPARE(taken.at(3), takenServer.isEmpty() ? m_serverField.toUtf8() : takenServer);
    QVERIFY(finished.lines().at(1).startsWith("free.com\tavailable"));
}

void TestCheckProgram::verdicts_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<bool>("json");
    QTest::addColumn<QStringList>("fields"); // verdict, class, success word
    QTest::addColumn<int>("status");
    for (const bool json : {false, true}) {
        const char *format = json ? "json" : "tsv";
        QTest::addRow("available %s", format)
            << QStringLiteral("available") << json
            << QStringList{QStringLiteral("available"), QStringLiteral("Low"), QStringLiteral("No match")} << 0;
        QTest::addRow("registered %s", format)
            << QStringLiteral("registered") << json
            << QStringList{QStringLiteral("registered"), QStringLiteral("Registered"), QString()} << 0;
        QTest::addRow("refused %s", format)
            << QStringLiteral("refused") << json << QStringList{QStringLiteral("refused"), QString(), QString()} << 1;
        QTest::addRow("silent %s", format)
            << QStringLiteral("silent") << json << QStringList{QStringLiteral("timeout"), QString(), QString()} << 1;
        QTest::addRow("no evidence %s", format)
            << QStringLiteral("welcome") << json << QStringList{QStringLiteral("unknown"), QString(), QString()} << 1;
        QTest::addRow("closed without a word %s", format)
            << QStringLiteral("closed") << json << QStringList{QStringLiteral("unknown"), QString(), QString()} << 1;
    }
}

void TestCheckProgram::verdicts()
{
    QFETCH(QString, server);
    QFETCH(bool, json);
    QFETCH(QStringList, fields);
    QFETCH(int, status);
    if (server == QLatin1String("registered"))
        m_server->setResponder([](const QString &query) { return testing::registeredAnswer(query); });
    else if (server == QLatin1String("refused"))
        m_server->setAnswer(testing::quotaAnswer());
    else if (server == QLatin1String("silent"))
        m_server->setMode(WhoisFixtureServer::Mode::Silent);
    else if (server == QLatin1String("welcome"))
        m_server->setAnswer("Welcome to the registry's WHOIS service.\r\n");
    else if (server == QLatin1String("closed"))
        m_server->setMode(WhoisFixtureServer::Mode::CloseAtOnce);
    m_folder->write(QStringLiteral("list.txt"), "abcdefgh\r\n");
    // One try: a refusing server's rests are another test's matter.
    QStringList arguments = withData(
        {QStringLiteral("--timeout"), QStringLiteral("0.6"), QStringLiteral("--tries=1"), QStringLiteral("list.txt")});
    if (json)
        arguments.append(QStringLiteral("--json"));
    Finished finished;
    QVERIFY(run(arguments, finished));
    QCOMPARE(finished.status, status);
    QCOMPARE(finished.lines().size(), 1);
    const QStringList expected =
        QStringList{QStringLiteral("abcdefgh.com"), fields.at(0), fields.at(1), m_serverField, fields.at(2)};
    if (json) {
        const QJsonObject object = QJsonDocument::fromJson(finished.lines().at(0)).object();
        QStringList got;
        for (const char *key : {"domain", "verdict", "class", "server", "success"})
            got.append(object.value(QLatin1String(key)).toString());
        QCOMPARE(got, expected);
    } else {
        QCOMPARE(QString::fromUtf8(finished.lines().at(0)).split(QLatin1Char('\t')), expected);
    }
    if (server == QLatin1String("refused"))
        QVERIFY2(finished.err.contains("refused a query"), finished.err.constData());
    if (server == QLatin1String("silent"))
        QVERIFY(m_server->connections() >= 2); // reconnected once silent for a third of the time limit
}

void TestCheckProgram::nameWithoutServerGivesStatusOne()
{
    // No row serves xyz, and a three-label name is never sent to another TLD's server.
    m_folder->write(QStringLiteral("list.txt"), "abcdefgh\r\nshop.example.xyz\r\n");
    Finished finished;
    QVERIFY(run(withData({QStringLiteral("list.txt")}), finished));
    QCOMPARE(finished.status, 1);
    QCOMPARE(finished.lines().size(), 2);
    QVERIFY2(finished.lines().at(1).startsWith("example.xyz\tno-server\t"), finished.out.constData());
    QCOMPARE(m_server->received().size(), 1);
}

void TestCheckProgram::invalidEntryGivesStatusOne()
{
    m_folder->write(QStringLiteral("list.txt"), "# my names\r\nabcdefgh\r\n \t\r\n-bad\r\n");
    Finished finished;
    QVERIFY(run(withData({QStringLiteral("list.txt"), QStringLiteral("--json")}), finished));
    QCOMPARE(finished.status, 1);
    QCOMPARE(finished.lines().size(), 2);
    const QJsonObject invalid = QJsonDocument::fromJson(finished.lines().at(1)).object();
    QCOMPARE(invalid.value(QLatin1String("domain")).toString(), QStringLiteral("-bad"));
    QCOMPARE(invalid.value(QLatin1String("verdict")).toString(), QStringLiteral("invalid"));
    QCOMPARE(invalid.value(QLatin1String("reason")).toString(),
             QStringLiteral("label that starts or ends with a hyphen"));
    QCOMPARE(m_server->queries(), QStringList{QStringLiteral("abcdefgh.com")});
}

void TestCheckProgram::withoutDataDirTheTableComesFromThePerUserFolder()
{
    // Only the per-user table has a row for this TLD; without it the name would have no server.
    m_folder->write(QStringLiteral("list.txt"), "shop.abcdefgh.qtest\r\n");
    const QString perUser = m_folder->settingsFolder() + QStringLiteral("/quarrytide");
    QVERIFY(QDir().mkpath(perUser));
    QFile table(perUser + QStringLiteral("/TLDs.txt"));
    QVERIFY(table.open(QIODevice::WriteOnly));
    table.write("qtest|127.0.0.1|" + QByteArray::number(m_server->port()) + "|Enabled|0|No match\r\n");
    table.close();
    Finished finished;
    QVERIFY(run({m_folder->file(QStringLiteral("list.txt"))}, finished));
    QVERIFY2(finished.out.startsWith("abcdefgh.qtest\tavailable\t"), finished.out.constData());
    QCOMPARE(finished.status, 0);
}

void TestCheckProgram::namesFromFilesAndStandardInput()
{
    m_folder->write(QStringLiteral("a.txt"), "one\r\ntwo.net");
    m_folder->write(QStringLiteral("b.txt"), "\nfour\n");
    Finished finished;
    QVERIFY(run(withData({QStringLiteral("a.txt"), QStringLiteral("-"), QStringLiteral("b.txt")}), finished,
                "three\rthree-b\n"));
    QCOMPARE(finished.status, 0);
    const QStringList expected = {QStringLiteral("one.com"), QStringLiteral("two.net"), QStringLiteral("three.com"),
                                  QStringLiteral("three-b.com"), QStringLiteral("four.com")};
    QCOMPARE(m_server->queries(), expected);
    QStringList printed;
    for (const QByteArray &line : finished.lines())
        printed.append(QString::fromUtf8(line.left(line.indexOf('\t'))));
    QCOMPARE(printed, expected);

    // Standard input alone, with the extension chosen for names without a dot.
    QVERIFY(run(withData({QStringLiteral("--tld"), QStringLiteral("net")}), finished, "five\nsix.com\n"));
    QCOMPARE(finished.status, 0);
    QCOMPARE(m_server->queries().mid(5), (QStringList{QStringLiteral("five.net"), QStringLiteral("six.com")}));
    QCOMPARE(finished.lines().size(), 2);
}

void TestCheckProgram::interruptedRunResumesAtTheNameUnderWay()
{
    m_folder->write(QStringLiteral("list.txt"), "name1\r\nname2\r\nname3\r\nname4\r\nname5\r\n");
    // The third name meets a silent server and is under way when Ctrl+C comes.
    connect(m_server.get(), &WhoisFixtureServer::queryReceived, this, [this](const QString &query) {
        m_server->setMode(query == QLatin1String("name3.com") ? WhoisFixtureServer::Mode::Silent
                                                              : WhoisFixtureServer::Mode::AnswerAtOnce);
    });
    const QStringList arguments =
        withData({QStringLiteral("--resume"), QStringLiteral("list.pos"), QStringLiteral("list.txt")});
    QProcess process;
    start(process, arguments);
    QTRY_COMPARE_WITH_TIMEOUT(m_server->queries().size(), 3, 20000);
    QCOMPARE(::kill(pid_t(process.processId()), SIGINT), 0);
    Finished first;
    QVERIFY(waitFor(process, first));
    QCOMPARE(first.status, 130);
    QCOMPARE(first.lines().size(), 2);
    QVERIFY(first.lines().at(1).startsWith("name2.com\tavailable"));
    QCOMPARE(m_folder->read(QStringLiteral("list.pos")), QByteArray("3\r\n"));
    QVERIFY2(first.err.contains("continue at name 3"), first.err.constData());
    disconnect(m_server.get(), &WhoisFixtureServer::queryReceived, this, nullptr);
    m_server->setMode(WhoisFixtureServer::Mode::AnswerAtOnce);

    Finished second;
    QVERIFY(run(arguments, second));
    QCOMPARE(second.status, 0);
    // The name without an answer is asked again, and nothing after it is skipped.
    QCOMPARE(m_server->queries().mid(3),
             (QStringList{QStringLiteral("name3.com"), QStringLiteral("name4.com"), QStringLiteral("name5.com")}));
    QCOMPARE(second.lines().size(), 3);
    QCOMPARE(m_folder->read(QStringLiteral("list.pos")), QByteArray("6\r\n"));

    // A finished list stays finished.
    Finished third;
    QVERIFY(run(arguments, third));
    QCOMPARE(third.status, 0);
    QVERIFY(third.out.isEmpty());
    QCOMPARE(m_server->queries().size(), 6);
}

void TestCheckProgram::interruptPrintsLaterAnswersAndTheRerunSkipsThem()
{
    // .net has a server of its own that answers at once; .com's server keeps name1.com waiting.
    WhoisFixtureServer net;
    QVERIFY(net.listen());
    net.setResponder([](const QString &query) { return testing::availableAnswer(query); });
    m_folder->write(QStringLiteral("TLDs.txt"), "com|127.0.0.1|" + QByteArray::number(m_server->port()) +
                                                    "|Enabled|0|No match\r\nnet|127.0.0.1|" +
                                                    QByteArray::number(net.port()) + "|Enabled|0|No match\r\n");
    m_folder->write(QStringLiteral("list.txt"), "name1\r\nname2\r\n");
    m_server->setMode(WhoisFixtureServer::Mode::Silent);
    const QStringList arguments =
        withData({QStringLiteral("--tld"), QStringLiteral("com,net"), QStringLiteral("--resume"),
                  QStringLiteral("list.pos"), QStringLiteral("list.txt")});
    QProcess process;
    start(process, arguments);
    QTRY_COMPARE_WITH_TIMEOUT(net.queries().size(), 2, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(m_server->queries().size(), 1, 20000);
    QTest::qWait(200); // the .net answers reach the program
    QCOMPARE(::kill(pid_t(process.processId()), SIGINT), 0);
    Finished first;
    QVERIFY(waitFor(process, first));
    QCOMPARE(first.status, 130);
    // What came in is printed, and kept with the position of the name still open.
    QCOMPARE(first.lines().size(), 2);
    QVERIFY(first.lines().at(0).startsWith("name1.net\tavailable"));
    QVERIFY(first.lines().at(1).startsWith("name2.net\tavailable"));
    QList<QByteArray> kept = m_folder->read(QStringLiteral("list.pos")).split('\n');
    QCOMPARE(kept.takeFirst(), QByteArray("1\r"));
    std::sort(kept.begin(), kept.end());
    QCOMPARE(kept, (QList<QByteArray>{"", "name1.net\r", "name2.net\r"}));

    m_server->setMode(WhoisFixtureServer::Mode::AnswerAtOnce);
    Finished second;
    QVERIFY(run(arguments, second));
    QCOMPARE(second.status, 0);
    QCOMPARE(m_server->queries().mid(1), (QStringList{QStringLiteral("name1.com"), QStringLiteral("name2.com")}));
    QCOMPARE(net.queries().size(), 2);
    QCOMPARE(second.lines().size(), 2);
    QCOMPARE(m_folder->read(QStringLiteral("list.pos")), QByteArray("3\r\n"));
}

void TestCheckProgram::interruptWhileWaitingForStandardInput()
{
    QProcess process;
    start(process, withData({}));
    QVERIFY(process.waitForStarted());
    process.write("first\n");
    QTRY_VERIFY_WITH_TIMEOUT(process.bytesAvailable() > 0 || process.state() == QProcess::NotRunning, 20000);
    // Standard input stays open: the program waits for the next name until it is stopped.
    QCOMPARE(::kill(pid_t(process.processId()), SIGINT), 0);
    Finished finished;
    QVERIFY(waitFor(process, finished));
    QCOMPARE(finished.status, 130);
    QCOMPARE(finished.lines().size(), 1);
    QVERIFY(finished.lines().at(0).startsWith("first.com\tavailable"));
}

void TestCheckProgram::badUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("says");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--fast")} << QByteArray("unknown option '--fast'");
    QTest::newRow("value missing") << QStringList{QStringLiteral("--resume")} << QByteArray("needs a value");
    QTest::newRow("bad timeout") << QStringList{QStringLiteral("--timeout"), QStringLiteral("-3")}
                                 << QByteArray("--timeout needs");
    QTest::newRow("bad proxy") << QStringList{QStringLiteral("--proxy"), QStringLiteral("127.0.0.1")}
                               << QByteArray("--proxy needs HOST:PORT");
    QTest::newRow("data dir missing") << QStringList{QStringLiteral("--data-dir"), QStringLiteral("no/such/folder")}
                                      << QByteArray("is not a folder");
    QTest::newRow("bad position file") << QStringList{QStringLiteral("--resume"), QStringLiteral("TLDs.txt")}
                                       << QByteArray("holds no position");
    QTest::newRow("bad days") << QStringList{QStringLiteral("--skip-checked-within"), QStringLiteral("soon")}
                              << QByteArray("--skip-checked-within needs a whole number of days");
    QTest::newRow("history that is no history")
        << QStringList{QStringLiteral("--history"), QStringLiteral("TLDs.txt")} << QByteArray("cannot be used");
}

void TestCheckProgram::badUsage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, says);
    m_folder->write(QStringLiteral("list.txt"), "name\r\n");
    Finished finished;
    QVERIFY(run(withData(QStringList{QStringLiteral("list.txt")} + arguments), finished));
    QCOMPARE(finished.status, 2);
    QVERIFY(finished.out.isEmpty());
    QVERIFY2(finished.err.startsWith("quarrytide-check: ") && finished.err.count('\n') == 1 &&
                 finished.err.contains(says),
             finished.err.constData());
    QCOMPARE(m_server->connections(), 0);
}

void TestCheckProgram::unreadableInputChecksNothing_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("says");
    QTest::newRow("missing file") << QStringLiteral("missing.txt") << QByteArray("cannot read missing.txt: ");
    QTest::newRow("folder") << QStringLiteral("backups") << QByteArray("cannot read backups: is a folder");
    QTest::newRow("table is a folder") << QStringLiteral("list.txt") << QByteArray("cannot read a TLD table");
}

void TestCheckProgram::unreadableInputChecksNothing()
{
    QFETCH(QString, input);
    QFETCH(QByteArray, says);
    m_folder->write(QStringLiteral("list.txt"), "name\r\n");
    QDir(m_folder->appFolder()).mkdir(QStringLiteral("backups"));
    QStringList arguments = {QStringLiteral("list.txt"), input};
    if (QTest::currentDataTag() == QByteArray("table is a folder")) {
        QDir(m_folder->appFolder()).mkdir(QStringLiteral("other"));
        QDir(m_folder->appFolder()).mkdir(QStringLiteral("other/TLDs.txt"));
        arguments = QStringList{QStringLiteral("--data-dir"), m_folder->file(QStringLiteral("other")), input};
    } else {
        arguments = withData(arguments);
    }
    Finished finished;
    QVERIFY(run(arguments, finished));
    QCOMPARE(finished.status, 2);
    QVERIFY(finished.out.isEmpty());
    QVERIFY2(finished.err.startsWith("quarrytide-check: " + says) && finished.err.count('\n') == 1,
             finished.err.constData());
    QCOMPARE(m_server->connections(), 0);
}

void TestCheckProgram::lostOutputStopsAndKeepsTheNameForARerun_data()
{
    QTest::addColumn<bool>("readerGone");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("says");
    QTest::newRow("reader gone") << true << 141 << QByteArray();
    QTest::newRow("disk full") << false << 2
                               << QByteArray("quarrytide-check: cannot write the results: No space left on device; "
                                             "rerun with --resume list.pos to continue at name 2\n");
}

void TestCheckProgram::lostOutputStopsAndKeepsTheNameForARerun()
{
    QFETCH(bool, readerGone);
    QFETCH(int, status);
    QFETCH(QByteArray, says);
    m_folder->write(QStringLiteral("list.txt"), "name1\nname2\nname3\n");
    m_folder->write(QStringLiteral("list.pos"), "2\r\n");
    QProcess process;
    int reader = -1;
    if (readerGone) {
        // The results go into a pipe whose reader leaves once the program has asked its first question.
        const QByteArray fifo = QFile::encodeName(m_folder->file(QStringLiteral("results.fifo")));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        QVERIFY(reader >= 0);
        connect(m_server.get(), &WhoisFixtureServer::queryReceived, this,
                [&reader] { ::close(std::exchange(reader, -1)); });
        process.setStandardOutputFile(QFile::decodeName(fifo));
    } else {
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
    }
    start(process, withData({QStringLiteral("--resume"), QStringLiteral("list.pos"), QStringLiteral("list.txt")}));
    Finished finished;
    QVERIFY(waitFor(process, finished));
    QCOMPARE(finished.status, status);
    QCOMPARE(finished.err, says);
    QCOMPARE(m_server->queries(), QStringList{QStringLiteral("name2.com")});
    QCOMPARE(m_folder->read(QStringLiteral("list.pos")), QByteArray("2\r\n"));
}

void TestCheckProgram::profileFilesMatchTheDesktopSeries()
{
    const QStringList names = {QStringLiteral("abc"),        QStringLiteral("takenone"),  QStringLiteral("abcdef"),
                               QStringLiteral("abcdefghij"), QStringLiteral("xyz.net"),   QStringLiteral("takentwo"),
                               QStringLiteral("abcdefg"),    QStringLiteral("longername")};
    m_folder->write(QStringLiteral("list.txt"), names.join(QStringLiteral("\r\n")).toUtf8());
    m_server->setResponder([](const QString &query) {
        return query.startsWith(QLatin1String("taken")) ? testing::registeredAnswer(query)
                                                        : testing::availableAnswer(query);
    });

    // Without the option the data folder gets no result file.
    Finished plain;
    QVERIFY(run(withData({QStringLiteral("list.txt")}), plain));
    QCOMPARE(plain.status, 0);
    QStringList files = QDir(m_folder->appFolder()).entryList(QDir::Files);
    files.sort();
    QCOMPARE(files,
             (QStringList{QStringLiteral("History.sqlite"), QStringLiteral("TLDs.txt"), QStringLiteral("list.txt")}));

    Finished finished;
    QVERIFY(run(withData({QStringLiteral("--profile-files"), QStringLiteral("list.txt")}), finished));
    QCOMPARE(finished.status, 0);
    QCOMPARE(finished.lines().size(), names.size());

    // The desktop program's result classes given the same names and verdicts.
    testing::TestFolder desktop;
    platform::AppFolder desktopFolder(desktop.appFolder());
    results::ResultClasses classes(desktopFolder);
    for (const QString &name : names) {
        const QString domain = name.contains(QLatin1Char('.')) ? name : name + QStringLiteral(".com");
        if (name.startsWith(QLatin1String("taken")))
            classes.addRegisteredName(domain);
        else
            classes.addAvailableName(domain);
        classes.checkOverflow();
    }
    for (const QString &file : {QStringLiteral("LowProfile.txt"), QStringLiteral("HighProfile.txt"),
                                QStringLiteral("SuperHighProfile.txt")}) {
        QVERIFY2(QFile::exists(m_folder->file(file)), qPrintable(file));
        QCOMPARE(m_folder->read(file), desktop.read(file));
    }
    QCOMPARE(m_folder->read(QStringLiteral("HighProfile.txt")), QByteArray("abcdef.com\r\nabcdefg.com\r\n"));
    QVERIFY(QDir(m_folder->file(QStringLiteral("overflow"))).isEmpty());
}

void TestCheckProgram::proxyTakesEveryLookup()
{
    WhoisFixtureServer proxy;
    QVERIFY(proxy.listen());
    proxy.setAnswer("Domain Name: TAKEN\r\nRegistrar: Example\r\n");
    m_folder->write(QStringLiteral("list.txt"), "abc\nexample.org\nshop.example.xyz\n");
    Finished finished;
    QVERIFY(run(withData({QStringLiteral("--proxy"), QStringLiteral("127.0.0.1:") + QString::number(proxy.port()),
                          QStringLiteral("list.txt")}),
                finished));
    QCOMPARE(finished.status, 0);
    // The proxy is asked about the registrable domain, as a registry would be.
    QCOMPARE(proxy.queries(),
             (QStringList{QStringLiteral("abc.com"), QStringLiteral("example.org"), QStringLiteral("example.xyz")}));
    QCOMPARE(m_server->connections(), 0);
    const QString proxyField = QStringLiteral("127.0.0.1:") + QString::number(proxy.port());
    for (const QByteArray &line : finished.lines())
        QCOMPARE(QString::fromUtf8(line).section(QLatin1Char('\t'), 3, 3), proxyField);
}

void TestCheckProgram::rdapRowsAreJudgedByTheirServer()
{
    testing::HttpFixtureServer rdap;
    QVERIFY(rdap.listen());
    rdap.setScript([](const testing::HttpRequest &request) {
        const QString domain = QString::fromLatin1(request.target.split('/').constLast());
        if (domain.startsWith(QLatin1String("free")))
            return testing::HttpAnswer::rdap(404, {});
        if (domain.startsWith(QLatin1String("busy")))
            return testing::HttpAnswer::rdap(429, {});
        return testing::HttpAnswer::rdap(200, testing::rdapDomainRecord(domain));
    });
    const QString base = rdap.address(QStringLiteral("/rdap/"));
    m_folder->write(QStringLiteral("TLDs.txt"), "com|" + base.toLatin1() + "|443|Enabled|0|\r\n");
    Finished finished;
    QVERIFY(run(withData({QStringLiteral("-")}), finished, "freename\ntaken.com\nbusy.com\n"));
    QCOMPARE(finished.status, 1);
    const QByteArray server = base.toUtf8();
    QCOMPARE(finished.lines(), (QList<QByteArray>{"freename.com\tavailable\tLow\t" + server + "\tHTTP 404",
                                                  "taken.com\tregistered\tRegistered\t" + server + "\t",
                                                  "busy.com\trefused\t\t" + server + "\t"}));
    // One connection for all three names.
    QCOMPARE(rdap.connections(), 1);
}

void TestCheckProgram::nameWithoutARowAsksNoOne()
{
    // The built-in table with every server on the fixture: a question about any name would reach it.
    QByteArray table;
    for (const QString &row : tld::defaultTldRows()) {
        QStringList fields = row.split(QLatin1Char('|'));
        fields[1] = QStringLiteral("127.0.0.1");
        fields[2] = QString::number(m_server->port());
        table += fields.join(QLatin1Char('|')).toUtf8() + "\r\n";
    }
    m_folder->write(QStringLiteral("TLDs.txt"), table);
    Finished finished;
    QVERIFY(run(withData({QStringLiteral("-")}), finished, "example.invalid\n"));
    QCOMPARE(finished.status, 1);
    QCOMPARE(finished.out, QByteArray("example.invalid\tno-server\t\t\t\n"));
    QCOMPARE(m_server->connections(), 0);
}

void TestCheckProgram::helpAndVersion()
{
    Finished help;
    QVERIFY(run({QStringLiteral("--help")}, help));
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.startsWith("Usage: quarrytide-check"));
    QVERIFY(help.err.isEmpty());
    Finished version;
    QVERIFY(run({QStringLiteral("--version")}, version));
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QByteArray("quarrytide-check " QUARRYTIDE_VERSION_TEXT "\n"));
}

void TestCheckProgram::historyRecordsEveryRunAndSkipsRecentVerdicts()
{
    m_folder->write(QStringLiteral("list.txt"), "abc\r\ntakenone\r\n");
    m_server->setResponder([](const QString &query) {
        return query.startsWith(QLatin1String("taken")) ? testing::registeredAnswer(query)
                                                        : testing::availableAnswer(query);
    });
    const auto checks = [this] {
        results::HistoryStore history(m_folder->file(QStringLiteral("History.sqlite")));
        QStringList rows;
        if (!history.open())
            return QStringList{history.error()};
        QSqlQuery query(history.database());
        query.exec(QStringLiteral("SELECT d.domain, c.outcome, r.runner, r.source FROM checks c JOIN domains d ON "
                                  "d.id = c.domain JOIN runs r ON r.id = c.run ORDER BY c.id"));
        while (query.next())
            rows << QStringLiteral("%1 %2 %3 %4")
                        .arg(query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                             query.value(3).toString());
        return rows;
    };
    Finished first;
    QVERIFY(run(withData({QStringLiteral("list.txt")}), first));
    QCOMPARE(first.status, 0);
    const QStringList recorded = {QStringLiteral("abc.com 0 3 list.txt"), QStringLiteral("takenone.com 1 3 list.txt")};
    QCOMPARE(checks(), recorded);

    // Asked again within a day: both verdicts come from the history, no server hears a word.
    Finished skipped;
    QVERIFY(run(withData({QStringLiteral("--skip-checked-within"), QStringLiteral("1"), QStringLiteral("list.txt")}),
                skipped));
    QCOMPARE(skipped.status, 0);
    QCOMPARE(m_server->connections(), 2);
    const QByteArray mark = "(from history, " + QDate::currentDate().toString(Qt::ISODate).toLatin1() + ")";
    QCOMPARE(skipped.lines(), (QList<QByteArray>{"abc.com\tavailable\tHigh\t" + mark + "\tNo match",
                                                 "takenone.com\tregistered\tRegistered\t" + mark + "\t"}));
    // Outcomes taken from the history are no checks; --no-history records nothing.
    Finished unrecorded;
    QVERIFY(run(withData({QStringLiteral("--no-history"), QStringLiteral("list.txt")}), unrecorded));
    QCOMPARE(m_server->connections(), 4);
    QCOMPARE(checks(), recorded);
}

void TestCheckProgram::relativeDataDirIsTheFolderItself()
{
    // Run from the folder above the data folder, which is named relative to it.
    m_folder->write(QStringLiteral("dspill/TLDs.txt"), m_folder->read(QStringLiteral("TLDs.txt")));
    m_folder->write(QStringLiteral("dspill/list.txt"), "abcdefghij\r\n");
    Finished finished;
    QVERIFY(run({QStringLiteral("--data-dir"), QStringLiteral("dspill"), QStringLiteral("--profile-files"),
                 QStringLiteral("dspill/list.txt")},
                finished));
    QCOMPARE(finished.status, 0);
    for (const char *made : {"dspill/overflow", "dspill/backups", "dspill/LowProfile.txt", "dspill/History.sqlite"})
        QVERIFY2(QFileInfo::exists(m_folder->file(QLatin1String(made))), made);
    QVERIFY(!QFileInfo::exists(m_folder->file(QStringLiteral("dspill/dspill"))));
}

void TestCheckProgram::importZoneIndexesAZoneFile_data()
{
    QTest::addColumn<QString>("tld");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("says");
    const QByteArray zone = "com. 86400 IN SOA a.nic.com. h.nic.com. 7 1 1 1 1\n"
                            "example.com. 172800 IN NS ns1.host.net.\nshop.com. 172800 IN NS ns1.host.net.\n";
    QTest::newRow("a zone") << QString() << zone << QByteArray("com\t2 names\tzone of ");
    QTest::newRow("the zone of the TLD asked for") << QStringLiteral("com") << zone << QByteArray("com\t2 names");
    QTest::newRow("another TLD's zone") << QStringLiteral("net") << zone << QByteArray("not of .net");
    QTest::newRow("a word list") << QString() << QByteArray("example\nshop\n") << QByteArray("not a zone file");
}

void TestCheckProgram::importZoneIndexesAZoneFile()
{
    QFETCH(QString, tld);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, says);
    m_folder->write(QStringLiteral("com.zone"), file);
    QStringList arguments = {QStringLiteral("--import-zone"), QStringLiteral("com.zone")};
    if (!tld.isEmpty())
        arguments << QStringLiteral("--tld") << tld;
    Finished finished;
    QVERIFY(run(withData(arguments), finished));
    const bool imported = says.startsWith("com");
    QCOMPARE(finished.status, imported ? 0 : 2);
    QVERIFY2((imported ? finished.out : finished.err).contains(says), (finished.out + finished.err).constData());
    QCOMPARE(QFile::exists(m_folder->file(QStringLiteral("zones/com.idx"))), imported);
    QCOMPARE(m_server->connections(), 0);
}

void TestCheckProgram::zoneScreensTheRun_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("imported"); // the zone was imported into the data folder before the run
    QTest::addColumn<QStringList>("registryAsked");
    QTest::addColumn<QByteArray>("freeLine");
    const QStringList both = {QStringLiteral("free.com"), QStringLiteral("other.net")};
    const QStringList zoneFile = {QStringLiteral("--zone"), QStringLiteral("com.zone")};
    const QStringList index = {QStringLiteral("--zone"), QStringLiteral("zones/com.idx")};
    const QString only = QStringLiteral("--zone-only");
    QTest::newRow("zone file") << zoneFile << false << both << QByteArray("free.com\tavailable\tHigh\t");
    QTest::newRow("data folder's index") << QStringList() << true << both << QByteArray("free.com\tavailable\t");
    QTest::newRow("index named") << index << true << both << QByteArray("free.com\tavailable\t");
    QTest::newRow("screen only") << zoneFile + QStringList{only} << false << QStringList{QStringLiteral("other.net")}
                                 << QByteArray("free.com\tlikely-available\tHigh\tzone\tnot in the zone of 20");
    QTest::newRow("no zone") << QStringList{only} << false
                             << QStringList{QStringLiteral("example.com"), QStringLiteral("free.com"),
                                            QStringLiteral("other.net")}
                             << QByteArray("free.com\tavailable\t");
}

void TestCheckProgram::zoneScreensTheRun()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, imported);
    QFETCH(QStringList, registryAsked);
    QFETCH(QByteArray, freeLine);
    m_folder->write(QStringLiteral("com.zone"), "$ORIGIN com.\n@ 86400 IN SOA a.nic.com. h.nic.com. 7 1 1 1 1\n"
                                                "example 172800 IN NS ns1.host.net.\n");
    Finished finished;
    if (imported) {
        QVERIFY(run(withData({QStringLiteral("--import-zone"), QStringLiteral("com.zone")}), finished));
        QCOMPARE(finished.status, 0);
    }
    QVERIFY(run(withData(arguments), finished, "example\nfree\nother.net\n"));
    QCOMPARE(finished.status, 0);
    QCOMPARE(m_server->queries(), registryAsked);
    const QList<QByteArray> lines = finished.lines();
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines.at(0).startsWith(registryAsked.size() == 3 ? "example.com\tavailable"
                                                              : "example.com\tregistered\tRegistered\tzone"),
             lines.at(0).constData());
    QVERIFY2(lines.at(1).startsWith(freeLine), lines.at(1).constData());
    QVERIFY(lines.at(2).startsWith("other.net\tavailable"));
}

QTEST_GUILESS_MAIN(TestCheckProgram)
#include "tst_checkprogram.moc"
