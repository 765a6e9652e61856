#include "tld/NameCleaning.h"

#include <algorithm>
#include <string_view>

namespace tld {

namespace {

// The removal list is, in order: "&nbsp;", "related:", "site:", "<b>", then single characters up to a
// second ".", then "nbsp;", then more single characters. Removing single characters in a row gives the
// same text in any order, so each run of them is one pass; the multi-character tokens keep their place,
// which lets "nbsp;" catch an entity whose "&" was split off by a removed blank.
constexpr std::u16string_view firstRun = u" /.%!~#'\"$^&*()=\\|+`?><,";
constexpr std::u16string_view lastRun = u";:\u00AB\u00B4\u00AF\u00BA\u00B8_";

bool inFirstRun(char16_t c)
{
    return firstRun.find(c) != std::u16string_view::npos;
}

bool inLastRun(char16_t c)
{
    return lastRun.find(c) != std::u16string_view::npos;
}

bool mayHoldToken(QChar c)
{
    return inFirstRun(c.unicode()) || inLastRun(c.unicode());
}

void removeWhere(QString &text, bool (*removed)(char16_t))
{
    text.removeIf([removed](QChar c) { return removed(c.unicode()); });
}

QString trimBlanks(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start) == QLatin1Char(' '))
        ++start;
    while (end > start && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

} // namespace

QString correctName(const QString &text)
{
    QString work = text;
    const qsizetype paren = work.indexOf(QLatin1Char('('));
    if (paren >= 0)
        work = trimBlanks(work.left(paren));
    const qsizetype dot = work.indexOf(QLatin1Char('.'));
    QString name = dot >= 0 ? work.left(dot) : work;
    // Every token holds at least one of the listed characters, so a name without any is already clean.
    if (std::any_of(name.cbegin(), name.cend(), mayHoldToken)) {
        name.remove(QStringLiteral("&nbsp;"));
        name.remove(QStringLiteral("related:"));
        name.remove(QStringLiteral("site:"));
        name.remove(QStringLiteral("<b>"));
        removeWhere(name, inFirstRun);
        name.remove(QStringLiteral("nbsp;"));
        removeWhere(name, inLastRun);
    }
    if (dot >= 0)
        name += QStringView(work).mid(dot);
    name.remove(QLatin1Char('?'));
    return name;
}

namespace {

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// The escapes that are decoded, as the pairs escape value, character; all others stay.
constexpr std::u16string_view decodedEscapes = u"\x20 \x3C<\x3E>\x23#\x7B{\x7D}\x7C|\x5C\\\x5E^\x7E~\x5B[\x5D]"
                                               u"\x60`\x3B;\x2F/\x3F?\x3A:\x40@\x3D=\x26&\x24$\x0A\n\x0D\r";

char16_t unescaped(int value)
{
    for (std::size_t i = 0; i < decodedEscapes.size(); i += 2) {
        if (decodedEscapes[i] == value)
            return decodedEscapes[i + 1];
    }
    return 0;
}

} // namespace

QString urlUnescape(const QString &text)
{
    if (!text.contains(QLatin1Char('%')))
        return text;
    // "%25" is undone until none is left: collapsing it wherever the text built so far ends in "%25"
    // reaches the same end, because "%25" cannot overlap itself.
    QString collapsed;
    collapsed.reserve(text.size());
    for (const QChar c : text) {
        collapsed.append(c);
        const qsizetype n = collapsed.size();
        if (c == QLatin1Char('5') && n >= 3 && collapsed.at(n - 2) == QLatin1Char('2') &&
            collapsed.at(n - 3) == QLatin1Char('%'))
            collapsed.chop(2);
    }
    // The other escapes neither overlap nor decode to "%" or a hex digit, so one pass over the rows'
    // escapes equals replacing them row by row.
    QString result;
    result.reserve(collapsed.size());
    const qsizetype size = collapsed.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = collapsed.at(i);
        if (c == QLatin1Char('%') && i + 2 < size) {
            const int high = hexValue(collapsed.at(i + 1));
            const int low = hexValue(collapsed.at(i + 2));
            const char16_t decoded = high >= 0 && low >= 0 ? unescaped(high * 16 + low) : 0;
            if (decoded != 0) {
                result.append(QChar(decoded));
                i += 2;
                continue;
            }
        }
        result.append(c);
    }
    return result;
}

} // namespace tld
