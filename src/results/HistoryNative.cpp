#include "results/HistoryNative.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>

#include <sqlite3.h>

#include <atomic>

namespace results::history {

namespace {

std::atomic<bool> nativeAllowed{true};

bool collectThroughQt(const QSqlDatabase &db, const QString &sql, const QVariantList &values, std::vector<qint64> &ids)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        return false;
    while (query.next())
        ids.push_back(query.value(0).toLongLong());
    return true;
}

} // namespace

void allowNative(bool allowed)
{
    nativeAllowed = allowed;
}

sqlite3 *nativeConnection(const QSqlDatabase &db)
{
    if (!nativeAllowed || !db.isOpen())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    // Another build of SQLite inside the driver would not understand our calls.
    QSqlQuery library(db);
    if (!library.exec(QStringLiteral("SELECT sqlite_source_id()")) || !library.next() ||
        library.value(0).toString() != QLatin1String(sqlite3_sourceid()))
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

bool collectIds(const QSqlDatabase &db, const QString &sql, const QVariantList &values, std::vector<qint64> &ids)
{
    sqlite3 *connection = nativeConnection(db);
    if (!connection)
        return collectThroughQt(db, sql, values, ids);
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare16_v2(connection, sql.utf16(), int(sql.size() * 2), &statement, nullptr) != SQLITE_OK)
        return false;
    for (int i = 0; i < int(values.size()); ++i) {
        const QVariant &value = values.at(i);
        if (value.typeId() == QMetaType::QString) {
            const QString text = value.toString();
            sqlite3_bind_text16(statement, i + 1, text.utf16(), int(text.size() * 2), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_int64(statement, i + 1, value.toLongLong());
        }
    }
    int status = SQLITE_ROW;
    while ((status = sqlite3_step(statement)) == SQLITE_ROW)
        ids.push_back(sqlite3_column_int64(statement, 0));
    sqlite3_finalize(statement);
    return status == SQLITE_DONE;
}

} // namespace results::history
