#include "WhoisFixtureServer.h"
#include "lookup/RegistryLookup.h"
#include "tld/DefaultTlds.h"

#include <QSignalSpy>
#include <QtTest>

using lookup::QueryOutcome;
using Kind = QueryOutcome::Kind;
using Mode = testing::WhoisFixtureServer::Mode;

namespace {

// One lookup of @p domain against @p server; the outcome it ends with.
QueryOutcome ask(const testing::WhoisFixtureServer &server, const QString &domain)
{
    const tld::TldRecord row{QStringLiteral("com"), server.host(), server.port(), true, 0, tld::defaultSuccessPhrases};
    const std::unique_ptr<lookup::RegistryLookup> query = lookup::createLookup(row);
    QSignalSpy finished(query.get(), &lookup::RegistryLookup::finished);
    query->start({domain, row, 1500});
    if (!finished.wait(10000))
        return {Kind::NoServer};
    return finished.at(0).at(0).value<QueryOutcome>();
}

} // namespace

class TestWhoisLookup : public QObject {
    Q_OBJECT
private slots:
    void hostileServersGiveNoVerdict_data();
    void hostileServersGiveNoVerdict();
    void internationalNamesAreAskedInAsciiForm();
};

void TestWhoisLookup::hostileServersGiveNoVerdict_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<Kind>("kind");
    QByteArray junk(3000, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 167 + 3) % 256);
    const QByteArray record = testing::registeredAnswer(QStringLiteral("hostile.com"));
    QTest::newRow("reset") << Mode::Reset << QByteArray() << Kind::Unknown;
    QTest::newRow("closed without a byte") << Mode::CloseAtOnce << QByteArray() << Kind::Unknown;
    QTest::newRow("binary junk") << Mode::AnswerAtOnce << junk << Kind::Unknown;
    QTest::newRow("web server") << Mode::AnswerAtOnce << QByteArray("HTTP/1.0 404 Not Found\r\n\r\nNot found\r\n")
                                << Kind::Unknown;
    // A record repeated past the cap is no record: the connection was cut, not answered.
    QTest::newRow("endless record") << Mode::Endless << record << Kind::Unknown;
    QTest::newRow("silence") << Mode::Silent << QByteArray() << Kind::TimedOut;
    QTest::newRow("record, never closed") << Mode::AnswerNeverClose << record << Kind::TimedOut;
}

void TestWhoisLookup::hostileServersGiveNoVerdict()
{
    QFETCH(Mode, mode);
    QFETCH(QByteArray, answer);
    QFETCH(Kind, kind);
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(mode);
    server.setAnswer(answer);
    const QueryOutcome outcome = ask(server, QStringLiteral("hostile.com"));
    QCOMPARE(outcome.kind, kind);
    QVERIFY(!outcome.cause.isEmpty());
}

void TestWhoisLookup::internationalNamesAreAskedInAsciiForm()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setAnswer("No match for \"XN--BCHER-KVA.COM\".\r\n");
    const QueryOutcome outcome = ask(server, QStringLiteral("bücher.com"));
    QCOMPARE(server.received().value(0), QByteArray("xn--bcher-kva.com\r\n"));
    QCOMPARE(outcome.kind, Kind::Available);
    QCOMPARE(outcome.domain, QStringLiteral("bücher.com"));
}

QTEST_GUILESS_MAIN(TestWhoisLookup)
#include "tst_whoislookup.moc"
