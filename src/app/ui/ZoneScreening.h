#pragma once

#include "engine/ZoneStage.h"
#include "zones/ZoneScreen.h"

#include <QObject>

class QMainWindow;
class QMenu;

namespace engine {
class QueryEngine;
struct RunEnd;
} // namespace engine
namespace results {
class ResultsDesk;
class ResultClasses;
} // namespace results
namespace sources {
class SourceSelection;
}

namespace app {

class AppContext;

/**
 * Zone screening in the main window's runs: the "Screen only" option, the status bar's word on an old
 * zone, and "Confirm with registry" on likely-available names of the profile lists, which checks them in
 * a run of their own that passes the zones by.
 */
class ZoneScreening : public QObject {
    Q_OBJECT
public:
    struct Parts {
        AppContext &context;
        QMainWindow &window;
        engine::QueryEngine &engine;
        sources::SourceSelection &selection;
        results::ResultsDesk &desk;
        results::ResultClasses &results;
    };

    explicit ZoneScreening(const Parts &parts, QObject *parent = nullptr);

    /// Adds the zone screen to the engine, after the screens added before.
    void install();
    /// "Screen only" in @p options; "Confirm with registry" in @p edit and after the profile lists' own items.
    void addMenuItems(QMenu &options, QMenu &edit);
    /// Checks @p domains with the registry, without the zones; false when a run is under way or none is left.
    bool confirmWithRegistry(const QStringList &domains);
    /// Every likely-available name of the profile lists, in list order.
    QStringList likelyNames() const;

private:
    void addScreenOnlyItem(QMenu &options);
    void addConfirmItems(QMenu &edit);
    void prepareRun();
    void sayOutdated(const QString &tld, int days);
    void tell(const QString &text);
    QStringList likelySelected(int list) const;

    AppContext &m_context;
    QMainWindow &m_window;
    engine::QueryEngine &m_engine;
    sources::SourceSelection &m_selection;
    results::ResultsDesk &m_desk;
    results::ResultClasses &m_results;
    zones::ZoneScreen m_screen;
    engine::ZoneStage m_stage;
    bool m_confirming = false; ///< the run under way confirms likely-available names
};

} // namespace app
