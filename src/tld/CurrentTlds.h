#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace tld {

/// The rows "Add current TLDs" appends, with how they are asked.
struct CurrentTldRows {
    QStringList rows;   ///< row texts, one disabled row per TLD, in the root zone's order
    int rdapRows = 0;   ///< rows that name an RDAP base
    int whoisRows = 0;  ///< rows that name a WHOIS server
    int serverless = 0; ///< TLDs without any published server, left out
};

/// The rows for every root-zone TLD that no line of @p lines (the table file) names yet. A line counts
/// by its first field, whatever the rest holds, so a hand-edited row is never doubled.
CurrentTldRows currentTldRows(const QStringList &lines);

/// The built-in rows (enabled) of the popular TLDs that no line of @p lines names yet, in the built-in
/// table's order. A line counts by its first field, whatever its status.
QStringList missingPopularRows(const QStringList &lines);

/// IANA's RDAP bootstrap file for DNS, read: lower-case TLD -> the base URL the program may use.
struct RdapBootstrap {
    QHash<QString, QString> bases;
    QString error; ///< why the file could not be read; empty when it could
};
RdapBootstrap parseRdapBootstrap(const QByteArray &json);

/// One server field that "Update servers" changed.
struct ServerChange {
    QString extension;
    QString from;
    QString to;
};

/// The table file's lines after an update, with what changed.
struct ServerUpdate {
    QStringList lines;
    QList<ServerChange> changes;
    int ownServers = 0; ///< rows the bootstrap names another base for, kept because the user chose the server
};

/// Gives every row whose server is still one the program chose (programServers) the base the bootstrap
/// names for its TLD. Other lines, blank and unreadable ones included, stay exactly as they are.
ServerUpdate updateServers(const QStringList &lines, const QHash<QString, QString> &bases);

} // namespace tld
