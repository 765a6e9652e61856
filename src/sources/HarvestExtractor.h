#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace tld {
class EnabledTldMatcher;
}

namespace sources {

/**
 * Takes the domain names of search result pages, by the rule every page is read with (PageNames), and
 * keeps the new ones. The search site's own names and the marketplace's are never kept.
 */
class HarvestExtractor {
public:
    /// @p matcher stays owned by the TLD registry; a reloaded table is used from the next page on.
    explicit HarvestExtractor(const tld::EnabledTldMatcher &matcher);

    /// Domains never kept besides the search site's and the marketplace's: the engine's own.
    void setEngineDomains(const QStringList &domains) { m_engineDomains = domains; }

    /// Extracts the page's names and keeps the new ones; returns how many were new.
    int extractFromPage(const QString &page);

    /// Keeps @p name unless it is already kept (whole names, without regard to case) or excluded.
    bool accept(const QString &name);

    /// Forgets every kept name.
    void reset();

    int uniqueCount() const { return m_uniqueCount; }
    /// The kept names, each followed by CR LF.
    QString finishedList() const { return m_harvestList; }

private:
    bool isExcluded(const QString &name) const;

    const tld::EnabledTldMatcher &m_matcher;
    QStringList m_engineDomains;
    QString m_harvestList;
    QSet<QString> m_seen;
    int m_uniqueCount = 0;
};

} // namespace sources
