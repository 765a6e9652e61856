#pragma once

#include <QString>
#include <QStringList>

namespace app {

/// The application folder made ready for the main window's load, and what the user is told about it.
struct StartFolder {
    QString root;
    bool writable = true;
    /// One message for the start, empty when there is nothing to say.
    QString notice;
};

/**
 * Chooses the application folder (see platform::AppFolder::choose), copies the files of an earlier
 * version from the program's folder into a new per-user folder, gives the folder the shipped lists and
 * checks that it can be written. A folder that cannot be written is used as it is: the program runs
 * on and the notice says what will not be saved.
 */
StartFolder prepareStartFolder(const QString &programDir, const QString &perUserFolder, const QStringList &dataFolders);

} // namespace app
