#include "app/ui/EngineWiring.h"

#include "app/AppContext.h"
#include "app/ui/MainStatusBar.h"
#include "app/ui/MainWindowHistory.h"
#include "app/ui/RunPanels.h"
#include "app/ui/RunStatus.h"
#include "app/ui/ZoneScreening.h"
#include "engine/QueryEngine.h"
#include "lookup/DnsCheck.h"
#include "platform/Intervals.h"
#include "results/ResultClasses.h"
#include "results/ResultLog.h"
#include "sources/ui/SourcePanel.h"
#include "sources/ui/SourceSelection.h"
#include "sources/ui/TldChooser.h"
#include "tld/TldRegistry.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

namespace app {

EngineWiring::EngineWiring(const Parts &parts, bool checkDnsFirst, QObject *parent)
    : QObject(parent), m_context(parts.context), m_sourcePanel(parts.sourcePanel), m_results(parts.results),
      m_history(parts.history), m_statusBar(parts.statusBar),
      m_selection(new sources::SourceSelection(parts.sourcePanel, m_context.folder, m_context.settings,
                                               m_context.services, this)),
      m_engine(new engine::QueryEngine(m_context.tlds, parts.results, *m_selection, engine::QueryEngine::defaultSlots,
                                       this)),
      m_dns(new lookup::DnsCheck(this)), m_checkDnsFirst(checkDnsFirst)
{
    keepChosenTlds();
    connect(m_dns, &lookup::DnsCheck::lyingResolverFound, this, [this] {
        m_statusBar.say(tr("The DNS resolver claims names that cannot exist; every name goes to the registry."), 15000);
    });
    // Delegated names are registered without a registry question; the option turns it off.
    useDnsCheck(checkDnsFirst);
    auto *runStatus = new RunStatus(
        m_statusBar.bar(), parts.window, [this] { return m_engine->reportedPosition(); }, this);
    // The history connects first: its run is open before the engine's first outcome.
    m_history.watchEngine(*m_engine, *m_selection, m_results,
                          [this] { return m_sourcePanel.sourceList()->currentText(); });
    // After the history's screen, a name checked lately keeps its verdict and the zone settles the rest;
    // made before the run's start is connected, so the zones are ready before the first name is taken.
    m_zoneScreening =
        new ZoneScreening({m_context, parts.window, *m_engine, *m_selection, parts.desk, m_results}, this);
    m_zoneScreening->install();
    m_statusBar.runPanels().follow(*m_engine);
    connectRunStart(*runStatus);
    connect(m_engine, &engine::QueryEngine::stopped, m_selection, &sources::SourceSelection::restoreAfterStop);
    connect(m_engine, &engine::QueryEngine::outcome, this,
            [&log = parts.log](const lookup::QueryOutcome &outcome) { log.record(outcome); });
    connectRunEnd(*runStatus);
}

void EngineWiring::keepChosenTlds()
{
    sources::TldChooser *chooser = m_sourcePanel.tldChooser();
    m_engine->setChosenTlds([chooser] { return chooser->chosenTlds(); });
    // The TLDs ticked last are kept for the next session.
    connect(chooser, &sources::TldChooser::choiceChanged, this,
            [this, chooser] { m_context.settings.setLastTlds(chooser->chosenTlds()); });
}

void EngineWiring::fillTldChooser()
{
    sources::TldChooser *chooser = m_sourcePanel.tldChooser();
    // The first fill takes the TLDs ticked in the last session; a refresh keeps those still offered.
    if (chooser->count() == 0) {
        const QStringList last = m_context.settings.lastTlds();
        chooser->setExtensions(QString(), last);
        for (const QString &tld : last)
            chooser->setTicked(tld, true);
    }
    QStringList extensions = m_context.tlds.file().chooserItems();
    // A table file that cannot be read leaves the built-in rows serving from memory: offer those.
    if (extensions.isEmpty())
        extensions = tld::enabledExtensions(m_context.tlds.table());
    chooser->setExtensions(tr("(default: %1)").arg(m_context.tlds.defaultExt()), extensions);
}

void EngineWiring::useDnsCheck(bool on)
{
    m_checkDnsFirst = on;
    m_engine->setDnsCheck(dnsCheckInUse());
}

void EngineWiring::connectRunStart(RunStatus &runStatus)
{
    connect(m_selection, &sources::SourceSelection::runRequested, &m_statusBar.runPanels(), &RunPanels::runStarted);
    connect(m_selection, &sources::SourceSelection::runRequested, &runStatus, &RunStatus::runStarted);
    // While a run goes on the progress bar stands in the first panel's place; the panel comes back after.
    connect(m_selection, &sources::SourceSelection::runRequested, m_statusBar.panel(1), &QWidget::hide);
    // The "Throttle" setting, read at start-up, holds back a run's first question.
    connect(m_selection, &sources::SourceSelection::runRequested, m_engine,
            [this] { m_engine->setStartPauseMs(m_context.startPauseTicks * platform::intervals().throttleTickMs); });
    connect(m_selection, &sources::SourceSelection::runRequested, m_engine, &engine::QueryEngine::start);
    connect(m_selection, &sources::SourceSelection::stopRequested, m_engine, &engine::QueryEngine::stop);
}

void EngineWiring::connectRunEnd(RunStatus &runStatus)
{
    connect(m_engine, &engine::QueryEngine::outcome, &runStatus, &RunStatus::refresh);
    connect(m_engine, &engine::QueryEngine::stopped, &runStatus, &RunStatus::runEnded);
    connect(m_engine, &engine::QueryEngine::stopped, m_statusBar.panel(1), &QWidget::show);
    connect(m_engine, &engine::QueryEngine::stopped, this, &EngineWiring::sayWhyTheListEnded);
    // Names that got their verdict leave "Unchecked.txt" once no run reads it.
    connect(m_engine, &engine::QueryEngine::stopped, &m_results, &results::ResultClasses::compactUnchecked);
    connect(&m_results, &results::ResultClasses::uncheckedChanged, &m_statusBar, &MainStatusBar::showUncheckedCount);
    connect(&m_results, &results::ResultClasses::cannotSave, this, [this](const QString &path) {
        m_statusBar.say(tr("Not saved: %1 cannot be written.").arg(QDir::toNativeSeparators(path)));
    });
    m_statusBar.showUncheckedCount(m_results.uncheckedCount());
    connect(m_results.skippedEntries(), &results::SkippedEntries::countChanged, &m_statusBar,
            &MainStatusBar::showSkippedCount);
}

void EngineWiring::sayWhyTheListEnded(const engine::RunEnd &end)
{
    if (end.reason != engine::RunEnd::Reason::ListUnreadable || !m_context.services.messages)
        return;
    // Said once the run has stopped, from the event loop: the engine is never inside a message box.
    QTimer::singleShot(0, this, [this, path = m_selection->unreadableList()] {
        m_context.services.messages->inform(tr("File %1 not found.").arg(path));
    });
}

void EngineWiring::startRun()
{
    if (m_selection->isRunning()) {
        // The generator or harvester finished during another run: its list waits for Start.
        if (m_context.services.messages)
            m_context.services.messages->inform(
                tr("A search is running. Press Stop, then Start to check the new list."));
        return;
    }
    m_selection->startRun();
}

void EngineWiring::checkUncheckedNames()
{
    if (!m_engine->stopRequested())
        return; // a run is under way
    m_results.compactUnchecked();
    if (m_results.uncheckedCount() == 0) {
        if (m_context.services.messages)
            m_context.services.messages->inform(tr("There are no unchecked names."));
        return;
    }
    m_history.setNextRunSource(tr("Unchecked names"));
    m_selection->startListRun(m_results.uncheckedPath());
}

} // namespace app
