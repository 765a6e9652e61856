#pragma once

#include <QDate>
#include <QString>
#include <QVariantList>

namespace results {

/// Which domains of the history to show.
struct HistoryFilter {
    // Every member has a default, so a brace list may name only the first few.
    QString text{};   ///< part of the domain; empty: any
    int outcome = -1; ///< lookup::QueryOutcome::Kind of the last check; -1: any
    QString tld{};    ///< extension, with or without its dot; empty: any
    QDate from{};     ///< last checked on or after this day (local time); invalid: no limit
    QDate to{};       ///< last checked on or before this day; invalid: no limit
};

/// The columns of the history list, left to right.
enum class HistoryColumn { Domain, Outcome, Class, LastChecked, Checks, CameFrom, Entry, Source, Server, Answer };
inline constexpr int historyColumnCount = 10;

/// SQL for the history list: the WHERE clause of a filter with its values, and the tables and ORDER BY
/// of a sort. Values are always bound, never written into the SQL text.
class HistoryQuery {
public:
    HistoryQuery(const HistoryFilter &filter, HistoryColumn sortColumn, bool descending);

    /// Ids of the matching domains in the order of the sort.
    QString idsInOrder() const;
    /// The domains (as shown) of the matching domains last checked before a time (the last value).
    QString namesCheckedBefore() const;
    const QVariantList &values() const { return m_values; }

    /// The columns of a page of rows, for the ids that follow "WHERE d.id IN".
    static QString pageOfRows();

private:
    QString m_where;
    QString m_joins;
    QString m_order;
    QVariantList m_values;
};

} // namespace results
