#include "app/ui/MainMenus.h"

#include "app/ui/MainWindowHistory.h"
#include "platform/ui/WindowKeys.h"
#include "sources/ui/SourcePanel.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace app {

namespace {

QMenu *addMenu(QMenuBar &bar, const QString &title, const QString &name)
{
    QMenu *menu = bar.addMenu(title);
    menu->setObjectName(name);
    return menu;
}

QAction *addItem(QMenu &menu, const QString &caption, const QString &name)
{
    QAction *item = menu.addAction(caption);
    item->setObjectName(name);
    return item;
}

// Items of a menu that were numbered from the start ("mnuToolsItem_0", ...): their names stay.
QString numbered(const char *arrayName, int index)
{
    return QLatin1String(arrayName) + QLatin1Char('_') + QString::number(index);
}

} // namespace

MainMenus::MainMenus(QMenuBar &bar, MainWindowHistory &history)
{
    buildFile(bar);
    buildEdit(bar);
    buildTools(bar);
    buildOptions(bar);
    history.addMenuItems(*tools, *options);
    checkDns = addItem(*options, tr("Check DNS first"), QStringLiteral("mnuCheckDns"));
    checkDns->setCheckable(true);
    viewHelp = addItem(*addMenu(bar, tr("&Help"), QStringLiteral("mnuHelp")), tr("View Help"),
                       QStringLiteral("mnuHelpItem_0"));
    viewHelp->setShortcut(QKeySequence::HelpContents);
    about = addItem(*addMenu(bar, tr("&About"), QStringLiteral("mnuAbout")), tr("About this software"),
                    QStringLiteral("mnuAboutItem_0"));
    for (QMenu *menu : bar.findChildren<QMenu *>(Qt::FindDirectChildrenOnly))
        platform::giveMnemonics(menu);
}

void MainMenus::buildFile(QMenuBar &bar)
{
    file = addMenu(bar, tr("&File"), QStringLiteral("mnuFile"));
    exportResults = addItem(*file, tr("Export results..."), QStringLiteral("mnuExportResults"));
    file->addSeparator();
    exit = addItem(*file, tr("Exit"), numbered("mnuFileItem", 0));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void MainMenus::buildEdit(QMenuBar &bar)
{
    edit = addMenu(bar, tr("&Edit"), QStringLiteral("mnuEdit"));
    undo = addItem(*edit, tr("Undo"), QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence::Undo);
    filterLists = addItem(*edit, tr("Filter the lists"), QStringLiteral("mnuFind"));
    filterLists->setShortcut(QKeySequence::Find);
    edit->addSeparator();
    const QString captions[editItemCount] = {
        tr("Clear High/Mid/Low"), tr("Clear High"), tr("Clear Mid"), tr("Clear Low"), tr("Clear Registered"),
        tr("Clear Saved"),        tr("Copy High"),  tr("Copy Mid"),  tr("Copy Low"),  tr("Copy Saved")};
    for (int i = 0; i < editItemCount; ++i)
        editItems.at(i) = addItem(*edit, captions[i], numbered("mnuEditItem", i));
}

void MainMenus::buildTools(QMenuBar &bar)
{
    tools = addMenu(bar, tr("&Tools"), QStringLiteral("mnuTools"));
    const QStringList names = sources::SourcePanel::sourceNames();
    for (int i = 0; i < names.size(); ++i)
        sources.append(addItem(*tools, names.at(i), numbered("mnuToolsItem", i)));
    tools->addSeparator();
    checkUnchecked = addItem(*tools, tr("Check unchecked names"), QStringLiteral("mnuCheckUnchecked"));
    zoneFiles = addItem(*tools, tr("Zone Files..."), QStringLiteral("mnuZoneFiles"));
}

void MainMenus::buildOptions(QMenuBar &bar)
{
    options = addMenu(bar, tr("&Options"), QStringLiteral("mnuOptions"));
    setup = addItem(*options, tr("Setup"), numbered("mnuOptionsItem", 0));
    purchaseLinks = addItem(*options, tr("Purchase Links..."), numbered("mnuOptionsItem", 1));
    options->addSeparator();
}

} // namespace app
