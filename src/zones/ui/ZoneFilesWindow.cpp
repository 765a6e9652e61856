#include "zones/ui/ZoneFilesWindow.h"

#include "platform/ProgramSettings.h"
#include "platform/ui/Named.h"
#include "zones/CzdsClient.h"
#include "zones/ZoneFetch.h"
#include "zones/ZoneImport.h"
#include "zones/ZoneScreen.h"
#include "zones/ui/CzdsPanel.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zones {

using platform::named;

CzdsAddresses czdsAddresses(const platform::ProgramSettings &settings)
{
    CzdsAddresses addresses;
    addresses.account = settings.czdsAccountUrl(addresses.account);
    addresses.api = settings.czdsApiUrl(addresses.api);
    return addresses;
}

ZoneFilesWindow::ZoneFilesWindow(const ZoneFilesContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window), m_context(context), m_folder(zonesFolder(context.appFolder)),
      m_client(new CzdsClient(czdsAddresses(context.settings), this)),
      m_fetch(new ZoneFetch(*m_client, context.appFolder, context.settings, this)),
      m_list(named(new QTreeWidget(this), "lstZones")),
      m_importButton(named(new QPushButton(tr("Import from file..."), this), "cmdImportZone")),
      m_remove(named(new QPushButton(tr("Remove"), this), "cmdRemoveZone")),
      m_czds(new CzdsPanel(*m_client, *m_fetch, context.settings, context.services.secrets, this)),
      m_progress(named(new QProgressBar(this), "prgZone")), m_progressText(named(new QLabel(this), "lblZoneProgress")),
      m_cancel(named(new QPushButton(tr("Cancel"), this), "cmdZoneCancel"))
{
    setObjectName(QStringLiteral("frmZoneFiles"));
    setWindowTitle(tr("Zone Files"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_list->setHeaderLabels({tr("TLD"), tr("Zone of"), tr("Names"), tr("SOA serial")});
    m_list->setRootIsDecorated(false);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_progress->setRange(0, 1000);
    auto *intro = named(new QLabel(tr("A name in its TLD's zone file is registered; a name outside it is a "
                                      "candidate for the registry to confirm. Import a zone file, or download "
                                      "zones with your zone data service account."),
                                   this),
                        "lblZonesIntro");
    intro->setWordWrap(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_importButton);
    buttons->addWidget(m_remove);
    buttons->addStretch(1);
    auto *progress = new QHBoxLayout;
    progress->addWidget(m_progress, 1);
    progress->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    layout->addWidget(m_czds, 1);
    layout->addLayout(progress);
    layout->addWidget(m_progressText);

    connect(m_importButton, &QPushButton::clicked, this, &ZoneFilesWindow::chooseFile);
    connect(m_remove, &QPushButton::clicked, this, &ZoneFilesWindow::removeSelected);
    connect(m_cancel, &QPushButton::clicked, this, &ZoneFilesWindow::cancel);
    connect(m_czds, &CzdsPanel::downloadRequested, this, [this] {
        m_failures.clear();
        m_fetch->fetch(m_czds->chosenZones());
        setBusy(m_fetch->isRunning());
    });
    connect(m_fetch, &ZoneFetch::progressed, this, &ZoneFilesWindow::showFetchProgress);
    connect(m_fetch, &ZoneFetch::zoneFinished, this, &ZoneFilesWindow::zoneFetched);
    connect(m_fetch, &ZoneFetch::finished, this, &ZoneFilesWindow::fetchFinished);
    setBusy(false);
    fillList();
    resize(620, 640);
}

ZoneFilesWindow::~ZoneFilesWindow() = default;

bool ZoneFilesWindow::isBusy() const
{
    return m_import || m_fetch->isRunning();
}

void ZoneFilesWindow::fillList()
{
    m_list->clear();
    const int maxAge = m_context.settings.zoneMaxAgeDays(ZoneScreen::defaultMaxAgeDays);
    ZoneScreen screen(m_folder);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const ZoneInfo &zone : screen.importedZones()) {
        auto *item =
            new QTreeWidgetItem(m_list, {QLatin1Char('.') + zone.tld,
                                         QLocale().toString(zone.sourceDate.toLocalTime().date(), QLocale::ShortFormat),
                                         QLocale().toString(zone.count), QString::number(zone.serial)});
        item->setData(0, Qt::UserRole, zone.tld);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        if (screen.isOutdated(zone.tld, now, maxAge)) {
            item->setForeground(1, Qt::red);
            item->setToolTip(1, tr("Older than %n day(s): screening uses it with a warning.", nullptr, maxAge));
        }
    }
}

void ZoneFilesWindow::chooseFile()
{
    if (!m_context.services.dialogs || isBusy())
        return;
    const QString file = m_context.services.dialogs->openFile(
        QString(), tr("Zone files (*.zone *.txt *.gz *.zone.gz *.txt.gz);;All files (*)"));
    if (!file.isEmpty())
        importFile(file);
}

void ZoneFilesWindow::importFile(const QString &file)
{
    m_import = new ZoneImport(file, m_folder, QString(), this);
    connect(m_import, &ZoneImport::progressed, this, &ZoneFilesWindow::showImportProgress);
    connect(m_import, &ZoneImport::finished, this, &ZoneFilesWindow::importFinished);
    setBusy(true);
    showProgress(tr("Reading %1").arg(QFileInfo(file).fileName()), 0, -1);
    m_import->start();
}

void ZoneFilesWindow::showImportProgress()
{
    const ImportProgress progress = m_import->progress();
    showProgress(tr("Reading %1: %2 names so far")
                     .arg(QFileInfo(m_import->zoneFile()).fileName(), QLocale().toString(progress.names)),
                 progress.fraction, progress.etaSeconds);
}

void ZoneFilesWindow::importFinished(bool ok)
{
    ZoneImport *import = m_import;
    m_import = nullptr;
    import->deleteLater();
    setBusy(false);
    m_progress->setValue(0);
    if (import->state() == ZoneImport::State::Cancelled) {
        m_progressText->setText(tr("Import cancelled; the zones are as they were."));
        return;
    }
    if (!ok) {
        m_progressText->setText(tr("Not imported."));
        if (m_context.services.messages)
            m_context.services.messages->show(
                {tr("Zone Files"), tr("%1 could not be imported: %2.").arg(import->zoneFile(), import->error()),
                 platform::MessageRequest::Icon::Warning});
        return;
    }
    const ZoneInfo &info = import->info();
    m_progressText->setText(tr("Imported the zone of .%1: %2 names.").arg(info.tld, QLocale().toString(info.count)));
    fillList();
    emit zonesChanged();
}

void ZoneFilesWindow::removeSelected()
{
    const QTreeWidgetItem *item = m_list->currentItem();
    if (!item || isBusy())
        return;
    const QString tld = item->data(0, Qt::UserRole).toString();
    if (m_context.services.messages &&
        m_context.services.messages->show({tr("Zone Files"),
                                           tr("Remove the zone index of .%1? Names of .%1 are then asked of the "
                                              "registry again.")
                                               .arg(tld),
                                           platform::MessageRequest::Icon::Question,
                                           platform::MessageRequest::Buttons::OkCancel}) != platform::MessageAnswer::Ok)
        return;
    QFile::remove(indexPath(m_folder, tld));
    fillList();
    emit zonesChanged();
}

void ZoneFilesWindow::showFetchProgress()
{
    const FetchProgress progress = m_fetch->progress();
    const QString what = progress.phase == FetchProgress::Phase::Importing ? tr("Importing the zone of .%1")
                                                                           : tr("Downloading the zone of .%1");
    showProgress(what.arg(progress.tld), progress.fraction, progress.etaSeconds);
}

void ZoneFilesWindow::zoneFetched(const QString &tld, bool ok, const QString &message)
{
    if (ok) {
        fillList();
        emit zonesChanged();
    } else {
        m_failures.append(tr(".%1: %2").arg(tld, message));
    }
}

void ZoneFilesWindow::fetchFinished()
{
    setBusy(false);
    m_progress->setValue(0);
    m_progressText->setText(m_failures.isEmpty() ? tr("Done.") : tr("Done; some zones were not fetched."));
    if (!m_failures.isEmpty() && m_context.services.messages)
        m_context.services.messages->show({tr("Zone Files"),
                                           tr("These zones were not fetched:\n") + m_failures.join(QLatin1Char('\n')),
                                           platform::MessageRequest::Icon::Warning});
}

void ZoneFilesWindow::cancel()
{
    if (m_import)
        m_import->cancel();
    if (m_fetch->isRunning()) {
        m_failures.clear();
        m_fetch->cancel();
        m_progressText->setText(tr("Cancelled; a partly downloaded zone goes on from where it stopped next time."));
    }
}

void ZoneFilesWindow::setBusy(bool busy)
{
    m_importButton->setEnabled(!busy);
    m_remove->setEnabled(!busy);
    m_cancel->setEnabled(busy);
    m_czds->setBusy(busy);
}

void ZoneFilesWindow::showProgress(const QString &what, double fraction, qint64 etaSeconds)
{
    m_progress->setValue(int(fraction * 1000));
    QString text = what;
    if (etaSeconds >= 0)
        text += etaSeconds < 90 ? tr(" - about %n second(s) left", nullptr, int(etaSeconds))
                                : tr(" - about %n minute(s) left", nullptr, int((etaSeconds + 30) / 60));
    m_progressText->setText(text);
}

} // namespace zones
