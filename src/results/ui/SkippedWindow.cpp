#include "results/ui/SkippedWindow.h"

#include "platform/DesktopServices.h"
#include "results/SkippedEntries.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace results {

SkippedWindow::SkippedWindow(SkippedEntries &entries, platform::ClipboardText *clipboard, QWidget *parent)
    : QWidget(parent, Qt::Window), m_entries(entries), m_clipboard(clipboard)
{
    setObjectName(QStringLiteral("frmSkipped"));
    setWindowTitle(tr("Skipped entries"));
    auto *note = new QLabel(tr("These entries name no domain that can be registered. None of them was checked."), this);
    note->setWordWrap(true);
    auto *table = new QTableView(this);
    table->setObjectName(QStringLiteral("lstSkipped"));
    table->setModel(&entries);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setColumnWidth(SkippedEntries::EntryColumn, 280);
    auto *copy = new QPushButton(tr("Copy"), this);
    copy->setObjectName(QStringLiteral("cmdCopySkipped"));
    auto *clear = new QPushButton(tr("Clear"), this);
    clear->setObjectName(QStringLiteral("cmdClearSkipped"));
    connect(copy, &QPushButton::clicked, this, &SkippedWindow::copyList);
    connect(clear, &QPushButton::clicked, &entries, &SkippedEntries::clear);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copy);
    buttons->addWidget(clear);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(table, 1);
    layout->addLayout(buttons);
    resize(640, 420);
}

void SkippedWindow::copyList()
{
    if (!m_clipboard)
        return;
    QString text;
    for (int row = 0; row < m_entries.count(); ++row) {
        text += m_entries.index(row, SkippedEntries::EntryColumn).data().toString() + QLatin1Char('\t') +
                m_entries.index(row, SkippedEntries::ReasonColumn).data().toString() + QStringLiteral("\r\n");
    }
    m_clipboard->setText(text);
}

} // namespace results
