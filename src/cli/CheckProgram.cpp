#include "cli/CheckProgram.h"

#include "cli/CheckOptions.h"
#include "cli/CheckRun.h"
#include "cli/ConsoleIo.h"
#include "platform/AppFolder.h"

#include <QCoreApplication>

namespace cli {

static void fail(const QString &message)
{
    writeStandardError(QStringLiteral("quarrytide-check: %1\n").arg(message).toUtf8());
}

int runCheckProgram(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quarrytide-check"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUARRYTIDE_VERSION_TEXT));

    const ParsedCommandLine parsed = parseCommandLine(QCoreApplication::arguments().mid(1));
    switch (parsed.action) {
    case ParsedCommandLine::Action::Help:
        writeStandardOutput(usageText().toUtf8());
        return CheckRun::AllJudged;
    case ParsedCommandLine::Action::Version:
        writeStandardOutput(QByteArrayLiteral("quarrytide-check " QUARRYTIDE_VERSION_TEXT "\n"));
        return CheckRun::AllJudged;
    case ParsedCommandLine::Action::Fail:
        fail(parsed.error);
        return CheckRun::BadInput;
    case ParsedCommandLine::Action::Run:
        break;
    }

    CheckRun run(parsed.options);
    if (!run.prepare(platform::AppFolder::chooseDefault(QCoreApplication::applicationDirPath()))) {
        fail(run.error());
        return CheckRun::BadInput;
    }
    InterruptWatcher interrupts;
    QObject::connect(&interrupts, &InterruptWatcher::interrupted, &run, &CheckRun::interrupt);
    QObject::connect(&run, &CheckRun::finished, &application, [](int status) { QCoreApplication::exit(status); });
    QMetaObject::invokeMethod(&run, &CheckRun::start, Qt::QueuedConnection);
    return QCoreApplication::exec();
}

} // namespace cli
