#include "app/ui/HelpLauncherWindow.h"

#include "app/AppContext.h"
#include "app/MainWindowLoad.h"

namespace app {

HelpLauncherWindow::HelpLauncherWindow(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("Form8"));
    setFixedSize(0, 0);
    setVisible(false);
}

void HelpLauncherWindow::load()
{
    openHelp(m_context);
}

} // namespace app
