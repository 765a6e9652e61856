#pragma once

#include <QString>

namespace sources {

enum class SearchEngine { Yahoo, Google };

/// Hosts of the engines' web search services, in one place. Tests point them at a local server
/// ("127.0.0.1:<port>", scheme "http") before a harvest starts.
struct SearchHosts {
    QString scheme = QStringLiteral("https");
    QString yahoo = QStringLiteral("search.yahoo.com");
    QString google = QStringLiteral("www.google.com");
};

SearchHosts &searchHosts();

/// What one harvest looks for, as the main window's search panel says it.
struct HarvestRequest {
    SearchEngine engine = SearchEngine::Google;
    QString searchString; ///< as typed
    int resultTarget = 100;

    /// From the source list text, the search string and the result-count index (-1 for none).
    static HarvestRequest fromSearchPanel(const QString &sourceText, const QString &searchText, int countIndex);
};

QString engineName(SearchEngine engine);
/// How far the result position moves from one page to the next: the results one page shows.
int pageStep(SearchEngine engine);
/// The query put into the address: blanks become "+", every other character but letters, digits and
/// "-._~" is percent-encoded (UTF-8), so "&", "#" or "+" in the search stay part of it.
QString searchQuery(const QString &searchString);
/// The address of the result page whose first result has the 1-based @p resultPosition.
QString pageAddress(SearchEngine engine, const QString &query, int resultPosition);

/// File name of a harvest's archive copy: the engine's name, the search string and ".txt", with every
/// character that could leave the folder or upset a file system replaced, and short enough for one.
QString archiveFileName(SearchEngine engine, const QString &searchString);

} // namespace sources
