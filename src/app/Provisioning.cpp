#include "app/Provisioning.h"

#include "platform/AppFolder.h"
#include "platform/FileHelpers.h"

#include <QDir>
#include <QFileInfo>

namespace app {

const QStringList &shippedListFiles()
{
    static const QStringList files = {
        QStringLiteral("wordlists/FullWordList.txt"),
        QStringLiteral("wordlists/AllTwoLetter.txt"),
        QStringLiteral("wordlists/AllThreeLetter.txt"),
        QStringLiteral("wordlists/AllFourLetter.txt"),
        QStringLiteral("Appends.txt"),
    };
    return files;
}

static QString shippedCopy(const QStringList &dataFolders, const QString &name)
{
    for (const QString &folder : dataFolders) {
        const QString candidate = QDir(folder).filePath(name);
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return QString();
}

ProvisionResult provisionAppFolder(const platform::AppFolder &folder, const QStringList &dataFolders)
{
    ProvisionResult result;
    for (const QString &name : shippedListFiles()) {
        // Resolved without regard to case, so a "Wordlists" folder the user already has is reused.
        const QString target = folder.path(name);
        if (QFileInfo::exists(target) || platform::fileExists(target))
            continue;
        const QString source = shippedCopy(dataFolders, name);
        const bool copied =
            !source.isEmpty() && QDir().mkpath(QFileInfo(target).path()) && platform::copyFile(source, target);
        (copied ? result.copied : result.failed) << name;
    }
    return result;
}

} // namespace app
