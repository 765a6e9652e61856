#include "app/AppContext.h"

namespace app {

AppContext::AppContext(const QString &appFolder, const QString &settingsFolder, platform::Services services)
    : folder(appFolder), settings(settingsFolder), tlds(folder.path(QStringLiteral("TLDs.txt"))), services(services),
      history(folder.path(QStringLiteral("History.sqlite")))
{}

} // namespace app
