#include "platform/FileHelpers.h"

#include "platform/AppFolder.h"
#include "platform/AtomicFile.h"

#include <QFileInfo>

namespace platform {

static QString nativeToPosix(const QString &path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

bool copyFile(const QString &source, const QString &target)
{
    bool ok = false;
    const QString from = platform::resolveCaseInsensitive(nativeToPosix(source));
    if (!QFileInfo(from).isFile())
        return false;
    const QByteArray data = platform::readWholeFile(from, &ok);
    if (!ok)
        return false;
    return platform::writeFileAtomically(platform::resolveCaseInsensitive(nativeToPosix(target)), data);
}

bool dirExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(platform::resolveCaseInsensitive(nativeToPosix(path))).isDir();
}

bool fileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(platform::resolveCaseInsensitive(nativeToPosix(path)));
    return info.isFile() && info.fileName().compare(fileNamePart(path), Qt::CaseInsensitive) == 0;
}

QString fileNamePart(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(cut + 1);
}

} // namespace platform
