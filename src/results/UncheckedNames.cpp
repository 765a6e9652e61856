#include "results/UncheckedNames.h"

#include "platform/AtomicFile.h"
#include "platform/TextCodec.h"

namespace results {

UncheckedNames::UncheckedNames(QString path) : m_path(std::move(path)) {}

void UncheckedNames::load()
{
    if (m_loaded || !m_keepsFile)
        return;
    m_loaded = true;
    const QByteArray bytes = platform::readWholeFile(m_path);
    m_needsLineEnd = !bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r');
    for (const QString &line : platform::splitAnyLines(platform::decodeText(bytes))) {
        if (!line.trimmed().isEmpty())
            m_names.insert(key(line.trimmed()));
    }
}

bool UncheckedNames::add(const QString &domain, const QString &note)
{
    if (!m_keepsFile) {
        ++m_countOnly;
        return true;
    }
    load();
    const QString name = key(domain);
    // A name asked again and still without a verdict stays where it is.
    if (m_resolved.remove(name) || m_names.contains(name))
        return true;
    const QString text = note.isEmpty() ? domain : domain + QLatin1Char('\t') + note;
    QString line = text + platform::crlf;
    if (m_needsLineEnd)
        line.prepend(platform::crlf);
    m_names.insert(name);
    if (!platform::appendToFile(m_path, platform::encodeText(line))) {
        // Counted all the same, and written with the next compact() that can.
        m_unsaved.append(text);
        return false;
    }
    m_needsLineEnd = false;
    return true;
}

void UncheckedNames::resolve(const QString &domain)
{
    if (!m_keepsFile)
        return;
    load();
    if (const QString name = key(domain); m_names.contains(name))
        m_resolved.insert(name);
}

bool UncheckedNames::compact()
{
    if (!m_keepsFile || (m_resolved.isEmpty() && m_unsaved.isEmpty()))
        return true;
    bool read = false;
    const QByteArray bytes = platform::readWholeFile(m_path, &read);
    if (!read)
        return false;
    QString kept;
    QSet<QString> names;
    for (const QString &line : platform::splitAnyLines(platform::decodeText(bytes))) {
        const QString name = key(line.trimmed());
        if (name.isEmpty() || m_resolved.contains(name))
            continue;
        kept += line.trimmed() + platform::crlf;
        names.insert(name);
    }
    for (const QString &domain : std::as_const(m_unsaved)) {
        const QString name = key(domain);
        if (!m_resolved.contains(name) && !names.contains(name)) {
            kept += domain + platform::crlf;
            names.insert(name);
        }
    }
    if (!platform::writeFileAtomically(m_path, platform::encodeText(kept)))
        return false;
    m_names = names;
    m_unsaved.clear();
    m_resolved.clear();
    m_needsLineEnd = false;
    return true;
}

int UncheckedNames::count()
{
    if (!m_keepsFile)
        return m_countOnly;
    load();
    return int(m_names.size() - m_resolved.size());
}

} // namespace results
