#include "sources/AffixFile.h"

#include "platform/AtomicFile.h"
#include "platform/TextCodec.h"

namespace sources {

namespace {

bool isAffix(const QString &line)
{
    return !line.isEmpty() && line != QLatin1String(" ");
}

} // namespace

AffixFile::AffixFile(QString path) : m_path(std::move(path)) {}

QStringList AffixFile::readAffixes(bool *ok) const
{
    bool read = false;
    const QByteArray bytes = platform::readWholeFile(m_path, &read);
    if (ok)
        *ok = read;
    QStringList affixes;
    for (const QString &line : platform::splitAnyLines(platform::decodeText(bytes))) {
        if (isAffix(line))
            affixes.append(line);
    }
    return affixes;
}

bool AffixFile::addAffix(const QString &affix) const
{
    bool read = false;
    const QByteArray before = platform::readWholeFile(m_path, &read);
    QByteArray line = platform::encodeText(affix) + "\r\n";
    if (read && !before.isEmpty() && !before.endsWith('\r') && !before.endsWith('\n'))
        line.prepend("\r\n");
    return platform::appendToFile(m_path, line);
}

bool AffixFile::deleteAffix(const QString &affix) const
{
    bool read = false;
    const QByteArray bytes = platform::readWholeFile(m_path, &read);
    if (!read)
        return false;
    QString kept;
    for (const QString &line : platform::splitAnyLines(platform::decodeText(bytes))) {
        if (line != affix)
            kept += line + platform::crlf;
    }
    // One pass, as the file has always been tidied: blank lines left by the removal shrink by one.
    kept.replace(QStringLiteral("\r\n\r\n"), platform::crlf);
    return platform::writeFileAtomically(m_path, platform::encodeText(kept + platform::crlf));
}

} // namespace sources
