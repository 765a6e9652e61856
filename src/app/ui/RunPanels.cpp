#include "app/ui/RunPanels.h"

#include "engine/QueryEngine.h"
#include "engine/ui/EngineWords.h"
#include "engine/ui/ServerProblemsWindow.h"
#include "platform/ui/ElidingLabel.h"

#include <QToolButton>

namespace app {

using engine::EngineWords;
using engine::ServerState;

RunPanels::RunPanels(const std::array<platform::ElidingLabel *, 3> &panels, platform::ElidingLabel *servers,
                     QToolButton *problemsButton, engine::ServerProblems &problems, QObject *parent)
    : QObject(parent), m_panels(panels), m_servers(servers), m_problemsButton(problemsButton), m_problems(problems)
{
    connect(&problems, &engine::ServerProblems::changed, this, &RunPanels::showProblems);
    showProblems();
    showServers();
}

void RunPanels::follow(engine::QueryEngine &engine)
{
    connect(&engine, &engine::QueryEngine::checking, this,
            [this](const QString &domain) { m_panels[2]->showText(EngineWords::checking(domain)); });
    connect(&engine, &engine::QueryEngine::connectionsChanged, this, [this](int open) {
        if (m_running)
            m_panels[1]->showText(EngineWords::connections(open));
    });
    connect(&engine, &engine::QueryEngine::serverChanged, this, &RunPanels::showServer);
    connect(&engine, &engine::QueryEngine::troubled, &m_problems, &engine::ServerProblems::add);
    connect(&engine, &engine::QueryEngine::outcome, this, &RunPanels::showOutcome);
    connect(&engine, &engine::QueryEngine::stopped, this, &RunPanels::runEnded);
}

void RunPanels::runStarted()
{
    m_running = true;
    m_problems.clear();
    m_states.clear();
    showServers();
    for (platform::ElidingLabel *panel : m_panels)
        panel->showText(QString());
}

void RunPanels::showOutcome(const lookup::QueryOutcome &outcome)
{
    if (outcome.kind == lookup::QueryOutcome::Kind::NoServer)
        m_panels[2]->showText(tr("No server for %1: left unchecked").arg(outcome.domain));
}

void RunPanels::showServer(const ServerState &state)
{
    m_problems.setState(state);
    if (state.phase == ServerState::Phase::Pacing) {
        m_states.remove(state.host);
    } else {
        m_states.insert(state.host, state);
        m_restEnds.insert(state.host, QTime::currentTime().addMSecs(int(state.restMs)));
        m_panels[2]->showText(EngineWords::serverState(state));
    }
    showServers();
}

void RunPanels::showServers()
{
    QStringList resting;
    QStringList silent;
    for (const ServerState &state : std::as_const(m_states)) {
        if (state.phase == ServerState::Phase::Unresponsive)
            silent.append(state.host);
        else
            resting.append(tr("%1 until %2 (%3)")
                               .arg(state.host, m_restEnds.value(state.host).toString(QStringLiteral("HH:mm:ss")),
                                    EngineWords::cause(state)));
    }
    QStringList parts;
    if (!resting.isEmpty())
        parts.append(tr("Paused: %1").arg(resting.join(QStringLiteral("; "))));
    if (!silent.isEmpty())
        parts.append(tr("Not answering: %1").arg(silent.join(QStringLiteral(", "))));
    m_servers->showText(parts.join(QStringLiteral(" - ")));
    m_servers->setVisible(!parts.isEmpty());
}

void RunPanels::showProblems()
{
    const int servers = m_problems.serverCount();
    m_problemsButton->setText(servers == 1 ? tr("1 server with problems")
                                           : tr("%1 servers with problems").arg(servers));
    m_problemsButton->setVisible(servers > 0);
}

void RunPanels::runEnded(const engine::RunEnd &end)
{
    m_running = false;
    m_states.clear();
    showServers();
    m_panels[0]->showText(EngineWords::summary(end));
    m_panels[1]->showText(QString());
    m_panels[2]->showText(QString());
}

} // namespace app
