#include "platform/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

// The settings are written under a lock file that the writer creates, locks and then fills with its
// process id. A writer ended between the first and the last of these leaves an empty lock file, which
// every later write would wait 30 seconds for. Nobody holds the lock of such a file: it is removed.
static void removeIfEmptyAndFree(const QString &lockPath)
{
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

// The lock of a writer that has died is removed by the next writer under a second lock file of the same
// kind, which a writer ended at the wrong moment leaves empty in the same way.
static void removeAbandonedLock(const QString &settingsFile)
{
    const QString lockPath = QFileInfo(settingsFile).absoluteFilePath() + QStringLiteral(".lock");
    removeIfEmptyAndFree(lockPath + QStringLiteral(".rmlock"));
    removeIfEmptyAndFree(lockPath);
}

SettingsFile::SettingsFile(QString folder) : m_folder(std::move(folder)) {}

SettingsFile::~SettingsFile() = default;

QString SettingsFile::fileFor(const QString &application) const
{
    return QDir(m_folder).filePath(application + QStringLiteral(".ini"));
}

QSettings &SettingsFile::backend(const QString &application) const
{
    auto &slot = m_backends[application];
    if (!slot)
        slot = std::make_shared<QSettings>(fileFor(application), QSettings::IniFormat);
    return *slot;
}

static QString path(const QString &key)
{
    return QLatin1String(settingsSection) + QLatin1Char('/') + key;
}

QString SettingsFile::value(const QString &application, const QString &key, const QString &fallback) const
{
    const QVariant value = backend(application).value(path(key));
    return value.isValid() ? value.toString() : fallback;
}

void SettingsFile::write(const QString &application, const Values &values)
{
    QDir().mkpath(m_folder);
    QSettings &settings = backend(application);
    for (const auto &[key, value] : values)
        settings.setValue(path(key), value);
    removeAbandonedLock(fileFor(application));
    // Written at once: the program may be ended at any moment and positions must survive.
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
