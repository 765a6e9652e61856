#include "StartedProgram.h"
#include "WhoisFixtureServer.h"
#include "app/ui/MainWindowHistory.h"
#include "engine/QueryEngine.h"
#include "platform/Intervals.h"
#include "results/DomainListModel.h"
#include "results/HistoryModel.h"
#include "results/ResultClasses.h"
#include "results/ui/HistoryWindow.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

// The History window of the real main window, over runs against a WHOIS fixture server.
namespace {

struct Program : testing::StartedProgram {
    using StartedProgram::StartedProgram;

    /// Checks the names of "mine.txt" as a custom list, and waits for the run to end.
    bool runCustomList(const testing::TestFolder &folder)
    {
        fakes.dialogs.nextOpen = folder.file(QStringLiteral("mine.txt"));
        find<QComboBox>(QStringLiteral("Combo1"))->setCurrentIndex(8);
        return runs([this] { find<QPushButton>(QStringLiteral("cmdDoSearch"))->click(); });
    }
    /// Does @p start and waits until the run it starts has ended.
    bool runs(const std::function<void()> &start) const
    {
        QSignalSpy finished(window->queryEngine(), &engine::QueryEngine::stopped);
        start();
        // A run whose names need no question may end before the click returns.
        return !finished.isEmpty() || finished.wait(10000);
    }
    results::HistoryWindow *openHistory() const
    {
        window->menuItem(QStringLiteral("mnuHistory"))->trigger();
        return window->findChild<results::HistoryWindow *>(QStringLiteral("frmHistory"));
    }
};

// The column @p column of every row the window shows, top to bottom.
QStringList column(const results::HistoryWindow &history, results::HistoryColumn column)
{
    QStringList texts;
    const QAbstractItemModel *model = history.table()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, int(column)).data().toString();
    return texts;
}

} // namespace

class TestHistoryWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void runsAreListedFilteredAndCheckedAgain();
};

void TestHistoryWindow::initTestCase()
{
    platform::intervals().secondMs = 20;
}

void TestHistoryWindow::runsAreListedFilteredAndCheckedAgain()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setResponder([](const QString &query) {
        return query.startsWith(QLatin1String("taken")) ? testing::registeredAnswer(query)
                                                        : testing::availableAnswer(query);
    });
    testing::PreparedFolder prepared(testing::loopbackTable(server.port()),
                                     {{QStringLiteral("mine.txt"), "freeone\r\ntaken\r\n"}});
    Program program(prepared.folder);
    auto *count = program.find<QLabel>(QStringLiteral("lblHistory"));
    QVERIFY2(count && count->text().contains(QLatin1String("History: 0 earlier results")), qPrintable(count->text()));
    QVERIFY(program.runCustomList(prepared.folder));

    results::HistoryWindow *history = program.openHistory();
    QVERIFY2(history, "Ctrl+H opened no History window");
    QCOMPARE(column(*history, results::HistoryColumn::Domain),
             (QStringList{QStringLiteral("freeone.com"), QStringLiteral("taken.com")}));
    QCOMPARE(column(*history, results::HistoryColumn::Outcome),
             (QStringList{QStringLiteral("available"), QStringLiteral("registered")}));
    QCOMPARE(column(*history, results::HistoryColumn::CameFrom).value(0), QStringLiteral("main window: Custom List"));
    QCOMPARE(history->findChild<QLabel *>(QStringLiteral("lblHistoryCount"))->text(), QStringLiteral("2 domains"));

    // The filter follows the typing, the outcome and the TLD.
    history->findChild<QLineEdit *>(QStringLiteral("txtHistoryFilter"))->setText(QStringLiteral("FREE"));
    QTRY_COMPARE(column(*history, results::HistoryColumn::Domain), QStringList{QStringLiteral("freeone.com")});
    history->findChild<QLineEdit *>(QStringLiteral("txtHistoryFilter"))->clear();
    auto *outcome = history->findChild<QComboBox *>(QStringLiteral("cmbOutcome"));
    outcome->setCurrentIndex(outcome->findText(QStringLiteral("registered")));
    QCOMPARE(column(*history, results::HistoryColumn::Domain), QStringList{QStringLiteral("taken.com")});

    // Asked not to ask again about recent names, the list run sends nothing and marks its verdicts...
    program.window->menuItem(QStringLiteral("mnuSkipChecked_3"))->trigger(); // 30 days
    const int asked = server.queries().size();
    QVERIFY(program.runCustomList(prepared.folder));
    QCOMPARE(server.queries().size(), asked);
    const QString mark =
        QStringLiteral("(from history, ") + QDate::currentDate().toString(Qt::ISODate) + QLatin1Char(')');
    const results::DomainListModel *registered = program.window->resultClasses()->list(results::RegisteredList);
    QCOMPARE(registered->index(registered->count() - 1).data().toString(), QStringLiteral("taken.com  ") + mark);
    QCOMPARE(registered->entries().constLast(), QStringLiteral("taken.com"));

    // ...but "Check again" asks again, through the window's run.
    history->table()->selectRow(0);
    QVERIFY(program.runs([history] { history->findChild<QPushButton *>(QStringLiteral("cmdCheckAgain"))->click(); }));
    QCOMPARE(server.queries().mid(asked), QStringList{QStringLiteral("taken.com")});
    history->applyFilter();
    QCOMPARE(column(*history, results::HistoryColumn::Checks), QStringList{QStringLiteral("2")});
    QCOMPARE(column(*history, results::HistoryColumn::CameFrom),
             QStringList{QStringLiteral("main window: History window")});
}

QTEST_MAIN(TestHistoryWindow)
#include "tst_historywindow.moc"
