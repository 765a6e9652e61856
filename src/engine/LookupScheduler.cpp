#include "engine/LookupScheduler.h"

#include "engine/ServerPace.h"
#include "lookup/RegistryLookup.h"

#include <QUrl>

#include <limits>
#include <optional>

namespace engine {

using lookup::QueryOutcome;
using Kind = QueryOutcome::Kind;

namespace {

constexpr qint64 nsPerMs = 1'000'000;

QueryOutcome unanswered(const QString &domain, const tld::TldRecord &row, const char *cause)
{
    QueryOutcome outcome{Kind::TimedOut, domain, row.server, row.port};
    outcome.cause = QString::fromLatin1(cause);
    return outcome;
}

} // namespace

struct LookupScheduler::Job {
    Ticket ticket = 0;
    QString domain;
    tld::TldRecord row;
    int tries = 0;
    qint64 giveUpAt = 0; ///< the time limit of the try under way
};

struct LookupScheduler::Server {
    QString host;
    std::deque<Job> waiting;
    bool busy = false;
    ServerPace pace;
};

struct LookupScheduler::Slot {
    std::unique_ptr<lookup::RegistryLookup> lookup;
    std::optional<Job> job;
    Server *server = nullptr;
    qint64 deadline = 0; ///< this connection's silence period or the name's time limit, whichever is first
};

LookupScheduler::LookupScheduler(int slotCount, std::unique_ptr<SchedulerClock> clock, QObject *parent)
    : QObject(parent), m_clock(clock ? std::move(clock) : std::make_unique<SteadyClock>()),
      m_factory([] { return std::make_unique<lookup::AnyRowLookup>(); })
{
    qRegisterMetaType<engine::ServerState>();
    qRegisterMetaType<engine::Trouble>();
    for (int i = 0; i < std::max(1, slotCount); ++i)
        m_slots.push_back(std::make_unique<Slot>());
    connect(m_clock.get(), &SchedulerClock::due, this, &LookupScheduler::pump);
}

LookupScheduler::~LookupScheduler()
{
    cancelAll();
}

QString LookupScheduler::serverKey(const tld::TldRecord &row)
{
    if (tld::isRdapServer(row.server)) {
        const QUrl url(row.server);
        const int port = url.port(url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 ? 443 : 80);
        return url.host().toLower() + QLatin1Char(':') + QString::number(port);
    }
    return row.server.toLower() + QLatin1Char(':') + QString::number(row.port);
}

LookupScheduler::Server &LookupScheduler::serverFor(const tld::TldRecord &row)
{
    const QString key = serverKey(row);
    if (Server *known = m_serverByKey.value(key))
        return *known;
    m_servers.push_back(std::make_unique<Server>());
    Server &added = *m_servers.back();
    // Named as the lists and the export name it: host:port, or an RDAP service by its address.
    added.host = tld::isRdapServer(row.server) ? row.server : row.server + QLatin1Char(':') + QString::number(row.port);
    m_serverByKey.insert(key, &added);
    return added;
}

void LookupScheduler::beginRun(int holdMs)
{
    const qint64 now = m_clock->nowNs();
    m_holdUntil = now + qint64(std::max(0, holdMs)) * nsPerMs;
    for (const auto &server : m_servers) {
        server->pace.beginRun(now);
        report(*server, server->pace.restUntil() > now ? ServerState::Phase::Resting : ServerState::Phase::Pacing);
    }
    armWake(now);
    flush();
}

LookupScheduler::Ticket LookupScheduler::submit(const QString &domain, const tld::TldRecord &row)
{
    Job job{++m_lastTicket, domain, row};
    serverFor(row).waiting.push_back(std::move(job));
    // Started from the event loop: the caller is never called back from inside this call.
    m_clock->wakeAt(m_clock->nowNs());
    return m_lastTicket;
}

void LookupScheduler::cancelAll()
{
    m_later.clear();
    for (const auto &slot : m_slots) {
        if (slot->lookup)
            slot->lookup->abort();
        slot->job.reset();
        slot->server = nullptr;
    }
    for (const auto &server : m_servers) {
        server->waiting.clear();
        server->busy = false;
    }
    m_busy = 0;
    m_clock->cancelWake();
}

void LookupScheduler::pump()
{
    const qint64 now = m_clock->nowNs();
    checkDeadlines(now);
    dispatch(now);
    armWake(now);
    flush();
}

void LookupScheduler::checkDeadlines(qint64 now)
{
    for (const auto &slot : m_slots) {
        if (!slot->job || slot->deadline > now)
            continue;
        slot->lookup->abort();
        if (now < slot->job->giveUpAt) {
            reconnect(*slot, now);
            continue;
        }
        Server &server = *slot->server;
        Job job = std::move(*slot->job);
        freeSlot(*slot);
        timedOut(server, job);
    }
}

bool LookupScheduler::mayAsk(const Server &server, qint64 now) const
{
    return !server.busy && !server.waiting.empty() && server.pace.phase() != ServerState::Phase::Unresponsive &&
           now >= server.pace.askableAt() && now >= m_holdUntil;
}

void LookupScheduler::dispatch(qint64 now)
{
    const std::size_t count = m_servers.size();
    for (std::size_t step = 0; step < count; ++step) {
        Server &server = *m_servers.at((m_nextServer + step) % count);
        if (server.pace.phase() == ServerState::Phase::Unresponsive)
            giveUp(server);
        else if (server.pace.phase() == ServerState::Phase::Resting && now >= server.pace.restUntil())
            report(server, ServerState::Phase::Pacing);
        if (m_busy == slotCount() || !mayAsk(server, now))
            continue;
        const auto free = std::find_if(m_slots.begin(), m_slots.end(), [](const auto &slot) { return !slot->job; });
        ask(server, std::size_t(free - m_slots.begin()), now);
    }
    if (count > 0)
        m_nextServer = (m_nextServer + 1) % count;
}

void LookupScheduler::ask(Server &server, std::size_t index, qint64 now)
{
    Slot &slot = *m_slots.at(index);
    Job job = std::move(server.waiting.front());
    server.waiting.pop_front();
    if (job.tries == 0)
        later([this, ticket = job.ticket, domain = job.domain] { emit started(ticket, domain); });
    // Each try has the whole time limit; a rest in between does not use it up.
    job.giveUpAt = now + qint64(m_limits.timeLimitMs) * nsPerMs;
    ++job.tries;
    server.pace.questionStarted(now, job.row.throttle);
    server.busy = true;
    slot.server = &server;
    slot.job = std::move(job);
    if (!slot.lookup) {
        slot.lookup = m_factory();
        connect(slot.lookup.get(), &lookup::RegistryLookup::finished, this,
                [this, index](const QueryOutcome &outcome) { onLookupEnd(index, outcome); });
    }
    ++m_busy;
    later([this, open = m_busy] { emit connectionsChanged(open); });
    reconnect(slot, now);
}

void LookupScheduler::reconnect(Slot &slot, qint64 now) const
{
    slot.deadline = std::min(now + qint64(m_limits.silenceMs) * nsPerMs, slot.job->giveUpAt);
    // The time limits are kept here, on this clock; the lookup has none of its own.
    slot.lookup->start({slot.job->domain, slot.job->row, 0});
}

void LookupScheduler::onLookupEnd(std::size_t index, const QueryOutcome &outcome)
{
    Slot &slot = *m_slots.at(index);
    if (!slot.job)
        return;
    Server &server = *slot.server;
    Job job = std::move(*slot.job);
    freeSlot(slot);
    judge(server, std::move(job), outcome);
    // The next question starts from the event loop, not from inside the end of this one.
    m_clock->wakeAt(m_clock->nowNs());
    flush();
}

void LookupScheduler::judge(Server &server, Job job, const QueryOutcome &outcome)
{
    if (outcome.kind == Kind::TimedOut) {
        timedOut(server, job);
    } else if (outcome.kind == Kind::Refused) {
        rest(server, ServerPace::rateSignalOf(outcome), outcome);
        retryOrEnd(server, std::move(job), outcome);
    } else if (outcome.unreachable) {
        tell(server, Trouble::Unreachable);
        endJob(job, outcome);
    } else if (outcome.dropped) {
        if (failedInARow(server, Trouble::Closed, job.domain))
            rest(server, Trouble::Closed, outcome);
        retryOrEnd(server, std::move(job), outcome);
    } else {
        server.pace.answered();
        if (outcome.kind == Kind::Unknown)
            tell(server, outcome.httpStatus >= 400 ? Trouble::HttpStatus : Trouble::NoVerdict);
        endJob(job, outcome);
    }
}

void LookupScheduler::retryOrEnd(Server &server, Job job, const QueryOutcome &outcome)
{
    if (job.tries < m_limits.tries)
        server.waiting.push_front(std::move(job));
    else
        endJob(job, outcome);
}

void LookupScheduler::timedOut(Server &server, const Job &job)
{
    endJob(job, unanswered(job.domain, job.row, "no answer in time"));
    if (failedInARow(server, Trouble::TimedOut, job.domain)) {
        report(server, ServerState::Phase::Unresponsive);
        giveUp(server);
    }
}

void LookupScheduler::tell(const Server &server, Trouble trouble)
{
    later([this, host = server.host, trouble] { emit troubled(host, trouble); });
}

bool LookupScheduler::failedInARow(Server &server, Trouble trouble, const QString &domain)
{
    tell(server, trouble);
    return server.pace.failedInARow(trouble, domain);
}

void LookupScheduler::rest(Server &server, Trouble trouble, const QueryOutcome &outcome)
{
    if (isRateSignal(trouble))
        tell(server, trouble);
    server.pace.rest(trouble, outcome, m_clock->nowNs());
    // Every rest is told, also one that follows another: its length and cause may differ.
    server.pace.setPhase(ServerState::Phase::Pacing);
    report(server, ServerState::Phase::Resting);
}

void LookupScheduler::giveUp(Server &server)
{
    while (!server.waiting.empty()) {
        const Job job = std::move(server.waiting.front());
        server.waiting.pop_front();
        tell(server, Trouble::NotAsked);
        endJob(job, unanswered(job.domain, job.row, "not asked: the server stopped answering"));
    }
}

void LookupScheduler::endJob(const Job &job, const QueryOutcome &outcome)
{
    later([this, ticket = job.ticket, outcome] { emit finished(ticket, outcome); });
}

void LookupScheduler::report(Server &server, ServerState::Phase phase)
{
    if (server.pace.phase() == phase)
        return;
    server.pace.setPhase(phase);
    later([this, state = server.pace.state(server.host, m_clock->nowNs())] { emit serverChanged(state); });
}

void LookupScheduler::freeSlot(Slot &slot)
{
    slot.job.reset();
    slot.server->busy = false;
    slot.server = nullptr;
    --m_busy;
    later([this, open = m_busy] { emit connectionsChanged(open); });
}

void LookupScheduler::armWake(qint64 now)
{
    qint64 next = std::numeric_limits<qint64>::max();
    for (const auto &slot : m_slots) {
        if (slot->job)
            next = std::min(next, slot->deadline);
    }
    for (const auto &server : m_servers) {
        if (server->pace.phase() == ServerState::Phase::Resting)
            next = std::min(next, server->pace.restUntil());
        if (!server->busy && !server->waiting.empty())
            next = std::min(next, std::max(server->pace.askableAt(), m_holdUntil));
    }
    if (next == std::numeric_limits<qint64>::max())
        m_clock->cancelWake();
    else
        m_clock->wakeAt(std::max(next, now));
}

void LookupScheduler::flush()
{
    // Signals go out once the state they tell of is whole. A receiver may submit meanwhile, or cancel,
    // which drops what is still to be told.
    if (std::exchange(m_flushing, true))
        return;
    while (!m_later.empty()) {
        const std::function<void()> signal = std::move(m_later.front());
        m_later.pop_front();
        signal();
    }
    m_flushing = false;
}

} // namespace engine
