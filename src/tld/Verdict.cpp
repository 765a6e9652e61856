#include "tld/Verdict.h"

#include "tld/DefaultTlds.h"

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

bool isBlank(char16_t c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == 0xA0 || (c >= 0x2000 && c <= 0x200A) ||
           c == 0x202F || c == 0x205F || c == 0x3000;
}

char16_t foldCase(char16_t c)
{
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? char16_t(c + ('a' - 'A')) : c;
    return QChar(c).toCaseFolded().unicode();
}

// Answers and phrases are compared in one spelling: case folded, every run of blanks and tabs one blank
// (registries align their columns with either), and the queried name, wherever it stands, one blank too,
// so that neither the name itself nor its place inside a statement decides anything.
void normalise(QStringView text, QStringView domain, QString &out)
{
    static const std::array<char16_t, 128> ascii = [] {
        std::array<char16_t, 128> table{};
        for (char16_t c = 0; c < 128; ++c)
            table[c] = isBlank(c) ? u' ' : foldCase(c);
        return table;
    }();
    out.resize(text.size());
    char16_t *chars = reinterpret_cast<char16_t *>(out.data());
    qsizetype n = 0;
    char16_t last = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const char16_t folded = u < 0x80 ? ascii[u] : isBlank(u) ? u' ' : foldCase(u);
        chars[n] = folded; // kept unless it repeats a blank
        n += folded != u' ' || last != u' ';
        last = folded;
    }
    out.resize(n);
    if (domain.isEmpty())
        return;
    QString name;
    normalise(domain, {}, name);
    // A name without a dot or of a few letters would blank out ordinary words.
    if (name.size() < 4 || !name.contains(QLatin1Char('.')))
        return;
    // Each occurrence becomes one blank, merged with the blanks around it; the text only shrinks, so the
    // part not yet searched is never overwritten.
    chars = reinterpret_cast<char16_t *>(out.data());
    qsizetype write = 0;
    qsizetype read = 0;
    for (qsizetype found = out.indexOf(name); found >= 0; found = QStringView(chars, n).indexOf(name, read)) {
        std::copy(chars + read, chars + found, chars + write);
        write += found - read;
        if (write == 0 || chars[write - 1] != u' ')
            chars[write++] = u' ';
        read = found + name.size();
        while (read < n && chars[read] == u' ')
            ++read;
    }
    std::copy(chars + read, chars + n, chars + write);
    out.resize(write + n - read);
}

QString normalised(QStringView text)
{
    QString out;
    normalise(text, {}, out);
    return out;
}

enum class Group { Refusal, Success, Error };

// An error word counts only as a word of its own: "errors" or "error-free" in a disclaimer is no refusal.
bool standsAlone(QStringView text, qsizetype start, qsizetype length)
{
    const auto joins = [](QChar c) { return c.isLetter() || c == QLatin1Char('-'); };
    const qsizetype end = start + length;
    if ((start > 0 && joins(text[start - 1])) || (end < text.size() && joins(text[end])))
        return false;
    return !text.mid(end).startsWith(QLatin1String(" free"));
}

/**
 * The phrases of one verdict compiled for one pass over an answer: every phrase of four or more
 * characters is found through its first characters, which a small bit filter tells apart from most other
 * places of an answer before the first four are compared; shorter phrases are searched for one by one.
 */
class PhraseSet {
public:
    struct Hits {
        bool refusal = false;
        int success = -1; ///< lowest index of a success phrase found, or -1
        bool error = false;
    };

    void add(const QString &phrase, Group group, int index)
    {
        Phrase entry{normalised(phrase), group, index, 0};
        if (entry.text.size() < 4) {
            m_short.push_back(std::move(entry));
            return;
        }
        for (int i = 0; i < 4; ++i)
            entry.key = entry.key << 16 | entry.text.at(i).unicode();
        const quint32 slot = filterSlot(entry.text.at(0), entry.text.at(1), entry.text.at(2));
        m_filter[slot >> 6] |= quint64(1) << (slot & 63);
        m_long.push_back(std::move(entry));
    }

    void finish()
    {
        std::sort(m_long.begin(), m_long.end(), [](const Phrase &a, const Phrase &b) { return a.key < b.key; });
    }

    Hits scan(QStringView text) const
    {
        Hits hits;
        const char16_t *chars = text.utf16();
        const qsizetype last = text.size() - 4;
        quint32 window = 0;
        for (qsizetype i = 0; i <= last + 2 && !hits.refusal; ++i) {
            // The last three characters seen, five bits each: a cheap first sieve.
            window = (window << 5 | (chars[i] & 31)) & 0x7fff;
            if (!(m_filter[window >> 6] >> (window & 63) & 1) || i < 2 || i - 2 > last)
                continue;
            const qsizetype start = i - 2;
            const quint64 key = quint64(chars[start]) << 48 | quint64(chars[start + 1]) << 32 |
                                quint64(chars[start + 2]) << 16 | chars[start + 3];
            auto range = std::equal_range(m_long.begin(), m_long.end(), key, KeyOrder());
            for (auto it = range.first; it != range.second; ++it) {
                if (text.mid(start).startsWith(it->text))
                    record(hits, *it, text, start);
            }
        }
        for (const Phrase &phrase : m_short) {
            if (const qsizetype at = text.indexOf(phrase.text); at >= 0)
                record(hits, phrase, text, at);
        }
        return hits;
    }

private:
    struct Phrase {
        QString text; ///< normalised
        Group group;
        int index;   ///< position in its list; the first success phrase in list order wins
        quint64 key; ///< first four characters
    };
    struct KeyOrder {
        bool operator()(const Phrase &p, quint64 key) const { return p.key < key; }
        bool operator()(quint64 key, const Phrase &p) const { return key < p.key; }
    };

    static quint32 filterSlot(QChar a, QChar b, QChar c)
    {
        return (a.unicode() & 31) << 10 | (b.unicode() & 31) << 5 | (c.unicode() & 31);
    }

    static void record(Hits &hits, const Phrase &phrase, QStringView text, qsizetype start)
    {
        switch (phrase.group) {
        case Group::Refusal:
            hits.refusal = true;
            break;
        case Group::Success:
            if (hits.success < 0 || phrase.index < hits.success)
                hits.success = phrase.index;
            break;
        case Group::Error:
            hits.error = hits.error || standsAlone(text, start, phrase.text.size());
            break;
        }
    }

    std::vector<Phrase> m_long;
    std::vector<Phrase> m_short;
    std::vector<quint64> m_filter = std::vector<quint64>(32768 / 64);
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
    for (const QString &item : successPhrases.split(QLatin1Char(','))) {
        const QString phrase = item.trimmed();
        // An empty item would be found in every answer and call every name free.
        if (phrase.isEmpty())
            continue;
        list->set.add(phrase, Group::Success, int(list->words.size()));
        list->words.append(phrase);
    }
    for (const QString &word : errorWords())
        list->set.add(word, Group::Error, 0);
    list->set.finish();
    return **cache.insert(successPhrases, std::move(list));
}

} // namespace

WhoisVerdict judgeAnswer(const QString &answer, const QString &successPhrases, const QString &domain)
{
    const CompiledList &list = compiled(successPhrases);
    thread_local QString text;
    normalise(answer, domain, text);
    const PhraseSet::Hits hits = list.set.scan(text);
    WhoisVerdict verdict;
    if (!hits.refusal && hits.success >= 0) {
        verdict.kind = WhoisVerdict::Kind::Available;
        verdict.successWord = list.words.at(hits.success);
    } else if (hits.refusal || hits.error) {
        verdict.kind = WhoisVerdict::Kind::ErrorBlocked;
    }
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
