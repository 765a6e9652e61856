#include "FakeServices.h"

#include <QEventLoop>
#include <QTimer>

namespace testing {

platform::MessageAnswer RecordingMessageBoxes::show(const platform::MessageRequest &request)
{
    shown.append(request);
    return nextAnswers.isEmpty() ? platform::MessageAnswer::Ok : nextAnswers.takeFirst();
}

QStringList RecordingMessageBoxes::texts() const
{
    QStringList result;
    for (const auto &request : shown)
        result.append(request.text);
    return result;
}

bool RecordingShell::openUrl(const QString &address)
{
    openedUrls.append(address);
    return opens;
}

bool RecordingShell::openFile(const QString &path)
{
    openedFiles.append(path);
    return opens;
}

QString ScriptedFileDialogs::openFile(const QString &folder, const QString &)
{
    folders.append(folder);
    if (runsEventLoop) {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return nextOpen;
}

QString ScriptedFileDialogs::saveFile(const QString &folder, const QString &presetName, const QString &)
{
    folders.append(folder);
    presets.append(presetName);
    return nextSave;
}

void MemorySecrets::readSecret(const QString &key, QObject *receiver, ReadDone done)
{
    QTimer::singleShot(0, receiver, [this, key, done = std::move(done)] {
        done(failure.isEmpty() ? kept.value(key) : QString(), failure);
    });
}

void MemorySecrets::writeSecret(const QString &key, const QString &secret, QObject *receiver, Done done)
{
    QTimer::singleShot(0, receiver, [this, key, secret, done = std::move(done)] {
        if (failure.isEmpty())
            kept.insert(key, secret);
        done(failure);
    });
}

void MemorySecrets::deleteSecret(const QString &key, QObject *receiver, Done done)
{
    QTimer::singleShot(0, receiver, [this, key, done = std::move(done)] {
        if (failure.isEmpty())
            kept.remove(key);
        done(failure);
    });
}

} // namespace testing
