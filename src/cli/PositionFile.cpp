#include "cli/PositionFile.h"

#include "platform/AtomicFile.h"
#include "platform/SettingsStore.h"
#include "platform/TextCodec.h"

#include <QFileInfo>

namespace cli {

bool PositionFile::load(int &next, QString &error) const
{
    next = 1;
    if (!QFileInfo::exists(m_path))
        return true;
    bool ok = false;
    const QString text = platform::decodeText(platform::readWholeFile(m_path, &ok)).trimmed();
    if (!ok) {
        error = QStringLiteral("cannot read the position file ") + m_path;
        return false;
    }
    int value = 0;
    if (!platform::readInt(text, value) || value < 1) {
        error = QStringLiteral("the position file ") + m_path + QStringLiteral(" holds no position (a number from 1)");
        return false;
    }
    next = value;
    return true;
}

bool PositionFile::save(int next) const
{
    return platform::writeFileAtomically(m_path, platform::encodeText(QString::number(next) + platform::crlf));
}

} // namespace cli
