#include "browse/BrowseChecker.h"

#include "engine/ThrottleGate.h"
#include "platform/Intervals.h"
#include "platform/TextCodec.h"
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
    connect(&m_connection, &lookup::WhoisConnection::finished, this, &BrowseChecker::onConnectionEnd);
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
    m_currentDomain = tld::correctName(tld::urlUnescape(name));
    if (!m_tlds.matcher().containsEnabledTld(m_currentDomain))
        return false;
    const tld::TldRecord *row = m_tlds.rowFor(m_currentDomain);
    if (!row || row->server.isEmpty())
        return false;
    m_server = row->server;
    m_availabilityWords = row->successPhrases;
    m_throttle.setCurrentThrottle(row->throttle);
    emit panelChanged(1, QStringLiteral("Checking status of: ") + m_currentDomain);
    m_state = State::Checking;
    m_connection.start(m_server, quint16(row->port), tld::queryText(m_currentDomain),
                       platform::intervals().testTimeoutTicks * platform::intervals().secondMs);
    return true;
}

void BrowseChecker::onConnectionEnd(lookup::WhoisConnection::End end)
{
    using End = lookup::WhoisConnection::End;
    switch (end) {
    case End::TimedOut:
        abandonCheck(QStringLiteral("Connection Timed Out"));
        return;
    case End::ConnectionRefused:
    case End::HostNotFound:
    case End::NetworkError:
        // A server that cannot be reached ends the check at once instead of being asked again and again.
        abandonCheck(m_connection.errorText().isEmpty() ? lookup::WhoisConnection::describe(end)
                                                        : m_connection.errorText());
        return;
    default:
        judgeAnswer();
        return;
    }
}

void BrowseChecker::judgeAnswer()
{
    if (m_state != State::Checking)
        return;
    const QString answer = platform::decodeText(m_connection.answer());
    // A name without a dot is never called free.
    const QString phrases = m_currentDomain.contains(QLatin1Char('.')) ? m_availabilityWords : QString();
    const tld::WhoisVerdict verdict = tld::judgeAnswer(answer, phrases, m_currentDomain);
    if (verdict.kind == tld::WhoisVerdict::Kind::ErrorBlocked)
        emit blocked(m_server, answer);
    else
        record(verdict.kind == tld::WhoisVerdict::Kind::Available);
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

void BrowseChecker::abandonCheck(const QString &reason)
{
    if (m_state != State::Checking)
        return;
    m_connection.abort();
    emit blocked(m_server, reason);
    ++m_nextIndex;
    m_state = State::Idle;
    checkNextQueued();
}

} // namespace browse
