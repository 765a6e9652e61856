#include "HttpFixtureServer.h"
#include "StartedProgram.h"
#include "StoredSettings.h"
#include "WhoisFixtureServer.h"
#include "app/AppContext.h"
#include "app/ui/MainWindow.h"
#include "platform/Intervals.h"
#include "results/ui/ResultsDesk.h"
#include "tld/ui/TldManagerWindow.h"
#include "tld/ui/WhoisWindow.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeView>
#include <QtTest>

using testing::WhoisFixtureServer;

namespace {

// A started main window over a fresh folder whose table is written by the test.
struct Program : testing::PreparedFolder, testing::StartedProgram {
    explicit Program(const QByteArray &table) : PreparedFolder(table), StartedProgram(folder)
    {
        fakes.messages.shown.clear();
    }

    QByteArray file() const { return folder.read(QStringLiteral("TLDs.txt")); }
};

QByteArray tableFor(quint16 port)
{
    const QByteArray p = QByteArray::number(port);
    return "zz|whois.zz.example|43|Disabled|25|free\r\n"
           "com|127.0.0.1|" +
           p +
           "|Enabled|25|No match\r\n"
           "aa|whois.aa.example|43|Disabled|25|free\r\n";
}

template <typename T> T *child(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qWarning("%s is missing", qPrintable(name));
    return found;
}

QTreeView *listOf(QWidget *manager)
{
    return child<QTreeView>(manager, QStringLiteral("lstDomains"));
}

// The first shown row of @p extension, column @p column.
QModelIndex cellOf(QTreeView *list, const QString &extension, int column = 0)
{
    const QAbstractItemModel *rows = list->model();
    for (int row = 0; row < rows->rowCount(); ++row) {
        if (rows->index(row, 0).data().toString() == extension)
            return rows->index(row, column);
    }
    return {};
}

QString textOf(QTreeView *list, const QString &extension, int column)
{
    return cellOf(list, extension, column).data().toString();
}

// The extensions in the order the list shows them.
QStringList shown(QTreeView *list)
{
    QStringList extensions;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        extensions.append(list->model()->index(row, 0).data().toString());
    return extensions;
}

// A click on the row, as the user makes it.
void select(QTreeView *list, const QString &extension)
{
    const QModelIndex index = cellOf(list, extension);
    QVERIFY2(index.isValid(), qPrintable(extension + QStringLiteral(" is not shown")));
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

QString selectedExtension(QTreeView *list)
{
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.constFirst().data().toString() : QString();
}

} // namespace

class TestTldWindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void opensOnceWithoutBlockingFromButtonAndMenu();
    void editsRowsThroughTheWindow();
    void deleteAfterSortingKeepsFileOrder();
    void unreadableRowSurvivesADelete();
    void filterFindsTheExtensionFirst();
    void editedRowStaysSelectedUnderAFilter();
    void portAndThrottleSortAsNumbers_data();
    void portAndThrottleSortAsNumbers();
    void defaultExtensionFocusOut();
    void testSelectedReportsWithTheEditedPhrases();
    void testSelectedAsksTheSelectedRowOrSaysWhyNot();
    void closingRefreshesTheChooser();
    void lookupWindowShowsOnlyTheLatestDomain();
    void lookupWindowShowsAnRdapRecordReadably();
    void serverUpdateDownloadsTheBootstrapFile_data();
    void serverUpdateDownloadsTheBootstrapFile();
};

void TestTldWindows::init()
{
    platform::intervals().secondMs = 20;
}

void TestTldWindows::opensOnceWithoutBlockingFromButtonAndMenu()
{
    Program program(tableFor(43));
    program.window->desk()->setupButton()->click();
    tld::TldManagerWindow *manager = program.window->tldManager();
    QVERIFY2(manager, "frmSettings did not open");
    QVERIFY(manager->isVisible());
    QVERIFY(!manager->isModal());
    QCOMPARE(manager->objectName(), QStringLiteral("frmSettings"));
    QCOMPARE(manager->windowTitle(), QStringLiteral("TLD Manager"));
    program.window->menuItem(QStringLiteral("mnuOptionsItem_0"))->trigger();
    QCOMPARE(program.window->tldManager(), manager);
    QCOMPARE(program.window->findChildren<tld::TldManagerWindow *>().size(), 1);

    const QStringList visible = {
        QStringLiteral("lstDomains"), QStringLiteral("txtExt"),      QStringLiteral("txtServer"),
        QStringLiteral("txtPort"),    QStringLiteral("txtThrottle"), QStringLiteral("txtSuccess"),
        QStringLiteral("cmdSave"),    QStringLiteral("Command1"),    QStringLiteral("cmdToggle"),
        QStringLiteral("Command2"),   QStringLiteral("Command3"),    QStringLiteral("cmdTest"),
        QStringLiteral("txtsearch"),  QStringLiteral("chkProxy"),    QStringLiteral("txtDefault"),
        QStringLiteral("txtFilter"),  QStringLiteral("txtAnswer"),   QStringLiteral("cmdCopyAnswer")};
    for (const QString &name : visible) {
        auto *control = manager->findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name + QStringLiteral(" is missing")));
        QVERIFY2(control->isVisible(), qPrintable(name + QStringLiteral(" is hidden")));
        QVERIFY2(!QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(),
                 qPrintable(name + QStringLiteral(" has no accessible name")));
    }
    for (const QString &name : {QStringLiteral("Command4"), QStringLiteral("txtthrot")}) {
        auto *control = manager->findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name + QStringLiteral(" is missing")));
        QVERIFY2(!control->isVisible(), qPrintable(name + QStringLiteral(" is visible")));
    }
    QTreeView *list = listOf(manager);
    QCOMPARE(list->model()->rowCount(), 3);
    QCOMPARE(list->model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Success"));
    QCOMPARE(child<QLineEdit>(manager, QStringLiteral("txtsearch"))->text(), QStringLiteral("Google"));
    QCOMPARE(child<QLineEdit>(manager, QStringLiteral("txtDefault"))->text(), QStringLiteral(".com"));
    // Opening stores the browse pause it shows.
    QCOMPARE(testing::StoredSettings(program.context->settings.folder()).setting(QStringLiteral("Throttle")),
             QStringLiteral("20"));

    child<QCheckBox>(manager, QStringLiteral("chkProxy"))->click();
    QVERIFY(program.context->tlds.useProxy());
    QCOMPARE(testing::StoredSettings(program.context->settings.folder()).setting(QStringLiteral("chkProxy")),
             QStringLiteral("1"));
    child<QLineEdit>(manager, QStringLiteral("txtsearch"))->setText(QStringLiteral("Example"));
    QCOMPARE(testing::StoredSettings(program.context->settings.folder()).setting(QStringLiteral("DefaultSearch")),
             QStringLiteral("Example"));
}

void TestTldWindows::editsRowsThroughTheWindow()
{
    Program program(tableFor(43));
    program.window->openTldManager();
    tld::TldManagerWindow *manager = program.window->tldManager();
    QTreeView *list = listOf(manager);
    auto *server = child<QLineEdit>(manager, QStringLiteral("txtServer"));
    select(list, QStringLiteral("aa"));
    QCOMPARE(server->text(), QStringLiteral("whois.aa.example"));
    QCOMPARE(child<QLineEdit>(manager, QStringLiteral("txtSuccess"))->text(), QStringLiteral("free"));
    server->setText(QStringLiteral("whois.new.example"));
    child<QPushButton>(manager, QStringLiteral("cmdSave"))->click();
    QVERIFY(program.file().contains("aa|whois.new.example|43|Disabled|25|free\r\n"));
    QCOMPARE(textOf(list, QStringLiteral("aa"), 1), QStringLiteral("whois.new.example"));

    child<QPushButton>(manager, QStringLiteral("Command1"))->click();
    QVERIFY(server->text().isEmpty());
    child<QPushButton>(manager, QStringLiteral("cmdSave"))->click();
    child<QLineEdit>(manager, QStringLiteral("txtExt"))->setText(QStringLiteral("io"));
    child<QPushButton>(manager, QStringLiteral("cmdSave"))->click();
    QCOMPARE(
        program.fakes.messages.texts(),
        (QStringList{QStringLiteral("Please enter valid information for all fields. The Extension field is empty."),
                     QStringLiteral("Please enter valid information for all fields. The Server field is empty.")}));
    QCOMPARE(manager->focusWidget(), server);

    select(list, QStringLiteral("aa"));
    child<QPushButton>(manager, QStringLiteral("cmdToggle"))->click();
    QVERIFY(program.file().contains("aa|whois.new.example|43|Enabled|25|free\r\n"));
    QCOMPARE(program.context->tlds.table().at(2).enabled, true);
    QCOMPARE(selectedExtension(list), QStringLiteral("aa"));
    QCOMPARE(cellOf(list, QStringLiteral("aa"), 3).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    // Ticking the status box enables the row as the button does.
    list->model()->setData(cellOf(list, QStringLiteral("zz"), 3), Qt::Checked, Qt::CheckStateRole);
    QVERIFY(program.file().startsWith("zz|whois.zz.example|43|Enabled|25|free\r\n"));
    QCOMPARE(selectedExtension(list), QStringLiteral("aa"));

    program.fakes.messages.nextAnswers = {platform::MessageAnswer::Cancel};
    child<QPushButton>(manager, QStringLiteral("Command3"))->click();
    QCOMPARE(program.fakes.messages.shown.constLast().title, QStringLiteral("Restore Defaults?"));
    QCOMPARE(list->model()->rowCount(), 3);
    const QByteArray edited = program.file();
    QVERIFY(!QFileInfo::exists(program.folder.file(QStringLiteral("TLDs.bak"))));
    child<QPushButton>(manager, QStringLiteral("Command3"))->click();
    // The table as the user had it is kept; the list shows the built-in one.
    QCOMPARE(program.folder.read(QStringLiteral("TLDs.bak")), edited);
    QVERIFY(list->model()->rowCount() > 100);
    QCOMPARE(program.context->tlds.table().size(), list->model()->rowCount());
}

void TestTldWindows::deleteAfterSortingKeepsFileOrder()
{
    Program program("here|whois.first.example|43|Enabled|25|free\r\n"
                    "zz|whois.zz.example|43|Disabled|25|free\r\n"
                    "here|whois.second.example|43|Enabled|25|free\r\n"
                    "aa|whois.aa.example|43|Disabled|25|free\r\n");
    program.window->openTldManager();
    tld::TldManagerWindow *manager = program.window->tldManager();
    QTreeView *list = listOf(manager);
    // The first click sorts descending; by Server that puts the second "here" row above the first.
    emit list->header()->sectionClicked(1);
    QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("zz"));
    QCOMPARE(list->model()->index(1, 1).data().toString(), QStringLiteral("whois.second.example"));

    select(list, QStringLiteral("aa"));
    program.fakes.messages.nextAnswers = {platform::MessageAnswer::Cancel};
    const QByteArray before = program.file();
    child<QPushButton>(manager, QStringLiteral("Command2"))->click();
    QCOMPARE(program.file(), before);
    QCOMPARE(list->model()->rowCount(), 4);

    child<QPushButton>(manager, QStringLiteral("Command2"))->click();
    QCOMPARE(program.file(), QByteArray("here|whois.first.example|43|Enabled|25|free\r\n"
                                        "zz|whois.zz.example|43|Disabled|25|free\r\n"
                                        "here|whois.second.example|43|Enabled|25|free\r\n"));
    QCOMPARE(program.context->tlds.table().constFirst().server, QStringLiteral("whois.first.example"));
    QCOMPARE(shown(list), (QStringList{QStringLiteral("zz"), QStringLiteral("here"), QStringLiteral("here")}));
    QVERIFY(child<QLineEdit>(manager, QStringLiteral("txtExt"))->text().isEmpty());

    manager->findChild<QPushButton *>(QStringLiteral("Command4"))->click();
    QVERIFY(program.folder.read(QStringLiteral("debug.txt"))
                .startsWith("strTemp = strTemp & \"zz|whois.zz.example|43|Disabled|25|free\" & vbcrlf\r\n"));
}

void TestTldWindows::unreadableRowSurvivesADelete()
{
    const QByteArray broken = "io|whois.nic.io|x43|Enabled|25|NOT FOUND\r\n";
    Program program("com|whois.example.com|43|Enabled|25|No match\r\n" + broken +
                    "aa|whois.aa.example|43|Disabled|25|free\r\n");
    program.window->openTldManager();
    tld::TldManagerWindow *manager = program.window->tldManager();
    QTreeView *list = listOf(manager);
    auto *problems = child<QLabel>(manager, QStringLiteral("lblProblems"));
    QVERIFY2(cellOf(list, QStringLiteral("io")).isValid(), "the unreadable row is not listed");
    QCOMPARE(cellOf(list, QStringLiteral("io"), 1).data(Qt::ToolTipRole).toString(),
             QStringLiteral("This row cannot be read and is not used: the port \"x43\" is not a number from 0 to "
                            "65535."));
    QVERIFY(!cellOf(list, QStringLiteral("io"), 3).data(Qt::CheckStateRole).isValid());
    QVERIFY(problems->isVisible());
    select(list, QStringLiteral("io"));
    QVERIFY(problems->text().startsWith(QStringLiteral("This row cannot be read: the port \"x43\"")));

    select(list, QStringLiteral("com"));
    child<QPushButton>(manager, QStringLiteral("Command2"))->click();
    QCOMPARE(program.file(), broken + "aa|whois.aa.example|43|Disabled|25|free\r\n");
    QCOMPARE(list->model()->rowCount(), 2);
}

void TestTldWindows::filterFindsTheExtensionFirst()
{
    Program program("bio|whois.nic.bio|43|Disabled|25|free\r\n"
                    "aa|whois.audio.example|43|Disabled|25|free\r\n"
                    "zz|whois.zz.example|43|Disabled|25|io\r\n"
                    "io|whois.nic.io|43|Disabled|25|free\r\n"
                    "iot|whois.nic.iot|43|Disabled|25|free\r\n"
                    "com|whois.example.com|43|Enabled|25|No match\r\n");
    program.window->openTldManager();
    tld::TldManagerWindow *manager = program.window->tldManager();
    QTreeView *list = listOf(manager);
    auto *filter = child<QLineEdit>(manager, QStringLiteral("txtFilter"));
    select(list, QStringLiteral("com"));
    // The extension itself, then extensions beginning with it, holding it, and servers holding it; never the
    // phrases.
    QTest::keyClicks(filter, QStringLiteral("io"));
    QCOMPARE(shown(list),
             (QStringList{QStringLiteral("io"), QStringLiteral("iot"), QStringLiteral("bio"), QStringLiteral("aa")}));
    // The hidden row is no longer the one the buttons act on.
    QCOMPARE(manager->selectedRowIndex(), -1);
    filter->setText(QStringLiteral(".IO"));
    QCOMPARE(shown(list).value(0), QStringLiteral("io"));
    filter->setText(QStringLiteral("example.com"));
    QCOMPARE(shown(list), QStringList{QStringLiteral("com")});
    filter->clear();
    QCOMPARE(shown(list).size(), 6);
}

void TestTldWindows::editedRowStaysSelectedUnderAFilter()
{
    Program program(tableFor(43) + "io|whois.nic.io|43|Disabled|25|free\r\n");
    program.window->openTldManager();
    tld::TldManagerWindow *manager = program.window->tldManager();
    QTreeView *list = listOf(manager);
    emit list->header()->sectionClicked(0);
    child<QLineEdit>(manager, QStringLiteral("txtFilter"))->setText(QStringLiteral("nic.io"));
    select(list, QStringLiteral("io"));
    auto *server = child<QLineEdit>(manager, QStringLiteral("txtServer"));
    auto *port = child<QLineEdit>(manager, QStringLiteral("txtPort"));
    QVERIFY(port->isEnabled());
    server->setText(QStringLiteral("https://rdap.example/io/"));
    QVERIFY(!port->isEnabled());
    child<QPushButton>(manager, QStringLiteral("cmdSave"))->click();
    QVERIFY(program.file().contains("io|https://rdap.example/io/|443|Disabled|25|free\r\n"));
    // No longer matching the filter, the saved row stays in the list and selected.
    QCOMPARE(shown(list), QStringList{QStringLiteral("io")});
    QCOMPARE(selectedExtension(list), QStringLiteral("io"));
    QCOMPARE(manager->selectedRowIndex(), 3);
}

void TestTldWindows::portAndThrottleSortAsNumbers_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("descending");
    // Text that is not a number sorts after every number, so descending puts it first.
    QTest::newRow("Port") << 2 << QStringLiteral("dd bb cc aa");
    QTest::newRow("Throttle") << 4 << QStringLiteral("dd bb aa cc");
}

void TestTldWindows::portAndThrottleSortAsNumbers()
{
    QFETCH(int, column);
    QFETCH(QString, descending);
    Program program("aa|whois.aa.example|43|Disabled|25|free\r\n"
                    "bb|whois.bb.example|4343|Disabled|100|free\r\n"
                    "cc|whois.cc.example|800|Disabled|5|free\r\n"
                    "dd|whois.dd.example|x|Disabled|y|free\r\n");
    program.window->openTldManager();
    QTreeView *list = listOf(program.window->tldManager());
    emit list->header()->sectionClicked(column);
    QCOMPARE(shown(list).join(QLatin1Char(' ')), descending);
}

void TestTldWindows::defaultExtensionFocusOut()
{
    Program program(tableFor(43));
    program.window->openTldManager();
    auto *box = child<QLineEdit>(program.window->tldManager(), QStringLiteral("txtDefault"));
    box->setText(QStringLiteral("net"));
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &leave);
    QCOMPARE(box->text(), QStringLiteral(".net"));
    QCOMPARE(program.context->tlds.defaultExt(), QStringLiteral(".net"));
    QCOMPARE(testing::StoredSettings(program.context->settings.folder()).setting(QStringLiteral("DefaultExt")),
             QStringLiteral(".net"));
    box->clear();
    QApplication::sendEvent(box, &leave);
    QCOMPARE(box->text(), QStringLiteral(".com"));
    QCOMPARE(testing::StoredSettings(program.context->settings.folder()).setting(QStringLiteral("DefaultExt")),
             QStringLiteral(".com"));
}

void TestTldWindows::testSelectedReportsWithTheEditedPhrases()
{
    WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setAnswer("Nothing here for GOOGLE.COM\r\n");
    Program program(tableFor(server.port()));
    program.window->openTldManager();
    tld::TldManagerWindow *manager = program.window->tldManager();
    select(listOf(manager), QStringLiteral("com"));
    child<QLineEdit>(manager, QStringLiteral("txtSuccess"))->setText(QStringLiteral("nothing here"));
    child<QPushButton>(manager, QStringLiteral("cmdTest"))->click();
    auto *answer = child<QPlainTextEdit>(manager, QStringLiteral("txtAnswer"));
    QCOMPARE(answer->toPlainText(), QStringLiteral("Testing Google.com ..."));
    const QString expected = QStringLiteral("Appears to be: AVAILABLE\nSuccess word: nothing here\nDomain: Google.com\n"
                                            "127.0.0.1:") +
                             QString::number(server.port()) + QStringLiteral("\n\nNothing here for GOOGLE.COM\n");
    QTRY_COMPARE_WITH_TIMEOUT(answer->toPlainText(), expected, 5000);
    QVERIFY(answer->isReadOnly());
    QVERIFY(program.fakes.messages.shown.isEmpty());
    child<QPushButton>(manager, QStringLiteral("cmdCopyAnswer"))->click();
    QCOMPARE(program.fakes.clipboard.text(), expected);
    QCOMPARE(server.queries(), QStringList{QStringLiteral("google.com")});
    QVERIFY(program.file().contains("com|127.0.0.1|" + QByteArray::number(server.port()) + "|Enabled|25|No match\r\n"));
}

void TestTldWindows::testSelectedAsksTheSelectedRowOrSaysWhyNot()
{
    WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setAnswer("No match for GOOGLE.COM\r\n");
    // Lookups take the first com row; the test asks the row the user selected.
    Program program("com|127.0.0.1|" + QByteArray::number(WhoisFixtureServer::closedPort()) +
                    "|Enabled|25|No match\r\nzz|whois.zz.example|43|Disabled|25|free\r\ncom|127.0.0.1|" +
                    QByteArray::number(server.port()) + "|Disabled|25|No match\r\n");
    program.window->openTldManager();
    tld::TldManagerWindow *manager = program.window->tldManager();
    QTreeView *list = listOf(manager);
    list->setCurrentIndex(list->model()->index(2, 0));
    QCOMPARE(manager->selectedRowIndex(), 2);
    auto *answer = child<QPlainTextEdit>(manager, QStringLiteral("txtAnswer"));
    child<QPushButton>(manager, QStringLiteral("cmdTest"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(answer->toPlainText().startsWith(QStringLiteral("Appears to be: AVAILABLE")), 5000);
    QCOMPARE(server.queries(), QStringList{QStringLiteral("google.com")});

    // Nothing selected: the panel says so instead of keeping the old answer.
    child<QLineEdit>(manager, QStringLiteral("txtFilter"))->setText(QStringLiteral("zz"));
    child<QPushButton>(manager, QStringLiteral("cmdTest"))->click();
    QCOMPARE(answer->toPlainText(), QStringLiteral("Nothing was sent: select the row to test in the list first."));
    QCOMPARE(server.queries().size(), 1);
}

void TestTldWindows::closingRefreshesTheChooser()
{
    Program program(tableFor(43));
    auto *chooser = program.window->findChild<QComboBox *>(QStringLiteral("cmbTLDs"));
    QCOMPARE(chooser->count(), 2);
    program.window->openTldManager();
    tld::TldManagerWindow *manager = program.window->tldManager();
    select(listOf(manager), QStringLiteral("zz"));
    child<QPushButton>(manager, QStringLiteral("cmdToggle"))->click();
    QCOMPARE(chooser->count(), 2);
    // Closed without leaving the box: the dot is still put in front.
    child<QLineEdit>(manager, QStringLiteral("txtDefault"))->setText(QStringLiteral("org"));
    manager->close();
    QCOMPARE(chooser->count(), 3);
    QCOMPARE(chooser->itemText(0), QStringLiteral("(default: .org)"));
    QCOMPARE(chooser->itemText(1), QStringLiteral("zz"));
    QCOMPARE(program.context->tlds.defaultExt(), QStringLiteral(".org"));
    QCOMPARE(testing::StoredSettings(program.context->settings.folder()).setting(QStringLiteral("DefaultExt")),
             QStringLiteral(".org"));
    // Reopening right away makes a new window, not the closed one.
    program.window->openTldManager();
    QVERIFY(program.window->tldManager() != manager);
    QVERIFY(program.window->tldManager()->isVisible());
}

void TestTldWindows::lookupWindowShowsOnlyTheLatestDomain()
{
    WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(WhoisFixtureServer::Mode::AnswerInPieces);
    server.setResponder([](const QString &query) {
        return "Domain Name: " + query.toUpper().toUtf8() + "\r\nRegistrar: Example Registrar\r\nStatus: ok\r\n";
    });
    Program program(tableFor(43));
    program.window->setLookupServer({server.host(), server.port()});
    program.window->openLookupWindow(QStringLiteral("first.org"));
    QPointer<tld::WhoisWindow> first = program.window->lookupWindow();
    QVERIFY2(first, "frmWhois did not open");
    QCOMPARE(first->windowTitle(), QStringLiteral("WHOIS Information"));
    QTRY_COMPARE_WITH_TIMEOUT(server.queries().size(), 1, 5000);
    program.window->openLookupWindow(QStringLiteral("second.com"));
    tld::WhoisWindow *second = program.window->lookupWindow();
    QVERIFY(second != first);
    QCOMPARE(program.context->selectedDomain, QStringLiteral("second.com"));
    QSignalSpy shown(second, &tld::WhoisWindow::answerShown);
    QVERIFY(shown.wait(5000));
    QTRY_VERIFY(!first);
    auto *text = child<QTextEdit>(second, QStringLiteral("text1"));
    QCOMPARE(text->toPlainText(),
             QStringLiteral("Domain Name: SECOND.COM\r\nRegistrar: Example Registrar\r\nStatus: ok\r\n")
                 .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(server.received().last(), QByteArray("second.com\r\n"));

    // A host is asked about as its domain; what is no domain is asked nowhere.
    program.window->openLookupWindow(QStringLiteral("www.Third.com"));
    QTRY_COMPARE_WITH_TIMEOUT(server.queries().size(), 3, 5000);
    QCOMPARE(server.received().last(), QByteArray("third.com\r\n"));
    program.window->openLookupWindow(QStringLiteral("co.uk"));
    QVERIFY(program.window->lookupWindow()->shownText().contains(QStringLiteral("a public suffix")));
    QCOMPARE(server.queries().size(), 3);
}

void TestTldWindows::lookupWindowShowsAnRdapRecordReadably()
{
    testing::HttpFixtureServer server;
    QVERIFY(server.listen());
    server.setScript([](const testing::HttpRequest &) {
        return testing::HttpAnswer::rdap(200, testing::rdapDomainRecord(QStringLiteral("example.com")));
    });
    const QString base = server.address(QStringLiteral("/rdap/"));
    Program program("com|" + base.toLatin1() + "|443|Enabled|25|\r\n");
    program.window->openLookupWindow(QStringLiteral("example.com"));
    tld::WhoisWindow *window = program.window->lookupWindow();
    QSignalSpy shown(window, &tld::WhoisWindow::answerShown);
    QVERIFY(shown.wait(5000));
    QCOMPARE(window->shownText(),
             QStringLiteral("Domain: EXAMPLE.COM\nStatus: client transfer prohibited, active\n"
                            "Registrar: Example Registrar, Inc. (IANA ID 9999)\nEvents:\n"
                            "    registration: 1997-09-15T04:00:00Z\n    expiration: 2028-09-14T04:00:00Z\n"
                            "Name servers: NS1.EXAMPLE.NET, NS2.EXAMPLE.NET\n\nThe answer of ") +
                 base + QStringLiteral("domain/example.com:\n\n") +
                 QString::fromLatin1(testing::rdapDomainRecord(QStringLiteral("example.com"))));
}

void TestTldWindows::serverUpdateDownloadsTheBootstrapFile_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("message");
    const QString failed = QStringLiteral("The list of RDAP servers could not be downloaded from %1: %2. The TLD "
                                          "table was not changed.");
    QTest::newRow("changed") << QStringLiteral("changed")
                             << QStringLiteral("Updated the servers of 1 rows from %1:\r\n"
                                               "com: whois.verisign-grs.com -> https://rdap.new.example/com/");
    QTest::newRow("404") << QStringLiteral("404")
                         << failed.arg(QStringLiteral("%1"), QStringLiteral("HTTP 404 Not Found"));
    QTest::newRow("50 MB") << QStringLiteral("50 MB")
                           << failed.arg(QStringLiteral("%1"), QStringLiteral("answer larger than 4 MiB"));
    QTest::newRow("offline") << QStringLiteral("offline")
                             << failed.arg(QStringLiteral("%1"), QStringLiteral("connection refused"));
    QTest::newRow("malformed JSON") << QStringLiteral("malformed")
                                    << QStringLiteral("The list of RDAP servers from %1 could not be read (not JSON: "
                                                      "unterminated object). The TLD table was not changed.");
}

void TestTldWindows::serverUpdateDownloadsTheBootstrapFile()
{
    QFETCH(QString, answer);
    QFETCH(QString, message);
    testing::HttpFixtureServer server;
    QVERIFY(server.listen());
    server.setScript([&answer](const testing::HttpRequest &) {
        testing::HttpAnswer reply =
            testing::HttpAnswer::page(R"({"services":[[["com"],["https://rdap.new.example/com/"]]]})");
        if (answer == QLatin1String("404"))
            reply.status = 404;
        else if (answer == QLatin1String("50 MB"))
            reply.bulkBytes = 50'000'000;
        else if (answer == QLatin1String("malformed"))
            reply.body.chop(1);
        return reply;
    });
    const QByteArray table = "com|whois.verisign-grs.com|43|Enabled|25|No match\r\n";
    Program program(table);
    const QString address = answer == QLatin1String("offline")
                                ? QStringLiteral("http://127.0.0.1:%1/dns.json").arg(WhoisFixtureServer::closedPort())
                                : server.address(QStringLiteral("/dns.json"));
    testing::StoredSettings(program.context->settings.folder()).plant(QStringLiteral("RdapBootstrap"), address);
    program.window->openTldManager();
    tld::TldManagerWindow *manager = program.window->tldManager();
    auto *update = child<QPushButton>(manager, QStringLiteral("cmdUpdateServers"));
    update->click();
    QVERIFY(!update->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(program.fakes.messages.shown.size(), 1, 10000);
    QCOMPARE(program.fakes.messages.shown.constFirst().text, message.arg(address));
    QVERIFY(update->isEnabled());
    const bool changed = answer == QLatin1String("changed");
    QCOMPARE(program.file(),
             changed ? QByteArray("com|https://rdap.new.example/com/|443|Enabled|25|No match\r\n") : table);
    QCOMPARE(textOf(listOf(manager), QStringLiteral("com"), 1),
             changed ? QStringLiteral("https://rdap.new.example/com/") : QStringLiteral("whois.verisign-grs.com"));
}

QTEST_MAIN(TestTldWindows)
#include "tst_tldwindows.moc"
