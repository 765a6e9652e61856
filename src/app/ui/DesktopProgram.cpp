#include "app/ui/DesktopProgram.h"

#include "app/AppContext.h"
#include "app/HelpFiles.h"
#include "app/StartFolder.h"
#include "app/ui/MainWindow.h"
#include "app/ui/SplashWindow.h"
#include "platform/EmbeddedBrowser.h"
#include "platform/Translations.h"
#include "platform/ui/QtDesktopServices.h"

#include <QApplication>
#include <QIcon>

namespace app {

int runDesktopProgram(int argc, char **argv)
{
    // The embedded browser needs shared GL contexts, set before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    platform::prepareEmbeddedBrowser();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarrytide"));
    QApplication::setOrganizationName(QStringLiteral("Marlowfen"));
    QApplication::setApplicationVersion(QStringLiteral(QUARRYTIDE_VERSION_TEXT));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quarrytide/icon.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("net.quarrytide.Quarrytide"));
    platform::installTranslations();

    platform::QtServices desktop;
    // Before the main window's load, which would otherwise leave an empty affix file in place.
    const StartFolder start = prepareStartFolder(QCoreApplication::applicationDirPath(),
                                                 platform::AppFolder::perUserFolder(), shippedDataFolders());
    AppContext context(start.root, platform::ProgramSettings::defaultFolder(), desktop.services());
    std::unique_ptr<MainWindow> mainWindow;
    SplashWindow splash(context, [&] {
        mainWindow = std::make_unique<MainWindow>(context);
        mainWindow->load();
        mainWindow->show();
        if (!start.notice.isEmpty())
            context.services.messages->show({context.links.productName, start.notice,
                                             start.writable ? platform::MessageRequest::Icon::Information
                                                            : platform::MessageRequest::Icon::Warning});
    });
    splash.load();
    splash.show();
    return QApplication::exec();
}

} // namespace app
