#include "platform/ProgramSettings.h"

#include <QStandardPaths>

#include <algorithm>

namespace platform {

namespace {

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QStringList commaList(const QString &text)
{
    return text.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

} // namespace

QString ProgramSettings::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/quarrytide");
}

QString ProgramSettings::text(const QString &key, const QString &fallback) const
{
    return m_file.value(QLatin1String(productName), key, fallback);
}

int ProgramSettings::number(const QString &key, int fallback) const
{
    int value = fallback;
    readInt(text(key), value);
    return value;
}

void ProgramSettings::save(const QString &key, const QString &value)
{
    m_file.write(QLatin1String(productName), {{key, value}});
}

void ProgramSettings::saveFlag(const QString &key, bool on)
{
    save(key, flag(on));
}

int ProgramSettings::startPauseTicks() const
{
    // A value that is not a number leaves no pause at all; only a missing one gives the default.
    int ticks = 0;
    readInt(text(QStringLiteral("Throttle"), QStringLiteral("25")), ticks);
    return ticks;
}

QString ProgramSettings::browsePauseText() const
{
    return text(QStringLiteral("Throttle"), QStringLiteral("20"));
}

void ProgramSettings::setBrowsePauseText(const QString &text)
{
    save(QStringLiteral("Throttle"), text);
}

bool ProgramSettings::helpPending() const
{
    return text(QStringLiteral("showHelp"), QStringLiteral("1")) == QLatin1String("1");
}

void ProgramSettings::setHelpPending(bool pending)
{
    saveFlag(QStringLiteral("showHelp"), pending);
}

bool ProgramSettings::firstUseShown() const
{
    return !text(QStringLiteral("FirstUse")).isEmpty();
}

void ProgramSettings::setFirstUseShown()
{
    save(QStringLiteral("FirstUse"), QStringLiteral("NO"));
}

bool ProgramSettings::popularTldsOffered() const
{
    return !text(QStringLiteral("PopularTLDsOffered")).isEmpty();
}

void ProgramSettings::setPopularTldsOffered()
{
    save(QStringLiteral("PopularTLDsOffered"), QStringLiteral("1"));
}

bool ProgramSettings::useProxy() const
{
    return number(QStringLiteral("chkProxy"), 0) != 0;
}

void ProgramSettings::setUseProxy(bool on)
{
    saveFlag(QStringLiteral("chkProxy"), on);
}

QString ProgramSettings::defaultExt() const
{
    return text(QStringLiteral("DefaultExt"), QStringLiteral(".com"));
}

void ProgramSettings::setDefaultExt(const QString &ext)
{
    save(QStringLiteral("DefaultExt"), ext);
}

QString ProgramSettings::testWord() const
{
    return text(QStringLiteral("DefaultSearch"), QStringLiteral("Google"));
}

void ProgramSettings::setTestWord(const QString &word)
{
    save(QStringLiteral("DefaultSearch"), word);
}

QString ProgramSettings::rdapBootstrap() const
{
    return text(QStringLiteral("RdapBootstrap")).trimmed();
}

void ProgramSettings::setRdapBootstrap(const QString &address)
{
    save(QStringLiteral("RdapBootstrap"), address);
}

QStringList ProgramSettings::lastTlds() const
{
    return commaList(text(QStringLiteral("LastTLD")));
}

void ProgramSettings::setLastTlds(const QStringList &tlds)
{
    save(QStringLiteral("LastTLD"), tlds.join(QLatin1Char(',')));
}

bool ProgramSettings::checkDnsFirst() const
{
    return text(QStringLiteral("CheckDNS"), QStringLiteral("1")) != QLatin1String("0");
}

void ProgramSettings::setCheckDnsFirst(bool on)
{
    saveFlag(QStringLiteral("CheckDNS"), on);
}

int ProgramSettings::listOrder() const
{
    return std::max(number(QStringLiteral("ListOrder"), -1), -1);
}

void ProgramSettings::setListOrder(int index)
{
    save(QStringLiteral("ListOrder"), QString::number(index));
}

QByteArray ProgramSettings::windowGeometry() const
{
    return QByteArray::fromBase64(text(QStringLiteral("WindowGeometry")).toLatin1());
}

void ProgramSettings::setWindowGeometry(const QByteArray &geometry)
{
    save(QStringLiteral("WindowGeometry"), QString::fromLatin1(geometry.toBase64()));
}

int ProgramSettings::skipCheckedDays() const
{
    return number(QStringLiteral("SkipCheckedDays"), 0);
}

void ProgramSettings::setSkipCheckedDays(int days)
{
    save(QStringLiteral("SkipCheckedDays"), QString::number(days));
}

} // namespace platform
