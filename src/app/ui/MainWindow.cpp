#include "app/ui/MainWindow.h"

#include "app/AppContext.h"
#include "app/ui/AboutWindow.h"
#include "app/ui/EngineWiring.h"
#include "app/ui/HelpLauncherWindow.h"
#include "app/ui/MainMenus.h"
#include "app/ui/MainStatusBar.h"
#include "app/ui/MainWindowHistory.h"
#include "app/ui/ZoneScreening.h"
#include "browse/BrowseChecker.h"
#include "browse/ui/BrowseWindow.h"
#include "engine/QueryEngine.h"
#include "engine/ui/ServerProblemsWindow.h"
#include "platform/ui/WindowFit.h"
#include "platform/ui/WindowKeys.h"
#include "results/DomainListModel.h"
#include "results/ResultClasses.h"
#include "results/ui/DeskController.h"
#include "results/ui/FileBackupNotice.h"
#include "results/ui/PurchaseLinksWindow.h"
#include "results/ui/ResultsDesk.h"
#include "results/ui/SkippedWindow.h"
#include "sources/ui/GeneratorWindow.h"
#include "sources/ui/HarvesterWindow.h"
#include "sources/ui/SourcePanel.h"
#include "sources/ui/SourceSelection.h"
#include "tld/TldRegistry.h"
#include "tld/ui/TldManagerWindow.h"
#include "tld/ui/WhoisWindow.h"
#include "zones/ZoneScreen.h"
#include "zones/ui/ZoneFilesWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>

namespace app {

MainWindow::MainWindow(AppContext &context, QWidget *parent)
    : QMainWindow(parent), m_context(context), m_history(new MainWindowHistory(context, *this, this)),
      m_sourcePanel(new sources::SourcePanel), m_desk(new results::ResultsDesk),
      m_results(new results::ResultClasses(context.folder, this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(context.links.productName);
    for (int number = 1; number <= results::ResultsDesk::listCount; ++number) {
        m_models[number - 1] = number <= 4 ? m_results->list(number) : new results::DomainListModel(this);
        m_desk->setModel(number, m_models[number - 1]);
    }
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(m_sourcePanel);
    layout->addWidget(m_desk, 1);
    setCentralWidget(central);
    m_statusBar = new MainStatusBar(*statusBar(), *m_history, this);
    m_menus = std::make_unique<MainMenus>(*menuBar(), *m_history);
    buildEngine();
    connectMenus();
    addShortcuts();
    buildDeskController();
    m_wiring->zoneScreening().addMenuItems(*m_menus->options, *m_menus->edit);
    platform::resizeWithinScreen(this, QSize(1100, 700));
}

MainWindow::~MainWindow() = default;

void MainWindow::buildEngine()
{
    const bool checkDns = m_context.settings.checkDnsFirst();
    m_menus->checkDns->setChecked(checkDns);
    m_wiring = new EngineWiring(
        {m_context, *this, *m_sourcePanel, *m_results, m_log, *m_history, *m_statusBar, *m_desk}, checkDns, this);
    const sources::SourceSelection *selection = &m_wiring->selection();
    connect(selection, &sources::SourceSelection::generatorRequested, this, &MainWindow::openGenerator);
    connect(selection, &sources::SourceSelection::harvesterRequested, this, &MainWindow::openHarvester);
    connect(selection, &sources::SourceSelection::browserRequested, this, &MainWindow::openBrowseWindow);
    connect(selection, &sources::SourceSelection::runningChanged, this, &MainWindow::enableSourceItems);
    connect(m_results, &results::ResultClasses::captionChanged, this,
            [this](int number, const QString &caption) { m_desk->caption(number)->setText(caption); });
    connect(m_results, &results::ResultClasses::spilled, this, [] { (new results::FileBackupNotice)->show(); });
    connect(this, &MainWindow::shuttingDown, &m_wiring->engine(), &engine::QueryEngine::shutdown);
    connect(m_statusBar, &MainStatusBar::skippedListRequested, this, &MainWindow::openSkippedWindow);
    connect(m_statusBar, &MainStatusBar::serverProblemsRequested, this, &MainWindow::openServerProblems);
}

void MainWindow::connectMenus()
{
    const MainMenus &menus = *m_menus;
    connect(menus.exportResults, &QAction::triggered, this, &MainWindow::exportResults);
    connect(menus.exit, &QAction::triggered, this, &QWidget::close);
    connect(menus.filterLists, &QAction::triggered, this, [this] {
        m_desk->filterBox()->setFocus(Qt::ShortcutFocusReason);
        m_desk->filterBox()->selectAll();
    });
    connectSourceItems();
    connect(menus.checkUnchecked, &QAction::triggered, m_wiring, &EngineWiring::checkUncheckedNames);
    connect(menus.zoneFiles, &QAction::triggered, this, &MainWindow::openZoneFilesWindow);
    connect(menus.setup, &QAction::triggered, this, &MainWindow::openTldManager);
    connect(menus.purchaseLinks, &QAction::triggered, this, &MainWindow::openPurchaseLinksWindow);
    connect(menus.checkDns, &QAction::toggled, this, &MainWindow::useDnsCheck);
    connect(menus.viewHelp, &QAction::triggered, this, [this] { openHelp(m_context, true); });
    connect(menus.about, &QAction::triggered, this, &MainWindow::openAboutWindow);
    connect(m_desk->setupButton(), &QPushButton::clicked, this, &MainWindow::openTldManager);
}

void MainWindow::connectSourceItems()
{
    for (int i = 0; i < m_menus->sources.size(); ++i) {
        connect(m_menus->sources.at(i), &QAction::triggered, this, [this, i] {
            // Choosing the source that is already chosen applies it again (reopens its window).
            if (m_sourcePanel->sourceList()->currentIndex() == i)
                m_wiring->selection().applySelection(i);
            else
                m_sourcePanel->sourceList()->setCurrentIndex(i);
        });
    }
}

void MainWindow::enableSourceItems(bool running)
{
    // Another source chosen during a run would change the list the run reads and its saved position.
    for (QAction *item : std::as_const(m_menus->sources))
        item->setEnabled(!running);
    m_menus->checkUnchecked->setEnabled(!running);
}

void MainWindow::useDnsCheck(bool on)
{
    m_context.settings.setCheckDnsFirst(on);
    m_wiring->useDnsCheck(on);
    if (m_browseWindow.current())
        m_browseWindow.current()->checker().setDnsCheck(m_wiring->dnsCheckInUse());
}

void MainWindow::addShortcuts()
{
    platform::giveMnemonics(this, {m_sourcePanel->startButton(), m_sourcePanel->stopButton(),
                                   m_sourcePanel->searchButton(), m_desk->setupButton()});
    // Shortcuts of their own beside their mnemonics (a button's shortcut would give way to its mnemonic).
    const auto pressWith = [this](QPushButton *button, const QKeySequence &keys) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isVisible() && button->isEnabled())
                button->click();
        });
    };
    pressWith(m_sourcePanel->startButton(), QKeySequence(Qt::CTRL | Qt::Key_Return));
    pressWith(m_sourcePanel->stopButton(), QKeySequence(Qt::Key_Escape));
}

void MainWindow::buildDeskController()
{
    results::DeskContext desk{m_context.links,
                              m_context.selectedDomain,
                              m_context.services,
                              m_context.folder.path(QStringLiteral("Remembered.txt")),
                              [this](const QString &domain) { openLookupWindow(domain); },
                              [this] { return m_context.history.isOpen(); }};
    m_deskController = new results::DeskController(*m_desk, *m_results, *m_models[4], desk, this);
    connect(m_deskController, &results::DeskController::cannotSave, m_statusBar,
            [this](const QString &text) { m_statusBar->say(text); });
    for (int i = 0; i < MainMenus::editItemCount; ++i) {
        connect(m_menus->editItems.at(i), &QAction::triggered, m_deskController,
                [this, i] { m_deskController->runEditMenuItem(i); });
    }
    connect(m_menus->undo, &QAction::triggered, m_deskController, &results::DeskController::undo);
    keepListOrder();
}

void MainWindow::keepListOrder()
{
    // The lists come back in the order the user chose last.
    QComboBox *order = m_desk->orderChooser();
    const int chosen = m_context.settings.listOrder();
    if (chosen >= 0 && chosen < order->count())
        order->setCurrentIndex(chosen);
    connect(order, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_context.settings.setListOrder(index); });
}

QAction *MainWindow::menuItem(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

void MainWindow::exportResults()
{
    platform::MessageBoxes *messages = m_context.services.messages;
    if (!m_context.services.dialogs)
        return;
    const QString path = m_context.services.dialogs->saveFile(m_context.folder.root(), QStringLiteral("Results.csv"),
                                                              tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    const bool written = m_log.exportTo(path);
    if (!messages)
        return;
    const QString shown = QDir::toNativeSeparators(path);
    if (!written)
        messages->inform(tr("The results could not be written to %1.").arg(path));
    else if (m_log.size() == 1)
        messages->inform(tr("Exported 1 result to %1.").arg(shown));
    else
        messages->inform(tr("Exported %1 results to %2.").arg(m_log.size()).arg(shown));
}

void MainWindow::openTldManager()
{
    m_tldManager.open([this] {
        const tld::TldManagerContext context{m_context.tlds, m_context.settings, *m_context.services.messages,
                                             *m_context.services.clipboard,
                                             m_context.folder.path(QStringLiteral("debug.txt"))};
        auto *manager = new tld::TldManagerWindow(context, this);
        manager->setZonesFolder(zones::zonesFolder(m_context.folder.root()));
        connect(manager, &tld::TldManagerWindow::closed, this, &MainWindow::loadTLDs);
        return manager;
    });
}

void MainWindow::openLookupWindow(const QString &domain)
{
    m_context.selectedDomain = domain;
    m_lookupWindow.replace([this, &domain] {
        // A row that names an RDAP service is asked there; every other domain at the fixed WHOIS server.
        const tld::TldRecord *row = m_context.tlds.rowFor(domain);
        const QString rdapBase = row && tld::isRdapServer(row->server) ? row->server : QString();
        return new tld::WhoisWindow(domain, m_lookupServer, rdapBase, this);
    });
}

void MainWindow::openGenerator()
{
    m_generator.open([this] {
        const sources::GeneratorHost host{m_context.folder, m_context.settings, m_context.services,
                                          m_context.tlds.file()};
        auto *generator = new sources::GeneratorWindow(host, this);
        connect(generator, &sources::GeneratorWindow::listWritten, this, &MainWindow::takeNewList);
        connect(generator, &sources::GeneratorWindow::runRequested, this, &MainWindow::startRun);
        return generator;
    });
}

void MainWindow::openHarvester()
{
    m_harvester.replace([this] {
        const sources::HarvestRequest request = sources::HarvestRequest::fromSearchPanel(
            m_sourcePanel->sourceList()->currentText(), m_sourcePanel->searchString()->text(),
            m_sourcePanel->resultCount()->currentIndex());
        auto *harvester = new sources::HarvesterWindow({m_context.folder, m_context.tlds.matcher(), m_context.services},
                                                       request, this);
        connect(harvester, &sources::HarvesterWindow::listWritten, this, &MainWindow::takeNewList);
        connect(harvester, &sources::HarvesterWindow::runRequested, this, &MainWindow::startRun);
        return harvester;
    });
}

void MainWindow::takeNewList(int entries)
{
    if (m_wiring->selection().isRunning())
        return;
    // A new list: its run begins at its first name, whatever the last one reached.
    m_sourcePanel->entryCount()->setText(QString::number(entries));
    m_sourcePanel->startNumber()->setText(QStringLiteral("1"));
}

void MainWindow::openServerProblems()
{
    m_serverProblemsWindow.open([this] {
        auto *window = new engine::ServerProblemsWindow(m_statusBar->serverProblems(), this);
        window->setAttribute(Qt::WA_DeleteOnClose);
        return window;
    });
}

void MainWindow::openAboutWindow()
{
    m_aboutWindow.open([this] { return new AboutWindow(m_context.links, this); });
}

void MainWindow::openPurchaseLinksWindow()
{
    m_purchaseLinksWindow.open([this] {
        auto *window =
            new results::PurchaseLinksWindow(m_context.links, m_context.settings, m_context.services.messages, this);
        connect(window, &results::PurchaseLinksWindow::changed, this, [this] {
            setFrameCaption(frameCaption(m_context.links));
            setWebsiteCaption(websiteCaption(m_context.links));
        });
        return window;
    });
}

void MainWindow::openSkippedWindow()
{
    m_skippedWindow.open([this] {
        return new results::SkippedWindow(*m_results->skippedEntries(), m_context.services.clipboard, this);
    });
}

void MainWindow::openZoneFilesWindow()
{
    m_zoneFiles.open([this] {
        return new zones::ZoneFilesWindow({m_context.folder.root(), m_context.settings, m_context.services}, this);
    });
}

void MainWindow::openBrowseWindow()
{
    m_browseWindow.open([this] {
        const browse::BrowseContext context{m_context.folder,
                                            m_context.tlds,
                                            *m_results,
                                            m_context.links,
                                            m_context.links.productName,
                                            m_context.selectedDomain,
                                            m_context.services,
                                            m_statusBar->serverProblems(),
                                            [this](const QString &domain) { openLookupWindow(domain); }};
        auto *window = new browse::BrowseWindow(context, this);
        m_history->watchBrowseChecker(window->checker());
        window->checker().setDnsCheck(m_wiring->dnsCheckInUse());
        window->load(m_browseHome);
        return window;
    });
}

void MainWindow::load()
{
    runMainWindowLoad(m_context, *this);
    m_wiring->selection().restoreLastSource();
    m_history->showCount();
}

void MainWindow::setWindowIconFromResource()
{
    setWindowIcon(QApplication::windowIcon());
}

void MainWindow::setWebsiteCaption(const QString &caption)
{
    // Its own letter: the other letters of the caption are taken by the window's other controls.
    m_desk->websiteButton()->setText(caption.isEmpty() ? caption : QLatin1Char('&') + caption);
}

void MainWindow::setFrameCaption(const QString &caption)
{
    m_desk->setTitle(caption);
}

void MainWindow::runHelpLauncher()
{
    HelpLauncherWindow launcher(m_context);
    launcher.load();
}

void MainWindow::loadRememberedList()
{
    m_deskController->loadRememberedList();
}

void MainWindow::maximize()
{
    // The first start fills the screen; later starts come back as the user left the window.
    const QByteArray saved = m_context.settings.windowGeometry();
    if (saved.isEmpty() || !restoreGeometry(saved))
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_context.settings.setWindowGeometry(saveGeometry());
    // Searches stop first so that late socket events only close their sockets; nothing is saved.
    emit shuttingDown();
    event->accept();
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != this)
            window->close();
    }
    QApplication::quit();
}

} // namespace app
