#include "platform/DesktopServices.h"

namespace platform {

void MessageBoxes::inform(const QString &text, const QString &title)
{
    show(MessageRequest{title, text, MessageRequest::Icon::None, MessageRequest::Buttons::Ok});
}

bool openOrSay(Shell *shell, MessageBoxes *messages, const QString &address, bool isFile)
{
    if (shell && (isFile ? shell->openFile(address) : shell->openUrl(address)))
        return true;
    // Without a browser or viewer the desktop opens nothing and tells nobody.
    if (messages)
        messages->show({QStringLiteral("Cannot open"),
                        (isFile ? QStringLiteral("The file could not be opened:\r\n")
                                : QStringLiteral("The page could not be opened:\r\n")) +
                            address + QStringLiteral("\r\n\r\nNo program to open it was found on this computer."),
                        MessageRequest::Icon::Warning, MessageRequest::Buttons::Ok});
    return false;
}

} // namespace platform
