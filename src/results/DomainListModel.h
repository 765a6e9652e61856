#pragma once

#include <QAbstractListModel>
#include <QDate>
#include <QHash>
#include <QStringList>

namespace results {

/// One result list: domain texts in the order they arrived. Views show it; the engine and the
/// results desk change it. Sized for tens of thousands of entries. An entry may carry a note that views
/// show after it (Qt::DisplayRole); the entry itself is Qt::EditRole, and what copies, drags and files use.
///
/// An entry may be marked likely available: a zone file left it out, the registry has not confirmed it.
/// The mark belongs to the domain, so a deleted entry keeps it for an undo; a confirmed entry loses it.
class DomainListModel : public QAbstractListModel {
    Q_OBJECT
public:
    /// The date of the zone that left the entry out (a QDate), or nothing for a confirmed entry.
    static constexpr int LikelyZoneDateRole = Qt::UserRole + 1;

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;

    int count() const { return int(m_entries.size()); }
    const QStringList &entries() const { return m_entries; }
    QString entry(int row) const { return m_entries.value(row); }

    void append(const QString &domain);
    /// Appends @p domain (made from @p entry) marked likely available, left out of the zone of @p zoneDate.
    void appendLikely(const QString &domain, const QDate &zoneDate, const QString &entry = QString());
    bool isLikely(const QString &domain) const { return m_likely.contains(domain); }
    /// The marked entries in list order.
    QStringList likelyEntries() const;
    /// Takes the mark off @p domain; its rows, if any, now show a confirmed entry. False when unmarked.
    bool unmark(const QString &domain);
    /// Drops every mark (the entries they belonged to are gone for good).
    void forgetMarks() { m_likely.clear(); }
    /// Appends @p domain, telling in its tooltip the list entry it was made from (none when empty).
    void append(const QString &domain, const QString &entry);
    void appendMany(const QStringList &domains);
    bool removeEntry(int row);
    void removeEntries(QList<int> rows);
    /// Puts @p domains back at @p rows (ascending, as they were before a removal); a row past the end
    /// of the list, which has lost entries since, appends.
    void insertEntries(const QList<int> &rows, const QStringList &domains);
    void clear();
    void setEntries(const QStringList &domains);
    /// Shows @p note after @p domain until the domain is added again without one.
    void setNote(const QString &domain, const QString &note);

    /// Every entry followed by CR LF (empty for an empty list), as the clipboard receives it.
    QString clipboardText() const;

private:
    void markChanged(const QString &domain);

    QStringList m_entries;
    QHash<QString, QString> m_notes;
    QHash<QString, QString> m_listEntries; ///< domain -> the list entry it came from, where they differ
    QHash<QString, QDate> m_likely;
};

} // namespace results
