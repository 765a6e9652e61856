#include "results/ListFilterModel.h"

namespace results {

void ListFilterModel::setFilterText(const QString &text)
{
    setFilterCaseSensitivity(Qt::CaseInsensitive);
    setFilterFixedString(text.trimmed());
}

void ListFilterModel::setOrder(ListOrder order)
{
    m_order = order;
    setSortCaseSensitivity(Qt::CaseInsensitive);
    invalidate();
    // Column -1 gives the rows back in the order of the list underneath.
    sort(order == ListOrder::Arrival ? -1 : 0, Qt::AscendingOrder);
}

bool ListFilterModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QString a = left.data(Qt::EditRole).toString();
    const QString b = right.data(Qt::EditRole).toString();
    if (m_order == ListOrder::Length && a.size() != b.size())
        return a.size() < b.size();
    const int byName = a.compare(b, Qt::CaseInsensitive);
    return byName != 0 ? byName < 0 : left.row() < right.row();
}

} // namespace results
