#pragma once

#include "platform/DesktopServices.h"
#include "zones/CzdsClient.h"

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace platform {
class ProgramSettings;
}

namespace zones {

class ZoneFetch;

/// The account at the zone data service in the Zone Files window: user name and password (kept in the
/// system keychain when asked), signing in, the zones the account may download, and Download.
class CzdsPanel : public QGroupBox {
    Q_OBJECT
public:
    CzdsPanel(CzdsClient &client, ZoneFetch &fetch, platform::ProgramSettings &settings, platform::SecretStore *secrets,
              QWidget *parent = nullptr);

    /// The zones ticked in the list.
    QList<CzdsZone> chosenZones() const;
    /// Shows @p text under the list (what happened last).
    void say(const QString &text);
    void setBusy(bool busy);

signals:
    void downloadRequested();

private:
    void signIn();
    void keepPassword();
    void showZones(const QList<zones::CzdsZone> &zones);
    void showFailure(const QString &message, bool badCredentials);
    void noteKeychainProblem(const QString &problem);

    CzdsClient &m_client;
    ZoneFetch &m_fetch;
    platform::ProgramSettings &m_settings;
    platform::SecretStore *m_secrets;
    QLineEdit *m_user;
    QLineEdit *m_password;
    QCheckBox *m_remember;
    QPushButton *m_signIn;
    QListWidget *m_zones;
    QPushButton *m_download;
    QLabel *m_status;
    QList<CzdsZone> m_listed;
    QString m_said;
    QString m_keychainProblem; ///< stays under whatever is said until the keychain works again
};

} // namespace zones
