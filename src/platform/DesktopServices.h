#pragma once

#include <QString>

#include <functional>

class QObject;

namespace platform {

/// What a message box looks like and which buttons it offers.
struct MessageRequest {
    enum class Icon { None, Information, Warning, Question };
    enum class Buttons { Ok, OkCancel };
    QString title;
    QString text;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
};

enum class MessageAnswer { Ok, Cancel };

/// Message boxes. The desktop shows modal boxes; tests record the texts and answer in advance.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const MessageRequest &request) = 0;

    /// A plain box with an OK button and no icon.
    void inform(const QString &text, const QString &title = QString());
};

/// Opening addresses and files with the system's default handler.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool openUrl(const QString &address) = 0;
    virtual bool openFile(const QString &path) = 0;
};

/// The clipboard as plain text.
class ClipboardText {
public:
    virtual ~ClipboardText() = default;
    virtual void setText(const QString &text) = 0;
    virtual QString text() const = 0;
};

/// Open and save file dialogs. An empty result means the dialog was cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString openFile(const QString &folder, const QString &filter) = 0;
    virtual QString saveFile(const QString &folder, const QString &presetName, const QString &filter) = 0;
};

/**
 * Secrets, such as the password of an account at a service, kept by the system's keychain and never in a
 * file. Answers come later, on the event loop, and only while @p receiver lives.
 */
class SecretStore {
public:
    using ReadDone = std::function<void(const QString &secret, const QString &error)>;
    using Done = std::function<void(const QString &error)>;

    virtual ~SecretStore() = default;
    /// @p done gets the secret kept under @p key ("" when there is none) and, when the keychain failed, why.
    virtual void readSecret(const QString &key, QObject *receiver, ReadDone done) = 0;
    /// Keeps @p secret under @p key; @p done gets "" or why it could not be kept.
    virtual void writeSecret(const QString &key, const QString &secret, QObject *receiver, Done done) = 0;
    /// Forgets the secret under @p key; @p done gets "" or why it could not be forgotten.
    virtual void deleteSecret(const QString &key, QObject *receiver, Done done) = 0;
};

/// Opens @p address (a file path when @p isFile) with the system's handler; when that fails, a message
/// box says what could not be opened. False when it could not.
bool openOrSay(Shell *shell, MessageBoxes *messages, const QString &address, bool isFile = false);

/// The desktop services a window needs, chosen in one place (the program's start or a test).
struct Services {
    MessageBoxes *messages = nullptr;
    Shell *shell = nullptr;
    ClipboardText *clipboard = nullptr;
    FileDialogs *dialogs = nullptr;
    SecretStore *secrets = nullptr;
};

} // namespace platform
