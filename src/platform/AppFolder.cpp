#include "platform/AppFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace platform {

AppFolder::AppFolder(const QString &root) : m_root(QDir::cleanPath(root)) {}

QString AppFolder::perUserFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quarrytide");
}

FolderChoice AppFolder::choose(const QString &programDir, const QString &perUserFolder)
{
    FolderChoice choice;
    if (!QFileInfo(programDir + QStringLiteral("/portable")).isFile()) {
        choice.root = QDir::cleanPath(perUserFolder);
        return choice;
    }
    choice.portable = canWriteInto(programDir);
    choice.portableFolderReadOnly = !choice.portable;
    choice.root = QDir::cleanPath(choice.portable ? programDir : perUserFolder);
    return choice;
}

bool AppFolder::canWriteInto(const QString &folder)
{
    // Permission bits do not tell: a read-only mount or an ACL refuses what they allow, and root passes
    // what they forbid.
    if (!QDir().mkpath(folder))
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.quarrytide-write-test-XXXXXX"));
    return probe.open();
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
