#include "results/ResultListView.h"

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
    setDragEnabled(number > 0);
    setDragDropMode(acceptDrops() ? QAbstractItemView::DropOnly
                                  : (number > 0 ? QAbstractItemView::DragOnly : QAbstractItemView::NoDragDrop));
}

void ResultListView::setAcceptsListDrops(bool accepts)
{
    setAcceptDrops(accepts);
    viewport()->setAcceptDrops(accepts);
    setDropIndicatorShown(false);
    if (accepts)
        setDragDropMode(QAbstractItemView::DropOnly);
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
    if (acceptDrops() && carriesText(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ResultListView::dragMoveEvent(QDragMoveEvent *event)
{
    if (acceptDrops() && carriesText(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ResultListView::dropEvent(QDropEvent *event)
{
    if (!acceptDrops() || !carriesText(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit dropped(ListDrag::fromMimeData(*event->mimeData()));
}

} // namespace results
