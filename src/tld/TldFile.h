#pragma once

#include "tld/TldRecord.h"

#include <QString>
#include <QStringList>

class QIODevice;

namespace tld {

/**
 * The TLD table file (TLDs.txt): six "|"-separated fields per row, rows ended by CR LF, blank lines
 * allowed anywhere. Every replacing write goes through a temporary file renamed over the old one.
 */
class TldFile {
public:
    explicit TldFile(QString path);

    QString path() const { return m_path; }
    bool exists() const;

    /// Writes the built-in table when the file is missing; with @p replaceExisting the file is replaced.
    bool writeDefaultTlds(bool replaceExisting) const;

    /// Reads the file into @p table. A file without any row leaves @p table as it was.
    bool loadTldTable(TldTable &table) const;

    /// The rows for a list view, fields exactly as stored; malformed rows are left out.
    QList<QStringList> listTldsInView() const;

    /// Replaces every row of @p extension (lower-cased) with the new content, or appends a new row. A file
    /// that exists but cannot be read is left as it is (false).
    bool saveTldRow(const QString &extension, const QString &server, const QString &port, const QString &throttle,
                    const QString &successPhrases, bool enabled) const;

    /// Extensions for the main window's TLD chooser: enabled rows, trimmed, never the proxy row.
    QStringList chooserItems() const;

    /// Items for the name generator's TLD list: "." + extension of every enabled row but the proxy row.
    QStringList generatorItems() const;

    /// The file's lines (CR LF, lone CR or LF end a line); empty when the file cannot be read.
    QStringList lines() const;
    /// The file's lines into @p lines; false when a file that exists cannot be read (a missing file has none).
    bool readLines(QStringList &lines) const;
    /// Rewrites the file with @p lines exactly as they are, each followed by CR LF.
    bool saveLines(const QStringList &lines) const;

private:
    bool replaceWith(const QString &text) const;

    QString m_path;
};

/// Parses table text (any line ends) into records, skipping blank and malformed rows.
TldTable parseTable(const QString &text);

/// The extensions of the enabled rows of @p table, the proxy row left out, in table order.
QStringList enabledExtensions(const TldTable &table);

/// One non-blank line of the table file as the TLD manager lists it.
struct ListedRow {
    QString text;       ///< the line exactly as stored
    QStringList fields; ///< its first six fields as stored, padded with empty ones when it has fewer
    QString problem;    ///< why the program cannot read it (rowProblem); empty for a readable row
    qsizetype line = 0; ///< where it stands among the file's lines

    bool readable() const { return problem.isEmpty(); }
};

/// Every non-blank line of @p lines (the table file), readable or not, in file order.
QList<ListedRow> listRows(const QStringList &lines);

/// The table's lines after saving @p row for @p extension: every line whose first field is exactly
/// @p extension becomes @p row, or @p row is appended when there is none. Blank lines are left out; every
/// other line, unreadable ones included, stays exactly as it is.
QStringList replaceRows(const QStringList &lines, const QString &extension, const QString &row);

} // namespace tld
