#pragma once

#include <QString>

class QSqlDatabase;

namespace results::history {

/**
 * The layout of History.sqlite, kept in PRAGMA user_version.
 *
 * Version 1: `checks`, one row per check (the domain as asked by id into `domains`, the name as shown and
 * the list entry when they differ from it, outcome, class, source, server and matched phrase by id into
 * `texts`, HTTP status, time in seconds since 1970 UTC, run by id into `runs`), indexed by domain and by
 * time. Rows go in through the view `new_checks`, whose trigger files the domain and its texts.
 * Version 2: `domains` also keeps each domain's last check, outcome and time and how often it was
 * checked, so that the History window lists every domain without reading every check.
 *
 * Outcome, class and source hold lookup::QueryOutcome::Kind, the result list number (0: none) and
 * lookup::QueryOutcome::Source as numbers; new values only ever go last.
 */
inline constexpr int schemaVersion = 2;

/// The schema version of @p db; -1 with @p error when the file cannot be read as a database.
int storedVersion(QSqlDatabase &db, QString *error);

/// True when @p db is a history this program can bring up to date (or a new, empty file); nothing is
/// written. False with @p error for a file that is no database, one of a newer version, or one that holds
/// tables of another program.
bool canMigrate(QSqlDatabase &db, QString *error);

/// Brings @p db from the version it holds up to @p version, each step in a transaction of its own. A
/// database canMigrate() refuses is left as it is: false with @p error.
bool migrate(QSqlDatabase &db, QString *error, int version = schemaVersion);

} // namespace results::history
