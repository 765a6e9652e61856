#include "sources/ListFile.h"

#include "platform/TextCodec.h"
#include "tld/DomainRule.h"

#include <QFile>
#include <QFileInfo>

namespace sources {

namespace {

// Calls span(start, length) for every line of the bytes that is an entry: neither blank nor a "#"
// comment. A line ends at CR LF, CR or LF, so lists saved on any system read alike.
template <typename Span> void forEachEntry(const char *data, qint64 size, qint64 offset, Span &&span)
{
    qint64 start = 0;
    for (qint64 i = 0; i < size; ++i) {
        if (data[i] != '\r' && data[i] != '\n')
            continue;
        if (!tld::isBlankOrComment(QByteArrayView(data + start, i - start)))
            span(offset + start, i - start);
        if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (size > start && !tld::isBlankOrComment(QByteArrayView(data + start, size - start)))
        span(offset + start, size - start);
}

} // namespace

ListFile::ListFile(QString path) : m_path(std::move(path)) {}

void ListFile::setPath(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    m_entries.clear();
    m_indexedSize = -1;
}

bool ListFile::refreshIndex()
{
    const QFileInfo info(m_path);
    if (m_path.isEmpty() || !info.isFile()) {
        m_entries.clear();
        m_indexedSize = -1;
        return false;
    }
    if (info.size() == m_indexedSize && info.lastModified() == m_indexedTime)
        return true;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_entries.clear();
    const qint64 size = file.size();
    if (size > 0) {
        // Mapped rather than read: the index needs one pass over the bytes and no copy of them.
        const uchar *mapped = file.map(0, size);
        const QByteArray copy = mapped ? QByteArray() : file.readAll();
        const char *data = mapped ? reinterpret_cast<const char *>(mapped) : copy.constData();
        forEachEntry(data, mapped ? size : copy.size(), 0, [this](qint64 start, qint64 length) {
            m_entries.push_back({start, length});
        });
    }
    m_indexedSize = info.size();
    m_indexedTime = info.lastModified();
    return true;
}

int ListFile::countListEntries()
{
    if (!refreshIndex())
        return 0;
    return int(std::min<size_t>(m_entries.size(), size_t(std::numeric_limits<int>::max())));
}

ListFile::Read ListFile::readListEntry(int n, QString &entry)
{
    entry.clear();
    if (!refreshIndex())
        return Read::Failed;
    if (n < 1)
        return Read::Entry;
    if (size_t(n) > m_entries.size())
        return Read::End;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return Read::Failed;
    const Span &span = m_entries.at(size_t(n) - 1);
    if (!file.seek(span.start))
        return Read::Failed;
    entry = platform::decodeText(file.read(span.length));
    return Read::Entry;
}

int countEntriesInText(const QByteArray &text)
{
    int count = 0;
    forEachEntry(text.constData(), text.size(), 0, [&count](qint64, qint64) { ++count; });
    return count;
}

} // namespace sources
