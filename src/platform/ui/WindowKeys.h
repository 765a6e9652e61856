#pragma once

#include <QList>
#include <QString>

class QMenu;
class QPushButton;
class QWidget;

namespace platform {

/// Esc closes @p window wherever the focus is in it (only dialogs do that by themselves).
void closeOnEscape(QWidget *window);

/// Return and Enter press @p button wherever the focus is in its window, as a dialog's default button.
void acceptOnReturn(QPushButton *button);

/// The mnemonic letter of @p text ("&File" gives F), lower case; a null character when it has none.
QChar mnemonicOf(const QString &text);

/// @p caption with a mnemonic that is not in @p taken: the first letter of a word where one is free,
/// else any free letter or digit; unchanged when it has one already or none is free. The letter used
/// is added to @p taken.
QString withMnemonic(const QString &caption, QString &taken);

/// Gives every item of @p menu that has no mnemonic one that no other item of the menu uses.
void giveMnemonics(QMenu *menu);

/// Gives each of @p controls (buttons, group boxes, and labels that name a buddy) that the program has not hidden a
/// mnemonic that no other control of @p window, and no title of its menu bar, uses. A button's mnemonic
/// replaces a shortcut set on the button: give such a key as a QShortcut of the window. Controls of panels
/// that take turns count as taken too, so that none clashes whichever panel shows.
void giveMnemonics(QWidget *window, const QList<QWidget *> &controls);

/// The mnemonics @p window offers: its menu bar's titles, and the text of each button, group box and
/// label with a buddy that the program has not hidden. A letter listed twice is a clash.
QString mnemonicsOf(const QWidget *window);

} // namespace platform
