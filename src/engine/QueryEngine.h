#pragma once

#include "lookup/QueryOutcome.h"
#include "tld/TldRecord.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace platform {
class MessageBoxes;
}
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
 * The checking engine. Names are taken from the list a little ahead of the questions; each becomes one
 * domain per chosen TLD (a name with a dot stays one domain), and each domain waits in the queue of the
 * server its TLD row names. Every server is asked at its own row's pace, one question at a time, and
 * several servers are asked side by side, up to the slot count.
 *
 * Outcomes are handed on in list order, whatever order the servers answer in, so the result lists,
 * counters and files are those of a run that asks one server after another; the resume position moves
 * past a name only once every domain of it has its outcome, and is written at most once a second.
 *
 * A server that refuses (a refusal statement, HTTP 429/503, Retry-After, connections dropped twice in a
 * row) rests: as long as it asked, else one second, doubling up to five minutes while it goes on
 * refusing; the name goes back to the front of that server's queue, up to the number of tries. A silent
 * server is asked again on a new connection every silence period; a name without an answer for the
 * watchdog period is given up. A name that ends without a verdict is kept with the unchecked names, and
 * the run stops by itself once the last name has its outcome.
 */
class QueryEngine : public QObject {
    Q_OBJECT
public:
    static constexpr int maxSlots = 101;
    /// Questions under way at once in the desktop program and the command line.
    static constexpr int defaultSlots = 8;
    /// Names taken from the list ahead of the first one still waiting for an outcome.
    static constexpr int lookahead = 256;
    /// Times a name is asked of a server that refuses it before it is given up.
    static constexpr int defaultTries = 5;

    QueryEngine(tld::TldRegistry &tlds, results::ResultClasses &results, sources::EntrySource &source,
                int slotCount = 1, QObject *parent = nullptr);
    ~QueryEngine() override;

    /// Where failures of a query start are reported (may be null).
    void setMessageBoxes(platform::MessageBoxes *messages) { m_messages = messages; }
    /// The TLDs chosen for names without a dot, read at each start (none: the default extension).
    void setChosenTlds(std::function<QStringList()> chosenTlds) { m_chosenTlds = std::move(chosenTlds); }
    /// Asks DNS about each domain first (null: never); a delegated domain is registered without a registry
    /// question. Domains routed to the proxy row skip it.
    void setDnsCheck(lookup::DnsCheck *dns);
    /// A look-up made before a domain is asked; an outcome it gives is the domain's, and nothing is sent.
    using Screen = std::function<std::optional<lookup::QueryOutcome>(const QString &domain, const tld::TldRecord &row)>;
    void setScreen(Screen screen) { m_screen = std::move(screen); }
    /// How often a name is asked of a refusing server (at least once).
    void setMaxTries(int tries) { m_maxTries = std::max(1, tries); }

    /// Starts a run at @p wordIndex over a list of @p wordMax entries.
    void start(int wordIndex, int wordMax);
    /// The Stop button: closes every connection, keeps the position and restores the status panels.
    void stop();
    /// The window is closing: the position is kept and late events only close their sockets.
    void shutdown();

    bool stopRequested() const { return m_stopRequested; }
    bool listEnded() const { return m_listEnded; }
    int slotCount() const { return int(m_slots.size()); }
    /// The first name of the list whose outcomes are not all handed on yet (where a rerun starts).
    int position() const;
    int wordMax() const { return m_wordMax; }
    /// The name after the last one whose outcomes have all been handed on (what progress counts).
    int reportedPosition() const { return m_reported; }
    /// Questions under way now.
    int busySlots() const { return m_busy; }
    QString panel(int number) const { return m_panels.at(number - 1); }
    /// The servers resting now and when they are asked again ("" when none rests).
    QString pausedServers() const;

    /// The domains a raw list entry becomes: text after the first colon, unescaped, cleaned, and completed
    /// with each chosen TLD when it has no dot.
    QStringList prepareDomains(const QString &name) const;
    /// The queue a row's questions wait in: host:port, or the host (and port) of an RDAP address.
    static QString serverKey(const tld::TldRecord &row);

    static const std::array<QString, 3> &restingPanels();

signals:
    void panelChanged(int number, const QString &text);
    /// A name was refused to the end, or its server stayed silent for the watchdog period
    /// ("Connection Timed Out").
    void blocked(const QString &host, const QString &text);
    /// One domain's check ended (in list order).
    void outcome(const lookup::QueryOutcome &outcome);
    /// A server began or ended a rest; pausedServers() says which rest now.
    void pausesChanged(const QString &pausedServers);
    /// Stop ran (by the button or at the end of the list).
    void stopped();
    /// The last name of the list has its outcome; the run stopped by itself.
    void finished(const QString &summary);

private:
    struct Name;
    struct Lookup;
    struct Server;
    struct Slot;

    void scheduleAdvance();
    void advance();
    bool takeNames(int &budget);
    void addName(const QString &name, int position);
    bool releaseFinished();
    void report(const Lookup &lookup);
    void dispatch();
    Server &serverFor(const QString &key, const tld::TldRecord &row);
    void startLookup(Server &server, Lookup &lookup);
    void askAgain(int slot);
    void onConnected(int slot);
    void onLookupEnd(int slot, const lookup::QueryOutcome &result);
    void finishLookup(Lookup &lookup, const lookup::QueryOutcome &result);
    void rest(Server &server, const lookup::QueryOutcome &result);
    void onDnsAnswer(const QString &domain, bool delegated);
    void queueAtServer(Lookup &lookup);
    void serverAnswered(Server &server);
    void wakeAt(Server &server, const QDeadlineTimer &when);
    void updatePauses();
    QStringList runTlds() const;
    QStringList domainsFor(const QString &name, const QStringList &tlds) const;
    void notePosition();
    void savePosition();
    void finishRun();
    static int watchdogMs();
    void count(const lookup::QueryOutcome &result);
    void endRun();
    void setPanel(int number, const QString &text);
    void showOpen();
    void reportStartFailure(const Lookup &lookup);
    static int silenceMs();

    tld::TldRegistry &m_tlds;
    results::ResultClasses &m_results;
    sources::EntrySource &m_source;
    platform::MessageBoxes *m_messages = nullptr;
    std::function<QStringList()> m_chosenTlds;
    Screen m_screen;
    QStringList m_runTlds; ///< the chosen TLDs of the run under way
    int m_maxTries = defaultTries;

    std::vector<std::unique_ptr<Slot>> m_slots;
    std::vector<std::unique_ptr<Server>> m_servers; ///< every server asked since start-up, with its pace
    QHash<QString, Server *> m_serverByKey;
    std::size_t m_nextServer = 0; ///< where the next round of starts begins, so every server gets its turn
    std::deque<Name> m_names;     ///< names taken and not yet handed on, in list order
    lookup::DnsCheck *m_dns = nullptr;
    QHash<QString, std::vector<Lookup *>> m_awaitingDns; ///< domain -> its lookups waiting for DNS
    int m_busy = 0;
    bool m_stopRequested = true;
    bool m_listEnded = false;
    bool m_advanceQueued = false;
    int m_next = 0; ///< the next entry to take from the list
    int m_reported = 0;
    int m_wordMax = 0;
    quint64 m_generation = 0;
    int m_savedPosition = 0;
    QElapsedTimer m_sinceSave;
    QTimer m_saveTimer;
    std::array<QString, 3> m_panels;
    QString m_pauseText;
    struct Tally {
        int checked = 0;
        int available = 0;
        int registered = 0;
    } m_tally; ///< outcomes of the run under way
};

} // namespace engine
