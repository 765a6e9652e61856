#include "sources/SearchEngines.h"

#include "platform/TextCodec.h"

#include <QStringList>
#include <QUrl>

namespace sources {

namespace {

constexpr qsizetype maxFileNameBytes = 255;

bool unsafeInFileName(QChar c)
{
    static const QString reserved = QStringLiteral("/\\:*?\"<>|");
    return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format || reserved.contains(c);
}

} // namespace

SearchHosts &searchHosts()
{
    static SearchHosts hosts;
    return hosts;
}

HarvestRequest HarvestRequest::fromSearchPanel(const QString &sourceText, const QString &searchText, int countIndex)
{
    static constexpr int targets[] = {100, 200, 500, 1000};
    HarvestRequest request;
    request.engine = sourceText == QLatin1String("Yahoo Search") ? SearchEngine::Yahoo : SearchEngine::Google;
    request.searchString = searchText;
    request.resultTarget = countIndex >= 0 && countIndex < 4 ? targets[countIndex] : targets[0];
    return request;
}

QString engineName(SearchEngine engine)
{
    return engine == SearchEngine::Yahoo ? QStringLiteral("Yahoo") : QStringLiteral("Google");
}

int pageStep(SearchEngine engine)
{
    Q_UNUSED(engine)
    // Both engines show ten results a page; a longer step would pass over results between pages.
    return 10;
}

QString searchQuery(const QString &searchString)
{
    QStringList words = searchString.split(QLatin1Char(' '));
    for (QString &word : words)
        word = QString::fromLatin1(QUrl::toPercentEncoding(word));
    return words.join(QLatin1Char('+'));
}

QString pageAddress(SearchEngine engine, const QString &query, int resultPosition)
{
    const QString base = searchHosts().scheme + QStringLiteral("://");
    if (engine == SearchEngine::Yahoo) {
        return base + searchHosts().yahoo + QStringLiteral("/search?p=") + query + QStringLiteral("&b=") +
               QString::number(resultPosition);
    }
    return base + searchHosts().google + QStringLiteral("/search?q=") + query + QStringLiteral("&start=") +
           QString::number(resultPosition - 1) + QStringLiteral("&hl=en&filter=0&safe=off");
}

QString archiveFileName(SearchEngine engine, const QString &searchString)
{
    QString search;
    search.reserve(searchString.size());
    for (const QChar c : searchString)
        search += unsafeInFileName(c) ? QLatin1Char('_') : c;
    while (search.contains(QLatin1String("..")))
        search.replace(QLatin1String(".."), QLatin1String("._"));
    const QString prefix = engineName(engine) + QLatin1Char(' ');
    const QString suffix = QStringLiteral(".txt");
    const qsizetype room = maxFileNameBytes - prefix.size() - suffix.size();
    if (search.size() > room)
        search.truncate(room);
    if (!search.isEmpty() && search.back().isHighSurrogate())
        search.chop(1);
    while (platform::encodeText(search).size() > room)
        search.chop(search.size() > 1 && search.at(search.size() - 1).isLowSurrogate() ? 2 : 1);
    return prefix + search + suffix;
}

} // namespace sources
