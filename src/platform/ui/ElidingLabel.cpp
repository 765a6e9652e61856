#include "platform/ui/ElidingLabel.h"

#include <QPainter>
#include <QStyle>

namespace platform {

ElidingLabel::ElidingLabel(QWidget *parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidingLabel::showText(const QString &text)
{
    setText(text);
    updateToolTip();
}

QSize ElidingLabel::minimumSizeHint() const
{
    return {fontMetrics().averageCharWidth() * 8, QLabel::minimumSizeHint().height()};
}

QString ElidingLabel::shownText() const
{
    const int room = contentsRect().width() - 2 * margin() - 2 * indent();
    return fontMetrics().elidedText(text(), Qt::ElideRight, std::max(0, room));
}

void ElidingLabel::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area, (alignment() | Qt::AlignVCenter).toInt(), palette(), isEnabled(), shownText(),
                          foregroundRole());
}

void ElidingLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    updateToolTip();
}

void ElidingLabel::updateToolTip()
{
    setToolTip(shownText() == text() ? QString() : text());
}

} // namespace platform
