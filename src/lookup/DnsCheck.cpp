#include "lookup/DnsCheck.h"

#include <QRandomGenerator>
#include <QSocketNotifier>
#include <QUrl>

#include <ares.h>

#include <cstring>

namespace lookup {

namespace {

constexpr int classIn = 1;
constexpr int typeNs = 2;

quint16 read16(const unsigned char *at)
{
    return quint16((at[0] << 8) | at[1]);
}

// The name at @p at, or false when it runs outside the message.
bool expandName(const unsigned char *at, const QByteArray &message, QByteArray &name, long &length)
{
    const auto *base = reinterpret_cast<const unsigned char *>(message.constData());
    char *expanded = nullptr;
    if (ares_expand_name(at, base, int(message.size()), &expanded, &length) != ARES_SUCCESS)
        return false;
    name = QByteArray(expanded);
    ares_free_string(expanded);
    return true;
}

} // namespace

bool hasNsAt(const QByteArray &answer, const QString &domain)
{
    if (answer.size() < 12)
        return false;
    const auto *base = reinterpret_cast<const unsigned char *>(answer.constData());
    const unsigned char *end = base + answer.size();
    if ((read16(base + 2) & 0x000f) != 0)
        return false; // an error code: no delegation, whatever follows
    const int questions = read16(base + 4);
    const int answers = read16(base + 6);
    const QByteArray wanted = QUrl::toAce(domain).toLower();
    const unsigned char *at = base + 12;
    QByteArray name;
    long length = 0;
    for (int i = 0; i < questions; ++i) {
        if (!expandName(at, answer, name, length) || end - at < length + 4)
            return false;
        at += length + 4;
    }
    for (int i = 0; i < answers; ++i) {
        if (!expandName(at, answer, name, length) || end - at < length + 10)
            return false;
        at += length;
        const int type = read16(at);
        const int klass = read16(at + 2);
        const int dataLength = read16(at + 8);
        at += 10;
        if (end - at < dataLength)
            return false;
        if (type == typeNs && klass == classIn && name.toLower() == wanted)
            return true;
        at += dataLength;
    }
    return false;
}

struct DnsCheck::Channel {
    ares_channel channel = nullptr;
    ~Channel()
    {
        if (channel)
            ares_destroy(channel);
    }
};

struct DnsCheck::Request {
    DnsCheck *check;
    QString domain;
    quint64 generation;
};

DnsCheck::DnsCheck(QObject *parent) : QObject(parent)
{
    static const int initialised = ares_library_init(ARES_LIB_INIT_ALL);
    Q_UNUSED(initialised);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { process(ARES_SOCKET_BAD, ARES_SOCKET_BAD); });
    reset();
}

DnsCheck::~DnsCheck()
{
    ++m_generation;
    m_channel.reset(); // ends every question; their answers are dropped
    for (const auto &pair : std::as_const(m_notifiers)) {
        delete pair.first;
        delete pair.second;
    }
}

void DnsCheck::reset()
{
    ++m_generation;
    m_channel.reset();
    for (const auto &pair : std::as_const(m_notifiers)) {
        delete pair.first;
        delete pair.second;
    }
    m_notifiers.clear();
    m_timer.stop();
    m_error.clear();
    // Questions under way at the old channel are asked again at the new one.
    for (const QString &domain : std::as_const(m_asked)) {
        m_waiting.push_front(domain);
        m_queued.insert(domain);
    }
    m_asked.clear();

    ares_options options{};
    options.sock_state_cb = &DnsCheck::onSocketState;
    options.sock_state_cb_data = this;
    options.timeout = m_timeoutMs;
    options.tries = 1;
    auto channel = std::make_unique<Channel>();
    const int status =
        ares_init_options(&channel->channel, &options, ARES_OPT_SOCK_STATE_CB | ARES_OPT_TIMEOUTMS | ARES_OPT_TRIES);
    if (status != ARES_SUCCESS) {
        channel->channel = nullptr;
        m_error = QString::fromLatin1(ares_strerror(status));
        return;
    }
    if (!m_server.isEmpty()) {
        const int set = ares_set_servers_ports_csv(channel->channel, m_server.toLatin1().constData());
        if (set != ARES_SUCCESS) {
            m_error = QString::fromLatin1(ares_strerror(set));
            return;
        }
    }
    m_channel = std::move(channel);
}

bool DnsCheck::setServer(const QString &hostPort)
{
    if (!hostPort.isEmpty()) {
        // Checked on a channel of its own, so a bad text leaves the working one alone.
        ares_channel probe = nullptr;
        if (ares_init_options(&probe, nullptr, 0) != ARES_SUCCESS)
            return false;
        const bool ok = ares_set_servers_ports_csv(probe, hostPort.toLatin1().constData()) == ARES_SUCCESS;
        ares_destroy(probe);
        if (!ok)
            return false;
    }
    m_server = hostPort;
    reset();
    QMetaObject::invokeMethod(this, &DnsCheck::sendWaiting, Qt::QueuedConnection);
    return true;
}

void DnsCheck::setTimeoutMs(int ms)
{
    m_timeoutMs = std::max(1, ms);
    reset();
    QMetaObject::invokeMethod(this, &DnsCheck::sendWaiting, Qt::QueuedConnection);
}

void DnsCheck::clearCache()
{
    m_cache.clear();
}

void DnsCheck::startRun(const QStringList &tlds)
{
    clearCache();
    m_runTlds = tlds;
    // Questions of the last run that still wait are dropped; a test still under way belongs to it too.
    m_waiting.clear();
    m_queued.clear();
    m_canaryNames.clear();
    m_canary = Canary::Due;
}

void DnsCheck::askCanary(const QString &firstDomain)
{
    QStringList tlds = m_runTlds;
    if (tlds.isEmpty() && firstDomain.contains(QLatin1Char('.')))
        tlds.append(firstDomain.section(QLatin1Char('.'), -1, -1, QString::SectionSkipEmpty));
    tlds.removeAll(QString());
    if (tlds.isEmpty()) {
        m_canary = Canary::Honest; // nothing to test with; a name without a TLD is never delegated anyway
        return;
    }
    // 24 random letters and digits: a name nobody has registered.
    static constexpr char16_t alphabet[] = u"abcdefghijklmnopqrstuvwxyz0123456789";
    for (int i = 0; i < 2; ++i) {
        QString name(24, Qt::Uninitialized);
        for (QChar &c : name)
            c = QChar(alphabet[QRandomGenerator::global()->bounded(36)]);
        name += QLatin1Char('.') + tlds.at(std::min<qsizetype>(i, tlds.size() - 1));
        m_canaryNames.insert(name);
        m_waiting.push_front(name);
    }
    m_canary = Canary::Asked;
}

void DnsCheck::canaryAnswered(bool delegated)
{
    if (m_canary != Canary::Asked)
        return; // the other test name has decided already
    if (!delegated) {
        if (m_canaryNames.isEmpty()) {
            m_canary = Canary::Honest;
            QMetaObject::invokeMethod(this, &DnsCheck::sendWaiting, Qt::QueuedConnection);
        }
        return;
    }
    m_canary = Canary::Lying;
    // The names held for the test go to their registries.
    std::deque<QString> held;
    held.swap(m_waiting);
    for (const QString &domain : held) {
        m_queued.remove(domain);
        if (!m_canaryNames.contains(domain))
            finished(domain, false);
    }
    QMetaObject::invokeMethod(this, &DnsCheck::lyingResolverFound, Qt::QueuedConnection);
}

void DnsCheck::ask(const QString &domain)
{
    if (m_canary == Canary::Lying) {
        finished(domain, false);
        return;
    }
    if (m_canary == Canary::Due)
        askCanary(domain);
    const auto known = m_cache.constFind(domain);
    if (known != m_cache.constEnd()) {
        QMetaObject::invokeMethod(
            this, [this, domain, delegated = *known] { emit answered(domain, delegated); }, Qt::QueuedConnection);
        return;
    }
    if (m_asked.contains(domain) || m_queued.contains(domain))
        return; // one question serves every caller
    m_queued.insert(domain);
    m_waiting.push_back(domain);
    QMetaObject::invokeMethod(this, &DnsCheck::sendWaiting, Qt::QueuedConnection);
}

void DnsCheck::sendWaiting()
{
    while (!m_waiting.empty() && m_asked.size() < maxInFlight) {
        const QString domain = m_waiting.front();
        // The run's names wait until the resolver has passed its test.
        if (m_canary == Canary::Asked && !m_canaryNames.contains(domain))
            break;
        m_waiting.pop_front();
        m_queued.remove(domain);
        // DNS knows a name with letters beyond a to z by its ASCII form.
        const QByteArray ace = QUrl::toAce(domain);
        if (!m_channel || ace.isEmpty()) {
            finished(domain, false);
            continue;
        }
        m_asked.insert(domain);
        auto *request = new Request{this, domain, m_generation};
        ares_query(m_channel->channel, ace.constData(), classIn, typeNs, &DnsCheck::onAnswer, request);
    }
    armTimer();
}

void DnsCheck::onAnswer(void *arg, int status, int timeouts, unsigned char *answer, int length)
{
    Q_UNUSED(timeouts);
    std::unique_ptr<Request> request(static_cast<Request *>(arg));
    DnsCheck *check = request->check;
    if (request->generation != check->m_generation || status == ARES_EDESTRUCTION)
        return;
    check->m_asked.remove(request->domain);
    const bool delegated = status == ARES_SUCCESS && answer && length > 0 &&
                           hasNsAt(QByteArray(reinterpret_cast<const char *>(answer), length), request->domain);
    check->finished(request->domain, delegated);
    QMetaObject::invokeMethod(check, &DnsCheck::sendWaiting, Qt::QueuedConnection);
}

void DnsCheck::finished(const QString &domain, bool delegated)
{
    if (m_canaryNames.remove(domain)) {
        canaryAnswered(delegated);
        return;
    }
    m_cache.insert(domain, delegated);
    // Handed on from the event loop: whoever hears it may ask again at once.
    QMetaObject::invokeMethod(
        this, [this, domain, delegated] { emit answered(domain, delegated); }, Qt::QueuedConnection);
}

void DnsCheck::onSocketState(void *data, int fd, int readable, int writable)
{
    static_cast<DnsCheck *>(data)->socketState(fd, readable != 0, writable != 0);
}

void DnsCheck::socketState(int fd, bool readable, bool writable)
{
    auto &pair = m_notifiers[fd];
    auto update = [this, fd](QSocketNotifier *&notifier, QSocketNotifier::Type type, bool wanted) {
        if (wanted && !notifier) {
            notifier = new QSocketNotifier(fd, type, this);
            connect(notifier, &QSocketNotifier::activated, this, [this, fd, type] {
                if (type == QSocketNotifier::Read)
                    process(fd, ARES_SOCKET_BAD);
                else
                    process(ARES_SOCKET_BAD, fd);
            });
        } else if (!wanted && notifier) {
            // Possibly inside its own signal: switched off now, deleted later.
            notifier->setEnabled(false);
            notifier->deleteLater();
            notifier = nullptr;
        }
    };
    update(pair.first, QSocketNotifier::Read, readable);
    update(pair.second, QSocketNotifier::Write, writable);
    if (!pair.first && !pair.second)
        m_notifiers.remove(fd);
}

void DnsCheck::process(int readFd, int writeFd)
{
    if (m_channel)
        ares_process_fd(m_channel->channel, readFd, writeFd);
    armTimer();
}

void DnsCheck::armTimer()
{
    if (!m_channel || m_asked.isEmpty()) {
        m_timer.stop();
        return;
    }
    timeval next{};
    if (!ares_timeout(m_channel->channel, nullptr, &next)) {
        m_timer.stop();
        return;
    }
    m_timer.start(int(next.tv_sec * 1000 + (next.tv_usec + 999) / 1000));
}

} // namespace lookup
