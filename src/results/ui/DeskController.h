#pragma once

#include "platform/DesktopServices.h"
#include "results/ListActions.h"
#include "results/ListDrag.h"
#include "results/RememberedList.h"

#include <QObject>

#include <vector>

namespace results {

class ResultClasses;

class DomainListModel;
class ResultsDesk;
struct PurchaseLinks;

/// What the results desk needs from the program around it.
struct DeskContext {
    const PurchaseLinks &links; ///< also the Visit button's page: the registrar's start page
    QString &selectedDomain;
    platform::Services services;
    QString rememberedPath;
    /// Opens the lookup window for a domain (double-click with purchase links off).
    std::function<void(const QString &)> openLookup;
    /// True while the check history keeps every find, so a cleared list loses none.
    std::function<bool()> historyKeepsFinds = [] { return false; };
};

/**
 * The behaviour of the results desk: presses, double-clicks and the Delete key on the five lists, the
 * Copy, Delete and Clear buttons, the drag from lists 1 to 4 onto the saved list, the saved list's
 * file, the Edit menu and the Visit button. Lists 1 to 4 belong to the result classes, which keep
 * their counters; list 5 is the saved list, and every change to it is written to its file.
 */
class DeskController : public QObject {
    Q_OBJECT
public:
    static constexpr int savedList = 5;

    DeskController(ResultsDesk &desk, results::ResultClasses &classes, DomainListModel &saved, DeskContext context,
                   QObject *parent = nullptr);

    /// The result list (1 to 4) the user pressed last; 0 before the first press.
    int lastClickedList() const { return m_lastClickedList; }
    DomainListModel *list(int number) const;

    void notePressedList(int number);
    void openEntry(int number, const QString &entry);
    void handleDeleteKey(int number, DeleteKeyAction action);
    void dropOnSavedList(const ListDrag &drag);

    void copyListToClipboard(int number);
    /// Deletes the selected entries of list @p number.
    void deleteSelected(int number);
    /// Empties list @p number.
    void emptyList(int number);
    void runEditMenuItem(int index);
    void visitWebsite();

    /// Ctrl+C in list @p number: the selected entries, each followed by CR LF, go to the clipboard.
    void copySelection(int number);
    /// Ctrl+S in list @p number (1 to 4): the selected entries join the saved list.
    void saveSelection(int number);
    /// Ctrl+Z: the last Delete or Clear, of whichever list, is undone; false when there is none.
    bool undo();
    bool canUndo() const { return !m_undo.empty(); }

    /// Writes the saved list to its file, unless the file could not be read at start: that file is the
    /// only copy of the names in it, and is never replaced. False when nothing was written.
    bool saveRememberedList();
    void loadRememberedList();
    /// Adds @p entries to the saved list, each name once (its case aside); false when none was new.
    bool addToSaved(const QStringList &entries);

signals:
    /// A save failed or was refused; @p text says what was not saved.
    void cannotSave(const QString &text);

private:
    void connectList(int number);
    /// Asks before @p count saved names go and keeps the file as it was; false when the user cancels.
    bool confirmSavedRemoval(int count);
    /// Asks before the profile lists among @p numbers are emptied; false when the user cancels.
    bool confirmProfileClear(const QList<int> &numbers);
    /// Takes @p rows (every row when @p wholeList: a Clear) out of list @p number and keeps them for undo.
    void removeRows(int number, const QList<int> &rows, bool wholeList);

    /// Entries a Delete or Clear took from one list, with what it took from the list's counter.
    struct Removal {
        int list = 0;
        QList<int> rows;
        QStringList entries;
        int counterDrop = 0;
    };
    static constexpr std::size_t undoDepth = 20;
    /// One step per user action (Clear High/Mid/Low takes three lists at once).
    std::vector<std::vector<Removal>> m_undo;
    bool m_groupRemovals = false;
    bool m_clearConfirmed = false; ///< the Edit menu asked once for all the lists it clears

    ResultsDesk &m_desk;
    results::ResultClasses &m_classes;
    DomainListModel &m_saved;
    DeskContext m_context;
    DomainOpener m_opener;
    RememberedList m_remembered;
    int m_lastClickedList = 0;
    bool m_rememberedUnreadable = false; ///< Remembered.txt was there at start but could not be read
    bool m_refusalShown = false;
};

} // namespace results
