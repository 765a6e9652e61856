#pragma once

#include <QString>
#include <QStringList>

namespace cli {

/**
 * The position a resumable run keeps between runs: the number of the first name without all its
 * outcomes, on the first line. A run that stopped adds, one per line, the domains of later names whose
 * outcomes it printed already, so that a rerun from the position does not ask them again.
 */
class PositionFile {
public:
    explicit PositionFile(QString path) : m_path(std::move(path)) {}

    QString path() const { return m_path; }

    /// The saved position; 1 when the file does not exist yet. False with @p error when the file cannot
    /// be read or does not hold a position. @p ahead gets the domains saved with it.
    bool load(int &next, QStringList &ahead, QString &error) const;
    /// Replaces the file with @p next and @p ahead. False when it could not be written.
    bool save(int next, const QStringList &ahead = {}) const;

private:
    QString m_path;
};

} // namespace cli
