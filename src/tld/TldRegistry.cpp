#include "tld/TldRegistry.h"

namespace tld {

TldRegistry::TldRegistry(QString tableFilePath, QObject *parent) : QObject(parent), m_file(std::move(tableFilePath)) {}

bool TldRegistry::loadTldTable()
{
    TldTable table = m_table;
    if (!m_file.loadTldTable(table))
        return false;
    setTable(std::move(table));
    return true;
}

void TldRegistry::setTable(TldTable table)
{
    m_table = std::move(table);
    m_matcher = EnabledTldMatcher(m_table);
}

int TldRegistry::findTldIndex(const QString &domain) const
{
    return tld::findTldIndex(m_table, domain, m_useProxy);
}

const TldRecord *TldRegistry::rowFor(const QString &domain) const
{
    const int index = findTldIndex(domain);
    return index >= 0 && index < m_table.size() ? &m_table.at(index) : nullptr;
}

} // namespace tld
