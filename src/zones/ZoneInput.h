#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QString>

#include <memory>
#include <string_view>
#include <vector>

namespace zones {

/**
 * The text of a zone file, read block by block: a gzip file (any name; told by its first bytes) is
 * inflated as it is read, so neither form is ever in memory whole. Concatenated gzip members are read
 * one after the other.
 */
class ZoneInput {
    Q_DECLARE_TR_FUNCTIONS(ZoneInput)

public:
    enum class Read {
        Text,   ///< the next block of text
        End,    ///< the whole file was read
        Failed, ///< see error(): unreadable, a gzip file cut short or damaged
    };

    ZoneInput();
    ~ZoneInput();
    ZoneInput(const ZoneInput &) = delete;
    ZoneInput &operator=(const ZoneInput &) = delete;

    bool open(const QString &path);
    /// The next block; @p text stays valid until the next call.
    Read read(std::string_view &text);

    /// Bytes of the file taken so far and the file's size, for progress.
    qint64 consumed() const { return m_consumed; }
    qint64 size() const { return m_size; }
    QString error() const { return m_error; }

private:
    Read readGzip(std::string_view &text);
    bool refill();
    Read fail(const QString &error);

    struct Inflater;
    QFile m_file;
    std::unique_ptr<Inflater> m_inflater;
    std::vector<char> m_in;
    std::vector<char> m_out;
    bool m_gzip = false;
    bool m_fileEnded = false;
    bool m_memberEnded = false;
    qint64 m_consumed = 0;
    qint64 m_size = 0;
    QString m_error;
};

} // namespace zones
