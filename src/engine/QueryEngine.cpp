#include "engine/QueryEngine.h"

#include "lookup/DnsCheck.h"
#include "lookup/RegistryLookup.h"
#include "platform/DesktopServices.h"
#include "platform/Intervals.h"
#include "results/OutcomeWords.h"
#include "results/ResultClasses.h"
#include "sources/EntrySource.h"
#include "sources/ListFile.h"
#include "tld/NameCleaning.h"
#include "tld/TldRegistry.h"

#include <QUrl>

#include <limits>

namespace engine {

using lookup::QueryOutcome;
using Kind = QueryOutcome::Kind;

/// One domain of a name, from the list to its outcome.
struct QueryEngine::Lookup {
    QString domain;
    tld::TldRecord row;
    Name *name = nullptr;
    QueryOutcome result;
    bool timedOut = false; ///< given up by the watchdog
    int tries = 0;
    QDeadlineTimer giveUp; ///< the watchdog of the try under way
};

/// One entry of the list and its domains; handed on once every domain has its outcome.
struct QueryEngine::Name {
    int position = 0;
    std::vector<Lookup> lookups;
    int pending = 0;
};

/// One server's queue and pace. Kept from run to run, so a rest a server asked for outlasts a Stop.
struct QueryEngine::Server {
    QString host; ///< the row's server field, as notices and the status bar name it
    std::deque<Lookup *> waiting;
    int busy = 0;
    QDeadlineTimer nextStart; ///< the row's pace: no question before this
    QDeadlineTimer restUntil; ///< a refusal's rest: no question before this
    QDateTime restEnds;       ///< the same on the clock, for the status bar
    qint64 backoffMs = 0;     ///< the last rest after a refusal without Retry-After; 0 once it answers
    int dropsInARow = 0;      ///< questions in a row the server broke off without a word
    QTimer wake;
};

struct QueryEngine::Slot {
    std::unique_ptr<lookup::RegistryLookup> lookup;
    Lookup *job = nullptr;
    Server *server = nullptr;
};

QueryEngine::QueryEngine(tld::TldRegistry &tlds, results::ResultClasses &results, sources::EntrySource &source,
                         int slotCount, QObject *parent)
    : QObject(parent), m_tlds(tlds), m_results(results), m_source(source), m_panels(restingPanels())
{
    qRegisterMetaType<lookup::QueryOutcome>();
    slotCount = std::clamp(slotCount, 1, maxSlots);
    for (int i = 0; i < slotCount; ++i) {
        auto slot = std::make_unique<Slot>();
        m_slots.push_back(std::move(slot));
    }
    m_saveTimer.setSingleShot(true);
    connect(&m_saveTimer, &QTimer::timeout, this, &QueryEngine::savePosition);
}

QueryEngine::~QueryEngine()
{
    for (const auto &slot : m_slots) {
        if (slot->lookup)
            slot->lookup->abort();
    }
}

const std::array<QString, 3> &QueryEngine::restingPanels()
{
    static const std::array<QString, 3> panels = {QStringLiteral("Entry Status"), QStringLiteral("Open Connections"),
                                                  QStringLiteral("Connection Status")};
    return panels;
}

void QueryEngine::setPanel(int number, const QString &text)
{
    QString &panel = m_panels.at(number - 1);
    if (panel == text)
        return;
    panel = text;
    emit panelChanged(number, text);
}

int QueryEngine::silenceMs()
{
    return platform::intervals().silenceSeconds * platform::intervals().secondMs;
}

int QueryEngine::watchdogMs()
{
    return platform::intervals().watchdogSeconds * platform::intervals().secondMs;
}

QString QueryEngine::serverKey(const tld::TldRecord &row)
{
    if (tld::isRdapServer(row.server)) {
        const QUrl url(row.server);
        const int port = url.port(url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 ? 443 : 80);
        return url.host().toLower() + QLatin1Char(':') + QString::number(port);
    }
    return row.server.toLower() + QLatin1Char(':') + QString::number(row.port);
}

QStringList QueryEngine::runTlds() const
{
    QStringList tlds;
    for (QString tld : m_chosenTlds ? m_chosenTlds() : QStringList()) {
        tld = tld.trimmed();
        if (tld.startsWith(QLatin1Char('.')))
            tld.remove(0, 1);
        if (!tld.isEmpty() && !tlds.contains(tld, Qt::CaseInsensitive))
            tlds.append(tld);
    }
    return tlds;
}

QStringList QueryEngine::domainsFor(const QString &name, const QStringList &tlds) const
{
    QString text = name;
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon >= 0)
        text = text.mid(colon + 1);
    const QString domain = tld::correctName(tld::urlUnescape(text));
    if (domain.contains(QLatin1Char('.')))
        return {domain};
    if (tlds.isEmpty())
        return {domain + m_tlds.defaultExt()};
    QStringList domains;
    for (const QString &tld : tlds)
        domains.append(domain + QLatin1Char('.') + tld);
    return domains;
}

QStringList QueryEngine::prepareDomains(const QString &name) const
{
    return domainsFor(name, runTlds());
}

int QueryEngine::position() const
{
    return m_names.empty() ? m_next : m_names.front().position;
}

QString QueryEngine::pausedServers() const
{
    return m_pauseText;
}

void QueryEngine::start(int wordIndex, int wordMax)
{
    endRun();
    m_stopRequested = false;
    m_listEnded = false;
    m_tally = {};
    m_next = wordIndex;
    m_reported = wordIndex;
    m_wordMax = wordMax;
    m_savedPosition = wordIndex;
    m_sinceSave.start();
    m_runTlds = runTlds();
    if (m_dns)
        m_dns->clearCache(); // a name registered since the last run is asked again
    for (const auto &server : m_servers) {
        if (!server->restUntil.hasExpired())
            wakeAt(*server, server->restUntil);
    }
    if (wordMax >= wordIndex)
        setPanel(1, QString::number(wordIndex) + QStringLiteral(" of ") + QString::number(wordMax));
    updatePauses();
    advance();
}

void QueryEngine::scheduleAdvance()
{
    if (m_advanceQueued || m_stopRequested)
        return;
    m_advanceQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this, generation = m_generation] {
            m_advanceQueued = false;
            if (generation == m_generation)
                advance();
        },
        Qt::QueuedConnection);
}

void QueryEngine::advance()
{
    if (m_stopRequested)
        return;
    const quint64 generation = m_generation;
    // A long stretch of names that need no question is taken in slices, so the window stays responsive.
    int budget = lookahead;
    for (;;) {
        const bool released = releaseFinished();
        if (generation != m_generation)
            return;
        const bool took = takeNames(budget);
        if (generation != m_generation)
            return;
        if (!released && !took)
            break;
        if (budget <= 0) {
            scheduleAdvance();
            break;
        }
    }
    if (m_listEnded && m_names.empty()) {
        finishRun();
        return;
    }
    dispatch();
    showOpen();
}

bool QueryEngine::takeNames(int &budget)
{
    bool took = false;
    while (!m_listEnded && budget > 0 && int(m_names.size()) < lookahead) {
        // While questions are under way, a list that would make the program wait is read later.
        if (!m_names.empty() && !m_source.entryReady(m_next))
            break;
        const quint64 generation = m_generation;
        QString name = m_source.readEntry(m_next);
        if (generation != m_generation)
            return took;
        if (name.isEmpty())
            name = sources::endMarker;
        name = tld::correctName(name);
        if (name == sources::endMarker) {
            m_listEnded = true;
            break;
        }
        addName(name, m_next++);
        --budget;
        took = true;
    }
    return took;
}

void QueryEngine::addName(const QString &entry, int position)
{
    Name &name = m_names.emplace_back();
    name.position = position;
    const QStringList domains = domainsFor(entry, m_runTlds);
    name.lookups.resize(size_t(domains.size()));
    for (qsizetype i = 0; i < domains.size(); ++i) {
        Lookup &lookup = name.lookups.at(size_t(i));
        lookup.domain = domains.at(i);
        lookup.name = &name;
        const tld::TldRecord *row = m_tlds.rowFor(lookup.domain);
        if (!row) {
            // No server serves this name (or it could not be sent as one line): kept unchecked, asked nowhere.
            lookup.result = {Kind::NoServer, lookup.domain};
            continue;
        }
        lookup.row = *row;
        if (std::optional<QueryOutcome> screened = m_screen ? m_screen(lookup.domain, *row) : std::nullopt) {
            lookup.result = std::move(*screened);
            continue;
        }
        ++name.pending;
        // The proxy is the user's chosen path: what goes there is asked nowhere else.
        if (m_dns && row->extension != tld::proxyExtension) {
            std::vector<Lookup *> &waiting = m_awaitingDns[lookup.domain];
            waiting.push_back(&lookup);
            if (waiting.size() == 1)
                m_dns->ask(lookup.domain);
            continue;
        }
        queueAtServer(lookup);
    }
}

void QueryEngine::queueAtServer(Lookup &lookup)
{
    serverFor(serverKey(lookup.row), lookup.row).waiting.push_back(&lookup);
}

void QueryEngine::setDnsCheck(lookup::DnsCheck *dns)
{
    if (m_dns)
        disconnect(m_dns, nullptr, this, nullptr);
    m_dns = dns;
    if (m_dns)
        connect(m_dns, &lookup::DnsCheck::answered, this, &QueryEngine::onDnsAnswer);
}

void QueryEngine::onDnsAnswer(const QString &domain, bool delegated)
{
    // Answers for a run that has ended find nobody waiting.
    const std::vector<Lookup *> waiting = m_awaitingDns.take(domain);
    if (waiting.empty() || m_stopRequested)
        return;
    for (Lookup *lookup : waiting) {
        if (delegated) {
            QueryOutcome registered{Kind::Registered, lookup->domain};
            registered.source = QueryOutcome::Source::Dns;
            finishLookup(*lookup, registered);
        } else {
            queueAtServer(*lookup);
        }
    }
    scheduleAdvance();
}

QueryEngine::Server &QueryEngine::serverFor(const QString &key, const tld::TldRecord &row)
{
    if (Server *known = m_serverByKey.value(key))
        return *known;
    auto server = std::make_unique<Server>();
    server->host = row.server;
    server->wake.setSingleShot(true);
    server->wake.setTimerType(Qt::PreciseTimer);
    connect(&server->wake, &QTimer::timeout, this, [this] {
        updatePauses();
        dispatch();
        showOpen();
    });
    Server &added = *server;
    m_serverByKey.insert(key, server.get());
    m_servers.push_back(std::move(server));
    return added;
}

bool QueryEngine::releaseFinished()
{
    bool released = false;
    const quint64 generation = m_generation;
    while (!m_names.empty() && m_names.front().pending == 0) {
        const Name &name = m_names.front();
        for (const Lookup &lookup : name.lookups) {
            // The name counts as done for the progress once its last outcome goes out.
            if (&lookup == &name.lookups.back())
                m_reported = name.position + 1;
            report(lookup);
            // Whoever took the outcome may have stopped the run; the position then stays at this name.
            if (generation != m_generation)
                return released;
        }
        m_names.pop_front();
        released = true;
        notePosition();
    }
    return released;
}

void QueryEngine::report(const Lookup &lookup)
{
    // Copied: a receiver of the signals below may stop the run, which frees the lookup.
    const QueryOutcome result = lookup.result;
    const QString server = lookup.row.server;
    const bool timedOut = lookup.timedOut;
    const quint64 generation = m_generation;
    if (result.kind == Kind::Available) {
        m_results.addAvailableName(result.domain);
    } else if (result.kind == Kind::Registered) {
        m_results.addRegisteredName(result.domain);
    } else if (result.kind == Kind::NoServer) {
        m_results.addUncheckedName(result.domain);
        setPanel(3, QStringLiteral("No WHOIS server for ") + result.domain);
    } else {
        if (result.kind == Kind::Refused)
            emit blocked(server, result.answer);
        else if (result.unreachable)
            emit blocked(server, result.cause);
        else if (timedOut)
            emit blocked(server, QStringLiteral("Connection Timed Out"));
        // Neither free nor taken: the name waits for another try.
        m_results.addUncheckedName(result.domain);
        setPanel(3, QStringLiteral("Unchecked (") +
                        (result.cause.isEmpty() ? results::outcomeWord(result.kind) : result.cause) +
                        QStringLiteral("): ") + result.domain);
    }
    if (generation != m_generation)
        return;
    count(result);
    emit outcome(result);
    if (generation == m_generation)
        m_results.checkOverflow();
}

void QueryEngine::dispatch()
{
    if (m_stopRequested || m_servers.empty())
        return;
    const std::size_t servers = m_servers.size();
    for (std::size_t step = 0; step < servers && m_busy < slotCount(); ++step) {
        Server &server = *m_servers.at((m_nextServer + step) % servers);
        if (server.waiting.empty() || server.busy > 0)
            continue;
        if (!server.restUntil.hasExpired()) {
            wakeAt(server, server.restUntil);
            continue;
        }
        if (!server.nextStart.hasExpired()) {
            wakeAt(server, server.nextStart);
            continue;
        }
        Lookup &lookup = *server.waiting.front();
        server.waiting.pop_front();
        startLookup(server, lookup);
    }
    m_nextServer = (m_nextServer + 1) % servers;
}

void QueryEngine::wakeAt(Server &server, const QDeadlineTimer &when)
{
    const qint64 ms = (when.remainingTimeNSecs() + 999'999) / 1'000'000;
    server.wake.start(int(std::clamp<qint64>(ms, 0, std::numeric_limits<int>::max())));
}

void QueryEngine::startLookup(Server &server, Lookup &lookup)
{
    const tld::TldRecord &row = lookup.row;
    if (row.server.isEmpty() || row.port <= 0 || row.port > 65535) {
        reportStartFailure(lookup);
        QueryOutcome failed{Kind::Unknown, lookup.domain, row.server, row.port};
        failed.cause = QStringLiteral("the row names no server to ask");
        finishLookup(lookup, failed);
        return;
    }
    const auto free = std::find_if(m_slots.begin(), m_slots.end(), [](const auto &slot) { return !slot->job; });
    const int index = int(free - m_slots.begin());
    Slot &slot = **free;
    if (!slot.lookup) {
        slot.lookup = std::make_unique<lookup::AnyRowLookup>();
        connect(slot.lookup.get(), &lookup::RegistryLookup::connected, this, [this, index] { onConnected(index); });
        connect(slot.lookup.get(), &lookup::RegistryLookup::finished, this,
                [this, index](const QueryOutcome &result) { onLookupEnd(index, result); });
    }
    slot.job = &lookup;
    slot.server = &server;
    ++server.busy;
    ++m_busy;
    ++lookup.tries;
    lookup.giveUp = QDeadlineTimer(watchdogMs(), Qt::PreciseTimer);
    // The row's pace counts from the start of one question to the start of the next.
    const qint64 pace = qint64(std::max(row.throttle, 0) + 1) * platform::intervals().throttleTickMs;
    server.nextStart = QDeadlineTimer(pace, Qt::PreciseTimer);
    // A server that stays silent for the silence period is asked again on a new connection.
    slot.lookup->start({lookup.domain, row, std::min(silenceMs(), watchdogMs())});
}

void QueryEngine::askAgain(int index)
{
    Slot &slot = *m_slots.at(index);
    if (m_stopRequested || !slot.job)
        return;
    const qint64 left = std::clamp<qint64>(slot.job->giveUp.remainingTime(), 1, silenceMs());
    slot.lookup->start({slot.job->domain, slot.job->row, int(left)});
}

void QueryEngine::onConnected(int index)
{
    const Slot &slot = *m_slots.at(index);
    if (m_stopRequested || !slot.job)
        return;
    setPanel(3, QStringLiteral("connecting(") + QString::number(index) + QStringLiteral("): - Search String: ") +
                    slot.job->domain);
}

void QueryEngine::onLookupEnd(int index, const QueryOutcome &result)
{
    Slot &slot = *m_slots.at(index);
    if (m_stopRequested || !slot.job)
        return;
    Lookup &lookup = *slot.job;
    const bool watchdogLeft = !lookup.giveUp.hasExpired();
    if (result.kind == Kind::TimedOut && watchdogLeft) {
        askAgain(index); // the query is sent again once connected
        return;
    }
    Server &server = *slot.server;
    slot.job = nullptr;
    slot.server = nullptr;
    --server.busy;
    --m_busy;
    QueryOutcome final = result;
    if (result.unreachable) {
        // A server that cannot be reached ends the name at once with the cause, not at the watchdog.
        finishLookup(lookup, final);
        return;
    }
    if (result.kind == Kind::TimedOut) {
        // Nothing came for the watchdog period: the name is given up.
        lookup.timedOut = true;
        finishLookup(lookup, final);
        return;
    }
    server.dropsInARow = result.dropped ? server.dropsInARow + 1 : 0;
    // A burst of broken-off connections is how many servers say "too many questions".
    const bool refused = result.kind == Kind::Refused || result.retryAfterSeconds > 0 || server.dropsInARow >= 2;
    if (refused)
        rest(server, result);
    else if (!result.dropped)
        serverAnswered(server);
    if ((refused || result.dropped) && lookup.tries < m_maxTries) {
        server.waiting.push_front(&lookup);
        scheduleAdvance();
        return;
    }
    finishLookup(lookup, final);
}

void QueryEngine::finishLookup(Lookup &lookup, const QueryOutcome &result)
{
    lookup.result = result;
    --lookup.name->pending;
    scheduleAdvance();
}

void QueryEngine::rest(Server &server, const QueryOutcome &result)
{
    const platform::Intervals &times = platform::intervals();
    qint64 ms = 0;
    if (result.retryAfterSeconds > 0) {
        ms = qint64(result.retryAfterSeconds) * times.restUnitMs;
        // Asking sooner only earns another refusal.
        setPanel(3, QStringLiteral("Waiting %1 s: %2 asked not to be asked again sooner")
                        .arg(result.retryAfterSeconds)
                        .arg(server.host));
    } else {
        const qint64 longest = qint64(times.longestBackoffSeconds) * times.restUnitMs;
        server.backoffMs = server.backoffMs == 0 ? times.restUnitMs : std::min(server.backoffMs * 2, longest);
        ms = server.backoffMs;
        setPanel(3, QStringLiteral("Waiting %1 s: %2 refused a question")
                        .arg((ms + times.restUnitMs - 1) / std::max(times.restUnitMs, 1))
                        .arg(server.host));
    }
    server.restUntil = QDeadlineTimer(ms, Qt::PreciseTimer);
    server.restEnds = QDateTime::currentDateTime().addMSecs(ms);
    wakeAt(server, server.restUntil);
    updatePauses();
}

void QueryEngine::serverAnswered(Server &server)
{
    // Back at the row's pace.
    server.backoffMs = 0;
}

void QueryEngine::updatePauses()
{
    QStringList resting;
    if (!m_stopRequested) {
        for (const auto &server : m_servers) {
            if (!server->restUntil.hasExpired())
                resting.append(server->host + QStringLiteral(" until ") +
                               server->restEnds.toString(QStringLiteral("HH:mm:ss")));
        }
    }
    const QString text =
        resting.isEmpty() ? QString() : QStringLiteral("Paused: ") + resting.join(QStringLiteral("; "));
    if (text == m_pauseText)
        return;
    m_pauseText = text;
    emit pausesChanged(text);
}

void QueryEngine::showOpen()
{
    if (m_stopRequested)
        return;
    setPanel(2, m_listEnded ? QStringLiteral("Open: Closing connections...")
                            : QStringLiteral("Open: ") + QString::number(m_busy));
}

void QueryEngine::notePosition()
{
    const int next = position();
    if (m_wordMax >= next)
        setPanel(1, QString::number(next) + QStringLiteral(" of ") + QString::number(m_wordMax));
    // Written at most once a period: a crash asks the last period's names again and skips none.
    if (next == m_savedPosition || m_saveTimer.isActive())
        return;
    const int every = platform::intervals().positionSaveMs;
    const qint64 since = m_sinceSave.elapsed();
    if (since >= every)
        savePosition();
    else
        m_saveTimer.start(int(every - since));
}

void QueryEngine::savePosition()
{
    m_saveTimer.stop();
    const int next = position();
    if (next == m_savedPosition)
        return;
    m_savedPosition = next;
    m_sinceSave.start();
    m_source.savePositions(next);
}

void QueryEngine::reportStartFailure(const Lookup &lookup)
{
    if (!m_messages)
        return;
    const QString text = QStringLiteral("An error has occurred.\r\nError #: 5\r\nDescription: Invalid procedure call "
                                        "or argument (server \"%1\", port %2)")
                             .arg(lookup.row.server)
                             .arg(lookup.row.port);
    m_messages->show({QStringLiteral("Error"), text, platform::MessageRequest::Icon::Warning,
                      platform::MessageRequest::Buttons::Ok});
}

void QueryEngine::count(const QueryOutcome &result)
{
    ++m_tally.checked;
    m_tally.available += result.kind == Kind::Available;
    m_tally.registered += result.kind == Kind::Registered;
}

void QueryEngine::finishRun()
{
    const QString summary = QStringLiteral("Finished: %1 checked, %2 available, %3 registered, %4 unchecked")
                                .arg(m_tally.checked)
                                .arg(m_tally.available)
                                .arg(m_tally.registered)
                                .arg(m_tally.checked - m_tally.available - m_tally.registered);
    stop();
    setPanel(1, summary);
    emit finished(summary);
}

void QueryEngine::endRun()
{
    // The names under way are dropped: the next run starts at the first of them.
    m_next = position();
    ++m_generation;
    m_saveTimer.stop();
    for (const auto &slot : m_slots) {
        slot->job = nullptr;
        slot->server = nullptr;
        if (slot->lookup)
            slot->lookup->abort();
    }
    for (const auto &server : m_servers) {
        server->waiting.clear();
        server->busy = 0;
        server->wake.stop();
    }
    m_busy = 0;
    m_awaitingDns.clear();
    m_names.clear();
}

void QueryEngine::stop()
{
    // Names under way stay ahead of the position, so a rerun asks them again.
    if (!m_stopRequested)
        savePosition();
    m_stopRequested = true;
    endRun();
    updatePauses();
    for (int number = 1; number <= 3; ++number)
        setPanel(number, restingPanels().at(number - 1));
    emit stopped();
}

void QueryEngine::shutdown()
{
    if (!m_stopRequested)
        savePosition();
    m_stopRequested = true;
    endRun();
}

} // namespace engine
