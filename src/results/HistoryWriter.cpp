#include "results/HistoryWriter.h"

#include "results/HistoryNative.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace results::history {

namespace {

const auto insertCheck = "INSERT INTO new_checks VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

QVariant idOrNull(qint64 id)
{
    return id > 0 ? QVariant(id) : QVariant();
}

} // namespace

Writer::Writer(QString path, QString connectionName) : m_path(std::move(path)), m_connection(std::move(connectionName))
{}

Writer::~Writer() = default;

bool Writer::openDatabase()
{
    if (m_open)
        return true;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    // Another program writing the same file (quarrytide-check beside the window) is waited for.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        return false;
    QSqlQuery query(db);
    // A commit reaches the disk at the next checkpoint: a crash of the program loses nothing committed,
    // and the file stays whole even when the machine stops.
    query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    query.exec(QStringLiteral("PRAGMA cache_size = -16384"));
    m_query = std::make_unique<QSqlQuery>(db);
    m_open = m_query->prepare(QLatin1String(insertCheck));
    if (m_open)
        prepareNativeInsert();
    return m_open;
}

void Writer::prepareNativeInsert()
{
    sqlite3 *connection = nativeConnection(QSqlDatabase::database(m_connection, false));
    if (connection && sqlite3_prepare_v2(connection, insertCheck, -1, &m_native, nullptr) != SQLITE_OK)
        m_native = nullptr;
}

void Writer::write(Batch batch)
{
    std::move(batch.runs.begin(), batch.runs.end(), std::back_inserter(m_waiting.runs));
    std::move(batch.rows.begin(), batch.rows.end(), std::back_inserter(m_waiting.rows));
    QString error;
    if (writeWaiting(&error))
        return;
    giveUpOldest();
    emit failed(error);
}

void Writer::giveUpOldest()
{
    if (m_waiting.rows.size() <= mostWaiting)
        return;
    const std::size_t extra = m_waiting.rows.size() - mostWaiting;
    m_waiting.rows.erase(m_waiting.rows.begin(), m_waiting.rows.begin() + std::ptrdiff_t(extra));
    emit failed(QCoreApplication::translate("results::history", "%1 earlier checks could not be kept").arg(extra));
}

bool Writer::writeWaiting(QString *error)
{
    if (m_waiting.isEmpty())
        return true;
    if (!openDatabase()) {
        *error = QSqlDatabase::database(m_connection, false).lastError().text();
        return false;
    }
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    // Immediate: the write lock is taken (or waited for) now, not halfway through the batch.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        *error = query.lastError().text();
        return false;
    }
    const QHash<int, qint64> runsBefore = m_runIds;
    QHash<QString, qint64> textsBefore = m_textIds;
    if (insertRows(error) && query.exec(QStringLiteral("COMMIT"))) {
        m_waiting = {};
        return true;
    }
    if (error->isEmpty())
        *error = query.lastError().text();
    query.exec(QStringLiteral("ROLLBACK"));
    // Rows of runs and texts that were rolled back are written again with the batch.
    m_runIds = runsBefore;
    m_textIds = std::move(textsBefore);
    return false;
}

bool Writer::insertRows(QString *error)
{
    QSqlQuery run(QSqlDatabase::database(m_connection, false));
    run.prepare(QStringLiteral("INSERT INTO runs(runner, started, source) VALUES (?, ?, ?)"));
    for (const RunStart &start : m_waiting.runs) {
        if (m_runIds.contains(start.run))
            continue;
        run.addBindValue(int(start.runner));
        run.addBindValue(start.started);
        run.addBindValue(textOrNull(start.source));
        if (!run.exec()) {
            *error = run.lastError().text();
            return false;
        }
        m_runIds.insert(start.run, run.lastInsertId().toLongLong());
    }
    for (const CheckRow &row : m_waiting.rows) {
        const qint64 server = textId(row.server, error);
        const qint64 phrase = textId(row.phrase, error);
        if (server < 0 || phrase < 0 || !insertRow(row, server, phrase, error))
            return false;
    }
    return true;
}

bool Writer::insertRow(const CheckRow &row, qint64 server, qint64 phrase, QString *error)
{
    const qint64 run = m_runIds.value(row.run);
    if (!m_native) {
        const QVariant values[] = {row.domain,
                                   textOrNull(row.name),
                                   textOrNull(row.entry),
                                   row.outcome,
                                   row.listNumber,
                                   row.source,
                                   idOrNull(server),
                                   row.httpStatus > 0 ? QVariant(row.httpStatus) : QVariant(),
                                   idOrNull(phrase),
                                   row.time,
                                   idOrNull(run)};
        for (int i = 0; i < int(std::size(values)); ++i)
            m_query->bindValue(i, values[i]);
        if (m_query->exec())
            return true;
        *error = m_query->lastError().text();
        return false;
    }
    const auto text = [this](int field, const QString &value) {
        if (value.isEmpty())
            sqlite3_bind_null(m_native, field);
        else
            sqlite3_bind_text16(m_native, field, value.utf16(), int(value.size() * 2), SQLITE_STATIC);
    };
    const auto number = [this](int field, qint64 value) {
        if (value > 0)
            sqlite3_bind_int64(m_native, field, value);
        else
            sqlite3_bind_null(m_native, field);
    };
    text(1, row.domain);
    text(2, row.name);
    text(3, row.entry);
    sqlite3_bind_int(m_native, 4, row.outcome);
    sqlite3_bind_int(m_native, 5, row.listNumber);
    sqlite3_bind_int(m_native, 6, row.source);
    number(7, server);
    number(8, row.httpStatus);
    number(9, phrase);
    sqlite3_bind_int64(m_native, 10, row.time);
    number(11, run);
    const int status = sqlite3_step(m_native);
    sqlite3_reset(m_native);
    if (status == SQLITE_DONE)
        return true;
    *error = QString::fromUtf8(sqlite3_errstr(status));
    return false;
}

qint64 Writer::textId(const QString &text, QString *error)
{
    if (text.isEmpty())
        return 0;
    if (const auto known = m_textIds.constFind(text); known != m_textIds.constEnd())
        return *known;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("INSERT OR IGNORE INTO texts(text) VALUES (?)"));
    query.addBindValue(text);
    if (query.exec()) {
        query.prepare(QStringLiteral("SELECT id FROM texts WHERE text = ?"));
        query.addBindValue(text);
        if (query.exec() && query.next()) {
            const qint64 id = query.value(0).toLongLong();
            m_textIds.insert(text, id);
            return id;
        }
    }
    *error = query.lastError().text();
    return -1;
}

void Writer::close()
{
    QString error;
    if (!writeWaiting(&error))
        emit failed(error);
    sqlite3_finalize(m_native);
    m_native = nullptr;
    m_query.reset();
    if (m_open)
        QSqlDatabase::database(m_connection, false).close();
    m_open = false;
    if (QSqlDatabase::contains(m_connection))
        QSqlDatabase::removeDatabase(m_connection);
}

} // namespace results::history
