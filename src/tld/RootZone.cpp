#include "tld/RootZone.h"

#include "platform/TextCodec.h"
#include "tld/TldRecord.h"

#include <QFile>
#include <QHash>

namespace tld {

QList<RootZoneTld> parseRootZone(const QString &text)
{
    QList<RootZoneTld> zone;
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        const QList<QStringView> fields = trimmed.split(QLatin1Char('|'));
        if (fields.size() < 3 || fields.at(0).trimmed().isEmpty())
            continue;
        RootZoneTld entry{fields.at(0).trimmed().toString().toLower(), fields.at(1).trimmed().toString().toLower(),
                          fields.at(2).trimmed().toString()};
        if (!isUsableRdapBase(entry.rdapBase))
            entry.rdapBase.clear();
        zone.append(entry);
    }
    return zone;
}

const QList<RootZoneTld> &rootZone()
{
    static const QList<RootZoneTld> zone = [] {
        QFile file(QStringLiteral(":/quarrytide/RootZoneServers.txt"));
        if (!file.open(QIODevice::ReadOnly))
            return QList<RootZoneTld>();
        return parseRootZone(platform::decodeText(file.readAll()));
    }();
    return zone;
}

const RootZoneTld *findRootZoneTld(const QString &extension)
{
    static const QHash<QString, qsizetype> index = [] {
        QHash<QString, qsizetype> positions;
        for (qsizetype i = 0; i < rootZone().size(); ++i)
            positions.insert(rootZone().at(i).extension, i);
        return positions;
    }();
    const auto found = index.constFind(extension.toLower());
    return found == index.cend() ? nullptr : &rootZone().at(*found);
}

} // namespace tld
