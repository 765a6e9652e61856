#include "app/MainWindowLoad.h"

#include "app/AppContext.h"
#include "app/HelpFiles.h"
#include "platform/AtomicFile.h"
#include "platform/FileHelpers.h"
#include "results/PurchaseLinks.h"
#include "tld/DefaultTlds.h"

#include <QDir>
#include <QUrl>

namespace app {

QString windowTitle(const QString &productName, const QString &makerName)
{
    if (productName == QLatin1String("Lanterly Pro"))
        return productName;
    return productName + QStringLiteral(" by ") + makerName;
}

QString websiteCaption(const results::PurchaseLinks &links)
{
    return QStringLiteral("Visit ") + QUrl(results::registrarHome(links)).host();
}

QString frameCaption(const results::PurchaseLinks &links)
{
    return links.purchaseLinksEnabled ? QStringLiteral("Domain Name Manager - Double Click any domain to purchase")
                                      : QStringLiteral("Domain Name Manager");
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

QString firstUseText()
{
    return QStringLiteral("Since this is your first time using this program you should visit the Setup area to "
                          "enable any Top Level Domains (TLDs) that you want to work with.\r\n\r\n"
                          "By default, only .COM and .NET domains are enabled, but you can configure this program "
                          "to work with any TLD.");
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
            context.services.messages->inform(QStringLiteral("The help file was not found."));
    } else {
        platform::openOrSay(context.services.shell, context.services.messages, help, true);
    }
    context.settings.saveProduct(QStringLiteral("showHelp"), QStringLiteral("0"));
}

static void readThrottle(AppContext &context)
{
    int throttle = 0;
    platform::readInt(context.settings.product(QStringLiteral("Throttle"), QStringLiteral("25")), throttle);
    context.throttle.setCurrentThrottle(throttle);
}

static void showHelpOnFirstStart(AppContext &context, LoadHost &host)
{
    if (context.settings.product(QStringLiteral("showHelp"), QStringLiteral("1")) != QLatin1String("1"))
        return;
    context.settings.saveProduct(QStringLiteral("showHelp"), QStringLiteral("0"));
    host.runHelpLauncher();
}

static void readSharedValues(AppContext &context)
{
    int proxy = 0;
    context.tlds.setUseProxy(
        platform::readInt(context.settings.product(QStringLiteral("chkProxy"), QStringLiteral("0")), proxy) &&
        proxy != 0);
    context.tlds.setDefaultExt(context.settings.product(QStringLiteral("DefaultExt"), QStringLiteral(".com")));
}

static void showFirstUseMessage(AppContext &context)
{
    if (!context.settings.product(QStringLiteral("FirstUse"), QString()).isEmpty())
        return;
    // Stored before the message: it is shown once even if the program ends while it is open.
    context.settings.saveProduct(QStringLiteral("FirstUse"), QStringLiteral("NO"));
    if (context.services.messages)
        context.services.messages->inform(firstUseText(), context.links.productName);
}

void runMainWindowLoad(AppContext &context, LoadHost &host)
{
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
    context.tlds.file().writeDefaultTlds(false);
    context.tlds.loadTldTable();
    // A folder that cannot be written holds no table: the built-in rows serve from memory.
    if (!context.tlds.file().exists())
        context.tlds.setTable(tld::parseTable(tld::defaultTldRows().join(QStringLiteral("\r\n"))));
    showFirstUseMessage(context);
}

} // namespace app
