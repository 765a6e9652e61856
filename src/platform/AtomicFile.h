#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

/// Replaces @p path with @p data through a temporary file that is renamed over it, so an interrupted
/// write never leaves the old file missing or half written. Returns false when nothing was replaced.
bool writeFileAtomically(const QString &path, const QByteArray &data);

/// Appends @p data to @p path, creating the file when it is missing.
bool appendToFile(const QString &path, const QByteArray &data);

/// Reads the whole file; an unreadable or missing file gives @p ok = false and an empty result.
QByteArray readWholeFile(const QString &path, bool *ok = nullptr);

} // namespace platform
