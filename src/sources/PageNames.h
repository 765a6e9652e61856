#pragma once

#include "sources/HtmlText.h"

#include <QSet>
#include <QStringList>

namespace tld {
class EnabledTldMatcher;
}

namespace sources {

/**
 * Every domain name on a page, and nothing else: names are looked for in the visible text and in the
 * link targets, wherever punctuation, blanks or markup separate them (commas, semicolons, brackets,
 * quotes, cells, line ends; a scheme's "://" too, so no scheme is ever part of a name). Each candidate
 * goes through the domain rule, which folds its case and cuts a host ("www.", "shop.") down to its
 * registrable domain; it is kept when that domain ends in a suffix the public suffix list names and in
 * an extension the TLD table has enabled.
 *
 * The page may come in pieces of any size. Each name is given once per page, in page order.
 */
class PageNames {
public:
    explicit PageNames(const tld::EnabledTldMatcher &matcher);

    void feed(QStringView html);
    /// The page ended.
    void finish();

    /// Names found since the last call.
    QStringList takeNames();
    /// Frame sources met since the last call, as the page wrote them.
    QStringList takeFrames() { return m_html.takeFrames(); }

    /// The registrable domain @p candidate (a text without separators) names, or an empty text.
    QString nameOf(QStringView candidate) const;

private:
    /// Reads what the page reader took in, links where they stood in the text.
    void readTaken(bool complete);
    /// Goes on with @p candidate, the unfinished one of the text before, through @p text.
    void scan(QStringView text, QString &candidate, bool complete);
    void readLink(const QString &target);
    void consider(QStringView candidate);

    const tld::EnabledTldMatcher &m_matcher;
    HtmlText m_html;
    QString m_pending; ///< the unfinished candidate at the end of the text read so far
    QSet<QString> m_seen;
    QStringList m_names;
};

} // namespace sources
