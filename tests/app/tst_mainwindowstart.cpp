#include "FakeServices.h"
#include "StoredSettings.h"
#include "TestFolder.h"
#include "app/AppContext.h"
#include "app/ui/MainWindow.h"
#include "app/ui/SplashWindow.h"
#include "engine/ui/ServerProblemsWindow.h"
#include "platform/Intervals.h"
#include "results/ui/ResultsDesk.h"
#include "results/ui/SkippedWindow.h"
#include "sources/ui/GeneratorWindow.h"
#include "sources/ui/SourcePanel.h"
#include "sources/ui/TldChooser.h"
#include "tld/ui/TldManagerWindow.h"

#include <QAccessible>
#include <QLineEdit>

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
    void chooserListsEnabledRowsFromTheFirstStart();
    void controlsCarryTheirNames();
    void fitsASmallScreenWithNothingCutOff();
    void listOrderIsRemembered();
    void companionWindowsOpenOnceAndAfreshAfterClosing();
    void splashHandsOverOnTheSeventyFifthTick();
    void readOnlyFolderStillStarts();
    void everyControlHasAnAccessibleName();
    void windowSourceAndTldComeBackAfterARestart();

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
    QCOMPARE(s.context->tlds.table().size(), 134);
    QCOMPARE(testing::StoredSettings(s.context->settings.folder()).setting(QStringLiteral("showHelp")),
             QStringLiteral("0"));
    QCOMPARE(testing::StoredSettings(s.context->settings.folder()).setting(QStringLiteral("FirstUse")),
             QStringLiteral("NO"));
    QCOMPARE(s.fakes.messages.shown.size(), 1);
    QVERIFY(s.fakes.messages.shown.at(0).text.startsWith(QStringLiteral("Since this is your first time")));
    QVERIFY(s.fakes.messages.shown.at(0).text.contains(
        QStringLiteral("\r\n\r\nBy default, .COM, .NET and the popular TLDs .IO, .AI,")));
    QCOMPARE(s.fakes.messages.shown.at(0).icon, platform::MessageRequest::Icon::None);
    QCOMPARE(s.window->windowTitle(), QStringLiteral("Quarrytide by Marlowfen"));
    QVERIFY(s.window->desk()->websiteButton()->text().remove(QLatin1Char('&')).startsWith(QStringLiteral("Visit ")));
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

void TestMainWindowStart::chooserListsEnabledRowsFromTheFirstStart()
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
    // The table written at the first start offers its enabled rows at once, in table order.
    const QString firstStart = items(first).join(QLatin1Char(' '));
    QCOMPARE(firstStart, QStringLiteral("(default: .com) ai app biz co com dev info io me net online shop site store "
                                        "tech xyz (default: .com)"));
    testing::StoredSettings(first.context->settings.folder())
        .plant(QStringLiteral("DefaultExt"), QStringLiteral(".net"));
    Started second;
    start(second, folder);
    QCOMPARE(items(second).join(QLatin1Char(' ')),
             QString(firstStart).replace(QStringLiteral(".com"), QStringLiteral(".net")));
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
    // At rest the panels are empty: no placeholder words.
    for (int number = 1; number <= 3; ++number)
        QCOMPARE(s.window->statusPanel(number)->text(), QString());
    QVERIFY(s.window->menuItem(QStringLiteral("mnuEditItem_9")));
    QCOMPARE(s.window->menuItem(QStringLiteral("mnuToolsItem_8"))->text().remove(QLatin1Char('&')),
             QStringLiteral("Custom List"));
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
    QVERIFY(s.context->tlds.table().size() > 100);
    QVERIFY(s.context->tlds.findTldIndex(QStringLiteral("x.de")) >= 0);
    QCOMPARE(s.fakes.messages.shown.size(), 1);
    QCOMPARE(QFileInfo(folder.appFolder()).size(), 0);
}

namespace {

// What a screen reader says for every control the Tab key or a click can reach in @p window.
QStringList unnamedControls(QWidget *window)
{
    QStringList unnamed;
    const auto controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(window) || control->focusProxy())
            continue;
        const bool inner = qobject_cast<QAbstractScrollArea *>(control->parentWidget()) ||
                           (control->inherits("QLineEdit") && control->parentWidget()->inherits("QComboBox"));
        if (inner)
            continue; // a viewport or a combo box's own field: the outer control carries the name
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(control);
        if (!spoken || spoken->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.append(control->objectName() + QLatin1Char('(') +
                           QLatin1String(control->metaObject()->className()) + QLatin1Char(')'));
    }
    return unnamed;
}

} // namespace

void TestMainWindowStart::everyControlHasAnAccessibleName()
{
    testing::TestFolder folder;
    Started s;
    start(s, folder);
    s.window->show();
    for (int source = 0; source < 2; ++source) {
        // The word panel and the search panel show different controls.
        s.window->sourcePanel()->sourceList()->setCurrentIndex(source == 0 ? 4 : 3);
        const QStringList unnamed = unnamedControls(s.window.get());
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }
    // The read-only entry count is not a stop of the Tab key, and the TLD comes before Start.
    QCOMPARE(s.window->sourcePanel()->entryCount()->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(s.window->sourcePanel()->startNumber()->nextInFocusChain(),
             static_cast<QWidget *>(s.window->sourcePanel()->tldChooser()));
    s.window->openTldManager();
    const QStringList unnamed = unnamedControls(s.window->tldManager());
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

void TestMainWindowStart::windowSourceAndTldComeBackAfterARestart()
{
    testing::TestFolder folder;
    {
        Started zero; // writes the TLD table, whose rows the chooser offers from the next start
        start(zero, folder);
        QCOMPARE(zero.window->windowState() & Qt::WindowMaximized, Qt::WindowMaximized); // the first start fills
    }
    {
        Started first;
        start(first, folder);
        first.window->setWindowState(Qt::WindowNoState);
        first.window->show();
        first.window->setGeometry(40, 50, 900, 600);
        QComboBox *tlds = first.window->sourcePanel()->tldChooser();
        tlds->setCurrentIndex(tlds->findData(QStringLiteral("net")));
        emit tlds->activated(tlds->currentIndex());
        first.window->sourcePanel()->sourceList()->setCurrentIndex(5); // Two Letter Domains
        first.window->close();
    }
    Started second;
    start(second, folder);
    second.window->show();
    QVERIFY(!(second.window->windowState() & Qt::WindowMaximized));
    QCOMPARE(second.window->size(), QSize(900, 600));
    QCOMPARE(second.window->sourcePanel()->sourceList()->currentIndex(), 5);
    QCOMPARE(second.window->sourcePanel()->entryCount()->text(), QStringLiteral("0")); // its list, still empty
    QCOMPARE(second.window->sourcePanel()->tldChooser()->currentData().toString(), QStringLiteral("net"));
}

void TestMainWindowStart::fitsASmallScreenWithNothingCutOff()
{
    // 1400 x 900 at twice the size, less the window's frame: what the window must fit into.
    const QSize room(684, 402);
    testing::TestFolder folder;
    Started s;
    start(s, folder);
    s.window->menuItem(QStringLiteral("mnuToolsItem_2"))->trigger(); // the search panel, the wider one
    s.window->setWindowState(Qt::WindowNoState);                     // a first start fills the screen
    s.window->resize(room);
    s.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
    QVERIFY2(s.window->minimumSizeHint().width() <= room.width() &&
                 s.window->minimumSizeHint().height() <= room.height(),
             qPrintable(QStringLiteral("needs %1 x %2")
                            .arg(s.window->minimumSizeHint().width())
                            .arg(s.window->minimumSizeHint().height())));
    QCOMPARE(s.window->size(), room);
    const auto buttons = s.window->findChildren<QPushButton *>();
    for (const QPushButton *button : buttons) {
        if (!button->isVisible())
            continue;
        const int needed = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&')));
        QVERIFY2(button->width() >= needed, qPrintable(button->objectName()));
        // Inside the window, unless it stands in the columns that scroll sideways.
        const QRect shown(button->mapTo(s.window.get(), QPoint(0, 0)), button->size());
        const bool scrolls = s.window->findChild<QWidget *>(QStringLiteral("listColumns"))->isAncestorOf(button);
        QVERIFY2(scrolls || s.window->rect().contains(shown), qPrintable(button->objectName()));
    }
}

void TestMainWindowStart::listOrderIsRemembered()
{
    testing::TestFolder folder;
    {
        Started first;
        start(first, folder);
        first.window->desk()->orderChooser()->setCurrentIndex(2);
    }
    Started second;
    start(second, folder);
    QCOMPARE(second.window->desk()->orderChooser()->currentIndex(), 2);
}

void TestMainWindowStart::companionWindowsOpenOnceAndAfreshAfterClosing()
{
    testing::TestFolder folder;
    Started s;
    start(s, folder);
    MainWindow &w = *s.window;
    struct Companion {
        const char *name;
        std::function<void()> open;
        std::function<QWidget *()> current;
        bool hidesOnClose; // the same window comes back; the others are deleted after closing
    };
    const Companion companions[] = {
        {"TLD manager", [&w] { w.openTldManager(); }, [&w] { return w.tldManager(); }, false},
        {"servers", [&w] { w.openServerProblems(); }, [&w] { return w.serverProblemsWindow(); }, false},
        {"generator", [&w] { w.openGenerator(); }, [&w] { return w.generatorWindow(); }, false},
        {"skipped", [&w] { w.openSkippedWindow(); }, [&w] { return w.skippedWindow(); }, true},
    };
    for (const Companion &companion : companions) {
        companion.open();
        const QPointer<QWidget> first = companion.current();
        companion.open();
        QVERIFY2(first && companion.current() == first, companion.name);
        first->close();
        // Opened again before the closed one's deferred deletion: never the window on its way out.
        companion.open();
        const QPointer<QWidget> second = companion.current();
        if (!companion.hidesOnClose)
            QTRY_VERIFY2(first.isNull(), companion.name);
        QVERIFY2(second && second->isVisible() && (second == first) == companion.hidesOnClose, companion.name);
    }
}

QTEST_MAIN(TestMainWindowStart)
#include "tst_mainwindowstart.moc"
