#include "results/ui/LikelyMarkDelegate.h"

#include "results/DomainListModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

namespace results {

QString LikelyMarkDelegate::markText(const QDate &zoneDate)
{
    return tr("not in the zone of %1 - not yet confirmed by the registry").arg(zoneDate.toString(Qt::ISODate));
}

void LikelyMarkDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!index.data(DomainListModel::LikelyZoneDateRole).isValid())
        return;
    option->font.setItalic(true);
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->icon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion);
}

bool LikelyMarkDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                                   const QModelIndex &index)
{
    const QVariant zoneDate = index.data(DomainListModel::LikelyZoneDateRole);
    if (event->type() != QEvent::ToolTip || !zoneDate.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QToolTip::showText(event->globalPos(), markText(zoneDate.toDate()), view);
    return true;
}

} // namespace results
