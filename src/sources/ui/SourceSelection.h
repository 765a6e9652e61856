#pragma once

#include "platform/DesktopServices.h"
#include "sources/EntrySource.h"
#include "sources/ListFile.h"
#include "sources/SourceCatalog.h"

#include <QObject>

namespace platform {
class AppFolder;
class ProgramSettings;
} // namespace platform

namespace sources {

class SourcePanel;
struct SourceInfo;

/**
 * The behaviour of the source row: choosing a source shows its panel and its list, the start number
 * is kept valid, Start hands the list to the engine, and Stop puts the panel back. It also is the
 * engine's entry source: it reads the chosen list and saves the resume positions.
 */
class SourceSelection : public QObject, public sources::EntrySource {
    Q_OBJECT
public:
    SourceSelection(SourcePanel &panel, const platform::AppFolder &folder, platform::ProgramSettings &settings,
                    platform::Services services, QObject *parent = nullptr);

    /// Applies the source at @p index of the source list (the list's click, or a Tools menu item).
    void applySelection(int index);
    /// The keys moved the source list to @p index: a source that opens a window or dialog waits for
    /// Return or Start; any other is applied.
    void moveTo(int index);
    /// Applies the source the keys moved to; false when none waits.
    bool confirmPending();
    /// Chooses the source of the last session again, quietly: no file dialog (a custom list comes back
    /// as the file it was) and no window opens; the browser is not chosen again.
    void restoreLastSource();
    /// Checks the start number the user typed: a whole number from 1 to the entry count. Otherwise a
    /// message says so, the field falls back to 1 and keeps the focus; false then.
    bool acceptStartNumber();
    /// Starts a run over the current source (the Start button; the generator and harvester call it too).
    void startRun();
    /// Starts a run over the list file @p path (the unchecked names) from its first entry; the chosen
    /// source and its resume positions stay as they are.
    void startListRun(const QString &path);
    /// Puts the panel back after the engine stopped.
    void restoreAfterStop();
    /// True from Start until the engine stopped.
    bool isRunning() const { return m_running; }

    /// The source chosen in the list, known by its place: the caption is in the user's language.
    Source currentSource() const;
    /// Whether the chosen source is a search engine.
    bool searchChosen() const;

    QString readEntry(int n) override;
    void savePositions(int next) override;
    void saveRecordedAhead(int next, const QStringList &domains) override;
    QStringList recordedAhead(int next) override;
    /// The list that could not be read last (a run stopped at it).
    QString unreadableList() const { return m_unreadableList; }

    /// Added to a list's position key: the domains recorded ahead of that position at the last stop.
    static constexpr QLatin1StringView recordedAheadSuffix{"Ahead"};

signals:
    /// Start: a run over the chosen list from @p wordIndex, of @p wordMax entries.
    void runRequested(int wordIndex, int wordMax);
    /// Stop: the run under way should end.
    void stopRequested();
    void generatorRequested();
    void browserRequested();
    void harvesterRequested();
    /// A run began (true) or ended (false).
    void runningChanged(bool running);

private:
    static bool opensWindow(int index);
    void showListFile(const QString &text, const QString &toolTip);
    void applyWordList(const SourceInfo &info);
    void applyCustomList();
    void applySearch();
    void applyGenerator();
    void showEntryCount();
    void enableForChosenList();
    void checkStartNumber();
    void updateSearchButton();
    void lockForRun();
    QString positionKeyOf(int index) const;
    void showSavedPosition(const QString &key);
    void setRunning(bool running);

    SourcePanel &m_panel;
    const platform::AppFolder &m_folder;
    platform::ProgramSettings &m_settings;
    platform::Services m_services;
    ListFile m_list;
    QString m_customPath;
    QString m_sourcePath;  ///< the chosen source's list while a run reads another list
    QString m_sourceCount; ///< and its entry count
    QString m_unreadableList;
    bool m_listRun = false;
    int m_pendingIndex = -1; ///< a source the keys moved to, not applied yet
    bool m_running = false;
    QString m_runPositionKey; ///< where the run under way keeps its position
    bool m_runIsCustom = false;
    bool m_fileChosen = false; ///< the last file dialog of the custom list returned a file
    bool m_quiet = false;      ///< choosing the last session's source again: no dialog, no window
};

} // namespace sources
