#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tld {

/// Why an entry names no domain that can be registered.
enum class NameProblem : quint8 {
    None,
    NoName,
    BadCharacter,
    EmptyLabel,
    LabelTooLong,
    NameTooLong,
    HyphenAtLabelEdge,
    HyphensInThirdPlace,
    BadPunycode,
    NoAsciiForm,
    NumericTld,
    PublicSuffix,
    NoTld,
};

/// The reason in words ("empty label"), through the translator.
QString problemText(NameProblem problem);

/// What an entry names under the rule below.
struct EntryName {
    /// The registrable domain in lower case, international labels as written; for a word without a dot
    /// the word; with a problem, the text that was judged.
    QString name;
    QString ascii; ///< the name with A-labels ("xn--..."): what registries are asked
    QString entry; ///< the entry as written (outer blanks trimmed) when it says more than the name
    NameProblem problem = NameProblem::None;
    bool isWord = false;       ///< no dot: the chosen TLDs complete it
    bool listedSuffix = false; ///< the name ends in a suffix the public suffix list names

    bool isDomain() const { return problem == NameProblem::None && !isWord; }
};

/// Lines holding only blanks and tabs, and lines whose first other character is "#", are no entries.
bool isBlankOrComment(QStringView line);
bool isBlankOrComment(QByteArrayView line);

/**
 * The one rule for what a domain is, for every entry point. The entry is unescaped and trimmed; a URL
 * gives its host (scheme, user, port, path, query and fragment go, and so does a prefix such as
 * "site:"); the part before the first dot is cleaned of punctuation; one final dot goes; the rest is
 * lower-cased, written with A-labels (UTS 46) and checked label by label (letters, digits and hyphens,
 * 1 to 63 characters, no hyphen first or last, "--" in the third and fourth place only for a valid
 * "xn--" label, at most 253 characters). A name with a dot is then cut to its registrable domain: one
 * label below its public suffix in the ICANN section of the public suffix list.
 */
EntryName readEntry(const QString &entry);

/// @p word (a word readEntry gave) completed with @p extension ("com", ".co.uk") and read by the rule.
EntryName completeWord(const EntryName &word, const QString &extension);

/// What a list entry becomes: its registrable domain (or its problem), or for a word one name per
/// extension of @p extensions.
QList<EntryName> domainsOfEntry(const QString &entry, const QStringList &extensions);

} // namespace tld
