#pragma once

#include "engine/RunEnd.h"
#include "engine/RunProgress.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class QProgressBar;
class QStatusBar;
class QSystemTrayIcon;
class QWidget;

namespace app {

/**
 * The run's progress on a status bar: a bar with the names done, the pace and the time left while a
 * run goes on, hidden at rest. When a run ends by itself while its window is not the active one, the
 * window asks for attention and the desktop shows a notification where it offers them.
 */
class RunStatus : public QObject {
    Q_OBJECT
public:
    /// Adds the bar to @p bar; @p position tells where the run has come to (the next entry to finish).
    RunStatus(QStatusBar &bar, QWidget &window, std::function<int()> position, QObject *parent = nullptr);

    const engine::RunProgress &progress() const { return m_progress; }

    /// A run from entry @p first of a list of @p last entries began.
    void runStarted(int first, int last);
    /// One name has its outcome.
    void refresh();
    /// The run ended (by Stop or by itself).
    void runEnded(const engine::RunEnd &end);

private:
    void notify(const QString &summary);

    QWidget &m_window;
    QProgressBar *m_bar;
    std::function<int()> m_position;
    engine::RunProgress m_progress;
    QElapsedTimer m_clock;
    QTimer m_tick;
    QPointer<QSystemTrayIcon> m_tray;
};

} // namespace app
