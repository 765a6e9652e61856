#pragma once

#include "lookup/RegistryLookup.h"
#include "sources/ListFile.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <memory>

namespace engine {
class ThrottleGate;
}
namespace results {
class ResultClasses;
}
namespace tld {
class TldRegistry;
}

namespace browse {

/**
 * Checks the names queued by the page scans, one at a time over the window's own connection: a tick
 * of the queue timer takes the next queued name, the answer is judged when the server closes, and a
 * pause shared with the main window's engine follows every answer. Names that end without a verdict
 * join the unchecked names.
 */
class BrowseChecker : public QObject {
    Q_OBJECT
public:
    enum class State { Idle, Checking, Pausing };

    BrowseChecker(tld::TldRegistry &tlds, engine::ThrottleGate &throttle, results::ResultClasses &results,
                  QString queuePath, QObject *parent = nullptr);
    ~BrowseChecker() override;

    /// Starts the queue timer.
    void start();
    /// Takes the next queued name, if any, and starts its check.
    void checkNextQueued();

    /// @p count more names were queued.
    void addQueued(int count) { m_foundTotal += count; }
    void setPageFoundCount(int count) { m_pageFoundCount = count; }

    int nextIndex() const { return m_nextIndex; }
    int foundTotal() const { return m_foundTotal; }
    QString currentDomain() const { return m_currentDomain; }
    State state() const { return m_state; }

signals:
    void panelChanged(int number, const QString &text);
    void unregistered(const QString &domain);
    void registered(const QString &domain);
    void blocked(const QString &host, const QString &text);
    /// A check ended, whatever its end (the check history records it).
    void outcome(const lookup::QueryOutcome &outcome);

private:
    /// Starts the check of @p name; false when the name is skipped.
    bool startDomainCheck(const QString &name);
    void onLookupEnd(const lookup::QueryOutcome &outcome);
    void abandonCheck(const QString &reason);
    void record(bool available);
    /// The name ended without a verdict: it waits with the unchecked names.
    void keepUnchecked();

    tld::TldRegistry &m_tlds;
    engine::ThrottleGate &m_throttle;
    results::ResultClasses &m_results;
    sources::ListFile m_queue;
    QTimer m_timer1;
    std::unique_ptr<lookup::RegistryLookup> m_lookup;
    State m_state = State::Idle;
    int m_nextIndex = 0;
    int m_foundTotal = 0;
    int m_pageFoundCount = 0;
    QString m_currentDomain;
    QString m_currentEntry; ///< the queued text the domain was cleaned from
    QString m_server;
};

} // namespace browse
