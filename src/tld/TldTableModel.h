#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

namespace tld {

class TldManager;

/**
 * The TLD manager's table: one row per non-blank line of the table file, in file order, with the six
 * columns of the file. A readable row's Status carries a tick box; ticking it enables or disables the
 * row as "Enable/Disable" does. An unreadable row says why in its tooltip.
 */
class TldTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ExtensionColumn, ServerColumn, PortColumn, StatusColumn, ThrottleColumn, SuccessColumn };
    /// True for a row the program can read.
    static constexpr int ReadableRole = Qt::UserRole + 1;

    explicit TldTableModel(TldManager &manager, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    /// Shows the manager's rows again after a change. Rows keep their places (and the views their
    /// selection) when the number of rows stayed the same.
    void reload();

signals:
    /// A status box changed the table file.
    void statusToggled(int row);

private:
    TldManager &m_manager;
    qsizetype m_shownRows = 0;
};

/**
 * The TLD manager's view of the table: narrowed to the rows whose extension or server holds the filter
 * text, with the rows found by their extension first (the extension itself, then extensions that begin
 * with it, then the rest), and sorted by a column on request. One row can be kept in view whatever the
 * filter, so the row being edited never drops out of sight.
 */
class TldRowFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit TldRowFilter(QObject *parent = nullptr);

    void setFilterText(const QString &text);
    /// Sorts by @p column, the order flipping on every call (the first sorts descending); -1: file order.
    void sortByColumn(int column);
    Qt::SortOrder order() const { return m_order; }
    /// Keeps source row @p row in view until the filter text changes (-1: none).
    void keepInView(int row);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    /// How well source row @p row matches: 0 its extension is the text, 1 begins with it, 2 holds it, 3
    /// only its server holds it, 4 no match.
    int rank(int row) const;
    QString field(int row, int column) const;

    QString m_text;
    int m_column = -1;
    Qt::SortOrder m_order = Qt::AscendingOrder;
    int m_keptRow = -1;
};

} // namespace tld
