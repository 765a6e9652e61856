#pragma once

#include <QString>
#include <QStringList>

namespace tld {

/// What a WHOIS answer says about a domain.
struct WhoisVerdict {
    enum class Kind { Available, ErrorBlocked, Registered, Unknown };
    Kind kind = Kind::Unknown;
    QString successWord; ///< for Available: the row's phrase that matched, or the built-in statement found
};

/// Words that mark a refused or limited query.
const QStringList &errorWords();

/**
 * Judges an answer by the evidence it holds for each outcome, never by the absence of evidence:
 *
 * - Registered: the answer carries a record (registrar, creation or expiry date, name server or holder
 *   lines in the registries' usual "key: value" and "[key] value" spellings). A record outweighs
 *   everything else, a not-found statement included: calling a taken name free is the one mistake a
 *   user pays for. A registry status of a taken name, or a statement that the name is reserved or not
 *   available, also makes it Registered unless the answer is a refusal.
 * - ErrorBlocked: an explicit refusal or rate limit (refusalStatements() and the like) where the answer
 *   states it (on a short block of lines of its own or on the first line, not inside a notice paragraph)
 *   and no not-found line wins over it; or, in an answer without any other evidence, an error word
 *   standing as a word of its own outside a paragraph.
 * - Available: a not-found statement (the first of @p successPhrases in list order that the answer
 *   holds, else one of the built-in not-found statements, which stand alone on their line or open or
 *   close it) and no refusal.
 * - Unknown: everything else, among it empty answers, binary data and texts without evidence.
 *
 * Phrases match without regard to case or to how many blanks and tabs stand between words; empty phrase
 * items are skipped. @p domain is the name that was asked for, in the form that was sent (may be empty
 * when unknown): its text in the answer never takes part in a match.
 */
WhoisVerdict judgeAnswer(const QString &answer, const QString &successPhrases, const QString &domain = QString());

/// Names that stand for no real domain: ".com" or ".net" alone, or a quote right before ".com"/".net"
/// (any letter case).
bool isPlaceholderName(const QString &domain);

} // namespace tld
