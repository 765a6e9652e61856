#include "browse/PageNameExtractor.h"

#include "browse/FoundNames.h"
#include "platform/TextCodec.h"

#include <QCoreApplication>

namespace browse {

PageNameExtractor::PageNameExtractor(const tld::EnabledTldMatcher &matcher, FoundNames &session)
    : m_names(matcher), m_session(session)
{}

void PageNameExtractor::read(QStringView html)
{
    m_names.feed(html);
    takeFound();
}

void PageNameExtractor::finish()
{
    m_names.finish();
    takeFound();
}

void PageNameExtractor::takeFound()
{
    for (const QString &frame : m_names.takeFrames()) {
        m_frames.append(frame);
        m_status = QCoreApplication::translate("browse::PageNameExtractor", "Following Frame: %1").arg(frame);
    }
    for (const QString &name : m_names.takeNames()) {
        if (m_session.contains(name))
            continue;
        m_session.add(name);
        m_pageFound += name + platform::crlf;
        ++m_pageFoundCount;
        m_status = QCoreApplication::translate("browse::PageNameExtractor", "Domains Found, Checking Status");
    }
}

} // namespace browse
