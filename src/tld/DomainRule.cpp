#include "tld/DomainRule.h"

#include "tld/NameCleaning.h"
#include "tld/PublicSuffixes.h"

#include <QCoreApplication>
#include <QUrl>

#include <iterator>

namespace tld {

namespace {

constexpr qsizetype longestLabel = 63;
constexpr qsizetype longestName = 253;

// In the order of NameProblem.
const char *const problemTexts[] = {
    "",
    QT_TRANSLATE_NOOP("tld::NameProblem", "no name in the entry"),
    QT_TRANSLATE_NOOP("tld::NameProblem", "a character a domain name cannot hold"),
    QT_TRANSLATE_NOOP("tld::NameProblem", "empty label"),
    QT_TRANSLATE_NOOP("tld::NameProblem", "label longer than 63 characters"),
    QT_TRANSLATE_NOOP("tld::NameProblem", "name longer than 253 characters"),
    QT_TRANSLATE_NOOP("tld::NameProblem", "label that starts or ends with a hyphen"),
    QT_TRANSLATE_NOOP("tld::NameProblem", "\"--\" in the third and fourth place of a label that is not xn--"),
    QT_TRANSLATE_NOOP("tld::NameProblem", "xn-- label that is not valid punycode"),
    QT_TRANSLATE_NOOP("tld::NameProblem", "international name without a valid ASCII form"),
    QT_TRANSLATE_NOOP("tld::NameProblem", "an address, not a name"),
    QT_TRANSLATE_NOOP("tld::NameProblem", "a public suffix, not a registrable name"),
    QT_TRANSLATE_NOOP("tld::NameProblem", "no top-level domain"),
};
static_assert(std::size(problemTexts) == size_t(NameProblem::NoTld) + 1);

bool isAsciiLetter(char16_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char16_t c)
{
    return c >= '0' && c <= '9';
}

bool allDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return isDigit(c.unicode()); });
}

bool isScheme(QStringView text)
{
    if (text.isEmpty() || !isAsciiLetter(text.front().unicode()))
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return isAsciiLetter(u) || isDigit(u) || u == '+' || u == '-' || u == '.';
    });
}

bool isBlankOrTab(char16_t c)
{
    return c == ' ' || c == '\t';
}

QStringView trimmedView(QStringView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start].isSpace())
        ++start;
    while (end > start && text[end - 1].isSpace())
        --end;
    return text.mid(start, end - start);
}

// The host of a text that reads as an address; a text that does not stays as it is.
QStringView hostPart(QStringView text)
{
    bool address = false;
    if (const qsizetype scheme = text.indexOf(u"://"); scheme > 0 && isScheme(text.left(scheme))) {
        text = text.mid(scheme + 3);
        address = true;
    } else if (text.startsWith(u"//")) {
        text = text.mid(2);
        address = true;
    }
    // A path, query or fragment follows a host; "AC/DC" is a word with a slash in it.
    qsizetype end = 0;
    while (end < text.size() && text[end] != u'/' && text[end] != u'?' && text[end] != u'#')
        ++end;
    if (end < text.size() && (address || text.left(end).contains(u'.')))
        text = text.left(end);
    if (const qsizetype at = text.lastIndexOf(u'@'); at >= 0 && (address || text.mid(at + 1).contains(u'.')))
        text = text.mid(at + 1);
    // A port goes, and so does a prefix such as "site:" or "mailto:".
    if (const qsizetype colon = text.lastIndexOf(u':'); colon >= 0 && allDigits(text.mid(colon + 1)))
        text = text.left(colon);
    if (const qsizetype colon = text.lastIndexOf(u':'); colon >= 0)
        text = text.mid(colon + 1);
    return text;
}

// Lower-cases ASCII letters in place; false when the text holds anything beyond ASCII.
bool lowerAscii(QString &text)
{
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x80)
            return false;
        if (u >= 'A' && u <= 'Z')
            c = QChar(char16_t(u + ('a' - 'A')));
    }
    return true;
}

bool isLetterDigitHyphen(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

// International labels hold letters, marks, digits and hyphens; punctuation and symbols were ruled out
// for names in 2008, and registries refuse them (Qt's mapping still lets some through).
bool isNameCharacter(QChar c)
{
    if (c == u'-')
        return true;
    switch (c.category()) {
    case QChar::Letter_Lowercase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Uppercase:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Number_DecimalDigit:
        return true;
    default:
        return false;
    }
}

NameProblem checkPunycode(QByteArrayView label)
{
    const QByteArray ace = label.toByteArray();
    const QString decoded = QUrl::fromAce(ace, QUrl::IgnoreIDNWhitelist);
    // Qt hands back what it cannot decode unchanged.
    if (decoded == QLatin1String(ace) || QUrl::toAce(decoded, QUrl::IgnoreIDNWhitelist) != ace)
        return NameProblem::BadPunycode;
    return std::all_of(decoded.begin(), decoded.end(), isNameCharacter) ? NameProblem::None : NameProblem::BadCharacter;
}

NameProblem checkLabel(QByteArrayView label)
{
    if (label.isEmpty())
        return NameProblem::EmptyLabel;
    if (label.size() > longestLabel)
        return NameProblem::LabelTooLong;
    if (!std::all_of(label.begin(), label.end(), isLetterDigitHyphen))
        return NameProblem::BadCharacter;
    if (label.front() == '-' || label.back() == '-')
        return NameProblem::HyphenAtLabelEdge;
    if (label.size() >= 4 && label[2] == '-' && label[3] == '-') {
        if (!label.startsWith("xn"))
            return NameProblem::HyphensInThirdPlace;
        return checkPunycode(label);
    }
    return NameProblem::None;
}

NameProblem checkLabels(QByteArrayView ascii)
{
    qsizetype start = 0;
    for (;;) {
        const qsizetype dot = ascii.indexOf('.', start);
        const QByteArrayView label = ascii.sliced(start, (dot < 0 ? ascii.size() : dot) - start);
        if (const NameProblem problem = checkLabel(label); problem != NameProblem::None)
            return problem;
        if (dot < 0)
            break;
        start = dot + 1;
    }
    if (ascii.size() > longestName)
        return NameProblem::NameTooLong;
    const QByteArrayView last = ascii.sliced(start);
    if (std::all_of(last.begin(), last.end(), [](char c) { return isDigit(char16_t(c)); }))
        return NameProblem::NumericTld;
    return NameProblem::None;
}

// A name Qt could not write with A-labels: the structural fault when there is one.
NameProblem unicodeProblem(const QString &name)
{
    for (const QStringView label : QStringView(name).split(u'.')) {
        if (label.isEmpty())
            return NameProblem::EmptyLabel;
        if (label.front() == u'-' || label.back() == u'-')
            return NameProblem::HyphenAtLabelEdge;
    }
    return NameProblem::NoAsciiForm;
}

// Where the registrable domain of @p ascii begins: one label before its public suffix; -1 when the
// name is a public suffix itself.
qsizetype registrableStart(QByteArrayView ascii, bool &listed)
{
    qsizetype previous = -1;
    qsizetype start = 0;
    for (;;) {
        // The last label is always a suffix, by the list or its default rule, so the walk ends there.
        const SuffixKind kind = publicSuffixKind(ascii.sliced(start));
        if (kind != SuffixKind::NotSuffix) {
            listed = kind == SuffixKind::Listed;
            return previous;
        }
        previous = start;
        start = ascii.indexOf('.', start) + 1;
    }
}

EntryName problem(NameProblem kind, const QString &judged)
{
    EntryName read;
    read.name = judged;
    read.problem = kind;
    return read;
}

// From the lower-casing on: @p name is cleaned, trimmed and without its final dot.
EntryName judge(QString name)
{
    if (name.isEmpty())
        return problem(NameProblem::NoName, name);
    const bool ascii = lowerAscii(name);
    if (!ascii)
        name = name.toLower();
    const QByteArray aceName = ascii ? name.toLatin1() : QUrl::toAce(name, QUrl::IgnoreIDNWhitelist);
    if (aceName.isEmpty())
        return problem(unicodeProblem(name), name);
    if (const NameProblem fault = checkLabels(aceName); fault != NameProblem::None)
        return problem(fault, name);
    EntryName read;
    if (!aceName.contains('.')) {
        read.name = name;
        read.ascii = QString::fromLatin1(aceName);
        read.isWord = true;
        return read;
    }
    const qsizetype start = registrableStart(aceName, read.listedSuffix);
    if (start < 0)
        return problem(NameProblem::PublicSuffix, name);
    const QByteArray registrable = aceName.mid(start);
    read.ascii = QString::fromLatin1(registrable);
    read.name = ascii ? read.ascii : QUrl::fromAce(registrable, QUrl::IgnoreIDNWhitelist);
    return read;
}

} // namespace

QString problemText(NameProblem problem)
{
    return QCoreApplication::translate("tld::NameProblem", problemTexts[size_t(problem)]);
}

bool isBlankOrComment(QStringView line)
{
    qsizetype i = 0;
    while (i < line.size() && isBlankOrTab(line[i].unicode()))
        ++i;
    return i == line.size() || line[i] == u'#';
}

bool isBlankOrComment(QByteArrayView line)
{
    qsizetype i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    return i == line.size() || line[i] == '#';
}

EntryName readEntry(const QString &entry)
{
    const QStringView written = trimmedView(entry);
    // Most entries are plain names already, which unescaping, the address rules and cleaning leave alone.
    const bool plain = std::all_of(written.begin(), written.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return isAsciiLetter(u) || isDigit(u) || u == '-' || u == '.';
    });
    QString name =
        plain ? written.toString() : correctName(hostPart(trimmedView(urlUnescape(written.toString()))).toString());
    if (name.endsWith(u'.'))
        name.chop(1);
    EntryName read = judge(name);
    if (read.problem != NameProblem::None) {
        read.name = written.toString();
        return read;
    }
    if (written.compare(read.name, Qt::CaseInsensitive) != 0)
        read.entry = written.toString();
    return read;
}

EntryName completeWord(const EntryName &word, const QString &extension)
{
    const QStringView tld = QStringView(extension).startsWith(u'.') ? QStringView(extension).mid(1) : extension;
    const QString composed = word.name + QLatin1Char('.') + tld.toString();
    EntryName read = judge(composed);
    if (read.problem != NameProblem::None)
        read.name = composed;
    read.entry = word.entry;
    return read;
}

QList<EntryName> domainsOfEntry(const QString &entry, const QStringList &extensions)
{
    EntryName read = readEntry(entry);
    if (!read.isWord)
        return {std::move(read)};
    QList<EntryName> domains;
    domains.reserve(extensions.size());
    for (const QString &extension : extensions)
        domains.append(completeWord(read, extension));
    return domains;
}

} // namespace tld
