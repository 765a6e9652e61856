#include "sources/ui/TldChooser.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace sources {

TldChooser::TldChooser(QWidget *parent) : QComboBox(parent)
{
    // The plain delegate draws each line's tick box, whatever the style's own list looks like.
    setItemDelegate(new QStyledItemDelegate(this));
    // A click on a line ticks it and leaves the list open for the next one; Space does the same.
    view()->viewport()->installEventFilter(this);
    view()->installEventFilter(this);
    connect(this, &QComboBox::currentIndexChanged, this, &TldChooser::tickOnly);
    setToolTip(tr("The TLDs a name without a dot is checked in"));
}

bool TldChooser::isTicked(int index) const
{
    return itemData(index, Qt::CheckStateRole).toInt() == Qt::Checked;
}

void TldChooser::setTickedAt(int index, bool ticked)
{
    // Line 0 is the default extension: it is ticked exactly when no TLD is.
    if (index <= 0 || index >= count() || isTicked(index) == ticked)
        return;
    setItemData(index, int(ticked ? Qt::Checked : Qt::Unchecked), Qt::CheckStateRole);
    markDefault();
    update();
    emit choiceChanged();
}

void TldChooser::markDefault()
{
    if (count() > 0)
        setItemData(0, int(chosenTlds().isEmpty() ? Qt::Checked : Qt::Unchecked), Qt::CheckStateRole);
}

void TldChooser::toggle(int index)
{
    if (index == 0) {
        tickOnly(0);
        return;
    }
    setTickedAt(index, !isTicked(index));
}

void TldChooser::tickOnly(int index)
{
    const QStringList before = chosenTlds();
    for (int i = 1; i < count(); ++i)
        setItemData(i, int(i == index ? Qt::Checked : Qt::Unchecked), Qt::CheckStateRole);
    markDefault();
    update();
    if (chosenTlds() != before)
        emit choiceChanged();
}

void TldChooser::setTicked(const QString &extension, bool ticked)
{
    const int index = findData(extension, Qt::UserRole, Qt::MatchFixedString);
    setTickedAt(index, ticked);
}

void TldChooser::setExtensions(const QString &defaultLabel, const QStringList &extensions)
{
    const QStringList before = chosenTlds();
    const QSignalBlocker quiet(this);
    clear();
    addItem(defaultLabel, QString());
    for (const QString &extension : extensions) {
        addItem(extension, extension);
        const bool ticked = before.contains(extension, Qt::CaseInsensitive);
        setItemData(count() - 1, int(ticked ? Qt::Checked : Qt::Unchecked), Qt::CheckStateRole);
    }
    markDefault();
    // The current line is the first ticked one, so currentText() names the choice when it is one TLD.
    const QStringList kept = chosenTlds();
    setCurrentIndex(kept.isEmpty() ? 0 : findData(kept.first()));
    update();
}

QStringList TldChooser::chosenTlds() const
{
    QStringList tlds;
    for (int i = 1; i < count(); ++i) {
        if (isTicked(i))
            tlds.append(itemData(i).toString());
    }
    return tlds;
}

QString TldChooser::shownText() const
{
    const QStringList tlds = chosenTlds();
    if (tlds.isEmpty())
        return count() > 0 ? itemText(0) : QString();
    return tlds.join(QStringLiteral(", "));
}

void TldChooser::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = shownText();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void TldChooser::showPopup()
{
    // The release of the click that opened the list lands on the line under the pointer: not a choice.
    m_pressedRow = -1;
    QComboBox::showPopup();
}

void TldChooser::keyPressEvent(QKeyEvent *event)
{
    // On the closed box the keys that would make one line the only ticked one open the list instead.
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        if (!(event->modifiers() & Qt::AltModifier)) {
            showPopup();
            return;
        }
        break;
    case Qt::Key_Space:
    case Qt::Key_F4:
        break;
    default:
        // Typed letters would jump to a line and tick it alone; Return belongs to the window.
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void TldChooser::wheelEvent(QWheelEvent *event)
{
    // Scrolling over the box on the way elsewhere must not change what is checked.
    event->ignore();
}

bool TldChooser::handleListKey(QKeyEvent *event)
{
    const int key = event->key();
    if (event->type() == QEvent::KeyPress && (key == Qt::Key_Space || key == Qt::Key_Select)) {
        toggle(view()->currentIndex().row());
        return true;
    }
    // The list's own handling of these keys chooses the current line, which would tick it alone: they
    // close the list with every tick as it is.
    const bool closes = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F4 ||
                        (key == Qt::Key_Down && (event->modifiers() & Qt::AltModifier));
    if (event->type() == QEvent::ShortcutOverride && closes) {
        event->accept();
        hidePopup();
        return true;
    }
    return false;
}

bool TldChooser::handleListMouse(QEvent *event)
{
    const QModelIndex index = view()->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint());
    // The second press of a double click is a press like the first: two clicks toggle twice.
    if (event->type() != QEvent::MouseButtonRelease) {
        m_pressedRow = index.isValid() ? index.row() : -1;
        return true;
    }
    const bool clicked = index.isValid() && index.row() == m_pressedRow;
    m_pressedRow = -1;
    if (clicked) {
        view()->setCurrentIndex(index);
        toggle(index.row());
    }
    return true;
}

bool TldChooser::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == view()->viewport() &&
        (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick))
        return handleListMouse(event);
    if (watched == view() && (type == QEvent::KeyPress || type == QEvent::ShortcutOverride) &&
        handleListKey(static_cast<QKeyEvent *>(event)))
        return true;
    return QComboBox::eventFilter(watched, event);
}

} // namespace sources
