#include "results/SeriesFiles.h"

#include "platform/AtomicFile.h"
#include "platform/TextCodec.h"

#include <QFileInfo>

namespace results {

static QByteArray linesOf(const QStringList &entries, qsizetype from, const SeriesFile::LeaveOut &leaveOut)
{
    QString text;
    for (qsizetype i = from; i < entries.size(); ++i) {
        if (!leaveOut || !leaveOut(entries.at(i)))
            text += entries.at(i) + platform::crlf;
    }
    return platform::encodeText(text);
}

void SeriesFile::invalidate()
{
    m_path.clear();
    m_written = 0;
    m_size = -1;
}

bool SeriesFile::rewrite(const QString &path, const QStringList &entries, const LeaveOut &leaveOut)
{
    const QByteArray bytes = linesOf(entries, 0, leaveOut);
    if (!platform::writeFileAtomically(path, bytes)) {
        invalidate();
        return false;
    }
    m_path = path;
    m_written = entries.size();
    m_size = bytes.size();
    return true;
}

bool SeriesFile::sync(const QString &path, const QStringList &entries, const LeaveOut &leaveOut)
{
    // Another program may have changed the file; its size tells.
    const bool onlyAppended = path == m_path && QFileInfo(path).size() == m_size && entries.size() >= m_written;
    if (!onlyAppended)
        return rewrite(path, entries, leaveOut);
    if (entries.size() == m_written)
        return true;
    const QByteArray bytes = linesOf(entries, m_written, leaveOut);
    if (!platform::appendToFile(path, bytes)) {
        invalidate();
        return false;
    }
    m_written = entries.size();
    m_size += bytes.size();
    return true;
}

} // namespace results
