#pragma once

#include <QString>
#include <QStringList>

namespace tld {
class EnabledTldMatcher;
}

namespace browse {

class FoundNames;

/// Text of a page body broken into lines that start at each link and end right after each enabled
/// extension (the lines end at CR or CR LF; a lone LF stays inside a line).
QStringList preparePageLines(const QString &html, const tld::EnabledTldMatcher &matcher);

/**
 * Walks the lines of one page and picks out domain names of enabled extensions: links by the link rule,
 * other lines by the name embedded around the extension, and frame sources to follow. Lines are fed one
 * at a time so that a caller can scan a large page in slices.
 */
class PageNameExtractor {
public:
    PageNameExtractor(const tld::EnabledTldMatcher &matcher, FoundNames &session);

    /// Scans line @p index of @p lines (a frame step also consumes the line after it) and returns the
    /// index of the next line to scan.
    qsizetype scanLine(const QStringList &lines, qsizetype index);

    /// Names accepted from this page, each followed by CR LF.
    QString pageFound() const { return m_pageFound; }
    int pageFoundCount() const { return m_pageFoundCount; }
    /// Frame sources met on this page, in order.
    QStringList framesToFollow() const { return m_frames; }
    /// The last status text the scan produced (empty until it produced one).
    QString status() const { return m_status; }
    const tld::EnabledTldMatcher &matcher() const { return m_matcher; }

    /// The candidate a link line gives before acceptance (empty when the line is no candidate).
    QString linkLineRule(QString line);
    /// The candidate embedded in a line that holds an enabled extension.
    QString embeddedNameRule(const QString &line);

private:
    void accept(const QString &candidate, bool fromLink);
    /// Takes the frame address from @p line (and @p next when it continues there); true when @p next was used.
    bool followFrame(const QString &line, const QString &next);
    void setCandidateExtension(const QString &line);

    const tld::EnabledTldMatcher &m_matcher;
    FoundNames &m_session;
    bool m_followingFrame = false;
    QString m_candidateExtension;
    QString m_pageFound;
    int m_pageFoundCount = 0;
    QStringList m_frames;
    QString m_status;
};

} // namespace browse
