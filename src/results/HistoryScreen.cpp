#include "results/HistoryScreen.h"

#include "results/HistoryStore.h"

#include <QCoreApplication>
#include <QSqlError>

namespace results {

using Kind = lookup::QueryOutcome::Kind;

QString fromHistoryText(const QDateTime &checked)
{
    return QCoreApplication::translate("results::HistoryScreen", "from history, %1")
        .arg(checked.date().toString(Qt::ISODate));
}

std::optional<lookup::QueryOutcome> HistoryScreen::operator()(const QString &domain,
                                                              [[maybe_unused]] const tld::TldRecord &row)
{
    if (m_days <= 0 || !m_store.isOpen())
        return std::nullopt;
    if (!m_lastVerdict) {
        m_lastVerdict.emplace(m_store.database());
        // Only a verdict counts: a name that was refused or timed out has not really been checked.
        m_lastVerdict->prepare(
            QStringLiteral("SELECT c.outcome, c.time, s.text, p.text, c.http_status FROM domains d JOIN checks c ON "
                           "c.domain = d.id "
                           "LEFT JOIN texts s ON s.id = c.server LEFT JOIN texts p ON p.id = c.phrase "
                           "WHERE d.domain = ? AND c.time >= ? AND c.outcome IN (%1, %2) ORDER BY c.id DESC LIMIT 1")
                .arg(int(Kind::Available))
                .arg(int(Kind::Registered)));
    }
    QSqlQuery &query = *m_lastVerdict;
    query.bindValue(0, HistoryStore::domainKey(domain));
    query.bindValue(1, m_store.now() - qint64(m_days) * 24 * 60 * 60);
    if (!query.exec() || !query.next())
        return std::nullopt;
    lookup::QueryOutcome recorded{Kind(query.value(0).toInt()), domain};
    recorded.source = lookup::QueryOutcome::Source::History;
    recorded.cause = fromHistoryText(QDateTime::fromSecsSinceEpoch(query.value(1).toLongLong()));
    recorded.server = query.value(2).toString();
    recorded.successWord = query.value(3).toString();
    recorded.httpStatus = query.value(4).toInt();
    query.finish();
    return recorded;
}

} // namespace results
