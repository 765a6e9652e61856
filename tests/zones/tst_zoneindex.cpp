#include "ZoneFiles.h"
#include "zones/ZoneImport.h"
#include "zones/ZoneIndex.h"
#include "zones/ZoneScreen.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace zones;
using Verdict = ZoneScreen::Verdict;

namespace {

QStringList generatedNames(int count, const char *prefix)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(QLatin1String(prefix) + QString::number(i * 7919));
    return names;
}

// Imports @p names as the zone of @p tld (a file dated @p date) into @p folder.
bool importZone(const QString &folder, const QString &tld, const QStringList &names,
                const QDateTime &date = QDateTime(QDate(2024, 5, 1), QTime(6, 0), Qt::UTC))
{
    const QString file = QFileInfo(folder).absolutePath() + QLatin1Char('/') + tld + QStringLiteral(".zone");
    if (!testing::writeFile(file, testing::czdsZone(tld, names)))
        return false;
    QFile zone(file);
    zone.open(QIODevice::ReadWrite);
    zone.setFileTime(date, QFileDevice::FileModificationTime);
    zone.close();
    ZoneImport import(file, folder);
    return import.run();
}

} // namespace

class TestZoneIndex : public QObject {
    Q_OBJECT
private slots:
    void findsEveryDelegatedNameAndNoOther();
    void refusesAForeignOrDamagedIndex_data();
    void refusesAForeignOrDamagedIndex();
    void aFullDiskOrCancelLeavesTheOldIndex();
    void screensNamesByTheirTld_data();
    void screensNamesByTheirTld();
};

void TestZoneIndex::findsEveryDelegatedNameAndNoOther()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("zones"));
    const QStringList names = generatedNames(30000, "name");
    QVERIFY(importZone(folder, QStringLiteral("com"), names));
    QString error;
    const auto index = ZoneIndex::open(indexPath(folder, QStringLiteral("com")), QStringLiteral("com"), &error);
    QVERIFY2(index, qPrintable(error));
    QCOMPARE(index->info().count, quint64(names.size()));
    QCOMPARE(index->info().serial, 1700000000U);
    QCOMPARE(index->info().sourceDate, QDateTime(QDate(2024, 5, 1), QTime(6, 0), Qt::UTC));
    for (const QString &name : names)
        QVERIFY2(index->containsLabel(name.toStdString()), qPrintable(name));
    for (const QString &name : generatedNames(30000, "other"))
        QVERIFY2(!index->containsLabel(name.toStdString()), qPrintable(name));
    // An index kept elsewhere serves its TLD in place of the folder's.
    const QString elsewhere = dir.filePath(QStringLiteral("com-copy.idx"));
    QVERIFY(QFile::rename(indexPath(folder, QStringLiteral("com")), elsewhere));
    ZoneScreen screen(folder);
    QCOMPARE(screen.screen(QStringLiteral("name7919.com")).verdict, Verdict::NoIndex);
    QVERIFY(screen.addIndex(elsewhere));
    QCOMPARE(screen.screen(QStringLiteral("name7919.com")).verdict, Verdict::InZone);
    screen.reload();
    QCOMPARE(screen.screen(QStringLiteral("name7919.com")).verdict, Verdict::InZone);
    // Under 8.5 bytes a name, header and table included.
    QVERIFY(QFileInfo(elsewhere).size() < qint64(names.size()) * 17 / 2);
}

void TestZoneIndex::refusesAForeignOrDamagedIndex_data()
{
    QTest::addColumn<QString>("spoil");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a text file") << QStringLiteral("text") << QStringLiteral("not a zone index");
    QTest::newRow("cut short") << QStringLiteral("cut") << QStringLiteral("damaged or cut short");
    QTest::newRow("a byte of the header changed") << QStringLiteral("header") << QStringLiteral("header is damaged");
    QTest::newRow("another zone's index")
        << QStringLiteral("rename") << QStringLiteral("the zone of .com, not of .net");
    QTest::newRow("empty") << QStringLiteral("empty") << QStringLiteral("too short");
}

void TestZoneIndex::refusesAForeignOrDamagedIndex()
{
    QFETCH(QString, spoil);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("zones"));
    QVERIFY(importZone(folder, QStringLiteral("com"), generatedNames(100, "n")));
    const QString com = indexPath(folder, QStringLiteral("com"));
    QString path = indexPath(folder, QStringLiteral("net"));
    QFile file(com);
    QVERIFY(file.open(QIODevice::ReadWrite));
    if (spoil == QLatin1String("text")) {
        file.resize(0);
        file.write(QByteArray(200, 'x'));
    } else if (spoil == QLatin1String("cut")) {
        file.resize(file.size() - 8);
    } else if (spoil == QLatin1String("header")) {
        file.seek(60);
        file.write("x");
    } else if (spoil == QLatin1String("empty")) {
        file.resize(0);
    }
    file.close();
    QVERIFY(QFile::rename(com, path));

    QString error;
    QVERIFY(!ZoneIndex::open(path, QStringLiteral("net"), &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    // Screening goes on without it, and says why.
    ZoneScreen screen(folder);
    QCOMPARE(screen.screen(QStringLiteral("n0.net")).verdict, Verdict::NoIndex);
    QVERIFY(screen.problem(QStringLiteral("net")).contains(reason));
    QVERIFY(screen.importedZones().isEmpty());
}

void TestZoneIndex::aFullDiskOrCancelLeavesTheOldIndex()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("zones"));
    QVERIFY(importZone(folder, QStringLiteral("com"), generatedNames(10, "old")));
    const QString index = indexPath(folder, QStringLiteral("com"));
    const QByteArray before = testing::readFile(index);
    const QString bigZone = dir.filePath(QStringLiteral("com.zone"));
    QVERIFY(testing::writeFile(bigZone, testing::czdsZone(QStringLiteral("com"), generatedNames(20000, "new"))));

    // A file size limit fails every write past 64 KiB, as a full disk would.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    ZoneImport full(bigZone, folder);
    const bool imported = full.run();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    QVERIFY(!imported);
    QVERIFY2(full.error().contains(QStringLiteral("could not be")), qPrintable(full.error()));

    ZoneImport cancelled(bigZone, folder);
    QSignalSpy finished(&cancelled, &ZoneImport::finished);
    cancelled.start();
    cancelled.cancel();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(cancelled.state(), ZoneImport::State::Cancelled);

    QCOMPARE(testing::readFile(index), before);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("com.idx")});
}

void TestZoneIndex::screensNamesByTheirTld_data()
{
    QTest::addColumn<QString>("domain");
    QTest::addColumn<Verdict>("verdict");
    QTest::newRow("delegated") << QStringLiteral("example.com") << Verdict::InZone;
    QTest::newRow("any case, final dot") << QStringLiteral("EXAMPLE.Com.") << Verdict::InZone;
    QTest::newRow("a name below it") << QStringLiteral("www.example.com") << Verdict::InZone;
    QTest::newRow("internationalised") << QStringLiteral("b\u00fccher.com") << Verdict::InZone;
    QTest::newRow("not delegated") << QStringLiteral("unheard.com") << Verdict::NotInZone;
    QTest::newRow("the longest TLD with an index") << QStringLiteral("example.co.uk") << Verdict::NotInZone;
    QTest::newRow("no index for the TLD") << QStringLiteral("example.org") << Verdict::NoIndex;
    QTest::newRow("no TLD") << QStringLiteral("example") << Verdict::NoIndex;
    QTest::newRow("a path, not a name") << QStringLiteral("x/../../com") << Verdict::NoIndex;
}

void TestZoneIndex::screensNamesByTheirTld()
{
    QFETCH(QString, domain);
    QFETCH(Verdict, verdict);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("zones"));
    QVERIFY(importZone(folder, QStringLiteral("com"), {QStringLiteral("example"), QStringLiteral("xn--bcher-kva")}));
    QVERIFY(importZone(folder, QStringLiteral("co.uk"), {QStringLiteral("shop")}));
    QVERIFY(importZone(folder, QStringLiteral("uk"), {QStringLiteral("co"), QStringLiteral("example")}));

    ZoneScreen screen(folder);
    const ZoneScreen::Answer answer = screen.screen(domain);
    QCOMPARE(answer.verdict, verdict);
    QCOMPARE(answer.zoneDate, verdict == Verdict::NoIndex ? QDate() : QDate(2024, 5, 1));
    QCOMPARE(screen.importedZones().size(), 3);
    const QDateTime sourceDate(QDate(2024, 5, 1), QTime(6, 0), Qt::UTC);
    QVERIFY(!screen.isOutdated(QStringLiteral("com"), sourceDate.addDays(7), ZoneScreen::defaultMaxAgeDays));
    QVERIFY(screen.isOutdated(QStringLiteral("com"), sourceDate.addDays(8), ZoneScreen::defaultMaxAgeDays));
}

QTEST_GUILESS_MAIN(TestZoneIndex)
#include "tst_zoneindex.moc"
