#include "platform/AppFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

AppFolder::AppFolder(const QString &root) : m_root(QDir::cleanPath(root)) {}

QString AppFolder::perUserFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quarrytide");
}

QString AppFolder::chooseDefault(const QString &programDir)
{
    const QFileInfo info(programDir);
    // An installed program finds its shipped data in ../share/quarrytide; it never writes beside itself.
    const bool installed = QFileInfo::exists(programDir + QStringLiteral("/../share/quarrytide"));
    if (info.isDir() && info.isWritable() && !installed)
        return QDir::cleanPath(programDir);
    return perUserFolder();
}

QString AppFolder::path(const QString &relative) const
{
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    return resolveCaseInsensitive(m_root + QLatin1Char('/') + rel);
}

static QString matchInFolder(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + QLatin1Char('/') + name))
        return name;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

QString resolveCaseInsensitive(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    const QStringList parts = clean.split(QLatin1Char('/'));
    QString result = clean.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    bool resolving = true;
    for (const QString &part : parts) {
        if (part.isEmpty())
            continue;
        const QString base = result.isEmpty() ? QStringLiteral(".") : result;
        const QString name = resolving ? matchInFolder(base, part) : part;
        // Below a part that does not exist nothing else can be matched.
        if (resolving && !QFileInfo::exists(base + QLatin1Char('/') + name))
            resolving = false;
        if (!result.isEmpty() && !result.endsWith(QLatin1Char('/')))
            result += QLatin1Char('/');
        result += name;
    }
    return result;
}

} // namespace platform
