#include "results/HistoryStore.h"

#include "platform/Intervals.h"
#include "results/HistorySchema.h"
#include "results/HistoryWriter.h"
#include "results/OutcomeWords.h"
#include "tld/Routing.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>

namespace results {

namespace {

std::atomic<int> stores{0};

QString say(const char *text)
{
    return QCoreApplication::translate("results::HistoryStore", text);
}

} // namespace

HistoryStore::HistoryStore(QString path, QObject *parent)
    : QObject(parent), m_path(std::move(path)), m_connection(QStringLiteral("history-%1").arg(++stores))
{
    m_handOver.setSingleShot(true);
    connect(&m_handOver, &QTimer::timeout, this, &HistoryStore::flush);
}

HistoryStore::~HistoryStore()
{
    flush();
    stopWriter();
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool HistoryStore::open()
{
    if (m_open)
        return true;
    if (QFileInfo(m_path).isDir()) {
        m_error = say(QT_TRANSLATE_NOOP("results::HistoryStore", "it is a folder"));
        return false;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        m_error = say(
            QT_TRANSLATE_NOOP("results::HistoryStore", "the SQLite driver of Qt is not installed (libqt6sql6-sqlite)"));
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
    if (!db.open()) {
        m_error = db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    // A file that is no history is refused before anything is written to it.
    if (!history::canMigrate(db, &m_error))
        return false;
    query.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    query.finish();
    if (!history::migrate(db, &m_error))
        return false;
    // A history that cannot be written is no history: say so now rather than with the first check.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")) || !query.exec(QStringLiteral("ROLLBACK"))) {
        m_error = QCoreApplication::translate("results::HistoryStore", "it cannot be written: %1")
                      .arg(query.lastError().text());
        return false;
    }
    m_open = true;
    m_error.clear();
    return true;
}

QSqlDatabase HistoryStore::database() const
{
    return m_open ? QSqlDatabase::database(m_connection, false) : QSqlDatabase();
}

QString HistoryStore::domainKey(const QString &domain)
{
    const QString ascii = tld::asciiDomain(domain);
    return (ascii.isEmpty() ? domain : ascii).toLower();
}

int HistoryStore::startRun(Runner runner, const QString &source)
{
    const int run = ++m_runs;
    // Written with its first check: a run that checked nothing leaves no trace.
    m_runStarts.insert(run, {run, runner, now(), source});
    return run;
}

void HistoryStore::record(const lookup::QueryOutcome &outcome, int run)
{
    // Only checks are history. A zone screen judges millions of names a run from a file the user keeps;
    // its guesses are confirmed with the registry, and that check is recorded.
    if (!m_open || outcome.source == lookup::QueryOutcome::Source::History ||
        outcome.source == lookup::QueryOutcome::Source::Zone)
        return;
    history::CheckRow row;
    row.domain = domainKey(outcome.domain);
    if (outcome.domain != row.domain)
        row.name = outcome.domain;
    if (outcome.entry != outcome.domain)
        row.entry = outcome.entry;
    row.outcome = int(outcome.kind);
    row.listNumber = resultListFor(outcome);
    row.source = int(outcome.source);
    // A run asks a few servers thousands of times: their text is made once.
    if (outcome.server != m_lastHost || outcome.port != m_lastPort ||
        outcome.source != lookup::QueryOutcome::Source::Registry) {
        m_lastHost = outcome.server;
        m_lastPort = outcome.source == lookup::QueryOutcome::Source::Registry ? outcome.port : -1;
        m_lastServer = serverText(outcome);
    }
    row.server = m_lastServer;
    row.httpStatus = outcome.httpStatus;
    row.phrase = outcome.successWord;
    row.time = now();
    row.run = run;
    if (const auto start = m_runStarts.constFind(run); start != m_runStarts.constEnd()) {
        m_waiting.runs.push_back(*start);
        m_runStarts.erase(start);
    }
    m_waiting.rows.push_back(std::move(row));
    if (m_waiting.rows.size() >= std::size_t(batchRows))
        flush();
    else if (!m_handOver.isActive())
        m_handOver.start(platform::intervals().historyHandOverMs);
}

void HistoryStore::flush()
{
    m_handOver.stop();
    if (!m_open || m_waiting.rows.empty())
        return;
    startWriter();
    auto batch = std::make_shared<history::Batch>(std::exchange(m_waiting, {}));
    QMetaObject::invokeMethod(
        m_writer, [writer = m_writer, batch] { writer->write(std::move(*batch)); }, Qt::QueuedConnection);
}

void HistoryStore::waitForWrites()
{
    flush();
    if (m_writer)
        QMetaObject::invokeMethod(
            m_writer, [] {}, Qt::BlockingQueuedConnection);
}

void HistoryStore::startWriter()
{
    if (m_writer)
        return;
    m_writer = new history::Writer(m_path, m_connection + QStringLiteral("-write"));
    m_writer->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_writer, &QObject::deleteLater);
    connect(m_writer, &history::Writer::failed, this, &HistoryStore::writeFailed);
    m_thread.setObjectName(QStringLiteral("history writer"));
    m_thread.start();
}

void HistoryStore::stopWriter()
{
    if (!m_writer)
        return;
    // Blocking: the batches handed over before are written first, and none is left behind by the quit.
    QMetaObject::invokeMethod(m_writer, &history::Writer::close, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    m_writer = nullptr;
}

qint64 HistoryStore::domainCount() const
{
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM domains")) || !query.next())
        return 0;
    return query.value(0).toLongLong();
}

} // namespace results
