#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace tld {

/**
 * A WHOIS answer in the one spelling the verdict compares in: case folded, every run of blanks and tabs
 * one blank (registries align their columns with either), and the queried name, wherever it stands, one
 * blank too, so that neither the name itself nor its place inside a statement decides anything. Line
 * ends stay, so statements can be looked for where a line opens or closes.
 */
class AnswerText {
public:
    /// Rebuilds the text from @p answer; the buffers are kept for the next answer.
    void assign(QStringView answer, QStringView domain);

    QStringView text() const { return m_text; }
    /// Control characters other than line ends and blanks: an answer full of them is no text at all.
    bool looksBinary() const { return m_controls * 50 > m_originalSize; }

    qsizetype lineStart(qsizetype pos) const;
    qsizetype lineEnd(qsizetype pos) const;
    /// True when the queried name stood somewhere in [@p from, @p to).
    bool mentionsName(qsizetype from, qsizetype to) const;

    /// Only blanks, comment marks, brackets, numbers, colons and an "error" tag stand in [@p from, @p to).
    bool isLead(qsizetype from, qsizetype to) const;
    /// Only blanks and punctuation stand in [@p from, @p to).
    bool isTail(qsizetype from, qsizetype to) const;
    /// [@p from, @p to) holds a field name and its colon ("Tech contact: ").
    bool isFieldValue(qsizetype from, qsizetype to) const;
    /// The words of [@p from, @p to): its letters, one blank between words, nothing else.
    QString lettersOf(qsizetype from, qsizetype to) const;

    /// The first blank in [@p from, @p to) that stood for a tab or a run of blanks with a tab; -1 if none.
    qsizetype firstTab(qsizetype from, qsizetype to) const;

    /// A block of lines holding more words than this is a paragraph: a notice, a disclaimer, terms of use.
    static constexpr int paragraphWords = 25;
    /// True when @p pos stands in a paragraph; blocks of lines are parted by lines without letters or digits.
    bool inParagraph(qsizetype pos) const;
    /// True when a paragraph ends before the block of @p pos.
    bool paragraphBefore(qsizetype pos) const;
    /// True when @p pos stands on the first line that holds letters or digits.
    bool onFirstLine(qsizetype pos) const;

private:
    struct Block {
        qsizetype start;
        qsizetype end;
        bool paragraph;
    };

    void removeName(const QString &name);
    const std::vector<Block> &blocks() const;
    const Block *blockOf(qsizetype pos) const;

    QString m_text;
    std::vector<qsizetype> m_names;      ///< where the queried name stood, in ascending order
    std::vector<qsizetype> m_tabs;       ///< where a tab stood, as the blank it became, in ascending order
    mutable std::vector<Block> m_blocks; ///< built when first asked for
    mutable bool m_blocksBuilt = false;
    qsizetype m_controls = 0;
    qsizetype m_originalSize = 0;
};

/// @p text folded and with runs of blanks made one blank, as AnswerText compares.
QString foldedText(QStringView text);

} // namespace tld
