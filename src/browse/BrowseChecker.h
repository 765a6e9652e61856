#pragma once

#include "engine/DnsStage.h"
#include "engine/LookupScheduler.h"
#include "lookup/QueryOutcome.h"
#include "sources/ListFile.h"

#include <QObject>
#include <QTimer>

namespace lookup {
class DnsCheck;
}
namespace results {
class ResultClasses;
}
namespace tld {
class TldRegistry;
}

namespace browse {

/**
 * Checks the names queued by the page scans, one at a time, on a lookup scheduler of its own (one
 * connection, its own time limit): a tick of the queue timer, or a scanned page, takes the next queued
 * name; DNS is asked first where the main run asks it; the scheduler keeps each server's pace and rests.
 * Free and taken names go to the result classes; names that end without a verdict join the unchecked names.
 */
class BrowseChecker : public QObject {
    Q_OBJECT
public:
    enum class State { Idle, Checking };

    BrowseChecker(tld::TldRegistry &tlds, results::ResultClasses &results, QString queuePath,
                  QObject *parent = nullptr);
    ~BrowseChecker() override;

    /// Starts the queue timer.
    void start();
    /// Takes the next queued name, if any, and starts its check.
    void checkNextQueued();
    /// Asks DNS about each name first (null: never).
    void setDnsCheck(lookup::DnsCheck *dns) { m_dns.setCheck(dns); }
    engine::LookupScheduler &scheduler() { return m_scheduler; }

    /// @p count more names were queued.
    void addQueued(int count) { m_foundTotal += count; }
    void setPageFoundCount(int count) { m_pageFoundCount = count; }

    int nextIndex() const { return m_nextIndex; }
    int foundTotal() const { return m_foundTotal; }
    State state() const { return m_state; }

signals:
    /// The check of @p domain began.
    void checking(const QString &domain);
    /// A checked name's outcome, once it is in the result classes.
    void outcome(const lookup::QueryOutcome &outcome);
    /// Every queued name is checked: @p checked names are in the lists; @p pageHadNames when the page did.
    void queueDone(int checked, bool pageHadNames);
    void troubled(const QString &host, engine::Trouble trouble);
    void serverChanged(const engine::ServerState &state);

private:
    /// Starts the check of @p name; false when the name is skipped.
    bool startDomainCheck(const QString &name);
    void ask(const tld::TldRecord &row);
    void finish(lookup::QueryOutcome result);
    bool record(const lookup::QueryOutcome &result);

    tld::TldRegistry &m_tlds;
    results::ResultClasses &m_results;
    sources::ListFile m_queue;
    engine::LookupScheduler m_scheduler;
    engine::DnsStage m_dns;
    QTimer m_timer1;
    State m_state = State::Idle;
    engine::LookupScheduler::Ticket m_ticket = 0;
    int m_nextIndex = 0;
    int m_foundTotal = 0;
    int m_pageFoundCount = 0;
    QString m_entry;
    QString m_currentDomain;
};

} // namespace browse
