#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zones {

/// Receives the names a zone delegates, as the reader finds them.
class DelegationSink {
public:
    virtual ~DelegationSink() = default;
    /// A name delegated directly under the zone's apex (an NS record one label below it): its own label,
    /// in lower case, without the apex. A label repeated on consecutive records comes once.
    virtual void delegated(std::string_view label) = 0;
};

/**
 * Reads zone text in the master-file format of RFC 1035: one record a line as zone services deliver it,
 * and the general forms too ($ORIGIN, $TTL, relative names, "@", a blank owner meaning the previous one,
 * comments, records spread over lines in parentheses, quoted strings). Text comes in pieces of any size,
 * so a file is read as it streams in.
 *
 * The first record must be the zone's SOA record: its owner is the zone's apex (and must be the expected
 * one when one is given), its serial is kept. After it, only NS records one label below the apex
 * matter; everything else is passed over. A record the reader cannot make out is skipped and counted;
 * a file that is not a zone, of another zone, with $INCLUDE, or with a line or record too long to be
 * zone text ends the reading with an error.
 */
class MasterFileReader {
    Q_DECLARE_TR_FUNCTIONS(MasterFileReader)

public:
    /// Longest line, and longest record over several lines, the reader accepts.
    static constexpr size_t maxRecordBytes = 1024 * 1024;

    /// @p expectedApex (lower case, without the final dot; empty: whatever the SOA record says) is
    /// also the origin of relative names until a $ORIGIN line.
    explicit MasterFileReader(DelegationSink &sink, const std::string &expectedApex = {});

    /// Reads @p text, the next piece of the file. False once the reading has failed.
    bool feed(std::string_view text);
    /// The file ended. False when it has failed, or ended inside a record or before any SOA record.
    bool finish();

    bool failed() const { return !m_error.isEmpty(); }
    QString error() const { return m_error; }
    /// The zone's apex (lower case, without the final dot) and SOA serial; empty until the SOA record.
    const std::string &apex() const { return m_apex; }
    quint32 serial() const { return m_serial; }
    qint64 skippedRecords() const { return m_skipped; }
    qint64 lines() const { return m_line; }

private:
    using Token = std::pair<size_t, size_t>;

    void takeLine(std::string_view line);
    void tokenize(std::string_view line);
    void endRecord();
    void takeDirective();
    void takeRecord();
    void takeApex(std::string_view owner, size_t rdata);
    bool resolveName(std::string_view token, std::string &name) const;
    std::string_view token(size_t index) const;
    void fail(const QString &error);

    DelegationSink &m_sink;
    std::string m_expected;
    std::string m_carry; ///< a line not yet ended by the piece read so far
    std::string m_text;  ///< the tokens of the record being read, lower case, one after another
    std::vector<Token> m_tokens;
    int m_depth = 0; ///< open parentheses
    bool m_blankOwner = false;
    bool m_brokenRecord = false;
    qint64 m_recordLine = 0;
    std::string m_origin;
    bool m_haveOrigin = false;
    std::string m_owner; ///< the last owner, absolute
    bool m_haveOwner = false;
    std::string m_lastLabel;
    std::string m_apex;
    bool m_haveApex = false;
    quint32 m_serial = 0;
    qint64 m_line = 0;
    qint64 m_skipped = 0;
    QString m_error;
};

/// Whether @p name (without a final dot) is a host name of letters, digits and hyphens, labels of 1 to
/// 63 characters, at most 253 in all: the names an index may be named after.
bool isHostName(std::string_view name);

} // namespace zones
