#include "platform/DesktopServices.h"

namespace platform {

void MessageBoxes::inform(const QString &text, const QString &title)
{
    show(MessageRequest{title, text, MessageRequest::Icon::None, MessageRequest::Buttons::Ok});
}

} // namespace platform
