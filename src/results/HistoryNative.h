#pragma once

#include <QString>
#include <QVariantList>

#include <vector>

class QSqlDatabase;
struct sqlite3;

namespace results::history {

/**
 * The SQLite connection Qt SQL opened for @p db, for the few places where QSqlQuery's cost per value
 * outweighs the work itself (recording checks, listing a million ids). Null when the driver does not use
 * the SQLite library the program links, or when tests turned it off: callers then use QSqlQuery.
 */
sqlite3 *nativeConnection(const QSqlDatabase &db);

/// Off: nativeConnection() gives null everywhere (tests take the QSqlQuery paths too).
void allowNative(bool allowed);

/// Runs @p sql with @p values bound in order and appends the first column of every row to @p ids.
bool collectIds(const QSqlDatabase &db, const QString &sql, const QVariantList &values, std::vector<qint64> &ids);

} // namespace results::history
