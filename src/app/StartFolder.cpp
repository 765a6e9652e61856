#include "app/StartFolder.h"

#include "app/Provisioning.h"
#include "platform/AppFolder.h"
#include "platform/EarlierAppFolder.h"
#include "platform/FileHelpers.h"

#include <QCoreApplication>
#include <QDir>

namespace app {

namespace {

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

QString copyNotice(const platform::EarlierFolderCopy &copy, const QString &from, const QString &to)
{
    QString text = QCoreApplication::translate("app::StartFolder",
                                               "Quarrytide now keeps its files in %1, no longer beside the program.")
                       .arg(nativePath(to));
    if (!copy.copied.isEmpty())
        text +=
            QLatin1Char(' ') + QCoreApplication::translate(
                                   "app::StartFolder",
                                   "Your saved domains, results and lists were copied there from %1; the files in %1 "
                                   "were left as they were.")
                                   .arg(nativePath(from));
    if (!copy.failed.isEmpty())
        text += QStringLiteral("\n\n") +
                QCoreApplication::translate("app::StartFolder",
                                            "These files could not be copied and are still only in %1: %2.")
                    .arg(nativePath(from), copy.failed.join(QStringLiteral(", ")));
    return text;
}

QString readOnlyNotice(const QString &root)
{
    QString text =
        QCoreApplication::translate("app::StartFolder",
                                    "Quarrytide cannot write to its folder %1. Your saved domains, the results "
                                    "found, the check history, the lists made by the generator and the search, and "
                                    "changes to the TLD table will not be saved.")
            .arg(nativePath(root));
    if (!platform::fileExists(platform::AppFolder(root).path(QStringLiteral("TLDs.txt"))))
        text += QLatin1Char(' ') +
                QCoreApplication::translate("app::StartFolder", "Names are checked with the built-in TLD table.");
    return text;
}

} // namespace

StartFolder prepareStartFolder(const QString &programDir, const QString &perUserFolder, const QStringList &dataFolders)
{
    const platform::FolderChoice choice = platform::AppFolder::choose(programDir, perUserFolder);
    StartFolder start;
    start.root = choice.root;
    QStringList notices;
    if (choice.portableFolderReadOnly)
        notices << QCoreApplication::translate(
                       "app::StartFolder",
                       "The program's folder %1 holds a file named \"portable\" but cannot be written, "
                       "so Quarrytide keeps its files in %2.")
                       .arg(nativePath(programDir), nativePath(choice.root));
    start.writable = platform::AppFolder::canWriteInto(choice.root);
    if (!start.writable) {
        notices << readOnlyNotice(choice.root);
        start.notice = notices.join(QStringLiteral("\n\n"));
        return start;
    }
    if (!choice.portable) {
        const platform::EarlierFolderCopy copy = platform::copyEarlierAppFolder(programDir, choice.root);
        if (copy.happened())
            notices << copyNotice(copy, programDir, choice.root);
    }
    // After the copy, so that lists the user kept beside the program win over the shipped ones.
    provisionAppFolder(platform::AppFolder(choice.root), dataFolders);
    start.notice = notices.join(QStringLiteral("\n\n"));
    return start;
}

} // namespace app
