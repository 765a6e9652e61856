#include "results/HistorySchema.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace results::history {

namespace {

// Step n brings a database of version n - 1 to version n.
const char *const firstVersion[] = {
    "CREATE TABLE texts(id INTEGER PRIMARY KEY, text TEXT NOT NULL UNIQUE)",
    "CREATE TABLE runs(id INTEGER PRIMARY KEY, runner INTEGER NOT NULL, started INTEGER NOT NULL, source TEXT)",
    "CREATE TABLE domains(id INTEGER PRIMARY KEY, domain TEXT NOT NULL UNIQUE)",
    "CREATE TABLE checks(id INTEGER PRIMARY KEY, domain INTEGER NOT NULL, name TEXT, entry TEXT, "
    "outcome INTEGER NOT NULL, class INTEGER NOT NULL, source INTEGER NOT NULL, server INTEGER, "
    "http_status INTEGER, phrase INTEGER, time INTEGER NOT NULL, run INTEGER)",
    "CREATE INDEX checks_by_domain ON checks(domain)",
    "CREATE INDEX checks_by_time ON checks(time)",
    "CREATE VIEW new_checks(domain, name, entry, outcome, class, source, server, http_status, phrase, time, run) "
    "AS SELECT NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL WHERE 0",
    "CREATE TRIGGER file_check INSTEAD OF INSERT ON new_checks BEGIN "
    "INSERT OR IGNORE INTO domains(domain) VALUES (NEW.domain); "
    "INSERT INTO checks(domain, name, entry, outcome, class, source, server, http_status, phrase, time, run) "
    "VALUES ((SELECT id FROM domains WHERE domain = NEW.domain), NEW.name, NEW.entry, NEW.outcome, NEW.class, "
    "NEW.source, NEW.server, NEW.http_status, NEW.phrase, NEW.time, NEW.run); END",
};

const char *const secondVersion[] = {
    "ALTER TABLE domains ADD COLUMN last INTEGER",
    "ALTER TABLE domains ADD COLUMN outcome INTEGER",
    "ALTER TABLE domains ADD COLUMN time INTEGER",
    "ALTER TABLE domains ADD COLUMN checks INTEGER NOT NULL DEFAULT 0",
    "UPDATE domains SET last = (SELECT max(id) FROM checks WHERE checks.domain = domains.id), "
    "checks = (SELECT count(*) FROM checks WHERE checks.domain = domains.id)",
    "UPDATE domains SET outcome = (SELECT outcome FROM checks WHERE checks.id = domains.last), "
    "time = (SELECT time FROM checks WHERE checks.id = domains.last)",
    "DROP TRIGGER file_check",
    // The check takes the next id, and the domain's summary names it before the check row exists.
    "CREATE TRIGGER file_check INSTEAD OF INSERT ON new_checks BEGIN "
    "INSERT INTO domains(domain, last, outcome, time, checks) "
    "VALUES (NEW.domain, (SELECT coalesce(max(id), 0) + 1 FROM checks), NEW.outcome, NEW.time, 1) "
    "ON CONFLICT(domain) DO UPDATE SET last = excluded.last, outcome = excluded.outcome, time = excluded.time, "
    "checks = checks + 1; "
    "INSERT INTO checks(id, domain, name, entry, outcome, class, source, server, http_status, phrase, time, run) "
    "VALUES ((SELECT coalesce(max(id), 0) + 1 FROM checks), (SELECT id FROM domains WHERE domain = NEW.domain), "
    "NEW.name, NEW.entry, NEW.outcome, NEW.class, NEW.source, NEW.server, NEW.http_status, NEW.phrase, NEW.time, "
    "NEW.run); END",
};

struct Step {
    const char *const *statements;
    std::size_t count;
};
const Step steps[schemaVersion] = {{firstVersion, std::size(firstVersion)}, {secondVersion, std::size(secondVersion)}};

QString say(const char *text)
{
    return QCoreApplication::translate("results::history", text);
}

bool runStep(QSqlDatabase &db, int version, QString *error)
{
    if (!db.transaction()) {
        *error = db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    const Step &step = steps[version - 1];
    for (std::size_t i = 0; i < step.count; ++i) {
        if (!query.exec(QString::fromLatin1(step.statements[i]))) {
            *error = query.lastError().text();
            db.rollback();
            return false;
        }
    }
    // The version changes in the same transaction as the tables: a step is taken whole or not at all.
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(version)) || !db.commit()) {
        *error = query.lastError().isValid() ? query.lastError().text() : db.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}

bool holdsOtherTables(QSqlDatabase &db)
{
    QSqlQuery query(db);
    return !query.exec(QStringLiteral("SELECT count(*) FROM sqlite_schema")) || !query.next() ||
           query.value(0).toInt() > 0;
}

} // namespace

int storedVersion(QSqlDatabase &db, QString *error)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        *error = query.lastError().text();
        return -1;
    }
    return query.value(0).toInt();
}

bool canMigrate(QSqlDatabase &db, QString *error)
{
    const int stored = storedVersion(db, error);
    if (stored < 0)
        return false;
    if (stored > schemaVersion) {
        *error = say(QT_TRANSLATE_NOOP("results::history", "it was written by a newer version of the program"));
        return false;
    }
    if (stored == 0 && holdsOtherTables(db)) {
        *error = say(QT_TRANSLATE_NOOP("results::history", "it holds tables of another program"));
        return false;
    }
    return true;
}

bool migrate(QSqlDatabase &db, QString *error, int version)
{
    if (!canMigrate(db, error))
        return false;
    for (int next = storedVersion(db, error) + 1; next <= version; ++next) {
        if (!runStep(db, next, error))
            return false;
    }
    return true;
}

} // namespace results::history
