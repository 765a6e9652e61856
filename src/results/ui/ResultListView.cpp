#include "results/ui/ResultListView.h"

#include "results/DomainListModel.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QKeyEvent>
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
            emit entryDoubleClicked(index.data().toString());
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

DomainListModel *ResultListView::domainList() const
{
    return qobject_cast<DomainListModel *>(model());
}

QList<int> ResultListView::selectedRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    const QModelIndexList indexes = selectionModel()->selectedIndexes();
    for (const QModelIndex &index : indexes)
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

ListDrag ResultListView::currentDrag() const
{
    const DomainListModel *list = domainList();
    if (!list || m_dragSourceNumber <= 0)
        return {};
    return ListDrag::fromRows(m_dragSourceNumber, *list, selectedRows());
}

void ResultListView::mousePressEvent(QMouseEvent *event)
{
    emit listPressed();
    QListView::mousePressEvent(event);
}

void ResultListView::keyPressEvent(QKeyEvent *event)
{
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
