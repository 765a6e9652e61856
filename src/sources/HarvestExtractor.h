#pragma once

#include <QSet>
#include <QString>

namespace tld {
class EnabledTldMatcher;
}

namespace sources {

/**
 * Cuts domain names out of search result pages and keeps the new ones. A page is broken into lines
 * that start at each "http://" or "https://" and end right after an enabled extension; each such line
 * that names a host of an enabled TLD gives its registrable domain.
 */
class HarvestExtractor {
public:
    /// @p matcher stays owned by the TLD registry; a reloaded table is used from the next page on.
    explicit HarvestExtractor(const tld::EnabledTldMatcher &matcher);

    /// The page text broken into candidate lines (line ends are CR LF).
    QString prepareText(const QString &page) const;

    /// The name a line yields, or an empty text. @p tldPart carries over from line to line of a page.
    QString candidateName(const QString &line, QString &tldPart) const;

    /// Extracts the page's names and keeps the new ones; returns how many were new.
    int extractFromPage(const QString &page);

    /// Keeps @p name unless it is already kept (whole names, without regard to case) or unfit.
    bool accept(const QString &candidate);

    /// Forgets every kept name.
    void reset();

    int uniqueCount() const { return m_uniqueCount; }
    /// The kept names, each followed by CR LF, tidied for the list file.
    QString finishedList() const;

private:
    const tld::EnabledTldMatcher &m_matcher;
    QString m_harvestList;
    QSet<QString> m_seen;
    int m_uniqueCount = 0;
};

} // namespace sources
