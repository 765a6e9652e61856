#pragma once

#include <QPointer>
#include <QWidget>

namespace app {

/**
 * One of the main window's companion windows (TLD manager, generator, browse window, ...): at most one
 * instance, made on first use and brought forward on every later one. A window that deletes itself on
 * close lingers, hidden, until its deferred deletion: it no longer counts as the open one.
 *
 * The window's class may be only declared where current() is used: the typed pointer is kept beside the
 * guard that notices the window's deletion.
 */
template <typename Window> class CompanionWindow {
public:
    /// The instance made last, while it exists (it may have been closed since).
    Window *current() const { return m_guard ? m_window : nullptr; }

    /// Brings the open window forward, or shows a new one made by @p make.
    template <typename Make> Window *open(Make &&make)
    {
        if (m_guard && m_deletesOnClose && m_guard->isHidden())
            m_guard = nullptr;
        if (!m_guard)
            keep(make());
        bringForward();
        return m_window;
    }

    /// Closes the open window, if any, and shows a new one made by @p make in its place.
    template <typename Make> Window *replace(Make &&make)
    {
        if (m_guard)
            m_guard->close();
        keep(make());
        bringForward();
        return m_window;
    }

private:
    void keep(Window *window)
    {
        m_window = window;
        m_guard = window;
        // Read now: closing clears the attribute when it schedules the deletion.
        m_deletesOnClose = window->testAttribute(Qt::WA_DeleteOnClose);
    }

    void bringForward()
    {
        m_guard->show();
        m_guard->raise();
        m_guard->activateWindow();
    }

    Window *m_window = nullptr;
    QPointer<QWidget> m_guard;
    bool m_deletesOnClose = false;
};

} // namespace app
