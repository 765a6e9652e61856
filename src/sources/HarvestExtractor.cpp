#include "sources/HarvestExtractor.h"

#include "platform/TextCodec.h"
#include "sources/LinkText.h"
#include "sources/PageNames.h"

namespace sources {

HarvestExtractor::HarvestExtractor(const tld::EnabledTldMatcher &matcher) : m_matcher(matcher) {}

bool HarvestExtractor::isExcluded(const QString &name) const
{
    // The search site's image hosts come in many names, all of them holding "yimg".
    return name.compare(searchSiteDomain, Qt::CaseInsensitive) == 0 ||
           name.compare(marketplaceDomain, Qt::CaseInsensitive) == 0 ||
           m_engineDomains.contains(name, Qt::CaseInsensitive) ||
           name.contains(QLatin1String("yimg"), Qt::CaseInsensitive);
}

bool HarvestExtractor::accept(const QString &name)
{
    if (name.isEmpty() || isExcluded(name))
        return false;
    const QString key = name.toLower();
    if (m_seen.contains(key))
        return false;
    m_seen.insert(key);
    m_harvestList += name + platform::crlf;
    ++m_uniqueCount;
    return true;
}

int HarvestExtractor::extractFromPage(const QString &page)
{
    PageNames names(m_matcher);
    names.feed(page);
    names.finish();
    int pageCount = 0;
    for (const QString &name : names.takeNames())
        pageCount += accept(name) ? 1 : 0;
    return pageCount;
}

void HarvestExtractor::reset()
{
    m_harvestList.clear();
    m_seen.clear();
    m_uniqueCount = 0;
}

} // namespace sources
