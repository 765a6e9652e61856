#pragma once

#include "platform/DesktopServices.h"
#include "sources/SearchEngines.h"

#include <QWidget>

class QLineEdit;

namespace platform {
class AppFolder;
}
namespace tld {
class EnabledTldMatcher;
}

namespace sources {

class Harvester;

/// What the harvester window uses of the program.
struct HarvesterHost {
    const platform::AppFolder &folder;
    const tld::EnabledTldMatcher &matcher;
    platform::Services services;
};

/// The harvester window (Form3): shows the progress of one harvest, which starts when the window
/// opens. Closing it stops the harvest; nothing is written and no run starts.
class HarvesterWindow : public QWidget {
    Q_OBJECT
public:
    HarvesterWindow(const HarvesterHost &host, const HarvestRequest &request, QWidget *parent = nullptr);
    ~HarvesterWindow() override;

    Harvester *harvester() const { return m_harvester; }

signals:
    /// BrowserSearch.txt holds @p entryCount entries.
    void listWritten(int entryCount);
    /// The run over BrowserSearch.txt may start.
    void runRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void handOver(int entryCount, int uniqueCount);
    void showWriteFailure(const QString &path);
    /// Ends the harvest with a message and no run.
    void closeWithMessage(const QString &text);

    platform::Services m_services;
    Harvester *m_harvester;
    QLineEdit *m_text1;
};

} // namespace sources
