#include "results/ResultClasses.h"

#include "platform/AppFolder.h"
#include "platform/AtomicFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QSet>

#include <algorithm>

namespace results {

namespace {

struct SeriesName {
    int list;
    const char *base;
};
// The file names run one step above the class names: Mid Profile is kept in "HighProfile".
constexpr SeriesName seriesNames[3] = {
    {LowList, "LowProfile"}, {MidList, "HighProfile"}, {HighList, "SuperHighProfile"}};

// Index into the series files of a profile list; -1 for the Registered list, which has no file.
int seriesIndex(int number)
{
    for (int i = 0; i < 3; ++i) {
        if (seriesNames[i].list == number)
            return i;
    }
    return -1;
}

bool isBareExtension(const QString &domain)
{
    return domain == QLatin1String(".net") || domain == QLatin1String(".com");
}

} // namespace

ResultClasses::ResultClasses(const platform::AppFolder &folder, QObject *parent)
    : QObject(parent), m_folder(folder), m_unchecked(folder.path(QStringLiteral("Unchecked.txt"))),
      m_likely(folder.path(QStringLiteral("LikelyAvailable.txt")))
{
    for (int number = 1; number <= 4; ++number) {
        slot(number).model = new results::DomainListModel(this);
        m_captions.at(number - 1) = restingCaption(number);
    }
}

results::DomainListModel *ResultClasses::list(int number) const
{
    return m_slots.at(number - 1).model;
}

int ResultClasses::counter(int number) const
{
    return m_slots.at(number - 1).count;
}

QString ResultClasses::restingCaption(int number)
{
    static const char *captions[4] = {"Low Profile", "Registered", "High Profile", "Mid Profile"};
    return QLatin1String(captions[number - 1]);
}

int ResultClasses::profileListFor(const QString &domain)
{
    const qsizetype dot = domain.indexOf(QLatin1Char('.'));
    const qsizetype length = dot < 0 ? domain.size() : dot;
    if (length < 5)
        return HighList;
    return length <= 7 ? MidList : LowList;
}

void ResultClasses::count(int number, int delta)
{
    ClassSlot &target = slot(number);
    target.count += delta;
    // The Registered list keeps only the last names: its caption says how many of how many it shows.
    const int shown = target.model->count();
    const QString figure =
        number == RegisteredList && shown < target.count
            ? QCoreApplication::translate("results::ResultClasses", "last %1 of %2").arg(shown).arg(target.count)
            : QString::number(target.count);
    m_captions.at(number - 1) = restingCaption(number) + QStringLiteral(" (") + figure + QLatin1Char(')');
    emit captionChanged(number, m_captions.at(number - 1));
}

void ResultClasses::addAvailableName(const QString &domain, const QString &entry)
{
    if (isBareExtension(domain))
        return;
    resolveUnchecked(domain);
    if (confirmLikely(domain, true))
        return;
    const int number = profileListFor(domain);
    count(number, 1);
    slot(number).model->append(domain, entry);
    saveProfileFiles();
}

void ResultClasses::addRegisteredName(const QString &domain, const QString &entry)
{
    if (isBareExtension(domain))
        return;
    resolveUnchecked(domain);
    confirmLikely(domain, false);
    results::DomainListModel *registered = slot(RegisteredList).model;
    // The oldest name makes room: the list always shows the last names found taken.
    if (registered->count() >= registeredCap)
        registered->removeEntry(0);
    registered->append(domain, entry);
    count(RegisteredList, 1);
}

void ResultClasses::addUncheckedName(const QString &domain)
{
    if (isBareExtension(domain))
        return;
    // A name that cannot be written down is still counted; the status bar says how many wait.
    if (!m_unchecked.add(domain))
        emit cannotSave(m_unchecked.path());
    emit uncheckedChanged(m_unchecked.count());
}

void ResultClasses::addLikelyAvailableName(const QString &domain, const QDate &zoneDate, const QString &entry)
{
    if (isBareExtension(domain))
        return;
    resolveUnchecked(domain);
    m_likely.add(domain, m_writesFiles ? zoneDate.toString(Qt::ISODate) : QString());
    const int number = profileListFor(domain);
    count(number, 1);
    slot(number).model->appendLikely(domain, zoneDate, entry);
    saveProfileFiles();
}

bool ResultClasses::confirmLikely(const QString &domain, bool available)
{
    const int number = profileListFor(domain);
    results::DomainListModel *model = slot(number).model;
    if (!model->unmark(domain))
        return false;
    m_likely.resolve(domain);
    QList<int> rows;
    for (qsizetype row = 0; row < model->count(); ++row) {
        if (model->entry(int(row)) == domain)
            rows.append(int(row));
    }
    if (rows.isEmpty())
        return false; // deleted meanwhile: a confirmed name is added as any other
    if (!available)
        deleteEntries(number, rows);
    else if (const int index = seriesIndex(number); index >= 0)
        m_seriesFiles.at(index).invalidate(); // the entry the file left out now belongs in it
    saveProfileFiles();
    return available;
}

void ResultClasses::resolveUnchecked(const QString &domain)
{
    const int before = m_unchecked.count();
    m_unchecked.resolve(domain);
    if (const int after = m_unchecked.count(); after != before)
        emit uncheckedChanged(after);
}

QString ResultClasses::seriesPath(const QString &folder, const QString &base, const QString &suffix) const
{
    const QString name = base + m_seriesStamp + suffix + QStringLiteral(".txt");
    return m_folder.path(folder.isEmpty() ? name : folder + QLatin1Char('/') + name);
}

QString ResultClasses::freeSuffix(const QString &folder) const
{
    for (int n = 1;; ++n) {
        const QString suffix = n == 1 ? QString() : QStringLiteral("-") + QString::number(n);
        const bool taken = std::any_of(std::begin(seriesNames), std::end(seriesNames), [&](const SeriesName &series) {
            return QFileInfo::exists(seriesPath(folder, QLatin1String(series.base), suffix));
        });
        if (!taken)
            return suffix;
    }
}

void ResultClasses::saveProfileFiles()
{
    // A file that cannot be written is passed over; the lists stay and the next result tries again.
    if (!m_writesFiles)
        return;
    if (!std::exchange(m_seriesChecked, true)) {
        // The files of an earlier session are the only record of its finds: they are never replaced.
        const bool earlierFinds =
            std::any_of(std::begin(seriesNames), std::end(seriesNames), [this](const SeriesName &s) {
                return QFileInfo(seriesPath(QString(), QLatin1String(s.base))).size() > 0;
            });
        if (earlierFinds)
            newSeriesStamp();
    }
    for (int i = 0; i < 3; ++i) {
        const SeriesName &series = seriesNames[i];
        const QString path = seriesPath(QString(), QLatin1String(series.base));
        if (!m_seriesFiles.at(i).sync(
                path, list(series.list)->entries(),
                [model = list(series.list)](const QString &entry) { return model->isLikely(entry); }))
            emit cannotSave(path);
    }
}

bool ResultClasses::checkOverflow()
{
    if (list(MidList)->count() <= overflowLimit && list(HighList)->count() <= overflowLimit &&
        list(LowList)->count() <= overflowLimit)
        return false;
    spillOverflowFiles();
    resetResultLists();
    emit spilled();
    return true;
}

void ResultClasses::spillOverflowFiles()
{
    if (!m_writesFiles)
        return;
    // An earlier spill of the same series (another session without a stamp, say) stays as it is.
    const QString overflow = QStringLiteral("overflow");
    const QString suffix = freeSuffix(overflow);
    for (const SeriesName &series : seriesNames) {
        QString text;
        // Likely-available names wait in their own file for the registry's word.
        for (const QString &entry : list(series.list)->entries()) {
            if (!list(series.list)->isLikely(entry))
                text += entry + QStringLiteral("\r\n");
        }
        const QString path = seriesPath(overflow, QLatin1String(series.base), suffix);
        if (!platform::writeFileAtomically(path, text.toUtf8()))
            emit cannotSave(path);
    }
}

void ResultClasses::resetResultLists()
{
    // Captions keep their last count until their class receives its next domain.
    for (ClassSlot &target : m_slots) {
        target.model->clear();
        target.model->forgetMarks();
        target.count = 0;
    }
    for (SeriesFile &file : m_seriesFiles)
        file.invalidate();
    newSeriesStamp();
}

QString ResultClasses::stampFor(const QDateTime &when)
{
    // Read at a glance and listed in the order the series began ("LowProfile-2027-01-15-090503.txt"); no
    // character a file name cannot hold on any system.
    return QLocale::c().toString(when, QStringLiteral("-yyyy-MM-dd-HHmmss"));
}

void ResultClasses::newSeriesStamp()
{
    m_seriesStamp = stampFor(m_clock());
    // Two series begun within a second (or stamps that read alike) get files of their own.
    if (m_writesFiles)
        m_seriesStamp += freeSuffix(QString());
    if (!m_writesFiles)
        return;
    const QString placeholder = QStringLiteral(" \r\n");
    const QString high = seriesPath(QStringLiteral("backups"), QStringLiteral("HighProfile"));
    platform::appendToFile(high, placeholder.toUtf8());
    platform::appendToFile(seriesPath(QStringLiteral("backups"), QStringLiteral("MidProfile")), placeholder.toUtf8());
    platform::appendToFile(high, placeholder.toUtf8());
}

void ResultClasses::deleteEntries(int number, const QList<int> &rows)
{
    results::DomainListModel *model = slot(number).model;
    QSet<int> valid;
    for (int row : rows) {
        if (row >= 0 && row < model->count())
            valid.insert(row);
    }
    const int removed = int(valid.size());
    if (removed == 0)
        return;
    model->removeEntries(rows);
    count(number, -removed);
    if (const int index = seriesIndex(number); index >= 0)
        m_seriesFiles.at(index).invalidate();
}

void ResultClasses::restoreEntries(int number, const QList<int> &rows, const QStringList &domains, int counterDrop)
{
    if (domains.isEmpty() && counterDrop == 0)
        return;
    slot(number).model->insertEntries(rows, domains);
    count(number, counterDrop);
    if (const int index = seriesIndex(number); index >= 0) {
        m_seriesFiles.at(index).invalidate();
        saveProfileFiles();
    }
}

void ResultClasses::clearList(int number)
{
    ClassSlot &target = slot(number);
    target.model->clear();
    target.count = 0;
    m_captions.at(number - 1) = restingCaption(number);
    emit captionChanged(number, m_captions.at(number - 1));
    if (const int index = seriesIndex(number); index >= 0)
        m_seriesFiles.at(index).invalidate();
}

} // namespace results
