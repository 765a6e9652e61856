#include "tld/RecordFields.h"

#include "tld/AnswerText.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace tld {

namespace {

enum class Field { Record, Status };

using Key = std::pair<std::u16string_view, Field>;

// Keys in order of length first: most lookups end at a length no key has.
bool keyBefore(std::u16string_view a, std::u16string_view b)
{
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

// Field names after folding, with "-", "_", "." and "/" read as blanks and trailing numbers dropped
// ("Name Server 2", "nserver", "paid-till", "registrant_name"). Only fields that an answer about a free
// name never carries are record evidence.
const std::vector<Key> &keys()
{
    static const std::vector<Key> sorted = [] {
        std::vector<Key> list;
        constexpr std::u16string_view record[] = {
            // the registrar
            u"registrar", u"sponsoring registrar", u"registrar name", u"registrar organization",
            u"registrar organisation", u"registration service provider", u"registrar iana id", u"registrar url",
            u"registrar handle", u"registrar id",
            // when it was registered
            u"created", u"created on", u"created at", u"creation date", u"created date", u"date created", u"registered",
            u"registered on", u"registered date", u"registration date", u"registration time", u"domain registered",
            u"domain registration date", u"record created", u"record created on", u"domain created",
            u"domain record activated", u"activated",
            // when it runs out
            u"expires", u"expires on", u"expires at", u"expire", u"expire date", u"expiry", u"expiry date",
            u"expiration", u"expiration date", u"expiration time", u"registry expiry date",
            u"registrar registration expiration date", u"domain expiration date", u"domain expires",
            u"domain expires on", u"record expires on", u"paid till", u"valid until", u"renewal date", u"free date",
            // where it is served
            u"name server", u"name servers", u"nameserver", u"nameservers", u"nserver", u"ns", u"dns", u"dns server",
            u"dns servers", u"domain servers", u"domain nameservers",
            // who holds it and who looks after it
            u"registrant", u"registrant name", u"registrant organization", u"registrant organisation",
            u"registrant contact", u"holder", u"holder c", u"domain holder", u"holder of domain name", u"owner",
            u"domain owner", u"owner contact", u"admin c", u"tech c", u"zone c", u"billing c", u"admin id", u"tech id",
            u"administrative contact", u"technical contact", u"billing contact", u"admin contact", u"tech contact",
            // the same in the registries' own languages, and spellings of older servers
            u"titular", u"registrado por", u"fecha de registro", u"fecha de creacion", u"fecha de vencimiento",
            u"fecha de expiracion", u"contacto administrativo", u"contacto tecnico", u"servidores de nombre",
            u"servidores de nombres", u"contact administratif", u"contact technique", u"serveurs de noms",
            u"record created", u"record expired", u"valid date", u"primary server", u"secondary server",
            u"primary server hostname", u"secondary server hostname", u"dns name"};
        for (std::u16string_view key : record)
            list.emplace_back(key, Field::Record);
        for (std::u16string_view key : {u"status", u"domain status", u"registration status", u"query status", u"state",
                                        u"estatus del dominio", u"estado"})
            list.emplace_back(key, Field::Status);
        std::sort(list.begin(), list.end(), [](const Key &a, const Key &b) { return keyBefore(a.first, b.first); });
        return list;
    }();
    return sorted;
}

const Key *findKey(std::u16string_view key)
{
    const std::vector<Key> &list = keys();
    auto it = std::lower_bound(list.begin(), list.end(), key, [](const Key &entry, std::u16string_view wanted) {
        return keyBefore(entry.first, wanted);
    });
    return it != list.end() && it->first == key ? &*it : nullptr;
}

// The field name in the spelling of the key table, in a buffer of its own; empty when it cannot be one.
std::u16string_view keySpelling(QStringView raw, std::array<char16_t, 48> &buffer)
{
    std::size_t n = 0;
    for (const QChar c : raw) {
        char16_t u = c.unicode();
        if (u == '-' || u == '_' || u == '.' || u == '/')
            u = ' ';
        else if (u >= 0x80 && c.decompositionTag() == QChar::Canonical)
            u = c.decomposition().at(0).unicode(); // "creación" is spelt "creacion" too
        if (u == ' ' && (n == 0 || buffer[n - 1] == ' '))
            continue;
        if (n == buffer.size())
            return {};
        buffer[n++] = u;
    }
    while (n > 0 && (buffer[n - 1] == ' ' || (buffer[n - 1] >= '0' && buffer[n - 1] <= '9')))
        --n;
    return {buffer.data(), n};
}

// The field a key names: the key itself, else the words in its parentheses ("Servidores de nombre
// (Domain servers)"), else the key without them; a ";" ends a key ("Primary-Server;I").
const Key *fieldOf(QStringView key, std::array<char16_t, 48> &buffer)
{
    key = key.left(key.indexOf(QLatin1Char(';')));
    if (const Key *found = findKey(keySpelling(key, buffer)))
        return found;
    const qsizetype open = key.indexOf(QLatin1Char('('));
    const qsizetype close = key.indexOf(QLatin1Char(')'), open);
    if (open < 0 || close < 0)
        return nullptr;
    if (const Key *found = findKey(keySpelling(key.mid(open + 1, close - open - 1), buffer)))
        return found;
    return findKey(keySpelling(key.left(open), buffer));
}

bool isOneOf(QChar c, std::u16string_view set)
{
    return set.find(c.unicode()) != std::u16string_view::npos;
}

QStringView trimmedValue(QStringView value)
{
    constexpr std::u16string_view edges = u" .:;,\"'";
    while (!value.isEmpty() && isOneOf(value.front(), edges))
        value = value.mid(1);
    while (!value.isEmpty() && isOneOf(value.back(), edges))
        value.chop(1);
    return value;
}

bool saysSomething(QStringView value)
{
    static constexpr QStringView empty[] = {u"none", u"n/a", u"na", u"null", u"nil", u"not applicable", u"-"};
    if (std::find(std::begin(empty), std::end(empty), value) != std::end(empty))
        return false;
    return std::any_of(value.begin(), value.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

bool startsWithAny(QStringView value, std::initializer_list<QStringView> openings)
{
    return std::any_of(openings.begin(), openings.end(), [value](QStringView o) { return value.startsWith(o); });
}

void readStatus(QStringView value, RecordEvidence &evidence)
{
    // "query_status: 220 Available" carries a code first.
    while (!value.isEmpty() && (value.front().isDigit() || value.front() == QLatin1Char(' ')))
        value = value.mid(1);
    if (startsWithAny(value, {u"free", u"available", u"not registered", u"unregistered", u"no object found",
                              u"not found", u"no match", u"does not exist", u"no entries found", u"nothing found"})) {
        evidence.freeStatus = true;
        return;
    }
    qsizetype wordEnd = 0;
    while (wordEnd < value.size() && value.at(wordEnd).isLetterOrNumber())
        ++wordEnd;
    const QStringView word = value.left(wordEnd);
    static constexpr QStringView taken[] = {
        u"ok",        u"active",   u"registered", u"connect",      u"paid",        u"granted", u"reserved",
        u"delegated", u"taken",    u"hold",       u"locked",       u"inactive",    u"expired", u"verified",
        u"published", u"assigned", u"allocated",  u"unassignable", u"unavailable", u"activo",  u"activa"};
    if (std::find(std::begin(taken), std::end(taken), word) != std::end(taken) ||
        startsWithAny(word, {u"client", u"server", u"pending"}) || word.endsWith(u"period") ||
        word.endsWith(u"prohibited") || startsWithAny(value, {u"not available", u"not delegated"}))
        evidence.takenStatus = true;
}

} // namespace

namespace {

struct FieldLine {
    const Key *key = nullptr;
    QStringView value;
};

/**
 * The field a line holds, in the spellings registries use: "Key: value", "Key<TAB>value", "Key#. . . value",
 * "[Key] value" (also after a letter, as in "a [Key] value"), "object:Key:value", and a single
 * hyphenated key before a blank ("dns_name ns1.example.net"). @p line starts at @p lineStart of @p answer.
 */
FieldLine readField(QStringView line, qsizetype lineStart, const AnswerText &answer, std::array<char16_t, 48> &buffer)
{
    constexpr std::u16string_view marks = u" %#>*;";
    qsizetype i = 0;
    while (i < line.size() && isOneOf(line.at(i), marks))
        ++i;
    const QStringView head = line.mid(i, qsizetype(buffer.size()));
    for (qsizetype open = 0; open < std::min<qsizetype>(3, head.size()); ++open) {
        if (head.at(open) != QLatin1Char('['))
            continue;
        const qsizetype close = head.indexOf(QLatin1Char(']'), open);
        if (close < 0)
            return {};
        return {fieldOf(head.mid(open + 1, close - open - 1), buffer), line.mid(i + close + 1)};
    }
    qsizetype split = head.indexOf(QLatin1Char(':'));
    // "Registrar<TAB>Example Inc.", "Created<TAB>2001-01-01 10:00:00": a tab parts key and value, and the
    // value may hold colons of its own.
    if (const qsizetype tab = answer.firstTab(lineStart + i, lineStart + i + head.size()) - lineStart - i;
        tab > 0 && (split < 0 || tab < split)) {
        if (const Key *key = fieldOf(head.left(tab), buffer))
            return {key, line.mid(i + tab + 1)};
    }
    // "Registrar#. . . . value": a few servers put a "#" where others put the colon.
    if (const qsizetype hash = head.left(split).indexOf(QLatin1Char('#')); hash >= 0)
        split = hash;
    if (split >= 0) {
        FieldLine field{fieldOf(head.left(split), buffer), line.mid(i + split + 1)};
        if (field.key)
            return field;
        // "domain:Created:20090324": the object's name comes first.
        const qsizetype inner = field.value.left(qsizetype(buffer.size())).indexOf(QLatin1Char(':'));
        if (inner > 0 && !head.left(split).contains(QLatin1Char(' ')))
            return {fieldOf(field.value.left(inner), buffer), field.value.mid(inner + 1)};
        return {};
    }
    qsizetype blank = 0;
    bool compound = false;
    for (; blank < head.size() && head.at(blank) != QLatin1Char(' '); ++blank)
        compound = compound || head.at(blank) == QLatin1Char('-') || head.at(blank) == QLatin1Char('_');
    if (!compound || blank == head.size())
        return {};
    return {fieldOf(head.left(blank), buffer), line.mid(i + blank + 1)};
}

void readValue(const Key &key, QStringView value, qsizetype lineStart, RecordEvidence &evidence)
{
    if (key.second == Field::Status) {
        readStatus(value, evidence);
        if (evidence.freeStatus && evidence.freeStatusAt < 0)
            evidence.freeStatusAt = lineStart;
    } else if (saysSomething(value)) {
        evidence.record = true;
    }
}

} // namespace

RecordEvidence findRecordFields(const AnswerText &answer)
{
    const QStringView text = answer.text();
    RecordEvidence evidence;
    const Key *awaiting = nullptr; // a field whose value stands on the next line
    std::array<char16_t, 48> buffer{};
    for (qsizetype start = 0; start < text.size() && !evidence.record;) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        const qsizetype lineStart = start;
        QStringView line = text.mid(start, end - start);
        start = end + 1;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const FieldLine field = readField(line, lineStart, answer, buffer);
        // "Name servers:" with the hosts below, indented or not, but not after an empty line.
        if (awaiting && !field.key)
            readValue(*awaiting, trimmedValue(line), lineStart, evidence);
        awaiting = nullptr;
        if (!field.key)
            continue;
        const QStringView value = trimmedValue(field.value);
        if (value.isEmpty())
            awaiting = field.key;
        else
            readValue(*field.key, value, lineStart, evidence);
    }
    return evidence;
}

} // namespace tld
