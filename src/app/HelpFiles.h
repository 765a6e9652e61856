#pragma once

#include <QString>

namespace platform {
class AppFolder;
}

namespace app {

/// The help to open: Help.chm in the application folder when present, else the user guide shipped
/// with the program, else nothing (empty).
QString helpFileToOpen(const platform::AppFolder &folder);

/// Folders searched for the shipped data (user guide, word lists, affixes), most specific first.
QStringList shippedDataFolders();

} // namespace app
