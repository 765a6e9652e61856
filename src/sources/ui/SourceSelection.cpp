#include "sources/ui/SourceSelection.h"

#include "platform/AppFolder.h"
#include "platform/ProgramSettings.h"
#include "sources/SourceCatalog.h"
#include "sources/ui/SourceList.h"
#include "sources/ui/SourcePanel.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace sources {

SourceSelection::SourceSelection(SourcePanel &panel, const platform::AppFolder &folder,
                                 platform::ProgramSettings &settings, platform::Services services, QObject *parent)
    : QObject(parent), m_panel(panel), m_folder(folder), m_settings(settings), m_services(services)
{
    SourceList *list = panel.sourceList();
    // A change made in code applies at once; the user's own changes are told apart below.
    connect(list, &QComboBox::currentIndexChanged, this, [this, list](int index) {
        if (!list->isMoving() && !list->isChoosing())
            applySelection(index);
    });
    // A line chosen in the open list is applied, also when it is the one already chosen (it reopens the
    // generator, say); a move with the keys or the wheel opens no window and no dialog until confirmed.
    connect(list, &QComboBox::activated, this, [this, list](int index) {
        if (list->isMoving())
            moveTo(index);
        else
            applySelection(index);
    });
    connect(list, &SourceList::confirmed, this, &SourceSelection::confirmPending);
    // Checked once the typing is done: "136" cleared and 500 typed must not pass through "1" on the way.
    connect(panel.startNumber(), &QLineEdit::editingFinished, this, &SourceSelection::acceptStartNumber);
    connect(panel.searchString(), &QLineEdit::textChanged, this, &SourceSelection::updateSearchButton);
    connect(panel.startButton(), &QPushButton::clicked, this, &SourceSelection::startRun);
    connect(panel.searchButton(), &QPushButton::clicked, this, &SourceSelection::harvesterRequested);
    connect(panel.stopButton(), &QPushButton::clicked, this, &SourceSelection::stopRequested);
}

Source SourceSelection::currentSource() const
{
    return Source(m_panel.sourceList()->currentIndex());
}

bool SourceSelection::searchChosen() const
{
    return currentSource() == Source::Yahoo || currentSource() == Source::Google;
}

bool SourceSelection::opensWindow(int index)
{
    const Source source = Source(index);
    return source == Source::Browse || source == Source::Generate || source == Source::Custom;
}

void SourceSelection::moveTo(int index)
{
    if (index < 0 || index >= sourceCatalog().size() || !opensWindow(index)) {
        applySelection(index);
        return;
    }
    // Shown, not applied: Start (or Return) opens the dialog or window the source needs.
    m_pendingIndex = index;
    m_panel.hideSearchPanel();
    m_panel.showWordPanel();
    m_panel.entryCount()->clear();
    enableForChosenList();
    m_panel.startNumber()->setEnabled(false);
    static const char *const hints[] = {
        QT_TR_NOOP("Press Return or Start to open the browser"),
        QT_TR_NOOP("Press Return or Start to open the generator"),
        QT_TR_NOOP("Press Return or Start to choose the file"),
    };
    const int hint = Source(index) == Source::Browse ? 0 : Source(index) == Source::Generate ? 1 : 2;
    showListFile(tr(hints[hint]), QString());
}

bool SourceSelection::confirmPending()
{
    const int index = std::exchange(m_pendingIndex, -1);
    if (index < 0)
        return false;
    applySelection(index);
    return true;
}

void SourceSelection::showListFile(const QString &text, const QString &toolTip)
{
    QLabel *label = m_panel.listFileLabel();
    label->setText(text);
    label->setToolTip(toolTip);
    label->setVisible(!text.isEmpty());
}

void SourceSelection::applySelection(int index)
{
    m_pendingIndex = -1;
    if (Source(index) != Source::Custom)
        showListFile(QString(), QString());
    if (index < 0 || index >= sourceCatalog().size())
        return;
    if (!m_quiet && Source(index) != Source::Browse)
        m_settings.setLastSource(index);
    const SourceInfo &info = sourceCatalog().at(index);
    switch (Source(index)) {
    case Source::Browse:
        m_panel.hideWordPanel();
        m_panel.hideSearchPanel();
        if (!m_quiet)
            emit browserRequested();
        break;
    case Source::Generate:
        applyGenerator();
        break;
    case Source::Yahoo:
    case Source::Google:
        applySearch();
        break;
    case Source::Custom:
        applyCustomList();
        break;
    default:
        applyWordList(info);
        break;
    }
}

void SourceSelection::showEntryCount()
{
    m_panel.entryCount()->setText(QString::number(m_list.countListEntries()));
}

void SourceSelection::enableForChosenList()
{
    m_panel.startButton()->setEnabled(true);
    m_panel.stopButton()->setEnabled(false);
    m_panel.searchString()->setEnabled(false);
    m_panel.resultCount()->setEnabled(false);
    m_panel.searchButton()->setEnabled(false);
    m_panel.startNumber()->setEnabled(true);
}

void SourceSelection::applyWordList(const SourceInfo &info)
{
    m_panel.hideSearchPanel();
    m_panel.showWordPanel();
    m_list.setPath(m_folder.path(info.listFile));
    showEntryCount();
    enableForChosenList();
    showSavedPosition(info.positionKey);
}

QString SourceSelection::positionKeyOf(int index) const
{
    switch (Source(index)) {
    case Source::Browse:
        return {};
    case Source::Generate:
        return listPositionKey(m_folder.path(QStringLiteral("CreatedDomains.txt")));
    case Source::Custom:
        return listPositionKey(m_customPath);
    default:
        return index >= 0 && index < sourceCatalog().size() ? sourceCatalog().at(index).positionKey : QString();
    }
}

void SourceSelection::showSavedPosition(const QString &key)
{
    m_panel.startNumber()->setText(key.isEmpty() ? QStringLiteral("1") : m_settings.position(key, QStringLiteral("1")));
    checkStartNumber();
}

void SourceSelection::setRunning(bool running)
{
    if (running == m_running)
        return;
    m_running = running;
    emit runningChanged(running);
}

void SourceSelection::applyCustomList()
{
    m_panel.hideSearchPanel();
    m_panel.showWordPanel();
    if (m_quiet) {
        m_customPath = m_settings.lastCustomList();
    } else if (m_services.dialogs) {
        const QString chosen =
            m_services.dialogs->openFile(m_folder.path(QStringLiteral("wordlists")), QStringLiteral("*.txt"));
        m_fileChosen = !chosen.isEmpty();
        if (m_fileChosen)
            m_customPath = chosen;
    }
    if (!m_customPath.isEmpty())
        m_settings.setLastCustomList(m_customPath);
    showListFile(QFileInfo(m_customPath).fileName(), QDir::toNativeSeparators(m_customPath));
    m_list.setPath(m_customPath);
    showEntryCount();
    enableForChosenList();
    showSavedPosition(listPositionKey(m_customPath));
}

void SourceSelection::applySearch()
{
    m_panel.hideWordPanel();
    m_panel.showSearchPanel();
    m_list.setPath(m_folder.path(QStringLiteral("BrowserSearch.txt")));
    m_panel.startButton()->setEnabled(true);
    m_panel.stopButton()->setEnabled(false);
    m_panel.searchString()->setEnabled(true);
    m_panel.resultCount()->setEnabled(true);
    updateSearchButton();
    m_panel.startNumber()->setEnabled(true);
    m_panel.startNumber()->setText(QStringLiteral("1"));
}

void SourceSelection::applyGenerator()
{
    m_panel.hideWordPanel();
    m_panel.hideSearchPanel();
    m_list.setPath(m_folder.path(QStringLiteral("CreatedDomains.txt")));
    m_panel.startButton()->setEnabled(true);
    m_panel.stopButton()->setEnabled(false);
    m_panel.startNumber()->setEnabled(true);
    m_panel.startNumber()->setText(QStringLiteral("1"));
    if (!m_quiet)
        emit generatorRequested();
}

void SourceSelection::restoreLastSource()
{
    const int index = m_settings.lastSource();
    if (index < 0 || index >= sourceCatalog().size() || Source(index) == Source::Browse)
        return;
    if (Source(index) == Source::Custom && !QFileInfo::exists(m_settings.lastCustomList()))
        return;
    m_quiet = true;
    m_panel.sourceList()->setCurrentIndex(index);
    m_quiet = false;
}

bool SourceSelection::acceptStartNumber()
{
    QLineEdit *start = m_panel.startNumber();
    if (!start->isEnabled() || !m_panel.startButton()->isEnabled())
        return true;
    bool ok = false;
    const int number = start->text().trimmed().toInt(&ok);
    const int count = m_panel.entryCount()->text().trimmed().toInt();
    if (ok && number >= 1 && number <= std::max(1, count))
        return true;
    // Put right before the message shows: the box takes the focus, and the field checks itself again.
    start->setText(QStringLiteral("1"));
    start->setFocus();
    start->selectAll();
    if (m_services.messages)
        m_services.messages->show({tr("Start Number"),
                                   tr("The start number must be a whole number from 1 to %1, the number of "
                                      "entries on the list.")
                                       .arg(std::max(1, count)),
                                   platform::MessageRequest::Icon::Warning, platform::MessageRequest::Buttons::Ok});
    return false;
}

void SourceSelection::checkStartNumber()
{
    QLineEdit *start = m_panel.startNumber();
    const QString checked = checkedStartNumber(start->text(), m_panel.entryCount()->text());
    if (checked != start->text())
        start->setText(checked);
}

void SourceSelection::updateSearchButton()
{
    m_panel.searchButton()->setEnabled(searchChosen() && m_panel.searchString()->isEnabled() &&
                                       !m_panel.searchString()->text().isEmpty());
}

void SourceSelection::lockForRun()
{
    const QList<QWidget *> locked{m_panel.startButton(), m_panel.stopButton(),  m_panel.sourceList(),
                                  m_panel.startNumber(), m_panel.resultCount(), m_panel.searchButton(),
                                  m_panel.searchString()};
    for (QWidget *control : locked)
        control->setEnabled(false);
}

void SourceSelection::startListRun(const QString &path)
{
    lockForRun();
    m_listRun = true;
    m_sourcePath = m_list.path();
    m_sourceCount = m_panel.entryCount()->text();
    m_list.setPath(path);
    // The row shows the list being checked, not the chosen source's.
    m_panel.entryCount()->setText(QString::number(m_list.countListEntries()));
    m_runPositionKey.clear();
    m_runIsCustom = false;
    m_panel.stopButton()->setEnabled(true);
    setRunning(true);
    emit runRequested(1, m_list.countListEntries());
}

void SourceSelection::startRun()
{
    // A source moved to with the keys is confirmed by Start: its window or dialog opens, and a custom list
    // the user picks is checked at once.
    const int pending = m_pendingIndex;
    m_fileChosen = false;
    if (confirmPending() && (Source(pending) != Source::Custom || !m_fileChosen))
        return;
    // Start pressed with the keyboard while the number is still being typed: no editing end came first.
    if (!searchChosen() && !acceptStartNumber())
        return;
    lockForRun();
    if (searchChosen())
        m_panel.startNumber()->setText(QStringLiteral("1"));
    const int wordIndex = m_panel.startNumber()->text().trimmed().toInt();
    const int wordMax = m_panel.entryCount()->text().trimmed().toInt();
    m_runPositionKey = positionKeyOf(m_panel.sourceList()->currentIndex());
    m_runIsCustom = currentSource() == Source::Custom;
    m_panel.stopButton()->setEnabled(true);
    setRunning(true);
    emit runRequested(wordIndex, wordMax);
}

void SourceSelection::restoreAfterStop()
{
    setRunning(false);
    if (std::exchange(m_listRun, false)) {
        m_list.setPath(m_sourcePath);
        m_panel.entryCount()->setText(m_sourceCount);
    }
    m_panel.sourceList()->setEnabled(true);
    const int index = m_panel.sourceList()->currentIndex();
    const Source source = Source(index);
    if (source != Source::Custom && source != Source::Generate && source != Source::Browse) {
        applySelection(index);
        return;
    }
    // Chosen again without a dialog or a window: the list's own position, nothing of another list's.
    enableForChosenList();
    if (source != Source::Browse)
        showSavedPosition(positionKeyOf(index));
}

QString SourceSelection::readEntry(int n)
{
    QString entry;
    switch (m_list.readListEntry(n, entry)) {
    case ListFile::Read::Entry:
        return entry;
    case ListFile::Read::End:
        return endMarker;
    case ListFile::Read::Failed:
        break;
    }
    // The run stops; the window says why once it has stopped.
    m_unreadableList = m_list.path();
    return QString();
}

void SourceSelection::savePositions(int next)
{
    // A run over another list leaves the chosen source's positions alone.
    if (m_listRun)
        return;
    const QString value = QString::number(next);
    // The key of the list the run reads, chosen at Start: what the source row shows meanwhile is no guide.
    QStringList keys;
    if (!m_runPositionKey.isEmpty())
        keys.append(m_runPositionKey);
    if (m_runIsCustom)
        keys.append(customPositionKey);
    keys.append(overallPositionKey);
    // One write of the file for all of them.
    m_settings.savePositions(keys, value);
}

void SourceSelection::saveRecordedAhead(int next, const QStringList &domains)
{
    if (m_listRun || m_runPositionKey.isEmpty())
        return;
    // Kept with the position they belong to: a run started anywhere else asks every name.
    const QString key = m_runPositionKey + recordedAheadSuffix;
    if (domains.isEmpty() && m_settings.position(key, QString()).isEmpty())
        return;
    m_settings.savePositions({key}, domains.isEmpty()
                                        ? QString()
                                        : QString::number(next) + QLatin1Char('|') + domains.join(QLatin1Char(',')));
}

QStringList SourceSelection::recordedAhead(int next)
{
    if (m_listRun || m_runPositionKey.isEmpty())
        return {};
    const QString value = m_settings.position(m_runPositionKey + recordedAheadSuffix, QString());
    const qsizetype bar = value.indexOf(QLatin1Char('|'));
    if (bar < 0 || value.left(bar) != QString::number(next))
        return {};
    return value.mid(bar + 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

} // namespace sources
