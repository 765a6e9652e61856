#include "FakeServices.h"
#include "HttpFixtureServer.h"
#include "WhoisFixtureServer.h"
#include "lookup/TestQuery.h"
#include "platform/Intervals.h"
#include "tld/TldRegistry.h"

#include <QtTest>

using namespace lookup;
using namespace tld;
using testing::WhoisFixtureServer;

namespace {

TldRecord row(const QString &extension, quint16 port, const QString &phrases = QStringLiteral("No match"))
{
    return {extension, QStringLiteral("127.0.0.1"), port, true, 25, phrases};
}

} // namespace

class TestTestQuery : public QObject {
    Q_OBJECT
private slots:
    void init();
    void composesTheTestDomain_data();
    void composesTheTestDomain();
    void reportsTheVerdict_data();
    void reportsTheVerdict();
    void judgesWithThePhrasesOfTheMomentTheAnswerIsComplete();
    void placeholderNamesShowNoVerdict_data();
    void placeholderNamesShowNoVerdict();
    void timesOutOnTheFifthTickUnlessRefused_data();
    void timesOutOnTheFifthTickUnlessRefused();
    void restartDropsTheRunningTest();
    void proxyModeAsksTheProxyRow();
    void rdapRowsReportTheHttpStatus_data();
    void rdapRowsReportTheHttpStatus();
    void sendsNothingForUnroutableOrUnsafeNames_data();
    void sendsNothingForUnroutableOrUnsafeNames();

private:
    testing::RecordingMessageBoxes m_messages;
    TldRegistry m_tlds{QString()};
};

void TestTestQuery::init()
{
    platform::intervals().secondMs = 20;
    platform::intervals().testTimeoutTicks = 5;
    m_messages = {};
    m_tlds.setTable({});
    m_tlds.setUseProxy(false);
}

void TestTestQuery::composesTheTestDomain_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("domain");
    QTest::newRow("plain") << QStringLiteral("Google") << QStringLiteral("com") << QStringLiteral("Google.com");
    QTest::newRow("word ends in a dot") << QStringLiteral("Google.") << QStringLiteral("com")
                                        << QStringLiteral("Google.com");
    QTest::newRow("one pass only") << QStringLiteral("a..") << QStringLiteral("uk") << QStringLiteral("a..uk");
    QTest::newRow("empty word") << QString() << QStringLiteral("com") << QStringLiteral(".com");
}

void TestTestQuery::composesTheTestDomain()
{
    QFETCH(QString, word);
    QFETCH(QString, extension);
    QFETCH(QString, domain);
    QCOMPARE(TestQuery::composeTestDomain(word, extension), domain);
}

void TestTestQuery::reportsTheVerdict_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("head");
    QTest::newRow("available") << testing::availableAnswer(QStringLiteral("Google.com"))
                               << QStringLiteral("Appears to be: AVAILABLE\r\nSuccess word: No match\r\n");
    QTest::newRow("error or blocked") << testing::quotaAnswer() << QStringLiteral("Appears to be: Error/Blocked\r\n");
    QTest::newRow("registered") << testing::registeredAnswer(QStringLiteral("Google.com"))
                                << QStringLiteral("Appears to be: Registered\r\n");
    QTest::newRow("unknown") << QByteArray("Welcome to the registry.\r\n")
                             << QStringLiteral("Appears to be: Unknown\r\nReason: the answer holds neither a record "
                                               "nor a not-found statement\r\n");
}

void TestTestQuery::reportsTheVerdict()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, head);
    WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(WhoisFixtureServer::Mode::AnswerInPieces);
    server.setAnswer(answer);
    m_tlds.setTable({row(QStringLiteral("com"), server.port())});
    TestQuery query(m_tlds, m_messages);
    query.setPhraseSource([] { return QStringLiteral("No match,not found"); });
    QVERIFY(query.startTestQuery(TestQuery::composeTestDomain(QStringLiteral("Google"), QStringLiteral("com"))));
    QTRY_COMPARE_WITH_TIMEOUT(m_messages.shown.size(), 1, 5000);
    const QString expected = head + QStringLiteral("Domain: Google.com\r\n127.0.0.1:") +
                             QString::number(server.port()) + QStringLiteral("\r\n\r\n") + QString::fromUtf8(answer);
    QCOMPARE(m_messages.shown.constFirst().text, expected);
    QCOMPARE(server.received(), QList<QByteArray>{"google.com\r\n"});
    QCOMPARE(query.state(), TestQuery::State::Judged);
}

void TestTestQuery::judgesWithThePhrasesOfTheMomentTheAnswerIsComplete()
{
    WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(WhoisFixtureServer::Mode::AnswerInPieces);
    server.setAnswer("Nothing here for that name.\r\n");
    m_tlds.setTable({row(QStringLiteral("com"), server.port())});
    QString phrases = QStringLiteral("No match");
    TestQuery query(m_tlds, m_messages);
    query.setPhraseSource([&phrases] { return phrases; });
    QVERIFY(query.startTestQuery(QStringLiteral("Google.com")));
    phrases = QStringLiteral("No match, Nothing here");
    QTRY_COMPARE_WITH_TIMEOUT(m_messages.shown.size(), 1, 5000);
    QVERIFY(m_messages.shown.constFirst().text.startsWith(
        QStringLiteral("Appears to be: AVAILABLE\r\nSuccess word: Nothing here\r\n")));
}

void TestTestQuery::placeholderNamesShowNoVerdict_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("domain");
    QTest::addColumn<int>("messages");
    QTest::newRow("endoffile available") << QByteArray("No match\r\n") << QStringLiteral("EndOfFile.com") << 0;
    QTest::newRow("endoffile registered")
        << QByteArray("Domain Name: X\r\nRegistrar: Example\r\n") << QStringLiteral("EndOfFile.com") << 1;
}

void TestTestQuery::placeholderNamesShowNoVerdict()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, domain);
    QFETCH(int, messages);
    WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setAnswer(answer);
    m_tlds.setTable({row(QStringLiteral("com"), server.port())});
    TestQuery query(m_tlds, m_messages);
    query.setPhraseSource([] { return QStringLiteral("No match"); });
    QVERIFY(query.startTestQuery(domain));
    QTRY_COMPARE_WITH_TIMEOUT(query.state(), TestQuery::State::Judged, 5000);
    QCOMPARE(m_messages.shown.size(), messages);
}

void TestTestQuery::timesOutOnTheFifthTickUnlessRefused_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("refused");
    QTest::newRow("silent server") << int(WhoisFixtureServer::Mode::Silent) << false;
    QTest::newRow("answer without close") << int(WhoisFixtureServer::Mode::AnswerNeverClose) << false;
    QTest::newRow("refused connection") << int(WhoisFixtureServer::Mode::Silent) << true;
}

void TestTestQuery::timesOutOnTheFifthTickUnlessRefused()
{
    QFETCH(int, mode);
    QFETCH(bool, refused);
    WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(WhoisFixtureServer::Mode(mode));
    const quint16 port = refused ? WhoisFixtureServer::closedPort() : server.port();
    m_tlds.setTable({row(QStringLiteral("com"), port)});
    TestQuery query(m_tlds, m_messages);
    auto *timer = query.findChild<QTimer *>(QStringLiteral("timTimeout"));
    QVERIFY2(timer, "timTimeout is missing");
    QSignalSpy ticks(timer, &QTimer::timeout);
    QVERIFY(query.startTestQuery(QStringLiteral("Google.com")));
    if (refused) {
        // Nothing to wait for: told at once, with the cause.
        QTRY_COMPARE_WITH_TIMEOUT(m_messages.shown.size(), 1, 5000);
        QVERIFY2(m_messages.texts().at(0).startsWith(QStringLiteral("Could not connect to 127.0.0.1:%1: ").arg(port)),
                 qPrintable(m_messages.texts().at(0)));
        QVERIFY2(m_messages.texts().at(0).contains(QLatin1String("refused"), Qt::CaseInsensitive),
                 qPrintable(m_messages.texts().at(0)));
        QVERIFY(ticks.size() < 5);
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(m_messages.texts(), QStringList{QStringLiteral("Connection timed out")}, 5000);
        QCOMPARE(ticks.size(), 5);
    }
    QVERIFY(!timer->isActive());
    QCOMPARE(query.state(), TestQuery::State::TimedOut);
    QTest::qWait(8 * platform::intervals().secondMs);
    QCOMPARE(m_messages.shown.size(), 1);
}

void TestTestQuery::restartDropsTheRunningTest()
{
    WhoisFixtureServer silent;
    WhoisFixtureServer answering;
    QVERIFY(silent.listen() && answering.listen());
    silent.setMode(WhoisFixtureServer::Mode::Silent);
    answering.setAnswer("No match for that.\r\n");
    m_tlds.setTable({row(QStringLiteral("com"), silent.port()), row(QStringLiteral("net"), answering.port())});
    TestQuery query(m_tlds, m_messages);
    QVERIFY(query.startTestQuery(QStringLiteral("Google.com")));
    QTRY_COMPARE_WITH_TIMEOUT(silent.queries().size(), 1, 5000);
    QVERIFY(query.startTestQuery(QStringLiteral("Google.net")));
    QTRY_COMPARE_WITH_TIMEOUT(m_messages.shown.size(), 1, 5000);
    QVERIFY(m_messages.shown.constFirst().text.contains(QStringLiteral("Domain: Google.net\r\n")));
    QTest::qWait(8 * platform::intervals().secondMs);
    QCOMPARE(m_messages.shown.size(), 1);
}

void TestTestQuery::proxyModeAsksTheProxyRow()
{
    WhoisFixtureServer relay;
    QVERIFY(relay.listen());
    relay.setAnswer("No match\r\n");
    m_tlds.setTable(
        {row(QStringLiteral("com"), WhoisFixtureServer::closedPort()), row(QStringLiteral("proxy"), relay.port())});
    m_tlds.setUseProxy(true);
    TestQuery query(m_tlds, m_messages);
    QVERIFY(query.startTestQuery(QStringLiteral("Google.com")));
    QTRY_COMPARE_WITH_TIMEOUT(m_messages.shown.size(), 1, 5000);
    QCOMPARE(relay.received(), QList<QByteArray>{"google.com\r\n"});
    QVERIFY(m_messages.shown.constFirst().text.contains(QStringLiteral("127.0.0.1:") + QString::number(relay.port())));
}

void TestTestQuery::rdapRowsReportTheHttpStatus_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("head");
    QTest::newRow("404") << 404 << QByteArray("{}")
                         << QStringLiteral("Appears to be: AVAILABLE\r\nHTTP status: 404\r\n");
    QTest::newRow("429") << 429 << QByteArray("{}")
                         << QStringLiteral("Appears to be: Error/Blocked\r\nHTTP status: 429\r\nRetry after: 30 "
                                           "seconds\r\n");
    QTest::newRow("not RDAP") << 200 << QByteArray("<html></html>")
                              << QStringLiteral("Appears to be: Unknown\r\nHTTP status: 200\r\nWhy: the answer is "
                                                "not RDAP (not a JSON object)\r\n");
}

void TestTestQuery::rdapRowsReportTheHttpStatus()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, head);
    testing::HttpFixtureServer server;
    QVERIFY(server.listen());
    server.setScript([&](const testing::HttpRequest &) {
        testing::HttpAnswer answer = testing::HttpAnswer::rdap(status, body);
        answer.headers = {{"Retry-After", "30"}};
        return answer;
    });
    const QString base = server.address(QStringLiteral("/rdap/"));
    m_tlds.setTable({{QStringLiteral("com"), base, 443, true, 25, QString()}});
    TestQuery query(m_tlds, m_messages);
    QVERIFY(query.startTestQuery(QStringLiteral("Google.com")));
    QTRY_COMPARE_WITH_TIMEOUT(m_messages.shown.size(), 1, 5000);
    QCOMPARE(m_messages.shown.constFirst().text, head + QStringLiteral("Domain: Google.com\r\n") + base +
                                                     QStringLiteral("domain/google.com\r\n\r\n") +
                                                     QString::fromLatin1(body));
    QCOMPARE(query.state(), TestQuery::State::Judged);
}

void TestTestQuery::sendsNothingForUnroutableOrUnsafeNames_data()
{
    QTest::addColumn<QString>("domain");
    QTest::addColumn<bool>("isName"); // names a registrable domain, which no row serves
    QTest::newRow("no row") << QStringLiteral("shop.example.zz") << true;
    QTest::newRow("escaped line break") << QStringLiteral("Google%0D%0AHELP.com") << false;
    QTest::newRow("empty test word") << TestQuery::composeTestDomain(QString(), QStringLiteral("com")) << false;
    QTest::newRow("a public suffix") << QStringLiteral("co.uk") << false;
}

void TestTestQuery::sendsNothingForUnroutableOrUnsafeNames()
{
    QFETCH(QString, domain);
    QFETCH(bool, isName);
    WhoisFixtureServer server;
    QVERIFY(server.listen());
    m_tlds.setTable({row(QStringLiteral("com"), server.port()), row(QStringLiteral("uk"), server.port())});
    TestQuery query(m_tlds, m_messages);
    QVERIFY(!query.startTestQuery(domain));
    QCOMPARE(query.state(), TestQuery::State::Idle);
    QCOMPARE(query.problem() == tld::NameProblem::None, isName);
    QTest::qWait(8 * platform::intervals().secondMs);
    QCOMPARE(server.connections(), 0);
    QVERIFY(m_messages.shown.isEmpty());
}

QTEST_GUILESS_MAIN(TestTestQuery)
#include "tst_testquery.moc"
