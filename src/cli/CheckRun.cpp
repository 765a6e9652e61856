#include "cli/CheckRun.h"

#include "cli/ConsoleIo.h"
#include "cli/ProgressLine.h"
#include "cli/ResultFormat.h"
#include "cli/RunZones.h"
#include "engine/QueryEngine.h"
#include "lookup/DnsCheck.h"
#include "platform/AppFolder.h"
#include "platform/Intervals.h"
#include "platform/ProgramSettings.h"
#include "results/HistoryScreen.h"
#include "results/HistoryStore.h"
#include "results/ResultClasses.h"
#include "tld/DefaultTlds.h"
#include "tld/TldRegistry.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <limits>

namespace cli {

using Kind = lookup::QueryOutcome::Kind;

CheckRun::CheckRun(CheckOptions options, QObject *parent)
    : QObject(parent), m_options(std::move(options)), m_showProgress(!m_options.quiet && standardErrorIsTerminal()),
      m_stream(m_options.inputs)
{}

CheckRun::~CheckRun() = default;

void CheckRun::note(const QString &text) const
{
    if (!m_options.quiet)
        writeStandardError(QStringLiteral("quarrytide-check: %1\n").arg(text).toUtf8());
}

bool CheckRun::prepare(const QString &defaultDataDir)
{
    const QString given = m_options.dataDir.isEmpty() ? defaultDataDir : m_options.dataDir;
    if (!m_options.dataDir.isEmpty() && !QFileInfo(given).isDir()) {
        m_error = QStringLiteral("--data-dir ") + given + QStringLiteral(" is not a folder");
        return false;
    }
    // Made absolute once: every path below names the folder itself, never a folder inside it.
    const QString dataDir = QFileInfo(given).absoluteFilePath();
    m_folder = std::make_unique<platform::AppFolder>(dataDir);
    if (!loadTable())
        return false;
    adjustTable();
    applyTimings();
    m_zones = std::make_unique<RunZones>(dataDir, m_options.zoneOnly, [this](const QString &text) { note(text); });
    if (!m_zones->add(m_options.zones, &m_error))
        return false;
    if (m_options.profileFiles) {
        // The desktop program makes these folders at start-up; the spill and the series need them.
        QDir root(dataDir);
        for (const QString &folder : {QStringLiteral("backups"), QStringLiteral("overflow")})
            root.mkpath(m_folder->path(folder));
        if (!QFileInfo(dataDir).isWritable()) {
            m_error = QStringLiteral("--profile-files: cannot write into ") + dataDir;
            return false;
        }
    }
    if (!m_options.resumeFile.isEmpty()) {
        m_positions.emplace(m_options.resumeFile);
        QStringList ahead;
        if (!m_positions->load(m_startPosition, ahead, m_error))
            return false;
        m_stream.setRecordedAhead(m_startPosition, ahead);
        m_stream.setPositionSink([this](int next) { savePosition(next); });
        m_stream.setRecordedAheadSink([this](int next, const QStringList &domains) { savePosition(next, domains); });
    }
    m_nextPosition = m_startPosition;
    if (!m_stream.checkInputs()) {
        m_error = m_stream.error();
        return false;
    }
    return openHistory();
}

bool CheckRun::openHistory()
{
    if (!m_options.history && m_options.skipCheckedDays == 0)
        return true;
    const bool named = !m_options.historyFile.isEmpty();
    if (!named)
        QDir().mkpath(m_folder->root()); // the desktop program makes its folder at start
    const QString path =
        named ? QFileInfo(m_options.historyFile).absoluteFilePath() : m_folder->path(QStringLiteral("History.sqlite"));
    m_history = std::make_unique<results::HistoryStore>(path);
    if (m_history->open())
        return true;
    const QString why = tr("the history %1 cannot be used: %2").arg(path, m_history->error());
    m_history.reset();
    // Named on the command line, or needed to pass over names, it is no extra that can be done without.
    if (named || m_options.skipCheckedDays > 0) {
        m_error = why;
        return false;
    }
    note(tr("%1; the outcomes are not recorded").arg(why));
    return true;
}

QString CheckRun::sourceText() const
{
    QStringList inputs = m_stream.inputs();
    for (QString &input : inputs) {
        if (input == QLatin1String("-"))
            input = QStringLiteral("standard input");
    }
    return inputs.isEmpty() ? QStringLiteral("standard input") : inputs.join(QStringLiteral(", "));
}

void CheckRun::watchHistory()
{
    if (!m_history)
        return;
    if (m_options.skipCheckedDays > 0) {
        m_screen = std::make_unique<results::HistoryScreen>(*m_history);
        m_screen->setDays(m_options.skipCheckedDays);
        m_engine->addScreen([screen = m_screen.get()](const QString &domain, const tld::TldRecord &row) {
            return (*screen)(domain, row);
        });
    }
    if (m_options.history) {
        connect(m_history.get(), &results::HistoryStore::writeFailed, this, [this](const QString &reason) {
            note(tr("the history %1 could not be written: %2").arg(m_history->path(), reason));
        });
        const int run = m_history->startRun(results::Runner::CommandLine, sourceText());
        connect(m_engine.get(), &engine::QueryEngine::outcome, this,
                [this, run](const lookup::QueryOutcome &outcome) { m_history->record(outcome, run); });
    }
}

bool CheckRun::loadTable()
{
    const QString tablePath = m_folder->path(QStringLiteral("TLDs.txt"));
    m_tlds = std::make_unique<tld::TldRegistry>(tablePath);
    if (!QFileInfo::exists(tablePath)) {
        // The table the desktop program would write on its first start, kept in memory only.
        m_tlds->setTable(tld::parseTable(tld::defaultTldRows().join(QStringLiteral("\r\n"))));
        return true;
    }
    if (m_tlds->loadTldTable())
        return true;
    m_error =
        QStringLiteral("cannot read a TLD table from ") + tablePath + QStringLiteral(" (unreadable or no valid rows)");
    return false;
}

void CheckRun::adjustTable()
{
    // Only the table in memory changes; TLDs.txt stays as it is.
    tld::TldTable table = m_tlds->table();
    if (!m_options.proxyHost.isEmpty()) {
        auto proxy = std::find_if(table.begin(), table.end(),
                                  [](const tld::TldRecord &row) { return row.extension == tld::proxyExtension; });
        if (proxy == table.end()) {
            table.append({tld::proxyExtension, QString(), 43, true, 25, tld::defaultSuccessPhrases});
            proxy = table.end() - 1;
        }
        proxy->server = m_options.proxyHost;
        proxy->port = m_options.proxyPort;
        m_tlds->setUseProxy(true);
    }
    if (m_options.throttleMs) {
        for (tld::TldRecord &row : table)
            row.throttle = *m_options.throttleMs;
    }
    m_tlds->setTable(std::move(table));
    m_tlds->setDefaultExt(platform::ProgramSettings(platform::ProgramSettings::defaultFolder()).defaultExt());
}

void CheckRun::applyTimings()
{
    platform::Intervals &intervals = platform::intervals();
    // The pause counts ticks and lasts at least one; without a tick the next query follows at once.
    if (m_options.throttleMs == 0)
        intervals.throttleTickMs = 0;
    // The engine reconnects a silent server after a third of the watchdog and gives up at its end, as the
    // desktop program does after 10 and 30 seconds; the time limit scales the second they count in.
    if (m_options.timeoutSeconds) {
        const double ms = *m_options.timeoutSeconds * 1000.0 / intervals.watchdogSeconds;
        intervals.secondMs = std::max(1, int(std::lround(ms)));
    }
}

void CheckRun::start()
{
    m_results = std::make_unique<results::ResultClasses>(*m_folder);
    m_results->setWritesFiles(m_options.profileFiles);
    connect(m_results.get(), &results::ResultClasses::spilled, this, [this] {
        note(tr("a profile list reached %1 entries: the lists were saved into %2 and emptied")
                 .arg(results::ResultClasses::overflowLimit + 1)
                 .arg(m_folder->path(QStringLiteral("overflow"))));
    });
    m_engine = std::make_unique<engine::QueryEngine>(*m_tlds, *m_results, m_stream, engine::QueryEngine::defaultSlots);
    m_engine->setChosenTlds([tlds = m_options.tlds] { return tlds; });
    m_engine->setMaxTries(m_options.tries);
    if (m_options.dns) {
        m_dns = std::make_unique<lookup::DnsCheck>();
        if (!m_options.dnsServer.isEmpty())
            m_dns->setServer(m_options.dnsServer);
        if (!m_dns->error().isEmpty())
            note(tr("DNS cannot be asked (%1); every name goes to its registry").arg(m_dns->error()));
        connect(m_dns.get(), &lookup::DnsCheck::lyingResolverFound, this, [this] {
            note(tr("The DNS resolver claims names that cannot exist; every name goes to the registry."));
        });
        m_engine->setDnsCheck(m_dns.get());
    }
    watchHistory();
    m_zones->install(*m_engine);
    connect(m_engine.get(), &engine::QueryEngine::outcome, this, &CheckRun::onOutcome);
    // The engine stops by itself once the last name has its outcome; a failed input is no success.
    connect(m_engine.get(), &engine::QueryEngine::stopped, this, [this](const engine::RunEnd &end) {
        if (end.reason != engine::RunEnd::Reason::Stopped)
            onListEnded();
    });
    if (m_showProgress) {
        qint64 total = NameStream::countEntries(m_stream.inputs());
        if (total >= 0)
            total = std::max<qint64>(0, total - (m_startPosition - 1));
        m_stdoutIsTerminal = standardOutputIsTerminal();
        m_progress = new ProgressLine(
            writeStandardError,
            [this](qint64 &done, qint64 &available) {
                done = m_done;
                available = m_counts[int(Kind::Available)];
            },
            total, this);
        m_progress->start();
    }
    m_engine->start(m_startPosition, std::numeric_limits<int>::max());
}

void CheckRun::onOutcome(const lookup::QueryOutcome &outcome)
{
    ++m_done;
    ++m_counts[int(outcome.kind)];
    if (outcome.kind == Kind::Refused)
        noteRefusal(outcome);
    // Without files the profile lists serve nothing; emptying them keeps memory flat however long the list.
    if (!m_options.profileFiles && (outcome.kind == Kind::Available || outcome.kind == Kind::LikelyAvailable)) {
        const int number = results::ResultClasses::profileListFor(outcome.domain);
        m_results->clearList(number);
        m_results->list(number)->forgetMarks();
    }
    if (m_progress && m_stdoutIsTerminal)
        m_progress->clear();
    if (const int error = writeStandardOutput(m_options.json ? jsonLine(outcome) : tsvLine(outcome)))
        outputFailed(error);
}

void CheckRun::outputFailed(int error)
{
    // This name's result reached no one: ending now keeps the position at it, so a rerun takes it again.
    m_engine->abandon();
    QString text = QStringLiteral("cannot write the results: ") + errorText(error);
    if (m_positions) {
        text += QStringLiteral("; ") +
                tr("rerun with --resume %1 to continue at name %2").arg(m_positions->path()).arg(m_nextPosition);
    }
    // Like the tools that end silently when the reader of their output has gone.
    if (isBrokenPipe(error)) {
        finish(OutputGone);
        return;
    }
    writeStandardError(QStringLiteral("quarrytide-check: %1\n").arg(text).toUtf8());
    finish(BadInput);
}

void CheckRun::noteRefusal(const lookup::QueryOutcome &outcome)
{
    if (m_refusingServers.contains(outcome.server))
        return;
    m_refusingServers.insert(outcome.server);
    QString said;
    for (const QString &line : outcome.answer.split(QLatin1Char('\n'))) {
        said = line.trimmed();
        if (!said.isEmpty())
            break;
    }
    note(tr("%1 refused a query (\"%2\"); a longer --throttle may help").arg(serverText(outcome), said.left(160)));
}

void CheckRun::savePosition(int next, const QStringList &ahead)
{
    m_nextPosition = next;
    if (m_positions->save(next, ahead) || std::exchange(m_positionWarned, true))
        return;
    note(tr("cannot write the position file %1; a rerun will start from the beginning").arg(m_positions->path()));
}

void CheckRun::onListEnded()
{
    if (m_finished || InterruptWatcher::pending())
        return; // the watcher's signal ends the run
    if (m_stream.state() == NameStream::State::Failed) {
        writeStandardError(QStringLiteral("quarrytide-check: %1\n").arg(m_stream.error()).toUtf8());
        finish(BadInput);
        return;
    }
    finish(AllJudged);
}

void CheckRun::interrupt()
{
    if (m_finished || !m_engine)
        return;
    finish(Stopped);
}

void CheckRun::finish(int status)
{
    if (std::exchange(m_finished, true))
        return;
    if (m_progress)
        m_progress->stop();
    m_engine->stop();
    const qint64 notJudged = m_counts[int(Kind::Refused)] + m_counts[int(Kind::TimedOut)] +
                             m_counts[int(Kind::NoServer)] + m_counts[int(Kind::Unknown)] +
                             m_counts[int(Kind::Invalid)];
    if (status == AllJudged && notJudged > 0)
        status = SomeNotJudged;
    if (status == Stopped) {
        QString text = tr("stopped after %1 names").arg(m_done);
        if (m_positions)
            text += QStringLiteral("; ") +
                    tr("rerun with --resume %1 to continue at name %2").arg(m_positions->path()).arg(m_nextPosition);
        note(text);
    } else if (m_showProgress) {
        note(QStringLiteral("%1 names: %2 available, %3 registered, %4 refused, %5 unknown, %6 timeout, "
                            "%7 no-server, %8 invalid%9")
                 .arg(m_done)
                 .arg(m_counts[int(Kind::Available)])
                 .arg(m_counts[int(Kind::Registered)])
                 .arg(m_counts[int(Kind::Refused)])
                 .arg(m_counts[int(Kind::Unknown)])
                 .arg(m_counts[int(Kind::TimedOut)])
                 .arg(m_counts[int(Kind::NoServer)])
                 .arg(m_counts[int(Kind::Invalid)])
                 .arg(m_counts[int(Kind::LikelyAvailable)] > 0
                          ? QStringLiteral(", %1 likely-available").arg(m_counts[int(Kind::LikelyAvailable)])
                          : QString()));
    }
    m_exitStatus = status;
    emit finished(status);
}

} // namespace cli
