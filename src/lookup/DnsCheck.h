#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <deque>
#include <memory>

class QSocketNotifier;

namespace lookup {

/**
 * Asks DNS whether domains are delegated, before a registry is asked about them. A domain with NS records
 * at its own name is certainly registered; every other answer (NXDOMAIN, no records, SERVFAIL, silence, junk,
 * any failure) says nothing and leaves the question to the registry.
 *
 * Runs on c-ares, driven from the event loop by socket notifiers and one timer: no threads, no blocking.
 * Up to maxInFlight questions are under way at once, the rest wait their turn. Answers are kept until
 * clearCache(), so a domain is asked once per run.
 *
 * Some resolvers (of ISPs, hotels, captive portals) answer name servers for any name. Before a run's first
 * question, two names that cannot exist are asked; when either comes back delegated, the resolver is not
 * asked again in that run and every name is reported not delegated, so that its registry decides.
 */
class DnsCheck : public QObject {
    Q_OBJECT
public:
    static constexpr int maxInFlight = 64;
    static constexpr int defaultTimeoutMs = 2000;

    explicit DnsCheck(QObject *parent = nullptr);
    ~DnsCheck() override;
    DnsCheck(const DnsCheck &) = delete;
    DnsCheck &operator=(const DnsCheck &) = delete;

    /// Sends the questions to @p hostPort ("127.0.0.1:5353", "[::1]:53"); empty: the system's resolvers.
    /// False (and no change) when the text names no server.
    bool setServer(const QString &hostPort);
    /// How long one question may go unanswered before the registry is asked instead.
    void setTimeoutMs(int ms);
    /// Asks about @p domain; delegated() or notDelegated() follows, never from inside this call.
    void ask(const QString &domain);
    /// Forgets every answer (a new run asks again).
    void clearCache();
    /// A run begins: forgets every answer and tests the resolver again before the run's first question, with
    /// names under @p tlds (the run's TLDs; when empty, the TLD of the first name asked).
    void startRun(const QStringList &tlds);
    int inFlight() const { return int(m_asked.size()); }
    /// Why the resolver could not be set up ("" when it works); every question then ends not delegated.
    QString error() const { return m_error; }

signals:
    void answered(const QString &domain, bool delegated);
    /// Once per run: the resolver claims names that cannot exist, so every name goes to its registry.
    void lyingResolverFound();

private:
    struct Channel;
    struct Request;
    /// The test of the resolver: not asked for (no run started), due, under way, and its finding.
    enum class Canary { Off, Due, Asked, Honest, Lying };

    void askCanary(const QString &firstDomain);
    void canaryAnswered(bool delegated);
    void reset();
    void sendWaiting();
    void finished(const QString &domain, bool delegated);
    void socketState(int fd, bool readable, bool writable);
    void process(int readFd, int writeFd);
    void armTimer();
    static void onSocketState(void *data, int fd, int readable, int writable);
    static void onAnswer(void *arg, int status, int timeouts, unsigned char *answer, int length);

    std::unique_ptr<Channel> m_channel;
    QString m_server;
    int m_timeoutMs = defaultTimeoutMs;
    QString m_error;
    QHash<QString, bool> m_cache;
    QSet<QString> m_asked;  ///< under way at c-ares
    QSet<QString> m_queued; ///< waiting for a free place
    std::deque<QString> m_waiting;
    QHash<int, std::pair<QSocketNotifier *, QSocketNotifier *>> m_notifiers;
    Canary m_canary = Canary::Off;
    QStringList m_runTlds;
    QSet<QString> m_canaryNames; ///< test names not answered yet
    QTimer m_timer;
    quint64 m_generation = 0;
};

/// Whether @p answer (a DNS message) holds an NS record owned by @p domain in its answer section.
bool hasNsAt(const QByteArray &answer, const QString &domain);

} // namespace lookup
