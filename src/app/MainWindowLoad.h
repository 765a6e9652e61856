#pragma once

#include <QString>
#include <QStringList>

namespace results {
struct PurchaseLinks;
}

namespace app {

class AppContext;

/// What the main window does for the load sequence; the sequence itself is widget-free.
class LoadHost {
public:
    virtual ~LoadHost() = default;
    virtual void loadTLDs() = 0;
    virtual void setWindowIconFromResource() = 0;
    virtual void setTitle(const QString &title) = 0;
    virtual void setWebsiteCaption(const QString &caption) = 0;
    virtual void setFrameCaption(const QString &caption) = 0;
    virtual void runHelpLauncher() = 0;
    virtual void resetIdleSeconds() = 0;
    virtual void loadRememberedList() = 0;
    virtual void maximize() = 0;
};

/// The main window's load, steps 1 to 16 in order. A step that fails is passed over; the rest run.
void runMainWindowLoad(AppContext &context, LoadHost &host);

/// "Quarrytide by Marlowfen", or the product name alone for the one product that carries no maker.
QString windowTitle(const QString &productName, const QString &makerName);

/// "Visit " and the host of the registrar that purchase links go to (the Visit button opens its page).
QString websiteCaption(const results::PurchaseLinks &links);
/// The results frame's caption, which tells what a double-click does while purchase links are on.
QString frameCaption(const results::PurchaseLinks &links);

/// The list files created at start-up when missing, each holding one empty line.
const QStringList &startupListFiles();
/// The folders created at start-up when missing, in lower case.
const QStringList &startupFolders();

void createMissingListFiles(const AppContext &context);
void createMissingFolders(const AppContext &context);

/// The files read at start-up that are there but cannot be read (a folder, no permission), each as
/// "name: why". They are left as they are.
QStringList unreadableStartupFiles(const AppContext &context);
/// The one message that names them.
QString unreadableFilesText(const QStringList &files);

/// Opens the help: Help.chm beside the data wins, else the shipped guide; stores showHelp = "0".
void openHelp(AppContext &context, bool userAsked = false);

/// The text of the message shown once, on the first start.
QString firstUseText();

} // namespace app
