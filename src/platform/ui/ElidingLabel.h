#pragma once

#include <QLabel>

namespace platform {

/**
 * A one-line label for status panels: a text longer than the room it has is shown cut with "..." and
 * whole in its tooltip, instead of being cut off or widening the window. text() is the whole text.
 */
class ElidingLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidingLabel(QWidget *parent = nullptr);

    /// Sets the text (and the tooltip when it does not fit).
    void showText(const QString &text);

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QString shownText() const;
    void updateToolTip();
};

} // namespace platform
