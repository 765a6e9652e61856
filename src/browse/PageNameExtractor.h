#pragma once

#include "sources/PageNames.h"

#include <QString>
#include <QStringList>

namespace browse {

class FoundNames;

/**
 * The names one page gives the browse window: every domain name on the page (in its text and its
 * links) that the window has not queued since it opened or since its Unregistered list was cleared,
 * and the frames to follow. The page is read in pieces, so that a caller can scan a large page in
 * slices.
 */
class PageNameExtractor {
public:
    PageNameExtractor(const tld::EnabledTldMatcher &matcher, FoundNames &session);

    /// Reads the next piece of the page.
    void read(QStringView html);
    /// The page ended.
    void finish();

    /// Names accepted from this page, each followed by CR LF.
    QString pageFound() const { return m_pageFound; }
    int pageFoundCount() const { return m_pageFoundCount; }
    /// Frame sources met on this page, in order, as the page wrote them.
    QStringList framesToFollow() const { return m_frames; }
    /// The last status text the scan produced (empty until it produced one).
    QString status() const { return m_status; }

private:
    void takeFound();

    sources::PageNames m_names;
    FoundNames &m_session;
    QString m_pageFound;
    int m_pageFoundCount = 0;
    QStringList m_frames;
    QString m_status;
};

} // namespace browse
