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

/// Judges an answer: the first success phrase found (without regard to case) makes it Available, else
/// an error word makes it ErrorBlocked, else it is Registered. Empty phrase items are skipped.
/// @p domain is the name that was asked for (may be empty when unknown).
WhoisVerdict judgeAnswer(const QString &answer, const QString &successPhrases, const QString &domain = QString());

/// True when the first phrase of @p successPhrases that occurs in @p answer is found; sets @p word.
bool findSuccessPhrase(const QString &answer, const QString &successPhrases, QString *word);

/// True when @p answer holds one of the error words.
bool containsErrorWord(const QString &answer);

/// Names that stand for no real domain: ".com" or ".net" alone, or a quote right before ".com"/".net"
/// (any letter case).
bool isPlaceholderName(const QString &domain);

} // namespace tld
