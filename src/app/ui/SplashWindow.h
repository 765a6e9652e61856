#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>

namespace app {

class AppContext;

/// The splash window: fills the partner links, then after 75 ticks of its 2 ms timer hands over to the
/// main window and hides itself (it stays loaded until shutdown).
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    /// @p showMainWindow is called once, on the 75th tick.
    SplashWindow(AppContext &context, std::function<void()> showMainWindow, QWidget *parent = nullptr);

    void load();
    int counter() const { return m_counter; }

private:
    void tick();

    AppContext &m_context;
    std::function<void()> m_showMainWindow;
    QTimer m_timer2;
    qint16 m_counter = 0;
};

} // namespace app
