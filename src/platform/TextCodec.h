#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

/// Bytes from a file, a page or a WHOIS server as text: UTF-8 where the bytes are valid UTF-8,
/// otherwise Latin-1, so every byte keeps a character and a phrase still matches around stray bytes.
QString decodeText(const QByteArray &bytes);

/// Text as written to the program's files.
QByteArray encodeText(const QString &text);

/// Splits text into lines the way list files are read: a line ends at CR LF or at a lone CR; a lone LF
/// stays inside the line. A final line without a line end is returned too.
QStringList splitListLines(const QString &text);

/// Splits at CR LF, lone CR and lone LF alike (for files where any line end is accepted).
QStringList splitAnyLines(const QString &text);

inline const QString crlf = QStringLiteral("\r\n");

} // namespace platform
