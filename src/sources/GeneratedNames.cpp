#include "sources/GeneratedNames.h"

#include "platform/TextCodec.h"

namespace sources {

namespace {

constexpr qsizetype separatorLength = 4; // CR LF, then the empty line's CR LF

} // namespace

int GeneratedNames::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant GeneratedNames::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || role != Qt::DisplayRole)
        return {};
    return name(index.row());
}

void GeneratedNames::clear()
{
    beginResetModel();
    m_text.clear();
    m_starts.clear();
    m_rows = 0;
    endResetModel();
}

void GeneratedNames::add(const QByteArray &stem, const QByteArray &ending)
{
    m_starts.push_back(m_text.size());
    m_text += stem;
    m_text += ending;
    m_text += "\r\n\r\n";
}

void GeneratedNames::publish()
{
    if (count() == m_rows)
        return;
    beginInsertRows(QModelIndex(), m_rows, count() - 1);
    m_rows = count();
    endInsertRows();
}

QString GeneratedNames::name(int index) const
{
    if (index < 0 || index >= count())
        return {};
    const qsizetype start = m_starts.at(size_t(index));
    const qsizetype end =
        (size_t(index) + 1 < m_starts.size() ? m_starts.at(size_t(index) + 1) : m_text.size()) - separatorLength;
    return platform::decodeText(m_text.mid(start, end - start));
}

QStringList GeneratedNames::names() const
{
    QStringList all;
    all.reserve(count());
    for (int i = 0; i < count(); ++i)
        all.append(name(i));
    return all;
}

} // namespace sources
