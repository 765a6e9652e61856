#include "browse/BrowseChecker.h"

#include "engine/QueryEngine.h"
#include "engine/ResultClasses.h"
#include "engine/ThrottleGate.h"
#include "platform/Intervals.h"
#include "platform/TextCodec.h"
#include "sources/NameCleaning.h"
#include "tld/Routing.h"
#include "tld/TldRegistry.h"
#include "tld/Verdict.h"

#include <QTcpSocket>

namespace browse {

BrowseChecker::BrowseChecker(tld::TldRegistry &tlds, engine::ThrottleGate &throttle, engine::ResultClasses &results,
                             QString queuePath, QObject *parent)
    : QObject(parent), m_tlds(tlds), m_throttle(throttle), m_results(results),
      m_queue(std::move(queuePath), sources::ListFile::SingleBlank::IsSkipped)
{
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timeout.setObjectName(QStringLiteral("timTimeout"));
    connect(&m_timer1, &QTimer::timeout, this, [this] {
        // A check or pause in progress is left to finish; the tick only picks up idle work.
        if (m_state == State::Idle)
            checkNextQueued();
    });
    connect(&m_timeout, &QTimer::timeout, this, &BrowseChecker::onTimeoutTick);
}

BrowseChecker::~BrowseChecker()
{
    closeSocket();
}

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
            const int checked = m_results.counter(engine::HighList) + m_results.counter(engine::RegisteredList) +
                                m_results.counter(engine::MidList) + m_results.counter(engine::LowList);
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
        closeSocket();
    }
}

bool BrowseChecker::startDomainCheck(const QString &name)
{
    m_currentDomain = sources::correctName(sources::urlUnescape(name));
    if (!m_tlds.matcher().containsEnabledTld(m_currentDomain))
        return false;
    const tld::TldRecord *row = m_tlds.rowFor(m_currentDomain);
    if (!row || row->server.isEmpty())
        return false;
    m_server = row->server;
    m_availabilityWords = row->successPhrases;
    m_throttle.setCurrentThrottle(row->throttle);
    m_answer.clear();
    m_timeoutTicks = 0;
    m_timeout.start(platform::intervals().secondMs);
    emit panelChanged(1, QStringLiteral("Checking status of: ") + m_currentDomain);
    closeSocket();
    m_state = State::Checking;
    m_socket = new QTcpSocket(this);
    connect(m_socket, &QTcpSocket::connected, this, [this] {
        const QByteArray query = tld::queryText(m_currentDomain);
        if (m_socket->write(query) != query.size())
            abandonCheck(QStringLiteral("Connection Timed Out"));
    });
    connect(m_socket, &QTcpSocket::readyRead, this, &BrowseChecker::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &BrowseChecker::onRemoteClose);
    // A server that cannot be reached ends the check at once instead of being asked again and again.
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (error != QAbstractSocket::RemoteHostClosedError)
            abandonCheck(m_socket->errorString());
    });
    m_socket->connectToHost(m_server, quint16(row->port));
    return true;
}

void BrowseChecker::onReadyRead()
{
    m_answer += m_socket->read(engine::QueryEngine::answerLimit - m_answer.size());
    if (m_answer.size() >= engine::QueryEngine::answerLimit)
        onRemoteClose();
}

void BrowseChecker::onRemoteClose()
{
    if (m_state != State::Checking)
        return;
    m_timeout.stop();
    if (m_answer.size() < engine::QueryEngine::answerLimit)
        m_answer += m_socket->read(engine::QueryEngine::answerLimit - m_answer.size());
    const QString answer = platform::decodeText(m_answer);
    // A name without a dot is never called free.
    const QString phrases = m_currentDomain.contains(QLatin1Char('.')) ? m_availabilityWords : QString();
    const tld::WhoisVerdict verdict = tld::judgeAnswer(answer, phrases, m_currentDomain);
    if (verdict.kind == tld::WhoisVerdict::Kind::ErrorBlocked)
        emit blocked(m_server, answer);
    else
        record(verdict.kind == tld::WhoisVerdict::Kind::Available);
    ++m_nextIndex;
    closeSocket();
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

void BrowseChecker::onTimeoutTick()
{
    if (++m_timeoutTicks < platform::intervals().testTimeoutTicks)
        return;
    abandonCheck(QStringLiteral("Connection Timed Out"));
}

void BrowseChecker::abandonCheck(const QString &reason)
{
    if (m_state != State::Checking)
        return;
    m_timeout.stop();
    emit blocked(m_server, reason);
    m_timeoutTicks = 0;
    closeSocket();
    ++m_nextIndex;
    m_state = State::Idle;
    checkNextQueued();
}

void BrowseChecker::closeSocket()
{
    if (!m_socket)
        return;
    QTcpSocket *socket = std::exchange(m_socket, nullptr);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

} // namespace browse
