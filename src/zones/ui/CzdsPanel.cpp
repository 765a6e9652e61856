#include "zones/ui/CzdsPanel.h"

#include "platform/ProgramSettings.h"
#include "platform/ui/Named.h"
#include "zones/ZoneFetch.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace zones {

using platform::named;

CzdsPanel::CzdsPanel(CzdsClient &client, ZoneFetch &fetch, platform::ProgramSettings &settings,
                     platform::SecretStore *secrets, QWidget *parent)
    : QGroupBox(tr("Download from the zone data service (CZDS)"), parent), m_client(client), m_fetch(fetch),
      m_settings(settings), m_secrets(secrets), m_user(named(new QLineEdit(this), "txtCzdsUser")),
      m_password(named(new QLineEdit(this), "txtCzdsPassword")),
      m_remember(named(new QCheckBox(tr("Keep the password in the system keychain"), this), "chkCzdsRemember")),
      m_signIn(named(new QPushButton(tr("Sign in"), this), "cmdCzdsSignIn")),
      m_zones(named(new QListWidget(this), "lstCzdsZones")),
      m_download(named(new QPushButton(tr("Download and import"), this), "cmdCzdsDownload")),
      m_status(named(new QLabel(this), "lblCzdsStatus"))
{
    setObjectName(QStringLiteral("fraCzds"));
    m_password->setEchoMode(QLineEdit::Password);
    m_user->setText(settings.czdsUser());
    m_status->setWordWrap(true);
    m_download->setEnabled(false);
    auto *form = new QFormLayout;
    form->addRow(tr("User name:"), m_user);
    form->addRow(tr("Password:"), m_password);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_remember, 1);
    buttons->addWidget(m_signIn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(m_zones, 1);
    layout->addWidget(m_download, 0, Qt::AlignRight);
    layout->addWidget(m_status);

    connect(m_signIn, &QPushButton::clicked, this, &CzdsPanel::signIn);
    connect(m_password, &QLineEdit::returnPressed, this, &CzdsPanel::signIn);
    connect(m_download, &QPushButton::clicked, this, &CzdsPanel::downloadRequested);
    connect(&m_client, &CzdsClient::signedIn, this, &CzdsPanel::keepPassword);
    connect(&m_client, &CzdsClient::signedIn, &m_client, &CzdsClient::listZones);
    connect(&m_client, &CzdsClient::zonesListed, this, &CzdsPanel::showZones);
    connect(&m_client, &CzdsClient::failed, this, &CzdsPanel::showFailure);
    // A password kept earlier fills the field; the user signs in when ready.
    if (m_secrets && !m_user->text().isEmpty()) {
        m_secrets->readSecret(QLatin1String(CzdsAddresses::passwordSecret), this,
                              [this](const QString &secret, const QString &error) {
                                  if (!error.isEmpty())
                                      noteKeychainProblem(tr("The keychain could not be read: %1").arg(error));
                                  if (secret.isEmpty() || !m_password->text().isEmpty())
                                      return;
                                  m_password->setText(secret);
                                  m_remember->setChecked(true);
                              });
    }
}

void CzdsPanel::say(const QString &text)
{
    m_said = text;
    m_status->setText(m_keychainProblem.isEmpty() ? text : text + QLatin1Char('\n') + m_keychainProblem);
}

void CzdsPanel::noteKeychainProblem(const QString &problem)
{
    m_keychainProblem = problem;
    say(m_said);
}

void CzdsPanel::setBusy(bool busy)
{
    m_signIn->setEnabled(!busy);
    m_download->setEnabled(!busy && !m_listed.isEmpty());
}

void CzdsPanel::signIn()
{
    const QString user = m_user->text().trimmed();
    if (user.isEmpty() || m_password->text().isEmpty()) {
        say(tr("Give the user name and password of your account at the zone data service."));
        return;
    }
    m_signIn->setEnabled(false);
    say(tr("Signing in..."));
    m_client.signIn(user, m_password->text());
}

void CzdsPanel::keepPassword()
{
    m_settings.setCzdsUser(m_user->text().trimmed());
    if (!m_secrets)
        return;
    const QString key = QLatin1String(CzdsAddresses::passwordSecret);
    const auto report = [this](const QString &error) {
        noteKeychainProblem(
            error.isEmpty()
                ? QString()
                : tr("The password could not be kept in the keychain (%1): it is asked for next time.").arg(error));
    };
    if (m_remember->isChecked())
        m_secrets->writeSecret(key, m_password->text(), this, report);
    else
        m_secrets->deleteSecret(key, this, report);
}

void CzdsPanel::showZones(const QList<CzdsZone> &zones)
{
    m_signIn->setEnabled(true);
    m_listed = zones;
    m_zones->clear();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const CzdsZone &zone : zones) {
        auto *item = new QListWidgetItem(QLatin1Char('.') + zone.tld, m_zones);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        const QDateTime next = m_fetch.nextDownload(zone.tld, now);
        if (next.isValid())
            item->setToolTip(tr("Downloaded less than a day ago: the next download is possible from %1.")
                                 .arg(QLocale().toString(next.toLocalTime(), QLocale::ShortFormat)));
    }
    m_download->setEnabled(!zones.isEmpty());
    if (zones.isEmpty())
        say(tr("The account may download no zones yet. Request access to each TLD you want at the zone data "
               "service's web site; each registry approves or declines its own requests, and approved zones "
               "appear here."));
    else
        say(tr("Signed in. Tick the zones to download and import."));
}

void CzdsPanel::showFailure(const QString &message, bool badCredentials)
{
    m_signIn->setEnabled(true);
    say(message);
    if (badCredentials)
        m_password->selectAll();
}

QList<CzdsZone> CzdsPanel::chosenZones() const
{
    QList<CzdsZone> chosen;
    for (int row = 0; row < m_zones->count() && row < m_listed.size(); ++row) {
        if (m_zones->item(row)->checkState() == Qt::Checked)
            chosen.append(m_listed.at(row));
    }
    return chosen;
}

} // namespace zones
