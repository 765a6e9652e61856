#pragma once

#include <QString>

namespace tld {

/// Turns a raw candidate (a list word, a name cut from a page) into a name that can be queried: the part
/// before the first "." loses punctuation and markup; the part from the first "." on is kept as it is
/// (only "?" is removed everywhere).
QString correctName(const QString &text);

/// Replaces a fixed set of percent escapes by their characters ("%25" first, repeated while present).
QString urlUnescape(const QString &text);

} // namespace tld
