#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QMimeData;

namespace results {

class DomainListModel;

/**
 * What a drag from a result list carries. Other programs see the plain text of the positions of the
 * selected entries ("0|3|7"); this program also records which list the drag left and the entries at
 * those positions, so that a drop can tell positions that have gone stale since.
 */
struct ListDrag {
    QString positions;
    int sourceList = 0; ///< 0: the drag did not come from one of our lists
    QStringList entries;

    /// The drag of @p rows of list @p number, positions in ascending order.
    static ListDrag fromRows(int number, const DomainListModel &list, QList<int> rows);
    static ListDrag fromMimeData(const QMimeData &data);
    QMimeData *toMimeData() const;
};

/// The format of the recorded source list and entries.
QString listDragFormat();

/// The positions text: @p rows in ascending order, each once, joined by "|".
QString dragPositionsText(QList<int> rows);

/**
 * The entries a drop takes from @p source: for each piece of the positions text, in order, the entry
 * at that position. A piece that is not a position of @p source, or whose entry is no longer the one
 * recorded when the drag began, is passed over.
 */
QStringList entriesToDrop(const ListDrag &drag, const DomainListModel &source);

} // namespace results
