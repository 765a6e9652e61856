#include "WhoisFixtureServer.h"
#include "lookup/WhoisConnection.h"

#include <QSignalSpy>
#include <QtTest>

using lookup::WhoisConnection;
using Mode = testing::WhoisFixtureServer::Mode;
using End = WhoisConnection::End;

class TestWhoisConnection : public QObject {
    Q_OBJECT
private slots:
    void endsAsTheServerBehaves_data();
    void endsAsTheServerBehaves();
    void refusedConnectionEndsAtOnce();
    void abortSendsNoSignal();
};

void TestWhoisConnection::endsAsTheServerBehaves_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<End>("end");
    QTest::addColumn<qint64>("answerSize");
    const qint64 registered = testing::registeredAnswer(QStringLiteral("example.com")).size();
    QTest::newRow("answer at once") << Mode::AnswerAtOnce << End::Answered << registered;
    QTest::newRow("answer in pieces") << Mode::AnswerInPieces << End::Answered << registered;
    QTest::newRow("close without a word") << Mode::CloseAtOnce << End::EmptyAnswer << qint64(0);
    // The system reports a reset before any byte as an orderly close.
    QTest::newRow("reset") << Mode::Reset << End::EmptyAnswer << qint64(0);
    QTest::newRow("silence") << Mode::Silent << End::TimedOut << qint64(0);
    QTest::newRow("answer, never close") << Mode::AnswerNeverClose << End::TimedOut << registered;
    QTest::newRow("endless answer") << Mode::Endless << End::CutAtCap << qint64(4 * 1024 * 1024);
}

void TestWhoisConnection::endsAsTheServerBehaves()
{
    QFETCH(Mode, mode);
    QFETCH(End, end);
    QFETCH(qint64, answerSize);
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(mode);
    server.setResponder([](const QString &query) { return testing::registeredAnswer(query); });
    WhoisConnection connection;
    QSignalSpy finished(&connection, &WhoisConnection::finished);
    connection.start(server.host(), server.port(), "example.com\r\n", 1500);
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.at(0).at(0).value<End>(), end);
    QCOMPARE(connection.answer().size(), answerSize);
    QCOMPARE(server.received().value(0), QByteArray("example.com\r\n"));
    QVERIFY(!connection.isBusy());
}

void TestWhoisConnection::refusedConnectionEndsAtOnce()
{
    WhoisConnection connection;
    QSignalSpy finished(&connection, &WhoisConnection::finished);
    connection.start(QStringLiteral("127.0.0.1"), testing::WhoisFixtureServer::closedPort(), "x.com\r\n", 60000);
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.at(0).at(0).value<End>(), End::ConnectionRefused);
}

void TestWhoisConnection::abortSendsNoSignal()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(Mode::AnswerInPieces);
    WhoisConnection connection;
    QSignalSpy finished(&connection, &WhoisConnection::finished);
    QSignalSpy query(&server, &testing::WhoisFixtureServer::queryReceived);
    connection.start(server.host(), server.port(), "late.com\r\n", 1000);
    QVERIFY(query.wait(3000));
    connection.abort();
    QTest::qWait(100); // the pieces and the close arrive after the abort
    QVERIFY(finished.isEmpty());
}

QTEST_GUILESS_MAIN(TestWhoisConnection)
#include "tst_whoisconnection.moc"
