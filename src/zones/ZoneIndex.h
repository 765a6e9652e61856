#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QSaveFile>
#include <QString>

#include <memory>
#include <string_view>
#include <vector>

namespace zones {

/// What an index says about itself.
struct ZoneInfo {
    QString tld;          ///< the zone's apex, lower case, without dots around it: "com"
    quint32 serial = 0;   ///< the SOA serial of the zone file it was made from
    QDateTime sourceDate; ///< the date of the zone file it was made from (UTC)
    QDateTime importedAt; ///< when it was made (UTC)
    quint64 count = 0;    ///< distinct names delegated in the zone
};

/// The hash an index keeps of a name: its label below the TLD, lower case ASCII ("example" of
/// "example.com"; an internationalised name in its xn-- form).
quint64 labelHash(std::string_view label);

/// The index of @p tld in the zones folder @p folder.
QString indexPath(const QString &folder, const QString &tld);

/**
 * The names one zone delegates, as an index file: a header (format, TLD, SOA serial, the source file's
 * date, count), the names' hashes in ascending order, and a table of where each range of hashes starts.
 * Opened by mapping the file into memory, so opening takes no time whatever the zone's size, and a
 * look-up reads a few cache lines. Holds only hashes: a name outside the zone whose hash equals a
 * delegated name's (about one in 10^11 for the largest zones) reads as delegated.
 */
class ZoneIndex {
    Q_DECLARE_TR_FUNCTIONS(ZoneIndex)

public:
    ~ZoneIndex();
    ZoneIndex(const ZoneIndex &) = delete;
    ZoneIndex &operator=(const ZoneIndex &) = delete;

    /// Opens the index at @p path; when @p tld is given the index must be of that zone. A file that is not
    /// an index, of another format version, damaged or cut short is refused with a reason in @p error.
    static std::unique_ptr<ZoneIndex> open(const QString &path, const QString &tld, QString *error);

    /// Whether the file at @p path begins as an index does (whatever its state beyond that).
    static bool isIndexFile(const QString &path);

    const ZoneInfo &info() const { return m_info; }
    bool containsLabel(std::string_view label) const { return containsHash(labelHash(label)); }
    bool containsHash(quint64 hash) const;

private:
    ZoneIndex() = default;
    QString load(const QString &tld);

    QFile m_file;
    ZoneInfo m_info;
    const quint64 *m_hashes = nullptr;
    const quint32 *m_table = nullptr;
    int m_tableBits = 0;
};

/**
 * Writes an index: hashes in ascending order, part after part, then the table and the header. The file is
 * written beside the old one and renamed over it only when complete, so a failure at any point (a full
 * disk, a cancelled import) leaves the old index as it was.
 */
class ZoneIndexWriter {
    Q_DECLARE_TR_FUNCTIONS(ZoneIndexWriter)

public:
    explicit ZoneIndexWriter(const QString &path);

    /// Starts the file, for at most @p mostNames names.
    bool open(quint64 mostNames);
    /// Appends @p hashes: ascending, distinct, each above every hash written before.
    bool write(const std::vector<quint64> &hashes);
    /// Completes the file with @p info (its count is the number of hashes written) and puts it in place.
    bool commit(const ZoneInfo &info);
    /// Drops the new file; the old index stays.
    void cancel() { m_file.cancelWriting(); }

    quint64 written() const { return m_written; }
    QString error() const { return m_error; }

private:
    bool fail(const QString &what);

    QSaveFile m_file;
    std::vector<quint32> m_table;
    int m_tableBits = 0;
    quint32 m_nextEntry = 0;
    quint64 m_written = 0;
    QString m_error;
};

} // namespace zones
