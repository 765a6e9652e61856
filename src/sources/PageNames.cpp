#include "sources/PageNames.h"

#include "tld/DomainRule.h"
#include "tld/Routing.h"

#include <QUrl>

namespace sources {

namespace {

bool isNameCharacter(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-' || u == '.';
    return c.isLetterOrNumber() || c.isMark();
}

// Soft hyphens and zero-width spaces let a long name break across lines; they are no part of it.
bool isInvisibleBreak(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0xAD || u == 0x200B || u == 0x2060;
}

} // namespace

PageNames::PageNames(const tld::EnabledTldMatcher &matcher) : m_matcher(matcher) {}

void PageNames::feed(QStringView html)
{
    m_html.feed(html);
    readTaken(false);
}

void PageNames::finish()
{
    m_html.finish();
    readTaken(true);
}

QStringList PageNames::takeNames()
{
    return std::exchange(m_names, QStringList());
}

void PageNames::readTaken(bool complete)
{
    // Names come in the order the page gives them: a link's before the text after it.
    const QList<HtmlText::Link> links = m_html.takeLinks();
    const QString text = m_html.takeText();
    qsizetype done = 0;
    for (const HtmlText::Link &link : links) {
        scan(QStringView(text).mid(done, link.at - done), m_pending, false);
        done = link.at;
        readLink(link.target);
    }
    scan(QStringView(text).mid(done), m_pending, complete);
}

void PageNames::readLink(const QString &target)
{
    // Link targets escape freely ("%2F", "%2E"); a name in them counts as written out.
    QString candidate;
    scan(QUrl::fromPercentEncoding(target.toUtf8()), candidate, true);
}

void PageNames::scan(QStringView text, QString &candidate, bool complete)
{
    for (const QChar c : text) {
        if (isNameCharacter(c)) {
            candidate += c;
        } else if (!isInvisibleBreak(c) && !candidate.isEmpty()) {
            consider(candidate);
            candidate.clear();
        }
    }
    if (complete && !candidate.isEmpty()) {
        consider(candidate);
        candidate.clear();
    }
}

QString PageNames::nameOf(QStringView candidate) const
{
    // Dots around a name are the sentence's ("see a.com."), not the name's.
    while (candidate.startsWith(u'.'))
        candidate = candidate.mid(1);
    while (candidate.endsWith(u'.'))
        candidate.chop(1);
    if (!candidate.contains(u'.'))
        return {};
    const tld::EntryName read = tld::readEntry(candidate.toString());
    if (!read.isDomain() || !read.listedSuffix)
        return {};
    if (!m_matcher.endsWithEnabledTld(read.name) && !m_matcher.endsWithEnabledTld(read.ascii))
        return {};
    return read.name;
}

void PageNames::consider(QStringView candidate)
{
    const QString name = nameOf(candidate);
    if (name.isEmpty() || m_seen.contains(name))
        return;
    m_seen.insert(name);
    m_names.append(name);
}

} // namespace sources
