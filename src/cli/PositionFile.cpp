#include "cli/PositionFile.h"

#include "platform/AtomicFile.h"
#include "platform/SettingsFile.h"
#include "platform/TextCodec.h"

#include <QFileInfo>

namespace cli {

bool PositionFile::load(int &next, QStringList &ahead, QString &error) const
{
    next = 1;
    ahead.clear();
    if (!QFileInfo::exists(m_path))
        return true;
    bool ok = false;
    QStringList lines = platform::decodeText(platform::readWholeFile(m_path, &ok)).split(QLatin1Char('\n'));
    const QString text = lines.takeFirst().trimmed();
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
    for (const QString &line : std::as_const(lines)) {
        if (!line.trimmed().isEmpty())
            ahead.append(line.trimmed());
    }
    return true;
}

bool PositionFile::save(int next, const QStringList &ahead) const
{
    QString text = QString::number(next) + platform::crlf;
    for (const QString &domain : ahead)
        text += domain + platform::crlf;
    return platform::writeFileAtomically(m_path, platform::encodeText(text));
}

} // namespace cli
