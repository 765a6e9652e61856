#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace results {

/**
 * The names that ended without a verdict (refused, unknown answer, timed out, no server), kept in a
 * list file so that none is lost: a name is appended when it first ends so, and leaves the file once it
 * got its verdict. Leaving rewrites the file, which happens only when no run reads it (compact()).
 *
 * A line may carry a note after a tab ("example.com<TAB>2027-01-15"); the name is what comes before it.
 * The likely-available names, which wait for the registry's word, are kept the same way.
 */
class UncheckedNames {
public:
    explicit UncheckedNames(QString path);

    /// Off: names are counted, no file is read or written.
    void setKeepsFile(bool on) { m_keepsFile = on; }

    /// @p domain ended without a verdict. False when it could not be written down: it is counted all the
    /// same, and written by the next compact() that can.
    bool add(const QString &domain, const QString &note = QString());
    /// @p domain got its verdict; it leaves the file at the next compact().
    void resolve(const QString &domain);
    /// Rewrites the file without the names that got their verdict. False when it could not.
    bool compact();

    /// Names waiting for a verdict.
    int count();
    QString path() const { return m_path; }

private:
    void load();
    static QString key(const QString &line) { return line.section(QLatin1Char('\t'), 0, 0).trimmed().toCaseFolded(); }

    QString m_path;
    bool m_keepsFile = true;
    bool m_loaded = false;
    bool m_needsLineEnd = false; ///< the file ends without a line end (edited by hand)
    QSet<QString> m_names;       ///< keys of the names in the file
    QSet<QString> m_resolved;    ///< keys of names in the file that got their verdict since
    QStringList m_unsaved;       ///< names that could not be appended to the file
    int m_countOnly = 0;         ///< names counted while no file is kept
};

} // namespace results
