#pragma once

#include <QString>

namespace platform {

/**
 * The application folder: where every list, result and table file of the program lives.
 *
 * Relative names may use "\" or "/" and any letter case for their folders ("\Wordlists\" and
 * "wordlists" are one folder): each part resolves to an existing entry that matches it without regard
 * to case, so a case-sensitive file system behaves like the one the file names were written for.
 */
class AppFolder {
public:
    explicit AppFolder(const QString &root);

    /// The folder the desktop program uses: the program's own folder when it is writable and not an
    /// installed system location (portable use), otherwise the per-user data folder.
    static QString chooseDefault(const QString &programDir);
    static QString perUserFolder();

    QString root() const { return m_root; }

    /// Full path of @p relative inside the folder, resolved without regard to case.
    QString path(const QString &relative) const;

private:
    QString m_root;
};

/// Resolves @p path part by part without regard to case; parts that do not exist are kept as given.
QString resolveCaseInsensitive(const QString &path);

} // namespace platform
