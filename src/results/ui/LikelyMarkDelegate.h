#pragma once

#include <QStyledItemDelegate>

namespace results {

/// Shows entries marked likely available apart from confirmed ones: in italics, with a question mark, and
/// a tooltip that says which zone left them out.
class LikelyMarkDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    /// The tooltip of an entry left out of the zone of @p zoneDate.
    static QString markText(const QDate &zoneDate);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

} // namespace results
