#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tld {

/// One row of the TLD table as the program uses it.
struct TldRecord {
    QString extension;      ///< lower case, without the leading dot
    QString server;         ///< lower case host name or address; for RDAP rows the base URL as written
    int port = 43;          ///< 443 for RDAP rows, whatever the file says
    bool enabled = false;   ///< only the exact status text "Enabled" enables a row
    int throttle = 25;      ///< pause in milliseconds after a query of this row
    QString successPhrases; ///< comma-separated, case kept

    bool operator==(const TldRecord &) const = default;
};

/// Rows in file order; lookups take the first matching row.
using TldTable = QList<TldRecord>;

inline const QString proxyExtension = QStringLiteral("proxy");
inline const QString enabledStatus = QStringLiteral("Enabled");
inline const QString disabledStatus = QStringLiteral("Disabled");
/// The port RDAP rows are written with; the field is not used for them.
inline constexpr int rdapPort = 443;

/// True when a server field is an RDAP base URL (http:// or https://): such a row is asked over RDAP.
bool isRdapServer(const QString &server);

/// True for a host name or address of this computer (localhost, 127.x.x.x, ::1).
bool isLoopbackHost(const QString &host);

/// True when @p url may serve as an RDAP base: https, or plain http to this machine only.
bool isUsableRdapBase(const QString &url);

/// Builds the row text: six fields joined by "|".
QString rowText(const QString &extension, const QString &server, const QString &port, const QString &status,
                const QString &throttle, const QString &successPhrases);

/// Parses one row into a record. Rows with fewer than six fields, or a port or throttle that is not a
/// number, are refused (false) so that one bad row never spoils the rest of the table.
bool parseRow(const QString &line, TldRecord &record);

/// Why the program cannot read @p line as a row, in words ("it has 4 of the six fields..."); empty for a
/// readable row.
QString rowProblem(const QString &line);

/// The six fields of a row exactly as stored, or an empty list for a malformed row.
QStringList rowFields(const QString &line);

/// True for lines every reader skips: empty or a single blank.
bool isBlankRow(const QString &line);

} // namespace tld
