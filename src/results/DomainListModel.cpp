#include "results/DomainListModel.h"

#include <QCoreApplication>

#include <algorithm>

namespace results {

int DomainListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant DomainListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const QString &entry = m_entries.at(index.row());
    if (role == Qt::DisplayRole && !m_notes.isEmpty()) {
        if (const auto note = m_notes.constFind(entry); note != m_notes.constEnd())
            return entry + QStringLiteral("  ") + *note;
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return entry;
    if (role == LikelyZoneDateRole && !m_likely.isEmpty()) {
        const auto mark = m_likely.constFind(entry);
        if (mark != m_likely.cend())
            return *mark;
    }
    if (role == Qt::ToolTipRole) {
        const QString listEntry = m_listEntries.value(entry);
        if (!listEntry.isEmpty())
            return QCoreApplication::translate("results::DomainListModel", "From the entry \"%1\"").arg(listEntry);
    }
    return {};
}

Qt::ItemFlags DomainListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags base = QAbstractListModel::flags(index);
    if (index.isValid())
        base |= Qt::ItemIsDragEnabled;
    return base | Qt::ItemIsDropEnabled;
}

QStringList DomainListModel::mimeTypes() const
{
    return {QStringLiteral("text/plain")};
}

void DomainListModel::append(const QString &domain)
{
    m_notes.remove(domain);
    const int row = int(m_entries.size());
    beginInsertRows(QModelIndex(), row, row);
    m_entries.append(domain);
    endInsertRows();
}

void DomainListModel::appendLikely(const QString &domain, const QDate &zoneDate, const QString &entry)
{
    m_likely.insert(domain, zoneDate);
    append(domain, entry);
}

QStringList DomainListModel::likelyEntries() const
{
    QStringList marked;
    if (m_likely.isEmpty())
        return marked;
    for (const QString &entry : m_entries) {
        if (m_likely.contains(entry))
            marked.append(entry);
    }
    return marked;
}

bool DomainListModel::unmark(const QString &domain)
{
    if (!m_likely.remove(domain))
        return false;
    markChanged(domain);
    return true;
}

void DomainListModel::markChanged(const QString &domain)
{
    for (qsizetype row = 0; row < m_entries.size(); ++row) {
        if (m_entries.at(row) == domain)
            emit dataChanged(index(int(row)), index(int(row)), {LikelyZoneDateRole});
    }
}

void DomainListModel::append(const QString &domain, const QString &entry)
{
    if (!entry.isEmpty())
        m_listEntries.insert(domain, entry);
    append(domain);
}

void DomainListModel::appendMany(const QStringList &domains)
{
    if (domains.isEmpty())
        return;
    const int first = int(m_entries.size());
    beginInsertRows(QModelIndex(), first, first + int(domains.size()) - 1);
    m_entries.append(domains);
    endInsertRows();
}

bool DomainListModel::removeEntry(int row)
{
    if (row < 0 || row >= m_entries.size())
        return false;
    beginRemoveRows(QModelIndex(), row, row);
    m_entries.removeAt(row);
    endRemoveRows();
    return true;
}

void DomainListModel::removeEntries(QList<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows)
        removeEntry(row);
}

void DomainListModel::insertEntries(const QList<int> &rows, const QStringList &domains)
{
    const qsizetype count = std::min(rows.size(), domains.size());
    for (qsizetype i = 0; i < count; ++i) {
        const int row = std::clamp(rows.at(i), 0, int(m_entries.size()));
        beginInsertRows(QModelIndex(), row, row);
        m_entries.insert(row, domains.at(i));
        endInsertRows();
    }
}

void DomainListModel::clear()
{
    // Marks stay for an undo of the clear; a spill forgets them with forgetMarks().
    if (m_entries.isEmpty())
        return;
    beginResetModel();
    m_entries.clear();
    m_notes.clear();
    m_listEntries.clear();
    endResetModel();
}

void DomainListModel::setEntries(const QStringList &domains)
{
    beginResetModel();
    m_entries = domains;
    endResetModel();
}

void DomainListModel::setNote(const QString &domain, const QString &note)
{
    m_notes.insert(domain, note);
    const qsizetype row = m_entries.lastIndexOf(domain);
    if (row >= 0)
        emit dataChanged(index(int(row)), index(int(row)), {Qt::DisplayRole});
}

QString DomainListModel::clipboardText() const
{
    QString text;
    for (const QString &entry : m_entries)
        text += entry + QStringLiteral("\r\n");
    return text;
}

} // namespace results
