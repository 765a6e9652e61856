#pragma once

#include "cli/CheckOptions.h"
#include "cli/NameStream.h"
#include "cli/PositionFile.h"
#include "lookup/QueryOutcome.h"

#include <QObject>
#include <QSet>

#include <memory>
#include <optional>

namespace engine {
class QueryEngine;
}
namespace lookup {
class DnsCheck;
}
namespace results {
class HistoryScreen;
class HistoryStore;
class ResultClasses;
} // namespace results
namespace platform {
class AppFolder;
}
namespace tld {
class TldRegistry;
}

namespace cli {

class ProgressLine;
class RunZones;

/**
 * One run of quarrytide-check: the desktop program's engine, TLD table and result classes fed from a
 * name stream, each outcome printed as it arrives, the position kept for a rerun, and the exit status
 * decided when the names run out or the user stops.
 */
class CheckRun : public QObject {
    Q_OBJECT
public:
    enum ExitStatus { AllJudged = 0, SomeNotJudged = 1, BadInput = 2, Stopped = 130, OutputGone = 141 };

    explicit CheckRun(CheckOptions options, QObject *parent = nullptr);
    ~CheckRun() override;

    /// Reads the TLD table and the position and checks the inputs. False with error() when the run
    /// cannot begin (exit status 2).
    bool prepare(const QString &defaultDataDir);
    QString error() const { return m_error; }
    int startPosition() const { return m_startPosition; }
    const tld::TldRegistry &tlds() const { return *m_tlds; }

    void start();
    /// Ctrl+C: the questions under way are abandoned; the position stays at the first name without its
    /// outcome, so a rerun asks it again.
    void interrupt();

    int exitStatus() const { return m_exitStatus; }

signals:
    void finished(int exitStatus);

private:
    bool loadTable();
    bool openHistory();
    void watchHistory();
    QString sourceText() const;
    void adjustTable();
    void applyTimings();
    void onOutcome(const lookup::QueryOutcome &outcome);
    void onListEnded();
    void noteRefusal(const lookup::QueryOutcome &outcome);
    void savePosition(int next, const QStringList &ahead = {});
    void outputFailed(int error);
    void finish(int status);
    void note(const QString &text) const;

    CheckOptions m_options;
    bool m_showProgress;
    QString m_error;
    std::unique_ptr<platform::AppFolder> m_folder;
    std::unique_ptr<tld::TldRegistry> m_tlds;
    std::unique_ptr<results::ResultClasses> m_results;
    std::unique_ptr<lookup::DnsCheck> m_dns;
    std::unique_ptr<RunZones> m_zones;
    NameStream m_stream;
    std::optional<PositionFile> m_positions;
    std::unique_ptr<results::HistoryStore> m_history; ///< null: no history is read or written
    std::unique_ptr<results::HistoryScreen> m_screen;
    std::unique_ptr<engine::QueryEngine> m_engine;
    ProgressLine *m_progress = nullptr;
    bool m_stdoutIsTerminal = false;

    int m_startPosition = 1;
    int m_nextPosition = 1;
    bool m_positionWarned = false;
    QSet<QString> m_refusingServers;
    qint64 m_counts[lookup::QueryOutcome::kindCount] = {};
    qint64 m_done = 0;
    bool m_finished = false;
    int m_exitStatus = AllJudged;
};

} // namespace cli
