#include "results/SkippedEntries.h"

#include <QCoreApplication>

namespace results {

int SkippedEntries::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int SkippedEntries::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant SkippedEntries::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const auto &[entry, reason] = m_rows.at(size_t(index.row()));
    return index.column() == EntryColumn ? entry : reason;
}

QVariant SkippedEntries::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == EntryColumn ? QCoreApplication::translate("results::SkippedEntries", "Entry")
                                  : QCoreApplication::translate("results::SkippedEntries", "Why it was skipped");
}

void SkippedEntries::add(const QString &entry, const QString &reason)
{
    beginInsertRows(QModelIndex(), count(), count());
    m_rows.emplace_back(entry, reason);
    endInsertRows();
    emit countChanged(count());
}

void SkippedEntries::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
    emit countChanged(0);
}

} // namespace results
