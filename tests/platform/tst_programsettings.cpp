#include "platform/ProgramSettings.h"

#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using platform::ProgramSettings;
using namespace Qt::Literals::StringLiterals;

namespace {

const QUrl standardUrl(u"https://standard.example"_s);

/// One key: what a reader gets when it is absent, what a setter stores under it, and what is read back.
struct KeyCase {
    const char *name;
    QString key;
    QVariant whenAbsent;
    std::function<void(ProgramSettings &)> write;
    QString stored;
    QVariant readBack;
    std::function<QVariant(const ProgramSettings &)> read;
};

QVariant list(const QStringList &items)
{
    return QVariant(items);
}

const std::vector<KeyCase> &keyCases()
{
    using S = ProgramSettings;
    static const std::vector<KeyCase> cases = {
        {"start pause", u"Throttle"_s, 25, [](S &s) { s.setBrowsePauseText(u"40"_s); }, u"40"_s, 40,
         [](const S &s) { return s.startPauseTicks(); }},
        {"browse pause", u"Throttle"_s, u"20"_s, [](S &s) { s.setBrowsePauseText(u"35"_s); }, u"35"_s, u"35"_s,
         [](const S &s) { return s.browsePauseText(); }},
        {"help", u"showHelp"_s, true, [](S &s) { s.setHelpPending(false); }, u"0"_s, false,
         [](const S &s) { return s.helpPending(); }},
        {"first use", u"FirstUse"_s, false, [](S &s) { s.setFirstUseShown(); }, u"NO"_s, true,
         [](const S &s) { return s.firstUseShown(); }},
        {"popular TLDs", u"PopularTLDsOffered"_s, false, [](S &s) { s.setPopularTldsOffered(); }, u"1"_s, true,
         [](const S &s) { return s.popularTldsOffered(); }},
        {"proxy", u"chkProxy"_s, false, [](S &s) { s.setUseProxy(true); }, u"1"_s, true,
         [](const S &s) { return s.useProxy(); }},
        {"default extension", u"DefaultExt"_s, u".com"_s, [](S &s) { s.setDefaultExt(u".co.uk"_s); }, u".co.uk"_s,
         u".co.uk"_s, [](const S &s) { return s.defaultExt(); }},
        {"test word", u"DefaultSearch"_s, u"Google"_s, [](S &s) { s.setTestWord(u"Example"_s); }, u"Example"_s,
         u"Example"_s, [](const S &s) { return s.testWord(); }},
        {"bootstrap", u"RdapBootstrap"_s, QString(), [](S &s) { s.setRdapBootstrap(u" http://127.0.0.1:9/ "_s); },
         u" http://127.0.0.1:9/ "_s, u"http://127.0.0.1:9/"_s, [](const S &s) { return s.rdapBootstrap(); }},
        {"last TLDs", u"LastTLD"_s, list({}),
         [](S &s) {
             s.setLastTlds({u".com"_s, u".net"_s});
         },
         u".com,.net"_s, list({u".com"_s, u".net"_s}), [](const S &s) { return list(s.lastTlds()); }},
        {"DNS first", u"CheckDNS"_s, true, [](S &s) { s.setCheckDnsFirst(false); }, u"0"_s, false,
         [](const S &s) { return s.checkDnsFirst(); }},
        {"list order", u"ListOrder"_s, -1, [](S &s) { s.setListOrder(2); }, u"2"_s, 2,
         [](const S &s) { return s.listOrder(); }},
        {"geometry", u"WindowGeometry"_s, QByteArray(), [](S &s) { s.setWindowGeometry("\x01\x02"); }, u"AQI="_s,
         QByteArray("\x01\x02"), [](const S &s) { return s.windowGeometry(); }},
        {"skip days", u"SkipCheckedDays"_s, 0, [](S &s) { s.setSkipCheckedDays(30); }, u"30"_s, 30,
         [](const S &s) { return s.skipCheckedDays(); }},
        {"last source", u"LastSource"_s, -1, [](S &s) { s.setLastSource(3); }, u"3"_s, 3,
         [](const S &s) { return s.lastSource(); }},
        {"custom list", u"LastCustomList"_s, QString(), [](S &s) { s.setLastCustomList(u"/lists/mine.txt"_s); },
         u"/lists/mine.txt"_s, u"/lists/mine.txt"_s, [](const S &s) { return s.lastCustomList(); }},
        {"generator option", u"chkAdd1"_s, true, [](S &s) { s.setGeneratorOption(1, false); }, u"0"_s, false,
         [](const S &s) { return s.generatorOption(1); }},
        {"base word", u"txtMake"_s, QString(), [](S &s) { s.setGeneratorBaseWord(u"example"_s); }, u"example"_s,
         u"example"_s, [](const S &s) { return s.generatorBaseWord(); }},
        {"unticked", u"MakeUnticked"_s, list({}),
         [](S &s) {
             s.setGeneratorUntickedTlds({u".org"_s, u".io"_s});
         },
         u".org,.io"_s, list({u".org"_s, u".io"_s}), [](const S &s) { return list(s.generatorUntickedTlds()); }},
        {"purchase links", u"PurchaseLinks"_s, true, [](S &s) { s.setPurchaseLinksEnabled(false); }, u"0"_s, false,
         [](const S &s) { return s.purchaseLinksEnabled(); }},
        {"purchase address", u"PurchaseAddress"_s, QString(),
         [](S &s) { s.setPurchaseAddress(u"https://buy.example/"_s); }, u"https://buy.example/"_s,
         u"https://buy.example/"_s, [](const S &s) { return s.purchaseAddress(); }},
        {"account", u"CzdsAccountUrl"_s, standardUrl, [](S &s) { s.setCzdsAccountUrl(QUrl(u"http://127.0.0.1:1"_s)); },
         u"http://127.0.0.1:1"_s, QUrl(u"http://127.0.0.1:1"_s),
         [](const S &s) { return s.czdsAccountUrl(standardUrl); }},
        {"API", u"CzdsApiUrl"_s, standardUrl, [](S &s) { s.setCzdsApiUrl(QUrl(u"http://127.0.0.1:2"_s)); },
         u"http://127.0.0.1:2"_s, QUrl(u"http://127.0.0.1:2"_s), [](const S &s) { return s.czdsApiUrl(standardUrl); }},
        {"user", u"CzdsUser"_s, QString(), [](S &s) { s.setCzdsUser(u"hunter@example.org"_s); },
         u"hunter@example.org"_s, u"hunter@example.org"_s, [](const S &s) { return s.czdsUser(); }},
        {"zone age", u"ZoneMaxAgeDays"_s, 7, [](S &s) { s.setZoneMaxAgeDays(14); }, u"14"_s, 14,
         [](const S &s) { return s.zoneMaxAgeDays(7); }},
        {"zone stamp", u"ZoneDownloaded_org"_s, QDateTime(),
         [](S &s) { s.setZoneDownloadedAt(u"org"_s, QDateTime(QDate(2026, 12, 9), QTime(6, 0), Qt::UTC)); },
         u"2026-12-09T06:00:00Z"_s, QDateTime(QDate(2026, 12, 9), QTime(6, 0), Qt::UTC),
         [](const S &s) { return s.zoneDownloadedAt(u"org"_s); }},
    };
    return cases;
}

QString storedText(const QString &folder, const char *application, const QString &key)
{
    return platform::SettingsFile(folder).value(QLatin1String(application), key, QStringLiteral("(absent)"));
}

} // namespace

class TestProgramSettings : public QObject {
    Q_OBJECT
private slots:
    void keysKeepTheirNamesAndForms_data();
    void keysKeepTheirNamesAndForms();
    void positionsAreKeptApartFromSettings();
    void emptyLockOfAKilledWriterDoesNotHoldUpThePositionSave_data();
    void emptyLockOfAKilledWriterDoesNotHoldUpThePositionSave();
    void readIntAcceptsOnlyNumbers_data();
    void readIntAcceptsOnlyNumbers();
};

void TestProgramSettings::keysKeepTheirNamesAndForms_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(keyCases().size()); ++i)
        QTest::newRow(keyCases().at(i).name) << i;
}

void TestProgramSettings::keysKeepTheirNamesAndForms()
{
    QFETCH(int, index);
    const KeyCase &c = keyCases().at(index);
    QTemporaryDir dir;
    {
        ProgramSettings settings(dir.path());
        QCOMPARE(c.read(settings), c.whenAbsent);
        c.write(settings);
    }
    // Users' files keep working: the key and the stored form are those earlier versions wrote.
    QCOMPARE(storedText(dir.path(), platform::productName, c.key), c.stored);
    QCOMPARE(c.read(ProgramSettings(dir.path())), c.readBack);
}

void TestProgramSettings::positionsAreKeptApartFromSettings()
{
    QTemporaryDir dir;
    ProgramSettings settings(dir.path());
    QCOMPARE(settings.position(QStringLiteral("FullWordNum"), QStringLiteral("1")), QStringLiteral("1"));
    settings.savePositions({QStringLiteral("FullWordNum"), QStringLiteral("wordNumber")}, QStringLiteral("5001"));
    QCOMPARE(storedText(dir.path(), platform::positionsAppName, QStringLiteral("FullWordNum")), QStringLiteral("5001"));
    QCOMPARE(storedText(dir.path(), platform::positionsAppName, QStringLiteral("wordNumber")), QStringLiteral("5001"));
    QCOMPARE(storedText(dir.path(), platform::productName, QStringLiteral("wordNumber")), QStringLiteral("(absent)"));
    QCOMPARE(ProgramSettings(dir.path()).position(QStringLiteral("wordNumber"), QString()), QStringLiteral("5001"));
}

void TestProgramSettings::emptyLockOfAKilledWriterDoesNotHoldUpThePositionSave_data()
{
    QTest::addColumn<QByteArray>("lockText");
    QTest::addColumn<QString>("emptyFile");
    // Killed right after creating the lock.
    QTest::newRow("empty lock") << QByteArray() << QStringLiteral(".lock");
    // Killed while removing the lock of a writer that had died before (a process id no process has).
    QTest::newRow("empty removal lock") << QByteArray("2147483646\nquarrytide\n") +
                                               QSysInfo::machineHostName().toUtf8() + '\n'
                                        << QStringLiteral(".lock.rmlock");
}

void TestProgramSettings::emptyLockOfAKilledWriterDoesNotHoldUpThePositionSave()
{
    QFETCH(QByteArray, lockText);
    QFETCH(QString, emptyFile);
    QTemporaryDir dir;
    ProgramSettings settings(dir.path());
    const QStringList keys = {QStringLiteral("ListPosition"), QStringLiteral("wordNumber")};
    settings.savePositions(keys, QStringLiteral("1"));
    const QString settingsFile = settings.fileFor(platform::positionsAppName);
    QFile lock(settingsFile + QStringLiteral(".lock"));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(lockText);
    lock.close();
    QFile empty(settingsFile + emptyFile);
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    QElapsedTimer clock;
    clock.start();
    settings.savePositions(keys, QStringLiteral("2"));
    // A save that waited for the lock to grow old takes 30 seconds and leaves it in place.
    QVERIFY2(clock.elapsed() < 20000, "the save waited for the lock to grow old");
    QVERIFY(!lock.exists());
    QCOMPARE(ProgramSettings(dir.path()).position(QStringLiteral("ListPosition"), QString()), QStringLiteral("2"));
}

void TestProgramSettings::readIntAcceptsOnlyNumbers_data()
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

void TestProgramSettings::readIntAcceptsOnlyNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    int result = 99;
    QCOMPARE(platform::readInt(text, result), ok);
    QCOMPARE(result, value);
}

QTEST_GUILESS_MAIN(TestProgramSettings)
#include "tst_programsettings.moc"
