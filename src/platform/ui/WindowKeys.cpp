#include "platform/ui/WindowKeys.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

namespace platform {

void closeOnEscape(QWidget *window)
{
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

void acceptOnReturn(QPushButton *button)
{
    button->setDefault(true);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *shortcut = new QShortcut(QKeySequence(key), button->window());
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isVisible() && button->isEnabled())
                button->click();
        });
    }
}

QChar mnemonicOf(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1).toLower();
        ++i; // "&&" is a plain ampersand
    }
    return {};
}

QString withMnemonic(const QString &caption, QString &taken)
{
    if (!mnemonicOf(caption).isNull()) {
        taken += mnemonicOf(caption);
        return caption;
    }
    const auto usable = [&](qsizetype i) {
        const QChar c = caption.at(i);
        return c.isLetterOrNumber() && c.unicode() < 128 && !taken.contains(c.toLower());
    };
    qsizetype chosen = -1;
    for (qsizetype i = 0; i < caption.size() && chosen < 0; ++i) {
        const bool wordStart = i == 0 || !caption.at(i - 1).isLetterOrNumber();
        if (wordStart && usable(i))
            chosen = i;
    }
    for (qsizetype i = 0; i < caption.size() && chosen < 0; ++i) {
        if (usable(i))
            chosen = i;
    }
    if (chosen < 0)
        return caption;
    taken += caption.at(chosen).toLower();
    QString marked = caption;
    marked.insert(chosen, QLatin1Char('&'));
    return marked;
}

void giveMnemonics(QMenu *menu)
{
    QString taken;
    const QList<QAction *> actions = menu->actions();
    for (const QAction *action : actions)
        taken += mnemonicOf(action->text());
    for (QAction *action : actions) {
        if (!action->isSeparator() && mnemonicOf(action->text()).isNull())
            action->setText(withMnemonic(action->text(), taken));
    }
}

namespace {

QString textOf(const QWidget *control)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->buddy() ? label->text() : QString();
    if (const auto *group = qobject_cast<const QGroupBox *>(control))
        return group->title();
    return {};
}

void setTextOf(QWidget *control, const QString &text)
{
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *group = qobject_cast<QGroupBox *>(control))
        group->setTitle(text);
}

} // namespace

QString mnemonicsOf(const QWidget *window)
{
    QString letters;
    if (const auto *main = qobject_cast<const QMainWindow *>(window)) {
        const QList<QAction *> titles = main->menuBar()->actions();
        for (const QAction *title : titles)
            letters += mnemonicOf(title->text());
    }
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    for (const QWidget *control : controls) {
        if (control->window() == window && !control->isHidden())
            letters += mnemonicOf(textOf(control));
    }
    letters.remove(QChar());
    return letters;
}

void giveMnemonics(QWidget *window, const QList<QWidget *> &controls)
{
    QString taken = mnemonicsOf(window);
    for (QWidget *control : controls) {
        const QString text = textOf(control);
        if (!text.isEmpty() && mnemonicOf(text).isNull() && !control->isHidden())
            setTextOf(control, withMnemonic(text, taken));
    }
}

} // namespace platform
