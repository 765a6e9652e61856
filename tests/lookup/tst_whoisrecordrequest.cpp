#include "WhoisFixtureServer.h"
#include "lookup/WhoisRecordRequest.h"
#include "platform/Intervals.h"

#include <QtTest>

using namespace lookup;
using testing::WhoisFixtureServer;

class TestWhoisRecordRequest : public QObject {
    Q_OBJECT
private slots:
    void handsOverTheAnswerInOnePieceOnClose();
    void keepsWaitingWhileTheServerKeepsTheConnection();
    void sendsNothingThatWouldBeASecondLine();
    void endlessOrSilentServersEndTheLookup_data();
    void endlessOrSilentServersEndTheLookup();
};

void TestWhoisRecordRequest::handsOverTheAnswerInOnePieceOnClose()
{
    WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(WhoisFixtureServer::Mode::AnswerInPieces);
    // Not valid UTF-8 (0xE9): decoded as Latin-1, not dropped.
    const QByteArray answer = "Domain Name: EXAMPLE.ORG\r\nRegistrant: Caf\xE9 Example\r\nStatus: ok\r\n";
    server.setAnswer(answer);
    WhoisRecordRequest lookup({server.host(), server.port()});
    QSignalSpy finished(&lookup, &WhoisRecordRequest::finished);
    QVERIFY(lookup.start(QStringLiteral("example.org")));
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toString(), QString::fromLatin1(answer));
    QCOMPARE(server.received(), QList<QByteArray>{"example.org\r\n"});
}

void TestWhoisRecordRequest::keepsWaitingWhileTheServerKeepsTheConnection()
{
    WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(WhoisFixtureServer::Mode::AnswerNeverClose);
    WhoisRecordRequest lookup({server.host(), server.port()});
    QSignalSpy finished(&lookup, &WhoisRecordRequest::finished);
    QSignalSpy answered(&server, &WhoisFixtureServer::answered);
    lookup.start(QStringLiteral("example.com"));
    QVERIFY(answered.wait(5000));
    QVERIFY(!finished.wait(200));
    QVERIFY(!lookup.isFinished());
}

void TestWhoisRecordRequest::sendsNothingThatWouldBeASecondLine()
{
    WhoisFixtureServer server;
    QVERIFY(server.listen());
    WhoisRecordRequest lookup({server.host(), server.port()});
    QVERIFY(!lookup.start(QStringLiteral("example.com\r\nhelp")));
    QTest::qWait(100);
    QCOMPARE(server.connections(), 0);
}

void TestWhoisRecordRequest::endlessOrSilentServersEndTheLookup_data()
{
    QTest::addColumn<WhoisFixtureServer::Mode>("mode");
    QTest::addColumn<bool>("answered");
    QTest::addColumn<QString>("shown");
    QTest::newRow("endless answer") << WhoisFixtureServer::Mode::Endless << true
                                    << QStringLiteral("[The answer was cut at 4 MiB: 127.0.0.1:");
    QTest::newRow("silence") << WhoisFixtureServer::Mode::Silent << false
                             << QStringLiteral("No complete answer from 127.0.0.1:");
    QTest::newRow("answer, never close") << WhoisFixtureServer::Mode::AnswerNeverClose << false
                                         << QStringLiteral("No complete answer from 127.0.0.1:");
}

void TestWhoisRecordRequest::endlessOrSilentServersEndTheLookup()
{
    QFETCH(WhoisFixtureServer::Mode, mode);
    QFETCH(bool, answered);
    QFETCH(QString, shown);
    const platform::Intervals saved = platform::intervals();
    platform::intervals().secondMs = 50; // a 1.5 s time limit
    WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(mode);
    WhoisRecordRequest lookup({server.host(), server.port()});
    QSignalSpy finished(&lookup, &WhoisRecordRequest::finished);
    QSignalSpy failed(&lookup, &WhoisRecordRequest::failed);
    lookup.start(QStringLiteral("example.com"));
    QTRY_VERIFY_WITH_TIMEOUT(finished.size() + failed.size() == 1, 10000);
    platform::intervals() = saved;
    const QString text = (answered ? finished : failed).at(0).at(0).toString();
    QVERIFY2(text.contains(shown), qPrintable(text.right(200)));
    QVERIFY(text.size() < 4 * 1024 * 1024 + 200);
}

QTEST_GUILESS_MAIN(TestWhoisRecordRequest)
#include "tst_whoisrecordrequest.moc"
