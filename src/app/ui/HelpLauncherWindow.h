#pragma once

#include <QWidget>

namespace app {

class AppContext;

/// The invisible help launcher: loading it opens the help (when there is one) with the system viewer.
class HelpLauncherWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpLauncherWindow(AppContext &context, QWidget *parent = nullptr);
    void load();

private:
    AppContext &m_context;
};

} // namespace app
