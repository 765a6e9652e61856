#pragma once

#include "lookup/QueryOutcome.h"
#include "results/HistoryRecord.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSqlDatabase>
#include <QThread>
#include <QTimer>

#include <functional>

namespace results {

namespace history {
class Writer;
}

/**
 * The check history, History.sqlite: every outcome of every run, kept across sessions.
 *
 * Outcomes are gathered here and handed to a writer on a thread of its own once a second, or as soon
 * as 500 wait, so recording costs the window no wait on the disk; a crash loses at most what had not
 * been handed over. Reading (the History window, the look-up of recent checks) uses a connection of the
 * caller's thread, which never waits for the writer.
 *
 * A file that cannot be opened as a history (no permission, not a database, written by a newer version)
 * is left exactly as it is: the store stays closed and error() says why.
 */
class HistoryStore : public QObject {
    Q_OBJECT
public:
    static constexpr int batchRows = 500;

    explicit HistoryStore(QString path, QObject *parent = nullptr);
    ~HistoryStore() override;

    /// Opens the file (made when missing) and brings its layout up to date; false with error().
    bool open();
    bool isOpen() const { return m_open; }
    QString path() const { return m_path; }
    QString error() const { return m_error; }

    /// Clock for the times of checks and runs (tests set a fixed one).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    /// Seconds since 1970, UTC.
    qint64 now() const { return m_clock ? m_clock().toSecsSinceEpoch() : QDateTime::currentSecsSinceEpoch(); }

    /// A run of @p runner begins; returns the number its outcomes are recorded under.
    int startRun(Runner runner, const QString &source);
    /// Records @p outcome as a check of run @p run. Outcomes taken from the history are no checks.
    void record(const lookup::QueryOutcome &outcome, int run);
    /// Hands what waits to the writer now.
    void flush();
    /// Hands what waits to the writer and returns once it is written (or failed).
    void waitForWrites();

    /// The reading connection of this thread (invalid while closed).
    QSqlDatabase database() const;
    /// Domains in the history.
    qint64 domainCount() const;

    /// The key a domain is kept under: its ASCII form in lower case.
    static QString domainKey(const QString &domain);

signals:
    /// Checks could not be written; they wait for the next write unless @p reason says otherwise.
    void writeFailed(const QString &reason);

private:
    void startWriter();
    void stopWriter();

    QString m_path;
    QString m_connection;
    QString m_error;
    bool m_open = false;
    int m_runs = 0;
    QHash<int, history::RunStart> m_runStarts; ///< runs without a check yet
    history::Batch m_waiting;
    QTimer m_handOver;
    QThread m_thread;
    history::Writer *m_writer = nullptr;
    std::function<QDateTime()> m_clock; ///< none: the system's, read without a time zone
    QString m_lastServer;               ///< the server text of the last check, made once per server and port
    QString m_lastHost;
    int m_lastPort = -1;
};

} // namespace results
