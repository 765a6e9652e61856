#include "app/HelpFiles.h"

#include "platform/AppFolder.h"
#include "platform/FileHelpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace app {

QStringList shippedDataFolders()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    return {programDir + QStringLiteral("/data"), programDir + QStringLiteral("/../share/quarrytide"),
            programDir + QStringLiteral("/../data")};
}

QString helpFileToOpen(const platform::AppFolder &folder)
{
    const QString chm = folder.path(QStringLiteral("Help.chm"));
    if (platform::fileExists(chm))
        return chm;
    for (const QString &dataFolder : shippedDataFolders()) {
        const QString guide = QDir(dataFolder).filePath(QStringLiteral("help/index.html"));
        if (QFileInfo(guide).isFile())
            return QDir::cleanPath(guide);
    }
    return QString();
}

} // namespace app
