#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

namespace sources {

/// What the list reader returns when there is no entry at the position asked for.
inline const QString endMarker = QStringLiteral("endoffileffile");

/**
 * A list file: plain text, one entry per line; a line ends at CR LF, CR or LF (mixed in one file too);
 * lines that hold only blanks and tabs, and "#" comment lines, are not entries. Entries are numbered
 * from 1.
 *
 * The reader keeps an index of where each entry starts, rebuilt whenever the file's size or modification
 * time changes, so reading entry 999,999 costs what reading entry 1 costs, and a file rewritten between
 * two reads is read in its new form.
 */
class ListFile {
public:
    explicit ListFile(QString path = QString());

    QString path() const { return m_path; }
    void setPath(const QString &path);

    /// Number of entries; 0 for a missing or unreadable file.
    int countListEntries();

    enum class Read { Entry, End, Failed };
    /// The n-th entry (1-based). n < 1 gives an empty entry; past the last entry gives End; a missing
    /// or unreadable file gives Failed.
    Read readListEntry(int n, QString &entry);

private:
    bool refreshIndex();

    struct Span {
        qint64 start;
        qint64 length;
    };
    QString m_path;
    std::vector<Span> m_entries;
    qint64 m_indexedSize = -1;
    QDateTime m_indexedTime;
};

/// Counts the entries of @p text read as a list file (for texts already in memory).
int countEntriesInText(const QByteArray &text);

} // namespace sources
