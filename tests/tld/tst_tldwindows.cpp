#include "HttpFixtureServer.h"
#include "StartedProgram.h"
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
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>
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

QTreeWidgetItem *itemOf(QTreeWidget *list, const QString &extension)
{
    const QList<QTreeWidgetItem *> found = list->findItems(extension, Qt::MatchExactly, 0);
    return found.isEmpty() ? nullptr : found.constFirst();
}

void select(QTreeWidget *list, QTreeWidgetItem *item)
{
    list->setCurrentItem(item);
    emit list->itemClicked(item, 0);
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
    void filterFindsRowsByAnyField();
    void portAndThrottleSortAsNumbers_data();
    void portAndThrottleSortAsNumbers();
    void defaultExtensionFocusOut();
    void testSelectedReportsWithTheEditedPhrases();
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
    QCOMPARE(manager->windowTitle(), QStringLiteral("Settings"));
    program.window->menuItem(QStringLiteral("mnuOptionsItem_0"))->trigger();
    QCOMPARE(program.window->tldManager(), manager);
    QCOMPARE(program.window->findChildren<tld::TldManagerWindow *>().size(), 1);

    const QStringList shown = {
        QStringLiteral("lstDomains"), QStringLiteral("txtExt"),      QStringLiteral("txtServer"),
        QStringLiteral("txtPort"),    QStringLiteral("txtThrottle"), QStringLiteral("txtSuccess"),
        QStringLiteral("cmdSave"),    QStringLiteral("Command1"),    QStringLiteral("cmdToggle"),
        QStringLiteral("Command2"),   QStringLiteral("Command3"),    QStringLiteral("cmdTest"),
        QStringLiteral("txtsearch"),  QStringLiteral("chkProxy"),    QStringLiteral("txtDefault"),
        QStringLiteral("txtFilter"),  QStringLiteral("txtAnswer"),   QStringLiteral("cmdCopyAnswer")};
    for (const QString &name : shown) {
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
    auto *list = child<QTreeWidget>(manager, QStringLiteral("lstDomains"));
    QCOMPARE(list->topLevelItemCount(), 3);
    QCOMPARE(list->headerItem()->text(5), QStringLiteral("Success"));
    QCOMPARE(child<QLineEdit>(manager, QStringLiteral("txtsearch"))->text(), QStringLiteral("Google"));
    QCOMPARE(child<QLineEdit>(manager, QStringLiteral("txtDefault"))->text(), QStringLiteral(".com"));
    // Opening stores the browse pause it shows.
    QCOMPARE(program.context->settings.product(QStringLiteral("Throttle"), QString()), QStringLiteral("20"));

    child<QCheckBox>(manager, QStringLiteral("chkProxy"))->click();
    QVERIFY(program.context->tlds.useProxy());
    QCOMPARE(program.context->settings.product(QStringLiteral("chkProxy"), QString()), QStringLiteral("1"));
    child<QLineEdit>(manager, QStringLiteral("txtsearch"))->setText(QStringLiteral("Example"));
    QCOMPARE(program.context->settings.product(QStringLiteral("DefaultSearch"), QString()), QStringLiteral("Example"));
}

void TestTldWindows::editsRowsThroughTheWindow()
{
    Program program(tableFor(43));
    program.window->openTldManager();
    tld::TldManagerWindow *manager = program.window->tldManager();
    auto *list = child<QTreeWidget>(manager, QStringLiteral("lstDomains"));
    auto *server = child<QLineEdit>(manager, QStringLiteral("txtServer"));
    select(list, itemOf(list, QStringLiteral("aa")));
    QCOMPARE(server->text(), QStringLiteral("whois.aa.example"));
    QCOMPARE(child<QLineEdit>(manager, QStringLiteral("txtSuccess"))->text(), QStringLiteral("free"));
    server->setText(QStringLiteral("whois.new.example"));
    child<QPushButton>(manager, QStringLiteral("cmdSave"))->click();
    QVERIFY(program.file().contains("aa|whois.new.example|43|Disabled|25|free\r\n"));
    QCOMPARE(itemOf(list, QStringLiteral("aa"))->text(1), QStringLiteral("whois.new.example"));

    child<QPushButton>(manager, QStringLiteral("Command1"))->click();
    QVERIFY(server->text().isEmpty());
    child<QPushButton>(manager, QStringLiteral("cmdSave"))->click();
    child<QLineEdit>(manager, QStringLiteral("txtExt"))->setText(QStringLiteral("io"));
    child<QPushButton>(manager, QStringLiteral("cmdSave"))->click();
    QCOMPARE(
        program.fakes.messages.texts(),
        (QStringList{QStringLiteral("Please enter valid information for all fields. The Extension field is empty."),
                     QStringLiteral("Please enter valid information for all fields. The Whois Server field is "
                                    "empty.")}));
    QCOMPARE(manager->focusWidget(), server);

    select(list, itemOf(list, QStringLiteral("aa")));
    child<QPushButton>(manager, QStringLiteral("cmdToggle"))->click();
    QVERIFY(program.file().contains("aa|whois.new.example|43|Enabled|25|free\r\n"));
    QCOMPARE(program.context->tlds.table().at(2).enabled, true);
    QCOMPARE(list->selectedItems(), QList<QTreeWidgetItem *>{itemOf(list, QStringLiteral("aa"))});
    QCOMPARE(itemOf(list, QStringLiteral("aa"))->checkState(3), Qt::Checked);
    // Ticking the status box enables the row as the button does.
    itemOf(list, QStringLiteral("zz"))->setCheckState(3, Qt::Checked);
    QTRY_VERIFY(program.file().startsWith("zz|whois.zz.example|43|Enabled|25|free\r\n"));

    program.fakes.messages.nextAnswers = {platform::MessageAnswer::Cancel};
    child<QPushButton>(manager, QStringLiteral("Command3"))->click();
    QCOMPARE(program.fakes.messages.shown.constLast().title, QStringLiteral("Restore Defaults?"));
    QCOMPARE(list->topLevelItemCount(), 3);
    QVERIFY(program.file().contains("aa|whois.new.example|43|Enabled|25|free\r\n"));
    child<QPushButton>(manager, QStringLiteral("Command3"))->click();
    QCOMPARE(list->topLevelItemCount(), 179);
    QCOMPARE(program.context->tlds.table().size(), 179);
}

void TestTldWindows::deleteAfterSortingKeepsFileOrder()
{
    Program program("here|whois.first.example|43|Enabled|25|free\r\n"
                    "zz|whois.zz.example|43|Disabled|25|free\r\n"
                    "here|whois.second.example|43|Enabled|25|free\r\n"
                    "aa|whois.aa.example|43|Disabled|25|free\r\n");
    program.window->openTldManager();
    tld::TldManagerWindow *manager = program.window->tldManager();
    auto *list = child<QTreeWidget>(manager, QStringLiteral("lstDomains"));
    // The first click sorts descending; by Server that puts the second "here" row above the first.
    emit list->header()->sectionClicked(1);
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("zz"));
    QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("whois.second.example"));

    select(list, itemOf(list, QStringLiteral("aa")));
    program.fakes.messages.nextAnswers = {platform::MessageAnswer::Cancel};
    const QByteArray before = program.file();
    child<QPushButton>(manager, QStringLiteral("Command2"))->click();
    QCOMPARE(program.file(), before);
    QCOMPARE(list->topLevelItemCount(), 4);

    child<QPushButton>(manager, QStringLiteral("Command2"))->click();
    QCOMPARE(program.file(), QByteArray("here|whois.first.example|43|Enabled|25|free\r\n"
                                        "zz|whois.zz.example|43|Disabled|25|free\r\n"
                                        "here|whois.second.example|43|Enabled|25|free\r\n"));
    QCOMPARE(program.context->tlds.table().constFirst().server, QStringLiteral("whois.first.example"));
    QCOMPARE(list->topLevelItemCount(), 3);
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("zz"));
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
    auto *list = child<QTreeWidget>(manager, QStringLiteral("lstDomains"));
    auto *problems = child<QLabel>(manager, QStringLiteral("lblProblems"));
    QTreeWidgetItem *io = itemOf(list, QStringLiteral("io"));
    QVERIFY2(io, "the unreadable row is not listed");
    QVERIFY(io->foreground(0).color() != itemOf(list, QStringLiteral("aa"))->foreground(0).color());
    QCOMPARE(io->toolTip(1),
             QStringLiteral("This row cannot be read and is not used: the port \"x43\" is not a number from 0 to "
                            "65535."));
    QVERIFY(!io->data(3, Qt::CheckStateRole).isValid());
    QVERIFY(problems->isVisible());
    select(list, io);
    QVERIFY(problems->text().startsWith(QStringLiteral("This row cannot be read: the port \"x43\"")));

    select(list, itemOf(list, QStringLiteral("com")));
    child<QPushButton>(manager, QStringLiteral("Command2"))->click();
    QCOMPARE(program.file(), broken + "aa|whois.aa.example|43|Disabled|25|free\r\n");
    QCOMPARE(list->topLevelItemCount(), 2);
}

void TestTldWindows::filterFindsRowsByAnyField()
{
    Program program(tableFor(43));
    program.window->openTldManager();
    tld::TldManagerWindow *manager = program.window->tldManager();
    auto *list = child<QTreeWidget>(manager, QStringLiteral("lstDomains"));
    auto *filter = child<QLineEdit>(manager, QStringLiteral("txtFilter"));
    const auto shown = [list] {
        QStringList extensions;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            if (!list->topLevelItem(i)->isHidden())
                extensions.append(list->topLevelItem(i)->text(0));
        }
        return extensions;
    };
    select(list, itemOf(list, QStringLiteral("zz")));
    QTest::keyClicks(filter, QStringLiteral("WHOIS.A"));
    QCOMPARE(shown(), QStringList{QStringLiteral("aa")});
    // The hidden row is no longer the one the buttons act on.
    QVERIFY(list->selectedItems().isEmpty());
    filter->setText(QStringLiteral("no match"));
    QCOMPARE(shown(), QStringList{QStringLiteral("com")});
    filter->clear();
    QCOMPARE(shown(), (QStringList{QStringLiteral("zz"), QStringLiteral("com"), QStringLiteral("aa")}));
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
    auto *list = child<QTreeWidget>(program.window->tldManager(), QStringLiteral("lstDomains"));
    emit list->header()->sectionClicked(column);
    QStringList order;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        order.append(list->topLevelItem(i)->text(0));
    QCOMPARE(order.join(QLatin1Char(' ')), descending);
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
    QCOMPARE(program.context->settings.product(QStringLiteral("DefaultExt"), QString()), QStringLiteral(".net"));
    box->clear();
    QApplication::sendEvent(box, &leave);
    QCOMPARE(box->text(), QStringLiteral(".com"));
    QCOMPARE(program.context->settings.product(QStringLiteral("DefaultExt"), QString()), QStringLiteral(".com"));
}

void TestTldWindows::testSelectedReportsWithTheEditedPhrases()
{
    WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setAnswer("Nothing here for GOOGLE.COM\r\n");
    Program program(tableFor(server.port()));
    program.window->openTldManager();
    tld::TldManagerWindow *manager = program.window->tldManager();
    auto *list = child<QTreeWidget>(manager, QStringLiteral("lstDomains"));
    select(list, itemOf(list, QStringLiteral("com")));
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

void TestTldWindows::closingRefreshesTheChooser()
{
    Program program(tableFor(43));
    auto *chooser = program.window->findChild<QComboBox *>(QStringLiteral("cmbTLDs"));
    QCOMPARE(chooser->count(), 2);
    program.window->openTldManager();
    tld::TldManagerWindow *manager = program.window->tldManager();
    auto *list = child<QTreeWidget>(manager, QStringLiteral("lstDomains"));
    select(list, itemOf(list, QStringLiteral("zz")));
    child<QPushButton>(manager, QStringLiteral("cmdToggle"))->click();
    QCOMPARE(chooser->count(), 2);
    // Closed without leaving the box: the dot is still put in front.
    child<QLineEdit>(manager, QStringLiteral("txtDefault"))->setText(QStringLiteral("org"));
    manager->close();
    QCOMPARE(chooser->count(), 3);
    QCOMPARE(chooser->itemText(0), QStringLiteral("(default: .org)"));
    QCOMPARE(chooser->itemText(1), QStringLiteral("zz"));
    QCOMPARE(program.context->tlds.defaultExt(), QStringLiteral(".org"));
    QCOMPARE(program.context->settings.product(QStringLiteral("DefaultExt"), QString()), QStringLiteral(".org"));
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
    program.context->settings.saveProduct(QStringLiteral("RdapBootstrap"), address);
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
    auto *list = child<QTreeWidget>(manager, QStringLiteral("lstDomains"));
    QCOMPARE(list->topLevelItem(0)->text(1),
             changed ? QStringLiteral("https://rdap.new.example/com/") : QStringLiteral("whois.verisign-grs.com"));
}

QTEST_MAIN(TestTldWindows)
#include "tst_tldwindows.moc"
