#include "app/ui/RunStatus.h"

#include "engine/ui/EngineWords.h"
#include "platform/Intervals.h"

#include <QApplication>
#include <QProgressBar>
#include <QStatusBar>
#include <QSystemTrayIcon>

namespace app {

RunStatus::RunStatus(QStatusBar &bar, QWidget &window, std::function<int()> position, QObject *parent)
    : QObject(parent), m_window(window), m_bar(new QProgressBar(&bar)), m_position(std::move(position))
{
    m_bar->setObjectName(QStringLiteral("progressRun"));
    m_bar->setAccessibleName(tr("Run progress"));
    m_bar->setRange(0, 1000);
    m_bar->setMinimumWidth(320);
    m_bar->setTextVisible(true);
    m_bar->hide();
    bar.insertWidget(0, m_bar, 3);
    // The pace and the time left move on while a server keeps the next name waiting.
    connect(&m_tick, &QTimer::timeout, this, &RunStatus::refresh);
}

void RunStatus::runStarted(int first, int last)
{
    m_progress.start(first, last);
    m_clock.start();
    m_tick.start(platform::intervals().secondMs);
    m_bar->show();
    refresh();
}

void RunStatus::refresh()
{
    if (!m_clock.isValid())
        return;
    m_progress.update(m_position(), m_clock.elapsed());
    m_bar->setValue(m_progress.perMille());
    m_bar->setFormat(m_progress.text());
}

void RunStatus::runEnded(const engine::RunEnd &end)
{
    m_tick.stop();
    m_clock.invalidate();
    m_bar->hide();
    // A run that went through its list may have taken hours: the user is told where the desktop allows.
    if (end.reason != engine::RunEnd::Reason::Stopped && !m_window.isActiveWindow())
        notify(engine::EngineWords::summary(end));
}

void RunStatus::notify(const QString &summary)
{
    QApplication::alert(&m_window);
    if (!QSystemTrayIcon::isSystemTrayAvailable() || !QSystemTrayIcon::supportsMessages())
        return;
    if (!m_tray) {
        m_tray = new QSystemTrayIcon(QApplication::windowIcon(), this);
        m_tray->setToolTip(m_window.windowTitle());
    }
    m_tray->show();
    m_tray->showMessage(m_window.windowTitle(), summary);
}

} // namespace app
