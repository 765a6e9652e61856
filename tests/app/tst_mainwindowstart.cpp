#include "FakeServices.h"
#include "TestFolder.h"
#include "app/AppContext.h"
#include "app/ui/MainWindow.h"
#include "app/ui/SplashWindow.h"
#include "platform/Intervals.h"
#include "results/ui/ResultsDesk.h"
#include "tld/DefaultTlds.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QtTest>

using namespace app;

class TestMainWindowStart : public QObject {
    Q_OBJECT
private slots:
    void firstStartCreatesFilesFoldersAndShowsMessageOnce();
    void secondStartChangesNothing();
    void chooserListsEnabledRowsFromTheSecondStart();
    void controlsCarryTheirNames();
    void splashHandsOverOnTheSeventyFifthTick();
    void readOnlyFolderStillStarts();

private:
    struct Started {
        testing::FakeServices fakes;
        std::unique_ptr<AppContext> context;
        std::unique_ptr<MainWindow> window;
    };
    static void start(Started &started, const testing::TestFolder &folder);
};

void TestMainWindowStart::start(Started &started, const testing::TestFolder &folder)
{
    started.context =
        std::make_unique<AppContext>(folder.appFolder(), folder.settingsFolder(), started.fakes.services());
    app::initPartnerLinks(started.context->links);
    started.window = std::make_unique<MainWindow>(*started.context);
    started.window->load();
}

void TestMainWindowStart::firstStartCreatesFilesFoldersAndShowsMessageOnce()
{
    testing::TestFolder folder;
    Started s;
    start(s, folder);
    for (const QString &name : startupListFiles())
        QCOMPARE(folder.read(name), QByteArray("\r\n"));
    QStringList folders = QDir(folder.appFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    folders.sort();
    QCOMPARE(folders, (QStringList{QStringLiteral("backups"), QStringLiteral("overflow"), QStringLiteral("searches"),
                                   QStringLiteral("wordlists")}));
    QCOMPARE(s.context->tlds.table().size(), 179);
    QCOMPARE(s.context->settings.product(QStringLiteral("showHelp"), QString()), QStringLiteral("0"));
    QCOMPARE(s.context->settings.product(QStringLiteral("FirstUse"), QString()), QStringLiteral("NO"));
    QCOMPARE(s.fakes.messages.shown.size(), 1);
    QVERIFY(s.fakes.messages.shown.at(0).text.startsWith(QStringLiteral("Since this is your first time")));
    QVERIFY(s.fakes.messages.shown.at(0).text.contains(QStringLiteral("\r\n\r\nBy default, only .COM and .NET")));
    QCOMPARE(s.fakes.messages.shown.at(0).icon, platform::MessageRequest::Icon::None);
    QCOMPARE(s.window->windowTitle(), QStringLiteral("Quarrytide by Marlowfen"));
    QVERIFY(s.window->desk()->websiteButton()->text().startsWith(QStringLiteral("Visit ")));
    QCOMPARE(s.window->desk()->title(), QStringLiteral("Domain Name Manager - Double Click any domain to purchase"));
}

void TestMainWindowStart::secondStartChangesNothing()
{
    testing::TestFolder folder;
    {
        Started first;
        start(first, folder);
    }
    folder.write(QStringLiteral("Remembered.txt"), "");
    const QByteArray table = folder.read(QStringLiteral("TLDs.txt"));
    const QDateTime stamp = QFileInfo(folder.file(QStringLiteral("TLDs.txt"))).lastModified();
    Started second;
    start(second, folder);
    QVERIFY(second.fakes.messages.shown.isEmpty());
    QVERIFY(second.fakes.shell.openedFiles.isEmpty());
    QCOMPARE(folder.read(QStringLiteral("Remembered.txt")), QByteArray());
    QCOMPARE(folder.read(QStringLiteral("TLDs.txt")), table);
    QCOMPARE(QFileInfo(folder.file(QStringLiteral("TLDs.txt"))).lastModified(), stamp);
}

void TestMainWindowStart::chooserListsEnabledRowsFromTheSecondStart()
{
    testing::TestFolder folder;
    Started first;
    start(first, folder);
    auto items = [](const Started &s) {
        auto *chooser = s.window->findChild<QComboBox *>(QStringLiteral("cmbTLDs"));
        QStringList texts;
        for (int i = 0; i < chooser->count(); ++i)
            texts.append(chooser->itemText(i));
        return texts + QStringList{chooser->currentText()};
    };
    QCOMPARE(items(first), (QStringList{QStringLiteral("(default: .com)"), QStringLiteral("(default: .com)")}));
    first.context->settings.saveProduct(QStringLiteral("DefaultExt"), QStringLiteral(".net"));
    Started second;
    start(second, folder);
    QCOMPARE(items(second), (QStringList{QStringLiteral("(default: .net)"), QStringLiteral("com"),
                                         QStringLiteral("net"), QStringLiteral("(default: .net)")}));
}

void TestMainWindowStart::controlsCarryTheirNames()
{
    testing::TestFolder folder;
    Started s;
    start(s, folder);
    const QStringList names = {QStringLiteral("Combo1"),  QStringLiteral("txtWordNum"), QStringLiteral("txtWordMax"),
                               QStringLiteral("cmbTLDs"), QStringLiteral("txtSearch"),  QStringLiteral("Combo2"),
                               QStringLiteral("Frame2")};
    for (const QString &name : names)
        QVERIFY2(s.window->findChild<QWidget *>(name), qPrintable(name + QStringLiteral(" is missing")));
    const QStringList buttons = {QStringLiteral("cmdDoSearch"), QStringLiteral("Command3"),
                                 QStringLiteral("cmdCreate"),   QStringLiteral("cmdSetup"),
                                 QStringLiteral("cmdWebsite"),  QStringLiteral("cmdCopy_5"),
                                 QStringLiteral("cmdClear_1"),  QStringLiteral("cmdClear2_4")};
    for (const QString &name : buttons)
        QVERIFY2(s.window->findChild<QPushButton *>(name), qPrintable(name + QStringLiteral(" is missing")));
    for (int n = 1; n <= 5; ++n) {
        QVERIFY(s.window->findChild<QListView *>(QStringLiteral("List") + QString::number(n)));
        QVERIFY(s.window->findChild<QLabel *>(QStringLiteral("Label") + QString::number(n)));
    }
    QCOMPARE(s.window->findChild<QLabel *>(QStringLiteral("Label3"))->text(), QStringLiteral("High Profile"));
    QCOMPARE(s.window->statusPanel(1)->text(), QStringLiteral("Entry Status"));
    QCOMPARE(s.window->statusPanel(2)->text(), QStringLiteral("Open Connections"));
    QCOMPARE(s.window->statusPanel(3)->text(), QStringLiteral("Connection Status"));
    QVERIFY(s.window->menuItem(QStringLiteral("mnuEditItem_9")));
    QCOMPARE(s.window->menuItem(QStringLiteral("mnuToolsItem_8"))->text(), QStringLiteral("Custom List"));
    s.window->menuItem(QStringLiteral("mnuToolsItem_4"))->trigger();
    QCOMPARE(s.window->findChild<QComboBox *>(QStringLiteral("Combo1"))->currentText(),
             QStringLiteral("Full Word List"));
}

void TestMainWindowStart::splashHandsOverOnTheSeventyFifthTick()
{
    testing::TestFolder folder;
    testing::FakeServices fakes;
    AppContext context(folder.appFolder(), folder.settingsFolder(), fakes.services());
    int handOvers = 0;
    SplashWindow splash(context, [&handOvers] { ++handOvers; });
    splash.load();
    splash.show();
    QVERIFY(context.links.purchaseLinksEnabled);
    QTRY_COMPARE_WITH_TIMEOUT(handOvers, 1, 5000);
    QCOMPARE(splash.counter(), 150);
    QVERIFY(splash.isHidden());
    QTest::qWait(50);
    QCOMPARE(handOvers, 1);
}

void TestMainWindowStart::readOnlyFolderStillStarts()
{
    testing::TestFolder folder;
    // A file where the application folder should be: nothing can be created, the window still loads.
    QDir().rmdir(folder.appFolder());
    QFile blocker(folder.appFolder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Started s;
    start(s, folder);
    // Checking still works: from the built-in table, kept in memory.
    QCOMPARE(s.context->tlds.table().size(), tld::defaultTldRows().size());
    QCOMPARE(s.fakes.messages.shown.size(), 1);
    QCOMPARE(QFileInfo(folder.appFolder()).size(), 0);
}

QTEST_MAIN(TestMainWindowStart)
#include "tst_mainwindowstart.moc"
