#pragma once

#include <QString>

namespace platform {

/// The application folder the program chose at start, and why.
struct FolderChoice {
    QString root;
    /// The program's own folder, asked for by a file named "portable" beside the program.
    bool portable = false;
    /// A "portable" file asked for the program's folder, but that folder cannot be written, so the
    /// per-user folder is used instead.
    bool portableFolderReadOnly = false;
};

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

    /// The folder the desktop program and quarrytide-check use: @p perUserFolder, unless a file named
    /// "portable" stands in @p programDir and that folder can be written (a program kept on a USB stick).
    /// Without the marker nothing is ever written beside the program, so deleting a build folder or
    /// replacing a program never takes the user's files with it.
    static FolderChoice choose(const QString &programDir, const QString &perUserFolder);
    /// The per-user data folder (~/.local/share/quarrytide).
    static QString perUserFolder();
    /// True when a file can be created in @p folder; a missing folder is created first.
    static bool canWriteInto(const QString &folder);

    QString root() const { return m_root; }

    /// Full path of @p relative inside the folder, resolved without regard to case.
    QString path(const QString &relative) const;

private:
    QString m_root;
};

/// Resolves @p path part by part without regard to case; parts that do not exist are kept as given.
QString resolveCaseInsensitive(const QString &path);

} // namespace platform
