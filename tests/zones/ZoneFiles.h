#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <zlib.h>

namespace testing {

/// @p text as one gzip member.
inline QByteArray gzip(const QByteArray &text)
{
    z_stream stream{};
    deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 16 + 15, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&stream, uLong(text.size()))) + 32, '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(text.constData()));
    stream.avail_in = uInt(text.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

/// A zone of @p tld as the zone data service delivers it: SOA, the TLD's own NS, two NS records for each
/// of @p names, a DS record and glue here and there.
inline QByteArray czdsZone(const QString &tld, const QStringList &names, quint32 serial = 1700000000)
{
    const QByteArray apex = tld.toLatin1() + '.';
    QByteArray text = apex + "\t86400\tin\tsoa\ta.nic." + apex + " hostmaster.nic." + apex + ' ' +
                      QByteArray::number(serial) + " 1800 900 604800 86400\n" + apex + "\t172800\tin\tns\ta.nic." +
                      apex + '\n';
    for (const QString &name : names) {
        const QByteArray owner = name.toLatin1() + '.' + apex;
        text += owner + "\t172800\tin\tns\tns1.host.net.\n" + owner + "\t172800\tin\tns\tns2.host.net.\n";
        if (name.size() % 3 == 0)
            text += owner + "\t86400\tin\tds\t12345 8 2 49FD46E6C4B45C55D4AC\n";
    }
    text += "a.nic." + apex + "\t172800\tin\ta\t192.0.2.1\n";
    return text;
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace testing
