#include "zones/ZoneScreen.h"

#include "zones/MasterFileReader.h"

#include <QDir>
#include <QFile>
#include <QUrl>

#include <utility>

namespace zones {

QString zonesFolder(const QString &appFolder)
{
    return appFolder + QStringLiteral("/zones");
}

ZoneScreen::ZoneScreen(const QString &folder) : m_folder(folder) {}

ZoneScreen::~ZoneScreen() = default;

void ZoneScreen::reload()
{
    m_byName.clear();
    m_entries.clear();
    for (const QString &path : std::exchange(m_added, {}))
        addIndex(path);
}

bool ZoneScreen::addIndex(const QString &path, QString *error)
{
    std::unique_ptr<ZoneIndex> index = ZoneIndex::open(path, QString(), error);
    if (!index)
        return false;
    const QString tld = index->info().tld;
    m_byName.erase(tld.toStdString());
    m_entries.insert_or_assign(tld, Entry{std::move(index), QString()});
    if (!m_added.contains(path))
        m_added.append(path);
    return true;
}

const ZoneScreen::Entry &ZoneScreen::entry(const QString &tld)
{
    const auto found = m_entries.find(tld);
    if (found != m_entries.end())
        return found->second;
    Entry entry;
    // Only a host name becomes part of a path: a screened name never reaches outside the folder.
    const QString path = indexPath(m_folder, tld);
    if (isHostName(tld.toStdString()) && QFile::exists(path))
        entry.index = ZoneIndex::open(path, tld, &entry.problem);
    if (!entry.problem.isEmpty())
        entry.problem = tr("The zone index %1 cannot be used: %2.").arg(path, entry.problem);
    return m_entries.emplace(tld, std::move(entry)).first->second;
}

const ZoneIndex *ZoneScreen::indexFor(std::string_view tld)
{
    const auto found = m_byName.find(tld);
    if (found != m_byName.end())
        return found->second;
    const ZoneIndex *index = entry(QString::fromLatin1(tld.data(), qsizetype(tld.size()))).index.get();
    m_byName.emplace(std::string(tld), index);
    return index;
}

ZoneScreen::Answer ZoneScreen::screen(const QString &domain)
{
    bool ascii = true;
    for (const QChar c : domain)
        ascii = ascii && c.unicode() < 0x80;
    QByteArray name = ascii ? domain.toLatin1() : QUrl::toAce(domain);
    for (char &c : name) {
        if (c >= 'A' && c <= 'Z')
            c = char(c + ('a' - 'A'));
    }
    if (name.endsWith('.'))
        name.chop(1);
    const std::string_view text(name.constData(), size_t(name.size()));
    // The longest TLD with an index wins ("co.uk" before "uk"); the label just before it is the name.
    for (size_t dot = text.find('.'); dot != std::string_view::npos; dot = text.find('.', dot + 1)) {
        const ZoneIndex *index = indexFor(text.substr(dot + 1));
        if (!index)
            continue;
        const std::string_view left = text.substr(0, dot);
        const size_t cut = left.rfind('.');
        const std::string_view label = cut == std::string_view::npos ? left : left.substr(cut + 1);
        if (label.empty())
            return {};
        return {index->containsLabel(label) ? Verdict::InZone : Verdict::NotInZone, index->info().sourceDate.date()};
    }
    return {};
}

std::optional<ZoneInfo> ZoneScreen::zoneInfo(const QString &tld)
{
    const Entry &found = entry(tld.toLower());
    if (!found.index)
        return std::nullopt;
    return found.index->info();
}

QString ZoneScreen::problem(const QString &tld)
{
    return entry(tld.toLower()).problem;
}

bool ZoneScreen::isOutdated(const QString &tld, const QDateTime &now, int maxAgeDays)
{
    const std::optional<ZoneInfo> info = zoneInfo(tld);
    return info && info->sourceDate.msecsTo(now) > qint64(maxAgeDays) * 24 * 3600 * 1000;
}

QList<ZoneInfo> ZoneScreen::importedZones()
{
    QList<ZoneInfo> zones;
    const QStringList files = QDir(m_folder).entryList({QStringLiteral("*.idx")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        if (const std::optional<ZoneInfo> info = zoneInfo(file.chopped(4)))
            zones.append(*info);
    }
    return zones;
}

} // namespace zones
