#include "tld/TldFile.h"

#include "platform/AtomicFile.h"
#include "platform/TextCodec.h"
#include "tld/DefaultTlds.h"

#include <QFileInfo>

namespace tld {

TldFile::TldFile(QString path) : m_path(std::move(path)) {}

bool TldFile::exists() const
{
    return QFileInfo(m_path).isFile();
}

QStringList TldFile::lines() const
{
    bool ok = false;
    const QByteArray bytes = platform::readWholeFile(m_path, &ok);
    if (!ok)
        return {};
    return platform::splitAnyLines(platform::decodeText(bytes));
}

bool TldFile::readLines(QStringList &lines) const
{
    lines.clear();
    if (!QFileInfo::exists(m_path))
        return true;
    bool ok = false;
    const QByteArray bytes = platform::readWholeFile(m_path, &ok);
    if (ok)
        lines = platform::splitAnyLines(platform::decodeText(bytes));
    return ok;
}

bool TldFile::saveLines(const QStringList &lines) const
{
    QString text;
    for (const QString &line : lines)
        text += line + platform::crlf;
    return replaceWith(text);
}

bool TldFile::replaceWith(const QString &text) const
{
    return platform::writeFileAtomically(m_path, platform::encodeText(text));
}

bool TldFile::writeDefaultTlds(bool replaceExisting) const
{
    // Replacing goes through the atomic write, never through a delete: the table is never missing.
    if (!replaceExisting && QFileInfo::exists(m_path))
        return true;
    QString text;
    for (const QString &row : defaultTldRows())
        text += row + platform::crlf;
    return replaceWith(text);
}

TldTable parseTable(const QString &text)
{
    TldTable table;
    for (const QString &line : platform::splitAnyLines(text)) {
        if (isBlankRow(line))
            continue;
        TldRecord record;
        if (parseRow(line, record))
            table.append(record);
    }
    return table;
}

bool TldFile::loadTldTable(TldTable &table) const
{
    bool ok = false;
    const QByteArray bytes = platform::readWholeFile(m_path, &ok);
    if (!ok)
        return false;
    TldTable loaded = parseTable(platform::decodeText(bytes));
    if (loaded.isEmpty())
        return false;
    table = std::move(loaded);
    return true;
}

QList<QStringList> TldFile::listTldsInView() const
{
    QList<QStringList> rows;
    for (const QString &line : lines()) {
        if (isBlankRow(line))
            continue;
        QStringList fields = rowFields(line);
        if (!fields.isEmpty())
            rows.append(fields.mid(0, 6));
    }
    return rows;
}

QList<ListedRow> listRows(const QStringList &lines)
{
    QList<ListedRow> rows;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (isBlankRow(line))
            continue;
        QStringList fields = line.split(QLatin1Char('|')).mid(0, 6);
        while (fields.size() < 6)
            fields.append(QString());
        rows.append({line, fields, rowProblem(line), i});
    }
    return rows;
}

QStringList replaceRows(const QStringList &lines, const QString &extension, const QString &row)
{
    QStringList rebuilt;
    bool found = false;
    for (const QString &line : lines) {
        if (isBlankRow(line))
            continue;
        if (line.section(QLatin1Char('|'), 0, 0) == extension) {
            rebuilt.append(row);
            found = true;
        } else {
            rebuilt.append(line);
        }
    }
    if (!found)
        rebuilt.append(row);
    return rebuilt;
}

bool TldFile::saveTldRow(const QString &extension, const QString &server, const QString &port, const QString &throttle,
                         const QString &successPhrases, bool enabled) const
{
    const QString ext = extension.toLower();
    QStringList current;
    if (!readLines(current))
        return false;
    const QString row = rowText(ext, server, port, enabled ? enabledStatus : disabledStatus, throttle, successPhrases);
    return saveLines(replaceRows(current, ext, row));
}

QStringList TldFile::chooserItems() const
{
    QStringList items;
    if (!exists())
        return items;
    for (const QString &line : lines()) {
        if (!line.contains(QLatin1Char('|')))
            continue;
        const QStringList fields = line.split(QLatin1Char('|'));
        if (fields.size() < 4 || fields.at(3) != enabledStatus)
            continue;
        const QString ext = fields.at(0).trimmed();
        if (ext.isEmpty() || fields.at(0) == proxyExtension)
            continue;
        items.append(ext);
    }
    return items;
}

QStringList TldFile::generatorItems() const
{
    QStringList items;
    for (const QString &line : lines()) {
        if (!line.contains(QLatin1Char('|')))
            continue;
        const QStringList fields = line.split(QLatin1Char('|'));
        if (fields.size() < 4 || fields.at(3) != enabledStatus || fields.at(0) == proxyExtension)
            continue;
        items.append(QLatin1Char('.') + fields.at(0));
    }
    return items;
}

QStringList enabledExtensions(const TldTable &table)
{
    QStringList extensions;
    for (const TldRecord &row : table) {
        if (row.enabled && row.extension != proxyExtension)
            extensions.append(row.extension);
    }
    return extensions;
}

} // namespace tld
