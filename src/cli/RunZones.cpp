#include "cli/RunZones.h"

#include "engine/QueryEngine.h"
#include "platform/ProgramSettings.h"
#include "zones/ZoneImport.h"

namespace cli {

RunZones::RunZones(const QString &dataDir, bool zoneOnly, Note note)
    : m_screen(zones::zonesFolder(dataDir)), m_stage(m_screen), m_note(std::move(note))
{
    m_stage.setScreenOnly(zoneOnly);
    const platform::ProgramSettings settings(platform::ProgramSettings::defaultFolder());
    m_stage.setMaxAgeDays(settings.zoneMaxAgeDays(zones::ZoneScreen::defaultMaxAgeDays));
}

bool RunZones::add(const QStringList &paths, QString *error)
{
    for (const QString &path : paths) {
        QString problem;
        const bool added =
            zones::ZoneIndex::isIndexFile(path) ? m_screen.addIndex(path, &problem) : addZoneFile(path, &problem);
        if (!added) {
            *error = QStringLiteral("--zone %1 cannot be used: %2").arg(path, problem);
            return false;
        }
    }
    return true;
}

bool RunZones::addZoneFile(const QString &path, QString *error)
{
    if (!m_imported) {
        m_imported = std::make_unique<QTemporaryDir>();
        if (!m_imported->isValid()) {
            *error = m_imported->errorString();
            return false;
        }
    }
    zones::ZoneImport import(path, m_imported->path());
    if (!import.run()) {
        *error = import.error();
        return false;
    }
    return m_screen.addIndex(import.indexFile(), error);
}

void RunZones::install(engine::QueryEngine &engine)
{
    m_stage.setOutdatedHandler([this](const QString &tld, int days) {
        m_note(
            QStringLiteral("the zone of .%1 is %2 days old; names registered since are not in it").arg(tld).arg(days));
    });
    m_stage.beginRun();
    engine::addZoneScreen(engine, m_stage);
}

} // namespace cli
