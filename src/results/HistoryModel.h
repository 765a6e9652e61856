#pragma once

#include "results/HistoryQuery.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QHash>

#include <deque>
#include <vector>

class QIODevice;

namespace results {

class HistoryStore;

/**
 * Every domain of the history with its last check, for the History window. A filter or sort asks the
 * database for the ids of the matching domains in order, and no more; the rows themselves are read a
 * page at a time as the view shows them, and only the last few pages are kept. A million domains cost
 * the id list and the pages on screen.
 */
class HistoryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int pageRows = 200;
    static constexpr int keptPages = 40;

    explicit HistoryModel(HistoryStore &store, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    void setFilter(const HistoryFilter &filter);
    const HistoryFilter &filter() const { return m_filter; }
    /// Reads the list again (the history has grown since).
    void reload();

    /// The domain of @p row as the lists show it.
    QString name(int row) const;
    /// The domains the filter shows that were last checked before @p before, in the order of the domains.
    QStringList namesCheckedBefore(const QDateTime &before) const;
    /// Writes every row the filter shows, in the shown order, as CSV with a header line. False when the
    /// device refused a write.
    bool exportCsv(QIODevice &out) const;

private:
    struct Row {
        QString domain;
        QString name; ///< as shown, when it differs from the domain
        int outcome = 0;
        QDateTime time;
        qint64 checks = 0;
        QString entry;
        int listNumber = 0;
        int source = 0;
        QString server;
        int httpStatus = 0;
        QString phrase;
        int runner = 0;
        QString runSource;
    };
    const Row *rowAt(int row) const;
    std::vector<Row> readPage(int page) const;
    QString text(const Row &row, int column) const;

    HistoryStore &m_store;
    HistoryFilter m_filter;
    HistoryColumn m_sortColumn = HistoryColumn::Domain;
    bool m_descending = false;
    std::vector<qint64> m_ids;
    mutable QHash<int, std::vector<Row>> m_pages;
    mutable std::deque<int> m_pageOrder; ///< oldest read first
};

} // namespace results
