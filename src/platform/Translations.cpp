#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

// Built into the program (translations/CMakeLists.txt), so a program started from the build folder and an
// installed one find the same files.
static const QString programTranslations = QStringLiteral(":/quarrytide/translations");

static bool installTranslator(const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, name, QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

bool installTranslations(const QLocale &locale)
{
    const bool found = installTranslator(locale, QStringLiteral("quarrytide"), programTranslations);
    // Qt's own texts only where ours exist, so a window never mixes two foreign languages.
    if (found)
        installTranslator(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return found;
}

} // namespace platform
