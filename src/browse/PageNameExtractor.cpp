#include "browse/PageNameExtractor.h"

#include "browse/FoundNames.h"
#include "platform/TextCodec.h"
#include "sources/LinkText.h"
#include "tld/NameCleaning.h"
#include "tld/Routing.h"

namespace browse {

namespace {

const QString http = QStringLiteral("http://");

bool startsHttp(const QString &text, qsizetype at)
{
    return QStringView(text).mid(at, http.size()).compare(http, Qt::CaseInsensitive) == 0;
}

bool isDelimiter(QChar c)
{
    return c == QLatin1Char('\'') || c == QLatin1Char('=') || c == QLatin1Char('<') || c == QLatin1Char('"') ||
           c == QLatin1Char('>') || c == QLatin1Char(' ');
}

// The first part of a frame line: up to a ">" that comes before any blank, else up to and including
// the first blank, else the whole line.
QString framePart(const QString &line)
{
    const qsizetype gt = line.indexOf(QLatin1Char('>'));
    const qsizetype blank = line.indexOf(QLatin1Char(' '));
    if (gt >= 0 && (blank < 0 || gt < blank))
        return line.left(gt + 1);
    return blank >= 0 ? line.left(blank + 1) : line;
}

} // namespace

QStringList preparePageLines(const QString &html, const tld::EnabledTldMatcher &matcher)
{
    return platform::splitListLines(matcher.breakAfterTlds(sources::breakAtLinks(html, true)) + platform::crlf);
}

PageNameExtractor::PageNameExtractor(const tld::EnabledTldMatcher &matcher, FoundNames &session)
    : m_matcher(matcher), m_session(session)
{}

qsizetype PageNameExtractor::scanLine(const QStringList &lines, qsizetype index)
{
    const QString line = tld::urlUnescape(lines.at(index));
    if (m_followingFrame)
        return followFrame(line, index + 1 < lines.size() ? lines.at(index + 1) : QString()) ? index + 2 : index + 1;
    if (line.contains(QLatin1String("<Frame"), Qt::CaseInsensitive) &&
        line.contains(QLatin1String("src="), Qt::CaseInsensitive)) {
        m_followingFrame = true;
        return index + 1;
    }
    if (!m_matcher.containsEnabledTld(line))
        return index + 1;
    if (startsHttp(line, 0) && !sources::isExcludedLink(line))
        accept(linkLineRule(line), true);
    else
        accept(embeddedNameRule(line), false);
    return index + 1;
}

void PageNameExtractor::setCandidateExtension(const QString &line)
{
    if (line.contains(QLatin1Char('.')))
        m_candidateExtension = sources::textAfterFirst(line, QLatin1Char('.'));
    if (line.contains(QLatin1Char('=')))
        m_candidateExtension = sources::textAfterFirst(line, QLatin1Char('='));
}

QString PageNameExtractor::linkLineRule(QString line)
{
    sources::removeFirst(line, http);
    line = sources::linkHost(line);
    setCandidateExtension(line);
    if (line.contains(QLatin1Char('@')))
        m_candidateExtension = sources::textAfterFirst(line, QLatin1Char('@'));
    sources::cutAfterFirst(line, QLatin1Char(':'));
    return line;
}

QString PageNameExtractor::embeddedNameRule(const QString &line)
{
    // Walk left from the end of the extension to the nearest delimiter; the name lies between.
    const qsizetype end = m_matcher.endOfEnabledTld(line) - 1; // index just after the extension
    qsizetype start = std::max<qsizetype>(end - 5, 0);
    bool found = false;
    for (qsizetype i = start; i < end && !found; ++i)
        found = isDelimiter(line.at(i)) || (startsHttp(line, i) && i + http.size() <= end);
    while (!found && start > 0) {
        --start;
        found = isDelimiter(line.at(start)) || (startsHttp(line, start) && start + http.size() <= end);
    }
    // The delimiter itself is not part of the name; a name that begins the line keeps its first letter.
    const qsizetype from = found || start > 0 ? start + 1 : 0;
    QString name = line.mid(from, end - from);
    for (const char *scheme : {"http://", "ttp://", "tp://", "p://", "://"})
        sources::removeFirst(name, QLatin1String(scheme));
    name = sources::linkHost(name);
    setCandidateExtension(name);
    if (name.contains(QLatin1Char('@')))
        name = sources::textAfterFirst(name, QLatin1Char('@'));
    if (name.contains(QLatin1Char(':')))
        name = sources::textAfterFirst(name, QLatin1Char(':'));
    return name;
}

void PageNameExtractor::accept(const QString &candidate, bool fromLink)
{
    if (!m_matcher.containsEnabledTld(QLatin1Char('.') + m_candidateExtension))
        return;
    QString name = tld::correctName(tld::registrableDomain(candidate));
    name.remove(QLatin1Char('\''));
    name.remove(QLatin1Char('"'));
    // A candidate cut down to nothing of its extension ("http%6A//www.found.com" gives "http6A") names no domain.
    if (!m_matcher.containsEnabledTld(name) || m_session.contains(name) || name.contains(QLatin1Char('<')) ||
        name.contains(QLatin1Char('>')) || name == QLatin1String("ttp:.com") || name == QLatin1String(" ttp:.com") ||
        name.contains(QLatin1String("mailto:"), Qt::CaseInsensitive) ||
        (fromLink && name.contains(QLatin1String("targetblank"), Qt::CaseInsensitive)))
        return;
    // Kept without the blank a link may end in: "example.net " would be routed by its last label "net ".
    name = name.trimmed();
    m_session.add(name);
    m_pageFound += name + platform::crlf;
    ++m_pageFoundCount;
    m_status = QStringLiteral("Domains Found, Checking Status");
}

bool PageNameExtractor::followFrame(const QString &line, const QString &next)
{
    // The address goes on in the next line only where the line was broken inside it (after an
    // extension and "/"); an address that ends on its own line is not glued to the next line's text.
    QString address = framePart(line);
    const bool continues = !address.endsWith(QLatin1Char('>')) && !address.endsWith(QLatin1Char(' '));
    if (continues)
        address += framePart(next);
    for (const char *part : {"\"", ">", "<", "http://", "ttp://", "tp://", "p://", "://"})
        address.remove(QLatin1String(part));
    m_status = QStringLiteral("Following Frame: ") + address;
    m_frames.append(address);
    m_followingFrame = false;
    return continues;
}

} // namespace browse
