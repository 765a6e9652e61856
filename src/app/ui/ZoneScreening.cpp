#include "app/ui/ZoneScreening.h"

#include "app/AppContext.h"
#include "engine/QueryEngine.h"
#include "platform/AtomicFile.h"
#include "platform/TextCodec.h"
#include "platform/ui/WindowKeys.h"
#include "results/ResultClasses.h"
#include "results/ui/ResultListView.h"
#include "results/ui/ResultsDesk.h"
#include "sources/ui/SourceSelection.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

namespace app {

namespace {

constexpr int profileLists[] = {results::HighList, results::MidList, results::LowList};

} // namespace

ZoneScreening::ZoneScreening(const Parts &parts, QObject *parent)
    : QObject(parent), m_context(parts.context), m_window(parts.window), m_engine(parts.engine),
      m_selection(parts.selection), m_desk(parts.desk), m_results(parts.results),
      m_screen(zones::zonesFolder(parts.context.folder.root())), m_stage(m_screen)
{
    m_stage.setOutdatedHandler([this](const QString &tld, int days) { sayOutdated(tld, days); });
    m_stage.setScreenOnly(m_context.settings.screenOnly());
    // Before the engine's own start: the zones imported meanwhile count from this run on.
    connect(&m_selection, &sources::SourceSelection::runRequested, this, &ZoneScreening::prepareRun);
    connect(&m_engine, &engine::QueryEngine::stopped, this, [this] { m_confirming = false; });
}

void ZoneScreening::install()
{
    engine::addZoneScreen(m_engine, m_stage);
}

void ZoneScreening::addMenuItems(QMenu &options, QMenu &edit)
{
    addScreenOnlyItem(options);
    addConfirmItems(edit);
}

void ZoneScreening::addScreenOnlyItem(QMenu &options)
{
    QAction *screenOnly = options.addAction(tr("Screen only"));
    screenOnly->setObjectName(QStringLiteral("mnuScreenOnly"));
    screenOnly->setCheckable(true);
    screenOnly->setToolTip(tr("Names outside an imported zone end as likely available, without a registry question"));
    screenOnly->setChecked(m_stage.screenOnly());
    connect(screenOnly, &QAction::toggled, this, [this](bool on) {
        m_context.settings.setScreenOnly(on);
        m_stage.setScreenOnly(on);
    });
    platform::giveMnemonics(&options);
}

void ZoneScreening::addConfirmItems(QMenu &edit)
{
    edit.addSeparator();
    QAction *confirmAll = edit.addAction(tr("Confirm likely-available names with registry"));
    confirmAll->setObjectName(QStringLiteral("mnuConfirmLikely"));
    connect(confirmAll, &QAction::triggered, this, [this] { confirmWithRegistry(likelyNames()); });
    platform::giveMnemonics(&edit);
    for (const int list : profileLists) {
        results::ResultListView *view = m_desk.list(list);
        view->addSelectionAction(QStringLiteral("mnuConfirm"), tr("Confirm with registry"), QKeySequence::UnknownKey,
                                 [this, list] { confirmWithRegistry(likelySelected(list)); });
        view->addSelectionAction(QStringLiteral("mnuConfirmList"), tr("Confirm whole list with registry"),
                                 QKeySequence::UnknownKey,
                                 [this, list] { confirmWithRegistry(m_results.list(list)->likelyEntries()); });
    }
}

QStringList ZoneScreening::likelySelected(int list) const
{
    QStringList marked;
    const results::DomainListModel *model = m_results.list(list);
    for (const QString &entry : m_desk.list(list)->selectedEntries()) {
        if (model->isLikely(entry))
            marked.append(entry);
    }
    return marked;
}

QStringList ZoneScreening::likelyNames() const
{
    QStringList names;
    for (const int list : profileLists)
        names += m_results.list(list)->likelyEntries();
    return names;
}

bool ZoneScreening::confirmWithRegistry(const QStringList &domains)
{
    if (m_selection.isRunning()) {
        tell(tr("A search is running. Press Stop, then confirm the names."));
        return false;
    }
    if (domains.isEmpty()) {
        m_window.statusBar()->showMessage(tr("No likely-available names to confirm."), 10000);
        return false;
    }
    const QString path = m_context.folder.path(QStringLiteral("Confirm.txt"));
    if (!platform::writeFileAtomically(path, platform::encodeText(domains.join(platform::crlf) + platform::crlf))) {
        tell(tr("The names to confirm could not be written to %1.").arg(path));
        return false;
    }
    m_confirming = true;
    m_selection.startListRun(path);
    return true;
}

void ZoneScreening::tell(const QString &text)
{
    if (m_context.services.messages)
        m_context.services.messages->inform(text);
}

void ZoneScreening::prepareRun()
{
    m_stage.setMaxAgeDays(m_context.settings.zoneMaxAgeDays(zones::ZoneScreen::defaultMaxAgeDays));
    m_stage.setEnabled(!m_confirming);
    m_stage.beginRun();
}

void ZoneScreening::sayOutdated(const QString &tld, int days)
{
    m_window.statusBar()->showMessage(
        tr("Zone of .%1 is %2 days old: names registered since are missing from it.").arg(tld).arg(days), 15000);
}

} // namespace app
