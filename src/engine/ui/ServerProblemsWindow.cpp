#include "engine/ui/ServerProblemsWindow.h"

#include "engine/ui/EngineWords.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace engine {

void ServerProblems::clear()
{
    m_rows.clear();
    m_states.clear();
    emit changed();
}

void ServerProblems::add(const QString &host, Trouble trouble)
{
    auto row = std::find_if(m_rows.begin(), m_rows.end(),
                            [&](const Row &known) { return known.host == host && known.trouble == trouble; });
    if (row == m_rows.end())
        m_rows.append({host, trouble, 1});
    else
        ++row->count;
    emit changed();
}

void ServerProblems::setState(const ServerState &state)
{
    m_states.insert(state.host, state);
    emit changed();
}

int ServerProblems::serverCount() const
{
    QStringList hosts;
    for (const Row &row : m_rows) {
        if (!hosts.contains(row.host))
            hosts.append(row.host);
    }
    return int(hosts.size());
}

ServerProblemsWindow::ServerProblemsWindow(const ServerProblems &problems, QWidget *parent)
    : QWidget(parent, Qt::Window), m_problems(problems), m_list(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("frmBlocked"));
    setWindowTitle(tr("Servers with problems"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto *text = new QLabel(tr("These servers did not answer every question of this run. Names left without a "
                               "verdict wait under Unchecked; Tools > Check unchecked names asks them again. A "
                               "server that keeps refusing needs a longer throttle in Setup, or a break."),
                            this);
    text->setObjectName(QStringLiteral("lblNotice"));
    text->setWordWrap(true);
    m_list->setObjectName(QStringLiteral("lstServers"));
    m_list->setHeaderLabels({tr("Server"), tr("Problem"), tr("Times"), tr("Now")});
    m_list->setRootIsDecorated(false);
    m_list->setAccessibleName(tr("Servers with problems in this run"));
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    connect(&problems, &ServerProblems::changed, this, &ServerProblemsWindow::refill);
    refill();
    resize(720, 360);
}

void ServerProblemsWindow::refill()
{
    m_list->clear();
    for (const ServerProblems::Row &row : m_problems.rows()) {
        const ServerState state = m_problems.state(row.host);
        const QString now = state.phase == ServerState::Phase::Resting        ? tr("resting")
                            : state.phase == ServerState::Phase::Unresponsive ? tr("not asked any more in this run")
                                                                              : tr("asked");
        auto *item =
            new QTreeWidgetItem(m_list, {row.host, EngineWords::trouble(row.trouble), QString::number(row.count), now});
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
}

QStringList ServerProblemsWindow::lines() const
{
    QStringList lines;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_list->topLevelItem(i);
        lines.append(
            QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}.join(QStringLiteral(" | ")));
    }
    return lines;
}

} // namespace engine
