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

private:
    void removeName(const QString &name);

    QString m_text;
    std::vector<qsizetype> m_names; ///< where the queried name stood, in ascending order
    qsizetype m_controls = 0;
    qsizetype m_originalSize = 0;
};

/// @p text folded and with runs of blanks made one blank, as AnswerText compares.
QString foldedText(QStringView text);

} // namespace tld
