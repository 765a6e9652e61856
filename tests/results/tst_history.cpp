#include "TestFolder.h"
#include "results/HistoryModel.h"
#include "results/HistoryNative.h"
#include "results/HistorySchema.h"
#include "results/HistoryScreen.h"
#include "results/HistoryStore.h"
#include "tld/TldRecord.h"

#include <QBuffer>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

using lookup::QueryOutcome;
using Kind = QueryOutcome::Kind;
using results::HistoryStore;

Q_DECLARE_METATYPE(results::HistoryFilter)

namespace {

const QDateTime dayOne = QDateTime(QDate(2026, 12, 1), QTime(12, 0), Qt::UTC);

// Every row of a query, its fields joined by "|".
QStringList rowsOf(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    QStringList rows;
    while (query.next()) {
        QStringList fields;
        for (int i = 0; i < query.record().count(); ++i)
            fields.append(query.value(i).toString());
        rows.append(fields.join(QLatin1Char('|')));
    }
    return rows;
}

// Fields of CSV text read by the rules of RFC 4180: quoted fields may hold commas, quotes and line ends.
QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted && c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
            field += c;
            ++i;
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (!quoted && c == QLatin1Char(',')) {
            fields << std::exchange(field, {});
        } else if (!quoted && c == QLatin1Char('\r') && text.mid(i, 2) == QLatin1String("\r\n")) {
            fields << std::exchange(field, {});
            records << std::exchange(fields, {});
            ++i;
        } else {
            field += c;
        }
    }
    return records;
}

// a.com available and b.net registered on day one, c.com refused on day three, a.com registered on day
// five: a.com has two checks, and its last is the registered one.
void fillHistory(HistoryStore &store)
{
    QDateTime now = dayOne;
    store.setClock([&now] { return now; });
    const int run = store.startRun(results::Runner::MainWindow, QStringLiteral("Full Word List"));
    store.record({Kind::Available, QStringLiteral("a.com")}, run);
    store.record({Kind::Registered, QStringLiteral("b.net")}, run);
    now = dayOne.addDays(2);
    store.record({Kind::Refused, QStringLiteral("c.com")}, run);
    now = dayOne.addDays(4);
    store.record({Kind::Registered, QStringLiteral("a.com")}, run);
    store.waitForWrites();
}

QStringList shownNames(const results::HistoryModel &model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.name(row);
    return names;
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void recordsEveryOutcomeOfARun_data();
    void recordsEveryOutcomeOfARun();
    void olderLayoutIsBroughtUpToDate();
    void fileThatIsNoHistoryIsLeftAsItIs_data();
    void fileThatIsNoHistoryIsLeftAsItIs();
    void screenTakesRecentVerdictsOnly_data();
    void screenTakesRecentVerdictsOnly();
    void listFiltersAndSorts_data();
    void listFiltersAndSorts();
    void csvExportQuotesEveryField();
};

void TestHistory::recordsEveryOutcomeOfARun_data()
{
    QTest::addColumn<bool>("native");
    QTest::newRow("through the connection's handle") << true;
    QTest::newRow("through QSqlQuery") << false;
}

void TestHistory::recordsEveryOutcomeOfARun()
{
    QFETCH(bool, native);
    results::history::allowNative(native);
    const auto restore = qScopeGuard([] { results::history::allowNative(true); });
    testing::TestFolder folder;
    HistoryStore store(folder.file(QStringLiteral("History.sqlite")));
    QVERIFY2(store.open(), qPrintable(store.error()));
    QDateTime now = dayOne;
    store.setClock([&now] { return now; });
    const int run = store.startRun(results::Runner::CommandLine, QStringLiteral("names.txt"));
    QueryOutcome available{Kind::Available, QStringLiteral("Quiet.com"), QStringLiteral("whois.test"), 43};
    available.successWord = QStringLiteral("No match");
    available.entry = QStringLiteral("quiet");
    QueryOutcome delegated{Kind::Registered, QStringLiteral("bücher.de")};
    delegated.source = QueryOutcome::Source::Dns;
    QueryOutcome rdap{Kind::Registered, QStringLiteral("quiet.com"), QStringLiteral("https://rdap.test/v1/")};
    rdap.httpStatus = 200;
    QueryOutcome remembered{Kind::Available, QStringLiteral("old.com")};
    remembered.source = QueryOutcome::Source::History; // taken from the history: no check
    QueryOutcome screened{Kind::LikelyAvailable, QStringLiteral("absent.com")};
    screened.source = QueryOutcome::Source::Zone; // a guess from a zone file: no check either
    store.record(available, run);
    store.record(delegated, run);
    store.record({Kind::TimedOut, QStringLiteral("slow.net"), QStringLiteral("whois.test"), 43}, run);
    store.record(remembered, run);
    store.record(screened, run);
    now = now.addSecs(60);
    store.record(rdap, run);
    store.waitForWrites();

    const QSqlDatabase db = store.database();
    QCOMPARE(rowsOf(db, QStringLiteral("SELECT d.domain, c.name, c.entry, c.outcome, c.class, c.source, s.text, "
                                       "c.http_status, p.text, c.time - %1, r.runner, r.source FROM checks c "
                                       "JOIN domains d ON d.id = c.domain LEFT JOIN texts s ON s.id = c.server "
                                       "LEFT JOIN texts p ON p.id = c.phrase JOIN runs r ON r.id = c.run "
                                       "ORDER BY c.id")
                            .arg(dayOne.toSecsSinceEpoch())),
             (QStringList{QStringLiteral("quiet.com|Quiet.com|quiet|0|4|0|whois.test:43||No match|0|3|names.txt"),
                          QStringLiteral("xn--bcher-kva.de|bücher.de||1|2|1|dns|||0|3|names.txt"),
                          QStringLiteral("slow.net|||3|0|0|whois.test:43|||0|3|names.txt"),
                          QStringLiteral("quiet.com|||1|2|0|https://rdap.test/v1/|200||60|3|names.txt")}));
    // Each domain once, with its last check.
    QCOMPARE(rowsOf(db, QStringLiteral("SELECT domain, outcome, checks, last FROM domains ORDER BY domain")),
             (QStringList{QStringLiteral("quiet.com|1|2|4"), QStringLiteral("slow.net|3|1|3"),
                          QStringLiteral("xn--bcher-kva.de|1|1|2")}));
    QCOMPARE(store.domainCount(), 3);
}

void TestHistory::olderLayoutIsBroughtUpToDate()
{
    testing::TestFolder folder;
    const QString path = folder.file(QStringLiteral("History.sqlite"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("first version"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QString error;
        QVERIFY2(results::history::migrate(db, &error, 1), qPrintable(error));
        QSqlQuery query(db);
        for (const char *row : {"('a.com', 1, 2, 0, 100)", "('b.com', 0, 4, 0, 200)", "('a.com', 3, 0, 0, 300)"})
            QVERIFY(query.exec(QStringLiteral("INSERT INTO new_checks(domain, outcome, class, source, time) VALUES ") +
                               QLatin1String(row)));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("first version"));

    HistoryStore store(path);
    QVERIFY2(store.open(), qPrintable(store.error()));
    QCOMPARE(rowsOf(store.database(), QStringLiteral("PRAGMA user_version")), QStringList{QStringLiteral("2")});
    QCOMPARE(rowsOf(store.database(), QStringLiteral("SELECT domain, last, outcome, time, checks FROM domains "
                                                     "ORDER BY domain")),
             (QStringList{QStringLiteral("a.com|3|3|300|2"), QStringLiteral("b.com|2|0|200|1")}));
    // Recording goes on where the first version left off.
    store.setClock([] { return dayOne; });
    store.record({Kind::Available, QStringLiteral("b.com")}, store.startRun(results::Runner::MainWindow, {}));
    store.waitForWrites();
    QCOMPARE(rowsOf(store.database(), QStringLiteral("SELECT last, checks FROM domains WHERE domain = 'b.com'")),
             QStringList{QStringLiteral("4|2")});
}

void TestHistory::fileThatIsNoHistoryIsLeftAsItIs_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("setup");
    QTest::newRow("text") << QByteArray("kept.com\r\nnot a database\r\n") << QString();
    QTest::newRow("binary") << QByteArray(8192, '\x5a') << QString();
    QTest::newRow("newer version") << QByteArray() << QStringLiteral("PRAGMA user_version = 99");
    QTest::newRow("another program's tables") << QByteArray() << QStringLiteral("CREATE TABLE notes(text)");
}

void TestHistory::fileThatIsNoHistoryIsLeftAsItIs()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, setup);
    testing::TestFolder folder;
    const QString path = folder.file(QStringLiteral("History.sqlite"));
    if (setup.isEmpty()) {
        folder.write(QStringLiteral("History.sqlite"), bytes);
    } else {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(setup));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
    }
    const QByteArray before = folder.read(QStringLiteral("History.sqlite"));
    {
        HistoryStore store(path);
        QVERIFY(!store.open());
        QVERIFY(!store.error().isEmpty());
        store.record({Kind::Available, QStringLiteral("lost.com")}, store.startRun(results::Runner::MainWindow, {}));
    }
    QCOMPARE(folder.read(QStringLiteral("History.sqlite")), before);
    QCOMPARE(QDir(folder.appFolder()).entryList(QDir::Files), QStringList{QStringLiteral("History.sqlite")});
}

void TestHistory::screenTakesRecentVerdictsOnly_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("ageHours");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("taken");
    QTest::newRow("registered yesterday, 7 days") << 7 << 24 << int(Kind::Registered) << true;
    QTest::newRow("available 6 days ago, 7 days") << 7 << 6 * 24 << int(Kind::Available) << true;
    QTest::newRow("registered 8 days ago, 7 days") << 7 << 8 * 24 << int(Kind::Registered) << false;
    QTest::newRow("refused yesterday") << 7 << 24 << int(Kind::Refused) << false;
    QTest::newRow("timed out yesterday") << 7 << 24 << int(Kind::TimedOut) << false;
    QTest::newRow("off") << 0 << 1 << int(Kind::Registered) << false;
}

void TestHistory::screenTakesRecentVerdictsOnly()
{
    QFETCH(int, days);
    QFETCH(int, ageHours);
    QFETCH(int, kind);
    QFETCH(bool, taken);
    testing::TestFolder folder;
    HistoryStore store(folder.file(QStringLiteral("History.sqlite")));
    QVERIFY(store.open());
    QDateTime now = dayOne;
    store.setClock([&now] { return now; });
    QueryOutcome checked{Kind(kind), QStringLiteral("Seen.com"), QStringLiteral("whois.test"), 43};
    checked.successWord = QStringLiteral("No match");
    store.record(checked, store.startRun(results::Runner::MainWindow, {}));
    store.waitForWrites();
    now = now.addSecs(qint64(ageHours) * 3600);

    results::HistoryScreen screen(store);
    screen.setDays(days);
    const std::optional<QueryOutcome> outcome = screen(QStringLiteral("seen.COM"), tld::TldRecord{});
    QCOMPARE(outcome.has_value(), taken);
    QVERIFY(!screen(QStringLiteral("unseen.com"), tld::TldRecord{}));
    if (!taken)
        return;
    QCOMPARE(int(outcome->kind), kind);
    QCOMPARE(outcome->domain, QStringLiteral("seen.COM"));
    QCOMPARE(outcome->source, QueryOutcome::Source::History);
    QCOMPARE(outcome->cause, QStringLiteral("from history, 2026-12-01"));
    QCOMPARE(outcome->successWord, QStringLiteral("No match"));
}

void TestHistory::listFiltersAndSorts_data()
{
    QTest::addColumn<results::HistoryFilter>("filter");
    QTest::addColumn<int>("sortColumn");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("native");
    const QDate day = dayOne.toLocalTime().date();
    const int byDomain = int(results::HistoryColumn::Domain);
    QTest::newRow("all") << results::HistoryFilter{} << byDomain
                         << QStringList{QStringLiteral("a.com"), QStringLiteral("b.net"), QStringLiteral("c.com")}
                         << true;
    QTest::newRow("text, any case") << results::HistoryFilter{QStringLiteral(" B.")} << byDomain
                                    << QStringList{QStringLiteral("b.net")} << true;
    QTest::newRow("last outcome") << results::HistoryFilter{{}, int(Kind::Registered)} << byDomain
                                  << QStringList{QStringLiteral("a.com"), QStringLiteral("b.net")} << true;
    QTest::newRow("tld") << results::HistoryFilter{{}, -1, QStringLiteral(".com")} << byDomain
                         << QStringList{QStringLiteral("a.com"), QStringLiteral("c.com")} << true;
    QTest::newRow("all, through QSqlQuery")
        << results::HistoryFilter{} << byDomain
        << QStringList{QStringLiteral("a.com"), QStringLiteral("b.net"), QStringLiteral("c.com")} << false;
    QTest::newRow("days") << results::HistoryFilter{{}, -1, {}, day, day.addDays(2)} << byDomain
                          << QStringList{QStringLiteral("b.net"), QStringLiteral("c.com")} << true;
    QTest::newRow("last checked, newest first")
        << results::HistoryFilter{} << -int(results::HistoryColumn::LastChecked)
        << QStringList{QStringLiteral("a.com"), QStringLiteral("c.com"), QStringLiteral("b.net")} << true;
    QTest::newRow("checks, most first") << results::HistoryFilter{} << -int(results::HistoryColumn::Checks)
                                        << QStringList{QStringLiteral("a.com"), QStringLiteral("c.com"),
                                                       QStringLiteral("b.net")}
                                        << true;
}

void TestHistory::listFiltersAndSorts()
{
    QFETCH(results::HistoryFilter, filter);
    QFETCH(int, sortColumn);
    QFETCH(QStringList, names);
    QFETCH(bool, native);
    results::history::allowNative(native);
    const auto restore = qScopeGuard([] { results::history::allowNative(true); });
    testing::TestFolder folder;
    HistoryStore store(folder.file(QStringLiteral("History.sqlite")));
    QVERIFY(store.open());
    fillHistory(store);
    results::HistoryModel model(store);
    model.sort(std::abs(sortColumn), sortColumn < 0 ? Qt::DescendingOrder : Qt::AscendingOrder);
    model.setFilter(filter);
    QCOMPARE(shownNames(model), names);
}

void TestHistory::csvExportQuotesEveryField()
{
    testing::TestFolder folder;
    HistoryStore store(folder.file(QStringLiteral("History.sqlite")));
    QVERIFY(store.open());
    store.setClock([] { return dayOne; });
    const QString awkward = QStringLiteral("a,b \"c\"\r\nd\ne");
    QueryOutcome outcome{Kind::Available, QStringLiteral("Q") + awkward + QStringLiteral(".com"), awkward, 43};
    outcome.entry = awkward;
    outcome.successWord = awkward;
    store.record(outcome, store.startRun(results::Runner::CommandLine, awkward));
    store.waitForWrites();
    results::HistoryModel model(store);
    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    QVERIFY(model.exportCsv(csv));

    const QList<QStringList> records = parseCsv(QString::fromUtf8(csv.data()));
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(0).size(), 11);
    const QString domain = QStringLiteral("q") + awkward.toLower() + QStringLiteral(".com");
    QCOMPARE(
        records.at(1),
        (QStringList{outcome.domain, domain, awkward, QStringLiteral("available"), QStringLiteral("Low"),
                     QStringLiteral("registry"), awkward + QStringLiteral(":43"), awkward,
                     dayOne.toLocalTime().toOffsetFromUtc(dayOne.toLocalTime().offsetFromUtc()).toString(Qt::ISODate),
                     QStringLiteral("1"), QStringLiteral("quarrytide-check: ") + awkward}));
}

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
