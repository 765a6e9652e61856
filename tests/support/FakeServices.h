#pragma once

#include "platform/DesktopServices.h"

#include <QHash>
#include <QList>
#include <QStringList>

namespace testing {

/// Records every message box and answers from a queue (OK when the queue is empty).
class RecordingMessageBoxes : public platform::MessageBoxes {
public:
    platform::MessageAnswer show(const platform::MessageRequest &request) override;

    QList<platform::MessageRequest> shown;
    QList<platform::MessageAnswer> nextAnswers;

    QStringList texts() const;
};

class RecordingShell : public platform::Shell {
public:
    bool openUrl(const QString &address) override;
    bool openFile(const QString &path) override;

    QStringList openedUrls;
    QStringList openedFiles;
    bool opens = true; ///< false: like a desktop without a browser, nothing opens
};

class MemoryClipboard : public platform::ClipboardText {
public:
    void setText(const QString &text) override { m_text = text; }
    QString text() const override { return m_text; }

private:
    QString m_text;
};

/// Answers file dialogs from prepared names and records the folders they were opened in.
class ScriptedFileDialogs : public platform::FileDialogs {
public:
    QString openFile(const QString &folder, const QString &filter) override;
    QString saveFile(const QString &folder, const QString &presetName, const QString &filter) override;

    QString nextOpen;
    QString nextSave;
    /// Like a modal dialog, the open dialog lets pending events run while it is "open".
    bool runsEventLoop = false;
    QStringList folders;
    QStringList presets;
};

/// A keychain in memory that answers on the next turn of the event loop, or fails when told to.
class MemorySecrets : public platform::SecretStore {
public:
    void readSecret(const QString &key, QObject *receiver, ReadDone done) override;
    void writeSecret(const QString &key, const QString &secret, QObject *receiver, Done done) override;
    void deleteSecret(const QString &key, QObject *receiver, Done done) override;

    QHash<QString, QString> kept;
    QString failure; ///< when set, every call fails with this text
};

/// All fakes together, handing out a platform::Services that points at them.
struct FakeServices {
    RecordingMessageBoxes messages;
    RecordingShell shell;
    MemoryClipboard clipboard;
    ScriptedFileDialogs dialogs;
    MemorySecrets secrets;

    platform::Services services() { return {&messages, &shell, &clipboard, &dialogs, &secrets}; }
};

} // namespace testing
