#pragma once

#include "engine/SchedulerClock.h"
#include "engine/ServerState.h"
#include "lookup/QueryOutcome.h"
#include "tld/TldRecord.h"

#include <QHash>
#include <QObject>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace lookup {
class RegistryLookup;
}

namespace engine {

/// How long and how often one name may be asked.
struct LookupLimits {
    int tries = 5;            ///< questions to a server that refuses the name or breaks off without an answer
    int silenceMs = 10'000;   ///< a connection without its whole answer this long is dropped and asked again
    int timeLimitMs = 30'000; ///< a try without its answer this long after it began ends the name
};

/**
 * Asks registries, every server at its own pace. Each server has a queue and is asked one question at a
 * time, no sooner than its TLD row's throttle after the last one began; servers are asked side by side up
 * to the slot count. A connection that has not brought the whole answer within the silence period is
 * dropped and the question asked again; a name without an answer at its time limit ends as timed out.
 *
 * A server rests only when it says it is asked too often (a refusal, HTTP 429 or 503, Retry-After), or
 * when three different names in a row end the same way on it (closed without an answer): as long as it
 * asked, else one second, doubling while the signals go on, up to five minutes; its first answer ends the
 * doubling. Three different names in a row without an answer in time make it unresponsive for the run:
 * its waiting names end at once. A failure of one name alone only costs that name its tries.
 *
 * Nothing here writes a word for the user: it hands out outcomes, troubles and server states.
 */
class LookupScheduler : public QObject {
    Q_OBJECT
public:
    using Ticket = quint64;
    using LookupFactory = std::function<std::unique_ptr<lookup::RegistryLookup>()>;

    /// @p clock: null for the machine's clock.
    explicit LookupScheduler(int slotCount, std::unique_ptr<SchedulerClock> clock = nullptr, QObject *parent = nullptr);
    ~LookupScheduler() override;

    void setLimits(const LookupLimits &limits) { m_limits = limits; }
    const LookupLimits &limits() const { return m_limits; }
    /// How questions are asked (tests hand in scripted lookups); by default as the TLD row says.
    void setLookupFactory(LookupFactory factory) { m_factory = std::move(factory); }
    SchedulerClock &clock() const { return *m_clock; }

    /// A run begins: rests and unresponsive servers of earlier runs are forgotten, except a rest a server
    /// asked for (Retry-After) that is not over yet. No question goes out within @p holdMs.
    void beginRun(int holdMs = 0);
    /// Queues @p domain at the server of @p row; finished() follows, never before this returns.
    Ticket submit(const QString &domain, const tld::TldRecord &row);
    /// Drops every question waiting or under way, without a signal.
    void cancelAll();

    int slotCount() const { return int(m_slots.size()); }
    int openConnections() const { return m_busy; }

    /// The queue a row's questions wait in: host:port, or the host (and port) of an RDAP address.
    static QString serverKey(const tld::TldRecord &row);

signals:
    /// The first question about the name went out.
    void started(engine::LookupScheduler::Ticket ticket, const QString &domain);
    void finished(engine::LookupScheduler::Ticket ticket, const lookup::QueryOutcome &outcome);
    /// A question failed on @p host (host:port, or an RDAP address); the name may be asked again.
    void troubled(const QString &host, engine::Trouble trouble);
    void serverChanged(const engine::ServerState &state);
    void connectionsChanged(int open);

private:
    struct Job;
    struct Server;
    struct Slot;

    Server &serverFor(const tld::TldRecord &row);
    void pump();
    void checkDeadlines(qint64 now);
    void dispatch(qint64 now);
    bool mayAsk(const Server &server, qint64 now) const;
    void ask(Server &server, std::size_t slot, qint64 now);
    void reconnect(Slot &slot, qint64 now) const;
    void onLookupEnd(std::size_t slot, const lookup::QueryOutcome &outcome);
    void judge(Server &server, Job job, const lookup::QueryOutcome &outcome);
    void retryOrEnd(Server &server, Job job, const lookup::QueryOutcome &outcome);
    void timedOut(Server &server, const Job &job);
    bool failedInARow(Server &server, Trouble trouble, const QString &domain);
    void rest(Server &server, Trouble trouble, const lookup::QueryOutcome &outcome);
    void giveUp(Server &server);
    void endJob(const Job &job, const lookup::QueryOutcome &outcome);
    void report(Server &server, ServerState::Phase phase);
    void freeSlot(Slot &slot);
    void armWake(qint64 now);
    void tell(const Server &server, Trouble trouble);
    void later(std::function<void()> signal) { m_later.push_back(std::move(signal)); }
    void flush();

    std::unique_ptr<SchedulerClock> m_clock;
    LookupFactory m_factory;
    LookupLimits m_limits;
    std::vector<std::unique_ptr<Slot>> m_slots;
    std::vector<std::unique_ptr<Server>> m_servers; ///< every server asked since start-up
    QHash<QString, Server *> m_serverByKey;
    std::size_t m_nextServer = 0; ///< where the next round of starts begins, so every server gets its turn
    Ticket m_lastTicket = 0;
    qint64 m_holdUntil = 0;
    int m_busy = 0;
    std::deque<std::function<void()>> m_later; ///< signals held until the state they tell of is whole
    bool m_flushing = false;
};

} // namespace engine
