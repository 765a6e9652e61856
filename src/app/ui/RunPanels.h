#pragma once

#include "engine/RunEnd.h"
#include "engine/ServerState.h"

#include <QMap>
#include <QObject>
#include <QTime>

#include <array>

class QLabel;
class QToolButton;

namespace engine {
class QueryEngine;
class ServerProblems;
} // namespace engine
namespace lookup {
struct QueryOutcome;
}
namespace platform {
class ElidingLabel;
}

namespace app {

/**
 * The words of the main window's status bar around a run, from what the engine reports: panel 1 says how
 * the last run ended, panel 2 how many connections are open, panel 3 the name being asked or what a server
 * does; the servers label lists the servers resting or given up, and the problems button, shown once a
 * server failed in this run, opens "Servers with problems".
 */
class RunPanels : public QObject {
    Q_OBJECT
public:
    RunPanels(const std::array<platform::ElidingLabel *, 3> &panels, platform::ElidingLabel *servers,
              QToolButton *problemsButton, engine::ServerProblems &problems, QObject *parent = nullptr);

    void follow(engine::QueryEngine &engine);
    /// A run begins: the last run's words and problems are cleared.
    void runStarted();

private:
    void showOutcome(const lookup::QueryOutcome &outcome);
    void showServer(const engine::ServerState &state);
    void showServers();
    void showProblems();
    void runEnded(const engine::RunEnd &end);

    std::array<platform::ElidingLabel *, 3> m_panels;
    platform::ElidingLabel *m_servers;
    QToolButton *m_problemsButton;
    engine::ServerProblems &m_problems;
    QMap<QString, engine::ServerState> m_states; ///< servers resting or given up, by host
    QMap<QString, QTime> m_restEnds;
    bool m_running = false;
};

} // namespace app
