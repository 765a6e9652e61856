#include "engine/QueryEngine.h"

#include "platform/Intervals.h"
#include "results/ResultClasses.h"
#include "sources/EntrySource.h"
#include "sources/ListFile.h"
#include "tld/TldRegistry.h"

namespace engine {

using lookup::QueryOutcome;
using Kind = QueryOutcome::Kind;

namespace {

QString keyOf(const QString &domain)
{
    return domain.toCaseFolded();
}

} // namespace

/// One domain of a name, from the list to its outcome.
struct QueryEngine::Lookup {
    QString domain;
    QString entry; ///< the list entry, where it says more than the domain
    tld::TldRecord row;
    Name *name = nullptr;
    QueryOutcome result;
    bool done = false;
    bool recorded = false; ///< its outcome is in the lists already (handed on at a Stop, or by an earlier run)
};

/// One entry of the list and its domains; handed on once every domain has its outcome.
struct QueryEngine::Name {
    int position = 0;
    QString entry;
    std::vector<Lookup> lookups;
    int pending = 0;
};

QueryEngine::QueryEngine(tld::TldRegistry &tlds, results::ResultClasses &results, sources::EntrySource &source,
                         int slotCount, QObject *parent)
    : QObject(parent), m_tlds(tlds), m_results(results), m_source(source), m_scheduler(slotCount),
      m_positionSaver(source, [this] { return position(); })
{
    qRegisterMetaType<lookup::QueryOutcome>();
    qRegisterMetaType<engine::RunEnd>();
    connect(&m_scheduler, &LookupScheduler::finished, this, &QueryEngine::onAnswer);
    connect(&m_scheduler, &LookupScheduler::started, this,
            [this](LookupScheduler::Ticket, const QString &domain) { emit checking(domain); });
    connect(&m_scheduler, &LookupScheduler::connectionsChanged, this, &QueryEngine::connectionsChanged);
    connect(&m_scheduler, &LookupScheduler::serverChanged, this, &QueryEngine::serverChanged);
    connect(&m_scheduler, &LookupScheduler::troubled, this, &QueryEngine::troubled);
}

QueryEngine::~QueryEngine() = default;

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

QList<tld::EntryName> QueryEngine::prepareDomains(const QString &entry) const
{
    // A run keeps the TLDs chosen at its start.
    const QStringList tlds = m_stopRequested ? runTlds() : m_runTlds;
    return tld::domainsOfEntry(entry, tlds.isEmpty() ? QStringList{m_tlds.defaultExt()} : tlds);
}

int QueryEngine::position() const
{
    return m_names.empty() ? m_next : m_names.front().position;
}

void QueryEngine::start(int wordIndex, int wordMax)
{
    if (!m_stopRequested)
        abandon();
    m_runTlds = runTlds();
    m_stopRequested = false;
    m_listEnded = m_listUnreadable = false;
    m_tally = {};
    m_next = m_reported = wordIndex;
    m_wordMax = wordMax;
    m_positionSaver.begin(wordIndex);
    m_recorded.clear();
    for (const QString &domain : m_source.recordedAhead(wordIndex))
        m_recorded.insert(keyOf(domain));
    m_dns.startRun(m_runTlds); // asked anew, after a test of the resolver with names under the run's TLDs
    const platform::Intervals &times = platform::intervals();
    m_scheduler.setLimits({m_maxTries, times.silenceSeconds * times.secondMs, times.watchdogSeconds * times.secondMs});
    m_scheduler.beginRun(m_startPauseMs);
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
    const quint64 generation = m_generation;
    // A long stretch of names that need no question is taken in slices, so the window stays responsive.
    int budget = lookahead;
    while (!m_stopRequested) {
        const bool released = releaseFinished();
        if (generation != m_generation)
            return;
        const bool took = takeNames(budget);
        if (!released && !took)
            break;
        if (budget <= 0) {
            scheduleAdvance();
            return;
        }
    }
    if (!m_stopRequested && m_listEnded && m_names.empty())
        endRun(m_listUnreadable ? RunEnd::Reason::ListUnreadable : RunEnd::Reason::ListDone, true, true);
}

bool QueryEngine::takeNames(int &budget)
{
    bool took = false;
    while (!m_stopRequested && !m_listEnded && budget > 0 && int(m_names.size()) < lookahead) {
        // While questions are under way, a list that would make the program wait is read later.
        if (!m_names.empty() && !m_source.entryReady(m_next))
            break;
        const QString entry = m_source.readEntry(m_next);
        // A list that cannot be read on ends the run once the names taken have their outcomes.
        m_listUnreadable = entry.isEmpty();
        if (m_listUnreadable) {
            m_listEnded = true;
            break;
        }
        if (entry.trimmed() == sources::endMarker) {
            m_listEnded = true;
            break;
        }
        addName(entry, m_next++);
        --budget;
        took = true;
    }
    return took;
}

void QueryEngine::addName(const QString &entry, int position)
{
    Name &name = m_names.emplace_back();
    name.position = position;
    name.entry = entry;
    const QList<tld::EntryName> domains = prepareDomains(entry);
    name.lookups.resize(size_t(domains.size()));
    for (qsizetype i = 0; i < domains.size(); ++i) {
        Lookup &lookup = name.lookups.at(size_t(i));
        const tld::EntryName &read = domains.at(i);
        lookup.domain = read.name;
        lookup.entry = read.entry;
        lookup.name = &name;
        lookup.done = lookup.recorded = m_recorded.contains(keyOf(lookup.domain));
        if (lookup.recorded)
            continue;
        ++name.pending;
        if (read.problem != tld::NameProblem::None) {
            // Not a name anyone could register: reported with its reason, asked of no server and no DNS.
            QueryOutcome invalid{Kind::Invalid, lookup.domain};
            invalid.cause = tld::problemText(read.problem);
            settle(lookup, invalid);
            continue;
        }
        route(lookup);
    }
}

void QueryEngine::route(Lookup &lookup)
{
    const tld::TldRecord *row = m_tlds.rowFor(lookup.domain);
    if (!row) {
        // No server serves this name (or it could not be sent as one line): kept unchecked, asked nowhere.
        settle(lookup, {Kind::NoServer, lookup.domain});
        return;
    }
    lookup.row = *row;
    for (const Screen &screen : m_screens) {
        if (std::optional<QueryOutcome> screened = screen(lookup.domain, *row)) {
            settle(lookup, *screened);
            return;
        }
    }
    if (m_dns.asksFor(*row)) {
        m_dns.ask(lookup.domain, [this, &lookup](bool delegated) { onDnsAnswer(lookup, delegated); });
        return;
    }
    m_asked.insert(m_scheduler.submit(lookup.domain, lookup.row), &lookup);
}

void QueryEngine::settle(Lookup &lookup, const QueryOutcome &result)
{
    lookup.result = result;
    lookup.result.domain = lookup.domain;
    lookup.done = true;
    --lookup.name->pending;
    scheduleAdvance();
}

void QueryEngine::onDnsAnswer(Lookup &lookup, bool delegated)
{
    if (!delegated) {
        m_asked.insert(m_scheduler.submit(lookup.domain, lookup.row), &lookup);
        return;
    }
    QueryOutcome registered{Kind::Registered, lookup.domain};
    registered.source = QueryOutcome::Source::Dns;
    settle(lookup, registered);
}

void QueryEngine::onAnswer(LookupScheduler::Ticket ticket, const QueryOutcome &result)
{
    if (Lookup *lookup = m_asked.take(ticket))
        settle(*lookup, result);
}

bool QueryEngine::releaseFinished()
{
    bool released = false;
    const quint64 generation = m_generation;
    while (!m_names.empty() && m_names.front().pending == 0) {
        Name &name = m_names.front();
        // The name counts as done for the progress once its last outcome goes out.
        m_reported = name.position + 1;
        for (Lookup &lookup : name.lookups) {
            m_recorded.remove(keyOf(lookup.domain));
            report(lookup);
            // Whoever took the outcome may have stopped the run; the position then stays at this name.
            if (generation != m_generation)
                return released;
        }
        m_names.pop_front();
        released = true;
        m_positionSaver.moved();
    }
    return released;
}

void QueryEngine::report(Lookup &lookup)
{
    if (std::exchange(lookup.recorded, true))
        return;
    // Copied: a receiver of the signal below may stop the run, which frees the lookup.
    QueryOutcome result = lookup.result;
    // The lists show the entry only where it names more than the domain (a host, a URL); whoever takes
    // the outcome also learns the word a domain was made from.
    const QString listEntry = lookup.entry;
    const QString word = lookup.name->entry.trimmed();
    result.entry = !listEntry.isEmpty() || word == result.domain ? listEntry : word;
    if (result.kind == Kind::Available)
        m_results.addAvailableName(result.domain, listEntry);
    else if (result.kind == Kind::Registered)
        m_results.addRegisteredName(result.domain, listEntry);
    else if (result.kind == Kind::LikelyAvailable)
        m_results.addLikelyAvailableName(result.domain, result.zoneDate, listEntry);
    else if (result.kind == Kind::Invalid)
        m_results.addSkippedEntry(result.domain, result.cause);
    else // neither free nor taken: the name waits for another try
        m_results.addUncheckedName(result.domain);
    m_tally.skipped += result.kind == Kind::Invalid;
    m_tally.names += result.kind != Kind::Invalid;
    m_tally.available += result.kind == Kind::Available;
    m_tally.registered += result.kind == Kind::Registered;
    m_tally.likelyAvailable += result.kind == Kind::LikelyAvailable;
    const quint64 generation = m_generation;
    emit outcome(result);
    if (generation == m_generation)
        m_results.checkOverflow();
}

void QueryEngine::endRun(RunEnd::Reason reason, bool keepReceived, bool announce)
{
    if (m_stopRequested) {
        // Stopped from inside a receiver of the outcomes being recorded: the rest is not recorded.
        m_keepReceived = m_keepReceived && keepReceived;
        return;
    }
    m_stopRequested = true;
    m_keepReceived = keepReceived;
    m_scheduler.cancelAll();
    m_dns.dropWaiting();
    m_asked.clear();
    recordReceived();
    // Recorded whole, a name is done; abandoned, the position stays at the name being handed on.
    while (m_keepReceived && !m_names.empty() && m_names.front().pending == 0)
        m_names.pop_front();
    m_positionSaver.saveNow();
    m_source.saveRecordedAhead(position(), reason == RunEnd::Reason::ListDone ? QStringList() : m_recorded.values());
    // The names under way are dropped: the next run starts at the first of them.
    m_next = position();
    ++m_generation;
    m_names.clear();
    if (announce)
        emit stopped({reason, m_tally});
}

void QueryEngine::recordReceived()
{
    // Names after one still open are recorded too: their answers cost quota, and the position stays.
    const quint64 generation = m_generation;
    for (Name &name : m_names) {
        for (Lookup &lookup : name.lookups) {
            if (!m_keepReceived || generation != m_generation)
                return;
            if (!lookup.done || lookup.recorded)
                continue;
            report(lookup);
            if (m_keepReceived)
                m_recorded.insert(keyOf(lookup.domain));
        }
    }
}

void QueryEngine::stop()
{
    endRun(RunEnd::Reason::Stopped, true, true);
}

void QueryEngine::shutdown()
{
    endRun(RunEnd::Reason::Stopped, true, false);
}

void QueryEngine::abandon()
{
    endRun(RunEnd::Reason::Stopped, false, false);
}

} // namespace engine
