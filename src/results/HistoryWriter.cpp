#include "results/HistoryWriter.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace results::history {

namespace {

constexpr int rowsAtOnce = 16; // several rows per statement: most of the cost is per statement
constexpr int fieldsPerRow = 11;

QString insertStatement(int rows)
{
    const QString values = QStringLiteral("(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    QStringList all;
    for (int i = 0; i < rows; ++i)
        all.append(values);
    return QStringLiteral("INSERT INTO new_checks VALUES ") + all.join(QStringLiteral(", "));
}

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
    m_one = std::make_unique<QSqlQuery>(db);
    m_many = std::make_unique<QSqlQuery>(db);
    m_open = m_one->prepare(insertStatement(1)) && m_many->prepare(insertStatement(rowsAtOnce));
    return m_open;
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
    emit failed(
        QCoreApplication::translate("results::history", "%n earlier checks could not be kept", nullptr, int(extra)));
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
    const std::vector<CheckRow> &rows = m_waiting.rows;
    for (std::size_t first = 0; first < rows.size();) {
        const bool many = rows.size() - first >= std::size_t(rowsAtOnce);
        QSqlQuery &insert = many ? *m_many : *m_one;
        const std::size_t count = many ? rowsAtOnce : 1;
        int field = 0;
        for (std::size_t i = first; i < first + count; ++i) {
            const CheckRow &row = rows.at(i);
            const qint64 server = textId(row.server, error);
            const qint64 phrase = textId(row.phrase, error);
            if (server < 0 || phrase < 0)
                return false;
            const QVariant values[fieldsPerRow] = {row.domain,
                                                   textOrNull(row.name),
                                                   textOrNull(row.entry),
                                                   row.outcome,
                                                   row.listNumber,
                                                   row.source,
                                                   idOrNull(server),
                                                   row.httpStatus > 0 ? QVariant(row.httpStatus) : QVariant(),
                                                   idOrNull(phrase),
                                                   row.time,
                                                   idOrNull(m_runIds.value(row.run))};
            for (const QVariant &value : values)
                insert.bindValue(field++, value);
        }
        if (!insert.exec()) {
            *error = insert.lastError().text();
            return false;
        }
        first += count;
    }
    return true;
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
    m_one.reset();
    m_many.reset();
    if (m_open)
        QSqlDatabase::database(m_connection, false).close();
    m_open = false;
    QSqlDatabase::removeDatabase(m_connection);
}

} // namespace results::history
