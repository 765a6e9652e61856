#pragma once

#include "results/DomainListModel.h"
#include "results/SeriesFiles.h"
#include "results/SkippedEntries.h"
#include "results/UncheckedNames.h"

#include <QDateTime>
#include <QObject>

#include <array>
#include <functional>

namespace platform {
class AppFolder;
}

namespace results {

/// List numbers as the results desk uses them.
enum ListNumber { LowList = 1, RegisteredList = 2, HighList = 3, MidList = 4 };

/**
 * Where every judged domain lands: the Registered list and the High, Mid and Low Profile classes by the
 * length of the name part, with counters, captions, the series files that mirror the profile lists,
 * and the spill into the overflow folder when a list reaches its limit. Names that ended without a
 * verdict are kept in "Unchecked.txt" until they get one.
 *
 * Result files are never replaced by another session: a session whose first write would replace a
 * series file holding names starts a stamped series of its own, and a spill never replaces an earlier
 * spill.
 */
class ResultClasses : public QObject {
    Q_OBJECT
public:
    static constexpr int overflowLimit = 19999; ///< a list holding more entries than this is spilled
    static constexpr int registeredCap = 100;   ///< the Registered list shows the last this many names

    explicit ResultClasses(const platform::AppFolder &folder, QObject *parent = nullptr);

    /// Clock for series stamps (tests set a fixed one).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    /// Off: the classes, counters and spill work as usual but no series, overflow or backup file is
    /// written (the command-line checker keeps files only when asked to).
    void setWritesFiles(bool on)
    {
        m_writesFiles = on;
        m_unchecked.setKeepsFile(on);
        m_likely.setKeepsFile(on);
    }

    results::DomainListModel *list(int number) const;
    int counter(int number) const;
    QString caption(int number) const { return m_captions.at(number - 1); }
    QString seriesStamp() const { return m_seriesStamp; }

    /// @p entry: the list entry the domain came from, when it says more than the domain (a host, a URL).
    void addAvailableName(const QString &domain, const QString &entry = QString());
    void addRegisteredName(const QString &domain, const QString &entry = QString());
    /// @p entry named no domain that can be registered, for @p reason; nothing was asked.
    void addSkippedEntry(const QString &entry, const QString &reason) { m_skipped.add(entry, reason); }
    SkippedEntries *skippedEntries() { return &m_skipped; }
    /// @p domain ended without a verdict (refused, unknown answer, timed out, no server).
    void addUncheckedName(const QString &domain);
    /// @p domain is not in the zone of @p zoneDate and the registry was not asked: it joins its profile
    /// list marked, and "LikelyAvailable.txt", never the series files, until the registry's verdict
    /// replaces the mark (available: the entry stays, unmarked; registered: it moves to Registered).
    void addLikelyAvailableName(const QString &domain, const QDate &zoneDate, const QString &entry = QString());
    QString likelyPath() const { return m_likely.path(); }

    int uncheckedCount() { return m_unchecked.count(); }
    QString uncheckedPath() const { return m_unchecked.path(); }
    /// Takes the names that got their verdict out of "Unchecked.txt"; call it when no run reads the file.
    bool compactUnchecked()
    {
        const bool unchecked = m_unchecked.compact();
        return m_likely.compact() && unchecked;
    }

    /// Spills and empties the lists when one profile list exceeds the limit; true when it did.
    bool checkOverflow();

    /// The user deleted @p rows of list @p number: entries go, the counter drops by as many.
    void deleteEntries(int number, const QList<int> &rows);
    /// Undoes a delete or clear of list @p number: @p domains go back to @p rows and the counter rises
    /// by @p counterDrop, what the removal took from it.
    void restoreEntries(int number, const QList<int> &rows, const QStringList &domains, int counterDrop);
    /// The user emptied list @p number: counter 0, bare caption.
    void clearList(int number);

    /// Length class of a domain by its name part (text before the first dot).
    static int profileListFor(const QString &domain);
    static QString restingCaption(int number);
    /// Series stamp for @p when: the general date and time with "/", ":" and blanks removed.
    static QString stampFor(const QDateTime &when);

signals:
    void captionChanged(int number, const QString &caption);
    /// The lists were spilled into the overflow folder and emptied.
    void spilled();
    /// The number of names waiting for a verdict changed.
    void uncheckedChanged(int count);
    /// The file @p path could not be written; what it should hold stays in the lists.
    void cannotSave(const QString &path);

private:
    struct ClassSlot {
        results::DomainListModel *model;
        int count = 0;
    };
    ClassSlot &slot(int number) { return m_slots.at(number - 1); }
    void count(int number, int delta);
    void saveProfileFiles();
    void spillOverflowFiles();
    void resetResultLists();
    void newSeriesStamp();
    void resolveUnchecked(const QString &domain);
    /// The registry's verdict on a name marked likely available: true when it is available and its entry
    /// shown already (now unmarked); a taken one leaves its profile list.
    bool confirmLikely(const QString &domain, bool available);
    QString seriesPath(const QString &folder, const QString &base, const QString &suffix = QString()) const;
    /// "" or "-2", "-3"...: the first that names none of the series files in @p folder.
    QString freeSuffix(const QString &folder) const;

    const platform::AppFolder &m_folder;
    std::array<ClassSlot, 4> m_slots;
    std::array<QString, 4> m_captions;
    std::array<SeriesFile, 3> m_seriesFiles; ///< Low, Mid ("HighProfile"), High ("SuperHighProfile")
    QString m_seriesStamp;
    bool m_seriesChecked = false; ///< the session's first write looked for an earlier session's files
    bool m_writesFiles = true;
    UncheckedNames m_unchecked;
    UncheckedNames m_likely;
    SkippedEntries m_skipped;
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
};

} // namespace results
