#pragma once

#include "tld/TldFile.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace platform {
class MessageBoxes;
class ProgramSettings;
} // namespace platform

namespace tld {

class TldRegistry;

/// The five edit fields of the TLD manager as the user typed them.
struct RowEdit {
    QString extension;
    QString server;
    QString port;
    QString throttle;
    QString successPhrases;
};

/// The edit field a refused "Add/Save" names; the window puts the focus there.
enum class EditField { None, Extension, Server, Port, Throttle, SuccessPhrases };

/// The values the TLD manager shows when it opens.
struct ManagerSettings {
    bool useProxy = false;
    QString defaultExt;
    QString testWord;
    QString browsePause;
};

/**
 * What the TLD manager window does, without the window: editing, enabling, deleting and restoring rows
 * of the table file, and the four settings it holds. Every change rewrites the file at once and
 * reloads the shared table; rows are addressed by their position in the file, never by where a sorted
 * view shows them. Rows the program cannot read are listed with the reason and kept as they are by every
 * rewrite, so the user can repair or delete them.
 */
class TldManager {
public:
    TldManager(TldRegistry &tlds, platform::ProgramSettings &settings, platform::MessageBoxes &messages,
               QString debugFilePath);

    /// The rows as the list shows them before any sorting: every non-blank line in file order, fields
    /// exactly as stored, unreadable ones with their problem.
    const QList<ListedRow> &rows() const { return m_rows; }
    void refresh();
    /// The first row whose extension is exactly @p extension; -1 when there is none.
    int rowOf(const QString &extension) const;

    /// The status "Add/Save" gives a row.
    bool newRowEnabled() const { return m_newRowEnabled; }
    /// A clicked row: its edit fields; its status (exactly "Enabled" or not) becomes the status to save.
    RowEdit selectRow(int rowIndex);
    void startNewRow();

    /// "Add/Save". Fills an empty throttle and empty phrases in @p edit. Refuses (with a message naming
    /// the field, writing nothing) empty fields, a port outside 1 to 65535, a throttle that is not a number
    /// of 0 or more, and a "|" or line break in any field. With an unreadable row selected, the saved row
    /// takes its place.
    bool saveEdit(RowEdit &edit);
    /// The field the last refused "Add/Save" named.
    EditField refusedField() const { return m_refusedField; }
    /// "Enable/Disable": every row of that extension gets the row's content and the flipped status. An
    /// unreadable row is refused with its problem.
    bool toggle(int rowIndex);
    /// "Delete Selected" after an OK to the question; every other line stays as it is.
    bool deleteRow(int rowIndex);
    /// "Restore Defaults" after an OK to the question; the table as it was is kept in TLDs.bak first (a
    /// table that cannot be kept is not replaced).
    bool restoreDefaults();
    /// Where Restore Defaults keeps the table it replaces: TLDs.bak beside it.
    QString backupPath() const;
    /// "Add current TLDs": a disabled row for every root-zone TLD the table does not name yet, appended
    /// after the rows there are, which stay exactly as they are. Says what was added.
    bool addCurrentTlds();
    /// Where "Update servers" downloads IANA's RDAP bootstrap file from (setting RdapBootstrap).
    QString bootstrapAddress() const;
    /// "Update servers" with the downloaded bootstrap file: rows that still name a server the program
    /// chose get the base the file names for their TLD. Says what changed; a file that cannot be read
    /// changes nothing.
    bool updateServers(const QByteArray &bootstrapJson);
    /// The bootstrap file could not be downloaded: says so; the table stays as it is.
    void serverUpdateFailed(const QString &reason);
    /// The hidden "DEBUG" export of @p displayRows to debug.txt as program-text lines.
    bool exportDebug(const QList<QStringList> &displayRows) const;

    ManagerSettings openingSettings() const;
    void setUseProxy(bool on);
    void setDefaultExt(const QString &text);
    /// The default-extension box lost the focus: the text it should show (also stored).
    QString leaveDefaultExt(const QString &text);
    void setTestWord(const QString &text);
    void setBrowsePause(const QString &text);
    /// Closing the window: the box's text, under the focus-out rule, becomes the default extension.
    void close(const QString &defaultExtText);

    static QString normalizedDefaultExt(const QString &text);
    static QString debugLine(const QStringList &fields);

private:
    bool validRow(int rowIndex) const { return rowIndex >= 0 && rowIndex < m_rows.size(); }
    bool refuse(const QString &text, EditField field = EditField::None);
    bool ask(const QString &title, const QString &text);
    void changed();
    bool backUpTable();
    bool readTable(QStringList &lines);
    bool writeTable(const QStringList &lines);
    /// Reads the file, lets @p edit change its lines (false: nothing to write) and writes them back.
    bool rewrite(const std::function<bool(QStringList &)> &edit);

    TldRegistry &m_tlds;
    platform::ProgramSettings &m_settings;
    platform::MessageBoxes &m_messages;
    QString m_debugFilePath;
    QList<ListedRow> m_rows;
    int m_selected = -1; ///< the clicked row whose fields the editor holds, or -1 for a new row
    bool m_newRowEnabled = true;
    EditField m_refusedField = EditField::None;
};

} // namespace tld
