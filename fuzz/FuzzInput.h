#pragma once

#include "tld/DefaultTlds.h"
#include "tld/Routing.h"
#include "tld/TldFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>

namespace fuzzing {

/// The fuzzer's bytes without a copy; valid for the one call.
inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

/// The built-in table, as a fresh start has it.
inline const tld::TldTable &builtInTable()
{
    static const tld::TldTable table = tld::parseTable(tld::defaultTldRows().join(QStringLiteral("\r\n")));
    return table;
}

inline const tld::EnabledTldMatcher &builtInMatcher()
{
    static const tld::EnabledTldMatcher matcher(builtInTable());
    return matcher;
}

/// A file the readers under test open by name, rewritten for every input. In memory where the system
/// offers a memory folder.
class ScratchFile {
public:
    explicit ScratchFile(const char *name)
    {
        const QString folder =
            QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        m_path =
            folder +
            QStringLiteral("/quarrytide-fuzz-%1-%2").arg(QLatin1String(name)).arg(QCoreApplication::applicationPid());
    }
    ~ScratchFile() { QFile::remove(m_path); }
    ScratchFile(const ScratchFile &) = delete;
    ScratchFile &operator=(const ScratchFile &) = delete;

    const QString &write(const QByteArray &bytes) const
    {
        QFile file(m_path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
        return m_path;
    }

private:
    QString m_path;
};

} // namespace fuzzing
