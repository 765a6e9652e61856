#pragma once

#include "results/HistoryRecord.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <memory>

class QSqlQuery;
struct sqlite3_stmt;

namespace results::history {

/**
 * Writes batches of checks into History.sqlite, each in one transaction. It lives on a thread of its own:
 * a commit, and now and then a checkpoint that waits for the disk, must never hold up the window. A batch
 * that cannot be written (the disk is full, another program holds the file too long) is kept and written
 * with the next one.
 *
 * Checks go in through the handle of the SQLite connection that Qt SQL opened: binding a value through
 * QSqlQuery costs more than the whole insert, and a long run records hundreds of thousands (see
 * nativeConnection()); QSqlQuery does the work where that handle cannot be used.
 */
class Writer : public QObject {
    Q_OBJECT
public:
    /// Most checks kept while they cannot be written; older ones beyond it are given up (and said so).
    static constexpr std::size_t mostWaiting = 200'000;

    Writer(QString path, QString connectionName);
    ~Writer() override;

    void write(Batch batch);
    /// Writes what waits and closes the database; called on the writer's thread before it ends.
    void close();

signals:
    /// A write failed; the checks wait for the next one (or were given up, as @p reason says).
    void failed(const QString &reason);

private:
    bool openDatabase();
    bool writeWaiting(QString *error);
    bool insertRows(QString *error);
    bool insertRow(const CheckRow &row, qint64 server, qint64 phrase, QString *error);
    void prepareNativeInsert();
    qint64 textId(const QString &text, QString *error);
    void giveUpOldest();

    QString m_path;
    QString m_connection;
    bool m_open = false;
    Batch m_waiting;
    QHash<int, qint64> m_runIds;        ///< run number in this program -> its row in runs
    QHash<QString, qint64> m_textIds;   ///< texts are never removed: ids stay valid
    sqlite3_stmt *m_native = nullptr;   ///< inserts one check, when the driver's library is ours
    std::unique_ptr<QSqlQuery> m_query; ///< inserts one check otherwise
};

} // namespace results::history
