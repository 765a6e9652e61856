#include "results/ui/DeskController.h"

#include "results/DomainListModel.h"
#include "results/PurchaseLinks.h"
#include "results/ResultClasses.h"
#include "results/ui/ResultListView.h"
#include "results/ui/ResultsDesk.h"

#include <QDir>
#include <QPushButton>
#include <QSet>

namespace results {

namespace {

struct EditMenuItem {
    bool copy;
    std::initializer_list<int> lists;
};

// Indexed by the position of the item in the Edit menu. No item copies the Registered list.
const EditMenuItem editMenuItems[] = {
    {false, {1, 3, 4}}, // Clear High/Mid/Low
    {false, {3}},       // Clear High
    {false, {4}},       // Clear Mid
    {false, {1}},       // Clear Low
    {false, {2}},       // Clear Registered
    {false, {5}},       // Clear Saved
    {true, {3}},        // Copy High
    {true, {4}},        // Copy Mid
    {true, {1}},        // Copy Low
    {true, {5}},        // Copy Saved
};

} // namespace

DeskController::DeskController(ResultsDesk &desk, results::ResultClasses &classes, DomainListModel &saved,
                               DeskContext context, QObject *parent)
    : QObject(parent), m_desk(desk), m_classes(classes), m_saved(saved), m_context(std::move(context)),
      m_opener(m_context.links, m_context.selectedDomain, m_context.services.shell, m_context.openLookup,
               m_context.services.messages),
      m_remembered(m_context.rememberedPath)
{
    for (int number = 1; number <= ResultsDesk::listCount; ++number)
        connectList(number);
    connect(m_desk.websiteButton(), &QPushButton::clicked, this, &DeskController::visitWebsite);
}

void DeskController::connectList(int number)
{
    ResultListView *view = m_desk.list(number);
    view->setDragSourceNumber(number == savedList ? 0 : number);
    view->setAcceptsListDrops(number == savedList);
    connect(view, &ResultListView::listPressed, this, [this, number] { notePressedList(number); });
    if (number != savedList)
        view->addSelectionAction(QStringLiteral("mnuSave"), tr("Save"), QKeySequence::Save,
                                 [this, number] { saveSelection(number); });
    view->addSelectionAction(QStringLiteral("mnuCopy"), tr("Copy"), QKeySequence::Copy,
                             [this, number] { copySelection(number); });
    offerBuyAndLookup(*view, m_opener);
    view->addSelectionAction(QStringLiteral("mnuDelete"), tr("Delete"), QKeySequence::UnknownKey,
                             [this, number] { deleteSelected(number); });
    connect(view, &ResultListView::undoRequested, this, &DeskController::undo);
    connect(view, &ResultListView::entryDoubleClicked, this,
            [this, number](const QString &entry) { openEntry(number, entry); });
    connect(view, &ResultListView::deleteKeyPressed, this,
            [this, number](DeleteKeyAction action) { handleDeleteKey(number, action); });
    if (number == savedList)
        connect(view, &ResultListView::dropped, this, &DeskController::dropOnSavedList);
    connect(m_desk.copyButton(number), &QPushButton::clicked, this, [this, number] { copyListToClipboard(number); });
    connect(m_desk.deleteButton(number), &QPushButton::clicked, this, [this, number] { deleteSelected(number); });
    connect(m_desk.clearButton(number), &QPushButton::clicked, this, [this, number] { emptyList(number); });
}

DomainListModel *DeskController::list(int number) const
{
    if (number >= 1 && number <= 4)
        return m_classes.list(number);
    return number == savedList ? &m_saved : nullptr;
}

void DeskController::notePressedList(int number)
{
    // The saved list never changes it: a drop there still needs to know where the drag came from.
    if (number >= 1 && number <= 4)
        m_lastClickedList = number;
}

void DeskController::openEntry(int number, const QString &entry)
{
    // A registered name cannot be bought: its record says who holds it and until when.
    if (number == 2) {
        m_lastClickedList = 2;
        m_opener.lookUp(entry);
        return;
    }
    m_opener.open(entry);
}

void DeskController::handleDeleteKey(int number, DeleteKeyAction action)
{
    if (action == DeleteKeyAction::EmptyList)
        emptyList(number);
    else if (action == DeleteKeyAction::DeleteSelection)
        deleteSelected(number);
}

void DeskController::dropOnSavedList(const ListDrag &drag)
{
    const int source = drag.sourceList > 0 ? drag.sourceList : m_lastClickedList;
    if (source >= 1 && source <= 4)
        addToSaved(entriesToDrop(drag, *m_classes.list(source)));
    saveRememberedList();
}

bool DeskController::addToSaved(const QStringList &entries)
{
    // A name is kept once: saving it again, in any spelling of its case, adds nothing.
    QSet<QString> saved;
    for (const QString &entry : m_saved.entries())
        saved.insert(entry.toLower());
    QStringList added;
    for (const QString &entry : entries) {
        if (!saved.contains(entry.toLower())) {
            saved.insert(entry.toLower());
            added.append(entry);
        }
    }
    m_saved.appendMany(added);
    return !added.isEmpty();
}

void DeskController::copyListToClipboard(int number)
{
    results::copyList(list(number), m_context.services.clipboard);
}

void DeskController::deleteSelected(int number)
{
    if (number < 1 || number > savedList)
        return;
    const QList<int> rows = m_desk.list(number)->selectedRows();
    if (rows.isEmpty())
        return;
    if (number == savedList && !confirmSavedRemoval(int(rows.size())))
        return;
    removeRows(number, rows, false);
}

void DeskController::emptyList(int number)
{
    if (number < 1 || number > savedList)
        return;
    DomainListModel *model = list(number);
    if (number == savedList && (m_saved.count() == 0 || !confirmSavedRemoval(m_saved.count())))
        return;
    if (!m_clearConfirmed && !confirmProfileClear({number}))
        return;
    QList<int> rows;
    for (int row = 0; row < model->count(); ++row)
        rows.append(row);
    removeRows(number, rows, true);
}

void DeskController::removeRows(int number, const QList<int> &rows, bool wholeList)
{
    Removal removal{number, rows, {}, 0};
    DomainListModel *model = list(number);
    for (int row : rows)
        removal.entries.append(model->entry(row));
    if (number == savedList) {
        if (wholeList)
            m_saved.clear();
        else
            m_saved.removeEntries(rows);
        // A deleted saved domain must not come back with the next start.
        saveRememberedList();
    } else {
        const int before = m_classes.counter(number);
        // Clear also sets a counter that outgrew its list back to 0; Delete takes off what it deletes.
        if (wholeList)
            m_classes.clearList(number);
        else
            m_classes.deleteEntries(number, rows);
        removal.counterDrop = before - m_classes.counter(number);
    }
    if (removal.entries.isEmpty() && removal.counterDrop == 0)
        return;
    if (!m_groupRemovals || m_undo.empty())
        m_undo.emplace_back();
    m_undo.back().push_back(std::move(removal));
    if (m_undo.size() > undoDepth)
        m_undo.erase(m_undo.begin());
}

bool DeskController::undo()
{
    if (m_undo.empty())
        return false;
    const std::vector<Removal> step = std::move(m_undo.back());
    m_undo.pop_back();
    for (auto removal = step.rbegin(); removal != step.rend(); ++removal) {
        if (removal->list == savedList) {
            m_saved.insertEntries(removal->rows, removal->entries);
            saveRememberedList();
        } else {
            m_classes.restoreEntries(removal->list, removal->rows, removal->entries, removal->counterDrop);
        }
    }
    return true;
}

void DeskController::copySelection(int number)
{
    if (!m_context.services.clipboard || number < 1 || number > savedList)
        return;
    QString text;
    for (const QString &entry : m_desk.list(number)->selectedEntries())
        text += entry + QStringLiteral("\r\n");
    if (!text.isEmpty())
        m_context.services.clipboard->setText(text);
}

void DeskController::saveSelection(int number)
{
    if (number < 1 || number >= savedList)
        return;
    if (addToSaved(m_desk.list(number)->selectedEntries()))
        saveRememberedList();
}

bool DeskController::confirmSavedRemoval(int count)
{
    // The saved list is the user's own collection: one key or button press must not lose it unasked.
    if (m_context.services.messages) {
        const QString question =
            count == 1 ? tr("Remove 1 name from Saved Domains?") : tr("Remove %1 names from Saved Domains?").arg(count);
        const platform::MessageRequest request{
            tr("Saved Domains"),
            question + QStringLiteral("\r\n\r\n") + tr("The list as it is now is kept in Remembered.bak."),
            platform::MessageRequest::Icon::Question, platform::MessageRequest::Buttons::OkCancel};
        if (m_context.services.messages->show(request) != platform::MessageAnswer::Ok)
            return false;
    }
    m_remembered.backUp();
    return true;
}

bool DeskController::confirmProfileClear(const QList<int> &numbers)
{
    int names = 0;
    QStringList captions;
    for (int number : {HighList, MidList, LowList}) {
        if (numbers.contains(number) && list(number)->count() > 0) {
            names += list(number)->count();
            captions << ResultsDesk::restingCaption(number);
        }
    }
    if (names == 0 || !m_context.services.messages)
        return true;
    // The series file follows the list at the next find: without the history the names would be gone.
    const QString kept = m_context.historyKeepsFinds()
                             ? tr("The names stay in the history (Tools > History..., Ctrl+H).")
                             : tr("The check history cannot be written: once the next find rewrites the list's "
                                  "file, the names are kept nowhere.");
    const platform::MessageRequest question{
        tr("Clear"),
        (names == 1 ? tr("Clear 1 name from %1?").arg(captions.join(QStringLiteral(", ")))
                    : tr("Clear %1 names from %2?").arg(names).arg(captions.join(QStringLiteral(", ")))) +
            QStringLiteral("\r\n\r\n") + kept,
        platform::MessageRequest::Icon::Question, platform::MessageRequest::Buttons::OkCancel};
    return m_context.services.messages->show(question) == platform::MessageAnswer::Ok;
}

void DeskController::runEditMenuItem(int index)
{
    if (index < 0 || index >= int(std::size(editMenuItems)))
        return;
    const EditMenuItem &item = editMenuItems[index];
    // One question for every profile list the item clears.
    if (!item.copy && !confirmProfileClear(QList<int>(item.lists.begin(), item.lists.end())))
        return;
    if (!item.copy)
        m_undo.emplace_back(); // one Ctrl+Z brings back every list the item cleared
    m_groupRemovals = !item.copy;
    m_clearConfirmed = !item.copy;
    for (int number : item.lists) {
        if (item.copy)
            copyListToClipboard(number);
        else
            emptyList(number);
    }
    m_groupRemovals = false;
    m_clearConfirmed = false;
    if (!item.copy && m_undo.back().empty())
        m_undo.pop_back();
}

void DeskController::visitWebsite()
{
    platform::openOrSay(m_context.services.shell, m_context.services.messages, registrarHome(m_context.links));
}

bool DeskController::saveRememberedList()
{
    const QString file = QDir::toNativeSeparators(m_remembered.path());
    if (m_rememberedUnreadable) {
        const QString text = tr("%1 could not be read at start, so it is not replaced: the saved list is not "
                                "saved.")
                                 .arg(file);
        if (!std::exchange(m_refusalShown, true) && m_context.services.messages)
            m_context.services.messages->show({tr("Saved Domains"), text, platform::MessageRequest::Icon::Warning});
        emit cannotSave(text);
        return false;
    }
    // The list on screen stays as it is; the status bar says that the file did not follow.
    if (m_remembered.save(m_saved))
        return true;
    emit cannotSave(tr("The saved list could not be written to %1.").arg(file));
    return false;
}

void DeskController::loadRememberedList()
{
    m_remembered.loadInto(m_saved, &m_rememberedUnreadable);
}

} // namespace results
