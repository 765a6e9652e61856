#pragma once

#include <QObject>

class QMainWindow;

namespace engine {
class QueryEngine;
struct RunEnd;
} // namespace engine
namespace lookup {
class DnsCheck;
}
namespace results {
class ResultClasses;
class ResultLog;
class ResultsDesk;
} // namespace results
namespace sources {
class SourcePanel;
class SourceSelection;
} // namespace sources

namespace app {

class AppContext;
class MainStatusBar;
class MainWindowHistory;
class RunStatus;
class ZoneScreening;

/**
 * The main window's runs: the engine over the source row's list with its DNS pre-check and the
 * history's screen, and what a run tells the status bar, the history and the session's result log.
 */
class EngineWiring : public QObject {
    Q_OBJECT
public:
    struct Parts {
        AppContext &context;
        QMainWindow &window;
        sources::SourcePanel &sourcePanel;
        results::ResultClasses &results;
        results::ResultLog &log;
        MainWindowHistory &history;
        MainStatusBar &statusBar;
        results::ResultsDesk &desk;
    };

    /// @p checkDnsFirst: the pre-check is on from the start ("Check DNS first").
    EngineWiring(const Parts &parts, bool checkDnsFirst, QObject *parent = nullptr);

    engine::QueryEngine &engine() const { return *m_engine; }
    sources::SourceSelection &selection() const { return *m_selection; }
    lookup::DnsCheck &dnsCheck() const { return *m_dns; }
    ZoneScreening &zoneScreening() const { return *m_zoneScreening; }
    /// The pre-check every checker puts before its questions: none while it is switched off.
    lookup::DnsCheck *dnsCheckInUse() const { return m_checkDnsFirst ? m_dns : nullptr; }
    void useDnsCheck(bool on);
    /// Fills the TLD chooser from the table file; the first fill ticks the TLDs ticked in the last session.
    void fillTldChooser();

    /// Starts a run over the current source, as the Start button does.
    void startRun();
    /// A run over the names that ended without a verdict.
    void checkUncheckedNames();

private:
    void keepChosenTlds();
    void connectRunStart(RunStatus &runStatus);
    void connectRunEnd(RunStatus &runStatus);
    void sayWhyTheListEnded(const engine::RunEnd &end);

    AppContext &m_context;
    sources::SourcePanel &m_sourcePanel;
    results::ResultClasses &m_results;
    MainWindowHistory &m_history;
    MainStatusBar &m_statusBar;
    sources::SourceSelection *m_selection;
    engine::QueryEngine *m_engine;
    lookup::DnsCheck *m_dns;
    ZoneScreening *m_zoneScreening = nullptr;
    bool m_checkDnsFirst;
};

} // namespace app
