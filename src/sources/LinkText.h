#pragma once

#include <QString>

namespace sources {

/// The domain of the search site whose own names are never candidates of a harvest.
inline const QString searchSiteDomain = QStringLiteral("yahoo.com");
/// The domain of the marketplace whose names are never candidates of a harvest.
inline const QString marketplaceDomain = QStringLiteral("afternic.com");

} // namespace sources
