#pragma once

#include "app/PartnerLinks.h"
#include "platform/AppFolder.h"
#include "platform/DesktopServices.h"
#include "platform/ProgramSettings.h"
#include "results/HistoryStore.h"
#include "tld/TldRegistry.h"

namespace app {

/**
 * What lives from start-up to shutdown and is shared by every window: the application folder, the
 * settings, the TLD table with its proxy switch and default extension, the pause before a run's first question,
 * the partner-link configuration, the domain double-clicked last, the check history, and the desktop services.
 */
class AppContext {
public:
    AppContext(const QString &appFolder, const QString &settingsFolder, platform::Services services);
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;

    platform::AppFolder folder;
    platform::ProgramSettings settings;
    tld::TldRegistry tlds;
    /// The "Throttle" setting: ticks of the throttle timer before the first question of a run.
    int startPauseTicks = 0;
    app::PartnerLinks links;
    platform::Services services;
    QString selectedDomain;
    /// History.sqlite in the application folder; opened by the main window's load.
    results::HistoryStore history;
};

} // namespace app
