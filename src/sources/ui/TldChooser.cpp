#include "sources/ui/TldChooser.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace sources {

TldChooser::TldChooser(QWidget *parent) : QComboBox(parent)
{
    // The plain delegate draws each line's tick box, whatever the style's own list looks like.
    setItemDelegate(new QStyledItemDelegate(this));
    // A click on a line ticks it and leaves the list open for the next one.
    view()->viewport()->installEventFilter(this);
    connect(this, &QComboBox::currentIndexChanged, this, &TldChooser::tickOnly);
    setToolTip(QStringLiteral("The TLDs a name without a dot is checked in"));
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

bool TldChooser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view()->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const QModelIndex index = view()->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        if (index.isValid())
            toggle(index.row());
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace sources
