#pragma once

#include "tld/TldRecord.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <functional>
#include <vector>

namespace lookup {
class DnsCheck;
}

namespace engine {

/**
 * The DNS pre-check in front of the registries: a domain with NS records is registered without a
 * registry question. One question per domain, however many wait for its answer.
 */
class DnsStage : public QObject {
    Q_OBJECT
public:
    using Answer = std::function<void(bool delegated)>;

    using QObject::QObject;

    /// Asks @p dns from now on (null: never).
    void setCheck(lookup::DnsCheck *dns);
    /// Whether domains of @p row are asked first; the proxy is the user's chosen path, asked alone.
    bool asksFor(const tld::TldRecord &row) const { return m_dns && row.extension != tld::proxyExtension; }
    /// Asks about @p domain; @p answer is called once DNS has answered (or given up).
    void ask(const QString &domain, Answer answer);
    /// A new run under @p tlds: a name registered since the last one is asked again, and the resolver is tested first.
    void startRun(const QStringList &tlds);
    /// The run ended: answers still to come reach nobody.
    void dropWaiting() { m_waiting.clear(); }

private:
    void onAnswer(const QString &domain, bool delegated);

    lookup::DnsCheck *m_dns = nullptr;
    QHash<QString, std::vector<Answer>> m_waiting;
};

} // namespace engine
