#include "platform/DesktopServices.h"

#include <QCoreApplication>

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
        messages->show({QCoreApplication::translate("platform::openOrSay", "Cannot open"),
                        (isFile ? QCoreApplication::translate("platform::openOrSay", "The file could not be opened:")
                                : QCoreApplication::translate("platform::openOrSay", "The page could not be opened:")) +
                            QStringLiteral("\r\n") + address + QStringLiteral("\r\n\r\n") +
                            QCoreApplication::translate("platform::openOrSay",
                                                        "No program to open it was found on this computer."),
                        MessageRequest::Icon::Warning, MessageRequest::Buttons::Ok});
    return false;
}

} // namespace platform
