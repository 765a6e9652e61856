#pragma once

#include "engine/ZoneStage.h"
#include "zones/ZoneScreen.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace engine {
class QueryEngine;
}

namespace cli {

/**
 * The zones one run screens against: the data folder's indexes and those named with --zone. A zone file
 * named there is indexed into a temporary folder that goes with the run, so the data folder's indexes stay
 * as the user made them.
 */
class RunZones {
public:
    using Note = std::function<void(const QString &)>;

    RunZones(const QString &dataDir, bool zoneOnly, Note note);

    /// Opens or indexes each of @p paths; false with the reason in @p error when one cannot be used.
    bool add(const QStringList &paths, QString *error);
    /// Screens @p engine's names; says when a zone is older than the age limit.
    void install(engine::QueryEngine &engine);

private:
    bool addZoneFile(const QString &path, QString *error);

    zones::ZoneScreen m_screen;
    engine::ZoneStage m_stage;
    std::unique_ptr<QTemporaryDir> m_imported;
    Note m_note;
};

} // namespace cli
