#include "sources/HarvestExtractor.h"

#include "platform/TextCodec.h"
#include "sources/LinkText.h"
#include "tld/NameCleaning.h"
#include "tld/Routing.h"

namespace sources {

namespace {

const QString http = QStringLiteral("http://");
const QString https = QStringLiteral("https://");

} // namespace

HarvestExtractor::HarvestExtractor(const tld::EnabledTldMatcher &matcher) : m_matcher(matcher) {}

QString HarvestExtractor::prepareText(const QString &page) const
{
    return m_matcher.breakAfterTlds(breakAtLinks(page, false, true));
}

QString HarvestExtractor::candidateName(const QString &rawLine, QString &tldPart) const
{
    QString line = tld::urlUnescape(rawLine);
    // Today's result pages link over https; the scheme itself never belongs to the name.
    const bool secure = line.startsWith(https);
    if ((!secure && !line.startsWith(http)) || isExcludedLink(line) || !m_matcher.containsEnabledTld(line))
        return {};
    removeFirst(line, secure ? https : http);
    removeFirst(line, QStringLiteral("<b>"));
    removeFirst(line, QStringLiteral("<B>"));
    line = linkHost(line);
    if (line.contains(QLatin1Char('.')))
        tldPart = textAfterFirst(line, QLatin1Char('.'));
    if (line.contains(QLatin1Char('=')))
        tldPart = textAfterFirst(line, QLatin1Char('='));
    cutAfterFirst(line, QLatin1Char(':'));
    if (!m_matcher.containsEnabledTld(QLatin1Char('.') + tldPart))
        return {};
    QString name = tld::correctName(tld::registrableDomain(line));
    name.remove(QLatin1Char('\''));
    name.remove(QLatin1Char('"'));
    return name;
}

bool HarvestExtractor::accept(const QString &candidate)
{
    // Kept trimmed: a trailing blank would route "example.net " to another TLD's server.
    const QString name = candidate.trimmed();
    if (name.isEmpty() || name.contains(QLatin1Char('<')) || name.contains(QLatin1Char('>')) ||
        name == QLatin1String("ttp:.com") || name.contains(QLatin1String("mailto:")) ||
        name.contains(QLatin1String("targetblank")))
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
    int pageCount = 0;
    QString tldPart;
    for (const QString &line : platform::splitListLines(prepareText(page))) {
        const QString name = candidateName(line, tldPart);
        if (!name.isEmpty() && accept(name))
            ++pageCount;
    }
    return pageCount;
}

void HarvestExtractor::reset()
{
    m_harvestList.clear();
    m_seen.clear();
    m_uniqueCount = 0;
}

QString HarvestExtractor::finishedList() const
{
    QString list = m_harvestList;
    for (int pass = 0; pass < 7; ++pass)
        list.replace(QStringLiteral("\r\n\r\n"), platform::crlf);
    list.remove(QStringLiteral("\r\ncomtarget=_blank"));
    list.remove(QStringLiteral("\r\norgtarget=_blank"));
    return list;
}

} // namespace sources
