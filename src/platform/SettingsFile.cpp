#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

// The settings are written under a lock file that the writer creates, locks and then fills with its
// process id. A writer ended between the first and the last of these leaves an empty lock file, which
// every later write would wait 30 seconds for. Nobody holds the lock of such a file: it is removed.
static void removeAbandonedLock(const QString &settingsFile)
{
    const QString lockPath = QFileInfo(settingsFile).absoluteFilePath() + QStringLiteral(".lock");
    const QFileInfo lock(lockPath);
    if (!lock.isFile() || lock.size() != 0)
        return;
    const int fd = ::open(QFile::encodeName(lockPath).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && QFileInfo(lockPath).size() == 0)
        QFile::remove(lockPath);
    ::close(fd);
}

SettingsStore::SettingsStore(const QString &folder) : m_folder(folder) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/quarrytide");
}

QString SettingsStore::fileFor(const QString &application) const
{
    return QDir(m_folder).filePath(application + QStringLiteral(".ini"));
}

QSettings &SettingsStore::backend(const QString &application) const
{
    auto &slot = m_backends[application];
    if (!slot)
        slot = std::make_shared<QSettings>(fileFor(application), QSettings::IniFormat);
    return *slot;
}

QString SettingsStore::getSetting(const QString &application, const QString &section, const QString &key,
                                  const QString &defaultValue) const
{
    const QVariant value = backend(application).value(section + QLatin1Char('/') + key);
    if (!value.isValid())
        return defaultValue;
    return value.toString();
}

void SettingsStore::saveSetting(const QString &application, const QString &section, const QString &key,
                                const QString &value)
{
    QDir().mkpath(m_folder);
    QSettings &settings = backend(application);
    settings.setValue(section + QLatin1Char('/') + key, value);
    removeAbandonedLock(fileFor(application));
    // Written at once: the program may be ended at any moment and positions must survive.
    settings.sync();
}

QString SettingsStore::product(const QString &key, const QString &defaultValue) const
{
    return getSetting(QString::fromLatin1(productName), QString::fromLatin1(settingsSection), key, defaultValue);
}

void SettingsStore::saveProduct(const QString &key, const QString &value)
{
    saveSetting(QString::fromLatin1(productName), QString::fromLatin1(settingsSection), key, value);
}

QString SettingsStore::positions(const QString &key, const QString &defaultValue) const
{
    return getSetting(QString::fromLatin1(positionsAppName), QString::fromLatin1(settingsSection), key, defaultValue);
}

void SettingsStore::savePositions(const QString &key, const QString &value)
{
    saveSetting(QString::fromLatin1(positionsAppName), QString::fromLatin1(settingsSection), key, value);
}

void SettingsStore::savePositions(const QStringList &keys, const QString &value)
{
    QDir().mkpath(m_folder);
    QSettings &settings = backend(QString::fromLatin1(positionsAppName));
    for (const QString &key : keys)
        settings.setValue(QString::fromLatin1(settingsSection) + QLatin1Char('/') + key, value);
    settings.sync();
}

bool readInt(const QString &text, int &value)
{
    bool ok = false;
    const int parsed = text.trimmed().toInt(&ok);
    if (ok)
        value = parsed;
    return ok;
}

} // namespace platform
