#include "cli/NameStream.h"

#include "platform/TextCodec.h"
#include "sources/ListFile.h"
#include "tld/DomainRule.h"

#include <QFileInfo>

namespace cli {

NameStream::NameStream(QStringList inputs) : m_inputs(std::move(inputs))
{
    if (m_inputs.isEmpty())
        m_inputs.append(QStringLiteral("-"));
}

QString NameStream::inputName(qsizetype index) const
{
    const QString &path = m_inputs.at(index);
    return path == QLatin1String("-") ? QStringLiteral("standard input") : path;
}

bool NameStream::checkInputs()
{
    for (qsizetype i = 0; i < m_inputs.size(); ++i) {
        if (m_inputs.at(i) == QLatin1String("-"))
            continue;
        InputFile probe;
        if (!probe.open(m_inputs.at(i))) {
            m_error = QStringLiteral("cannot read ") + inputName(i) + QStringLiteral(": ") + probe.errorText();
            return false;
        }
    }
    return true;
}

bool NameStream::openNextInput()
{
    m_buffer.clear();
    m_start = 0;
    m_dropping = false;
    m_file.close();
    if (++m_current >= m_inputs.size())
        return false;
    if (m_file.open(m_inputs.at(m_current)))
        return true;
    m_state = State::Failed;
    m_error = QStringLiteral("cannot read ") + inputName(m_current) + QStringLiteral(": ") + m_file.errorText();
    return false;
}

bool NameStream::nextEntry(QByteArray &entry)
{
    if (m_current < 0 && !openNextInput())
        return false;
    for (;;) {
        const char *data = m_buffer.constData();
        const qsizetype size = m_buffer.size();
        qsizetype end = m_start;
        while (end < size && data[end] != '\r' && data[end] != '\n')
            ++end;
        if (end < size) {
            const qsizetype begin = m_start;
            m_start = end + 1;
            if (std::exchange(m_dropping, false) || tld::isBlankOrComment(QByteArrayView(data + begin, end - begin)))
                continue;
            entry = m_buffer.mid(begin, end - begin);
            return true;
        }
        if (m_dropping) {
            m_buffer.clear();
            m_start = 0;
        } else if (size - m_start > maxLineBytes) {
            // A line without end in sight: its head is the entry, the rest is read past.
            entry = m_buffer.mid(m_start, maxLineBytes);
            m_buffer.clear();
            m_start = 0;
            m_dropping = true;
            if (tld::isBlankOrComment(entry))
                continue;
            return true;
        }
        m_buffer.remove(0, m_start);
        m_start = 0;
        switch (m_file.read(m_buffer)) {
        case InputFile::Status::Data:
            break;
        case InputFile::Status::End:
            if (!m_dropping && !tld::isBlankOrComment(m_buffer)) {
                entry = std::exchange(m_buffer, QByteArray());
                return true;
            }
            m_buffer.clear();
            if (!openNextInput())
                return false;
            break;
        case InputFile::Status::Interrupted:
            m_state = State::Interrupted;
            return false;
        case InputFile::Status::Failed:
            m_state = State::Failed;
            m_error = QStringLiteral("cannot read ") + inputName(m_current) + QStringLiteral(": ") + m_file.errorText();
            return false;
        }
    }
}

QString NameStream::ended(State state)
{
    m_state = state;
    m_file.close();
    if (m_endHandler)
        m_endHandler();
    return sources::endMarker;
}

QString NameStream::readEntry(int n)
{
    if (m_state != State::Reading || n < 1)
        return ended(m_state == State::Reading ? State::Ended : m_state);
    if (n <= m_taken) {
        if (n == m_taken)
            return m_last;
        m_error = QStringLiteral("names can only be read in order");
        return ended(State::Failed);
    }
    QByteArray entry;
    while (m_taken < n) {
        if (!nextEntry(entry))
            return ended(m_state == State::Reading ? State::Ended : m_state);
        ++m_taken;
    }
    m_last = platform::decodeText(entry);
    return m_last;
}

bool NameStream::lineWaiting() const
{
    const char *data = m_buffer.constData();
    for (qsizetype i = m_start; i < m_buffer.size(); ++i) {
        if (data[i] == '\r' || data[i] == '\n')
            return true;
    }
    return m_buffer.size() - m_start > maxLineBytes;
}

bool NameStream::entryReady(int n)
{
    if (m_state != State::Reading || n != m_taken + 1 || m_current < 0)
        return true;
    // Whatever has arrived is taken in, without waiting for more.
    while (!lineWaiting() && m_file.readable()) {
        m_buffer.remove(0, m_start);
        m_start = 0;
        if (m_file.read(m_buffer) != InputFile::Status::Data)
            return true; // the end of this input, or a failure: the next read says which
    }
    return lineWaiting();
}

void NameStream::savePositions(int next)
{
    if (m_positionSink)
        m_positionSink(next);
}

void NameStream::saveRecordedAhead(int next, const QStringList &domains)
{
    if (m_aheadSink)
        m_aheadSink(next, domains);
}

qint64 NameStream::countEntries(const QStringList &inputs)
{
    if (inputs.isEmpty())
        return -1;
    qint64 count = 0;
    for (const QString &path : inputs) {
        if (path == QLatin1String("-") || !QFileInfo(path).isFile())
            return -1;
        NameStream stream({path});
        QByteArray entry;
        while (stream.nextEntry(entry))
            ++count;
        if (stream.state() != State::Reading)
            return -1;
    }
    return count;
}

} // namespace cli
