#pragma once

#include "platform/DesktopServices.h"
#include "platform/ui/KeychainSecrets.h"

#include <memory>

class QWidget;

namespace platform {

/// Message boxes shown as real modal Qt dialogs.
class QtMessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(const MessageRequest &request) override;
};

/// Opens addresses and files through the desktop's handlers.
class QtShell : public Shell {
public:
    bool openUrl(const QString &address) override;
    bool openFile(const QString &path) override;
};

class QtClipboard : public ClipboardText {
public:
    void setText(const QString &text) override;
    QString text() const override;
};

class QtFileDialogs : public FileDialogs {
public:
    QString openFile(const QString &folder, const QString &filter) override;
    QString saveFile(const QString &folder, const QString &presetName, const QString &filter) override;
};

/// The real desktop services, owned together for the program's lifetime.
class QtServices {
public:
    QtServices();
    Services services();

private:
    QtMessageBoxes m_messages;
    QtShell m_shell;
    QtClipboard m_clipboard;
    QtFileDialogs m_dialogs;
    KeychainSecrets m_secrets;
};

} // namespace platform
