#pragma once

#include <QString>

namespace sources {

/// The domain of the search site whose own result links are never candidates.
inline const QString searchSiteDomain = QStringLiteral("yahoo.com");
/// The domain of the marketplace whose listings are never candidates.
inline const QString marketplaceDomain = QStringLiteral("afternic.com");

/// True for link lines that cannot name a candidate: the search site's or marketplace's own links,
/// mail addresses ("@") and image hosts ("yimg"), compared without regard to case.
bool isExcludedLink(const QString &line);

/// Cuts a link's host out of what follows "http://": up to and including the first blank, before the
/// first "/", and without its first label when more than three characters follow the first dot.
QString linkHost(const QString &afterScheme);

/// Starts a new line (CR LF) at every link of a page: "=www." and ">www." become "http://www.", every
/// "http://" and "<Frame" (any case) begins a line, with @p breakAtHttps every "https://" too, and with
/// @p removeWordBreaks every "<wbr>" goes. One pass over the text, with the result of replacing each in
/// turn.
QString breakAtLinks(const QString &page, bool removeWordBreaks, bool breakAtHttps = false);

/// Removes the first occurrence of @p part (exact case), if any.
void removeFirst(QString &text, const QString &part);

/// The text after the first @p c (the whole text when there is none).
QString textAfterFirst(const QString &text, QChar c);

/// Keeps the text up to and including the first @p c, if any.
void cutAfterFirst(QString &text, QChar c);

} // namespace sources
