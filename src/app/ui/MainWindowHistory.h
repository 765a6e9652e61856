#pragma once

#include "app/ui/CompanionWindow.h"
#include "results/HistoryScreen.h"

#include <QObject>

class QLabel;
class QMenu;
class QStatusBar;

namespace browse {
class BrowseChecker;
}
namespace engine {
class QueryEngine;
}
namespace lookup {
struct QueryOutcome;
}
namespace results {
class HistoryWindow;
class ResultClasses;
} // namespace results
namespace sources {
class SourceSelection;
}

namespace app {

class AppContext;

/**
 * The main window's side of the check history: the runs of the window and of the browse window are
 * recorded, Tools > "History..." (Ctrl+H) opens the History window, whose names go back through the
 * normal run, the status bar says how many earlier results the history holds, and Options > "Do not
 * ask again about names checked in the last N days" sets the look-up made before each question.
 */
class MainWindowHistory : public QObject {
    Q_OBJECT
public:
    MainWindowHistory(AppContext &context, QWidget &window, QObject *parent = nullptr);

    void addMenuItems(QMenu &tools, QMenu &options);
    void addStatusLabel(QStatusBar &bar);
    /// Records the engine's runs and puts the look-up in front of its questions.
    void watchEngine(engine::QueryEngine &engine, sources::SourceSelection &selection, results::ResultClasses &results,
                     std::function<QString()> sourceName);
    void watchBrowseChecker(browse::BrowseChecker &checker);
    /// The next run's names come from @p source (not from the source list).
    void setNextRunSource(const QString &source) { m_nextSource = source; }

    /// The status bar's count, once the load opened the history.
    void showCount();
    void openWindow();
    results::HistoryWindow *window() const { return m_window.current(); }
    results::HistoryScreen &screen() { return m_screen; }
    /// Checks @p names in a run of their own, asking every one of them.
    void checkNames(const QStringList &names, const QString &source);

private:
    void startRun();
    void record(const lookup::QueryOutcome &outcome);
    void chooseDays(int days);
    void sayWriteFailed(const QString &reason);

    AppContext &m_context;
    QWidget &m_mainWindow;
    results::HistoryScreen m_screen;
    sources::SourceSelection *m_selection = nullptr;
    results::ResultClasses *m_results = nullptr;
    std::function<QString()> m_sourceName;
    QString m_nextSource;
    bool m_askEveryName = false; ///< a run of names the user asked to check again
    int m_run = 0;
    int m_browseRun = 0;
    QLabel *m_label = nullptr;
    QStatusBar *m_statusBar = nullptr;
    CompanionWindow<results::HistoryWindow> m_window;
};

} // namespace app
