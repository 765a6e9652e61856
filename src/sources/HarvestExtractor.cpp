#include "sources/HarvestExtractor.h"

#include "platform/TextCodec.h"
#include "sources/NameCleaning.h"
#include "tld/Routing.h"

namespace sources {

namespace {

const QString http = QStringLiteral("http://");

// The search site's own pages and a domain marketplace's listings are never candidates.
bool excluded(const QString &line)
{
    static const QStringList words = {QStringLiteral("yahoo.com"), QStringLiteral("@"), QStringLiteral("yimg"),
                                      QStringLiteral("afternic.com")};
    for (const QString &word : words) {
        if (line.contains(word, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

void removeFirst(QString &text, const QString &part)
{
    const qsizetype at = text.indexOf(part);
    if (at >= 0)
        text.remove(at, part.size());
}

QString textAfter(const QString &text, QChar c)
{
    return text.mid(text.indexOf(c) + 1);
}

} // namespace

HarvestExtractor::HarvestExtractor(const tld::EnabledTldMatcher &matcher) : m_matcher(matcher) {}

QString HarvestExtractor::prepareText(const QString &page) const
{
    QString text = page;
    text.replace(QStringLiteral("=www."), QStringLiteral("http://www."), Qt::CaseInsensitive);
    text.replace(QStringLiteral(">www."), QStringLiteral("http://www."), Qt::CaseInsensitive);
    text.replace(http, platform::crlf + http, Qt::CaseInsensitive);
    text.replace(QStringLiteral("<Frame"), platform::crlf + QStringLiteral("<Frame"), Qt::CaseInsensitive);
    return m_matcher.breakAfterTlds(text);
}

QString HarvestExtractor::candidateName(const QString &rawLine, QString &tldPart) const
{
    QString line = urlUnescape(rawLine);
    if (!line.startsWith(http) || excluded(line) || !m_matcher.containsEnabledTld(line))
        return {};
    removeFirst(line, http);
    removeFirst(line, QStringLiteral("<b>"));
    removeFirst(line, QStringLiteral("<B>"));
    if (const qsizetype blank = line.indexOf(QLatin1Char(' ')); blank >= 0)
        line.truncate(blank + 1);
    if (const qsizetype slash = line.indexOf(QLatin1Char('/')); slash >= 0)
        line.truncate(slash);
    // Drops "www." or another first label; a bare "example.com" keeps its name.
    if (const qsizetype dot = line.indexOf(QLatin1Char('.')); dot >= 0 && line.size() - dot - 1 > 3)
        line.remove(0, dot + 1);
    if (line.contains(QLatin1Char('.')))
        tldPart = textAfter(line, QLatin1Char('.'));
    if (line.contains(QLatin1Char('=')))
        tldPart = textAfter(line, QLatin1Char('='));
    if (const qsizetype colon = line.indexOf(QLatin1Char(':')); colon >= 0)
        line.truncate(colon + 1);
    if (!m_matcher.containsEnabledTld(QLatin1Char('.') + tldPart))
        return {};
    QString name = correctName(tld::registrableDomain(line));
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
