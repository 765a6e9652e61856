#include "browse/BrowseChecker.h"

#include "platform/Intervals.h"
#include "results/ResultClasses.h"
#include "tld/NameCleaning.h"
#include "tld/Routing.h"
#include "tld/TldRegistry.h"
#include "tld/Verdict.h"

namespace browse {

using lookup::QueryOutcome;
using Kind = QueryOutcome::Kind;

BrowseChecker::BrowseChecker(tld::TldRegistry &tlds, results::ResultClasses &results, QString queuePath,
                             QObject *parent)
    : QObject(parent), m_tlds(tlds), m_results(results), m_queue(std::move(queuePath)), m_scheduler(1)
{
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    connect(&m_timer1, &QTimer::timeout, this, [this] {
        // A check in progress is left to finish; the tick only picks up idle work.
        if (m_state == State::Idle)
            checkNextQueued();
    });
    connect(&m_scheduler, &engine::LookupScheduler::finished, this,
            [this](engine::LookupScheduler::Ticket ticket, const QueryOutcome &result) {
                if (m_state == State::Checking && ticket == m_ticket)
                    finish(result);
            });
    connect(&m_scheduler, &engine::LookupScheduler::troubled, this, &BrowseChecker::troubled);
    connect(&m_scheduler, &engine::LookupScheduler::serverChanged, this, &BrowseChecker::serverChanged);
}

BrowseChecker::~BrowseChecker() = default;

void BrowseChecker::start()
{
    const platform::Intervals &times = platform::intervals();
    // One try of each name at most, no sooner given up than the window's time limit.
    const int limit = times.testTimeoutTicks * times.secondMs;
    m_scheduler.setLimits({engine::LookupLimits{}.tries, limit, limit});
    m_scheduler.beginRun();
    m_timer1.start(times.secondMs);
}

void BrowseChecker::checkNextQueued()
{
    // Names that cannot be checked are passed over in this loop, not by ever deeper calls.
    while (m_state == State::Idle && m_nextIndex <= m_foundTotal) {
        // A missing queue file is the end of the queue; it uses up no position.
        if (m_queue.readListEntry(m_nextIndex + 1, m_entry) != sources::ListFile::Read::Entry) {
            const int checked = m_results.counter(results::HighList) + m_results.counter(results::RegisteredList) +
                                m_results.counter(results::MidList) + m_results.counter(results::LowList);
            emit queueDone(checked, m_pageFoundCount > 0);
            return;
        }
        if (startDomainCheck(m_entry))
            return;
        ++m_nextIndex;
    }
}

bool BrowseChecker::startDomainCheck(const QString &name)
{
    m_currentDomain = tld::correctName(tld::urlUnescape(name));
    if (!m_tlds.matcher().containsEnabledTld(m_currentDomain))
        return false;
    const tld::TldRecord *found = m_tlds.rowFor(m_currentDomain);
    if (!found || found->server.isEmpty()) {
        // A name no registry of the table serves is asked nowhere, and kept unchecked.
        finish({Kind::NoServer, m_currentDomain});
        return false;
    }
    tld::TldRecord row = *found;
    // A name without a dot is never called free.
    if (!m_currentDomain.contains(QLatin1Char('.')))
        row.successPhrases.clear();
    m_state = State::Checking;
    emit checking(m_currentDomain);
    if (!m_dns.asksFor(row)) {
        ask(row);
        return true;
    }
    m_dns.ask(m_currentDomain, [this, row, domain = m_currentDomain](bool delegated) {
        if (m_state != State::Checking || domain != m_currentDomain)
            return;
        if (!delegated) {
            ask(row);
            return;
        }
        QueryOutcome registered{Kind::Registered, domain};
        registered.source = QueryOutcome::Source::Dns;
        finish(registered);
    });
    return true;
}

void BrowseChecker::ask(const tld::TldRecord &row)
{
    m_ticket = m_scheduler.submit(m_currentDomain, row);
}

void BrowseChecker::finish(QueryOutcome result)
{
    if (m_entry != result.domain)
        result.entry = m_entry;
    const bool recorded = record(result);
    const bool wasChecking = std::exchange(m_state, State::Idle) == State::Checking;
    if (recorded)
        emit outcome(result);
    if (!wasChecking)
        return; // called from the loop of checkNextQueued, which moves on itself
    ++m_nextIndex;
    checkNextQueued();
}

bool BrowseChecker::record(const QueryOutcome &result)
{
    const QString &domain = result.domain;
    if (tld::isPlaceholderName(domain) || domain.contains(QLatin1String("endoffile"), Qt::CaseInsensitive))
        return false;
    if (result.kind == Kind::Available)
        m_results.addAvailableName(domain);
    else if (result.kind == Kind::Registered)
        m_results.addRegisteredName(domain);
    else
        m_results.addUncheckedName(domain);
    return true;
}

} // namespace browse
