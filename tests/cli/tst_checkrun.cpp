#include "StoredSettings.h"
#include "TestFolder.h"
#include "cli/CheckRun.h"
#include "platform/Intervals.h"
#include "platform/ProgramSettings.h"
#include "tld/DefaultTlds.h"
#include "tld/TldRegistry.h"

#include <QtTest>

using cli::CheckOptions;
using cli::CheckRun;

namespace {

const tld::TldRecord *row(const CheckRun &run, const QString &extension)
{
    for (const tld::TldRecord &record : run.tlds().table()) {
        if (record.extension == extension)
            return &record;
    }
    return nullptr;
}

} // namespace

// How a run sets up the desktop program's table and timings before the first name.
class TestCheckRun : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void proxyAndThrottleChangeOnlyTheTableInMemory();
    void proxyRowIsAddedWhenTheTableHasNone();
    void missingTableMeansTheBuiltInOne();
    void tableWithoutRowsIsAnError();
    void defaultExtensionComesFromTheDesktopSettings();
    void positionFile_data();
    void positionFile();
    void timeoutScalesTheEngineSecond();
    void profileFilesPrepareTheSpillFolders();

private:
    QTemporaryDir m_config;
    const QByteArray m_table = "com|127.0.0.1|4301|Enabled|25|No match\r\n"
                               "proxy|10.0.0.1|43|Disabled|700|free, not found\r\n";
};

void TestCheckRun::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
}

void TestCheckRun::init()
{
    platform::intervals() = platform::Intervals();
}

void TestCheckRun::proxyAndThrottleChangeOnlyTheTableInMemory()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("TLDs.txt"), m_table);
    CheckOptions options;
    options.dataDir = folder.appFolder();
    options.proxyHost = QStringLiteral("127.0.0.1");
    options.proxyPort = 4343;
    options.throttleMs = 0;
    CheckRun run(options);
    QVERIFY2(run.prepare(QString()), qPrintable(run.error()));
    QVERIFY(run.tlds().useProxy());
    const tld::TldRecord *proxy = row(run, QStringLiteral("proxy"));
    QVERIFY(proxy);
    QCOMPARE(proxy->server, QStringLiteral("127.0.0.1"));
    QCOMPARE(proxy->port, 4343);
    QCOMPARE(proxy->successPhrases, QStringLiteral("free, not found"));
    QCOMPARE(run.tlds().rowFor(QStringLiteral("any.org")), proxy);
    for (const tld::TldRecord &record : run.tlds().table())
        QCOMPARE(record.throttle, 0);
    QCOMPARE(platform::intervals().throttleTickMs, 0);
    QCOMPARE(folder.read(QStringLiteral("TLDs.txt")), m_table);
}

void TestCheckRun::proxyRowIsAddedWhenTheTableHasNone()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("TLDs.txt"), "com|127.0.0.1|4301|Enabled|25|No match\r\n");
    CheckOptions options;
    options.dataDir = folder.appFolder();
    options.proxyHost = QStringLiteral("::1");
    options.proxyPort = 43;
    options.throttleMs = 40;
    CheckRun run(options);
    QVERIFY(run.prepare(QString()));
    const tld::TldRecord *proxy = row(run, QStringLiteral("proxy"));
    QVERIFY(proxy);
    QCOMPARE(proxy->server, QStringLiteral("::1"));
    QVERIFY(proxy->successPhrases.startsWith(QStringLiteral("No match,NOT FOUND,")));
    QCOMPARE(proxy->throttle, 40);
    QCOMPARE(platform::intervals().throttleTickMs, 1);
}

void TestCheckRun::missingTableMeansTheBuiltInOne()
{
    testing::TestFolder folder;
    CheckOptions options;
    CheckRun run(options);
    QVERIFY(run.prepare(folder.appFolder() + QStringLiteral("/not-made-yet")));
    QVERIFY(run.tlds().table().size() > 100);
    QVERIFY(row(run, QStringLiteral("com")));
    QVERIFY(!run.tlds().useProxy());
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("not-made-yet/TLDs.txt"))));
}

void TestCheckRun::tableWithoutRowsIsAnError()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("TLDs.txt"), "not a row\r\n");
    CheckOptions options;
    options.dataDir = folder.appFolder();
    CheckRun run(options);
    QVERIFY(!run.prepare(QString()));
    QVERIFY2(run.error().contains(folder.file(QStringLiteral("TLDs.txt"))), qPrintable(run.error()));
}

void TestCheckRun::defaultExtensionComesFromTheDesktopSettings()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("TLDs.txt"), m_table);
    CheckOptions options;
    options.dataDir = folder.appFolder();
    {
        CheckRun run(options);
        QVERIFY(run.prepare(QString()));
        QCOMPARE(run.tlds().defaultExt(), QStringLiteral(".com"));
    }
    testing::StoredSettings(platform::ProgramSettings::defaultFolder())
        .plant(QStringLiteral("DefaultExt"), QStringLiteral(".net"));
    CheckRun run(options);
    QVERIFY(run.prepare(QString()));
    QCOMPARE(run.tlds().defaultExt(), QStringLiteral(".net"));
    QVERIFY(QDir(platform::ProgramSettings::defaultFolder()).removeRecursively());
}

void TestCheckRun::positionFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("start"); // 0: refused
    QTest::newRow("missing") << QByteArray() << 1;
    QTest::newRow("saved") << QByteArray("5001\r\n") << 5001;
    QTest::newRow("blanks") << QByteArray("  7 \n") << 7;
    QTest::newRow("with domains recorded ahead") << QByteArray("7\r\nname9.com\r\nname12.net\r\n") << 7;
    QTest::newRow("zero") << QByteArray("0\r\n") << 0;
    QTest::newRow("text") << QByteArray("five\r\n") << 0;
    QTest::newRow("empty") << QByteArray("\r\n") << 0;
}

void TestCheckRun::positionFile()
{
    QFETCH(QByteArray, content);
    QFETCH(int, start);
    testing::TestFolder folder;
    folder.write(QStringLiteral("TLDs.txt"), m_table);
    if (!content.isEmpty())
        folder.write(QStringLiteral("list.pos"), content);
    CheckOptions options;
    options.dataDir = folder.appFolder();
    options.resumeFile = folder.file(QStringLiteral("list.pos"));
    CheckRun run(options);
    QCOMPARE(run.prepare(QString()), start > 0);
    if (start > 0)
        QCOMPARE(run.startPosition(), start);
    else
        QVERIFY2(run.error().contains(QStringLiteral("holds no position")), qPrintable(run.error()));
}

void TestCheckRun::timeoutScalesTheEngineSecond()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("TLDs.txt"), m_table);
    CheckOptions options;
    options.dataDir = folder.appFolder();
    CheckRun defaults(options);
    QVERIFY(defaults.prepare(QString()));
    QCOMPARE(platform::intervals().secondMs, 1000);
    options.timeoutSeconds = 3;
    CheckRun shortened(options);
    QVERIFY(shortened.prepare(QString()));
    // Reconnect after 10 and give up after 30 of these shorter seconds: 1 s and 3 s.
    QCOMPARE(platform::intervals().secondMs, 100);
    QCOMPARE(platform::intervals().silenceSeconds, 10);
    QCOMPARE(platform::intervals().watchdogSeconds, 30);
}

void TestCheckRun::profileFilesPrepareTheSpillFolders()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("TLDs.txt"), m_table);
    CheckOptions options;
    options.dataDir = folder.appFolder();
    options.profileFiles = true;
    CheckRun run(options);
    QVERIFY(run.prepare(QString()));
    QVERIFY(QFileInfo(folder.file(QStringLiteral("overflow"))).isDir());
    QVERIFY(QFileInfo(folder.file(QStringLiteral("backups"))).isDir());
}

QTEST_GUILESS_MAIN(TestCheckRun)
#include "tst_checkrun.moc"
