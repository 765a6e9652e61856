#include "app/ui/MainWindowHistory.h"

#include "app/AppContext.h"
#include "browse/BrowseChecker.h"
#include "engine/QueryEngine.h"
#include "platform/AtomicFile.h"
#include "platform/TextCodec.h"
#include "results/DomainListModel.h"
#include "results/OutcomeWords.h"
#include "results/ResultClasses.h"
#include "results/ui/HistoryWindow.h"
#include "sources/ui/SourceSelection.h"
#include "tld/TldRegistry.h"

#include <QActionGroup>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QStatusBar>

namespace app {

namespace {} // namespace

MainWindowHistory::MainWindowHistory(AppContext &context, QWidget &window, QObject *parent)
    : QObject(parent), m_context(context), m_mainWindow(window), m_screen(context.history)
{
    m_screen.setDays(context.settings.skipCheckedDays());
    connect(&context.history, &results::HistoryStore::writeFailed, this, &MainWindowHistory::sayWriteFailed);
}

void MainWindowHistory::addMenuItems(QMenu &tools, QMenu &options)
{
    QAction *open = tools.addAction(tr("History..."));
    open->setObjectName(QStringLiteral("mnuHistory"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(open, &QAction::triggered, this, &MainWindowHistory::openWindow);

    QMenu *skip = options.addMenu(tr("Do not ask again about names checked in the last N days"));
    skip->setObjectName(QStringLiteral("mnuSkipChecked"));
    auto *choices = new QActionGroup(skip);
    QList<int> days = {0, 1, 7, 30, 90, 365};
    if (!days.contains(m_screen.days()))
        days.append(m_screen.days()); // set by hand in the settings file
    for (int i = 0; i < days.size(); ++i) {
        const int n = days.at(i);
        QAction *choice =
            skip->addAction(n == 0 ? tr("Off (ask about every name)") : (n == 1 ? tr("1 day") : tr("%1 days").arg(n)));
        choice->setObjectName(QStringLiteral("mnuSkipChecked_") + QString::number(i));
        choice->setCheckable(true);
        choice->setChecked(n == m_screen.days());
        choices->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, n] { chooseDays(n); });
    }
}

void MainWindowHistory::chooseDays(int days)
{
    m_screen.setDays(days);
    m_context.settings.setSkipCheckedDays(days);
}

void MainWindowHistory::addStatusLabel(QStatusBar &bar)
{
    m_statusBar = &bar;
    m_label = new QLabel(&bar);
    m_label->setObjectName(QStringLiteral("lblHistory"));
    m_label->setTextFormat(Qt::RichText);
    m_label->setFrameShape(QFrame::StyledPanel);
    connect(m_label, &QLabel::linkActivated, this, &MainWindowHistory::openWindow);
    bar.addPermanentWidget(m_label);
}

void MainWindowHistory::showCount()
{
    if (!m_label)
        return;
    const results::HistoryStore &history = m_context.history;
    if (!history.isOpen()) {
        m_label->setText(tr("History off: %1").arg(history.error().toHtmlEscaped()));
        return;
    }
    const int count = int(std::min<qint64>(history.domainCount(), std::numeric_limits<int>::max()));
    m_label->setText(QStringLiteral("<a href=\"history\">") +
                     (count == 1 ? tr("History: 1 earlier result")
                                 : tr("History: %1 earlier results").arg(QLocale().toString(count))) +
                     QStringLiteral("</a>"));
}

void MainWindowHistory::watchEngine(engine::QueryEngine &engine, sources::SourceSelection &selection,
                                    results::ResultClasses &results, std::function<QString()> sourceName)
{
    m_selection = &selection;
    m_results = &results;
    m_sourceName = std::move(sourceName);
    // Before the engine starts: the first outcomes may come while it does.
    connect(&selection, &sources::SourceSelection::runRequested, this, &MainWindowHistory::startRun);
    connect(&engine, &engine::QueryEngine::outcome, this, &MainWindowHistory::record);
    connect(&engine, &engine::QueryEngine::stopped, this, [this] { m_askEveryName = false; });
    engine.addScreen([this](const QString &domain, const tld::TldRecord &row) -> std::optional<lookup::QueryOutcome> {
        if (m_askEveryName)
            return std::nullopt;
        return m_screen(domain, row);
    });
}

void MainWindowHistory::startRun()
{
    const QString source = m_nextSource.isEmpty() ? m_sourceName() : std::exchange(m_nextSource, {});
    m_run = m_context.history.startRun(results::Runner::MainWindow, source);
}

void MainWindowHistory::record(const lookup::QueryOutcome &outcome)
{
    if (outcome.source == lookup::QueryOutcome::Source::History) {
        // The list shows where the verdict came from; the entry itself stays the bare domain.
        if (const int list = results::resultListFor(outcome); list > 0)
            m_results->list(list)->setNote(outcome.domain, QLatin1Char('(') + outcome.cause + QLatin1Char(')'));
        return;
    }
    m_context.history.record(outcome, m_run);
}

void MainWindowHistory::watchBrowseChecker(browse::BrowseChecker &checker)
{
    if (m_browseRun == 0)
        m_browseRun = m_context.history.startRun(results::Runner::BrowseWindow, QString());
    connect(&checker, &browse::BrowseChecker::outcome, this,
            [this](const lookup::QueryOutcome &outcome) { m_context.history.record(outcome, m_browseRun); });
}

void MainWindowHistory::openWindow()
{
    // An open window reads the history again.
    if (m_window.current())
        m_window.current()->applyFilter();
    m_window.open([this] {
        // What waits for the writer is written first, so the window shows every check made so far.
        m_context.history.waitForWrites();
        auto *window = new results::HistoryWindow(m_context.history, tld::enabledExtensions(m_context.tlds.table()),
                                                  m_context.services, &m_mainWindow);
        connect(window, &results::HistoryWindow::checkRequested, this, &MainWindowHistory::checkNames);
        return window;
    });
}

void MainWindowHistory::checkNames(const QStringList &names, const QString &source)
{
    platform::MessageBoxes *messages = m_context.services.messages;
    if (!m_selection || m_selection->isRunning()) {
        if (messages)
            messages->inform(tr("A search is running. Press Stop, then check the names again."));
        return;
    }
    const QString path = m_context.folder.path(QStringLiteral("HistoryCheck.txt"));
    if (!platform::writeFileAtomically(path, platform::encodeText(names.join(platform::crlf) + platform::crlf))) {
        if (messages)
            messages->inform(tr("The names could not be written to %1, so they cannot be checked.").arg(path));
        return;
    }
    m_nextSource = source;
    m_askEveryName = true;
    m_selection->startListRun(path);
}

void MainWindowHistory::sayWriteFailed(const QString &reason)
{
    if (m_statusBar)
        m_statusBar->showMessage(tr("The check history could not be written: %1").arg(reason));
}

} // namespace app
