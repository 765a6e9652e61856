#include "platform/ui/WindowFit.h"

#include <QScreen>
#include <QWidget>

namespace platform {

void resizeWithinScreen(QWidget *window, const QSize &wanted)
{
    const QScreen *screen = window->screen();
    if (!screen) {
        window->resize(wanted);
        return;
    }
    // Room for the title bar and the borders the window manager adds around the window.
    const QSize room = screen->availableGeometry().size() - QSize(16, 48);
    window->resize(wanted.boundedTo(room).expandedTo(window->minimumSizeHint()));
}

} // namespace platform
