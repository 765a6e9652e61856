#include "app/MainWindowLoad.h"

#include "app/AppContext.h"
#include "app/HelpFiles.h"
#include "platform/AtomicFile.h"
#include "platform/FileHelpers.h"
#include "results/PurchaseLinks.h"
#include "tld/CurrentTlds.h"
#include "tld/DefaultTlds.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace app {

QString windowTitle(const QString &productName, const QString &makerName)
{
    if (productName == QLatin1String("Lanterly Pro"))
        return productName;
    return QCoreApplication::translate("app::MainWindowLoad", "%1 by %2").arg(productName, makerName);
}

QString websiteCaption(const results::PurchaseLinks &links)
{
    return QCoreApplication::translate("app::MainWindowLoad", "Visit %1")
        .arg(QUrl(results::registrarHome(links)).host());
}

QString frameCaption(const results::PurchaseLinks &links)
{
    return links.purchaseLinksEnabled
               ? QCoreApplication::translate("app::MainWindowLoad",
                                             "Domain Name Manager - Double Click any domain to purchase")
               : QCoreApplication::translate("app::MainWindowLoad", "Domain Name Manager");
}

const QStringList &startupListFiles()
{
    static const QStringList files = {QStringLiteral("BrowserSearch.txt"), QStringLiteral("Appends.txt"),
                                      QStringLiteral("CreatedDomains.txt"), QStringLiteral("Remembered.txt")};
    return files;
}

const QStringList &startupFolders()
{
    static const QStringList folders = {QStringLiteral("backups"), QStringLiteral("overflow"),
                                        QStringLiteral("wordlists"), QStringLiteral("searches")};
    return folders;
}

void createMissingListFiles(const AppContext &context)
{
    for (const QString &name : startupListFiles()) {
        const QString path = context.folder.path(name);
        if (!platform::fileExists(path))
            platform::appendToFile(path, QByteArrayLiteral("\r\n"));
    }
}

void createMissingFolders(const AppContext &context)
{
    for (const QString &name : startupFolders()) {
        if (!platform::dirExists(context.folder.path(name)))
            QDir(context.folder.root()).mkdir(name);
    }
}

QStringList unreadableStartupFiles(const AppContext &context)
{
    QStringList paths = {context.tlds.file().path(), context.folder.path(QStringLiteral("Unchecked.txt"))};
    for (const QString &name : startupListFiles())
        paths.append(context.folder.path(name));
    paths.append(context.settings.fileFor(platform::productName));
    paths.append(context.settings.fileFor(platform::positionsAppName));
    QStringList unreadable;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir())
            unreadable.append(
                QCoreApplication::translate("app::MainWindowLoad", "%1: it is a folder").arg(info.fileName()));
        else if (info.exists() && !QFile(path).open(QIODevice::ReadOnly))
            unreadable.append(QCoreApplication::translate("app::MainWindowLoad", "%1: it cannot be opened for reading")
                                  .arg(info.fileName()));
    }
    return unreadable;
}

QString unreadableFilesText(const QStringList &files)
{
    return QCoreApplication::translate(
               "app::MainWindowLoad",
               "These files could not be read. They are not used, and they are left as they are:\r\n\r\n") +
           files.join(QStringLiteral("\r\n"));
}

QString firstUseText()
{
    const QString popular = QLatin1Char('.') + tld::popularTlds().join(QStringLiteral(", .")).toUpper();
    return QCoreApplication::translate("app::MainWindowLoad",
                                       "Since this is your first time using this program you should visit the Setup "
                                       "area to enable any Top Level Domains (TLDs) that you want to work with.\r\n"
                                       "\r\nBy default, .COM, .NET and the popular TLDs %1 are enabled, but you can "
                                       "configure this program to work with any TLD.")
        .arg(popular);
}

void openHelp(AppContext &context, bool userAsked)
{
    const QString help = helpFileToOpen(context.folder);
    // The help shown by itself on the first start stays quiet when it cannot open; F1 says why.
    if (!userAsked) {
        if (!help.isEmpty() && context.services.shell)
            context.services.shell->openFile(help);
    } else if (help.isEmpty()) {
        if (context.services.messages)
            context.services.messages->inform(
                QCoreApplication::translate("app::MainWindowLoad", "The help file was not found."));
    } else {
        platform::openOrSay(context.services.shell, context.services.messages, help, true);
    }
    context.settings.setHelpPending(false);
}

static void readThrottle(AppContext &context)
{
    context.startPauseTicks = context.settings.startPauseTicks();
}

static void showHelpOnFirstStart(AppContext &context, LoadHost &host)
{
    if (!context.settings.helpPending())
        return;
    context.settings.setHelpPending(false);
    host.runHelpLauncher();
}

static void readSharedValues(AppContext &context)
{
    context.tlds.setUseProxy(context.settings.useProxy());
    context.tlds.setDefaultExt(context.settings.defaultExt());
}

static void showFirstUseMessage(AppContext &context)
{
    if (context.settings.firstUseShown())
        return;
    // Stored before the message: it is shown once even if the program ends while it is open.
    context.settings.setFirstUseShown();
    if (context.services.messages)
        context.services.messages->inform(firstUseText(), context.links.productName);
}

static void openHistory(AppContext &context, QStringList &unreadable)
{
    // A history file that cannot be used is named with the others and left exactly as it is; a missing one
    // that cannot be made is told by the status bar (and, for a folder that cannot be written, at start).
    if (!context.history.open() && QFileInfo::exists(context.history.path()))
        unreadable.append(QFileInfo(context.history.path()).fileName() + QStringLiteral(": ") +
                          context.history.error());
}

// Tables written by earlier versions lack the TLDs most hunted today. They are offered once; the user's
// table is never changed unasked.
static void offerPopularTlds(AppContext &context, LoadHost &host)
{
    if (context.settings.popularTldsOffered() || !context.services.messages)
        return;
    QStringList lines;
    if (!context.tlds.file().exists() || !context.tlds.file().readLines(lines))
        return;
    context.settings.setPopularTldsOffered();
    const QStringList rows = tld::missingPopularRows(lines);
    if (rows.isEmpty())
        return;
    QStringList names;
    for (const QString &row : rows)
        names.append(row.section(QLatin1Char('|'), 0, 0));
    const platform::MessageRequest question{
        context.links.productName,
        QCoreApplication::translate("app::MainWindowLoad",
                                    "Your TLD table has no rows for these popular TLDs: %1.\r\n\r\nAdd them as "
                                    "enabled rows at the end of the table? The rows you have stay as they are.")
            .arg(names.join(QStringLiteral(", "))),
        platform::MessageRequest::Icon::Question, platform::MessageRequest::Buttons::OkCancel};
    if (context.services.messages->show(question) != platform::MessageAnswer::Ok)
        return;
    if (!context.tlds.file().saveLines(lines + rows)) {
        context.services.messages->inform(
            QCoreApplication::translate("app::MainWindowLoad", "The TLD table %1 could not be written; it was not "
                                                               "changed.")
                .arg(QDir::toNativeSeparators(context.tlds.file().path())));
        return;
    }
    context.tlds.loadTldTable();
    host.loadTLDs();
}

void runMainWindowLoad(AppContext &context, LoadHost &host)
{
    // Looked at before anything is created, so that what could not be read is named once, at the end.
    QStringList unreadable = unreadableStartupFiles(context);
    readThrottle(context);
    // Read before the chooser is filled: its first entry names the default extension.
    readSharedValues(context);
    results::readPurchaseLinks(context.links, context.settings);
    host.loadTLDs();
    host.setWindowIconFromResource();
    host.setTitle(windowTitle(context.links.productName, context.links.makerName));
    host.setWebsiteCaption(websiteCaption(context.links));
    if (context.links.purchaseLinksEnabled)
        host.setFrameCaption(frameCaption(context.links));
    showHelpOnFirstStart(context, host);
    createMissingListFiles(context);
    host.resetIdleSeconds();
    host.loadRememberedList();
    host.maximize();
    createMissingFolders(context);
    const bool hadTable = context.tlds.file().exists();
    context.tlds.file().writeDefaultTlds(false);
    context.tlds.loadTldTable();
    // The chooser was filled before the table existed: a new table's enabled TLDs are offered at once.
    if (!hadTable && context.tlds.file().exists())
        host.loadTLDs();
    // A folder that cannot be written holds no table, and a table that cannot be read, or holds no row that
    // can, serves nothing: the built-in rows serve from memory and the file stays as it is.
    if (context.tlds.table().isEmpty()) {
        if (QFile(context.tlds.file().path()).open(QIODevice::ReadOnly))
            unreadable.append(QCoreApplication::translate("app::MainWindowLoad", "%1: it holds no row that can be read")
                                  .arg(QFileInfo(context.tlds.file().path()).fileName()));
        context.tlds.setTable(tld::parseTable(tld::defaultTldRows().join(QStringLiteral("\r\n"))));
        host.loadTLDs();
    }
    openHistory(context, unreadable);
    showFirstUseMessage(context);
    if (hadTable && unreadable.isEmpty())
        offerPopularTlds(context, host);
    else if (!hadTable)
        context.settings.setPopularTldsOffered();
    if (!unreadable.isEmpty() && context.services.messages)
        context.services.messages->show(
            {context.links.productName, unreadableFilesText(unreadable), platform::MessageRequest::Icon::Warning});
}

} // namespace app
