#include "engine/QueryEngine.h"

#include "engine/EntrySource.h"
#include "engine/ResultClasses.h"
#include "engine/ThrottleGate.h"
#include "platform/DesktopServices.h"
#include "platform/Intervals.h"
#include "platform/TextCodec.h"
#include "sources/ListFile.h"
#include "sources/NameCleaning.h"
#include "tld/Routing.h"
#include "tld/TldRegistry.h"
#include "tld/Verdict.h"

#include <QTcpSocket>

namespace engine {

struct QueryEngine::Slot {
    QTcpSocket *socket = nullptr;
    QTimer timeout;
    QString domain;
    QString server;
    int port = 43;
    QByteArray answer;
    int timeoutTicks = 0;
    bool inFlight = false;
};

QueryEngine::QueryEngine(tld::TldRegistry &tlds, ThrottleGate &throttle, ResultClasses &results, EntrySource &source,
                         int slotCount, QObject *parent)
    : QObject(parent), m_tlds(tlds), m_throttle(throttle), m_results(results), m_source(source),
      m_panels(restingPanels())
{
    qRegisterMetaType<engine::QueryOutcome>();
    slotCount = std::clamp(slotCount, 1, maxSlots);
    for (int i = 0; i < slotCount; ++i) {
        auto slot = std::make_unique<Slot>();
        connect(&slot->timeout, &QTimer::timeout, this, [this, i] { onSilenceTick(i); });
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
        name = sources::correctName(name);
        ++m_wordIndex;
        if (m_wordMax >= m_wordIndex)
            setPanel(1, QString::number(m_wordIndex) + QStringLiteral(" of ") + QString::number(m_wordMax));
        if (m_wordMax < m_wordIndex)
            setPanel(2, QStringLiteral("Open: Closing connections..."));
        else
            setPanel(2, QStringLiteral("Open: ") + QString::number(slotCount() - m_finishedSlots));
        if (name == sources::endMarker) {
            // No further names; the run rests until Stop unless queries of this batch still end it.
            m_overall.stop();
            m_listEnded = true;
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
    QString domain = sources::correctName(sources::urlUnescape(text));
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
        // No server serves this name (or it could not be sent as one line): skip it, take the next.
        emit outcome({QueryOutcome::Kind::NoServer, slot.domain, QString(), 0, QString(), QString()});
        setPanel(3, QStringLiteral("No WHOIS server for ") + slot.domain);
        slotFinished();
        return;
    }
    slot.port = row->port;
    slot.server = row->server;
    m_throttle.setCurrentThrottle(row->throttle);
    m_currentSuccessWords = row->successPhrases;
    slot.answer.clear();
    slot.timeoutTicks = 0;
    slot.timeout.start(platform::intervals().secondMs);
    for (int attempt = 1; attempt <= startAttempts; ++attempt) {
        if (!slot.server.isEmpty() && slot.port > 0 && slot.port <= 65535) {
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
                             .arg(m_slots.at(index)->server)
                             .arg(m_slots.at(index)->port);
    m_messages->show({QStringLiteral("Error"), text, platform::MessageRequest::Icon::Warning,
                      platform::MessageRequest::Buttons::Ok});
}

void QueryEngine::connectSlot(int index)
{
    closeSocket(index);
    Slot &slot = *m_slots.at(index);
    slot.socket = new QTcpSocket(this);
    slot.inFlight = true;
    connect(slot.socket, &QTcpSocket::connected, this, [this, index] { onConnected(index); });
    connect(slot.socket, &QTcpSocket::readyRead, this, [this, index] { onReadyRead(index); });
    connect(slot.socket, &QTcpSocket::disconnected, this, [this, index] { onRemoteClose(index); });
    slot.socket->connectToHost(slot.server, quint16(slot.port));
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
    slot.timeoutTicks = 0;
    slot.timeout.start(platform::intervals().secondMs);
    const QByteArray query = tld::queryText(slot.domain);
    if (slot.socket->write(query) != query.size())
        connectSlot(index); // to the row's own port, not a fixed one
}

void QueryEngine::onReadyRead(int index)
{
    Slot &slot = *m_slots.at(index);
    if (m_stopRequested) {
        closeSocket(index);
        return;
    }
    slot.answer += slot.socket->read(answerLimit - slot.answer.size());
    // A server that will not stop talking is judged on what it sent so far.
    if (slot.answer.size() >= answerLimit)
        onRemoteClose(index);
}

void QueryEngine::onRemoteClose(int index)
{
    Slot &slot = *m_slots.at(index);
    if (m_stopRequested || !slot.socket) {
        closeSocket(index);
        return;
    }
    if (slot.answer.size() < answerLimit)
        slot.answer += slot.socket->read(answerLimit - slot.answer.size());
    const QString answer = platform::decodeText(slot.answer);
    m_overall.stop();
    slot.timeout.stop();
    slot.inFlight = false;
    const tld::WhoisVerdict verdict = tld::judgeAnswer(answer, m_currentSuccessWords, slot.domain);
    QueryOutcome result{QueryOutcome::Kind::Registered, slot.domain, slot.server, slot.port, QString(), answer};
    if (verdict.kind == tld::WhoisVerdict::Kind::Available) {
        result.kind = QueryOutcome::Kind::Available;
        result.successWord = verdict.successWord;
        m_results.addAvailableName(slot.domain);
    } else if (verdict.kind == tld::WhoisVerdict::Kind::ErrorBlocked) {
        result.kind = QueryOutcome::Kind::Refused;
        emit blocked(slot.server, answer);
    } else {
        m_results.addRegisteredName(slot.domain);
    }
    emit outcome(result);
    m_results.checkOverflow();
    closeSocket(index);
    slotFinished();
}

void QueryEngine::onSilenceTick(int index)
{
    Slot &slot = *m_slots.at(index);
    ++slot.timeoutTicks;
    if (m_stopRequested) {
        slot.timeout.stop();
        return;
    }
    if (slot.timeoutTicks < platform::intervals().silenceSeconds)
        return;
    slot.timeoutTicks = 0;
    slot.timeout.start(platform::intervals().secondMs);
    if (!slot.server.isEmpty())
        connectSlot(index); // the query is sent again once connected
}

void QueryEngine::onWatchdogTick()
{
    if (m_stopRequested) {
        m_overall.stop();
        return;
    }
    // A long throttle pause is not silence: the watchdog waits for it.
    if (m_inThrottleWait)
        return;
    if (++m_idleSeconds < platform::intervals().watchdogSeconds)
        return;
    m_overall.stop();
    emit blocked(m_slots.front()->server, QStringLiteral("Connection Timed Out"));
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
        stop();
    else
        startBatch();
}

void QueryEngine::abandonOpenSlots()
{
    for (int i = 0; i < slotCount(); ++i) {
        Slot &slot = *m_slots.at(i);
        slot.timeout.stop();
        if (slot.inFlight)
            emit outcome({QueryOutcome::Kind::TimedOut, slot.domain, slot.server, slot.port, QString(), QString()});
        closeSocket(i);
    }
}

void QueryEngine::closeSocket(int index)
{
    Slot &slot = *m_slots.at(index);
    slot.inFlight = false;
    if (!slot.socket)
        return;
    // A fresh socket per connection: events of a closed one can never reach the engine.
    QTcpSocket *socket = std::exchange(slot.socket, nullptr);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void QueryEngine::stop()
{
    m_finishedSlots = slotCount();
    m_stopRequested = true;
    ++m_generation;
    m_inThrottleWait = false;
    m_overall.stop();
    for (int i = 0; i < slotCount(); ++i) {
        closeSocket(i);
        m_slots.at(i)->timeout.stop();
        m_slots.at(i)->timeoutTicks = 0;
    }
    m_idleSeconds = 0;
    for (int number = 1; number <= 3; ++number)
        setPanel(number, restingPanels().at(number - 1));
    emit stopped();
}

void QueryEngine::shutdown()
{
    m_finishedSlots = slotCount();
    m_stopRequested = true;
    ++m_generation;
    m_overall.stop();
    for (int i = 0; i < slotCount(); ++i) {
        closeSocket(i);
        m_slots.at(i)->timeout.stop();
    }
}

} // namespace engine
