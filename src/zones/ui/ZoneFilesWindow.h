#pragma once

#include "platform/DesktopServices.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace platform {
class ProgramSettings;
}

namespace zones {

class CzdsClient;
class CzdsPanel;
class ZoneFetch;
class ZoneImport;
struct CzdsAddresses;

/// What the Zone Files window works with.
struct ZoneFilesContext {
    QString appFolder;
    platform::ProgramSettings &settings;
    platform::Services services;
};

/**
 * The "Zone Files" window (Tools menu): the imported zones with their dates and counts, importing a zone
 * file, and downloading zones with a zone data service account. Imports run in slices on the event loop
 * with progress, time left and Cancel.
 */
class ZoneFilesWindow : public QWidget {
    Q_OBJECT
public:
    explicit ZoneFilesWindow(const ZoneFilesContext &context, QWidget *parent = nullptr);
    ~ZoneFilesWindow() override;

    /// Imports @p file into the zones folder, as "Import from file..." does once a file is chosen.
    void importFile(const QString &file);
    bool isBusy() const;
    CzdsClient &client() { return *m_client; }

signals:
    /// An index was added, replaced or removed: screening looks at the folder again.
    void zonesChanged();

private:
    void chooseFile();
    void removeSelected();
    void fillList();
    void showImportProgress();
    void importFinished(bool ok);
    void showFetchProgress();
    void zoneFetched(const QString &tld, bool ok, const QString &message);
    void fetchFinished();
    void cancel();
    void setBusy(bool busy);
    void showProgress(const QString &what, double fraction, qint64 etaSeconds);

    ZoneFilesContext m_context;
    QString m_folder;
    CzdsClient *m_client;
    ZoneFetch *m_fetch;
    QPointer<ZoneImport> m_import;
    QTreeWidget *m_list;
    QPushButton *m_importButton;
    QPushButton *m_remove;
    CzdsPanel *m_czds;
    QProgressBar *m_progress;
    QLabel *m_progressText;
    QPushButton *m_cancel;
    QStringList m_failures;
};

/// The service's addresses, as the settings give them (the real service unless they say otherwise).
CzdsAddresses czdsAddresses(const platform::ProgramSettings &settings);

} // namespace zones
