#include "platform/ProgramSettings.h"

#include <algorithm>

// The settings of the sources, the purchase links, the zone files and the list positions.

namespace platform {

namespace {

QString generatorOptionKey(int index)
{
    return QStringLiteral("chkAdd") + QString::number(index);
}

QString zoneStampKey(const QString &tld)
{
    return QStringLiteral("ZoneDownloaded_") + tld;
}

} // namespace

int ProgramSettings::lastSource() const
{
    return std::max(number(QStringLiteral("LastSource"), -1), -1);
}

void ProgramSettings::setLastSource(int index)
{
    save(QStringLiteral("LastSource"), QString::number(index));
}

QString ProgramSettings::lastCustomList() const
{
    return text(QStringLiteral("LastCustomList"));
}

void ProgramSettings::setLastCustomList(const QString &path)
{
    save(QStringLiteral("LastCustomList"), path);
}

bool ProgramSettings::generatorOption(int index) const
{
    // Only "1" ticks an option; a missing key counts as ticked, anything unreadable as not.
    int value = 0;
    readInt(text(generatorOptionKey(index), QStringLiteral("1")), value);
    return value == 1;
}

void ProgramSettings::setGeneratorOption(int index, bool on)
{
    saveFlag(generatorOptionKey(index), on);
}

QString ProgramSettings::generatorBaseWord() const
{
    return text(QStringLiteral("txtMake"));
}

void ProgramSettings::setGeneratorBaseWord(const QString &word)
{
    save(QStringLiteral("txtMake"), word);
}

QStringList ProgramSettings::generatorUntickedTlds() const
{
    return text(QStringLiteral("MakeUnticked")).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

void ProgramSettings::setGeneratorUntickedTlds(const QStringList &tlds)
{
    save(QStringLiteral("MakeUnticked"), tlds.join(QLatin1Char(',')));
}

bool ProgramSettings::purchaseLinksEnabled() const
{
    return text(QStringLiteral("PurchaseLinks"), QStringLiteral("1")).trimmed() != QLatin1String("0");
}

void ProgramSettings::setPurchaseLinksEnabled(bool on)
{
    saveFlag(QStringLiteral("PurchaseLinks"), on);
}

QString ProgramSettings::purchaseAddress() const
{
    return text(QStringLiteral("PurchaseAddress")).trimmed();
}

void ProgramSettings::setPurchaseAddress(const QString &address)
{
    save(QStringLiteral("PurchaseAddress"), address);
}

QUrl ProgramSettings::czdsAccountUrl(const QUrl &standard) const
{
    return QUrl(text(QStringLiteral("CzdsAccountUrl"), standard.toString()));
}

void ProgramSettings::setCzdsAccountUrl(const QUrl &url)
{
    save(QStringLiteral("CzdsAccountUrl"), url.toString());
}

QUrl ProgramSettings::czdsApiUrl(const QUrl &standard) const
{
    return QUrl(text(QStringLiteral("CzdsApiUrl"), standard.toString()));
}

void ProgramSettings::setCzdsApiUrl(const QUrl &url)
{
    save(QStringLiteral("CzdsApiUrl"), url.toString());
}

QString ProgramSettings::czdsUser() const
{
    return text(QStringLiteral("CzdsUser"));
}

void ProgramSettings::setCzdsUser(const QString &user)
{
    save(QStringLiteral("CzdsUser"), user);
}

int ProgramSettings::zoneMaxAgeDays(int standard) const
{
    const int days = number(QStringLiteral("ZoneMaxAgeDays"), standard);
    return days > 0 ? days : standard;
}

void ProgramSettings::setZoneMaxAgeDays(int days)
{
    save(QStringLiteral("ZoneMaxAgeDays"), QString::number(days));
}

bool ProgramSettings::screenOnly() const
{
    return text(QStringLiteral("ScreenOnly"), QStringLiteral("0")) == QLatin1String("1");
}

void ProgramSettings::setScreenOnly(bool on)
{
    saveFlag(QStringLiteral("ScreenOnly"), on);
}

QDateTime ProgramSettings::zoneDownloadedAt(const QString &tld) const
{
    return QDateTime::fromString(text(zoneStampKey(tld)), Qt::ISODate);
}

void ProgramSettings::setZoneDownloadedAt(const QString &tld, const QDateTime &when)
{
    save(zoneStampKey(tld), when.toString(Qt::ISODate));
}

QString ProgramSettings::position(const QString &key, const QString &fallback) const
{
    return m_file.value(QLatin1String(positionsAppName), key, fallback);
}

void ProgramSettings::savePositions(const QStringList &keys, const QString &value)
{
    SettingsFile::Values values;
    for (const QString &key : keys)
        values.append({key, value});
    m_file.write(QLatin1String(positionsAppName), values);
}

} // namespace platform
