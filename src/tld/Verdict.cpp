#include "tld/Verdict.h"

#include "tld/AnswerText.h"
#include "tld/DefaultTlds.h"
#include "tld/RecordFields.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace tld {

const QStringList &errorWords()
{
    static const QStringList words = {QStringLiteral("error"), QStringLiteral("quota"), QStringLiteral("blocked"),
                                      QStringLiteral("exceeded")};
    return words;
}

namespace {

enum class Group { Refusal, NoDomains, Success, NotFound, Taken, Error };

// Where a built-in statement must stand to count. Registries put their verdict on a line of its own,
// often with the name, a comment mark or an error code around it; prose that merely holds the same words
// in mid-sentence is not a statement.
enum Place : quint8 {
    Anywhere = 0,
    Opens = 1,     ///< nothing but marks before it on its line
    Closes = 2,    ///< nothing but punctuation after it on its line
    Alone = 4,     ///< both
    NamesIt = 8,   ///< its line holds the queried name ("example.nl is free")
    AfterName = 16 ///< only the name, or words for it, stand before it ("The requested domain was not found in...")
};

struct Statement {
    const char16_t *text;
    quint8 place;
};

// Ways registries say that no such name is registered.
constexpr Statement notFoundStatements[] = {
    {u"No match", Opens | Closes},
    {u"No matching", Opens},
    {u"Not found", Opens | Closes | AfterName},
    {u"No entries found", Opens | Closes},
    {u"No entry found", Opens | Closes},
    {u"No data found", Opens | Closes},
    {u"No such domain", Opens | Closes},
    {u"No such object", Opens | Closes},
    {u"No object found", Opens | Closes},
    {u"No objects found", Opens | Closes},
    {u"Nothing found", Opens | Closes},
    {u"No records found", Opens | Closes},
    {u"No record found", Opens | Closes},
    {u"No records matching", Opens},
    {u"No Found", Opens | Closes},
    {u"Object_Not_Found", Opens | Closes},
    {u"No information available", Opens},
    {u"No data was found", Opens},
    {u"There is no information available on the domain", Opens},
    {u"We do not have an entry in our database", Opens},
    {u"Not registered", Opens | Closes},
    {u"has not been registered", Closes | AfterName},
    {u"does not exist", Closes | AfterName},
    {u"does not exist in database", Closes},
    {u"not found in database", Closes},
    {u"not found in the database", Closes},
    {u"domain name not known", Opens | Closes},
    {u"This query returned 0 objects", Opens},
    {u"no existe", Closes},
    {u"no se encuentra registrado", Closes},
    {u"is free", Closes | NamesIt},
    {u"is available", Closes | NamesIt},
    {u"is available for registration", Closes | NamesIt},
    {u"is available for purchase", Closes | NamesIt},
    {u"Available", Alone},
    {u"was not found", AfterName},
    {u"is not registered", AfterName},
};

// Ways registries say that a name cannot be had although no record is shown: reserved, prohibited.
constexpr Statement takenStatements[] = {
    {u"Domain not available", Opens},
    {u"Domain name not available", Opens},
    {u"not available for registration", Closes},
    {u"Reserved by registry", Opens},
    {u"Reserved by the registry", Opens},
    {u"Reserved", Alone},
    {u"is reserved", Closes},
    {u"is prohibited", Closes},
    {u"is not available", Closes | NamesIt},
    {u"not available", Closes | NamesIt},
    {u"is registered", Closes | NamesIt},
    {u"is already registered", Closes},
    {u"has already been registered", Closes},
    {u"is taken", Closes | NamesIt},
    {u"Reserved domain", Opens},
};

// Refusals and rate limits in their usual words, besides the fixed refusal statements.
constexpr const char16_t *refusalPatterns[] = {
    u"limit exceeded",
    u"quota exceeded",
    u"queries exceeded",
    u"has been exceeded",
    u"has exceeded",
    u"rate exceeded",
    u"rate limit",
    u"limit reached",
    u"too many queries",
    u"too many lookups",
    u"try again",
    u"slow down",
    u"go away",
    u"grace period",
    u"temporarily unavailable",
    u"too busy",
    u"access denied",
    u"request denied",
    u"address blocked",
    u"been blocked",
    u"is blocked",
    u"not permitted",
    u"could not be performed",
    u"attempt failed",
};

constexpr qsizetype statementLineLimit = 200;

// The words a sentence about the queried name opens with, in letters only.
bool isSubject(QStringView words)
{
    static constexpr QStringView subjects[] = {u"",
                                               u"domain",
                                               u"the domain",
                                               u"domain name",
                                               u"the domain name",
                                               u"this domain",
                                               u"this domain name",
                                               u"requested domain",
                                               u"the requested domain",
                                               u"queried object",
                                               u"the queried object",
                                               u"object",
                                               u"the object",
                                               u"name",
                                               u"the name"};
    return std::find(std::begin(subjects), std::end(subjects), words) != std::end(subjects);
}

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber();
}

/*
 * Where a refusal counts. Registries append notices, disclaimers and terms of use to every answer, and their
 * sentences forbid misuse of the data, mention limits and blocked access. A refusal counts only where it is the
 * answer's statement: in a short block of lines of its own, or on the answer's first line. Inside a paragraph
 * (a block of more than AnswerText::paragraphWords words) its words say nothing about the query.
 *
 * A not-found statement on a line of its own (a row's phrase outside a paragraph, a built-in statement in its
 * place, a free status) then wins over a refusal that stands after it. Below a refusal it wins only when it
 * names the queried name and a paragraph stands above the refusal (a notice, a remark that the answer is cut
 * short, then the verdict); a refusal that opens the answer, with nothing above it but short lines, stays a
 * refusal whatever follows. For example:
 *
 *   refused:    %% Too many requests...
 *               %%
 *               %% No entries found in the database.
 *
 *   available:  No match for "EXAMPLE.XY".
 *
 *               % By submitting a query you agree that the data is used for lawful purposes only; its
 *               % use for advertising, or any use without the prior written consent of the registry, is
 *               % not permitted. Bulk access is not permitted and will be blocked.
 */
bool isStatement(const AnswerText &answer, qsizetype at)
{
    return answer.onFirstLine(at) || !answer.inParagraph(at);
}

/**
 * The phrases of one verdict compiled for one pass over an answer: every phrase of four or more
 * characters is found through its first characters, which a small bit filter tells apart from most other
 * places of an answer before the first four are compared; shorter phrases are searched for one by one.
 * A built-in statement found is then checked for its place on the line.
 */
class PhraseSet {
public:
    struct Hits {
        qsizetype refusalAt = -1;  ///< where the first refusal that is a statement stands, or -1
        bool refusalOpens = false; ///< no paragraph stands before it
        bool noDomains = false;
        int success = -1;                        ///< lowest index of a success phrase found, or -1
        std::array<qsizetype, 4> successAt = {}; ///< where the first few success phrases stand
        int successCount = 0;
        int notFound = -1; ///< index of a built-in not-found statement found, or -1
        qsizetype notFoundAt = -1;
        bool taken = false;
        bool error = false;
    };

    void add(const QString &phrase, Group group, int index, quint8 place = Anywhere)
    {
        Phrase entry{foldedText(phrase), group, index, place, 0, 0};
        if (entry.text.size() < 4) {
            m_short.push_back(std::move(entry));
            return;
        }
        for (int i = 0; i < 4; ++i)
            entry.key = entry.key << 16 | entry.text.at(i).unicode();
        entry.next = packed(QStringView(entry.text).utf16() + 4, entry.text.size() - 4);
        const quint32 slot = filterSlot(entry.text.at(0), entry.text.at(1), entry.text.at(2));
        m_filter[slot >> 6] |= quint64(1) << (slot & 63);
        const quint32 keySlot = keyFilterSlot(entry.key);
        m_keyFilter[keySlot >> 6] |= quint64(1) << (keySlot & 63);
        m_long.push_back(std::move(entry));
    }

    void finish()
    {
        std::sort(m_long.begin(), m_long.end(), [](const Phrase &a, const Phrase &b) { return a.key < b.key; });
        // Each first four characters lead straight to the phrases that open with them.
        for (std::size_t i = 0; i < m_long.size(); ++i) {
            Bucket &bucket = bucketFor(m_long[i].key);
            if (bucket.end == 0)
                bucket = {m_long[i].key, quint32(i), quint32(i)};
            bucket.end = quint32(i + 1);
        }
    }

    Hits scan(const AnswerText &answer) const
    {
        Hits hits;
        const QStringView text = answer.text();
        const char16_t *const chars = text.utf16();
        const quint64 *const filter = m_filter.data();
        const quint64 *const keyFilter = m_keyFilter.data();
        // Every phrase here has four characters or more, so none starts after size - 4.
        const qsizetype end = text.size() - 1;
        quint32 window = text.size() >= 2 ? (chars[0] & 31) << 5 | (chars[1] & 31) : 0;
        for (qsizetype i = 2; i < end; ++i) {
            // The last three characters seen, five bits each: a cheap first sieve.
            window = (window << 5 | (chars[i] & 31)) & 0x7fff;
            if (!(filter[window >> 6] >> (window & 63) & 1))
                continue;
            const qsizetype start = i - 2;
            const quint64 key = quint64(chars[start]) << 48 | quint64(chars[start + 1]) << 32 |
                                quint64(chars[start + 2]) << 16 | chars[start + 3];
            // Common words open many phrases' first three letters; the fourth sorts most of them out.
            if (const quint32 keySlot = keyFilterSlot(key); !(keyFilter[keySlot >> 6] >> (keySlot & 63) & 1))
                continue;
            const Bucket &bucket = findBucket(key);
            for (auto it = m_long.begin() + bucket.begin; it != m_long.begin() + bucket.end; ++it) {
                const qsizetype length = it->text.size();
                // The first four characters are equal already; the next four tell most of the rest.
                if (start + length <= text.size() && packed(chars + start + 4, length - 4) == it->next &&
                    std::equal(chars + start + 8, chars + start + std::max<qsizetype>(length, 8),
                               QStringView(it->text).utf16() + 8))
                    record(hits, *it, answer, start);
            }
        }
        for (const Phrase &phrase : m_short) {
            if (const qsizetype at = text.indexOf(phrase.text); at >= 0)
                record(hits, phrase, answer, at);
        }
        return hits;
    }

private:
    struct Phrase {
        QString text; ///< folded
        Group group;
        int index; ///< position in its list; the first success phrase in list order wins
        quint8 place;
        quint64 key;  ///< first four characters
        quint64 next; ///< the four after them, as far as the phrase goes
    };
    /// The phrases [begin, end) of m_long that open with the four characters of key.
    struct Bucket {
        quint64 key = 0;
        quint32 begin = 0;
        quint32 end = 0;
    };

    // Open addressing over a table far larger than the phrase count: a probe or two at most.
    Bucket &bucketFor(quint64 key)
    {
        std::size_t slot = keyFilterSlot(key) & (m_buckets.size() - 1);
        while (m_buckets[slot].end != 0 && m_buckets[slot].key != key)
            slot = (slot + 1) & (m_buckets.size() - 1);
        return m_buckets[slot];
    }

    const Bucket &findBucket(quint64 key) const
    {
        static const Bucket none;
        std::size_t slot = keyFilterSlot(key) & (m_buckets.size() - 1);
        for (; m_buckets[slot].end != 0; slot = (slot + 1) & (m_buckets.size() - 1)) {
            if (m_buckets[slot].key == key)
                return m_buckets[slot];
        }
        return none;
    }

    static quint32 filterSlot(QChar a, QChar b, QChar c)
    {
        return (a.unicode() & 31) << 10 | (b.unicode() & 31) << 5 | (c.unicode() & 31);
    }

    /// Up to four characters from @p chars (fewer when @p available is smaller) in one number.
    static quint64 packed(const char16_t *chars, qsizetype available)
    {
        if (available >= 4)
            return quint64(chars[0]) << 48 | quint64(chars[1]) << 32 | quint64(chars[2]) << 16 | chars[3];
        quint64 value = 0;
        for (qsizetype i = 0; i < 4; ++i)
            value = value << 16 | (i < available ? chars[i] : 0);
        return value;
    }

    static quint32 keyFilterSlot(quint64 key) { return quint32((key * 0x9E3779B97F4A7C15ULL) >> 48); }

    // An error word counts only as a word of its own: "errors" or "error-free" in a disclaimer is no refusal.
    static bool standsAlone(QStringView text, qsizetype start, qsizetype length)
    {
        const auto joins = [](QChar c) { return c.isLetter() || c == QLatin1Char('-'); };
        const qsizetype end = start + length;
        if ((start > 0 && joins(text[start - 1])) || (end < text.size() && joins(text[end])))
            return false;
        return !text.mid(end).startsWith(QLatin1String(" free"));
    }

    static bool standsInPlace(const Phrase &phrase, const AnswerText &answer, qsizetype start)
    {
        const QStringView text = answer.text();
        const qsizetype end = start + phrase.text.size();
        if ((start > 0 && isWordCharacter(text[start - 1])) || (end < text.size() && isWordCharacter(text[end])))
            return false;
        if (phrase.place == Anywhere)
            return true;
        const qsizetype from = answer.lineStart(start);
        const qsizetype to = answer.lineEnd(end);
        if (to - from > statementLineLimit)
            return false;
        if ((phrase.place & NamesIt) && !answer.mentionsName(from, to))
            return false;
        const bool opens = answer.isLead(from, start);
        // "Abuse contact: not found" speaks of a field, not of the name; status lines are read as fields.
        const bool closes = answer.isTail(end, to) && !answer.isFieldValue(from, start);
        return ((phrase.place & Opens) && opens) || ((phrase.place & Closes) && closes) ||
               ((phrase.place & Alone) && opens && closes) ||
               ((phrase.place & AfterName) && isSubject(answer.lettersOf(from, start)));
    }

    static void record(Hits &hits, const Phrase &phrase, const AnswerText &answer, qsizetype start)
    {
        switch (phrase.group) {
        case Group::Refusal:
            // Found in order, so the first that counts is the one that can decide.
            if (hits.refusalAt < 0 && standsInPlace(phrase, answer, start) && isStatement(answer, start)) {
                hits.refusalAt = start;
                hits.refusalOpens = !answer.paragraphBefore(start);
            }
            break;
        case Group::NoDomains:
            hits.noDomains = hits.noDomains || (standsInPlace(phrase, answer, start) && isStatement(answer, start));
            break;
        case Group::Success:
            if (hits.success < 0 || phrase.index < hits.success)
                hits.success = phrase.index;
            if (hits.successCount < int(hits.successAt.size()))
                hits.successAt[hits.successCount++] = start;
            break;
        case Group::NotFound:
            if (hits.notFound < 0 && standsInPlace(phrase, answer, start)) {
                hits.notFound = phrase.index;
                hits.notFoundAt = start;
            }
            break;
        case Group::Taken:
            hits.taken = hits.taken || standsInPlace(phrase, answer, start);
            break;
        case Group::Error:
            hits.error =
                hits.error || (standsAlone(answer.text(), start, phrase.text.size()) && isStatement(answer, start));
            break;
        }
    }

    std::vector<Phrase> m_long;
    std::vector<Phrase> m_short;
    std::vector<quint64> m_filter = std::vector<quint64>(32768 / 64);
    std::vector<quint64> m_keyFilter = std::vector<quint64>(65536 / 64);
    std::vector<Bucket> m_buckets = std::vector<Bucket>(1024);
};

struct CompiledList {
    PhraseSet set;
    QStringList words; ///< the trimmed success phrases, by index
};

// Each phrase list is compiled once; a run asks with the same few lists again and again.
const CompiledList &compiled(const QString &successPhrases)
{
    thread_local QHash<QString, std::shared_ptr<const CompiledList>> cache;
    if (auto found = cache.constFind(successPhrases); found != cache.constEnd())
        return **found;
    if (cache.size() >= 64)
        cache.clear();
    auto list = std::make_shared<CompiledList>();
    for (const QString &statement : refusalStatements())
        list->set.add(statement, Group::Refusal, 0);
    for (const char16_t *pattern : refusalPatterns)
        list->set.add(QString::fromUtf16(pattern), Group::Refusal, 0);
    for (const QString &statement : noDomainsStatements())
        list->set.add(statement, Group::NoDomains, 0);
    for (const QString &item : successPhrases.split(QLatin1Char(','))) {
        const QString phrase = item.trimmed();
        // An empty item would be found in every answer and call every name free.
        if (phrase.isEmpty())
            continue;
        list->set.add(phrase, Group::Success, int(list->words.size()));
        list->words.append(phrase);
    }
    for (int i = 0; i < int(std::size(notFoundStatements)); ++i)
        list->set.add(QString::fromUtf16(notFoundStatements[i].text), Group::NotFound, i, notFoundStatements[i].place);
    for (const Statement &statement : takenStatements)
        list->set.add(QString::fromUtf16(statement.text), Group::Taken, 0, statement.place);
    for (const QString &word : errorWords())
        list->set.add(word, Group::Error, 0);
    list->set.finish();
    return **cache.insert(successPhrases, std::move(list));
}

// Whether the not-found statement at @p at, on a line of its own, wins over the refusal found.
bool notFoundWins(qsizetype at, const PhraseSet::Hits &hits, const AnswerText &answer)
{
    if (at < 0)
        return false;
    return at < hits.refusalAt || (!hits.refusalOpens && answer.mentionsName(answer.lineStart(at), answer.lineEnd(at)));
}

bool refuses(const RecordEvidence &fields, const PhraseSet::Hits &hits, const AnswerText &answer)
{
    if (hits.noDomains)
        return true;
    if (hits.refusalAt < 0)
        return false;
    if (notFoundWins(hits.notFoundAt, hits, answer) || notFoundWins(fields.freeStatusAt, hits, answer))
        return false;
    for (int i = 0; i < hits.successCount; ++i) {
        if (!answer.inParagraph(hits.successAt[i]) && notFoundWins(hits.successAt[i], hits, answer))
            return false;
    }
    return true;
}

// The evidence weighed, strongest first; a record was looked for before.
WhoisVerdict::Kind kindOf(const RecordEvidence &fields, const PhraseSet::Hits &hits, const AnswerText &answer)
{
    using Kind = WhoisVerdict::Kind;
    if (refuses(fields, hits, answer))
        return Kind::ErrorBlocked;
    if (fields.takenStatus || hits.taken)
        return Kind::Registered;
    if (hits.success >= 0 || hits.notFound >= 0 || fields.freeStatus)
        return Kind::Available;
    return hits.error ? Kind::ErrorBlocked : Kind::Unknown;
}

} // namespace

WhoisVerdict judgeAnswer(const QString &answer, const QString &successPhrases, const QString &domain)
{
    using Kind = WhoisVerdict::Kind;
    thread_local AnswerText text;
    text.assign(answer, domain);
    WhoisVerdict verdict;
    // Binary data, and web pages from a server that is no WHOIS server, say nothing about the name.
    const QStringView folded = text.text().trimmed();
    if (text.looksBinary() || folded.startsWith(u"http/") || folded.startsWith(QLatin1Char('<')))
        return verdict;
    const RecordEvidence fields = findRecordFields(text);
    if (fields.record) {
        verdict.kind = Kind::Registered;
        return verdict;
    }
    const CompiledList &list = compiled(successPhrases);
    const PhraseSet::Hits hits = list.set.scan(text);
    verdict.kind = kindOf(fields, hits, text);
    if (verdict.kind != Kind::Available)
        return verdict;
    if (hits.success >= 0)
        verdict.successWord = list.words.at(hits.success);
    else if (hits.notFound >= 0)
        verdict.successWord = QString::fromUtf16(notFoundStatements[hits.notFound].text);
    else
        verdict.successWord = QStringLiteral("Status: free");
    return verdict;
}

bool isPlaceholderName(const QString &domain)
{
    if (domain.compare(QLatin1String(".com"), Qt::CaseInsensitive) == 0 ||
        domain.compare(QLatin1String(".net"), Qt::CaseInsensitive) == 0)
        return true;
    return domain.contains(QLatin1String("\".com"), Qt::CaseInsensitive) ||
           domain.contains(QLatin1String("\".net"), Qt::CaseInsensitive);
}

} // namespace tld
