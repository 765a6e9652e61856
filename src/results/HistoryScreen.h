#pragma once

#include "lookup/QueryOutcome.h"

#include <QSqlQuery>

#include <optional>

namespace tld {
struct TldRecord;
}

namespace results {

class HistoryStore;

/**
 * "Do not ask again about names checked in the last N days": before a domain is asked, its last
 * verdict (available or registered) of the last N days is looked up in the history. A domain that has
 * one takes it, marked "(from history, DATE)", and no question is sent. Off while N is 0.
 */
class HistoryScreen {
public:
    explicit HistoryScreen(HistoryStore &store) : m_store(store) {}

    void setDays(int days) { m_days = std::max(0, days); }
    int days() const { return m_days; }

    /// The recorded outcome of @p domain, or nothing when it is to be asked. @p row is the TLD row that
    /// would be asked.
    std::optional<lookup::QueryOutcome> operator()(const QString &domain, const tld::TldRecord &row);

private:
    HistoryStore &m_store;
    int m_days = 0;
    std::optional<QSqlQuery> m_lastVerdict;
};

/// "from history, 2026-12-08": what marks an outcome taken from the history (its cause).
QString fromHistoryText(const QDateTime &checked);

} // namespace results
