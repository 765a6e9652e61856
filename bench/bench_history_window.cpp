// The History window over a history of 1,000,000 checks (a word list checked in com and net): how long
// it takes to open and paint, to filter by text, outcome and TLD, and to sort by the last check.
// bench_history_window [COUNT [FILE]]: FILE keeps the history for the next run, which then uses it as it is.
// Runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include "results/HistoryModel.h"
#include "results/HistoryStore.h"
#include "results/ui/HistoryWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

void fill(results::HistoryStore &store, int count)
{
    using lookup::QueryOutcome;
    const int run = store.startRun(results::Runner::MainWindow, QStringLiteral("Full Word List"));
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("w%1").arg(i / 2, 7, 10, QLatin1Char('0'));
        QueryOutcome outcome{i % 4 == 0 ? QueryOutcome::Kind::Available : QueryOutcome::Kind::Registered,
                             name + (i % 2 == 0 ? QStringLiteral(".com") : QStringLiteral(".net")),
                             QStringLiteral("whois.verisign-grs.com"), 43};
        store.record(outcome, run);
    }
    store.waitForWrites();
}

// Runs @p change and paints the window, as the user sees the result; milliseconds.
double timed(QWidget &window, const std::function<void()> &change)
{
    QElapsedTimer clock;
    clock.start();
    change();
    window.grab();
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, QString::fromLatin1(argv[1]).toInt()) : 1'000'000;
    QTemporaryDir dir;
    const QString path = argc > 2 ? QString::fromLocal8Bit(argv[2]) : dir.filePath(QStringLiteral("History.sqlite"));
    const bool filled = QFileInfo::exists(path);
    results::HistoryStore store(path);
    if (!store.open())
        return 1;
    if (!filled)
        fill(store, count);
    QTextStream out(stdout);
    out << store.domainCount() << " domains\n";

    QElapsedTimer opening;
    opening.start();
    auto window = std::make_unique<results::HistoryWindow>(
        store, QStringList{QStringLiteral("com"), QStringLiteral("net")}, platform::Services{});
    window->show();
    window->grab();
    out << "open and paint: " << double(opening.nsecsElapsed()) / 1e6 << " ms\n";
    auto *text = window->findChild<QLineEdit *>(QStringLiteral("txtHistoryFilter"));
    // The boxes apply their filter at once; typed text once the typing pauses, which here is at once.
    const auto filterBy = [&](const char *what, const std::function<void()> &change) {
        out << "filter by " << what << ": " << timed(*window, change) << " ms, " << window->model()->rowCount()
            << " domains shown\n";
    };
    const auto type = [&](const QString &typed) {
        text->setText(typed);
        window->applyFilter();
    };
    filterBy("text found in 1 of 10", [&] { type(QStringLiteral("5")); });
    filterBy("text found in a few", [&] { type(QStringLiteral("w0123")); });
    filterBy("text found nowhere", [&] { type(QStringLiteral("zzz")); });
    type(QString());
    auto *outcome = window->findChild<QComboBox *>(QStringLiteral("cmbOutcome"));
    filterBy("outcome", [&] { outcome->setCurrentIndex(outcome->findText(QStringLiteral("available"))); });
    outcome->setCurrentIndex(0);
    auto *tld = window->findChild<QComboBox *>(QStringLiteral("cmbTld"));
    filterBy("TLD", [&] { tld->setCurrentIndex(tld->findText(QStringLiteral(".net"))); });
    tld->setCurrentIndex(0);
    out << "sort by last checked: " << timed(*window, [&] {
        window->table()->sortByColumn(int(results::HistoryColumn::LastChecked), Qt::DescendingOrder);
    }) << " ms\n";
    return 0;
}
