#include "results/HistoryQuery.h"

#include "results/HistoryStore.h"

#include <QDateTime>
#include <QStringList>

namespace results {

namespace {

const QString lastCheck = QStringLiteral(" JOIN checks c ON c.id = d.last");
const QString allTables = QStringLiteral(" JOIN checks c ON c.id = d.last LEFT JOIN texts s ON s.id = c.server "
                                         "LEFT JOIN texts p ON p.id = c.phrase LEFT JOIN runs r ON r.id = c.run");

struct SortKey {
    const char *expression;
    bool needsLastCheck; ///< only the domains table is read otherwise: the cheapest order
};

// Indexed by HistoryColumn.
const SortKey sortKeys[historyColumnCount] = {
    {"d.domain", false}, {"d.outcome", false},
    {"c.class", true},   {"d.time", false},
    {"d.checks", false}, {"r.runner, r.source", true},
    {"c.entry", true},   {"c.source", true},
    {"s.text", true},    {"coalesce(p.text, c.http_status)", true},
};

qint64 startOfDay(const QDate &day)
{
    return day.startOfDay().toSecsSinceEpoch();
}

} // namespace

HistoryQuery::HistoryQuery(const HistoryFilter &filter, HistoryColumn sortColumn, bool descending)
{
    QStringList conditions;
    if (const QString text = filter.text.trimmed().toLower(); !text.isEmpty()) {
        conditions << QStringLiteral("instr(d.domain, ?) > 0");
        m_values << text;
    }
    if (filter.outcome >= 0) {
        conditions << QStringLiteral("d.outcome = ?");
        m_values << filter.outcome;
    }
    if (QString tld = filter.tld.trimmed(); !tld.isEmpty()) {
        if (tld.startsWith(QLatin1Char('.')))
            tld.remove(0, 1);
        // Domains are kept in their ASCII form, so an international extension is looked for in its own.
        tld = QLatin1Char('.') + HistoryStore::domainKey(tld);
        conditions << QStringLiteral("substr(d.domain, -length(?)) = ?");
        m_values << tld << tld;
    }
    if (filter.from.isValid()) {
        conditions << QStringLiteral("d.time >= ?");
        m_values << startOfDay(filter.from);
    }
    if (filter.to.isValid()) {
        conditions << QStringLiteral("d.time < ?");
        m_values << startOfDay(filter.to.addDays(1));
    }
    m_where = conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    const SortKey &key = sortKeys[int(sortColumn)];
    const QString direction = descending ? QStringLiteral(" DESC") : QString();
    m_joins = key.needsLastCheck ? allTables : QString();
    QStringList order = QString::fromLatin1(key.expression).split(QStringLiteral(", "));
    order << QStringLiteral("d.domain");
    m_order = QStringLiteral(" ORDER BY ") + order.join(direction + QStringLiteral(", ")) + direction;
}

QString HistoryQuery::idsInOrder() const
{
    return QStringLiteral("SELECT d.id FROM domains d") + m_joins + m_where + m_order;
}

QString HistoryQuery::namesCheckedBefore() const
{
    const QString before =
        m_where.isEmpty() ? QStringLiteral(" WHERE d.time < ?") : m_where + QStringLiteral(" AND d.time < ?");
    return QStringLiteral("SELECT coalesce(c.name, d.domain) FROM domains d") + lastCheck + before +
           QStringLiteral(" ORDER BY d.domain");
}

QString HistoryQuery::pageOfRows()
{
    return QStringLiteral("SELECT d.id, d.domain, d.outcome, d.time, d.checks, c.name, c.entry, c.class, c.source, "
                          "s.text, c.http_status, p.text, r.runner, r.source FROM domains d") +
           allTables + QStringLiteral(" WHERE d.id IN ");
}

} // namespace results
