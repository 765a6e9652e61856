#include "platform/ui/FlowLayout.h"

#include <QWidget>

#include <algorithm>

namespace platform {

FlowLayout::FlowLayout(QWidget *parent) : QLayout(parent) {}

FlowLayout::~FlowLayout()
{
    qDeleteAll(m_items);
}

void FlowLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
}

int FlowLayout::count() const
{
    return int(m_items.size());
}

QLayoutItem *FlowLayout::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return {};
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const
{
    // As narrow as the widest item: everything else wraps.
    QSize size;
    for (const QLayoutItem *item : m_items) {
        if (!item->isEmpty())
            size = size.expandedTo(item->minimumSize());
    }
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize FlowLayout::sizeHint() const
{
    // One row when there is room for it.
    int width = 0;
    int height = 0;
    for (const QLayoutItem *item : m_items) {
        if (item->isEmpty())
            continue;
        width += (width > 0 ? spacing() : 0) + item->sizeHint().width();
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins margins = contentsMargins();
    return {width + margins.left() + margins.right(), height + margins.top() + margins.bottom()};
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::arrange(const QRect &rect, bool place) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = std::max(0, spacing());
    QList<QLayoutItem *> row;
    int y = area.y();
    int rowWidth = 0;
    int rowHeight = 0;
    const auto finishRow = [&] {
        int x = area.x();
        for (QLayoutItem *item : std::as_const(row)) {
            const QSize size = item->sizeHint().boundedTo(QSize(area.width(), rowHeight));
            if (place)
                item->setGeometry(QRect(QPoint(x, y + (rowHeight - size.height()) / 2), size));
            x += size.width() + gap;
        }
        if (!row.isEmpty())
            y += rowHeight + gap;
        row.clear();
        rowWidth = 0;
        rowHeight = 0;
    };
    for (QLayoutItem *item : m_items) {
        if (item->isEmpty())
            continue;
        const QSize size = item->sizeHint();
        if (!row.isEmpty() && rowWidth + gap + size.width() > area.width())
            finishRow();
        rowWidth += (row.isEmpty() ? 0 : gap) + size.width();
        rowHeight = std::max(rowHeight, size.height());
        row.append(item);
    }
    finishRow();
    const QMargins margins = contentsMargins();
    return std::max(0, y - gap - rect.y()) + margins.bottom();
}

} // namespace platform
