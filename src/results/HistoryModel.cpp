#include "results/HistoryModel.h"

#include "platform/TextCodec.h"
#include "results/CsvText.h"
#include "results/HistoryNative.h"
#include "results/HistoryStore.h"
#include "results/OutcomeWords.h"

#include <QIODevice>
#include <QSqlQuery>

namespace results {

using Kind = lookup::QueryOutcome::Kind;

namespace {

QString idList(const std::vector<qint64> &ids, std::size_t first, std::size_t last)
{
    QString text = QStringLiteral("(");
    for (std::size_t i = first; i < last; ++i) {
        if (i > first)
            text += QLatin1Char(',');
        text += QString::number(ids.at(i));
    }
    return text + QLatin1Char(')');
}

} // namespace

HistoryModel::HistoryModel(HistoryStore &store, QObject *parent) : QAbstractTableModel(parent), m_store(store)
{
    reload();
}

int HistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_ids.size());
}

int HistoryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : historyColumnCount;
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= historyColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    const char *const titles[historyColumnCount] = {
        QT_TR_NOOP("Domain"), QT_TR_NOOP("Last outcome"), QT_TR_NOOP("Class"), QT_TR_NOOP("Last checked"),
        QT_TR_NOOP("Checks"), QT_TR_NOOP("Came from"),    QT_TR_NOOP("Entry"), QT_TR_NOOP("Asked"),
        QT_TR_NOOP("Server"), QT_TR_NOOP("Answer")};
    return tr(titles[section]);
}

QVariant HistoryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const Row *row = rowAt(index.row());
    return row ? QVariant(text(*row, index.column())) : QVariant();
}

QString HistoryModel::text(const Row &row, int column) const
{
    switch (HistoryColumn(column)) {
    case HistoryColumn::Domain:
        return row.name.isEmpty() ? row.domain : row.name;
    case HistoryColumn::Outcome:
        return outcomeWord(Kind(row.outcome));
    case HistoryColumn::Class:
        return listClassWord(row.listNumber);
    case HistoryColumn::LastChecked:
        return row.time.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    case HistoryColumn::Checks:
        return QString::number(row.checks);
    case HistoryColumn::CameFrom: {
        const char *const runners[] = {"", QT_TR_NOOP("main window"), QT_TR_NOOP("browse window"),
                                       QT_TR_NOOP("quarrytide-check")};
        const QString runner = row.runner >= 1 && row.runner <= 3 ? tr(runners[row.runner]) : QString();
        return row.runSource.isEmpty() ? runner : runner + QStringLiteral(": ") + row.runSource;
    }
    case HistoryColumn::Entry:
        return row.entry;
    case HistoryColumn::Source:
        return sourceWord(lookup::QueryOutcome::Source(row.source));
    case HistoryColumn::Server:
        return row.server;
    case HistoryColumn::Answer:
        return row.httpStatus > 0 && row.phrase.isEmpty() ? QStringLiteral("HTTP ") + QString::number(row.httpStatus)
                                                          : row.phrase;
    }
    return {};
}

void HistoryModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= historyColumnCount)
        return;
    m_sortColumn = HistoryColumn(column);
    m_descending = order == Qt::DescendingOrder;
    reload();
}

void HistoryModel::setFilter(const HistoryFilter &filter)
{
    m_filter = filter;
    reload();
}

void HistoryModel::reload()
{
    beginResetModel();
    m_ids.clear();
    m_pages.clear();
    m_pageOrder.clear();
    if (m_store.isOpen()) {
        const HistoryQuery query(m_filter, m_sortColumn, m_descending);
        if (!history::collectIds(m_store.database(), query.idsInOrder(), query.values(), m_ids))
            m_ids.clear();
    }
    endResetModel();
}

const HistoryModel::Row *HistoryModel::rowAt(int row) const
{
    if (row < 0 || std::size_t(row) >= m_ids.size())
        return nullptr;
    const int page = row / pageRows;
    auto found = m_pages.find(page);
    if (found == m_pages.end()) {
        if (m_pageOrder.size() >= std::size_t(keptPages)) {
            m_pages.remove(m_pageOrder.front());
            m_pageOrder.pop_front();
        }
        found = m_pages.insert(page, readPage(page));
        m_pageOrder.push_back(page);
    }
    const std::size_t offset = std::size_t(row % pageRows);
    return offset < found->size() ? &found->at(offset) : nullptr;
}

std::vector<HistoryModel::Row> HistoryModel::readPage(int page) const
{
    const std::size_t first = std::size_t(page) * pageRows;
    const std::size_t last = std::min(m_ids.size(), first + pageRows);
    QSqlQuery query(m_store.database());
    query.setForwardOnly(true);
    // The ids are numbers from the database itself: written into the text, they need no binding.
    if (first >= last || !query.exec(HistoryQuery::pageOfRows() + idList(m_ids, first, last)))
        return {};
    QHash<qint64, Row> byId;
    while (query.next()) {
        Row row;
        row.domain = query.value(1).toString();
        row.outcome = query.value(2).toInt();
        row.time = QDateTime::fromSecsSinceEpoch(query.value(3).toLongLong());
        row.checks = query.value(4).toLongLong();
        row.name = query.value(5).toString();
        row.entry = query.value(6).toString();
        row.listNumber = query.value(7).toInt();
        row.source = query.value(8).toInt();
        row.server = query.value(9).toString();
        row.httpStatus = query.value(10).toInt();
        row.phrase = query.value(11).toString();
        row.runner = query.value(12).toInt();
        row.runSource = query.value(13).toString();
        byId.emplace(query.value(0).toLongLong(), std::move(row));
    }
    std::vector<Row> rows;
    rows.reserve(last - first);
    for (std::size_t i = first; i < last; ++i)
        rows.push_back(byId.value(m_ids.at(i)));
    return rows;
}

QString HistoryModel::name(int row) const
{
    const Row *found = rowAt(row);
    return found ? text(*found, int(HistoryColumn::Domain)) : QString();
}

QStringList HistoryModel::namesCheckedBefore(const QDateTime &before) const
{
    QStringList names;
    if (!m_store.isOpen())
        return names;
    const HistoryQuery query(m_filter, m_sortColumn, m_descending);
    QSqlQuery select(m_store.database());
    select.setForwardOnly(true);
    select.prepare(query.namesCheckedBefore());
    for (const QVariant &value : query.values())
        select.addBindValue(value);
    select.addBindValue(before.toSecsSinceEpoch());
    if (select.exec()) {
        while (select.next())
            names.append(select.value(0).toString());
    }
    return names;
}

bool HistoryModel::exportCsv(QIODevice &out) const
{
    const QStringList header = {QStringLiteral("name"),    QStringLiteral("domain"),   QStringLiteral("entry"),
                                QStringLiteral("outcome"), QStringLiteral("class"),    QStringLiteral("source"),
                                QStringLiteral("server"),  QStringLiteral("answer"),   QStringLiteral("last checked"),
                                QStringLiteral("checks"),  QStringLiteral("came from")};
    if (out.write(platform::encodeText(csvLine(header))) < 0)
        return false;
    const int pages = int((m_ids.size() + pageRows - 1) / pageRows);
    for (int page = 0; page < pages; ++page) {
        QString text;
        for (const Row &row : readPage(page)) {
            const QDateTime time = row.time.toOffsetFromUtc(row.time.offsetFromUtc());
            text += csvLine({this->text(row, int(HistoryColumn::Domain)), row.domain, row.entry,
                             outcomeWord(Kind(row.outcome)), listClassWord(row.listNumber),
                             sourceWord(lookup::QueryOutcome::Source(row.source)), row.server,
                             this->text(row, int(HistoryColumn::Answer)), time.toString(Qt::ISODate),
                             QString::number(row.checks), this->text(row, int(HistoryColumn::CameFrom))});
        }
        if (out.write(platform::encodeText(text)) < 0)
            return false;
    }
    return true;
}

} // namespace results
