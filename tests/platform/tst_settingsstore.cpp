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
