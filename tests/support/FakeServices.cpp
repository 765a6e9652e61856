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

} // namespace testing
