#pragma once

#include <QStringList>

namespace platform {
class AppFolder;
}

namespace app {

/// The lists shipped with the program, named as they stand both in the shipped data folder and in the
/// application folder: the four fixed word lists and the initial affixes.
const QStringList &shippedListFiles();

/// What one provisioning pass did, by relative name.
struct ProvisionResult {
    QStringList copied; ///< missing in the application folder and copied in
    QStringList failed; ///< missing, but no shipped copy was found or the copy could not be written
};

/**
 * Gives a new application folder the shipped lists: every list of shippedListFiles() that the folder
 * lacks is copied in from the first of @p dataFolders that holds it. A file that exists is never
 * replaced, whatever it holds, so lists the user edited, emptied or replaced stay as they are. Must run
 * before the main window's load, which would otherwise create an empty affix file.
 */
ProvisionResult provisionAppFolder(const platform::AppFolder &folder, const QStringList &dataFolders);

} // namespace app
