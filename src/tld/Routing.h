#pragma once

#include "tld/TldRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <utility>
#include <vector>

namespace tld {

/// Index of the row that serves @p domain, or -1 when no row does (and for names that could smuggle a
/// second line into the query: control characters are refused here, before any socket sees them). The
/// proxy row, when the proxy is on and the table has one, serves every name; otherwise the row of the
/// last label, then (for three labels or more) of the last two. International names are routed by their
/// ASCII form.
int findTldIndex(const TldTable &table, const QString &domain, bool useProxy);

/// True when @p domain can be sent as one query line (no CR, LF, NUL or other control character, and an
/// ASCII form for an international name).
bool isSafeQueryName(const QString &domain);

/// The ASCII form of a domain ("xn--bcher-kva.com" for "bücher.com"); the domain itself when it is ASCII
/// already, empty when it has none.
QString asciiDomain(const QString &domain);

/// The bytes sent to a WHOIS server: the domain in its ASCII form and CR LF.
QByteArray queryText(const QString &domain);

/**
 * Finds "." + extension of the enabled rows (never the proxy row) in text, without regard to case.
 * Built once per table load: the extensions form a tree of characters, so a scan walks from each dot of
 * the text only as far as some extension still fits instead of searching the text once per row.
 */
class EnabledTldMatcher {
public:
    EnabledTldMatcher();
    explicit EnabledTldMatcher(const TldTable &table);

    bool isEmpty() const { return m_firstRow < 0; }

    /// True when "." + an enabled extension occurs anywhere in @p text.
    bool containsEnabledTld(QStringView text) const;

    /// True when @p name ends in "." + an enabled extension.
    bool endsWithEnabledTld(QStringView name) const;

    /// 1-based position just after the first occurrence of the first matching row (table order), or 0.
    /// Works on texts of any length.
    qsizetype endOfEnabledTld(QStringView text) const;

private:
    struct Node {
        int row = -1; ///< first enabled row whose extension ends at this node
        std::vector<std::pair<char16_t, int>> children;
    };

    template <typename Visit> void forEachMatch(QStringView text, Visit &&visit) const;
    int child(int node, char16_t c) const;
    int addChild(int node, char16_t c);

    std::vector<Node> m_nodes;        ///< m_nodes[0] is the root
    std::array<int, 128> m_rootAscii; ///< root children of ASCII characters, -1 for none
    int m_firstRow = -1;              ///< lowest row index any match can have
};

} // namespace tld
