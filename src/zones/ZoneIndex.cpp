#include "zones/ZoneIndex.h"

#include "zones/MasterFileReader.h"

#include <QtEndian>

#include <xxhash.h>

#include <algorithm>
#include <bit>
#include <cstring>

namespace zones {

namespace {

static_assert(std::endian::native == std::endian::little, "the index is read in place as little-endian");

// The header, little-endian, 128 bytes.
constexpr char magic[8] = {'Q', 'T', 'Z', 'O', 'N', 'E', '\r', '\n'};
constexpr quint32 formatVersion = 1;
constexpr quint32 hashKind = 1; // XXH3, 64 bits, seed 0, of the lower-case label
constexpr qint64 headerBytes = 128;
constexpr int tldBytes = 64;

#pragma pack(push, 1)
struct Header {
    char magic[8];
    quint32 version;
    quint32 headerBytes;
    quint64 count;
    quint32 serial;
    quint32 tableBits;
    qint64 sourceDateMs;
    qint64 importedMs;
    quint32 hashKind;
    quint32 reserved;
    char tld[tldBytes];
    quint64 checksum; ///< of every byte before it
};
#pragma pack(pop)
static_assert(sizeof(Header) == headerBytes);

quint64 headerChecksum(const Header &header)
{
    return XXH3_64bits(&header, offsetof(Header, checksum));
}

qint64 tableEntries(int bits)
{
    return (qint64(1) << bits) + 1;
}

qint64 fileBytes(quint64 count, int bits)
{
    return headerBytes + qint64(count) * 8 + tableEntries(bits) * 4;
}

} // namespace

quint64 labelHash(std::string_view label)
{
    return XXH3_64bits(label.data(), label.size());
}

QString indexPath(const QString &folder, const QString &tld)
{
    return folder + QLatin1Char('/') + tld + QStringLiteral(".idx");
}

ZoneIndex::~ZoneIndex() = default;

std::unique_ptr<ZoneIndex> ZoneIndex::open(const QString &path, const QString &tld, QString *error)
{
    std::unique_ptr<ZoneIndex> index(new ZoneIndex);
    index->m_file.setFileName(path);
    QString problem;
    if (!index->m_file.open(QIODevice::ReadOnly))
        problem = index->m_file.errorString();
    else
        problem = index->load(tld);
    if (problem.isEmpty())
        return index;
    if (error)
        *error = problem;
    return nullptr;
}

bool ZoneIndex::isIndexFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(sizeof magic) == QByteArray(magic, sizeof magic);
}

QString ZoneIndex::load(const QString &tld)
{
    const qint64 size = m_file.size();
    if (size < headerBytes)
        return tr("it is too short to be a zone index");
    const uchar *bytes = m_file.map(0, size);
    if (!bytes)
        return m_file.errorString();
    Header header;
    std::memcpy(&header, bytes, sizeof header);
    if (std::memcmp(header.magic, magic, sizeof magic) != 0)
        return tr("it is not a zone index");
    if (header.version != formatVersion || header.headerBytes != headerBytes || header.hashKind != hashKind)
        return tr("it was made by another version of the program: import the zone again");
    if (headerChecksum(header) != header.checksum)
        return tr("its header is damaged");
    const std::string name(header.tld, strnlen(header.tld, tldBytes));
    if (header.tableBits > 32 || header.count > quint64(size) / 8 || !isHostName(name) ||
        fileBytes(header.count, int(header.tableBits)) != size)
        return tr("it is damaged or cut short");
    m_info.tld = QString::fromLatin1(name);
    if (!tld.isEmpty() && m_info.tld != tld)
        return tr("it holds the zone of .%1, not of .%2").arg(m_info.tld, tld);
    m_tableBits = int(header.tableBits);
    m_hashes = reinterpret_cast<const quint64 *>(bytes + headerBytes);
    m_table = reinterpret_cast<const quint32 *>(bytes + headerBytes + qint64(header.count) * 8);
    if (m_table[0] != 0 || m_table[tableEntries(m_tableBits) - 1] != header.count)
        return tr("it is damaged");
    m_info.serial = header.serial;
    m_info.count = header.count;
    m_info.sourceDate = QDateTime::fromMSecsSinceEpoch(header.sourceDateMs, Qt::UTC);
    m_info.importedAt = QDateTime::fromMSecsSinceEpoch(header.importedMs, Qt::UTC);
    return QString();
}

bool ZoneIndex::containsHash(quint64 hash) const
{
    const size_t entry = m_tableBits == 0 ? 0 : size_t(hash >> (64 - m_tableBits));
    // A damaged table may point anywhere; the search stays inside the hashes whatever it says.
    const quint64 end = std::min<quint64>(m_table[entry + 1], m_info.count);
    const quint64 begin = std::min<quint64>(m_table[entry], end);
    if (begin == end)
        return false;
    // Without a branch on the data, look-ups of consecutive names overlap their waits for memory.
    const quint64 *base = m_hashes + begin;
    for (quint64 length = end - begin; length > 1;) {
        const quint64 half = length / 2;
        base = base[half] <= hash ? base + half : base;
        length -= half;
    }
    return *base == hash;
}

ZoneIndexWriter::ZoneIndexWriter(const QString &path) : m_file(path) {}

bool ZoneIndexWriter::fail(const QString &what)
{
    m_error = what + QStringLiteral(": ") + m_file.errorString();
    m_file.cancelWriting();
    return false;
}

bool ZoneIndexWriter::open(quint64 mostNames)
{
    if (mostNames >= 0xffffffffU) {
        m_error = tr("the zone has more names than an index can hold");
        return false;
    }
    if (!m_file.open(QIODevice::WriteOnly))
        return fail(tr("the index could not be created"));
    // About ten hashes to a table entry: a look-up reads one entry and a cache line or two of hashes,
    // and the table adds under half a byte a name.
    m_tableBits = mostNames >= 20 ? std::bit_width(mostNames / 10) - 1 : 0;
    m_table.assign(size_t(tableEntries(m_tableBits)), 0);
    const Header placeholder{};
    if (m_file.write(reinterpret_cast<const char *>(&placeholder), sizeof placeholder) != headerBytes)
        return fail(tr("the index could not be written"));
    return true;
}

bool ZoneIndexWriter::write(const std::vector<quint64> &hashes)
{
    if (hashes.empty())
        return true;
    for (const quint64 hash : hashes) {
        const size_t entry = m_tableBits == 0 ? 0 : size_t(hash >> (64 - m_tableBits));
        while (m_nextEntry <= entry)
            m_table[m_nextEntry++] = quint32(m_written);
        ++m_written;
    }
    const auto bytes = qint64(hashes.size()) * qint64(sizeof(quint64));
    if (m_file.write(reinterpret_cast<const char *>(hashes.data()), bytes) != bytes)
        return fail(tr("the index could not be written"));
    return true;
}

bool ZoneIndexWriter::commit(const ZoneInfo &info)
{
    while (m_nextEntry < m_table.size())
        m_table[m_nextEntry++] = quint32(m_written);
    const auto tableSize = qint64(m_table.size()) * qint64(sizeof(quint32));
    if (m_file.write(reinterpret_cast<const char *>(m_table.data()), tableSize) != tableSize)
        return fail(tr("the index could not be written"));
    Header header{};
    std::memcpy(header.magic, magic, sizeof magic);
    header.version = formatVersion;
    header.headerBytes = headerBytes;
    header.count = m_written;
    header.serial = info.serial;
    header.tableBits = quint32(m_tableBits);
    header.sourceDateMs = info.sourceDate.toMSecsSinceEpoch();
    header.importedMs = info.importedAt.toMSecsSinceEpoch();
    header.hashKind = hashKind;
    const QByteArray tld = info.tld.toLatin1();
    std::memcpy(header.tld, tld.constData(), size_t(std::min<qsizetype>(tld.size(), tldBytes - 1)));
    header.checksum = headerChecksum(header);
    if (!m_file.seek(0) || m_file.write(reinterpret_cast<const char *>(&header), sizeof header) != headerBytes)
        return fail(tr("the index could not be written"));
    if (!m_file.commit()) {
        m_error = tr("the index could not be put in place: ") + m_file.errorString();
        return false;
    }
    return true;
}

} // namespace zones
