#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <utility>
#include <vector>

namespace results {

/// The entries that named no domain that can be registered, each with its reason, in the order they
/// came. None of them was asked of any server.
class SkippedEntries : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { EntryColumn, ReasonColumn };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void add(const QString &entry, const QString &reason);
    void clear();
    int count() const { return int(m_rows.size()); }

signals:
    void countChanged(int count);

private:
    std::vector<std::pair<QString, QString>> m_rows;
};

} // namespace results
