#pragma once

#include <QString>
#include <QStringList>

namespace sources {

/**
 * The generator's affix file (Appends.txt): one prefix or suffix per line (CR LF, CR or LF). Lines that are empty or a
 * single blank are not affixes; duplicates are allowed.
 */
class AffixFile {
public:
    explicit AffixFile(QString path);

    QString path() const { return m_path; }

    /// The affixes in file order; empty for a missing or unreadable file (@p ok tells them apart).
    QStringList readAffixes(bool *ok = nullptr) const;

    /// Appends @p affix as one line. A last line without a line end is ended first so that the new
    /// affix never runs into it.
    bool addAffix(const QString &affix) const;

    /// Removes every line equal to @p affix (exact, case-sensitive) and rewrites the file.
    bool deleteAffix(const QString &affix) const;

private:
    QString m_path;
};

} // namespace sources
