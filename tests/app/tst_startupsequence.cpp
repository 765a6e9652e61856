#include "FakeServices.h"
#include "TestFolder.h"
#include "app/AppContext.h"
#include "app/MainWindowLoad.h"

#include <QDir>
#include <QtTest>

using namespace app;

namespace {

// Records the order in which the load sequence calls back into the window.
class RecordingHost : public LoadHost {
public:
    QStringList calls;
    QString title;
    void loadTLDs() override { calls << QStringLiteral("loadTLDs"); }
    void setWindowIconFromResource() override { calls << QStringLiteral("icon"); }
    void setTitle(const QString &text) override
    {
        title = text;
        calls << QStringLiteral("title");
    }
    void setWebsiteCaption(const QString &) override { calls << QStringLiteral("website"); }
    void setFrameCaption(const QString &) override { calls << QStringLiteral("frame"); }
    void runHelpLauncher() override { calls << QStringLiteral("help"); }
    void resetIdleSeconds() override { calls << QStringLiteral("idle"); }
    void loadRememberedList() override { calls << QStringLiteral("remembered"); }
    void maximize() override { calls << QStringLiteral("maximize"); }
};

} // namespace

class TestStartupSequence : public QObject {
    Q_OBJECT
private slots:
    void stepsRunInOrder();
    void throttleThatIsNotANumberLeavesZero();
    void sharedValuesAreReadFromSettings();
    void titleRule();
    void readOnlyFilesAreNotTouched();
};

void TestStartupSequence::stepsRunInOrder()
{
    testing::TestFolder folder;
    testing::FakeServices fakes;
    AppContext context(folder.appFolder(), folder.settingsFolder(), fakes.services());
    app::initPartnerLinks(context.links);
    RecordingHost host;
    runMainWindowLoad(context, host);
    QCOMPARE(host.calls,
             (QStringList{QStringLiteral("loadTLDs"), QStringLiteral("icon"), QStringLiteral("title"),
                          QStringLiteral("website"), QStringLiteral("frame"), QStringLiteral("help"),
                          QStringLiteral("idle"), QStringLiteral("remembered"), QStringLiteral("maximize")}));
    QCOMPARE(context.tlds.table().size(), 179);
    QCOMPARE(context.startPauseTicks, 25);
}

void TestStartupSequence::throttleThatIsNotANumberLeavesZero()
{
    testing::TestFolder folder;
    testing::FakeServices fakes;
    AppContext context(folder.appFolder(), folder.settingsFolder(), fakes.services());
    context.settings.saveProduct(QStringLiteral("Throttle"), QStringLiteral("fast"));
    RecordingHost host;
    runMainWindowLoad(context, host);
    QCOMPARE(context.startPauseTicks, 0);
    QCOMPARE(context.tlds.table().size(), 179); // the load went on after the bad values
}

void TestStartupSequence::sharedValuesAreReadFromSettings()
{
    testing::TestFolder folder;
    testing::FakeServices fakes;
    AppContext context(folder.appFolder(), folder.settingsFolder(), fakes.services());
    context.settings.saveProduct(QStringLiteral("chkProxy"), QStringLiteral("2"));
    context.settings.saveProduct(QStringLiteral("DefaultExt"), QStringLiteral(".net"));
    context.settings.saveProduct(QStringLiteral("Throttle"), QStringLiteral("40"));
    RecordingHost host;
    runMainWindowLoad(context, host);
    QVERIFY(context.tlds.useProxy());
    QCOMPARE(context.tlds.defaultExt(), QStringLiteral(".net"));
    QCOMPARE(context.startPauseTicks, 40);
    context.settings.saveProduct(QStringLiteral("chkProxy"), QStringLiteral("yes"));
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
    RecordingHost host;
    runMainWindowLoad(context, host);
    QCOMPARE(folder.read(QStringLiteral("Appends.txt")), QByteArray());
    QCOMPARE(folder.read(QStringLiteral("TLDs.txt")), QByteArray("com|a|43|Enabled|25|x\r\n"));
    // The folder that exists under another spelling is the one folder; no lower-case twin appears.
    QVERIFY(!QDir(folder.file(QStringLiteral("wordlists"))).exists() ||
            QDir(folder.appFolder()).entryList({QStringLiteral("*ord*")}, QDir::Dirs).size() == 1);
}

QTEST_GUILESS_MAIN(TestStartupSequence)
#include "tst_startupsequence.moc"
