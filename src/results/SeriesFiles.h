#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace results {

/**
 * Keeps one result file equal to one list. When only entries were added since the last write they are
 * appended; after anything else (a delete, a clear, a change by another program) the file is rewritten
 * whole through a temporary file. The work per new entry therefore does not grow with the list.
 */
class SeriesFile {
public:
    SeriesFile() = default;

    /// Entries a file leaves out (null: none).
    using LeaveOut = std::function<bool(const QString &entry)>;

    /// Makes the file hold exactly @p entries but those @p leaveOut names, one per line ended by CR LF.
    /// False when it could not. An entry left out and later let in needs an invalidate() first.
    bool sync(const QString &path, const QStringList &entries, const LeaveOut &leaveOut = {});

    /// The list changed other than by appending (delete, clear): the next sync rewrites the file.
    void invalidate();

private:
    bool rewrite(const QString &path, const QStringList &entries, const LeaveOut &leaveOut);

    QString m_path;
    qsizetype m_written = 0; ///< how many leading entries of the list the file holds
    qint64 m_size = -1;      ///< the file's size after the last write
};

} // namespace results
