#include "cli/CheckProgram.h"

#include "cli/CheckOptions.h"
#include "cli/CheckRun.h"
#include "cli/ConsoleIo.h"
#include "cli/ZoneImportCommand.h"
#include "platform/AppFolder.h"
#include "platform/EarlierAppFolder.h"
#include "platform/Translations.h"

#include <QCoreApplication>

namespace cli {

static void fail(const QString &message)
{
    writeStandardError(QStringLiteral("quarrytide-check: %1\n").arg(message).toUtf8());
}

// The desktop program's application folder. Files an earlier version kept beside the program are
// copied once into a new per-user folder, as the desktop program does, so the table is not left behind.
static QString defaultDataFolder(const CheckOptions &options)
{
    if (!options.dataDir.isEmpty())
        return QString();
    const QString programDir = QCoreApplication::applicationDirPath();
    const platform::FolderChoice choice = platform::AppFolder::choose(programDir, platform::AppFolder::perUserFolder());
    if (!choice.portable) {
        const platform::EarlierFolderCopy copy = platform::copyEarlierAppFolder(programDir, choice.root);
        if (copy.happened())
            writeStandardError(QStringLiteral("quarrytide-check: the files kept beside the program were copied to %1 "
                                              "(%2 copied, %3 failed); the originals were left as they were\n")
                                   .arg(choice.root)
                                   .arg(copy.copied.size())
                                   .arg(copy.failed.size())
                                   .toUtf8());
    }
    return choice.root;
}

int runCheckProgram(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quarrytide-check"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUARRYTIDE_VERSION_TEXT));
    platform::installTranslations();

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

    if (!parsed.options.importZone.isEmpty()) {
        const QString folder =
            parsed.options.dataDir.isEmpty() ? defaultDataFolder(parsed.options) : parsed.options.dataDir;
        return importZone(parsed.options, folder) ? CheckRun::AllJudged : CheckRun::BadInput;
    }
    CheckRun run(parsed.options);
    if (!run.prepare(defaultDataFolder(parsed.options))) {
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
