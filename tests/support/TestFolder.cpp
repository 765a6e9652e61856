#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace testing {

constexpr uid_t unprivilegedUserId = 65534; // nobody

TestFolder::TestFolder()
{
    QDir().mkpath(appFolder());
}

void TestFolder::write(const QString &name, const QByteArray &content) const
{
    const QString path = file(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile out(path);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(content);
}

QByteArray TestFolder::read(const QString &name) const
{
    QFile in(file(name));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

ReadOnlyFolder::ReadOnlyFolder(const QString &folder) : m_folder(folder)
{
    constexpr auto readAndEnter =
        QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    if (!QFile::setPermissions(folder, readAndEnter))
        return;
    m_wasRoot = ::geteuid() == 0;
    if (!m_wasRoot) {
        m_valid = true;
        return;
    }
    for (QDir above(QFileInfo(folder).absolutePath()); !above.isRoot(); above.cdUp()) {
        const QString path = above.absolutePath();
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeGroup | QFile::ExeOther);
    }
    m_valid = ::seteuid(unprivilegedUserId) == 0;
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (m_wasRoot && m_valid && ::seteuid(0) != 0)
        qFatal("cannot return to the test's own user");
    QFile::setPermissions(m_folder, QFile::permissions(m_folder) | QFile::WriteOwner);
}

UnreadableFile::UnreadableFile(const QString &path) : m_path(path)
{
    if (!QFile::setPermissions(path, {}))
        return;
    m_wasRoot = ::geteuid() == 0;
    if (m_wasRoot) {
        const QString folder = QFileInfo(path).absolutePath();
        QFile::setPermissions(folder,
                              QFile::permissions(folder) | QFile::WriteOther | QFile::ReadOther | QFile::ExeOther);
        for (QDir above(folder); !above.isRoot(); above.cdUp()) {
            const QString at = above.absolutePath();
            QFile::setPermissions(at, QFile::permissions(at) | QFile::ExeGroup | QFile::ExeOther);
        }
        if (::seteuid(unprivilegedUserId) != 0)
            return;
    }
    m_valid = !QFile(path).open(QIODevice::ReadOnly);
}

UnreadableFile::~UnreadableFile()
{
    if (m_wasRoot && ::geteuid() != 0 && ::seteuid(0) != 0)
        qFatal("cannot return to the test's own user");
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
}

QString whoisAnswersFolder()
{
    const QString folder = qEnvironmentVariable("QUARRYTIDE_SHARED_WHOIS_ANSWERS");
    return QFileInfo(folder + QStringLiteral("/MANIFEST.tsv")).isFile() ? folder : QString();
}

} // namespace testing
