#pragma once

#include "lookup/QueryOutcome.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QHash>
#include <QObject>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
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

namespace engine {

class ThrottleGate;

/**
 * The checking engine: batches of queries, one per slot, each preceded by the shared throttle pause.
 * A query connects to its TLD row's server, sends the domain and CR LF, collects the answer until the
 * server closes, and hands the verdict to the result classes. A silent server is reconnected every
 * silence period; a batch without any answer is abandoned by the watchdog. A name that ends without a
 * verdict is kept with the unchecked names, and the run stops by itself once the last name has ended.
 */
class QueryEngine : public QObject {
    Q_OBJECT
public:
    static constexpr int maxSlots = 101;
    static constexpr int startAttempts = 3;

    QueryEngine(tld::TldRegistry &tlds, ThrottleGate &throttle, results::ResultClasses &results,
                sources::EntrySource &source, int slotCount = 1, QObject *parent = nullptr);
    ~QueryEngine() override;

    /// Where failures of a query start are reported (may be null).
    void setMessageBoxes(platform::MessageBoxes *messages) { m_messages = messages; }
    /// The TLD chosen in the main window for names without a dot (empty: the default extension).
    void setChosenTld(std::function<QString()> chosenTld) { m_chosenTld = std::move(chosenTld); }

    /// Starts a run at @p wordIndex over a list of @p wordMax entries.
    void start(int wordIndex, int wordMax);
    /// The Stop button: closes every connection and restores the status panels.
    void stop();
    /// The window is closing: late events only close their sockets.
    void shutdown();

    bool stopRequested() const { return m_stopRequested; }
    bool listEnded() const { return m_listEnded; }
    int slotCount() const { return int(m_slots.size()); }
    int wordIndex() const { return m_wordIndex; }
    int wordMax() const { return m_wordMax; }
    int finishedSlots() const { return m_finishedSlots; }
    int idleSeconds() const { return m_idleSeconds; }
    QString panel(int number) const { return m_panels.at(number - 1); }

    /// The domain a raw list entry becomes: text after the first colon, unescaped, cleaned, completed.
    QString prepareDomain(const QString &name) const;

    static const std::array<QString, 3> &restingPanels();

signals:
    void panelChanged(int number, const QString &text);
    /// A server refused the query, or the watchdog ran out ("Connection Timed Out").
    void blocked(const QString &host, const QString &text);
    /// One domain's check ended.
    void outcome(const lookup::QueryOutcome &outcome);
    /// Stop ran (by the button or at the end of the list).
    void stopped();
    /// The last name of the list has its outcome; the run stopped by itself.
    void finished(const QString &summary);

private:
    struct Slot;

    void startBatch();
    void takeNames();
    void startQuery(const QString &name, int index);
    void connectSlot(int index);
    /// Holds the slot back while its server's Retry-After runs; false when it may ask now.
    bool restBeforeAsking(int index);
    void onConnected(int index);
    void onLookupEnd(int index, const lookup::QueryOutcome &result);
    static int silenceMs();
    void onWatchdogTick();
    void slotFinished();
    void finishRun();
    void keepInFlightUnchecked();
    void count(const lookup::QueryOutcome &result);
    void closeSocket(int index);
    void abandonOpenSlots();
    void setPanel(int number, const QString &text);
    void reportStartFailure(int index);

    tld::TldRegistry &m_tlds;
    ThrottleGate &m_throttle;
    results::ResultClasses &m_results;
    sources::EntrySource &m_source;
    platform::MessageBoxes *m_messages = nullptr;
    std::function<QString()> m_chosenTld;

    std::vector<std::unique_ptr<Slot>> m_slots;
    QTimer m_overall;
    bool m_stopRequested = true;
    bool m_listEnded = false;
    bool m_inThrottleWait = false;
    int m_finishedSlots = 0;
    int m_idleSeconds = 0;
    int m_wordIndex = 0;
    int m_wordMax = 0;
    quint64 m_generation = 0;
    QHash<QString, QDeadlineTimer> m_serverRests; ///< server -> when it will answer again
    std::array<QString, 3> m_panels;
    struct Tally {
        int checked = 0;
        int available = 0;
        int registered = 0;
    } m_tally; ///< outcomes of the run under way
};

} // namespace engine
