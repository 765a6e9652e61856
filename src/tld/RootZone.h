#pragma once

#include <QList>
#include <QString>

namespace tld {

/// One TLD of the root zone with the servers its registry publishes.
struct RootZoneTld {
    QString extension;   ///< lower case; IDN TLDs in their xn-- form
    QString whoisServer; ///< empty: none published
    QString rdapBase;    ///< an RDAP base the program may use (see isUsableRdapBase); empty: none

    /// What a new row of this TLD names: the RDAP base where there is one, the WHOIS server otherwise.
    QString preferredServer() const { return rdapBase.isEmpty() ? whoisServer : rdapBase; }
};

/// Reads the shipped list: one TLD a line, "tld|WHOIS server|RDAP base", "#" lines are notes. RDAP
/// bases the program may not use are left out.
QList<RootZoneTld> parseRootZone(const QString &text);

/// The root zone as shipped with the program, in the order of the list (alphabetical).
const QList<RootZoneTld> &rootZone();

/// The shipped entry for @p extension (compared in lower case), or null when it is not in the root zone.
const RootZoneTld *findRootZoneTld(const QString &extension);

} // namespace tld
