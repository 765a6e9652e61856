#pragma once

#include "tld/TldRecord.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace tld {

/// Index of the row that serves @p domain, or -1 when no row does (and for names that could smuggle a
/// second line into the query: control characters are refused here, before any socket sees them).
int findTldIndex(const TldTable &table, const QString &domain, bool useProxy);

/// True when @p domain can be sent as one query line (no CR, LF, NUL or other control character).
bool isSafeQueryName(const QString &domain);

/// The bytes sent to a WHOIS server: the domain and CR LF.
QByteArray queryText(const QString &domain);

/// Host names reduced to the part a registrant owns, the host unchanged, or an empty text.
QString registrableDomain(const QString &host);

/**
 * Finds "." + extension of the enabled rows (never the proxy row) in text, without regard to case.
 * Built once per table load; a scan visits each dot of the text once instead of searching the text
 * once per row.
 */
class EnabledTldMatcher {
public:
    EnabledTldMatcher() = default;
    explicit EnabledTldMatcher(const TldTable &table);

    bool isEmpty() const { return m_rowOfExtension.isEmpty(); }

    /// True when "." + an enabled extension occurs anywhere in @p text.
    bool containsEnabledTld(QStringView text) const;

    /// 1-based position just after the first occurrence of the first matching row (table order), or 0.
    qsizetype endOfEnabledTld(QStringView text) const;

    /// Inserts line breaks after enabled extensions followed by a blank, "/", quote, apostrophe, ":" or "?".
    QString breakAfterTlds(const QString &text) const;

private:
    template <typename Visit>
    void forEachMatch(QStringView text, Visit &&visit) const;

    QHash<QString, int> m_rowOfExtension; ///< lower-case extension -> first enabled row index
    QStringList m_extensionsInOrder;      ///< enabled extensions in table order, duplicates kept
    int m_maxLength = 0;
};

} // namespace tld
