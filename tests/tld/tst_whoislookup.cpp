#include "WhoisFixtureServer.h"
#include "tld/WhoisLookup.h"

#include <QtTest>

using namespace tld;
using testing::WhoisFixtureServer;

class TestWhoisLookup : public QObject {
    Q_OBJECT
private slots:
    void handsOverTheAnswerInOnePieceOnClose();
    void keepsWaitingWhileTheServerKeepsTheConnection();
    void sendsNothingThatWouldBeASecondLine();
};

void TestWhoisLookup::handsOverTheAnswerInOnePieceOnClose()
{
    WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(WhoisFixtureServer::Mode::AnswerInPieces);
    // Not valid UTF-8 (0xE9): decoded as Latin-1, not dropped.
    const QByteArray answer = "Domain Name: EXAMPLE.ORG\r\nRegistrant: Caf\xE9 Example\r\nStatus: ok\r\n";
    server.setAnswer(answer);
    WhoisLookup lookup({server.host(), server.port()});
    QSignalSpy finished(&lookup, &WhoisLookup::finished);
    QVERIFY(lookup.start(QStringLiteral("example.org")));
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toString(), QString::fromLatin1(answer));
    QCOMPARE(server.received(), QList<QByteArray>{"example.org\r\n"});
}

void TestWhoisLookup::keepsWaitingWhileTheServerKeepsTheConnection()
{
    WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(WhoisFixtureServer::Mode::AnswerNeverClose);
    WhoisLookup lookup({server.host(), server.port()});
    QSignalSpy finished(&lookup, &WhoisLookup::finished);
    QSignalSpy answered(&server, &WhoisFixtureServer::answered);
    lookup.start(QStringLiteral("example.com"));
    QVERIFY(answered.wait(5000));
    QVERIFY(!finished.wait(200));
    QVERIFY(!lookup.isFinished());
}

void TestWhoisLookup::sendsNothingThatWouldBeASecondLine()
{
    WhoisFixtureServer server;
    QVERIFY(server.listen());
    WhoisLookup lookup({server.host(), server.port()});
    QVERIFY(!lookup.start(QStringLiteral("example.com\r\nhelp")));
    QTest::qWait(100);
    QCOMPARE(server.connections(), 0);
}

QTEST_GUILESS_MAIN(TestWhoisLookup)
#include "tst_whoislookup.moc"
