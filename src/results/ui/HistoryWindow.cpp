#include "results/ui/HistoryWindow.h"

#include "results/HistoryModel.h"
#include "results/HistoryStore.h"
#include "results/OutcomeWords.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace results {

namespace {

QDateEdit *dateEdit(const QString &name, const QDate &day, QWidget *parent)
{
    auto *edit = new QDateEdit(day, parent);
    edit->setObjectName(name);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    return edit;
}

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *made = new QPushButton(caption, parent);
    made->setObjectName(name);
    return made;
}

} // namespace

HistoryWindow::HistoryWindow(HistoryStore &store, const QStringList &tlds, platform::Services services, QWidget *parent)
    : QWidget(parent, Qt::Window), m_store(store), m_services(services), m_model(new HistoryModel(store, this))
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(tr("History"));
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("lvwHistory"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Sizes are never measured from the rows: that would read every page of a million domains.
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->setWordWrap(false);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(true);
    // Each column as wide as its usual text.
    const char *const usual[historyColumnCount] = {"quarrylane-example.com",
                                                   "likely-available",
                                                   "Registered",
                                                   "2026-12-31 23:59",
                                                   "Checks",
                                                   "main window: Full Word List",
                                                   "list entry",
                                                   "registry",
                                                   "whois.example-registry.net:43",
                                                   "No match for"};
    for (int column = 0; column < historyColumnCount; ++column)
        m_table->setColumnWidth(column, fontMetrics().horizontalAdvance(QLatin1String(usual[column])) + 16);
    m_table->horizontalHeader()->setSortIndicator(int(HistoryColumn::Domain), Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    m_table->setAccessibleName(tr("Checked domains"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buildFilterRow(tlds));
    layout->addWidget(m_table, 1);
    layout->addLayout(buildActionRow());
    m_typing.setSingleShot(true);
    m_typing.setInterval(250);
    connect(&m_typing, &QTimer::timeout, this, &HistoryWindow::applyFilter);
    connect(m_model, &QAbstractItemModel::modelReset, this, &HistoryWindow::showCount);
    auto *refresh = new QShortcut(QKeySequence::Refresh, this);
    connect(refresh, &QShortcut::activated, this, &HistoryWindow::applyFilter);
    showCount();
    resize(1200, 640);
}

QLayout *HistoryWindow::buildFilterRow(const QStringList &tlds)
{
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("txtHistoryFilter"));
    m_text->setPlaceholderText(tr("Part of a domain"));
    m_text->setClearButtonEnabled(true);
    auto *label = new QLabel(tr("F&ilter:"), this);
    label->setBuddy(m_text);
    m_outcome = new QComboBox(this);
    m_outcome->setObjectName(QStringLiteral("cmbOutcome"));
    m_outcome->addItem(tr("Any outcome"), -1);
    for (int kind = 0; kind < lookup::QueryOutcome::kindCount; ++kind)
        m_outcome->addItem(outcomeWord(lookup::QueryOutcome::Kind(kind)), kind);
    m_tld = new QComboBox(this);
    m_tld->setObjectName(QStringLiteral("cmbTld"));
    m_tld->addItem(tr("Any TLD"), QString());
    for (const QString &tld : tlds)
        m_tld->addItem(QLatin1Char('.') + tld, tld);
    m_byDate = new QCheckBox(tr("Last checked from"), this);
    m_byDate->setObjectName(QStringLiteral("chkDates"));
    m_from = dateEdit(QStringLiteral("dtpFrom"), QDate::currentDate().addDays(-30), this);
    m_to = dateEdit(QStringLiteral("dtpTo"), QDate::currentDate(), this);
    connect(m_text, &QLineEdit::textChanged, this, [this] { m_typing.start(); });
    for (QComboBox *box : {m_outcome, m_tld})
        connect(box, &QComboBox::currentIndexChanged, this, &HistoryWindow::applyFilter);
    connect(m_byDate, &QCheckBox::toggled, this, &HistoryWindow::applyFilter);
    for (QDateEdit *edit : {m_from, m_to})
        connect(edit, &QDateEdit::dateChanged, this, [this] {
            if (m_byDate->isChecked())
                applyFilter();
        });
    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_text, 1);
    row->addWidget(m_outcome);
    row->addWidget(m_tld);
    row->addWidget(m_byDate);
    row->addWidget(m_from);
    row->addWidget(new QLabel(tr("to"), this));
    row->addWidget(m_to);
    return row;
}

QLayout *HistoryWindow::buildActionRow()
{
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lblHistoryCount"));
    QPushButton *again = button(QStringLiteral("cmdCheckAgain"), tr("Check &again"), this);
    QPushButton *older = button(QStringLiteral("cmdCheckBefore"), tr("Check names last checked &before"), this);
    m_before = dateEdit(QStringLiteral("dtpBefore"), QDate::currentDate().addDays(-30), this);
    QPushButton *save = button(QStringLiteral("cmdExport"), tr("&Export CSV..."), this);
    connect(again, &QPushButton::clicked, this, &HistoryWindow::checkSelected);
    connect(older, &QPushButton::clicked, this, &HistoryWindow::checkCheckedBefore);
    connect(save, &QPushButton::clicked, this, &HistoryWindow::exportCsv);
    auto *row = new QHBoxLayout;
    row->addWidget(m_count, 1);
    row->addWidget(again);
    row->addWidget(older);
    row->addWidget(m_before);
    row->addWidget(save);
    return row;
}

void HistoryWindow::applyFilter()
{
    m_typing.stop();
    // The checks of the last second are still on their way to the file: they are shown too.
    m_store.waitForWrites();
    HistoryFilter filter;
    filter.text = m_text->text();
    filter.outcome = m_outcome->currentData().toInt();
    filter.tld = m_tld->currentData().toString();
    if (m_byDate->isChecked()) {
        filter.from = m_from->date();
        filter.to = m_to->date();
    }
    m_model->setFilter(filter);
}

void HistoryWindow::showCount()
{
    if (!m_store.isOpen()) {
        m_count->setText(tr("The history cannot be read: %1").arg(m_store.error()));
        return;
    }
    m_count->setText(
        (m_model->rowCount() == 1 ? tr("1 domain") : tr("%1 domains").arg(QLocale().toString(m_model->rowCount()))));
}

void HistoryWindow::checkSelected()
{
    QStringList names;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        names.append(m_model->name(index.row()));
    if (!names.isEmpty())
        emit checkRequested(names, tr("History window"));
}

void HistoryWindow::checkCheckedBefore()
{
    const QDate day = m_before->date();
    const QStringList names = m_model->namesCheckedBefore(day.startOfDay());
    if (names.isEmpty()) {
        if (m_services.messages)
            m_services.messages->inform(
                tr("No domain shown was last checked before %1.").arg(day.toString(Qt::ISODate)), windowTitle());
        return;
    }
    emit checkRequested(names, tr("History window, last checked before %1").arg(day.toString(Qt::ISODate)));
}

void HistoryWindow::exportCsv()
{
    if (!m_services.dialogs)
        return;
    const QString path = m_services.dialogs->saveFile(QFileInfo(m_store.path()).path(), QStringLiteral("History.csv"),
                                                      tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    // Written beside the old file and renamed over it: a failed export leaves the old one whole.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && m_model->exportCsv(file) && file.commit();
    if (!written && m_services.messages)
        m_services.messages->inform(tr("The history could not be written to %1.").arg(path), windowTitle());
}

} // namespace results
