#pragma once

#include <QLocale>

namespace platform {

/// Installs on the running application the program's translation for @p locale and, where the system has it,
/// Qt's own (the buttons of standard dialogs). English is the language of the sources and needs no file: a
/// locale without a translation leaves every text in English. Returns whether the program's translation was found.
bool installTranslations(const QLocale &locale = QLocale::system());

} // namespace platform
