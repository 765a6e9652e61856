#pragma once

#include <QString>
#include <QStringList>

namespace tld {

/// Phrases that mark an answer as "not registered" for rows that name none of their own.
extern const QString defaultSuccessPhrases;

/// The built-in table written when TLDs.txt is missing or restored: 179 rows in file order.
const QStringList &defaultTldRows();

} // namespace tld
