#include "results/ui/ResultListView.h"

#include "platform/ui/WindowKeys.h"

#include "results/DomainListModel.h"
#include "results/ListActions.h"
#include "results/ListFilterModel.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>

namespace results {

namespace {

bool carriesText(const QMimeData *data)
{
    return data && (data->hasText() || data->hasFormat(listDragFormat()));
}

// Taken as a copy: a program that offered to move its text must not delete it because of a drop here.
bool acceptAsCopy(QDropEvent *event, bool accepting)
{
    if (!accepting || !carriesText(event->mimeData()) || !(event->possibleActions() & Qt::CopyAction)) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

} // namespace

ResultListView::ResultListView(QWidget *parent) : QListView(parent)
{
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            emit entryDoubleClicked(index.data(Qt::EditRole).toString());
    });
}

void ResultListView::setDragSourceNumber(int number)
{
    m_dragSourceNumber = number;
    updateDragDropMode();
}

void ResultListView::setAcceptsListDrops(bool accepts)
{
    m_acceptsDrops = accepts;
    updateDragDropMode();
    setDropIndicatorShown(false);
}

void ResultListView::updateDragDropMode()
{
    const bool drags = m_dragSourceNumber > 0;
    if (drags && m_acceptsDrops)
        setDragDropMode(QAbstractItemView::DragDrop);
    else if (drags)
        setDragDropMode(QAbstractItemView::DragOnly);
    else if (m_acceptsDrops)
        setDragDropMode(QAbstractItemView::DropOnly);
    else
        setDragDropMode(QAbstractItemView::NoDragDrop);
    viewport()->setAcceptDrops(m_acceptsDrops);
}

void ResultListView::setDomainList(DomainListModel *list)
{
    auto *filter = new ListFilterModel(this);
    filter->setSourceModel(list);
    setModel(filter);
}

ListFilterModel *ResultListView::filter() const
{
    return qobject_cast<ListFilterModel *>(model());
}

DomainListModel *ResultListView::domainList() const
{
    if (const ListFilterModel *shown = filter())
        return qobject_cast<DomainListModel *>(shown->sourceModel());
    return qobject_cast<DomainListModel *>(model());
}

QList<int> ResultListView::selectedRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    const QModelIndexList indexes = selectionModel()->selectedIndexes();
    const ListFilterModel *shown = filter();
    for (const QModelIndex &index : indexes)
        rows.append(shown ? shown->mapToSource(index).row() : index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QStringList ResultListView::selectedEntries() const
{
    QStringList entries;
    if (const DomainListModel *list = domainList()) {
        for (int row : selectedRows())
            entries.append(list->entry(row));
    }
    return entries;
}

ListDrag ResultListView::currentDrag() const
{
    const DomainListModel *list = domainList();
    if (!list || m_dragSourceNumber <= 0)
        return {};
    return ListDrag::fromRows(m_dragSourceNumber, *list, selectedRows());
}

void ResultListView::addEntryAction(const QString &objectName, const QString &caption,
                                    std::function<void(const QString &entry)> run)
{
    m_entryActions.append({objectName, caption, std::move(run)});
}

void ResultListView::addSelectionAction(const QString &objectName, const QString &caption,
                                        QKeySequence::StandardKey key, std::function<void()> run)
{
    m_entryActions.append({objectName, caption, [run = std::move(run)](const QString &) { run(); }, key});
}

void ResultListView::contextMenuEvent(QContextMenuEvent *event)
{
    const QModelIndex index = indexAt(event->pos());
    if (!index.isValid() || m_entryActions.isEmpty()) {
        event->ignore();
        return;
    }
    if (selectionModel() && !selectionModel()->isSelected(index))
        setCurrentIndex(index);
    const QString entry = index.data(Qt::EditRole).toString();
    // Shown without waiting: the event loop goes on, and the menu deletes itself once it closes.
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuEntry"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const EntryAction &item : std::as_const(m_entryActions)) {
        QAction *action = menu->addAction(item.caption);
        action->setObjectName(item.objectName);
        if (item.key != QKeySequence::UnknownKey)
            action->setShortcut(item.key); // shown beside the caption; the list handles the key itself
        connect(action, &QAction::triggered, this, [run = item.run, entry] { run(entry); });
    }
    platform::giveMnemonics(menu);
    menu->popup(event->globalPos());
    event->accept();
}

void offerBuyAndLookup(ResultListView &view, const DomainOpener &opener)
{
    view.addEntryAction(QStringLiteral("mnuBuy"), QCoreApplication::translate("results::ResultListView", "Buy..."),
                        [&opener](const QString &entry) { opener.buy(entry); });
    view.addEntryAction(QStringLiteral("mnuWhois"),
                        QCoreApplication::translate("results::ResultListView", "WHOIS record..."),
                        [&opener](const QString &entry) { opener.lookUp(entry); });
}

void ResultListView::mousePressEvent(QMouseEvent *event)
{
    emit listPressed();
    QListView::mousePressEvent(event);
}

void ResultListView::keyPressEvent(QKeyEvent *event)
{
    // Taken before the list's own handling, which would copy only the current entry.
    for (const EntryAction &item : std::as_const(m_entryActions)) {
        if (item.key != QKeySequence::UnknownKey && event->matches(item.key)) {
            event->accept();
            item.run(QString());
            return;
        }
    }
    if (event->matches(QKeySequence::Undo)) {
        event->accept();
        emit undoRequested();
        return;
    }
    const DeleteKeyAction action = deleteKeyAction(event->key(), event->modifiers());
    if (action == DeleteKeyAction::None) {
        QListView::keyPressEvent(event);
        return;
    }
    event->accept();
    emit deleteKeyPressed(action);
}

void ResultListView::startDrag(Qt::DropActions supportedActions)
{
    Q_UNUSED(supportedActions)
    if (m_dragSourceNumber <= 0)
        return;
    // A copy: the entries stay in their list whatever the drop target does.
    auto *drag = new QDrag(this);
    drag->setMimeData(currentDrag().toMimeData());
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

void ResultListView::dragEnterEvent(QDragEnterEvent *event)
{
    acceptAsCopy(event, m_acceptsDrops);
}

void ResultListView::dragMoveEvent(QDragMoveEvent *event)
{
    acceptAsCopy(event, m_acceptsDrops);
}

void ResultListView::dropEvent(QDropEvent *event)
{
    if (acceptAsCopy(event, m_acceptsDrops))
        emit dropped(ListDrag::fromMimeData(*event->mimeData()));
}

} // namespace results
