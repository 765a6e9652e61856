#include "results/RememberedList.h"

#include "platform/AtomicFile.h"
#include "platform/FileHelpers.h"
#include "platform/TextCodec.h"
#include "results/DomainListModel.h"

#include <QDir>
#include <QFileInfo>

namespace results {

QStringList RememberedList::parse(const QByteArray &bytes)
{
    QStringList entries;
    // Any line end is accepted: a file edited by hand on this system may end its lines with LF alone.
    for (const QString &line : platform::splitAnyLines(platform::decodeText(bytes))) {
        if (!line.isEmpty() && line != QLatin1String(" "))
            entries.append(line);
    }
    return entries;
}

QByteArray RememberedList::format(const QStringList &entries)
{
    QString text;
    for (const QString &entry : entries)
        text += entry + platform::crlf;
    return platform::encodeText(text);
}

int RememberedList::loadInto(DomainListModel &list, bool *unreadable) const
{
    bool ok = false;
    const QByteArray bytes = platform::readWholeFile(m_path, &ok);
    if (unreadable)
        *unreadable = !ok && QFileInfo::exists(m_path);
    if (!ok)
        return 0;
    const QStringList entries = parse(bytes);
    list.appendMany(entries);
    return int(entries.size());
}

bool RememberedList::save(const DomainListModel &list) const
{
    return platform::writeFileAtomically(m_path, format(list.entries()));
}

} // namespace results

namespace results {

QString RememberedList::backupPath() const
{
    const QFileInfo file(m_path);
    return file.dir().filePath(file.completeBaseName() + QStringLiteral(".bak"));
}

bool RememberedList::backUp() const
{
    return platform::copyFile(m_path, backupPath());
}

} // namespace results
