#include "zones/MasterFileReader.h"

#include <charconv>
#include <cstring>

namespace zones {

namespace {

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

bool endsToken(char c)
{
    return isBlank(c) || c == ';' || c == '(' || c == ')' || c == '"';
}

// "3600", "1h30m", "2d": a TTL, which may stand before or after the class.
bool isTtl(std::string_view token)
{
    if (token.empty() || token.front() < '0' || token.front() > '9')
        return false;
    for (const char c : token) {
        if ((c < '0' || c > '9') && !std::strchr("smhdw", c))
            return false;
    }
    return true;
}

bool isClass(std::string_view token)
{
    if (token == "in" || token == "ch" || token == "hs" || token == "cs" || token == "any")
        return true;
    return token.size() > 5 && token.substr(0, 5) == "class" &&
           token.find_first_not_of("0123456789", 5) == std::string_view::npos;
}

// Whether the final character of @p token is a dot that no backslash escapes.
bool endsWithBareDot(std::string_view token)
{
    if (token.empty() || token.back() != '.')
        return false;
    size_t backslashes = 0;
    for (size_t i = token.size() - 1; i > 0 && token[i - 1] == '\\'; --i)
        ++backslashes;
    return backslashes % 2 == 0;
}

QString shown(std::string_view name)
{
    return name.empty() ? QCoreApplication::translate("MasterFileReader", ". (the root)")
                        : QLatin1Char('.') + QString::fromLatin1(name);
}

} // namespace

bool isHostName(std::string_view name)
{
    if (name.empty() || name.size() > 253)
        return false;
    size_t labelLength = 0;
    for (size_t i = 0; i <= name.size(); ++i) {
        const char c = i < name.size() ? name[i] : '.';
        if (c == '.') {
            if (labelLength == 0 || labelLength > 63 || name[i - 1] == '-' || name[i - labelLength] == '-')
                return false;
            labelLength = 0;
            continue;
        }
        const bool ldh = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
        if (!ldh)
            return false;
        ++labelLength;
    }
    return true;
}

MasterFileReader::MasterFileReader(DelegationSink &sink, const std::string &expectedApex)
    : m_sink(sink), m_expected(expectedApex), m_origin(expectedApex), m_haveOrigin(!expectedApex.empty())
{}

void MasterFileReader::fail(const QString &error)
{
    if (m_error.isEmpty())
        m_error = error;
}

bool MasterFileReader::feed(std::string_view text)
{
    size_t start = 0;
    while (!failed() && start < text.size()) {
        const void *found = std::memchr(text.data() + start, '\n', text.size() - start);
        const size_t end = found ? size_t(static_cast<const char *>(found) - text.data()) : text.size();
        if (found && m_carry.empty()) {
            takeLine(text.substr(start, end - start));
        } else {
            m_carry.append(text.substr(start, end - start));
            if (m_carry.size() > maxRecordBytes) {
                fail(tr("line %1 is longer than 1 MiB: this is not zone text").arg(m_line + 1));
                break;
            }
            if (found) {
                takeLine(m_carry);
                m_carry.clear();
            }
        }
        start = end + 1;
    }
    return !failed();
}

bool MasterFileReader::finish()
{
    if (!m_carry.empty() && !failed()) {
        takeLine(m_carry);
        m_carry.clear();
    }
    if (m_depth > 0)
        fail(tr("the file ends inside the record that begins on line %1: a parenthesis is not closed")
                 .arg(m_recordLine));
    if (!m_haveApex)
        fail(tr("this is not a zone file: it holds no SOA record"));
    return !failed();
}

void MasterFileReader::takeLine(std::string_view line)
{
    ++m_line;
    tokenize(line);
    if (m_depth == 0 && !failed())
        endRecord();
}

void MasterFileReader::tokenize(std::string_view line)
{
    const size_t n = line.size();
    if (m_tokens.empty() && m_depth == 0) {
        m_blankOwner = n > 0 && (line[0] == ' ' || line[0] == '\t');
        m_recordLine = m_line;
    }
    size_t i = 0;
    while (i < n) {
        const char c = line[i];
        if (isBlank(c)) {
            ++i;
            continue;
        }
        if (c == ';')
            break;
        if (c == '(' || c == ')') {
            if (c == '(')
                ++m_depth;
            else if (m_depth > 0)
                --m_depth;
            else
                m_brokenRecord = true;
            ++i;
            continue;
        }
        const bool quoted = c == '"';
        const size_t begin = quoted ? ++i : i;
        while (i < n && (quoted ? line[i] != '"' : !endsToken(line[i])))
            i += line[i] == '\\' && i + 1 < n ? 2 : 1;
        const size_t end = i;
        if (quoted && i < n)
            ++i;
        m_tokens.emplace_back(m_text.size(), end - begin);
        for (size_t k = begin; k < end; ++k)
            m_text.push_back(lower(line[k]));
    }
    if (m_text.size() > maxRecordBytes)
        fail(tr("the record that begins on line %1 is longer than 1 MiB: this is not zone text").arg(m_recordLine));
}

std::string_view MasterFileReader::token(size_t index) const
{
    const Token &t = m_tokens[index];
    return std::string_view(m_text).substr(t.first, t.second);
}

void MasterFileReader::endRecord()
{
    if (!m_tokens.empty()) {
        if (m_brokenRecord)
            ++m_skipped;
        else if (!m_blankOwner && token(0).front() == '$')
            takeDirective();
        else
            takeRecord();
    }
    m_text.clear();
    m_tokens.clear();
    m_brokenRecord = false;
}

void MasterFileReader::takeDirective()
{
    const std::string_view name = token(0);
    if (name == "$origin") {
        std::string origin;
        if (m_tokens.size() < 2 || !resolveName(token(1), origin)) {
            ++m_skipped;
            return;
        }
        m_origin = origin;
        m_haveOrigin = true;
    } else if (name == "$include") {
        fail(tr("line %1: $INCLUDE is not supported; import the zone as one file").arg(m_line));
    } else if (name != "$ttl") {
        ++m_skipped;
    }
}

bool MasterFileReader::resolveName(std::string_view token, std::string &name) const
{
    if (token == "@") {
        name = m_origin;
        return m_haveOrigin;
    }
    if (token.empty())
        return false;
    if (endsWithBareDot(token)) {
        name.assign(token.substr(0, token.size() - 1));
        return true;
    }
    if (!m_haveOrigin)
        return false;
    name.assign(token);
    if (!m_origin.empty()) {
        name.push_back('.');
        name.append(m_origin);
    }
    return true;
}

void MasterFileReader::takeRecord()
{
    size_t k = 0;
    bool ownerKnown = m_haveOwner;
    if (!m_blankOwner) {
        ownerKnown = m_haveOwner = resolveName(token(0), m_owner);
        k = 1;
    }
    for (int fields = 0; fields < 2 && k < m_tokens.size() && (isTtl(token(k)) || isClass(token(k))); ++fields)
        ++k;
    const std::string_view type = k < m_tokens.size() ? token(k) : std::string_view();
    if (!m_haveApex) {
        if (type != "soa")
            fail(tr("this is not a zone file: its first record (line %1) is not the zone's SOA record")
                     .arg(m_recordLine));
        else if (!ownerKnown)
            fail(tr("the SOA record on line %1 names the zone relative to an origin the file does not "
                    "give: say which TLD the zone is of")
                     .arg(m_recordLine));
        else
            takeApex(m_owner, k + 1);
        return;
    }
    if (!ownerKnown || type.empty()) {
        ++m_skipped;
        return;
    }
    if (type != "ns")
        return;
    const std::string_view owner = m_owner;
    if (owner.size() <= m_apex.size() + 1 || owner.substr(owner.size() - m_apex.size()) != m_apex ||
        owner[owner.size() - m_apex.size() - 1] != '.')
        return;
    const std::string_view label = owner.substr(0, owner.size() - m_apex.size() - 1);
    // Deeper names, and labels with escapes, are never names anyone registers or asks about.
    if (label.find_first_of(".\\") != std::string_view::npos || label == m_lastLabel)
        return;
    m_lastLabel.assign(label);
    m_sink.delegated(label);
}

void MasterFileReader::takeApex(std::string_view owner, size_t rdata)
{
    if (!m_expected.empty() && owner != m_expected) {
        fail(tr("this is the zone of %1, not of %2").arg(shown(owner), shown(m_expected)));
        return;
    }
    if (owner.empty()) {
        fail(tr("this is the root zone: it delegates TLDs, not names to screen"));
        return;
    }
    if (!isHostName(owner)) {
        fail(tr("the zone's name %1 is not a domain name").arg(shown(owner)));
        return;
    }
    m_apex.assign(owner);
    m_haveApex = true;
    if (!m_haveOrigin) {
        m_origin = m_apex;
        m_haveOrigin = true;
    }
    // The serial is the third field of the SOA data: MNAME RNAME SERIAL REFRESH RETRY EXPIRE MINIMUM.
    if (rdata + 2 < m_tokens.size()) {
        const std::string_view text = token(rdata + 2);
        quint32 serial = 0;
        if (std::from_chars(text.data(), text.data() + text.size(), serial).ec == std::errc())
            m_serial = serial;
    }
}

} // namespace zones
