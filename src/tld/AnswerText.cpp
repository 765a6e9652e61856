#include "tld/AnswerText.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tld {

namespace {

bool isBlank(char16_t c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == 0xA0 || (c >= 0x2000 && c <= 0x200A) ||
           c == 0x202F || c == 0x205F || c == 0x3000;
}

// Control characters other than tab, line feed, vertical tab, form feed and carriage return, one bit each.
constexpr quint32 c0Controls = 0xFFFFC1FFu;

bool isControl(char16_t c)
{
    return (c < 0x20 && (c0Controls >> c & 1)) || (c >= 0x7f && c < 0xa0) || c == 0xfffd;
}

char16_t foldCase(char16_t c)
{
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? char16_t(c + ('a' - 'A')) : c;
    return QChar(c).toCaseFolded().unicode();
}

constexpr char16_t controlSeen = 0x8000;
constexpr char16_t tabSeen = 0x4000;

// Where the blanks that stood for a tab went when fold() merged the blanks of @p text.
void findTabs(QStringView text, std::vector<qsizetype> &tabs)
{
    qsizetype n = 0;
    bool lastBlank = false;
    for (const QChar c : text) {
        const bool blank = isBlank(c.unicode());
        if (c == u'\t' && (tabs.empty() || tabs.back() != n - lastBlank))
            tabs.push_back(n - lastBlank);
        n += !(blank & lastBlank);
        lastBlank = blank;
    }
}

// Folds and merges blanks into @p out, noting in @p tabs (when given) each blank that stood for a tab;
// returns how many control characters the text held.
qsizetype fold(QStringView text, QString &out, std::vector<qsizetype> *tabs = nullptr)
{
    // Folded ASCII characters, with a top bit set for control characters and for the tab.
    static const std::array<char16_t, 128> ascii = [] {
        std::array<char16_t, 128> table{};
        for (char16_t c = 0; c < 128; ++c)
            table[c] = char16_t((isBlank(c) ? u' ' : foldCase(c)) | (isControl(c) ? controlSeen : 0) |
                                (c == u'\t' ? tabSeen : 0));
        return table;
    }();
    out.resize(text.size());
    char16_t *const chars = reinterpret_cast<char16_t *>(out.data());
    const char16_t *const source = text.utf16();
    const qsizetype size = text.size();
    qsizetype n = 0;
    bool lastBlank = false;
    char16_t seen = 0; // the top bits tell whether any control character or tab came
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t u = source[i];
        char16_t folded = 0;
        if (u < 0x80) [[likely]] {
            folded = ascii[u];
            seen |= folded;
            folded &= 0x3fff;
        } else {
            folded = isBlank(u) ? u' ' : foldCase(u);
            seen |= isControl(u) ? controlSeen : 0;
        }
        const bool blank = folded == u' ';
        chars[n] = folded; // kept unless it repeats a blank
        n += !(blank & lastBlank);
        lastBlank = blank;
    }
    out.resize(n);
    // Most answers hold no tab and no control character; only the others are read again.
    if (tabs && (seen & tabSeen))
        findTabs(text, *tabs);
    return seen & controlSeen ? std::count_if(source, source + size, isControl) : 0;
}

bool isLineEnd(char16_t c)
{
    return c == '\n' || c == '\r';
}

} // namespace

QString foldedText(QStringView text)
{
    QString out;
    fold(text, out);
    return out;
}

void AnswerText::assign(QStringView answer, QStringView domain)
{
    m_originalSize = answer.size();
    m_tabs.clear();
    m_blocksBuilt = false;
    m_controls = fold(answer, m_text, &m_tabs);
    m_names.clear();
    if (domain.isEmpty())
        return;
    const QString name = foldedText(domain);
    // A name without a dot or of a few letters would blank out ordinary words.
    if (name.size() >= 4 && name.contains(QLatin1Char('.')))
        removeName(name);
}

void AnswerText::removeName(const QString &name)
{
    // Each occurrence becomes one blank, merged with the blanks around it; the text only shrinks, so the
    // part not yet searched is never overwritten.
    char16_t *chars = reinterpret_cast<char16_t *>(m_text.data());
    const qsizetype n = m_text.size();
    qsizetype write = 0;
    qsizetype read = 0;
    // The tabs move with the text; one in the blanks around the name becomes the name's blank.
    std::size_t tab = 0;
    std::size_t tabsKept = 0;
    const auto moveTabs = [this, &tab, &tabsKept](qsizetype below, qsizetype shift, qsizetype to = -1) {
        for (; tab < m_tabs.size() && m_tabs[tab] < below; ++tab) {
            const qsizetype at = to >= 0 ? to : m_tabs[tab] - shift;
            if (tabsKept == 0 || m_tabs[tabsKept - 1] != at)
                m_tabs[tabsKept++] = at;
        }
    };
    for (qsizetype found = m_text.indexOf(name); found >= 0; found = QStringView(chars, n).indexOf(name, read)) {
        moveTabs(found, read - write);
        std::copy(chars + read, chars + found, chars + write);
        write += found - read;
        if (write == 0 || chars[write - 1] != u' ')
            chars[write++] = u' ';
        m_names.push_back(write - 1);
        read = found + name.size();
        while (read < n && chars[read] == u' ')
            ++read;
        moveTabs(read, 0, write - 1);
    }
    moveTabs(n, read - write);
    m_tabs.resize(tabsKept);
    std::copy(chars + read, chars + n, chars + write);
    m_text.resize(write + n - read);
}

qsizetype AnswerText::lineStart(qsizetype pos) const
{
    const char16_t *chars = QStringView(m_text).utf16();
    while (pos > 0 && !isLineEnd(chars[pos - 1]))
        --pos;
    return pos;
}

qsizetype AnswerText::lineEnd(qsizetype pos) const
{
    const char16_t *chars = QStringView(m_text).utf16();
    const qsizetype size = m_text.size();
    while (pos < size && !isLineEnd(chars[pos]))
        ++pos;
    return pos;
}

bool AnswerText::mentionsName(qsizetype from, qsizetype to) const
{
    const auto first = std::lower_bound(m_names.begin(), m_names.end(), from);
    return first != m_names.end() && *first < to;
}

bool AnswerText::isLead(qsizetype from, qsizetype to) const
{
    constexpr std::u16string_view marks = u" %#>*;-_=+|[](){}<\"'.:0123456789";
    static constexpr QStringView tag = u"error";
    for (qsizetype i = from; i < to; ++i) {
        if (marks.find(m_text.at(i).unicode()) != std::u16string_view::npos)
            continue;
        // "%ERROR:101: no entries found" still opens with its statement.
        if (QStringView(m_text).mid(i, to - i).startsWith(tag)) {
            i += tag.size() - 1;
            continue;
        }
        return false;
    }
    return true;
}

bool AnswerText::isTail(qsizetype from, qsizetype to) const
{
    constexpr std::u16string_view marks = u" .!?;:,\"')]}>*%#-_=<";
    for (qsizetype i = from; i < to; ++i) {
        if (marks.find(m_text.at(i).unicode()) == std::u16string_view::npos)
            return false;
    }
    return true;
}

bool AnswerText::isFieldValue(qsizetype from, qsizetype to) const
{
    const QStringView lead = QStringView(m_text).mid(from, to - from);
    const qsizetype colon = lead.indexOf(QLatin1Char(':'));
    return colon > 0 && std::any_of(lead.begin(), lead.begin() + colon, [](QChar c) { return c.isLetter(); });
}

QString AnswerText::lettersOf(qsizetype from, qsizetype to) const
{
    QString words;
    for (qsizetype i = from; i < to; ++i) {
        const QChar c = m_text.at(i);
        const bool between = c == QLatin1Char(' ') && !words.isEmpty() && !words.endsWith(QLatin1Char(' '));
        if (c.isLetter() || between)
            words += c;
    }
    if (words.endsWith(QLatin1Char(' ')))
        words.chop(1);
    return words;
}

qsizetype AnswerText::firstTab(qsizetype from, qsizetype to) const
{
    const auto found = std::lower_bound(m_tabs.begin(), m_tabs.end(), from);
    return found != m_tabs.end() && *found < to ? *found : -1;
}

const std::vector<AnswerText::Block> &AnswerText::blocks() const
{
    if (m_blocksBuilt)
        return m_blocks;
    m_blocksBuilt = true;
    m_blocks.clear();
    const QStringView text = m_text;
    qsizetype blockStart = -1;
    qsizetype blockEnd = 0;
    int words = 0;
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype end = lineEnd(start);
        bool content = false;
        bool inWord = false;
        for (qsizetype i = start; i < end; ++i) {
            const QChar c = text[i];
            const bool letter = c.isLetter();
            content = content || letter || c.isDigit();
            words += letter && !inWord;
            inWord = letter;
        }
        if (content) {
            blockStart = blockStart < 0 ? start : blockStart;
            blockEnd = end;
        } else {
            if (blockStart >= 0)
                m_blocks.push_back({blockStart, blockEnd, words > paragraphWords});
            blockStart = -1;
            words = 0;
        }
        // One line end: LF, CR LF, or the CR CR LF some servers send.
        start = end;
        while (start < text.size() && text[start] == u'\r')
            ++start;
        if (start < text.size() && text[start] == u'\n')
            ++start;
    }
    if (blockStart >= 0)
        m_blocks.push_back({blockStart, blockEnd, words > paragraphWords});
    return m_blocks;
}

const AnswerText::Block *AnswerText::blockOf(qsizetype pos) const
{
    const std::vector<Block> &all = blocks();
    auto after = std::upper_bound(all.begin(), all.end(), pos, [](qsizetype p, const Block &b) { return p < b.start; });
    if (after == all.begin() || pos >= std::prev(after)->end)
        return nullptr;
    return &*std::prev(after);
}

bool AnswerText::inParagraph(qsizetype pos) const
{
    const Block *block = blockOf(pos);
    return block && block->paragraph;
}

bool AnswerText::paragraphBefore(qsizetype pos) const
{
    for (const Block &block : blocks()) {
        if (block.end > pos)
            return false;
        if (block.paragraph)
            return true;
    }
    return false;
}

bool AnswerText::onFirstLine(qsizetype pos) const
{
    const std::vector<Block> &all = blocks();
    return !all.empty() && pos >= all.front().start && pos < lineEnd(all.front().start);
}

} // namespace tld
