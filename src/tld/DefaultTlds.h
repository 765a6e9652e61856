#pragma once

#include <QString>
#include <QStringList>

namespace tld {

/// Phrases that mark an answer as "not registered" for rows that name none of their own.
extern const QString defaultSuccessPhrases;

/// Statements with which servers refuse or limit a query; where one is the answer's statement, the answer
/// is not judged by its phrases.
const QStringList &refusalStatements();

/// Statements of servers that hold no domain names at all; an answer holding one says nothing about a name.
const QStringList &noDomainsStatements();

/// The TLDs domain hunters ask for most besides com and net; the built-in table enables them.
const QStringList &popularTlds();

/// The built-in table written when TLDs.txt is missing or restored: one row per TLD, all of the root zone
/// (and the proxy row), in alphabetical order; com, net and the popular TLDs enabled. Rows of TLDs whose
/// registry publishes an RDAP service name its base URL.
const QStringList &defaultTldRows();

/// Every server the program itself has given rows of @p extension: the built-in rows' (today's and the
/// WHOIS hosts they named before RDAP) and the shipped root zone's. A row naming one of them still has
/// the program's server, not one of the user's choosing.
QStringList programServers(const QString &extension);

} // namespace tld
