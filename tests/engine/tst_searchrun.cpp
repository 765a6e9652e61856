#include "DnsFixtureServer.h"
#include "StartedProgram.h"
#include "StoredSettings.h"
#include "WhoisFixtureServer.h"
#include "app/AppContext.h"
#include "app/ui/MainWindow.h"
#include "engine/QueryEngine.h"
#include "engine/ui/ServerProblemsWindow.h"
#include "lookup/DnsCheck.h"
#include "platform/Intervals.h"
#include "platform/ProgramSettings.h"
#include "results/DomainListModel.h"
#include "results/ResultClasses.h"
#include "results/ui/SkippedWindow.h"
#include "sources/ui/TldChooser.h"
#include "zones/ZoneImport.h"
#include "zones/ZoneScreen.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace app;

namespace {

// The real main window over a test folder whose TLD table points at the fixture server.
struct Desk : testing::StartedProgram {
    using StartedProgram::StartedProgram;
    QStringList list(int number) { return window->listModel(number)->entries(); }
    /// Chooses "mine.txt" of @p folder as the custom list, as the user does through the file dialog.
    void chooseCustomList(const testing::TestFolder &folder)
    {
        fakes.dialogs.nextOpen = folder.file(QStringLiteral("mine.txt"));
        find<QComboBox>(QStringLiteral("Combo1"))->setCurrentIndex(8);
    }
    void startCustomList(const testing::TestFolder &folder)
    {
        chooseCustomList(folder);
        QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdDoSearch")), Qt::LeftButton);
    }
};

void writeTable(const testing::TestFolder &folder, quint16 port)
{
    folder.write(QStringLiteral("TLDs.txt"), testing::loopbackTable(port));
}

} // namespace

class TestSearchRun : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void customListRunFillsListsFilesAndPositions();
    void progressBarAdvancesAndGivesWayToTheSummary();
    void refusedServerEndsEachNameAtOnceAndIsListed();
    void aSecondSessionKeepsTheFirstSessionsFinds();
    void uncheckedNamesAreCheckedAgainAndExported();
    void entriesThatAreNoNamesAreSkippedListedAndExported();
    void wordListResumesAfterARestart();
    void threeTickedTldsCheckEachBareName();
    void checkDnsFirstSkipsTheRegistryForDelegatedNames();
    void lyingResolverIsReportedInTheStatusBar();
    void silentServerShowsTheWatchdogNotice();
    void vanishedListEndsTheRunAndSaysSoAfterwards();
    void closingTheWindowStopsTheSearchFirst();
    void screenOnlyMarksNamesThatConfirmingSettles();
};

void TestSearchRun::initTestCase()
{
    platform::intervals().secondMs = 20;
    platform::intervals().silenceSeconds = 3;
    platform::intervals().watchdogSeconds = 8;
    platform::intervals().restUnitMs = 20;
}

void TestSearchRun::customListRunFillsListsFilesAndPositions()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setResponder([](const QString &query) {
        return query.startsWith(QLatin1String("taken")) ? testing::registeredAnswer(query)
                                                        : testing::availableAnswer(query);
    });
    testing::TestFolder folder;
    writeTable(folder, server.port());
    folder.write(QStringLiteral("mine.txt"), "abc\r\n\r\nmidname\r\ntaken\r\nlongername\r\n");
    Desk desk(folder);
    desk.chooseCustomList(folder);
    QCOMPARE(desk.find<QLineEdit>(QStringLiteral("txtWordMax"))->text(), QStringLiteral("4"));
    QCOMPARE(desk.fakes.dialogs.folders.value(0), folder.file(QStringLiteral("wordlists")));
    auto *start = desk.find<QPushButton>(QStringLiteral("cmdDoSearch"));
    QVERIFY(start->isEnabled());
    QTest::mouseClick(start, Qt::LeftButton);
    QVERIFY(!desk.find<QComboBox>(QStringLiteral("Combo1"))->isEnabled());
    QVERIFY(desk.find<QPushButton>(QStringLiteral("Command3"))->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(server.queries().size(), 4, 5000);
    // The run stops by itself with the last name and says how it went.
    QTRY_COMPARE_WITH_TIMEOUT(desk.window->statusPanel(1)->text(),
                              QStringLiteral("Finished: 4 names - 3 available, 1 registered, 0 unchecked"), 3000);
    QCOMPARE(desk.window->statusPanel(2)->text(), QString());
    QCOMPARE(desk.list(3), QStringList{QStringLiteral("abc.com")});
    QCOMPARE(desk.list(4), QStringList{QStringLiteral("midname.com")});
    QCOMPARE(desk.list(1), QStringList{QStringLiteral("longername.com")});
    QCOMPARE(desk.list(2), QStringList{QStringLiteral("taken.com")});
    QCOMPARE(desk.find<QLabel>(QStringLiteral("Label2"))->text(), QStringLiteral("Registered (1)"));
    QCOMPARE(desk.find<QLabel>(QStringLiteral("Label1"))->text(), QStringLiteral("Low Profile (1)"));
    QCOMPARE(folder.read(QStringLiteral("LowProfile.txt")), QByteArray("longername.com\r\n"));
    QCOMPARE(folder.read(QStringLiteral("HighProfile.txt")), QByteArray("midname.com\r\n"));
    QCOMPARE(folder.read(QStringLiteral("SuperHighProfile.txt")), QByteArray("abc.com\r\n"));
    QCOMPARE(desk.context->settings.position(QStringLiteral("CustWordNum"), QString()), QStringLiteral("5"));
    QCOMPARE(desk.context->settings.position(QStringLiteral("wordNumber"), QString()), QStringLiteral("5"));
    QVERIFY(desk.find<QComboBox>(QStringLiteral("Combo1"))->isEnabled());
    QVERIFY(!desk.find<QPushButton>(QStringLiteral("Command3"))->isEnabled());
    QCOMPARE(desk.find<QLineEdit>(QStringLiteral("txtWordNum"))->text(), QStringLiteral("1")); // 5 > 4 entries
}

void TestSearchRun::progressBarAdvancesAndGivesWayToTheSummary()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setResponder([](const QString &query) { return testing::availableAnswer(query); });
    testing::TestFolder folder;
    writeTable(folder, server.port());
    folder.write(QStringLiteral("mine.txt"), "one\r\ntwo\r\nthree\r\nfour\r\n");
    Desk desk(folder);
    desk.window->show();
    QVERIFY(QTest::qWaitForWindowActive(desk.window.get()));
    desk.chooseCustomList(folder);
    auto *bar = desk.find<QProgressBar>(QStringLiteral("progressRun"));
    QVERIFY(bar && !bar->isVisible());
    QList<int> values;
    QStringList texts;
    connect(desk.window->queryEngine(), &engine::QueryEngine::outcome, bar, [&] {
        values.append(bar->value());
        texts.append(bar->format());
        QVERIFY(bar->isVisible());
        QVERIFY(!desk.window->statusPanel(1)->isVisible()); // the bar stands in its place
    });
    QTest::keyClick(desk.window.get(), Qt::Key_Return, Qt::ControlModifier); // Start
    QTRY_COMPARE_WITH_TIMEOUT(values.size(), 4, 5000);
    QCOMPARE(values, (QList<int>{250, 500, 750, 1000}));
    QVERIFY2(texts.at(1).startsWith(QLatin1String("2 of 4")), qPrintable(texts.at(1)));
    QTRY_VERIFY_WITH_TIMEOUT(!bar->isVisible(), 3000);
    QVERIFY(desk.window->statusPanel(1)->isVisible());
    QCOMPARE(desk.window->statusPanel(1)->text(),
             QStringLiteral("Finished: 4 names - 4 available, 0 registered, 0 unchecked"));
}

void TestSearchRun::refusedServerEndsEachNameAtOnceAndIsListed()
{
    // A watchdog far beyond the wait below: only names ended at once finish in time.
    platform::intervals().watchdogSeconds = 1000;
    const auto restore = qScopeGuard([] { platform::intervals().watchdogSeconds = 8; });
    testing::TestFolder folder;
    const quint16 closedPort = testing::WhoisFixtureServer::closedPort();
    writeTable(folder, closedPort);
    folder.write(QStringLiteral("mine.txt"), "first\r\nsecond\r\nthird\r\n");
    Desk desk(folder);
    desk.startCustomList(folder);
    QTRY_COMPARE_WITH_TIMEOUT(desk.window->statusPanel(1)->text(),
                              QStringLiteral("Finished: 3 names - 0 available, 0 registered, 3 unchecked"), 3000);
    QCOMPARE(desk.window->resultLog().size(), 3);
    // The one server is listed once, with the cause in words, behind a button that takes no focus.
    auto *button = desk.find<QToolButton>(QStringLiteral("cmdProblems"));
    QVERIFY(!button->isHidden());
    QCOMPARE(button->text(), QStringLiteral("1 server with problems"));
    QVERIFY(!desk.window->serverProblemsWindow());
    button->click();
    engine::ServerProblemsWindow *problems = desk.window->serverProblemsWindow();
    QVERIFY2(problems && problems->isVisible(), "the button opens no window");
    QCOMPARE(problems->objectName(), QStringLiteral("frmBlocked"));
    QCOMPARE(problems->windowTitle(), QStringLiteral("Servers with problems"));
    QVERIFY(problems->testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(problems->lines(),
             QStringList{QStringLiteral("127.0.0.1:%1 | could not be reached | 3 | asked").arg(closedPort)});
}

void TestSearchRun::aSecondSessionKeepsTheFirstSessionsFinds()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setResponder([](const QString &query) { return testing::availableAnswer(query); });
    testing::TestFolder folder;
    writeTable(folder, server.port());
    const auto session = [&folder](const QByteArray &names) {
        folder.write(QStringLiteral("mine.txt"), names);
        Desk desk(folder);
        desk.startCustomList(folder);
        QTRY_VERIFY_WITH_TIMEOUT(desk.window->statusPanel(1)->text().startsWith(QLatin1String("Finished")), 5000);
    };
    session("firstfinds\r\n");
    session("secondfinds\r\n");
    // The first session's file is the only record of its finds: it stays, and the second has its own.
    QCOMPARE(folder.read(QStringLiteral("LowProfile.txt")), QByteArray("firstfinds.com\r\n"));
    QStringList series = QDir(folder.appFolder()).entryList({QStringLiteral("LowProfile*.txt")}, QDir::Files);
    QCOMPARE(series.size(), 2);
    series.removeAll(QStringLiteral("LowProfile.txt"));
    QCOMPARE(folder.read(series.value(0)), QByteArray("secondfinds.com\r\n"));
}

void TestSearchRun::uncheckedNamesAreCheckedAgainAndExported()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    bool refusing = true;
    server.setResponder([&refusing](const QString &query) {
        if (query.startsWith(QLatin1String("busy")) && refusing)
            return testing::quotaAnswer();
        return query.startsWith(QLatin1String("taken")) ? testing::registeredAnswer(query)
                                                        : testing::availableAnswer(query);
    });
    testing::TestFolder folder;
    writeTable(folder, server.port());
    folder.write(QStringLiteral("mine.txt"), "busyname\r\ntakenname\r\nnowhere.xyz\r\n");
    Desk desk(folder);
    desk.startCustomList(folder);
    QTRY_COMPARE_WITH_TIMEOUT(desk.window->statusPanel(1)->text(),
                              QStringLiteral("Finished: 3 names - 0 available, 1 registered, 2 unchecked"), 5000);
    QCOMPARE(folder.read(QStringLiteral("Unchecked.txt")), QByteArray("busyname.com\r\nnowhere.xyz\r\n"));
    QCOMPARE(desk.find<QLabel>(QStringLiteral("lblUnchecked"))->text(), QStringLiteral("Unchecked: 2"));
    // Five tries of the refused name, one of the taken one; nobody is asked about nowhere.xyz.
    QCOMPARE(server.queries().size(), 6);

    refusing = false;
    desk.window->menuItem(QStringLiteral("mnuCheckUnchecked"))->trigger();
    // The row counts the list being checked, and the custom list's count comes back after.
    QCOMPARE(desk.find<QLineEdit>(QStringLiteral("txtWordMax"))->text(), QStringLiteral("2"));
    QTRY_COMPARE_WITH_TIMEOUT(desk.window->statusPanel(1)->text(),
                              QStringLiteral("Finished: 2 names - 1 available, 0 registered, 1 unchecked"), 5000);
    QCOMPARE(folder.read(QStringLiteral("Unchecked.txt")), QByteArray("nowhere.xyz\r\n"));
    QCOMPARE(desk.find<QLabel>(QStringLiteral("lblUnchecked"))->text(), QStringLiteral("Unchecked: 1"));
    QCOMPARE(desk.find<QLineEdit>(QStringLiteral("txtWordMax"))->text(), QStringLiteral("3"));
    QCOMPARE(desk.list(1), QStringList{QStringLiteral("busyname.com")});
    // The custom list keeps its own resume position.
    QCOMPARE(desk.context->settings.position(QStringLiteral("CustWordNum"), QString()), QStringLiteral("4"));

    desk.fakes.dialogs.nextSave = folder.file(QStringLiteral("exported.csv"));
    desk.window->menuItem(QStringLiteral("mnuExportResults"))->trigger();
    QCOMPARE(desk.fakes.messages.texts().constLast(),
             QStringLiteral("Exported 5 results to ") +
                 QDir::toNativeSeparators(folder.file(QStringLiteral("exported.csv"))) + QLatin1Char('.'));
    const QList<QByteArray> rows = folder.read(QStringLiteral("exported.csv")).split('\n');
    QCOMPARE(rows.size(), 7); // header, five outcomes, nothing after the last line end
    QVERIFY(rows.at(1).startsWith("busyname.com,refused,,127.0.0.1:"));
    QVERIFY(rows.at(2).startsWith("takenname.com,registered,Registered,127.0.0.1:"));
    QVERIFY(rows.at(3).startsWith("nowhere.xyz,no-server,,,"));
    QVERIFY(rows.at(4).startsWith("busyname.com,available,Low,127.0.0.1:"));
}

void TestSearchRun::entriesThatAreNoNamesAreSkippedListedAndExported()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setResponder([](const QString &query) { return testing::availableAnswer(query); });
    testing::TestFolder folder;
    writeTable(folder, server.port());
    folder.write(QStringLiteral("mine.txt"), "# my names\r\n;;;\r\n \t\r\nhttp://www.hostname.com/x\r\n-bad\r\n");
    Desk desk(folder);
    desk.startCustomList(folder);
    QTRY_COMPARE_WITH_TIMEOUT(desk.window->statusPanel(1)->text(),
                              QStringLiteral("Finished: 1 name - 1 available, 0 registered, 0 unchecked, 2 skipped"),
                              5000);
    QCOMPARE(server.queries(), QStringList{QStringLiteral("hostname.com")});
    const QModelIndex found = desk.window->listModel(results::LowList)->index(0);
    QCOMPARE(found.data().toString(), QStringLiteral("hostname.com"));
    QVERIFY(found.data(Qt::ToolTipRole).toString().contains(QStringLiteral("http://www.hostname.com/x")));

    auto *skipped = desk.find<QToolButton>(QStringLiteral("cmdSkipped"));
    QCOMPARE(skipped->text(), QStringLiteral("Skipped: 2"));
    skipped->click();
    QVERIFY2(desk.window->skippedWindow(), "Skipped: 2 opens no list");
    auto *table = desk.window->skippedWindow()->findChild<QTableView *>(QStringLiteral("lstSkipped"));
    QCOMPARE(table->model()->rowCount(), 2);
    QCOMPARE(table->model()->index(0, 0).data().toString(), QStringLiteral(";;;"));
    QCOMPARE(table->model()->index(1, 0).data().toString(), QStringLiteral("-bad"));
    QCOMPARE(table->model()->index(1, 1).data().toString(), QStringLiteral("label that starts or ends with a hyphen"));

    desk.fakes.dialogs.nextSave = folder.file(QStringLiteral("exported.csv"));
    desk.window->menuItem(QStringLiteral("mnuExportResults"))->trigger();
    const QList<QByteArray> rows = folder.read(QStringLiteral("exported.csv")).split('\n');
    QCOMPARE(rows.size(), 5); // header, three outcomes, nothing after the last line end
    QVERIFY(rows.at(1).startsWith(";;;,invalid,,,"));
    QVERIFY(rows.at(2).endsWith(",http://www.hostname.com/x,\r"));
    QVERIFY(rows.at(3).startsWith("'-bad,invalid,,,"));
}

void TestSearchRun::wordListResumesAfterARestart()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(testing::WhoisFixtureServer::Mode::AnswerInPieces);
    server.setAnswer("No match\r\n");
    // The pieces take 45 ms; a busy machine may take far longer, and a name the watchdog gave up on is
    // asked again. Neither limit is what this test is about: both get 10 s.
    platform::intervals().silenceSeconds = 500;
    platform::intervals().watchdogSeconds = 500;
    const auto restore = qScopeGuard([] {
        platform::intervals().silenceSeconds = 3;
        platform::intervals().watchdogSeconds = 8;
    });
    // The last word the server was asked for, by its number.
    const auto lastWordAsked = [&server] {
        int last = 0;
        for (const QString &query : server.queries())
            last = std::max(last, query.mid(4).section(QLatin1Char('.'), 0, 0).toInt());
        return last;
    };
    testing::TestFolder folder;
    writeTable(folder, server.port());
    QByteArray words;
    for (int i = 1; i <= 50; ++i)
        words += "word" + QByteArray::number(i) + "\r\n";
    folder.write(QStringLiteral("wordlists/FullWordList.txt"), words);
    {
        Desk first(folder);
        first.find<QComboBox>(QStringLiteral("Combo1"))->setCurrentIndex(4);
        QCOMPARE(first.find<QLineEdit>(QStringLiteral("txtWordMax"))->text(), QStringLiteral("50"));
        QTest::mouseClick(first.find<QPushButton>(QStringLiteral("cmdDoSearch")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(server.queries().size() >= 3, 5000);
        QTest::mouseClick(first.find<QPushButton>(QStringLiteral("Command3")), Qt::LeftButton);
        QVERIFY2(first.window->statusPanel(1)->text().startsWith(QLatin1String("Stopped: ")),
                 qPrintable(first.window->statusPanel(1)->text()));
    }
    const int begun = lastWordAsked();
    Desk second(folder);
    second.find<QComboBox>(QStringLiteral("Combo1"))->setCurrentIndex(4);
    // The name under way at Stop (if any) is asked again; none is skipped.
    const int resumed = second.find<QLineEdit>(QStringLiteral("txtWordNum"))->text().toInt();
    QVERIFY2(resumed == begun || resumed == begun + 1, qPrintable(QString::number(resumed)));
    const qsizetype before = server.queries().size();
    QTest::mouseClick(second.find<QPushButton>(QStringLiteral("cmdDoSearch")), Qt::LeftButton);
    const QString next = QStringLiteral("word%1.com").arg(resumed);
    QTRY_VERIFY_WITH_TIMEOUT(server.queries().mid(before).contains(next), 10000);
    // Nothing before the name under way at Stop is asked again.
    for (const QString &query : server.queries().mid(before))
        QVERIFY2(query.mid(4).section(QLatin1Char('.'), 0, 0).toInt() >= begun, qPrintable(query));
    QTest::mouseClick(second.find<QPushButton>(QStringLiteral("Command3")), Qt::LeftButton);
}

void TestSearchRun::threeTickedTldsCheckEachBareName()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setResponder([](const QString &query) {
        return query.endsWith(QLatin1String(".net")) ? testing::registeredAnswer(query)
                                                     : testing::availableAnswer(query);
    });
    testing::TestFolder folder;
    folder.write(QStringLiteral("TLDs.txt"), testing::loopbackTable(server.port()) + "org|127.0.0.1|" +
                                                 QByteArray::number(server.port()) + "|Enabled|0|No match\r\n");
    folder.write(QStringLiteral("mine.txt"), "apple\r\nbanana.org\r\n");
    Desk desk(folder);
    auto *chooser = desk.find<sources::TldChooser>(QStringLiteral("cmbTLDs"));
    QCOMPARE(chooser->shownText(), QStringLiteral("(default: .com)"));
    chooser->setTicked(QStringLiteral("com"), true);
    chooser->setTicked(QStringLiteral("net"), true);
    chooser->setTicked(QStringLiteral("org"), true);
    QCOMPARE(chooser->shownText(), QStringLiteral("com, net, org"));
    desk.startCustomList(folder);
    QTRY_COMPARE_WITH_TIMEOUT(desk.window->statusPanel(1)->text(),
                              QStringLiteral("Finished: 4 names - 3 available, 1 registered, 0 unchecked"), 5000);
    QStringList asked = server.queries();
    asked.sort();
    QCOMPARE(asked, (QStringList{QStringLiteral("apple.com"), QStringLiteral("apple.net"), QStringLiteral("apple.org"),
                                 QStringLiteral("banana.org")}));
    QCOMPARE(desk.list(4),
             (QStringList{QStringLiteral("apple.com"), QStringLiteral("apple.org"), QStringLiteral("banana.org")}));
    QCOMPARE(desk.list(2), QStringList{QStringLiteral("apple.net")});
    QCOMPARE(desk.list(3), QStringList());
    QCOMPARE(desk.list(1), QStringList());
    QCOMPARE(desk.context->settings.position(QStringLiteral("CustWordNum"), QString()), QStringLiteral("3"));
}

void TestSearchRun::checkDnsFirstSkipsTheRegistryForDelegatedNames()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setResponder([](const QString &query) { return testing::availableAnswer(query); });
    testing::DnsFixtureServer resolver;
    QVERIFY(resolver.listen());
    resolver.setResponder([](const QString &name) {
        return name.startsWith(QLatin1String("taken")) ? testing::DnsFixtureServer::Reply::Delegated
                                                       : testing::DnsFixtureServer::Reply::NxDomain;
    });
    testing::TestFolder folder;
    writeTable(folder, server.port());
    folder.write(QStringLiteral("mine.txt"), "takenone\r\nfreeone\r\n");
    testing::StoredSettings(folder.settingsFolder()).plant(QStringLiteral("CheckDNS"), QStringLiteral("1"));
    Desk desk(folder);
    QAction *dnsFirst = desk.window->menuItem(QStringLiteral("mnuCheckDns"));
    QCOMPARE(dnsFirst->text().remove(QLatin1Char('&')), QStringLiteral("Check DNS first"));
    QVERIFY(dnsFirst->isChecked());
    QVERIFY(desk.window->dnsCheck()->setServer(resolver.address()));
    desk.startCustomList(folder);
    QTRY_COMPARE_WITH_TIMEOUT(desk.window->statusPanel(1)->text(),
                              QStringLiteral("Finished: 2 names - 1 available, 1 registered, 0 unchecked"), 5000);
    QCOMPARE(server.queries(), QStringList{QStringLiteral("freeone.com")});
    QCOMPARE(desk.list(2), QStringList{QStringLiteral("takenone.com")});
    dnsFirst->setChecked(false);
    QCOMPARE(testing::StoredSettings(desk.context->settings.folder()).setting(QStringLiteral("CheckDNS")),
             QStringLiteral("0"));
}

void TestSearchRun::lyingResolverIsReportedInTheStatusBar()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setResponder([](const QString &query) { return testing::availableAnswer(query); });
    testing::DnsFixtureServer resolver;
    QVERIFY(resolver.listen());
    resolver.setResponder([](const QString &) { return testing::DnsFixtureServer::Reply::Delegated; });
    testing::TestFolder folder;
    writeTable(folder, server.port());
    folder.write(QStringLiteral("mine.txt"), "takenone\r\nfreeone\r\n");
    testing::StoredSettings(folder.settingsFolder()).plant(QStringLiteral("CheckDNS"), QStringLiteral("1"));
    Desk desk(folder);
    QVERIFY(desk.window->dnsCheck()->setServer(resolver.address()));
    desk.startCustomList(folder);
    QTRY_COMPARE_WITH_TIMEOUT(desk.window->statusPanel(1)->text(),
                              QStringLiteral("Finished: 2 names - 2 available, 0 registered, 0 unchecked"), 5000);
    QCOMPARE(desk.window->statusBar()->currentMessage(),
             QStringLiteral("The DNS resolver claims names that cannot exist; every name goes to the registry."));
}

void TestSearchRun::silentServerShowsTheWatchdogNotice()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(testing::WhoisFixtureServer::Mode::Silent);
    testing::TestFolder folder;
    writeTable(folder, server.port());
    folder.write(QStringLiteral("mine.txt"), "quiet\r\n");
    Desk desk(folder);
    desk.startCustomList(folder);
    QTRY_VERIFY_WITH_TIMEOUT(!desk.window->serverProblems()->rows().isEmpty(), 5000);
    desk.window->openServerProblems();
    QCOMPARE(desk.window->serverProblemsWindow()->lines(),
             QStringList{QStringLiteral("127.0.0.1:%1 | did not answer in time | 1 | asked").arg(server.port())});
    QVERIFY(server.connections() >= 2);
    QTest::mouseClick(desk.find<QPushButton>(QStringLiteral("Command3")), Qt::LeftButton);
    QCOMPARE(desk.window->statusPanel(1)->text(),
             QStringLiteral("Finished: 1 name - 0 available, 0 registered, 1 unchecked"));
}

void TestSearchRun::vanishedListEndsTheRunAndSaysSoAfterwards()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    testing::TestFolder folder;
    writeTable(folder, server.port());
    QByteArray names;
    for (int i = 1; i <= 300; ++i)
        names += "name" + QByteArray::number(i) + "\r\n";
    folder.write(QStringLiteral("mine.txt"), names);
    Desk desk(folder);
    // The list is deleted once the run has taken the first names (the engine reads 256 ahead).
    connect(&server, &testing::WhoisFixtureServer::queryReceived, this,
            [&folder] { QFile::remove(folder.file(QStringLiteral("mine.txt"))); });
    qsizetype shownAtStop = -1;
    connect(desk.window->queryEngine(), &engine::QueryEngine::stopped, this,
            [&] { shownAtStop = desk.fakes.messages.shown.size(); });
    desk.startCustomList(folder);
    QTRY_VERIFY_WITH_TIMEOUT(desk.window->statusPanel(1)->text().startsWith(QLatin1String("Stopped")), 10000);
    QCOMPARE(desk.window->statusPanel(1)->text(),
             QStringLiteral("Stopped: 256 names - 256 available, 0 registered, 0 unchecked; the list could not be "
                            "read to its end"));
    // Said once the run has stopped, never from inside it.
    QCOMPARE(shownAtStop, 0);
    QTRY_COMPARE(
        desk.fakes.messages.texts(),
        QStringList{QStringLiteral("File ") + folder.file(QStringLiteral("mine.txt")) + QStringLiteral(" not found.")});
    QCOMPARE(desk.context->settings.position(QStringLiteral("CustWordNum"), QString()), QStringLiteral("257"));
}

void TestSearchRun::closingTheWindowStopsTheSearchFirst()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(testing::WhoisFixtureServer::Mode::Silent);
    testing::TestFolder folder;
    writeTable(folder, server.port());
    folder.write(QStringLiteral("mine.txt"), "pending\r\n");
    Desk desk(folder);
    desk.startCustomList(folder);
    QSignalSpy query(&server, &testing::WhoisFixtureServer::queryReceived);
    QVERIFY(query.wait(3000));
    engine::QueryEngine *engine = desk.window->queryEngine();
    desk.window->close();
    QVERIFY(engine->stopRequested());
    // Nothing of the run goes on: no reconnect, no notice, no result.
    QTest::qWait(300);
    QCOMPARE(server.connections(), 1);
    QVERIFY(desk.window->serverProblems()->rows().isEmpty());
    QCOMPARE(desk.window->resultClasses()->counter(results::RegisteredList), 0);
}

void TestSearchRun::screenOnlyMarksNamesThatConfirmingSettles()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    // "hidden" is registered without name servers, so the zone leaves it out.
    server.setResponder([](const QString &query) {
        return query.startsWith(QLatin1String("hidden")) ? testing::registeredAnswer(query)
                                                         : testing::availableAnswer(query);
    });
    testing::TestFolder folder;
    writeTable(folder, server.port());
    folder.write(QStringLiteral("com.zone"),
                 "$ORIGIN com.\n@ 86400 IN SOA a. b. 7 1 1 1 1\nexample 1 IN NS ns.x.net.\n");
    zones::ZoneImport import(folder.file(QStringLiteral("com.zone")), zones::zonesFolder(folder.appFolder()));
    QVERIFY(import.run());
    folder.write(QStringLiteral("mine.txt"), "example\r\nfree\r\nhidden\r\n");
    Desk desk(folder);
    desk.window->menuItem(QStringLiteral("mnuScreenOnly"))->setChecked(true);
    QSignalSpy stopped(desk.window->queryEngine(), &engine::QueryEngine::stopped);
    desk.startCustomList(folder);
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 5000); // a run the zone settles whole may end at once
    QCOMPARE(server.queries(), QStringList());
    QCOMPARE(desk.window->statusPanel(1)->text(),
             QStringLiteral("Finished: 3 names - 0 available, 1 registered, 0 unchecked, 2 likely available"));
    QCOMPARE(desk.list(2), QStringList{QStringLiteral("example.com")});
    QCOMPARE(desk.window->listModel(3)->likelyEntries(), QStringList{QStringLiteral("free.com")});
    QCOMPARE(desk.window->listModel(4)->likelyEntries(), QStringList{QStringLiteral("hidden.com")});
    QCOMPARE(folder.read(QStringLiteral("SuperHighProfile.txt")), QByteArray());

    desk.window->menuItem(QStringLiteral("mnuConfirmLikely"))->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 2, 5000);
    QCOMPARE(server.queries(), (QStringList{QStringLiteral("free.com"), QStringLiteral("hidden.com")}));
    QCOMPARE(desk.list(3), QStringList{QStringLiteral("free.com")});
    QCOMPARE(desk.window->listModel(3)->likelyEntries(), QStringList());
    QCOMPARE(desk.list(4), QStringList());
    QCOMPARE(desk.list(2), (QStringList{QStringLiteral("example.com"), QStringLiteral("hidden.com")}));
    QCOMPARE(folder.read(QStringLiteral("SuperHighProfile.txt")), QByteArray("free.com\r\n"));
    QVERIFY(desk.context->settings.screenOnly());
}

QTEST_MAIN(TestSearchRun)
#include "tst_searchrun.moc"
