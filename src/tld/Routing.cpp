#include "tld/Routing.h"

#include <QStringList>

namespace tld {

static int scanFor(const TldTable &table, const QString &key, int &comIndex)
{
    for (int i = 0; i < table.size(); ++i) {
        if (table.at(i).extension == key)
            return i;
        if (table.at(i).extension == QLatin1String("com"))
            comIndex = i;
    }
    return -1;
}

bool isSafeQueryName(const QString &domain)
{
    for (const QChar c : domain) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0) || u == 0x2028 || u == 0x2029)
            return false;
    }
    return true;
}

int findTldIndex(const TldTable &table, const QString &domain, bool useProxy)
{
    if (table.isEmpty() || !isSafeQueryName(domain))
        return -1;
    const QStringList labels = domain.split(QLatin1Char('.'));
    const qsizetype last = labels.size() - 1;
    int comIndex = 0;
    const QString key = useProxy ? proxyExtension : labels.at(last).toLower();
    const int first = scanFor(table, key, comIndex);
    if (first >= 0)
        return first;
    if (last <= 1)
        return comIndex;
    const QString twoLabels = (labels.at(last - 1) + QLatin1Char('.') + labels.at(last)).toLower();
    return scanFor(table, twoLabels, comIndex);
}

QByteArray queryText(const QString &domain)
{
    return domain.toUtf8() + "\r\n";
}

QString registrableDomain(const QString &host)
{
    if (!host.contains(QLatin1Char('.')))
        return host;
    const QStringList labels = host.split(QLatin1Char('.'));
    const qsizetype n = labels.size();
    if (n < 3)
        return host;
    static const QStringList generic = {QStringLiteral("com"),  QStringLiteral("org"),  QStringLiteral("info"),
                                        QStringLiteral("name"), QStringLiteral("biz"),  QStringLiteral("coop"),
                                        QStringLiteral("edu"),  QStringLiteral("aero")};
    const QString &lastLabel = labels.at(n - 1);
    const QString lastTwo = labels.at(n - 2) + QLatin1Char('.') + lastLabel;
    if (generic.contains(lastLabel))
        return lastTwo;
    if (labels.at(n - 2) == QLatin1String("co"))
        return labels.at(n - 3) + QLatin1Char('.') + lastTwo;
    if (lastLabel == QLatin1String("us"))
        return lastTwo;
    return QString();
}

EnabledTldMatcher::EnabledTldMatcher(const TldTable &table)
{
    for (int i = 0; i < table.size(); ++i) {
        const TldRecord &row = table.at(i);
        if (!row.enabled || row.extension == proxyExtension || row.extension.isEmpty())
            continue;
        m_extensionsInOrder.append(row.extension);
        if (!m_rowOfExtension.contains(row.extension))
            m_rowOfExtension.insert(row.extension, i);
        m_maxLength = std::max(m_maxLength, int(row.extension.size()));
    }
}

// Calls visit(dotPosition, extension, row) for every "." + enabled extension in the text.
template <typename Visit>
void EnabledTldMatcher::forEachMatch(QStringView text, Visit &&visit) const
{
    QString candidate;
    candidate.reserve(m_maxLength);
    const qsizetype size = text.size();
    for (qsizetype dot = text.indexOf(QLatin1Char('.')); dot >= 0; dot = text.indexOf(QLatin1Char('.'), dot + 1)) {
        candidate.clear();
        for (qsizetype k = dot + 1; k < size && candidate.size() < m_maxLength; ++k) {
            candidate.append(text.at(k).toLower());
            const auto found = m_rowOfExtension.constFind(candidate);
            if (found != m_rowOfExtension.constEnd() && !visit(dot, found.key(), found.value()))
                return;
        }
    }
}

bool EnabledTldMatcher::containsEnabledTld(QStringView text) const
{
    bool found = false;
    forEachMatch(text, [&found](qsizetype, const QString &, int) {
        found = true;
        return false;
    });
    return found;
}

qsizetype EnabledTldMatcher::endOfEnabledTld(QStringView text) const
{
    int bestRow = -1;
    qsizetype result = 0;
    forEachMatch(text, [&](qsizetype dot, const QString &extension, int row) {
        // The first occurrence of the row that comes first in the table decides.
        if (bestRow < 0 || row < bestRow) {
            bestRow = row;
            result = dot + 1 + extension.size() + 1;
        }
        return true;
    });
    return result;
}

QString EnabledTldMatcher::breakAfterTlds(const QString &text) const
{
    static const QString followers[] = {QStringLiteral(" "), QStringLiteral("/"), QStringLiteral("\""),
                                        QStringLiteral("'"), QStringLiteral(":"), QStringLiteral("?")};
    static const QString comQuote = QStringLiteral(".com\"");
    static const QString comQuoteBreak = QStringLiteral(".com\"\r\n");
    QString result = text;
    for (const QString &extension : m_extensionsInOrder) {
        for (const QString &follower : followers)
            result.replace(extension + follower, extension + follower + QStringLiteral("\r\n"));
        result.replace(comQuote, comQuoteBreak);
    }
    return result;
}

} // namespace tld
