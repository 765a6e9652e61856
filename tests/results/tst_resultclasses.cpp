#include "TestFolder.h"
#include "platform/AppFolder.h"
#include "results/ResultClasses.h"
#include "results/ResultLog.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

using results::DomainListModel;
using results::ResultClasses;

class TestResultClasses : public QObject {
    Q_OBJECT
private slots:
    void namesAreClassedByTheirNamePart_data();
    void namesAreClassedByTheirNamePart();
    void bareExtensionsReachNoList();
    void registeredListIsCappedWhileTheCounterGoesOn();
    void firstAvailableNameCreatesTheThreeSeriesFiles();
    void seriesFilesFollowDeletesAndClears();
    void seriesFileChangedElsewhereIsRewritten();
    void spillSavesEmptiesAndStartsAStampedSeries();
    void aSecondSessionKeepsTheFirstSessionsFinds();
    void uncheckedNamesWaitForTheirVerdict();
    void likelyNamesWaitForTheRegistry();
    void resultLogExportsEveryOutcome();
    void stampReadsAndSortsAsADate();
    void unwritableFolderKeepsTheLists();
    void withoutFilesClassesAndSpillWriteNothing();
};

void TestResultClasses::namesAreClassedByTheirNamePart_data()
{
    QTest::addColumn<QString>("domain");
    QTest::addColumn<int>("list");
    QTest::addColumn<QString>("caption");
    const QString high = QStringLiteral("High Profile (1)");
    const QString mid = QStringLiteral("Mid Profile (1)");
    const QString low = QStringLiteral("Low Profile (1)");
    QTest::newRow("four letters") << QStringLiteral("abcd.com") << int(results::HighList) << high;
    QTest::newRow("five letters") << QStringLiteral("abcde.net") << int(results::MidList) << mid;
    QTest::newRow("seven letters") << QStringLiteral("abcdefg.co.uk") << int(results::MidList) << mid;
    QTest::newRow("eight letters") << QStringLiteral("abcdefgh.com") << int(results::LowList) << low;
    QTest::newRow("no dot") << QStringLiteral("abcdefghij") << int(results::LowList) << low;
    QTest::newRow("leading dot") << QStringLiteral(".org") << int(results::HighList) << high;
}

void TestResultClasses::namesAreClassedByTheirNamePart()
{
    QFETCH(QString, domain);
    QFETCH(int, list);
    QFETCH(QString, caption);
    testing::TestFolder folder;
    platform::AppFolder app(folder.appFolder());
    ResultClasses classes(app);
    QSignalSpy captions(&classes, &ResultClasses::captionChanged);
    classes.addAvailableName(domain);
    QCOMPARE(classes.list(list)->entries(), QStringList{domain});
    QCOMPARE(classes.counter(list), 1);
    QCOMPARE(captions.size(), 1);
    QCOMPARE(captions.at(0).at(1).toString(), caption);
}

void TestResultClasses::bareExtensionsReachNoList()
{
    testing::TestFolder folder;
    platform::AppFolder app(folder.appFolder());
    ResultClasses classes(app);
    classes.addAvailableName(QStringLiteral(".com"));
    classes.addRegisteredName(QStringLiteral(".net"));
    for (int number = 1; number <= 4; ++number)
        QCOMPARE(classes.counter(number), 0);
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("LowProfile.txt"))));
}

void TestResultClasses::registeredListIsCappedWhileTheCounterGoesOn()
{
    testing::TestFolder folder;
    platform::AppFolder app(folder.appFolder());
    ResultClasses classes(app);
    QStringList names;
    for (int i = 1; i <= 102; ++i) {
        names << QStringLiteral("taken%1.com").arg(i);
        classes.addRegisteredName(names.constLast());
        if (i == 100)
            QCOMPARE(classes.caption(results::RegisteredList), QStringLiteral("Registered (100)"));
    }
    // The list shows the last hundred, and its caption says so.
    QCOMPARE(classes.list(results::RegisteredList)->entries(), names.mid(2));
    QCOMPARE(classes.caption(results::RegisteredList), QStringLiteral("Registered (last 100 of 102)"));
}

void TestResultClasses::firstAvailableNameCreatesTheThreeSeriesFiles()
{
    testing::TestFolder folder;
    platform::AppFolder app(folder.appFolder());
    ResultClasses classes(app);
    classes.addAvailableName(QStringLiteral("abc.com"));
    classes.addAvailableName(QStringLiteral("abcdef.com"));
    classes.addAvailableName(QStringLiteral("xyz.net"));
    QCOMPARE(folder.read(QStringLiteral("SuperHighProfile.txt")), QByteArray("abc.com\r\nxyz.net\r\n"));
    QCOMPARE(folder.read(QStringLiteral("HighProfile.txt")), QByteArray("abcdef.com\r\n"));
    QVERIFY(QFile::exists(folder.file(QStringLiteral("LowProfile.txt"))));
    QCOMPARE(folder.read(QStringLiteral("LowProfile.txt")), QByteArray());
}

void TestResultClasses::seriesFilesFollowDeletesAndClears()
{
    testing::TestFolder folder;
    platform::AppFolder app(folder.appFolder());
    ResultClasses classes(app);
    for (const char *name : {"one.com", "two.com", "six.com"})
        classes.addAvailableName(QLatin1String(name));
    classes.deleteEntries(results::HighList, {1, 1, 7});
    QCOMPARE(classes.counter(results::HighList), 2);
    QCOMPARE(classes.caption(results::HighList), QStringLiteral("High Profile (2)"));
    // The file catches up at the next available name, and is rewritten rather than appended to.
    QCOMPARE(folder.read(QStringLiteral("SuperHighProfile.txt")), QByteArray("one.com\r\ntwo.com\r\nsix.com\r\n"));
    classes.addAvailableName(QStringLiteral("ten.com"));
    QCOMPARE(folder.read(QStringLiteral("SuperHighProfile.txt")), QByteArray("one.com\r\nsix.com\r\nten.com\r\n"));
    classes.clearList(results::HighList);
    QCOMPARE(classes.caption(results::HighList), QStringLiteral("High Profile"));
    classes.addAvailableName(QStringLiteral("new.com"));
    QCOMPARE(folder.read(QStringLiteral("SuperHighProfile.txt")), QByteArray("new.com\r\n"));
    classes.deleteEntries(results::HighList, {5});
    QCOMPARE(classes.counter(results::HighList), 1);
}

void TestResultClasses::seriesFileChangedElsewhereIsRewritten()
{
    testing::TestFolder folder;
    platform::AppFolder app(folder.appFolder());
    ResultClasses classes(app);
    classes.addAvailableName(QStringLiteral("one.com"));
    folder.write(QStringLiteral("SuperHighProfile.txt"), "edited by hand\r\n");
    classes.addAvailableName(QStringLiteral("two.com"));
    QCOMPARE(folder.read(QStringLiteral("SuperHighProfile.txt")), QByteArray("one.com\r\ntwo.com\r\n"));
}

void TestResultClasses::spillSavesEmptiesAndStartsAStampedSeries()
{
    testing::TestFolder folder;
    QDir(folder.appFolder()).mkdir(QStringLiteral("overflow"));
    QDir(folder.appFolder()).mkdir(QStringLiteral("backups"));
    // A spill of an earlier session with the same (empty) stamp is never replaced.
    folder.write(QStringLiteral("overflow/LowProfile.txt"), "earlier.com\r\n");
    platform::AppFolder app(folder.appFolder());
    ResultClasses classes(app);
    classes.setClock([] { return QDateTime(QDate(2026, 12, 6), QTime(21, 41, 7)); });
    QSignalSpy spilled(&classes, &ResultClasses::spilled);
    classes.addRegisteredName(QStringLiteral("taken.com"));
    classes.addAvailableName(QStringLiteral("abc.com"));
    for (int i = 0; i < 19999; ++i) { // a list may hold 19999 entries
        classes.addAvailableName(QStringLiteral("longname%1.com").arg(i));
        QVERIFY(!classes.checkOverflow());
    }
    classes.addAvailableName(QStringLiteral("lastlongname.com"));
    QVERIFY(classes.checkOverflow());
    QCOMPARE(spilled.size(), 1);
    QCOMPARE(folder.read(QStringLiteral("overflow/LowProfile.txt")), QByteArray("earlier.com\r\n"));
    const QByteArray low = folder.read(QStringLiteral("overflow/LowProfile-2.txt"));
    QCOMPARE(low.count("\r\n"), 20000);
    QVERIFY(low.endsWith("lastlongname.com\r\n"));
    QCOMPARE(folder.read(QStringLiteral("overflow/SuperHighProfile-2.txt")), QByteArray("abc.com\r\n"));
    for (int number = 1; number <= 4; ++number) {
        QCOMPARE(classes.list(number)->count(), 0);
        QCOMPARE(classes.counter(number), 0);
    }
    QCOMPARE(classes.caption(results::LowList), QStringLiteral("Low Profile (20000)"));
    QCOMPARE(classes.seriesStamp(), QStringLiteral("-2026-12-06-214107"));
    QCOMPARE(folder.read(QStringLiteral("backups/HighProfile-2026-12-06-214107.txt")), QByteArray(" \r\n \r\n"));
    QCOMPARE(folder.read(QStringLiteral("backups/MidProfile-2026-12-06-214107.txt")), QByteArray(" \r\n"));
    classes.addAvailableName(QStringLiteral("midname.com"));
    QCOMPARE(classes.caption(results::MidList), QStringLiteral("Mid Profile (1)"));
    QCOMPARE(folder.read(QStringLiteral("HighProfile-2026-12-06-214107.txt")), QByteArray("midname.com\r\n"));
}

void TestResultClasses::aSecondSessionKeepsTheFirstSessionsFinds()
{
    testing::TestFolder folder;
    QDir(folder.appFolder()).mkdir(QStringLiteral("backups"));
    platform::AppFolder app(folder.appFolder());
    const auto session = [&app](const QString &find) {
        ResultClasses classes(app);
        classes.setClock([] { return QDateTime(QDate(2027, 1, 15), QTime(9, 5, 3)); });
        classes.addAvailableName(find);
        classes.addAvailableName(find + QStringLiteral(".net"));
        return classes.seriesStamp();
    };
    QCOMPARE(session(QStringLiteral("firstfind")), QString());
    // Later sessions begin series of their own; two begun within one second still get files of their own.
    QCOMPARE(session(QStringLiteral("secondfind")), QStringLiteral("-2027-01-15-090503"));
    QCOMPARE(session(QStringLiteral("thirdfind")), QStringLiteral("-2027-01-15-090503-2"));
    QCOMPARE(folder.read(QStringLiteral("LowProfile.txt")), QByteArray("firstfind\r\nfirstfind.net\r\n"));
    QCOMPARE(folder.read(QStringLiteral("LowProfile-2027-01-15-090503.txt")),
             QByteArray("secondfind\r\nsecondfind.net\r\n"));
    QCOMPARE(folder.read(QStringLiteral("LowProfile-2027-01-15-090503-2.txt")),
             QByteArray("thirdfind\r\nthirdfind.net\r\n"));
}

void TestResultClasses::uncheckedNamesWaitForTheirVerdict()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("Unchecked.txt"), "hand.com"); // edited by hand, no line end
    platform::AppFolder app(folder.appFolder());
    ResultClasses classes(app);
    QSignalSpy changed(&classes, &ResultClasses::uncheckedChanged);
    QCOMPARE(classes.uncheckedCount(), 1);
    classes.addUncheckedName(QStringLiteral("slow.com"));
    classes.addUncheckedName(QStringLiteral("busy.net"));
    classes.addUncheckedName(QStringLiteral("SLOW.com")); // still unchecked: not written twice
    classes.addUncheckedName(QStringLiteral(".com"));
    QCOMPARE(folder.read(QStringLiteral("Unchecked.txt")), QByteArray("hand.com\r\nslow.com\r\nbusy.net\r\n"));
    QCOMPARE(classes.uncheckedCount(), 3);
    // A verdict takes the name out of the count at once and out of the file when no run reads it.
    classes.addRegisteredName(QStringLiteral("slow.com"));
    classes.addAvailableName(QStringLiteral("hand.com"));
    QCOMPARE(classes.uncheckedCount(), 1);
    QCOMPARE(changed.constLast().at(0).toInt(), 1);
    QCOMPARE(folder.read(QStringLiteral("Unchecked.txt")), QByteArray("hand.com\r\nslow.com\r\nbusy.net\r\n"));
    QVERIFY(classes.compactUnchecked());
    QCOMPARE(folder.read(QStringLiteral("Unchecked.txt")), QByteArray("busy.net\r\n"));
    classes.addUncheckedName(QStringLiteral("slow.com"));
    QCOMPARE(folder.read(QStringLiteral("Unchecked.txt")), QByteArray("busy.net\r\nslow.com\r\n"));
}

void TestResultClasses::likelyNamesWaitForTheRegistry()
{
    testing::TestFolder folder;
    platform::AppFolder app(folder.appFolder());
    ResultClasses classes(app);
    const QDate zone(2027, 1, 15);
    classes.addAvailableName(QStringLiteral("one.com"));
    for (const char *name : {"two.com", "six.com", "ten.com"})
        classes.addLikelyAvailableName(QLatin1String(name), zone);
    DomainListModel *high = classes.list(results::HighList);
    QCOMPARE(high->entries(), (QStringList{QStringLiteral("one.com"), QStringLiteral("two.com"),
                                           QStringLiteral("six.com"), QStringLiteral("ten.com")}));
    QCOMPARE(high->data(high->index(1), DomainListModel::LikelyZoneDateRole).toDate(), zone);
    QCOMPARE(classes.counter(results::HighList), 4);
    // The series file holds confirmed finds only; the likely ones wait in a file of their own.
    QCOMPARE(folder.read(QStringLiteral("SuperHighProfile.txt")), QByteArray("one.com\r\n"));
    QCOMPARE(folder.read(QStringLiteral("LikelyAvailable.txt")),
             QByteArray("two.com\t2027-01-15\r\nsix.com\t2027-01-15\r\nten.com\t2027-01-15\r\n"));
    // The registry's verdict replaces the mark: free stays in place, taken moves, no verdict keeps the mark.
    classes.addAvailableName(QStringLiteral("six.com"));
    classes.addRegisteredName(QStringLiteral("two.com"));
    classes.addUncheckedName(QStringLiteral("ten.com"));
    QCOMPARE(high->entries(),
             (QStringList{QStringLiteral("one.com"), QStringLiteral("six.com"), QStringLiteral("ten.com")}));
    QCOMPARE(high->likelyEntries(), QStringList{QStringLiteral("ten.com")});
    QVERIFY(!high->data(high->index(1), DomainListModel::LikelyZoneDateRole).isValid());
    QCOMPARE(classes.counter(results::HighList), 3);
    QCOMPARE(classes.list(results::RegisteredList)->entries(), QStringList{QStringLiteral("two.com")});
    QCOMPARE(folder.read(QStringLiteral("SuperHighProfile.txt")), QByteArray("one.com\r\nsix.com\r\n"));
    QVERIFY(classes.compactUnchecked());
    QCOMPARE(folder.read(QStringLiteral("LikelyAvailable.txt")), QByteArray("ten.com\t2027-01-15\r\n"));
}

void TestResultClasses::resultLogExportsEveryOutcome()
{
    using Kind = lookup::QueryOutcome::Kind;
    results::ResultLog log;
    log.setClock([] { return QDateTime(QDate(2027, 1, 15), QTime(9, 5, 3), Qt::OffsetFromUTC, 3600); });
    log.record({Kind::Available, QStringLiteral("bücher.com"), QStringLiteral("whois.example"), 43});
    log.record({Kind::Registered, QStringLiteral("taken.com"), QStringLiteral("whois.example"), 43});
    log.record({Kind::Refused, QStringLiteral("busy.de"), QStringLiteral("2001:db8::1"), 4343});
    log.record({Kind::NoServer, QStringLiteral("=cmd.xyz")});
    lookup::QueryOutcome fromHost{Kind::Available, QStringLiteral("x.com"), QStringLiteral("whois.example"), 43};
    fromHost.entry = QStringLiteral("http://www.x.com/a,b");
    log.record(fromHost);
    lookup::QueryOutcome invalid{Kind::Invalid, QStringLiteral("-a.com")};
    invalid.cause = QStringLiteral("label that starts or ends with a hyphen");
    log.record(invalid);
    testing::TestFolder folder;
    QVERIFY(log.exportTo(folder.file(QStringLiteral("results.csv"))));
    QCOMPARE(folder.read(QStringLiteral("results.csv")),
             QByteArray("domain,outcome,class,server,time,entry,reason\r\n"
                        "b\xc3\xbc"
                        "cher.com,available,Mid,whois.example:43,2027-01-15T09:05:03+01:00,,\r\n"
                        "taken.com,registered,Registered,whois.example:43,2027-01-15T09:05:03+01:00,,\r\n"
                        "busy.de,refused,,[2001:db8::1]:4343,2027-01-15T09:05:03+01:00,,\r\n"
                        "'=cmd.xyz,no-server,,,2027-01-15T09:05:03+01:00,,\r\n"
                        "x.com,available,High,whois.example:43,2027-01-15T09:05:03+01:00,\"http://www.x.com/a,b\",\r\n"
                        "'-a.com,invalid,,,2027-01-15T09:05:03+01:00,,label that starts or ends with a hyphen\r\n"));
}

void TestResultClasses::stampReadsAndSortsAsADate()
{
    QCOMPARE(ResultClasses::stampFor(QDateTime(QDate(2027, 1, 15), QTime(9, 5, 3))),
             QStringLiteral("-2027-01-15-090503"));
    // Later series list after earlier ones: December before January of the next year, morning before evening.
    const QDateTime times[] = {QDateTime(QDate(2026, 12, 6), QTime(21, 41, 7)),
                               QDateTime(QDate(2027, 1, 15), QTime(9, 5, 3)),
                               QDateTime(QDate(2027, 1, 15), QTime(21, 0, 0))};
    QVERIFY(ResultClasses::stampFor(times[0]) < ResultClasses::stampFor(times[1]));
    QVERIFY(ResultClasses::stampFor(times[1]) < ResultClasses::stampFor(times[2]));
}

void TestResultClasses::unwritableFolderKeepsTheLists()
{
    testing::TestFolder folder;
    platform::AppFolder app(folder.appFolder() + QStringLiteral("/missing/folder"));
    ResultClasses classes(app);
    classes.addAvailableName(QStringLiteral("abc.com"));
    classes.addAvailableName(QStringLiteral("abd.com"));
    QCOMPARE(classes.list(results::HighList)->count(), 2);
    QCOMPARE(classes.counter(results::HighList), 2);
}

void TestResultClasses::withoutFilesClassesAndSpillWriteNothing()
{
    testing::TestFolder folder;
    QDir(folder.appFolder()).mkdir(QStringLiteral("overflow"));
    QDir(folder.appFolder()).mkdir(QStringLiteral("backups"));
    platform::AppFolder app(folder.appFolder());
    ResultClasses classes(app);
    classes.setWritesFiles(false);
    classes.addAvailableName(QStringLiteral("abc.com"));
    classes.addRegisteredName(QStringLiteral("taken.com"));
    for (int i = 0; i < 20000; ++i) // one more than a list may hold
        classes.addAvailableName(QStringLiteral("longname%1.com").arg(i));
    QCOMPARE(classes.counter(results::HighList), 1);
    QCOMPARE(classes.counter(results::RegisteredList), 1);
    QVERIFY(classes.checkOverflow());
    QCOMPARE(classes.list(results::LowList)->count(), 0);
    QVERIFY(!classes.seriesStamp().isEmpty());
    for (const QString &sub : {QString(), QStringLiteral("/overflow"), QStringLiteral("/backups")})
        QCOMPARE(QDir(folder.appFolder() + sub).entryList(QDir::Files), QStringList());
}

QTEST_GUILESS_MAIN(TestResultClasses)
#include "tst_resultclasses.moc"
