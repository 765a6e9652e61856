#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace results {

class DomainListModel;

/**
 * The saved domains kept between runs: one domain per line, each line ended by CR LF, in the order of
 * the saved list. Reading passes over lines that are empty or a single blank.
 */
class RememberedList {
public:
    explicit RememberedList(QString path) : m_path(std::move(path)) {}

    QString path() const { return m_path; }

    /// Appends the file's domains after what @p list holds; a missing or unreadable file adds nothing.
    /// Returns how many were added; @p unreadable tells a file that is there but could not be read.
    int loadInto(DomainListModel &list, bool *unreadable = nullptr) const;

    /// Replaces the file with the entries of @p list; false when it could not be written.
    bool save(const DomainListModel &list) const;

    /// Where the file as it was before the last removal is kept: "Remembered.bak" beside it.
    QString backupPath() const;
    /// Copies the file to backupPath(); false when there was none or it could not be copied.
    bool backUp() const;

    static QStringList parse(const QByteArray &bytes);
    static QByteArray format(const QStringList &entries);

private:
    QString m_path;
};

} // namespace results
