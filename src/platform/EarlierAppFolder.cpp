#include "platform/EarlierAppFolder.h"

#include "platform/FileHelpers.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace platform {

namespace {

// The result series; name filters match without regard to case.
const QStringList seriesFiles = {QStringLiteral("LowProfile*.txt"), QStringLiteral("HighProfile*.txt"),
                                 QStringLiteral("SuperHighProfile*.txt")};
const QStringList programFiles = {QStringLiteral("Remembered.txt"),    QStringLiteral("Remembered.bak"),
                                  QStringLiteral("Unchecked.txt"),     QStringLiteral("TLDs.txt"),
                                  QStringLiteral("Appends.txt"),       QStringLiteral("BrowserSearch.txt"),
                                  QStringLiteral("CreatedDomains.txt")};
const QStringList programFolders = {QStringLiteral("backups"), QStringLiteral("overflow"), QStringLiteral("searches"),
                                    QStringLiteral("wordlists"), QStringLiteral("CustomLists")};

bool holdsEarlierRun(const QDir &program)
{
    if (!program.entryList({QStringLiteral("Remembered.txt"), QStringLiteral("Unchecked.txt")}, QDir::Files)
             .isEmpty() ||
        !program.entryList(seriesFiles, QDir::Files).isEmpty())
        return true;
    for (const QString &folder : program.entryList({QStringLiteral("backups"), QStringLiteral("overflow")},
                                                   QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!QDir(program.filePath(folder)).isEmpty(QDir::Files))
            return true;
    }
    return false;
}

void copyOne(const QDir &from, const QDir &to, const QString &relative, EarlierFolderCopy &report)
{
    const bool copied = QDir().mkpath(QFileInfo(to.filePath(relative)).path()) &&
                        copyFile(from.filePath(relative), to.filePath(relative));
    (copied ? report.copied : report.failed) << relative;
}

} // namespace

EarlierFolderCopy copyEarlierAppFolder(const QString &programDir, const QString &target)
{
    EarlierFolderCopy report;
    const QDir program(programDir);
    const QDir user(target);
    if (QDir::cleanPath(program.absolutePath()) == QDir::cleanPath(user.absolutePath()))
        return report;
    if ((user.exists() && !user.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot)) || !holdsEarlierRun(program))
        return report;
    for (const QString &name : program.entryList(programFiles + seriesFiles, QDir::Files))
        copyOne(program, user, name, report);
    for (const QString &folder : program.entryList(programFolders, QDir::Dirs | QDir::NoDotAndDotDot)) {
        QDirIterator files(program.filePath(folder), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext())
            copyOne(program, user, program.relativeFilePath(files.next()), report);
    }
    return report;
}

} // namespace platform
