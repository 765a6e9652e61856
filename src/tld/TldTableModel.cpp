#include "tld/TldTableModel.h"

#include "tld/TldManager.h"
#include "tld/TldRecord.h"

namespace tld {

TldTableModel::TldTableModel(TldManager &manager, QObject *parent)
    : QAbstractTableModel(parent), m_manager(manager), m_shownRows(manager.rows().size())
{}

int TldTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shownRows);
}

int TldTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : SuccessColumn + 1;
}

QVariant TldTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_manager.rows().size())
        return {};
    const ListedRow &row = m_manager.rows().at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return row.fields.value(index.column());
    case Qt::CheckStateRole:
        if (index.column() == StatusColumn && row.readable())
            return row.fields.at(StatusColumn) == enabledStatus ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::ToolTipRole:
        if (!row.readable())
            return tr("This row cannot be read and is not used: %1.").arg(row.problem);
        return {};
    case ReadableRole:
        return row.readable();
    default:
        return {};
    }
}

QVariant TldTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const titles[] = {QT_TR_NOOP("Extension"), QT_TR_NOOP("Server"),   QT_TR_NOOP("Port"),
                                         QT_TR_NOOP("Status"),    QT_TR_NOOP("Throttle"), QT_TR_NOOP("Success")};
    return section >= 0 && section <= SuccessColumn ? tr(titles[section]) : QVariant();
}

Qt::ItemFlags TldTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == StatusColumn && data(index, ReadableRole).toBool())
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool TldTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != StatusColumn || !data(index, ReadableRole).toBool())
        return false;
    const bool enabled = m_manager.rows().at(index.row()).fields.at(StatusColumn) == enabledStatus;
    if ((value.toInt() == Qt::Checked) == enabled || !m_manager.toggle(index.row()))
        return false;
    reload();
    emit statusToggled(index.row());
    return true;
}

void TldTableModel::reload()
{
    const qsizetype rows = m_manager.rows().size();
    if (rows == m_shownRows) {
        if (rows > 0)
            emit dataChanged(index(0, 0), index(int(rows) - 1, SuccessColumn));
        return;
    }
    beginResetModel();
    m_shownRows = rows;
    endResetModel();
}

TldRowFilter::TldRowFilter(QObject *parent) : QSortFilterProxyModel(parent)
{
    // Sorted all the time: by rank while a filter is set, then by the chosen column or the file order.
    sort(0);
}

QString TldRowFilter::field(int row, int column) const
{
    return sourceModel()->index(row, column).data().toString();
}

int TldRowFilter::rank(int row) const
{
    if (m_text.isEmpty())
        return 0;
    const QString extension = field(row, TldTableModel::ExtensionColumn);
    if (extension.compare(m_text, Qt::CaseInsensitive) == 0)
        return 0;
    if (extension.startsWith(m_text, Qt::CaseInsensitive))
        return 1;
    if (extension.contains(m_text, Qt::CaseInsensitive))
        return 2;
    return field(row, TldTableModel::ServerColumn).contains(m_text, Qt::CaseInsensitive) ? 3 : 4;
}

void TldRowFilter::setFilterText(const QString &text)
{
    QString wanted = text.trimmed();
    // ".io" is typed as often as "io".
    if (wanted.startsWith(QLatin1Char('.')))
        wanted.remove(0, 1);
    m_text = wanted;
    m_keptRow = -1;
    invalidate();
}

void TldRowFilter::sortByColumn(int column)
{
    m_order = m_order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_column = column;
    invalidate();
}

void TldRowFilter::keepInView(int row)
{
    m_keptRow = row;
    invalidateFilter();
}

bool TldRowFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    return sourceRow == m_keptRow || rank(sourceRow) < 4;
}

bool TldRowFilter::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const int a = left.row();
    const int b = right.row();
    if (const int rankA = rank(a), rankB = rank(b); rankA != rankB)
        return rankA < rankB;
    if (m_column >= 0) {
        const QString x = field(a, m_column);
        const QString y = field(b, m_column);
        int order = 0;
        bool xNumber = false;
        bool yNumber = false;
        const qlonglong xValue = x.trimmed().toLongLong(&xNumber);
        const qlonglong yValue = y.trimmed().toLongLong(&yNumber);
        const bool numeric = m_column == TldTableModel::PortColumn || m_column == TldTableModel::ThrottleColumn;
        // Port and Throttle compare as numbers, numbers before any text that is not one.
        if (numeric && (xNumber || yNumber))
            order = xNumber && yNumber ? (xValue < yValue ? -1 : xValue > yValue ? 1 : 0) : (xNumber ? -1 : 1);
        else
            order = x.compare(y, Qt::CaseInsensitive);
        if (order != 0)
            return m_order == Qt::AscendingOrder ? order < 0 : order > 0;
    }
    return a < b;
}

} // namespace tld
