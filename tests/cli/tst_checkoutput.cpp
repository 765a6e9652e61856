#include "cli/ProgressLine.h"
#include "cli/ResultFormat.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using lookup::QueryOutcome;
using Kind = QueryOutcome::Kind;

class TestCheckOutput : public QObject {
    Q_OBJECT
private slots:
    void linesPerVerdict_data();
    void linesPerVerdict();
    void fieldsNeverBreakTheLine();
    void likelyAvailableCarriesItsCause();
    void progress_data();
    void progress();
};

void TestCheckOutput::linesPerVerdict_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("domain");
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("success");
    QTest::addColumn<QByteArray>("tsv");
    auto row = [](const char *name, Kind kind, const char *domain, const char *server, const char *success,
                  const char *tsv) {
        QTest::newRow(name) << int(kind) << QString::fromUtf8(domain) << QString::fromUtf8(server)
                            << QString::fromUtf8(success) << QByteArray(tsv);
    };
    row("high", Kind::Available, "abcd.com", "whois.example", "No match",
        "abcd.com\tavailable\tHigh\twhois.example:43\tNo match\n");
    row("mid", Kind::Available, "abcdefg.net", "whois.example", "free",
        "abcdefg.net\tavailable\tMid\twhois.example:43\tfree\n");
    row("low", Kind::Available, "abcdefgh.co.uk", "whois.example", "free",
        "abcdefgh.co.uk\tavailable\tLow\twhois.example:43\tfree\n");
    row("registered", Kind::Registered, "taken.com", "whois.example", "",
        "taken.com\tregistered\tRegistered\twhois.example:43\t\n");
    row("refused", Kind::Refused, "abc.com", "whois.example", "", "abc.com\trefused\t\twhois.example:43\t\n");
    row("timeout", Kind::TimedOut, "abc.com", "whois.example", "", "abc.com\ttimeout\t\twhois.example:43\t\n");
    row("no server", Kind::NoServer, "a.b.xyz", "", "", "a.b.xyz\tno-server\t\t\t\n");
    // The result classes take no bare extension, so it has no class.
    row("bare extension", Kind::Available, ".com", "whois.example", "No match",
        ".com\tavailable\t\twhois.example:43\tNo match\n");
    row("ipv6 server", Kind::Registered, "taken.com", "::1", "", "taken.com\tregistered\tRegistered\t[::1]:43\t\n");
    row("non-ascii", Kind::Available, "bücher.de", "whois.example", "free",
        "bücher.de\tavailable\tMid\twhois.example:43\tfree\n");
    // The fifth field of an entry that is no name says why.
    row("invalid", Kind::Invalid, "a..com", "", "empty label", "a..com\tinvalid\t\t\tempty label\n");
}

void TestCheckOutput::linesPerVerdict()
{
    QFETCH(int, kind);
    QFETCH(QString, domain);
    QFETCH(QString, server);
    QFETCH(QString, success);
    QFETCH(QByteArray, tsv);
    const bool invalid = Kind(kind) == Kind::Invalid;
    QueryOutcome outcome{Kind(kind), domain, server, 43, invalid ? QString() : success, QStringLiteral("answer")};
    if (invalid)
        outcome.cause = success;
    outcome.entry = QStringLiteral("as listed");
    QCOMPARE(cli::tsvLine(outcome), tsv);

    const QByteArray json = cli::jsonLine(outcome);
    QVERIFY(json.endsWith('\n') && json.count('\n') == 1);
    QVERIFY(json.startsWith("{\"domain\":"));
    QJsonParseError error{};
    const QJsonObject object = QJsonDocument::fromJson(json, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QList<QByteArray> fields = tsv.chopped(1).split('\t');
    QCOMPARE(object.size(), 7);
    QCOMPARE(object.value(QLatin1String("domain")).toString(), QString::fromUtf8(fields.at(0)));
    QCOMPARE(object.value(QLatin1String("verdict")).toString(), QString::fromUtf8(fields.at(1)));
    QCOMPARE(object.value(QLatin1String("class")).toString(), QString::fromUtf8(fields.at(2)));
    QCOMPARE(object.value(QLatin1String("server")).toString(), QString::fromUtf8(fields.at(3)));
    QCOMPARE(object.value(invalid ? QLatin1String("reason") : QLatin1String("success")).toString(),
             QString::fromUtf8(fields.at(4)));
    QCOMPARE(object.value(QLatin1String("entry")).toString(), QStringLiteral("as listed"));
}

void TestCheckOutput::likelyAvailableCarriesItsCause()
{
    QueryOutcome outcome{Kind::LikelyAvailable, QStringLiteral("abcd.com")};
    outcome.source = QueryOutcome::Source::Zone;
    outcome.cause = QStringLiteral("not in the zone of 2027-01-15");
    QCOMPARE(cli::tsvLine(outcome),
             QByteArray("abcd.com\tlikely-available\tHigh\tzone\tnot in the zone of 2027-01-15\n"));
    const QJsonObject object = QJsonDocument::fromJson(cli::jsonLine(outcome)).object();
    QCOMPARE(object.value(QLatin1String("verdict")).toString(), QStringLiteral("likely-available"));
    QCOMPARE(object.value(QLatin1String("reason")).toString(), outcome.cause);
}

void TestCheckOutput::fieldsNeverBreakTheLine()
{
    // A name the routing refuses still reaches the output, with its control characters.
    const QString domain = QStringLiteral("a\tb\r\nc\"\\\x01.com");
    const QueryOutcome outcome{Kind::NoServer, domain, QString(), 0, QString(), QString()};
    QCOMPARE(cli::tsvLine(outcome), QByteArray("a\\x09b\\x0d\\x0ac\"\\\\x01.com\tno-server\t\t\t\n"));
    const QByteArray json = cli::jsonLine(outcome);
    QCOMPARE(json.count('\n'), 1);
    QCOMPARE(QJsonDocument::fromJson(json).object().value(QLatin1String("domain")).toString(), domain);

    // The success word is the row's own phrase, typed into the TLD manager: a tab in it stays in its field.
    const QueryOutcome judged{Kind::Available,
                              QStringLiteral("abc.com"),
                              QStringLiteral("whois.example"),
                              43,
                              QStringLiteral("No\tmatch\r\n"),
                              QString()};
    const QByteArray line = cli::tsvLine(judged);
    QCOMPARE(line.count('\t'), 4);
    QVERIFY2(line.endsWith("\tNo\\x09match\\x0d\\x0a\n"), line.constData());
}

void TestCheckOutput::progress_data()
{
    QTest::addColumn<qint64>("done");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<QString>("text");
    QTest::newRow("start") << qint64(0) << qint64(500) << qint64(0) << QStringLiteral("0 of 500 names, 3 available");
    QTest::newRow("known total") << qint64(100) << qint64(500) << qint64(2000)
                                 << QStringLiteral("100 of 500 names, 3 available, 50 names/s, 0:08 left");
    QTest::newRow("unknown total") << qint64(100) << qint64(-1) << qint64(2000)
                                   << QStringLiteral("100 names, 3 available, 50 names/s");
    QTest::newRow("slow and long") << qint64(5) << qint64(20000) << qint64(10000)
                                   << QStringLiteral("5 of 20000 names, 3 available, 0.5 names/s, 11:06:30 left");
}

void TestCheckOutput::progress()
{
    QFETCH(qint64, done);
    QFETCH(qint64, total);
    QFETCH(qint64, elapsedMs);
    QFETCH(QString, text);
    QCOMPARE(cli::progressText(done, 3, total, elapsedMs), text);
}

QTEST_GUILESS_MAIN(TestCheckOutput)
#include "tst_checkoutput.moc"
