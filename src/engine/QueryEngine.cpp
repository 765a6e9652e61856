#include "engine/QueryEngine.h"

#include "engine/ThrottleGate.h"
#include "lookup/RegistryLookup.h"
#include "platform/DesktopServices.h"
#include "platform/Intervals.h"
#include "results/OutcomeWords.h"
#include "results/ResultClasses.h"
#include "sources/EntrySource.h"
#include "sources/ListFile.h"
#include "tld/NameCleaning.h"
#include "tld/Routing.h"
#include "tld/TldRegistry.h"

#include <algorithm>

namespace engine {

using lookup::QueryOutcome;

struct QueryEngine::Slot {
    std::unique_ptr<lookup::RegistryLookup> lookup;
    QTimer retry; ///< a server that could not be reached is asked again after the silence period
    QString domain;
    tld::TldRecord row;
    bool inFlight = false;
    bool resting = false; ///< waiting until the row's server lets the program ask again

    /// A name was taken for this slot and has no outcome yet.
    bool hasName() const { return inFlight || resting; }
};

QueryEngine::QueryEngine(tld::TldRegistry &tlds, ThrottleGate &throttle, results::ResultClasses &results,
                         sources::EntrySource &source, int slotCount, QObject *parent)
    : QObject(parent), m_tlds(tlds), m_throttle(throttle), m_results(results), m_source(source),
      m_panels(restingPanels())
{
    qRegisterMetaType<lookup::QueryOutcome>();
    slotCount = std::clamp(slotCount, 1, maxSlots);
    for (int i = 0; i < slotCount; ++i) {
        auto slot = std::make_unique<Slot>();
        slot->retry.setSingleShot(true);
        connect(&slot->retry, &QTimer::timeout, this, [this, i] { connectSlot(i); });
        m_slots.push_back(std::move(slot));
    }
    connect(&m_overall, &QTimer::timeout, this, &QueryEngine::onWatchdogTick);
}

QueryEngine::~QueryEngine()
{
    for (int i = 0; i < slotCount(); ++i)
        closeSocket(i);
}

const std::array<QString, 3> &QueryEngine::restingPanels()
{
    static const std::array<QString, 3> panels = {QStringLiteral("Entry Status"), QStringLiteral("Open Connections"),
                                                  QStringLiteral("Connection Status")};
    return panels;
}

void QueryEngine::setPanel(int number, const QString &text)
{
    m_panels.at(number - 1) = text;
    emit panelChanged(number, text);
}

void QueryEngine::start(int wordIndex, int wordMax)
{
    m_stopRequested = false;
    m_tally = {};
    ++m_generation;
    m_wordIndex = wordIndex;
    m_wordMax = wordMax;
    startBatch();
}

void QueryEngine::startBatch()
{
    if (m_stopRequested)
        return;
    m_listEnded = false;
    m_finishedSlots = 0;
    m_idleSeconds = 0;
    m_overall.start(platform::intervals().secondMs);
    m_inThrottleWait = true;
    setPanel(1, QStringLiteral("Waiting ") + QString::number(m_throttle.currentThrottle()) +
                    QStringLiteral(" milliseconds."));
    const quint64 generation = m_generation;
    m_throttle.wait([this, generation] {
        if (generation != m_generation || m_stopRequested)
            return;
        m_inThrottleWait = false;
        takeNames();
    });
}

void QueryEngine::takeNames()
{
    for (int i = 0; i < slotCount() && !m_stopRequested; ++i) {
        closeSocket(i);
        setPanel(2, QStringLiteral("Open: ") + QString::number(i));
        QString name = m_source.readEntry(m_wordIndex);
        if (name.isEmpty())
            name = sources::endMarker;
        name = tld::correctName(name);
        ++m_wordIndex;
        if (m_wordMax >= m_wordIndex)
            setPanel(1, QString::number(m_wordIndex) + QStringLiteral(" of ") + QString::number(m_wordMax));
        if (m_wordMax < m_wordIndex)
            setPanel(2, QStringLiteral("Open: Closing connections..."));
        else
            setPanel(2, QStringLiteral("Open: ") + QString::number(slotCount() - m_finishedSlots));
        if (name == sources::endMarker) {
            // No further names: the run ends with the last query in flight, or now.
            m_overall.stop();
            m_listEnded = true;
            if (std::none_of(m_slots.begin(), m_slots.end(), [](const auto &s) { return s->hasName(); }))
                finishRun();
            return;
        }
        m_source.savePositions(m_wordIndex);
        startQuery(name, i);
    }
}

QString QueryEngine::prepareDomain(const QString &name) const
{
    QString text = name;
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon >= 0)
        text = text.mid(colon + 1);
    QString domain = tld::correctName(tld::urlUnescape(text));
    if (!domain.contains(QLatin1Char('.'))) {
        const QString chosen = m_chosenTld ? m_chosenTld() : QString();
        domain += chosen.isEmpty() ? m_tlds.defaultExt() : QLatin1Char('.') + chosen;
    }
    return domain;
}

void QueryEngine::startQuery(const QString &name, int index)
{
    if (m_stopRequested)
        return;
    Slot &slot = *m_slots.at(index);
    slot.domain = prepareDomain(name);
    const tld::TldRecord *row = m_tlds.rowFor(slot.domain);
    if (!row) {
        // No server serves this name (or it could not be sent as one line): kept unchecked, the next follows.
        const QueryOutcome result{QueryOutcome::Kind::NoServer, slot.domain};
        m_results.addUncheckedName(slot.domain);
        count(result);
        emit outcome(result);
        setPanel(3, QStringLiteral("No WHOIS server for ") + slot.domain);
        slotFinished();
        return;
    }
    if (!slot.lookup) {
        slot.lookup = std::make_unique<lookup::AnyRowLookup>();
        connect(slot.lookup.get(), &lookup::RegistryLookup::connected, this, [this, index] { onConnected(index); });
        connect(slot.lookup.get(), &lookup::RegistryLookup::finished, this,
                [this, index](const QueryOutcome &result) { onLookupEnd(index, result); });
    }
    slot.row = *row;
    m_throttle.setCurrentThrottle(row->throttle);
    for (int attempt = 1; attempt <= startAttempts; ++attempt) {
        if (!row->server.isEmpty() && row->port > 0 && row->port <= 65535) {
            if (!restBeforeAsking(index))
                connectSlot(index);
            return;
        }
    }
    reportStartFailure(index);
}

void QueryEngine::reportStartFailure(int index)
{
    // The slot's silence timer or the watchdog moves the run on.
    if (!m_messages)
        return;
    const QString text = QStringLiteral("An error has occurred.\r\nError #: 5\r\nDescription: Invalid procedure call "
                                        "or argument (server \"%1\", port %2)")
                             .arg(m_slots.at(index)->row.server)
                             .arg(m_slots.at(index)->row.port);
    m_messages->show({QStringLiteral("Error"), text, platform::MessageRequest::Icon::Warning,
                      platform::MessageRequest::Buttons::Ok});
}

int QueryEngine::silenceMs()
{
    return platform::intervals().silenceSeconds * platform::intervals().secondMs;
}

bool QueryEngine::restBeforeAsking(int index)
{
    Slot &slot = *m_slots.at(index);
    const auto rest = m_serverRests.constFind(slot.row.server);
    if (rest == m_serverRests.cend())
        return false;
    const qint64 left = rest->remainingTime();
    if (left <= 0) {
        m_serverRests.remove(slot.row.server);
        return false;
    }
    // The server said when it would answer again; asking sooner only earns another refusal.
    slot.resting = true;
    slot.retry.start(int(left));
    setPanel(3, QStringLiteral("Waiting %1 s: %2 asked not to be asked again sooner")
                    .arg((left + platform::intervals().secondMs - 1) / platform::intervals().secondMs)
                    .arg(slot.row.server));
    return true;
}

void QueryEngine::connectSlot(int index)
{
    Slot &slot = *m_slots.at(index);
    slot.retry.stop();
    slot.resting = false;
    slot.inFlight = true;
    // A server that stays silent for the silence period is asked again on a new connection.
    slot.lookup->start({slot.domain, slot.row, silenceMs()});
}

void QueryEngine::onConnected(int index)
{
    Slot &slot = *m_slots.at(index);
    if (m_stopRequested) {
        closeSocket(index);
        return;
    }
    setPanel(3, QStringLiteral("connecting(") + QString::number(index) + QStringLiteral("): - Search String: ") +
                    slot.domain);
}

void QueryEngine::onLookupEnd(int index, const QueryOutcome &result)
{
    Slot &slot = *m_slots.at(index);
    if (m_stopRequested) {
        closeSocket(index);
        return;
    }
    if (result.kind == QueryOutcome::Kind::TimedOut) {
        connectSlot(index); // the query is sent again once connected
        return;
    }
    m_overall.stop();
    slot.inFlight = false;
    if (result.kind == QueryOutcome::Kind::Refused && result.retryAfterSeconds > 0)
        m_serverRests.insert(slot.row.server,
                             QDeadlineTimer(qint64(result.retryAfterSeconds) * platform::intervals().secondMs));
    if (result.kind == QueryOutcome::Kind::Available) {
        m_results.addAvailableName(slot.domain);
    } else if (result.kind == QueryOutcome::Kind::Registered) {
        m_results.addRegisteredName(slot.domain);
    } else {
        if (result.kind == QueryOutcome::Kind::Refused)
            emit blocked(slot.row.server, result.answer);
        // A server that cannot be reached ends the name at once with the cause, not at the watchdog.
        else if (result.unreachable)
            emit blocked(slot.row.server, result.cause);
        // Neither free nor taken: the name waits for another try.
        m_results.addUncheckedName(slot.domain);
        setPanel(3, QStringLiteral("Unchecked (") +
                        (result.cause.isEmpty() ? results::outcomeWord(result.kind) : result.cause) +
                        QStringLiteral("): ") + slot.domain);
    }
    count(result);
    emit outcome(result);
    m_results.checkOverflow();
    closeSocket(index);
    slotFinished();
}

void QueryEngine::onWatchdogTick()
{
    if (m_stopRequested) {
        m_overall.stop();
        return;
    }
    // A long throttle pause is not silence, nor is a rest a server asked for: the watchdog waits for them.
    if (m_inThrottleWait ||
        std::any_of(m_slots.cbegin(), m_slots.cend(), [](const auto &slot) { return slot->resting; }))
        return;
    if (++m_idleSeconds < platform::intervals().watchdogSeconds)
        return;
    m_overall.stop();
    emit blocked(m_slots.front()->row.server, QStringLiteral("Connection Timed Out"));
    m_idleSeconds = 0;
    m_finishedSlots = slotCount();
    slotFinished();
}

void QueryEngine::slotFinished()
{
    if (m_stopRequested)
        return;
    ++m_finishedSlots;
    if (m_finishedSlots < slotCount() - 1)
        return;
    abandonOpenSlots();
    m_overall.stop();
    m_idleSeconds = 0;
    if (m_listEnded)
        finishRun();
    else
        startBatch();
}

void QueryEngine::count(const QueryOutcome &result)
{
    ++m_tally.checked;
    m_tally.available += result.kind == QueryOutcome::Kind::Available;
    m_tally.registered += result.kind == QueryOutcome::Kind::Registered;
}

void QueryEngine::finishRun()
{
    const QString summary = QStringLiteral("Finished: %1 checked, %2 available, %3 registered, %4 unchecked")
                                .arg(m_tally.checked)
                                .arg(m_tally.available)
                                .arg(m_tally.registered)
                                .arg(m_tally.checked - m_tally.available - m_tally.registered);
    stop();
    setPanel(1, summary);
    emit finished(summary);
}

void QueryEngine::abandonOpenSlots()
{
    for (int i = 0; i < slotCount(); ++i) {
        Slot &slot = *m_slots.at(i);
        if (slot.hasName()) {
            const QueryOutcome result{QueryOutcome::Kind::TimedOut, slot.domain, slot.row.server, slot.row.port};
            m_results.addUncheckedName(slot.domain);
            count(result);
            emit outcome(result);
        }
        closeSocket(i);
    }
}

void QueryEngine::closeSocket(int index)
{
    Slot &slot = *m_slots.at(index);
    slot.inFlight = false;
    slot.resting = false;
    slot.retry.stop();
    if (slot.lookup)
        slot.lookup->abort();
}

void QueryEngine::keepInFlightUnchecked()
{
    // The position is already past these names: without this they would be lost from the search.
    for (const auto &slot : m_slots) {
        if (slot->hasName() && !m_stopRequested)
            m_results.addUncheckedName(slot->domain);
    }
}

void QueryEngine::stop()
{
    keepInFlightUnchecked();
    m_finishedSlots = slotCount();
    m_stopRequested = true;
    ++m_generation;
    m_inThrottleWait = false;
    m_overall.stop();
    for (int i = 0; i < slotCount(); ++i)
        closeSocket(i);
    m_idleSeconds = 0;
    for (int number = 1; number <= 3; ++number)
        setPanel(number, restingPanels().at(number - 1));
    emit stopped();
}

void QueryEngine::shutdown()
{
    keepInFlightUnchecked();
    m_finishedSlots = slotCount();
    m_stopRequested = true;
    ++m_generation;
    m_overall.stop();
    for (int i = 0; i < slotCount(); ++i)
        closeSocket(i);
}

} // namespace engine
