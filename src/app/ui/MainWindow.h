#pragma once

#include "app/MainWindowLoad.h"
#include "lookup/WhoisLookup.h"
#include "results/ResultLog.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

namespace tld {
class TldManagerWindow;
class WhoisWindow;
} // namespace tld

class QLabel;
class QMenu;
class QAction;
class QToolButton;

namespace engine {
class QueryEngine;
class ServerProblems;
class ServerProblemsWindow;
struct RunEnd;
} // namespace engine
namespace lookup {
class DnsCheck;
}
namespace browse {
class BrowseWindow;
}
namespace results {
class ResultClasses;
class DomainListModel;
class ResultsDesk;
class DeskController;
class PurchaseLinksWindow;
class SkippedWindow;
} // namespace results
namespace sources {
class SourcePanel;
class SourceSelection;
class GeneratorWindow;
class HarvesterWindow;
} // namespace sources
namespace tld {
class BlockedNotice;
}
namespace zones {
class ZoneFilesWindow;
}

namespace app {

class AppContext;
class MainWindowHistory;
class RunPanels;
class RunStatus;

/// The main window: source row, the results desk, three status panels and the menus. It owns the
/// result lists; its behaviour lives in the controllers it connects.
class MainWindow : public QMainWindow, private LoadHost {
    Q_OBJECT
public:
    explicit MainWindow(AppContext &context, QWidget *parent = nullptr);
    ~MainWindow() override;

    /// The load sequence of the window (run once, before it is shown).
    void load();

    /// Fills the TLD chooser from the table file.
    void loadTLDs() override;

    sources::SourcePanel *sourcePanel() const { return m_sourcePanel; }
    results::ResultsDesk *desk() const { return m_desk; }
    QLabel *statusPanel(int number) const { return m_panels.at(number - 1); }
    QAction *menuItem(const QString &objectName) const;
    RunStatus *runStatus() const { return m_runStatus; }

    /// Opens the TLD manager without blocking, or brings the open one forward.
    void openTldManager();
    tld::TldManagerWindow *tldManager() const;
    /// Opens a fresh lookup window for @p domain, discarding the one that is open.
    void openLookupWindow(const QString &domain);
    tld::WhoisWindow *lookupWindow() const;
    /// The server the lookup window asks: the registry's fixed server unless a test points it elsewhere.
    void setLookupServer(const lookup::WhoisServer &server) { m_lookupServer = server; }
    results::DomainListModel *listModel(int number) const { return m_models.at(number - 1); }
    engine::QueryEngine *queryEngine() const { return m_engine; }
    lookup::DnsCheck *dnsCheck() const { return m_dns; }
    results::ResultClasses *resultClasses() const { return m_results; }
    /// Opens the name generator without blocking, or brings the open one forward.
    void openGenerator();
    sources::GeneratorWindow *generatorWindow() const;
    /// Harvests the search panel's search in a new harvester window; a harvest under way stops.
    void openHarvester();
    sources::HarvesterWindow *harvesterWindow() const;
    /// The servers that failed in the current run, and the window that lists them.
    engine::ServerProblems *serverProblems() const { return m_serverProblems; }
    /// Opens "Servers with problems" (the status bar's button does), or brings it forward.
    void openServerProblems();
    engine::ServerProblemsWindow *serverProblemsWindow() const;
    results::DeskController *deskController() const { return m_deskController; }
    /// Opens the about window without blocking, or brings the open one forward.
    void openAboutWindow();
    /// Options > "Purchase Links...", without blocking; one instance.
    void openPurchaseLinksWindow();
    results::PurchaseLinksWindow *purchaseLinksWindow() const;
    /// The list of skipped entries ("Skipped: N" in the status bar), without blocking; one instance.
    void openSkippedWindow();
    results::SkippedWindow *skippedWindow() const;
    /// Tools > "Zone Files...", without blocking; one instance.
    void openZoneFilesWindow();
    zones::ZoneFilesWindow *zoneFilesWindow() const;

    /// Starts a run over the current source, as the Start button does.
    void startRun();
    /// Tools > "Check unchecked names": a run over the names that ended without a verdict.
    void checkUncheckedNames();
    /// File > "Export results...": every outcome of the session as CSV, in a file the user chooses.
    void exportResults();
    const results::ResultLog &resultLog() const { return m_log; }
    /// The check history's menu items, status bar label, window and recording.
    MainWindowHistory *history() const { return m_history; }

    /// Opens the browse window (one instance); @p home is the first page (empty: the product's page).
    void openBrowseWindow();
    browse::BrowseWindow *browseWindow() const;
    /// The page the browse window opens first (tests point it at a local server).
    void setBrowseHome(const QString &address) { m_browseHome = address; }

signals:
    /// Closing: every search stops before the other windows close.
    void shuttingDown();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void setWindowIconFromResource() override;
    void setTitle(const QString &title) override;
    void setWebsiteCaption(const QString &caption) override;
    void setFrameCaption(const QString &caption) override;
    void runHelpLauncher() override;
    void resetIdleSeconds() override;
    void loadRememberedList() override;
    void maximize() override;

    void buildStatusBar();
    void showUncheckedCount(int count);
    void showSkippedCount(int count);
    void enableSourceItems(bool running);
    void buildMenus();
    void addShortcuts();
    void buildEngine();
    void sayWhyTheListEnded(const engine::RunEnd &end);
    void buildDeskController();
    void showFileBackupNotice();
    QMenu *addItems(const QString &title, const char *arrayName, const QStringList &captions);

    AppContext &m_context;
    MainWindowHistory *m_history;
    sources::SourcePanel *m_sourcePanel;
    results::ResultsDesk *m_desk;
    std::array<results::DomainListModel *, 5> m_models{};
    std::array<QLabel *, 3> m_panels{};
    QLabel *m_uncheckedCount = nullptr;
    QToolButton *m_skippedCount = nullptr;
    RunStatus *m_runStatus = nullptr;
    RunPanels *m_runPanels = nullptr;
    engine::ServerProblems *m_serverProblems = nullptr;
    QPointer<engine::ServerProblemsWindow> m_serverProblemsWindow;
    results::ResultLog m_log;
    QPointer<tld::TldManagerWindow> m_tldManager;
    QPointer<tld::WhoisWindow> m_lookupWindow;
    lookup::WhoisServer m_lookupServer = lookup::fixedLookupServer();
    QPointer<sources::GeneratorWindow> m_generator;
    QPointer<sources::HarvesterWindow> m_harvester;
    results::ResultClasses *m_results = nullptr;
    sources::SourceSelection *m_selection = nullptr;
    engine::QueryEngine *m_engine = nullptr;
    lookup::DnsCheck *m_dns = nullptr;
    QPointer<browse::BrowseWindow> m_browseWindow;
    QString m_browseHome;
    results::DeskController *m_deskController = nullptr;
    QPointer<QWidget> m_aboutWindow;
    QPointer<results::PurchaseLinksWindow> m_purchaseLinksWindow;
    QPointer<results::SkippedWindow> m_skippedWindow;
    QPointer<zones::ZoneFilesWindow> m_zoneFiles;
};

} // namespace app
