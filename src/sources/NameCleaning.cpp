#include "sources/NameCleaning.h"

#include <array>

namespace sources {

namespace {

// Removed from the name part one after the other, in this order; multi-character tokens first
// where they stand, so "nbsp;" later catches an entity whose "&" was split off by an earlier removal.
const std::array<QString, 42> &removedTokens()
{
    static const std::array<QString, 42> tokens = {
        QStringLiteral("&nbsp;"), QStringLiteral("related:"), QStringLiteral("site:"), QStringLiteral("<b>"),
        QStringLiteral(" "),      QStringLiteral("/"),        QStringLiteral("."),     QStringLiteral("%"),
        QStringLiteral("!"),      QStringLiteral("/"),        QStringLiteral("~"),     QStringLiteral("#"),
        QStringLiteral("'"),      QStringLiteral("\""),       QStringLiteral("$"),     QStringLiteral("%"),
        QStringLiteral("^"),      QStringLiteral("&"),        QStringLiteral("*"),     QStringLiteral("("),
        QStringLiteral(")"),      QStringLiteral("="),        QStringLiteral("\\"),    QStringLiteral("|"),
        QStringLiteral("+"),      QStringLiteral("`"),        QStringLiteral("?"),     QStringLiteral(">"),
        QStringLiteral("<"),      QStringLiteral(","),        QStringLiteral("'"),     QStringLiteral("\""),
        QStringLiteral("."),      QStringLiteral("nbsp;"),    QStringLiteral(";"),     QStringLiteral(":"),
        QString(QChar(0x00AB)),   QString(QChar(0x00B4)),     QString(QChar(0x00AF)),  QString(QChar(0x00BA)),
        QString(QChar(0x00B8)),   QStringLiteral("_"),
    };
    return tokens;
}

// Every token holds at least one of these characters, so a name without any of them is already clean.
bool mayHoldToken(QChar c)
{
    switch (c.unicode()) {
    case '&': case ':': case '<': case ' ': case '/': case '.': case '%': case '!': case '~': case '#':
    case '\'': case '"': case '$': case '^': case '*': case '(': case ')': case '=': case '\\': case '|':
    case '+': case '`': case '?': case '>': case ',': case ';': case '_':
    case 0x00AB: case 0x00B4: case 0x00AF: case 0x00BA: case 0x00B8:
        return true;
    default:
        return false;
    }
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
    QString tail = dot >= 0 ? work.mid(dot) : QString();
    if (std::any_of(name.cbegin(), name.cend(), mayHoldToken)) {
        for (const QString &token : removedTokens())
            name.remove(token);
    }
    QString result = name + tail;
    result.remove(QLatin1Char('?'));
    return result;
}

QString urlUnescape(const QString &text)
{
    struct Escape {
        const char *code;
        char16_t character;
    };
    static constexpr Escape escapes[] = {
        {"%25", '%'}, {"%20", ' '}, {"%3C", '<'}, {"%3E", '>'}, {"%23", '#'},  {"%7B", '{'},
        {"%7D", '}'}, {"%7C", '|'}, {"%5C", '\\'}, {"%5E", '^'}, {"%7E", '~'}, {"%5B", '['},
        {"%5D", ']'}, {"%60", '`'}, {"%3B", ';'}, {"%2F", '/'}, {"%3F", '?'},  {"%3A", ':'},
        {"%40", '@'}, {"%3D", '='}, {"%26", '&'}, {"%24", '$'}, {"%0A", '\n'}, {"%0D", '\r'},
    };
    if (!text.contains(QLatin1Char('%')))
        return text;
    QString result = text;
    for (const Escape &escape : escapes) {
        const QLatin1String code(escape.code);
        while (result.contains(code, Qt::CaseInsensitive))
            result.replace(code, QString(QChar(escape.character)), Qt::CaseInsensitive);
    }
    return result;
}

} // namespace sources
