#pragma once

#include <QObject>

#include <array>

class QLabel;
class QStatusBar;
class QToolButton;

namespace engine {
class ServerProblems;
}
namespace platform {
class ElidingLabel;
}

namespace app {

class MainWindowHistory;
class RunPanels;

/**
 * The main window's status bar: three panels, the counts of unchecked names and skipped entries, the
 * servers resting or given up, the button to the servers with problems and the history's count.
 */
class MainStatusBar : public QObject {
    Q_OBJECT
public:
    MainStatusBar(QStatusBar &bar, MainWindowHistory &history, QObject *parent = nullptr);

    QStatusBar &bar() const { return m_bar; }
    /// Panel 1, 2 or 3.
    QLabel *panel(int number) const;
    RunPanels &runPanels() const { return *m_runPanels; }
    /// The servers that failed in the current run.
    engine::ServerProblems &serverProblems() const { return *m_serverProblems; }

    void showUncheckedCount(int count);
    void showSkippedCount(int count);
    /// A message that stays until the next one (@p timeoutMs 0) or for @p timeoutMs.
    void say(const QString &text, int timeoutMs = 0);

signals:
    void skippedListRequested();
    void serverProblemsRequested();

private:
    void addPanels();
    QToolButton *addButton(const char *name, const QString &toolTip);

    QStatusBar &m_bar;
    std::array<platform::ElidingLabel *, 3> m_panels{};
    QLabel *m_uncheckedCount = nullptr;
    QToolButton *m_skippedCount = nullptr;
    engine::ServerProblems *m_serverProblems = nullptr;
    RunPanels *m_runPanels = nullptr;
};

} // namespace app
