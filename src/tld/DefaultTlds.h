#pragma once

#include <QString>
#include <QStringList>

namespace tld {

/// Phrases that mark an answer as "not registered" for rows that name none of their own.
extern const QString defaultSuccessPhrases;

/// Statements with which servers refuse or limit a query; an answer holding one is never judged by its
/// phrases.
const QStringList &refusalStatements();

/// The built-in table written when TLDs.txt is missing or restored: 179 rows in file order.
const QStringList &defaultTldRows();

} // namespace tld
