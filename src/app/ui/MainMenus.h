#pragma once

#include <QCoreApplication>
#include <QList>

#include <array>

class QAction;
class QMenu;
class QMenuBar;

namespace app {

class MainWindowHistory;

/**
 * The main window's menu bar: File, Edit, Tools, Options, Help and About, with every item the window
 * connects held by name here, so that an item the window uses cannot go missing unnoticed.
 */
class MainMenus {
    Q_DECLARE_TR_FUNCTIONS(app::MainMenus)
public:
    /// Fills @p bar; the history's items go into Tools and Options where they belong.
    MainMenus(QMenuBar &bar, MainWindowHistory &history);

    static constexpr int editItemCount = 10;

    QMenu *file = nullptr;
    QMenu *edit = nullptr;
    QMenu *tools = nullptr;
    QMenu *options = nullptr;
    QAction *exportResults = nullptr;
    QAction *exit = nullptr;
    QAction *undo = nullptr;
    QAction *filterLists = nullptr;
    /// "Clear High/Mid/Low" to "Copy Saved", in the order the desk numbers them.
    std::array<QAction *, editItemCount> editItems{};
    /// One per entry of the source list, in its order.
    QList<QAction *> sources;
    QAction *checkUnchecked = nullptr;
    QAction *zoneFiles = nullptr;
    QAction *setup = nullptr;
    QAction *purchaseLinks = nullptr;
    QAction *checkDns = nullptr;
    QAction *viewHelp = nullptr;
    QAction *about = nullptr;

private:
    void buildFile(QMenuBar &bar);
    void buildEdit(QMenuBar &bar);
    void buildTools(QMenuBar &bar);
    void buildOptions(QMenuBar &bar);
};

} // namespace app
