#include "tld/Routing.h"

#include <algorithm>
#include <array>

#include <QStringList>
#include <QUrl>

namespace tld {

namespace {

// The first row of the extension: rows further down with the same extension serve nothing.
int scanFor(const TldTable &table, QStringView key)
{
    for (int i = 0; i < table.size(); ++i) {
        if (table.at(i).extension == key)
            return i;
    }
    return -1;
}

// Both sides of a comparison "without regard to case" are folded the same way.
char16_t foldCase(char16_t c)
{
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? char16_t(c + ('a' - 'A')) : c;
    return QChar(c).toCaseFolded().unicode();
}

// The row of the domain's last label, else (for three labels or more) of its last two.
int routeByLabels(const TldTable &table, const QString &domain)
{
    const qsizetype lastDot = domain.lastIndexOf(QLatin1Char('.'));
    const int first = scanFor(table, domain.mid(lastDot + 1).toLower());
    if (first >= 0)
        return first;
    // lastIndexOf with -1 would search from the end again, hence the guard.
    const qsizetype previousDot = lastDot > 0 ? domain.lastIndexOf(QLatin1Char('.'), lastDot - 1) : -1;
    if (previousDot < 0)
        return -1;
    return scanFor(table, domain.mid(previousDot + 1).toLower());
}

} // namespace

QString asciiDomain(const QString &domain)
{
    const bool ascii = std::all_of(domain.cbegin(), domain.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii)
        return domain;
    // Registries know international names only in their ASCII form.
    return QString::fromLatin1(QUrl::toAce(domain, QUrl::IgnoreIDNWhitelist));
}

bool isSafeQueryName(const QString &domain)
{
    for (const QChar c : domain) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0) || u == 0x2028 || u == 0x2029)
            return false;
    }
    return domain.isEmpty() || !asciiDomain(domain).isEmpty();
}

int findTldIndex(const TldTable &table, const QString &domain, bool useProxy)
{
    if (table.isEmpty() || !isSafeQueryName(domain))
        return -1;
    // A name whose TLD has no row is sent nowhere: another registry's "no match" would call it free.
    if (useProxy) {
        if (const int proxy = scanFor(table, proxyExtension); proxy >= 0)
            return proxy;
    }
    const QString ascii = asciiDomain(domain);
    const int found = routeByLabels(table, ascii);
    // A table may name an international extension as it is written.
    if (found < 0 && ascii != domain)
        return routeByLabels(table, domain);
    return found;
}

QByteArray queryText(const QString &domain)
{
    return asciiDomain(domain).toLatin1() + "\r\n";
}

EnabledTldMatcher::EnabledTldMatcher() : m_nodes(1)
{
    m_rootAscii.fill(-1);
}

EnabledTldMatcher::EnabledTldMatcher(const TldTable &table) : EnabledTldMatcher()
{
    for (int i = 0; i < table.size(); ++i) {
        const TldRecord &row = table.at(i);
        if (!row.enabled || row.extension == proxyExtension || row.extension.isEmpty())
            continue;
        int node = 0;
        for (const QChar c : row.extension) {
            const char16_t folded = foldCase(c.unicode());
            const int next = child(node, folded);
            node = next >= 0 ? next : addChild(node, folded);
        }
        if (m_nodes[node].row < 0)
            m_nodes[node].row = i;
        if (m_firstRow < 0)
            m_firstRow = i;
    }
}

int EnabledTldMatcher::child(int node, char16_t c) const
{
    if (node == 0 && c < 0x80)
        return m_rootAscii[c];
    for (const auto &[character, index] : m_nodes[node].children) {
        if (character == c)
            return index;
    }
    return -1;
}

int EnabledTldMatcher::addChild(int node, char16_t c)
{
    const int index = int(m_nodes.size());
    m_nodes.emplace_back();
    if (node == 0 && c < 0x80)
        m_rootAscii[c] = index;
    else
        m_nodes[node].children.emplace_back(c, index);
    return index;
}

// Calls visit(dotPosition, extensionLength, row) for every "." + enabled extension in the text, in text
// order; stops when visit returns false.
template <typename Visit> void EnabledTldMatcher::forEachMatch(QStringView text, Visit &&visit) const
{
    if (isEmpty())
        return;
    const qsizetype size = text.size();
    for (qsizetype dot = text.indexOf(QLatin1Char('.')); dot >= 0; dot = text.indexOf(QLatin1Char('.'), dot + 1)) {
        int node = 0;
        for (qsizetype k = dot + 1; k < size; ++k) {
            node = child(node, foldCase(text[k].unicode()));
            if (node < 0)
                break;
            const int row = m_nodes[node].row;
            if (row >= 0 && !visit(dot, k - dot, row))
                return;
        }
    }
}

bool EnabledTldMatcher::containsEnabledTld(QStringView text) const
{
    bool found = false;
    forEachMatch(text, [&found](qsizetype, qsizetype, int) {
        found = true;
        return false;
    });
    return found;
}

bool EnabledTldMatcher::endsWithEnabledTld(QStringView name) const
{
    bool found = false;
    forEachMatch(name, [&found, size = name.size()](qsizetype dot, qsizetype length, int) {
        found = dot + 1 + length == size;
        return !found;
    });
    return found;
}

qsizetype EnabledTldMatcher::endOfEnabledTld(QStringView text) const
{
    int bestRow = -1;
    qsizetype result = 0;
    forEachMatch(text, [&](qsizetype dot, qsizetype length, int row) {
        // The first occurrence of the row that comes first in the table decides.
        if (bestRow < 0 || row < bestRow) {
            bestRow = row;
            result = dot + 1 + length + 1;
        }
        return bestRow != m_firstRow;
    });
    return result;
}

} // namespace tld
