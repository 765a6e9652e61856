#pragma once

#include "platform/DesktopServices.h"

#include <QTimer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace results {

class HistoryModel;
class HistoryStore;

/**
 * "History": every domain ever checked with its last outcome, when, where it came from and how often it
 * was checked; filtered by text, outcome, TLD and date, sorted by any column, exported as CSV. The
 * selected names, or the names last checked before a day, can be checked again: the window hands them
 * to the main window's run.
 */
class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    HistoryWindow(HistoryStore &store, const QStringList &tlds, platform::Services services, QWidget *parent = nullptr);

    HistoryModel *model() const { return m_model; }
    QTableView *table() const { return m_table; }

    /// Reads the history again with the filter the controls show.
    void applyFilter();
    /// "Check again": the selected names.
    void checkSelected();
    /// "Check names last checked before": the names shown whose last check was before the chosen day.
    void checkCheckedBefore();
    void exportCsv();

signals:
    /// @p names are to be checked again; @p source says where they came from, for the history.
    void checkRequested(const QStringList &names, const QString &source);

private:
    QLayout *buildFilterRow(const QStringList &tlds);
    QLayout *buildActionRow();
    void showCount();

    HistoryStore &m_store;
    platform::Services m_services;
    HistoryModel *m_model;
    QLineEdit *m_text = nullptr;
    QComboBox *m_outcome = nullptr;
    QComboBox *m_tld = nullptr;
    QCheckBox *m_byDate = nullptr;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
    QTableView *m_table = nullptr;
    QLabel *m_count = nullptr;
    QDateEdit *m_before = nullptr;
    QTimer m_typing; ///< the filter follows the typing once it pauses
};

} // namespace results
