#include "tld/Verdict.h"

#include <QHash>

#include <algorithm>
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

char16_t foldCase(char16_t c)
{
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? char16_t(c + ('a' - 'A')) : c;
    return QChar(c).toCaseFolded().unicode();
}

// Answers and phrases are compared in one spelling: case folded. ASCII letters are folded in a loop the
// compiler can vectorise; only texts with other characters take a second, slower pass.
void normalise(QStringView text, QString &out)
{
    const qsizetype size = text.size();
    out.resize(size);
    const char16_t *read = text.utf16();
    char16_t *write = reinterpret_cast<char16_t *>(out.data());
    char16_t seen = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = read[i];
        seen |= c;
        write[i] = char16_t(c + (char16_t(c - u'A') < 26 ? 32 : 0));
    }
    if (seen < 0x80)
        return;
    for (qsizetype i = 0; i < size; ++i) {
        if (read[i] >= 0x80)
            write[i] = foldCase(read[i]);
    }
}

QString normalised(QStringView text)
{
    QString out;
    normalise(text, out);
    return out;
}

enum class Group { Success, Error };

/**
 * A phrase list compiled for one pass over an answer: every phrase of four or more characters is found
 * through its first characters, which a small bit filter tells apart from most other places of an answer
 * before the first four are compared; shorter phrases are searched for one by one.
 */
class PhraseSet {
public:
    struct Phrase {
        QString text; ///< normalised
        Group group;
        int index;   ///< position in its list; the first success phrase in list order wins
        quint64 key; ///< first four characters
    };
    struct Hits {
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
        for (qsizetype i = 0; i <= last + 2; ++i) {
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
                    record(hits, *it);
            }
        }
        for (const Phrase &phrase : m_short) {
            if (text.contains(phrase.text))
                record(hits, phrase);
        }
        return hits;
    }

private:
    struct KeyOrder {
        bool operator()(const Phrase &p, quint64 key) const { return p.key < key; }
        bool operator()(quint64 key, const Phrase &p) const { return key < p.key; }
    };

    static quint32 filterSlot(QChar a, QChar b, QChar c)
    {
        return (a.unicode() & 31) << 10 | (b.unicode() & 31) << 5 | (c.unicode() & 31);
    }

    static void record(Hits &hits, const Phrase &phrase)
    {
        if (phrase.group == Group::Error)
            hits.error = true;
        else if (hits.success < 0 || phrase.index < hits.success)
            hits.success = phrase.index;
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
    Q_UNUSED(domain)
    const CompiledList &list = compiled(successPhrases);
    thread_local QString text;
    normalise(answer, text);
    const PhraseSet::Hits hits = list.set.scan(text);
    WhoisVerdict verdict;
    if (hits.success >= 0) {
        verdict.kind = WhoisVerdict::Kind::Available;
        verdict.successWord = list.words.at(hits.success);
    } else if (hits.error) {
        verdict.kind = WhoisVerdict::Kind::ErrorBlocked;
    }
    return verdict;
}

bool findSuccessPhrase(const QString &answer, const QString &successPhrases, QString *word)
{
    const WhoisVerdict verdict = judgeAnswer(answer, successPhrases);
    if (verdict.isAvailable() && word)
        *word = verdict.successWord;
    return verdict.isAvailable();
}

bool containsErrorWord(const QString &answer)
{
    return judgeAnswer(answer, QString()).kind == WhoisVerdict::Kind::ErrorBlocked;
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
