#include "FakeServices.h"
#include "StoredSettings.h"
#include "TestFolder.h"
#include "app/AppContext.h"
#include "app/MainWindowLoad.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

using namespace app;

namespace {

// Records what the load sequence asked of the window, and what the TLD table held when the window was
// told to show it.
class RecordingHost : public LoadHost {
public:
    explicit RecordingHost(const AppContext &context) : m_context(context) {}
    QStringList calls;
    QString title;
    QStringList enabledAtLastLoad;
    void loadTLDs() override
    {
        calls << QStringLiteral("loadTLDs");
        enabledAtLastLoad.clear();
        for (const tld::TldRecord &row : m_context.tlds.table()) {
            if (row.enabled)
                enabledAtLastLoad << row.extension;
        }
    }
    void setWindowIconFromResource() override { calls << QStringLiteral("icon"); }
    void setTitle(const QString &text) override { title = text; }
    void setWebsiteCaption(const QString &) override {}
    void setFrameCaption(const QString &) override {}
    void runHelpLauncher() override { calls << QStringLiteral("help"); }
    void resetIdleSeconds() override {}
    void loadRememberedList() override { calls << QStringLiteral("remembered"); }
    void maximize() override { calls << QStringLiteral("maximize"); }

private:
    const AppContext &m_context;
};

} // namespace

class TestStartupSequence : public QObject {
    Q_OBJECT
private slots:
    void firstStartLeavesTheWindowReady();
    void throttleThatIsNotANumberLeavesZero();
    void sharedValuesAreReadFromSettings();
    void titleRule();
    void readOnlyFilesAreNotTouched();
    void olderTablesAreOfferedThePopularTldsOnce_data();
    void olderTablesAreOfferedThePopularTldsOnce();
};

void TestStartupSequence::firstStartLeavesTheWindowReady()
{
    testing::TestFolder folder;
    testing::FakeServices fakes;
    AppContext context(folder.appFolder(), folder.settingsFolder(), fakes.services());
    app::initPartnerLinks(context.links);
    RecordingHost host(context);
    runMainWindowLoad(context, host);
    QCOMPARE(host.title, QStringLiteral("Quarrytide by Marlowfen"));
    for (const char *call : {"icon", "help", "remembered", "maximize"})
        QVERIFY2(host.calls.count(QLatin1String(call)) == 1, call);
    // The window shows the table the first start wrote: the popular TLDs enabled, gone ones absent.
    for (const char *popular : {"com", "net", "io", "ai", "xyz"})
        QVERIFY2(host.enabledAtLastLoad.contains(QLatin1String(popular)), popular);
    QCOMPARE(context.tlds.findTldIndex(QStringLiteral("x.64")), -1);
    QCOMPARE(context.tlds.findTldIndex(QStringLiteral("x.zoo")), -1);
    for (const char *file : {"TLDs.txt", "BrowserSearch.txt", "Appends.txt", "CreatedDomains.txt", "Remembered.txt"})
        QVERIFY2(QFileInfo(folder.file(QLatin1String(file))).isFile(), file);
    for (const char *name : {"backups", "overflow", "wordlists", "searches"})
        QVERIFY2(QFileInfo(folder.file(QLatin1String(name))).isDir(), name);
    QCOMPARE(fakes.messages.shown.size(), 1); // the first-use message
    QCOMPARE(context.startPauseTicks, 25);
    // The next start neither greets nor opens the help again.
    RecordingHost again(context);
    runMainWindowLoad(context, again);
    QCOMPARE(fakes.messages.shown.size(), 1);
    QCOMPARE(again.calls.count(QStringLiteral("help")), 0);
}

void TestStartupSequence::throttleThatIsNotANumberLeavesZero()
{
    testing::TestFolder folder;
    testing::FakeServices fakes;
    AppContext context(folder.appFolder(), folder.settingsFolder(), fakes.services());
    testing::StoredSettings(context.settings.folder()).plant(QStringLiteral("Throttle"), QStringLiteral("fast"));
    RecordingHost host(context);
    runMainWindowLoad(context, host);
    QCOMPARE(context.startPauseTicks, 0);
    QVERIFY(!context.tlds.table().isEmpty()); // the load went on after the bad values
}

void TestStartupSequence::sharedValuesAreReadFromSettings()
{
    testing::TestFolder folder;
    testing::FakeServices fakes;
    AppContext context(folder.appFolder(), folder.settingsFolder(), fakes.services());
    testing::StoredSettings(context.settings.folder()).plant(QStringLiteral("chkProxy"), QStringLiteral("2"));
    testing::StoredSettings(context.settings.folder()).plant(QStringLiteral("DefaultExt"), QStringLiteral(".net"));
    testing::StoredSettings(context.settings.folder()).plant(QStringLiteral("Throttle"), QStringLiteral("40"));
    RecordingHost host(context);
    runMainWindowLoad(context, host);
    QVERIFY(context.tlds.useProxy());
    QCOMPARE(context.tlds.defaultExt(), QStringLiteral(".net"));
    QCOMPARE(context.startPauseTicks, 40);
    testing::StoredSettings(context.settings.folder()).plant(QStringLiteral("chkProxy"), QStringLiteral("yes"));
    runMainWindowLoad(context, host);
    QVERIFY(!context.tlds.useProxy());
}

void TestStartupSequence::titleRule()
{
    QCOMPARE(windowTitle(QStringLiteral("Quarrytide"), QStringLiteral("Marlowfen")),
             QStringLiteral("Quarrytide by Marlowfen"));
    QCOMPARE(windowTitle(QStringLiteral("Lanterly Pro"), QStringLiteral("Marlowfen")), QStringLiteral("Lanterly Pro"));
    QCOMPARE(windowTitle(QStringLiteral("Lanterly"), QStringLiteral("M")), QStringLiteral("Lanterly by M"));
}

void TestStartupSequence::readOnlyFilesAreNotTouched()
{
    testing::TestFolder folder;
    testing::FakeServices fakes;
    folder.write(QStringLiteral("Appends.txt"), "");
    folder.write(QStringLiteral("TLDs.txt"), "com|a|43|Enabled|25|x\r\n");
    QDir(folder.appFolder()).mkdir(QStringLiteral("WordLists"));
    AppContext context(folder.appFolder(), folder.settingsFolder(), fakes.services());
    testing::StoredSettings(context.settings.folder()).plant(QStringLiteral("FirstUse"), QStringLiteral("NO"));
    RecordingHost host(context);
    fakes.messages.nextAnswers = {platform::MessageAnswer::Cancel};
    runMainWindowLoad(context, host);
    QCOMPARE(folder.read(QStringLiteral("Appends.txt")), QByteArray());
    QCOMPARE(folder.read(QStringLiteral("TLDs.txt")), QByteArray("com|a|43|Enabled|25|x\r\n"));
    // The folder that exists under another spelling is the one folder; no lower-case twin appears.
    QVERIFY(!QDir(folder.file(QStringLiteral("wordlists"))).exists() ||
            QDir(folder.appFolder()).entryList({QStringLiteral("*ord*")}, QDir::Dirs).size() == 1);
}

void TestStartupSequence::olderTablesAreOfferedThePopularTldsOnce_data()
{
    QTest::addColumn<bool>("accepted");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void TestStartupSequence::olderTablesAreOfferedThePopularTldsOnce()
{
    QFETCH(bool, accepted);
    const QByteArray older = "com|whois.example.com|43|Enabled|25|No match\r\n"
                             "dev|whois.example.dev|43|Disabled|25|No match\r\n"
                             "IO|whois.example.io|43|Disabled|25|No match\r\n";
    testing::TestFolder folder;
    testing::FakeServices fakes;
    folder.write(QStringLiteral("TLDs.txt"), older);
    AppContext context(folder.appFolder(), folder.settingsFolder(), fakes.services());
    testing::StoredSettings(context.settings.folder()).plant(QStringLiteral("FirstUse"), QStringLiteral("NO"));
    RecordingHost host(context);
    fakes.messages.nextAnswers = {accepted ? platform::MessageAnswer::Ok : platform::MessageAnswer::Cancel};
    runMainWindowLoad(context, host);
    QCOMPARE(fakes.messages.texts(),
             QStringList{QStringLiteral("Your TLD table has no rows for these popular TLDs: ai, app, biz, co, info, "
                                        "me, online, shop, site, store, tech, xyz.\r\n\r\nAdd them as enabled rows "
                                        "at the end of the table? The rows you have stay as they are.")});
    const QByteArray table = folder.read(QStringLiteral("TLDs.txt"));
    QVERIFY(table.startsWith(older));
    QCOMPARE(table.size() > older.size(), accepted);
    const tld::TldRecord *ai = context.tlds.rowFor(QStringLiteral("x.ai"));
    QCOMPARE(ai && ai->enabled, accepted);
    QCOMPARE(host.calls.count(QStringLiteral("loadTLDs")), accepted ? 2 : 1);
    // Asked once, whatever the answer.
    runMainWindowLoad(context, host);
    QCOMPARE(fakes.messages.shown.size(), 1);
    QCOMPARE(folder.read(QStringLiteral("TLDs.txt")), table);
}

QTEST_GUILESS_MAIN(TestStartupSequence)
#include "tst_startupsequence.moc"
