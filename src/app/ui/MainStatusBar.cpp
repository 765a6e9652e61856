#include "app/ui/MainStatusBar.h"

#include "app/ui/MainWindowHistory.h"
#include "app/ui/RunPanels.h"
#include "engine/ui/ServerProblemsWindow.h"
#include "platform/ui/ElidingLabel.h"

#include <QStatusBar>
#include <QToolButton>

namespace app {

MainStatusBar::MainStatusBar(QStatusBar &bar, MainWindowHistory &history, QObject *parent) : QObject(parent), m_bar(bar)
{
    bar.setObjectName(QStringLiteral("StatusBar1"));
    addPanels();
    m_uncheckedCount = new QLabel(&bar);
    m_uncheckedCount->setObjectName(QStringLiteral("lblUnchecked"));
    m_uncheckedCount->setFrameShape(QFrame::StyledPanel);
    bar.addPermanentWidget(m_uncheckedCount);
    // Entries that name no registrable domain: counted here, listed with their reasons on a click.
    m_skippedCount =
        addButton("cmdSkipped", tr("Entries that name no domain that can be registered: click for the list"));
    connect(m_skippedCount, &QToolButton::clicked, this, &MainStatusBar::skippedListRequested);
    // Servers resting or given up, and when they are asked again.
    auto *servers = new platform::ElidingLabel(&bar);
    servers->setObjectName(QStringLiteral("lblPaused"));
    servers->setFrameShape(QFrame::StyledPanel);
    bar.addPermanentWidget(servers, 2);
    QToolButton *problems = addButton("cmdProblems", tr("Which servers failed in this run, and how"));
    connect(problems, &QToolButton::clicked, this, &MainStatusBar::serverProblemsRequested);
    history.addStatusLabel(bar);
    m_serverProblems = new engine::ServerProblems(this);
    m_runPanels = new RunPanels(m_panels, servers, problems, *m_serverProblems, this);
    showSkippedCount(0);
}

void MainStatusBar::addPanels()
{
    const QStringList names = {tr("Entry status"), tr("Open connections"), tr("Connection status")};
    for (int i = 0; i < 3; ++i) {
        auto *panel = new platform::ElidingLabel(&m_bar);
        panel->setAccessibleName(names.at(i));
        panel->setObjectName(QStringLiteral("StatusBar1_") + QString::number(i + 1));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setMinimumWidth(100); // room for the counter beside them on a small screen
        // The first panel holds the last run's summary, the third the connection's words: both get room.
        m_bar.addWidget(panel, i == 1 ? 1 : 3);
        m_panels.at(i) = panel;
    }
}

QToolButton *MainStatusBar::addButton(const char *name, const QString &toolTip)
{
    auto *button = new QToolButton(&m_bar);
    button->setObjectName(QLatin1String(name));
    button->setAutoRaise(true);
    button->setToolTip(toolTip);
    m_bar.addPermanentWidget(button);
    return button;
}

QLabel *MainStatusBar::panel(int number) const
{
    return m_panels.at(number - 1);
}

void MainStatusBar::showUncheckedCount(int count)
{
    m_uncheckedCount->setText(tr("Unchecked: %1").arg(count));
}

void MainStatusBar::showSkippedCount(int count)
{
    m_skippedCount->setText(tr("Skipped: %1").arg(count));
}

void MainStatusBar::say(const QString &text, int timeoutMs)
{
    m_bar.showMessage(text, timeoutMs);
}

} // namespace app
