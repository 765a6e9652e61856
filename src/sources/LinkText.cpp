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
