#pragma once

#include <QSortFilterProxyModel>

namespace results {

/// How a result list orders its entries on screen; the list itself keeps the order they arrived in.
enum class ListOrder { Arrival, Name, Length };

/// A result list as the user views it: only the entries holding the filter text (any case), in the
/// chosen order. Rows of the list underneath are untouched.
class ListFilterModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setFilterText(const QString &text);
    void setOrder(ListOrder order);
    ListOrder order() const { return m_order; }

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    ListOrder m_order = ListOrder::Arrival;
};

} // namespace results
