#pragma once

#include "app/MainWindowLoad.h"
#include "app/ui/CompanionWindow.h"
#include "app/ui/EngineWiring.h"
#include "app/ui/MainStatusBar.h"
#include "lookup/WhoisRecordRequest.h"
#include "results/ResultLog.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QLabel;
class QAction;

namespace engine {
class QueryEngine;
class ServerProblems;
class ServerProblemsWindow;
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
class GeneratorWindow;
class HarvesterWindow;
} // namespace sources
namespace tld {
class TldManagerWindow;
class WhoisWindow;
} // namespace tld
namespace zones {
class ZoneFilesWindow;
}

namespace app {

class AppContext;
class MainMenus;
class MainWindowHistory;

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
    void loadTLDs() override { m_wiring->fillTldChooser(); }

    sources::SourcePanel *sourcePanel() const { return m_sourcePanel; }
    results::ResultsDesk *desk() const { return m_desk; }
    QLabel *statusPanel(int number) const { return m_statusBar->panel(number); }
    /// The menu item named @p objectName, for tests that drive the window through its menus.
    QAction *menuItem(const QString &objectName) const;
    results::DomainListModel *listModel(int number) const { return m_models.at(number - 1); }
    engine::QueryEngine *queryEngine() const { return &m_wiring->engine(); }
    lookup::DnsCheck *dnsCheck() const { return &m_wiring->dnsCheck(); }
    results::ResultClasses *resultClasses() const { return m_results; }
    /// The servers that failed in the current run.
    engine::ServerProblems *serverProblems() const { return &m_statusBar->serverProblems(); }
    results::DeskController *deskController() const { return m_deskController; }
    const results::ResultLog &resultLog() const { return m_log; }

    /// Starts a run over the current source, as the Start button does.
    void startRun() { m_wiring->startRun(); }
    /// File > "Export results...": every outcome of the session as CSV, in a file the user chooses.
    void exportResults();

    // The companion windows: each opens without blocking, one instance, brought forward when open.
    void openTldManager();
    tld::TldManagerWindow *tldManager() const { return m_tldManager.current(); }
    /// Opens a fresh lookup window for @p domain, discarding the one that is open.
    void openLookupWindow(const QString &domain);
    tld::WhoisWindow *lookupWindow() const { return m_lookupWindow.current(); }
    /// The server the lookup window asks: the registry's fixed server unless a test points it elsewhere.
    void setLookupServer(const lookup::WhoisServer &server) { m_lookupServer = server; }
    void openGenerator();
    sources::GeneratorWindow *generatorWindow() const { return m_generator.current(); }
    /// Harvests the search panel's search in a new harvester window; a harvest under way stops.
    void openHarvester();
    sources::HarvesterWindow *harvesterWindow() const { return m_harvester.current(); }
    /// "Servers with problems" (the status bar's button).
    void openServerProblems();
    engine::ServerProblemsWindow *serverProblemsWindow() const { return m_serverProblemsWindow.current(); }
    void openAboutWindow();
    void openPurchaseLinksWindow();
    results::PurchaseLinksWindow *purchaseLinksWindow() const { return m_purchaseLinksWindow.current(); }
    /// The list of skipped entries ("Skipped: N" in the status bar).
    void openSkippedWindow();
    results::SkippedWindow *skippedWindow() const { return m_skippedWindow.current(); }
    void openZoneFilesWindow();
    zones::ZoneFilesWindow *zoneFilesWindow() const { return m_zoneFiles.current(); }
    void openBrowseWindow();
    browse::BrowseWindow *browseWindow() const { return m_browseWindow.current(); }
    /// The page the browse window opens first (empty: the product's page; tests point it at a local server).
    void setBrowseHome(const QString &address) { m_browseHome = address; }

signals:
    /// Closing: every search stops before the other windows close.
    void shuttingDown();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void setWindowIconFromResource() override;
    void setTitle(const QString &title) override { setWindowTitle(title); }
    void setWebsiteCaption(const QString &caption) override;
    void setFrameCaption(const QString &caption) override;
    void runHelpLauncher() override;
    void resetIdleSeconds() override {}
    void loadRememberedList() override;
    void maximize() override;

    void buildEngine();
    void connectMenus();
    void connectSourceItems();
    void enableSourceItems(bool running);
    void useDnsCheck(bool on);
    void addShortcuts();
    void buildDeskController();
    void keepListOrder();
    void takeNewList(int entries);

    AppContext &m_context;
    MainWindowHistory *m_history;
    sources::SourcePanel *m_sourcePanel;
    results::ResultsDesk *m_desk;
    results::ResultClasses *m_results;
    std::array<results::DomainListModel *, 5> m_models{};
    std::unique_ptr<MainMenus> m_menus;
    MainStatusBar *m_statusBar = nullptr;
    EngineWiring *m_wiring = nullptr;
    results::DeskController *m_deskController = nullptr;
    results::ResultLog m_log;
    lookup::WhoisServer m_lookupServer = lookup::fixedLookupServer();
    QString m_browseHome;
    CompanionWindow<tld::TldManagerWindow> m_tldManager;
    CompanionWindow<tld::WhoisWindow> m_lookupWindow;
    CompanionWindow<sources::GeneratorWindow> m_generator;
    CompanionWindow<sources::HarvesterWindow> m_harvester;
    CompanionWindow<engine::ServerProblemsWindow> m_serverProblemsWindow;
    CompanionWindow<QWidget> m_aboutWindow;
    CompanionWindow<results::PurchaseLinksWindow> m_purchaseLinksWindow;
    CompanionWindow<results::SkippedWindow> m_skippedWindow;
    CompanionWindow<zones::ZoneFilesWindow> m_zoneFiles;
    CompanionWindow<browse::BrowseWindow> m_browseWindow;
};

} // namespace app
