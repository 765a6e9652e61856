#include "sources/ui/SourceList.h"

#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QTimer>

namespace sources {

void SourceList::hidePopup()
{
    QComboBox::hidePopup();
    // The open list closes just before it makes the line under the cursor current and reports it; the
    // flag lasts until then (a list closed with Esc reports nothing, so the flag ends with this event).
    m_choosing = true;
    QTimer::singleShot(0, this, [this] { m_choosing = false; });
}

void SourceList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit confirmed();
        return;
    }
    const QScopedValueRollback moving(m_moving, true);
    QComboBox::keyPressEvent(event);
}

void SourceList::wheelEvent(QWheelEvent *event)
{
    const QScopedValueRollback moving(m_moving, true);
    QComboBox::wheelEvent(event);
}

} // namespace sources
