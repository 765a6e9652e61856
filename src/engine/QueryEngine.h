#pragma once

#include "engine/DnsStage.h"
#include "engine/LookupScheduler.h"
#include "engine/PositionSaver.h"
#include "engine/RunEnd.h"
#include "lookup/QueryOutcome.h"
#include "tld/DomainRule.h"
#include "tld/TldRecord.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace results {
class ResultClasses;
}
namespace sources {
class EntrySource;
}
namespace tld {
class TldRegistry;
}
namespace lookup {
class DnsCheck;
}

namespace engine {

/**
 * The checking engine of a run over a list. Names are taken a little ahead of the questions; each becomes
 * one domain per chosen TLD (a name with a dot stays one domain). A domain then passes the screens in
 * order (checks that can settle it before any question), the DNS pre-check, and goes to the scheduler,
 * which asks its registry.
 *
 * Outcomes are handed on in list order, whatever order they arrive in, so the lists, counters and files
 * are those of a run that asks one name after another; the resume position moves past a name once every
 * domain of it has its outcome, and is written at most once a second. Stop records every outcome that
 * has arrived, also for names after one still open, and keeps those domains with the position, so that
 * a run resumed there does not ask them again.
 *
 * It reports values (outcomes, tallies, the domain being asked, open connections, server states); the
 * windows put them into words.
 */
class QueryEngine : public QObject {
    Q_OBJECT
public:
    /// Questions under way at once in the desktop program and the command line.
    static constexpr int defaultSlots = 8;
    /// Names taken from the list ahead of the first one still waiting for an outcome.
    static constexpr int lookahead = 256;
    /// Times a name is asked of a server that refuses it or breaks off before it is given up.
    static constexpr int defaultTries = 5;

    /// A check that may settle a domain before DNS and the registry are asked: an outcome, or nothing.
    using Screen = std::function<std::optional<lookup::QueryOutcome>(const QString &domain, const tld::TldRecord &row)>;

    QueryEngine(tld::TldRegistry &tlds, results::ResultClasses &results, sources::EntrySource &source,
                int slotCount = 1, QObject *parent = nullptr);
    ~QueryEngine() override;

    /// The TLDs chosen for names without a dot, read at each start (none: the default extension).
    void setChosenTlds(std::function<QStringList()> chosenTlds) { m_chosenTlds = std::move(chosenTlds); }
    /// Asks DNS about each domain first (null: never); a delegated domain is registered without a registry
    /// question. Domains routed to the proxy row skip it.
    void setDnsCheck(lookup::DnsCheck *dns) { m_dns.setCheck(dns); }
    /// How often a name is asked of a refusing server (at least once).
    void setMaxTries(int tries) { m_maxTries = std::max(1, tries); }
    /// No question of a run goes out sooner than this after its start.
    void setStartPauseMs(int ms) { m_startPauseMs = ms; }
    /// Adds a screen after the ones added before; screens run in that order, before the DNS pre-check.
    void addScreen(Screen screen) { m_screens.push_back(std::move(screen)); }
    LookupScheduler &scheduler() { return m_scheduler; }

    /// Starts a run at @p wordIndex over a list of @p wordMax entries.
    void start(int wordIndex, int wordMax);
    /// The Stop button: records the outcomes received, closes every connection and keeps the position.
    void stop();
    /// The window is closing: as stop(), without telling anyone that the run stopped.
    void shutdown();
    /// The outcomes could not be passed on: ends the run at once, the outcomes not yet handed on are dropped.
    void abandon();

    bool stopRequested() const { return m_stopRequested; }
    bool listEnded() const { return m_listEnded; }
    /// The first name of the list whose outcomes are not all handed on yet (where a rerun starts).
    int position() const;
    int wordMax() const { return m_wordMax; }
    /// The name after the last one whose outcomes have all been handed on (what progress counts).
    int reportedPosition() const { return m_reported; }
    int openConnections() const { return m_scheduler.openConnections(); }
    const RunTally &tally() const { return m_tally; }

    /// The domains a raw list entry becomes under the domain rule: its registrable domain, or for a word
    /// one per chosen TLD (the default extension when none is chosen); each may carry a problem instead.
    QList<tld::EntryName> prepareDomains(const QString &entry) const;

signals:
    /// One domain's check ended and was recorded (in list order, except for what Stop records).
    void outcome(const lookup::QueryOutcome &outcome);
    /// The first question about @p domain went out.
    void checking(const QString &domain);
    void connectionsChanged(int open);
    void serverChanged(const engine::ServerState &state);
    void troubled(const QString &host, engine::Trouble trouble);
    /// The run ended, by Stop, by the end of its list or because the list could not be read.
    void stopped(const engine::RunEnd &end);

private:
    struct Name;
    struct Lookup;

    void scheduleAdvance();
    void advance();
    bool takeNames(int &budget);
    void addName(const QString &entry, int position);
    void route(Lookup &lookup);
    void settle(Lookup &lookup, const lookup::QueryOutcome &result);
    void onDnsAnswer(Lookup &lookup, bool delegated);
    void onAnswer(LookupScheduler::Ticket ticket, const lookup::QueryOutcome &result);
    bool releaseFinished();
    void report(Lookup &lookup);
    QStringList runTlds() const;
    void endRun(RunEnd::Reason reason, bool keepReceived, bool announce);
    void recordReceived();

    tld::TldRegistry &m_tlds;
    results::ResultClasses &m_results;
    sources::EntrySource &m_source;
    LookupScheduler m_scheduler;
    std::function<QStringList()> m_chosenTlds;
    QStringList m_runTlds; ///< the chosen TLDs of the run under way
    int m_maxTries = defaultTries;
    int m_startPauseMs = 0;
    std::vector<Screen> m_screens;
    DnsStage m_dns;
    QHash<LookupScheduler::Ticket, Lookup *> m_asked;
    std::deque<Name> m_names; ///< names taken and not yet handed on, in list order
    QSet<QString> m_recorded; ///< domains after the position that an earlier run already recorded
    bool m_stopRequested = true;
    bool m_keepReceived = true;
    bool m_listEnded = false;
    bool m_listUnreadable = false;
    bool m_advanceQueued = false;
    int m_next = 0; ///< the next entry to take from the list
    int m_reported = 0;
    int m_wordMax = 0;
    quint64 m_generation = 0;
    PositionSaver m_positionSaver;
    RunTally m_tally;
};

} // namespace engine
