#include "app/ui/MainWindow.h"

#include "app/AppContext.h"
#include "app/ui/AboutWindow.h"
#include "app/ui/HelpLauncherWindow.h"
#include "app/ui/MainWindowHistory.h"
#include "app/ui/RunPanels.h"
#include "app/ui/RunStatus.h"
#include "browse/BrowseChecker.h"
#include "browse/ui/BrowseWindow.h"
#include "engine/QueryEngine.h"
#include "engine/ui/ServerProblemsWindow.h"
#include "lookup/DnsCheck.h"
#include "platform/Intervals.h"
#include "platform/SettingsStore.h"
#include "platform/ui/ElidingLabel.h"
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
#include "sources/ui/TldChooser.h"
#include "tld/TldRegistry.h"
#include "tld/ui/TldManagerWindow.h"
#include "tld/ui/WhoisWindow.h"
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
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace app {

MainWindow::MainWindow(AppContext &context, QWidget *parent)
    : QMainWindow(parent), m_context(context), m_history(new MainWindowHistory(context, *this, this)),
      m_sourcePanel(new sources::SourcePanel), m_desk(new results::ResultsDesk)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(context.links.productName);
    m_results = new results::ResultClasses(context.folder, this);
    for (int number = 1; number <= results::ResultsDesk::listCount; ++number) {
        m_models[number - 1] = number <= 4 ? m_results->list(number) : new results::DomainListModel(this);
        m_desk->setModel(number, m_models[number - 1]);
    }
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(m_sourcePanel);
    layout->addWidget(m_desk, 1);
    setCentralWidget(central);
    buildStatusBar();
    buildMenus();
    buildEngine();
    buildDeskController();
    platform::resizeWithinScreen(this, QSize(1100, 700));
}

void MainWindow::buildEngine()
{
    m_selection =
        new sources::SourceSelection(*m_sourcePanel, m_context.folder, m_context.settings, m_context.services, this);
    m_engine =
        new engine::QueryEngine(m_context.tlds, *m_results, *m_selection, engine::QueryEngine::defaultSlots, this);
    // The TLDs ticked last are kept for the next session.
    connect(m_sourcePanel->tldChooser(), &sources::TldChooser::choiceChanged, this, [this] {
        m_context.settings.saveProduct(QStringLiteral("LastTLD"),
                                       m_sourcePanel->tldChooser()->chosenTlds().join(QLatin1Char(',')));
    });
    // Delegated names are registered without a registry question; the option turns it off.
    m_dns = new lookup::DnsCheck(this);
    connect(m_dns, &lookup::DnsCheck::lyingResolverFound, this, [this] {
        statusBar()->showMessage(
            tr("The DNS resolver claims names that cannot exist; every name goes to the registry."), 15000);
    });
    if (menuItem(QStringLiteral("mnuCheckDns"))->isChecked())
        m_engine->setDnsCheck(m_dns);
    m_engine->setChosenTlds([chooser = m_sourcePanel->tldChooser()] { return chooser->chosenTlds(); });
    m_runStatus = new RunStatus(
        *statusBar(), *this, [this] { return m_engine->reportedPosition(); }, this);
    m_history->watchEngine(*m_engine, *m_selection, *m_results,
                           [this] { return m_sourcePanel->sourceList()->currentText(); });
    m_runPanels->follow(*m_engine);
    connect(m_selection, &sources::SourceSelection::runRequested, m_runPanels, &RunPanels::runStarted);
    connect(m_selection, &sources::SourceSelection::runRequested, m_runStatus, &RunStatus::runStarted);
    // While a run goes on the progress bar stands in the first panel's place; the panel comes back after.
    connect(m_selection, &sources::SourceSelection::runRequested, m_panels[0], &QWidget::hide);
    // The "Throttle" setting, read at start-up, holds back a run's first question.
    connect(m_selection, &sources::SourceSelection::runRequested, m_engine,
            [this] { m_engine->setStartPauseMs(m_context.startPauseTicks * platform::intervals().throttleTickMs); });
    connect(m_selection, &sources::SourceSelection::runRequested, m_engine, &engine::QueryEngine::start);
    connect(m_selection, &sources::SourceSelection::stopRequested, m_engine, &engine::QueryEngine::stop);
    connect(m_selection, &sources::SourceSelection::generatorRequested, this, &MainWindow::openGenerator);
    connect(m_selection, &sources::SourceSelection::harvesterRequested, this, &MainWindow::openHarvester);
    connect(m_selection, &sources::SourceSelection::browserRequested, this, &MainWindow::openBrowseWindow);
    connect(m_selection, &sources::SourceSelection::runningChanged, this, &MainWindow::enableSourceItems);
    connect(m_engine, &engine::QueryEngine::stopped, m_selection, &sources::SourceSelection::restoreAfterStop);
    connect(m_results, &results::ResultClasses::captionChanged, this,
            [this](int number, const QString &caption) { m_desk->caption(number)->setText(caption); });
    connect(m_results, &results::ResultClasses::spilled, this, &MainWindow::showFileBackupNotice);
    connect(this, &MainWindow::shuttingDown, m_engine, &engine::QueryEngine::shutdown);
    connect(m_engine, &engine::QueryEngine::outcome, this, [this](const lookup::QueryOutcome &o) { m_log.record(o); });
    connect(m_engine, &engine::QueryEngine::outcome, m_runStatus, &RunStatus::refresh);
    connect(m_engine, &engine::QueryEngine::stopped, m_runStatus, &RunStatus::runEnded);
    connect(m_engine, &engine::QueryEngine::stopped, m_panels[0], &QWidget::show);
    connect(m_engine, &engine::QueryEngine::stopped, this, &MainWindow::sayWhyTheListEnded);
    // Names that got their verdict leave "Unchecked.txt" once no run reads it.
    connect(m_engine, &engine::QueryEngine::stopped, m_results, &results::ResultClasses::compactUnchecked);
    connect(m_results, &results::ResultClasses::uncheckedChanged, this, &MainWindow::showUncheckedCount);
    connect(m_results, &results::ResultClasses::cannotSave, this, [this](const QString &path) {
        statusBar()->showMessage(tr("Not saved: %1 cannot be written.").arg(QDir::toNativeSeparators(path)));
    });
    showUncheckedCount(m_results->uncheckedCount());
    connect(m_results->skippedEntries(), &results::SkippedEntries::countChanged, this, &MainWindow::showSkippedCount);
    showSkippedCount(0);
}

void MainWindow::showSkippedCount(int count)
{
    m_skippedCount->setText(tr("Skipped: %1").arg(count));
}

void MainWindow::openSkippedWindow()
{
    if (!m_skippedWindow)
        m_skippedWindow = new results::SkippedWindow(*m_results->skippedEntries(), m_context.services.clipboard, this);
    m_skippedWindow->show();
    m_skippedWindow->raise();
    m_skippedWindow->activateWindow();
}

results::SkippedWindow *MainWindow::skippedWindow() const
{
    return m_skippedWindow;
}

void MainWindow::sayWhyTheListEnded(const engine::RunEnd &end)
{
    if (end.reason != engine::RunEnd::Reason::ListUnreadable || !m_context.services.messages)
        return;
    // Said once the run has stopped, from the event loop: the engine is never inside a message box.
    QTimer::singleShot(0, this, [this, path = m_selection->unreadableList()] {
        m_context.services.messages->inform(tr("File %1 not found.").arg(path));
    });
}

void MainWindow::showUncheckedCount(int count)
{
    m_uncheckedCount->setText(QStringLiteral("Unchecked: ") + QString::number(count));
}

void MainWindow::checkUncheckedNames()
{
    if (!m_engine->stopRequested())
        return; // a run is under way
    m_results->compactUnchecked();
    if (m_results->uncheckedCount() == 0) {
        if (m_context.services.messages)
            m_context.services.messages->inform(QStringLiteral("There are no unchecked names."));
        return;
    }
    m_history->setNextRunSource(tr("Unchecked names"));
    m_selection->startListRun(m_results->uncheckedPath());
}

void MainWindow::exportResults()
{
    if (!m_context.services.dialogs)
        return;
    const QString path = m_context.services.dialogs->saveFile(m_context.folder.root(), QStringLiteral("Results.csv"),
                                                              QStringLiteral("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (!m_context.services.messages) {
        m_log.exportTo(path);
        return;
    }
    if (!m_log.exportTo(path))
        m_context.services.messages->inform(QStringLiteral("The results could not be written to ") + path +
                                            QStringLiteral("."));
    else
        m_context.services.messages->inform(
            m_log.size() == 1 ? tr("Exported 1 result to %1.").arg(QDir::toNativeSeparators(path))
                              : tr("Exported %1 results to %2.").arg(m_log.size()).arg(QDir::toNativeSeparators(path)));
}

void MainWindow::showFileBackupNotice()
{
    auto *notice = new results::FileBackupNotice;
    notice->show();
}

void MainWindow::startRun()
{
    if (m_selection->isRunning()) {
        // The generator or harvester finished during another run: its list waits for Start.
        if (m_context.services.messages)
            m_context.services.messages->inform(
                QStringLiteral("A search is running. Press Stop, then Start to check the new list."));
        return;
    }
    m_selection->startRun();
}

void MainWindow::enableSourceItems(bool running)
{
    // Another source chosen during a run would change the list the run reads and its saved position.
    for (int i = 0; i < sources::SourcePanel::sourceNames().size(); ++i)
        menuItem(QStringLiteral("mnuToolsItem_") + QString::number(i))->setEnabled(!running);
    menuItem(QStringLiteral("mnuCheckUnchecked"))->setEnabled(!running);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildStatusBar()
{
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    const QStringList names = {tr("Entry status"), tr("Open connections"), tr("Connection status")};
    std::array<platform::ElidingLabel *, 3> panels{};
    for (int i = 0; i < 3; ++i) {
        auto *panel = new platform::ElidingLabel(statusBar());
        panel->setAccessibleName(names.at(i));
        panel->setObjectName(QStringLiteral("StatusBar1_") + QString::number(i + 1));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setMinimumWidth(100); // room for the counter beside them on a small screen
        // The first panel holds the last run's summary, the third the connection's words: both get room.
        statusBar()->addWidget(panel, i == 1 ? 1 : 3);
        m_panels[i] = panels[i] = panel;
    }
    m_uncheckedCount = new QLabel(statusBar());
    m_uncheckedCount->setObjectName(QStringLiteral("lblUnchecked"));
    m_uncheckedCount->setFrameShape(QFrame::StyledPanel);
    statusBar()->addPermanentWidget(m_uncheckedCount);
    // Entries that name no registrable domain: counted here, listed with their reasons on a click.
    m_skippedCount = new QToolButton(statusBar());
    m_skippedCount->setObjectName(QStringLiteral("cmdSkipped"));
    m_skippedCount->setAutoRaise(true);
    m_skippedCount->setToolTip(tr("Entries that name no domain that can be registered: click for the list"));
    connect(m_skippedCount, &QToolButton::clicked, this, &MainWindow::openSkippedWindow);
    statusBar()->addPermanentWidget(m_skippedCount);
    // Servers resting or given up, and when they are asked again.
    auto *servers = new platform::ElidingLabel(statusBar());
    servers->setObjectName(QStringLiteral("lblPaused"));
    servers->setFrameShape(QFrame::StyledPanel);
    statusBar()->addPermanentWidget(servers, 2);
    auto *problems = new QToolButton(statusBar());
    problems->setObjectName(QStringLiteral("cmdProblems"));
    problems->setAutoRaise(true);
    problems->setToolTip(tr("Which servers failed in this run, and how"));
    connect(problems, &QToolButton::clicked, this, &MainWindow::openServerProblems);
    statusBar()->addPermanentWidget(problems);
    m_history->addStatusLabel(*statusBar());
    m_serverProblems = new engine::ServerProblems(this);
    m_runPanels = new RunPanels(panels, servers, problems, *m_serverProblems, this);
}

void MainWindow::openServerProblems()
{
    if (!m_serverProblemsWindow) {
        m_serverProblemsWindow = new engine::ServerProblemsWindow(*m_serverProblems, this);
        m_serverProblemsWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_serverProblemsWindow->show();
    m_serverProblemsWindow->raise();
}

engine::ServerProblemsWindow *MainWindow::serverProblemsWindow() const
{
    return m_serverProblemsWindow;
}

QMenu *MainWindow::addItems(const QString &title, const char *arrayName, const QStringList &captions)
{
    QMenu *menu = menuBar()->addMenu(title);
    menu->setObjectName(QString::fromLatin1(arrayName).replace(QStringLiteral("Item"), QString()));
    for (int i = 0; i < captions.size(); ++i) {
        QAction *action = menu->addAction(captions.at(i));
        action->setObjectName(QLatin1String(arrayName) + QLatin1Char('_') + QString::number(i));
    }
    return menu;
}

void MainWindow::buildMenus()
{
    QMenu *file = addItems(QStringLiteral("&File"), "mnuFileItem", {QStringLiteral("Exit")});
    QAction *exportItem = new QAction(QStringLiteral("Export results..."), file);
    exportItem->setObjectName(QStringLiteral("mnuExportResults"));
    file->insertAction(menuItem(QStringLiteral("mnuFileItem_0")), exportItem);
    file->insertSeparator(menuItem(QStringLiteral("mnuFileItem_0")));
    connect(exportItem, &QAction::triggered, this, &MainWindow::exportResults);
    addItems(QStringLiteral("&Edit"), "mnuEditItem",
             {QStringLiteral("Clear High/Mid/Low"), QStringLiteral("Clear High"), QStringLiteral("Clear Mid"),
              QStringLiteral("Clear Low"), QStringLiteral("Clear Registered"), QStringLiteral("Clear Saved"),
              QStringLiteral("Copy High"), QStringLiteral("Copy Mid"), QStringLiteral("Copy Low"),
              QStringLiteral("Copy Saved")});
    QMenu *tools = addItems(QStringLiteral("&Tools"), "mnuToolsItem", sources::SourcePanel::sourceNames());
    tools->addSeparator();
    QAction *recheck = tools->addAction(QStringLiteral("Check unchecked names"));
    recheck->setObjectName(QStringLiteral("mnuCheckUnchecked"));
    connect(recheck, &QAction::triggered, this, &MainWindow::checkUncheckedNames);
    QAction *zoneFiles = tools->addAction(QStringLiteral("Zone Files..."));
    zoneFiles->setObjectName(QStringLiteral("mnuZoneFiles"));
    connect(zoneFiles, &QAction::triggered, this, &MainWindow::openZoneFilesWindow);
    QMenu *options = addItems(QStringLiteral("&Options"), "mnuOptionsItem",
                              {QStringLiteral("Setup"), QStringLiteral("Purchase Links...")});
    options->addSeparator();
    m_history->addMenuItems(*tools, *options);
    QAction *dnsFirst = options->addAction(QStringLiteral("Check DNS first"));
    dnsFirst->setObjectName(QStringLiteral("mnuCheckDns"));
    dnsFirst->setCheckable(true);
    dnsFirst->setChecked(m_context.settings.product(QStringLiteral("CheckDNS"), QStringLiteral("1")) !=
                         QLatin1String("0"));
    connect(dnsFirst, &QAction::toggled, this, [this](bool on) {
        m_context.settings.saveProduct(QStringLiteral("CheckDNS"), on ? QStringLiteral("1") : QStringLiteral("0"));
        m_engine->setDnsCheck(on ? m_dns : nullptr);
        if (m_browseWindow)
            m_browseWindow->checker().setDnsCheck(on ? m_dns : nullptr);
    });
    addItems(QStringLiteral("&Help"), "mnuHelpItem", {QStringLiteral("View Help")});
    addItems(QStringLiteral("&About"), "mnuAboutItem", {QStringLiteral("About this software")});

    connect(menuItem(QStringLiteral("mnuFileItem_0")), &QAction::triggered, this, &QWidget::close);
    addShortcuts();
    for (QMenu *menu : menuBar()->findChildren<QMenu *>(Qt::FindDirectChildrenOnly))
        platform::giveMnemonics(menu);
    platform::giveMnemonics(this, {m_sourcePanel->startButton(), m_sourcePanel->stopButton(),
                                   m_sourcePanel->searchButton(), m_desk->setupButton()});
    for (int i = 0; i < sources::SourcePanel::sourceNames().size(); ++i) {
        connect(menuItem(QStringLiteral("mnuToolsItem_") + QString::number(i)), &QAction::triggered, this, [this, i] {
            // Choosing the source that is already chosen applies it again (reopens its window).
            if (m_sourcePanel->sourceList()->currentIndex() == i)
                m_selection->applySelection(i);
            else
                m_sourcePanel->sourceList()->setCurrentIndex(i);
        });
    }
    connect(menuItem(QStringLiteral("mnuOptionsItem_0")), &QAction::triggered, this, &MainWindow::openTldManager);
    connect(menuItem(QStringLiteral("mnuOptionsItem_1")), &QAction::triggered, this,
            &MainWindow::openPurchaseLinksWindow);
    connect(m_desk->setupButton(), &QPushButton::clicked, this, &MainWindow::openTldManager);
}

void MainWindow::addShortcuts()
{
    menuItem(QStringLiteral("mnuFileItem_0"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    menuItem(QStringLiteral("mnuHelpItem_0"))->setShortcut(QKeySequence::HelpContents);
    QMenu *edit = findChild<QMenu *>(QStringLiteral("mnuEdit"));
    QAction *first = edit->actions().value(0);
    auto *undo = new QAction(QStringLiteral("Undo"), edit);
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence::Undo);
    auto *find = new QAction(QStringLiteral("Filter the lists"), edit);
    find->setObjectName(QStringLiteral("mnuFind"));
    find->setShortcut(QKeySequence::Find);
    edit->insertAction(first, undo);
    edit->insertAction(first, find);
    edit->insertSeparator(first);
    connect(find, &QAction::triggered, this, [this] {
        m_desk->filterBox()->setFocus(Qt::ShortcutFocusReason);
        m_desk->filterBox()->selectAll();
    });
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

QAction *MainWindow::menuItem(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

void MainWindow::load()
{
    runMainWindowLoad(m_context, *this);
    m_selection->restoreLastSource();
    m_history->showCount();
}

void MainWindow::loadTLDs()
{
    sources::TldChooser *chooser = m_sourcePanel->tldChooser();
    // The first fill takes the TLDs ticked in the last session; a refresh keeps those still offered.
    if (chooser->count() == 0) {
        const QString last = m_context.settings.product(QStringLiteral("LastTLD"), QString());
        chooser->setExtensions(QString(), last.split(QLatin1Char(','), Qt::SkipEmptyParts));
        for (const QString &tld : last.split(QLatin1Char(','), Qt::SkipEmptyParts))
            chooser->setTicked(tld, true);
    }
    QStringList extensions = m_context.tlds.file().chooserItems();
    // A table file that cannot be read leaves the built-in rows serving from memory: offer those.
    if (extensions.isEmpty())
        extensions = tld::enabledExtensions(m_context.tlds.table());
    chooser->setExtensions(QStringLiteral("(default: ") + m_context.tlds.defaultExt() + QLatin1Char(')'), extensions);
}

void MainWindow::openTldManager()
{
    // A closed manager lingers until its deferred deletion; it is not the one instance any more.
    if (m_tldManager && m_tldManager->isHidden())
        m_tldManager = nullptr;
    if (!m_tldManager) {
        const tld::TldManagerContext context{m_context.tlds, m_context.settings, *m_context.services.messages,
                                             *m_context.services.clipboard,
                                             m_context.folder.path(QStringLiteral("debug.txt"))};
        m_tldManager = new tld::TldManagerWindow(context, this);
        connect(m_tldManager, &tld::TldManagerWindow::closed, this, &MainWindow::loadTLDs);
    }
    m_tldManager->show();
    m_tldManager->raise();
    m_tldManager->activateWindow();
}

void MainWindow::openZoneFilesWindow()
{
    if (!m_zoneFiles)
        m_zoneFiles =
            new zones::ZoneFilesWindow({m_context.folder.root(), m_context.settings, m_context.services}, this);
    m_zoneFiles->show();
    m_zoneFiles->raise();
    m_zoneFiles->activateWindow();
}

zones::ZoneFilesWindow *MainWindow::zoneFilesWindow() const
{
    return m_zoneFiles;
}

tld::TldManagerWindow *MainWindow::tldManager() const
{
    return m_tldManager;
}

tld::WhoisWindow *MainWindow::lookupWindow() const
{
    return m_lookupWindow;
}

void MainWindow::openLookupWindow(const QString &domain)
{
    m_context.selectedDomain = domain;
    if (m_lookupWindow)
        m_lookupWindow->close();
    // A row that names an RDAP service is asked there; every other domain at the fixed WHOIS server.
    const tld::TldRecord *row = m_context.tlds.rowFor(domain);
    const QString rdapBase = row && tld::isRdapServer(row->server) ? row->server : QString();
    m_lookupWindow = new tld::WhoisWindow(domain, m_lookupServer, rdapBase, this);
    m_lookupWindow->show();
}

void MainWindow::openGenerator()
{
    if (!m_generator) {
        const sources::GeneratorHost host{m_context.folder, m_context.settings, m_context.services,
                                          m_context.tlds.file()};
        m_generator = new sources::GeneratorWindow(host, this);
        connect(m_generator, &sources::GeneratorWindow::listWritten, this, [this](int created) {
            if (m_selection->isRunning())
                return;
            // A new list: its run begins at its first name, whatever the last one reached.
            m_sourcePanel->entryCount()->setText(QString::number(created));
            m_sourcePanel->startNumber()->setText(QStringLiteral("1"));
        });
        connect(m_generator, &sources::GeneratorWindow::runRequested, this, &MainWindow::startRun);
    }
    m_generator->show();
    m_generator->raise();
    m_generator->activateWindow();
}

sources::GeneratorWindow *MainWindow::generatorWindow() const
{
    return m_generator;
}

void MainWindow::openHarvester()
{
    if (m_harvester)
        m_harvester->close();
    const sources::HarvestRequest request = sources::HarvestRequest::fromSearchPanel(
        m_sourcePanel->sourceList()->currentText(), m_sourcePanel->searchString()->text(),
        m_sourcePanel->resultCount()->currentIndex());
    m_harvester =
        new sources::HarvesterWindow({m_context.folder, m_context.tlds.matcher(), m_context.services}, request, this);
    connect(m_harvester, &sources::HarvesterWindow::listWritten, this, [this](int entries) {
        if (m_selection->isRunning())
            return;
        m_sourcePanel->entryCount()->setText(QString::number(entries));
        m_sourcePanel->startNumber()->setText(QStringLiteral("1"));
    });
    connect(m_harvester, &sources::HarvesterWindow::runRequested, this, &MainWindow::startRun);
    m_harvester->show();
}

sources::HarvesterWindow *MainWindow::harvesterWindow() const
{
    return m_harvester;
}

void MainWindow::openBrowseWindow()
{
    if (!m_browseWindow) {
        const browse::BrowseContext context{m_context.folder,
                                            m_context.tlds,
                                            *m_results,
                                            m_context.links,
                                            m_context.links.productName,
                                            m_context.selectedDomain,
                                            m_context.services,
                                            *m_serverProblems,
                                            [this](const QString &domain) { openLookupWindow(domain); }};
        m_browseWindow = new browse::BrowseWindow(context, this);
        m_history->watchBrowseChecker(m_browseWindow->checker());
        m_browseWindow->checker().setDnsCheck(menuItem(QStringLiteral("mnuCheckDns"))->isChecked() ? m_dns : nullptr);
        m_browseWindow->load(m_browseHome);
    }
    m_browseWindow->show();
    m_browseWindow->raise();
}

browse::BrowseWindow *MainWindow::browseWindow() const
{
    return m_browseWindow;
}

void MainWindow::setWindowIconFromResource()
{
    setWindowIcon(QApplication::windowIcon());
}

void MainWindow::setTitle(const QString &title)
{
    setWindowTitle(title);
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

void MainWindow::resetIdleSeconds() {}

void MainWindow::loadRememberedList()
{
    m_deskController->loadRememberedList();
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
    connect(m_deskController, &results::DeskController::cannotSave, this,
            [this](const QString &text) { statusBar()->showMessage(text); });
    for (int i = 0; i < 10; ++i) {
        connect(menuItem(QStringLiteral("mnuEditItem_") + QString::number(i)), &QAction::triggered, m_deskController,
                [this, i] { m_deskController->runEditMenuItem(i); });
    }
    connect(menuItem(QStringLiteral("mnuHelpItem_0")), &QAction::triggered, this,
            [this] { openHelp(m_context, true); });
    connect(menuItem(QStringLiteral("mnuUndo")), &QAction::triggered, m_deskController, &results::DeskController::undo);
    connect(menuItem(QStringLiteral("mnuAboutItem_0")), &QAction::triggered, this, &MainWindow::openAboutWindow);
    // The lists come back in the order the user chose last.
    QComboBox *order = m_desk->orderChooser();
    int chosen = 0;
    if (platform::readInt(m_context.settings.product(QStringLiteral("ListOrder"), QString()), chosen) && chosen >= 0 &&
        chosen < order->count())
        order->setCurrentIndex(chosen);
    connect(order, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_context.settings.saveProduct(QStringLiteral("ListOrder"), QString::number(index)); });
}

void MainWindow::openPurchaseLinksWindow()
{
    if (!m_purchaseLinksWindow) {
        m_purchaseLinksWindow =
            new results::PurchaseLinksWindow(m_context.links, m_context.settings, m_context.services.messages, this);
        connect(m_purchaseLinksWindow, &results::PurchaseLinksWindow::changed, this, [this] {
            setFrameCaption(frameCaption(m_context.links));
            setWebsiteCaption(websiteCaption(m_context.links));
        });
    }
    m_purchaseLinksWindow->show();
    m_purchaseLinksWindow->raise();
    m_purchaseLinksWindow->activateWindow();
}

results::PurchaseLinksWindow *MainWindow::purchaseLinksWindow() const
{
    return m_purchaseLinksWindow;
}

void MainWindow::openAboutWindow()
{
    if (!m_aboutWindow)
        m_aboutWindow = new AboutWindow(m_context.links, this);
    m_aboutWindow->show();
    m_aboutWindow->raise();
    m_aboutWindow->activateWindow();
}

void MainWindow::maximize()
{
    // The first start fills the screen; later starts come back as the user left the window.
    const QByteArray saved =
        QByteArray::fromBase64(m_context.settings.product(QStringLiteral("WindowGeometry"), QString()).toLatin1());
    if (saved.isEmpty() || !restoreGeometry(saved))
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_context.settings.saveProduct(QStringLiteral("WindowGeometry"), QString::fromLatin1(saveGeometry().toBase64()));
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
