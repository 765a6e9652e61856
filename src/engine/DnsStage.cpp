#include "engine/DnsStage.h"

#include "lookup/DnsCheck.h"

namespace engine {

void DnsStage::setCheck(lookup::DnsCheck *dns)
{
    // The check switched off (or changed) mid-run still answers the domains that wait for it: a run does
    // not stall on them.
    if (dns)
        connect(dns, &lookup::DnsCheck::answered, this, &DnsStage::onAnswer, Qt::UniqueConnection);
    m_dns = dns;
}

void DnsStage::ask(const QString &domain, Answer answer)
{
    std::vector<Answer> &waiting = m_waiting[domain];
    waiting.push_back(std::move(answer));
    if (waiting.size() == 1)
        m_dns->ask(domain);
}

void DnsStage::startRun(const QStringList &tlds)
{
    if (m_dns)
        m_dns->startRun(tlds);
}

void DnsStage::onAnswer(const QString &domain, bool delegated)
{
    for (const Answer &answer : m_waiting.take(domain))
        answer(delegated);
}

} // namespace engine
