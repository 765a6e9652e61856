#include "sources/LinkText.h"

#include <QStringList>

namespace sources {

bool isExcludedLink(const QString &line)
{
    static const QStringList words = {searchSiteDomain, QStringLiteral("@"), QStringLiteral("yimg"), marketplaceDomain};
    for (const QString &word : words) {
        if (line.contains(word, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString linkHost(const QString &afterScheme)
{
    QString host = afterScheme;
    cutAfterFirst(host, QLatin1Char(' '));
    if (const qsizetype slash = host.indexOf(QLatin1Char('/')); slash >= 0)
        host.truncate(slash);
    // Drops "www." or another first label; a bare "example.com" keeps its name.
    if (const qsizetype dot = host.indexOf(QLatin1Char('.')); dot >= 0 && host.size() - dot - 1 > 3)
        host.remove(0, dot + 1);
    return host;
}

static bool startsWithAt(QStringView text, qsizetype at, QLatin1String part)
{
    return text.mid(at, part.size()).compare(part, Qt::CaseInsensitive) == 0;
}

QString breakAtLinks(const QString &page, bool removeWordBreaks, bool breakAtHttps)
{
    static const QLatin1String www("www."), http("http://"), https("https://"), frame("<frame"), wordBreak("<wbr>");
    const QStringView view(page);
    QString result;
    result.reserve(page.size() + page.size() / 16);
    qsizetype copied = 0;
    auto replace = [&](qsizetype at, qsizetype length, QLatin1String with) {
        result.append(view.mid(copied, at - copied));
        result.append(with);
        copied = at + length;
    };
    for (qsizetype i = 0; i < view.size(); ++i) {
        const char16_t c = view.at(i).unicode();
        if ((c == '=' || c == '>') && startsWithAt(view, i + 1, www)) {
            replace(i, 1 + www.size(), QLatin1String("\r\nhttp://www."));
            i += www.size();
        } else if ((c == 'h' || c == 'H') && startsWithAt(view, i, http)) {
            replace(i, http.size(), QLatin1String("\r\nhttp://"));
            i += http.size() - 1;
        } else if ((c == 'h' || c == 'H') && breakAtHttps && startsWithAt(view, i, https)) {
            replace(i, https.size(), QLatin1String("\r\nhttps://"));
            i += https.size() - 1;
        } else if (c == '<' && startsWithAt(view, i, frame)) {
            replace(i, frame.size(), QLatin1String("\r\n<Frame"));
            i += frame.size() - 1;
        } else if (c == '<' && removeWordBreaks && startsWithAt(view, i, wordBreak)) {
            replace(i, wordBreak.size(), QLatin1String(""));
            i += wordBreak.size() - 1;
        }
    }
    result.append(view.mid(copied));
    return result;
}

void removeFirst(QString &text, const QString &part)
{
    const qsizetype at = text.indexOf(part);
    if (at >= 0)
        text.remove(at, part.size());
}

QString textAfterFirst(const QString &text, QChar c)
{
    return text.mid(text.indexOf(c) + 1);
}

void cutAfterFirst(QString &text, QChar c)
{
    if (const qsizetype at = text.indexOf(c); at >= 0)
        text.truncate(at + 1);
}

} // namespace sources
