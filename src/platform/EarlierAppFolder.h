#pragma once

#include <QStringList>

namespace platform {

/// What the one-time copy of an earlier application folder did, by name relative to the folders.
struct EarlierFolderCopy {
    QStringList copied;
    QStringList failed;
    bool happened() const { return !copied.isEmpty() || !failed.isEmpty(); }
};

/**
 * Earlier versions kept every file beside the program whenever that folder was writable, so a build
 * folder may hold a user's saved domains and results. When @p target is missing or empty and
 * @p programDir holds "Remembered.txt" or result files, the files the program keeps there (lists, table,
 * results and their folders) are copied into @p target. The originals are never moved or deleted, and
 * nothing is copied once @p target holds anything.
 */
EarlierFolderCopy copyEarlierAppFolder(const QString &programDir, const QString &target);

} // namespace platform
