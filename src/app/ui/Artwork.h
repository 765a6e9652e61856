#pragma once

#include <QPixmap>
#include <QString>

namespace app {

struct PartnerLinks;

/// The program icon, compiled into the program.
QString iconResource();

/// Renders an SVG resource at @p size logical pixels for a screen of @p ratio device pixels per pixel;
/// a null pixmap when the resource is missing.
QPixmap renderArtwork(const QString &resource, const QSize &size, qreal ratio = 1.0);

/// The splash picture: the artwork with the product name, version and web address drawn on it.
QPixmap splashPicture(const app::PartnerLinks &links, const QString &version, qreal ratio = 1.0);

} // namespace app
