#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace testing {

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

QString whoisAnswersFolder()
{
    const QString folder = qEnvironmentVariable("QUARRYTIDE_SHARED_WHOIS_ANSWERS");
    return QFileInfo(folder + QStringLiteral("/MANIFEST.tsv")).isFile() ? folder : QString();
}

} // namespace testing
