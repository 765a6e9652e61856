#include "engine/ZoneStage.h"

#include "engine/QueryEngine.h"
#include "zones/ZoneScreen.h"

#include <QCoreApplication>

namespace engine {

using lookup::QueryOutcome;

QString notInZoneCause(const QDate &zoneDate)
{
    return QCoreApplication::translate("engine::ZoneStage", "not in the zone of %1")
        .arg(zoneDate.toString(Qt::ISODate));
}

void ZoneStage::beginRun()
{
    m_told.clear();
    m_screen.reload();
}

std::optional<QueryOutcome> ZoneStage::screen(const QString &domain, const tld::TldRecord &row)
{
    if (!m_enabled)
        return std::nullopt;
    const zones::ZoneScreen::Answer answer = m_screen.screen(domain);
    if (answer.verdict == zones::ZoneScreen::Verdict::NoIndex)
        return std::nullopt;
    noteAge(row, answer.zoneDate);
    QueryOutcome outcome{QueryOutcome::Kind::Registered, domain};
    if (answer.verdict == zones::ZoneScreen::Verdict::NotInZone) {
        if (!m_screenOnly)
            return std::nullopt;
        outcome.kind = QueryOutcome::Kind::LikelyAvailable;
        if (answer.zoneDate != m_causeDate || m_cause.isEmpty()) {
            m_causeDate = answer.zoneDate;
            m_cause = notInZoneCause(answer.zoneDate);
        }
        outcome.cause = m_cause;
    }
    outcome.source = QueryOutcome::Source::Zone;
    outcome.zoneDate = answer.zoneDate;
    return outcome;
}

void ZoneStage::noteAge(const tld::TldRecord &row, const QDate &zoneDate)
{
    if (!m_outdated || m_told.contains(row.extension))
        return;
    const qint64 age = zoneDate.daysTo(QDate::currentDate());
    if (age <= m_maxAgeDays)
        return;
    m_told.insert(row.extension);
    m_outdated(row.extension, int(age));
}

void addZoneScreen(QueryEngine &engine, ZoneStage &stage)
{
    engine.addScreen([&stage](const QString &domain, const tld::TldRecord &row) { return stage.screen(domain, row); });
}

} // namespace engine
