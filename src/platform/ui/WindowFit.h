#pragma once

class QSize;
class QWidget;

namespace platform {

/// Resizes @p window to @p wanted, or smaller where the screen it opens on has less room (a small screen,
/// or a large scale factor), leaving space for the window's frame.
void resizeWithinScreen(QWidget *window, const QSize &wanted);

} // namespace platform
