#pragma once

#include <QString>

namespace cli {

/**
 * The position a resumable run keeps between runs: the number of the next name to take, written before
 * the query of each name is begun, so a rerun continues after the last name whose query was begun.
 */
class PositionFile {
public:
    explicit PositionFile(QString path) : m_path(std::move(path)) {}

    QString path() const { return m_path; }

    /// The saved position; 1 when the file does not exist yet. False with @p error when the file cannot
    /// be read or does not hold a position.
    bool load(int &next, QString &error) const;
    /// Replaces the file with @p next. False when it could not be written.
    bool save(int next) const;

private:
    QString m_path;
};

} // namespace cli
