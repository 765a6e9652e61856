#include "browse/BrowseChecker.h"

#include "engine/ThrottleGate.h"
#include "platform/Intervals.h"
#include "results/ResultClasses.h"
#include "tld/NameCleaning.h"
#include "tld/Routing.h"
#include "tld/TldRegistry.h"
#include "tld/Verdict.h"

namespace browse {

BrowseChecker::BrowseChecker(tld::TldRegistry &tlds, engine::ThrottleGate &throttle, results::ResultClasses &results,
                             QString queuePath, QObject *parent)
    : QObject(parent), m_tlds(tlds), m_throttle(throttle), m_results(results),
      m_queue(std::move(queuePath), sources::ListFile::SingleBlank::IsSkipped)
{
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    connect(&m_timer1, &QTimer::timeout, this, [this] {
        // A check or pause in progress is left to finish; the tick only picks up idle work.
        if (m_state == State::Idle)
            checkNextQueued();
    });
}

BrowseChecker::~BrowseChecker() = default;

void BrowseChecker::start()
{
    m_timer1.start(platform::intervals().secondMs);
}

void BrowseChecker::checkNextQueued()
{
    // Names that cannot be checked are passed over in this loop, not by ever deeper calls.
    while (m_state == State::Idle && m_nextIndex <= m_foundTotal) {
        QString name;
        // A missing queue file is the end of the queue; it uses up no position.
        if (m_queue.readListEntry(m_nextIndex + 1, name) != sources::ListFile::Read::Entry) {
            const int checked = m_results.counter(results::HighList) + m_results.counter(results::RegisteredList) +
                                m_results.counter(results::MidList) + m_results.counter(results::LowList);
            emit panelChanged(1, QStringLiteral("Checked ") + QString::number(checked) +
                                     QStringLiteral(" unique domains."));
            if (m_pageFoundCount > 0)
                emit panelChanged(2, QStringLiteral("Finished domains on current page"));
            return;
        }
        m_currentDomain = name;
        if (startDomainCheck(name))
            return;
        ++m_nextIndex;
    }
}

bool BrowseChecker::startDomainCheck(const QString &name)
{
    m_currentEntry = name;
    m_currentDomain = tld::correctName(tld::urlUnescape(name));
    if (!m_tlds.matcher().containsEnabledTld(m_currentDomain))
        return false;
    const tld::TldRecord *row = m_tlds.rowFor(m_currentDomain);
    if (!row || row->server.isEmpty()) {
        // A name no registry of the table serves is asked nowhere, and kept unchecked.
        if (!tld::isPlaceholderName(m_currentDomain))
            m_results.addUncheckedName(m_currentDomain);
        lookup::QueryOutcome noServer{lookup::QueryOutcome::Kind::NoServer, m_currentDomain};
        noServer.entry = m_currentEntry;
        emit outcome(noServer);
        return false;
    }
    m_server = row->server;
    m_throttle.setCurrentThrottle(row->throttle);
    emit panelChanged(1, QStringLiteral("Checking status of: ") + m_currentDomain);
    m_state = State::Checking;
    lookup::LookupRequest request{m_currentDomain, *row,
                                  platform::intervals().testTimeoutTicks * platform::intervals().secondMs};
    // A name without a dot is never called free.
    if (!m_currentDomain.contains(QLatin1Char('.')))
        request.row.successPhrases.clear();
    if (!m_lookup) {
        m_lookup = std::make_unique<lookup::AnyRowLookup>();
        connect(m_lookup.get(), &lookup::RegistryLookup::finished, this, &BrowseChecker::onLookupEnd);
    }
    m_lookup->start(request);
    return true;
}

void BrowseChecker::onLookupEnd(const lookup::QueryOutcome &outcome)
{
    using Kind = lookup::QueryOutcome::Kind;
    if (m_state != State::Checking)
        return;
    lookup::QueryOutcome ended = outcome;
    ended.entry = m_currentEntry;
    emit this->outcome(ended);
    if (outcome.kind == Kind::TimedOut) {
        abandonCheck(QStringLiteral("Connection Timed Out"));
        return;
    }
    // A server that cannot be reached ends the check at once instead of being asked again and again.
    if (outcome.unreachable) {
        abandonCheck(outcome.cause);
        return;
    }
    if (outcome.kind == Kind::Available || outcome.kind == Kind::Registered) {
        record(outcome.kind == Kind::Available);
    } else {
        if (outcome.kind == Kind::Refused)
            emit blocked(m_server, outcome.answer);
        keepUnchecked();
    }
    ++m_nextIndex;
    m_state = State::Pausing;
    emit panelChanged(1, QStringLiteral("Pausing for ") + QString::number(m_throttle.currentThrottle()) +
                             QStringLiteral(" milliseconds."));
    m_throttle.wait([this] {
        m_state = State::Idle;
        checkNextQueued();
    });
}

void BrowseChecker::record(bool available)
{
    if (tld::isPlaceholderName(m_currentDomain))
        return;
    if (!available) {
        m_results.addRegisteredName(m_currentDomain);
        emit registered(m_currentDomain);
        return;
    }
    if (m_currentDomain.contains(QLatin1String("endoffile"), Qt::CaseInsensitive))
        return;
    m_results.addAvailableName(m_currentDomain);
    emit unregistered(m_currentDomain);
    emit panelChanged(1, QStringLiteral("Unregistered: ") + m_currentDomain);
}

void BrowseChecker::keepUnchecked()
{
    if (!tld::isPlaceholderName(m_currentDomain) &&
        !m_currentDomain.contains(QLatin1String("endoffile"), Qt::CaseInsensitive))
        m_results.addUncheckedName(m_currentDomain);
}

void BrowseChecker::abandonCheck(const QString &reason)
{
    if (m_state != State::Checking)
        return;
    m_lookup->abort();
    emit blocked(m_server, reason);
    keepUnchecked();
    ++m_nextIndex;
    m_state = State::Idle;
    checkNextQueued();
}

} // namespace browse
