#include "app/ui/Artwork.h"

#include "app/PartnerLinks.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QSvgRenderer>

namespace app {

QString iconResource()
{
    return QStringLiteral(":/quarrytide/icon.svg");
}

QPixmap renderArtwork(const QString &resource, const QSize &size, qreal ratio)
{
    QSvgRenderer renderer(resource);
    if (!renderer.isValid() || size.isEmpty())
        return QPixmap();
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

static void drawText(QPainter &painter, int pixelSize, bool bold, const QRect &box, const QString &text)
{
    QFont font = painter.font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    painter.setFont(font);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

QPixmap splashPicture(const app::PartnerLinks &links, const QString &version, qreal ratio)
{
    QPixmap pixmap = renderArtwork(QStringLiteral(":/quarrytide/splash.svg"), QSize(480, 280), ratio);
    if (pixmap.isNull())
        return pixmap;
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The text stays in the open sky between the lens and the quarry wall on the right.
    painter.setPen(QColor(0xff, 0xff, 0xff));
    drawText(painter, 38, true, QRect(146, 42, 280, 48), links.productName);
    painter.setPen(QColor(0xd4, 0xf1, 0xf2));
    drawText(painter, 13, false, QRect(148, 92, 288, 20),
             QCoreApplication::translate("app::Artwork", "Finds domain names nobody has registered"));
    drawText(painter, 12, false, QRect(148, 132, 280, 18),
             QCoreApplication::translate("app::Artwork", "Version %1").arg(version));
    drawText(painter, 12, false, QRect(148, 152, 280, 18), links.productWebAddress);
    return pixmap;
}

} // namespace app
