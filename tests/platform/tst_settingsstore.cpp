#include "platform/SettingsStore.h"

#include <QTemporaryDir>
#include <QtTest>

using platform::SettingsStore;

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void missingKeyGivesReadersDefault();
    void applicationsAreKeptApart();
    void valuesSurviveANewStore();
    void emptyLockOfAKilledWriterDoesNotHoldUpSaving();
    void readIntAcceptsOnlyNumbers_data();
    void readIntAcceptsOnlyNumbers();
};

void TestSettingsStore::missingKeyGivesReadersDefault()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path());
    QCOMPARE(store.product(QStringLiteral("Throttle"), QStringLiteral("25")), QStringLiteral("25"));
    QCOMPARE(store.product(QStringLiteral("Throttle"), QStringLiteral("20")), QStringLiteral("20"));
    QCOMPARE(store.product(QStringLiteral("FirstUse"), QString()), QString());
}

void TestSettingsStore::applicationsAreKeptApart()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path());
    store.saveProduct(QStringLiteral("wordNumber"), QStringLiteral("7"));
    store.savePositions(QStringLiteral("wordNumber"), QStringLiteral("42"));
    QCOMPARE(store.product(QStringLiteral("wordNumber"), QString()), QStringLiteral("7"));
    QCOMPARE(store.positions(QStringLiteral("wordNumber"), QString()), QStringLiteral("42"));
    QVERIFY(store.fileFor(QStringLiteral("Quarrytide")) != store.fileFor(QStringLiteral("Marlowfen")));
}

void TestSettingsStore::valuesSurviveANewStore()
{
    QTemporaryDir dir;
    {
        SettingsStore store(dir.path());
        store.saveProduct(QStringLiteral("DefaultExt"), QStringLiteral(".co.uk"));
        store.saveSetting(QStringLiteral("Marlowfen"), QStringLiteral("Settings"), QStringLiteral("FullWordNum"),
                          QStringLiteral("5001"));
    }
    SettingsStore again(dir.path());
    QCOMPARE(again.product(QStringLiteral("DefaultExt"), QStringLiteral(".com")), QStringLiteral(".co.uk"));
    QCOMPARE(again.positions(QStringLiteral("FullWordNum"), QStringLiteral("1")), QStringLiteral("5001"));
}

void TestSettingsStore::emptyLockOfAKilledWriterDoesNotHoldUpSaving()
{
    QTemporaryDir dir;
    platform::SettingsStore store(dir.path());
    store.savePositions(QStringLiteral("ListPosition"), QStringLiteral("1"));
    // What a writer killed right after creating the lock leaves behind.
    QFile lock(store.fileFor(QLatin1String(platform::positionsAppName)) + QStringLiteral(".lock"));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.close();
    QElapsedTimer clock;
    clock.start();
    store.savePositions(QStringLiteral("ListPosition"), QStringLiteral("2"));
    // A lock file counts as stale after 30 seconds: a save that waited for that is held up, however
    // busy the machine.
    QVERIFY2(clock.elapsed() < 20000, "the save waited for the lock to grow old");
    QCOMPARE(platform::SettingsStore(dir.path()).positions(QStringLiteral("ListPosition"), QString()),
             QStringLiteral("2"));
}

void TestSettingsStore::readIntAcceptsOnlyNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("number") << QStringLiteral("25") << true << 25;
    QTest::newRow("negative") << QStringLiteral("-3") << true << -3;
    QTest::newRow("blanks") << QStringLiteral(" 40 ") << true << 40;
    QTest::newRow("letters") << QStringLiteral("fast") << false << 99;
    QTest::newRow("empty") << QString() << false << 99;
    QTest::newRow("too large") << QStringLiteral("99999999999") << false << 99;
}

void TestSettingsStore::readIntAcceptsOnlyNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    int result = 99;
    QCOMPARE(platform::readInt(text, result), ok);
    QCOMPARE(result, value);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
