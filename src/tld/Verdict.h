#pragma once

#include <QString>
#include <QStringList>

namespace tld {

/// What a WHOIS answer says about a domain.
struct WhoisVerdict {
    enum class Kind { Available, ErrorBlocked, Registered };
    Kind kind = Kind::Registered;
    QString successWord; ///< the trimmed phrase that matched, for Available

    bool isAvailable() const { return kind == Kind::Available; }
};

/// Words that mark a refused or limited query.
const QStringList &errorWords();

/**
 * Judges an answer. A refusal statement (refusalStatements()) makes it ErrorBlocked; else the first success
 * phrase in list order that the answer holds makes it Available; else an error word standing as a word of
 * its own makes it ErrorBlocked; else it is Registered. Phrases match without regard to case or to how many
 * blanks and tabs stand between words; empty phrase items are skipped. @p domain is the name that was
 * asked for (may be empty when unknown): its text in the answer never takes part in a match.
 */
WhoisVerdict judgeAnswer(const QString &answer, const QString &successPhrases, const QString &domain = QString());

/// Names that stand for no real domain: ".com" or ".net" alone, or a quote right before ".com"/".net"
/// (any letter case).
bool isPlaceholderName(const QString &domain);

} // namespace tld
