#include "zones/ZoneInput.h"

#include <zlib.h>

#include <cstring>

namespace zones {

namespace {

constexpr size_t inputBlock = 256 * 1024;
constexpr size_t textBlock = 1024 * 1024;

bool startsAGzipMember(const char *data, size_t size)
{
    return size >= 2 && quint8(data[0]) == 0x1f && quint8(data[1]) == 0x8b;
}

} // namespace

struct ZoneInput::Inflater {
    z_stream stream{};
    bool ready = false;
    ~Inflater()
    {
        if (ready)
            inflateEnd(&stream);
    }
};

ZoneInput::ZoneInput() = default;
ZoneInput::~ZoneInput() = default;

bool ZoneInput::open(const QString &path)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_error = m_file.errorString();
        return false;
    }
    m_size = m_file.size();
    m_in.resize(inputBlock);
    const qint64 got = m_file.peek(m_in.data(), 2);
    m_gzip = got == 2 && startsAGzipMember(m_in.data(), 2);
    m_out.resize(m_gzip ? textBlock : 0);
    if (m_gzip) {
        m_inflater = std::make_unique<Inflater>();
        // 16 + 15: a gzip wrapper around the largest window.
        if (inflateInit2(&m_inflater->stream, 16 + 15) != Z_OK) {
            m_error = tr("zlib could not start");
            return false;
        }
        m_inflater->ready = true;
    }
    return true;
}

ZoneInput::Read ZoneInput::fail(const QString &error)
{
    m_error = error;
    return Read::Failed;
}

bool ZoneInput::refill()
{
    // Bytes not yet inflated move to the front, so that a gzip header split by a block is read whole.
    z_stream &z = m_inflater->stream;
    const size_t left = z.avail_in;
    if (left > 0)
        std::memmove(m_in.data(), z.next_in, left);
    const qint64 got = m_file.read(m_in.data() + left, qint64(m_in.size() - left));
    if (got < 0)
        return false;
    m_consumed += got;
    m_fileEnded = got == 0;
    z.next_in = reinterpret_cast<Bytef *>(m_in.data());
    z.avail_in = uInt(left + size_t(got));
    return true;
}

ZoneInput::Read ZoneInput::read(std::string_view &text)
{
    if (m_gzip)
        return readGzip(text);
    const qint64 got = m_file.read(m_in.data(), qint64(m_in.size()));
    if (got < 0)
        return fail(m_file.errorString());
    m_consumed += got;
    text = std::string_view(m_in.data(), size_t(got));
    return got == 0 ? Read::End : Read::Text;
}

ZoneInput::Read ZoneInput::readGzip(std::string_view &text)
{
    z_stream &z = m_inflater->stream;
    z.next_out = reinterpret_cast<Bytef *>(m_out.data());
    z.avail_out = uInt(m_out.size());
    while (z.avail_out > 0) {
        if (z.avail_in < (m_memberEnded ? 2U : 1U) && !m_fileEnded && !refill())
            return fail(m_file.errorString());
        if (m_memberEnded) {
            // Another member may follow; anything else after the last member is not zone text.
            if (!startsAGzipMember(reinterpret_cast<const char *>(z.next_in), z.avail_in))
                break;
            inflateReset(&z);
            m_memberEnded = false;
        }
        if (z.avail_in == 0) {
            if (z.avail_out == m_out.size())
                return fail(tr("the gzip file is cut short: it ends before its compressed data does"));
            break;
        }
        const int status = inflate(&z, Z_NO_FLUSH);
        if (status == Z_STREAM_END)
            m_memberEnded = true;
        else if (status != Z_OK)
            return fail(tr("the gzip data is damaged (%1)").arg(QString::fromLatin1(z.msg ? z.msg : "no progress")));
    }
    const size_t produced = m_out.size() - z.avail_out;
    text = std::string_view(m_out.data(), produced);
    return produced > 0 ? Read::Text : Read::End;
}

} // namespace zones
