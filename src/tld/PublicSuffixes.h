#pragma once

#include <QByteArrayView>

namespace tld {

/// How a name stands in the public suffix list (ICANN section): registries sell names directly below
/// a public suffix, never the suffix itself.
enum class SuffixKind {
    NotSuffix, ///< not a public suffix
    Listed,    ///< a public suffix the list names
    Implicit,  ///< a single label the list does not name: a suffix only by the list's default rule
};

/// Looks @p asciiName (lower case, A-labels, no trailing dot) up in the list the system keeps
/// up to date (the "publicsuffix" package), else in the one libpsl carries.
SuffixKind publicSuffixKind(QByteArrayView asciiName);

/// Whether the list has rules right below @p asciiSuffix, so that some "label." + @p asciiSuffix is a
/// public suffix itself ("co.uk" below "uk"); when it has none, any such name is registrable.
bool hasRulesBelow(QByteArrayView asciiSuffix);

} // namespace tld
