#pragma once

#include <QString>

namespace platform {

/// Copies @p source over @p target through a temporary file; failures are ignored (false).
bool copyFile(const QString &source, const QString &target);

/// True when @p path names an existing folder (folder names without regard to case).
bool dirExists(const QString &path);

/// True when @p path names an existing file, its name compared without regard to case; false for folders.
bool fileExists(const QString &path);

/// The text after the last path separator ("\" or "/"); the whole text when there is none.
QString fileNamePart(const QString &path);

} // namespace platform
