#pragma once

#include "lookup/QueryOutcome.h"
#include "tld/TldRecord.h"

#include <QSet>

#include <functional>
#include <optional>

namespace zones {
class ZoneScreen;
}

namespace engine {

class QueryEngine;

/**
 * Screening against the zone indexes inside a run. A name in its TLD's zone is registered without any
 * question; a name outside it goes on to DNS and the registry, unless only screening was asked for: then
 * it ends as likely available, with the zone's date. An index older than the age limit is still used,
 * and said once a run.
 */
class ZoneStage {
public:
    explicit ZoneStage(zones::ZoneScreen &screen) : m_screen(screen) {}

    /// Names outside the zone end as likely available instead of being asked.
    void setScreenOnly(bool on) { m_screenOnly = on; }
    bool screenOnly() const { return m_screenOnly; }
    /// Off: every name passes (a run that confirms likely-available names with the registry).
    void setEnabled(bool on) { m_enabled = on; }
    void setMaxAgeDays(int days) { m_maxAgeDays = days; }
    /// Told the first time in a run that a zone older than the age limit settles a name.
    void setOutdatedHandler(std::function<void(const QString &tld, int ageDays)> handler)
    {
        m_outdated = std::move(handler);
    }
    /// A run begins: indexes imported since are used, and outdated zones are said again.
    void beginRun();

    std::optional<lookup::QueryOutcome> screen(const QString &domain, const tld::TldRecord &row);

private:
    void noteAge(const tld::TldRecord &row, const QDate &zoneDate);

    zones::ZoneScreen &m_screen;
    bool m_screenOnly = false;
    bool m_enabled = true;
    int m_maxAgeDays = 7;
    std::function<void(const QString &, int)> m_outdated;
    QSet<QString> m_told; ///< TLDs whose outdated zone was said in this run
    QDate m_causeDate;    ///< the zone date m_cause tells of: one text shared by its millions of names
    QString m_cause;
};

/// Puts @p stage among @p engine's screens, after those added before it (the check history's).
void addZoneScreen(QueryEngine &engine, ZoneStage &stage);

/// The words a likely-available outcome carries as its cause.
QString notInZoneCause(const QDate &zoneDate);

} // namespace engine
